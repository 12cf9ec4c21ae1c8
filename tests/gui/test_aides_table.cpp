// The table that explains itself, in the real window: the dimmed cards are
// exactly the ones the player may not choose, a whole deal plays from the
// keyboard, the hint lifts the rules' card and changes nothing, the turn and
// the winner are marked, cards move without holding up the game, a deal in
// progress is not abandoned unasked, the rules open beside the table; and with
// every one of these options off the window is the window it always was.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <memory>

#include "engine/chien.h"
#include "engine/conseil.h"
#include "engine/enchere.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "engine/raisons.h"
#include "engine/regles_moteur.h"
#include "flow/deroulement.h"
#include "flow/poignee.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "ui/fAide/faide.h"
#include "ui/fBelvane/aides_table.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fPoignee/fpoignee.h"

namespace {

void toutesLesAides(Options& o, std::uint8_t v) {
    o.optionMarquerTour = o.optionCartesJouables = o.optionConseilCarte = o.optionJeuAuClavier = v;
    o.optionAnimationCartes = o.optionConfirmerAbandon = o.optionReglesDuJeu = v;
}

// One game in its window, as the main routine builds it, at a fixed seed.
struct Table_ {
    std::unique_ptr<Jeu> jeu = std::make_unique<Jeu>();
    std::unique_ptr<TfrmPoignee> poignee;
    std::unique_ptr<TfrmBelvane> fenetre;

    Table_(std::uint64_t graine, int force, int vitesse = 5) {
        jeu->hasard.horloge = horlogeDeterministe(graine);
        poignee = std::make_unique<TfrmPoignee>(*jeu, 1.0);
        fenetre = std::make_unique<TfrmBelvane>(*jeu, 1.0);
        fenetre->attacherPoignee(poignee.get());
        jeu->finDeDonne = finDeDonne;
        chargerOptions(*jeu);
        initialiserPartie(*jeu);
        Options& o = jeu->options;
        o.optionVitesseJeuDeLaCarte = vitesse;
        o.optionAttenteEntreChaquePli = 0;
        o.optionForceMain = force;
        o.optionProposePoignee = 0;
        appliquerOptions(*jeu);
        fenetre->show();
        fenetre->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    }
    ~Table_() {
        fenetre.reset();
        poignee.reset();
    }
    Donne& d() { return jeu->donne; }
    AidesTable& aides() { return *fenetre->aides(); }
    QWidget* controle(const QString& nom) const { return fenetre->findChild<QWidget*>(nom); }
    bool montre(const QString& nom) const { return controle(nom) && controle(nom)->isVisible(); }
    bool tourHumain() { return d().humainPeutJouer && d().joueurCourant == 1 && d().etatAttente == 0; }
    // The game waits for the human, or for a continue, or the deal is over.
    bool attendLeJoueur() {
        return montre("BarreEnchere") || d().etatAttente != 0 || d().modeEcart == 1 || tourHumain() ||
               d().numeroPli == 19 || (d().poigneeEnCours && !jeu->poignee.ouverte);
    }
};

template <typename Condition>
bool attendre(Condition condition, int ms = 4000) {
    for (int t = 0; t < ms; t += 2) {
        if (condition()) return true;
        QTest::qWait(2);
    }
    return condition();
}

// Answers the next modal question with the button `role`, and counts it.
void repondre(QMessageBox::StandardButton bouton, int* vues) {
    QTimer::singleShot(0, [bouton, vues] {
        if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++*vues;
            m->button(bouton)->click();
        }
    });
}

// At the human's turn with a card he may not play: clicks it, checks what the
// information bar says and that the card is still in his hand. False when every card may be played.
bool tourHumainInterdit(Table_& t) {
    Donne& d = t.d();
    for (int k = 1; k <= 18; ++k) {
        if (!d.mainJoueur[1][k].enMain || d.jouable[1][k] == 1) continue;
        const std::string attendue = raisonInjouable(*t.jeu, k, FRANCAIS);
        EXPECT_FALSE(attendue.empty());
        QTest::mouseClick(t.controle(QString("Carte3D%1").arg(k)), Qt::LeftButton);
        EXPECT_TRUE(d.mainJoueur[1][k].enMain);
        EXPECT_EQ(static_cast<QLabel*>(t.controle("info"))->text().toStdString(), attendue);
        return true;
    }
    return false;
}

}  // namespace

