// The start sequence and the two languages and the handful
// window, with the windows built in the main routine's order.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>
#include <string>

#include "engine/disposition.h"
#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "settings/magasin_memoire.h"
#include "settings/options.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fPoignee/fpoignee.h"
#include "ui/fSplash/fsplash.h"
#include "ui/langue.h"

namespace {

// The windows as the main routine makes them: splash, handful, main window
// (hidden), with the options at their defaults and no store.
class Demarrage : public ::testing::Test {
protected:
    void SetUp() override {
        jeu = std::make_unique<Jeu>();
        jeu->paquet = Paquet{};
        splash = std::make_unique<TfrmSplash>(*jeu);
        poignee = std::make_unique<TfrmPoignee>(*jeu, splash->facteur());
        principale = std::make_unique<TfrmBelvane>(*jeu, splash->facteur());
        principale->attacherPoignee(poignee.get());
        chargerOptions(*jeu);
        initialiserPartie(*jeu);
        appliquerLangue(*jeu);
        appliquerOptions(*jeu);
        splash->attacherPrincipale(principale.get());
    }
    void TearDown() override {
        principale.reset();
        poignee.reset();
        splash.reset();
    }

    template <typename T = QWidget>
    T* dans(QWidget* fenetre, const char* nom) {
        T* c = fenetre->findChild<T*>(nom);
        EXPECT_NE(c, nullptr) << nom;
        return c;
    }
    QString texteBouton(QWidget* fenetre, const char* nom) { return dans<QAbstractButton>(fenetre, nom)->text(); }
    void cliquer(QWidget* fenetre, const char* nom) { QTest::mouseClick(dans(fenetre, nom), Qt::LeftButton); }

    // The text of the next modal message, which is then closed.
    void lireProchainMessage(QString* texte) {
        QTimer::singleShot(0, [texte] {
            if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                *texte = m->text();
                m->close();
            }
        });
    }

    std::unique_ptr<Jeu> jeu;
    std::unique_ptr<TfrmSplash> splash;
    std::unique_ptr<TfrmPoignee> poignee;
    std::unique_ptr<TfrmBelvane> principale;
};

// A damaged store is told only once the player has chosen his language, in
// that language, with the values reset and where the damaged file was kept.
TEST_F(Demarrage, TheStoresTroublesAreToldAfterTheLanguageChoiceInThatLanguage) {
    MagasinMemoire magasin;
    magasin.valeurs["verif"] = {Nature::Binaire, std::string(1, '\1')};
    magasin.valeurs["niveau"] = {Nature::Texte, "3"};
    magasin.valeurs["scoreTotal1"] = {Nature::Binaire, std::string("\xe8\x03\0\0", 4)};
    jeu->magasin = &magasin;
    QString avant;
    lireProchainMessage(&avant);
    chargerOptions(*jeu);
    QApplication::processEvents();
    EXPECT_TRUE(avant.isEmpty()) << avant.toStdString();
    EXPECT_EQ(jeu->scores.scoreTotal[1], 1000);
    EXPECT_EQ(jeu->options.niveau, 4);

    QString message;
    lireProchainMessage(&message);
    cliquer(splash.get(), "PanelStartEnglish");
    EXPECT_TRUE(message.startsWith(
        QString::fromStdString(texte(Texte::magasinValeursRemises, ANGLAIS) + "niveau, optionCouleurFondEcran")))
        << message.toStdString();
    EXPECT_TRUE(message.endsWith("memoire.endommage-1")) << message.toStdString();
    jeu->magasin = nullptr;
}

TEST_F(Demarrage, TheSplashComposesTheTitleTheKeyAndThePack) {
    EXPECT_EQ(jeu->identite.anneeVersion, "2010");
    EXPECT_EQ(jeu->identite.titreProgramme, "BELVANE 2010");
    EXPECT_EQ(jeu->identite.cleRegistre, "Software\\Oskaveri\\BELVANE 2010\\");
    EXPECT_TRUE(jeu->paquet[57].memeCarte(carte(ATOUT, EXCUSE)));
    EXPECT_TRUE(jeu->paquet[78].memeCarte(carte(ATOUT, 21)));
    EXPECT_TRUE(jeu->paquet[1].memeCarte(carte(PIQUE, 1)));
    EXPECT_EQ(dans<QLabel>(splash.get(), "lblCompanyProduct")->text(), "BELVANE 2010");
}

