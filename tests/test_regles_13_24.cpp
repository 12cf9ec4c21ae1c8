#include <gtest/gtest.h>

#include "tests/scene_regles.h"
#include "tests/tirages.h"

namespace {

using namespace scene;

// A rule's outcome on the seat to play: its playable cards after the rule,
// and the draws the rule made.
struct Issue {
    std::string jouables;
    int tirages;
};

Issue essayer(Jeu& jeu, int k, const std::vector<TirageVoulu>& voulus) {
    const std::uint32_t g = graineDonnant(voulus);
    jeu.hasard.graine = g;
    const int siege = essayerRegle(jeu, k);
    int n = 0;
    while (n < 20 && apresTirages(g, n) != jeu.hasard.graine) ++n;
    return {jouables(jeu, siege), n};
}

std::vector<TirageVoulu> quelconques(int n, int m) { return std::vector<TirageVoulu>(static_cast<std::size_t>(n), nImporte(m)); }

TEST(Regle13, BattreLePreneurAvecLePlusGrosHonneur) {
    const char* const nordHonneurs = "A20 A12 Exc P14 P7 P5 C13 C11 C3 T12 T9 T4 K10 K8 K5 K3 K2 K1";
    const char* const estSansCoeur = "A10 A3 P13 P9 P8 T14 T13 T11 T8 T7 T6 K14 K13 K11 K9 K7 K6 K4";
    const char* const nordSansCoeur = "A15 A12 A8 Exc P14 P7 P5 P4 P3 T12 T9 T4 T3 K10 K8 K5 K3 K2";
    struct Cas {
        const char* quoi;
        const char* est;
        const char* nord;
        const char* cartes;
        int couleurDehors;  // North's hearts outside, forced when not -1
        const char* attendu;
    };
    const Cas cas[] = {
        {"the biggest honour, not the cheapest", "C10", nordHonneurs, "C5 C10", -1, "C13"},
        {"over the taker's trump when hearts are spent", estSansCoeur, nordSansCoeur, "C5 A10", 1, "A12"},
        {"the taker trumped and two hearts are still out", estSansCoeur, nordSansCoeur, "C5 A10", 2, "A15 A12 Exc"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "C5 A1", c.est, c.nord, ""), EST, PRISE, SUD);
        jouer(jeu, c.cartes);
        if (c.couleurDehors != -1) jeu.connaissances.nbCouleurDehors[NORD][COEUR] = c.couleurDehors;
        EXPECT_EQ(essayer(jeu, 13, {}).jouables, c.attendu) << c.quoi;
    }
}

TEST(Regle13, PasQuandLePreneurJoueApres) {
    Jeu jeu;
    distribuerScene(jeu, placement("", "C5 A1", "C2", "A20 A12 Exc P14 P7 P5 C13 C11 C3 T12 T9 T4 K10 K8 K5 K3 K2 K1", ""),
                    OUEST, PRISE, SUD);
    jouer(jeu, "C5 C2");
    EXPECT_EQ(essayer(jeu, 13, {}).jouables, "Exc C13 C11 C3");
}

TEST(Regle14, CouperHautDevantUnPreneurQuiCoupe) {
    const char* const est = "A18 A9 A1 P13 P7 P5 P3 P2 T12 T9 T4 T2 K10 K8 K5 K3 K2 K1";
    for (const bool preneurCoupe : {true, false}) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "C5 Exc", est, "", ""), OUEST, PRISE, SUD);
        jouer(jeu, "C5");
        jeu.connaissances.couleurCoupee[EST][OUEST][COEUR] = preneurCoupe;
        EXPECT_EQ(essayer(jeu, 14, {}).jouables, preneurCoupe ? "A18" : "A18 A9 A1") << preneurCoupe;
    }
}

