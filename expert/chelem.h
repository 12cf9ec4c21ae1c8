#pragma once
// The Expert's chelem announcement: before the first card, the taker deals
// the cards it cannot see at random as far as what it knows allows, and
// looks, with every card known, whether leading from the first trick it
// takes every trick whatever the defenders play. It announces when nearly
// every sampled deal says so.
#include <cstdint>
#include <random>

#include "solveur/solveur.h"

struct Jeu;

struct ReglagesChelem {
    int echantillons = 12;
    int echecsAdmis = 1;           // sampled deals that may fail, or be left unsettled
    long long noeudsParDonne = 60000;  // cards tried for one sampled deal; beyond, unsettled
};

// Whether the taker's side, with `p.joueur` to lead an empty trick, wins
// every remaining trick against any defence: 1 yes, 0 no, -1 not settled
// within `noeuds` cards tried. The Excuse led alone in the last trick by the
// taker's side wins it, as under the chelem.
int chelemOuvert(const Position& p, long long noeuds);

// The Expert taker's decision, by `reglages.echantillons` sampled deals.
bool expertAnnonceChelem(const Jeu& jeu, int siege, std::mt19937_64& generateur, const ReglagesChelem& reglages = {});
