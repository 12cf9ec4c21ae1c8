// The options: first run, reading and writing the store, applying them to the
// window, and the level change.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "engine/jeu.h"
#include "settings/magasin_memoire.h"
#include "settings/options.h"
#include "tests/options_exemple.h"
#include "tests/vue_options.h"

namespace {

using enum MenuOption;

std::string octets(std::initializer_list<int> v) {
    std::string s;
    for (int b : v) s.push_back(static_cast<char>(b));
    return s;
}

class OptionsEnregistrees : public testing::Test {
protected:
    std::unique_ptr<Jeu> jeu = std::make_unique<Jeu>();
    VueOptions vue;
    MagasinMemoire magasin;

    void SetUp() override {
        jeu->vue = &vue;
        jeu->magasin = &magasin;
    }
    // A store written from the options of this seed.
    void remplirMagasin(std::uint32_t graine) {
        auto source = std::make_unique<Jeu>();
        remplirOptions(*source, graine);
        source->magasin = &magasin;
        ASSERT_TRUE(sauverOptions(*source));
        magasin.nbValidations = 0;
    }
    std::vector<std::string> nomsAttendus(bool avecVersion) const {
        std::vector<std::string> noms;
        for (const auto& v : valeursAttendues())
            if (avecVersion || v.nom != "version") noms.push_back(v.nom);
        return noms;
    }
};

TEST_F(OptionsEnregistrees, UnPremierLancementMetEtEcritTousLesDefauts) {
    chargerOptions(*jeu);
    const Options& o = jeu->options;
    EXPECT_TRUE(magasin.cle);  // the missing key is created
    EXPECT_EQ(o.verif, 1);
    EXPECT_EQ(o.niveau, 4);
    EXPECT_EQ(o.optionCouleurFondEcran, 0x404000u);
    EXPECT_EQ(o.optionCouleurTableRonde, 0x008000u);
    EXPECT_EQ(o.optionCouleurFondEcranPlis, 0x808080u);
    EXPECT_EQ(o.optionCouleurFondEcranMains, 0x808080u);
    EXPECT_EQ(o.optionCouleurFondEcranScores, 0x808080u);
    EXPECT_EQ(o.optionForceMain, 2);
    EXPECT_EQ(o.optionVitesseJeuDeLaCarte, 3);
    EXPECT_EQ(o.optionAttenteEntreChaquePli, 2);
    EXPECT_EQ(o.optionVisibiliteConseilEnchere, 1);
    EXPECT_EQ(o.optionVisibilitePointsPartieEnCours, 1);
    EXPECT_EQ(o.optionVisibiliteDeductions, 1);
    EXPECT_EQ(o.optionAuMoinsUneMainDePrise, 0);
    EXPECT_EQ(o.optionProposePoignee, 1);
    EXPECT_EQ(o.optionBarreOutils, 1);
    EXPECT_EQ(o.optionBarreInfo, 1);
    EXPECT_EQ(o.optionNiveauAdaptatif, 1);
    EXPECT_EQ(o.optionNbDonnesChallenge, 12);
    EXPECT_EQ(o.optionRepartitionDonne, 3);
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 4; ++j) {
            EXPECT_EQ(o.highScoreChallenge[i][j], 300);
            EXPECT_FALSE(o.nomHighScoreChallenge[i][j].empty());
        }
    }
    for (int n = 1; n <= nbRegles; ++n) EXPECT_EQ(jeu->regles.poidsRegle[n], 100) << n;
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(jeu->scores.scoreTotal[s], 0);

    // The store holds every value, written once and in order, each of its own width.
    EXPECT_EQ(magasin.nbValidations, 1);
    EXPECT_EQ(magasin.ecritures, nomsAttendus(true));
    for (const auto& v : valeursAttendues()) {
        ASSERT_TRUE(magasin.valeurs.count(v.nom)) << v.nom;
        const ValeurStockee& s = magasin.valeurs.at(v.nom);
        EXPECT_EQ(s.nature, v.largeur == 0 ? Nature::Texte : Nature::Binaire) << v.nom;
        if (v.largeur != 0) { EXPECT_EQ(s.octets.size(), static_cast<std::size_t>(v.largeur)) << v.nom; }
    }
    EXPECT_EQ(magasin.valeurs.size(), valeursAttendues().size());
    const auto& val = magasin.valeurs;
    EXPECT_EQ(val.at("verif").octets, octets({1}));
    EXPECT_EQ(val.at("niveau").octets, octets({4, 0, 0, 0}));
    EXPECT_EQ(val.at("optionCouleurFondEcran").octets, octets({0x00, 0x40, 0x40, 0x00}));  // little-endian
    EXPECT_EQ(val.at("optionCouleurTableRonde").octets, octets({0x00, 0x80, 0x00, 0x00}));
    EXPECT_EQ(val.at("optionAuMoinsUneMainDePrise").octets, octets({0}));
    EXPECT_EQ(val.at("highScoreChallenge34").octets, octets({0x2c, 0x01, 0, 0}));  // 300
    EXPECT_EQ(val.at("fr100").octets, octets({100, 0, 0, 0}));
    EXPECT_EQ(val.at("scoreTotal4").octets, octets({0, 0, 0, 0}));
    EXPECT_EQ(val.at("optionTempsAnalyse").octets, octets({1, 0, 0, 0}));  // 10 s a deal
    EXPECT_EQ(val.at("optionBoutonAnalyse").octets, octets({1}));
}

