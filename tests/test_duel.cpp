#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "expert/expert.h"
#include "engine/niveaux.h"
#include "tools/duel/duel.h"

namespace {

bool analyser(std::vector<const char*> args, ParametresDuel& p, std::string& erreur) {
    args.insert(args.begin(), "belvane-duel");
    return analyserArgumentsDuel(static_cast<int>(args.size()), args.data(), p, erreur);
}

ParametresDuel duel(int a, int b, long long deals, std::uint64_t seed) {
    ParametresDuel p;
    p.a = a;
    p.b = b;
    p.deals = deals;
    p.seed = seed;
    return p;
}

// The deals of a --jsonl run as they were dealt: opening seat, taker and contract.
std::string donnes(const std::string& jsonl) {
    std::string t;
    std::istringstream lignes(jsonl);
    for (std::string ligne; std::getline(lignes, ligne);)
        if (ligne.rfind("{", 0) == 0) t += ligne.substr(0, ligne.find(",\"a_taking\"")) + "\n";
    return t;
}

}  // namespace

TEST(Duel, ArgumentsRefuses) {
    const std::string horsNiveaux = std::to_string(NIVEAU_EXPERT + 1);
    struct Cas { const char* quoi; std::vector<const char*> args; };
    const Cas cas[] = {
        {"no level B", {"--a", "4", "--deals", "3"}},
        {"no level A", {"--b", "4", "--deals", "3"}},
        {"no deal count", {"--a", "4", "--b", "1"}},
        {"a level above the last", {"--a", horsNiveaux.c_str(), "--b", "1", "--deals", "3"}},
        {"a negative level", {"--a", "4", "--b", "-1", "--deals", "3"}},
        {"zero deals", {"--a", "4", "--b", "1", "--deals", "0"}},
        {"deals not a number", {"--a", "4", "--b", "1", "--deals", "3x"}},
        {"negative seed", {"--a", "4", "--b", "1", "--deals", "3", "--seed", "-2"}},
        {"adaptive neither on nor off", {"--a", "4", "--b", "1", "--deals", "3", "--adaptive-a", "yes"}},
        {"warm-up missing its value", {"--a", "4", "--b", "1", "--deals", "3", "--warmup"}},
        {"unknown flag", {"--a", "4", "--b", "1", "--deals", "3", "--fast"}},
        {"no draw at all for the auction", {"--a", "5", "--b", "4", "--deals", "3", "--expert-auction", "0"}},
        {"legal neither on nor off", {"--a", "5", "--b", "4", "--deals", "3", "--expert-legal", "1"}},
        {"negative play-outs", {"--a", "5", "--b", "4", "--deals", "3", "--expert-playouts", "-1"}},
        {"no discard deals", {"--a", "5", "--b", "4", "--deals", "3", "--expert-discard-samples", "0"}},
        {"play-outs' seats", {"--a", "5", "--b", "4", "--deals", "3", "--expert-playouts-defence", "taker"}},
        {"official handfuls neither on nor off", {"--a", "5", "--b", "4", "--deals", "3", "--official-handfuls", "1"}},
        {"Expert handfuls missing their value", {"--a", "5", "--b", "4", "--deals", "3", "--expert-handfuls"}},
    };
    for (const auto& c : cas) {
        ParametresDuel p;
        std::string erreur;
        EXPECT_FALSE(analyser(c.args, p, erreur)) << c.quoi;
        EXPECT_FALSE(erreur.empty()) << c.quoi;
        EXPECT_EQ(erreur.find('\n'), std::string::npos) << c.quoi;
    }
    ParametresDuel p;
    std::string erreur;
    ASSERT_TRUE(analyser({"--a", "0", "--b", "3", "--deals", "9", "--adaptive-b", "on", "--warmup", "5"}, p, erreur));
    EXPECT_EQ(p.a, 0);
    EXPECT_EQ(p.b, 3);
    EXPECT_TRUE(p.adaptatifB);
    EXPECT_FALSE(p.adaptatifA);
    EXPECT_EQ(p.warmup, 5);
    ASSERT_TRUE(analyser({"--a", "5", "--b", "4", "--deals", "2", "--expert-auction", "7", "--expert-legal", "off",
                          "--expert-playouts", "12", "--expert-playouts-defence", "off", "--expert-discard-samples", "30"}, p, erreur));
    EXPECT_EQ(p.expert.essaisEnchere, 7);
    EXPECT_FALSE(p.expert.jeuLegal);
    EXPECT_EQ(p.expert.partiesPro, 12);
    EXPECT_FALSE(p.expert.partiesProDefense);
    EXPECT_EQ(p.expert.ecart.echantillons, 30);
    EXPECT_EQ(p.expert.ecart.echantillonsFinale, 60);
    EXPECT_FALSE(p.poigneesOfficielles);
    EXPECT_TRUE(p.expert.poigneeParSimulation);
    ASSERT_TRUE(analyser({"--a", "5", "--b", "4", "--deals", "2", "--official-handfuls", "on", "--expert-handfuls", "off"},
                         p, erreur));
    EXPECT_TRUE(p.poigneesOfficielles);
    EXPECT_FALSE(p.expert.poigneeParSimulation);
    EXPECT_NE(usageDuel().find("--official-handfuls"), std::string::npos);
    EXPECT_TRUE(analyser({"--help"}, p, erreur));
    EXPECT_NE(usageDuel().find("--warmup"), std::string::npos);
}

