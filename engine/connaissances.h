#pragma once
// What each seat knows and deduces about the cards during play, and where
// every card really is.
#include "engine/table.h"

struct Jeu;

struct Connaissances {
    // Per-deal flags cleared by the new deal, before the knowledge is built.
    int couleurLongueCoupee = 0;
    int chienMontre = 0;
    Table<int, 1, 4> couleurJoueeParPreneur;
    int petitJoue = 0;
};

void initialiserConnaissances(Jeu& jeu);
void noterCarteJouee(Jeu& jeu, int siege, int slot);
void noterCarteHorsJeu(Jeu& jeu, int siege, int slot, int couleur, int valeur);
void deduireConnaissances(Jeu& jeu);
int plusHautAtoutEnJeu(const Jeu& jeu, int observateur);
void rafraichirMaitres(Jeu& jeu);
void afficherDeductions(Jeu& jeu);
