#pragma once
// The card hint: the card the computers' "Pro" rules would play in the
// human's place, chosen from what he knows. Asking changes nothing in the
// game: the rules run on a copy that sees the deal through the human's eyes,
// with a generator of its own.
#include <string>

#include "engine/table.h"

struct Jeu;

struct Conseil {
    int slot = 0;       // the hand slot advised, 0 when there is no card to advise
    int regle = 0;      // the rule that imposed it, 0 for a free choice
    int nbJouables = 0;  // the human's playable cards
    int nbLaissees = 0;  // those the rules left
    Table<int, 1, 18> laissees;  // 1 for each card the rules left
};

// The deal as `siege` sees it: every hand but his emptied, each other seat's
// own counts and knowledge cleared, where each card lies reduced to his own
// cards and the cards played, and the dog or the discard cleared when he has
// not seen it. Meant for a copy of the game, never for the game itself.
void vueDuJoueur(Jeu& copie, int siege);

// The hint for the human's card now; slot 0 when the game is not waiting for it.
// Reads the game and never writes it: the generator, the knowledge and the
// rule log stay as they were.
Conseil conseillerCarte(const Jeu& jeu);

// The sentence of the information bar for this hint.
std::string texteConseilCarte(const Conseil& c, int langue);
// A short description of card-play rule k (1..74).
const std::string& descriptionRegle(int k, int langue);
