#include <gtest/gtest.h>

#include "tests/scene_regles.h"
#include "tests/tirages.h"

namespace {

using namespace scene;

// Tries rule k on the seat to play from a seed giving the wanted draws;
// answers the playable cards after it and sets `tirages` to the draws made.
std::string essayer(Jeu& jeu, int k, const std::vector<TirageVoulu>& voulus, int* tirages = nullptr) {
    const std::uint32_t g = graineDonnant(voulus);
    jeu.hasard.graine = g;
    const int siege = essayerRegle(jeu, k);
    if (tirages) {
        int n = 0;
        while (n < 20 && apresTirages(g, n) != jeu.hasard.graine) ++n;
        *tirages = n;
    }
    return jouables(jeu, siege);
}

// A defender with the Petit, two other trumps and no heart.
const char* const petitSansCoeur = "A8 A5 A1 P13 P7 P5 P3 P2 T12 T9 T4 T2 K10 K8 K5 K3 K2 K1";

TEST(Regle25, GarderLePetitPourLaFinAvecUneMainToutAtout) {
    for (const int joues : {3, 2}) {
        Jeu jeu;
        distribuerScene(jeu,
                        placement("", "Exc", "A18 A17 A16 A15 A14 A13 A12 A11 A10 A9 A8 A7 A6 A5 A4 A3 A2 A1", "", ""),
                        SUD, GARDE, EST);
        jeu.connaissances.nbAtoutsJoues = joues;  // with 18 in hand, 3 fallen means none is left outside
        const int petit = slotDe(jeu, EST, atout(PETIT));
        const std::string j = essayer(jeu, 25, {});
        EXPECT_EQ(jeu.donne.jouable[EST][petit], joues == 3 ? 0 : 1) << joues;
        EXPECT_EQ(cartes(j).size(), joues == 3 ? 17u : 18u);
    }
}

TEST(Regle26, LePreneurGardeLePetitQuandLaDefenseNAPlusDAtout) {
    for (const int coupes : {3, 2}) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "Exc", petitSansCoeur, "", ""), EST, GARDE, EST);
        for (int j = 0, s = SUD; j < coupes; ++j, s = s == SUD ? NORD : OUEST) jeu.connaissances.atoutCoupe[EST][s] = 1;
        const int petit = slotDe(jeu, EST, atout(PETIT));
        const std::string j = essayer(jeu, 26, {});
        EXPECT_EQ(cartes(j).size(), coupes == 3 ? 17u : 18u) << coupes;
        EXPECT_EQ(jeu.donne.jouable[EST][petit], coupes == 3 ? 0 : 1) << coupes;
    }
}

TEST(Regle27, SauverLePetitUneFoisLePreneurPasse) {
    // East holds the Petit and no heart; South leads.
    struct Cas {
        const char* quoi;
        int preneur;
        const char* entame;
        const char* attendu;
    };
    const Cas cas[] = {
        {"right after the taker's heart, which the Petit beats", SUD, "C5", "A1"},
        {"right after the taker's 10, which nothing beats", SUD, "A10", "A8 A5 A1"},
        {"opposite the taker, which plays last", OUEST, "C5", "A8 A5 A1"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "C5 A10 Exc", petitSansCoeur, "", ""), c.preneur, GARDE, SUD);
        jouer(jeu, c.entame);
        EXPECT_EQ(essayer(jeu, 27, {}), c.attendu) << c.quoi;
    }
}

TEST(Regle28, LeDefenseurEntameLAtoutMaitreContreLePetit) {
    struct Cas {
        const char* quoi;
        const char* est;
        const char* sud;
        bool impose;
    };
    const Cas cas[] = {
        {"the 21 led", "A21 A12 A8 P13 P7 P5 P3 P2 T12 T9 T4 T2 K10 K8 K5 K3 K2 K1", "A1 Exc", true},
        {"holding the Petit too", "A21 A12 A1 P13 P7 P5 P3 P2 T12 T9 T4 T2 K10 K8 K5 K3 K2 K1", "Exc", false},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", c.sud, c.est, "", ""), SUD, GARDE, EST);
        const std::string j = essayer(jeu, 28, {});
        EXPECT_EQ(j == "A21", c.impose) << c.quoi;
        if (!c.impose) {
            EXPECT_EQ(cartes(j).size(), 18u) << c.quoi;
        }
    }
}

TEST(Regle29, LePetitSousLAtoutMaitreDUnPartenaire) {
    struct Cas {
        const char* quoi;
        const char* entame;
        const char* attendu;
    };
    const Cas cas[] = {{"the partner's 21", "A21", "A1"}, {"the partner's 20, the 21 still out", "A20", "A8 A5 A1"}};
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A21 A20 Exc", petitSansCoeur, "", ""), OUEST, GARDE, SUD);
        jouer(jeu, c.entame);
        EXPECT_EQ(essayer(jeu, 29, {}), c.attendu) << c.quoi;
    }
}

