#include <iostream>

#include "tools/autoplay/autoplay.h"

int main(int argc, char** argv) {
    ParametresAutoplay p;
    std::string erreur;
    if (!analyserArguments(argc, argv, p, erreur)) {
        std::cerr << "belvane-autoplay: " << erreur << " (see --help)\n";
        return 2;
    }
    if (p.aide) {
        std::cout << usageAutoplay();
        return 0;
    }
    return executerAutoplay(p, std::cout, std::cerr);
}
