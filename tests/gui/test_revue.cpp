// The review windows and the detailed score sheet: what they show of a
// finished deal, the replay of the 18 tricks, the frames of the discard, the
// score sheet against the result text, the colour buttons, the main window's
// hooks, and printing to a PDF page.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <functional>
#include <memory>

#include "engine/jeu.h"
#include "engine/textes.h"
#include "flow/revue.h"
#include "scoring/score.h"
#include "settings/magasin_memoire.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fMains/fmains.h"
#include "ui/fPliPrecedent/fpliprecedent.h"
#include "ui/fScoreDetaille/fscoredetaille.h"
#include "ui/fTousPlis/ftousplis.h"
#include "ui/impression.h"
#include "ui/revue/controles_revue.h"

namespace {

const int langues[] = {FRANCAIS, ANGLAIS};

QString qs(Texte t, int langue) { return QString::fromStdString(texte(t, langue)); }

// A finished deal: seat s holds cards (s - 1) x 18 + 1 .. s x 18 of the pack,
// plays them from the right, trick t is led by seat (t mod 4) + 1, and West
// takes at Garde, discarding three cards of his hand and two of the dog.
void finirDonne(Jeu& jeu, int preneur = OUEST, int contrat = GARDE) {
    Donne& d = jeu.donne;
    for (int s = 1; s <= 4; ++s)
        for (int k = 1; k <= 18; ++k) {
            d.mainJoueur[s][k] = jeu.paquet[(s - 1) * 18 + k];
            d.mainJoueur[s][k].enMain = false;
            d.mainInitiale[s][k] = d.mainJoueur[s][k];
            d.carteJouee[s][k] = 19 - k;
        }
    for (int i = 1; i <= 6; ++i) d.chienInitial[i] = jeu.paquet[72 + i];
    for (int t = 1; t <= 18; ++t) d.entameurPli[t] = t % 4 + 1;
    d.preneur = preneur;
    d.enchere.remplir(PASSE);
    d.enchere[preneur] = contrat;
    const int origines[6] = {3, 12, 19, 24, 9, 10};
    for (int i = 1; i <= 6; ++i) {
        const int o = origines[i - 1];
        d.origineEcart[i] = contrat <= GARDE ? o : -1;
        d.chien[i] = contrat <= GARDE ? (o <= 18 ? d.mainInitiale[preneur][o] : d.chienInitial[o - 18])
                                      : d.chienInitial[i];
    }
    d.numeroPli = 19;
}

template <typename T = QWidget>
T* enfant(QWidget* fenetre, const QString& nom) {
    T* c = fenetre->findChild<T*>(nom);
    EXPECT_NE(c, nullptr) << nom.toStdString();
    return c;
}

QString texteDe(QWidget* fenetre, const QString& nom) {
    if (auto* l = fenetre->findChild<QLabel*>(nom)) return l->text();
    if (auto* b = fenetre->findChild<QAbstractButton*>(nom)) return b->text();
    ADD_FAILURE() << "no text control " << nom.toStdString();
    return {};
}

bool memeCarte(const PetiteCarte* image, const Carte& c) {
    return image->couleurCarte() == c.couleur && image->valeurCarte() == c.valeur;
}

class Revue : public ::testing::Test {
protected:
    void SetUp() override {
        jeu = std::make_unique<Jeu>();
        jeu->magasin = &magasin;
        jeu->options.optionCouleurFondEcranPlis = 0x808080;
        jeu->options.optionCouleurFondEcranMains = 0x808080;
        jeu->options.optionCouleurFondEcranScores = 0x808080;
        finirDonne(*jeu);
    }
    MagasinMemoire magasin;
    std::unique_ptr<Jeu> jeu;
};

// The 18 tricks.

TEST_F(Revue, TheEighteenTricksShowEveryCardAndFrameInEachLanguage) {
    for (int langue : langues) {
        jeu->options.langue = langue;
        TfrmTousPlis w(*jeu, 1.0);
        EXPECT_TRUE(w.isHidden());
        w.ouvrir();
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.windowTitle(), qs(Texte::frmTousPlis, langue));
        EXPECT_EQ(texteDe(&w, "buttonImprimerPlis"), langue == FRANCAIS ? "IMPRIMER" : "PRINT");
        EXPECT_EQ(texteDe(&w, "PanelPlisOk"), "OK");
        for (int t = 1; t <= 18; ++t) {
            for (int s = 1; s <= 4; ++s) {
                auto* image = enfant<PetiteCarte>(&w, QString("CartePli%1").arg(imagePli(t, s)));
                EXPECT_TRUE(image->isVisible());
                EXPECT_TRUE(memeCarte(image, jeu->donne.mainJoueur[s][19 - t])) << t << " " << s;
                const Point p = positionCartePli(1, 1, t, s);
                EXPECT_EQ(image->geometry(), QRect(p.x, p.y, 30, 50));
            }
            auto* cadre = enfant<CadreCarte>(&w, QString("CadrePli%1").arg(t));
            EXPECT_TRUE(cadre->isVisible());
            // The lead of trick t is seat (t mod 4) + 1; West, seat 4, is the taker.
            EXPECT_EQ(cadre->couleur(), t % 4 + 1 == OUEST ? QColor(0, 255, 0) : QColor(0, 0, 255)) << t;
            const Point entame = positionCartePli(1, 1, t, t % 4 + 1);
            EXPECT_EQ(cadre->geometry(), QRect(entame.x - 2, entame.y - 2, 34, 54)) << t;
        }
        // Everything fits in the window.
        for (QWidget* c : w.findChildren<QWidget*>())
            EXPECT_TRUE(w.rect().contains(c->geometry())) << c->objectName().toStdString();
    }
}

