// Accessibility in the windows: the four-colour pack (the painter's inks, the
// option's menu item, every card of the game's windows drawn again), and the
// screen reader told each card played, each trick's winner and whose turn it
// is through the accessible label annonceLecteur.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QTest>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/jeu.h"
#include "engine/pli.h"
#include "engine/raisons.h"
#include "engine/textes.h"
#include "flow/deroulement.h"
#include "flow/minuteurs_manuels.h"
#include "peintre/dessin.h"
#include "scoring/score.h"
#include "settings/magasin_memoire.h"
#include "settings/options.h"
#include "tests/donne_analysee.h"
#include "ui/cartes/cartes.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fMains/fmains.h"
#include "ui/fPoignee/fpoignee.h"
#include "ui/langue.h"
#include "ui/revue/controles_revue.h"

namespace {

// Where each suit's ink is sure to be: the middle of the Ace's one big pip.
QColor encreDeLAs(int couleur, Encres encres, QSize taille = QSize(90, 150)) {
    const QImage image = imageCarte(couleur, 1, taille, encres).toImage();
    return image.pixelColor(taille.width() / 2, taille.height() / 2);
}

bool verte(const QColor& c) { return c.green() > 90 && c.green() > c.red() + 40 && c.green() > c.blue() + 30; }
bool bleue(const QColor& c) { return c.blue() > 140 && c.blue() > c.red() + 80 && c.blue() > c.green() + 60; }
bool rouge(const QColor& c) { return c.red() > 150 && c.red() > c.green() + 100 && c.red() > c.blue() + 100; }
bool noire(const QColor& c) { return c.red() < 80 && c.green() < 80 && c.blue() < 90; }

int pixelsDifferents(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

}  // namespace

// The painter: in four colours clubs are green and diamonds blue; spades and
// hearts, the trumps and the Excuse are as in two colours, which is the pack
// as it always was.
TEST(QuatreCouleurs, LeTrefleVertEtLeCarreauBleuLePiqueEtLeCoeurInchanges) {
    for (QSize taille : {QSize(90, 150), QSize(180, 300)}) {
        EXPECT_TRUE(noire(encreDeLAs(cartes::trefle, Encres::deuxCouleurs, taille))) << taille.width();
        EXPECT_TRUE(rouge(encreDeLAs(cartes::carreau, Encres::deuxCouleurs, taille)));
        EXPECT_TRUE(verte(encreDeLAs(cartes::trefle, Encres::quatreCouleurs, taille)));
        EXPECT_TRUE(bleue(encreDeLAs(cartes::carreau, Encres::quatreCouleurs, taille)));
        EXPECT_TRUE(noire(encreDeLAs(cartes::pique, Encres::quatreCouleurs, taille)));
        EXPECT_TRUE(rouge(encreDeLAs(cartes::coeur, Encres::quatreCouleurs, taille)));
    }
    for (int c = 0; c <= 4; ++c) {
        const int derniere = c == 0 ? 21 : 14;
        for (int v = c == 0 ? 0 : 1; v <= derniere; ++v) {
            const QImage deux = cartes::peindreCarte(c, v, Encres::deuxCouleurs);
            const QImage quatre = cartes::peindreCarte(c, v, Encres::quatreCouleurs);
            // The default is the two colours, painted as the resources were.
            EXPECT_EQ(cartes::peindreCarte(c, v), deux) << c << " " << v;
            const int n = pixelsDifferents(deux, quatre);
            if (c == cartes::trefle || c == cartes::carreau) { EXPECT_GT(n, 100) << c << " " << v; }
            else { EXPECT_EQ(n, 0) << c << " " << v; }
        }
    }
}

// The pictures the game shows: at the design size in two colours, the
// resource itself; every picture kept with its inks, never one for the other.
TEST(QuatreCouleurs, LesImagesGardeesSeDistinguentParLeursEncres) {
    const QImage ressource = imageCarte("TREFLE7").toImage();
    EXPECT_EQ(imageCarte(cartes::trefle, 7, QSize(90, 150)).toImage(), ressource);
    EXPECT_EQ(imageCarte(cartes::trefle, 7, QSize(90, 150), Encres::deuxCouleurs).toImage(), ressource);
    EXPECT_NE(imageCarte(cartes::trefle, 7, QSize(90, 150), Encres::quatreCouleurs).toImage(), ressource);
    // Resources are the painter's pictures: the default paints them unchanged.
    EXPECT_EQ(pixelsDifferents(ressource.convertToFormat(QImage::Format_ARGB32),
                               cartes::peindreCarte(cartes::trefle, 7).convertToFormat(QImage::Format_ARGB32)),
              0);
    const QSize grande(135, 225);
    const QImage deux = imageCarte(cartes::carreau, 12, grande).toImage();
    const QImage quatre = imageCarte(cartes::carreau, 12, grande, Encres::quatreCouleurs).toImage();
    EXPECT_GT(pixelsDifferents(deux, quatre), 100);
    EXPECT_EQ(imageCarteGardee(cartes::carreau, 12, grande).toImage(), deux);
    EXPECT_EQ(imageCarteGardee(cartes::carreau, 12, grande, Encres::quatreCouleurs).toImage(), quatre);
    EXPECT_TRUE(imageCarteGardee(cartes::carreau, 13, QSize(136, 226), Encres::quatreCouleurs).isNull());
}

namespace {

class FenetreAccessible : public ::testing::Test {
protected:
    void SetUp() override {
        jeu = std::make_unique<Jeu>();
        jeu->magasin = &magasin;
        poignee = std::make_unique<TfrmPoignee>(*jeu, 1.0);
        fenetre = std::make_unique<TfrmBelvane>(*jeu, 1.0);
        fenetre->attacherPoignee(poignee.get());
        jeu->finDeDonne = finDeDonne;
        chargerOptions(*jeu);
        jeu->options.langue = FRANCAIS;
        appliquerLangue(*jeu);
    }
    void TearDown() override {
        fenetre.reset();
        poignee.reset();
        jeu.reset();
    }
    QAction* action(const char* nom) { return fenetre->findChild<QAction*>(nom); }
    ImageCarte* carteTable(int s) { return fenetre->findChild<ImageCarte*>(QString("CarteTable%1").arg(s)); }
    // The middle of a card control as it paints itself.
    static QColor milieu(QWidget* w) {
        const QImage image = w->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    }