// A store written before the analysis existed: its values take their
// defaults, not 0, and the window shows the button and checks 10 s.
TEST_F(OptionsEnregistrees, UnMagasinSansLesValeursDeLAnalyseLesMetParDefaut) {
    remplirMagasin(8);
    magasin.valeurs.erase("optionTempsAnalyse");
    magasin.valeurs.erase("optionBoutonAnalyse");
    chargerOptions(*jeu);
    EXPECT_EQ(jeu->options.optionTempsAnalyse, 1);
    EXPECT_EQ(jeu->options.optionBoutonAnalyse, 1);
    EXPECT_EQ(secondesAnalyse(jeu->options), 10);
    EXPECT_TRUE(vue.estCoche(menuAnalyseDixSecondes));
    EXPECT_TRUE(vue.estCoche(menuBoutonAnalyse));
    EXPECT_TRUE(vue.panneau[PanneauOption::boutonAnalyse]);
    // The rest is read as stored.
    auto attendu = std::make_unique<Jeu>();
    remplirOptions(*attendu, 8);
    attendu->options.optionTempsAnalyse = 1;
    attendu->options.optionBoutonAnalyse = 1;
    EXPECT_EQ(premiereDifference(*jeu, *attendu), "");
}

// The four-colour pack: off by default, and off for a store written before
// it existed (without complaint); stored after the official rules; read back
// as stored; its item checked and the cards' inks set whenever the options apply.
TEST_F(OptionsEnregistrees, LeJeuEnQuatreCouleursEstEteintParDefautEtSeRelit) {
    chargerOptions(*jeu);
    EXPECT_EQ(jeu->options.optionQuatreCouleurs, 0);
    EXPECT_EQ(magasin.valeurs.at("optionQuatreCouleurs").octets, octets({0}));
    // Stored right after the official rules; the Expert's hint comes after it.
    EXPECT_EQ(magasin.ecritures.back(), "optionConseilExpert");
    EXPECT_EQ(magasin.ecritures[magasin.ecritures.size() - 2], "optionQuatreCouleurs");
    EXPECT_EQ(magasin.ecritures[magasin.ecritures.size() - 3], "optionPoigneesOrdinateurs");
    EXPECT_FALSE(vue.estCoche(menuQuatreCouleurs));
    EXPECT_GE(vue.nbEncres, 1);
    EXPECT_FALSE(vue.quatreCouleurs);

    // Switched on: applied and saved at once.
    basculerQuatreCouleurs(*jeu);
    EXPECT_EQ(jeu->options.optionQuatreCouleurs, 1);
    EXPECT_TRUE(vue.estCoche(menuQuatreCouleurs));
    EXPECT_TRUE(vue.quatreCouleurs);
    EXPECT_EQ(magasin.valeurs.at("optionQuatreCouleurs").octets, octets({1}));

    // Another run reads it back.
    auto relu = std::make_unique<Jeu>();
    VueOptions vueRelue;
    relu->vue = &vueRelue;
    relu->magasin = &magasin;
    chargerOptions(*relu);
    EXPECT_EQ(relu->options.optionQuatreCouleurs, 1);
    EXPECT_TRUE(vueRelue.estCoche(menuQuatreCouleurs));
    EXPECT_TRUE(vueRelue.quatreCouleurs);
    EXPECT_TRUE(magasin.etat.valeursRemises.empty());

    // And off again.
    basculerQuatreCouleurs(*relu);
    EXPECT_EQ(relu->options.optionQuatreCouleurs, 0);
    EXPECT_FALSE(vueRelue.quatreCouleurs);
    EXPECT_EQ(magasin.valeurs.at("optionQuatreCouleurs").octets, octets({0}));
}

TEST_F(OptionsEnregistrees, UnMagasinSansLeJeuEnQuatreCouleursLeGardeEteint) {
    remplirMagasin(11);
    magasin.valeurs.erase("optionQuatreCouleurs");
    jeu->options.optionQuatreCouleurs = 1;  // whatever it was, the default is taken
    chargerOptions(*jeu);
    EXPECT_EQ(jeu->options.optionQuatreCouleurs, 0);
    EXPECT_FALSE(vue.estCoche(menuQuatreCouleurs));
    EXPECT_FALSE(vue.quatreCouleurs);
    // Not a damaged store: nothing is said, nothing is copied aside.
    EXPECT_TRUE(magasin.etat.valeursRemises.empty());
    EXPECT_FALSE(magasin.etat.endommage);
    EXPECT_EQ(vue.nbBoites("erreur"), 0);
    // The rest is read as stored.
    auto attendu = std::make_unique<Jeu>();
    remplirOptions(*attendu, 11);
    attendu->options.optionQuatreCouleurs = 0;
    EXPECT_EQ(premiereDifference(*jeu, *attendu), "");
}

TEST(TempsAnalyse, TroisDureesEtDixSecondesHorsDesBornes) {
    struct Cas { std::int32_t valeur; double secondes; };
    const Cas cas[] = {{1, 10}, {2, 30}, {3, 120}, {0, 10}, {4, 10}, {-1, 10}};
    for (const Cas& c : cas) {
        Options o;
        o.optionTempsAnalyse = c.valeur;
        EXPECT_EQ(secondesAnalyse(o), c.secondes) << c.valeur;
    }
}

