#pragma once
// Bounds for the search, from the cards still held at the start of a trick:
// what one side can make sure of over the tricks still to play, whatever the
// other side does. The search turns them into bounds of the taker's margin
// and stops at once when one settles its question.
#include <cstdint>

#include "engine/carte.h"

// The cards still held at the start of a trick (nothing on the table), by
// seat 0..3 and suit: in suit 0 bit 0 is the Excuse and bits 1..21 the
// trumps, in suits 1..4 bits 1..14 the cards. Every seat holds `plis` cards.
struct Mains {
    std::uint32_t main[4][5];
    int preneur = 0;
    int entameur = 0;
    int plis = 0;         // tricks still to play, 2 or more
    int pointsEnMain = 0;  // half-points of every card held
};

// What one side can secure over the tricks still to play: half-points and
// oudlers won by the taker (the Excuse's exchange included) and the petit au
// bout (0 none, 1 the taker, 2 the defence). For the taker a floor: he can
// play so that he wins at least `points` and `bouts` and the petit au bout is
// never worse for him than `petitAuBout` (from worst to best: 2, 0, 1). For
// the defence a ceiling: it can hold him to at most `points` and `bouts` and
// to a petit au bout never better for him than `petitAuBout`.
struct Garantie {
    int points = 0;
    int bouts = 0;
    int petitAuBout = 0;
    int source = 0;  // the reasoning that gave it, a SOURCE_ value
    // Per suit, the lowest card whose rank it read (31: none): it holds as
    // well for any hands with the same holders of every card in play from
    // that one up, each seat holding the same honours (the faces; the 21,
    // the Petit and the Excuse) and as many other cards of each suit.
    std::int8_t lus[5] = {31, 31, 31, 31, 31};
};

// The reasonings, each described where it is computed.
enum SourceGarantie : int {
    SOURCE_SURES,     // tricks won whatever either side plays, the Excuse kept
    SOURCE_ENCAISSE,  // the taker on lead cashes his sure tricks
    SOURCE_TOUT,      // the taker wins every trick, whoever leads
    NB_SOURCES
};

// The guarantees of one start of a trick, each worked out when asked, so
// that the search stops at the first that settles its question. Each comes
// with its reasoning where it is computed.
struct Bornes {
    explicit Bornes(const Mains& m);
    // The same from hands read where they lie, without a copy, with each
    // seat's count of `hautes` already known. Written here so that the
    // search, which makes one at each trick it reaches, does it in place.
    Bornes(const std::uint32_t (&main)[4][5], int preneur_, int entameur_, int plis, int pointsEnMain,
           const std::int8_t (&hautes_)[4])
        : mains(main), preneur(preneur_), entameur(entameur_), nbPlis(plis) {
        for (int s = 0; s < 4; ++s) hautes[s] = hautes_[s];
        constexpr std::uint32_t excuse = 1u << EXCUSE;
        const std::uint32_t duPreneur = mains[preneur][ATOUT];
        atoutsPreneur = duPreneur & ~excuse;
        tousAtouts = mains[0][ATOUT] | mains[1][ATOUT] | mains[2][ATOUT] | mains[3][ATOUT];
        // Each card has one holder: the defence holds every trump the taker does not.
        atoutsDefense = tousAtouts & ~duPreneur & ~excuse;
        total = pointsEnMain;
        petitEnJeu = tousAtouts & (1u << PETIT);
        excusePreneur = duPreneur & excuse;
        excuseDefense = (tousAtouts & excuse) && !excusePreneur;
    }

    // The tricks each side wins whatever either side plays.
    Garantie sursPreneur() const;
    Garantie sursDefense() const;
    // The taker on lead cashes his sure tricks; false when he is not on lead
    // or has none.
    bool encaisserPreneur(Garantie& g) const;
    // The taker wins every trick, whoever leads; false when that is not sure.
    bool toutPreneur(Garantie& g) const;

    const std::uint32_t (&mains)[4][5];
    int preneur;
    int entameur;
    int nbPlis;                   // tricks still to play, 2 or more
    std::uint32_t atoutsPreneur;  // trumps, the Excuse apart
    std::uint32_t atoutsDefense;
    std::uint32_t tousAtouts;     // the Excuse included
    bool petitEnJeu;
    bool excusePreneur;
    bool excuseDefense;
    int total;                    // half-points of every card held
    // Per seat, the cards of more than one half-point: the faces, the Petit and the 21.
    std::int8_t hautes[4];
};

// The cards of more than one half-point among a seat's cards.
int nombreDeHautes(const std::uint32_t main[5]);

// At most this many guarantees for one side.
constexpr int MAX_GARANTIES = 4;

// Every floor of the taker; answers how many.
int garantiesPreneur(const Mains& m, Garantie* g);
// Every ceiling of the defence; answers how many.
int garantiesDefense(const Mains& m, Garantie* g);
