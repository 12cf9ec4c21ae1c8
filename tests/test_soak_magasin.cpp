// Many corrupted stores: loading must always end, report the damage once after
// the language is chosen, keep every value that can be read, give the others
// their default, and keep the damaged store aside.
#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <iostream>
#include <optional>
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
// completed with the zeros the variable held, when they can be taken (raw bytes
// no longer than the variable, or a text for a name, and a number its menu
// knows); the default otherwise. The weights are brought into 60..150. A
// "verif" taken as 0 is a first run: every default.
struct Attendu {
    std::vector<std::string> octets;  // by value, "version" excluded
    std::vector<std::string> remises;
    bool premierLancement = false;
};

std::int32_t entier(const std::string& o) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < o.size() && i < 4; ++i) u |= std::uint32_t{static_cast<unsigned char>(o[i])} << (8 * i);
    return static_cast<std::int32_t>(u);
}

std::string octets32(std::int32_t v) {
    std::string o(4, '\0');
    for (std::size_t i = 0; i < 4; ++i) o[i] = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xff);
    return o;
}

bool dansSonDomaine(const std::string& nom, const std::string& o) {
    const std::int32_t v = entier(o);
    if (nom == "niveau") return v >= 1 && v <= 4;
    if (nom == "optionForceMain") return v >= 1 && v <= 6;
    if (nom == "optionVitesseJeuDeLaCarte") return v >= 1 && v <= 5;
    if (nom == "optionAttenteEntreChaquePli") return v >= 0 && v <= 3;
    return true;
}

std::vector<std::string> resauver(Jeu& jeu, const std::vector<ValeurAttendue>& valeurs);

Attendu attendre(const MagasinMemoire& m, const std::vector<ValeurAttendue>& valeurs,
                 const std::vector<std::string>& defauts) {
    // What a fresh game holds before reading: zeros, but for the values added
    // since the first version, which start at their defaults.
    auto neuf = std::make_unique<Jeu>();
    const std::vector<std::string> initiaux = resauver(*neuf, valeurs);
    Attendu a;
    std::size_t i = 0;
    bool apresLaTable = false;  // the values added after "scoreTotal4" may be missing quietly
    for (const auto& v : valeurs) {
        if (v.nom == "version") continue;
        const std::string& defaut = defauts[i];
        const std::string zero = v.largeur == 0 ? std::string() : initiaux[i];
        ++i;
        const bool ajoutee = apresLaTable;
        if (v.nom == "scoreTotal4") apresLaTable = true;
        const std::size_t largeur = static_cast<std::size_t>(v.largeur);
        const auto it = m.valeurs.find(v.nom);
        std::optional<std::string> lu;
        if (it != m.valeurs.end()) {
            const ValeurStockee& s = it->second;
            const bool refusee = v.largeur == 0 ? s.nature != Nature::Texte
                                                : s.nature != Nature::Binaire || s.octets.size() > largeur;
            if (!refusee) lu = v.largeur == 0 ? s.octets : s.octets + zero.substr(s.octets.size());
            if (lu && !dansSonDomaine(v.nom, *lu)) lu.reset();
        }
        if (v.nom == "verif" && lu && *lu == std::string(1, '\0')) a.premierLancement = true;
        if (!lu) {
            if (it != m.valeurs.end() || !ajoutee) a.remises.push_back(v.nom);
            a.octets.push_back(defaut);
            continue;
        }
        if (v.nom.rfind("fr", 0) == 0) lu = octets32(std::clamp(entier(*lu), 60, 150));
        a.octets.push_back(*lu);
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
        // Sometimes the very first values, where a fault weighed most.
        if (alea() % 8 == 0) abimer(magasin, valeurs[1 + alea() % 3], alea);
        const auto abime = magasin.valeurs;
        const Attendu attendu = attendre(magasin, valeurs, octetsDefauts);

        auto jeu = std::make_unique<Jeu>();
        VueOptions vue;
        jeu->vue = &vue;
        jeu->magasin = &magasin;
        chargerOptions(*jeu);
        signalerMagasin(*jeu);

        const bool faute = !attendu.premierLancement && !attendu.remises.empty();
        ASSERT_EQ(vue.nbBoites("erreur"), faute ? 1 : 0) << essai;
        ASSERT_EQ(magasin.copies.size(), faute ? 1u : 0u) << essai;
        if (faute) {
            ++fautes;
            EXPECT_EQ(magasin.etat.valeursRemises, attendu.remises) << essai;
            EXPECT_NE(vue.boites[0].texte.find(attendu.remises[0]), std::string::npos) << essai;
            EXPECT_EQ(magasin.copies[0], abime) << essai;
        }
        premiersLancements += attendu.premierLancement;
        const auto lu = resauver(*jeu, valeurs);
        if (attendu.premierLancement) {
            ASSERT_EQ(lu, octetsDefauts) << essai;
            continue;
        }
        for (std::size_t i = 0; i < lu.size(); ++i) ASSERT_EQ(lu[i], attendu.octets[i]) << essai << " value " << i;
    }
    // The draws do reach every path.
    EXPECT_GT(fautes, 500);
    EXPECT_GT(premiersLancements, 20);
    EXPECT_LT(fautes, 3000);
    std::cout << "damaged: " << fautes << ", first runs: " << premiersLancements << "\n";
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
        signalerMagasin(*temoin);
        signalerMagasin(*jeu);
        // Lines that made no sense are damage too, which the values alone do not show.
        if (!disque.etat.endommage || !memoire.etat.valeursRemises.empty() || memoire.etat.endommage) {
            ASSERT_EQ(vue.nbBoites("erreur"), vueTemoin.nbBoites("erreur")) << essai;
        } else {
            ASSERT_EQ(vue.nbBoites("erreur"), 1) << essai;
        }
        // A damaged file is kept aside as it was, before the save below replaces it.
        if (disque.etat.endommage) {
            std::ifstream gardee(disque.etat.copie, std::ios::binary);
            ASSERT_EQ(std::string(std::istreambuf_iterator<char>(gardee), {}), contenu) << essai;
        }
        // Whatever it held, the file can be saved again.
        EXPECT_TRUE(sauverOptions(*jeu)) << essai;
    }
}

}  // namespace
