#pragma once
// The Expert taker's discard: a few sensible discards (the game's own, drawn
// several times, and the voids it could make), each judged on the same deals
// imagined for the hands it cannot see, played out by the Pro rules; the
// best on average is kept.
#include <array>
#include <atomic>
#include <random>
#include <vector>

#include "engine/carte.h"

struct Jeu;

struct ReglagesEcartExpert {
    int echantillons = 72;   // imagined deals for every discard
    int tiragesRegle = 6;    // the game's own discard, drawn this many times
    int finalistes = 3;      // the best ones, judged again on fresh deals
    int echantillonsFinale = 144;
};

using Ecart = std::array<Carte, 6>;

// The discards worth judging for the taker of `jeu`, whose hand and dog
// (`chien`) are not yet merged; the first is the one the game's own rule
// would make now. None holds a trump, the Excuse or a Roi.
std::vector<Ecart> ecartsCandidats(const Jeu& jeu, const ReglagesEcartExpert& r, std::mt19937_64& generateur);

// The discard chosen by imagined deals. `arret` (may be null) stops the
// thinking at once; what it then answers means nothing.
Ecart choisirEcartExpert(const Jeu& jeu, const ReglagesEcartExpert& r, std::mt19937_64& generateur,
                         const std::atomic<bool>* arret = nullptr);

// Sets `ecart` aside for the taker: his 18 other cards in hand order, the
// discard in `chien`, where each came from, and the knowledge built.
void appliquerEcart(Jeu& jeu, const Ecart& ecart);
