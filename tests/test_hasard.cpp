#include <gtest/gtest.h>

#include <set>

#include "engine/hasard.h"

// The expected draws were worked out apart from the game's code:
// seed 12345 -> 12345 x 134775813 + 1 = 1663807911286 mod 2^32 = 1652657782,
// high half of 1652657782 x 100 = 38.47..., so the draw is 39; and so on.
TEST(Hasard, PremiersTiragesDUneGraineConnue) {
    Hasard h;
    h.graine = 12345;
    EXPECT_EQ(hasard(h, 100), 39);
    EXPECT_EQ(hasard(h, 78), 23);
    EXPECT_EQ(hasard(h, 78), 7);
    EXPECT_EQ(hasard(h, 6), 4);
    EXPECT_EQ(hasard(h, 1000000), 633676);

    h.graine = 0;
    hasard(h, 2);
    EXPECT_EQ(h.graine, 1u);
    hasard(h, 2);
    EXPECT_EQ(h.graine, 134775814u);
    hasard(h, 2);
    EXPECT_EQ(h.graine, 3698175007u);
}

TEST(Hasard, UnTirageDeNVaDe1AN) {
    Hasard h;
    h.graine = 7;
    std::set<int> vus;
    for (int i = 0; i < 10000; ++i) {
        const int t = hasard(h, 6);
        ASSERT_GE(t, 1);
        ASSERT_LE(t, 6);
        vus.insert(t);
    }
    EXPECT_EQ(vus.size(), 6u);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(hasard(h, 1), 1);
}

TEST(Hasard, ReamorcerLitLHorloge) {
    Hasard h;
    h.horloge = [] { return ((13u * 60 + 5) * 60 + 7) * 1000 + 250; };
    reamorcer(h);
    EXPECT_EQ(h.graine, 47107250u);
    EXPECT_LT(horlogeSysteme(), 86400000u);
}

TEST(Hasard, HorlogeDeterministe) {
    Horloge a = horlogeDeterministe(42), b = horlogeDeterministe(42), c = horlogeDeterministe(43);
    std::uint32_t precedent = 0;
    bool differe = false;
    for (int i = 0; i < 1000; ++i) {
        const std::uint32_t t = a();
        EXPECT_EQ(t, b());
        EXPECT_LT(t, 86400000u);
        if (i > 0) {
            EXPECT_NE(t, precedent);
        }
        if (t != c()) differe = true;
        precedent = t;
    }
    EXPECT_TRUE(differe);
}

// The shuffle's paired draws are the two draws of hasard, seed for seed.
TEST(Hasard, DeuxTiragesCommeDeuxAppels) {
    for (std::uint32_t graine : {0u, 1u, 12345u, 86399999u, 0xFFFFFFFFu, 2654435761u})
        for (int n : {1, 2, 78, 100, 1000000}) {
            Hasard un, deux;
            un.graine = deux.graine = graine;
            for (int k = 0; k < 50; ++k) {
                int a = 0, b = 0;
                deuxTirages(deux, n, a, b);
                EXPECT_EQ(a, hasard(un, n)) << graine << " " << n << " " << k;
                EXPECT_EQ(b, hasard(un, n)) << graine << " " << n << " " << k;
                ASSERT_EQ(deux.graine, un.graine);
            }
        }
}
