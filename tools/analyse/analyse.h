#pragma once
// belvane-analyse: reads the deals recorded by belvane-autoplay --jsonl and
// prints, for each deal with a taker, the open-cards value of the deal before
// its first card and after each of its 72 cards, and whether the contract
// could still be made at each of them.
#include <iosfwd>
#include <string>
#include <vector>

#include "solveur/solveur.h"

struct ParametresAnalyse {
    double budget = 10;  // seconds per position, for the value and as much again for the makeability
    int fils = 1;        // threads each search may use
    bool aide = false;
};

bool analyserArgumentsAnalyse(int argc, const char* const* argv, ParametresAnalyse& p, std::string& erreur);
std::string usageAnalyse();
// Reads records until the end of `entree`; answers the process exit status:
// 0, or 1 when a record could not be analysed.
int executerAnalyse(const ParametresAnalyse& p, std::istream& entree, std::ostream& sortie, std::ostream& erreurs);

// One record read back: the deal before its first card and its 72 cards in
// the order they were played, each checked legal.
struct DonneLue {
    long long numero = 0;
    bool avecPreneur = false;  // a deal everybody passed has nothing to analyse
    Position depart;
    std::vector<Carte> cartes;
    int scoreJoue = 0;  // the record's own score of the taker (handful included), when it gives one
};

// Reads one record (a line of JSON); on a fault answers false with the fault
// in `erreur`, and `d.numero` names the deal when the record did.
bool lireDonne(const std::string& ligne, DonneLue& d, std::string& erreur);
