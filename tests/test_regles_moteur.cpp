#include <gtest/gtest.h>

#include <set>

#include "engine/choix.h"
#include "engine/regles_moteur.h"
#include "tests/aides.h"
#include "tests/scene_regles.h"
#include "tests/tirages.h"

namespace {

using namespace scene;

// West's hand for the queries; slots:
//  1 A18  2 A9  3 A6  4 A3  5 A2  6 A1  7 Exc  8 P14  9 P11 10 P4
// 11 C13 12 C12 13 C8 14 C2 15 C1 16 T10 17 K11 18 K4
Main mainOuest() {
    return mainDe({atout(18), atout(9), atout(6), atout(3), atout(2), atout(1), atout(0), pique(14), pique(11),
                   pique(4), coeur(13), coeur(12), coeur(8), coeur(2), coeur(1), trefle(10), carreau(11),
                   carreau(4)});
}

struct Requetes : ::testing::Test {
    Jeu jeu;
    void SetUp() override {
        jeu.donne.mainJoueur[OUEST] = mainOuest();
        for (int i = 1; i <= 18; ++i) jeu.donne.jouable[OUEST][i] = 1;
    }
    void seulement(std::initializer_list<int> slots) {
        jeu.donne.jouable[OUEST].remplir(0);
        for (int i : slots) jeu.donne.jouable[OUEST][i] = 1;
    }
    void interdire(std::initializer_list<int> slots) {
        for (int i : slots) jeu.donne.jouable[OUEST][i] = 0;
    }
};

TEST_F(Requetes, PlusPetitesCartesEtAtouts) {
    EXPECT_EQ(plusPetiteCarteCouleur(jeu, OUEST), 15);  // C1
    EXPECT_EQ(plusPetitAtout(jeu, OUEST), 5);           // A2: never the Petit nor the Excuse
    EXPECT_EQ(plusPetitAtoutImpair(jeu, OUEST), 4);     // A3: the Petit does not count
    EXPECT_EQ(plusPetitAtoutPair(jeu, OUEST), 5);       // A2
    EXPECT_EQ(plusGrosHonneur(jeu, OUEST), 8);          // P14
    interdire({14, 15, 5, 4, 8, 11, 12});
    EXPECT_EQ(plusPetiteCarteCouleur(jeu, OUEST), 10);  // P4 before K4: first slot on a tie
    EXPECT_EQ(plusPetitAtout(jeu, OUEST), 3);           // A6
    EXPECT_EQ(plusPetitAtoutImpair(jeu, OUEST), 2);     // A9
    EXPECT_EQ(plusPetitAtoutPair(jeu, OUEST), 3);       // A6
    EXPECT_EQ(plusGrosHonneur(jeu, OUEST), 9);          // P11 before K11
    seulement({6, 7, 16});
    EXPECT_EQ(plusPetitAtout(jeu, OUEST), -1);
    EXPECT_EQ(plusPetitAtoutImpair(jeu, OUEST), -1);
    EXPECT_EQ(plusPetitAtoutPair(jeu, OUEST), -1);
    EXPECT_EQ(plusGrosHonneur(jeu, OUEST), -1);  // T10 is no honour
    seulement({1, 6, 7});
    EXPECT_EQ(plusPetiteCarteCouleur(jeu, OUEST), -1);
}

TEST_F(Requetes, RoiAccompagneEtPetiteSousHonneur) {
    EXPECT_EQ(roiAccompagne(jeu, OUEST, PIQUE), 8);
    EXPECT_EQ(roiAccompagne(jeu, OUEST, COEUR), -1);  // no King
    EXPECT_EQ(petiteSousHonneur(jeu, OUEST, COEUR), 15);  // Dame and five hearts: C1
    EXPECT_EQ(petiteSousHonneur(jeu, OUEST, PIQUE), -1);  // three spades only
    interdire({10, 13});
    EXPECT_EQ(roiAccompagne(jeu, OUEST, PIQUE), -1);       // one card under the King
    EXPECT_EQ(petiteSousHonneur(jeu, OUEST, COEUR), -1);   // four playable hearts
}

TEST_F(Requetes, CartesDeCouleurComptentLesCartesJouees) {
    jeu.donne.mainJoueur[OUEST][13].enMain = false;
    jeu.donne.jouable[OUEST][13] = 0;
    EXPECT_EQ(nbCartesDeCouleur(jeu, OUEST, COEUR), 5);
    EXPECT_EQ(nbCartesDeCouleur(jeu, OUEST, ATOUT), 7);  // the Excuse is of suit 0
    EXPECT_EQ(nbCartesDeCouleur(jeu, OUEST, TREFLE), 1);
}

TEST(RequetesPli, PreneurJoueApres) {
    Jeu jeu;
    jeu.donne.preneur = NORD;
    struct Cas {
        const char* quoi;
        int siege, position;
        bool attendu;
    };
    const Cas cas[] = {
        {"the taker itself", NORD, 2, false},
        {"a leader", SUD, 1, true},
        {"second, the taker not before it", SUD, 2, true},
        {"second, right after the taker", OUEST, 2, false},
        {"third, the taker next", EST, 3, true},
        {"third, the taker already played", SUD, 3, false},
        {"last", EST, 4, false},
    };
    for (const Cas& c : cas) EXPECT_EQ(preneurJoueApres(jeu, c.siege, c.position), c.attendu) << c.quoi;
}

TEST(RequetesPli, GagnantProvisoireEtCarteGagnante) {
    struct Cas {
        const char* quoi;
        int preneur;
        int entameur;
        std::vector<Carte> posees;  // from the leader on
        std::vector<int> jouables;  // West's playable slots
        int gagnant, gagne;
    };
    const Cas cas[] = {
        {"the taker beats the 9 with its lowest higher heart", OUEST, EST, {coeur(5), coeur(9)}, {11, 12, 13, 14, 15},
         NORD, 12},
        {"no heart of the taker beats the 12", OUEST, EST, {coeur(5), coeur(12)}, {13, 14, 15}, NORD, -1},
        {"a trump takes a heart", OUEST, EST, {coeur(5), atout(2)}, {11, 12, 13, 14, 15}, NORD, -1},
        {"the lowest trump over the 2", OUEST, EST, {coeur(5), atout(2)}, {1, 2, 3, 4, 5, 6, 7}, NORD, 4},
        {"an Excuse lead gives way to the next card", OUEST, EST, {atout(0), coeur(9)}, {11, 12, 13, 14, 15}, NORD,
         12},
        {"second behind an Excuse: any card beats it", OUEST, NORD, {atout(0)}, {8, 18}, NORD, 18},
        {"a higher trump on a trump lead", OUEST, EST, {atout(10), atout(15)}, {1, 2, 3}, NORD, 1},
        {"only defenders: the defence wins", SUD, EST, {coeur(5), coeur(9)}, {11}, NORD, DEFENSE_GAGNE},
        {"the taker winning against a defender", EST, EST, {coeur(5), coeur(4)}, {13, 14}, EST, 13},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        Donne& d = jeu.donne;
        d.mainJoueur[OUEST] = mainOuest();
        d.preneur = c.preneur;
        d.joueurEntame = c.entameur;
        int s = c.entameur;
        for (const Carte& carte : c.posees) {
            d.pliEnCours[s] = carte;
            s = siegeSuivant(s);
        }
        ASSERT_EQ(s, OUEST) << c.quoi;
        for (int i : c.jouables) d.jouable[OUEST][i] = 1;
        EXPECT_EQ(gagnantProvisoire(jeu, OUEST), c.gagnant) << c.quoi;
        EXPECT_EQ(carteGagnante(jeu, OUEST), c.gagne) << c.quoi;
    }
}

TEST(RequetesPli, LeSecondTrouveLEntameurGagnant) {
    Jeu jeu;
    jeu.donne.preneur = SUD;
    jeu.donne.joueurEntame = NORD;
    jeu.donne.pliEnCours[NORD] = atout(0);
    EXPECT_EQ(gagnantProvisoire(jeu, OUEST), NORD);
    EXPECT_EQ(gagnantProvisoire(jeu, NORD), NORD);
}

TEST(RequetesConnaissances, AtoutsMaitresTenus) {
    struct Cas {
        const char* quoi;
        int atoutMaitre;
        std::vector<int> tenus, sortis;
        int attendu;
    };
    const Cas cas[] = {
        {"no trump left in play", -1, {}, {}, 0},
        {"21 and 20, the 19 gone, the 18", 21, {21, 20, 18}, {19}, 3},
        {"the master trump is elsewhere", 21, {20, 19}, {}, 0},
        {"the run stops at the 2, never reaching the Petit", 3, {3, 2, 1}, {}, 2},
        {"the Petit alone in play", 1, {1}, {}, 1},
        {"the 4, 3 and 2 gone, the Petit reached from above", 5, {5, 1}, {4, 3, 2}, 2},
        {"a gap held by another seat stops the run", 21, {21, 19}, {}, 1},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        Connaissances& k = jeu.connaissances;
        for (int v = 0; v <= 21; ++v) k.localisationAtout[EST][v] = NON_PLACE;
        for (int v = c.atoutMaitre + 1; v <= 21; ++v) k.localisationAtout[EST][v] = HORS_JEU;
        for (int v : c.tenus) k.localisationAtout[EST][v] = EST;
        for (int v : c.sortis) k.localisationAtout[EST][v] = HORS_JEU;
        k.atoutMaitre[EST] = c.atoutMaitre;
        EXPECT_EQ(nbAtoutsMaitresTenus(jeu, EST), c.attendu) << c.quoi;
    }
}

TEST(RequetesConnaissances, HonneurVoisin) {
    Jeu jeu;
    jeu.connaissances.detenteurCouleur[COEUR][CAVALIER] = EST;
    EXPECT_TRUE(honneurVoisin(jeu, EST, COEUR, VALET));
    EXPECT_TRUE(honneurVoisin(jeu, EST, COEUR, DAME));
    EXPECT_FALSE(honneurVoisin(jeu, EST, COEUR, CAVALIER));
    EXPECT_FALSE(honneurVoisin(jeu, EST, COEUR, ROI));
    EXPECT_FALSE(honneurVoisin(jeu, NORD, COEUR, VALET));
    jeu.connaissances.detenteurCouleur[COEUR][DAME] = EST;
    EXPECT_TRUE(honneurVoisin(jeu, EST, COEUR, ROI));
    EXPECT_TRUE(honneurVoisin(jeu, EST, COEUR, CAVALIER));
}

TEST(ParcoursDesCouleurs, ApresEtDepuisUneCouleurTiree) {
    struct Cas {
        int tirage;
        OrdreCouleurs apres, depuis;
    };
    const Cas cas[] = {{3, {4, 1, 2, 3}, {3, 4, 1, 2}}, {4, {1, 2, 3, 4}, {4, 1, 2, 3}}, {1, {2, 3, 4, 1}, {1, 2, 3, 4}}};
    for (const Cas& c : cas) {
        Hasard h;
        const std::uint32_t g = graineDonnant({tirage(4, c.tirage)});
        h.graine = g;
        EXPECT_EQ(couleursApresTirage(h), c.apres) << c.tirage;
        EXPECT_EQ(h.graine, apresTirages(g, 1));
        h.graine = g;
        EXPECT_EQ(couleursDepuisTirage(h), c.depuis) << c.tirage;
    }
}

// ---- Actions ----

struct Actions : ::testing::Test {
    Jeu jeu;
    void SetUp() override {
        jeu.donne.mainJoueur[OUEST] = mainOuest();
        for (int i = 1; i <= 18; ++i) jeu.donne.jouable[OUEST][i] = 1;
        jeu.regles.joueurIA = OUEST;
        jeu.regles.etatRegle.remplir(REGLE_ACTIVE);
    }
    void seulement(std::initializer_list<int> slots) {
        jeu.donne.jouable[OUEST].remplir(0);
        for (int i : slots) jeu.donne.jouable[OUEST][i] = 1;
    }
};

TEST_F(Actions, ImposerUneCarteJouable) {
    EXPECT_TRUE(imposerCarte(jeu, OUEST, 9));
    EXPECT_EQ(jouables(jeu, OUEST), "P11");
}

TEST_F(Actions, ImposerUneCarteInterditeNeChangeRien) {
    seulement({1, 2, 16});
    EXPECT_FALSE(imposerCarte(jeu, OUEST, 9));
    EXPECT_EQ(jouables(jeu, OUEST), "A18 A9 T10");
}

TEST_F(Actions, RetirerUneCouleur) {
    retirerCouleur(jeu, OUEST, COEUR);
    EXPECT_EQ(jouables(jeu, OUEST), "A18 A9 A6 A3 A2 A1 Exc P14 P11 P4 T10 K11 K4");
    retirerCouleur(jeu, OUEST, ATOUT);  // the Excuse goes with the trumps
    EXPECT_EQ(jouables(jeu, OUEST), "P14 P11 P4 T10 K11 K4");
}

TEST_F(Actions, RetirerLaSeuleCouleurJouableNeChangeRien) {
    seulement({11, 12, 13});
    retirerCouleur(jeu, OUEST, COEUR);
    EXPECT_EQ(jouables(jeu, OUEST), "C13 C12 C8");
}

TEST_F(Actions, RetirerUneCarte) {
    seulement({7, 16});
    retirerCarte(jeu, OUEST, ATOUT, EXCUSE);
    EXPECT_EQ(jouables(jeu, OUEST), "T10");
    retirerCarte(jeu, OUEST, TREFLE, 10);  // the last playable card stays
    EXPECT_EQ(jouables(jeu, OUEST), "T10");
    retirerCarte(jeu, OUEST, TREFLE, 9);  // a card the seat does not hold
    EXPECT_EQ(jouables(jeu, OUEST), "T10");
}

TEST_F(Actions, RetirerUneCarteDejaJoueeNeChangeRien) {
    seulement({8, 16});
    jeu.donne.mainJoueur[OUEST][8].enMain = false;  // a stale mark on a played card
    retirerCarte(jeu, OUEST, PIQUE, ROI);
    EXPECT_EQ(jouables(jeu, OUEST), "P14 T10");
}

TEST_F(Actions, NoterRegleSeulementQuandUneCarteEstImposee) {
    jeu.regles.carteChoisie = 0;
    noterRegle(jeu, 12);
    EXPECT_EQ(jeu.regles.nbReglesUtilisees, 0);
    EXPECT_EQ(jeu.regles.etatRegle[12], REGLE_ACTIVE);
    jeu.regles.carteChoisie = 1;
    noterRegle(jeu, 12);
    EXPECT_EQ(jeu.regles.nbReglesUtilisees, 1);
    EXPECT_EQ(jeu.regles.regleUtilisee[1], 12);
    EXPECT_EQ(jeu.regles.joueurRegleUtilisee[1], OUEST);
    EXPECT_EQ(jeu.regles.etatRegle[12], REGLE_IMPOSEE);
}

TEST_F(Actions, UnJournalPleinGardeSesEntrees) {
    jeu.regles.nbReglesUtilisees = tailleJournal;
    jeu.regles.regleUtilisee[tailleJournal] = 3;
    jeu.regles.carteChoisie = 1;
    noterRegle(jeu, 30);
    EXPECT_EQ(jeu.regles.nbReglesUtilisees, tailleJournal);
    EXPECT_EQ(jeu.regles.regleUtilisee[tailleJournal], 3);
    EXPECT_EQ(jeu.regles.etatRegle[30], REGLE_IMPOSEE);
}

// ---- The list and the engine ----

TEST(ListeDesRegles, SeuilsDeNiveauEtReglesAdaptatives) {
    const std::set<int> horsDebutant{8, 13, 28, 56};
    const std::set<int> horsAmateur{10, 12, 14, 15, 18, 24, 38, 39, 42, 47, 48, 49};
    const std::set<int> horsBon{11, 16, 17, 22, 23, 43};
    const std::set<int> jamaisPesees{1, 2, 3, 4, 7, 8, 9, 29, 32, 35, 53, 54, 55, 63, 69, 70, 73};
    int adaptatives = 0;
    for (int k = 1; k <= nbReglesMax; ++k) {
        const Regle& r = listeRegles[static_cast<std::size_t>(k - 1)];
        const int seuil = horsDebutant.count(k) ? 1 : horsAmateur.count(k) ? 2 : horsBon.count(k) ? 3 : 0;
        EXPECT_EQ(r.seuil, seuil) << "rule " << k;
        EXPECT_EQ(r.adaptative, jamaisPesees.count(k) == 0) << "rule " << k;
        EXPECT_NE(r.appliquer, nullptr) << "rule " << k;
        adaptatives += r.adaptative;
    }
    EXPECT_EQ(adaptatives, 57);
}

TEST(ReglesApplicables, TirageDuPoidsSeulementPourUneRegleAdaptative) {
    Jeu jeu;
    EtatRegles& r = jeu.regles;
    r.etatRegle.remplir(REGLE_ACTIVE);
    r.poidsRegle[20] = 60;
    const std::uint32_t g60 = graineDonnant({tirage(100, 60)});
    const std::uint32_t g61 = graineDonnant({tirage(100, 61)});

    jeu.options.optionNiveauAdaptatif = 0;
    r.regleAdaptative[20] = 1;
    jeu.hasard.graine = g61;
    EXPECT_TRUE(regleApplicable(jeu, 20)) << "option off: no weight";
    EXPECT_EQ(jeu.hasard.graine, g61);

    jeu.options.optionNiveauAdaptatif = 1;
    r.regleAdaptative[20] = 0;
    EXPECT_TRUE(regleApplicable(jeu, 20)) << "a rule that is never weighed";
    EXPECT_EQ(jeu.hasard.graine, g61);

    r.regleAdaptative[20] = 1;
    EXPECT_FALSE(regleApplicable(jeu, 20)) << "61 is above the weight 60";
    EXPECT_EQ(jeu.hasard.graine, apresTirages(g61, 1));
    jeu.hasard.graine = g60;
    EXPECT_TRUE(regleApplicable(jeu, 20)) << "60 is within the weight";
    EXPECT_EQ(jeu.hasard.graine, apresTirages(g60, 1));

    r.poidsRegle[20] = 150;
    jeu.hasard.graine = graineDonnant({tirage(100, 100)});
    EXPECT_TRUE(regleApplicable(jeu, 20)) << "a weight of 100 or more always passes";
}

TEST(ReglesApplicables, NiEteinteNiApresUneCarteImposee) {
    Jeu jeu;
    EtatRegles& r = jeu.regles;
    jeu.options.optionNiveauAdaptatif = 1;
    r.etatRegle.remplir(REGLE_ACTIVE);
    r.regleAdaptative.remplir(1);
    jeu.hasard.graine = 77;
    r.etatRegle[5] = REGLE_ETEINTE;
    EXPECT_FALSE(regleApplicable(jeu, 5));
    r.etatRegle[6] = REGLE_IMPOSEE;
    EXPECT_FALSE(regleApplicable(jeu, 6));
    r.carteChoisie = 1;
    EXPECT_FALSE(regleApplicable(jeu, 7));
    EXPECT_EQ(jeu.hasard.graine, 77u) << "no draw for a rule that cannot apply";
}

// Garde Sans taken by South; East leads trick 1 with the spade King and six
// trumps; North holds the Petit and the Excuse.
void sceneRoiContreGardeSans(Jeu& jeu) {
    distribuerScene(jeu,
                    {{{},
                      {atout(21)},
                      {atout(20), atout(17), atout(15), atout(12), atout(8), atout(5), pique(14), pique(6), coeur(7),
                       coeur(3), trefle(9), trefle(5), trefle(3), carreau(9), carreau(7), carreau(6), carreau(4),
                       carreau(2)},
                      {atout(1), atout(0)},
                      {}}},
                    SUD, GARDE_SANS, EST);
}

TEST(MoteurDeChoix, UnTirageDePoidsManqueSauteLaRegle) {
    for (const int poids : {60, 61}) {
        Jeu jeu;
        sceneRoiContreGardeSans(jeu);
        jeu.options.optionNiveauAdaptatif = 1;
        jeu.regles.poidsRegle[5] = poids;
        // Rule 5's weight draw gives 61, then its own suit draw.
        jeu.hasard.graine = graineDonnant({tirage(100, 61), nImporte(4)});
        calculerJouables(jeu, EST);
        choisirCarte(jeu, EST);
        if (poids == 61) {
            EXPECT_EQ(jeu.regles.etatRegle[5], REGLE_IMPOSEE);
            EXPECT_EQ(jouables(jeu, EST), "P14");
            ASSERT_EQ(jeu.regles.nbReglesUtilisees, 1);
            EXPECT_EQ(jeu.regles.regleUtilisee[1], 5);
            EXPECT_EQ(jeu.regles.joueurRegleUtilisee[1], EST);
        } else {
            EXPECT_EQ(jeu.regles.etatRegle[5], REGLE_ACTIVE) << "skipped by its weight";
        }
    }
}

// North takes; East leads the Petit; North holds the 21.
void scenePetitEntame(Jeu& jeu) {
    distribuerScene(jeu, {{{}, {}, {atout(1), atout(3)}, {atout(21), atout(0)}, {}}}, NORD, PRISE, EST);
    jouer(jeu, atout(1));
}

TEST(MoteurDeChoix, AucunTirageApresUneCarteImposee) {
    struct Cas {
        const char* quoi;
        bool adaptatif;
        int tirages;
    };
    // Rules 5 and 6 come before the imposing rule 7 and are weighed; no rule
    // after 7 is tried.
    const Cas cas[] = {{"adaptive off", false, 0}, {"adaptive on", true, 2}};
    for (const Cas& c : cas) {
        Jeu jeu;
        scenePetitEntame(jeu);
        jeu.options.optionNiveauAdaptatif = c.adaptatif;
        jeu.regles.poidsRegle.remplir(100);  // every weight test passes, yet each one draws
        jeu.hasard.graine = 4242;
        calculerJouables(jeu, NORD);
        choisirCarte(jeu, NORD);
        EXPECT_EQ(jouables(jeu, NORD), "A21") << c.quoi;
        EXPECT_EQ(jeu.regles.etatRegle[7], REGLE_IMPOSEE) << c.quoi;
        EXPECT_EQ(jeu.hasard.graine, apresTirages(4242, c.tirages)) << c.quoi;
        EXPECT_EQ(jeu.regles.carteChoisie, 1) << c.quoi;
    }
}

TEST(MoteurDeChoix, MemeEtatEtMemesTiragesMemeChoix) {
    // South takes a Garde; East follows a heart lead with a heart hand where
    // several rules draw.
    for (const bool adaptatif : {false, true}) {
        Jeu jeu;
        distribuerScene(jeu, placement("", "C5 A1", "A20 A12 Exc P13 P7 P5 C14 C13 C3 T12 T9 T4 K10 K8 K5 K3 K2 K1", "", ""),
                        OUEST, GARDE, SUD);
        jouer(jeu, "C5");
        jeu.options.optionNiveauAdaptatif = adaptatif;
        jeu.regles.poidsRegle.remplir(80);
        calculerJouables(jeu, EST);
        for (std::uint32_t graine : {1u, 2u, 3u, 1234567u}) {
            Jeu a = jeu;
            Jeu b = jeu;
            a.hasard.graine = b.hasard.graine = graine;
            choisirCarte(a, EST);
            choisirCarte(b, EST);
            EXPECT_EQ(a.donne.jouable[EST], b.donne.jouable[EST]) << graine;
            EXPECT_EQ(a.hasard.graine, b.hasard.graine) << graine;
            EXPECT_GE(nbJouables(a, EST), 1);
        }
    }
}

TEST(MoteurDeChoix, SeuilsDeNiveauEteignentLesRegles) {
    const std::set<int> seuils[5] = {{},
                                      {8, 13, 28, 56, 10, 12, 14, 15, 18, 24, 38, 39, 42, 47, 48, 49, 11, 16, 17, 22,
                                       23, 43},
                                      {10, 12, 14, 15, 18, 24, 38, 39, 42, 47, 48, 49, 11, 16, 17, 22, 23, 43},
                                      {11, 16, 17, 22, 23, 43},
                                      {}};
    for (int niveau = 1; niveau <= 4; ++niveau) {
        Jeu jeu;
        scenePetitEntame(jeu);
        jeu.options.niveau = niveau;
        calculerJouables(jeu, NORD);
        choisirCarte(jeu, NORD);
        for (int k = 1; k <= nbRegles; ++k) {
            const int attendu = k == 7 ? REGLE_IMPOSEE : seuils[niveau].count(k) ? REGLE_ETEINTE : REGLE_ACTIVE;
            EXPECT_EQ(jeu.regles.etatRegle[k], attendu) << "level " << niveau << " rule " << k;
            EXPECT_EQ(regleActive(jeu, k), attendu == REGLE_ACTIVE);
        }
    }
}

TEST(MoteurDeChoix, RolesEtPositionDuChoix) {
    Jeu jeu;
    scenePetitEntame(jeu);
    jouer(jeu, atout(21));
    preparerChoix(jeu);  // West, third to the trick
    const EtatRegles& r = jeu.regles;
    EXPECT_EQ(r.joueurIA, OUEST);
    EXPECT_EQ(r.positionPli, 3);
    EXPECT_EQ(r.apresPreneur, OUEST);
    EXPECT_EQ(r.facePreneur, SUD);
    EXPECT_EQ(r.avantPreneur, EST);
    EXPECT_EQ(r.gagnant, NORD);
    EXPECT_EQ(r.gagne, -1) << "nothing beats the 21";
    EXPECT_EQ(r.carteChoisie, 0);
}

TEST(MoteurDeChoix, UneRegleQuiNImposePasLaissePasserLesSuivantes) {
    // North defends with the Petit and the Excuse; its highest trump, the 20,
    // fell in trick 1, so rule 32 names a played card and fails, and rule 33
    // (West, the taker, plays right after North) still removes the Excuse.
    Jeu jeu;
    distribuerScene(jeu,
                    {{{},
                      {atout(21), coeur(3)},
                      {atout(5), coeur(4)},
                      {atout(20), atout(9), atout(1), atout(0), pique(13), pique(8), pique(3), coeur(6), coeur(2),
                       trefle(13), trefle(7), trefle(2), carreau(13), carreau(12), carreau(8), carreau(5), carreau(3),
                       carreau(1)},
                      {atout(4)}}},
                    OUEST, GARDE, NORD);
    jouer(jeu, {atout(20), atout(4), atout(21), atout(5)});
    ASSERT_EQ(jeu.donne.joueurCourant, SUD);
    jouer(jeu, {coeur(3), coeur(4)});
    calculerJouables(jeu, NORD);
    ASSERT_EQ(jouables(jeu, NORD), "Exc C6 C2");
    choisirCarte(jeu, NORD);
    EXPECT_EQ(jeu.regles.etatRegle[32], REGLE_ACTIVE);
    EXPECT_EQ(jeu.donne.jouable[NORD][slotDe(jeu, NORD, atout(0))], 0);
}

TEST(MoteurDeChoix, AvantToutChoixChaqueRegleEstActive) {
    const Jeu jeu;
    EXPECT_TRUE(regleActive(jeu, 39));
    EXPECT_TRUE(regleActive(jeu, 1));
}

TEST(MoteurDeChoix, HorsDUneDonneRienNeChange) {
    Jeu jeu;
    jeu.donne.mainJoueur[OUEST] = mainOuest();
    for (int i = 1; i <= 18; ++i) jeu.donne.jouable[OUEST][i] = 1;
    choisirCarte(jeu, OUEST);  // no taker yet
    EXPECT_EQ(nbJouables(jeu, OUEST), 18);
}

}  // namespace
