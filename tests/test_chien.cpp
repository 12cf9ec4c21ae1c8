#include <gtest/gtest.h>

#include <array>

#include "engine/chien.h"
#include "engine/disposition.h"
#include "engine/jeu.h"
#include "tests/aides.h"
#include "tests/tirages.h"
#include "tests/vue_enregistreuse.h"

namespace {

// South's hand and the dog, both sorted. Merged, the 24 cards read:
//  1 A21  2 A15  3 A10  4 A7*  5 A5   6 A1   7 Exc  8 P14  9 P12* 10 P9  11 P3  12 C14*
// 13 C13 14 C12 15 C7  16 C2  17 T11 18 T8  19 T4  20 T1*  21 K13* 22 K10 23 K6  24 K2*
// (* a dog card).
Main mainSud() {
    return mainDe({atout(21), atout(15), atout(10), atout(5), atout(1), atout(0), pique(14), pique(9), pique(3),
                   coeur(13), coeur(12), coeur(7), coeur(2), trefle(11), trefle(8), trefle(4), carreau(10),
                   carreau(6)});
}
const std::array<Carte, 6> chienDonne = {atout(7), pique(12), coeur(14), trefle(1), carreau(13), carreau(2)};

struct Chiens : ::testing::Test {
    Jeu jeu;
    VueEnregistreuse vue;
    MinuteursEnregistres minuteurs;

    // A fresh game for each row of a table-driven test.
    void recommencer() {
        jeu = Jeu{};
        vue = VueEnregistreuse{};
        minuteurs = MinuteursEnregistres{};
        SetUp();
    }

    void SetUp() override {
        vue.hasard = &jeu.hasard;
        jeu.vue = &vue;
        jeu.minuteurs = &minuteurs;
        Donne& d = jeu.donne;
        d.mainJoueur[SUD] = mainSud();
        d.mainInitiale[SUD] = mainSud();
        for (int i = 1; i <= 6; ++i) d.chien[i] = d.chienInitial[i] = chienDonne[i - 1];
        d.numeroPli = 1;
        jeu.hasard.graine = 12345;
    }

    void prendre(int preneur, int contrat) {
        jeu.donne.preneur = preneur;
        jeu.donne.enchere[preneur] = contrat;
        jeu.donne.contrat = contrat;
    }

    // South takes at Prise and reaches the discard screen.
    void ouvrirEcranEcart() {
        prendre(SUD, PRISE);
        montrerChien(jeu);
        jeu.donne.etatAttente = 2;  // what the flow does on return
        apresChien(jeu);
    }

