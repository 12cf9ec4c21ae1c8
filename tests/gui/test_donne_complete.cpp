// Whole deals in the real window, by the player's clicks alone: the bids, the
// cards, the continue clicks, the result and the global scores, the replay.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <memory>

#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "ui/fBelvane/fbelvane.h"

namespace {

class DonneComplete : public ::testing::Test {
protected:
    void SetUp() override {
        jeu = std::make_unique<Jeu>();
        fenetre = std::make_unique<TfrmBelvane>(*jeu, 1.0);
        jeu->finDeDonne = finDeDonne;
        chargerOptions(*jeu);
        jeu->options.optionVitesseJeuDeLaCarte = 5;
        jeu->options.optionAttenteEntreChaquePli = 0;
        jeu->options.optionProposePoignee = 0;
        appliquerOptions(*jeu);
        initialiserPartie(*jeu);
        fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
        fermeur.setInterval(20);
        QObject::connect(&fermeur, &QTimer::timeout, [] {
            if (QWidget* w = QApplication::activeModalWidget()) w->close();
        });
        fermeur.start();
    }

    QWidget* controle(const QString& nom) { return fenetre->findChild<QWidget*>(nom); }
    bool montre(const QString& nom) { return controle(nom) && controle(nom)->isVisible(); }
    void cliquer(const QString& nom) { QTest::mouseClick(controle(nom), Qt::LeftButton); }

    template <typename Condition>
    bool attendre(Condition condition, int ms = 5000) {
        for (int t = 0; t < ms; t += 2) {
            if (condition()) return true;
            QTest::qWait(2);
        }
        return condition();
    }

    // Plays the deal on screen to its result: the advised bid, six cards of the
    // discard screen when the human takes, a playable card at each turn, and a
    // click on the table whenever the game waits for one. Answers the tricks seen.
    int jouerAuClic() {
        Donne& d = jeu->donne;
        int plis = 0;
        for (int pas = 0; pas < 3000 && d.numeroPli != 19; ++pas) {
            if (!attendre([&] {
                    return montre("BarreEnchere") || d.etatAttente != 0 || d.modeEcart == 1 ||
                           (d.humainPeutJouer && d.joueurCourant == 1) || d.numeroPli == 19;
                }))
                return -1;
            if (d.numeroPli == 19) break;
            if (montre("BarreEnchere")) {
                cliquer("evMaMain");
            } else if (d.modeEcart == 1) {
                for (int p = 1; p <= 24 && d.nbCartesEcartees < 6; ++p) {
                    const int before = d.nbCartesEcartees;
                    cliquer(QString("Carte3D%1").arg(p));
                    if (d.nbCartesEcartees < before) cliquer(QString("Carte3D%1").arg(p));
                }
                EXPECT_TRUE(montre("PanelConfirmeEcart"));
                cliquer("PanelConfirmeEcart");
            } else if (d.etatAttente != 0) {
                if (d.pliAffiche == 1) ++plis;
                cliquer("TableRonde");
                if (d.etatAttente != 0) QTest::keyClick(fenetre.get(), Qt::Key_Space);
            } else {
                for (int k = 1; k <= 18; ++k)
                    if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) {
                        cliquer(QString("Carte3D%1").arg(k));
                        EXPECT_FALSE(d.mainJoueur[1][k].enMain) << "a playable card was refused";
                        break;
                    }
            }
        }
        return plis + 1;  // the last trick stays on the table with the result
    }

    std::unique_ptr<Jeu> jeu;
    std::unique_ptr<TfrmBelvane> fenetre;
    QTimer fermeur;
};

TEST_F(DonneComplete, DuLancementAuResultatPuisLaDonneRejouee) {
    Donne& d = jeu->donne;
    cliquer("PanelLancement");
    // Deals everybody passed are dealt again by the click after the auction.
    for (int essai = 0; essai < 20 && d.preneur == 0; ++essai) {
        ASSERT_TRUE(attendre([&] { return montre("BarreEnchere") || d.etatAttente == 1; }));
        if (montre("BarreEnchere")) cliquer("evMaMain");
        ASSERT_TRUE(attendre([&] { return d.nbEncheres == 4 && d.etatAttente == 1; }));
        cliquer("TableRonde");
    }
    ASSERT_NE(d.preneur, 0) << "nobody took in twenty deals";
    const Table<Main, 1, 4> mains = d.mainInitiale;
    const int ouvreur = d.premierJoueur;

    ASSERT_EQ(jouerAuClic(), 18);
    EXPECT_EQ(d.pointsPreneur + d.pointsDefense, 182);
    ASSERT_TRUE(attendre([&] { return montre("PanelResultat"); }));
    const QString resultat = static_cast<QLabel*>(controle("PanelTexteResultat"))->text();
    EXPECT_TRUE(resultat.startsWith("Résultat du Preneur : " + QString::number(calculerScoreDonne(*jeu)) + " points."))
        << resultat.toStdString();
    // The four global scores are on the table and sum to nothing.
    int somme = 0;
    for (int s = 1; s <= 4; ++s) {
        EXPECT_TRUE(montre(QString("panelScoreTotal%1").arg(s))) << s;
        somme += static_cast<QLabel*>(controle(QString("panelScoreTotal%1").arg(s)))->text().toInt();
        EXPECT_EQ(static_cast<QLabel*>(controle(QString("panelScoreTotal%1").arg(s)))->text().toInt(),
                  jeu->scores.scoreTotal[s]);
    }
    EXPECT_EQ(somme, 0);
    // A click after the last trick leaves the table as it is.
    cliquer("TableRonde");
    EXPECT_TRUE(montre("PanelResultat"));
    EXPECT_TRUE(montre(QString("CarteTable%1").arg(d.joueurEntame)));

    const Table<int, 1, 4> scores = jeu->scores.scoreTotal;
    cliquer("panelRejouerDonne");
    EXPECT_EQ(d.premierJoueur, ouvreur);
    for (int s = 1; s <= 4; ++s)
        for (int k = 1; k <= 18; ++k) EXPECT_TRUE(d.mainInitiale[s][k].memeCarte(mains[s][k])) << s << " " << k;
    for (int k = 1; k <= 18; ++k) EXPECT_TRUE(d.mainJoueur[1][k].memeCarte(mains[1][k]));
    // A replayed deal is played and shown, but the totals do not move.
    ASSERT_EQ(jouerAuClic(), 18);
    ASSERT_TRUE(attendre([&] { return montre("PanelResultat"); }));
    EXPECT_EQ(jeu->scores.scoreTotal, scores);
}

