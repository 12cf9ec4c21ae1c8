#pragma once
// Shuffling and dealing.
#include "engine/jeu.h"

// One attempt at a deal; false when the deal is rejected and must be dealt again.
bool donner(Jeu& jeu);
void echangerMains(Donne& d, int a, int b);
// The deal checks: a seat whose only card of suit 0 is the Petit, and a seat
// that could not find six cards to discard even with the dog's.
bool petitSec(const Main& main);
bool ecartImpossible(const Donne& d);

// The dealing part of a new deal: mode 0 a fresh deal (the opening seat moves
// on), 1 a replay of the last fresh deal (it stays). Deals until an attempt is
// accepted, then sorts the hands and the dog; answers the number of attempts.
int distribuer(Jeu& jeu, int mode);
