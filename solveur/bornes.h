#pragma once
// Bounds for the search, from the cards still held at the start of a trick:
// what one side can make sure of over the tricks still to play, whatever the
// other side does. The search turns them into bounds of the taker's margin
// and stops at once when one settles its question.
#include <algorithm>
#include <cstdint>

#include "engine/carte.h"

// The number of cards in a mask of one suit (bits 0..21), read from a table
// by halves of 11 bits: the plain x86-64 build has no instruction for it, the
// compiler's builtin calls a library routine, and counting bit by bit in
// registers takes three times as many instructions. The search and its
// bounds count cards at every card.
struct TableNombres {
    std::uint8_t n[2048]{};
    constexpr TableNombres() {
        for (int x = 1; x < 2048; ++x) n[x] = static_cast<std::uint8_t>(n[x >> 1] + (x & 1));
    }
};
inline constexpr TableNombres tableNombres{};

inline int nombreDeCartes(std::uint32_t m) { return tableNombres.n[m & 0x7ffu] + tableNombres.n[(m >> 11) & 0x7ffu]; }

// The half-points of each card, by suit and value (the Excuse is trump 0):
// 9 for the oudlers and the Rois, 7, 5 and 3 for the Dames, Cavaliers and
// Valets, 1 for any other card. Read at every card the search plays.
struct TableDemiPoints {
    std::uint8_t p[5][32]{};
    constexpr TableDemiPoints() {
        for (int v = 0; v < 32; ++v) p[ATOUT][v] = v == EXCUSE || v == PETIT || v == VINGT_ET_UN ? 9 : 1;
        for (int c = PIQUE; c <= CARREAU; ++c)
            for (int v = 0; v < 32; ++v)
                p[c][v] = v == ROI ? 9 : v == DAME ? 7 : v == CAVALIER ? 5 : v == VALET ? 3 : 1;
    }
};
inline constexpr TableDemiPoints demiPoints{};

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

    // The tricks each side wins whatever either side plays. Asked at every
    // trick the search reaches, they are written below so that it works them
    // out in place.
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

    // The cards of a above every card of b.
    static std::uint32_t dessus(std::uint32_t a, std::uint32_t b) { return b ? a & ~((2u << (31 - __builtin_clz(b))) - 1) : a; }
    // The Petit and the 21 among trumps.
    static int petitEt21(std::uint32_t atouts) { return static_cast<int>(((atouts >> PETIT) & 1u) + ((atouts >> VINGT_ET_UN) & 1u)); }
    // The least a seat gives to k tricks it loses: its k cards of fewest
    // half-points, the Excuse counted as the one half-point it leaves to the
    // trick's winner. `unes`: how many of its cards are of one half-point,
    // the Excuse included. Most often those are enough.
    static int plusFaibles(const std::uint32_t main[5], int unes, int k) { return k <= unes ? k : plusFaiblesFigures(main, unes, k); }
    // The same past its cards of one half-point.
    static int plusFaiblesFigures(const std::uint32_t main[5], int unes, int k);
    // A guarantee that read which side holds the best trumps: the trumps down
    // to the lower of the two sides' best.
    void lireMaitres(Garantie& g) const {
        if (atoutsPreneur && atoutsDefense)
            g.lus[ATOUT] = static_cast<std::int8_t>(std::min(31 - __builtin_clz(atoutsPreneur), 31 - __builtin_clz(atoutsDefense)));
    }
};

// Whatever either side plays:
// - the 21 always wins its trick;
// - a taker's trump above every trump of the defence wins its trick, and
//   each defender gives a card to it: at least his cards of fewest
//   half-points over all those tricks; with the defence out of trumps that
//   is every trump of the taker, his Petit included, and the defence cannot
//   take the Petit at the end;
// - before the last trick the Excuse's holder can play it at once and keep
//   it with its oudler, 8 of its 9 half-points at least.
[[gnu::always_inline]] inline Garantie Bornes::sursPreneur() const {
    Garantie g;
    g.source = SOURCE_SURES;
    const std::uint32_t maitres = dessus(atoutsPreneur, atoutsDefense);
    const int bouts = petitEt21(maitres);
    int points = 0;
    if (maitres) {
        const int plis = nombreDeCartes(maitres);
        points = plis + 8 * bouts;
        for (int j = 1; j <= 3; ++j) {
            const int s = (preneur + j) & 3;
            points += plusFaibles(mains[s], nbPlis - hautes[s], plis);
        }
    }
    g.points = points;
    g.bouts = bouts;
    if (excusePreneur) {
        g.points += 8;
        g.bouts += 1;
    }
    g.petitAuBout = petitEnJeu && !(maitres & (1u << PETIT)) ? 2 : 0;
    lireMaitres(g);
    return g;
}

// The same facts seen from the defence: its trumps above every trump of the
// taker win their tricks, all of them going to the defence. They fill at
// least as many tricks as one defender holds of them, and as a third of
// them; the taker gives a card to each of those tricks (his cheapest at
// least), the defence's other cards in them a half-point each at least.
// With the taker out of trumps the defence's Petit is among them: it cannot
// be his at the end.
[[gnu::always_inline]] inline Garantie Bornes::sursDefense() const {
    Garantie g;
    g.source = SOURCE_SURES;
    const std::uint32_t maitres = dessus(atoutsDefense, atoutsPreneur);
    int plis = 0;
    int perte = 0;
    if (maitres) {
        // Each defender's share of them.
        for (int j = 1; j <= 3; ++j) plis = std::max(plis, nombreDeCartes(mains[(preneur + j) & 3][ATOUT] & maitres));
        const int nbMaitres = nombreDeCartes(maitres);
        plis = std::max(plis, (nbMaitres + 2) / 3);
        // Their half-points: one each, nine for the Petit and the 21.
        const int pointsMaitres = nbMaitres + 8 * petitEt21(maitres);
        perte = pointsMaitres + plusFaibles(mains[preneur], nbPlis - hautes[preneur], plis) + 3 * plis - nbMaitres;
    }
    g.bouts = petitEt21(tousAtouts & ~maitres);
    if (excusePreneur) ++g.bouts;
    if (excuseDefense) perte += 8;
    g.points = total - perte;
    g.petitAuBout = petitEnJeu && !(maitres & (1u << PETIT)) ? 1 : 0;
    lireMaitres(g);
    return g;
}

// The cards of more than one half-point among a seat's cards.
int nombreDeHautes(const std::uint32_t main[5]);

// At most this many guarantees for one side.
constexpr int MAX_GARANTIES = 4;

// Every floor of the taker; answers how many.
int garantiesPreneur(const Mains& m, Garantie* g);
// Every ceiling of the defence; answers how many.
int garantiesDefense(const Mains& m, Garantie* g);
