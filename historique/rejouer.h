#pragma once
// Dealing a stored deal again, from the history or from its code.
#include "historique/code_donne.h"

struct Jeu;

// Starts a replay of that repartition: the same four hands, the same dog and
// the same opening seat, whatever the hand-strength option says; the global
// scores stay as they are at its end, as for the game's own replay.
void rejouerRepartition(Jeu& jeu, const Repartition& r);