// The dimmed cards are the cards the player may not choose, at every turn of
// his, on every discard screen and in the handful window, over many deals.
TEST(AidesTable, LesCartesVoileesSontLesCartesInterdites) {
    int tours = 0, voilees = 0, ecrans = 0, poignees = 0;
    for (std::uint64_t graine = 1; graine <= 8; ++graine) {
        // Garde Contre hands hold many trumps: the handful comes; Garde hands bring the discard.
        Table_ t(graine, graine % 2 ? 4 : 6);
        t.jeu->options.optionProposePoignee = 1;
        Donne& d = t.d();
        nouvelleDonne(*t.jeu, 0);
        for (int pas = 0; pas < 400 && d.numeroPli != 19; ++pas) {
            ASSERT_TRUE(attendre([&] { return t.attendLeJoueur(); }));
            t.aides().mettreAJour();
            if (d.numeroPli == 19) break;
            if (t.montre("BarreEnchere")) {
                annoncerEnchere(*t.jeu, d.enchere[1] > d.meilleureEnchere ? d.enchere[1] : PASSE);
            } else if (d.modeEcart == 1) {
                ++ecrans;
                for (int p = 1; p <= 24; ++p)
                    EXPECT_EQ(t.aides().carteMainVoilee(p), carteNonEcartable(*t.jeu, p)) << "position " << p;
                for (int p = 24; p >= 1 && d.nbCartesEcartees < 6; --p)
                    if (!carteNonEcartable(*t.jeu, p)) cliquerCarteEcart(*t.jeu, p);
                confirmerEcart(*t.jeu);
            } else if (d.etatAttente != 0) {
                for (int k = 1; k <= 18; ++k) EXPECT_FALSE(t.aides().carteMainVoilee(k));
                continuer(*t.jeu);
            } else if (d.poigneeEnCours) {
                // The largest handful the hand allows, checked, then cancelled.
                const int n = compterAtoutsHumain(*t.jeu);
                ouvrirPoignee(*t.jeu, n >= 15 ? 3 : n >= 13 ? 2 : 1);
                t.aides().mettreAJour();
                ++poignees;
                for (int k = 1; k <= 18; ++k) {
                    const bool excuse = k <= n && estExcuse(d.mainJoueur[1][k]);
                    EXPECT_EQ(t.aides().cartePoigneeVoilee(k), excuse && k != t.jeu->poignee.taillePoignee) << k;
                }
                PanelAnnulerPoigneeClick(*t.jeu);
            } else {
                ++tours;
                for (int k = 1; k <= 18; ++k) {
                    const bool interdite = d.mainJoueur[1][k].enMain && d.jouable[1][k] == 0;
                    EXPECT_EQ(t.aides().carteMainVoilee(k), interdite) << "seed " << graine << " slot " << k;
                    voilees += interdite;
                }
                for (int k = 1; k <= 18; ++k)
                    if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) {
                        jouerCarteHumain(*t.jeu, k);
                        break;
                    }
                // Nothing is dimmed while the computers play.
                t.aides().mettreAJour();
                if (!t.tourHumain()) {
                    for (int k = 1; k <= 18; ++k) EXPECT_FALSE(t.aides().carteMainVoilee(k));
                }
            }
        }
    }
    EXPECT_GT(tours, 100);
    EXPECT_GT(voilees, 200);
    EXPECT_GE(ecrans, 2);
    EXPECT_GE(poignees, 1);
}

// A click on a dimmed card says why in the information bar; the card stays.
TEST(AidesTable, UnClicSurUneCarteInterditeDitPourquoi) {
    for (std::uint64_t graine = 20; graine < 40; ++graine) {
        Table_ t(graine, 2);
        Donne& d = t.d();
        nouvelleDonne(*t.jeu, 0);
        for (int pas = 0; pas < 400 && d.numeroPli != 19; ++pas) {
            ASSERT_TRUE(attendre([&] { return t.attendLeJoueur(); }));
            if (d.numeroPli == 19) break;
            if (t.montre("BarreEnchere")) annoncerEnchere(*t.jeu, PASSE);
            else if (d.etatAttente != 0 || d.modeEcart) continuer(*t.jeu);
            else if (tourHumainInterdit(t)) return;
            else jouerCarteHumain(*t.jeu, [&] {
                for (int k = 1; k <= 18; ++k)
                    if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) return k;
                return 0;
            }());
        }
    }
    FAIL() << "no turn with a card the player may not play";
}

