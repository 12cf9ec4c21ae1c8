// The score of a deal, the end of the deal and the four global scores.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/jeu.h"
#include "scoring/score.h"
#include "settings/magasin_memoire.h"
#include "settings/options.h"
#include "tests/vue_options.h"

namespace {

struct DonneFinie {
    int preneur;
    int enchere;
    int pointsPreneur;  // half-points
    int pointsAFaire;
    int petitAuBout;
    int poigneeHumain;
};

void terminer(Jeu& jeu, const DonneFinie& f) {
    Donne& d = jeu.donne;
    d.preneur = f.preneur;
    d.enchere.remplir(PASSE);
    d.enchere[f.preneur] = f.enchere;
    d.pointsPreneur = f.pointsPreneur;
    d.pointsAFaire = f.pointsAFaire;
    d.petitAuBout = f.petitAuBout;
    d.poigneeHumain = f.poigneeHumain;
    d.numeroPli = 19;
}

struct CasScore {
    const char* nom;
    DonneFinie donne;
    int scorePreneur;
};

class ScoreDonne : public testing::TestWithParam<CasScore> {};

TEST_P(ScoreDonne, DonneLeResultatDuPreneur) {
    auto jeu = std::make_unique<Jeu>();
    terminer(*jeu, GetParam().donne);
    EXPECT_EQ(calculerScoreDonne(*jeu), GetParam().scorePreneur);
}

// Every expected value below is worked out by hand in the comment beside it.
INSTANTIATE_TEST_SUITE_P(
    Cas, ScoreDonne,
    testing::Values(
        // 45 - 41 = 4; 4 + 25 = 29; 29 - 10 = 19; x2 = 38; x3 = 114.
        CasScore{"ExempleGardePetitAuBoutALaDefense", {2, GARDE, 90, 41, 2, 0}, 114},
        // 81 half-points are 40 points: lost by 1, -26 at Prise.
        CasScore{"QuatreVingtUnDemiPointsFontQuarante", {2, PRISE, 81, 41, 0, 0}, -78},
        // 83 half-points are 42 points: won by 1, 26.
        CasScore{"QuatreVingtTroisDemiPointsFontQuaranteDeux", {2, PRISE, 83, 41, 0, 0}, 78},
        // 85 half-points round down to 42 (even), 87 up to 44.
        CasScore{"QuatreVingtCinqDemiPointsFontQuaranteDeux", {3, PRISE, 85, 41, 0, 0}, 78},
        CasScore{"QuatreVingtSeptDemiPointsFontQuaranteQuatre", {3, PRISE, 87, 41, 0, 0}, 84},
        // 41 points exactly with 2 oudlers wins: 25 at Prise.
        CasScore{"ExactementLeContratGagne", {1, PRISE, 82, 41, 0, 0}, 75},
        // Lost by 3 at Garde, petit au bout to the taker: (-3 - 25 + 10) x 2 = -36.
        CasScore{"PetitAuBoutDuPreneurQuiChute", {4, GARDE, 76, 41, 1, 0}, -108},
        // 50 - 56 = -6; (-6 - 25) x 6 = -186; triple handful to the defence: -226.
        CasScore{"GardeContreChuteePoigneeTriple", {2, GARDE_CONTRE, 100, 56, 0, 3}, -678},
        // The human defends and shows a simple handful; the taker wins: 56 - 51 + 25 = 30, + 20 = 50.
        CasScore{"PoigneeDuDefenseurPourLePreneurGagnant", {3, PRISE, 112, 51, 0, 1}, 150},
        // The human takes and shows a double handful but falls: 35 - 41 - 25 = -31, x4 = -124, - 30 = -154.
        CasScore{"PoigneeDuPreneurPourLaDefenseGagnante", {1, GARDE_SANS, 70, 41, 0, 2}, -462},
        // 60 - 36 + 25 + 10 = 59, x4 = 236.
        CasScore{"GardeSansPetitAuBoutDuPreneur", {1, GARDE_SANS, 120, 36, 1, 0}, 708},
        // The petit au bout is multiplied, the handful is not: (4 + 25 + 10) x 6 + 20 = 254.
        CasScore{"PrimesDansEtHorsLeMultiplicateur", {2, GARDE_CONTRE, 90, 41, 1, 1}, 762}),
    [](const testing::TestParamInfo<CasScore>& i) { return i.param.nom; });

TEST(ArrondiPair, LesDemisVontAuPair) {
    struct Cas {
        int n, d, attendu;
    };
    const Cas cas[] = {{81, 2, 40}, {83, 2, 42}, {85, 2, 42}, {90, 2, 45}, {0, 2, 0},   {-1, 2, 0},
                       {-3, 2, -2}, {-5, 2, -2}, {-78, 3, -26}, {342, 3, 114}, {7, 3, 2}, {8, 3, 3}};
    for (const Cas& c : cas) EXPECT_EQ(arrondiPair(c.n, c.d), c.attendu) << c.n << " / " << c.d;
}

class FinDeDonne : public testing::Test {
protected:
    std::unique_ptr<Jeu> jeu = std::make_unique<Jeu>();
    VueOptions vue;
    MagasinMemoire magasin;

