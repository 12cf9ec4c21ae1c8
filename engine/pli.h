#pragma once
// Which cards may be played, playing them, and resolving tricks.
#include "engine/carte.h"

struct Jeu;

void calculerJouables(Jeu& jeu, int siege);
// A click on hand image 1..24.
void jouerCarteHumain(Jeu& jeu, int slot);
void jouerCarteOrdinateur(Jeu& jeu, int siege);
// Trick bookkeeping for the card just put down by `siege`.
void suivrePli(Jeu& jeu, int siege, const Carte& c);
void apresCarte(Jeu& jeu);
void finirPli(Jeu& jeu);
// Arms the card timer with the interval of the card-speed option.
void armerTimerCarte(Jeu& jeu);
