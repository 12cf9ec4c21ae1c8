#include <iostream>

#include "tools/duel/duel.h"

int main(int argc, char** argv) {
    ParametresDuel p;
    std::string erreur;
    if (!analyserArgumentsDuel(argc, argv, p, erreur)) {
        std::cerr << "belvane-duel: " << erreur << " (see --help)\n";
        return 2;
    }
    if (p.aide) {
        std::cout << usageDuel();
        return 0;
    }
    return executerDuel(p, std::cout, std::cerr);
}
