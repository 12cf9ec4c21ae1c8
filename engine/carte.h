#pragma once
// Cards, suits and seats of the French Tarot pack.
#include <cstdint>

#include "engine/table.h"

// Suit codes (couleur).
constexpr int ATOUT = 0;  // trumps, the Excuse included
constexpr int PIQUE = 1;
constexpr int COEUR = 2;
constexpr int TREFLE = 3;
constexpr int CARREAU = 4;
constexpr int SANS_COULEUR = -1;  // an empty place on the table

// Suit-card values above the pips.
constexpr int VALET = 11;
constexpr int CAVALIER = 12;
constexpr int DAME = 13;
constexpr int ROI = 14;

constexpr int PETIT = 1;      // trump 1
constexpr int VINGT_ET_UN = 21;
constexpr int EXCUSE = 0;     // the trump of value 0

constexpr int SUD = 1, EST = 2, NORD = 3, OUEST = 4;

struct Carte {
    std::int32_t valeur = 0;
    std::int32_t couleur = SANS_COULEUR;
    bool enMain = false;

    bool memeCarte(const Carte& o) const { return valeur == o.valeur && couleur == o.couleur; }
};

constexpr Carte carte(int couleur, int valeur) { return Carte{valeur, couleur, true}; }

int pointsCarte(const Carte& c);
// Inline: the card play asks these hundreds of times a card.
inline bool estExcuse(const Carte& c) { return c.couleur == ATOUT && c.valeur == EXCUSE; }
inline bool estBout(const Carte& c) {
    return c.couleur == ATOUT && (c.valeur == EXCUSE || c.valeur == PETIT || c.valeur == VINGT_ET_UN);
}
// A trump that can win a trick: suit 0 and not the Excuse.
inline bool estAtout(const Carte& c) { return c.couleur == ATOUT && c.valeur != EXCUSE; }
inline bool estRoi(const Carte& c) { return c.couleur != ATOUT && c.valeur == ROI; }
inline int siegeSuivant(int siege) { return siege == 4 ? 1 : siege + 1; }
inline int siegePrecedent(int siege) { return siege == 1 ? 4 : siege - 1; }

// The reference pack: card id 1..78 to (value, suit). Ids 1..14 spades, 15..28
// hearts, 29..42 clubs, 43..56 diamonds, 57 the Excuse, 58..78 trumps 1..21.
using Paquet = Table<Carte, 1, 78>;
void construirePaquet(Paquet& paquet);

// Hand order: lower suit code first, then higher value within a suit.
inline bool avantDansLaMain(const Carte& a, const Carte& b) {
    if (a.couleur != b.couleur) return a.couleur < b.couleur;
    return a.valeur > b.valeur;
}
