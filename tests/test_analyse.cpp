// belvane-analyse on records of belvane-autoplay: one object per deal with a
// taker, values and makeability that only move the way the side that played
// allows, bad records named and skipped, the same values with two threads.
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
        {"threads missing their number", {"--threads"}},
        {"no thread", {"--threads", "0"}},
        {"threads negative", {"--threads", "-2"}},
        {"threads not a whole number", {"--threads", "1.5"}},
        {"threads beyond any machine", {"--threads", "100000"}},
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
    ASSERT_TRUE(analyser({"--budget", "2.5", "--threads", "2"}, p, erreur));
    EXPECT_DOUBLE_EQ(p.budget, 2.5);
    EXPECT_EQ(p.fils, 2);
    EXPECT_FALSE(p.aide);
    ParametresAnalyse parDefaut;
    ASSERT_TRUE(analyser({}, parDefaut, erreur));
    EXPECT_DOUBLE_EQ(parDefaut.budget, 10);
    EXPECT_EQ(parDefaut.fils, 1);
    ASSERT_TRUE(analyser({"--help"}, p, erreur));
    EXPECT_TRUE(p.aide);
    for (const char* mot : {"--budget", "--threads", "\"make\""})
        EXPECT_NE(usageAnalyse().find(mot), std::string::npos) << mot;
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
    // The value and, where it leaves the contract open, its makeability each
    // get this much.
    p.budget = 0.03;
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
        // Makeability before the first card and after each card: the sign
        // of the value where it is known, within the bounds where it is not.
        const QJsonArray fait = o["make"].toArray();
        ASSERT_EQ(fait.size(), 73);
        for (int k = 0; k <= 72; ++k) {
            const QJsonValue v = k == 0 ? o["start"] : apres[k - 1];
            const QJsonValue m = fait[k];
            ASSERT_TRUE(m.isNull() || m.toInt(-1) == 0 || m.toInt(-1) == 1) << "position " << k;
            if (!v.isNull()) { EXPECT_EQ(m.toInt(-1), v.toInt() > 0 ? 1 : 0) << "position " << k; }
        }
        for (const QJsonValue& b : o["after_bounds"].toArray()) {
            const QJsonArray x = b.toArray();
            const QJsonValue m = fait[x[0].toInt()];
            if (m.toInt(-1) == 1) { EXPECT_GT(x[2].toInt(), 0) << "after card " << x[0].toInt(); }
            if (m.toInt(-1) == 0) { EXPECT_LE(x[1].toInt(), 0) << "after card " << x[0].toInt(); }
            if (x[1].toInt() > 0) { EXPECT_EQ(m.toInt(-1), 1) << "after card " << x[0].toInt(); }
            if (x[2].toInt() <= 0) { EXPECT_EQ(m.toInt(-1), 0) << "after card " << x[0].toInt(); }
        }
        // A card can only lose value, and the contract, for the side that played it.
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
            if (!fait[k].isNull() && !fait[k + 1].isNull()) {
                if (preneur) { EXPECT_GE(fait[k].toInt(), fait[k + 1].toInt()) << "card " << k + 1; }
                else { EXPECT_LE(fait[k].toInt(), fait[k + 1].toInt()) << "card " << k + 1; }
            }
        }
    }
    EXPECT_EQ(n, donnes.size());
}

// More threads may settle more, never something else: wherever both runs
// settled a value or the contract's fate, they agree.
TEST(Analyse, DeuxFilsDonnentLesMemesValeurs) {
    std::string bon;
    for (const std::string& l : enregistrementsAutoplay(5, 2))
        if (objet(l)["taker"].toInt() != 0) bon = l;
    ASSERT_FALSE(bon.empty());
    QJsonObject sorties[2];
    for (int fils = 1; fils <= 2; ++fils) {
        ParametresAnalyse p;
        p.budget = 0.01;
        p.fils = fils;
        std::istringstream in(bon + "\n");
        std::ostringstream sortie, erreurs;
        EXPECT_EQ(executerAnalyse(p, in, sortie, erreurs), 0) << erreurs.str();
        sorties[fils - 1] = objet(sortie.str());
        ASSERT_EQ(sorties[fils - 1]["after"].toArray().size(), 72) << fils;
        ASSERT_EQ(sorties[fils - 1]["make"].toArray().size(), 73) << fils;
    }
    const auto memes = [](const QJsonArray& a, const QJsonArray& b, const char* quoi) {
        for (int k = 0; k < a.size(); ++k)
            if (!a[k].isNull() && !b[k].isNull()) { EXPECT_EQ(a[k].toInt(), b[k].toInt()) << quoi << " " << k; }
    };
    memes(sorties[0]["after"].toArray(), sorties[1]["after"].toArray(), "after");
    memes(sorties[0]["make"].toArray(), sorties[1]["make"].toArray(), "make");
    // The last trick's cards are forced: both runs settle them.
    EXPECT_FALSE(sorties[1]["after"].toArray()[71].isNull());
    EXPECT_EQ(sorties[0]["score"].toInt(), sorties[1]["score"].toInt());
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
