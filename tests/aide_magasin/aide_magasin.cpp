// A second process for the store's tests, working on the current user's store
// (under XDG_CONFIG_HOME):
//   ecrire G    saves the values of seed G
//   verifier G  exits 0 when the store holds exactly the values of seed G
//   boucle      saves generation 1, 2, 3... until it is killed
//   verrouiller takes the store's game lock, says "pret" and waits to be killed
//   sauvegarder takes the lock of a save, writes a temporary beside the store
//               as a save does, says "pret" and waits to be killed
#include <QLockFile>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <unistd.h>

#include "engine/jeu.h"
#include "settings/magasin_qsettings.h"
#include "settings/options.h"
#include "tests/options_exemple.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    MagasinQSettings magasin;
    if (std::strcmp(argv[1], "boucle") == 0) {
        for (std::int32_t g = 1;; ++g) {
            auto jeu = std::make_unique<Jeu>();
            jeu->magasin = &magasin;
            remplirGeneration(*jeu, g);
            if (!sauverOptions(*jeu)) return 3;
            if (g == 1) {
                std::puts(magasin.fichier().c_str());
                std::fflush(stdout);
            }
        }
    }
    if (std::strcmp(argv[1], "verrouiller") == 0) {
        if (!magasin.verrouiller()) return 4;
        std::puts("pret");
        std::fflush(stdout);
        for (;;) pause();
    }
    if (std::strcmp(argv[1], "sauvegarder") == 0) {
        QLockFile verrou(QString::fromStdString(magasin.fichier() + ".lock"));
        if (!verrou.tryLock(0)) return 4;
        std::ofstream(magasin.fichier() + ".EnCour") << "[General]\n";
        std::puts("pret");
        std::fflush(stdout);
        for (;;) pause();
    }
    if (argc < 3) return 2;
    const auto graine = static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10));
    auto jeu = std::make_unique<Jeu>();
    jeu->magasin = &magasin;
    if (std::strcmp(argv[1], "ecrire") == 0) {
        remplirOptions(*jeu, graine);
        if (!sauverOptions(*jeu)) return 3;
        std::puts(magasin.fichier().c_str());
        return 0;
    }
    if (std::strcmp(argv[1], "verifier") == 0) {
        auto attendu = std::make_unique<Jeu>();
        remplirOptions(*attendu, graine);
        chargerOptions(*jeu);
        const std::string difference = premiereDifference(*jeu, *attendu);
        if (difference.empty()) return 0;
        std::fprintf(stderr, "differs at %s\n", difference.c_str());
        return 1;
    }
    return 2;
}