TEST_F(OptionsEnregistrees, UnPremierLancementAppliqueLesDefautsALaFenetre) {
    chargerOptions(*jeu);
    EXPECT_EQ(vue.fond, 0x404000u);
    EXPECT_EQ(vue.tableRonde, 0x008000u);
    EXPECT_TRUE(vue.estCoche(menuPro));
    EXPECT_FALSE(vue.estCoche(menuBon));
    EXPECT_TRUE(vue.estCoche(menuForceNormale));
    EXPECT_TRUE(vue.estCoche(menuNormal));
    EXPECT_TRUE(vue.estCoche(menuDeuxSecondes));
    EXPECT_TRUE(vue.estCoche(menuOptionNiveauAdaptatif));
    EXPECT_FALSE(vue.estCoche(menuAtLeast));
    EXPECT_TRUE(vue.estCoche(menuConseilEnch));
    EXPECT_TRUE(vue.estCoche(menuPointsPartieEnCours));
    EXPECT_TRUE(vue.estCoche(menuDeductions));
    EXPECT_TRUE(vue.estCoche(menuProposerPoignee));
    EXPECT_TRUE(vue.estCoche(menuBarreOutils));
    EXPECT_TRUE(vue.estCoche(menuBarreInfo));
    for (PanneauOption p : {PanneauOption::evMaMain, PanneauOption::PanneauScores, PanneauOption::PanelDeductions,
                            PanneauOption::PanelBarreOutils, PanneauOption::panelBarreInfo})
        EXPECT_TRUE(vue.panneau[p]) << static_cast<int>(p);
    EXPECT_TRUE(vue.enfonce[BoutonOutil::SBVoirDeductions]);
    EXPECT_EQ(jeu->options.intervalleTimerEntreCarte, 200);
    EXPECT_EQ(jeu->options.intervalleTimerTransition, 2000);
    EXPECT_EQ(jeu->options.transitionAutomatique, 1);
    EXPECT_EQ(vue.nbBoites("erreur"), 0);
}

TEST_F(OptionsEnregistrees, SansMagasinLesDefautsSontEnVigueurSansRienSauver) {
    jeu->magasin = nullptr;
    chargerOptions(*jeu);
    EXPECT_EQ(jeu->options.niveau, 4);
    EXPECT_EQ(jeu->regles.poidsRegle[74], 100);
    EXPECT_FALSE(sauverOptions(*jeu));
}

TEST_F(OptionsEnregistrees, UnMagasinInaccessibleDonneLesDefauts) {
    magasin.accessible = false;
    chargerOptions(*jeu);
    EXPECT_EQ(jeu->options.niveau, 4);
    EXPECT_TRUE(magasin.valeurs.empty());
    EXPECT_EQ(vue.nbBoites("erreur"), 0);
}

TEST_F(OptionsEnregistrees, LitToutDansLOrdreSaufVersion) {
    remplirMagasin(5);
    magasin.lectures.clear();
    chargerOptions(*jeu);
    EXPECT_EQ(magasin.lectures, nomsAttendus(false));
    auto attendu = std::make_unique<Jeu>();
    remplirOptions(*attendu, 5);
    EXPECT_EQ(premiereDifference(*jeu, *attendu), "");
    EXPECT_EQ(magasin.nbValidations, 0);  // an initialised store is only read
}

TEST_F(OptionsEnregistrees, LeContenuDeVersionNAAucunEffet) {
    remplirMagasin(6);
    magasin.valeurs["version"] = {Nature::Autre, "n'importe quoi, beaucoup trop long"};
    chargerOptions(*jeu);
    EXPECT_EQ(vue.nbBoites("erreur"), 0);
    auto attendu = std::make_unique<Jeu>();
    remplirOptions(*attendu, 6);
    EXPECT_EQ(premiereDifference(*jeu, *attendu), "");
}

// A value missing from a store that was initialised was lost: it takes its
// default, the others survive, and the player hears of it.
TEST_F(OptionsEnregistrees, UneValeurManquanteDUnMagasinInitialisePrendSonDefaut) {
    remplirMagasin(7);
    magasin.valeurs.erase("fr37");
    magasin.valeurs.erase("optionCouleurTableRonde");
    magasin.valeurs.erase("nomHighScoreChallenge23");
    chargerOptions(*jeu);
    auto attendu = std::make_unique<Jeu>();
    remplirOptions(*attendu, 7);
    attendu->regles.poidsRegle[37] = 100;
    attendu->options.optionCouleurTableRonde = 0x008000;
    attendu->options.nomHighScoreChallenge[2][3] = "BELVANE";
    EXPECT_EQ(premiereDifference(*jeu, *attendu), "");
    EXPECT_EQ(magasin.etat.valeursRemises,
              (std::vector<std::string>{"optionCouleurTableRonde", "nomHighScoreChallenge23", "fr37"}));
    EXPECT_EQ(magasin.copies.size(), 1u);
    EXPECT_EQ(magasin.nbValidations, 0);  // nothing is written before a save is asked for
}

