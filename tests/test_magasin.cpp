// The store on disk: QSettings in its native form, one file per user. Values
// keep their bytes and their kind, a save replaces the file at once, and a
// store written by one process is read back identically by another.
#include <gtest/gtest.h>

#include <QSettings>
#include <QString>

#include <csignal>
#include <fcntl.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <random>
#include <set>
#include <chrono>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "engine/jeu.h"
#include "settings/magasin_memoire.h"
#include "settings/magasin_qsettings.h"
#include "settings/options.h"
#include "tests/options_exemple.h"
#include "tests/vue_options.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

class MagasinSurDisque : public testing::Test {
protected:
    fs::path dossier;

    void SetUp() override {
        std::string modele = (fs::temp_directory_path() / "belvane-magasin-XXXXXX").string();
        ASSERT_NE(mkdtemp(modele.data()), nullptr);
        dossier = modele;
    }
    void TearDown() override {
        std::error_code e;
        fs::permissions(dossier, fs::perms::owner_all, fs::perm_options::add, e);
        fs::remove_all(dossier, e);
    }
    // Where the store of a user whose configuration folder is `xdg` lives.
    static fs::path fichierDe(const fs::path& xdg) { return xdg / "Oskaveri" / "BELVANE 2010.conf"; }

    // Runs the helper with XDG_CONFIG_HOME set to `xdg`; returns its pid.
    static pid_t lancer(const std::vector<std::string>& arguments, const fs::path& xdg) {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e)
            if (std::string(*e).rfind("XDG_CONFIG_HOME=", 0) != 0) env.emplace_back(*e);
        env.push_back("XDG_CONFIG_HOME=" + xdg.string());
        std::vector<char*> envp;
        for (auto& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        std::vector<std::string> args = {BELVANE_AIDE_MAGASIN};
        args.insert(args.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        pid_t pid = -1;
        const int r = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        return r == 0 ? pid : -1;
    }
    static int attendre(pid_t pid) {
        int etat = 0;
        if (waitpid(pid, &etat, 0) != pid) return -1;
        return WIFEXITED(etat) ? WEXITSTATUS(etat) : 128 + WTERMSIG(etat);
    }
    static int executer(const std::vector<std::string>& arguments, const fs::path& xdg) {
        const pid_t pid = lancer(arguments, xdg);
        return pid < 0 ? -1 : attendre(pid);
    }
    // A fresh copy of the file, so that it is parsed from disk and not from
    // what this process already holds of it.
    fs::path copie(const fs::path& f, const std::string& nom) {
        const fs::path c = dossier / nom;
        fs::copy_file(f, c, fs::copy_options::overwrite_existing);
        return c;
    }
    // Runs a command through the shell; its exit status, and what it wrote on stderr.
    static std::pair<int, std::string> commande(const std::string& ligne) {
        std::string erreurs;
        FILE* tube = popen((ligne + " 2>&1 >/dev/null").c_str(), "r");
        if (!tube) return {-1, ""};
        char morceau[512];
        while (std::fgets(morceau, sizeof morceau, tube)) erreurs += morceau;
        const int etat = pclose(tube);
        return {WIFEXITED(etat) ? WEXITSTATUS(etat) : -1, erreurs};
    }
    // The prefix that runs a command as a user who is not the superuser, or ""
    // when that cannot be done (then the caller skips, saying why).
    static std::string autreUtilisateur() {
        if (geteuid() != 0) return " ";
        if (access("/usr/bin/setpriv", X_OK) == 0) return "/usr/bin/setpriv --reuid=65534 --regid=65534 --clear-groups ";
        return "";
    }
    static std::string lireTout(const fs::path& f) {
        std::ifstream lu(f, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(lu), {});
    }
    static void ecrireFichier(const fs::path& f, const std::string& contenu) {
        fs::create_directories(f.parent_path());
        std::ofstream(f, std::ios::binary) << contenu;
    }
};

TEST_F(MagasinSurDisque, EcritEtRelitChaqueValeurAvecSaNature) {
    const fs::path f = dossier / "options.conf";
    {
        MagasinQSettings magasin(f.string());
        auto jeu = std::make_unique<Jeu>();
        remplirOptions(*jeu, 21);
        jeu->magasin = &magasin;
        ASSERT_TRUE(sauverOptions(*jeu));
    }
    MagasinQSettings relu(copie(f, "relu.conf").string());
    auto jeu = std::make_unique<Jeu>();
    VueOptions vue;
    jeu->vue = &vue;
    jeu->magasin = &relu;
    chargerOptions(*jeu);
    auto attendu = std::make_unique<Jeu>();
    remplirOptions(*attendu, 21);
    EXPECT_EQ(premiereDifference(*jeu, *attendu), "");
    EXPECT_EQ(vue.nbBoites("erreur"), 0);
    for (const auto& v : valeursAttendues()) {
        const auto lue = relu.lire(v.nom);
        ASSERT_TRUE(lue) << v.nom;
        EXPECT_EQ(lue->nature, v.largeur == 0 ? Nature::Texte : Nature::Binaire) << v.nom;
        if (v.largeur) { EXPECT_EQ(lue->octets.size(), static_cast<std::size_t>(v.largeur)) << v.nom; }
    }
}

TEST_F(MagasinSurDisque, LesOctetsEtLesTextesTraversentLeFichierTelsQuels) {
    std::vector<std::string> binaires = {"", std::string(1, '\0'), "\x04" "A", "\\", ")", "\n", "@ByteArray(",
                                         "\x04" "0\x7f", "\xff\xfe", "%", "\"", ",", ";"};
    std::string tous;
    for (int b = 0; b < 256; ++b) tous.push_back(static_cast<char>(b));
    binaires.push_back(tous);
    std::mt19937 alea(5);
    for (int i = 0; i < 300; ++i) {
        std::string s(alea() % 9, '\0');
        for (char& c : s) c = static_cast<char>(alea() % 256);
        binaires.push_back(s);
    }
    const std::vector<std::string> textes = {"", "Zoé", "@ByteArray(\\x1)", "a, b", "=", "[General]", "x\ny",
                                             "\\x41", "  blancs  ", "\"cité\"", "%20", "#;"};
    const fs::path f = dossier / "octets.conf";
    {
        MagasinQSettings magasin(f.string());
        ASSERT_TRUE(magasin.ouvrirCle());
        for (std::size_t i = 0; i < binaires.size(); ++i) magasin.ecrireBinaire("b" + std::to_string(i), binaires[i]);
        for (std::size_t i = 0; i < textes.size(); ++i) magasin.ecrireTexte("t" + std::to_string(i), textes[i]);
        ASSERT_TRUE(magasin.valider());
    }
    MagasinQSettings relu(copie(f, "octets-relus.conf").string());
    ASSERT_TRUE(relu.ouvrirCle());
    for (std::size_t i = 0; i < binaires.size(); ++i) {
        const auto v = relu.lire("b" + std::to_string(i));
        ASSERT_TRUE(v) << i;
        EXPECT_EQ(v->nature, Nature::Binaire) << i;
        EXPECT_EQ(v->octets, binaires[i]) << i;
    }
    for (std::size_t i = 0; i < textes.size(); ++i) {
        const auto v = relu.lire("t" + std::to_string(i));
        ASSERT_TRUE(v) << textes[i];
        EXPECT_EQ(v->nature, Nature::Texte) << textes[i];
        EXPECT_EQ(v->octets, textes[i]);
    }
    EXPECT_FALSE(relu.lire("absente"));
}

TEST_F(MagasinSurDisque, LeMagasinDeLUtilisateurEstDansSonDossierDeConfiguration) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(dossier.string()));
    MagasinQSettings magasin;
    EXPECT_EQ(fs::path(magasin.fichier()), fichierDe(dossier));
    auto jeu = std::make_unique<Jeu>();
    jeu->magasin = &magasin;
    chargerOptions(*jeu);  // a first run: the key is created with every default
    EXPECT_TRUE(fs::exists(fichierDe(dossier)));
}

