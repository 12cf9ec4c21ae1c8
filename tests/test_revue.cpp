// What the review windows show: the previous trick, the 18 tricks' layout and
// replay, the four hands with the dog panels beside each taker and the frames
// of the discard.
#include <gtest/gtest.h>

#include <vector>

#include "engine/donne.h"
#include "flow/revue.h"

namespace {

int nbVisibles(const EtatTousPlis& e) {
    int n = 0;
    for (int i = 1; i <= 72; ++i) n += e.imageVisible[i];
    return n;
}

int nbCadres(const EtatTousPlis& e) {
    int n = 0;
    for (int t = 1; t <= 18; ++t) n += e.cadreVisible[t];
    return n;
}

// A deal whose trick t was led by seat (t mod 4) + 1; the taker sits North.
Donne donneJouee() {
    Donne d;
    d.preneur = NORD;
    for (int t = 1; t <= 18; ++t) d.entameurPli[t] = t % 4 + 1;
    for (int s = 1; s <= 4; ++s)
        for (int k = 1; k <= 18; ++k) {
            d.mainJoueur[s][k] = carte(s, k <= 14 ? k : 1);
            d.carteJouee[s][k] = 19 - k;  // each seat plays its hand from the right
        }
    d.numeroPli = 19;
    return d;
}

EtatTousPlis ouvert() {
    EtatTousPlis e;
    remplirTousPlis(e, donneJouee(), 1.0, 1.0);
    return e;
}

TEST(PliPrecedent, TheTrickBeforeTheOneBeingPlayed) {
    Donne d = donneJouee();
    const int attendus[][2] = {{0, 0}, {1, 0}, {2, 1}, {7, 6}, {18, 17}, {19, 18}, {20, 0}};
    for (const auto& c : attendus) {
        d.numeroPli = c[0];
        EXPECT_EQ(pliPrecedent(d), c[1]) << "numeroPli " << c[0];
    }
    // Trick 5: every seat played slot 14, the value 14 of its own suit.
    for (int s = 1; s <= 4; ++s) EXPECT_TRUE(carteDuPli(d, 5, s).memeCarte(carte(s, 14))) << s;
    d.carteJouee[2][6] = 0;  // not played yet
    EXPECT_EQ(carteDuPli(d, 6, 2).couleur, SANS_COULEUR);
    EXPECT_EQ(carteDuPli(d, 0, 2).couleur, SANS_COULEUR);
}

TEST(TousPlis, TheOrderStartsWithTheLeaderAndGoesRound) {
    const Table<int, 1, 72> ordre = ordrePlis(donneJouee());
    // Trick 1 led by East, trick 2 by North, trick 3 by West, trick 4 by South.
    const int attendus[4][4] = {{2, 3, 4, 1}, {7, 8, 5, 6}, {12, 9, 10, 11}, {13, 14, 15, 16}};
    for (int t = 1; t <= 4; ++t)
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(ordre[(t - 1) * 4 + k], attendus[t - 1][k - 1]) << t << " " << k;
    EXPECT_EQ(ordre[72], imagePli(18, EST));  // trick 18 led by North ends with East
}

TEST(TousPlis, ThreeRowsOfSixCrosses) {
    struct Cas {
        double ex, ey;
        int pli, siege, x, y;
    };
    // 800 x 600: W 30, H 50, F 3, L 5, M 6; (H + F) / 2 = 26.5 rounds to 26.
    // 1024 x 768: W 38, H 64, F 4, L 6, M 8.
    const Cas cas[] = {
        {1, 1, 1, 1, 41, 59},      {1, 1, 1, 2, 76, 32},      {1, 1, 1, 3, 41, 6},     {1, 1, 1, 4, 6, 32},
        {1, 1, 6, 4, 606, 32},     {1, 1, 7, 3, 41, 118},     {1, 1, 8, 1, 161, 171},  {1, 1, 18, 2, 676, 256},
        {1.28, 1.28, 1, 2, 96, 42}, {1.28, 1.28, 18, 1, 802, 364},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(positionCartePli(c.ex, c.ey, c.pli, c.siege), (Point{c.x, c.y})) << c.ex << " " << c.pli << " "
                                                                                   << c.siege;
    EXPECT_EQ(grilleTousPlis(1, 1), (Zone{0, 0, 712, 339}));
}

TEST(TousPlis, FramesSurroundTheLeadGreenForTheTaker) {
    const EtatTousPlis e = ouvert();
    // Trick 1 led by East: its card at (76, 32).
    EXPECT_EQ(e.cadre[1], (Zone{74, 30, 34, 54}));
    // Trick 2 led by North, the taker.
    EXPECT_EQ(e.cadre[2], (Zone{161 - 2, 6 - 2, 34, 54}));
    for (int t = 1; t <= 18; ++t) EXPECT_EQ(e.cadrePreneur[t], t % 4 + 1 == NORD) << t;
}

TEST(TousPlis, OpeningShowsEverythingAndStopsTheReplay) {
    EtatTousPlis e;
    e.timerTousPlis = true;
    e.etapePlis = 12;
    remplirTousPlis(e, donneJouee(), 1, 1);
    EXPECT_EQ(e.etapePlis, 73);
    EXPECT_FALSE(e.timerTousPlis);
    EXPECT_EQ(nbVisibles(e), 72);
    EXPECT_EQ(nbCadres(e), 18);
}

TEST(TousPlis, PlayReplaysCardByCardWithEachFrameOnItsFirstCard) {
    EtatTousPlis e = ouvert();
    lecturePause(e);
    EXPECT_TRUE(e.timerTousPlis);
    EXPECT_EQ(e.etapePlis, 2);
    EXPECT_EQ(nbVisibles(e), 1);
    EXPECT_TRUE(e.imageVisible[imagePli(1, EST)]);
    EXPECT_EQ(nbCadres(e), 1);
    EXPECT_TRUE(e.cadreVisible[1]);
    for (int carte = 2; carte <= 72; ++carte) {
        ASSERT_TRUE(e.timerTousPlis) << carte;
        tickTousPlis(e);
        EXPECT_EQ(nbVisibles(e), carte);
        EXPECT_TRUE(e.imageVisible[e.ordrePlis[carte]]);
        EXPECT_EQ(nbCadres(e), (carte + 3) / 4) << carte;
    }
    EXPECT_EQ(e.etapePlis, 73);
    EXPECT_FALSE(e.timerTousPlis);  // stopped by itself after the 72nd card
}

TEST(TousPlis, PlayAgainPausesAndOnceMoreResumesAtOnce) {
    EtatTousPlis e = ouvert();
    lecturePause(e);
    tickTousPlis(e);
    tickTousPlis(e);
    lecturePause(e);
    EXPECT_FALSE(e.timerTousPlis);
    EXPECT_EQ(e.etapePlis, 4);
    EXPECT_EQ(nbVisibles(e), 3);
    lecturePause(e);
    EXPECT_TRUE(e.timerTousPlis);
    EXPECT_EQ(e.etapePlis, 5);
    EXPECT_EQ(nbVisibles(e), 4);
}

TEST(TousPlis, OneBack) {
    EtatTousPlis e = ouvert();
    uneCarteEnArriere(e);
    EXPECT_EQ(e.etapePlis, 72);
    EXPECT_FALSE(e.imageVisible[e.ordrePlis[72]]);
    EXPECT_EQ(nbVisibles(e), 71);
    EXPECT_TRUE(e.cadreVisible[18]);

    // Back over the first card of trick 2 hides its frame too.
    e = ouvert();
    effacerTousPlis(e);
    for (int i = 0; i < 5; ++i) etapeSuivante(e);
    ASSERT_EQ(e.etapePlis, 6);
    ASSERT_TRUE(e.cadreVisible[2]);
    uneCarteEnArriere(e);
    EXPECT_EQ(e.etapePlis, 5);
    EXPECT_FALSE(e.imageVisible[e.ordrePlis[5]]);
    EXPECT_FALSE(e.cadreVisible[2]);
    EXPECT_TRUE(e.cadreVisible[1]);
    uneCarteEnArriere(e);
    EXPECT_EQ(e.etapePlis, 4);
    EXPECT_TRUE(e.cadreVisible[1]);

    // From the start it stays at the start; the timer is left alone.
    effacerTousPlis(e);
    e.timerTousPlis = true;
    uneCarteEnArriere(e);
    EXPECT_EQ(e.etapePlis, 1);
    EXPECT_EQ(nbVisibles(e), 0);
    EXPECT_TRUE(e.timerTousPlis);
}

TEST(TousPlis, ShowAllStopsTheReplayClearDoesNot) {
    EtatTousPlis e = ouvert();
    lecturePause(e);
    tickTousPlis(e);
    effacerTousPlis(e);
    EXPECT_EQ(e.etapePlis, 1);
    EXPECT_EQ(nbVisibles(e), 0);
    EXPECT_EQ(nbCadres(e), 0);
    EXPECT_TRUE(e.timerTousPlis);
    tickTousPlis(e);  // the replay goes on from the first card
    EXPECT_TRUE(e.imageVisible[e.ordrePlis[1]]);
    voirTousPlis(e);
    EXPECT_FALSE(e.timerTousPlis);
    EXPECT_EQ(e.etapePlis, 73);
    EXPECT_EQ(nbVisibles(e), 72);
}

TEST(TousPlis, PlayWithOneCardLeftShowsItAndStops) {
    EtatTousPlis e = ouvert();
    uneCarteEnArriere(e);
    lecturePause(e);
    EXPECT_EQ(e.etapePlis, 73);
    EXPECT_EQ(nbVisibles(e), 72);
    EXPECT_FALSE(e.timerTousPlis);
}

TEST(Mains, HandAndDogSlots) {
    // w 30, h 50, D 2, E 2; the dog's caption strip is 16 high.
    EXPECT_EQ(positionCarteMain(1, 1, 1), (Point{2, 2}));
    EXPECT_EQ(positionCarteMain(1, 1, 9), (Point{258, 2}));
    EXPECT_EQ(positionCarteMain(1, 1, 10), (Point{2, 54}));
    EXPECT_EQ(positionCarteMain(1, 1, 18), (Point{258, 54}));
    EXPECT_EQ(positionCarteChien(1, 1, 1), (Point{2, 18}));
    EXPECT_EQ(positionCarteChien(1, 1, 6), (Point{162, 18}));
    // 1024 x 768: w 38, h 64, D 3, E 3.
    EXPECT_EQ(positionCarteMain(1.28, 1.28, 12), (Point{3 * 3 + 38 * 2, 64 + 6}));
}

TEST(Mains, DogPanelsBesideEachTaker) {
    // Hands 290 x 106, dog panels 194 x 70, gap 5: South (205, 234), East (404, 120),
    // North (205, 6), West (6, 120).
    struct Cas {
        int preneur;
        Zone avant, apres;
    };
    const Cas cas[] = {
        {SUD, {6, 252, 194, 70}, {500, 252, 194, 70}},
        {EST, {500, 45, 194, 70}, {500, 231, 194, 70}},
        {NORD, {6, 24, 194, 70}, {500, 24, 194, 70}},
        {OUEST, {6, 45, 194, 70}, {6, 231, 194, 70}},
    };
    for (const Cas& c : cas) {
        const DispositionMains p = disposerMains(1, 1, c.preneur);
        EXPECT_EQ(p.panneauMain[SUD], (Zone{205, 234, 290, 106}));
        EXPECT_EQ(p.panneauMain[EST], (Zone{404, 120, 290, 106}));
        EXPECT_EQ(p.panneauMain[NORD], (Zone{205, 6, 290, 106}));
        EXPECT_EQ(p.panneauMain[OUEST], (Zone{6, 120, 290, 106}));
        EXPECT_EQ(p.grille, (Zone{0, 0, 700, 346}));
        EXPECT_EQ(p.chienAvantEcart, c.avant) << c.preneur;
        EXPECT_EQ(p.chienApresEcart, c.apres) << c.preneur;
    }
}

bool chevauche(const Zone& a, const Zone& b) {
    return a.gauche < b.droite() && b.gauche < a.droite() && a.haut < b.bas() && b.haut < a.bas();
}

TEST(Mains, NothingOverlapsAndAllFitsOnCommonScreens) {
    const double ecrans[][2] = {{800, 600}, {1024, 768}, {1280, 1024}, {1366, 768}, {1920, 1080}, {2560, 1440}};
    for (const auto& e : ecrans) {
        const double ex = e[0] / 800, ey = e[1] / 600;
        for (int preneur = 1; preneur <= 4; ++preneur) {
            const DispositionMains p = disposerMains(ex, ey, preneur);
            std::vector<Zone> zones = {p.chienAvantEcart, p.chienApresEcart};
            for (int s = 1; s <= 4; ++s) zones.push_back(p.panneauMain[s]);
            for (std::size_t i = 0; i < zones.size(); ++i) {
                EXPECT_GE(zones[i].gauche, 0);
                EXPECT_GE(zones[i].haut, 0);
                EXPECT_LE(zones[i].droite(), p.grille.largeur);
                EXPECT_LE(zones[i].bas(), p.grille.hauteur);
                for (std::size_t j = i + 1; j < zones.size(); ++j)
                    EXPECT_FALSE(chevauche(zones[i], zones[j])) << e[0] << "x" << e[1] << " taker " << preneur << " "
                                                               << i << "/" << j;
            }
            // The last card of a hand row fits inside its panel.
            const Point dernier = positionCarteMain(ex, ey, 18);
            EXPECT_LE(dernier.x + taillePetiteCarte(ex, ey).largeur, p.panneauMain[1].largeur);
            EXPECT_LE(dernier.y + taillePetiteCarte(ex, ey).hauteur, p.panneauMain[1].hauteur);
            const Point chien = positionCarteChien(ex, ey, 6);
            EXPECT_LE(chien.x + taillePetiteCarte(ex, ey).largeur, p.chienAvantEcart.largeur);
            EXPECT_LE(chien.y + taillePetiteCarte(ex, ey).hauteur, p.chienAvantEcart.hauteur);
        }
    }
}

Donne donneEcart(int preneur, int contrat) {
    Donne d;
    d.preneur = preneur;
    d.enchere[preneur] = contrat;
    const int origines[6] = {3, 12, 19, 24, 9, 10};
    for (int i = 1; i <= 6; ++i) d.origineEcart[i] = origines[i - 1];
    return d;
}

TEST(Mains, FramesMarkTheDiscardOfAWestTakerUnderGarde) {
    const EtatMains e = remplirMains(donneEcart(OUEST, GARDE), 1, 1);
    EXPECT_TRUE(e.ecartVisible);
    // West's hand at (6, 120), the dog above it at (6, 45).
    const Zone attendus[7] = {{},
                              {6 + 66 - 2, 120 + 2 - 2, 34, 54},    // slot 3
                              {6 + 66 - 2, 120 + 54 - 2, 34, 54},   // slot 12, lower row
                              {6 + 2 - 2, 45 + 18 - 2, 34, 54},     // dog card 1
                              {6 + 162 - 2, 45 + 18 - 2, 34, 54},   // dog card 6
                              {6 + 258 - 2, 120 + 2 - 2, 34, 54},   // slot 9
                              {6 + 2 - 2, 120 + 54 - 2, 34, 54}};   // slot 10
    for (int i = 1; i <= 6; ++i) {
        EXPECT_TRUE(e.cadreVisible[i]) << i;
        EXPECT_EQ(e.cadre[i], attendus[i]) << i;
    }
}

TEST(Mains, NoDiscardUnderGardeSansOrContre) {
    for (int contrat : {GARDE_SANS, GARDE_CONTRE}) {
        const EtatMains e = remplirMains(donneEcart(EST, contrat), 1, 1);
        EXPECT_FALSE(e.ecartVisible);
        for (int i = 1; i <= 6; ++i) EXPECT_FALSE(e.cadreVisible[i]) << contrat << " " << i;
    }
    EXPECT_TRUE(remplirMains(donneEcart(SUD, PRISE), 1, 1).ecartVisible);
}

TEST(Mains, ACardOfUnknownOriginGetsNoFrame) {
    Donne d = donneEcart(SUD, PRISE);
    d.origineEcart[2] = -1;
    d.origineEcart[5] = 25;
    const EtatMains e = remplirMains(d, 1, 1);
    EXPECT_FALSE(e.cadreVisible[2]);
    EXPECT_FALSE(e.cadreVisible[5]);
    EXPECT_TRUE(e.cadreVisible[1]);
    // South's slot 3 at (205 + 66, 234 + 2).
    EXPECT_EQ(e.cadre[1], (Zone{205 + 66 - 2, 234, 34, 54}));
}

}  // namespace
