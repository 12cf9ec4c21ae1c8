#include <gtest/gtest.h>

#include "tests/scene_regles.h"
#include "tests/tirages.h"

namespace {

using namespace scene;

// A defender's hand with the Excuse and four trumps (none of the oudlers).
const char* const estExcuse = "A20 A12 A8 A4 Exc P13 P7 P5 C11 C6 C3 T12 T9 T4 K10 K8 K5 K3";
// A defender's hand with the Petit, the Excuse and no club.
const char* const estPetitSansTrefle = "A20 A12 A8 A1 Exc P13 P7 P5 P2 C11 C6 C3 C2 K10 K8 K5 K3 K1";

TEST(Regle01, ExcuseImposeeAuPli17) {
    for (const int pli : {17, 16}) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1", estExcuse, "", ""), SUD, PRISE, EST);
        jeu.donne.numeroPli = pli;
        essayerRegle(jeu, 1);
        if (pli == 17) {
            EXPECT_EQ(jouables(jeu, EST), "Exc");
            ASSERT_EQ(jeu.regles.nbReglesUtilisees, 1);
            EXPECT_EQ(jeu.regles.regleUtilisee[1], 1);
            EXPECT_EQ(jeu.regles.joueurRegleUtilisee[1], EST);
        } else {
            EXPECT_EQ(nbJouables(jeu, EST), 18);
            EXPECT_EQ(jeu.regles.nbReglesUtilisees, 0);
        }
    }
}

TEST(Regle02, LePreneurGardeLExcuseQuandLePetitTombe) {
    const char* const nord = "A21 A15 A7 Exc P12 P9 P4 C10 C8 C5 T14 T6 T3 K12 K9 K7 K6 K2";
    struct Cas {
        const char* quoi;
        const char* entame;
        const char* attendu;
    };
    const Cas cas[] = {{"the Petit led", "A1", "A21 A15 A7"}, {"another trump led", "A3", "A21 A15 A7 Exc"}};
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "", "A1 A3", nord, ""), NORD, PRISE, EST);
        jouer(jeu, c.entame);
        essayerRegle(jeu, 2);
        EXPECT_EQ(jouables(jeu, NORD), c.attendu) << c.quoi;
    }
}

TEST(Regle03, LePetitNEstPasEntame) {
    Jeu jeu;
    distribuerScene(jeu, placement("", "", estPetitSansTrefle, "", ""), SUD, PRISE, EST);
    essayerRegle(jeu, 3);
    EXPECT_EQ(jouables(jeu, EST), "A20 A12 A8 Exc P13 P7 P5 P2 C11 C6 C3 C2 K10 K8 K5 K3 K1");
}

TEST(Regle03, PasQuandLeSiegeNEntamePas) {
    Jeu jeu;
    distribuerScene(jeu, placement("", "T5", estPetitSansTrefle, "", ""), NORD, PRISE, SUD);
    jouer(jeu, "T5");
    essayerRegle(jeu, 3);
    EXPECT_EQ(jouables(jeu, EST), "A20 A12 A8 A1 Exc");
}

TEST(Regle04, LeDefenseurAuPetitNEntamePasAtout) {
    struct Cas {
        const char* quoi;
        int preneur;
        const char* attendu;
    };
    const Cas cas[] = {
        {"a defender", SUD, "P13 P7 P5 P2 C11 C6 C3 C2 K10 K8 K5 K3 K1"},
        {"the taker keeps its trumps", EST, "A20 A12 A8 A1 Exc P13 P7 P5 P2 C11 C6 C3 C2 K10 K8 K5 K3 K1"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "", estPetitSansTrefle, "", ""), c.preneur, PRISE, EST);
        essayerRegle(jeu, 4);
        EXPECT_EQ(jouables(jeu, EST), c.attendu) << c.quoi;
    }
}