    void cliquer(std::initializer_list<int> positions) {
        for (int p : positions) cliquerCarteEcart(jeu, p);
    }
};

TEST(Disposition, ValeursDeLaTable) {
    struct Cas {
        const char* quoi;
        double ex, ey;
        int carteL, carteH, marge, pas, pasEcart, haut, levee, leveePoignee, decalage, tiers, milieu;
    };
    const Cas cas[] = {
        // 336 is the bottom of the bidding bar (278 + 58); the table is 341 high at 2.
        {"800 x 600", 1.0, 1.0, 90, 150, 20, 40, 30, 346, 20, 15, 10, 267, 172},
        // Bar 356 + 74 = 430; table at 3, 436 high.
        {"1024 x 768", 1.28, 1.28, 115, 192, 26, 51, 38, 443, 26, 19, 13, 341, 221},
        // 40 x 1.5625 = 62.5 and 10 x 1.25 = 12.5 round to the even neighbour.
        {"1250 x 750", 1.5625, 1.25, 141, 188, 31, 62, 47, 537, 25, 23, 12, 417, 269},
    };
    for (const Cas& c : cas) {
        Disposition p;
        disposerTable(p, c.ex, c.ey);
        EXPECT_EQ(p.largeurCarte, c.carteL) << c.quoi;
        EXPECT_EQ(p.hauteurCarte, c.carteH) << c.quoi;
        EXPECT_EQ(p.margeMain, c.marge) << c.quoi;
        EXPECT_EQ(p.pasMain, c.pas) << c.quoi;
        EXPECT_EQ(p.pasMainEcart, c.pasEcart) << c.quoi;
        EXPECT_EQ(p.hautMain, c.haut) << c.quoi;
        EXPECT_EQ(p.leveeCarte, c.levee) << c.quoi;
        EXPECT_EQ(p.leveePoignee, c.leveePoignee) << c.quoi;
        EXPECT_EQ(p.decalagePoignee, c.decalage) << c.quoi;
        EXPECT_EQ(p.tiersLargeur, c.tiers) << c.quoi;
        EXPECT_EQ(p.milieuTable, c.milieu) << c.quoi;
    }
    // A game that never saw a window has the 800 x 600 table; the hand spans 20 to 790.
    const Disposition defaut;
    EXPECT_EQ(defaut.margeMain + 17 * defaut.pasMain + defaut.largeurCarte, 790);
    EXPECT_EQ(defaut.hautMain, 346);
    EXPECT_EQ(defaut.milieuTable, 172);
}

TEST_F(Chiens, GardeSansEtGardeContreLaissentLeChienDeCote) {
    for (int contrat : {GARDE_SANS, GARDE_CONTRE}) {
        SCOPED_TRACE(contrat);
        recommencer();
        jeu.donne.origineEcart.remplir(7);  // left over from an earlier deal
        prendre(EST, contrat);
        montrerChien(jeu);
        const Donne& d = jeu.donne;
        EXPECT_EQ(vue.nbPlacementsChien, 0);
        EXPECT_EQ(jeu.connaissances.chienMontre, 0);
        EXPECT_EQ(d.chienAffiche, 0);
        EXPECT_EQ(d.etatAttente, 1);
        for (int i = 1; i <= 6; ++i) {
            EXPECT_EQ(d.origineEcart[i], -1);
            EXPECT_TRUE(d.chien[i].memeCarte(chienDonne[i - 1]));
        }
    }
}

TEST_F(Chiens, LeChienEstMontreATousEnLigneIrreguliere) {
    // On a 1024 x 768 screen: dog from x = 341 by steps of 51, under the middle of the table at 221.
    disposerTable(jeu.disposition, 1.28, 1.28);
    prendre(NORD, GARDE);
    montrerChien(jeu);
    GenerateurTemoin t{12345};
    const int decalage[] = {0, 1, 3, 4};  // round(r x 1.28) for r = 1, 2, 3
    for (int i = 1; i <= 6; ++i) {
        const ImageCarte& im = vue.chien[i];
        EXPECT_TRUE(im.visible) << i;
        EXPECT_EQ(im.gauche, 341 + (i - 1) * 51) << i;
        EXPECT_EQ(im.haut, 221 + decalage[t.tirer(3)]) << i;
        EXPECT_TRUE(im.carte.memeCarte(chienDonne[i - 1])) << i;
        EXPECT_EQ(im.curseur, Curseur::Defaut) << i;
    }
    EXPECT_EQ(jeu.hasard.graine, t.graine);
    EXPECT_EQ(vue.info, "Et voici le Chien ! A présent, cliquez pour continuer à jouer...");
    EXPECT_EQ(jeu.connaissances.chienMontre, 1);
    EXPECT_EQ(jeu.donne.chienAffiche, 1);
    EXPECT_EQ(jeu.donne.etatAttente, 0);
    for (int k = 1; k <= 18; ++k) EXPECT_EQ(vue.main[k].curseur, Curseur::Interdit) << k;
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(jeu.donne.origineEcart[i], -1);
}

TEST_F(Chiens, UnPreneurOrdinateurEcarteSansRienMontrer) {
    jeu.options.langue = ANGLAIS;
    // West holds South's cards for this test.
    jeu.donne.mainJoueur[OUEST] = jeu.donne.mainInitiale[OUEST] = mainSud();
    prendre(OUEST, PRISE);
    montrerChien(jeu);
    EXPECT_EQ(vue.info, "Here is the Dog ! And now, please click anywhere to go on playing...");
    jeu.donne.etatAttente = 2;
    apresChien(jeu);
    const Donne& d = jeu.donne;
    EXPECT_EQ(d.chienAffiche, 0);
    EXPECT_EQ(d.modeEcart, 0);
    EXPECT_EQ(d.etatAttente, 1);
    EXPECT_EQ(d.nbCartesEcartees, 6);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_FALSE(vue.chien[i].visible);
        EXPECT_NE(d.chien[i].couleur, ATOUT);
        EXPECT_NE(d.chien[i].valeur, ROI);
        EXPECT_GE(d.origineEcart[i], 1);
    }
    for (int p = 1; p <= 24; ++p) EXPECT_FALSE(vue.main[p].visible) << "the discard screen stays closed";

