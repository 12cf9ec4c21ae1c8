#pragma once
// Puts the table back as the deal's state says, after the state itself has
// been put back (a resumed deal, a card taken back, a deal to practise), and
// arms again the step that was pending.
#include "reprise/instantane.h"

struct Jeu;

// Draws without moving the game's generator: the deal plays on as it would have.
void reafficherDonne(Jeu& jeu);
void armerMinuteurs(Jeu& jeu, const MinuteursArmes& minuteurs);
