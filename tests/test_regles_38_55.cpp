#include <gtest/gtest.h>

#include "tests/essai_regle.h"

namespace {

using namespace scene;

// A defender's hand with four trumps and every suit, no oudler.
const char* const defenseur = "A20 A12 A8 A4 P14 P9 P5 C13 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2";

// ---- 38 ----

TEST(Regle38, LeDefenseurEntameContreUnPreneurSansAtout) {
    const char* const sansCoeur = "A20 A12 A8 A4 P14 P9 P5 P3 T12 T9 T4 T2 K14 K10 K8 K5 K3 K2";
    const char* const sansRoi = "A20 A12 A8 A4 P13 P9 P5 C12 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2";
    struct Cas {
        const char* quoi;
        const char* est;
        int preneur;
        bool sansAtoutConnu;  // atoutCoupe of the taker
        bool plusDAtoutDehors;
        std::vector<int> coupes;
        std::vector<TirageVoulu> tirages;
        const char* attendu;
        int nbTirages;
    };
    const Cas cas[] = {
        {"the taker void in hearts: lead a heart", defenseur, SUD, true, false, {COEUR}, {nImporte(4)}, "C13 C6 C3", 1},
        {"no trump left outside works as well", defenseur, SUD, false, true, {COEUR}, {nImporte(4)}, "C13 C6 C3", 1},
        {"void in hearts and clubs, visit from clubs", defenseur, SUD, true, false, {COEUR, TREFLE}, {tirage(4, 3)},
         "T12 T9 T4", 1},
        {"void in hearts and clubs, visit from diamonds", defenseur, SUD, true, false, {COEUR, TREFLE},
         {tirage(4, 4)}, "C13 C6 C3", 1},
        {"the first void suit is one the seat lacks: a master card, from spades", sansCoeur, SUD, true, false,
         {COEUR, TREFLE}, {tirage(4, 2), tirage(4, 4)}, "P14", 2},
        {"the master card after diamonds is the spade Roi", sansCoeur, SUD, true, false, {COEUR}, {nImporte(4), tirage(4, 4)},
         "P14", 2},
        {"the master card after spades is the diamond Roi", sansCoeur, SUD, true, false, {COEUR},
         {nImporte(4), tirage(4, 1)}, "K14", 2},
        {"but the void suit found first is led when the seat holds it", sansCoeur, SUD, true, false, {COEUR, TREFLE},
         {tirage(4, 3)}, "T12 T9 T4 T2", 1},
        {"no void, no master card: trumps kept back at 94", sansRoi, SUD, true, false, {},
         {nImporte(4), nImporte(4), tirage(100, 94)}, "P13 P9 P5 C12 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2", 3},
        {"no void, no master card: 95 leaves the trumps", sansRoi, SUD, true, false, {},
         {nImporte(4), nImporte(4), tirage(100, 95)}, INCHANGE, 3},
        {"the taker may still have trumps", defenseur, SUD, false, false, {COEUR}, {}, INCHANGE, 0},
        {"the taker itself leads", defenseur, EST, true, false, {COEUR}, {}, INCHANGE, 0},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", c.est, "", ""), c.preneur, GARDE, EST);
        Connaissances& k = jeu.connaissances;
        if (c.sansAtoutConnu) k.atoutCoupe[EST][c.preneur] = 1;
        if (c.plusDAtoutDehors) k.nbAtoutsDehors[EST] = 0;
        for (const int s : c.coupes) k.couleurCoupee[EST][c.preneur][s] = 1;
        const Essai e = essayerSeule(jeu, 38, c.tirages);
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, c.nbTirages) << c.quoi;
    }
}

// ---- 39 ----

TEST(Regle39, AtoutApresLaCoupeDuPetit) {
    const char* const excuseSeule = "Exc P14 P9 P5 P4 C13 C6 C3 T12 T9 T4 T3 K10 K8 K5 K3 K2 K1";
    const char* const avecExcuse = "A20 A12 A8 Exc P14 P9 P5 C13 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2";
    struct Cas {
        const char* quoi;
        const char* est;
        int preneur;
        int petitPreneurCoupe;
        std::vector<TirageVoulu> tirages;
        const char* attendu;
        int nbTirages;
    };
    const Cas cas[] = {
        {"79: only trumps are left", defenseur, SUD, 0, {tirage(100, 79)}, "A20 A12 A8 A4", 1},
        {"the Excuse goes with the suits", avecExcuse, SUD, 0, {tirage(100, 79)}, "A20 A12 A8", 1},
        {"80: nothing changes", defenseur, SUD, 0, {tirage(100, 80)}, INCHANGE, 1},
        {"only the Excuse: nothing to lead", excuseSeule, SUD, 0, {tirage(100, 79)}, INCHANGE, 1},
        {"the taker has not ruffed with the Petit", defenseur, SUD, -1, {}, INCHANGE, 0},
        {"the taker leads", defenseur, EST, 0, {}, INCHANGE, 0},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        const bool excuseEst = std::string(c.est) != defenseur;
        distribuerScene(jeu, placement("", excuseEst ? "A1" : "A1 Exc", c.est, "", ""), c.preneur, GARDE, EST);
        jeu.connaissances.petitPreneurCoupe = c.petitPreneurCoupe;
        const Essai e = essayerSeule(jeu, 39, c.tirages);
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, c.nbTirages) << c.quoi;
    }
}