int cartesVisibles(QWidget* w) {
    int n = 0;
    for (int i = 1; i <= 72; ++i) n += w->findChild<QWidget*>(QString("CartePli%1").arg(i))->isVisible();
    return n;
}

int cadresVisibles(QWidget* w) {
    int n = 0;
    for (int t = 1; t <= 18; ++t) n += w->findChild<QWidget*>(QString("CadrePli%1").arg(t))->isVisible();
    return n;
}

TEST_F(Revue, PlayReplaysTheEighteenTricksCardByCard) {
    TfrmTousPlis w(*jeu, 1.0);
    w.ouvrir();
    auto* timer = enfant<QTimer>(&w, "timerTousPlis");
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_FALSE(timer->isActive());

    QTest::mouseClick(enfant(&w, "PanelPasApas"), Qt::LeftButton);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(cartesVisibles(&w), 1);
    EXPECT_TRUE(enfant(&w, QString("CartePli%1").arg(imagePli(1, EST)))->isVisible());  // East led trick 1
    EXPECT_EQ(cadresVisibles(&w), 1);
    for (int carte = 2; carte <= 72; ++carte) {
        ASSERT_TRUE(timer->isActive()) << carte;
        w.timerTousPlisTimer();
        ASSERT_EQ(cartesVisibles(&w), carte);
        EXPECT_EQ(cadresVisibles(&w), (carte + 3) / 4) << carte;
    }
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(w.etat().etapePlis, 73);
}