TEST(Regle15, CapturerLHonneurDuPreneur) {
    struct Cas {
        const char* quoi;
        const char* cartePreneur;
        const char* nord;
        std::vector<TirageVoulu> tirages;
        const char* attendu;
        int nbTirages;
    };
    const char* const rdc = "A20 A12 Exc P14 P7 P5 C14 C13 C12 C3 T12 T9 K10 K8 K5 K3 K2 K1";
    const char* const dameSeule = "A20 A12 Exc P14 P7 P5 C13 C4 C3 C2 T12 T9 K10 K8 K5 K3 K2 K1";
    const Cas cas[] = {
        {"Valet: the Roi on a draw of 69", "C11", rdc, {tirage(100, 69)}, "C14", 1},
        {"Valet: 70 fails for the Roi, 79 gives the Dame", "C11", rdc, {tirage(100, 70), tirage(100, 79)}, "C13", 2},
        {"Valet: down to the Cavalier", "C11", rdc, {tirage(100, 70), tirage(100, 80), tirage(100, 79)}, "C12", 3},
        {"Valet: only the Dame is drawn for", "C11", dameSeule, {tirage(100, 80)}, "Exc C13 C4 C3 C2", 1},
        {"Cavalier: 98 fails for the Roi, 97 gives the Dame", "C12",
         "A20 A12 Exc P14 P7 P5 C14 C13 C11 C3 T12 T9 K10 K8 K5 K3 K2 K1", {tirage(100, 98), tirage(100, 97)}, "C13",
         2},
        {"Dame: the Roi without a draw", "C13", "A20 A12 Exc P14 P7 P5 C14 C12 C11 C3 T12 T9 K10 K8 K5 K3 K2 K1", {},
         "C14", 0},
        {"Dame: no Roi, nothing", "C13", "A20 A12 Exc P14 P7 P5 C12 C11 C4 C3 T12 T9 K10 K8 K5 K3 K2 K1", {},
         "Exc C12 C11 C4 C3", 0},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "C5 A1", c.cartePreneur, c.nord, ""), EST, PRISE, SUD);
        jouer(jeu, std::string("C5 ") + c.cartePreneur);
        const Issue issue = essayer(jeu, 15, c.tirages);
        EXPECT_EQ(issue.jouables, c.attendu) << c.quoi;
        EXPECT_EQ(issue.tirages, c.nbTirages) << c.quoi;
    }
}

TEST(Regle16, GarderLesHonneursDeLaDerniereCouleur) {
    const char* const est = "A20 A12 A8 A4 Exc P13 P7 P5 C11 C6 C3 T12 T9 K14 K13 K12 K11 K3";
    struct Cas {
        const char* quoi;
        int contrat;
        int couleursDuPreneur;
        int couleursJouees;
        int attendus;
    };
    const Cas cas[] = {
        {"three suits gone, diamonds left", GARDE, 3, 3, 14},
        {"the taker has shown only two suits", GARDE, 2, 3, 18},
        {"two suits still unplayed", GARDE, 3, 2, 18},
        {"not against a Garde Sans", GARDE_SANS, 3, 3, 18},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1", est, "", ""), SUD, c.contrat, EST);
        Connaissances& k = jeu.connaissances;
        for (int s = 1; s <= c.couleursJouees; ++s) k.etatCouleur[s] = 0;
        for (int s = 1; s <= c.couleursDuPreneur; ++s) k.couleurJoueeParPreneur[s] = 1;
        const Issue issue = essayer(jeu, 16, {});
        EXPECT_EQ(static_cast<int>(cartes(issue.jouables).size()), c.attendus) << c.quoi;
        if (c.attendus == 14) {
            EXPECT_EQ(issue.jouables, "A20 A12 A8 A4 Exc P13 P7 P5 C11 C6 C3 T12 T9 K3");
        }
    }
}