TEST_F(MagasinSurDisque, LaCleDuJeuDonneLeDossierDuFabricantEtLeTitre) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(dossier.string()));
    struct Cas {
        const char* cle;
        fs::path fichier;
    };
    const Cas cas[] = {
        {"Software\\Oskaveri\\BELVANE 2010\\", fichierDe(dossier)},
        {"Software\\Autre\\Jeu\\", dossier / "Autre" / "Jeu.conf"},
        {"", fichierDe(dossier)},                // not composed yet: the game's own store
        {"Oskaveri\\BELVANE", fichierDe(dossier)},  // not a key of the user's software
    };
    for (const Cas& c : cas) {
        const auto magasin = MagasinQSettings::sousCle(c.cle);
        ASSERT_TRUE(magasin) << c.cle;
        EXPECT_EQ(fs::path(magasin->fichier()), c.fichier) << c.cle;
    }
}

TEST_F(MagasinSurDisque, UnAutreProcessusRelitCeQuUnProcessusAEcrit) {
    const fs::path xdg1 = dossier / "un";
    {
        MagasinQSettings magasin(fichierDe(xdg1).string());
        auto jeu = std::make_unique<Jeu>();
        remplirOptions(*jeu, 7);
        jeu->magasin = &magasin;
        ASSERT_TRUE(sauverOptions(*jeu));
    }
    EXPECT_EQ(executer({"verifier", "7"}, xdg1), 0);
    EXPECT_EQ(executer({"verifier", "8"}, xdg1), 1);  // the helper does tell two stores apart

    const fs::path xdg2 = dossier / "deux";
    ASSERT_EQ(executer({"ecrire", "11"}, xdg2), 0);
    ASSERT_TRUE(fs::exists(fichierDe(xdg2)));  // under XDG_CONFIG_HOME, as the platform expects
    MagasinQSettings relu(fichierDe(xdg2).string());
    auto jeu = std::make_unique<Jeu>();
    jeu->magasin = &relu;
    chargerOptions(*jeu);
    auto attendu = std::make_unique<Jeu>();
    remplirOptions(*attendu, 11);
    EXPECT_EQ(premiereDifference(*jeu, *attendu), "");
}