TEST(Regle05, RoisContreGardeSansEtGardeContre) {
    struct Cas {
        const char* quoi;
        int contrat, preneur;
        const char* est;
        int tirage;  // the suit drawn; the visit starts after it
        const char* attendu;
        int tirages;
    };
    const char* const cinqAtoutsDeuxRois = "A20 A17 A15 A12 A8 P14 P6 C14 C3 T9 T5 T3 K9 K7 K6 K4 K2 K1";
    const char* const quatreAtoutsDeuxRois = "A20 A17 A15 A12 P14 P6 C14 C3 T9 T5 T3 T2 K9 K7 K6 K4 K2 K1";
    const char* const sansAtout = "P14 P13 P12 P11 P10 P9 P8 P7 P6 P5 P4 P3 P2 P1 C14 C13 C12 C11";
    const Cas cas[] = {
        {"five trumps: the first King after the drawn suit, hearts", GARDE_SANS, SUD, cinqAtoutsDeuxRois, 1, "C14",
         1},
        {"five trumps: from diamonds the visit reaches spades first", GARDE_CONTRE, SUD, cinqAtoutsDeuxRois, 4, "P14",
         1},
        {"four trumps: both King suits go", GARDE_SANS, SUD, quatreAtoutsDeuxRois, 2,
         "A20 A17 A15 A12 T9 T5 T3 T2 K9 K7 K6 K4 K2 K1", 1},
        {"no trump: hearts go, spades are the last suit and stay", GARDE_SANS, SUD, sansAtout, 1,
         "P14 P13 P12 P11 P10 P9 P8 P7 P6 P5 P4 P3 P2 P1", 1},
        {"no trump: spades go, hearts stay", GARDE_SANS, SUD, sansAtout, 4, "C14 C13 C12 C11", 1},
        {"a Garde: no draw", GARDE, SUD, cinqAtoutsDeuxRois, 1,
         "A20 A17 A15 A12 A8 P14 P6 C14 C3 T9 T5 T3 K9 K7 K6 K4 K2 K1", 0},
        {"the taker: no draw", GARDE_SANS, EST, cinqAtoutsDeuxRois, 1,
         "A20 A17 A15 A12 A8 P14 P6 C14 C3 T9 T5 T3 K9 K7 K6 K4 K2 K1", 0},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", c.est, "", ""), c.preneur, c.contrat, EST);
        const std::uint32_t g = graineDonnant({tirage(4, c.tirage)});
        jeu.hasard.graine = g;
        essayerRegle(jeu, 5);
        EXPECT_EQ(jouables(jeu, EST), c.attendu) << c.quoi;
        EXPECT_EQ(jeu.hasard.graine, apresTirages(g, c.tirages)) << c.quoi;
    }
}

TEST(Regle06, PasDExcuseDevantLePreneur) {
    struct Cas {
        const char* quoi;
        const char* est;
        const char* ouest;
        const char* attendu;
    };
    const Cas cas[] = {
        {"the taker plays after", "A20 A12 Exc P13 P7 P5 C11 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2 K1", "A1", "C11 C6 C3"},
        {"with the Petit the Excuse stays", "A20 A1 Exc P13 P7 P5 C11 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2 K1", "",
         "Exc C11 C6 C3"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "C5", c.est, "", c.ouest), OUEST, PRISE, SUD);
        jouer(jeu, "C5");
        essayerRegle(jeu, 6);
        EXPECT_EQ(jouables(jeu, EST), c.attendu) << c.quoi;
    }
}