TEST(Regle17, LePreneurCaptureLeValetOuLeCavalier) {
    const char* const nordRD = "A20 A12 Exc P14 P7 P5 C14 C13 C4 T12 T9 T4 K10 K8 K5 K3 K2 K1";
    const char* const nordD = "A20 A12 Exc P14 P7 P5 C13 C6 C4 T12 T9 T4 K10 K8 K5 K3 K2 K1";
    struct Cas {
        const char* quoi;
        int entameur;
        const char* nord;
        const char* cartes;
        int couleurDehors;
        const char* attendu;
    };
    const Cas cas[] = {
        {"a Valet led: the Roi", EST, nordRD, "C11", -1, "C14"},
        {"no Roi: the Dame", EST, nordD, "C11", -1, "C13"},
        {"last, the Cavalier opposite", OUEST, nordRD, "C3 C12 C5", -1, "C14"},
        {"a 10 led", EST, nordRD, "C10", -1, "Exc C14 C13 C4"},
        {"five hearts outside only", EST, nordRD, "C11", 5, "Exc C14 C13 C4"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "C12", "C11 C10 C5", c.nord, "A1 C3"), NORD, PRISE, c.entameur);
        jouer(jeu, c.cartes);
        if (c.couleurDehors != -1) jeu.connaissances.nbCouleurDehors[NORD][COEUR] = c.couleurDehors;
        EXPECT_EQ(essayer(jeu, 17, {}).jouables, c.attendu) << c.quoi;
    }
}