TEST_F(Demarrage, TheSplashHasNoBorderItsColoursAndTwoButtons) {
    EXPECT_EQ(splash->objectName(), "frmSplash");
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash->palette().color(QPalette::Window), QColor(48, 169, 139));
    EXPECT_NE(dans<QGroupBox>(splash.get(), "FrameSplash"), nullptr);
    EXPECT_FALSE(dans<QLabel>(splash.get(), "ImgLogo")->pixmap().isNull());
    EXPECT_FALSE(dans<QLabel>(splash.get(), "ImgLogo2")->pixmap().isNull());
    auto* avertissement = dans<QLabel>(splash.get(), "lblWarning");
    EXPECT_TRUE(avertissement->wordWrap());
    EXPECT_FALSE(avertissement->text().isEmpty());
    EXPECT_EQ(avertissement->palette().color(QPalette::Window), QColor(128, 255, 255));
    EXPECT_EQ(texteBouton(splash.get(), "PanelStartFrench"), QString::fromUtf8("Version française"));
    EXPECT_EQ(texteBouton(splash.get(), "PanelStartEnglish"), "English version");
    // The offscreen screen is 800 pixels wide at 96 dots per inch: the design size.
    EXPECT_DOUBLE_EQ(splash->facteur(), TfrmBelvane::facteurEcran(splash->screen()));
}

TEST_F(Demarrage, TheMainWindowWaitsHiddenInFrench) {
    EXPECT_FALSE(principale->isVisible());
    EXPECT_FALSE(poignee->isVisible());
    EXPECT_EQ(texteBouton(principale.get(), "ButtonPasse"), "PASSE");
    EXPECT_EQ(poignee->windowTitle(), QString::fromUtf8("Sélectionnez les cartes à mettre dans la Poignée !"));
    EXPECT_TRUE(textesSansControle().empty());
}

TEST_F(Demarrage, EnglishVersionHandsOverInEnglish) {
    cliquer(splash.get(), "PanelStartEnglish");
    EXPECT_EQ(jeu->options.langue, ANGLAIS);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(principale->isVisible());
    EXPECT_TRUE(texteBouton(principale.get(), "PanelLancement") == "Click here to start playing !");
    EXPECT_FALSE(dans(principale.get(), "PanelLancement")->isHidden());
    EXPECT_EQ(principale->windowTitle(), "BELVANE 2010");
    EXPECT_TRUE(qApp->property("fichierAide").toString().endsWith("/belvaneus.hlp"));

    const char* boutons[5] = {"ButtonPasse", "ButtonPrise", "ButtonGarde", "ButtonGardeSans", "ButtonGardeContre"};
    const char* anglais[5] = {"PASS", "TAKE", "GUARD", "GUARD WITHOUT", "GUARD AGAINST"};
    for (int e = 0; e <= 4; ++e) EXPECT_EQ(texteBouton(principale.get(), boutons[e]), anglais[e]);

    // The main window's hints and menus, with their typos.
    EXPECT_EQ(dans<QMenu>(principale.get(), "menuBelvane")->title(), "&Belvane");
    EXPECT_EQ(dans<QMenu>(principale.get(), "menuVoir")->title(), "Sho&w/Hide");
    EXPECT_EQ(dans<QMenu>(principale.get(), "menuForce")->title(), "&Strenght of Your Hand");
    EXPECT_EQ(dans<QMenu>(principale.get(), "menuAttenteEntreChaquePli")->title(), "&Laps time between each trick:");
    EXPECT_EQ(dans<QAction>(principale.get(), "menuPro")->text(), "&Pro");
    EXPECT_EQ(dans<QMenu>(principale.get(), "menuOptions")->title(), "&Options");
    EXPECT_EQ(dans<QAction>(principale.get(), "menuApropos")->text(), "&About");
    EXPECT_EQ(dans(principale.get(), "PanelDehorsCarreau")->toolTip(), "Number of Diamonds outside");
    EXPECT_EQ(dans(principale.get(), "SBAide")->toolTip(), "Belvane Help");
    EXPECT_EQ(dans<QLabel>(principale.get(), "PanelInfoDeductions")->text(), "Deductions");
    EXPECT_EQ(texteBouton(principale.get(), "PanelPoigneeAucune"), "NO ONE !");

    // The handful window's captions.
    EXPECT_EQ(poignee->windowTitle(), QString::fromUtf8("Choose cards to create your Poignée !"));
    EXPECT_EQ(texteBouton(poignee.get(), "PanelBoutonParesseux"), "Lazy button...");
    EXPECT_EQ(texteBouton(poignee.get(), "PanelOkPoignee"), "OK");
    EXPECT_EQ(texteBouton(poignee.get(), "PanelAnnulerPoignee"), QString::fromUtf8("Cancel the Poignée !"));
    EXPECT_TRUE(textesSansControle().empty());
}

