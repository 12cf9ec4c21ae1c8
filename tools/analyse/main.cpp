#include <iostream>

#include "tools/analyse/analyse.h"

int main(int argc, char** argv) {
    ParametresAnalyse p;
    std::string erreur;
    if (!analyserArgumentsAnalyse(argc, argv, p, erreur)) {
        std::cerr << "belvane-analyse: " << erreur << " (see --help)\n";
        return 2;
    }
    if (p.aide) {
        std::cout << usageAnalyse();
        return 0;
    }
    return executerAnalyse(p, std::cin, std::cout, std::cerr);
}