TEST(Regle18, RepondreAuxPremieresEntamesDuPreneur) {
    struct Cas {
        const char* quoi;
        const char* est;
        const char* nord;
        const char* cartes;
        int siege;
        const char* attendu;
    };
    const char* const estRD = "A20 A12 Exc P13 P7 P5 C14 C13 C3 T12 T9 T4 K10 K8 K5 K3 K2 K1";
    const char* const estR = "A20 A12 Exc P13 P7 P5 C14 C4 C3 T12 T9 T4 K10 K8 K5 K3 K2 K1";
    const char* const nordR = "A19 A11 P12 P8 P4 C14 C7 C6 T11 T8 T7 K12 K11 K9 K7 K6 K4 T5";
    const Cas cas[] = {
        {"Roi and Dame: the Roi", estRD, "", "C5", EST, "C14"},
        {"Roi, Dame and Cavalier: the later pair gives the Dame",
         "A20 A12 Exc P13 P7 P5 C14 C13 C12 T12 T9 T4 K10 K8 K5 K3 K2 K1", "", "C5", EST, "C13"},
        {"Cavalier and Valet: the Cavalier", "A20 A12 Exc P13 P7 P5 C12 C11 C3 T12 T9 T4 K10 K8 K5 K3 K2 K1", "",
         "C5", EST, "C12"},
        {"a lone Roi second is kept back", estR, "", "C5", EST, "Exc C4 C3"},
        {"third, a partner over the taker: the Roi is kept back", "C9 Exc", nordR, "C5 C9", NORD, "C7 C6"},
        {"third, the taker still winning: the Roi may go", "C2 Exc", nordR, "C5 C2", NORD, "C14 C7 C6"},
        {"an honour led", estRD, "", "C11", EST, "Exc C14 C13 C3"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        const bool honneur = std::string(c.cartes) == "C11";
        distribuerScene(jeu, placement("", honneur ? "C11 A1" : "C5 A1", c.est, c.nord, ""), SUD, PRISE, SUD);
        jouer(jeu, c.cartes);
        ASSERT_EQ(jeu.donne.joueurCourant, c.siege) << c.quoi;
        EXPECT_EQ(essayer(jeu, 18, {}).jouables, c.attendu) << c.quoi;
    }
}

// West takes; South leads a heart for the first time; East is second.
struct SurEntameDuPartenaire : ::testing::Test {
    Jeu jeu;
    void preparer(const char* est, const char* entame) {
        distribuerScene(jeu, placement("", std::string(entame) + " A1", est, "", ""), OUEST, PRISE, SUD);
        jouer(jeu, entame);
    }
};

const char* const estDame = "A20 A12 Exc P13 P7 P5 C13 C3 T12 T9 T4 K10 K8 K5 K3 K2 K1 P2";

TEST_F(SurEntameDuPartenaire, Regle19DameSurPetiteEntame) {
    preparer(estDame, "C5");
    const Issue issue = essayer(jeu, 19, {tirage(100, 79)});
    EXPECT_EQ(issue.jouables, "C13");
    EXPECT_EQ(issue.tirages, 1);
}

TEST_F(SurEntameDuPartenaire, Regle19PasSurUnTirageDe80) {
    preparer(estDame, "C5");
    const Issue issue = essayer(jeu, 19, {tirage(100, 80)});
    EXPECT_EQ(issue.jouables, "Exc C13 C3");
    EXPECT_EQ(issue.tirages, 1);
}

TEST_F(SurEntameDuPartenaire, Regle19PasQuandLeRoiEtaitAuChien) {
    preparer(estDame, "C5");
    jeu.connaissances.roiAuChien[COEUR] = 1;
    EXPECT_EQ(essayer(jeu, 19, {tirage(100, 1)}).jouables, "Exc C13 C3");
}

TEST(Regle19, ConsommeSonTirageMemeQuandLeResteEchoue) {
    Jeu jeu;
    distribuerScene(jeu, placement("", "A1", estDame, "", ""), OUEST, PRISE, EST);  // East leads
    const Issue issue = essayer(jeu, 19, {tirage(100, 1)});
    EXPECT_EQ(issue.tirages, 1);
    EXPECT_EQ(cartes(issue.jouables).size(), 18u);
}

TEST(Regle20, RoiSurLEntameDuPartenaire) {
    struct Cas {
        const char* quoi;
        const char* est;
        std::vector<TirageVoulu> tirages;
        const char* attendu;
        int nbTirages;
    };
    const char* const deux = "A20 A12 Exc P13 P7 P5 C14 C3 T12 T9 T4 K10 K8 K5 K3 K2 K1 P2";
    const char* const quatre = "A20 A12 Exc P13 P7 P5 C14 C4 C3 C2 T12 T9 K10 K8 K5 K3 K2 K1";
    const char* const cinq = "A20 A12 Exc P13 P7 C14 C6 C4 C3 C2 T12 T9 K10 K8 K5 K3 K2 K1";
    const Cas cas[] = {
        {"two hearts, 59", deux, {tirage(100, 59)}, "C14", 1},
        {"two hearts, 60", deux, {tirage(100, 60)}, "Exc C14 C3", 1},
        {"four hearts, 39", quatre, {tirage(100, 39)}, "C14", 1},
        {"four hearts, 40", quatre, {tirage(100, 40)}, "Exc C14 C4 C3 C2", 1},
        {"five hearts: no draw", cinq, {}, "Exc C14 C6 C4 C3 C2", 0},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "C5 A1", c.est, "", ""), OUEST, PRISE, SUD);
        jouer(jeu, "C5");
        const Issue issue = essayer(jeu, 20, c.tirages);
        EXPECT_EQ(issue.jouables, c.attendu) << c.quoi;
        EXPECT_EQ(issue.tirages, c.nbTirages) << c.quoi;
    }
}