TEST_F(DonneComplete, ClickObligatoireGardeLePliJusquAuClic) {
    Donne& d = jeu->donne;
    cliquer("PanelLancement");
    for (int pas = 0; pas < 2000 && d.pliAffiche == 0; ++pas) {
        ASSERT_TRUE(attendre([&] {
            return montre("BarreEnchere") || d.etatAttente != 0 || d.modeEcart == 1 ||
                   (d.humainPeutJouer && d.joueurCourant == 1);
        }));
        if (d.pliAffiche == 1) break;
        if (montre("BarreEnchere")) cliquer("ButtonPasse");
        else if (d.etatAttente != 0) cliquer("TableRonde");
        else if (d.humainPeutJouer)
            for (int k = 1; k <= 18; ++k)
                if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) {
                    cliquer(QString("Carte3D%1").arg(k));
                    break;
                }
    }
    ASSERT_EQ(d.pliAffiche, 1);
    const int pli = d.numeroPli;
    QTest::qWait(300);
    EXPECT_EQ(d.pliAffiche, 1) << "no timer takes the trick away";
    for (int s = 1; s <= 4; ++s) EXPECT_TRUE(montre(QString("CarteTable%1").arg(s))) << s;
    EXPECT_EQ(static_cast<QLabel*>(controle("info"))->text(), "Cliquez n'importe où pour continuer à jouer... !");
    QTest::keyClick(fenetre.get(), Qt::Key_Space);
    EXPECT_EQ(d.pliAffiche, 0);
    EXPECT_EQ(d.numeroPli, pli);
    for (int s = 1; s <= 4; ++s) EXPECT_FALSE(montre(QString("CarteTable%1").arg(s))) << s;
}

TEST_F(DonneComplete, UnClicPendantLaCarteDUnOrdinateurNeFaitRien) {
    Donne& d = jeu->donne;
    fenetre->findChild<QAction*>("menuEscargot")->trigger();  // a second before each card
    cliquer("PanelLancement");
    for (int pas = 0; pas < 20000; ++pas) {
        ASSERT_TRUE(attendre([&] {
            return montre("BarreEnchere") || d.etatAttente != 0 || d.humainPeutJouer ||
                   (d.numeroPli >= 1 && fenetre->estArme(Minuteur::TimerEntreCarte));
        }, 15000));
        if (montre("BarreEnchere")) {
            cliquer("ButtonPasse");
        } else if (d.etatAttente != 0) {
            cliquer("TableRonde");
        } else if (d.humainPeutJouer && d.joueurCourant == 1) {
            for (int k = 1; k <= 18; ++k)
                if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) {
                    cliquer(QString("Carte3D%1").arg(k));
                    break;
                }
        } else if (d.joueurCourant != 1 && fenetre->estArme(Minuteur::TimerEntreCarte)) {
            const int cartes = d.nbCartesPli, siege = d.joueurCourant;
            Table<bool, 1, 18> enMain;
            for (int k = 1; k <= 18; ++k) enMain[k] = d.mainJoueur[1][k].enMain;
            for (int k = 1; k <= 18; ++k) cliquer(QString("Carte3D%1").arg(k));
            cliquer("TableRonde");
            QTest::keyClick(fenetre.get(), Qt::Key_Space);
            EXPECT_EQ(d.nbCartesPli, cartes);
            EXPECT_EQ(d.joueurCourant, siege);
            for (int k = 1; k <= 18; ++k) EXPECT_EQ(d.mainJoueur[1][k].enMain, enMain[k]) << k;
            EXPECT_TRUE(fenetre->estArme(Minuteur::TimerEntreCarte));
            return;
        } else {
            QTest::qWait(5);
        }
    }
    FAIL() << "no computer card was ever pending";
}

}  // namespace