// ---- 40 ----

TEST(Regle40, SuivreLeSignalAtoutDUnPartenaire) {
    const char* const avecPetit = "A20 A12 A8 A1 P14 P9 P5 C13 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2";
    struct Cas {
        const char* quoi;
        const char* est;
        int preneur;
        int entameAtoutImpair;
        int signalAtout;
        int signalAtoutImpair;
        const char* attendu;
    };
    const Cas cas[] = {
        {"North signalled an odd trump: the lowest trump", defenseur, SUD, NORD, 0, 1, "A4"},
        {"no signaller", defenseur, SUD, -1, 0, 1, INCHANGE},
        {"a follow-up signal was seen", defenseur, SUD, NORD, 1, 1, INCHANGE},
        {"the signal was cleared by the Petit", defenseur, SUD, NORD, 0, 0, INCHANGE},
        {"the seat holds the Petit", avecPetit, SUD, NORD, 0, 1, INCHANGE},
        {"the taker leads", defenseur, EST, NORD, 0, 1, INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        const bool petitEst = std::string(c.est) == avecPetit;
        distribuerScene(jeu, placement("", petitEst ? "A4 Exc" : "A1 Exc", c.est, "", ""), c.preneur, GARDE, EST);
        Connaissances& k = jeu.connaissances;
        k.entameAtoutImpair = c.entameAtoutImpair;
        k.signalAtout = c.signalAtout;
        k.signalAtoutImpair = c.signalAtoutImpair;
        const Essai e = essayerSeule(jeu, 40, {});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, 0) << c.quoi;
    }
}

// ---- 41 ----

