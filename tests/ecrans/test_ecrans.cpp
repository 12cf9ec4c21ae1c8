// The windows on the screen this process was given: ctest runs these tests
// once per offscreen screen (800 x 600 up to 2560 x 1440, and one at a device
// pixel ratio of 2), and each run checks the same promises: every window lies
// inside the available area with its buttons, the table takes the largest
// scale that fits and sits centred, cards keep the shape of real cards and are
// painted at the size shown, and a resize in the middle of a deal moves the
// cards without touching the deal.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <memory>

#include "engine/arrondi.h"
#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "flow/poignee.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "peintre/dessin.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fMains/fmains.h"
#include "ui/fPliPrecedent/fpliprecedent.h"
#include "ui/fPoignee/fpoignee.h"
#include "ui/fScoreDetaille/fscoredetaille.h"
#include "ui/fSplash/fsplash.h"
#include "ui/fTousPlis/ftousplis.h"

namespace {

QRect zone() { return QGuiApplication::primaryScreen()->availableGeometry(); }

std::string nom(const QWidget* w) { return w->objectName().toStdString(); }

// The window lies inside the available area, and would still with the title
// bar and borders a desktop adds; every visible control lies inside it.
void toutEstDedans(QWidget* fenetre, bool placePourLeCadre = true) {
    SCOPED_TRACE(nom(fenetre));
    EXPECT_TRUE(zone().contains(fenetre->frameGeometry())) << "window " << fenetre->frameGeometry().width() << "x"
                                                            << fenetre->frameGeometry().height();
    if (placePourLeCadre) {
        EXPECT_LE(fenetre->width() + 16, zone().width());
        EXPECT_LE(fenetre->height() + 44, zone().height());
    }
    for (QWidget* c : fenetre->findChildren<QWidget*>()) {
        if (c->parentWidget() != fenetre || !c->isVisibleTo(fenetre)) continue;
        EXPECT_TRUE(fenetre->rect().contains(c->geometry())) << nom(c);
    }
}

// Height and width of a card as 150 to 90, within a pixel.
void formeDeCarte(const QWidget* carte) {
    EXPECT_LE(std::abs(carte->height() - carte->width() * 150.0 / 90.0), 1.0)
        << nom(carte) << " " << carte->width() << "x" << carte->height();
}

// A finished deal: seat s holds cards (s - 1) x 18 + 1 .. s x 18 of the pack,
// plays them from the right; West took at Garde.
void finirDonne(Jeu& jeu) {
    Donne& d = jeu.donne;
    for (int s = 1; s <= 4; ++s)
        for (int k = 1; k <= 18; ++k) {
            d.mainJoueur[s][k] = jeu.paquet[(s - 1) * 18 + k];
            d.mainJoueur[s][k].enMain = false;
            d.mainInitiale[s][k] = d.mainJoueur[s][k];
            d.carteJouee[s][k] = 19 - k;
        }
    for (int i = 1; i <= 6; ++i) d.chienInitial[i] = d.chien[i] = jeu.paquet[72 + i];
    for (int t = 1; t <= 18; ++t) d.entameurPli[t] = t % 4 + 1;
    d.preneur = OUEST;
    d.enchere.remplir(PASSE);
    d.enchere[OUEST] = GARDE;
    for (int i = 1; i <= 6; ++i) d.origineEcart[i] = 18 + i;
    d.numeroPli = 19;
}

class Ecran : public ::testing::Test {
protected:
    void SetUp() override {
        jeu = std::make_unique<Jeu>();
        facteur = TfrmBelvane::facteurEcran(QGuiApplication::primaryScreen());
        fenetre = std::make_unique<TfrmBelvane>(*jeu, facteur);
        jeu->finDeDonne = finDeDonne;
    }
    void montrer() {
        fenetre->montrerFenetre();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
        QApplication::processEvents();
    }
    template <typename T = QWidget>
    T* controle(const QString& n) {
        T* c = fenetre->findChild<T*>(n);
        EXPECT_NE(c, nullptr) << n.toStdString();
        return c;
    }