    MagasinMemoire magasin;
    std::unique_ptr<Jeu> jeu;
    std::unique_ptr<TfrmPoignee> poignee;
    std::unique_ptr<TfrmBelvane> fenetre;
    MinuteursManuels minuteurs;
};

}  // namespace

// The Options menu's item: off by default, its text in both languages, and a
// click draws again the cards shown in the main window, in the windows it
// owns and in the handful window, and saves the option.
TEST_F(FenetreAccessible, LItemDuMenuRepeintLesCartesEtSauve) {
    QAction* item = action("menuQuatreCouleurs");
    ASSERT_TRUE(item);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(item->text(), QString::fromStdString(texte(Texte::menuQuatreCouleurs, FRANCAIS)));
    jeu->options.langue = ANGLAIS;
    appliquerLangue(*jeu);
    EXPECT_EQ(item->text(), QString::fromStdString(texte(Texte::menuQuatreCouleurs, ANGLAIS)));
    EXPECT_EQ(item->text(), "&Four-colour pack");

    jeu->options.optionAnimationCartes = 0;  // the cards are on the table at once
    fenetre->resize(1000, 750);
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    fenetre->dessinerCarteTable(1, Carte{1, TREFLE, false});
    fenetre->dessinerCarteTable(2, Carte{1, CARREAU, false});
    fenetre->dessinerCarteTable(3, Carte{1, PIQUE, false});
    fenetre->dessinerCarteTable(4, Carte{1, COEUR, false});
    EXPECT_TRUE(noire(milieu(carteTable(1))));
    EXPECT_TRUE(rouge(milieu(carteTable(2))));

    // The deductions panel's club: black, then green.
    auto couleursDuSymbole = [this](const char* nom) {
        const QImage image = fenetre->findChild<QLabel*>(nom)->pixmap().toImage();
        int vertes = 0, bleues = 0, noires = 0, rouges = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() < 250) continue;
                vertes += verte(c);
                bleues += bleue(c);
                noires += noire(c);
                rouges += rouge(c);
            }
        return std::array<int, 4>{noires, rouges, vertes, bleues};
    };
    EXPECT_GT(couleursDuSymbole("ImageTrefle")[0], 10);
    EXPECT_EQ(couleursDuSymbole("ImageTrefle")[2], 0);
    EXPECT_GT(couleursDuSymbole("ImageCarreau")[1], 10);

    item->trigger();
    EXPECT_EQ(couleursDuSymbole("ImageTrefle")[0], 0);
    EXPECT_GT(couleursDuSymbole("ImageTrefle")[2], 10);
    EXPECT_GT(couleursDuSymbole("ImageCarreau")[3], 10);
    EXPECT_GT(couleursDuSymbole("ImagePique")[0], 10);
    EXPECT_GT(couleursDuSymbole("ImageCoeur")[1], 0);
    EXPECT_EQ(jeu->options.optionQuatreCouleurs, 1);
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(magasin.valeurs.at("optionQuatreCouleurs").octets, std::string(1, '\1'));
    EXPECT_TRUE(verte(milieu(carteTable(1))));
    EXPECT_TRUE(bleue(milieu(carteTable(2))));
    EXPECT_TRUE(noire(milieu(carteTable(3))));
    EXPECT_TRUE(rouge(milieu(carteTable(4))));
    // The review windows and the handful window take the same inks.
    for (PetiteCarte* c : fenetre->findChildren<PetiteCarte*>()) ASSERT_EQ(encresDe(c), Encres::quatreCouleurs);
    ASSERT_FALSE(fenetre->findChildren<PetiteCarte*>().isEmpty());
    for (ImageCarte* c : poignee->findChildren<ImageCarte*>()) ASSERT_EQ(encresDe(c), Encres::quatreCouleurs);
    ASSERT_FALSE(poignee->findChildren<ImageCarte*>().isEmpty());

    item->trigger();
    EXPECT_EQ(jeu->options.optionQuatreCouleurs, 0);
    EXPECT_FALSE(item->isChecked());
    EXPECT_TRUE(noire(milieu(carteTable(1))));
    EXPECT_TRUE(rouge(milieu(carteTable(2))));
    for (PetiteCarte* c : fenetre->findChildren<PetiteCarte*>()) ASSERT_EQ(encresDe(c), Encres::deuxCouleurs);
}

