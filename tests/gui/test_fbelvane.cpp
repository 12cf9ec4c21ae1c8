// The main window: its controls at their scaled places, its menus, what the
// Vue calls show, and the clicks that drive a deal.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "ui/cartes/cartes.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/fbelvane.h"

namespace {

class FenetreBelvane : public ::testing::Test {
protected:
    // A screen of `largeur` x `hauteur` pixels at 96 dots per inch.
    void construire(int largeur, int hauteur) {
        // The window tells the game it no longer shows it as it goes: it goes
        // before the game it reads.
        fenetre.reset();
        jeu = std::make_unique<Jeu>();
        jeu->disposition.echelleX = largeur / 800.0;
        jeu->disposition.echelleY = hauteur / 600.0;
        fenetre = std::make_unique<TfrmBelvane>(*jeu, largeur / 800.0);
    }
    void SetUp() override { construire(800, 600); }

    template <typename T = QWidget>
    T* controle(const QString& nom) {
        T* c = fenetre->findChild<T*>(nom);
        EXPECT_NE(c, nullptr) << nom.toStdString();
        return c;
    }
    QAction* action(const QString& nom) { return controle<QAction>(nom); }
    bool montre(const QString& nom) { return !controle(nom)->isHidden(); }

    std::unique_ptr<Jeu> jeu;
    std::unique_ptr<TfrmBelvane> fenetre;
};

TEST_F(FenetreBelvane, BecomesTheGamesViewAndTimers) {
    EXPECT_EQ(jeu->vue, fenetre.get());
    EXPECT_EQ(jeu->minuteurs, fenetre.get());
    EXPECT_EQ(fenetre->windowTitle(), "BELVANE 2010");
    fenetre.reset();
    EXPECT_EQ(jeu->vue, &vueNulle());
    EXPECT_EQ(jeu->minuteurs, &minuteursNuls());
}

TEST_F(FenetreBelvane, EveryControlExistsUnderItsName) {
    QStringList noms = {"TableRonde", "BarreEnchere", "ButtonPasse", "ButtonPrise", "ButtonGarde",
                        "ButtonGardeSans", "ButtonGardeContre", "evMaMain", "PanelResultat", "PanelTexteResultat",
                        "PanelVoirMains", "PanelVoirPlis", "PanelScoreDetaille", "panelRejouerDonne",
                        "PanelPanelNewPartie", "PanneauScores", "nPointsAttaque", "nBoutsPreneur", "nContrat",
                        "nBoutsDefense", "nPointsDefense", "PanelDeductions", "PanelInfoDeductions",
                        "PanelAtoutMax", "PanelAtExt", "Panel21", "PanelPetit", "PanelExcuse", "ImagePique",
                        "ImageCoeur", "ImageTrefle", "ImageCarreau", "PanelPreneur", "PanelEnchere",
                        "PanelPoignee", "PanelPoigneeSimple", "PanelPoigneeDouble", "PanelPoigneeTriple",
                        "PanelPoigneeAucune", "PanelConfirmeEcart", "PanelLancement", "PanelBarreOutils",
                        "SBAide", "SBVoirScoresGlobaux", "SBNewGame", "SBGameAgain", "SBVoirDeductions",
                        "panelBarreInfo", "info"};
    for (int s = 1; s <= 4; ++s)
        noms << QString("CarteTable%1").arg(s) << QString("CadrePreneur%1").arg(s) << QString("PanelDec%1").arg(s)
             << QString("panelScoreTotal%1").arg(s);
    for (int k = 1; k <= 24; ++k) noms << QString("Carte3D%1").arg(k);
    for (int i = 1; i <= 6; ++i) noms << QString("CarteChien%1").arg(i);
    for (const QString& n : noms) EXPECT_NE(fenetre->findChild<QWidget*>(n), nullptr) << n.toStdString();
}

TEST_F(FenetreBelvane, BeforeTheFirstDealOnlyTheStartButtonAndThePanelsShow) {
    EXPECT_TRUE(montre("PanelLancement"));
    EXPECT_TRUE(montre("PanelBarreOutils"));
    EXPECT_TRUE(montre("panelBarreInfo"));
    for (const char* n : {"BarreEnchere", "PanelResultat", "PanelPoignee", "PanelConfirmeEcart", "Carte3D1",
                          "CarteChien1", "CarteTable1", "PanelDec1", "panelScoreTotal1", "CadrePreneur1", "Panel21",
                          "LabelPiqueR"})
        EXPECT_FALSE(montre(n)) << n;
    // The four suit counters of the deductions panel are on from the start.
    for (const char* n : {"PanelDehorsPique", "PanelDehorsCoeur", "PanelDehorsTrefle", "PanelDehorsCarreau"})
        EXPECT_TRUE(montre(n)) << n;
}

TEST_F(FenetreBelvane, DesignGeometryOn800x600) {
    EXPECT_EQ(controle("TableRonde")->geometry(), QRect(215, 2, 352, 341));
    EXPECT_EQ(controle("BarreEnchere")->geometry(), QRect(108, 278, 567, 58));
    EXPECT_EQ(controle("PanelResultat")->geometry(), QRect(2, 321, 793, 96));
    EXPECT_EQ(controle("PanneauScores")->geometry(), QRect(730, 0, 63, 149));
    EXPECT_EQ(controle("PanelDeductions")->geometry(), QRect(3, 1, 140, 260));
    EXPECT_EQ(controle("PanelPoignee")->geometry(), QRect(313, 196, 168, 170));
    EXPECT_EQ(controle("PanelConfirmeEcart")->geometry(), QRect(299, 292, 186, 29));
    EXPECT_EQ(controle("PanelLancement")->geometry(), QRect(205, 102, 371, 127));
    EXPECT_EQ(controle("PanelBarreOutils")->geometry(), QRect(746, 156, 31, 141));
    EXPECT_EQ(controle("PanelPreneur")->pos(), QPoint(518, 1));
    EXPECT_EQ(controle("PanelEnchere")->pos(), QPoint(596, 1));
    EXPECT_EQ(controle("panelBarreInfo")->height(), 28);

    EXPECT_EQ(controle("CarteTable1")->geometry(), QRect(347, 175, 90, 150));
    EXPECT_EQ(controle("CarteTable2")->geometry(), QRect(446, 90, 90, 150));
    EXPECT_EQ(controle("CarteTable3")->geometry(), QRect(347, 16, 90, 150));
    EXPECT_EQ(controle("CarteTable4")->geometry(), QRect(246, 90, 90, 150));
    EXPECT_EQ(controle("Carte3D24")->size(), QSize(90, 150));
    EXPECT_EQ(controle("CarteChien6")->size(), QSize(90, 150));
}

TEST_F(FenetreBelvane, SeatPanelsAreCentredOnTheSeatsTableCard) {
    // 180 x 50 on a 90 x 150 card: 45 to the left, 50 down.
    EXPECT_EQ(controle("PanelDec1")->geometry(), QRect(302, 225, 180, 50));
    EXPECT_EQ(controle("PanelDec2")->geometry(), QRect(401, 140, 180, 50));
    // 173 x 43: half of 83 is 41.5 and half of -107 is -53.5, both rounded to even.
    EXPECT_EQ(controle("panelScoreTotal1")->geometry(), QRect(305, 229, 173, 43));
    EXPECT_EQ(controle("panelScoreTotal4")->geometry(), QRect(204, 144, 173, 43));
    // The frame is 10 wider and higher, 5 up and to the left of the card.
    EXPECT_EQ(controle("CadrePreneur3")->geometry(), QRect(342, 11, 100, 160));
}

TEST_F(FenetreBelvane, LayoutQuantitiesComeFromTheScaledWindow) {
    const Disposition& d = jeu->disposition;
    EXPECT_EQ(d.margeMain, 20);
    EXPECT_EQ(d.pasMain, 40);
    EXPECT_EQ(d.hautMain, 346);  // 10 under the bidding bar's bottom edge
    EXPECT_EQ(d.tiersLargeur, 267);
    EXPECT_EQ(d.milieuTable, 2 + 170);  // 341 / 2 = 170.5 rounds to even
    // The hand of 18 spans 20 .. 790, and the 24 cards of the discard fit too.
    EXPECT_EQ(d.margeMain + 17 * d.pasMain + d.largeurCarte, 790);
    EXPECT_GE(controle("Tapis")->width(), d.margeMain + 23 * d.pasMainEcart + d.largeurCarte);
    EXPECT_GE(controle("Tapis")->height(), d.hautMain + 2 + d.hauteurCarte);
}

TEST_F(FenetreBelvane, TheHandSpansTwentyToSevenHundredNinety) {
    for (int k = 1; k <= 18; ++k) jeu->donne.mainJoueur[1][k] = carte(k <= 14 ? PIQUE : COEUR, k <= 14 ? 15 - k : 4);
    afficherMain(*jeu);
    for (int k = 1; k <= 18; ++k) {
        QWidget* image = controle(QString("Carte3D%1").arg(k));
        EXPECT_FALSE(image->isHidden()) << k;
        EXPECT_EQ(image->x(), 20 + (k - 1) * 40) << k;
        // Each card sits 0 to 2 pixels below the hand line.
        EXPECT_GE(image->y(), 346) << k;
        EXPECT_LE(image->y(), 348) << k;
        EXPECT_EQ(image->cursor().shape(), Qt::ForbiddenCursor) << k;
    }
    QWidget* derniere = controle("Carte3D18");
    EXPECT_EQ(derniere->x() + derniere->width(), 790);
    EXPECT_EQ(controle<ImageCarte>("Carte3D1")->valeurCarte(), ROI);
}

TEST_F(FenetreBelvane, On1024x768EverythingIsScaled) {
    construire(1024, 768);
    const Disposition& d = jeu->disposition;
    EXPECT_EQ(d.largeurCarte, 115);
    EXPECT_EQ(d.hauteurCarte, 192);
    EXPECT_EQ(d.pasMain, 51);
    EXPECT_EQ(controle("Carte3D1")->size(), QSize(115, 192));
    EXPECT_EQ(controle("CarteTable1")->geometry(), QRect(444, 224, 115, 192));
    EXPECT_EQ(controle("TableRonde")->geometry(), QRect(275, 3, 451, 436));
    EXPECT_EQ(controle("BarreEnchere")->geometry(), QRect(138, 356, 726, 74));
    EXPECT_EQ(d.hautMain, 13 + 356 + 74);
    EXPECT_EQ(controle("panelBarreInfo")->height(), 36);
}

TEST_F(FenetreBelvane, FunctionKeysOfTheMenus) {
    const std::pair<const char*, Qt::Key> touches[] = {
        {"menuSommaire", Qt::Key_F1},      {"menuNewGame", Qt::Key_F2},
        {"menuGameAgain", Qt::Key_F3},     {"menuInitScores", Qt::Key_F4},
        {"menuScoresGlobaux", Qt::Key_F5}, {"menuConseilEnch", Qt::Key_F6},
        {"menuPointsPartieEnCours", Qt::Key_F7}, {"menuDeductions", Qt::Key_F8},
        {"menuQuit", Qt::Key_F9}};
    for (const auto& [nom, touche] : touches) EXPECT_EQ(action(nom)->shortcut(), QKeySequence(touche)) << nom;
}

TEST_F(FenetreBelvane, RadioGroupsHoldEachSubmenusItems) {
    const std::pair<const char*, QStringList> groupes[] = {
        {"groupeNiveau", {"menuDebutant", "menuAmateur", "menuBon", "menuPro", "menuExpert"}},
        {"groupeForce",
         {"menuForceNormale", "menuForcePrise", "menuForceGarde", "menuForceGardeSans", "menuForceGardeContre",
          "menuForceDefense"}},
        {"groupeVitesse", {"menuInstantane", "menuRapide", "menuNormal", "menuLent", "menuEscargot"}},
        {"groupeAttente", {"menuCinqSecondes", "menuDeuxSecondes", "menuUneSeconde", "menuClickObligatoire"}}};
    for (const auto& [nom, articles] : groupes) {
        auto* g = fenetre->findChild<QActionGroup*>(nom);
        ASSERT_NE(g, nullptr) << nom;
        EXPECT_TRUE(g->isExclusive());
        QStringList trouves;
        for (QAction* a : g->actions()) trouves << a->objectName();
        EXPECT_EQ(trouves, articles) << nom;
    }
    // Checking one item of a group clears the others.
    action("menuBon")->setChecked(true);
    action("menuPro")->setChecked(true);
    EXPECT_FALSE(action("menuBon")->isChecked());
}

TEST_F(FenetreBelvane, CheckItemsAndToolButtonsThatStayPressed) {
    for (const char* n : {"menuScoresGlobaux", "menuConseilEnch", "menuPointsPartieEnCours", "menuDeductions",
                          "menuOptionNiveauAdaptatif", "menuAtLeast", "menuProposerPoignee", "menuBarreOutils",
                          "menuBarreInfo"})
        EXPECT_TRUE(action(n)->isCheckable()) << n;
    for (const char* n : {"menuNewGame", "menuGameAgain", "menuQuit", "menuCouleurFondEcran", "menuSommaire"})
        EXPECT_FALSE(action(n)->isCheckable()) << n;
    for (const char* n : {"SBVoirScoresGlobaux", "SBGameAgain", "SBVoirDeductions"})
        EXPECT_TRUE(controle<QToolButton>(n)->isCheckable()) << n;
    EXPECT_FALSE(controle<QToolButton>("SBNewGame")->isCheckable());
    // Nothing to replay and no previous trick before the first deal.
    EXPECT_FALSE(action("menuGameAgain")->isEnabled());
    EXPECT_FALSE(controle("SBGameAgain")->isEnabled());
    EXPECT_FALSE(action("menuPreviousTrick")->isEnabled());
}

TEST_F(FenetreBelvane, FrenchCaptionsHintsAndBidButtons) {
    EXPECT_EQ(action("menuNewGame")->text(), "&Nouvelle partie");
    EXPECT_EQ(controle<QMenu>("menuVoir")->title(), "&Voir/Cacher");
    EXPECT_EQ(controle<QMenu>("menuBelvane")->title(), "&Belvane");
    EXPECT_EQ(action("menuApropos")->text(), QString::fromUtf8("&à-propos"));
    EXPECT_EQ(controle<QPushButton>("PanelLancement")->text(), "Cliquez ici pour commencer à jouer !");
    EXPECT_EQ(controle<QPushButton>("PanelPanelNewPartie")->text(), "NOUVELLE DONNE");
    EXPECT_EQ(controle<QPushButton>("PanelConfirmeEcart")->text(), QString::fromUtf8("Accepter cet écart"));
    EXPECT_EQ(controle<QPushButton>("ButtonGardeContre")->text(), "GARDE CONTRE");
    EXPECT_EQ(controle("nContrat")->toolTip(), QString::fromUtf8("Contrat à réaliser (nombre de points)"));
    EXPECT_EQ(controle("PanelDehorsTrefle")->toolTip(), QString::fromUtf8("Nombre de trèfles restant dehors"));
    EXPECT_EQ(controle("SBAide")->toolTip(), "Aide de Belvane");
}

TEST_F(FenetreBelvane, EnglishTexts) {
    fenetre->ecrireTextes(ANGLAIS);
    EXPECT_EQ(controle<QMenu>("menuAttenteEntreChaquePli")->title(), "&Laps time between each trick:");
    EXPECT_EQ(controle<QMenu>("menuForce")->title(), "&Strenght of Your Hand");
    EXPECT_EQ(controle<QPushButton>("ButtonPrise")->text(), "TAKE");
    EXPECT_EQ(controle<QPushButton>("PanelPoigneeAucune")->text(), "NO ONE !");
    EXPECT_EQ(controle("PanelAtExt")->toolTip(), "Trumps number outside your hand");
}

TEST_F(FenetreBelvane, BidCallsShowTheBarAndTheSeatsBid) {
    fenetre->montrerBarreEnchere(true);
    fenetre->montrerBoutonEnchere(PRISE, false);
    fenetre->ecrireConseil("Conseil: GARDE");
    EXPECT_TRUE(montre("BarreEnchere"));
    EXPECT_FALSE(montre("ButtonPrise"));
    EXPECT_TRUE(montre("ButtonGarde"));
    EXPECT_EQ(controle<QPushButton>("evMaMain")->text(), "Conseil: GARDE");

    fenetre->annoncerEnchereSiege(3, "GARDE SANS", 14);
    auto* dec = controle<QLabel>("PanelDec3");
    EXPECT_FALSE(dec->isHidden());
    EXPECT_EQ(dec->text(), "GARDE SANS");
    const int grande = dec->font().pixelSize();
    fenetre->annoncerEnchereSiege(3, "PASSE", 10);
    EXPECT_LT(dec->font().pixelSize(), grande);

    fenetre->ecrireInfo("A vous de jouer !");
    EXPECT_EQ(controle<QLabel>("info")->text(), "A vous de jouer !");
    fenetre->cacherAnnonces();
    EXPECT_TRUE(dec->isHidden());
}

TEST_F(FenetreBelvane, CardsArePlacedDrawnAndGivenTheirCursor) {
    fenetre->placerCarteMain(5, 180, 347, carte(COEUR, ROI), Curseur::Main);
    auto* image = controle<ImageCarte>("Carte3D5");
    EXPECT_FALSE(image->isHidden());
    EXPECT_EQ(image->pos(), QPoint(180, 347));
    EXPECT_EQ(image->couleurCarte(), COEUR);
    EXPECT_EQ(image->valeurCarte(), ROI);
    EXPECT_EQ(image->cursor().shape(), Qt::PointingHandCursor);
    fenetre->curseurCarteMain(5, Curseur::Interdit);
    EXPECT_EQ(image->cursor().shape(), Qt::ForbiddenCursor);
    fenetre->cacherCarteMain(5);
    EXPECT_TRUE(image->isHidden());

    fenetre->placerCarteEcart(20, 590, 340, carte(PIQUE, 3), Curseur::Main);
    fenetre->deplacerCarteEcart(20, -20);
    EXPECT_EQ(controle("Carte3D20")->pos(), QPoint(590, 320));
    fenetre->cacherCartesEcart();
    EXPECT_FALSE(montre("Carte3D20"));

    fenetre->placerCarteChien(2, 307, 174, carte(TREFLE, 7), Curseur::Defaut);
    EXPECT_EQ(controle("CarteChien2")->pos(), QPoint(307, 174));
    fenetre->cacherChien();
    EXPECT_FALSE(montre("CarteChien2"));
}

TEST_F(FenetreBelvane, TheExcuseIsDrawnWithTheTwentySecondTrump) {
    fenetre->dessinerCarteTable(2, carte(ATOUT, EXCUSE));
    auto* image = controle<ImageCarte>("CarteTable2");
    EXPECT_FALSE(image->isHidden());
    ASSERT_FALSE(image->image().isNull());
    EXPECT_EQ(image->image().toImage(), imageCarte("ATOUT22").toImage());
    fenetre->cacherCartesTable();
    EXPECT_TRUE(image->isHidden());
}

TEST_F(FenetreBelvane, TheTakerGetsHisPanelsFrameAndColour) {
    fenetre->montrerPreneur(2, "EST", "GARDE");
    EXPECT_EQ(controle<QLabel>("PanelPreneur")->text(), "EST");
    EXPECT_EQ(controle<QLabel>("PanelEnchere")->text(), "GARDE");
    EXPECT_TRUE(montre("PanelPreneur"));
    const QColor est(253, 210, 239);
    EXPECT_EQ(controle<Panneau>("nPointsAttaque")->fond(), est);
    EXPECT_EQ(controle<Panneau>("PanelEnchere")->fond(), est);
    EXPECT_NE(controle<Panneau>("nPointsDefense")->fond(), est);
    EXPECT_FALSE(montre("CadrePreneur2"));
    fenetre->montrerTableRonde(2);
    EXPECT_TRUE(montre("TableRonde"));
    EXPECT_TRUE(montre("CadrePreneur2"));
    EXPECT_FALSE(montre("CadrePreneur1"));
    EXPECT_EQ(controle("CadrePreneur2")->geometry(), QRect(441, 85, 100, 160));
}

TEST_F(FenetreBelvane, HandfulOfferShowsOnlyTheSizesOffered) {
    fenetre->montrerOffrePoignee(true, false);
    EXPECT_TRUE(montre("PanelPoignee"));
    EXPECT_TRUE(montre("PanelPoigneeSimple"));
    EXPECT_TRUE(montre("PanelPoigneeDouble"));
    EXPECT_FALSE(montre("PanelPoigneeTriple"));
    EXPECT_TRUE(montre("PanelPoigneeAucune"));
    fenetre->cacherOffrePoignee();
    EXPECT_FALSE(montre("PanelPoignee"));
}

TEST_F(FenetreBelvane, DeductionsPanelShowsMarksAndCounts) {
    Deductions d;
    d.atoutMaximal = "21";
    d.atoutsDehors = "12";
    d.petitJoue = true;
    d.honneurHorsJeu[COEUR][DAME] = true;
    d.honneurHorsJeu[CARREAU][VALET] = true;
    for (int c = 1; c <= 4; ++c) d.couleurDehors[c] = "9";
    d.couleurDehors[PIQUE] = "-";
    fenetre->afficherDeductions(d);
    EXPECT_EQ(controle<QLabel>("PanelAtoutMax")->text(), "21");
    EXPECT_EQ(controle<QLabel>("PanelAtExt")->text(), "12");
    EXPECT_TRUE(montre("PanelPetit"));
    EXPECT_FALSE(montre("Panel21"));
    EXPECT_TRUE(montre("LabelCoeurD"));
    EXPECT_FALSE(montre("LabelCoeurR"));
    EXPECT_TRUE(montre("LabelCarreauV"));
    EXPECT_EQ(controle<QLabel>("PanelDehorsPique")->text(), "-");
    EXPECT_EQ(controle<QLabel>("PanelDehorsCoeur")->text(), "9");
    // A later update without those cards leaves the marks on.
    fenetre->afficherDeductions(Deductions{});
    EXPECT_TRUE(montre("PanelPetit"));
    EXPECT_TRUE(montre("LabelCoeurD"));
}

TEST_F(FenetreBelvane, DeductionMarksAreStackedUnderTheirSuitPicture) {
    const QRect image = controle("ImageCoeur")->geometry();
    EXPECT_EQ(image, QRect(39, 54, 30, 30));
    EXPECT_EQ(controle("LabelCoeurR")->geometry(), QRect(39, 54 + 33, 30, 30));
    EXPECT_EQ(controle("LabelCoeurV")->geometry(), QRect(39, 54 + 4 * 33, 30, 30));
    EXPECT_EQ(controle("PanelDehorsCoeur")->geometry(), QRect(39, 3 + 186 + 30, 30, 30));
}

TEST_F(FenetreBelvane, ClearingTheTableHidesWhatADealPutOnIt) {
    fenetre->montrerBarreEnchere(true);
    fenetre->placerCarteMain(1, 20, 346, carte(ATOUT, 21), Curseur::Main);
    fenetre->placerCarteChien(1, 267, 174, carte(PIQUE, 1), Curseur::Defaut);
    fenetre->dessinerCarteTable(3, carte(PIQUE, 2));
    fenetre->annoncerEnchereSiege(4, "PRISE", 14);
    fenetre->montrerPreneur(4, "OUEST", "PRISE");
    fenetre->montrerTableRonde(4);
    fenetre->montrerOffrePoignee(false, false);
    fenetre->montrerConfirmeEcart(true);
    fenetre->afficherPoints(12, 30);
    Deductions d;
    d.vingtEtUnJoue = true;
    d.honneurHorsJeu[PIQUE][ROI] = true;
    d.couleurDehors[PIQUE] = "4";
    fenetre->afficherDeductions(d);
    fenetre->activerPliPrecedent(true);

    fenetre->effacerTable();
    for (const char* n : {"BarreEnchere", "Carte3D1", "CarteChien1", "CarteTable3", "PanelDec4", "PanelPreneur",
                          "PanelEnchere", "TableRonde", "CadrePreneur4", "PanelPoignee", "PanelConfirmeEcart",
                          "PanelResultat", "Panel21", "LabelPiqueR"})
        EXPECT_FALSE(montre(n)) << n;
    EXPECT_TRUE(controle<QLabel>("nPointsAttaque")->text().isEmpty());
    EXPECT_TRUE(controle<QLabel>("PanelDehorsPique")->text().isEmpty());
    EXPECT_FALSE(controle("Carte3D1")->isEnabled());
    EXPECT_EQ(controle("Carte3D1")->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_FALSE(action("menuPreviousTrick")->isEnabled());
    fenetre->activerCartesMain(true);
    EXPECT_TRUE(controle("Carte3D24")->isEnabled());
}

TEST_F(FenetreBelvane, ReplayStateOfTheMenuAndToolButton) {
    fenetre->etatRejouer(true, true);
    EXPECT_TRUE(action("menuGameAgain")->isEnabled());
    EXPECT_TRUE(controle<QToolButton>("SBGameAgain")->isChecked());
    fenetre->etatRejouer(true, false);
    EXPECT_FALSE(controle<QToolButton>("SBGameAgain")->isChecked());
    EXPECT_TRUE(controle("SBGameAgain")->isEnabled());
}

TEST_F(FenetreBelvane, TimersAreOneShotsArmedAndStopped) {
    fenetre->armer(Minuteur::TimerTransition, 2000);
    auto* t = controle<QTimer>("TimerTransition");
    EXPECT_TRUE(t->isSingleShot());
    EXPECT_TRUE(fenetre->estArme(Minuteur::TimerTransition));
    EXPECT_EQ(t->interval(), 2000);
    EXPECT_FALSE(fenetre->estArme(Minuteur::TimerEntreCarte));
    fenetre->arreter(Minuteur::TimerTransition);
    EXPECT_FALSE(fenetre->estArme(Minuteur::TimerTransition));
}

}  // namespace

namespace {

// A window with the game wired as the main routine wires it, without a store:
// the options are the defaults, the cards come at once, and no handful is offered.
class PartieBelvane : public FenetreBelvane {
protected:
    void SetUp() override {
        FenetreBelvane::SetUp();
        jeu->finDeDonne = finDeDonne;
        chargerOptions(*jeu);
        jeu->options.optionVitesseJeuDeLaCarte = 5;
        jeu->options.optionAttenteEntreChaquePli = 0;
        jeu->options.optionProposePoignee = 0;
        appliquerOptions(*jeu);
        initialiserPartie(*jeu);
        fenetre->show();
        fenetre->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    }

