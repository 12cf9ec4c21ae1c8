#pragma once
// The Expert's cards while too many tricks remain for the solver: each
// legal card is tried on sampled deals, played out to the end by the Pro
// rules at every seat, and the card that brings its side the most on
// average is played. A sampled deal is rebuilt from its first trick (the
// hands as dealt, the dog and the discard) and the tricks so far are played
// again on it, so that every seat's knowledge tables are those it would
// have had in that deal.
#include <atomic>
#include <random>

#include "engine/jeu.h"
#include "expert/expert.h"
#include "expert/savoir.h"

// In `j`, a copy of `jeu` for imagining, the deal `p` sampled for the seat
// of `s`, played again from its first trick up to the moment of `jeu`;
// false when the tricks so far cannot be played again on it.
bool rejouerDonneTiree(const Jeu& jeu, const SavoirSiege& s, const Position& p, Jeu& j);

// The seat to play in `jeu` chooses by play-outs, from what it knows.
// `arret` (may be null) stops it at once; nothing is then chosen.
ChoixExpert choisirParPartiesPro(const Jeu& jeu, const SavoirSiege& s, const ReglagesExpert& reglages,
                                 std::mt19937_64& generateur, const std::atomic<bool>* arret = nullptr);
