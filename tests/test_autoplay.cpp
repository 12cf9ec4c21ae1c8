#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

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
        {"level out of range", {"--deals", "2", "--level", "5"}},
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
    const std::string fichier = testing::TempDir() + "/autoplay_magasin.conf";
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
