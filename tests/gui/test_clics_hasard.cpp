// Clicks that the game does not expect, in every phase of a deal: the window
// must ignore them, never play an illegal card, and still reach the end.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <random>
#include <vector>

#include "engine/chien.h"
#include "engine/enchere.h"
#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "tools/autoplay/verification.h"
#include "ui/fBelvane/fbelvane.h"

namespace {

// Every control a player can click on the table, and the menu items that do
// not open a modal dialog or end the game.
QStringList controlesCliquables() {
    QStringList noms = {"TableRonde", "PanelConfirmeEcart", "evMaMain", "ButtonPasse", "ButtonPrise", "ButtonGarde",
                        "ButtonGardeSans", "ButtonGardeContre", "PanelPoigneeAucune", "SBVoirScoresGlobaux",
                        "SBVoirDeductions", "PanneauScores", "PanelDeductions", "PanelPreneur", "PanelEnchere"};
    for (int i = 1; i <= 4; ++i) noms << QString("PanelDec%1").arg(i) << QString("panelScoreTotal%1").arg(i)
                                      << QString("CarteTable%1").arg(i);
    for (int i = 1; i <= 24; ++i) noms << QString("Carte3D%1").arg(i);
    for (int i = 1; i <= 6; ++i) noms << QString("CarteChien%1").arg(i);
    return noms;
}

const QStringList actionsSansDialogue = {"menuScoresGlobaux", "menuConseilEnch", "menuPointsPartieEnCours",
                                         "menuDeductions", "menuPreviousTrick", "menuDebutant", "menuPro",
                                         "menuForceNormale", "menuAtLeast", "menuRapide", "menuInstantane",
                                         "menuClickObligatoire", "menuProposerPoignee", "menuBarreOutils",
                                         "menuBarreInfo", "menuOptionNiveauAdaptatif"};

// The card each seat played to each trick was legal for the hand it held then.
std::string verifierDonne(const Donne& d) {
    Table<Table<int, 1, 18>, 1, 4> pliDuSlot;
    for (int s = 1; s <= 4; ++s)
        for (int t = 1; t <= 18; ++t) pliDuSlot[s][d.carteJouee[s][t]] = t;
    for (int t = 1; t <= 18; ++t) {
        Carte avant[4];
        int n = 0;
        for (int k = 0, s = d.entameurPli[t]; k < 4; ++k, s = siegeSuivant(s)) {
            Main main = d.mainJoueur[s];
            for (int i = 1; i <= 18; ++i) main[i].enMain = pliDuSlot[s][i] >= t;
            const Carte& c = d.mainJoueur[s][d.carteJouee[s][t]];
            if (!carteLegale(main, c, avant, n)) return "illegal card in trick " + std::to_string(t);
            avant[n++] = c;
        }
    }
    if (d.pointsPreneur + d.pointsDefense != 182) return "points do not add up to 182";
    if (d.boutsPreneur + d.boutsDefense != 3) return "oudlers do not add up to 3";
    return "";
}

class ClicsAuHasard : public ::testing::Test {
protected:
    void SetUp() override {
        jeu = std::make_unique<Jeu>();
        fenetre = std::make_unique<TfrmBelvane>(*jeu, 1.0);
        jeu->finDeDonne = finDeDonne;
        chargerOptions(*jeu);
        jeu->options.optionVitesseJeuDeLaCarte = 5;
        jeu->options.optionAttenteEntreChaquePli = 0;
        appliquerOptions(*jeu);
        initialiserPartie(*jeu);
        fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
        // Any modal box (a refused level change, a replay's message) is answered at once.
        fermeur.setInterval(20);
        QObject::connect(&fermeur, &QTimer::timeout, [] {
            if (QWidget* w = QApplication::activeModalWidget()) w->close();
        });
        fermeur.start();
    }

    // One click a player could make now, at random among what is on screen.
    void cliquerAuHasard(std::mt19937& alea) {
        std::vector<QWidget*> visibles;
        for (const QString& nom : controlesCliquables()) {
            QWidget* w = fenetre->findChild<QWidget*>(nom);
            if (w && w->isVisible() && w->isEnabled()) visibles.push_back(w);
        }
        const int choix = static_cast<int>(alea() % (visibles.size() + actionsSansDialogue.size() + 1));
        if (choix < static_cast<int>(visibles.size())) {
            QTest::mouseClick(visibles[static_cast<std::size_t>(choix)], Qt::LeftButton);
        } else if (choix < static_cast<int>(visibles.size() + actionsSansDialogue.size())) {
            if (QAction* a = fenetre->findChild<QAction*>(actionsSansDialogue[choix - static_cast<int>(visibles.size())]))
                a->trigger();
        } else {
            QTest::keyClick(fenetre.get(), Qt::Key_Space);
        }
    }

    // The move that takes the deal on, as a player who knows the game would make it.
    void avancer() {
        Donne& d = jeu->donne;
        if (d.numeroPli == 0 && d.etatAttente == 0 && d.nbEncheres < 4 && d.joueurCourant >= 1) {
            annoncerEnchere(*jeu, PASSE);
        } else if (d.modeEcart == 1) {
            for (int p = 1; p <= 24 && d.nbCartesEcartees < 6; ++p) {
                const int k = d.positionEcart[p];
                if (d.selectionEcart[k] == 0) cliquerCarteEcart(*jeu, p);
            }
            confirmerEcart(*jeu);
        } else if (d.poigneeEnCours) {
            PanelPoigneeAucuneClick(*jeu);
        } else if (d.humainPeutJouer && d.joueurCourant == d.joueurHumain) {
            for (int k = 1; k <= 18; ++k)
                if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) {
                    QTest::mouseClick(fenetre->findChild<QWidget*>(QString("Carte3D%1").arg(k)), Qt::LeftButton);
                    break;
                }
        } else {
            continuer(*jeu);
        }
    }

    std::unique_ptr<Jeu> jeu;
    std::unique_ptr<TfrmBelvane> fenetre;
    QTimer fermeur;
};

TEST_F(ClicsAuHasard, LaPartieIgnoreCeQuElleNAttendPasEtVaJusquAuBout) {
    std::mt19937 alea(20261208);
    int donnesFinies = 0;
    nouvelleDonne(*jeu, 0);
    for (int pas = 0; pas < 20000 && donnesFinies < 4; ++pas) {
        if (jeu->donne.numeroPli == 19) {
            const std::string faute = verifierDonne(jeu->donne);
            ASSERT_EQ(faute, "") << "deal " << donnesFinies + 1;
            ++donnesFinies;
            // The finished deal takes clicks too before the next one.
            for (int i = 0; i < 30; ++i) cliquerAuHasard(alea);
            nouvelleDonne(*jeu, donnesFinies % 2);
            continue;
        }
        // Mostly stray clicks; now and then the move that the deal waits for.
        if (alea() % 4 != 0) cliquerAuHasard(alea);
        else avancer();
        QTest::qWait(1);
    }
    EXPECT_EQ(donnesFinies, 4);
}

}  // namespace