TEST_F(MagasinSurDisque, UneSauvegardeRemplaceLeFichierParUnNouveau) {
    const fs::path f = dossier / "cle" / "BELVANE 2010.conf";
    MagasinQSettings magasin(f.string());
    auto jeu = std::make_unique<Jeu>();
    jeu->magasin = &magasin;
    chargerOptions(*jeu);
    struct stat avant {};
    ASSERT_EQ(stat(f.c_str(), &avant), 0);
    jeu->scores.scoreTotal[1] = 42;
    ASSERT_TRUE(sauverOptions(*jeu));
    struct stat apres {};
    ASSERT_EQ(stat(f.c_str(), &apres), 0);
    // A new file renamed over the old one, never the old one rewritten in place...
    EXPECT_NE(avant.st_ino, apres.st_ino);
    // ...and nothing left beside it.
    std::set<std::string> contenu;
    for (const auto& e : fs::directory_iterator(f.parent_path())) contenu.insert(e.path().filename().string());
    EXPECT_EQ(contenu, std::set<std::string>{"BELVANE 2010.conf"});
}

TEST_F(MagasinSurDisque, UnProcessusTueEnPleineSauvegardeLaisseUnMagasinEntier) {
    std::mt19937 alea(17);
    int interrompus = 0;
    for (int essai = 0; essai < 25; ++essai) {
        const fs::path xdg = dossier / ("tue" + std::to_string(essai));
        const pid_t pid = lancer({"boucle"}, xdg);
        ASSERT_GT(pid, 0);
        // Wait for the first complete store (bounded: the helper saves at once).
        for (int i = 0; i < 10000 && !fs::exists(fichierDe(xdg)); ++i) usleep(1000);
        usleep(alea() % 20000);
        kill(pid, SIGKILL);
        interrompus += attendre(pid) == 128 + SIGKILL;
        ASSERT_TRUE(fs::exists(fichierDe(xdg)));

        MagasinQSettings relu(fichierDe(xdg).string());
        auto jeu = std::make_unique<Jeu>();
        VueOptions vue;
        jeu->vue = &vue;
        jeu->magasin = &relu;
        chargerOptions(*jeu);
        EXPECT_EQ(vue.nbBoites("erreur"), 0) << essai;
        const int generation = jeu->options.optionRepartitionDonne;
        ASSERT_GE(generation, 1) << essai;
        auto attendu = std::make_unique<Jeu>();
        remplirGeneration(*attendu, generation);
        EXPECT_EQ(premiereDifference(*jeu, *attendu), "") << "try " << essai << ", generation " << generation;
        // The lock of the killed writer does not stop the next save, which
        // leaves nothing of the killed one beside the store.
        EXPECT_TRUE(sauverOptions(*jeu)) << essai;
        for (const auto& e : fs::directory_iterator(fichierDe(xdg).parent_path()))
            EXPECT_EQ(e.path().filename(), "BELVANE 2010.conf") << essai;
    }
    EXPECT_EQ(interrompus, 25);
}