TEST_F(Revue, TheReplayTimerTicksEverySecond) {
    TfrmTousPlis w(*jeu, 1.0);
    w.ouvrir();
    QTest::mouseClick(enfant(&w, "PanelPasApas"), Qt::LeftButton);
    QTest::qWait(1300);
    EXPECT_EQ(cartesVisibles(&w), 2);
    // The panel round the play button pauses as the button does.
    QTest::mouseClick(enfant(&w, "panelLecture"), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(w.replayEnCours());
    QTest::qWait(1100);
    EXPECT_EQ(cartesVisibles(&w), 2);
    QTest::mouseClick(enfant(&w, "PanelPasApas"), Qt::LeftButton);
    EXPECT_TRUE(w.replayEnCours());
    EXPECT_EQ(cartesVisibles(&w), 3);  // resumed with the next card at once
}

TEST_F(Revue, BackClearAndShowAll) {
    TfrmTousPlis w(*jeu, 1.0);
    w.ouvrir();
    QTest::mouseClick(enfant(&w, "panelEnArriere"), Qt::LeftButton);
    EXPECT_EQ(cartesVisibles(&w), 71);
    // The last card of trick 18 (led by North): West's.
    EXPECT_FALSE(enfant(&w, QString("CartePli%1").arg(imagePli(18, EST)))->isVisible());
    EXPECT_TRUE(enfant(&w, "CadrePli18")->isVisible());

    QTest::mouseClick(enfant(&w, "PanelPasApas"), Qt::LeftButton);
    QTest::mouseClick(enfant(&w, "PanelEffacer"), Qt::LeftButton);
    EXPECT_EQ(cartesVisibles(&w), 0);
    EXPECT_EQ(cadresVisibles(&w), 0);
    EXPECT_EQ(w.etat().etapePlis, 1);
    QTest::mouseClick(enfant(&w, "panelEnArriere"), Qt::LeftButton);
    EXPECT_EQ(w.etat().etapePlis, 1);

    QTest::mouseClick(enfant(&w, "PanelPasApas"), Qt::LeftButton);
    ASSERT_TRUE(w.replayEnCours());
    w.timerTousPlisTimer();
    QTest::mouseClick(enfant(&w, "PanelVoirTout"), Qt::LeftButton);
    EXPECT_FALSE(w.replayEnCours());
    EXPECT_EQ(cartesVisibles(&w), 72);
    EXPECT_EQ(cadresVisibles(&w), 18);
}

TEST_F(Revue, OkClosesAndStopsTheReplayAndReopeningShowsAll) {
    TfrmTousPlis w(*jeu, 1.0);
    w.ouvrir();
    QTest::mouseClick(enfant(&w, "PanelPasApas"), Qt::LeftButton);
    QTest::mouseClick(enfant(&w, "PanelPlisOk"), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.replayEnCours());
    w.ouvrir();
    QTest::mouseClick(enfant(&w, "PanelPasApas"), Qt::LeftButton);
    w.close();
    EXPECT_FALSE(w.replayEnCours());
    w.ouvrir();
    EXPECT_EQ(cartesVisibles(&w), 72);
}

// The four hands.

TEST_F(Revue, FourHandsOfAWestTakerUnderGarde) {
    for (int langue : langues) {
        jeu->options.langue = langue;
        TfrmMains w(*jeu, 1.0);
        w.ouvrir();
        EXPECT_EQ(w.windowTitle(), qs(Texte::frmMains, langue));
        EXPECT_EQ(texteDe(&w, "PanelChien"), langue == FRANCAIS ? "LE CHIEN" : "THE DOG");
        EXPECT_EQ(texteDe(&w, "PanelEcart"), langue == FRANCAIS ? "L'ECART" : "THE DISCARD");
        EXPECT_EQ(texteDe(&w, "buttonImprimerMains"), langue == FRANCAIS ? "IMPRIMER" : "PRINT");

        const char* sieges[5] = {"", "Sud", "Est", "Nord", "Ouest"};
        for (int s = 1; s <= 4; ++s)
            for (int k = 1; k <= 18; ++k)
                EXPECT_TRUE(memeCarte(enfant<PetiteCarte>(&w, QString("CarteMain%1%2").arg(sieges[s]).arg(k)),
                                      jeu->donne.mainInitiale[s][k]));
        QWidget* ouest = enfant(&w, "PanelMainOuest");
        QWidget* avant = enfant(&w, "PanelChienAvantEcart");
        QWidget* apres = enfant(&w, "PanelChienApresEcart");
        EXPECT_TRUE(avant->isVisible());
        EXPECT_TRUE(apres->isVisible());
        // The dog above West's hand, the discard below it, both left-aligned with it.
        EXPECT_EQ(avant->x(), ouest->x());
        EXPECT_EQ(avant->geometry().bottom() + 1 + 5, ouest->y());
        EXPECT_EQ(apres->x(), ouest->x());
        EXPECT_EQ(ouest->geometry().bottom() + 1 + 5, apres->y());
        for (int i = 1; i <= 6; ++i) {
            EXPECT_TRUE(memeCarte(enfant<PetiteCarte>(&w, QString("CarteChienAvantEcart%1").arg(i)),
                                  jeu->donne.chienInitial[i]));
            EXPECT_TRUE(memeCarte(enfant<PetiteCarte>(&w, QString("CarteChienApresEcart%1").arg(i)),
                                  jeu->donne.chien[i]));
        }

        // Each yellow frame surrounds, among West's dealt hand and the dog, the card discarded.
        for (int i = 1; i <= 6; ++i) {
            auto* cadre = enfant<CadreCarte>(&w, QString("CadreEcart%1").arg(i));
            ASSERT_TRUE(cadre->isVisible()) << i;
            EXPECT_EQ(cadre->couleur(), QColor(255, 255, 0));
            const QRect interieur = cadre->geometry().adjusted(2, 2, -2, -2);
            const PetiteCarte* encadree = nullptr;
            for (PetiteCarte* c : w.findChildren<PetiteCarte*>()) {
                const QRect r(c->mapTo(&w, QPoint(0, 0)), c->size());
                if (r == interieur && c->parentWidget() != apres) encadree = c;
            }
            ASSERT_NE(encadree, nullptr) << i;
            EXPECT_TRUE(memeCarte(encadree, jeu->donne.chien[i])) << i;
            EXPECT_TRUE(encadree->parentWidget() == ouest || encadree->parentWidget() == avant) << i;
        }
        for (QWidget* c : w.findChildren<QWidget*>())
            if (c->parentWidget() == &w) {
                EXPECT_TRUE(w.rect().contains(c->geometry())) << c->objectName().toStdString();
            }
    }
}

TEST_F(Revue, GardeSansShowsNoDiscardNorFrames) {
    finirDonne(*jeu, EST, GARDE_SANS);
    TfrmMains w(*jeu, 1.0);
    w.ouvrir();
    EXPECT_TRUE(enfant(&w, "PanelChienAvantEcart")->isVisible());
    EXPECT_FALSE(enfant(&w, "PanelChienApresEcart")->isVisible());
    for (int i = 1; i <= 6; ++i) EXPECT_FALSE(enfant(&w, QString("CadreEcart%1").arg(i))->isVisible()) << i;
    // A later deal under Prise brings them back.
    finirDonne(*jeu, SUD, PRISE);
    w.ouvrir();
    EXPECT_TRUE(enfant(&w, "PanelChienApresEcart")->isVisible());
    for (int i = 1; i <= 6; ++i) EXPECT_TRUE(enfant(&w, QString("CadreEcart%1").arg(i))->isVisible()) << i;
    QTest::mouseClick(enfant(&w, "PanelMainsOK"), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}

// The previous trick.

TEST_F(Revue, ThePreviousTrickAfterTheEighteenthShowsTrick18) {
    for (int langue : langues) {
        jeu->options.langue = langue;
        TfrmPliPrecedent w(*jeu, 1.0);
        EXPECT_EQ(w.windowTitle(), qs(Texte::frmPliPrecedent, langue));
        w.afficherPliPrecedent();
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.pliMontre(), 18);
        for (int s = 1; s <= 4; ++s) {
            auto* c = enfant<ImageCarte>(&w, QString("cardPreviousTrick%1").arg(s));
            EXPECT_EQ(c->couleurCarte(), jeu->donne.mainJoueur[s][1].couleur);
            EXPECT_EQ(c->valeurCarte(), jeu->donne.mainJoueur[s][1].valeur);
            EXPECT_EQ(c->size(), QSize(90, 150));
        }
        // As on the table: South below North, East right of West.
        auto place = [&](int s) { return enfant(&w, QString("cardPreviousTrick%1").arg(s))->geometry(); };
        EXPECT_EQ(place(SUD).x(), place(NORD).x());
        EXPECT_GT(place(SUD).y(), place(NORD).bottom());
        EXPECT_EQ(place(EST).y(), place(OUEST).y());
        EXPECT_GT(place(EST).x(), place(SUD).right());
        EXPECT_LT(place(OUEST).right(), place(SUD).x());
        QTest::mouseClick(enfant(&w, "ButtonOkPreviousTrick"), Qt::LeftButton);
        EXPECT_FALSE(w.isVisible());

        jeu->donne.numeroPli = 7;
        w.afficherPliPrecedent();
        EXPECT_EQ(w.pliMontre(), 6);
        w.hide();
        jeu->donne.numeroPli = 1;  // nothing collected yet: nothing opens
        w.afficherPliPrecedent();
        EXPECT_FALSE(w.isVisible());
        jeu->donne.numeroPli = 19;
    }
}

// The detailed score sheet.

int nombreDuResultat(const Jeu& jeu) {
    const std::string& t = jeu.scores.texteResultat;
    const std::string prefixe = texte(Texte::resultatDuPreneur, jeu.options.langue);
    EXPECT_EQ(t.compare(0, prefixe.size(), prefixe), 0) << t;
    return std::stoi(t.substr(prefixe.size()));
}

TEST_F(Revue, TheSheetEndsOnTheResultTextsNumber) {
    struct Cas {
        int contrat, aFaire, demiPoints, petit, poignee, preneur;
        int attendu;  // worked out by hand
    };
    const Cas cas[] = {
        {GARDE, 41, 90, 2, 0, SUD, 114},           // (4 + 25 - 10) x 2 x 3
        {PRISE, 56, 100, 0, 0, EST, -93},          // (-6 - 25) x 3
        {GARDE_CONTRE, 36, 60, 0, 3, SUD, -678},   // ((-6 - 25) x 6 - 40) x 3
        {GARDE, 51, 96, 1, 0, NORD, -108},         // (-3 + 10 - 25) x 2 x 3
        {GARDE_SANS, 41, 82, 0, 1, OUEST, 360},    // (0 + 25) x 4 + 20, x 3
        {PRISE, 41, 81, 1, 2, SUD, -138},          // 40 points: ((-1 + 10 - 25) x 1 - 30) x 3
    };
    for (int langue : langues) {
        jeu->options.langue = langue;
        TfrmScoreDetaille w(*jeu, 1.0);
        for (const Cas& c : cas) {
            Donne& d = jeu->donne;
            d.preneur = c.preneur;
            d.enchere.remplir(PASSE);
            d.enchere[c.preneur] = c.contrat;
            d.pointsAFaire = c.aFaire;
            d.pointsPreneur = c.demiPoints;
            d.petitAuBout = c.petit;
            d.poigneeHumain = c.poignee;
            d.boutsPreneur = c.aFaire == 56 ? 0 : c.aFaire == 51 ? 1 : c.aFaire == 41 ? 2 : 3;
            finDeDonne(*jeu);
            w.ouvrir();
            const int resultat = nombreDuResultat(*jeu);
            EXPECT_EQ(texteDe(&w, "panelScoreFinalPreneur"), QString::number(resultat)) << c.contrat << " " << langue;
            EXPECT_EQ(resultat, c.attendu);
            EXPECT_EQ(texteDe(&w, "cardinalPreneur"), QString::fromStdString(nomJoueur(c.preneur, langue)));
            EXPECT_EQ(texteDe(&w, "panelNbBouts"), QString::number(d.boutsPreneur));
            EXPECT_EQ(texteDe(&w, "panelContrat"), QString::number(c.aFaire));
            for (const char* n : {"panelSensPrimePetit", "panelPrimePetit", "panelEgal2", "panelScoreApresPetit",
                                  "panelDefPrimePetit"})
                EXPECT_EQ(enfant(&w, n)->isVisible(), c.petit != 0) << n;
            for (const char* n : {"panelSensPoignee", "panelValeurPoignee", "panelEgal5", "panelScoreApresPoignee",
                                  "panelDefPrimePoignee"})
                EXPECT_EQ(enfant(&w, n)->isVisible(), c.poignee != 0) << n;
        }
    }
}

TEST_F(Revue, AFailedGardeContreWithAHandfulLine) {
    Donne& d = jeu->donne;
    d.preneur = SUD;
    d.enchere[SUD] = GARDE_CONTRE;
    d.pointsAFaire = 36;
    d.pointsPreneur = 60;
    d.petitAuBout = 0;
    d.poigneeHumain = 3;
    d.boutsPreneur = 3;
    TfrmScoreDetaille w(*jeu, 1.0);
    w.ouvrir();
    const std::pair<const char*, const char*> lignes[] = {
        {"panelPointsRealises", "30"}, {"panelMoins", "-"},      {"panelContrat", "36"},
        {"panelEgal1", "="},           {"panelAuDessusContrat", "-6"}, {"panelSigneGain", "-"},
        {"panelConstContrat", "25"},   {"panelScoreTmp", "-31"}, {"panelX", "X"},
        {"panelCoefficientEnchere", "6"}, {"panelScoreApresEnchere", "-186"}, {"panelSensPoignee", "-"},
        {"panelValeurPoignee", "40"},  {"panelScoreApresPoignee", "-226"}, {"panelX3", "X 3 ="},
        {"panelScoreFinalPreneur", "-678"},
    };
    for (const auto& [nom, attendu] : lignes) EXPECT_EQ(texteDe(&w, nom), attendu) << nom;
    // Colours of the sheet.
    auto fond = [&](const char* n) { return enfant<QLabel>(&w, n)->palette().color(QPalette::Window); };
    EXPECT_EQ(fond("panelScoreTmp"), QColor(0x7E, 0xE2, 0xE2));
    EXPECT_EQ(fond("panelCoefficientEnchere"), QColor(0x81, 0xBF, 0xE9));
    EXPECT_EQ(fond("cardinalPreneur"), QColor(0x81, 0xBF, 0xE9));
    EXPECT_EQ(fond("panelPrimePetit"), QColor(0x77, 0xF2, 0xBE));
    EXPECT_EQ(fond("panelValeurPoignee"), QColor(0x83, 0xE7, 0x9E));
    EXPECT_EQ(fond("panelScoreFinalPreneur"), QColor(0xFF, 0x80, 0x80));
    EXPECT_EQ(fond("panelEgal3"), QColor(0xEB, 0xEB, 0x94));
    EXPECT_EQ(fond("panelDefContrat"), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(enfant<QLabel>(&w, "panelScoreTmp")->font().pixelSize(), 27);
    QTest::mouseClick(enfant(&w, "panelFeuilleScore"), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(Revue, TheSheetsLabelsInEachLanguage) {
    struct Cas {
        const char* nom;
        const char* fr;
        const char* en;
    };
    const Cas cas[] = {{"panelPreneur", "PRENEUR", "TAKER"},
                       {"panelPoints", "Points réalisés", "Points"},
                       {"panelDefContrat", "CONTRAT", "CONTRACT"},
                       {"panelDefPrimePetit", "Prime du Petit au bout", "Bonus : Petit in the last trick"},
                       {"panelDefNbBouts", "Nombre de BOUTS", "Oudlers nubmer"},
                       {"panelDefPrimePoignee", "Prime de Poignée", "Bonus of Poignee"},
                       {"buttonImprimer", "IMPRIMER", "PRINT"},
                       {"panelFeuilleScore", "OK", "OK"}};
    jeu->donne.preneur = NORD;
    jeu->donne.enchere[NORD] = PRISE;
    TfrmScoreDetaille w(*jeu, 1.0);
    w.remplirFeuilleScore();
    EXPECT_EQ(w.windowTitle(), "Score détaillé de la partie");
    for (const Cas& c : cas) EXPECT_EQ(texteDe(&w, c.nom), QString::fromUtf8(c.fr)) << c.nom;
    EXPECT_EQ(texteDe(&w, "cardinalPreneur"), "NORD");
    // The language switch calls the window by name.
    ASSERT_TRUE(QMetaObject::invokeMethod(&w, "ecrireTextes", Q_ARG(int, ANGLAIS)));
    EXPECT_EQ(w.windowTitle(), "Score of this deal");
    for (const Cas& c : cas) EXPECT_EQ(texteDe(&w, c.nom), QString::fromUtf8(c.en)) << c.nom;
    EXPECT_EQ(texteDe(&w, "cardinalPreneur"), "NORTH");
}

// The colour buttons.

TEST_F(Revue, EachColourButtonRecoloursItsWindowAndSavesItsOption) {
    TfrmTousPlis plis(*jeu, 1.0);
    TfrmMains mains(*jeu, 1.0);
    TfrmScoreDetaille scores(*jeu, 1.0);
    struct Cas {
        QDialog* w;
        std::function<void(const QColor&)> changer;
        Couleur Options::*option;
        const char* valeur;
    };
    const Cas cas[] = {
        {&plis, [&](const QColor& c) { plis.changerCouleur(c); }, &Options::optionCouleurFondEcranPlis,
         "optionCouleurFondEcranPlis"},
        {&mains, [&](const QColor& c) { mains.changerCouleur(c); }, &Options::optionCouleurFondEcranMains,
         "optionCouleurFondEcranMains"},
        {&scores, [&](const QColor& c) { scores.changerCouleur(c); }, &Options::optionCouleurFondEcranScores,
         "optionCouleurFondEcranScores"}};
    for (const Cas& c : cas) {
        EXPECT_NE(enfant<QToolButton>(c.w, "SBColor"), nullptr);
        EXPECT_EQ(c.w->palette().color(QPalette::Window), QColor(128, 128, 128));
        const int avant = magasin.nbValidations;
        c.changer(QColor(10, 20, 30));
        EXPECT_EQ(jeu->options.*c.option, 0x1E140Au) << c.valeur;
        EXPECT_EQ(c.w->palette().color(QPalette::Window), QColor(10, 20, 30));
        EXPECT_EQ(magasin.nbValidations, avant + 1);
        EXPECT_EQ(magasin.valeurs[c.valeur].octets, std::string("\x0A\x14\x1E\x00", 4)) << c.valeur;
    }
    // A cancelled dialog changes nothing but still saves.
    const int avant = magasin.nbValidations;
    plis.changerCouleur(QColor());
    EXPECT_EQ(jeu->options.optionCouleurFondEcranPlis, 0x1E140Au);
    EXPECT_EQ(magasin.nbValidations, avant + 1);
}

// The main window's hooks.

TEST_F(Revue, TheMainWindowOpensAndHidesTheReviewWindows) {
    TfrmBelvane fenetre(*jeu, 1.0);
    fenetre.montrerResultat("Résultat du Preneur : 114 points.");
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    struct Cas {
        const char* bouton;
        QWidget* revue;
    };
    const Cas cas[] = {{"PanelVoirPlis", fenetre.frmTousPlis()},
                       {"PanelVoirMains", fenetre.frmMains()},
                       {"PanelScoreDetaille", fenetre.frmScoreDetaille()}};
    for (const Cas& c : cas) {
        ASSERT_NE(c.revue, nullptr) << c.bouton;
        EXPECT_FALSE(c.revue->isVisible());
        QTest::mouseClick(enfant(&fenetre, c.bouton), Qt::LeftButton);
        EXPECT_TRUE(c.revue->isVisible()) << c.bouton;
    }
    fenetre.activerPliPrecedent(true);
    fenetre.findChild<QAction*>("menuPreviousTrick")->trigger();
    EXPECT_TRUE(fenetre.frmPliPrecedent()->isVisible());
    EXPECT_EQ(fenetre.frmPliPrecedent()->pliMontre(), 18);

    fenetre.frmTousPlis()->PanelPasApasClick();
    ASSERT_TRUE(fenetre.frmTousPlis()->replayEnCours());
    fenetre.effacerTable();
    for (QWidget* w : std::initializer_list<QWidget*>{fenetre.frmTousPlis(), fenetre.frmMains(),
                                                      fenetre.frmScoreDetaille(), fenetre.frmPliPrecedent()})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    // The new deal stops the replay of the last one's tricks with their window.
    EXPECT_FALSE(fenetre.frmTousPlis()->replayEnCours());
    fenetre.frmTousPlis()->ouvrir();
    EXPECT_FALSE(fenetre.frmTousPlis()->replayEnCours());
}

// Printing.

TEST(Impression, ThePictureIsStretchedIntoTheRectangle) {
    QImage page(300, 300, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPixmap image(20, 10);
    image.fill(QColor(200, 0, 0));
    QPainter p(&page);
    dessinerPage(p, image, rectanglePage(50, 60, 150, 100));
    p.end();
    EXPECT_EQ(rectanglePage(500, 500, 2500, 1780), QRect(500, 500, 2000, 1280));
    EXPECT_EQ(page.pixelColor(50, 60), QColor(200, 0, 0));
    EXPECT_EQ(page.pixelColor(149, 99), QColor(200, 0, 0));
    EXPECT_EQ(page.pixelColor(100, 80), QColor(200, 0, 0));
    for (QPoint dehors : {QPoint(49, 60), QPoint(50, 59), QPoint(150, 99), QPoint(149, 100)})
        EXPECT_EQ(page.pixelColor(dehors), QColor(Qt::white)) << dehors.x() << "," << dehors.y();
}

// The PDF page as an image at a tenth of the page's resolution.
QImage pageEnImage(const QString& pdf, const QString& dossier) {
    const QString base = QDir(dossier).filePath("page");
    QProcess::execute("pdftoppm", {"-r", QString::number(resolutionPage / 10), "-png", "-singlefile", pdf, base});
    return QImage(base + ".png");
}

TEST_F(Revue, EachPrintButtonPutsItsWindowInItsRectangleOfAPdfPage) {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) GTEST_SKIP() << "pdftoppm is not installed";
    TfrmTousPlis plis(*jeu, 1.0);
    TfrmMains mains(*jeu, 1.0);
    TfrmScoreDetaille scores(*jeu, 1.0);
    plis.ouvrir();
    mains.ouvrir();
    scores.ouvrir();
    plis.PanelEffacerClick();
    plis.timerTousPlisTimer();  // the print shows what the replay shows: one card
    struct Cas {
        QWidget* w;
        const char* bouton;
        QRect rectangle;
    };
    const Cas cas[] = {{&plis, "buttonImprimerPlis", QRect(500, 500, 2000, 1280)},
                       {&mains, "buttonImprimerMains", QRect(300, 300, 2100, 1275)},
                       {&scores, "buttonImprimer", QRect(500, 500, 2000, 1600)}};
    for (const Cas& c : cas) {
        QTemporaryDir dossier;
        const QString pdf = dossier.filePath("page.pdf");
        redirigerImpression(pdf);
        QTest::mouseClick(enfant(c.w, c.bouton), Qt::LeftButton);
        redirigerImpression(QString());
        ASSERT_TRUE(QFile::exists(pdf)) << c.bouton;
        const QImage page = pageEnImage(pdf, dossier.path());
        ASSERT_FALSE(page.isNull()) << c.bouton;
        EXPECT_NEAR(page.width(), 298, 1);  // A4 at 36 dots per inch
        EXPECT_NEAR(page.height(), 421, 1);

        const QRect r(c.rectangle.x() / 10, c.rectangle.y() / 10, c.rectangle.width() / 10,
                      c.rectangle.height() / 10);
        for (QPoint dehors : {r.topLeft() - QPoint(3, 3), r.bottomRight() + QPoint(3, 3),
                              QPoint(r.center().x(), r.top() - 3), QPoint(r.right() + 3, r.center().y())})
            EXPECT_EQ(page.pixelColor(dehors), QColor(Qt::white)) << c.bouton;
        // Inside, the window's picture at that size: compared by blocks of 6 x 6
        // pixels, as the two resamplings differ in the fine detail of the cards.
        const QImage attendue =
            c.w->grab().toImage().scaled(r.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage imprimee = page.copy(r);
        auto moyenne = [](const QImage& im, int x0, int y0) {
            int rgb[3] = {0, 0, 0};
            for (int y = y0; y < y0 + 6; ++y)
                for (int x = x0; x < x0 + 6; ++x) {
                    const QColor k = im.pixelColor(x, y);
                    rgb[0] += k.red();
                    rgb[1] += k.green();
                    rgb[2] += k.blue();
                }
            return std::array<int, 3>{rgb[0] / 36, rgb[1] / 36, rgb[2] / 36};
        };
        long ecart = 0;
        int blocs = 0;
        for (int y = 0; y + 6 <= r.height(); y += 6)
            for (int x = 0; x + 6 <= r.width(); x += 6) {
                const auto a = moyenne(attendue, x, y), b = moyenne(imprimee, x, y);
                for (int k = 0; k < 3; ++k) ecart += std::abs(a[k] - b[k]);
                ++blocs;
            }
        EXPECT_LT(double(ecart) / (3.0 * blocs), 8.0) << c.bouton;
    }
}

TEST_F(Revue, WithNoPrinterThePlayerMaySaveThePageAsPdf) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed";
    TfrmScoreDetaille w(*jeu, 1.0);
    w.ouvrir();
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath("feuille.pdf");
    for (bool oui : {false, true}) {
        QString question;
        QTimer reponse;
        reponse.setInterval(20);
        int tours = 0;
        QObject::connect(&reponse, &QTimer::timeout, [&] {
            QWidget* modale = QApplication::activeModalWidget();
            if (++tours > 250 && modale) {  // never hang on a dialog that will not do as told
                modale->close();
                return;
            }
            if (auto* m = qobject_cast<QMessageBox*>(modale)) {
                question = m->text();
                m->button(oui ? QMessageBox::Yes : QMessageBox::No)->click();
            } else if (auto* f = qobject_cast<QFileDialog*>(modale)) {
                // The dialog loads a folder before it takes a name in it.
                const QString voulu = dossier.filePath("feuille");
                if (f->directory().absolutePath() != QDir(dossier.path()).absolutePath())
                    f->setDirectory(dossier.path());
                else if (f->selectedFiles().value(0) != voulu) {
                    if (auto* nom = f->findChild<QLineEdit*>("fileNameEdit")) nom->setText("feuille");
                } else {
                    QMetaObject::invokeMethod(f, "accept");
                }
            }
        });
        reponse.start();
        w.buttonImprimerClick();
        reponse.stop();
        EXPECT_EQ(question, qs(Texte::pasDImprimante, FRANCAIS));
        // The suffix is added when the player leaves it out.
        EXPECT_EQ(QFile::exists(pdf), oui);
    }
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(4) == "%PDF");
}


// Sets an environment variable for the life of the object.
class Environnement {
public:
    Environnement(const char* nom, const QByteArray& valeur)
        : nom_(nom), avant_(qgetenv(nom)), existait_(qEnvironmentVariableIsSet(nom)) {
        qputenv(nom, valeur);
    }
    ~Environnement() {
        if (existait_) qputenv(nom_, avant_);
        else qunsetenv(nom_);
    }

private:
    const char* nom_;
    QByteArray avant_;
    bool existait_;
};

// With no printer, the save dialog opens in the player's documents folder, or
// his home folder when he has none, never in the program's working folder,
// and offers a name that says which window is printed, in his language.
TEST_F(Revue, ThePdfIsOfferedInTheDocumentsFolderUnderANameSayingWhatIsPrinted) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed";
    QTemporaryDir maison;
    const Environnement home("HOME", QFile::encodeName(maison.path()));
    const Environnement config("XDG_CONFIG_HOME", QFile::encodeName(maison.filePath(".config")));
    const QString documents = QDir(maison.path()).filePath("Documents");
    TfrmTousPlis plis(*jeu, 1.0);
    TfrmMains mains(*jeu, 1.0);
    TfrmScoreDetaille scores(*jeu, 1.0);
    struct Cas {
        QWidget* w;
        const char* bouton;
        Texte nom;
    };
    const Cas cas[] = {{&plis, "buttonImprimerPlis", Texte::pdfTousPlis},
                       {&mains, "buttonImprimerMains", Texte::pdfMains},
                       {&scores, "buttonImprimer", Texte::pdfScoreDetaille}};
    EXPECT_EQ(qs(Texte::pdfMains, FRANCAIS), "Belvane - les 4 mains et le chien");
    EXPECT_EQ(qs(Texte::pdfTousPlis, ANGLAIS), "Belvane - the 18 tricks");
    for (bool avecDocuments : {true, false}) {
        if (avecDocuments) ASSERT_TRUE(QDir().mkpath(documents));
        else ASSERT_TRUE(QDir(documents).removeRecursively());
        const QString dossierVoulu = avecDocuments ? documents : maison.path();
        for (int langue : langues)
            for (const Cas& c : cas) {
                jeu->options.langue = langue;
                const QString voulu = QDir(dossierVoulu).filePath(qs(c.nom, langue) + ".pdf");
                QString dossier, fichier;
                QTimer reponse;
                reponse.setInterval(20);
                int tours = 0;
                QObject::connect(&reponse, &QTimer::timeout, [&] {
                    QWidget* modale = QApplication::activeModalWidget();
                    if (auto* m = qobject_cast<QMessageBox*>(modale)) {
                        m->button(QMessageBox::Yes)->click();
                    } else if (auto* f = qobject_cast<QFileDialog*>(modale)) {
                        // The dialog loads its folder before it shows the name in it.
                        dossier = f->directory().absolutePath();
                        fichier = f->selectedFiles().value(0);
                        if (fichier == voulu || ++tours > 50) f->reject();
                    } else if (modale && ++tours > 250) {
                        modale->close();
                    }
                });
                reponse.start();
                QTest::mouseClick(enfant(c.w, c.bouton), Qt::LeftButton);
                reponse.stop();
                EXPECT_EQ(dossier.toStdString(), QDir(dossierVoulu).absolutePath().toStdString()) << c.bouton;
                EXPECT_EQ(fichier.toStdString(), voulu.toStdString()) << c.bouton;
            }
    }
    EXPECT_TRUE(QDir(maison.path()).entryList(QDir::Files).isEmpty()) << "a cancelled dialog wrote nothing";
}

}  // namespace