    template <typename Condition>
    bool attendre(Condition condition, int ms = 3000) {
        for (int t = 0; t < ms; t += 5) {
            if (condition()) return true;
            QTest::qWait(5);
        }
        return condition();
    }
    void cliquer(const QString& nom) { QTest::mouseClick(controle(nom), Qt::LeftButton); }
    bool barreOuverte() { return montre("BarreEnchere"); }
    bool encheresFinies() { return jeu->donne.nbEncheres == 4 && jeu->donne.etatAttente == 1; }

    // Deals until the human may bid Garde Contre, and bids it.
    void prendreGardeContre() {
        for (int essai = 0; essai < 30; ++essai) {
            if (essai == 0) cliquer("PanelLancement");
            else action("menuNewGame")->trigger();
            ASSERT_TRUE(attendre([&] { return barreOuverte() || encheresFinies(); }));
            if (barreOuverte() && montre("ButtonGardeContre")) {
                cliquer("ButtonGardeContre");
                ASSERT_TRUE(attendre([&] { return encheresFinies(); }));
                return;
            }
        }
        FAIL() << "no deal let the human bid Garde Contre";
    }

    // Lets the computers play until the human is asked for a card.
    void attendreTourHumain() {
        ASSERT_TRUE(attendre([&] { return jeu->donne.humainPeutJouer || jeu->donne.etatAttente == 1; }));
    }
};

// A modal message is answered as soon as it opens.
void fermerMessageQuandIlSOuvre() {
    QTimer::singleShot(50, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
}

TEST_F(PartieBelvane, TheStartButtonDealsAndTheAuctionBegins) {
    cliquer("PanelLancement");
    EXPECT_FALSE(montre("PanelLancement"));
    for (int k = 1; k <= 18; ++k) EXPECT_TRUE(montre(QString("Carte3D%1").arg(k))) << k;
    EXPECT_FALSE(montre("Carte3D19"));
    // The computers before the human bid on the auction timer, then the bar opens for him.
    ASSERT_TRUE(attendre([&] { return barreOuverte() || encheresFinies(); }));
    EXPECT_TRUE(montre("PanelDec4") || barreOuverte());
    EXPECT_TRUE(action("menuGameAgain")->isEnabled());
    EXPECT_TRUE(controle("SBGameAgain")->isEnabled());
    EXPECT_FALSE(controle<QToolButton>("SBGameAgain")->isChecked());
}

TEST_F(PartieBelvane, ABidButtonBidsForTheHuman) {
    cliquer("PanelLancement");
    ASSERT_TRUE(attendre([&] { return barreOuverte(); }));
    cliquer("ButtonPasse");
    EXPECT_EQ(jeu->donne.enchere[1], PASSE);
    EXPECT_FALSE(montre("BarreEnchere"));
    EXPECT_TRUE(montre("PanelDec1"));
    EXPECT_EQ(controle<QLabel>("PanelDec1")->text(), "PASSE");
}

TEST_F(PartieBelvane, TheSpaceBarNamesTheTakerAndAClickOnTheTableStartsPlay) {
    prendreGardeContre();
    EXPECT_EQ(jeu->donne.numeroPli, 0);
    QTest::keyClick(fenetre.get(), Qt::Key_Space);
    EXPECT_EQ(jeu->donne.numeroPli, 1);
    EXPECT_EQ(jeu->donne.preneur, 1);
    EXPECT_EQ(controle<QLabel>("PanelPreneur")->text(), "SUD");
    EXPECT_EQ(controle<QLabel>("PanelEnchere")->text(), "GARDE CONTRE");
    EXPECT_FALSE(montre("PanelDec1"));
    // Under Garde Contre the dog stays aside: the next click starts the play.
    EXPECT_FALSE(montre("CarteChien1"));
    EXPECT_FALSE(montre("TableRonde"));
    QTest::mouseClick(controle("Tapis"), Qt::LeftButton, {}, QPoint(5, controle("Tapis")->height() - 5));
    EXPECT_TRUE(montre("TableRonde"));
    EXPECT_TRUE(montre("CadrePreneur1"));
    EXPECT_EQ(jeu->donne.etatAttente, 0);
}

TEST_F(PartieBelvane, AClickOnAPlayableCardPlaysIt) {
    prendreGardeContre();
    QTest::keyClick(fenetre.get(), Qt::Key_Space);
    QTest::keyClick(fenetre.get(), Qt::Key_Space);
    attendreTourHumain();
    ASSERT_TRUE(jeu->donne.humainPeutJouer);
    int k = 1;
    while (k <= 18 && controle(QString("Carte3D%1").arg(k))->cursor().shape() != Qt::PointingHandCursor) ++k;
    ASSERT_LE(k, 18) << "no card of the hand shows the hand pointer";
    const Carte jouee = jeu->donne.mainJoueur[1][k];
    cliquer(QString("Carte3D%1").arg(k));
    EXPECT_FALSE(montre(QString("Carte3D%1").arg(k)));
    EXPECT_FALSE(jeu->donne.mainJoueur[1][k].enMain);
    EXPECT_TRUE(montre("CarteTable1") || jeu->donne.pliAffiche == 0);
    EXPECT_EQ(jeu->donne.carteJouee[1][1], k);
    EXPECT_TRUE(jouee.enMain);
}

TEST_F(PartieBelvane, AClickOnAnUnplayableCardDoesNothing) {
    prendreGardeContre();
    QTest::keyClick(fenetre.get(), Qt::Key_Space);
    QTest::keyClick(fenetre.get(), Qt::Key_Space);
    attendreTourHumain();
    int k = 1;
    while (k <= 18 && controle(QString("Carte3D%1").arg(k))->cursor().shape() != Qt::ForbiddenCursor) ++k;
    if (k > 18) GTEST_SKIP() << "every card of this hand may be played";
    cliquer(QString("Carte3D%1").arg(k));
    EXPECT_TRUE(montre(QString("Carte3D%1").arg(k)));
    EXPECT_TRUE(jeu->donne.mainJoueur[1][k].enMain);
}

TEST_F(PartieBelvane, ReplayingPressesTheToolButtonAndANewDealReleasesIt) {
    cliquer("PanelLancement");
    const int premier = jeu->donne.premierJoueur;
    cliquer("SBGameAgain");
    EXPECT_EQ(jeu->donne.modeRejouer, 1);
    EXPECT_EQ(jeu->donne.premierJoueur, premier);
    EXPECT_TRUE(controle<QToolButton>("SBGameAgain")->isChecked());
    cliquer("SBNewGame");
    EXPECT_EQ(jeu->donne.modeRejouer, 0);
    EXPECT_FALSE(controle<QToolButton>("SBGameAgain")->isChecked());
    action("menuGameAgain")->trigger();
    EXPECT_EQ(jeu->donne.modeRejouer, 1);
}

TEST_F(PartieBelvane, TheResultPanelsButtonsStartTheNextDeal) {
    cliquer("PanelLancement");
    fenetre->montrerResultat("Résultat du Preneur : 75 points.\nBravo !");
    EXPECT_TRUE(montre("PanelResultat"));
    EXPECT_TRUE(montre("PanelPanelNewPartie"));
    EXPECT_TRUE(controle<QLabel>("PanelTexteResultat")->text().startsWith("Résultat du Preneur : 75"));
    cliquer("panelRejouerDonne");
    EXPECT_EQ(jeu->donne.modeRejouer, 1);
    EXPECT_FALSE(montre("PanelResultat"));
    fenetre->montrerResultat("...");
    cliquer("PanelPanelNewPartie");
    EXPECT_EQ(jeu->donne.modeRejouer, 0);
    EXPECT_FALSE(montre("PanelResultat"));
}

TEST_F(PartieBelvane, DefaultOptionsAreShownByTheMenus) {
    EXPECT_TRUE(action("menuPro")->isChecked());
    EXPECT_TRUE(action("menuForceNormale")->isChecked());
    EXPECT_TRUE(action("menuInstantane")->isChecked());
    EXPECT_TRUE(action("menuClickObligatoire")->isChecked());
    EXPECT_TRUE(action("menuConseilEnch")->isChecked());
    EXPECT_TRUE(action("menuDeductions")->isChecked());
    EXPECT_TRUE(controle<QToolButton>("SBVoirDeductions")->isChecked());
    EXPECT_FALSE(action("menuAtLeast")->isChecked());
    EXPECT_FALSE(action("menuProposerPoignee")->isChecked());
    // The table takes the colour options: #004040 behind, #008000 for the table.
    EXPECT_EQ(controle<Forme>("TableRonde")->couleur(), QColor(0, 128, 0));
    EXPECT_EQ(controle("Tapis")->palette().color(QPalette::Window), QColor(0, 64, 64));
}

TEST_F(PartieBelvane, OptionItemsChangeTheOptionAndTheWindow) {
    action("menuPointsPartieEnCours")->trigger();
    EXPECT_EQ(jeu->options.optionVisibilitePointsPartieEnCours, 0);
    EXPECT_FALSE(montre("PanneauScores"));
    EXPECT_FALSE(action("menuPointsPartieEnCours")->isChecked());
    action("menuPointsPartieEnCours")->trigger();
    EXPECT_TRUE(montre("PanneauScores"));

    action("menuConseilEnch")->trigger();
    EXPECT_FALSE(montre("evMaMain"));
    action("menuBarreInfo")->trigger();
    EXPECT_FALSE(montre("panelBarreInfo"));
    action("menuBarreOutils")->trigger();
    EXPECT_FALSE(montre("PanelBarreOutils"));
    cliquer("SBVoirDeductions");  // hidden, but still a button
    EXPECT_EQ(jeu->options.optionVisibiliteDeductions, 0);
    EXPECT_FALSE(montre("PanelDeductions"));
    EXPECT_FALSE(action("menuDeductions")->isChecked());

    action("menuForceGarde")->trigger();
    EXPECT_EQ(jeu->options.optionForceMain, 4);
    action("menuLent")->trigger();
    EXPECT_EQ(jeu->options.optionVitesseJeuDeLaCarte, 2);
    EXPECT_EQ(jeu->options.intervalleTimerEntreCarte, 400);
    action("menuCinqSecondes")->trigger();
    EXPECT_EQ(jeu->options.optionAttenteEntreChaquePli, 3);
    EXPECT_EQ(jeu->options.intervalleTimerTransition, 5000);
    EXPECT_EQ(jeu->options.transitionAutomatique, 1);
    action("menuAtLeast")->trigger();
    EXPECT_EQ(jeu->options.optionAuMoinsUneMainDePrise, 1);
    action("menuOptionNiveauAdaptatif")->trigger();
    EXPECT_EQ(jeu->options.optionNiveauAdaptatif, 0);
}

TEST_F(PartieBelvane, FunctionKeysReachTheirItems) {
    QTest::keyClick(fenetre.get(), Qt::Key_F7);
    EXPECT_FALSE(montre("PanneauScores"));
    QTest::keyClick(fenetre.get(), Qt::Key_F8);
    EXPECT_FALSE(montre("PanelDeductions"));
    QTest::keyClick(fenetre.get(), Qt::Key_F2);
    EXPECT_FALSE(montre("PanelLancement"));
    EXPECT_TRUE(montre("Carte3D1"));
}

TEST_F(PartieBelvane, TheLevelCannotChangeDuringPlay) {
    action("menuBon")->trigger();
    EXPECT_EQ(jeu->options.niveau, 3);
    EXPECT_TRUE(action("menuBon")->isChecked());
    prendreGardeContre();
    QTest::keyClick(fenetre.get(), Qt::Key_Space);
    ASSERT_EQ(jeu->donne.numeroPli, 1);
    fermerMessageQuandIlSOuvre();
    action("menuDebutant")->trigger();
    EXPECT_EQ(jeu->options.niveau, 3);
    EXPECT_TRUE(action("menuBon")->isChecked());
    EXPECT_FALSE(action("menuDebutant")->isChecked());
}

TEST_F(PartieBelvane, GlobalScoresShowAndAClickOnOneHidesThemAll) {
    jeu->scores.scoreTotal[2] = -150;
    action("menuScoresGlobaux")->trigger();
    for (int s = 1; s <= 4; ++s) EXPECT_TRUE(montre(QString("panelScoreTotal%1").arg(s))) << s;
    EXPECT_EQ(controle<QLabel>("panelScoreTotal2")->text(), "-150");
    EXPECT_TRUE(action("menuScoresGlobaux")->isChecked());
    EXPECT_TRUE(controle<QToolButton>("SBVoirScoresGlobaux")->isChecked());
    cliquer("panelScoreTotal3");
    for (int s = 1; s <= 4; ++s) EXPECT_FALSE(montre(QString("panelScoreTotal%1").arg(s))) << s;
    EXPECT_FALSE(controle<QToolButton>("SBVoirScoresGlobaux")->isChecked());
}

}  // namespace

namespace {

class EcartBelvane : public PartieBelvane {
protected:
    // Deals until the human takes at Garde, then names him taker: the dog is shown.
    void prendreGarde() {
        jeu->options.optionForceMain = 4;
        for (int essai = 0; essai < 40; ++essai) {
            if (essai == 0) cliquer("PanelLancement");
            else action("menuNewGame")->trigger();
            ASSERT_TRUE(attendre([&] { return barreOuverte() || encheresFinies(); }));
            if (!barreOuverte() || !montre("ButtonGarde")) continue;
            cliquer("ButtonGarde");
            ASSERT_TRUE(attendre([&] { return encheresFinies(); }));
            if (jeu->donne.meilleureEnchere != GARDE) continue;
            QTest::keyClick(fenetre.get(), Qt::Key_Space);
            ASSERT_EQ(jeu->donne.preneur, 1);
            return;
        }
        FAIL() << "no deal let the human take at Garde";
    }
};

TEST_F(PartieBelvane, APanelTakesItsClickButABidPanelContinues) {
    prendreGardeContre();
    QTest::mouseClick(controle("PanneauScores"), Qt::LeftButton);
    QTest::mouseClick(controle("PanelDeductions"), Qt::LeftButton);
    EXPECT_EQ(jeu->donne.numeroPli, 0);
    cliquer("PanelDec2");
    EXPECT_EQ(jeu->donne.numeroPli, 1);
    EXPECT_EQ(jeu->donne.preneur, 1);
}

TEST_F(EcartBelvane, TheDogThenTheDiscardScreenThenPlay) {
    prendreGarde();
    for (int i = 1; i <= 6; ++i) EXPECT_TRUE(montre(QString("CarteChien%1").arg(i))) << i;
    EXPECT_EQ(controle<QLabel>("info")->text(),
              QString::fromUtf8("Et voici le Chien ! A présent, cliquez pour continuer à jouer..."));
    cliquer("CarteChien3");
    for (int i = 1; i <= 6; ++i) EXPECT_FALSE(montre(QString("CarteChien%1").arg(i))) << i;
    ASSERT_EQ(jeu->donne.modeEcart, 1);
    for (int k = 1; k <= 24; ++k) EXPECT_TRUE(montre(QString("Carte3D%1").arg(k))) << k;
    EXPECT_EQ(controle("Carte3D24")->x(), 20 + 23 * 30);

    // Six cards that may be discarded, the hand pointer on each; each rises as it is chosen.
    int choisies = 0;
    for (int k = 1; k <= 24 && choisies < 6; ++k) {
        QWidget* image = controle(QString("Carte3D%1").arg(k));
        if (image->cursor().shape() != Qt::PointingHandCursor) continue;
        const int haut = image->y();
        cliquer(image->objectName());
        EXPECT_EQ(image->y(), haut - jeu->disposition.leveeCarte) << k;
        ++choisies;
        EXPECT_EQ(montre("PanelConfirmeEcart"), choisies == 6) << choisies;
    }
    ASSERT_EQ(choisies, 6);
    cliquer("PanelConfirmeEcart");
    EXPECT_FALSE(montre("PanelConfirmeEcart"));
    EXPECT_EQ(jeu->donne.modeEcart, 0);
    for (int k = 19; k <= 24; ++k) EXPECT_FALSE(montre(QString("Carte3D%1").arg(k))) << k;
    for (int k = 1; k <= 18; ++k) EXPECT_TRUE(montre(QString("Carte3D%1").arg(k))) << k;
    EXPECT_TRUE(montre("TableRonde"));
    EXPECT_TRUE(montre("CadrePreneur1"));
}

}  // namespace

namespace {

// The keyboard as the player uses it: keys go to the window, and from there to
// whatever holds the focus.
class ClavierBelvane : public PartieBelvane {
protected:
    void espace() {
        QTest::keyClick(fenetre->windowHandle(), Qt::Key_Space);
        QApplication::processEvents();
    }
    void conseil(bool visible) {
        jeu->options.optionVisibiliteConseilEnchere = visible ? 1 : 0;
        appliquerOptions(*jeu);
    }
    bool carteMontrantLaMain(int premiere, int derniere, int& k) {
        for (k = premiere; k <= derniere; ++k)
            if (controle(QString("Carte3D%1").arg(k))->cursor().shape() == Qt::PointingHandCursor) return true;
        return false;
    }

