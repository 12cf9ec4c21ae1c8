#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/niveaux.h"
#include "tools/autoplay/autoplay.h"

namespace {

bool analyser(std::vector<const char*> args, ParametresAutoplay& p, std::string& erreur) {
    args.insert(args.begin(), "belvane-autoplay");
    return analyserArguments(static_cast<int>(args.size()), args.data(), p, erreur);
}

std::string executer(std::vector<const char*> args) {
    ParametresAutoplay p;
    std::string erreur;
    EXPECT_TRUE(analyser(args, p, erreur)) << erreur;
    std::ostringstream sortie, erreurs;
    EXPECT_EQ(executerAutoplay(p, sortie, erreurs), 0);
    return sortie.str();
}

// The summary line without its timings.
std::string sansDurees(const std::string& texte) {
    const auto debut = texte.find(", seconds: ");
    const auto fin = texte.find(", checksum: ");
    if (debut == std::string::npos || fin == std::string::npos) return texte;
    return texte.substr(0, debut) + texte.substr(fin);
}

}  // namespace

TEST(Autoplay, ArgumentsRefuses) {
    const std::string horsNiveaux = std::to_string(NIVEAU_MAX + 1);
    struct Cas { const char* quoi; std::vector<const char*> args; };
    const Cas cas[] = {
        {"unknown flag", {"--deals", "3", "--fast"}},
        {"no deal count", {"--seed", "4"}},
        {"zero deals", {"--deals", "0"}},
        {"deals not a number", {"--deals", "3x"}},
        {"deals missing its value", {"--deals"}},
        {"force out of range", {"--deals", "2", "--force", "7"}},
        {"force zero", {"--deals", "2", "--force", "0"}},
        {"negative seed", {"--deals", "2", "--seed", "-1"}},
        {"level out of range", {"--deals", "2", "--level", horsNiveaux.c_str()}},
        {"adaptive neither on nor off", {"--deals", "2", "--adaptive", "yes"}},
        {"store without a path", {"--deals", "2", "--store"}},
    };
    for (const auto& c : cas) {
        ParametresAutoplay p;
        std::string erreur;
        EXPECT_FALSE(analyser(c.args, p, erreur)) << c.quoi;
        EXPECT_FALSE(erreur.empty()) << c.quoi;
        EXPECT_EQ(erreur.find('\n'), std::string::npos) << c.quoi;
    }
    ParametresAutoplay p;
    std::string erreur;
    EXPECT_TRUE(analyser({"--help"}, p, erreur));
    EXPECT_TRUE(p.aide);
    EXPECT_NE(usageAutoplay().find("--deals"), std::string::npos);
}

TEST(Autoplay, UneGraineDonneToujoursLeMemeRecit) {
    const std::string a = executer({"--deals", "25", "--seed", "7", "--jsonl"});
    const std::string b = executer({"--deals", "25", "--seed", "7", "--jsonl"});
    const std::string c = executer({"--deals", "25", "--seed", "8", "--jsonl"});
    EXPECT_EQ(sansDurees(a), sansDurees(b));
    EXPECT_NE(sansDurees(a), sansDurees(c));
    // The checksum covers the records, printed or not.
    const std::string muet = executer({"--deals", "25", "--seed", "7"});
    EXPECT_EQ(sansDurees(muet), sansDurees(a.substr(a.rfind("deals: "))));
}

TEST(Autoplay, EnregistrementDUneDonne) {
    const std::string sortie = executer({"--deals", "3", "--seed", "1", "--jsonl", "--force", "6"});
    std::istringstream lignes(sortie);
    std::string ligne;
    int n = 0;
    while (std::getline(lignes, ligne)) {
        ++n;
        if (n == 4) {
            EXPECT_EQ(ligne.rfind("deals: 3, attempts: ", 0), 0u) << ligne;
            continue;
        }
        EXPECT_EQ(ligne.rfind("{\"deal\":" + std::to_string(n) + ",\"first\":", 0), 0u) << ligne;
        // 72 hand cards and 6 dog cards, each a [suit,value] pair.
        std::size_t paires = 0;
        for (std::size_t i = ligne.find("\"hands\""); i < ligne.find("\"ratings\""); ++i) paires += ligne[i] == ']';
        EXPECT_EQ(paires, 72u + 4u + 1u + 6u + 1u);
        EXPECT_NE(ligne.find("\"ratings\":[4,"), std::string::npos) << "option 6 rates seat 1 at Garde Contre";
        EXPECT_NE(ligne.find("\"attempts\":"), std::string::npos);
        EXPECT_NE(ligne.find(",\"rules\":["), std::string::npos);
    }
    EXPECT_EQ(n, 4);
    EXPECT_NE(sortie.find("\"first\":4"), std::string::npos);
}