    std::unique_ptr<Jeu> jeu;
    double facteur = 1;
    std::unique_ptr<TfrmBelvane> fenetre;
};

TEST_F(Ecran, TheScreensScaleIsTheSmallerOfItsTwoRatios) {
    const QRect z = zone();
    EXPECT_DOUBLE_EQ(facteur, std::min(z.width() / 800.0, z.height() / 600.0));
    // The window opens at that scale: an 800 x 600 design that fits the screen.
    EXPECT_LE(fenetre->width(), z.width());
    EXPECT_LE(fenetre->height(), z.height());
    EXPECT_DOUBLE_EQ(fenetre->echelle(), facteur);
    EXPECT_EQ(jeu->disposition.largeurCarte, arrondi(90 * facteur));
    EXPECT_EQ(jeu->disposition.hauteurCarte, arrondi(150 * facteur));
}

TEST_F(Ecran, MaximisedTheTableTakesTheLargestScaleAndSitsCentred) {
    montrer();
    EXPECT_TRUE(fenetre->isMaximized());
    toutEstDedans(fenetre.get(), false);

    QWidget* tapis = fenetre->tapis();
    QWidget* info = controle("panelBarreInfo");
    const double e = fenetre->echelle();
    const Cadrage c = fenetre->cadrage();
    // The table touches the client area on one axis and is centred on both.
    const int resteX = tapis->width() - largeurTable(e) - 2 * c.gauche;
    const int resteY = tapis->height() - hauteurTable(e) - 2 * c.haut;
    EXPECT_GE(resteX, -1);
    EXPECT_LE(resteX, 1);
    EXPECT_GE(resteY, -1);
    EXPECT_LE(resteY, 1);
    // The largest scale: a little more and the table would no longer fit.
    const double plus = e * 1.01;
    EXPECT_TRUE(largeurTable(plus) > tapis->width() || hauteurTable(plus) > tapis->height()) << e;
    // The information bar is across the bottom, under the cloth.
    EXPECT_EQ(info->geometry().top(), tapis->geometry().bottom() + 1);
    EXPECT_EQ(info->geometry().bottom(), info->parentWidget()->height() - 1);
    EXPECT_EQ(info->width(), tapis->width());

    // Every control of the table inside the cloth, at the one scale.
    for (const char* n : {"TableRonde", "BarreEnchere", "PanelResultat", "PanneauScores", "PanelDeductions",
                          "PanelBarreOutils", "PanelLancement", "PanelConfirmeEcart", "PanelPoignee"}) {
        QWidget* w = controle(n);
        EXPECT_TRUE(tapis->rect().contains(w->geometry())) << n;
    }
    EXPECT_EQ(controle("TableRonde")->geometry(),
              QRect(c.gauche + arrondi(215 * e), c.haut + arrondi(2 * e), arrondi(352 * e), arrondi(341 * e)));

    // The hand, the 24 cards of the discard and the dog: inside, of a card's shape.
    initialiserPartie(*jeu);
    afficherMain(*jeu);
    for (int k = 1; k <= 18; ++k) {
        QWidget* carte = controle(QString("Carte3D%1").arg(k));
        EXPECT_TRUE(tapis->rect().contains(carte->geometry())) << k;
        formeDeCarte(carte);
    }
    const Disposition& d = jeu->disposition;
    for (int p = 1; p <= 24; ++p)
        fenetre->placerCarteEcart(p, (p - 1) * d.pasMainEcart + d.margeMain, d.hautMain - 3, jeu->paquet[p],
                                  Curseur::Main);
    for (int p = 1; p <= 24; ++p) {
        const QRect r = controle(QString("Carte3D%1").arg(p))->geometry();
        EXPECT_TRUE(tapis->rect().contains(r)) << p << " " << r.x() << "," << r.y() << " " << r.width() << "x"
                                               << r.height() << " in " << tapis->width() << "x" << tapis->height();
    }
    for (int s = 1; s <= 4; ++s) formeDeCarte(controle(QString("CarteTable%1").arg(s)));
}

TEST_F(Ecran, AStoredWindowLargerThanTheScreenComesBackInside) {
    jeu->options.fenetreGauche = -400;
    jeu->options.fenetreHaut = zone().bottom() + 500;
    jeu->options.fenetreLargeur = zone().width() * 2;
    jeu->options.fenetreHauteur = zone().height() + 300;
    jeu->options.fenetreEtat = 0;
    montrer();
    EXPECT_FALSE(fenetre->isMaximized());
    const QRect f = fenetre->frameGeometry();
    EXPECT_TRUE(zone().contains(f)) << f.x() << "," << f.y() << " " << f.width() << "x" << f.height();
    // And the window's place is noted again for the store (the platform may
    // count the frame's few pixels or not).
    EXPECT_EQ(jeu->options.fenetreLargeur, fenetre->width());
    EXPECT_NEAR(jeu->options.fenetreHaut, fenetre->y(), 4);
    EXPECT_TRUE(zone().contains(QRect(jeu->options.fenetreGauche, jeu->options.fenetreHaut,
                                      jeu->options.fenetreLargeur, jeu->options.fenetreHauteur)));
}

TEST_F(Ecran, FullScreenAndBackByTheMenuItem) {
    montrer();
    QAction* item = controle<QAction>("menuPleinEcran");
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F11));
    item->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(fenetre->isFullScreen());
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(jeu->options.fenetreEtat, 2);
    item->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(fenetre->isFullScreen());
    EXPECT_TRUE(fenetre->isMaximized());
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(jeu->options.fenetreEtat, 1);
}

