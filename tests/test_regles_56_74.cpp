#include <gtest/gtest.h>

#include "tests/essai_regle.h"

namespace {

using namespace scene;

// A defender's hand with four trumps and every suit, no oudler.
const char* const defenseur = "A20 A12 A8 A4 P14 P9 P5 C13 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2";
// A defender's hand with Roi and Dame in spades and hearts.
const char* const honneurs = "A20 A12 A8 A4 P14 P13 P5 C14 C13 C3 T12 T9 T4 K10 K8 K5 K3 K2";
// No heart, three trumps with the Petit.
const char* const sansCoeur = "A15 A9 A1 P9 P8 P7 P6 P5 P4 P3 P2 T7 T6 T5 T3 K3 K2 K1";

// ---- 56 ----

TEST(Regle56, LeDefenseurForceLePreneurDansSaCoupe) {
    // South takes; the seat that leads knows it void in hearts and clubs.
    const char* const main = "A20 A12 A8 A4 P14 P9 P5 C13 C11 C6 C3 T14 T5 K10 K8 K5 K3 K2";
    const char* const coeursHauts = "A20 A12 A8 A4 P14 P9 P5 P3 C13 C11 T14 T5 T4 K10 K8 K5 K3 K2";
    struct Cas {
        const char* quoi;
        int siege;
        const char* main;
        std::vector<int> coupes;
        std::vector<TirageVoulu> tirages;
        const char* attendu;
        int nbTirages;
    };
    const Cas cas[] = {
        {"East, 89, from hearts: clubs come last", EST, main, {COEUR, TREFLE}, {tirage(100, 89), tirage(4, 2)}, "T5", 2},
        {"East, 89, from clubs: hearts come last, not clubs", EST, main, {COEUR, TREFLE},
         {tirage(100, 89), tirage(4, 3)}, "C3", 2},
        {"East, 90", EST, main, {COEUR, TREFLE}, {tirage(100, 90)}, INCHANGE, 1},
        {"North, 79", NORD, main, {COEUR, TREFLE}, {tirage(100, 79), tirage(4, 2)}, "T5", 2},
        {"North, 80", NORD, main, {COEUR, TREFLE}, {tirage(100, 80)}, INCHANGE, 1},
        {"West, 69", OUEST, main, {COEUR, TREFLE}, {tirage(100, 69), tirage(4, 2)}, "T5", 2},
        {"West, 70", OUEST, main, {COEUR, TREFLE}, {tirage(100, 70)}, INCHANGE, 1},
        {"the Valet may go, the Dame may not", EST, coeursHauts, {COEUR}, {tirage(100, 1), nImporte(4)}, "C11", 2},
        {"no void known", EST, main, {}, {tirage(100, 1), nImporte(4)}, INCHANGE, 2},
        {"the taker leads: no draw", SUD, main, {COEUR, TREFLE}, {}, INCHANGE, 0},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        Placement p = placement("", "", "", "", "");
        p[c.siege] = cartes(c.main);
        const int ailleurs = c.siege == SUD ? NORD : SUD;
        for (const Carte& x : cartes("A1 Exc")) p[ailleurs].push_back(x);
        distribuerScene(jeu, p, SUD, GARDE, c.siege);
        for (const int s : c.coupes) jeu.connaissances.couleurCoupee[c.siege][SUD][s] = 1;
        const Essai e = essayerSeule(jeu, 56, c.tirages);
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, c.nbTirages) << c.quoi;
    }
}

// ---- 57 to 59 ----

TEST(Regle57, PasDeCouleurDontLeRoiEtaitAuChien) {
    struct Cas {
        const char* quoi;
        int contrat;
        bool roiTombe;
        const char* attendu;
    };
    const Cas cas[] = {
        {"the heart Roi was in the dog", GARDE, false, "A20 A12 A8 A4 P14 P9 P5 T12 T9 T4 K10 K8 K5 K3 K2"},
        {"it has been played since", GARDE, true, INCHANGE},
        {"the dog stayed face down", GARDE_SANS, false, INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("C14 P2 P3 T2 T3 K4", "A1 Exc", defenseur, "", ""), SUD, c.contrat, EST);
        if (c.roiTombe) jeu.connaissances.detenteurCouleur[COEUR][ROI] = HORS_JEU;
        const Essai e = essayerSeule(jeu, 57, {nImporte(4)});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, 1) << c.quoi;
    }
}