// Damaged files as a player may find them: each bad value takes its default,
// the values after it are still read, the file is kept aside as it was before
// the first save replaces it, and the player is told which values were reset.
TEST_F(MagasinSurDisque, UnFichierEcritALaMainEstLuValeurParValeur) {
    struct Cas {
        const char* ligne;
        bool refuse;
    };
    const Cas cas[] = {
        {"niveau=3", true},                                        // a text
        {"niveau=1, 2", true},                                     // a list
        {"niveau=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x3)", true},       // an integer, not raw bytes
        {"niveau=@Variant(\\xff\\xff\\xff\\xff\\x1\\x2)", true},     // a variant that does not decode
        {"niveau=@ByteArray(\\x3\\0\\0\\0\\0)", true},               // five bytes
        {"niveau=@ByteArray(\\x9)", true},                         // out of the menu
        {"niveau=@ByteArray(\\x3)", false},                        // one byte: the lowest
    };
    int i = 0;
    for (const Cas& c : cas) {
        const fs::path f = dossier / ("main" + std::to_string(i++) + ".conf");
        const std::string contenu = std::string("[General]\nverif=@ByteArray(\\x1)\n") + c.ligne +
                                    "\nfr1=@ByteArray(\\x50\\0\\0\\0)\nscoreTotal3=@ByteArray(\\xe8\\x3\\0\\0)\n";
        ecrireFichier(f, contenu);
        MagasinQSettings magasin(f.string());
        auto jeu = std::make_unique<Jeu>();
        VueOptions vue;
        jeu->vue = &vue;
        jeu->magasin = &magasin;
        chargerOptions(*jeu);
        EXPECT_EQ(jeu->options.verif, 1) << c.ligne;
        EXPECT_EQ(jeu->options.niveau, c.refuse ? 4 : 3) << c.ligne;
        EXPECT_EQ(jeu->regles.poidsRegle[1], 0x50) << c.ligne;   // read past the bad value
        EXPECT_EQ(jeu->scores.scoreTotal[3], 1000) << c.ligne;
        EXPECT_EQ(jeu->regles.poidsRegle[2], 100) << c.ligne;   // missing from an initialised store
        jeu->options.langue = ANGLAIS;
        signalerMagasin(*jeu);
        ASSERT_EQ(vue.nbBoites("erreur"), 1) << c.ligne;  // fr2... and the rest are missing
        const std::string& message = vue.boites[0].texte;
        EXPECT_EQ(message.find("niveau") != std::string::npos, c.refuse) << message;
        // The copy beside the store holds the file as it was found.
        const std::string gardee = magasin.etat.copie;
        ASSERT_FALSE(gardee.empty()) << c.ligne;
        EXPECT_EQ(fs::path(gardee).parent_path(), dossier);
        EXPECT_EQ(fs::path(gardee).filename().string().rfind(f.filename().string() + ".endommage-", 0), 0u) << gardee;
        EXPECT_NE(message.find(gardee), std::string::npos) << message;
        std::ifstream lue(gardee, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(lue), {}), contenu);
        // The next save writes the whole store again.
        ASSERT_TRUE(sauverOptions(*jeu)) << c.ligne;
        MagasinQSettings relu(copie(f, "relu" + std::to_string(i) + ".conf").string());
        auto apres = std::make_unique<Jeu>();
        apres->magasin = &relu;
        chargerOptions(*apres);
        EXPECT_EQ(premiereDifference(*apres, *jeu), "") << c.ligne;
        EXPECT_TRUE(relu.etat.valeursRemises.empty()) << c.ligne;
    }
}

