#pragma once
// The hidden cards dealt as the auction makes likely. Every computer seat
// bids its hand's rating when that beats the best bid so far and passes
// otherwise, so a seat that passed was dealt a hand rated no more than the
// bid before it, and a seat that bid was dealt a hand rated exactly that
// bid. A sampled deal is put back together into the hands as dealt (the
// cards each seat still holds, those it played, and for the taker under
// Prise and Garde his discard less the dog he took up) and kept only when
// each such hand agrees with its seat's bid.
#include <random>

#include "expert/savoir.h"
#include "solveur/solveur.h"

// The hand `siege` was dealt in the sampled deal `p`, as `s` sees the
// public play; false when the cards do not make 18.
bool mainDistribuee(const SavoirSiege& s, const Position& p, int siege, Main& main);

// Every seat whose bid is heard agrees with its hand's rating in `p`.
bool accordeAvecEncheres(const SavoirSiege& s, const Position& p);

// Every card played so far, by a seat other than the one of `s`, was legal
// with the hand the sampled deal `p` gives that seat at that trick (the cards
// it holds in `p` and those it played from that trick on): it followed when
// it could, trumped when it could not, and overtrumped when it could. The
// knowledge tables record the voids but not every trump a seat could not
// have held.
bool accordeAvecLeJeu(const SavoirSiege& s, const Position& p);

// Up to `essais` deals drawn by tirerDonne until one agrees with the auction
// (and with the cards played when `jeuLegal`); none agreeing, the last drawn
// is kept. With `essais` 1 or less, the draw of tirerDonne itself. Answers
// false only when tirerDonne does.
bool tirerDonneVraisemblable(const SavoirSiege& s, std::mt19937_64& generateur, Position& p, int essais,
                             bool jeuLegal = true);