// A whole deal from the keyboard alone: F2, the digits of the bids, the space
// bar, the arrows and Enter on the discard screen and for every card.
TEST(AidesTable, UneDonneEntiereAuClavier) {
    Table_ t(31, 4);
    Donne& d = t.d();
    QWidget* f = t.fenetre.get();
    QTest::keyClick(f, Qt::Key_F2);
    int cartes = 0, ecarts = 0;
    for (int pas = 0; pas < 600 && d.numeroPli != 19; ++pas) {
        ASSERT_TRUE(attendre([&] { return t.attendLeJoueur(); }))
            << "trick " << d.numeroPli << " bids " << d.nbEncheres << " wait " << d.etatAttente << " discard "
            << d.modeEcart << " cards " << d.nbCartesPli << " seat " << d.joueurCourant;
        t.aides().mettreAJour();
        if (d.numeroPli == 19) break;
        if (t.montre("BarreEnchere")) {
            const int e = d.enchere[1] > d.meilleureEnchere ? d.enchere[1] : PASSE;
            QTest::keyClick(f, static_cast<Qt::Key>(Qt::Key_1 + e));
        } else if (d.modeEcart == 1) {
            ++ecarts;
            // From the first card, Enter on each card that may go, until six are up.
            QTest::keyClick(f, Qt::Key_Home);
            for (int p = 1; p <= 24 && d.nbCartesEcartees < 6; ++p) {
                if (!carteNonEcartable(*t.jeu, t.aides().carteFocalisee())) QTest::keyClick(f, Qt::Key_Return);
                QTest::keyClick(f, Qt::Key_Right);
            }
            ASSERT_TRUE(t.montre("PanelConfirmeEcart"));
            QTest::keyClick(f, Qt::Key_End);
            QTest::keyClick(f, Qt::Key_Return);
            EXPECT_EQ(d.modeEcart, 0);
        } else if (d.etatAttente != 0) {
            QTest::keyClick(f, Qt::Key_Space);
        } else {
            const int k = t.aides().carteFocalisee();
            ASSERT_GE(k, 1);
            EXPECT_EQ(d.jouable[1][k], 1) << "the frame starts on a playable card";
            // Away and back to the same card: Home then Right as many times as
            // there are cards held before it.
            int avant = 0;
            for (int i = 1; i < k; ++i) avant += d.mainJoueur[1][i].enMain;
            QTest::keyClick(f, Qt::Key_Home);
            for (int i = 0; i < avant; ++i) QTest::keyClick(f, Qt::Key_Right);
            ASSERT_EQ(t.aides().carteFocalisee(), k);
            QTest::keyClick(f, Qt::Key_Return);
            EXPECT_FALSE(d.mainJoueur[1][k].enMain);
            ++cartes;
        }
    }
    EXPECT_EQ(d.numeroPli, 19);
    EXPECT_EQ(cartes, 18);
    EXPECT_EQ(ecarts, 1);
    EXPECT_EQ(d.pointsPreneur + d.pointsDefense, 182);
}