TEST(Regle30, LeDefenseurCourtEnAtoutAvecLePetitMonteHaut) {
    struct Cas {
        const char* quoi;
        const char* est;
        const char* attendu;
    };
    const Cas cas[] = {
        {"over the 5 with the 14", "A14 A8 A1 P13 P7 P5 P3 P2 T12 T9 T4 T2 K10 K8 K5 K3 K2 K1", "A14"},
        {"no trump above 9", "A9 A8 A1 P13 P7 P5 P3 P2 T12 T9 T4 T2 K10 K8 K5 K3 K2 K1", "A9 A8"},
        {"seven trumps dealt", "A18 A16 A14 A12 A10 A8 A1 P13 P7 P5 P3 T12 T9 T4 K10 K8 K5 K3",
         "A18 A16 A14 A12 A10 A8"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A5 Exc", c.est, "", ""), SUD, GARDE, SUD);
        jouer(jeu, "A5");
        EXPECT_EQ(essayer(jeu, 30, {}), c.attendu) << c.quoi;
    }
}

TEST(Regle31, LePreneurCoupeUneCouleurNeuveAvecLePetit) {
    struct Cas {
        const char* quoi;
        const char* est;
        bool dejaJouee;
        const char* attendu;
    };
    const char* const neufAtouts = "A18 A16 A14 A12 A10 A8 A6 A4 A1 P13 P7 P5 P3 T12 T9 T4 K10 K8";
    const Cas cas[] = {
        {"the first heart", petitSansCoeur, false, "A1"},
        {"hearts already played", petitSansCoeur, true, "A8 A5 A1"},
        {"nine trumps dealt", neufAtouts, false, "A18 A16 A14 A12 A10 A8 A6 A4 A1"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "C5 Exc", c.est, "", ""), EST, GARDE, SUD);
        jouer(jeu, "C5");
        if (c.dejaJouee) jeu.connaissances.etatCouleur[COEUR] = 0;
        EXPECT_EQ(essayer(jeu, 31, {}), c.attendu) << c.quoi;
    }
}

TEST(Regle32, LeDefenseurAuPetitJoueSonPlusHautAtout) {
    const char* const sixAtouts = "A18 A15 A12 A8 A5 A1 P13 P7 P5 P2 T12 T9 T4 T2 K10 K8 K5 K3";
    struct Cas {
        const char* quoi;
        int preneur;
        const char* est;
        const char* attendu;
    };
    const Cas cas[] = {
        {"a partner led", OUEST, petitSansCoeur, "A8"},
        {"a partner led, six trumps", OUEST, sixAtouts, "A18"},
        {"the taker led, three trumps", SUD, petitSansCoeur, "A8"},
        {"the taker led, six trumps", SUD, sixAtouts, "A18 A15 A12 A8 A5 A1"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "C5 Exc", c.est, "", ""), c.preneur, GARDE, SUD);
        jouer(jeu, "C5");
        EXPECT_EQ(essayer(jeu, 32, {}), c.attendu) << c.quoi;
    }
}

TEST(Regle33, PasDExcuseJusteAvantLePreneur) {
    // North takes; East, right before it, holds the Excuse and three hearts.
    const char* const est = "A20 A12 Exc P13 P7 P5 C11 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2 K1";
    struct Cas {
        const char* quoi;
        int entameur;
        const char* cartes;
        const char* attendu;
    };
    const Cas cas[] = {
        {"second, the taker next", SUD, "C7", "C11 C6 C3"},
        {"third, the taker next", OUEST, "C4 C7", "C11 C6 C3"},
        {"last, the taker has played", NORD, "C5 C4 C7", "Exc C11 C6 C3"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "C7 A1", est, "C5", "C4"), NORD, GARDE, c.entameur);
        jouer(jeu, c.cartes);
        EXPECT_EQ(essayer(jeu, 33, {}), c.attendu) << c.quoi;
    }
}

