#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "engine/chien.h"
#include "engine/distribution.h"
#include "engine/jeu.h"
#include "tests/aides.h"
#include "tests/tirages.h"

namespace {

using Cartes24 = std::array<Carte, 24>;
using Ecart = std::array<Carte, 6>;

// Gives `preneur` the 24 cards, listed in hand order, six of them as the dog.
// Merging a sorted hand and a sorted dog gives back the sorted list, so the
// positions of the computer's discard are the places in that list.
void preparer(Jeu& jeu, int preneur, const Cartes24& cartes, const std::array<int, 6>& auChien) {
    Donne& d = jeu.donne;
    int m = 0;
    int c = 0;
    for (int p = 1; p <= 24; ++p) {
        bool chien = false;
        for (int q : auChien) chien = chien || q == p;
        if (chien) {
            ++c;
            d.chien[c] = d.chienInitial[c] = cartes[p - 1];
        } else {
            ++m;
            d.mainJoueur[preneur][m] = d.mainInitiale[preneur][m] = cartes[p - 1];
        }
    }
    d.preneur = preneur;
    d.enchere[preneur] = PRISE;
    d.contrat = PRISE;
}

bool dansLOrdre(const Carte* cartes, int n) {
    for (int i = 1; i < n; ++i)
        if (!avantDansLaMain(cartes[i - 1], cartes[i])) return false;
    return true;
}

// What every computer discard must satisfy, given the deal before it.
void verifierEcart(const Donne& avant, const Donne& d, int preneur) {
    EXPECT_EQ(d.nbCartesEcartees, 6);
    Table<Table<int, 0, 21>, 0, 4> compte;
    for (int i = 1; i <= 18; ++i) ++compte[avant.mainJoueur[preneur][i].couleur][avant.mainJoueur[preneur][i].valeur];
    for (int i = 1; i <= 6; ++i) ++compte[avant.chien[i].couleur][avant.chien[i].valeur];

    std::array<Carte, 18> main{};
    for (int i = 1; i <= 18; ++i) {
        main[i - 1] = d.mainJoueur[preneur][i];
        EXPECT_TRUE(main[i - 1].enMain) << "slot " << i;
        --compte[main[i - 1].couleur][main[i - 1].valeur];
    }
    std::array<Carte, 6> ecart{};
    for (int i = 1; i <= 6; ++i) {
        const Carte& c = d.chien[i];
        ecart[i - 1] = c;
        --compte[c.couleur][c.valeur];
        EXPECT_NE(c.couleur, ATOUT) << "no trump nor the Excuse in the discard";
        EXPECT_NE(c.valeur, ROI) << "no roi in the discard";
        const int o = d.origineEcart[i];
        ASSERT_TRUE(o >= 1 && o <= 24) << o;
        const Carte& dOu = o <= 18 ? avant.mainInitiale[preneur][o] : avant.chienInitial[o - 18];
        EXPECT_TRUE(dOu.memeCarte(c)) << "origin of discard " << i;
    }
    for (int couleur = 0; couleur <= 4; ++couleur)
        for (int v = 0; v <= 21; ++v) EXPECT_EQ(compte[couleur][v], 0) << couleur << "/" << v;
    EXPECT_TRUE(dansLOrdre(main.data(), 18)) << "the hand stays in hand order";
    EXPECT_TRUE(dansLOrdre(ecart.data(), 6)) << "so does the discard";
    for (int s = 1; s <= 4; ++s) {
        if (s == preneur) continue;
        for (int i = 1; i <= 18; ++i) EXPECT_TRUE(d.mainJoueur[s][i].memeCarte(avant.mainJoueur[s][i]));
    }
}

struct Cas {
    const char* quoi;
    Cartes24 cartes;
    std::vector<TirageVoulu> tirages;  // the draws of the routine, in order
    Ecart ecart;
};

void jouer(const Cas& c) {
    SCOPED_TRACE(c.quoi);
    const std::uint32_t graine = graineDonnant(c.tirages);
    ASSERT_NE(graine, 0u);
    Jeu jeu;
    preparer(jeu, NORD, c.cartes, {2, 9, 13, 17, 20, 24});
    jeu.hasard.graine = graine;
    const Donne avant = jeu.donne;
    ecartOrdinateur(jeu);
    for (int i = 1; i <= 6; ++i) EXPECT_TRUE(jeu.donne.chien[i].memeCarte(c.ecart[i - 1])) << "discard " << i;
    verifierEcart(avant, jeu.donne, NORD);
}

// Draws whose value does not matter: the suit surveys and the fill's start.
TirageVoulu r4() { return nImporte(4); }
TirageVoulu k24() { return nImporte(24); }
TirageVoulu moinsDe(int n, int seuil) { return {n, [seuil](int x) { return x < seuil; }}; }
TirageVoulu auMoins(int n, int seuil) { return {n, [seuil](int x) { return x >= seuil; }}; }

TEST(EcartOrdinateur, VidesEtRemplissage) {
    const Cas cas[] = {
        {"every suit holds its roi: no void, the fill runs down from position 20",
         {atout(21), atout(20), atout(19), atout(18), atout(17), pique(14), pique(2), coeur(14), coeur(10), coeur(9),
          coeur(8), coeur(7), coeur(6), coeur(5), coeur(4), coeur(3), trefle(14), trefle(5), trefle(4), trefle(3),
          carreau(14), carreau(4), carreau(3), carreau(2)},
         {r4(), r4(), tirage(24, 20)},
         {pique(2), trefle(5), trefle(4), trefle(3), carreau(3), carreau(2)}},
        {"dame and cavalier keep the shortest suit from being the short suit",
         {atout(21), atout(20), atout(19), atout(18), atout(17), pique(13), pique(12), coeur(10), coeur(9), coeur(8),
          trefle(14), trefle(9), trefle(8), trefle(7), trefle(6), trefle(5), trefle(4), trefle(3), trefle(2),
          carreau(14), carreau(6), carreau(5), carreau(4), carreau(3)},
         {r4(), r4(), tirage(24, 7)},
         {pique(13), pique(12), coeur(10), coeur(9), coeur(8), carreau(3)}},
        {"seven small cards in the only suit without its roi: the void stops at six",
         {atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), pique(14), pique(13),
          pique(12), pique(11), pique(10), pique(9), coeur(14), coeur(13), trefle(14), trefle(12), carreau(7),
          carreau(6), carreau(5), carreau(4), carreau(3), carreau(2), carreau(1)},
         {r4(), k24()},
         {carreau(7), carreau(6), carreau(5), carreau(4), carreau(3), carreau(2)}},
        {"8 trumps and a single oudler: no second void",
         {atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14), pique(3), pique(2),
          coeur(6), coeur(5), coeur(4), coeur(3), trefle(14), trefle(9), trefle(8), trefle(7), trefle(6), trefle(5),
          carreau(14), carreau(9), carreau(8), carreau(7)},
         {r4(), r4(), tirage(24, 22)},
         {pique(3), pique(2), coeur(5), coeur(4), coeur(3), carreau(9)}},
        {"9 trumps and a single oudler: hearts are the second void, diamonds keep their roi",
         {atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14), atout(13), pique(3),
          pique(2), coeur(6), coeur(5), coeur(4), coeur(3), trefle(14), trefle(9), trefle(8), trefle(7), trefle(6),
          trefle(5), carreau(14), carreau(9), carreau(8)},
         {r4(), r4(), k24()},
         {pique(3), pique(2), coeur(6), coeur(5), coeur(4), coeur(3)}},
        {"8 trumps with the Petit and the 21: second void",
         {atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(1), pique(3), pique(2),
          coeur(6), coeur(5), coeur(4), coeur(3), trefle(14), trefle(9), trefle(8), trefle(7), trefle(6), trefle(5),
          carreau(14), carreau(9), carreau(8), carreau(7)},
         {r4(), r4(), k24()},
         {pique(3), pique(2), coeur(6), coeur(5), coeur(4), coeur(3)}},
        {"8 trumps with the 21 and the Excuse: second void",
         {atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14), atout(0), pique(3),
          pique(2), coeur(6), coeur(5), coeur(4), coeur(3), trefle(14), trefle(9), trefle(8), trefle(7), trefle(6),
          trefle(5), carreau(14), carreau(9), carreau(8)},
         {r4(), r4(), k24()},
         {pique(3), pique(2), coeur(6), coeur(5), coeur(4), coeur(3)}},
        {"the long suit is spared by the first fill only",
         {atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14), atout(13),
          atout(12), pique(14), pique(2), coeur(14), coeur(10), coeur(9), coeur(8), coeur(7), coeur(6), coeur(5),
          coeur(4), trefle(14), trefle(3), carreau(14), carreau(4)},
         {r4(), r4(), k24()},
         {pique(2), coeur(6), coeur(5), coeur(4), trefle(3), carreau(4)}},
        // Hearts and clubs tie for the longest suit; the survey keeps the first
        // one it meets. Positions: 10 P2, 12..16 C7..C3, 18..22 T7..T3, 24 K2.
        {"a survey from hearts keeps hearts as the long suit",
         {atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14), pique(14),
          pique(2), coeur(14), coeur(7), coeur(6), coeur(5), coeur(4), coeur(3), trefle(14), trefle(7), trefle(6),
          trefle(5), trefle(4), trefle(3), carreau(14), carreau(2)},
         {tirage(4, 1), r4(), tirage(24, 22)},
         {pique(2), trefle(7), trefle(6), trefle(5), trefle(4), trefle(3)}},
        {"a survey from clubs keeps clubs as the long suit",
         {atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14), pique(14),
          pique(2), coeur(14), coeur(7), coeur(6), coeur(5), coeur(4), coeur(3), trefle(14), trefle(7), trefle(6),
          trefle(5), trefle(4), trefle(3), carreau(14), carreau(2)},
         {tirage(4, 2), r4(), tirage(24, 22)},
         {pique(2), coeur(7), coeur(6), coeur(5), coeur(4), coeur(3)}},
    };
    for (const Cas& c : cas) jouer(c);
}