TEST_F(OptionsEnregistrees, UneValeurPlusCourteNeRemplitQueSesPremiersOctets) {
    remplirMagasin(9);
    magasin.valeurs["optionCouleurFondEcran"] = {Nature::Binaire, octets({0x01, 0x02})};
    magasin.valeurs["scoreTotal2"] = {Nature::Binaire, octets({0xff, 0xff, 0xff})};
    magasin.valeurs["fr1"] = {Nature::Binaire, ""};
    jeu->options.optionCouleurFondEcran = 0xAABBCCDD;
    jeu->scores.scoreTotal[2] = 0x05000000;
    jeu->regles.poidsRegle[1] = 77;
    chargerOptions(*jeu);
    EXPECT_EQ(jeu->options.optionCouleurFondEcran, 0xAABB0201u);
    EXPECT_EQ(jeu->scores.scoreTotal[2], 0x05FFFFFF);
    EXPECT_EQ(jeu->regles.poidsRegle[1], 77);
    EXPECT_EQ(vue.nbBoites("erreur"), 0);
}

struct CasFaute {
    const char* nom;
    const char* valeur;
    ValeurStockee stockee;
    int langue;
};

class ValeurFautive : public testing::TestWithParam<CasFaute> {};

// One bad value no longer wipes what follows it: it takes its default, every
// other value is read, the damaged store is copied before anything replaces it,
// and the player is told in his language once he has chosen it.
TEST_P(ValeurFautive, PrendSonDefautEtLaLectureContinue) {
    const CasFaute& c = GetParam();
    auto jeu = std::make_unique<Jeu>();
    VueOptions vue;
    MagasinMemoire magasin;
    jeu->vue = &vue;
    jeu->magasin = &magasin;
    auto source = std::make_unique<Jeu>();
    remplirOptions(*source, 11);
    source->magasin = &magasin;
    ASSERT_TRUE(sauverOptions(*source));
    magasin.valeurs[c.valeur] = c.stockee;
    const auto abime = magasin.valeurs;
    magasin.lectures.clear();

    chargerOptions(*jeu);

    auto attendu = std::make_unique<Jeu>();
    remplirOptions(*attendu, 11);
    auto defauts = std::make_unique<Jeu>();
    optionsParDefaut(*defauts);
    // The bad value alone takes its default.
    auto copie = [](Jeu& vers, const Jeu& depuis, const std::string& nom) {
        if (nom == "verif") vers.options.verif = 1;
        if (nom == "niveau") vers.options.niveau = depuis.options.niveau;
        if (nom == "optionForceMain") vers.options.optionForceMain = depuis.options.optionForceMain;
        if (nom == "optionVitesseJeuDeLaCarte") vers.options.optionVitesseJeuDeLaCarte = depuis.options.optionVitesseJeuDeLaCarte;
        if (nom == "optionAttenteEntreChaquePli")
            vers.options.optionAttenteEntreChaquePli = depuis.options.optionAttenteEntreChaquePli;
        if (nom == "optionBarreInfo") vers.options.optionBarreInfo = depuis.options.optionBarreInfo;
        if (nom == "highScoreChallenge21") vers.options.highScoreChallenge[2][1] = depuis.options.highScoreChallenge[2][1];
        if (nom == "nomHighScoreChallenge11")
            vers.options.nomHighScoreChallenge[1][1] = depuis.options.nomHighScoreChallenge[1][1];
        if (nom == "fr50") vers.regles.poidsRegle[50] = depuis.regles.poidsRegle[50];
        if (nom == "scoreTotal4") vers.scores.scoreTotal[4] = depuis.scores.scoreTotal[4];
    };
    copie(*attendu, *defauts, c.valeur);
    EXPECT_EQ(premiereDifference(*jeu, *attendu), "");
    std::vector<std::string> tousLesNoms;
    for (const auto& v : valeursAttendues())
        if (v.nom != "version") tousLesNoms.push_back(v.nom);
    EXPECT_EQ(magasin.lectures, tousLesNoms);  // read to the end
    EXPECT_EQ(magasin.etat.valeursRemises, std::vector<std::string>{c.valeur});
    ASSERT_EQ(magasin.copies.size(), 1u);
    EXPECT_EQ(magasin.copies[0], abime);  // the store as it was found

    // Nothing is said before the language is chosen...
    EXPECT_EQ(vue.nbBoites("erreur"), 0);
    jeu->options.langue = c.langue;
    signalerMagasin(*jeu);
    ASSERT_EQ(vue.nbBoites("erreur"), 1);
    EXPECT_EQ(vue.boites[0].texte, texte(Texte::magasinValeursRemises, c.langue) + c.valeur + ".\n" +
                                       texte(Texte::magasinCopie, c.langue) + "memoire.endommage-1");
    // ...and it is said once.
    signalerMagasin(*jeu);
    EXPECT_EQ(vue.nbBoites("erreur"), 1);
    // The next save writes the repaired values over the damaged ones.
    ASSERT_TRUE(sauverOptions(*jeu));
    auto relu = std::make_unique<Jeu>();
    relu->magasin = &magasin;
    chargerOptions(*relu);
    EXPECT_EQ(premiereDifference(*relu, *jeu), "");
    EXPECT_EQ(magasin.copies.size(), 1u);
}

constexpr int intMin = std::numeric_limits<std::int32_t>::min();

std::string entier32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return octets({static_cast<int>(u & 0xff), static_cast<int>((u >> 8) & 0xff), static_cast<int>((u >> 16) & 0xff),
                   static_cast<int>(u >> 24)});
}

