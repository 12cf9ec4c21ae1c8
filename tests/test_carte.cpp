#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "engine/distribution.h"
#include "engine/jeu.h"
#include "tests/aides.h"

TEST(Carte, LePaquetVaut182DemiPointsEtTroisBouts) {
    Jeu jeu;
    int total = 0, bouts = 0;
    std::set<std::pair<int, int>> vues;
    for (int id = 1; id <= 78; ++id) {
        const Carte& c = jeu.paquet[id];
        total += pointsCarte(c);
        if (estBout(c)) ++bouts;
        vues.insert({c.couleur, c.valeur});
    }
    EXPECT_EQ(total, 182);
    EXPECT_EQ(bouts, 3);
    EXPECT_EQ(vues.size(), 78u);
    EXPECT_TRUE(estExcuse(jeu.paquet[57]));
    EXPECT_TRUE(jeu.paquet[1].memeCarte(pique(1)));
    EXPECT_TRUE(jeu.paquet[28].memeCarte(coeur(14)));
    EXPECT_TRUE(jeu.paquet[43].memeCarte(carreau(1)));
    EXPECT_TRUE(jeu.paquet[58].memeCarte(atout(1)));
    EXPECT_TRUE(jeu.paquet[78].memeCarte(atout(21)));
}

TEST(Carte, PointsDesCartes) {
    struct Cas { const char* quoi; Carte c; int points; };
    const Cas cas[] = {
        {"Petit", atout(1), 9},       {"21", atout(21), 9},        {"Excuse", atout(0), 9},
        {"atout 2", atout(2), 1},     {"atout 20", atout(20), 1},  {"roi", coeur(14), 9},
        {"dame", pique(13), 7},       {"cavalier", trefle(12), 5}, {"valet", carreau(11), 3},
        {"dix", coeur(10), 1},        {"as", pique(1), 1},         {"place vide", Carte{}, 0},
    };
    for (const auto& c : cas) EXPECT_EQ(pointsCarte(c.c), c.points) << c.quoi;
    EXPECT_EQ(pointsCarte(pique(2)) + pointsCarte(coeur(3)) + pointsCarte(trefle(4)) + pointsCarte(carreau(5)), 4);
}

TEST(Carte, SiegesEtBouts) {
    EXPECT_EQ(siegeSuivant(1), 2);
    EXPECT_EQ(siegeSuivant(4), 1);
    EXPECT_EQ(siegePrecedent(1), 4);
    EXPECT_FALSE(estAtout(atout(0)));
    EXPECT_TRUE(estAtout(atout(1)));
    EXPECT_FALSE(estBout(atout(2)));
    EXPECT_FALSE(estExcuse(pique(0)));
}

TEST(Carte, OrdreDeLaMain) {
    Donne d;
    d.mainJoueur[1] = mainDe({carreau(1), atout(0), pique(14), atout(1), coeur(3), atout(21), trefle(12),
                              pique(2), atout(7), carreau(14), coeur(13), trefle(1), pique(11), atout(15),
                              coeur(1), carreau(7), trefle(14), pique(5)});
    for (int s = 2; s <= 4; ++s) d.mainJoueur[s] = d.mainJoueur[1];
    trierMains(d);
    const Main attendu = mainDe({atout(21), atout(15), atout(7), atout(1), atout(0), pique(14), pique(11),
                                 pique(5), pique(2), coeur(13), coeur(3), coeur(1), trefle(14), trefle(12),
                                 trefle(1), carreau(14), carreau(7), carreau(1)});
    for (int i = 1; i <= 18; ++i) {
        EXPECT_TRUE(d.mainJoueur[1][i].memeCarte(attendu[i])) << "slot " << i;
        EXPECT_TRUE(d.mainInitiale[4][i].memeCarte(attendu[i])) << "slot " << i;
    }

    for (int i = 1; i <= 6; ++i) d.chien[i] = attendu[19 - i];
    trierChien(d);
    // carreau 1, 7, roi and trefle 1, cavalier, roi, sorted.
    const Carte chienTrie[] = {trefle(14), trefle(12), trefle(1), carreau(14), carreau(7), carreau(1)};
    for (int i = 1; i <= 6; ++i) EXPECT_TRUE(d.chienInitial[i].memeCarte(chienTrie[i - 1])) << "dog slot " << i;
}

TEST(CarteDeathTest, UnIndexHorsDeLaTableArreteLeProgramme) {
    Table<int, 1, 4> t;
    EXPECT_DEATH(t[0] = 1, "hors de");
    EXPECT_DEATH(t[5] = 1, "hors de");
}

// Any hand, dealt or not: the order is the hand order card for card, and
// each slot keeps its enMain. Hands of a shuffled pack, and hands a test may
// build with a card twice or with empty records.
TEST(Carte, OrdreDeLaMainQuellesQueSoientLesCartes) {
    Paquet paquet;
    construirePaquet(paquet);
    std::vector<Carte> pack;
    for (int id = 1; id <= 78; ++id) pack.push_back(paquet[id]);
    std::mt19937 alea(7);
    for (int essai = 0; essai < 200; ++essai) {
        std::shuffle(pack.begin(), pack.end(), alea);
        std::vector<Carte> cartes(pack.begin(), pack.begin() + 18);
        if (essai % 4 == 1) cartes[5] = cartes[11];             // a card twice
        if (essai % 4 == 2) cartes[3] = cartes[17] = Carte{};   // empty records
        Donne d;
        for (int i = 1; i <= 18; ++i) {
            d.mainJoueur[2][i] = cartes[static_cast<std::size_t>(i - 1)];
            d.mainJoueur[2][i].enMain = i % 3 != 0;
        }
        std::vector<Carte> attendu = cartes;
        std::stable_sort(attendu.begin(), attendu.end(), avantDansLaMain);
        trierMains(d);
        for (int i = 1; i <= 18; ++i) {
            const Carte& c = d.mainJoueur[2][i];
            EXPECT_TRUE(c.memeCarte(attendu[static_cast<std::size_t>(i - 1)])) << "try " << essai << " slot " << i;
            EXPECT_EQ(c.enMain, i % 3 != 0) << "try " << essai << " slot " << i;
        }
    }
}
