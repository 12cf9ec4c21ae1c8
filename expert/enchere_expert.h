#pragma once
// The Expert's bid: each bid it may make (and the pass) is judged on the same
// deals imagined for the cards it cannot see, as the bids already made allow;
// the seats still to speak bid their hands' ratings, the taker discards by
// the game's rule, and the deal is played out by the Pro rules. It bids what
// brings its own seat the most on average.
#include <atomic>
#include <random>

struct Jeu;

struct ReglagesEnchereExpert {
    int echantillons = 32;        // imagined deals for every bid
    int echantillonsFinale = 64;  // the best bid and the hand's rating, judged again on fresh deals
};

// The bid of `siege`, whose turn it is: PASSE or a bid above the best so far.
// `arret` (may be null) stops the thinking at once; what it then answers means nothing.
int choisirEnchereExpert(const Jeu& jeu, int siege, const ReglagesEnchereExpert& r, std::mt19937_64& generateur,
                         const std::atomic<bool>* arret = nullptr);
