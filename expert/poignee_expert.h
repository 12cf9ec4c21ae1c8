#pragma once
// The Expert's handful under the official rules: at the seat's first card,
// not showing its trumps and each size its hand allows are judged on the same
// deals imagined for the cards it cannot see (as it knows them: its hand, the
// auction, the cards already in the first trick, the handfuls already shown).
// Each imagined deal is played out by the Pro rules, the others declaring
// their handfuls as the game does, and scored with the handfuls' premium,
// which goes to the side that wins the deal. A defender whose side is likely
// to lose keeps his trumps hidden: showing them would hand the taker the
// premium and tell the table where the trumps lie.
#include <atomic>
#include <random>

#include "engine/table.h"
#include "expert/savoir.h"

struct Jeu;

struct ReglagesPoigneeExpert {
    int echantillons = 32;  // imagined deals, the same for every size
    // Deals drawn for one sample until one agrees with the bids heard, and
    // the cards of the first trick legal with the sampled hands (as the
    // card choice draws them).
    int essaisEnchere = 50;
    bool jeuLegal = true;
};

// What each choice brought the seat on average over the imagined deals:
// moyenne[0] not showing, moyenne[t] the handful of size t (1 simple,
// 2 double, 3 triple) up to `plusGrande`.
struct BilanPoignee {
    int plusGrande = 0;
    int choisie = 0;
    int echantillons = 0;  // imagined deals played out
    double moyenne[4] = {0, 0, 0, 0};
};

// The handful `siege` declares at its first card: 0 none, else 1 up to the
// largest its hand allows (that largest when no deal could be imagined, and
// among equal averages). `entendues` (may be null: all) are the seats whose
// bid the sampler reads. `arret` (may be null) stops the thinking at once;
// what it then answers means nothing.
BilanPoignee jugerPoigneeExpert(const Jeu& jeu, int siege, const ReglagesPoigneeExpert& r,
                                std::mt19937_64& generateur, const std::atomic<bool>* arret = nullptr,
                                const Table<bool, 1, 4>* entendues = nullptr);
// The same from `savoir`, what the seat knows at this moment (with the
// bids it does not hear left out), in `jeu` or a copy of it keeping only
// the public play and the seat's hand (copiePendantLeJeu).
BilanPoignee jugerPoigneeExpert(const Jeu& jeu, const SavoirSiege& savoir, const ReglagesPoigneeExpert& r,
                                std::mt19937_64& generateur, const std::atomic<bool>* arret = nullptr);
int choisirPoigneeExpert(const Jeu& jeu, int siege, const ReglagesPoigneeExpert& r, std::mt19937_64& generateur,
                         const std::atomic<bool>* arret = nullptr, const Table<bool, 1, 4>* entendues = nullptr);

// The seat's handful shown in `jeu` as the game shows one: the size noted
// for the seat (the human's or a computer's), its trumps chosen and noted by
// every other seat. False when its hand cannot show that size.
bool montrerPoignee(Jeu& jeu, int siege, int t);

// Plays the deal of `jeu`, ready for a seat to play, to its end by the Pro
// rules; in the first trick each seat still to play declares the largest
// handful it can (the human's seat too), but `decide`, whose handful is
// settled already (0: none is). Answers the taker's score with the handfuls'
// premium.
int jouerAvecPoignees(Jeu& jeu, int decide);