TEST_F(Demarrage, VersionFrancaiseHandsOverInFrench) {
    jeu->options.langue = ANGLAIS;
    appliquerLangue(*jeu);
    cliquer(splash.get(), "PanelStartFrench");
    EXPECT_EQ(jeu->options.langue, FRANCAIS);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(principale->isVisible());
    EXPECT_TRUE(qApp->property("fichierAide").toString().endsWith("/belvanefr.hlp"));
    const char* boutons[5] = {"ButtonPasse", "ButtonPrise", "ButtonGarde", "ButtonGardeSans", "ButtonGardeContre"};
    const char* francais[5] = {"PASSE", "PRISE", "GARDE", "GARDE SANS", "GARDE CONTRE"};
    for (int e = 0; e <= 4; ++e) EXPECT_EQ(texteBouton(principale.get(), boutons[e]), francais[e]);
    EXPECT_EQ(dans<QMenu>(principale.get(), "menuVoir")->title(), "&Voir/Cacher");
    EXPECT_EQ(dans<QMenu>(principale.get(), "menuForce")->title(), "&Force de votre main");
    EXPECT_EQ(dans(principale.get(), "nContrat")->toolTip(), QString::fromUtf8("Contrat à réaliser (nombre de points)"));
    EXPECT_EQ(texteBouton(poignee.get(), "PanelBoutonParesseux"), "Bouton paresseux...");
    EXPECT_EQ(texteBouton(poignee.get(), "PanelAnnulerPoignee"), QString::fromUtf8("Annuler la Poignée !"));
}

TEST_F(Demarrage, HelpAndAboutInTheChosenLanguage) {
    // Without the rules of the game, help is the web address.
    jeu->options.optionReglesDuJeu = 0;
    cliquer(splash.get(), "PanelStartEnglish");
    QString lu;
    lireProchainMessage(&lu);
    dans<QAction>(principale.get(), "menuSommaire")->trigger();
    EXPECT_EQ(lu.toStdString(), texteAide(ANGLAIS));
    EXPECT_TRUE(lu.startsWith("Please see online help at "));
    lu.clear();
    lireProchainMessage(&lu);
    cliquer(principale.get(), "SBAide");
    EXPECT_EQ(lu.toStdString(), texteAide(ANGLAIS));
    lu.clear();
    lireProchainMessage(&lu);
    dans<QAction>(principale.get(), "menuApropos")->trigger();
    EXPECT_TRUE(lu.startsWith("BELVANE 2010")) << lu.toStdString();
}

// The human leads trick 1 holding `atouts` trumps from the 21 down and the
// Excuse, and is offered a handful on the shown main window.
class FenetrePoignee : public Demarrage {
protected:
    void offrir(int atouts, int langue) {
        cliquer(splash.get(), langue == ANGLAIS ? "PanelStartEnglish" : "PanelStartFrench");
        jeu->options.optionProposePoignee = 1;
        Donne& d = jeu->donne;
        Main& m = d.mainJoueur[1];
        int k = 1;
        for (int v = 21; v > 21 - atouts; --v) m[k++] = carte(ATOUT, v);
        m[k++] = carte(ATOUT, EXCUSE);
        for (int v = 14; k <= 18; --v) m[k++] = carte(TREFLE, v);
        for (int s = 2; s <= 4; ++s)
            for (int i = 1; i <= 18; ++i) d.mainJoueur[s][i] = carte(CARREAU, 1 + i % 14);
        afficherMain(*jeu);
        activerCartesMainHumain();
        d.preneur = 3;
        d.enchere.remplir(PASSE);
        d.enchere[3] = GARDE;
        d.numeroPli = 1;
        d.joueurEntame = d.joueurCourant = 1;
        TimerEntreCarteTimer(*jeu);
        ASSERT_FALSE(dans(principale.get(), "PanelPoignee")->isHidden());
    }
    void activerCartesMainHumain() { principale->activerCartesMain(true); }
    ImageCarte* image(int k) { return dans<ImageCarte>(poignee.get(), qPrintable(QString("CartePoignee%1").arg(k))); }
    bool trumpHidden(int k) { return dans(principale.get(), qPrintable(QString("Carte3D%1").arg(k)))->isHidden(); }
};