namespace {

// The four global totals of the last record of a run.
std::string derniersScores(const std::string& sortie) {
    const auto debut = sortie.rfind("\"scores\":[");
    return sortie.substr(debut, sortie.find(']', debut) - debut + 1);
}

int somme(const std::string& scores) {
    int total = 0;
    std::istringstream in(scores.substr(scores.find('[') + 1));
    for (int v; in >> v;) {
        total += v;
        if (in.peek() == ',') in.ignore();
    }
    return total;
}

}  // namespace

TEST(Autoplay, LeMagasinGardeLesScoresDUneExecutionALAutre) {
    // A name of this run's own: two suites running at once must not share a store (one game per store).
    const std::string fichier = testing::TempDir() + "/autoplay_magasin_" + std::to_string(getpid()) + ".conf";
    std::remove(fichier.c_str());
    const std::string premiere = executer({"--deals", "40", "--seed", "3", "--jsonl", "--store", fichier.c_str()});
    const std::string apres40 = derniersScores(premiere);
    EXPECT_EQ(somme(apres40), 0) << apres40;
    EXPECT_NE(apres40, "\"scores\":[0,0,0,0]");
    // A deal nobody takes leaves the totals as they were: the next run starts from them.
    const std::string suite = executer({"--deals", "1", "--seed", "4", "--jsonl", "--store", fichier.c_str()});
    if (suite.find("\"taker\":0") != std::string::npos) {
        EXPECT_EQ(derniersScores(suite), apres40);
    } else {
        EXPECT_NE(derniersScores(suite), apres40);
        EXPECT_EQ(somme(derniersScores(suite)), 0);
    }
    // Without a store every run starts from zero.
    const std::string sansMagasin = executer({"--deals", "1", "--seed", "4", "--jsonl"});
    EXPECT_EQ(somme(derniersScores(sansMagasin)), 0);
    std::remove(fichier.c_str());
}

namespace {

// The records of a run without the seats' levels and modes, and without the summary line.
std::string sansNiveaux(const std::string& sortie) {
    std::string t = sortie.substr(0, sortie.rfind("deals: "));
    for (const char* cle : {"\"levels\":[", "\"adaptive\":["}) {
        for (auto i = t.find(cle); i != std::string::npos; i = t.find(cle, i)) t.erase(i, t.find(']', i) - i + 2);
    }
    return t;
}

// The seats that logged each rule over a run: [rule] -> seats seen.
std::map<int, std::set<int>> reglesParSiege(const std::string& sortie) {
    std::map<int, std::set<int>> vus;
    std::istringstream lignes(sortie);
    for (std::string ligne; std::getline(lignes, ligne);) {
        const auto debut = ligne.find("\"rules\":[");
        if (debut == std::string::npos || ligne[debut + 9] == ']') continue;
        std::istringstream in(ligne.substr(debut + 9, ligne.find("]]", debut) + 1 - debut - 9));
        char c;
        for (int regle, siege; in >> c >> regle >> c >> siege >> c;) {
            vus[regle].insert(siege);
            if (in.peek() == ',') in.ignore();
        }
    }
    return vus;
}

}  // namespace

