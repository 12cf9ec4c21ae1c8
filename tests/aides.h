#pragma once
// Small builders shared by the tests.
#include <initializer_list>
#include <stdexcept>

#include "engine/donne.h"

inline Carte atout(int v) { return carte(ATOUT, v); }
inline Carte pique(int v) { return carte(PIQUE, v); }
inline Carte coeur(int v) { return carte(COEUR, v); }
inline Carte trefle(int v) { return carte(TREFLE, v); }
inline Carte carreau(int v) { return carte(CARREAU, v); }

// A hand of exactly 18 cards, in the order given.
inline Main mainDe(std::initializer_list<Carte> cartes) {
    if (cartes.size() != 18) throw std::invalid_argument("a hand holds 18 cards");
    Main m;
    int i = 1;
    for (const Carte& c : cartes) m[i++] = c;
    return m;
}