// The platform's accessibility is off until a screen reader asks for it, and
// then Qt hands no event to an update handler: Qt's own tests switch it on
// through QPlatformIntegration::accessibility()->setActive(true). Those are
// private classes whose headers Debian ships apart (qt6-base-private-dev);
// what is used of them, exported by QtGui, is declared here instead. The
// base accessibility() (a plain QPlatformAccessibility) is the offscreen
// platform's own; the test checks that it took.
class QPlatformAccessibility {
public:
    void setActive(bool active);
};
class QPlatformIntegration {
public:
    QPlatformAccessibility* accessibility() const;
};
class QGuiApplicationPrivate {
public:
    static QPlatformIntegration* platform_integration;
};

namespace {

void activerAccessibilite() {
    if (QAccessible::isActive() || !QGuiApplicationPrivate::platform_integration) return;
    QGuiApplicationPrivate::platform_integration->accessibility()->setActive(true);
}

// What the screen reader is sent: each event on the announcement label, and
// the label's name when it came.
struct Evenement {
    QAccessible::Event type;
    QString nom;
};
std::vector<Evenement>* recus = nullptr;

void recevoir(QAccessibleEvent* e) {
    if (!recus || !e->object() || e->object()->objectName() != "annonceLecteur") return;
    QAccessibleInterface* i = e->accessibleInterface();
    recus->push_back({e->type(), i ? i->text(QAccessible::Name) : QString()});
}

std::vector<QString> alertes(const std::vector<Evenement>& v) {
    std::vector<QString> a;
    for (const Evenement& e : v)
        if (e.type == QAccessible::Alert) a.push_back(e.nom);
    return a;
}

int compter(const std::vector<QString>& v, const QString& morceau) {
    int n = 0;
    for (const QString& s : v) n += s.contains(morceau);
    return n;
}

}  // namespace

