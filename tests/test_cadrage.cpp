// The table at one scale in any client area, and the window's stored place:
// the layout of the 800 x 600 design on screens of every shape.
#include <gtest/gtest.h>

#include <memory>

#include "engine/arrondi.h"
#include "engine/disposition.h"
#include "engine/jeu.h"
#include "settings/magasin_memoire.h"
#include "settings/options.h"
#include "vue_options.h"

namespace {

TEST(Cadrage, TheTableFitsIsCentredAndCannotBeLarger) {
    struct Cas {
        const char* quoi;
        int largeur, hauteur;
        bool barre;
    };
    const Cas cas[] = {
        {"the design itself", 800, 531, true},
        {"without the information bar", 800, 503, false},
        {"1024 x 768 less a menu bar", 1024, 740, true},
        {"1280 x 800 maximised", 1280, 770, true},
        {"1366 x 768 maximised", 1366, 716, true},
        {"1920 x 1080 maximised", 1920, 1028, true},
        {"2560 x 1440 full screen", 2560, 1440, true},
        {"a tall narrow window", 500, 1200, true},
        {"796 wide: the rounded steps of the discard would overflow", 796, 596, true},
        {"a tiny window", 400, 266, true},
    };
    for (const Cas& c : cas) {
        const Cadrage k = cadrerTable(c.largeur, c.hauteur, c.barre);
        const int barre = c.barre ? arrondi(28 * k.echelle) : 0;
        const int l = largeurTable(k.echelle);
        const int h = hauteurTable(k.echelle);
        // Inside, the hand and the 24 cards of the discard included.
        EXPECT_LE(k.gauche + l, c.largeur) << c.quoi;
        EXPECT_LE(k.haut + h + barre, c.hauteur) << c.quoi;
        EXPECT_GE(l, arrondi(20 * k.echelle) + 23 * arrondi(30 * k.echelle) + arrondi(90 * k.echelle)) << c.quoi;
        // Centred: the spare space split in two, to a pixel.
        EXPECT_LE(std::abs(c.largeur - l - 2 * k.gauche), 1) << c.quoi;
        EXPECT_LE(std::abs(c.hauteur - barre - h - 2 * k.haut), 1) << c.quoi;
        // The largest scale: half a percent more no longer fits.
        const double plus = k.echelle * 1.005;
        const int barrePlus = c.barre ? arrondi(28 * plus) : 0;
        EXPECT_TRUE(largeurTable(plus) > c.largeur || hauteurTable(plus) + barrePlus > c.hauteur) << c.quoi;
    }
}

TEST(Cadrage, FourThirdsScreensKeepTheDesignScale) {
    // The client area a window gets for a scale gives that scale back, with
    // the table in the corner: on 800 x 600 and 1024 x 768 nothing moves.
    for (double e : {1.0, 1.28, 1.6, 2.4}) {
        int l = 0, h = 0;
        tailleClientPour(e, true, l, h);
        const Cadrage k = cadrerTable(l, h, true);
        EXPECT_DOUBLE_EQ(k.echelle, e) << e;
        EXPECT_EQ(k.gauche, 0) << e;
        EXPECT_EQ(k.haut, 0) << e;
    }
    int l = 0, h = 0;
    tailleClientPour(1.0, true, l, h);
    EXPECT_EQ(l, 800);
    EXPECT_EQ(h, 503 + 28);
}

TEST(Cadrage, OneScaleForBothAxes) {
    EXPECT_DOUBLE_EQ(echelleUniforme(1920, 1080, 800, 600), 1.8);
    EXPECT_DOUBLE_EQ(echelleUniforme(1280, 800, 800, 600), 800.0 / 600.0);
    EXPECT_DOUBLE_EQ(echelleUniforme(1366, 768, 800, 600), 1.28);
    EXPECT_DOUBLE_EQ(echelleUniforme(800, 600, 800, 600), 1.0);
    EXPECT_DOUBLE_EQ(echelleUniforme(0, 600, 800, 600), 0.0);
    // At that scale a card keeps the shape of a real one, to a pixel.
    for (double e : {1.0, 1.28, 1.6, 1.8, 2.4}) {
        Disposition d;
        disposerTable(d, e, e);
        EXPECT_LE(std::abs(d.hauteurCarte - d.largeurCarte * 150.0 / 90.0), 1.0) << e;
    }
}

class PlaceDeLaFenetre : public ::testing::Test {
protected:
    void SetUp() override {
        jeu = std::make_unique<Jeu>();
        jeu->vue = &vue;
        jeu->magasin = &magasin;
    }
    MagasinMemoire magasin;
    VueOptions vue;
    std::unique_ptr<Jeu> jeu;
};

TEST_F(PlaceDeLaFenetre, ItIsStoredAfterTheGlobalScores) {
    jeu->options.verif = 1;
    jeu->options.fenetreGauche = -20;
    jeu->options.fenetreHaut = 40;
    jeu->options.fenetreLargeur = 1300;
    jeu->options.fenetreHauteur = 700;
    jeu->options.fenetreEtat = 2;
    ASSERT_TRUE(sauverOptions(*jeu));
    const auto& e = magasin.ecritures;
    const auto apres = std::find(e.begin(), e.end(), "scoreTotal4");
    ASSERT_NE(apres, e.end());
    // Other values added since may sit between them, but the window's five
    // come after the global scores, together and in this order.
    const auto gauche = std::find(apres, e.end(), "fenetreGauche");
    ASSERT_NE(gauche, e.end());
    ASSERT_GE(std::distance(gauche, e.end()), 5);
    EXPECT_EQ(std::vector<std::string>(gauche, gauche + 5),
              (std::vector<std::string>{"fenetreGauche", "fenetreHaut", "fenetreLargeur", "fenetreHauteur",
                                        "fenetreEtat"}));
    EXPECT_EQ(magasin.valeurs.at("fenetreGauche").octets, std::string("\xec\xff\xff\xff", 4));
    EXPECT_EQ(magasin.valeurs.at("fenetreEtat").octets, std::string("\x02", 1));

    auto relu = std::make_unique<Jeu>();
    relu->vue = &vue;
    relu->magasin = &magasin;
    chargerOptions(*relu);
    EXPECT_EQ(relu->options.fenetreGauche, -20);
    EXPECT_EQ(relu->options.fenetreLargeur, 1300);
    EXPECT_EQ(relu->options.fenetreHauteur, 700);
    EXPECT_EQ(relu->options.fenetreEtat, 2);
}

TEST_F(PlaceDeLaFenetre, AStoreFromBeforeLeavesTheDefaults) {
    jeu->options.verif = 1;
    jeu->options.niveau = 2;
    jeu->options.fenetreLargeur = 999;
    jeu->options.fenetreEtat = 0;
    ASSERT_TRUE(sauverOptions(*jeu));
    for (const char* n : {"fenetreGauche", "fenetreHaut", "fenetreLargeur", "fenetreHauteur", "fenetreEtat"})
        magasin.valeurs.erase(n);

    auto relu = std::make_unique<Jeu>();
    relu->vue = &vue;
    relu->magasin = &magasin;
    chargerOptions(*relu);
    EXPECT_EQ(relu->options.niveau, 2);          // the store was read
    EXPECT_EQ(relu->options.fenetreLargeur, 0);  // never placed
    EXPECT_EQ(relu->options.fenetreEtat, 1);     // maximised, not 0
    EXPECT_EQ(vue.nbBoites("erreur"), 0);
}

}  // namespace