TEST_F(Ecran, EverySecondaryWindowFitsWithItsButtons) {
    finirDonne(*jeu);
    fenetre->frmTousPlis()->ouvrir();
    fenetre->frmMains()->ouvrir();
    fenetre->frmScoreDetaille()->ouvrir();
    fenetre->frmPliPrecedent()->afficherPliPrecedent();
    for (QWidget* w : std::initializer_list<QWidget*>{fenetre->frmTousPlis(), fenetre->frmMains(),
                                                      fenetre->frmScoreDetaille(), fenetre->frmPliPrecedent()}) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w)) << nom(w);
        toutEstDedans(w);
    }
    // The eighteen tricks, East's card of the last column included.
    for (int i = 1; i <= 72; ++i) {
        QWidget* c = fenetre->frmTousPlis()->findChild<QWidget*>(QString("CartePli%1").arg(i));
        EXPECT_TRUE(fenetre->frmTousPlis()->rect().contains(c->geometry())) << i;
    }
    for (int s = 1; s <= 4; ++s)
        formeDeCarte(fenetre->frmPliPrecedent()->findChild<QWidget*>(QString("cardPreviousTrick%1").arg(s)));
}

TEST_F(Ecran, TheHandfulWindowOfEighteenTrumpsFits) {
    TfrmPoignee poignee(*jeu, facteur);
    fenetre->attacherPoignee(&poignee);
    montrer();
    Donne& d = jeu->donne;
    for (int k = 1; k <= 18; ++k) d.mainJoueur[1][k] = carte(ATOUT, 22 - k);
    d.poigneeEnCours = 1;
    ouvrirPoignee(*jeu, 3);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&poignee));
    toutEstDedans(&poignee);
    for (int k = 1; k <= 18; ++k) {
        QWidget* c = poignee.findChild<QWidget*>(QString("CartePoignee%1").arg(k));
        EXPECT_TRUE(c->isVisible()) << k;
        formeDeCarte(c);
    }
    // Chosen cards rise inside the window too.
    PanelBoutonParesseuxClick(*jeu);
    toutEstDedans(&poignee);
    PanelAnnulerPoigneeClick(*jeu);
}

TEST_F(Ecran, TheSplashFits) {
    Jeu autre;
    TfrmSplash splash(autre);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    EXPECT_TRUE(zone().contains(splash.frameGeometry()));
    for (QWidget* c : splash.findChildren<QWidget*>())
        EXPECT_TRUE(c->parentWidget()->rect().contains(c->geometry())) << nom(c);
    EXPECT_LE(splash.echelle(), splash.facteur());
}

