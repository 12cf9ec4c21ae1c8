#pragma once
// Computer players of different strengths at one table: each seat has its own
// level and adaptive mode, and each level its own way of choosing a card.
// The game itself seats four players of the level of its menu; the headless
// tools seat any mixture, to measure one level against another.
#include <string>

#include "engine/table.h"

struct Jeu;

// Levels: 0 plays a uniformly random legal card, 1 Débutant .. 4 Pro.
constexpr int NIVEAU_HASARD = 0;
constexpr int NIVEAU_MAX = 4;

struct NiveauSiege {
    int niveau = 4;
    bool adaptatif = true;
};
using NiveauxSieges = Table<NiveauSiege, 1, 4>;

// How a seat at some level narrows its playable cards before the play step
// draws among them; it never leaves the seat without a playable card.
using FaconDeChoisir = void (*)(Jeu&, int siege);

// The way of `niveau`, or nullptr for a level that does not exist. A new level
// is one more entry here and a higher NIVEAU_MAX.
FaconDeChoisir faconDeChoisir(int niveau);
// The level's name in the tools' reports: "random", then the game's names.
const char* nomNiveauOutil(int niveau);
// "0 random, 1 Débutant, ..., 4 Pro": every level, for the tools' help.
std::string listeNiveauxOutil();
// Seats `niveaux` at the table: before each computer choice the level and
// adaptive mode of the seat about to choose are put in force, its level's way
// chooses, and the game's own level and mode come back.
void installerNiveauxSieges(Jeu& jeu, const NiveauxSieges& niveaux);