    void SetUp() override {
        jeu->vue = &vue;
        jeu->magasin = &magasin;
        magasin.ouvrirCle();
        jeu->regles.poidsRegle.remplir(100);
        jeu->finDeDonne = finDeDonne;
    }
    void noter(int regle, int siege) {
        EtatRegles& r = jeu->regles;
        ++r.nbReglesUtilisees;
        r.regleUtilisee[r.nbReglesUtilisees] = regle;
        r.joueurRegleUtilisee[r.nbReglesUtilisees] = siege;
    }
    std::string stocke(const std::string& nom) const { return magasin.valeurs.at(nom).octets; }
};

TEST_F(FinDeDonne, LePreneurGagneTroisFoisCeQuePaieChaqueDefenseur) {
    jeu->scores.scoreTotal[1] = 10;
    jeu->scores.scoreTotal[2] = -20;
    jeu->scores.scoreTotal[3] = 30;
    jeu->scores.scoreTotal[4] = -20;
    terminer(*jeu, {3, GARDE, 90, 41, 2, 0});
    jeu->finDeDonne(*jeu);
    EXPECT_EQ(jeu->scores.scoreTotal[1], 10 - 38);
    EXPECT_EQ(jeu->scores.scoreTotal[2], -20 - 38);
    EXPECT_EQ(jeu->scores.scoreTotal[3], 30 + 114);
    EXPECT_EQ(jeu->scores.scoreTotal[4], -20 - 38);
}

TEST_F(FinDeDonne, LesQuatreChangementsSeCompensent) {
    const DonneFinie donnes[] = {{1, PRISE, 81, 41, 0, 0}, {2, GARDE_CONTRE, 100, 56, 0, 3},
                                 {3, GARDE_SANS, 120, 36, 1, 2}, {4, GARDE, 76, 41, 2, 1}};
    for (const DonneFinie& f : donnes) {
        terminer(*jeu, f);
        jeu->finDeDonne(*jeu);
        int somme = 0;
        for (int s = 1; s <= 4; ++s) somme += jeu->scores.scoreTotal[s];
        EXPECT_EQ(somme, 0) << "taker " << f.preneur;
    }
}

TEST_F(FinDeDonne, LesTotauxRestentDesEntiersDe32Bits) {
    jeu->scores.scoreTotal[1] = 2147483647 - 10;
    terminer(*jeu, {1, GARDE, 90, 41, 2, 0});  // +114 for the taker
    jeu->finDeDonne(*jeu);
    EXPECT_EQ(jeu->scores.scoreTotal[1], -2147483647 - 1 + 103);
    EXPECT_EQ(jeu->scores.scoreTotal[2], -38);
}

struct CasResultat {
    const char* nom;
    DonneFinie donne;
    int langue;
    const char* texte;
};

class ResultatDeLaDonne : public testing::TestWithParam<CasResultat> {};

TEST_P(ResultatDeLaDonne, DitLeScoreEtLeVerdict) {
    auto jeu = std::make_unique<Jeu>();
    VueOptions vue;
    jeu->vue = &vue;
    jeu->options.langue = GetParam().langue;
    terminer(*jeu, GetParam().donne);
    finDeDonne(*jeu);
    EXPECT_TRUE(vue.resultatVisible);
    EXPECT_EQ(vue.resultat, GetParam().texte);
    EXPECT_EQ(vue.nbBoites("message"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, ResultatDeLaDonne,
    testing::Values(
        CasResultat{"HumainPreneurGagne", {1, GARDE, 90, 41, 2, 0}, FRANCAIS,
                    "Résultat du Preneur : 114 points.\nBravo, vous avez gagné contre la Défense !"},
        CasResultat{"HumainPreneurChute", {1, PRISE, 81, 41, 0, 0}, FRANCAIS,
                    "Résultat du Preneur : -78 points.\nAIIIIE, la Défense vous a fait chuter !"},
        CasResultat{"HumainDefenseurFaitChuter", {2, PRISE, 81, 41, 0, 0}, FRANCAIS,
                    "Résultat du Preneur : -78 points.\nBravo, votre Défense a fait chuter le Preneur !"},
        CasResultat{"HumainDefenseurBattu", {4, GARDE, 90, 41, 2, 0}, FRANCAIS,
                    "Résultat du Preneur : 114 points.\nAie, vous n'avez pas pu faire chuter le Preneur..."},
        CasResultat{"HumainPreneurGagneEnAnglais", {1, GARDE, 90, 41, 2, 0}, ANGLAIS,
                    "Result for the Taker : 114 points.\nBravo, you won against this so weak Defense !"},
        CasResultat{"HumainPreneurChuteEnAnglais", {1, PRISE, 81, 41, 0, 0}, ANGLAIS,
                    "Result for the Taker : -78 points.\nOWWWW, you lose against the Defense"},
        CasResultat{"HumainDefenseurFaitChuterEnAnglais", {2, PRISE, 81, 41, 0, 0}, ANGLAIS,
                    "Result for the Taker : -78 points.\nBravo to you and the Defense !"},
        CasResultat{"HumainDefenseurBattuEnAnglais", {4, GARDE, 90, 41, 2, 0}, ANGLAIS,
                    "Result for the Taker : 114 points.\nOWW, you Defense was not very good..."}),
    [](const testing::TestParamInfo<CasResultat>& i) { return i.param.nom; });

TEST_F(FinDeDonne, UneDonneRejoueeNeComptePasMaisAccordeLesPoids) {
    jeu->scores.scoreTotal[1] = 75;
    jeu->scores.scoreTotal[2] = -25;
    jeu->scores.scoreTotal[3] = -25;
    jeu->scores.scoreTotal[4] = -25;
    jeu->donne.modeRejouer = 1;
    terminer(*jeu, {1, GARDE, 90, 41, 2, 0});
    noter(12, 2);
    jeu->finDeDonne(*jeu);

    EXPECT_EQ(jeu->scores.scoreTotal[1], 75);
    EXPECT_EQ(jeu->scores.scoreTotal[2], -25);
    ASSERT_FALSE(vue.ordre.empty());
    EXPECT_EQ(vue.ordre.front(), "message");
    ASSERT_EQ(vue.nbBoites("message"), 1);
    EXPECT_EQ(vue.boites[0].titre, "BELVANE 2010");
    EXPECT_EQ(vue.boites[0].texte,
              "Les points n'ont pas été comptabilisés dans les scores globaux car cette donne a été rejouée ou "
              "redémarrée !");
    EXPECT_EQ(vue.resultat, "Résultat du Preneur : 114 points.\nBravo, vous avez gagné contre la Défense !");
    EXPECT_EQ(jeu->regles.poidsRegle[12], 95);  // a defender's rule, and the human taker won
    EXPECT_TRUE(vue.scoresVisibles);
    EXPECT_EQ(vue.scoreTotal[1], "75");
}

TEST_F(FinDeDonne, LeMessageDeRejeuEnAnglais) {
    jeu->options.langue = ANGLAIS;
    jeu->donne.modeRejouer = 1;
    terminer(*jeu, {2, PRISE, 81, 41, 0, 0});
    jeu->finDeDonne(*jeu);
    ASSERT_EQ(vue.nbBoites("message"), 1);
    EXPECT_EQ(vue.boites[0].texte, "Because you replayed or restarted this deal, global scores didn't change !");
}

struct CasPoids {
    const char* nom;
    int preneur;
    bool preneurGagne;
    int siegeRegle;
    int poidsAvant;
    int poidsApres;
};

class PoidsDesRegles : public testing::TestWithParam<CasPoids> {};

TEST_P(PoidsDesRegles, SuiventLeGainDeLHumain) {
    const CasPoids& c = GetParam();
    auto jeu = std::make_unique<Jeu>();
    terminer(*jeu, {c.preneur, PRISE, c.preneurGagne ? 112 : 60, 51, 0, 0});
    jeu->regles.poidsRegle[40] = c.poidsAvant;
    jeu->regles.nbReglesUtilisees = 1;
    jeu->regles.regleUtilisee[1] = 40;
    jeu->regles.joueurRegleUtilisee[1] = c.siegeRegle;
    finDeDonne(*jeu);
    EXPECT_EQ(jeu->regles.poidsRegle[40], c.poidsApres);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, PoidsDesRegles,
    testing::Values(
        // The human takes: the defenders' rules lose when he wins, gain when he falls.
        CasPoids{"HumainPreneurGagneDefenseurBaisse", 1, true, 3, 100, 95},
        CasPoids{"HumainPreneurChuteDefenseurMonte", 1, false, 3, 100, 105},
        // The human defends: gainHumain > 0 when the taker falls.
        CasPoids{"HumainGagneEnDefenseReglesDuPreneurMontent", 2, false, 2, 100, 105},
        CasPoids{"HumainGagneEnDefenseReglesDUnDefenseurBaissent", 2, false, 4, 100, 95},
        CasPoids{"HumainPerdEnDefenseReglesDuPreneurBaissent", 2, true, 2, 100, 95},
        CasPoids{"HumainPerdEnDefenseReglesDUnDefenseurMontent", 2, true, 3, 100, 105},
        CasPoids{"BloqueA150", 1, false, 2, 150, 150},
        CasPoids{"De148A150", 1, false, 2, 148, 150},
        CasPoids{"BloqueA60", 1, true, 2, 60, 60},
        CasPoids{"De62A60", 1, true, 2, 62, 60},
        // A weight read out of bounds from the store comes back within them.
        CasPoids{"UnPoidsNulRemonteA60", 1, false, 2, 0, 60},
        CasPoids{"UnPoidsTropFortRedescendA150", 1, true, 2, 400, 150}),
    [](const testing::TestParamInfo<CasPoids>& i) { return i.param.nom; });

TEST_F(FinDeDonne, UneRegleNoteeDeuxFoisEstAccordeeDeuxFois) {
    terminer(*jeu, {1, PRISE, 60, 51, 0, 0});  // the human falls: the defence's rules gain
    noter(33, 2);
    noter(33, 4);
    noter(20, 3);
    jeu->finDeDonne(*jeu);
    EXPECT_EQ(jeu->regles.poidsRegle[33], 110);
    EXPECT_EQ(jeu->regles.poidsRegle[20], 105);
    EXPECT_EQ(jeu->regles.poidsRegle[21], 100);
}

TEST_F(FinDeDonne, SauveScoresEtPoidsPuisMontreLesScores) {
    terminer(*jeu, {3, GARDE, 90, 41, 2, 0});
    noter(7, 3);
    jeu->finDeDonne(*jeu);

    EXPECT_EQ(magasin.nbValidations, 1);
    EXPECT_EQ(stocke("scoreTotal3"), std::string("\x72\x00\x00\x00", 4));  // 114
    EXPECT_EQ(stocke("scoreTotal1"), std::string("\xda\xff\xff\xff", 4));  // -38
    EXPECT_EQ(stocke("fr7"), std::string("\x5f\x00\x00\x00", 4));          // 95: the human defended and lost
    EXPECT_TRUE(jeu->scores.scoresGlobauxVisibles);
    EXPECT_TRUE(vue.scoresVisibles);
    EXPECT_TRUE(vue.estCoche(MenuOption::menuScoresGlobaux));
    EXPECT_TRUE(vue.enfonce[BoutonOutil::SBVoirScoresGlobaux]);
    EXPECT_EQ(vue.scoreTotal[1], "-38");
    EXPECT_EQ(vue.scoreTotal[3], "114");
    // The result comes before the scores, which come last.
    ASSERT_EQ(vue.ordre.size(), 2u);
    EXPECT_EQ(vue.ordre[0], "resultat");
    EXPECT_EQ(vue.ordre[1], "scores");
}

TEST_F(FinDeDonne, LesScoresSontMontresMemeSIlsEtaientDejaVisibles) {
    jeu->scores.scoresGlobauxVisibles = true;
    terminer(*jeu, {2, PRISE, 81, 41, 0, 0});
    jeu->finDeDonne(*jeu);
    EXPECT_TRUE(jeu->scores.scoresGlobauxVisibles);
    EXPECT_TRUE(vue.scoresVisibles);
}

TEST(ScoresGlobaux, BasculerMontreEtCacheAvecLeMenuEtLeBouton) {
    auto jeu = std::make_unique<Jeu>();
    VueOptions vue;
    jeu->vue = &vue;
    jeu->scores.scoreTotal[2] = -1234567;
    jeu->scores.scoreTotal[4] = 98765;

    basculerScoresGlobaux(*jeu);
    EXPECT_TRUE(jeu->scores.scoresGlobauxVisibles);
    EXPECT_TRUE(vue.scoresVisibles);
    EXPECT_TRUE(vue.estCoche(MenuOption::menuScoresGlobaux));
    EXPECT_TRUE(vue.enfonce[BoutonOutil::SBVoirScoresGlobaux]);
    EXPECT_EQ(vue.scoreTotal[1], "0");
    EXPECT_EQ(vue.scoreTotal[2], "-1234567");
    EXPECT_EQ(vue.scoreTotal[4], "98765");

    // A click on a panel hides all four; the menu item shows them again with the current totals.
    basculerScoresGlobaux(*jeu);
    EXPECT_FALSE(jeu->scores.scoresGlobauxVisibles);
    EXPECT_FALSE(vue.scoresVisibles);
    EXPECT_FALSE(vue.estCoche(MenuOption::menuScoresGlobaux));
    EXPECT_FALSE(vue.enfonce[BoutonOutil::SBVoirScoresGlobaux]);
    jeu->scores.scoreTotal[2] = 5;
    basculerScoresGlobaux(*jeu);
    EXPECT_TRUE(vue.scoresVisibles);
    EXPECT_EQ(vue.scoreTotal[2], "5");
}

TEST(ScoresGlobaux, AfficherCacheQuandIlsNeSontPasVisibles) {
    auto jeu = std::make_unique<Jeu>();
    VueOptions vue;
    vue.scoresVisibles = true;
    jeu->vue = &vue;
    afficherScoresGlobaux(*jeu);
    EXPECT_FALSE(vue.scoresVisibles);
    EXPECT_EQ(vue.scoreTotal[1], "");
}

class InitialiserScores : public FinDeDonne {
protected:
    void SetUp() override {
        FinDeDonne::SetUp();
        for (int s = 1; s <= 4; ++s) jeu->scores.scoreTotal[s] = 10 * s;
        sauverOptions(*jeu);
        avant = magasin.valeurs.at("scoreTotal2").octets;
    }
    std::string avant;
};

TEST_F(InitialiserScores, NonNeChangeRien) {
    vue.reponse = false;
    initialiserScores(*jeu);
    ASSERT_EQ(vue.nbBoites("question"), 1);
    EXPECT_EQ(vue.boites[0].titre, "BELVANE 2010");
    EXPECT_EQ(vue.boites[0].texte, "Voulez-vous réellement remettre les scores à 0 ?");
    EXPECT_EQ(jeu->scores.scoreTotal[2], 20);
    EXPECT_EQ(magasin.nbValidations, 1);
    EXPECT_EQ(magasin.valeurs.at("scoreTotal2").octets, avant);
    EXPECT_EQ(vue.scoreTotal[2], "");
}

TEST_F(InitialiserScores, OuiRemetAZeroEtSauveSansMontrerNiCacher) {
    jeu->options.langue = ANGLAIS;
    vue.reponse = true;
    initialiserScores(*jeu);
    ASSERT_EQ(vue.nbBoites("question"), 1);
    EXPECT_EQ(vue.boites[0].texte, "Do you really want to initialize scores ?");
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(jeu->scores.scoreTotal[s], 0);
        EXPECT_EQ(vue.scoreTotal[s], "0");
        EXPECT_EQ(magasin.valeurs.at("scoreTotal" + std::to_string(s)).octets, std::string(4, '\0'));
    }
    EXPECT_EQ(magasin.nbValidations, 2);
    EXPECT_TRUE(vue.ordre.size() == 1 && vue.ordre[0] == "question");  // the panels were neither shown nor hidden
}

TEST_F(InitialiserScores, EnCoursDeDonneLaFinNeCompteQueCetteDonne) {
    vue.reponse = true;
    initialiserScores(*jeu);
    terminer(*jeu, {2, PRISE, 81, 41, 0, 0});
    jeu->finDeDonne(*jeu);
    EXPECT_EQ(jeu->scores.scoreTotal[1], 26);
    EXPECT_EQ(jeu->scores.scoreTotal[2], -78);
    EXPECT_EQ(jeu->scores.scoreTotal[3], 26);
    EXPECT_EQ(jeu->scores.scoreTotal[4], 26);
}

TEST(ScoresGlobaux, SansReponseLaRemiseAZeroNeSeFaitPas) {
    auto jeu = std::make_unique<Jeu>();  // the null window answers No
    jeu->scores.scoreTotal[1] = 42;
    initialiserScores(*jeu);
    EXPECT_EQ(jeu->scores.scoreTotal[1], 42);
}

}  // namespace
