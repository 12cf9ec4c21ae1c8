#pragma once
// What the computers' card choice keeps from one choice, one deal and one run
// to the next: the rule weights and the log of the rules that imposed a card.
#include "engine/table.h"

constexpr int nbRegles = 100;  // size of the rule tables; rules 1..74 exist
constexpr int nbReglesMax = 74;
constexpr int tailleJournal = 72;

struct EtatRegles {
    // Adaptive weight of each rule, in percent (60..150, 100 by default).
    Table<int, 1, nbRegles> poidsRegle;
    // The deal's log.
    int nbReglesUtilisees = 0;
    Table<int, 1, tailleJournal> regleUtilisee;
    Table<int, 1, tailleJournal> joueurRegleUtilisee;
};

struct Jeu;

// Whether card-play rule `regle` is still active in the last card choice.
bool regleActive(const Jeu& jeu, int regle);