INSTANTIATE_TEST_SUITE_P(
    Cas, ValeurFautive,
    testing::Values(
        CasFaute{"UnEntierEnTexte", "optionForceMain", {Nature::Texte, "2"}, FRANCAIS},
        CasFaute{"UnEntierTropLong", "fr50", {Nature::Binaire, std::string(5, '\1')}, ANGLAIS},
        CasFaute{"UnBooleenDeDeuxOctets", "optionBarreInfo", {Nature::Binaire, octets({1, 0})}, FRANCAIS},
        CasFaute{"UnTypeInconnu", "highScoreChallenge21", {Nature::Autre, ""}, ANGLAIS},
        CasFaute{"UnNomEnBinaire", "nomHighScoreChallenge11", {Nature::Binaire, "abc"}, FRANCAIS},
        CasFaute{"UnScoreEnTexte", "scoreTotal4", {Nature::Texte, "1000"}, ANGLAIS},
        CasFaute{"VerifEnTexte", "verif", {Nature::Texte, "1"}, FRANCAIS},
        CasFaute{"UnNiveauMinimal", "niveau", {Nature::Binaire, entier32(intMin)}, ANGLAIS},
        CasFaute{"UnNiveauCinq", "niveau", {Nature::Binaire, entier32(5)}, FRANCAIS},
        CasFaute{"UneForceMinimale", "optionForceMain", {Nature::Binaire, entier32(intMin)}, FRANCAIS},
        CasFaute{"UneForceSept", "optionForceMain", {Nature::Binaire, entier32(7)}, ANGLAIS},
        CasFaute{"UneVitesseNulle", "optionVitesseJeuDeLaCarte", {Nature::Binaire, entier32(0)}, FRANCAIS},
        CasFaute{"UneAttenteDeQuatre", "optionAttenteEntreChaquePli", {Nature::Binaire, entier32(4)}, ANGLAIS}),
    [](const testing::TestParamInfo<CasFaute>& i) { return i.param.nom; });

// The weights come back into 60..150 as they are read: a weight of 0 left by
// an older store would switch its rule off for good.
TEST_F(OptionsEnregistrees, LesPoidsSontRamenesDansLeurIntervalle) {
    remplirMagasin(12);
    const std::pair<std::int32_t, std::int32_t> cas[] = {{0, 60},     {59, 60},   {60, 60},   {61, 61},
                                                         {150, 150}, {151, 150}, {intMin, 60}, {0x7fffffff, 150}};
    int n = 1;
    for (const auto& [stocke, lu] : cas) magasin.valeurs["fr" + std::to_string(n++)] = {Nature::Binaire, entier32(stocke)};
    chargerOptions(*jeu);
    n = 1;
    for (const auto& [stocke, lu] : cas) EXPECT_EQ(jeu->regles.poidsRegle[n++], lu) << stocke;
    for (int r = 1; r <= nbRegles; ++r) {
        EXPECT_GE(jeu->regles.poidsRegle[r], 60) << r;
        EXPECT_LE(jeu->regles.poidsRegle[r], 150) << r;
    }
    EXPECT_TRUE(magasin.etat.valeursRemises.empty());  // brought into range, not lost
}

// The damage seen in the field: niveau stored as a text once made every later
// value 0, and the next save wrote the zeros over the scores and the weights.
TEST_F(OptionsEnregistrees, UnNiveauEnTexteNEffacePlusLesScores) {
    remplirMagasin(13);
    const std::int32_t scores[] = {1000, -200, -300, -500};
    for (int s = 1; s <= 4; ++s) magasin.valeurs["scoreTotal" + std::to_string(s)] = {Nature::Binaire, entier32(scores[s - 1])};
    magasin.valeurs["fr12"] = {Nature::Binaire, entier32(135)};
    magasin.valeurs["niveau"] = {Nature::Texte, "3"};
    chargerOptions(*jeu);
    ASSERT_TRUE(sauverOptions(*jeu));  // the end of the next deal
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(magasin.valeurs.at("scoreTotal" + std::to_string(s)).octets, entier32(scores[s - 1]));
    EXPECT_EQ(magasin.valeurs.at("fr12").octets, entier32(135));
    EXPECT_EQ(magasin.valeurs.at("niveau").octets, entier32(4));
    EXPECT_EQ(magasin.valeurs.at("optionVitesseJeuDeLaCarte").octets, entier32(jeu->options.optionVitesseJeuDeLaCarte));
    ASSERT_EQ(magasin.copies.size(), 1u);
    EXPECT_EQ(magasin.copies[0].at("niveau").nature, Nature::Texte);
}

// A save that fails is told once per run, in the chosen language, with the
// store and the system's reason; before the choice it waits.
TEST_F(OptionsEnregistrees, UneSauvegardeRateeEstDiteUneFois) {
    chargerOptions(*jeu);  // a first run, saved
    magasin.ecrivable = false;
    jeu->scores.scoreTotal[1] = 75;
    EXPECT_FALSE(sauverOptions(*jeu));
    EXPECT_EQ(vue.nbBoites("erreur"), 0);
    jeu->options.langue = ANGLAIS;
    signalerMagasin(*jeu);
    ASSERT_EQ(vue.nbBoites("erreur"), 1);
    EXPECT_EQ(vue.boites[0].texte,
              texte(Texte::magasinSauvegardeImpossible, ANGLAIS) + "memoire (No space left on device)");
    EXPECT_FALSE(sauverOptions(*jeu));
    EXPECT_FALSE(sauverOptions(*jeu));
    EXPECT_EQ(vue.nbBoites("erreur"), 1);
    EXPECT_TRUE(magasin.etat.enEchec());
    magasin.ecrivable = true;
    EXPECT_TRUE(sauverOptions(*jeu));  // the next save that can, does
    EXPECT_EQ(magasin.valeurs.at("scoreTotal1").octets, entier32(75));
}