// The hint lifts the card the rules choose from the human's view, says which
// rule chose it, and leaves the game exactly as it was.
TEST(AidesTable, LeConseilSouleveLaCarteEtNeChangeRien) {
    Table_ t(44, 2);
    Donne& d = t.d();
    nouvelleDonne(*t.jeu, 0);
    int conseils = 0;
    for (int pas = 0; pas < 400 && d.numeroPli != 19; ++pas) {
        ASSERT_TRUE(attendre([&] { return t.attendLeJoueur(); }));
        if (d.numeroPli == 19) break;
        if (t.montre("BarreEnchere")) annoncerEnchere(*t.jeu, PASSE);
        else if (d.etatAttente != 0 || d.modeEcart) continuer(*t.jeu);
        else {
            const Conseil attendu = conseillerCarte(*t.jeu);
            const std::uint32_t graine = t.jeu->hasard.graine;
            const int nbRegles = t.jeu->regles.nbReglesUtilisees;
            QWidget* carte = t.controle(QString("Carte3D%1").arg(attendu.slot));
            const int haut = carte->y();
            QTest::keyClick(t.fenetre.get(), Qt::Key_H);
            EXPECT_EQ(t.aides().carteConseillee(), attendu.slot);
            EXPECT_EQ(carte->y(), haut - t.jeu->disposition.leveeCarte);
            EXPECT_EQ(static_cast<QLabel*>(t.controle("info"))->text().toStdString(),
                      texteConseilCarte(attendu, FRANCAIS));
            EXPECT_EQ(t.jeu->hasard.graine, graine);
            EXPECT_EQ(t.jeu->regles.nbReglesUtilisees, nbRegles);
            ++conseils;
            jouerCarteHumain(*t.jeu, attendu.slot);
        }
    }
    EXPECT_EQ(conseils, 18);
    // Outside his turn the hint says when it comes, and lifts nothing.
    t.fenetre->findChild<QAction*>("menuConseilCarte")->trigger();
    EXPECT_EQ(t.aides().carteConseillee(), 0);
    EXPECT_EQ(static_cast<QLabel*>(t.controle("info"))->text(),
              QString::fromUtf8("Le conseil vient quand c'est à vous de jouer."));
}

// The seat to play is lit, the card winning so far carries the mark, and after
// the fourth card the winner keeps it until the table is cleared.
TEST(AidesTable, LeTourEtLeGagnantSontMarques) {
    Table_ t(52, 2);
    Donne& d = t.d();
    nouvelleDonne(*t.jeu, 0);
    auto allume = [&](int s) {
        return static_cast<QLabel*>(t.controle(QString("EtiquetteSiege%1").arg(s)))->styleSheet().contains("255, 200, 0");
    };
    auto marquee = [&](int s) {
        QWidget* l = t.controle(QString("CarteTable%1").arg(s))->findChild<QWidget*>("Liseret");
        return l && l->isVisible();
    };
    // The auction: the seat to speak is lit.
    t.aides().mettreAJour();
    for (int s = 1; s <= 4; ++s) EXPECT_TRUE(t.montre(QString("EtiquetteSiege%1").arg(s)));
    int plisVus = 0, coupsVus = 0;
    for (int pas = 0; pas < 400 && d.numeroPli != 19; ++pas) {
        ASSERT_TRUE(attendre([&] { return t.attendLeJoueur(); }));
        t.aides().mettreAJour();
        if (d.numeroPli == 19) break;
        if (t.montre("BarreEnchere")) {
            EXPECT_TRUE(allume(1));
            annoncerEnchere(*t.jeu, PASSE);
        } else if (d.pliAffiche == 1) {
            ++plisVus;
            for (int s = 1; s <= 4; ++s) {
                EXPECT_EQ(marquee(s), s == d.joueurEntame) << s;
                EXPECT_EQ(allume(s), s == d.joueurEntame) << s;
            }
            EXPECT_TRUE(static_cast<QLabel*>(t.controle(QString("EtiquetteSiege%1").arg(d.joueurEntame)))
                            ->text()
                            .endsWith(QString::fromUtf8("\u2605")));
            continuer(*t.jeu);
        } else if (d.etatAttente != 0 || d.modeEcart) {
            continuer(*t.jeu);
        } else {
            EXPECT_TRUE(allume(1));
            if (d.nbCartesPli > 0) {
                ++coupsVus;
                const int g = gagnantProvisoire(*t.jeu, 1);
                for (int s = 1; s <= 4; ++s) EXPECT_EQ(marquee(s), s == g) << s;
                for (int s = 2; s <= 4; ++s) EXPECT_FALSE(allume(s)) << s;
            }
            for (int k = 1; k <= 18; ++k)
                if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) {
                    jouerCarteHumain(*t.jeu, k);
                    break;
                }
            // A computer to play next: its name is lit, not the human's.
            t.aides().mettreAJour();
            if (d.nbCartesPli > 0 && d.nbCartesPli < 4) {
                EXPECT_TRUE(allume(d.joueurCourant));
                EXPECT_FALSE(allume(1));
            }
        }
    }
    EXPECT_GE(plisVus, 17);
    EXPECT_GT(coupsVus, 8);
}