// What must always hold, on fixed deals: "Pro" beats random play, and "Bon"
// beats "Débutant", each by a margin whose 95 % interval excludes 0. A change
// that weakens the better player shows here first.
TEST(Duel, LesNiveauxSeClassent) {
    struct Cas { int a, b; double auMoins; };
    const Cas cas[] = {{4, 0, 250.0}, {3, 1, 60.0}};
    for (const auto& c : cas) {
        const ResultatDuel r = jouerDuel(duel(c.a, c.b, 1500, 20261208), nullptr);
        ASSERT_TRUE(r.erreur.empty()) << r.erreur;
        EXPECT_EQ(r.ecart.n(), 1500);
        EXPECT_GT(r.ecart.moyenne() - r.ecart.demiLargeur(), 0.0) << c.a << " against " << c.b;
        EXPECT_GT(r.ecart.moyenne(), c.auMoins) << c.a << " against " << c.b;
        EXPECT_NEAR(r.preneur.moyenne() + r.defense.moyenne(), r.ecart.moyenne(), 1e-6);
    }
}

TEST(Duel, DeuxJoueursPareilsJouentDeuxFoisLaMemeDonne) {
    // The two plays of a deal start from the same state, generator included:
    // with one level on both sides they are the same play, and every deal ends even.
    const ResultatDuel r = jouerDuel(duel(2, 2, 200, 3), nullptr);
    ASSERT_TRUE(r.erreur.empty());
    EXPECT_EQ(r.ecart.moyenne(), 0.0);
    EXPECT_EQ(r.ecart.demiLargeur(), 0.0);
    EXPECT_GT(r.preneur.demiLargeur(), 0.0);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(r.contratsA.joues[k], r.contratsB.joues[k]);
        EXPECT_EQ(r.contratsA.faits[k], r.contratsB.faits[k]);
    }
}

TEST(Duel, LesDonnesNeDependentPasDesNiveaux) {
    std::ostringstream proContreDebutant, hasardContreBon;
    jouerDuel(duel(4, 1, 60, 9), &proContreDebutant);
    jouerDuel(duel(0, 3, 60, 9), &hasardContreBon);
    EXPECT_EQ(donnes(proContreDebutant.str()), donnes(hasardContreBon.str()));
    EXPECT_NE(proContreDebutant.str(), hasardContreBon.str()) << "the plays differ";
}

// A long run shared out: the first half, then the second skipping it, give
// the very records of the whole run, the Expert's plays included.
TEST(Duel, UneCourseSePartageEnDeux) {
    const auto lignes = [](const ParametresDuel& p) {
        std::ostringstream sortie;
        EXPECT_TRUE(jouerDuel(p, &sortie).erreur.empty());
        std::string t;
        std::istringstream flux(sortie.str());
        for (std::string ligne; std::getline(flux, ligne);)
            if (ligne.rfind("{", 0) == 0) t += ligne + "\n";
        return t;
    };
    const std::string tout = lignes(duel(NIVEAU_EXPERT, 4, 6, 13));
    ParametresDuel suite = duel(NIVEAU_EXPERT, 4, 3, 13);
    suite.sauter = 3;
    EXPECT_EQ(lignes(duel(NIVEAU_EXPERT, 4, 3, 13)) + lignes(suite), tout);
    EXPECT_NE(tout.find("\"deal\":6,"), std::string::npos);
    ParametresDuel p;
    std::string erreur;
    EXPECT_FALSE(analyser({"--a", "5", "--b", "4", "--deals", "3", "--skip", "2", "--seats"}, p, erreur));
    ParametresDuel q;
    ASSERT_TRUE(analyser({"--a", "5", "--b", "4", "--deals", "3", "--skip", "2"}, q, erreur));
    EXPECT_EQ(q.sauter, 2);
}

