#pragma once
// What the table says about a card: its name read aloud, and why the human
// may not choose it now.
#include <string>

#include "engine/carte.h"

struct Jeu;

// "Roi de cœur" / "King of hearts", "Atout 21" / "Trump 21", "Excuse" / "Fool";
// empty for an empty place.
std::string nomCarte(const Carte& c, int langue);
// The suit's name in a sentence: "cœur" / "hearts"; empty outside 1..4.
const std::string& nomCouleur(int couleur, int langue);

// Whether hand slot `slot` (1..18) is a card the human holds and may not play
// on this turn: his turn, no handful offer waiting, the card not playable.
bool carteInjouable(const Jeu& jeu, int slot);
// Why the human may not play hand slot `slot` now, from the trick and the
// reasons calculerJouables gave his playable cards; empty when he may, or
// when the game is not waiting for his card.
std::string raisonInjouable(const Jeu& jeu, int slot, int langue);

// Whether the card at position 1..24 of the discard screen may never go to the
// discard (a trump, the Excuse, a Roi).
bool carteNonEcartable(const Jeu& jeu, int position);
// Why the card at that position cannot be chosen for the discard now; empty
// when it can.
std::string raisonEcart(const Jeu& jeu, int position, int langue);

// Whether slot k (1..18) of the handful window cannot be chosen: the Excuse
// anywhere but at the last place of the handful.
bool carteNonPoignee(const Jeu& jeu, int k);