    // The dog display is over: a second click does not discard again.
    const Donne apres = d;
    apresChien(jeu);
    for (int i = 1; i <= 18; ++i) EXPECT_TRUE(jeu.donne.mainJoueur[OUEST][i].memeCarte(apres.mainJoueur[OUEST][i]));
}

TEST_F(Chiens, LEcranDEcartFusionneMainEtChienDansLOrdreDeLaMain) {
    ouvrirEcranEcart();
    const Donne& d = jeu.donne;
    EXPECT_EQ(d.modeEcart, 1);
    EXPECT_EQ(d.etatAttente, 0);
    EXPECT_EQ(d.chienAffiche, 0);
    for (int i = 1; i <= 6; ++i) EXPECT_FALSE(vue.chien[i].visible);

    const int position[24] = {1, 2, 3, 19, 4, 5, 6, 7, 20, 8, 9, 21, 10, 11, 12, 13, 14, 15, 16, 22, 23, 17, 18, 24};
    const bool interdite[24] = {1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    GenerateurTemoin t{12345};
    for (int i = 0; i < 6; ++i) t.tirer(3);  // the dog's line
    for (int p = 1; p <= 24; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(d.positionEcart[p], position[p - 1]);
        EXPECT_EQ(d.marqueEcart[p], position[p - 1] <= 18 ? 1 : 0);
        EXPECT_EQ(d.selectionEcart[p], 0);
        const int k = position[p - 1];
        const Carte attendue = k <= 18 ? mainSud()[k] : chienDonne[k - 19];
        const ImageCarte& im = vue.main[p];
        EXPECT_TRUE(im.visible);
        EXPECT_TRUE(im.carte.memeCarte(attendue));
        EXPECT_EQ(im.gauche, 20 + (p - 1) * 30);
        EXPECT_EQ(im.haut, 346 - t.tirer(3));
        EXPECT_EQ(im.curseur, interdite[p - 1] ? Curseur::Interdit : Curseur::Main);
    }
    EXPECT_EQ(jeu.hasard.graine, t.graine);
    EXPECT_EQ(d.nbCartesEcartees, 0);
    EXPECT_EQ(vue.info, "Cliquez sur 6 cartes pour constituer l'écart");
    EXPECT_FALSE(vue.confirmeEcart);

    // The dog cannot be taken up twice while the discard is being chosen.
    const int graine = static_cast<int>(jeu.hasard.graine);
    jeu.donne.chienAffiche = 1;
    apresChien(jeu);
    EXPECT_EQ(static_cast<int>(jeu.hasard.graine), graine);
    EXPECT_EQ(jeu.donne.modeEcart, 1);
}

TEST_F(Chiens, SelectionDeSixCartesEtBoutonDeConfirmation) {
    ouvrirEcranEcart();
    const Donne& d = jeu.donne;
    const int haut24 = vue.main[24].haut;
    const int haut16 = vue.main[16].haut;

    cliquer({24, 9, 16, 11, 20});
    EXPECT_EQ(d.nbCartesEcartees, 5);
    EXPECT_FALSE(vue.confirmeEcart);
    EXPECT_EQ(vue.main[24].haut, haut24 - 20) << "a chosen card rises";
    cliquer({19});
    EXPECT_EQ(d.nbCartesEcartees, 6);
    EXPECT_TRUE(vue.confirmeEcart);

    cliquer({16});  // deselect the 2 of hearts
    EXPECT_EQ(d.nbCartesEcartees, 5);
    EXPECT_FALSE(vue.confirmeEcart);
    EXPECT_EQ(d.selectionEcart[13], 0);
    EXPECT_EQ(vue.main[16].haut, haut16);
    cliquer({23});  // the 6 of diamonds instead
    EXPECT_EQ(d.nbCartesEcartees, 6);
    EXPECT_TRUE(vue.confirmeEcart);

    // A seventh card is never chosen; the click only shows the button again.
    vue.confirmeEcart = false;
    cliquer({22});
    EXPECT_EQ(d.nbCartesEcartees, 6);
    EXPECT_EQ(d.selectionEcart[17], 0);
    EXPECT_TRUE(vue.confirmeEcart);

    // Selection is kept per card: hand slots 9, 16, 18, dog cards 2, 4, 6.
    const int choisies[] = {9, 16, 18, 20, 22, 24};
    int n = 0;
    for (int k = 1; k <= 24; ++k) n += d.selectionEcart[k];
    EXPECT_EQ(n, 6);
    for (int k : choisies) EXPECT_EQ(d.selectionEcart[k], 1) << k;
}

TEST_F(Chiens, AtoutsExcuseEtRoisNePeuventPasEtreEcartes) {
    struct Cas {
        const char* quoi;
        int position;
    };
    const Cas cas[] = {
        {"the 21", 1}, {"a dog trump", 4}, {"the Petit", 6}, {"the Excuse", 7},
        {"a roi of the hand", 8}, {"a roi of the dog", 12},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        recommencer();
        ouvrirEcranEcart();
        const int haut = vue.main[c.position].haut;
        cliquerCarteEcart(jeu, c.position);
        EXPECT_EQ(jeu.donne.nbCartesEcartees, 0);
        EXPECT_EQ(jeu.donne.selectionEcart[jeu.donne.positionEcart[c.position]], 0);
        EXPECT_EQ(vue.main[c.position].haut, haut);
        EXPECT_EQ(vue.nbAffichagesConfirme, 0);

        // With six chosen the same click brings the button back.
        cliquer({9, 10, 11, 13, 14, 15});
        vue.confirmeEcart = false;
        cliquerCarteEcart(jeu, c.position);
        EXPECT_EQ(jeu.donne.nbCartesEcartees, 6);
        EXPECT_TRUE(vue.confirmeEcart);
    }
}

TEST_F(Chiens, LaConfirmationRangeMainEtEcartDansLOrdreDeLaMain) {
    ouvrirEcranEcart();
    jeu.continuer = [](Jeu& j) { j.donne.numeroPli = 99; };  // marks that play was asked to start
    confirmerEcart(jeu);
    EXPECT_EQ(jeu.donne.modeEcart, 1) << "nothing happens before six cards are chosen";
    EXPECT_NE(jeu.donne.numeroPli, 99);

    cliquer({23, 20, 9, 24, 11, 19});
    confirmerEcart(jeu);
    const Donne& d = jeu.donne;

    const Carte ecart[] = {pique(12), pique(3), trefle(4), trefle(1), carreau(6), carreau(2)};
    const int origine[] = {20, 9, 16, 22, 18, 24};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_TRUE(d.chien[i].memeCarte(ecart[i - 1])) << i;
        EXPECT_EQ(d.origineEcart[i], origine[i - 1]) << i;
    }
    const Main main = mainDe({atout(21), atout(15), atout(10), atout(7), atout(5), atout(1), atout(0), pique(14),
                              pique(9), coeur(14), coeur(13), coeur(12), coeur(7), coeur(2), trefle(11), trefle(8),
                              carreau(13), carreau(10)});
    for (int k = 1; k <= 18; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(d.mainJoueur[SUD][k].memeCarte(main[k]));
        EXPECT_TRUE(d.mainJoueur[SUD][k].enMain);
        // The hand is laid out again: 18 images along the hand line.
        const ImageCarte& im = vue.main[k];
        EXPECT_TRUE(im.visible);
        EXPECT_TRUE(im.carte.memeCarte(main[k]));
        EXPECT_EQ(im.gauche, 20 + (k - 1) * 40);
        // Each card 0 to 2 pixels under the line, by the draw made for it.
        EXPECT_EQ(im.haut, 346 + 3 - vue.tirageMain[k]);
        EXPECT_EQ(im.curseur, Curseur::Interdit);
    }
    for (int p = 19; p <= 24; ++p) EXPECT_FALSE(vue.main[p].visible) << p;
    EXPECT_FALSE(vue.confirmeEcart);
    EXPECT_EQ(d.modeEcart, 0);
    EXPECT_EQ(d.etatAttente, 1);
    EXPECT_EQ(d.numeroPli, 99);

    // The screen is closed: later clicks change nothing.
    const Main apres = d.mainJoueur[SUD];
    cliquerCarteEcart(jeu, 9);
    confirmerEcart(jeu);
    EXPECT_EQ(jeu.donne.nbCartesEcartees, 6);
    for (int k = 1; k <= 18; ++k) EXPECT_TRUE(jeu.donne.mainJoueur[SUD][k].memeCarte(apres[k]));
}

}  // namespace