TEST(Regle21, PasDeDameSeuleSurUneEntameHaute) {
    struct Cas {
        const char* quoi;
        const char* est;
        const char* entame;
        const char* attendu;
    };
    const Cas cas[] = {
        {"the 9 led", estDame, "C9", "Exc C3"},
        {"the 5 led", estDame, "C5", "Exc C13 C3"},
        {"the Roi with it", "A20 A12 Exc P13 P7 P5 C14 C13 T12 T9 T4 K10 K8 K5 K3 K2 K1 P2", "C9", "Exc C14 C13"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", std::string(c.entame) + " A1", c.est, "", ""), OUEST, PRISE, SUD);
        jouer(jeu, c.entame);
        EXPECT_EQ(essayer(jeu, 21, {}).jouables, c.attendu) << c.quoi;
    }
}

TEST(Regle22, LePreneurFortChasseLePetit) {
    const char* const douze = "A21 A20 A17 A16 A15 A14 A13 A12 A11 A10 A9 A8 P13 P7 C11 C6 T12 K10";
    const char* const douzeSans20 = "A21 A18 A17 A16 A15 A14 A13 A12 A11 A10 A9 A8 P13 P7 C11 C6 T12 K10";
    const char* const huit = "A21 A18 A16 A14 A12 A10 A8 A6 P13 P7 P5 C11 C6 C3 T12 T9 K10 K8";
    struct Cas {
        const char* quoi;
        const char* nord;
        int fort;
        bool deuxSansAtout;
        const char* attendu;
    };
    const Cas cas[] = {
        {"two master trumps against nine: the top", douze, 1, false, "A21"},
        {"one master trump against nine: the eighth of twelve", douzeSans20, 1, false, "A12"},
        {"eight trumps against thirteen: the fifth", huit, 1, false, "A12"},
        {"seven trumps: 14/3 rounds up to the fifth", "A21 A18 A16 A14 A12 A10 A8 P13 P7 P5 C11 C6 C3 T12 T9 K10 K8 K6",
         1, false, "A12"},
        {"two defenders void and more trumps outside", huit, 1, true, ""},
        {"a taker that is not strong", douze, 0, false, ""},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", "", c.nord, ""), NORD, GARDE, NORD);
        Connaissances& k = jeu.connaissances;
        k.preneurFort = c.fort;
        if (c.deuxSansAtout) k.atoutCoupe[NORD][EST] = k.atoutCoupe[NORD][OUEST] = 1;
        const Issue issue = essayer(jeu, 22, {});
        if (*c.attendu) {
            EXPECT_EQ(issue.jouables, c.attendu) << c.quoi;
        } else {
            EXPECT_EQ(cartes(issue.jouables).size(), 18u) << c.quoi;
        }
    }
}

TEST(Regle22, MoinsDeTroisAtoutsNImposeRien) {
    Jeu jeu;
    distribuerScene(jeu, placement("", "A1 Exc", "", "A21 A5 P13 P7 P5 P4 C11 C6 C3 C2 T12 T9 T8 K10 K8 K7 K6 K5", ""),
                    NORD, GARDE, NORD);
    jeu.connaissances.preneurFort = 1;
    essayer(jeu, 22, {});
    EXPECT_EQ(jeu.regles.carteChoisie, 0);
}

TEST(Regle23, SacrifierLePetitSousLAtoutDuPreneur) {
    const char* const est = "A8 A5 A1 P13 P7 P5 P2 C11 C6 C3 C2 T12 T9 T4 K10 K8 K5 K3";
    struct Cas {
        const char* quoi;
        const char* entame;
        bool partenairesSansAtout;
        const char* attendu;
    };
    const Cas cas[] = {
        {"under the taker's 10", "A10", false, "A1"},
        {"under the 17: four trumps above are enough", "A17", false, "A1"},
        {"under the 18: three trumps above are too few", "A18", false, "A8 A5 A1"},
        {"both partners out of trumps", "A10", true, "A8 A5 A1"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A10 A17 A18 Exc", est, "", ""), SUD, GARDE, SUD);
        jouer(jeu, c.entame);
        if (c.partenairesSansAtout) jeu.connaissances.atoutCoupe[EST][NORD] = jeu.connaissances.atoutCoupe[EST][OUEST] = 1;
        EXPECT_EQ(essayer(jeu, 23, {}).jouables, c.attendu) << c.quoi;
    }
}

// ---- Rule 24 ----

const char* const sansAtoutNiCoeur = "P14 P13 P7 P5 P2 T14 T13 T6 T3 T2 K14 K12 K10 K8 K5 K3 K2 K1";
const char* const sansHonneur = "P7 P5 P2 T6 T3 T2 K10 K8 K5 K3 K2 K1";

TEST(Regle24, DonnerSurLAtoutMaitreDUnPartenaire) {
    // East leads the 21; North has no trump and discards. The Kings are the
    // masters of suits nobody has opened, so under a Prise they are kept and a
    // Dame goes instead.
    struct Cas {
        const char* quoi;
        int contrat;
        std::vector<TirageVoulu> tirages;
        const char* attendu;
    };
    std::vector<TirageVoulu> prise = quelconques(5, 4);
    prise.push_back(tirage(4, 3));
    std::vector<TirageVoulu> gardeSans = quelconques(4, 4);
    gardeSans.push_back(tirage(4, 3));
    const Cas cas[] = {{"a Prise: the Dame of clubs", PRISE, prise, "T13"},
                       {"a Garde Sans: the King of clubs", GARDE_SANS, gardeSans, "T14"}};
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", "A21", sansAtoutNiCoeur, ""), SUD, c.contrat, EST);
        jouer(jeu, "A21");
        const Issue issue = essayer(jeu, 24, c.tirages);
        EXPECT_EQ(issue.jouables, c.attendu) << c.quoi;
        EXPECT_EQ(issue.tirages, static_cast<int>(c.tirages.size())) << c.quoi;
    }
}

TEST(Regle24, GarderQuandLePreneurCoupeLaCarteMaitre) {
    // South leads the master heart, East (the taker) trumps: North keeps its honours.
    Jeu jeu;
    const char* const preneurSansCoeur = "A5 A1 Exc P12 P11 P10 P9 P8 T12 T11 T10 T9 T8 K13 K11 K9 K7 K6";
    distribuerScene(jeu, placement("", "C14", preneurSansCoeur, sansAtoutNiCoeur, ""), EST, PRISE, SUD);
    jouer(jeu, "C14 A5");
    const Issue issue = essayer(jeu, 24, {tirage(4, 1)});
    EXPECT_EQ(issue.jouables, sansHonneur);
    EXPECT_EQ(issue.tirages, 1);
}

TEST(Regle24, DonnerOuGarderSelonQueLePreneurCoupeAussiLAtout) {
    struct Cas {
        const char* quoi;
        int preneurSansAtout;
        std::vector<TirageVoulu> tirages;
        const char* attendu;
    };
    const Cas cas[] = {
        {"the taker void in hearts and out of trumps: give, from hearts on", 1, {tirage(4, 2)}, "T14"},
        {"the taker void in hearts but with trumps: keep", 0, {tirage(4, 1)}, sansHonneur},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "C5 A1 Exc", sansAtoutNiCoeur, "", ""), OUEST, PRISE, SUD);
        jouer(jeu, "C5");
        jeu.connaissances.couleurCoupee[EST][OUEST][COEUR] = 1;
        jeu.connaissances.atoutCoupe[EST][OUEST] = c.preneurSansAtout;
        const Issue issue = essayer(jeu, 24, c.tirages);
        EXPECT_EQ(issue.jouables, c.attendu) << c.quoi;
        EXPECT_EQ(issue.tirages, 1) << c.quoi;
    }
}