TEST_F(MagasinSurDisque, UnFichierIllisibleEstGardeDeCoteAvantLesDefauts) {
    const fs::path f = dossier / "illisible.conf";
    const std::string contenu("\x01\xff[General\n=@ByteArray(\n\0\0", 20);
    ecrireFichier(f, contenu);
    MagasinQSettings magasin(f.string());
    auto jeu = std::make_unique<Jeu>();
    VueOptions vue;
    jeu->vue = &vue;
    jeu->magasin = &magasin;
    chargerOptions(*jeu);
    EXPECT_EQ(jeu->options.niveau, 4);
    ASSERT_FALSE(magasin.etat.copie.empty());
    std::ifstream lue(magasin.etat.copie, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(lue), {}), contenu);
    EXPECT_TRUE(sauverOptions(*jeu));
    MagasinQSettings relu(copie(f, "illisible-relu.conf").string());
    ASSERT_TRUE(relu.ouvrirCle());
    const auto verif = relu.lire("verif");
    ASSERT_TRUE(verif);
    EXPECT_EQ(verif->octets, std::string(1, '\1'));
    signalerMagasin(*jeu);
    EXPECT_EQ(vue.nbBoites("erreur"), 1);
}

// What is not a regular file once the links are followed is neither read nor
// replaced: a pipe (which would hang the reader), a folder, a loop of links,
// a link to a pipe. The player hears of it at the start.
TEST_F(MagasinSurDisque, CeQuiNEstPasUnFichierOrdinaireEstRefuse) {
    struct Cas {
        const char* nom;
        void (*preparer)(const fs::path& f);
        fs::file_type apres;  // what the store's path still is (through the links)
    };
    const Cas cas[] = {
        {"un tube", [](const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); }, fs::file_type::fifo},
        {"un dossier", [](const fs::path& f) { fs::create_directory(f); }, fs::file_type::directory},
        {"une boucle de liens",
         [](const fs::path& f) {
             fs::create_symlink(f.filename().string() + ".b", f);
             fs::create_symlink(f.filename(), f.string() + ".b");
         },
         fs::file_type::unknown},
        {"un lien vers un tube",
         [](const fs::path& f) {
             ASSERT_EQ(mkfifo((f.string() + ".tube").c_str(), 0600), 0);
             fs::create_symlink(f.filename().string() + ".tube", f);
         },
         fs::file_type::fifo},
    };
    int i = 0;
    for (const Cas& c : cas) {
        const fs::path d = dossier / ("cas" + std::to_string(i++));
        fs::create_directories(d);
        const fs::path f = d / "BELVANE 2010.conf";
        c.preparer(f);
        MagasinQSettings magasin(f.string());
        auto jeu = std::make_unique<Jeu>();
        VueOptions vue;
        jeu->vue = &vue;
        jeu->magasin = &magasin;
        chargerOptions(*jeu);
        EXPECT_EQ(jeu->options.niveau, 4) << c.nom;
        jeu->scores.scoreTotal[1] = 40;
        EXPECT_FALSE(sauverOptions(*jeu)) << c.nom;
        jeu->options.langue = FRANCAIS;
        signalerMagasin(*jeu);
        ASSERT_EQ(vue.nbBoites("erreur"), 1) << c.nom;
        EXPECT_EQ(vue.boites[0].texte.rfind(texte(Texte::magasinIllisible, FRANCAIS) + f.string() + " (", 0), 0u)
            << vue.boites[0].texte;
        std::error_code e;
        const fs::file_type type = fs::status(f, e).type();
        if (c.apres != fs::file_type::unknown) { EXPECT_EQ(type, c.apres) << c.nom; }
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(f)) || type != fs::file_type::regular) << c.nom;
        std::cout << c.nom << ": " << vue.boites[0].texte << "\n";
    }
}

