#pragma once
// The dog, the human taker's discard screen and the computer taker's discard.
struct Jeu;

void montrerChien(Jeu& jeu);
void apresChien(Jeu& jeu);
void ouvrirEcart(Jeu& jeu);
// A click on display position 1..24 of the discard screen.
void cliquerCarteEcart(Jeu& jeu, int position);
void confirmerEcart(Jeu& jeu);
void ecartOrdinateur(Jeu& jeu);