TEST(Regle24, SurLAtoutDuPreneurSelonLesAtoutsAuDessus) {
    struct Cas {
        const char* quoi;
        const char* entame;
        std::vector<TirageVoulu> tirages;
        const char* attendu;
    };
    std::vector<TirageVoulu> donner = quelconques(5, 4);
    donner.push_back(tirage(4, 3));
    const Cas cas[] = {
        {"the 10 led, higher trumps still out: give the Dame of clubs", "A10", donner, "T13"},
        {"the 21 led, nothing above: keep", "A21", {tirage(4, 1)}, sansHonneur},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A10 A21 A1 Exc", sansAtoutNiCoeur, "", ""), SUD, PRISE, SUD);
        jouer(jeu, c.entame);
        const Issue issue = essayer(jeu, 24, c.tirages);
        EXPECT_EQ(issue.jouables, c.attendu) << c.quoi;
        EXPECT_EQ(issue.tirages, static_cast<int>(c.tirages.size())) << c.quoi;
    }
}

TEST(Regle24, GarderSuitSonOrdreDeVisite) {
    // From a drawn suit d the honours of each value are taken from the suits
    // d, d+1, d+3, d+2, and the next value starts two suits on. Only two
    // honours are left playable, so the order decides which one stays.
    struct Cas {
        const char* quoi;
        int depart;
        Carte a, b;
        const char* attendu;
    };
    const Cas cas[] = {
        {"from spades the King of spades goes first", 1, pique(14), carreau(14), "K14"},
        {"from diamonds the King of diamonds goes first", 4, pique(14), carreau(14), "P14"},
        {"from spades diamonds come before clubs", 1, trefle(14), carreau(14), "T14"},
        {"the Dames start from clubs: hearts before spades", 1, pique(13), coeur(13), "P13"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu,
                        placement("", "A10 A21 A1 Exc", "P14 P13 P7 P5 P2 C13 T14 T13 T6 T3 K14 K12 K10 K8 K5 K3 K2 K1",
                                  "", ""),
                        SUD, PRISE, SUD);
        jouer(jeu, "A21");
        const int siege = jeu.donne.joueurCourant;
        calculerJouables(jeu, siege);
        commencerChoix(jeu, siege);
        jeu.donne.jouable[siege].remplir(0);
        jeu.donne.jouable[siege][slotDe(jeu, siege, c.a)] = 1;
        jeu.donne.jouable[siege][slotDe(jeu, siege, c.b)] = 1;
        jeu.hasard.graine = graineDonnant({tirage(4, c.depart)});
        appliquerRegle(jeu, 24);
        EXPECT_EQ(jouables(jeu, siege), c.attendu) << c.quoi;
    }
}