// A deal played through the window: the label is told, one alert and one name
// change for each sentence, the 72 cards with their seats, the 18 winners and
// the turns. With the keyboard option off, nothing.
TEST_F(FenetreAccessible, LeLecteurDEcranEntendLaDonne) {
    QLabel* label = fenetre->findChild<QLabel*>("annonceLecteur");
    ASSERT_TRUE(label);
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    EXPECT_TRUE(label->isVisible());
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(label);
    ASSERT_TRUE(interface);
    EXPECT_FALSE(interface->state().invisible);

    activerAccessibilite();
    ASSERT_TRUE(QAccessible::isActive());
    std::vector<Evenement> v;
    recus = &v;
    QAccessible::installUpdateHandler(recevoir);
    fenetre->annoncer("EST joue Roi de cœur");
    fenetre->annoncer("EST joue Roi de cœur");
    ASSERT_EQ(alertes(v).size(), 2u);
    EXPECT_EQ(alertes(v)[1], "EST joue Roi de cœur");
    int noms = 0;
    for (const Evenement& e : v) noms += e.type == QAccessible::NameChanged;
    EXPECT_GE(noms, 1);
    EXPECT_EQ(v.back().type, QAccessible::Alert) << "the alert comes once the name is the sentence";
    EXPECT_EQ(label->text(), "EST joue Roi de cœur");
    EXPECT_EQ(interface->text(QAccessible::Name), "EST joue Roi de cœur");
    v.clear();

    jouerDonneAnalysee(*jeu, minuteurs, 12);
    ASSERT_EQ(jeu->donne.numeroPli, 19);
    const std::vector<QString> dites = alertes(v);
    EXPECT_EQ(compter(dites, " joue "), 72);
    EXPECT_EQ(compter(dites, " remporte le pli"), 18);
    EXPECT_GE(compter(dites, " de jouer"), 72);
    const Donne& d = jeu->donne;
    // The last trick: its four cards in order, then its winner.
    std::vector<QString> cartesDites;
    for (const QString& s : dites)
        if (s.contains(" joue ")) cartesDites.push_back(s);
    ASSERT_EQ(cartesDites.size(), 72u);
    for (int k = 0, s = d.entameurPli[18]; k < 4; ++k, s = siegeSuivant(s)) {
        const Carte& c = d.mainJoueur[s][d.carteJouee[s][18]];
        const QString attendu = QString::fromStdString(nomJoueur(s, FRANCAIS) + " joue " + nomCarte(c, FRANCAIS));
        EXPECT_EQ(cartesDites[68 + static_cast<std::size_t>(k)], attendu) << k;
    }
    EXPECT_TRUE(dites.back().endsWith(" remporte le pli"));

    // Off: the table says nothing.
    v.clear();
    jeu->options.optionJeuAuClavier = 0;
    annoncerCarteJouee(*jeu, 2, Carte{14, COEUR, false});
    annoncerTour(*jeu, 1);
    EXPECT_TRUE(v.empty());
    jeu->options.optionJeuAuClavier = 1;
    annoncerTour(*jeu, 1);
    ASSERT_EQ(alertes(v).size(), 1u);
    EXPECT_EQ(alertes(v)[0], QString::fromStdString(texte(Texte::annonceVotreTour, FRANCAIS)));
    QAccessible::installUpdateHandler(nullptr);
    recus = nullptr;
}