TEST(Regle34, RepondreALExcuseDuPreneur) {
    // The visit starts at the drawn suit itself: from hearts, hearts come
    // before clubs.
    struct Cas {
        const char* quoi;
        std::vector<int> coupes;
        int tirage;
        const char* attendu;
    };
    const Cas cas[] = {
        {"the taker void in clubs", {TREFLE}, 1, "T12"},
        {"void in hearts and clubs, from hearts", {COEUR, TREFLE}, 2, "C11"},
        {"void in hearts and clubs, from clubs", {COEUR, TREFLE}, 3, "T12"},
        {"no void known", {}, 1, ""},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "Exc", "A20 A12 A1 P13 P7 P5 C11 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2 K1", "", ""),
                        SUD, GARDE, SUD);
        jouer(jeu, "Exc");
        for (int s : c.coupes) jeu.connaissances.couleurCoupee[EST][SUD][s] = 1;
        int tirages = 0;
        const std::string j = essayer(jeu, 34, {tirage(4, c.tirage)}, &tirages);
        EXPECT_EQ(tirages, 1) << c.quoi;
        if (*c.attendu) {
            EXPECT_EQ(j, c.attendu) << c.quoi;
        } else {
            EXPECT_EQ(cartes(j).size(), 18u) << c.quoi;
        }
    }
}

TEST(Regle35, LExcuseNEstPasEntameeDevantLePreneur) {
    const char* const est = "A20 A12 Exc P13 P7 P5 C11 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2 K1";
    struct Cas {
        const char* quoi;
        int preneur;
        bool gardee;
    };
    const Cas cas[] = {{"the taker leading", EST, true}, {"the taker next", NORD, true}, {"the taker last", SUD, false}};
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "", est, "", "A1"), c.preneur, GARDE, EST);
        const std::string j = essayer(jeu, 35, {});
        EXPECT_EQ(j.find("Exc") == std::string::npos, c.gardee) << c.quoi;
        EXPECT_EQ(cartes(j).size(), c.gardee ? 17u : 18u) << c.quoi;
    }
}

TEST(Regle36, LePreneurJoueLExcuseSurUnAtout) {
    struct Cas {
        const char* quoi;
        const char* est;
        const char* entame;
        const char* attendu;
    };
    const char* const avecPetit = "A8 A5 A1 Exc P13 P7 P5 P3 C9 C2 T12 T9 T4 K10 K8 K5 K3 K2";
    const char* const sansPetit = "A8 A5 A4 Exc P13 P7 P5 P3 C9 C2 T12 T9 T4 K10 K8 K5 K3 K2";
    const Cas cas[] = {
        {"with the Petit, on the 10", avecPetit, "A10", "Exc"},
        {"without the Petit, which is still out", sansPetit, "A10", "A8 A5 A4 Exc"},
        {"on a heart", avecPetit, "C5", "Exc C9 C2"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        const bool petitAilleurs = std::string(c.est) == sansPetit;
        distribuerScene(jeu, placement("", petitAilleurs ? "A10 C5 A1" : "A10 C5", c.est, "", ""), EST, GARDE, SUD);
        jouer(jeu, c.entame);
        EXPECT_EQ(essayer(jeu, 36, {}), c.attendu) << c.quoi;
    }
}

TEST(Regle37, LExcuseSurUnPliPerdu) {
    struct Cas {
        const char* quoi;
        int preneur;
        const char* cartes;
        int pli;
        std::vector<TirageVoulu> tirages;
        int siege;
        const char* attendu;
        int nbTirages;
    };
    const Cas cas[] = {
        {"the taker cannot beat the Roi", EST, "C14", 1, {}, EST, "Exc", 0},
        {"the taker can win", EST, "C5", 1, {}, EST, "Exc C9 C2", 0},
        {"a defender, 39, trick 9", SUD, "C14 C3", 9, {tirage(100, 39)}, NORD, "Exc", 1},
        {"a defender, 39, trick 8: the draw is still made", SUD, "C14 C3", 8, {tirage(100, 39)}, NORD, "Exc C8", 1},
        {"a defender, 40, trick 9", SUD, "C14 C3", 9, {tirage(100, 40)}, NORD, "Exc C8", 1},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        const bool preneurEst = c.preneur == EST;
        distribuerScene(jeu,
                        placement("", "C14 C5 A1", preneurEst ? "A8 A5 A4 Exc P13 P7 P5 P3 C9 C2 T12 T9 T4 K10 K8 K5 K3 K2" : "C3",
                                  preneurEst ? "" : "A8 A5 A4 Exc P13 P7 P5 P3 C8 T12 T9 T4 K10 K8 K5 K3 K2 K1", ""),
                        c.preneur, GARDE, SUD);
        jouer(jeu, c.cartes);
        jeu.donne.numeroPli = c.pli;
        ASSERT_EQ(jeu.donne.joueurCourant, c.siege) << c.quoi;
        int tirages = 0;
        EXPECT_EQ(essayer(jeu, 37, c.tirages, &tirages), c.attendu) << c.quoi;
        EXPECT_EQ(tirages, c.nbTirages) << c.quoi;
    }
}

}  // namespace