TEST(Autoplay, NiveauxParSiegeRefuses) {
    const std::string horsNiveaux = std::to_string(NIVEAU_MAX + 1);
    // Named, so that its characters outlive the table of cases that points at them.
    const std::string niveauxHorsLimite = "4,4,4," + horsNiveaux;
    struct Cas { const char* quoi; std::vector<const char*> args; };
    const Cas cas[] = {
        {"three levels", {"--deals", "2", "--levels", "4,4,4"}},
        {"five levels", {"--deals", "2", "--levels", "4,4,4,4,4"}},
        {"a level above the last", {"--deals", "2", "--levels", niveauxHorsLimite.c_str()}},
        {"a negative level", {"--deals", "2", "--levels", "-1,4,4,4"}},
        {"an empty level", {"--deals", "2", "--levels", "4,,4,4"}},
        {"a trailing comma", {"--deals", "2", "--levels", "4,4,4,4,"}},
        {"levels missing", {"--deals", "2", "--levels"}},
        {"--level and --levels", {"--deals", "2", "--level", "3", "--levels", "4,4,4,4"}},
        {"three modes", {"--deals", "2", "--adaptive-seats", "on,on,off"}},
        {"a mode neither on nor off", {"--deals", "2", "--adaptive-seats", "on,on,off,1"}},
        {"--adaptive and --adaptive-seats", {"--deals", "2", "--adaptive", "on", "--adaptive-seats", "on,on,on,on"}},
    };
    for (const auto& c : cas) {
        ParametresAutoplay p;
        std::string erreur;
        EXPECT_FALSE(analyser(c.args, p, erreur)) << c.quoi;
        EXPECT_FALSE(erreur.empty()) << c.quoi;
    }
    ParametresAutoplay p;
    std::string erreur;
    ASSERT_TRUE(analyser({"--deals", "2", "--levels", "0,1,3,4", "--adaptive-seats", "on,off,off,on"}, p, erreur));
    EXPECT_EQ(*p.niveaux, (std::array<int, 4>{0, 1, 3, 4}));
    EXPECT_EQ(*p.adaptatifs, (std::array<bool, 4>{true, false, false, true}));
}

TEST(Autoplay, QuatreFoisLeMemeNiveauJoueCommeLeNiveauDuJeu) {
    for (const char* niveau : {"1", "4"}) {
        const std::string niveaux = std::string(niveau) + "," + niveau + "," + niveau + "," + niveau;
        const std::string jeu = executer({"--deals", "30", "--seed", "12", "--jsonl", "--level", niveau, "--adaptive", "on"});
        const std::string parSiege = executer({"--deals", "30", "--seed", "12", "--jsonl", "--levels", niveaux.c_str(),
                                               "--adaptive-seats", "on,on,on,on"});
        EXPECT_EQ(jeu.find("\"levels\""), std::string::npos) << "the game's own level adds nothing to the records";
        EXPECT_NE(parSiege.find(",\"levels\":[" + niveaux + "],\"adaptive\":[1,1,1,1],"), std::string::npos);
        EXPECT_EQ(sansNiveaux(parSiege), sansNiveaux(jeu)) << "level " << niveau;
    }
}

TEST(Autoplay, ChaqueSiegeChoisitASonNiveau) {
    // Seat 1 Débutant, seat 2 Pro, seat 3 random, seat 4 Pro with the weights.
    const std::string sortie = executer(
        {"--deals", "300", "--seed", "5", "--jsonl", "--levels", "1,4,0,4", "--adaptive-seats", "off,off,off,on"});
    const auto vus = reglesParSiege(sortie);
    // Rules off at Débutant, and the seats that applied them.
    std::set<int> horsDebutant;
    for (int regle : {8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 22, 23, 24, 28, 38, 39, 42, 43, 47, 48, 49, 56}) {
        const auto it = vus.find(regle);
        if (it == vus.end()) continue;
        EXPECT_EQ(it->second.count(1), 0u) << "the Débutant seat applied rule " << regle;
        horsDebutant.insert(it->second.begin(), it->second.end());
    }
    EXPECT_TRUE(horsDebutant.count(2) && horsDebutant.count(4)) << "the Pro seats apply rules a Débutant does not";
    std::set<int> sieges;
    for (const auto& [regle, s] : vus) sieges.insert(s.begin(), s.end());
    EXPECT_EQ(sieges, (std::set<int>{1, 2, 4})) << "the random seat follows no rule";
}