TEST_F(Ecran, CardsArePaintedAtTheSizeShownInDevicePixels) {
    montrer();
    fenetre->dessinerCarteTable(1, carte(ATOUT, 21));
    fenetre->dessinerCarteTable(2, carte(COEUR, ROI));
    // Once the size has settled after the last layout.
    QTest::qWait(ImageCarte::attentePeinture + 50);
    for (int s = 1; s <= 2; ++s) {
        auto* image = controle<ImageCarte>(QString("CarteTable%1").arg(s));
        const double densite = image->devicePixelRatioF();
        EXPECT_DOUBLE_EQ(densite, QGuiApplication::primaryScreen()->devicePixelRatio());
        const QImage vue = image->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QSize pixels(arrondi(image->width() * densite), arrondi(image->height() * densite));
        ASSERT_EQ(vue.size(), pixels);
        const QImage peinte = cartes::peindreCarte(image->couleurCarte(), image->valeurCarte(), pixels);
        // Away from the transparent rounded corners, the very pixels of the painter.
        const QRect milieu = QRect(QPoint(), pixels).adjusted(pixels.width() / 8, pixels.height() / 8,
                                                               -pixels.width() / 8, -pixels.height() / 8);
        int differents = 0;
        for (int y = milieu.top(); y <= milieu.bottom(); ++y)
            for (int x = milieu.left(); x <= milieu.right(); ++x)
                differents += vue.pixel(x, y) != peinte.pixel(x, y);
        EXPECT_EQ(differents, 0) << s;
    }
}

TEST_F(Ecran, AResizeMidDealKeepsTheDealAndMovesEveryCard) {
    jeu->options.optionVitesseJeuDeLaCarte = 5;
    appliquerOptions(*jeu);
    montrer();
    initialiserPartie(*jeu);
    nouvelleDonne(*jeu, 0);
    // The auction: the hand is down, the computers bid until the human's turn.
    for (int i = 0; i < 500 && !controle("BarreEnchere")->isVisible(); ++i) QTest::qWait(5);
    ASSERT_TRUE(controle("BarreEnchere")->isVisible());

    const Donne avant = jeu->donne;
    const std::uint32_t graine = jeu->hasard.graine;
    const Cadrage c0 = fenetre->cadrage();
    QPointF dessin[19];
    QRect places[19];
    for (int k = 1; k <= 18; ++k) {
        places[k] = controle(QString("Carte3D%1").arg(k))->geometry();
        dessin[k] = QPointF(places[k].x() - c0.gauche, places[k].y() - c0.haut) / c0.echelle;
    }

    // From maximised to a window of two thirds of the screen.
    fenetre->showNormal();
    fenetre->setGeometry(QRect(zone().topLeft() + QPoint(10, 10), zone().size() * 2 / 3));
    for (int i = 0; i < 100 && fenetre->cadrage() == c0; ++i) QTest::qWait(5);
    const Cadrage c1 = fenetre->cadrage();
    ASSERT_NE(c1, c0);

    for (int k = 1; k <= 18; ++k) {
        QWidget* carte = controle(QString("Carte3D%1").arg(k));
        EXPECT_TRUE(carte->isVisible()) << k;
        EXPECT_NE(carte->geometry(), places[k]) << k;
        EXPECT_EQ(carte->size(), QSize(arrondi(90 * c1.echelle), arrondi(150 * c1.echelle))) << k;
        EXPECT_NEAR(carte->x(), c1.gauche + dessin[k].x() * c1.echelle, 1.0) << k;
        EXPECT_NEAR(carte->y(), c1.haut + dessin[k].y() * c1.echelle, 1.0) << k;
        EXPECT_TRUE(fenetre->tapis()->rect().contains(carte->geometry())) << k;
    }
    EXPECT_EQ(jeu->disposition.largeurCarte, arrondi(90 * c1.echelle));
    EXPECT_TRUE(controle("BarreEnchere")->isVisible());

    // Not a card, a bid or a draw of the generator changed.
    EXPECT_EQ(jeu->hasard.graine, graine);
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(jeu->donne.enchere[s], avant.enchere[s]) << s;
        for (int k = 1; k <= 18; ++k) EXPECT_TRUE(jeu->donne.mainJoueur[s][k].memeCarte(avant.mainJoueur[s][k]));
    }
    for (int i = 1; i <= 6; ++i) EXPECT_TRUE(jeu->donne.chien[i].memeCarte(avant.chien[i]));
    EXPECT_EQ(jeu->donne.joueurCourant, avant.joueurCourant);

    // The deal goes on: the human passes and the auction ends as usual.
    QTest::mouseClick(controle("ButtonPasse"), Qt::LeftButton);
    EXPECT_EQ(jeu->donne.enchere[SUD], PASSE);
}

}  // namespace
