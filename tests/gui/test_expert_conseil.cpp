// The card hint by the Expert in the real window: its item in the Options
// menu beside the card hint, stored at once; with it on, near the end of the
// deal, the Expert thinks off the window's thread for South and lifts a card
// South may play, saying in words how many of its imagined deals that card
// keeps or beats the contract in; a hint asked and left behind is dropped;
// with it off the hint is the rules' as it always was.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <memory>
#include <optional>

#include "engine/conseil.h"
#include "engine/enchere.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "expert/conseil_expert.h"
#include "flow/deroulement.h"
#include "scoring/score.h"
#include "settings/magasin_memoire.h"
#include "settings/options.h"
#include "ui/fBelvane/aides_table.h"
#include "ui/fBelvane/conseilleur_expert.h"
#include "ui/fBelvane/fbelvane.h"

namespace {

template <typename Condition>
bool attendre(Condition condition, int ms = 20000) {
    for (int t = 0; t < ms; t += 2) {
        if (condition()) return true;
        QTest::qWait(2);
    }
    return condition();
}

class ConseilExpertFenetre : public ::testing::Test {
protected:
    void SetUp() override {
        jeu->hasard.horloge = horlogeDeterministe(27);
        jeu->magasin = &magasin;
        fenetre = std::make_unique<TfrmBelvane>(*jeu, 1.0);
        jeu->finDeDonne = finDeDonne;
        chargerOptions(*jeu);
        initialiserPartie(*jeu);
        Options& o = jeu->options;
        o.optionVitesseJeuDeLaCarte = 5;
        o.optionAttenteEntreChaquePli = 0;
        o.optionProposePoignee = 0;
        o.optionAnimationCartes = 0;
        appliquerOptions(*jeu);
        fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    }
    void TearDown() override { fenetre.reset(); }

    QString info() { return fenetre->findChild<QLabel*>("info")->text(); }
    QAction* action(const char* nom) { return fenetre->findChild<QAction*>(nom); }
    bool tourHumain() {
        const Donne& d = jeu->donne;
        return d.humainPeutJouer && d.joueurCourant == 1 && d.etatAttente == 0 && d.modeEcart == 0;
    }
    // Plays on until the human's turn in trick `pli` or later, or the deal's end.
    bool jusquAuTourDuJoueur(int pli) {
        Donne& d = jeu->donne;
        for (int pas = 0; pas < 2000; ++pas) {
            if (!attendre([&] {
                    return d.numeroPli == 19 || tourHumain() || d.etatAttente != 0 || d.modeEcart == 1 ||
                           fenetre->findChild<QWidget*>("BarreEnchere")->isVisible();
                }))
                return false;
            if (d.numeroPli == 19) return true;
            if (fenetre->findChild<QWidget*>("BarreEnchere")->isVisible()) annoncerEnchere(*jeu, PASSE);
            else if (d.etatAttente != 0 || d.modeEcart == 1) continuer(*jeu);
            else if (d.numeroPli >= pli) return true;
            else jouerPremiereCarte();
        }
        return false;
    }
    void jouerPremiereCarte() {
        Donne& d = jeu->donne;
        for (int k = 1; k <= 18; ++k)
            if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) {
                jouerCarteHumain(*jeu, k);
                return;
            }
    }
    int nbJouables() {
        int n = 0;
        for (int k = 1; k <= 18; ++k) n += jeu->donne.jouable[1][k] == 1 && jeu->donne.mainJoueur[1][k].enMain;
        return n;
    }

    std::unique_ptr<Jeu> jeu = std::make_unique<Jeu>();
    MagasinMemoire magasin;
    std::unique_ptr<TfrmBelvane> fenetre;
};

// The item sits right after the card hint's in the Options menu, reads in the
// player's language, is off on a first run, and is stored when toggled.
TEST_F(ConseilExpertFenetre, LOptionEstDansLeMenuApresLeConseilDeCarte) {
    QAction* item = action("menuConseilExpert");
    ASSERT_NE(item, nullptr);
    const QList<QAction*> articles = fenetre->findChild<QMenu*>("menuOptions")->actions();
    const qsizetype i = articles.indexOf(action("menuConseilCarteOption"));
    ASSERT_GE(i, 0);
    ASSERT_LT(i + 1, articles.size());
    EXPECT_EQ(articles[i + 1], item);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    EXPECT_TRUE(item->isEnabled());
    EXPECT_EQ(item->text(), QString::fromUtf8("Conseil de l'E&xpert (donnes imaginées)"));

    item->trigger();
    EXPECT_EQ(jeu->options.optionConseilExpert, 1);
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(magasin.valeurs.at("optionConseilExpert").octets, std::string(1, '\1'));
    // Without the card hint, its Expert way has nothing to do.
    action("menuConseilCarteOption")->trigger();
    EXPECT_FALSE(item->isEnabled());
    action("menuConseilCarteOption")->trigger();
    EXPECT_TRUE(item->isEnabled());
    jeu->options.langue = ANGLAIS;
    fenetre->aides()->mettreAJour();
    EXPECT_EQ(item->text(), QString("E&xpert's hint (imagined deals)"));
    item->trigger();
    EXPECT_EQ(jeu->options.optionConseilExpert, 0);
    EXPECT_EQ(magasin.valeurs.at("optionConseilExpert").octets, std::string(1, '\0'));
}