namespace {

// Everything a player can see of a window: each control's place, visibility,
// state, texts and cursor, each card's face, and each menu item.
QStringList etatVisible(QWidget* fenetre) {
    QStringList etat;
    QList<QWidget*> controles = fenetre->findChildren<QWidget*>();
    controles.prepend(fenetre);
    static const QStringList nouveaux = {"EtiquetteSiege", "Liseret", "Voile", "CadreFocus", "SBConseil",
                                         "CarteEnMouvement"};
    for (QWidget* w : controles) {
        QString e = w->objectName() + " " + w->metaObject()->className();
        // The explaining table's own controls: only whether they show.
        if (std::any_of(nouveaux.begin(), nouveaux.end(), [w](const QString& n) { return w->objectName().startsWith(n); })) {
            etat << e + QString(" %1").arg(w->isVisible());
            continue;
        }
        const QRect r = w->geometry();
        e += QString(" %1 %2,%3 %4x%5 %6 c%7 '%8' '%9'")
                 .arg(w->isVisible())
                 .arg(r.x())
                 .arg(r.y())
                 .arg(r.width())
                 .arg(r.height())
                 .arg(w->isEnabled())
                 .arg(w->cursor().shape())
                 .arg(w->toolTip(), w->accessibleName());
        if (auto* l = qobject_cast<QLabel*>(w)) e += " '" + l->text() + "' " + l->styleSheet();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) e += " '" + b->text() + "' " + QString::number(b->isChecked());
        if (auto* c = qobject_cast<ImageCarte*>(w))
            e += QString(" carte %1/%2 %3").arg(c->couleurCarte()).arg(c->valeurCarte()).arg(c->graphicsEffect() != nullptr);
        etat << e;
    }
    for (QAction* a : fenetre->findChildren<QAction*>())
        etat << QString("action %1 '%2' %3 %4 %5 %6")
                    .arg(a->objectName(), a->text())
                    .arg(a->isVisible())
                    .arg(a->isEnabled())
                    .arg(a->isChecked())
                    .arg(a->shortcut().toString());
    return etat;
}

}  // namespace

