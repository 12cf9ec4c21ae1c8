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
// With the chelem in force: the four cards of the 18th trick are down, the
// Excuse led it and the leader's side has won the 17 tricks before, so the
// Excuse wins the trick.
struct Donne;
bool excuseGagneDernierPli(const Donne& d);
// Arms the card timer with the interval of the card-speed option.
void armerTimerCarte(Jeu& jeu);

// The screen reader's announcements (Vue::annoncer): only with the keyboard
// option on and to a table that reads them. They draw nothing at random and
// change nothing of the game.
bool annoncesLues(const Jeu& jeu);
// "<Seat> plays <card>".
void annoncerCarteJouee(Jeu& jeu, int siege, const Carte& c);
// "<Seat> to play", or "Your turn to play" for the human.
void annoncerTour(Jeu& jeu, int siege);
