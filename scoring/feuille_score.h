#pragma once
// The detailed score sheet: the deal's score as a column of additions and
// multiplications, from the points made to the taker's final score. Its last
// line is always calculerScoreDonne's result.
#include <string>

struct Donne;

struct FeuilleScore {
    int preneur = 0;
    int nbBouts = 0;
    int pointsRealises = 0;
    int contrat = 0;      // the points the taker needed
    int depassement = 0;  // points made minus the contract

    bool lignesPetit = false;  // shown only with a petit au bout
    std::string signePetit;    // "+" the taker's, "-" the defence's
    int primePetit = 10;
    int scoreApresPetit = 0;

    std::string signeGain;  // "+" contract made, "-" failed
    int constContrat = 25;
    int scoreTmp = 0;

    int coefficientEnchere = 1;
    int scoreApresEnchere = 0;

    bool lignesPoignee = false;  // shown only with a declared handful
    std::string signePoignee;
    int valeurPoignee = 0;
    int scoreApresPoignee = 0;

    bool lignesChelem = false;  // shown only with a chelem announced or made
    std::string signeChelem;
    int valeurChelem = 0;       // the premium, without its sign
    int scoreApresChelem = 0;

    int scoreFinalPreneur = 0;  // three times what each defender pays
};

FeuilleScore calculerFeuilleScore(const Donne& d);
