#pragma once
// Bounds for the search, from the cards still held at the start of a trick:
// what one side can make sure of over the tricks still to play, whatever the
// other side does. The search turns them into bounds of the taker's margin
// and stops at once when one settles its question.
#include <cstdint>

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
};

// The reasonings, each described where it is computed.
enum SourceGarantie : int {
    SOURCE_SURES,     // tricks won whatever either side plays, the Excuse kept
    SOURCE_ENCAISSE,  // the taker on lead cashes his sure tricks
    SOURCE_TOUT,      // the taker wins every trick, whoever leads
    NB_SOURCES
};

// At most this many guarantees for one side.
constexpr int MAX_GARANTIES = 4;

// The taker's floors, each from one way of playing; answers how many.
int garantiesPreneur(const Mains& m, Garantie* g);
// The defence's ceilings, each from one way of playing; answers how many.
int garantiesDefense(const Mains& m, Garantie* g);