// Spades are the short suit (the 2 alone), hearts the long one with a lone
// dame, clubs hold a lone cavalier, diamonds a lone valet. Positions:
//  1..6 trumps, 7 the Excuse, 8 P2, 9 C13, 10..14 C7..C3, 15 T12, 16..19 T6..T3,
// 20 K11, 21..24 K6..K3.
Cartes24 honneursSeuls(bool excuse) {
    return {atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), excuse ? atout(0) : atout(15),
            pique(2), coeur(13), coeur(7), coeur(6), coeur(5), coeur(4), coeur(3), trefle(12), trefle(6),
            trefle(5), trefle(4), trefle(3), carreau(11), carreau(6), carreau(5), carreau(4), carreau(3)};
}

TEST(EcartOrdinateur, HonneursSeulsSelonLeHasard) {
    // Cavalier discarded, dame and valet kept: the fill from 19 takes four clubs.
    const Ecart cavalierSeul = {pique(2), trefle(12), trefle(6), trefle(5), trefle(4), trefle(3)};
    // Dame and valet discarded, cavalier kept: the fill from 24 takes three diamonds.
    const Ecart dameEtValet = {pique(2), coeur(13), carreau(11), carreau(5), carreau(4), carreau(3)};
    // A draw of 4 starts the honours at spades: then hearts, clubs, diamonds.
    const Cas cas[] = {
        {"with the Excuse a dame draw of 9 keeps the dame", honneursSeuls(true),
         {r4(), tirage(4, 4), tirage(100, 9), moinsDe(100, 90), auMoins(100, 70), tirage(24, 19)}, cavalierSeul},
        {"with the Excuse a dame draw of 10 discards it", honneursSeuls(true),
         {r4(), tirage(4, 4), tirage(100, 10), auMoins(100, 90), moinsDe(100, 70), tirage(24, 24)}, dameEtValet},
        {"a cavalier draw of 89 discards it", honneursSeuls(true),
         {r4(), tirage(4, 4), moinsDe(100, 10), tirage(100, 89), auMoins(100, 70), tirage(24, 19)}, cavalierSeul},
        {"a cavalier draw of 90 keeps it", honneursSeuls(true),
         {r4(), tirage(4, 4), auMoins(100, 10), tirage(100, 90), moinsDe(100, 70), tirage(24, 24)}, dameEtValet},
        {"a valet draw of 69 discards it", honneursSeuls(true),
         {r4(), tirage(4, 4), auMoins(100, 10), auMoins(100, 90), tirage(100, 69), tirage(24, 24)}, dameEtValet},
        {"a valet draw of 70 keeps it", honneursSeuls(true),
         {r4(), tirage(4, 4), moinsDe(100, 10), moinsDe(100, 90), tirage(100, 70), tirage(24, 19)}, cavalierSeul},
        {"a draw of 2 starts at clubs: cavalier, valet, then the dame", honneursSeuls(true),
         {r4(), tirage(4, 2), moinsDe(100, 90), auMoins(100, 70), tirage(100, 9), tirage(24, 19)}, cavalierSeul},
        {"without the Excuse the dame goes with no draw", honneursSeuls(false),
         {r4(), tirage(4, 4), auMoins(100, 90), auMoins(100, 70), tirage(24, 19)},
         {pique(2), coeur(13), trefle(6), trefle(5), trefle(4), trefle(3)}},
    };
    for (const Cas& c : cas) jouer(c);
}

TEST(EcartOrdinateur, DonnesReelles) {
    int ecartsVerifies = 0;
    for (std::uint64_t graine = 1; graine <= 150; ++graine) {
        Jeu jeu;
        jeu.hasard.horloge = horlogeDeterministe(graine);
        distribuer(jeu, 0);
        const Donne donne = jeu.donne;
        for (int preneur = 1; preneur <= 4; ++preneur) {
            SCOPED_TRACE(testing::Message() << "deal " << graine << ", taker " << preneur);
            jeu.donne = donne;
            jeu.donne.preneur = preneur;
            jeu.donne.enchere[preneur] = GARDE;
            ecartOrdinateur(jeu);
            verifierEcart(donne, jeu.donne, preneur);
            ++ecartsVerifies;
            if (testing::Test::HasFailure()) return;
        }
    }
    EXPECT_EQ(ecartsVerifies, 600);
}

}  // namespace