TEST(Regle24, SelonLaCarteDuPreneurSurLEntameDUnPartenaire) {
    // South leads a small heart, East (the taker) follows, North has neither
    // hearts nor trumps.
    struct Cas {
        const char* quoi;
        const char* cartePreneur;
        std::vector<TirageVoulu> tirages;
        const char* attendu;
    };
    std::vector<TirageVoulu> donner = quelconques(5, 4);
    donner.push_back(tirage(4, 3));
    const Cas cas[] = {
        {"the taker plays under the master heart: give", "C7", donner, "T13"},
        {"the taker plays the master heart: keep", "C14", {tirage(4, 1)}, sansHonneur},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "C5 A1 Exc", "C7 C14", sansAtoutNiCoeur, ""), EST, PRISE, SUD);
        jouer(jeu, std::string("C5 ") + c.cartePreneur);
        const Issue issue = essayer(jeu, 24, c.tirages);
        EXPECT_EQ(issue.jouables, c.attendu) << c.quoi;
        EXPECT_EQ(issue.tirages, static_cast<int>(c.tirages.size())) << c.quoi;
    }
}

TEST(Regle24, PasPourUnDefenseurQuiADesAtouts) {
    Jeu jeu;
    distribuerScene(jeu, placement("", "A10 A1 Exc", "A9 P13 P7 P5 P2 T14 T13 T6 T3 T2 K14 K12 K10 K8 K5 K3 K2 K1", "", ""),
                    SUD, PRISE, SUD);
    jouer(jeu, "A10");
    const Issue issue = essayer(jeu, 24, {});
    EXPECT_EQ(issue.jouables, "A9");
    EXPECT_EQ(issue.tirages, 0);
}

}  // namespace