TEST(Regle07, LePreneurCaptureLePetit) {
    // East's only trump is the Petit.
    const char* const est = "A1 P13 P7 P5 P2 C11 C6 C3 C2 T12 T9 T4 K10 K8 K5 K3 K2 K1";
    const char* const nordAu21 = "A21 A15 A7 Exc P12 P9 P4 C10 C8 C5 T14 T6 T3 K12 K9 K7 K6 K4";
    const char* const nordSans21 = "A20 A15 A7 Exc P12 P9 P4 C10 C8 C5 T14 T6 T3 K12 K9 K7 K6 K4";
    struct Cas {
        const char* quoi;
        int entameur;
        const char* nord;
        const char* cartes;
        const char* attendu;
    };
    const Cas cas[] = {
        {"the Petit led, the taker second", EST, nordAu21, "A1", "A21"},
        {"the Petit second, the taker third", SUD, nordAu21, "A3 A1", "A21"},
        {"the master trump is elsewhere", EST, nordSans21, "A1", "A20 A15 A7 Exc"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A3", est, c.nord, ""), NORD, PRISE, c.entameur);
        jouer(jeu, c.cartes);
        essayerRegle(jeu, 7);
        EXPECT_EQ(jouables(jeu, NORD), c.attendu) << c.quoi;
    }
}

struct Regle08 : ::testing::Test {
    Jeu jeu;
    // East leads with four trumps; sixteen more are taken as played, so only
    // the Petit is still outside.
    void preparer(const char* est, const char* sud) {
        distribuerScene(jeu, placement("", sud, est, "", ""), SUD, PRISE, EST);
        Connaissances& k = jeu.connaissances;
        k.nbAtoutsJoues = 20 - k.nbAtoutsMain[EST];
    }
};

TEST_F(Regle08, AtoutDuHautQuandSeulLePetitEstDehors) {
    preparer(estExcuse, "A1");
    essayerRegle(jeu, 8);
    EXPECT_EQ(jouables(jeu, EST), "A20");
}

TEST_F(Regle08, PasQuandLePreneurEstSansAtout) {
    preparer(estExcuse, "A1");
    jeu.connaissances.atoutCoupe[EST][SUD] = 1;
    essayerRegle(jeu, 8);
    EXPECT_EQ(nbJouables(jeu, EST), 18);
}

TEST_F(Regle08, PasQuandLeSiegeTientLePetit) {
    preparer("A20 A12 A8 A1 P13 P7 P5 C11 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2", "Exc");
    essayerRegle(jeu, 8);
    EXPECT_EQ(nbJouables(jeu, EST), 18);
}

TEST_F(Regle08, SansEffetQuandLeHautAtoutEstJoue) {
    preparer(estExcuse, "A1");
    jeu.donne.mainJoueur[EST][1].enMain = false;  // the 20 went in an earlier trick
    jeu.connaissances.nbAtoutsMain[EST] = 3;
    essayerRegle(jeu, 8);
    EXPECT_EQ(jeu.regles.carteChoisie, 0);
    EXPECT_EQ(nbJouables(jeu, EST), 17);
}

TEST(Regle09, PasDAtoutContreLaPoigneeDuPreneurHumain) {
    const char* const septAtouts = "A20 A18 A16 A12 A8 A6 A4 Exc P13 P7 C11 C6 C3 T12 T9 K10 K8 K5";
    struct Cas {
        const char* quoi;
        int preneur, poignee;
        const char* est;
        int attendus;
    };
    const Cas cas[] = {
        {"four trumps against a handful", SUD, 1, estExcuse, 13},
        {"no handful", SUD, 0, estExcuse, 18},
        {"seven trumps and no Petit", SUD, 1, septAtouts, 18},
        {"a computer taker", NORD, 1, estExcuse, 18},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "", c.est, "", "A1"), c.preneur, GARDE, EST);
        jeu.donne.poigneeHumain = c.poignee;
        essayerRegle(jeu, 9);
        EXPECT_EQ(nbJouables(jeu, EST), c.attendus) << c.quoi;
        if (c.attendus == 13) {
            EXPECT_EQ(jouables(jeu, EST), "P13 P7 P5 C11 C6 C3 T12 T9 T4 K10 K8 K5 K3");
        }
    }
}

TEST(Regle10, LePreneurTireAvecSesAtoutsMaitres) {
    struct Cas {
        const char* quoi;
        const char* nord;
        const char* attendu;
    };
    const Cas cas[] = {
        {"eleven master trumps against ten outside", "A21 A20 A19 A18 A17 A16 A15 A14 A13 A12 A11 P13 P7 C11 C6 T12 K10 K8",
         "A21"},
        {"ten master trumps against eleven outside",
         "A21 A20 A19 A18 A17 A16 A15 A14 A13 A12 P13 P7 C11 C6 T12 K10 K8 K6", ""},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", "", c.nord, ""), NORD, GARDE, NORD);
        essayerRegle(jeu, 10);
        if (*c.attendu) {
            EXPECT_EQ(jouables(jeu, NORD), c.attendu) << c.quoi;
        } else {
            EXPECT_EQ(nbJouables(jeu, NORD), 18) << c.quoi;
        }
    }
}