TEST(Regle58, PasDAtoutApresLAtoutDuPreneurSansLAtoutMaitre) {
    const char* const avec21 = "A21 A12 A8 A4 P14 P9 P5 C13 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2";
    const char* const sansAtouts = "P14 P9 P5 C13 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2";
    struct Cas {
        const char* quoi;
        const char* est;
        int derniere;
        const char* attendu;
    };
    const Cas cas[] = {
        {"the taker led a trump, South holds the 21", defenseur, ATOUT, sansAtouts},
        {"the seat holds the 21", avec21, ATOUT, INCHANGE},
        {"the taker last led a heart", defenseur, COEUR, INCHANGE},
        {"the taker has not led", defenseur, -1, INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        const bool est21 = std::string(c.est) == avec21;
        distribuerScene(jeu, placement("", est21 ? "A20 A1 Exc" : "A21 A1 Exc", c.est, "", ""), SUD, GARDE, EST);
        jeu.connaissances.derniereEntamePreneur = c.derniere;
        const Essai e = essayerSeule(jeu, 58, {});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
    }
}

TEST(Regle59, DAbordPasDAtoutSansLAtoutMaitre) {
    const char* const avec21 = "A21 A12 A8 A4 P14 P9 P5 C13 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2";
    struct Cas {
        const char* quoi;
        const char* est;
        int signalAtoutImpair;
        std::vector<TirageVoulu> tirages;
        const char* attendu;
    };
    const Cas cas[] = {
        {"79", defenseur, 0, {tirage(100, 79)}, "P14 P9 P5 C13 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2"},
        {"80", defenseur, 0, {tirage(100, 80)}, INCHANGE},
        {"a partner's odd trump signal: no draw", defenseur, 1, {}, INCHANGE},
        {"the seat holds the 21", avec21, 0, {tirage(100, 79)}, INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        const bool est21 = std::string(c.est) == avec21;
        distribuerScene(jeu, placement("", est21 ? "A20 A1 Exc" : "A21 A1 Exc", c.est, "", ""), SUD, GARDE, EST);
        jeu.connaissances.signalAtoutImpair = c.signalAtoutImpair;
        const Essai e = essayerSeule(jeu, 59, c.tirages);
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, static_cast<int>(c.tirages.size())) << c.quoi;
    }
}

// ---- 60 to 63: removals that stop before the last card ----

TEST(Regle60, PasDeRoiNiDeDameDansLesCouleursOuvertes) {
    struct Cas {
        const char* quoi;
        int contrat;
        bool piquesJoues;
        int tirage;
        const char* seules;
        const char* attendu;
    };
    const Cas cas[] = {
        {"Prise: Rois and Dames", PRISE, false, 1, nullptr, "A20 A12 A8 A4 P5 C3 T12 T9 T4 K10 K8 K5 K3 K2"},
        {"Garde Sans: only the Dames", GARDE_SANS, false, 1, nullptr,
         "A20 A12 A8 A4 P14 P5 C14 C3 T12 T9 T4 K10 K8 K5 K3 K2"},
        {"spades played before", PRISE, true, 1, nullptr, "A20 A12 A8 A4 P14 P13 P5 C3 T12 T9 T4 K10 K8 K5 K3 K2"},
        {"two Rois left, from spades: the heart Roi is led", PRISE, false, 1, "P14 C14", "C14"},
        {"two Rois left, from hearts: the spade Roi is led", PRISE, false, 2, "P14 C14", "P14"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", honneurs, "", ""), SUD, c.contrat, EST);
        if (c.piquesJoues) jeu.connaissances.etatCouleur[PIQUE] = 0;
        const Essai e = essayerSeule(jeu, 60, {tirage(4, c.tirage)}, c.seules);
        EXPECT_EQ(e.apres, c.attendu) << c.quoi;
        EXPECT_EQ(e.tirages, 1) << c.quoi;
    }
}

TEST(Regle61, PasDHonneurLaOuLePreneurCoupe) {
    struct Cas {
        const char* quoi;
        int preneur;
        std::vector<int> coupes;
        const char* seules;
        const char* attendu;
    };
    const Cas cas[] = {
        {"the taker void in hearts", SUD, {COEUR}, nullptr, "A20 A12 A8 A4 P14 P13 P5 C3 T12 T9 T4 K10 K8 K5 K3 K2"},
        {"no void known", SUD, {}, nullptr, INCHANGE},
        {"only the heart honours left: the Dame stays", SUD, {COEUR}, "C14 C13", "C13"},
        {"the taker leads", EST, {COEUR}, nullptr, INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", honneurs, "", ""), c.preneur, GARDE, EST);
        for (const int s : c.coupes) jeu.connaissances.couleurCoupee[EST][c.preneur][s] = 1;
        const Essai e = essayerSeule(jeu, 61, {nImporte(4)}, c.seules);
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
    }
}

TEST(Regle62, PasDeCavalierSansLaDame) {
    const char* const est = "A20 A12 A8 A4 P13 P12 P5 C12 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2";
    struct Cas {
        const char* quoi;
        int preneur;
        bool coeursJoues;
        const char* seules;
        const char* attendu;
    };
    const Cas cas[] = {
        {"a defender", SUD, false, nullptr, "A20 A12 A8 A4 P13 P12 P5 C6 C3 T9 T4 K10 K8 K5 K3 K2"},
        {"the taker as well", EST, false, nullptr, "A20 A12 A8 A4 P13 P12 P5 C6 C3 T9 T4 K10 K8 K5 K3 K2"},
        {"hearts played before", SUD, true, nullptr, "A20 A12 A8 A4 P13 P12 P5 C12 C6 C3 T9 T4 K10 K8 K5 K3 K2"},
        {"two Cavaliers left: one stays", SUD, false, "C12 T12", nullptr},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", est, "", ""), c.preneur, GARDE, EST);
        if (c.coeursJoues) jeu.connaissances.etatCouleur[COEUR] = 0;
        const Essai e = essayerSeule(jeu, 62, {nImporte(4)}, c.seules);
        if (c.attendu != nullptr) {
            EXPECT_EQ(e.apres, c.attendu) << c.quoi;
        } else {
            EXPECT_EQ(cartes(e.apres).size(), 1u) << c.quoi;
        }
    }
}

TEST(Regle63, PasDePetiteCarteSansRoiNiDame) {
    const char* const est = "A20 A12 A8 A4 P14 P5 P3 C12 C5 C3 C1 T13 T4 T2 K9 K8 K7 K6";
    struct Cas {
        const char* quoi;
        int preneur;
        bool coeursJoues;
        const char* seules;
        const char* attendu;
    };
    const Cas cas[] = {
        {"the small hearts go", SUD, false, nullptr, "A20 A12 A8 A4 P14 P5 P3 C12 T13 T4 T2 K9 K8 K7 K6"},
        {"hearts played before", SUD, true, nullptr, INCHANGE},
        {"only small hearts left: removed upwards, the 5 stays", SUD, false, "C5 C3 C1", "C5"},
        {"the taker leads", EST, false, nullptr, INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A2 A1 Exc", est, "", ""), c.preneur, GARDE, EST);
        if (c.coeursJoues) jeu.connaissances.etatCouleur[COEUR] = 0;
        const Essai e = essayerSeule(jeu, 63, {nImporte(4)}, c.seules);
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
    }
}

// ---- 64 ----

TEST(Regle64, GarderRoiEtDameLaOuLePreneurCoupe) {
    // South takes, void in hearts; East leads a heart.
    const char* const nord = "A20 A12 A8 A4 P14 P9 P5 C14 C13 C6 T12 T9 T4 K10 K8 K5 K3 K2";
    struct Cas {
        const char* quoi;
        int entameur;
        bool preneurSansAtout;
        bool videConnu;
        const char* attendu;
    };
    const Cas cas[] = {
        {"second, the taker to come", EST, false, true, "C6"},
        {"the taker known to have no trump", EST, true, true, "C14 C13 C6"},
        {"no void known", EST, false, false, "C14 C13 C6"},
        {"last, the taker has played", OUEST, false, true, "C14 C13 C6"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu,
                        placement("", "A21 A1 Exc P13 P12 P11 P10 T13 T11 T10 T8 K14 K13 K12 K11 K9 K7 K6", "C3 C2 C4",
                                  nord, "C5 C7"),
                        SUD, GARDE, c.entameur);
        if (c.entameur == EST) {
            jouer(jeu, "C3");
        } else {
            jouer(jeu, "C5");
            jouer(jeu, jeu.donne.mainJoueur[SUD][1]);  // the taker trumps
            jouer(jeu, "C2");
        }
        ASSERT_EQ(jeu.donne.joueurCourant, NORD) << c.quoi;
        if (c.preneurSansAtout) jeu.connaissances.atoutCoupe[NORD][SUD] = 1;
        if (c.videConnu) jeu.connaissances.couleurCoupee[NORD][SUD][COEUR] = 1;
        const Essai e = essayerSeule(jeu, 64, {nImporte(4)});
        EXPECT_EQ(e.apres, c.attendu) << c.quoi;
    }
}

// ---- 65, 66 ----

TEST(Regle65, LePreneurEntameUnRoiDUneLongueCouleur) {
    const char* const est = "A20 A12 A8 P14 P10 P8 P6 P4 C14 C9 C7 C5 C3 T12 T9 K10 K8 K5";
    const char* const courtes = "A20 A12 A8 A6 P14 P10 P8 P6 C14 C9 C7 C5 T12 T9 T5 K10 K8 K5";
    struct Cas {
        const char* quoi;
        const char* main;
        int preneur;
        int tirage;
        bool piquesJoues;
        const char* attendu;
        int nbTirages;
    };
    const Cas cas[] = {
        {"from spades", est, EST, 1, false, "P14", 1},
        {"from hearts", est, EST, 2, false, "C14", 1},
        {"from clubs, round to spades", est, EST, 3, false, "P14", 1},
        {"spades played before", est, EST, 1, true, "C14", 1},
        {"four cards only", courtes, EST, 1, false, INCHANGE, 1},
        {"a defender", est, SUD, 1, false, INCHANGE, 0},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", c.main, "", ""), c.preneur, GARDE, EST);
        if (c.piquesJoues) jeu.connaissances.etatCouleur[PIQUE] = 0;
        const Essai e = essayerSeule(jeu, 65, {tirage(4, c.tirage)});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, c.nbTirages) << c.quoi;
    }
}

TEST(Regle66, LePreneurNEntamePasUnRoiSec) {
    const char* const sansPetit = "A20 A12 A8 A4 P13 P9 P5 P3 C14 T12 T9 T4 T3 K10 K8 K5 K3 K2";
    const char* const avecPetit = "A20 A12 A8 A1 P13 P9 P5 P3 C14 T12 T9 T4 T3 K10 K8 K5 K3 K2";
    const char* const sansRoi = "A20 A12 A8 A4 P13 P9 P5 P3 T12 T9 T4 T3 K10 K8 K5 K3 K2";
    struct Cas {
        const char* quoi;
        const char* est;
        bool defenseSansAtout;
        const char* attendu;
    };
    const Cas cas[] = {
        {"without the Petit", sansPetit, false, "A20 A12 A8 A4 P13 P9 P5 P3 T12 T9 T4 T3 K10 K8 K5 K3 K2"},
        {"without the Petit, the defence out of trumps", sansPetit, true, sansRoi},
        {"with the Petit, the defence may have trumps", avecPetit, false,
         "A20 A12 A8 A1 P13 P9 P5 P3 T12 T9 T4 T3 K10 K8 K5 K3 K2"},
        {"with the Petit, the defence out of trumps", avecPetit, true, INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        const bool petitEst = std::string(c.est) == avecPetit;
        distribuerScene(jeu, placement("", petitEst ? "A4 Exc" : "A1 Exc", c.est, "", ""), EST, GARDE, EST);
        if (c.defenseSansAtout)
            for (const int s : {SUD, NORD, OUEST}) jeu.connaissances.atoutCoupe[EST][s] = 1;
        const Essai e = essayerSeule(jeu, 66, {});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_EQ(e.tirages, 0) << c.quoi;
    }
}

// ---- 67, 68 ----

TEST(Regle67, LePreneurPoseUnRoiGardeSurUneEntameDefenseur) {
    const char* const sud = "A21 A15 A9 A3 Exc P14 P9 P5 C14 C7 C6 T12 T9 T4 K10 K8 K5 K3";
    const char* const sudDeuxCoeurs = "A21 A15 A9 A3 Exc P14 P9 P5 P4 C14 C7 T12 T9 T4 K10 K8 K5 K3";
    // No heart: West trumps North's lead.
    const char* const ouestCoupe = "A6 A2 P13 P7 P3 T13 T8 T7 T6 T5 K13 K12 K11 K9 K7 K6 K4 K1";
    struct Cas {
        const char* quoi;
        Placement p;
        int entameur;
        const char* cartes;
        std::vector<int> vides;  // seats South knows void in hearts
        const char* attendu;
    };
    const Cas cas[] = {
        {"second: the Roi", placement("", sud, "", "", "C5 A1"), OUEST, "C5", {}, "C14"},
        {"second, East known void", placement("", sud, "", "", "C5 A1"), OUEST, "C5", {EST}, INCHANGE},
        {"second, North known void", placement("", sud, "", "", "C5 A1"), OUEST, "C5", {NORD}, INCHANGE},
        {"third: North's void no longer matters", placement("", sud, "A1", "C5", "C4"), NORD, "C5 C4", {NORD}, "C14"},
        {"third, East known void", placement("", sud, "A1", "C5", "C4"), NORD, "C5 C4", {EST}, INCHANGE},
        {"only one heart under the Roi", placement("", sudDeuxCoeurs, "", "", "C5 A1"), OUEST, "C5", {}, INCHANGE},
        {"West trumped: nothing wins", placement("", sud, "A1", "C5", ouestCoupe), NORD, "C5 A2", {}, INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, c.p, SUD, GARDE, c.entameur);
        jouer(jeu, c.cartes);
        ASSERT_EQ(jeu.donne.joueurCourant, SUD) << c.quoi;
        for (const int s : c.vides) jeu.connaissances.couleurCoupee[SUD][s][COEUR] = 1;
        const Essai e = essayerSeule(jeu, 67, {});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
    }
}

TEST(Regle68, PasDeCouleurOuLeSignaleurCoupe) {
    struct Cas {
        const char* quoi;
        int signaleur;
        const char* attendu;
    };
    const Cas cas[] = {
        {"North signalled and is void in hearts", NORD, "A20 A12 A8 A4 P14 P9 P5 T12 T9 T4 K10 K8 K5 K3 K2"},
        {"no signaller", -1, INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", defenseur, "", ""), SUD, GARDE, EST);
        jeu.connaissances.entameAtoutImpair = c.signaleur;
        jeu.connaissances.couleurCoupee[EST][NORD][COEUR] = 1;
        const Essai e = essayerSeule(jeu, 68, {nImporte(4)});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
    }
}

// ---- 69, 70 ----

// Hearts none of which beats the Roi; no heart honour.
const char* const petitsCoeurs = "A20 A12 A8 A4 P14 P9 P5 C10 C5 C2 T12 T9 T4 K10 K8 K5 K3 K2";

TEST(Regle69, PetiteCarteSousLeCarteGagnanteDuPreneur) {
    const char* const sudSansCoeur = "A21 Exc P13 P12 P11 P10 T13 T11 T10 T8 K14 K13 K12 K11 K9 K7 K6 K4";
    struct Cas {
        const char* quoi;
        Placement p;
        int entameur;
        const char* cartes;
        int siege;
        const char* attendu;
    };
    const Cas cas[] = {
        {"North third under the taker's Roi", placement("", "C14 A1 Exc", "C3", petitsCoeurs, ""), SUD, "C14 C3", NORD,
         "C2"},
        {"West last under the taker's Roi", placement("", "C14 A1 Exc", "C3", "C4", petitsCoeurs), SUD, "C14 C3 C4",
         OUEST, "C2"},
        {"East third, under the taker's 21: the lowest trump but the Petit",
         placement("", sudSansCoeur, sansCoeur, "", "C5"), OUEST, "C5 A21", EST, "A9"},
        {"East second: not this rule", placement("", "C14 A1 Exc", petitsCoeurs, "", ""), SUD, "C14", EST, INCHANGE},
        {"East's Roi wins, not the taker", placement("", "C6 A1 Exc", "C14", petitsCoeurs, ""), SUD, "C6 C14", NORD,
         INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, c.p, SUD, GARDE, c.entameur);
        jouer(jeu, c.cartes);
        ASSERT_EQ(jeu.donne.joueurCourant, c.siege) << c.quoi;
        const Essai e = essayerSeule(jeu, 69, {});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
    }
}

TEST(Regle70, PetiteCarteQuandLePliEstPerdu) {
    const char* const sud = "A21 A15 A1 Exc P13 P12 P11 P10 C10 C5 T13 T11 T10 T8 K14 K13 K12 K11";
    struct Cas {
        const char* quoi;
        Placement p;
        int entameur;
        const char* cartes;
        int siege;
        const char* attendu;
    };
    const Cas cas[] = {
        {"East second under the taker's Roi", placement("", "C14 A1 Exc", petitsCoeurs, "", ""), SUD, "C14", EST, "C2"},
        {"the taker last under East's Roi", placement("", sud, "C14", "C3", "C4"), EST, "C14 C3 C4", SUD, "C5"},
        {"the taker last can win", placement("", sud, "C6", "C3", "C4"), EST, "C6 C3 C4", SUD, INCHANGE},
        {"North third: not this rule", placement("", "C14 A1 Exc", "C3", petitsCoeurs, ""), SUD, "C14 C3", NORD,
         INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, c.p, SUD, GARDE, c.entameur);
        jouer(jeu, c.cartes);
        ASSERT_EQ(jeu.donne.joueurCourant, c.siege) << c.quoi;
        const Essai e = essayerSeule(jeu, 70, {});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
    }
}

// ---- 71, 72 ----

TEST(Regle71, PasDesPremieresCouleursDuPreneur) {
    struct Cas {
        const char* quoi;
        int premiere;
        int deuxieme;
        const char* seules;
        const char* attendu;
    };
    const Cas cas[] = {
        {"hearts then clubs", COEUR, TREFLE, nullptr, "A20 A12 A8 A4 P14 P9 P5 K10 K8 K5 K3 K2"},
        {"hearts only so far", COEUR, -1, nullptr, "A20 A12 A8 A4 P14 P9 P5 T12 T9 T4 K10 K8 K5 K3 K2"},
        {"none yet", -1, -1, nullptr, INCHANGE},
        {"only hearts and clubs left: clubs stay", COEUR, TREFLE, "C13 C6 C3 T12 T9 T4", "T12 T9 T4"},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1 Exc", defenseur, "", ""), SUD, GARDE, EST);
        jeu.connaissances.premiereEntamePreneur = c.premiere;
        jeu.connaissances.deuxiemeEntamePreneur = c.deuxieme;
        const Essai e = essayerSeule(jeu, 71, {}, c.seules);
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
    }
}

TEST(Regle72, SurcouperJusteAvantLePreneur) {
    // South takes; West plays right before it.
    const char* const ouest = "A20 A10 A6 A3 P13 P9 P5 C13 C6 C3 T12 T9 T4 K10 K8 K5 K3 K2";
    struct Cas {
        const char* quoi;
        int entameur;
        const char* cartes;
        const char* attendu;
    };
    const Cas cas[] = {
        {"East led the 5, North put the 8: the highest over-trump", EST, "A5 A8", "A20"},
        {"East led the Excuse, North put the 8", EST, "Exc A8", "A20"},
        {"North led: West is second", NORD, "A8", INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "A1", "A5 Exc", "A8", ouest), SUD, GARDE, c.entameur);
        jouer(jeu, c.cartes);
        ASSERT_EQ(jeu.donne.joueurCourant, OUEST) << c.quoi;
        const Essai e = essayerSeule(jeu, 72, {});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
    }
}

// ---- 73 ----

TEST(Regle73, CouperDuPlusPetitAtout) {
    const char* const petitEtExcuse = "A1 Exc P9 P8 P7 P6 P5 P4 P3 P2 T7 T6 T5 T3 K3 K2 K1 K4";
    const char* const sansAtoutNiCoeur = "P9 P8 P7 P6 P5 P4 P3 P2 T7 T6 T5 T3 T2 K5 K4 K3 K2 K1";
    const char* const atoutsSansPetit = "A15 A9 A3 P9 P8 P7 P6 P5 P4 P3 P2 T7 T6 T5 T3 K3 K2 K1";
    struct Cas {
        const char* quoi;
        const char* sud;
        const char* est;
        int entameur;
        const char* cartes;
        const char* attendu;
    };
    const Cas cas[] = {
        {"trumping a heart: the 9, never the Petit", "C5 Exc", sansCoeur, SUD, "C5", "A9"},
        {"over a trump lead", "A5 A1 Exc", atoutsSansPetit, SUD, "A5", "A9"},
        {"only the Petit and the Excuse", "C5", petitEtExcuse, SUD, "C5", INCHANGE},
        {"no trump to trump with", "C5 A1 Exc", sansAtoutNiCoeur, SUD, "C5", INCHANGE},
        {"second behind a led Excuse", "Exc", sansCoeur, SUD, "Exc", INCHANGE},
        {"leading", "Exc", sansCoeur, EST, "", INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, placement("", c.sud, c.est, "", ""), SUD, GARDE, c.entameur);
        jouer(jeu, c.cartes);
        ASSERT_EQ(jeu.donne.joueurCourant, EST) << c.quoi;
        const Essai e = essayerSeule(jeu, 73, {});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
        EXPECT_NE(e.apres, "A1") << c.quoi;
    }
}

// ---- 74 ----

TEST(Regle74, LaPlusGrosseCarteQuandLePreneurPeutEtreBattu) {
    const char* const estHonneurs = "A20 A12 A8 A4 P14 P9 P5 C14 C12 C5 T12 T9 T4 K10 K8 K5 K3 K2";
    const char* const estPetitsCoeurs = "A20 A12 A8 A4 P14 P9 P5 C9 C8 C2 T12 T9 T4 K10 K8 K5 K3 K2";
    const char* const sud = "A21 A15 A1 Exc P13 P12 P11 P10 C14 C12 C5 T13 T11 T10 K14 K13 K12 K11";
    struct Cas {
        const char* quoi;
        Placement p;
        int entameur;
        const char* cartes;
        int siege;
        const char* attendu;
    };
    const Cas cas[] = {
        {"East second over the taker's 10: the Roi", placement("", "C10 A1 Exc", estHonneurs, "", ""), SUD, "C10",
         EST, "C14"},
        {"behind the taker's Excuse: the biggest honour, whatever its suit",
         placement("", "A1 Exc", estHonneurs, "", ""), SUD, "Exc", EST, "P14"},
        {"trumping: the lowest trump but the Petit", placement("", "C10 Exc", sansCoeur, "", ""), SUD, "C10", EST,
         "A9"},
        {"no honour, no trump: the cheapest winning card", placement("", "C6 A1 Exc", estPetitsCoeurs, "", ""), SUD,
         "C6", EST, "C8"},
        {"North third", placement("", "C10 A1 Exc", "C3", estHonneurs, ""), SUD, "C10 C3", NORD, "C14"},
        {"the taker last", placement("", sud, "C6", "C3", "C4"), EST, "C6 C3 C4", SUD, "C14"},
        {"the taker second: not this rule", placement("", sud, "", "", "C6"), OUEST, "C6", SUD, INCHANGE},
        {"North second behind a defender's lead", placement("", "A1 Exc", "C10", estHonneurs, ""), EST, "C10", NORD,
         INCHANGE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        distribuerScene(jeu, c.p, SUD, GARDE, c.entameur);
        jouer(jeu, c.cartes);
        ASSERT_EQ(jeu.donne.joueurCourant, c.siege) << c.quoi;
        const Essai e = essayerSeule(jeu, 74, {});
        EXPECT_EQ(e.apres, attendu(e, c.attendu)) << c.quoi;
    }
}

}  // namespace