TEST_F(MagasinSurDisque, UnDossierImpossibleNeBloquePasLeJeu) {
    // The maker's folder is a plain file: the key can be neither opened nor created.
    ecrireFichier(dossier / "xdg" / "Oskaveri", "pas un dossier");
    MagasinQSettings magasin(fichierDe(dossier / "xdg").string());
    auto jeu = std::make_unique<Jeu>();
    jeu->magasin = &magasin;
    chargerOptions(*jeu);
    EXPECT_EQ(jeu->options.niveau, 4);  // the defaults are in force for this run
    EXPECT_FALSE(sauverOptions(*jeu));
}

TEST_F(MagasinSurDisque, UneSauvegardeImpossibleLaisseLAncienMagasin) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser writes in a read-only folder";
    const fs::path f = dossier / "ro" / "BELVANE 2010.conf";
    {
        MagasinQSettings magasin(f.string());
        auto jeu = std::make_unique<Jeu>();
        remplirOptions(*jeu, 3);
        jeu->magasin = &magasin;
        ASSERT_TRUE(sauverOptions(*jeu));
    }
    fs::permissions(f.parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
    {
        MagasinQSettings magasin(f.string());
        auto jeu = std::make_unique<Jeu>();
        remplirOptions(*jeu, 4);
        jeu->magasin = &magasin;
        EXPECT_FALSE(sauverOptions(*jeu));
    }
    fs::permissions(f.parent_path(), fs::perms::owner_all);
    MagasinQSettings relu(copie(f, "ro-relu.conf").string());
    auto jeu = std::make_unique<Jeu>();
    jeu->magasin = &relu;
    chargerOptions(*jeu);
    auto attendu = std::make_unique<Jeu>();
    remplirOptions(*attendu, 3);
    EXPECT_EQ(premiereDifference(*jeu, *attendu), "");
}

