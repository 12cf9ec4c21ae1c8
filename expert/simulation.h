#pragma once
// Deals imagined by the Expert before the first card: the hands it cannot
// see dealt at random as the auction allows, and played out to the end by the
// Pro rules on a copy of the game, so that a discard (or a bid) can be judged
// by the scores it brings on average.
#include <cstdint>
#include <random>

#include "engine/jeu.h"

// Leaves `j` without window, timers, store, end-of-deal hooks or the
// computers' bid, card and handful hooks: a game that plays headless.
void detacherJeu(Jeu& j);

// A copy of `jeu` for imagining: no window, no timers, no store, no end-of-deal
// hook, every seat at the Pro rules without adaptive weights, and its own
// generator seeded from `generateur` (the game's generator is never drawn).
Jeu copieImaginaire(const Jeu& jeu, std::mt19937_64& generateur);

// Deals the cards `observateur` cannot see among the other seats (18 each,
// sorted) and, when `chienConnu` is false, the dog (sorted; the hands and dog
// as dealt follow). The observer's hand stays, and the dog too when known.
// A computer seat that has spoken holds a hand that agrees with its bid when
// a draw allows (a seat that bid, a hand rated that bid; a seat that passed,
// one rated no more than the best bid before it): up to `essais` deals are
// drawn and the first that agrees is kept, else the last. The human's seat is
// dealt freely (his bid is his own). The ratings are those of the new hands.
void distribuerCachees(Jeu& jeu, std::mt19937_64& generateur, int observateur, bool chienConnu, int essais = 200);

// Plays the deal of `jeu`, ready for the seat to play, to its end by the Pro
// rules at every seat; answers the taker's score without handful.
int jouerJusquAuBout(Jeu& jeu);
