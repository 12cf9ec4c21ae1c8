#pragma once
// The fixed rating of a dealt hand: the contract it is worth, 0 pass to 4 Garde Contre.
#include "engine/donne.h"

int valeurEvaluation(const Carte& c);
int scoreAtouts(const Main& main);
int scoreMain(const Main& main, int nbAtouts);
int evaluerMain(const Main& main);
int evaluerMain(const Donne& d, int siege);