// A read-only folder, for a player who is not the superuser: every save fails,
// the tool says why on stderr and ends with a failure, and the old store stays.
TEST_F(MagasinSurDisque, UnDossierEnLectureSeuleEstSignaleParLOutil) {
    const std::string prefixe = autreUtilisateur();
    if (prefixe.empty()) GTEST_SKIP() << "the superuser writes in a read-only folder and setpriv is missing";
    fs::permissions(dossier, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                 fs::perms::others_read | fs::perms::others_exec);
    const fs::path f = dossier / "ro" / "store.conf";
    {
        MagasinQSettings magasin(f.string());
        auto jeu = std::make_unique<Jeu>();
        remplirOptions(*jeu, 3);
        jeu->magasin = &magasin;
        ASSERT_TRUE(sauverOptions(*jeu));
    }
    fs::permissions(f, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(f.parent_path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                         fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const std::string avant = lireTout(f);
    const auto [code, erreurs] = commande(prefixe + BELVANE_AUTOPLAY " --deals 2 --seed 5 --store " + f.string());
    std::cout << "read-only folder: exit " << code << ", stderr: " << erreurs;
    EXPECT_EQ(code, 3);
    EXPECT_NE(erreurs.find(texte(Texte::magasinSauvegardeImpossible, ANGLAIS) + f.string() + " (Permission denied)"),
              std::string::npos)
        << erreurs;
    // Said once, although the run saved after each deal.
    EXPECT_EQ(erreurs.find("cannot be saved"), erreurs.rfind("cannot be saved"));
    fs::permissions(f.parent_path(), fs::perms::owner_all);
    EXPECT_EQ(lireTout(f), avant);
}

// A store the player cannot read: said at the start, never written over, and
// the tool ends with a failure.
TEST_F(MagasinSurDisque, UnFichierIllisibleNEstJamaisEcraseParLOutil) {
    const std::string prefixe = autreUtilisateur();
    if (prefixe.empty()) GTEST_SKIP() << "the superuser reads every file and setpriv is missing";
    fs::permissions(dossier, fs::perms::all);
    const fs::path d = dossier / "illisible";
    fs::create_directories(d);
    fs::permissions(d, fs::perms::all);  // anybody could replace the file
    const fs::path f = d / "store.conf";
    {
        MagasinQSettings magasin(f.string());
        auto jeu = std::make_unique<Jeu>();
        remplirOptions(*jeu, 4);
        jeu->magasin = &magasin;
        ASSERT_TRUE(sauverOptions(*jeu));
    }
    fs::permissions(f, fs::perms::owner_read | fs::perms::owner_write);
    const std::string avant = lireTout(f);
    struct stat etatAvant {};
    ASSERT_EQ(stat(f.c_str(), &etatAvant), 0);
    const auto [code, erreurs] = commande(prefixe + BELVANE_AUTOPLAY " --deals 2 --seed 5 --store " + f.string());
    std::cout << "unreadable file: exit " << code << ", stderr: " << erreurs;
    EXPECT_EQ(code, 3);
    EXPECT_NE(erreurs.find(texte(Texte::magasinIllisible, ANGLAIS) + f.string() + " (Permission denied)"),
              std::string::npos)
        << erreurs;
    EXPECT_EQ(erreurs.find("cannot be saved"), std::string::npos);  // one message says it all
    struct stat etatApres {};
    ASSERT_EQ(stat(f.c_str(), &etatApres), 0);
    EXPECT_EQ(etatApres.st_ino, etatAvant.st_ino);
    EXPECT_EQ(lireTout(f), avant);
}

// A pipe in place of the store no longer hangs the tool at start.
TEST_F(MagasinSurDisque, UnTubeAuLieuDuMagasinNeBloquePasLOutil) {
    const fs::path f = dossier / "tube.conf";
    ASSERT_EQ(mkfifo(f.c_str(), 0600), 0);
    const auto [code, erreurs] = commande(BELVANE_AUTOPLAY " --deals 1 --seed 2 --store " + f.string());
    EXPECT_EQ(code, 3);
    EXPECT_NE(erreurs.find(texte(Texte::magasinIllisible, ANGLAIS) + f.string() + " (not a regular file)"),
              std::string::npos)
        << erreurs;
    EXPECT_TRUE(fs::is_fifo(f));
}

// One game per store: a second one is refused while the first runs, and the
// lock of a game that was killed is taken over.
TEST_F(MagasinSurDisque, UneSeulePartieParMagasin) {
    const fs::path xdg = dossier / "verrou";
    const fs::path f = fichierDe(xdg);
    const pid_t pid = lancer({"verrouiller"}, xdg);
    ASSERT_GT(pid, 0);
    const fs::path verrou = f.string() + ".partie.lock";
    for (int i = 0; i < 10000 && !fs::exists(verrou); ++i) usleep(1000);
    ASSERT_TRUE(fs::exists(verrou));
    usleep(50000);  // the holder has written its name into the lock
    {
        MagasinQSettings second(f.string());
        EXPECT_FALSE(second.verrouiller());
    }
    const auto [code, erreurs] = commande(BELVANE_AUTOPLAY " --deals 1 --store '" + f.string() + "'");
    EXPECT_EQ(code, 2);
    EXPECT_NE(erreurs.find("is in use by another game"), std::string::npos) << erreurs;
    EXPECT_FALSE(fs::exists(f));  // nothing was read or written

    kill(pid, SIGKILL);
    EXPECT_EQ(attendre(pid), 128 + SIGKILL);
    EXPECT_TRUE(fs::exists(verrou));  // left behind by the killed game
    MagasinQSettings suivant(f.string());
    EXPECT_TRUE(suivant.verrouiller());
    MagasinQSettings encoreUn(f.string());
    EXPECT_FALSE(encoreUn.verrouiller());  // within one process too
}

// A save or a game killed at the wrong moment leaves its lock empty, or naming
// a process that is gone: the next save, or the next game, takes it at once
// (an empty save lock made QSettings wait 30 s; an empty game lock refused
// every game after it).
TEST_F(MagasinSurDisque, UnVerrouAbandonneEstPrisAussitot) {
    const pid_t disparu = lancer({}, dossier);  // exits at once: its pid names no process
    ASSERT_EQ(attendre(disparu), 2);
    char hote[256] = {};
    gethostname(hote, sizeof hote - 1);
    const std::string auNomDuDisparu = std::to_string(disparu) + "\nbelvane_aide_magasin\n" + hote + "\n";
    struct Cas {
        const char* quoi;
        std::vector<std::pair<std::string, std::string>> laisses;  // suffix of the file, its content
        bool partie;  // the game's lock, else the save's
    };
    const Cas cas[] = {
        {"une sauvegarde tuee apres avoir fait son verrou, avant d'y ecrire", {{".lock", ""}}, false},
        {"tuee aussi en enlevant un verrou abandonne", {{".lock", ""}, {".lock.rmlock", ""}}, false},
        {"un verrou de sauvegarde au nom d'un processus disparu", {{".lock", auNomDuDisparu}}, false},
        {"une partie tuee avant d'ecrire son verrou", {{".partie.lock", ""}}, true},
        {"une partie disparue", {{".partie.lock", auNomDuDisparu}}, true},
    };
    int i = 0;
    for (const Cas& c : cas) {
        const fs::path f = dossier / ("cas" + std::to_string(i++)) / "BELVANE 2010.conf";
        MagasinQSettings magasin(f.string());
        auto jeu = std::make_unique<Jeu>();
        jeu->magasin = &magasin;
        chargerOptions(*jeu);
        for (const auto& [suffixe, contenu] : c.laisses) ecrireFichier(f.string() + suffixe, contenu);
        const auto debut = std::chrono::steady_clock::now();
        if (c.partie) {
            EXPECT_TRUE(magasin.verrouiller()) << c.quoi;
        } else {
            jeu->scores.scoreTotal[2] = 7;
            EXPECT_TRUE(sauverOptions(*jeu)) << c.quoi;
            EXPECT_FALSE(fs::exists(f.string() + ".lock")) << c.quoi;
        }
        // Not a measure of speed: the lock was taken without waiting for it to grow old.
        const auto attente = std::chrono::steady_clock::now() - debut;
        EXPECT_LT(attente, std::chrono::seconds(5)) << c.quoi;
    }
}

// A save killed on its way leaves its temporary "<file>.XXXXXX" beside the
// store: the next save removes it, but never the temporary of a save that
// another process is writing, nor anything else beside the store.
TEST_F(MagasinSurDisque, LesTemporairesDesSauvegardesTueesSontEnleves) {
    const fs::path xdg = dossier / "temporaires";
    const fs::path f = fichierDe(xdg);
    MagasinQSettings magasin(f.string());
    auto jeu = std::make_unique<Jeu>();
    jeu->magasin = &magasin;
    chargerOptions(*jeu);
    const std::string base = f.string();
    const std::vector<std::string> gardes = {base + ".endommage-20240101-120000", base + ".abc", base + ".partie",
                                             (xdg / "Oskaveri" / "autre.conf.Ab12Cd").string()};
    for (const auto& g : gardes) ecrireFichier(g, "x");
    ecrireFichier(base + ".Ab12Cd", "[General]\n");
    ecrireFichier(base + ".x9Y8z7", "");
    ASSERT_TRUE(sauverOptions(*jeu));
    EXPECT_FALSE(fs::exists(base + ".Ab12Cd"));
    EXPECT_FALSE(fs::exists(base + ".x9Y8z7"));
    for (const auto& g : gardes) EXPECT_TRUE(fs::exists(g)) << g;

    // Another process in the middle of its save: its temporary stays while it
    // holds the lock; once it is gone (killed), the next save removes it.
    const pid_t pid = lancer({"sauvegarder"}, xdg);
    ASSERT_GT(pid, 0);
    const fs::path enCours = base + ".EnCour";
    for (int i = 0; i < 10000 && !fs::exists(enCours); ++i) usleep(1000);
    ASSERT_TRUE(fs::exists(enCours));
    std::thread tueur([pid] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        kill(pid, SIGKILL);
    });
    jeu->scores.scoreTotal[1] = 11;
    EXPECT_TRUE(sauverOptions(*jeu));  // waits for the lock of the other save
    tueur.join();
    EXPECT_EQ(attendre(pid), 128 + SIGKILL);
    EXPECT_TRUE(fs::exists(enCours));
    jeu->scores.scoreTotal[1] = 12;
    EXPECT_TRUE(sauverOptions(*jeu));
    EXPECT_FALSE(fs::exists(enCours));
}

}  // namespace
