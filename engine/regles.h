#pragma once
// What the computers' card choice keeps from one choice, one deal and one run
// to the next: the rule weights, the log of the rules that imposed a card, and
// the state of the choice in progress.
#include <cstdint>

#include "engine/table.h"

constexpr int nbRegles = 100;  // size of the rule tables; rules 1..74 exist
constexpr int nbReglesMax = 74;
constexpr int tailleJournal = 72;

// etatRegle: the rule may still be tried, is switched off, or imposed the card.
constexpr int REGLE_ETEINTE = 0;
constexpr int REGLE_ACTIVE = 1;
constexpr int REGLE_IMPOSEE = 2;

// carteGagnante when neither the seat nor the seat winning so far is the taker.
constexpr int DEFENSE_GAGNE = 100;

struct EtatRegles {
    // Adaptive weight of each rule, in percent (60..150, 100 by default).
    Table<int, 1, nbRegles> poidsRegle;
    // The deal's log.
    int nbReglesUtilisees = 0;
    Table<int, 1, tailleJournal> regleUtilisee;
    Table<int, 1, tailleJournal> joueurRegleUtilisee;

    // The choice in progress (kept after it until the next one).
    Table<int, 1, nbRegles> etatRegle;
    Table<std::uint8_t, 1, nbRegles> regleAdaptative;
    std::uint8_t carteChoisie = 0;
    int joueurIA = 0;
    int positionPli = 0;  // 1 the seat leads .. 4 it plays last
    int apresPreneur = 0;
    int facePreneur = 0;
    int avantPreneur = 0;
    int gagne = 0;    // carteGagnante(joueurIA)
    int gagnant = 0;  // gagnantProvisoire(joueurIA)

    // Before the first choice of a run every rule reads as active, as at the
    // start of any choice. The weights stay zero until the options are read
    // or defaulted, as every stored value does.
    EtatRegles() { etatRegle.remplir(REGLE_ACTIVE); }
};

struct Jeu;

// Whether card-play rule `regle` is still active in the last card choice.
bool regleActive(const Jeu& jeu, int regle);