TEST(Duel, RapportEtLignesParDonne) {
    ParametresDuel p = duel(4, 0, 40, 2);
    p.jsonl = true;
    std::ostringstream sortie, erreurs;
    ASSERT_EQ(executerDuel(p, sortie, erreurs), 0) << erreurs.str();
    std::istringstream lignes(sortie.str());
    std::string ligne;
    double somme = 0;
    int n = 0;
    while (std::getline(lignes, ligne) && ligne.rfind("{", 0) == 0) {
        ++n;
        EXPECT_EQ(ligne.rfind("{\"deal\":" + std::to_string(n) + ",", 0), 0u) << ligne;
        // "a" is A's taking score minus B's taking score.
        long long aPrend = 0, bPrend = 0, a = 0;
        ASSERT_EQ(std::sscanf(ligne.substr(ligne.find("\"a_taking\"")).c_str(),
                              "\"a_taking\":%lld,\"b_taking\":%lld,\"a\":%lld", &aPrend, &bPrend, &a),
                  3)
            << ligne;
        EXPECT_EQ(a, aPrend - bPrend);
        somme += static_cast<double>(a);
    }
    EXPECT_EQ(n, 40);
    // The first line of results: Pro's mean gain with its interval.
    char moyenne[32];
    std::snprintf(moyenne, sizeof moyenne, "%+.1f ± ", somme / n);
    EXPECT_EQ(ligne.rfind(std::string("Pro against random: ") + moyenne, 0), 0u) << ligne;
    EXPECT_NE(sortie.str().find("Pro taking, contracts made:"), std::string::npos);
    EXPECT_NE(sortie.str().find("\ndeals: 40, warm-up: 0, seconds: "), std::string::npos);
}

TEST(Duel, LaMiseEnRouteAccordeLesPoids) {
    // Without a warm-up the weights stay at 100 and the adaptive mode only
    // spends draws; a warm-up moves them, so the adaptive side plays otherwise.
    ParametresDuel p = duel(4, 4, 100, 6);
    p.adaptatifA = true;
    const ResultatDuel sans = jouerDuel(p, nullptr);
    p.warmup = 300;
    const ResultatDuel avec = jouerDuel(p, nullptr);
    ASSERT_TRUE(sans.erreur.empty() && avec.erreur.empty());
    EXPECT_EQ(avec.ecart.n(), 100);
    EXPECT_NE(sans.ecart.moyenne(), avec.ecart.moyenne());
}

// Seat by seat, Pro against Pro gains exactly nothing on every deal: the five
// plays of a deal start from the same auction and the same generator.
TEST(DuelParSiege, ProContreProNeGagneRien) {
    ParametresDuel p;
    std::string erreur;
    const char* const args[] = {"belvane-duel", "--a", "4", "--b", "4", "--deals", "40", "--seed", "5", "--seats"};
    ASSERT_TRUE(analyserArgumentsDuel(10, args, p, erreur)) << erreur;
    EXPECT_TRUE(p.parSiege);
    const ResultatDuel r = jouerDuel(p, nullptr);
    ASSERT_EQ(r.erreur, "");
    EXPECT_EQ(r.ecart.n(), 40);
    EXPECT_EQ(r.ecart.moyenne(), 0.0);
    EXPECT_EQ(r.ecart.demiLargeur(), 0.0);
    long long pris = 0;
    for (int c = 1; c <= 4; ++c) pris += r.contratsB.joues[c];
    EXPECT_GT(pris, 10) << "many deals have a taker";
}

// Under the official handfuls the Expert weighs every handful it could show
// (the report counts them); off, the deals are those of the game's own rules,
// and with the Expert's own choice off it shows what every level shows.
TEST(Duel, LesPoigneesOfficielles) {
    ParametresDuel p = duel(5, 4, 30, 11);
    p.poigneesOfficielles = true;
    const ResultatDuel r = jouerDuel(p, nullptr);
    ASSERT_TRUE(r.erreur.empty()) << r.erreur;
    EXPECT_GT(r.poigneesPossibles[0] + r.poigneesPossibles[1], 0);
    EXPECT_LE(r.poigneesRefusees[0], r.poigneesPossibles[0]);
    EXPECT_LE(r.poigneesRefusees[1], r.poigneesPossibles[1]);
    EXPECT_NE(rapportDuel(p, r).find("handfuls kept hidden"), std::string::npos);

    p.expert.poigneeParSimulation = false;
    const ResultatDuel sans = jouerDuel(p, nullptr);
    EXPECT_EQ(sans.poigneesPossibles[0] + sans.poigneesPossibles[1], 0);

    const ResultatDuel regles = jouerDuel(duel(5, 4, 30, 11), nullptr);
    EXPECT_EQ(regles.poigneesPossibles[0] + regles.poigneesPossibles[1], 0);
}