TEST_F(OptionsEnregistrees, UneSauvegardeRateeApresLeChoixDeLaLangueEstDiteAussitot) {
    chargerOptions(*jeu);
    jeu->options.langue = FRANCAIS;
    signalerMagasin(*jeu);
    EXPECT_EQ(vue.nbBoites("erreur"), 0);  // nothing to tell
    magasin.ecrivable = false;
    EXPECT_FALSE(sauverOptions(*jeu));
    ASSERT_EQ(vue.nbBoites("erreur"), 1);
    EXPECT_EQ(vue.boites[0].texte.rfind(texte(Texte::magasinSauvegardeImpossible, FRANCAIS), 0), 0u);
}

// A store that cannot be read is said at the start and never written over,
// even once it could be: what it holds was never read.
TEST_F(OptionsEnregistrees, UnMagasinIllisibleNEstJamaisRemplace) {
    remplirMagasin(15);
    const auto avant = magasin.valeurs;
    magasin.accessible = false;
    chargerOptions(*jeu);
    EXPECT_EQ(jeu->options.niveau, 4);  // the defaults, for this run
    magasin.accessible = true;
    EXPECT_FALSE(sauverOptions(*jeu));
    changerNiveau(*jeu, 2);
    EXPECT_EQ(magasin.valeurs, avant);
    EXPECT_EQ(magasin.nbValidations, 0);
    jeu->options.langue = ANGLAIS;
    signalerMagasin(*jeu);
    ASSERT_EQ(vue.nbBoites("erreur"), 1);  // said once: the failed saves are part of it
    EXPECT_EQ(vue.boites[0].texte, texte(Texte::magasinIllisible, ANGLAIS) + "memoire (unreachable)");
    EXPECT_TRUE(magasin.etat.enEchec());
}

// A damaged store that cannot be copied aside is kept as it is.
TEST_F(OptionsEnregistrees, UnMagasinEndommageQuOnNePeutCopierNEstPasRemplace) {
    remplirMagasin(16);
    magasin.valeurs["scoreTotal2"] = {Nature::Texte, "x"};
    const auto avant = magasin.valeurs;
    magasin.copiable = false;
    chargerOptions(*jeu);
    EXPECT_FALSE(sauverOptions(*jeu));
    EXPECT_EQ(magasin.valeurs, avant);
    jeu->options.langue = FRANCAIS;
    signalerMagasin(*jeu);
    ASSERT_EQ(vue.nbBoites("erreur"), 1);
    EXPECT_EQ(vue.boites[0].texte, texte(Texte::magasinValeursRemises, FRANCAIS) + "scoreTotal2.\n" +
                                       texte(Texte::magasinCopieImpossible, FRANCAIS) + "memoire (Permission denied)");
}

// Lines the store could not make sense of, even without a bad value of the game.
TEST_F(OptionsEnregistrees, UnFichierEndommageEstCopieEtSignale) {
    remplirMagasin(17);
    magasin.abime = true;
    chargerOptions(*jeu);
    auto attendu = std::make_unique<Jeu>();
    remplirOptions(*attendu, 17);
    EXPECT_EQ(premiereDifference(*jeu, *attendu), "");
    EXPECT_EQ(magasin.copies.size(), 1u);
    signalerMagasin(*jeu);
    ASSERT_EQ(vue.nbBoites("erreur"), 1);
    EXPECT_EQ(vue.boites[0].texte, texte(Texte::magasinFichierEndommage, FRANCAIS) + "\n" +
                                       texte(Texte::magasinCopie, FRANCAIS) + "memoire.endommage-1");
}

// The first run and a sound store say nothing and copy nothing.
TEST_F(OptionsEnregistrees, UnPremierLancementEtUnMagasinSainNeDisentRien) {
    chargerOptions(*jeu);
    chargerOptions(*jeu);
    signalerMagasin(*jeu);
    EXPECT_EQ(vue.nbBoites("erreur"), 0);
    EXPECT_TRUE(magasin.copies.empty());
    EXPECT_FALSE(magasin.etat.enEchec());
}

TEST_F(OptionsEnregistrees, VerifAZeroMetLesDefauts) {
    remplirMagasin(13);
    magasin.valeurs["verif"] = {Nature::Binaire, octets({0})};
    chargerOptions(*jeu);
    EXPECT_EQ(jeu->options.niveau, 4);
    EXPECT_EQ(jeu->scores.scoreTotal[1], 0);
    EXPECT_EQ(magasin.valeurs.at("verif").octets, octets({1}));
}

