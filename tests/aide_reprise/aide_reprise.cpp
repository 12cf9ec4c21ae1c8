// A process for the tests of the deal in progress kept on disk:
//   boucle FICHIER GRAINE N   plays the N deals of that seed again and again,
//                             saving the deal to FICHIER after every step,
//                             until it is killed.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "reprise/reprise.h"
#include "tests/partie_reprise.h"

int main(int argc, char** argv) {
    if (argc < 5 || std::string(argv[1]) != "boucle") return 2;
    Reprise reprise(QString::fromLocal8Bit(argv[2]));
    const auto graine = std::strtoull(argv[3], nullptr, 10);
    const int donnes = std::atoi(argv[4]);
    for (bool premier = true;; premier = false) {
        auto p = std::make_unique<PartieReprise>(graine);
        for (int n = 0; n < donnes;) {
            const bool finie = p->jeu.donne.numeroPli == 19;
            p->unPas();
            if (!reprise.noterEtape(p->jeu, p->suivis.armes())) return 3;
            n += !finie && p->jeu.donne.numeroPli == 19;
            if (premier && n == 0 && p->jeu.donne.numeroPli == 1) {
                std::puts("pret");
                std::fflush(stdout);
                premier = false;
            }
        }
    }
}