// With every option of the explaining table off, the window is the window it
// always was: a twin whose aids are gone altogether sees exactly the same
// controls at every step of two deals, keys pressed included. With the options
// on, the two differ.
TEST(AidesTable, ToutesLesOptionsEteintesLaFenetreEstCelleDeToujours) {
    Table_ eteinte(71, 4, 5), temoin(71, 4, 5), allumee(71, 4, 5);
    toutesLesAides(eteinte.jeu->options, 0);
    toutesLesAides(temoin.jeu->options, 0);
    toutesLesAides(allumee.jeu->options, 1);
    for (Table_* t : {&eteinte, &temoin, &allumee}) {
        appliquerOptions(*t->jeu);
        t->aides().mettreAJour();
    }
    delete temoin.fenetre->aides();
    ASSERT_EQ(temoin.fenetre->aides(), nullptr);
    Table_* tables[] = {&eteinte, &temoin, &allumee};

    int comparaisons = 0, differencesAllumee = 0;
    auto comparer = [&](const char* ou) {
        for (Table_* t : tables)
            if (t->fenetre->aides()) t->fenetre->aides()->mettreAJour();
        QTest::qWait(1);
        const QStringList a = etatVisible(eteinte.fenetre.get());
        const QStringList b = etatVisible(temoin.fenetre.get());
        ASSERT_EQ(a.size(), b.size()) << ou;
        for (int i = 0; i < a.size(); ++i) ASSERT_EQ(a[i].toStdString(), b[i].toStdString()) << ou;
        differencesAllumee += etatVisible(allumee.fenetre.get()) != b;
        ++comparaisons;
    };
    // Keys go to the two windows compared; the lit one would play on them.
    auto touches = [&](std::initializer_list<Qt::Key> cles) {
        for (Table_* t : {&eteinte, &temoin})
            for (Qt::Key k : cles) QTest::keyClick(t->fenetre.get(), k);
    };

    for (Table_* t : tables) nouvelleDonne(*t->jeu, 0);
    for (int donne = 0; donne < 2; ++donne) {
        for (int pas = 0; pas < 400; ++pas) {
            for (Table_* t : tables) ASSERT_TRUE(attendre([&] { return t->attendLeJoueur(); }));
            Donne& d = eteinte.d();
            ASSERT_EQ(d.numeroPli, temoin.d().numeroPli);
            ASSERT_EQ(d.nbCartesPli, temoin.d().nbCartesPli);
            comparer("step");
            if (d.numeroPli == 19) break;
            if (eteinte.montre("BarreEnchere")) {
                touches({Qt::Key_2});
                comparer("after a digit in the auction");
                const int e = d.enchere[1] > d.meilleureEnchere ? d.enchere[1] : PASSE;
                for (Table_* t : tables) annoncerEnchere(*t->jeu, e);
            } else if (d.modeEcart == 1) {
                touches({Qt::Key_Right, Qt::Key_Return});
                comparer("after keys on the discard screen");
                for (Table_* t : tables) {
                    for (int p = 24; p >= 1 && t->d().nbCartesEcartees < 6; --p)
                        if (!carteNonEcartable(*t->jeu, p)) cliquerCarteEcart(*t->jeu, p);
                }
                comparer("six cards chosen");
                for (Table_* t : tables) QTest::mouseClick(t->controle("PanelConfirmeEcart"), Qt::LeftButton);
            } else if (d.etatAttente != 0) {
                for (Table_* t : tables) QTest::mouseClick(t->controle("TableRonde"), Qt::LeftButton);
            } else {
                touches({Qt::Key_H, Qt::Key_Right, Qt::Key_Return});
                comparer("after keys at the human's turn");
                // A click on a card that may not be played, then on the first that may.
                for (int k = 1; k <= 18; ++k)
                    if (d.mainJoueur[1][k].enMain && d.jouable[1][k] == 0) {
                        for (Table_* t : tables) QTest::mouseClick(t->controle(QString("Carte3D%1").arg(k)), Qt::LeftButton);
                        comparer("after a refused card");
                        break;
                    }
                for (int k = 1; k <= 18; ++k)
                    if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) {
                        for (Table_* t : tables) QTest::mouseClick(t->controle(QString("Carte3D%1").arg(k)), Qt::LeftButton);
                        break;
                    }
            }
        }
        // The next deal from the menu, with no question asked.
        for (Table_* t : tables) t->fenetre->findChild<QAction*>("menuNewGame")->trigger();
    }
    EXPECT_GT(comparaisons, 60);
    EXPECT_GT(differencesAllumee, 30);
}

// A played card glides at the card speed without holding the game up: the
// timers are armed as they would be, the table card is where the game put it,
// a click on the moving card does nothing; at the fastest speed nothing moves.
TEST(AidesTable, LesCartesGlissentSansRetarderLeJeu) {
    for (const int vitesse : {1, 5}) {
        Table_ t(83, 2, vitesse);
        Donne& d = t.d();
        nouvelleDonne(*t.jeu, 0);
        int glissements = 0, ramassages = 0;
        for (int pas = 0; pas < 200 && d.numeroPli < 4; ++pas) {
            ASSERT_TRUE(attendre([&] { return t.attendLeJoueur() || t.aides().enMouvement(); }, 6000));
            if (t.aides().enMouvement() && !t.attendLeJoueur()) {
                ++glissements;
                // The game has moved on already: the card timer is armed for the next seat.
                EXPECT_TRUE(t.fenetre->estArme(Minuteur::TimerEntreCarte) || d.nbCartesPli == 0);
                QWidget* volante = t.fenetre->findChild<QWidget*>("CarteEnMouvement");
                ASSERT_NE(volante, nullptr);
                const int avant = d.nbCartesPli, attente = d.etatAttente;
                QTest::mouseClick(volante, Qt::LeftButton);
                EXPECT_EQ(d.nbCartesPli, avant);
                EXPECT_EQ(d.etatAttente, attente);
                ASSERT_TRUE(attendre([&] { return !t.aides().enMouvement(); }, 3000));
                continue;
            }
            if (t.montre("BarreEnchere")) annoncerEnchere(*t.jeu, PASSE);
            else if (d.etatAttente != 0 && d.pliAffiche == 1) {
                QTest::mouseClick(t.controle("TableRonde"), Qt::LeftButton);
                ramassages += t.aides().enMouvement();
                // The table is cleared at once; what gathers is a picture of it.
                for (int s = 1; s <= 4; ++s) EXPECT_FALSE(t.montre(QString("CarteTable%1").arg(s)));
            } else if (d.etatAttente != 0 || d.modeEcart) continuer(*t.jeu);
            else
                for (int k = 1; k <= 18; ++k)
                    if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) {
                        jouerCarteHumain(*t.jeu, k);
                        EXPECT_TRUE(t.montre("CarteTable1"));
                        break;
                    }
        }
        if (vitesse == 1) {
            EXPECT_GT(glissements, 3);
            EXPECT_GE(ramassages, 1);
        } else {
            EXPECT_EQ(glissements, 0);
            EXPECT_EQ(ramassages, 0);
        }
    }
}