    // Deals by F2 until the human may bid `enchere` with the mouse and nobody
    // overbids him; the space bar bids nothing on the way.
    void prendre(int enchere) {
        jeu->options.optionForceMain = enchere + 2;
        const char* boutons[5] = {"ButtonPasse", "ButtonPrise", "ButtonGarde", "ButtonGardeSans", "ButtonGardeContre"};
        for (int essai = 0; essai < 40; ++essai) {
            QTest::keyClick(fenetre->windowHandle(), Qt::Key_F2);
            ASSERT_TRUE(attendre([&] { return barreOuverte() || encheresFinies(); }));
            if (!barreOuverte()) continue;
            const int parlees = jeu->donne.nbEncheres;
            // The advice button, when shown, holds the focus while the bar waits.
            if (jeu->options.optionVisibiliteConseilEnchere) {
                ASSERT_EQ(fenetre->focusWidget(), controle("evMaMain"));
            }
            espace();
            ASSERT_TRUE(barreOuverte()) << "the space bar closed the bidding bar";
            ASSERT_EQ(jeu->donne.nbEncheres, parlees) << "the space bar bid for the human";
            ASSERT_FALSE(montre("PanelDec1"));
            if (!montre(boutons[enchere])) continue;
            cliquer(boutons[enchere]);
            ASSERT_TRUE(attendre([&] { return encheresFinies(); }));
            EXPECT_NE(fenetre->focusWidget(), controle("evMaMain")) << "the focus stayed on the advice";
            if (jeu->donne.meilleureEnchere == enchere) return;
        }
        FAIL() << "no deal let the human take";
    }