// Near the end of a deal, turn by turn, the hint with the option off and on:
// off, the rules' hint as it always was and no thinking; on, the Expert's
// card, one South may play, and the sentence with its counts, which add up.
TEST_F(ConseilExpertFenetre, LeConseilDeLExpertNommeUneCarteJouableEtSesComptes) {
    Donne& d = jeu->donne;
    ConseilleurExpert& conseilleur = fenetre->aides()->conseilleur();
    int parLExpert = 0, parLesRegles = 0;
    for (int donne = 0; donne < 6 && (parLExpert < 4 || parLesRegles < 2); ++donne) {
        nouvelleDonne(*jeu, 0);
        for (int pli = 11; pli <= 18; ++pli) {
            ASSERT_TRUE(jusquAuTourDuJoueur(pli));
            if (d.numeroPli == 19) break;
            if (nbJouables() < 2) {
                jouerPremiereCarte();
                continue;
            }
            const bool expert = d.numeroPli % 2 == 1;
            jeu->options.optionConseilExpert = expert ? 1 : 0;
            const int lances = conseilleur.lances();
            const Conseil regle = conseillerCarte(*jeu);
            QTest::keyClick(fenetre.get(), Qt::Key_H);
            if (!expert) {
                EXPECT_EQ(conseilleur.lances(), lances);
                EXPECT_EQ(fenetre->aides()->carteConseillee(), regle.slot);
                EXPECT_EQ(info().toStdString(), texteConseilCarte(regle, FRANCAIS));
                ++parLesRegles;
                jouerCarteHumain(*jeu, regle.slot);
                continue;
            }
            EXPECT_EQ(conseilleur.lances(), lances + 1);
            EXPECT_EQ(info().toStdString(), texte(Texte::conseilExpertReflechit, FRANCAIS));
            EXPECT_EQ(fenetre->aides()->carteConseillee(), 0) << "no card lifted before the Expert has thought";
            ASSERT_TRUE(attendre([&] { return !conseilleur.pense(); }));
            const std::optional<ConseilExpert> c = conseilleur.conseil(*jeu);
            ASSERT_TRUE(c.has_value());
            ASSERT_TRUE(c->choisi);
            const int slot = fenetre->aides()->carteConseillee();
            ASSERT_GE(slot, 1);
            EXPECT_EQ(d.jouable[1][slot], 1);
            EXPECT_TRUE(d.mainJoueur[1][slot].enMain);
            EXPECT_TRUE(d.mainJoueur[1][slot].memeCarte(c->carte));
            EXPECT_GE(c->echantillons, 1);
            EXPECT_LE(c->echantillons, conseilleur.reglages().echantillons);
            EXPECT_GE(c->reussites, 0);
            EXPECT_LE(c->reussites, c->echantillons);
            EXPECT_EQ(c->preneur, d.preneur == 1);
            const std::string mots = info().toStdString();
            EXPECT_EQ(mots, texteConseilExpert(*c, FRANCAIS));
            const std::string n = std::to_string(c->echantillons);
            if (c->aucuneCarte)
                EXPECT_NE(mots.find("dans les " + n + " donnes"), std::string::npos) << mots;
            else
                EXPECT_NE(mots.find("dans " + std::to_string(c->reussites) + " des " + n + " donnes"),
                          std::string::npos)
                    << mots;
            ++parLExpert;
            jouerCarteHumain(*jeu, slot);
        }
    }
    EXPECT_GE(parLExpert, 4);
    EXPECT_GE(parLesRegles, 2);
}

// A hint asked and then left behind (the card played at once) is dropped:
// its thinking stops and nothing is lifted into the next turn.
TEST_F(ConseilExpertFenetre, UnConseilLaisseDeCoteEstAbandonne) {
    Donne& d = jeu->donne;
    ConseilleurExpert& conseilleur = fenetre->aides()->conseilleur();
    conseilleur.reglages().echantillons = 1000000;
    conseilleur.reglages().noeuds = 0;
    conseilleur.reglages().secondes = 60;
    jeu->options.optionConseilExpert = 1;
    nouvelleDonne(*jeu, 0);
    bool essaye = false;
    for (int pli = 11; pli <= 18 && !essaye; ++pli) {
        ASSERT_TRUE(jusquAuTourDuJoueur(pli));
        if (d.numeroPli == 19) break;
        if (nbJouables() < 2) {
            jouerPremiereCarte();
            continue;
        }
        QTest::keyClick(fenetre.get(), Qt::Key_H);
        ASSERT_TRUE(conseilleur.pense());
        QTest::qWait(50);
        EXPECT_TRUE(conseilleur.pense());
        jouerPremiereCarte();
        QTest::qWait(20);
        EXPECT_FALSE(conseilleur.pense());
        EXPECT_EQ(conseilleur.annules(), 1);
        EXPECT_EQ(fenetre->aides()->carteConseillee(), 0);
        essaye = true;
    }
    EXPECT_TRUE(essaye) << "the human had no choice to make near the end of the deal";
}

}  // namespace