TEST(Regle41, PasDeRetourDansLaDerniereCouleurDuPreneur) {
    struct Cas {
        const char* quoi;
        int preneur;
        int derniere;
        const char* attendu;
    };
    const Cas cas[] = {
        {"the taker last led hearts", SUD, COEUR, "A20 A12 A8 A4 P14 P9 P5 T12 T9 T4 K10 K8 K5 K3 K2"},
        {"the taker last led a trump", SUD, ATOUT, INCHANGE},
        {"the taker has not led", SUD, -1, INCHANGE},
        {"the taker leads hearts again if it likes", EST, COEUR, INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", defenseur, "", ""), c.preneur, GARDE, EST);
        jeu.connaissances.derniereEntamePreneur = c.derniere;
        const Essai e = essayerSeule(jeu, 41, {});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
    }
}

// ---- 42 ----

TEST(Regle42, LePreneurFortJoueSonSixiemeAtout) {
    // Nine trumps with the Petit; the sixth from the top is the 11.
    const char* const fort = "A21 A19 A17 A15 A13 A11 A9 A7 A1 P14 P10 P8 P6 P4 C3 T3 K3 K2";
    const char* const huitAtouts = "A21 A19 A17 A15 A13 A11 A9 A1 P14 P10 P8 P6 P4 C3 T3 K3 K2 K4";
    const char* const dameCavalier = "A21 A19 A17 A15 A13 A11 A9 A7 A1 P13 P12 P8 P6 P4 C3 T3 K3 K2";
    const char* const dameSeule = "A21 A19 A17 A15 A13 A11 A9 A7 A1 P13 P10 P8 P6 P4 C3 T3 K3 K2";
    const char* const quatrePiques = "A21 A19 A17 A15 A13 A11 A9 A7 A1 P14 P10 P8 P6 C4 C3 T3 K3 K2";
    const char* const sansPetit = "A21 A19 A17 A15 A13 A11 A9 A7 A3 P14 P10 P8 P6 P4 C3 T3 K3 K2";
    struct Cas {
        const char* quoi;
        const char* est;
        const char* entame;  // South's lead, or "" when East leads
        int boutsPreneur;
        bool dejaEntame;
        const char* attendu;
    };
    const Cas cas[] = {
        {"leading", fort, "", 0, false, "A11"},
        {"following the 5: the 11 may be played", fort, "A5", 0, false, "A11"},
        {"following the 12: the 11 may not be played", fort, "A12", 0, false, INCHANGE},
        {"Dame and Cavalier instead of the Roi", dameCavalier, "", 0, false, "A11"},
        {"the Dame alone", dameSeule, "", 0, false, INCHANGE},
        {"eight trumps", huitAtouts, "", 0, false, INCHANGE},
        {"four cards of the long suit", quatrePiques, "", 0, false, INCHANGE},
        {"no Petit", sansPetit, "", 0, false, INCHANGE},
        {"two oudlers won already", fort, "", 2, false, INCHANGE},
        {"the taker has led before", fort, "", 0, true, INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        const bool petitSud = std::string(c.est) == sansPetit;
        distribuerScene(jeu, placement("", petitSud ? "A12 A5 Exc A1" : "A12 A5 Exc", c.est, "", ""), EST, GARDE,
                        *c.entame ? SUD : EST);
        if (*c.entame) jouer(jeu, c.entame);
        jeu.donne.boutsPreneur = c.boutsPreneur;
        if (c.dejaEntame) jeu.connaissances.sansEntame[EST] = 0;
        const Essai e = essayerSeule(jeu, 42, {});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
    }
}

// ---- 43 ----

TEST(Regle43, LaPremiereEntameDuPreneurEstUnSingleton) {
    const char* const unSingleton = "A20 A18 A16 A14 A12 A10 A8 P14 P10 P8 P6 P4 C7 T9 T5 T3 K9 K5";
    const char* const deuxSingletons = "A20 A18 A16 A14 A12 A10 A8 P14 P10 P8 P6 P4 C7 T9 T5 T3 T2 K9";
    const char* const singletonHonneur = "A20 A18 A16 A14 A12 A10 A8 P14 P10 P8 P6 P4 C12 T9 T5 T3 K9 K5";
    const char* const sansRoi = "A20 A18 A16 A14 A12 A10 A8 P13 P10 P8 P6 P4 C7 T9 T5 T3 K9 K5";
    const char* const huitAtouts = "A20 A18 A16 A14 A12 A10 A8 A6 P14 P10 P8 P6 P4 C7 T9 T5 K9 K5";
    const char* const sansSingleton = "A20 A18 A16 A14 A12 A10 A8 P14 P10 P8 P6 P4 C7 C5 T9 T5 K9 K5";
    struct Cas {
        const char* quoi;
        const char* est;
        std::vector<TirageVoulu> tirages;
        const char* attendu;
        int nbTirages;
    };
    const Cas cas[] = {
        {"seven trumps and e = 1", unSingleton, {nImporte(4), tirage(2, 1)}, "C7", 2},
        {"seven trumps and e = 2", unSingleton, {nImporte(4), tirage(2, 2)}, INCHANGE, 2},
        {"eight trumps and e = 2", huitAtouts, {nImporte(4), tirage(2, 2)}, "C7", 2},
        {"two singletons, visit from hearts", deuxSingletons, {tirage(4, 2), tirage(2, 1)}, "C7", 2},
        {"two singletons, visit from clubs", deuxSingletons, {tirage(4, 3), tirage(2, 1)}, "K9", 2},
        {"the singleton is an honour", singletonHonneur, {nImporte(4), tirage(2, 1)}, INCHANGE, 2},
        {"no singleton: no second draw", sansSingleton, {nImporte(4)}, INCHANGE, 1},
        {"no Roi in the long suit", sansRoi, {}, INCHANGE, 0},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", c.est, "", ""), EST, GARDE, EST);
        const Essai e = essayerSeule(jeu, 43, c.tirages);
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, c.nbTirages) << c.quoi;
    }
}

TEST(Regle43, PasApresLaPremiereEntame) {
    Jeu jeu;
    distribuerScene(jeu, placement("", "A1 Exc", "A20 A18 A16 A14 A12 A10 A8 P14 P10 P8 P6 P4 C7 T9 T5 T3 K9 K5", "", ""),
                    EST, GARDE, EST);
    jeu.connaissances.sansEntame[EST] = 0;
    const Essai e = essayerSeule(jeu, 43, {});
    EXPECT_EQ(e.apres, e.avant);
    EXPECT_EQ(e.tirages, 0);
}

// ---- 44 ----

TEST(Regle44, LePreneurCoupeHautQuandUneSurcoupeMenace) {
    // South takes with no heart; West leads a heart.
    const char* const sud = "A21 A15 A9 A3 Exc P14 P9 P5 P3 T12 T9 T4 T2 K10 K8 K5 K3 K2";
    struct Cas {
        const char* quoi;
        int preneur;
        int tirage;
        int restant;
        bool dameTombee;
        bool roiTombe;
        std::vector<int> sansAtout;
        const char* attendu;
    };
    const Cas cas[] = {
        {"59: the highest trump", SUD, 59, 4, false, false, {}, "A21"},
        {"60: no", SUD, 60, 4, false, false, {}, INCHANGE},
        {"five hearts still out", SUD, 59, 5, false, false, {}, INCHANGE},
        {"the Roi has fallen, the Dame has not", SUD, 59, 4, false, true, {}, "A21"},
        {"Dame and Roi have fallen", SUD, 59, 4, true, true, {}, INCHANGE},
        {"East has no trump, North may have", SUD, 59, 4, false, false, {EST}, "A21"},
        {"neither East nor North has a trump", SUD, 59, 4, false, false, {EST, NORD}, INCHANGE},
        {"a defender second: the draw is still made", NORD, 59, 4, false, false, {}, INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", sud, "", "", "C5 A1"), c.preneur, GARDE, OUEST);
        jouer(jeu, "C5");
        Connaissances& k = jeu.connaissances;
        k.restantCouleur[SUD][COEUR] = c.restant;
        if (c.dameTombee) k.localisationCouleur[SUD][COEUR][DAME] = HORS_JEU;
        if (c.roiTombe) k.localisationCouleur[SUD][COEUR][ROI] = HORS_JEU;
        for (const int s : c.sansAtout) k.atoutCoupe[SUD][s] = 1;
        const Essai e = essayerSeule(jeu, 44, {tirage(100, c.tirage)});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, 1) << c.quoi;
    }
}

// ---- 45, 46 ----

TEST(Regle45, PasDeDameEntameeQuandLeRoiEstDehors) {
    // The diamond Roi is the seat's own and still counts as not played.
    const char* const est = "A20 A12 A8 A4 P13 P9 P5 C13 C6 C3 T12 T9 T4 K14 K13 K5 K3 K2";
    struct Cas {
        const char* quoi;
        int tirage;
        const char* seules;
        const char* attendu;
    };
    const Cas cas[] = {
        {"the heart Roi has fallen", 1, nullptr, "A20 A12 A8 A4 P9 P5 C13 C6 C3 T12 T9 T4 K14 K5 K3 K2"},
        {"two Dames left, from spades: the heart Dame stays", 1, "P13 C13", "C13"},
        {"two Dames left, from hearts: the spade Dame stays", 2, "P13 C13", "P13"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", est, "", ""), SUD, GARDE, EST);
        if (c.seules == nullptr) jeu.connaissances.detenteurCouleur[COEUR][ROI] = HORS_JEU;
        const Essai e = essayerSeule(jeu, 45, {tirage(4, c.tirage)}, c.seules);
        EXPECT_EQ(e.apres, c.attendu) << c.quoi;
        EXPECT_EQ(e.tirages, 1) << c.quoi;
    }
}

TEST(Regle45, SeulementALEntame) {
    Jeu jeu;
    distribuerScene(jeu, placement("", "A1 Exc P2", "A20 A12 A8 A4 P13 P9 P5 C13 C6 C3 T12 T9 T4 K14 K13 K5 K3 K2", "", ""),
                    SUD, GARDE, SUD);
    jouer(jeu, "P2");
    const Essai e = essayerSeule(jeu, 45, {});
    EXPECT_EQ(e.apres, "P13 P9 P5");
    EXPECT_EQ(e.tirages, 0);
}

TEST(Regle46, PasDeCavalierEntameQuandLaDameEstDehors) {
    const char* const est = "A20 A12 A8 A4 P12 P9 P5 C12 C6 C3 T12 T9 T4 K13 K12 K5 K3 K2";
    struct Cas {
        const char* quoi;
        int tirage;
        const char* seules;
        const char* attendu;
    };
    const Cas cas[] = {
        {"the heart Dame has fallen; the club Cavalier goes too", 3, nullptr,
         "A20 A12 A8 A4 P9 P5 C12 C6 C3 T9 T4 K13 K5 K3 K2"},
        {"two Cavaliers left, from spades", 1, "P12 C12", "C12"},
        {"two Cavaliers left, from hearts", 2, "P12 C12", "P12"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", est, "", ""), SUD, GARDE, EST);
        if (c.seules == nullptr) jeu.connaissances.detenteurCouleur[COEUR][DAME] = HORS_JEU;
        const Essai e = essayerSeule(jeu, 46, {tirage(4, c.tirage)}, c.seules);
        EXPECT_EQ(e.apres, c.attendu) << c.quoi;
        EXPECT_EQ(e.tirages, 1) << c.quoi;
    }
}

// ---- 47 ----

TEST(Regle47, TenteeSansEffet) {
    // The taker leads its long suit holding as many trumps as are left outside.
    Jeu jeu;
    distribuerScene(jeu, placement("", "A1 Exc", "A20 A18 A16 A14 A12 A10 A8 P14 P10 P8 P6 P4 C7 T9 T5 T3 K9 K5", "", ""),
                    EST, GARDE, EST);
    jeu.connaissances.restantAtout[EST] = 7;
    const Essai e = essayerSeule(jeu, 47, {});
    EXPECT_EQ(e.apres, e.avant);
    EXPECT_EQ(e.tirages, 0);
    EXPECT_EQ(jeu.regles.etatRegle[48], REGLE_ACTIVE);
    EXPECT_EQ(jeu.regles.etatRegle[49], REGLE_ACTIVE);
}

// ---- 48, 49 ----

// The taker's hand: its top trumps from the 21 down, its spades, and small
// cards of the other three suits, fewer of each than of spades.
std::string mainPreneur(const std::string& piques, int atouts) {
    std::string s;
    for (int a = 21; a > 21 - atouts; --a) s += "A" + std::to_string(a) + " ";
    s += piques;
    const int reste = 18 - atouts - static_cast<int>(cartes(piques).size());
    const char lettres[] = {'C', 'T', 'K'};
    int valeurs[] = {2, 2, 2};
    for (int i = 0; i < reste; ++i) s += std::string(" ") + lettres[i % 3] + std::to_string(valeurs[i % 3]++);
    return s;
}

TEST(Regle48, LePreneurJoueSaLongueParLeHaut) {
    struct Cas {
        const char* quoi;
        const char* piques;
        int atouts;
        int cavalierSousRoi;
        int couleurLongueCoupee;
        int sansAtout;  // defenders the taker knows to have no trump
        const char* attendu;
    };
    const Cas cas[] = {
        {"the Roi first", "P14 P13 P12 P11 P7", 7, 0, 0, 0, "P14"},
        {"five cards: the Dame", "P13 P12 P7 P5 P4", 7, 0, 0, 0, "P13"},
        {"the Cavalier fell under the Roi: past Dame and Cavalier", "P13 P12 P7 P5 P4", 7, 1, 0, 0, "P7"},
        {"six cards, nine trumps: the Dame", "P13 P12 P7 P5 P4 P3", 9, 0, 0, 0, "P13"},
        {"six cards, ten trumps: not the Dame", "P13 P12 P7 P5 P4 P3", 10, 0, 0, 0, "P7"},
        {"seven cards, seven trumps: the Dame", "P13 P12 P7 P6 P5 P4 P3", 7, 0, 0, 0, "P13"},
        {"seven cards, eight trumps: not the Dame", "P13 P12 P7 P6 P5 P4 P3", 8, 0, 0, 0, "P7"},
        {"eight cards, six trumps: the Dame", "P13 P12 P8 P7 P6 P5 P4 P3", 6, 0, 0, 0, "P13"},
        {"eight cards, seven trumps: not the Dame", "P13 P12 P8 P7 P6 P5 P4 P3", 7, 0, 0, 0, "P8"},
        {"nine cards, five trumps: never the Dame", "P13 P12 P11 P10 P9 P8 P7 P6 P5", 5, 0, 0, 0, "P10"},
        {"nine cards, six trumps: never the Dame", "P13 P12 P11 P10 P9 P8 P7 P6 P5", 6, 0, 0, 0, "P10"},
        {"the long suit was ruffed, the defence has trumps", "P14 P13 P12 P11 P7", 7, 0, 1, 2, INCHANGE},
        {"ruffed, but no defender has a trump left", "P14 P13 P12 P11 P7", 7, 0, 1, 3, "P14"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", mainPreneur(c.piques, c.atouts), "", ""), EST, GARDE, EST);
        ASSERT_EQ(jeu.connaissances.couleurLongue[EST], PIQUE) << c.quoi;
        Connaissances& k = jeu.connaissances;
        k.cavalierSousRoi = c.cavalierSousRoi;
        k.couleurLongueCoupee = c.couleurLongueCoupee;
        const int defenseurs[] = {SUD, NORD, OUEST};
        for (int i = 0; i < c.sansAtout; ++i) k.atoutCoupe[EST][defenseurs[i]] = 1;
        const Essai e = essayerSeule(jeu, 48, {});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
    }
}

TEST(Regle49, LePreneurJoueUnePetiteDeSaLongue) {
    struct Cas {
        const char* quoi;
        int preneur;
        int couleurLongueCoupee;
        bool defenseSansAtout;
        const char* attendu;
    };
    const Cas cas[] = {
        {"the defence may have trumps", EST, 0, false, "P4"},
        {"the defence has none and the suit was not ruffed", EST, 0, true, INCHANGE},
        {"the suit was ruffed", EST, 1, true, "P4"},
        {"a defender leads", SUD, 1, false, INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", mainPreneur("P14 P10 P7 P5 P4", 7), "", ""), c.preneur, GARDE, EST);
        Connaissances& k = jeu.connaissances;
        k.couleurLongueCoupee = c.couleurLongueCoupee;
        if (c.defenseSansAtout)
            for (const int s : {SUD, NORD, OUEST}) k.atoutCoupe[EST][s] = 1;
        const Essai e = essayerSeule(jeu, 49, {});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
    }
}

// ---- 50, 51 ----

TEST(Regle50, PasDeCouleurLongueAuChien) {
    const char* const est = "A20 A12 A8 A4 P14 P9 P5 C13 C6 C5 T12 T9 T4 K10 K8 K5 K3 K2";
    struct Cas {
        const char* quoi;
        const char* chien;
        bool coeursJoues;
        int tirage;
        const char* seules;
        const char* attendu;
    };
    const Cas cas[] = {
        {"three hearts in the dog", "C2 C3 C4 P2 P3 T2", false, 1, nullptr,
         "A20 A12 A8 A4 P14 P9 P5 T12 T9 T4 K10 K8 K5 K3 K2"},
        {"two hearts in the dog", "C2 C3 P2 P3 T2 T3", false, 1, nullptr, INCHANGE},
        {"hearts already played", "C2 C3 C4 P2 P3 T2", true, 1, nullptr, INCHANGE},
        {"hearts and clubs, after spades: clubs stay", "C2 C3 C4 T2 T3 T5", false, 1, "C13 C6 C5 T12 T9 T4",
         "T12 T9 T4"},
        {"hearts and clubs, after hearts: hearts stay", "C2 C3 C4 T2 T3 T5", false, 2, "C13 C6 C5 T12 T9 T4",
         "C13 C6 C5"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement(c.chien, "A1 Exc", est, "", ""), SUD, GARDE, EST);
        if (c.coeursJoues) jeu.connaissances.etatCouleur[COEUR] = 0;
        const Essai e = essayerSeule(jeu, 50, {tirage(4, c.tirage)}, c.seules);
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, 1) << c.quoi;
    }
}

TEST(Regle51, PasDEntameDansUnDoubletonHonneur) {
    const char* const roiSec = "A20 A12 A8 A4 P14 P5 C12 C6 T13 T9 T4 K10 K8 K7 K5 K3 K2 K1";
    const char* const deuxDoubletons = "A20 A12 A8 A4 P14 P5 C12 C6 T13 T4 K10 K9 K8 K7 K5 K3 K2 K1";
    struct Cas {
        const char* quoi;
        const char* est;
        int tirage;
        const char* seules;
        const char* attendu;
    };
    const Cas cas[] = {
        {"Roi second goes, Cavalier second and Dame third stay", roiSec, 1, nullptr,
         "A20 A12 A8 A4 C12 C6 T13 T9 T4 K10 K8 K7 K5 K3 K2 K1"},
        {"two doubletons left, after diamonds: clubs stay", deuxDoubletons, 4, "P14 P5 T13 T4", "T13 T4"},
        {"two doubletons left, after hearts: spades stay", deuxDoubletons, 2, "P14 P5 T13 T4", "P14 P5"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", c.est, "", ""), SUD, GARDE, EST);
        const Essai e = essayerSeule(jeu, 51, {tirage(4, c.tirage)}, c.seules);
        EXPECT_EQ(e.apres, c.attendu) << c.quoi;
        EXPECT_EQ(e.tirages, 1) << c.quoi;
    }
}

TEST(Regle50Et51, PasPourLePreneur) {
    for (const int k : {50, 51}) {
        Jeu jeu;
        distribuerScene(jeu, placement("C2 C3 C4 P2 P3 T2", "A1 Exc", "A20 A12 A8 A4 P14 P5 C13 C6 C5 T9 T4 K10 K8 K7 K5 K3 K2 K1", "", ""),
                        EST, GARDE, EST);
        const Essai e = essayerSeule(jeu, k, {});
        EXPECT_EQ(e.apres, e.avant) << k;
        EXPECT_EQ(e.tirages, 0) << k;
    }
}

// ---- 52, 53 ----

const char* const septAtouts = "A20 A15 A12 A9 A7 A4 A2 P13 P9 P5 C13 C6 C3 T12 T9 K10 K8 K5";
const char* const sixAtouts = "A20 A15 A12 A9 A6 A4 P13 P9 P5 C13 C6 C3 T12 T9 T4 K10 K8 K5";
const char* const sixAtoutsHauts = "A20 A19 A17 A15 A14 A13 P13 P9 P5 C13 C6 C3 T12 T9 T4 K10 K8 K5";
const char* const septAtoutsPairs = "A20 A18 A16 A14 A12 A10 A8 P13 P9 P5 C13 C6 C3 T12 T9 K10 K8 K5";

TEST(Regle52, EntameAtoutContreGardeSansEtContre) {
    struct Cas {
        const char* quoi;
        const char* est;
        int contrat;
        std::vector<TirageVoulu> tirages;
        const char* attendu;
        int entameAtoutImpair;
        int signalAtoutImpair;
    };
    const Cas cas[] = {
        {"Garde Sans, 79, seven trumps: the lowest odd one", septAtouts, GARDE_SANS, {tirage(100, 79)}, "A7", EST, 1},
        {"Garde Sans, 80", septAtouts, GARDE_SANS, {tirage(100, 80)}, INCHANGE, -1, 0},
        {"Garde Contre, 29", septAtouts, GARDE_CONTRE, {tirage(100, 29)}, "A7", EST, 1},
        {"Garde Contre, 30", septAtouts, GARDE_CONTRE, {tirage(100, 30)}, INCHANGE, -1, 0},
        {"Garde: no draw", septAtouts, GARDE, {}, INCHANGE, -1, 0},
        {"six trumps: the lowest even one", sixAtouts, GARDE_SANS, {tirage(100, 79)}, "A4", -1, 1},
        {"six trumps, the lowest even one is the 14", sixAtoutsHauts, GARDE_SANS, {tirage(100, 79)}, INCHANGE, -1, 0},
        {"seven trumps, none odd above the Petit", septAtoutsPairs, GARDE_SANS, {tirage(100, 79)}, INCHANGE, -1, 0},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", c.est, "", ""), SUD, c.contrat, EST);
        const Essai e = essayerSeule(jeu, 52, c.tirages);
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, static_cast<int>(c.tirages.size())) << c.quoi;
        EXPECT_EQ(jeu.connaissances.entameAtoutImpair, c.entameAtoutImpair) << c.quoi;
        EXPECT_EQ(jeu.connaissances.signalAtoutImpair, c.signalAtoutImpair) << c.quoi;
    }
}

TEST(Regle52, LeSignalEcritSertAuxEntamesSuivantes) {
    // East's odd lead makes it the signaller; its partner North then follows
    // the signal with its lowest trump (rule 40).
    Jeu jeu;
    distribuerScene(jeu, placement("", "A1 Exc", septAtouts, "A16 A10 A3", ""), SUD, GARDE_SANS, EST);
    essayerSeule(jeu, 52, {tirage(100, 79)});
    jeu.donne.joueurEntame = jeu.donne.joueurCourant = NORD;
    const Essai e = essayerSeule(jeu, 40, {});
    EXPECT_EQ(e.apres, "A3");
}

TEST(Regle53, PremiereEntameAtoutApresUnChienPauvre) {
    const char* const avecPetit = "A20 A15 A12 A9 A7 A4 A1 P13 P9 P5 C13 C6 C3 T12 T9 K10 K8 K5";
    struct Cas {
        const char* quoi;
        const char* chien;
        const char* est;
        int contrat;
        int sansEntame;
        int entameAtoutImpair;
        int signalAtout;
        const char* attendu;
        int entameAtoutImpairApres;
    };
    const Cas cas[] = {
        {"no trump in the dog, seven trumps", "P2 P3 C2 C4 T2 T3", septAtouts, GARDE, 1, -1, 0, "A7", EST},
        {"one trump in the dog", "A3 P2 P3 C2 C4 T2", septAtouts, GARDE, 1, -1, 0, "A7", EST},
        {"no trump in the dog, six trumps", "P2 P3 C2 C4 T2 T3", sixAtouts, GARDE, 1, -1, 0, "A4", -1},
        {"two trumps in the dog", "A3 A5 P2 P3 C2 T2", septAtouts, GARDE, 1, -1, 0, INCHANGE, -1},
        {"the dog was not shown", "P2 P3 C2 C4 T2 T3", septAtouts, GARDE_SANS, 1, -1, 0, INCHANGE, -1},
        {"the seat holds the Petit", "P2 P3 C2 C4 T2 T3", avecPetit, GARDE, 1, -1, 0, INCHANGE, -1},
        {"the seat has led before", "P2 P3 C2 C4 T2 T3", septAtouts, GARDE, 0, -1, 0, INCHANGE, -1},
        {"a partner signalled already", "P2 P3 C2 C4 T2 T3", septAtouts, GARDE, 1, NORD, 0, INCHANGE, NORD},
        {"a follow-up signal was seen", "P2 P3 C2 C4 T2 T3", septAtouts, GARDE, 1, -1, 1, INCHANGE, -1},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        const bool petitEst = std::string(c.est) == avecPetit;
        distribuerScene(jeu, placement(c.chien, petitEst ? "A2 Exc" : "A1 Exc", c.est, "", ""), SUD, c.contrat, EST);
        Connaissances& k = jeu.connaissances;
        k.sansEntame[EST] = c.sansEntame;
        k.entameAtoutImpair = c.entameAtoutImpair;
        k.signalAtout = c.signalAtout;
        const Essai e = essayerSeule(jeu, 53, {});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, 0) << c.quoi;
        EXPECT_EQ(k.entameAtoutImpair, c.entameAtoutImpairApres) << c.quoi;
        EXPECT_EQ(k.signalAtoutImpair, std::string(c.attendu) == INCHANGE ? 0 : 1) << c.quoi;
    }
}

// ---- 54 ----

TEST(Regle54, PremiereEntameApresUnChienRicheEnAtouts) {
    const char* const chienRiche = "A3 A5 P2 C2 T2 K2";
    struct Cas {
        const char* quoi;
        const char* est;
        const char* chien;
        const char* seules;
        const char* attendu;
    };
    const Cas cas[] = {
        {"five trumps, Roi and Dame: the first small card", "A20 A15 A12 A9 A7 P14 P13 P9 P5 P4 C6 C4 T9 T4 K10 K8 K5 K3",
         chienRiche, nullptr, "P5"},
        {"five trumps, no Roi nor Dame: the lowest above 5",
         "A20 A15 A12 A9 A7 P12 P10 P8 P6 P4 C6 C4 T9 T4 K10 K8 K5 K3", chienRiche, nullptr, "P6"},
        {"five trumps, the Roi alone: only the trumps go",
         "A20 A15 A12 A9 A7 P14 P10 P8 P6 P4 C6 C4 T9 T4 K10 K8 K5 K3", chienRiche, nullptr,
         "P14 P10 P8 P6 P4 C6 C4 T9 T4 K10 K8 K5 K3"},
        {"six trumps, the Roi alone: the first small card",
         "A20 A15 A12 A9 A7 A6 P14 P10 P8 P4 P3 C6 C4 T9 T4 K10 K8 K5", chienRiche, nullptr, "P4"},
        {"six trumps, Roi and Dame: the Roi", "A20 A15 A12 A9 A7 A6 P14 P13 P10 P8 P7 C6 C4 T9 T4 K10 K8 K5",
         chienRiche, nullptr, "P14"},
        {"six trumps, Dame and Cavalier, no small card: the Cavalier",
         "A20 A15 A12 A9 A7 A6 P13 P12 P10 P8 P7 C6 C4 T9 T4 K10 K8 K5", chienRiche, nullptr, "P12"},
        {"six trumps, Dame and Cavalier with a small card: the small card",
         "A20 A15 A12 A9 A7 A6 P13 P12 P10 P8 P3 C6 C4 T9 T4 K10 K8 K5", chienRiche, nullptr, "P3"},
        {"six trumps, no Roi nor Dame: the first below the Valet",
         "A20 A15 A12 A9 A7 A6 P12 P10 P8 P7 P3 C6 C4 T9 T4 K10 K8 K5", chienRiche, nullptr, "P10"},
        {"one trump in the dog", "A20 A15 A12 A9 A7 P14 P13 P9 P5 P4 C6 C4 T9 T4 K10 K8 K5 K3", "A3 P2 C2 T2 K2 K1",
         nullptr, INCHANGE},
        {"only trumps left: they stay", "A20 A15 A12 A9 A7 P14 P13 P9 P5 P4 C6 C4 T9 T4 K10 K8 K5 K3", chienRiche,
         "A20 A15 A12 A9 A7", "A20 A15 A12 A9 A7"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement(c.chien, "A1 Exc", c.est, "", ""), SUD, GARDE, EST);
        ASSERT_EQ(jeu.connaissances.couleurLongue[EST], PIQUE) << c.quoi;
        const Essai e = essayerSeule(jeu, 54, {}, c.seules);
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, 0) << c.quoi;
    }
}

TEST(Regle54, SeulementALaPremiereEntameDuDefenseur) {
    for (const bool dejaEntame : {true, false}) {
        Jeu jeu;
        distribuerScene(jeu, placement("A3 A5 P2 C2 T2 K2", "A1 Exc", "A20 A15 A12 A9 A7 P14 P13 P9 P5 P4 C6 C4 T9 T4 K10 K8 K5 K3", "", ""),
                        SUD, GARDE, EST);
        if (dejaEntame) jeu.connaissances.sansEntame[EST] = 0;
        const Essai e = essayerSeule(jeu, 54, {});
        EXPECT_EQ(e.apres, dejaEntame ? e.avant : "P5") << dejaEntame;
    }
}

// ---- 55 ----

TEST(Regle55, UnePetiteSousUneLongueHonoree) {
    const char* const est = "A20 A12 A8 P13 P9 P7 P4 P2 C14 C8 C6 C3 C1 T12 T9 K10 K8 K5";
    struct Cas {
        const char* quoi;
        int preneur;
        int tirage;
        bool piquesJoues;
        const char* attendu;
        int nbTirages;
    };
    const Cas cas[] = {
        {"from spades", SUD, 1, false, "P2", 1},
        {"from hearts", SUD, 2, false, "C1", 1},
        {"from clubs, round to spades", SUD, 3, false, "P2", 1},
        {"spades already played: hearts", SUD, 1, true, "C1", 1},
        {"the taker leads", EST, 1, false, INCHANGE, 0},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", est, "", ""), c.preneur, GARDE, EST);
        if (c.piquesJoues) jeu.connaissances.etatCouleur[PIQUE] = 0;
        const Essai e = essayerSeule(jeu, 55, {tirage(4, c.tirage)});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, c.nbTirages) << c.quoi;
    }
}

}  // namespace