    // A whole deal at Garde with every continue given by the space bar, which
    // does nothing where a click on the table does nothing.
    void donneAuClavier() {
        espace();  // before the first deal: the start button waits for its click
        EXPECT_TRUE(montre("PanelLancement"));
        prendre(GARDE);
        if (HasFatalFailure()) return;
        Donne& d = jeu->donne;

        espace();  // the auction is over: the taker is named, the dog shown
        ASSERT_EQ(d.preneur, 1);
        ASSERT_EQ(d.etatAttente, 2);
        EXPECT_TRUE(montre("CarteChien1"));
        espace();  // the dog is put aside: the discard screen
        ASSERT_EQ(d.modeEcart, 1);
        espace();
        EXPECT_EQ(d.modeEcart, 1);
        EXPECT_EQ(d.nbCartesEcartees, 0);
        for (int n = 0, k = 0; n < 6; ++n) {
            ASSERT_TRUE(carteMontrantLaMain(k + 1, 24, k)) << n;
            cliquer(QString("Carte3D%1").arg(k));
        }
        cliquer("PanelConfirmeEcart");
        ASSERT_EQ(d.modeEcart, 0);

        int plis = 0;
        while (d.numeroPli <= 18) {
            ASSERT_TRUE(attendre([&] { return d.humainPeutJouer || d.etatAttente == 1; })) << "trick " << d.numeroPli;
            if (d.etatAttente == 1) {  // the trick stays shown until a continue
                const int pli = d.numeroPli;
                espace();
                ASSERT_EQ(d.etatAttente, 0) << "trick " << pli;
                ASSERT_EQ(d.pliAffiche, 0) << "trick " << pli;
                ++plis;
                continue;
            }
            const Main avant = d.mainJoueur[1];
            espace();  // the human's turn: the space bar plays no card
            ASSERT_TRUE(d.humainPeutJouer);
            for (int k = 1; k <= 18; ++k) ASSERT_EQ(d.mainJoueur[1][k].enMain, avant[k].enMain) << k;
            int k = 0;
            ASSERT_TRUE(carteMontrantLaMain(1, 18, k));
            cliquer(QString("Carte3D%1").arg(k));
            if (d.numeroPli == 19) break;
        }
        EXPECT_GE(plis, 17);
        ASSERT_EQ(d.numeroPli, 19);
        espace();  // the result stays
        EXPECT_TRUE(montre("PanelResultat"));
        EXPECT_EQ(d.numeroPli, 19);

        // Under Garde Contre: the taker named, then play started, each by the space bar.
        prendre(GARDE_CONTRE);
        if (HasFatalFailure()) return;
        espace();
        ASSERT_EQ(d.numeroPli, 1);
        ASSERT_EQ(d.etatAttente, 1);
        EXPECT_FALSE(montre("TableRonde"));
        espace();
        EXPECT_EQ(d.etatAttente, 0);
        EXPECT_TRUE(montre("TableRonde"));
    }
};

TEST_F(ClavierBelvane, TheSpaceBarContinuesEverywhereAndNeverBidsWithTheAdvice) {
    conseil(true);
    donneAuClavier();
}

TEST_F(ClavierBelvane, TheSpaceBarContinuesEverywhereWithoutTheAdvice) {
    conseil(false);
    donneAuClavier();
}

// Four passes: the space bar deals again, as a click would.
TEST_F(ClavierBelvane, TheSpaceBarDealsAgainAfterFourPasses) {
    conseil(true);
    jeu->options.optionForceMain = 1;
    for (int essai = 0; essai < 60; ++essai) {
        QTest::keyClick(fenetre->windowHandle(), Qt::Key_F2);
        ASSERT_TRUE(attendre([&] { return barreOuverte() || encheresFinies(); }));
        if (barreOuverte()) cliquer("ButtonPasse");
        ASSERT_TRUE(attendre([&] { return encheresFinies(); }));
        if (jeu->donne.meilleureEnchere != PASSE) continue;
        const int ouvreur = jeu->donne.premierJoueur;
        espace();
        EXPECT_EQ(jeu->donne.premierJoueur, siegeSuivant(ouvreur));
        EXPECT_EQ(jeu->donne.numeroPli, 0);
        EXPECT_EQ(jeu->donne.etatAttente == 1, jeu->donne.nbEncheres == 4);
        return;
    }
    FAIL() << "no deal in which everybody passed";
}

}  // namespace