TEST(Regle11, LePreneurJoueSesCouleursQuandLaDefenseNAPlusDAtout) {
    struct Cas {
        const char* quoi;
        const char* nord;
        bool sansAtout;
        std::vector<TirageVoulu> tirages;
        const char* attendu;
    };
    const Cas cas[] = {
        // Visit from spades: the spade King is the taker's, the heart King is out.
        {"an honour held: the highest heart of 10 or less", "A21 A20 P14 P9 P3 C12 C9 C5 T8 T7 T6 T5 T4 K9 K8 K7 K6 K5",
         false, {tirage(4, 4)}, "C9"},
        {"no honour: from the drawn value 5 up, the 8",
         "A21 A20 P14 P9 P3 C8 C3 C2 T8 T7 T6 T5 T4 K9 K8 K7 K6 K5", false, {tirage(4, 4), tirage(10, 5)}, "C8"},
        {"no honour: from the drawn value 8 up, wrapping to the 2",
         "A21 A20 P14 P9 P3 C8 C3 C2 T8 T7 T6 T5 T4 K9 K8 K7 K6 K5", false, {tirage(4, 4), tirage(10, 8)}, "C2"},
        {"void in hearts: the master spade", "A21 A20 P14 P9 P3 T9 T8 T7 T6 T5 T4 K10 K9 K8 K7 K6 K5 K4", false,
         {tirage(4, 4), tirage(4, 4)}, "P14"},
        {"no trump in hand: only the master cards", "A21 A20 P14 P9 P3 C12 C9 C5 T8 T7 T6 T5 T4 K9 K8 K7 K6 K5",
         true, {tirage(4, 4)}, "P14"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", "", c.nord, ""), NORD, GARDE, NORD);
        jeu.connaissances.nbAtoutsDehors[NORD] = 0;
        if (c.sansAtout) jeu.connaissances.nbAtoutsMain[NORD] = 0;
        const std::uint32_t g = graineDonnant(c.tirages);
        jeu.hasard.graine = g;
        essayerRegle(jeu, 11);
        EXPECT_EQ(jouables(jeu, NORD), c.attendu) << c.quoi;
        EXPECT_EQ(jeu.hasard.graine, apresTirages(g, static_cast<int>(c.tirages.size()))) << c.quoi;
    }
}

TEST(Regle11, PasTantQueLaDefenseADesAtouts) {
    Jeu jeu;
    distribuerScene(jeu, placement("", "A1 Exc", "", "A21 A20 P14 P9 P3 C12 C9 C5 T8 T7 T6 T5 T4 K9 K8 K7 K6 K5", ""),
                    NORD, GARDE, NORD);
    jeu.hasard.graine = 99;
    essayerRegle(jeu, 11);
    EXPECT_EQ(nbJouables(jeu, NORD), 18);
    EXPECT_EQ(jeu.hasard.graine, 99u);
}

TEST(Regle12, LeDefenseurGardeSonHonneurMaitreSeul) {
    struct Cas {
        const char* quoi;
        const char* nord;
        int tirage;
        const char* attendu;
    };
    const char* const roiSeul = "A20 A12 Exc P13 P7 P5 C14 C7 C2 T12 T9 T4 K10 K8 K5 K3 K2 K1";
    const Cas cas[] = {
        {"a lone master King on the partner's trick", roiSeul, 89, "Exc C7 C2"},
        {"the draw of 90 fails", roiSeul, 90, "Exc C14 C7 C2"},
        {"the Dame next to it", "A20 A12 Exc P13 P7 P5 C14 C13 C2 T12 T9 T4 K10 K8 K5 K3 K2 K1", 1,
         "Exc C14 C13 C2"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "C5", "C12", c.nord, "A1"), SUD, PRISE, SUD);
        jouer(jeu, "C5 C12");
        const std::uint32_t g = graineDonnant({tirage(100, c.tirage)});
        jeu.hasard.graine = g;
        essayerRegle(jeu, 12);
        EXPECT_EQ(jouables(jeu, NORD), c.attendu) << c.quoi;
        EXPECT_EQ(jeu.hasard.graine, apresTirages(g, 1)) << c.quoi;
    }
}

}  // namespace
