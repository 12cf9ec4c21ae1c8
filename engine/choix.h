#pragma once
// The computers' card choice: narrows jouable[siege], never to nothing.
struct Jeu;

void choisirCarte(Jeu& jeu, int siege);