TEST_F(FenetrePoignee, ADeclaredHandful) {
    offrir(10, ANGLAIS);
    EXPECT_TRUE(dans(principale.get(), "PanelPoigneeDouble")->isHidden());
    cliquer(principale.get(), "PanelPoigneeSimple");
    EXPECT_TRUE(poignee->isVisible());
    EXPECT_FALSE(principale->isEnabled());
    EXPECT_TRUE(dans(principale.get(), "PanelPoignee")->isHidden());
    const int l = jeu->disposition.leveePoignee;
    EXPECT_EQ(poignee->width(), l * (3 * 11 - 1) + jeu->disposition.largeurCarte);
    for (int k = 1; k <= 18; ++k) {
        EXPECT_EQ(image(k)->isHidden(), k > 11) << k;
        EXPECT_EQ(trumpHidden(k), k <= 11) << k;
    }
    EXPECT_EQ(image(4)->x(), l * 10);
    EXPECT_EQ(image(4)->valeurCarte(), 18);
    EXPECT_EQ(image(4)->size(), QSize(jeu->disposition.largeurCarte, jeu->disposition.hauteurCarte));
    EXPECT_TRUE(dans(poignee.get(), "PanelOkPoignee")->isHidden());

    // The Excuse is slot 11, past the simple handful's ten: refused with the message.
    QString lu;
    lireProchainMessage(&lu);
    QTest::mouseClick(image(11), Qt::LeftButton);
    EXPECT_EQ(lu, "You can't choose the Fool !");
    EXPECT_FALSE(jeu->poignee.poigneeSelection[11]);

    const int haut = image(2)->y();
    QTest::mouseClick(image(2), Qt::LeftButton);
    EXPECT_EQ(image(2)->y(), haut - l);
    cliquer(poignee.get(), "PanelBoutonParesseux");
    EXPECT_FALSE(dans(poignee.get(), "PanelOkPoignee")->isHidden());
    EXPECT_EQ(jeu->poignee.poigneeNbCartes, 10);
    cliquer(poignee.get(), "PanelOkPoignee");

    EXPECT_FALSE(poignee->isVisible());
    EXPECT_TRUE(principale->isEnabled());
    EXPECT_EQ(jeu->donne.poigneeHumain, 1);
    EXPECT_EQ(jeu->donne.poigneeEnCours, 0);
    for (int k = 1; k <= 18; ++k) EXPECT_FALSE(trumpHidden(k)) << k;
}

TEST_F(FenetrePoignee, ACancelledHandful) {
    offrir(13, FRANCAIS);
    EXPECT_FALSE(dans(principale.get(), "PanelPoigneeDouble")->isHidden());
    EXPECT_TRUE(dans(principale.get(), "PanelPoigneeTriple")->isHidden());
    cliquer(principale.get(), "PanelPoigneeDouble");
    EXPECT_TRUE(poignee->isVisible());
    EXPECT_EQ(jeu->donne.poigneeHumain, 2);
    // The Excuse, slot 14, is past the double's thirteen: the French message.
    QString lu;
    lireProchainMessage(&lu);
    QTest::mouseClick(image(14), Qt::LeftButton);
    EXPECT_EQ(lu, QString::fromUtf8("Vous ne pouvez pas sélectionner l'Excuse !"));
    cliquer(poignee.get(), "PanelAnnulerPoignee");
    EXPECT_FALSE(poignee->isVisible());
    EXPECT_TRUE(principale->isEnabled());
    EXPECT_EQ(jeu->donne.poigneeHumain, 0);
    EXPECT_EQ(jeu->donne.poigneeEnCours, 0);
    for (int k = 1; k <= 18; ++k) EXPECT_FALSE(trumpHidden(k)) << k;
}

TEST_F(FenetrePoignee, EscapeCancels) {
    offrir(14, ANGLAIS);
    cliquer(principale.get(), "PanelPoigneeTriple");
    ASSERT_TRUE(poignee->isVisible());
    QTest::keyClick(poignee.get(), Qt::Key_Escape);
    EXPECT_FALSE(poignee->isVisible());
    EXPECT_EQ(jeu->donne.poigneeHumain, 0);
    EXPECT_TRUE(principale->isEnabled());
}

}  // namespace
