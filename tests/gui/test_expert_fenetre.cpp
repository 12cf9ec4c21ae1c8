// The Expert level in the real window: its menu item, a whole deal played
// with the computers thinking off the window's thread, the card that waits
// for the thinking, and a new deal that cancels it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <memory>

#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fBelvane/penseur_expert.h"

namespace {

class ExpertFenetre : public ::testing::Test {
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
        QAction* expert = fenetre->findChild<QAction*>("menuExpert");
        ASSERT_NE(expert, nullptr);
        expert->trigger();
        ASSERT_EQ(jeu->options.optionNiveauExpert, 1);
        EXPECT_TRUE(expert->isChecked());
        EXPECT_FALSE(fenetre->findChild<QAction*>("menuPro")->isChecked());
        EXPECT_EQ(expert->text(), "&Expert");
    }

    QWidget* controle(const QString& nom) { return fenetre->findChild<QWidget*>(nom); }
    bool montre(const QString& nom) { return controle(nom) && controle(nom)->isVisible(); }
    void cliquer(const QString& nom) { QTest::mouseClick(controle(nom), Qt::LeftButton); }

    template <typename Condition>
    bool attendre(Condition condition, int ms = 20000) {
        for (int t = 0; t < ms; t += 2) {
            if (condition()) return true;
            QTest::qWait(2);
        }
        return condition();
    }

    void lancerUneDonneAvecPreneur() {
        Donne& d = jeu->donne;
        cliquer("PanelLancement");
        for (int essai = 0; essai < 20 && d.preneur == 0; ++essai) {
            ASSERT_TRUE(attendre([&] { return montre("BarreEnchere") || d.etatAttente == 1; }));
            if (montre("BarreEnchere")) cliquer("evMaMain");
            ASSERT_TRUE(attendre([&] { return d.nbEncheres == 4 && d.etatAttente == 1; }));
            cliquer("TableRonde");
        }
        ASSERT_NE(d.preneur, 0) << "nobody took in twenty deals";
    }

    // Plays by clicks until `arret` holds or the deal is over; answers false on a stall.
    template <typename Arret>
    bool jouerAuClicJusqua(Arret arret) {
        Donne& d = jeu->donne;
        for (int pas = 0; pas < 3000 && d.numeroPli != 19 && !arret(); ++pas) {
            if (!attendre([&] {
                    return arret() || d.etatAttente != 0 || d.modeEcart == 1 ||
                           (d.humainPeutJouer && d.joueurCourant == 1) || d.numeroPli == 19;
                }))
                return false;
            if (d.numeroPli == 19 || arret()) break;
            if (d.modeEcart == 1) {
                for (int p = 1; p <= 24 && d.nbCartesEcartees < 6; ++p) {
                    const int avant = d.nbCartesEcartees;
                    cliquer(QString("Carte3D%1").arg(p));
                    if (d.nbCartesEcartees < avant) cliquer(QString("Carte3D%1").arg(p));
                }
                cliquer("PanelConfirmeEcart");
            } else if (d.etatAttente != 0) {
                cliquer("TableRonde");
                if (d.etatAttente != 0) QTest::keyClick(fenetre.get(), Qt::Key_Space);
            } else {
                for (int k = 1; k <= 18; ++k)
                    if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) {
                        cliquer(QString("Carte3D%1").arg(k));
                        break;
                    }
            }
        }
        return true;
    }

    std::unique_ptr<Jeu> jeu;
    std::unique_ptr<TfrmBelvane> fenetre;
    QTimer fermeur;
};

TEST_F(ExpertFenetre, UneDonneEntiereAuNiveauExpert) {
    lancerUneDonneAvecPreneur();
    ASSERT_TRUE(jouerAuClicJusqua([] { return false; }));
    ASSERT_EQ(jeu->donne.numeroPli, 19);
    EXPECT_EQ(jeu->donne.pointsPreneur + jeu->donne.pointsDefense, 182);
    ASSERT_TRUE(attendre([&] { return montre("PanelResultat"); }));
    // The computers of the last tricks thought off the window's thread, and nothing was cancelled.
    EXPECT_GT(fenetre->penseur().lances(), 0);
    EXPECT_EQ(fenetre->penseur().annules(), 0);
    EXPECT_FALSE(fenetre->penseur().pense());
}

TEST_F(ExpertFenetre, UneNouvelleDonneAnnuleLaReflexion) {
    // A thinking long enough to be caught in the act.
    fenetre->penseur().reglages().echantillons = 1000000;
    fenetre->penseur().reglages().secondes = 60;
    lancerUneDonneAvecPreneur();
    ASSERT_TRUE(jouerAuClicJusqua([&] { return fenetre->penseur().pense(); }));
    ASSERT_TRUE(fenetre->penseur().pense()) << "no computer thought before the end of the deal";
    Donne& d = jeu->donne;
    const int pli = d.numeroPli, cartes = d.nbCartesPli, siege = d.joueurCourant;
    // The card waits: the window lives on, the card timer is not running and nothing is played.
    QTest::qWait(300);
    EXPECT_TRUE(fenetre->penseur().pense());
    EXPECT_FALSE(fenetre->estArme(Minuteur::TimerEntreCarte));
    EXPECT_EQ(d.numeroPli, pli);
    EXPECT_EQ(d.nbCartesPli, cartes);
    EXPECT_EQ(d.joueurCourant, siege);

    // No question before abandoning the deal: the click starts the new deal at once.
    jeu->options.optionConfirmerAbandon = 0;
    cliquer("SBNewGame");
    EXPECT_FALSE(fenetre->penseur().pense());
    EXPECT_EQ(fenetre->penseur().annules(), 1);
    EXPECT_EQ(d.numeroPli, 0);
    // The cancelled thinking plays nothing into the new deal.
    QTest::qWait(300);
    for (int s = 1; s <= 4; ++s)
        for (int k = 1; k <= 18; ++k) EXPECT_TRUE(d.mainJoueur[s][k].enMain) << s << " " << k;

    // The next deal is played to its end by quick thinkers.
    fenetre->penseur().reglages() = ReglagesExpert{};
    for (int essai = 0; essai < 20 && d.preneur == 0; ++essai) {
        ASSERT_TRUE(attendre([&] { return montre("BarreEnchere") || d.etatAttente == 1; }));
        if (montre("BarreEnchere")) cliquer("evMaMain");
        ASSERT_TRUE(attendre([&] { return d.nbEncheres == 4 && d.etatAttente == 1; }));
        cliquer("TableRonde");
    }
    ASSERT_NE(d.preneur, 0);
    ASSERT_TRUE(jouerAuClicJusqua([] { return false; }));
    EXPECT_EQ(d.numeroPli, 19);
    EXPECT_EQ(fenetre->penseur().annules(), 1);
}

}  // namespace