TEST_F(OptionsEnregistrees, SauverEcritChaqueValeurDansLOrdreEtUneSeuleValidation) {
    remplirOptions(*jeu, 14);
    jeu->options.niveau = -2;
    jeu->regles.poidsRegle[9] = 0x01020304;
    ASSERT_TRUE(sauverOptions(*jeu));
    EXPECT_EQ(magasin.ecritures, nomsAttendus(true));
    EXPECT_EQ(magasin.nbValidations, 1);
    EXPECT_EQ(magasin.valeurs.at("niveau").octets, octets({0xfe, 0xff, 0xff, 0xff}));
    EXPECT_EQ(magasin.valeurs.at("fr9").octets, octets({4, 3, 2, 1}));
    EXPECT_EQ(magasin.valeurs.at("nomHighScoreChallenge32").octets, jeu->options.nomHighScoreChallenge[3][2]);
}

TEST_F(OptionsEnregistrees, LesDefautsNeTouchentPasAVerif) {
    jeu->options.verif = 0;
    optionsParDefaut(*jeu);
    EXPECT_EQ(jeu->options.verif, 0);
    EXPECT_EQ(magasin.valeurs.at("verif").octets, octets({0}));
    EXPECT_EQ(magasin.valeurs.at("niveau").octets, octets({4, 0, 0, 0}));
}

struct CasVitesse {
    const char* nom;
    int vitesse;
    MenuOption item;  // ignored when intervalle is 0
    int intervalle;   // 0: out of range, nothing changes
};

class VitesseDuJeu : public testing::TestWithParam<CasVitesse> {};

TEST_P(VitesseDuJeu, CocheLItemEtRegleLeMinuteur) {
    const CasVitesse& c = GetParam();
    auto jeu = std::make_unique<Jeu>();
    VueOptions vue;
    jeu->vue = &vue;
    vue.cocherMenu(menuNormal, true);
    jeu->options.intervalleTimerEntreCarte = 123;
    jeu->options.optionVitesseJeuDeLaCarte = c.vitesse;
    appliquerOptions(*jeu);
    if (c.intervalle == 0) {
        EXPECT_EQ(jeu->options.intervalleTimerEntreCarte, 123);
        EXPECT_TRUE(vue.estCoche(menuNormal));  // the previous check stays
        return;
    }
    EXPECT_EQ(jeu->options.intervalleTimerEntreCarte, c.intervalle);
    EXPECT_TRUE(vue.estCoche(c.item));
    for (MenuOption m : {menuEscargot, menuLent, menuNormal, menuRapide, menuInstantane})
        if (m != c.item) { EXPECT_FALSE(vue.estCoche(m)); }
}

INSTANTIATE_TEST_SUITE_P(Cas, VitesseDuJeu,
                         testing::Values(CasVitesse{"Escargot", 1, menuEscargot, 1000},
                                         CasVitesse{"Lent", 2, menuLent, 400},
                                         CasVitesse{"Normal", 3, menuNormal, 200},
                                         CasVitesse{"Rapide", 4, menuRapide, 100},
                                         CasVitesse{"Instantane", 5, menuInstantane, 1},
                                         CasVitesse{"ZeroHorsLimites", 0, menuNormal, 0},
                                         CasVitesse{"SixHorsLimites", 6, menuNormal, 0}),
                         [](const testing::TestParamInfo<CasVitesse>& i) { return i.param.nom; });

struct CasAttente {
    const char* nom;
    int attente;
    MenuOption item;
    int intervalle;  // 0: unchanged
    int transitionAutomatique;
    bool coche;
};

class AttenteEntrePlis : public testing::TestWithParam<CasAttente> {};

TEST_P(AttenteEntrePlis, RegleLaTransition) {
    const CasAttente& c = GetParam();
    auto jeu = std::make_unique<Jeu>();
    VueOptions vue;
    jeu->vue = &vue;
    jeu->options.intervalleTimerTransition = 321;
    jeu->options.transitionAutomatique = 7;
    jeu->options.optionAttenteEntreChaquePli = c.attente;
    appliquerOptions(*jeu);
    EXPECT_EQ(jeu->options.transitionAutomatique, c.transitionAutomatique);
    EXPECT_EQ(jeu->options.intervalleTimerTransition, c.intervalle == 0 ? 321 : c.intervalle);
    EXPECT_EQ(vue.estCoche(c.item), c.coche);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, AttenteEntrePlis,
    testing::Values(CasAttente{"ClickObligatoire", 0, menuClickObligatoire, 0, 0, true},
                    CasAttente{"UneSeconde", 1, menuUneSeconde, 1000, 1, true},
                    CasAttente{"DeuxSecondes", 2, menuDeuxSecondes, 2000, 1, true},
                    CasAttente{"CinqSecondes", 3, menuCinqSecondes, 5000, 1, true},
                    CasAttente{"QuatreHorsLimites", 4, menuCinqSecondes, 0, 1, false},
                    CasAttente{"NegatifHorsLimites", -1, menuClickObligatoire, 0, 1, false}),
    [](const testing::TestParamInfo<CasAttente>& i) { return i.param.nom; });

TEST_F(OptionsEnregistrees, LesNiveauxEtForcesHorsLimitesNeCochentRien) {
    const std::pair<std::int32_t, std::int32_t> cas[] = {
        {5, 0}, {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::min()},
        {std::numeric_limits<std::int32_t>::max(), 7}, {0, -1}};
    for (const auto& [niveau, force] : cas) {
        jeu->options.niveau = niveau;
        jeu->options.optionForceMain = force;
        appliquerOptions(*jeu);
        for (MenuOption m : {menuDebutant, menuAmateur, menuBon, menuPro, menuForceDefense, menuForceNormale,
                             menuForcePrise, menuForceGarde, menuForceGardeSans, menuForceGardeContre})
            EXPECT_FALSE(vue.estCoche(m)) << static_cast<int>(m) << " " << niveau;
    }
    jeu->options.niveau = 2;
    jeu->options.optionForceMain = 6;
    appliquerOptions(*jeu);
    EXPECT_TRUE(vue.estCoche(menuAmateur));
    EXPECT_TRUE(vue.estCoche(menuForceGardeContre));
}