// A new deal or a re-start in the middle of the tricks asks first; No keeps
// the deal, Yes abandons it. Before the first card, nothing is asked.
TEST(AidesTable, AbandonnerUneDonneDemandeConfirmation) {
    Table_ t(90, 2);
    Donne& d = t.d();
    int questions = 0;
    repondre(QMessageBox::No, &questions);
    t.fenetre->findChild<QAction*>("menuNewGame")->trigger();  // before any deal: no question
    QTest::qWait(5);
    EXPECT_EQ(questions, 0);
    ASSERT_TRUE(attendre([&] { return t.attendLeJoueur(); }));
    for (int pas = 0; pas < 200 && !(d.numeroPli == 3 && t.attendLeJoueur() && d.etatAttente == 0); ++pas) {
        ASSERT_TRUE(attendre([&] { return t.attendLeJoueur(); }));
        if (t.montre("BarreEnchere")) annoncerEnchere(*t.jeu, PASSE);
        else if (d.etatAttente != 0 || d.modeEcart) continuer(*t.jeu);
        else if (d.numeroPli < 3)
            for (int k = 1; k <= 18; ++k)
                if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) {
                    jouerCarteHumain(*t.jeu, k);
                    break;
                }
    }
    ASSERT_EQ(d.numeroPli, 3);
    const Table<Main, 1, 4> mains = d.mainInitiale;
    for (const char* commande : {"menuNewGame", "menuGameAgain"}) {
        repondre(QMessageBox::No, &questions);
        t.fenetre->findChild<QAction*>(commande)->trigger();
        EXPECT_EQ(d.numeroPli, 3) << commande;
    }
    t.fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.fenetre.get()));
    repondre(QMessageBox::No, &questions);
    QTest::keyClick(t.fenetre.get(), Qt::Key_F2);
    EXPECT_EQ(d.numeroPli, 3);
    EXPECT_EQ(questions, 3);
    repondre(QMessageBox::Yes, &questions);
    QTest::mouseClick(t.controle("SBNewGame"), Qt::LeftButton);
    EXPECT_EQ(questions, 4);
    EXPECT_EQ(d.numeroPli, 0);
    bool memesMains = true;
    for (int k = 1; k <= 18; ++k) memesMains = memesMains && d.mainInitiale[1][k].memeCarte(mains[1][k]);
    EXPECT_FALSE(memesMains);
}

