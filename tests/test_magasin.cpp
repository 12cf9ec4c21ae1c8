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
#include <memory>
#include <random>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
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
        if (v.largeur) EXPECT_EQ(lue->octets.size(), static_cast<std::size_t>(v.largeur)) << v.nom;
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
        // The lock of the killed writer does not stop the next save.
        EXPECT_TRUE(sauverOptions(*jeu)) << essai;
    }
    EXPECT_EQ(interrompus, 25);
}

TEST_F(MagasinSurDisque, UnFichierEcritALaMainEstRefuseValeurParValeur) {
    struct Cas {
        const char* ligne;
        bool refuse;
    };
    const Cas cas[] = {
        {"niveau=3", true},                                   // a text
        {"niveau=1, 2", true},                                // a list
        {"niveau=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x3)", true},  // an integer, not raw bytes
        {"niveau=@ByteArray(\\x3\\0\\0\\0\\0)", true},          // five bytes
        {"niveau=@ByteArray(\\x3)", false},                   // one byte: the lowest
    };
    int i = 0;
    for (const Cas& c : cas) {
        const fs::path f = dossier / ("main" + std::to_string(i++) + ".conf");
        ecrireFichier(f, std::string("[General]\nverif=@ByteArray(\\x1)\n") + c.ligne + "\nfr1=@ByteArray(\\x5\\0\\0\\0)\n");
        MagasinQSettings magasin(f.string());
        auto jeu = std::make_unique<Jeu>();
        VueOptions vue;
        jeu->vue = &vue;
        jeu->magasin = &magasin;
        chargerOptions(*jeu);
        EXPECT_EQ(jeu->options.verif, 1) << c.ligne;
        EXPECT_EQ(vue.nbBoites("erreur"), c.refuse ? 1 : 0) << c.ligne;
        EXPECT_EQ(jeu->options.niveau, c.refuse ? 0 : 3) << c.ligne;
        EXPECT_EQ(jeu->regles.poidsRegle[1], c.refuse ? 0 : 5) << c.ligne;
    }
}

TEST_F(MagasinSurDisque, UnFichierIllisibleEstRemplaceParLesDefauts) {
    const fs::path f = dossier / "illisible.conf";
    ecrireFichier(f, std::string("\x01\xff[General\n=@ByteArray(\n\0\0", 20));
    MagasinQSettings magasin(f.string());
    auto jeu = std::make_unique<Jeu>();
    jeu->magasin = &magasin;
    chargerOptions(*jeu);
    EXPECT_EQ(jeu->options.niveau, 4);
    EXPECT_TRUE(sauverOptions(*jeu));
    MagasinQSettings relu(copie(f, "illisible-relu.conf").string());
    const auto verif = relu.lire("verif");
    ASSERT_TRUE(verif);
    EXPECT_EQ(verif->octets, std::string(1, '\1'));
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

}  // namespace
