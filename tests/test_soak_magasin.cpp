// Many corrupted stores: loading must always end, report a fault at most once,
// keep what was read before the fault and leave the rest as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/jeu.h"
#include "settings/magasin_memoire.h"
#include "settings/magasin_qsettings.h"
#include "settings/options.h"
#include "tests/options_exemple.h"
#include "tests/vue_options.h"

namespace {

namespace fs = std::filesystem;

std::string octetsAuHasard(std::mt19937& alea, std::size_t n) {
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>(alea() % 256);
    return s;
}

// Damages one value of the store in one of the ways a store goes bad.
void abimer(MagasinMemoire& m, const ValeurAttendue& v, std::mt19937& alea) {
    const std::size_t largeur = static_cast<std::size_t>(v.largeur);
    switch (alea() % 7) {
        case 0: m.valeurs.erase(v.nom); return;
        case 1: m.valeurs[v.nom] = {Nature::Texte, octetsAuHasard(alea, alea() % 6)}; return;
        case 2: m.valeurs[v.nom] = {Nature::Binaire, octetsAuHasard(alea, alea() % 6)}; return;
        case 3: m.valeurs[v.nom] = {Nature::Autre, octetsAuHasard(alea, alea() % 6)}; return;
        case 4: m.valeurs[v.nom] = {Nature::Binaire, octetsAuHasard(alea, largeur + 1 + alea() % 8)}; return;
        case 5:
            if (largeur) m.valeurs[v.nom] = {Nature::Binaire, octetsAuHasard(alea, alea() % largeur)};
            return;
        default: m.valeurs[v.nom] = {v.largeur ? Nature::Binaire : Nature::Texte, octetsAuHasard(alea, largeur)};
    }
}

// What re-saving the loaded game must write for each value: the stored bytes,
// completed with the bytes the variable held before reading (zeros, or the
// default of a value added after the global scores), up to the first refused
// value; those initial bytes from there on.
struct Attendu {
    std::vector<std::string> octets;  // by value, "version" excluded
    bool faute = false;
    std::string fautive;
};

std::vector<std::string> resauver(Jeu& jeu, const std::vector<ValeurAttendue>& valeurs);

Attendu attendre(const MagasinMemoire& m, const std::vector<ValeurAttendue>& valeurs) {
    // What a fresh game holds before reading: zeros, but for the values added
    // since the first version, which start at their defaults.
    auto neuf = std::make_unique<Jeu>();
    const std::vector<std::string> initiaux = resauver(*neuf, valeurs);
    Attendu a;
    std::size_t n = 0;
    for (const auto& v : valeurs) {
        if (v.nom == "version") continue;
        const std::size_t largeur = static_cast<std::size_t>(v.largeur);
        const std::string zero = v.largeur == 0 ? std::string() : initiaux[n];
        ++n;
        const auto it = m.valeurs.find(v.nom);
        if (a.faute || it == m.valeurs.end()) {
            a.octets.push_back(zero);
            continue;
        }
        const ValeurStockee& s = it->second;
        const bool refusee = v.largeur == 0 ? s.nature != Nature::Texte
                                            : s.nature != Nature::Binaire || s.octets.size() > largeur;
        if (refusee) {
            a.faute = true;
            a.fautive = v.nom;
            a.octets.push_back(zero);
            continue;
        }
        a.octets.push_back(v.largeur == 0 ? s.octets : s.octets + zero.substr(s.octets.size()));
    }
    return a;
}

std::vector<std::string> resauver(Jeu& jeu, const std::vector<ValeurAttendue>& valeurs) {
    MagasinMemoire copie;
    Magasin* avant = jeu.magasin;
    jeu.magasin = &copie;
    sauverOptions(jeu);
    jeu.magasin = avant;
    std::vector<std::string> o;
    for (const auto& v : valeurs)
        if (v.nom != "version") o.push_back(copie.valeurs.at(v.nom).octets);
    return o;
}

TEST(SoakMagasin, DesMagasinsAbimesEnMemoire) {
    const auto valeurs = valeursAttendues();
    auto defauts = std::make_unique<Jeu>();
    defauts->options.verif = 1;
    optionsParDefaut(*defauts);
    const auto octetsDefauts = resauver(*defauts, valeurs);

    std::mt19937 alea(2024);
    int fautes = 0, premiersLancements = 0;
    for (int essai = 0; essai < 3000; ++essai) {
        MagasinMemoire magasin;
        {
            auto source = std::make_unique<Jeu>();
            remplirOptions(*source, static_cast<std::uint32_t>(essai));
            source->magasin = &magasin;
            sauverOptions(*source);
        }
        const int nbDegats = 1 + static_cast<int>(alea() % 4);
        for (int k = 0; k < nbDegats; ++k) abimer(magasin, valeurs[alea() % valeurs.size()], alea);
        // Sometimes the very first values, where a fault weighs most.
        if (alea() % 8 == 0) abimer(magasin, valeurs[1 + alea() % 3], alea);
        const Attendu attendu = attendre(magasin, valeurs);

        auto jeu = std::make_unique<Jeu>();
        VueOptions vue;
        jeu->vue = &vue;
        jeu->magasin = &magasin;
        chargerOptions(*jeu);

        ASSERT_EQ(vue.nbBoites("erreur"), attendu.faute ? 1 : 0) << essai;
        if (attendu.faute) {
            ++fautes;
            EXPECT_NE(vue.boites[0].texte.find(attendu.fautive), std::string::npos) << essai;
        }
        const bool premierLancement = attendu.octets[0] == std::string(1, '\0');  // "verif" left at 0
        premiersLancements += premierLancement;
        const auto lu = resauver(*jeu, valeurs);
        if (premierLancement) {
            ASSERT_EQ(lu, octetsDefauts) << essai;
            continue;
        }
        for (std::size_t i = 0; i < lu.size(); ++i) ASSERT_EQ(lu[i], attendu.octets[i]) << essai << " value " << i;
    }
    // The draws do reach every path.
    EXPECT_GT(fautes, 500);
    EXPECT_GT(premiersLancements, 50);
    EXPECT_LT(fautes, 3000);
}

class SoakFichiers : public testing::Test {
protected:
    fs::path dossier;
    void SetUp() override {
        std::string modele = (fs::temp_directory_path() / "belvane-soak-XXXXXX").string();
        ASSERT_NE(mkdtemp(modele.data()), nullptr);
        dossier = modele;
    }
    void TearDown() override {
        std::error_code e;
        fs::remove_all(dossier, e);
    }
};

// Reads what the file holds, value by value, into a store in memory.
MagasinMemoire copier(const fs::path& f, const std::vector<ValeurAttendue>& valeurs) {
    MagasinQSettings disque(f.string());
    MagasinMemoire m;
    m.ouvrirCle();
    disque.ouvrirCle();
    for (const auto& v : valeurs)
        if (auto lue = disque.lire(v.nom)) m.valeurs[v.nom] = *lue;
    return m;
}

TEST_F(SoakFichiers, DesFichiersAbimesSeLisentCommeLeurContenu) {
    const auto valeurs = valeursAttendues();
    const fs::path modele = dossier / "modele.conf";
    {
        MagasinQSettings magasin(modele.string());
        auto jeu = std::make_unique<Jeu>();
        remplirOptions(*jeu, 99);
        jeu->magasin = &magasin;
        ASSERT_TRUE(sauverOptions(*jeu));
    }
    std::string sain;
    {
        std::ifstream in(modele, std::ios::binary);
        sain.assign(std::istreambuf_iterator<char>(in), {});
    }
    static const char* const lignes[] = {
        "\nniveau=4\n", "\nverif=@ByteArray(\\x1\\x2)\n", "\nfr3=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\xff)\n",
        "\n[General\n", "\nscoreTotal1=@ByteArray(\n", "\noptionBarreInfo=a, b\n", "\n[Autre]\n",
        "\nfr10=@Variant(\\0\\0\\0\\n\\xff\\xff\\xff\\xff)\n", "\n\\\\\\\n", "\n=\n", "\n%\n", "\nverif=\n"};
    std::mt19937 alea(77);
    for (int essai = 0; essai < 240; ++essai) {
        std::string contenu;
        switch (essai % 4) {
            case 0: contenu = octetsAuHasard(alea, alea() % 3000); break;
            case 1: contenu = sain.substr(0, alea() % (sain.size() + 1)); break;
            case 2:
                contenu = sain;
                for (int k = 0; k < 1 + static_cast<int>(alea() % 20); ++k)
                    contenu[alea() % contenu.size()] = static_cast<char>(alea() % 256);
                break;
            default:
                contenu = sain;
                for (int k = 0; k < 1 + static_cast<int>(alea() % 4); ++k)
                    contenu.insert(alea() % contenu.size(), lignes[alea() % std::size(lignes)]);
        }
        const fs::path f = dossier / ("abime" + std::to_string(essai) + ".conf");
        std::ofstream(f, std::ios::binary) << contenu;

        // The same values through the store in memory, whose rules are tested on their own.
        MagasinMemoire memoire = copier(f, valeurs);
        auto temoin = std::make_unique<Jeu>();
        VueOptions vueTemoin;
        temoin->vue = &vueTemoin;
        temoin->magasin = &memoire;
        chargerOptions(*temoin);

        MagasinQSettings disque(f.string());
        auto jeu = std::make_unique<Jeu>();
        VueOptions vue;
        jeu->vue = &vue;
        jeu->magasin = &disque;
        chargerOptions(*jeu);

        ASSERT_EQ(premiereDifference(*jeu, *temoin), "") << essai;
        ASSERT_EQ(vue.nbBoites("erreur"), vueTemoin.nbBoites("erreur")) << essai;
        // Whatever it held, the file can be saved again.
        EXPECT_TRUE(sauverOptions(*jeu)) << essai;
    }
}

}  // namespace