// F1 opens the rules beside the table in the player's language, with their
// contents list and a search that finds a word or says it is nowhere.
TEST(AidesTable, LesReglesSOuvrentACoteDeLaTable) {
    Table_ t(5, 2);
    t.jeu->options.langue = ANGLAIS;
    t.aides().mettreAJour();
    QTest::keyClick(t.fenetre.get(), Qt::Key_F1);
    TfrmAide* aide = t.aides().frmAide();
    ASSERT_TRUE(aide->isVisible());
    EXPECT_FALSE(aide->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(aide->windowTitle(), "The rules of French Tarot as Belvane plays them");
    EXPECT_EQ(aide->sommaire()->count(), 11);  // the last: the game's rules and the official ones
    const QString texte = aide->texte()->toPlainText();
    for (const char* mot : {"oudlers", "Guard Against", "discard", "handful", "overtrump", "Fool", "Petit au bout",
                            "45 − 41 = 4", "Adaptative", "Keyboard play", "chelem", "official rules"})
        EXPECT_TRUE(texte.contains(QString::fromUtf8(mot))) << mot;
    EXPECT_TRUE(aide->rechercher("Petit au bout"));
    EXPECT_EQ(aide->texte()->textCursor().selectedText(), "Petit au bout");
    EXPECT_FALSE(aide->rechercher("misère"));
    EXPECT_EQ(aide->findChild<QLabel*>("introuvableAide")->text(), QString::fromUtf8("Not found: misère"));
    // The table goes on while the rules are open.
    QTest::mouseClick(t.controle("PanelLancement"), Qt::LeftButton);
    EXPECT_TRUE(aide->isVisible());
    EXPECT_EQ(t.d().numeroPli, 0);
    EXPECT_NE(t.d().enchere[t.d().premierJoueur], PAS_ENCORE_PARLE);

    // In French the same window reads French.
    t.jeu->options.langue = FRANCAIS;
    t.aides().mettreAJour();
    EXPECT_EQ(aide->windowTitle(), QString::fromUtf8("Les règles du Tarot selon Belvane"));
    EXPECT_TRUE(aide->texte()->toPlainText().contains(QString::fromUtf8("Garde Contre")));
}

// Every card picture carries the card's name for a screen reader.
TEST(AidesTable, ChaqueCarteADonNom) {
    Table_ t(12, 2);
    t.jeu->options.langue = ANGLAIS;
    nouvelleDonne(*t.jeu, 0);
    t.aides().mettreAJour();
    const Donne& d = t.d();
    for (int k = 1; k <= 18; ++k)
        EXPECT_EQ(t.controle(QString("Carte3D%1").arg(k))->accessibleName().toStdString(),
                  nomCarte(d.mainJoueur[1][k], ANGLAIS))
            << k;
    t.jeu->options.optionJeuAuClavier = 0;
    t.aides().mettreAJour();
    EXPECT_TRUE(t.controle("Carte3D1")->accessibleName().isEmpty());
}

// In the handful window the arrows walk the trumps, Enter lifts a card or puts
// it back, and Enter on the OK button declares the handful.
TEST(AidesTable, LaPoigneeAuClavier) {
    for (std::uint64_t graine = 60; graine < 80; ++graine) {
        Table_ t(graine, 6);
        t.jeu->options.optionProposePoignee = 1;
        Donne& d = t.d();
        nouvelleDonne(*t.jeu, 0);
        for (int pas = 0; pas < 100 && d.numeroPli <= 1 && !d.poigneeEnCours; ++pas) {
            ASSERT_TRUE(attendre([&] { return t.attendLeJoueur(); }));
            if (d.numeroPli == 19) break;
            if (t.montre("BarreEnchere")) annoncerEnchere(*t.jeu, PASSE);
            else if (d.etatAttente != 0 || d.modeEcart) continuer(*t.jeu);
            else if (!d.poigneeEnCours) break;
        }
        if (!d.poigneeEnCours) continue;
        ouvrirPoignee(*t.jeu, 1);
        ASSERT_TRUE(t.jeu->poignee.ouverte);
        QWidget* f = t.poignee.get();
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
        t.aides().mettreAJour();
        QTest::keyClick(f, Qt::Key_Home);
        QTest::keyClick(f, Qt::Key_Return);
        EXPECT_TRUE(t.jeu->poignee.poigneeSelection[1]);
        QTest::keyClick(f, Qt::Key_Return);
        EXPECT_FALSE(t.jeu->poignee.poigneeSelection[1]);
        // Ten trumps, the Excuse left out unless it may be shown.
        for (int k = 1; k <= t.jeu->poignee.nbAtoutsHumain && t.jeu->poignee.poigneeNbCartes < 10; ++k) {
            if (!carteNonPoignee(*t.jeu, k)) QTest::keyClick(f, Qt::Key_Return);
            QTest::keyClick(f, Qt::Key_Right);
        }
        ASSERT_EQ(t.jeu->poignee.poigneeNbCartes, 10);
        QTest::keyClick(f, Qt::Key_End);
        QTest::keyClick(f, Qt::Key_Return);
        EXPECT_FALSE(t.jeu->poignee.ouverte);
        EXPECT_EQ(d.poigneeHumain, 1);
        return;
    }
    FAIL() << "no handful offered in twenty deals";
}
