#pragma once
// The handful (poignée) declaration: the offer's three size
// buttons open the selection window, whose clicks come here. The selection is
// kept in jeu.poignee; only jeu.donne.poigneeHumain outlives the window.
struct Jeu;

// Cards a handful of that size shows: 1 simple 10, 2 double 13, 3 triple 15; 0 otherwise.
int taillePoigneePour(int t);
// Trumps and the Excuse in the human's hand.
int compterAtoutsHumain(const Jeu& jeu);

// PanelPoigneeSimple, PanelPoigneeDouble, PanelPoigneeTriple: t = 1, 2, 3.
// Ignored unless the offer is open and the hand holds enough trumps for that size.
void ouvrirPoignee(Jeu& jeu, int t);
// The click on CartePoignee k, 1..18.
void cliquerCartePoignee(Jeu& jeu, int k);
void PanelBoutonParesseuxClick(Jeu& jeu);
// Ignored unless exactly taillePoignee cards are selected.
void PanelOkPoigneeClick(Jeu& jeu);
void PanelAnnulerPoigneeClick(Jeu& jeu);
// The common end of the window: play goes on with the human's first card.
void fermerPoignee(Jeu& jeu);
