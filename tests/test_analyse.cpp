// belvane-analyse on records of belvane-autoplay: one object per deal with a
// taker, values that only move the way the side that played allows, bad
// records named and skipped.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sstream>
#include <string>
#include <vector>

#include "tests/solveur_aides.h"

namespace {

bool analyser(std::vector<const char*> args, ParametresAnalyse& p, std::string& erreur) {
    args.insert(args.begin(), "belvane-analyse");
    return analyserArgumentsAnalyse(static_cast<int>(args.size()), args.data(), p, erreur);
}

QJsonObject objet(const std::string& ligne) { return QJsonDocument::fromJson(QByteArray::fromStdString(ligne)).object(); }

std::string texte(const QJsonObject& o) { return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString(); }

TEST(Analyse, Arguments) {
    struct Cas { const char* quoi; std::vector<const char*> args; };
    const Cas refuses[] = {
        {"unknown flag", {"--fast"}},
        {"budget missing its value", {"--budget"}},
        {"budget zero", {"--budget", "0"}},
        {"budget negative", {"--budget", "-1"}},
        {"budget not a number", {"--budget", "2s"}},
    };
    for (const auto& c : refuses) {
        ParametresAnalyse p;
        std::string erreur;
        EXPECT_FALSE(analyser(c.args, p, erreur)) << c.quoi;
        EXPECT_FALSE(erreur.empty()) << c.quoi;
        EXPECT_EQ(erreur.find('\n'), std::string::npos) << c.quoi;
    }
    ParametresAnalyse p;
    std::string erreur;
    ASSERT_TRUE(analyser({"--budget", "2.5"}, p, erreur));
    EXPECT_DOUBLE_EQ(p.budget, 2.5);
    EXPECT_FALSE(p.aide);
    ParametresAnalyse parDefaut;
    ASSERT_TRUE(analyser({}, parDefaut, erreur));
    EXPECT_DOUBLE_EQ(parDefaut.budget, 10);
    ASSERT_TRUE(analyser({"--help"}, p, erreur));
    EXPECT_TRUE(p.aide);
    EXPECT_NE(usageAnalyse().find("--budget"), std::string::npos);
}

TEST(Analyse, UnObjetParDonneAvecPreneur) {
    const std::vector<std::string> lignes = enregistrementsAutoplay(3, 3);
    std::string entree;
    std::vector<DonneLue> donnes;
    for (const std::string& l : lignes) {
        entree += l + "\n";
        DonneLue d;
        std::string erreur;
        ASSERT_TRUE(lireDonne(l, d, erreur)) << erreur;
        if (d.avecPreneur) donnes.push_back(d);
    }
    entree += "deals: 3, attempts: 9, seconds: 0.010, deals/s: 300, checksum: 0123456789abcdef\n";
    ParametresAnalyse p;
    p.budget = 0.05;
    std::istringstream in(entree);
    std::ostringstream sortie, erreurs;
    EXPECT_EQ(executerAnalyse(p, in, sortie, erreurs), 0);
    EXPECT_EQ(erreurs.str(), "");

    std::istringstream out(sortie.str());
    std::string ligne;
    std::size_t n = 0;
    while (std::getline(out, ligne)) {
        ASSERT_LT(n, donnes.size());
        const DonneLue& d = donnes[n++];
        const QJsonObject o = objet(ligne);
        ASSERT_FALSE(o.isEmpty()) << ligne;
        EXPECT_EQ(o["deal"].toInt(), d.numero);
        const int score = o["score"].toInt();
        EXPECT_EQ(score, d.scoreJoue);
        EXPECT_GE(o["seconds"].toDouble(), o["seconds_start"].toDouble());
        EXPECT_GT(o["nodes"].toDouble(), 0);
        const QJsonArray apres = o["after"].toArray();
        ASSERT_EQ(apres.size(), 72);
        // From the end of trick 17 every card is forced.
        for (int k = 67; k < 72; ++k) EXPECT_EQ(apres[k].toInt(-1), score) << "after card " << k + 1;
        // A value the budget left open has its bounds.
        std::vector<bool> ouverte(72);
        for (const QJsonValue& b : o["after_bounds"].toArray()) {
            const QJsonArray x = b.toArray();
            ASSERT_EQ(x.size(), 3);
            const int k = x[0].toInt();
            ASSERT_TRUE(k >= 1 && k <= 72);
            EXPECT_TRUE(apres[k - 1].isNull());
            EXPECT_LE(x[1].toInt(), x[2].toInt());
            ouverte[static_cast<std::size_t>(k - 1)] = true;
        }
        for (int k = 0; k < 72; ++k) EXPECT_EQ(apres[k].isNull(), ouverte[static_cast<std::size_t>(k)]);
        EXPECT_EQ(o["start"].isNull(), o.contains("start_bounds"));
        // A card can only lose value for the side that played it.
        Position q = d.depart;
        QJsonValue avant = o["start"];
        for (int k = 0; k < 72; ++k) {
            const bool preneur = q.joueur == q.preneur;
            jouerCarte(q, d.cartes[static_cast<std::size_t>(k)]);
            if (!avant.isNull() && !apres[k].isNull()) {
                if (preneur) { EXPECT_GE(avant.toInt(), apres[k].toInt()) << "card " << k + 1; }
                else { EXPECT_LE(avant.toInt(), apres[k].toInt()) << "card " << k + 1; }
            }
            avant = apres[k];
        }
    }
    EXPECT_EQ(n, donnes.size());
}

TEST(Analyse, LesEnregistrementsFautifsSontNommesEtSautes) {
    std::vector<std::string> lignes = enregistrementsAutoplay(4, 2);
    std::string bon;
    for (const std::string& l : lignes)
        if (objet(l)["taker"].toInt() != 0) bon = l;
    ASSERT_FALSE(bon.empty());
    const QJsonObject o = objet(bon);
    const int numero = o["deal"].toInt();

    // A card dealt twice.
    QJsonObject deuxFois = o;
    QJsonArray mains = deuxFois["hands"].toArray();
    QJsonArray main1 = mains[0].toArray();
    main1[0] = mains[1].toArray()[0];
    mains[0] = main1;
    deuxFois["hands"] = mains;
    deuxFois["deal"] = numero + 1000;
    // A card missing.
    QJsonObject manquante = o;
    mains = manquante["hands"].toArray();
    QJsonArray main3 = mains[2].toArray();
    main3.removeLast();
    mains[2] = main3;
    manquante["hands"] = mains;
    manquante["deal"] = numero + 2000;
    // The first trick's cards in another order: a card out of turn or not allowed.
    QJsonObject desordre = o;
    QJsonArray plis = desordre["tricks"].toArray();
    QJsonObject pli = plis[0].toObject();
    QJsonArray cartes = pli["cards"].toArray();
    const QJsonValue premiere = cartes[0];
    cartes[0] = cartes[1];
    cartes[1] = premiere;
    pli["cards"] = cartes;
    plis[0] = pli;
    desordre["tricks"] = plis;
    desordre["deal"] = numero + 3000;

    const std::string entree = "not json at all\n" + texte(deuxFois) + "\n" + texte(manquante) + "\n" + texte(desordre) +
                               "\n" + bon + "\n";
    ParametresAnalyse p;
    p.budget = 0.02;
    std::istringstream in(entree);
    std::ostringstream sortie, erreurs;
    EXPECT_EQ(executerAnalyse(p, in, sortie, erreurs), 1);
    const std::string e = erreurs.str();
    EXPECT_NE(e.find("belvane-analyse: line 1: not a JSON object\n"), std::string::npos) << e;
    EXPECT_NE(e.find("deal " + std::to_string(numero + 1000) + ": card "), std::string::npos) << e;
    EXPECT_NE(e.find("deal " + std::to_string(numero + 2000) + ": hand 3"), std::string::npos) << e;
    EXPECT_NE(e.find("deal " + std::to_string(numero + 3000) + ": trick 1"), std::string::npos) << e;
    EXPECT_EQ(std::count(e.begin(), e.end(), '\n'), 4);
    // The good record after them is analysed.
    const std::string s = sortie.str();
    EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), 1);
    EXPECT_EQ(objet(s)["deal"].toInt(), numero);
}

}  // namespace