TEST_F(OptionsEnregistrees, LesOptionsEteintesCachentEtDecochent) {
    chargerOptions(*jeu);
    Options& o = jeu->options;
    o.optionVisibiliteConseilEnchere = 0;
    o.optionVisibiliteDeductions = 0;
    o.optionBarreInfo = 0;
    o.optionNiveauAdaptatif = 0;
    o.optionAuMoinsUneMainDePrise = 1;
    o.optionCouleurFondEcran = 0x0000ff;
    appliquerOptions(*jeu);
    EXPECT_FALSE(vue.panneau[PanneauOption::evMaMain]);
    EXPECT_FALSE(vue.estCoche(menuConseilEnch));
    EXPECT_FALSE(vue.panneau[PanneauOption::PanelDeductions]);
    EXPECT_FALSE(vue.enfonce[BoutonOutil::SBVoirDeductions]);
    EXPECT_FALSE(vue.estCoche(menuDeductions));
    EXPECT_FALSE(vue.panneau[PanneauOption::panelBarreInfo]);
    EXPECT_TRUE(vue.panneau[PanneauOption::PanelBarreOutils]);
    EXPECT_FALSE(vue.estCoche(menuOptionNiveauAdaptatif));
    EXPECT_TRUE(vue.estCoche(menuAtLeast));
    EXPECT_EQ(vue.fond, 0x0000ffu);
}

TEST_F(OptionsEnregistrees, BasculerLesDeductionsAppliqueEtSauve) {
    chargerOptions(*jeu);
    basculerDeductions(*jeu);
    EXPECT_EQ(jeu->options.optionVisibiliteDeductions, 0);
    EXPECT_FALSE(vue.panneau[PanneauOption::PanelDeductions]);
    EXPECT_FALSE(vue.enfonce[BoutonOutil::SBVoirDeductions]);
    EXPECT_EQ(magasin.valeurs.at("optionVisibiliteDeductions").octets, octets({0}));
    basculerDeductions(*jeu);
    EXPECT_TRUE(vue.panneau[PanneauOption::PanelDeductions]);
    EXPECT_EQ(magasin.valeurs.at("optionVisibiliteDeductions").octets, octets({1}));
}

struct CasNiveau {
    const char* nom;
    int numeroPli;
    bool accepte;
};

class ChangerNiveau : public testing::TestWithParam<CasNiveau> {};

TEST_P(ChangerNiveau, RefuseSeulementPendantLesPlis) {
    const CasNiveau& c = GetParam();
    auto jeu = std::make_unique<Jeu>();
    VueOptions vue;
    MagasinMemoire magasin;
    jeu->vue = &vue;
    jeu->magasin = &magasin;
    chargerOptions(*jeu);  // level 4
    const int validations = magasin.nbValidations;
    jeu->donne.numeroPli = c.numeroPli;

    changerNiveau(*jeu, 2);

    if (c.accepte) {
        EXPECT_EQ(jeu->options.niveau, 2);
        EXPECT_TRUE(vue.estCoche(menuAmateur));
        EXPECT_FALSE(vue.estCoche(menuPro));
        EXPECT_EQ(magasin.valeurs.at("niveau").octets, octets({2, 0, 0, 0}));
        EXPECT_EQ(magasin.nbValidations, validations + 1);
        EXPECT_EQ(vue.nbBoites("message"), 0);
        return;
    }
    EXPECT_EQ(jeu->options.niveau, 4);
    EXPECT_TRUE(vue.estCoche(menuPro));
    EXPECT_FALSE(vue.estCoche(menuAmateur));
    EXPECT_EQ(magasin.nbValidations, validations);
    ASSERT_EQ(vue.nbBoites("message"), 1);
    EXPECT_EQ(vue.boites.back().titre, "BELVANE 2010");
    EXPECT_EQ(vue.boites.back().texte, "Vous ne pouvez pas changer de niveau en pleine partie !");
}

INSTANTIATE_TEST_SUITE_P(Cas, ChangerNiveau,
                         testing::Values(CasNiveau{"AvantLaPremiereDonneOuPendantLesEncheres", 0, true},
                                         CasNiveau{"PendantLePremierPli", 1, false},
                                         CasNiveau{"PendantUnPli", 9, false},
                                         CasNiveau{"PendantLeDernierPli", 18, false},
                                         CasNiveau{"ApresLeDernierPli", 19, true}),
                         [](const testing::TestParamInfo<CasNiveau>& i) { return i.param.nom; });

TEST_F(OptionsEnregistrees, LeRefusDeNiveauEnAnglais) {
    jeu->options.langue = ANGLAIS;
    jeu->donne.numeroPli = 5;
    changerNiveau(*jeu, 1);
    ASSERT_EQ(vue.nbBoites("message"), 1);
    EXPECT_EQ(vue.boites[0].texte, "You can only change level at the beginning of a new deal !");
}

}  // namespace
