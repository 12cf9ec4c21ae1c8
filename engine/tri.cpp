#include <bit>
#include <cstdint>

#include "engine/donne.h"

namespace {

// A card's place in the hand order, 0 first: suit 0 to 4, then value 21 down
// to 0 within the suit (the Excuse last of suit 0). -1 for anything else.
int rangDansLaMain(const Carte& c) {
    if (c.couleur == ATOUT && c.valeur >= 0 && c.valeur <= 21) return 21 - c.valeur;
    if (c.couleur >= PIQUE && c.couleur <= CARREAU && c.valeur >= 1 && c.valeur <= 14) return c.couleur * 22 + 21 - c.valeur;
    return -1;
}

// The cards of a deal are all different: each marks its place in a 110-bit
// set and the set is read back in order. Only value and suit move; each slot
// keeps its enMain. False, with nothing moved, for a hand holding a card
// twice or a record that is no card, which the insertion sort below takes.
bool trierParRang(Carte* c, int n) {
    std::uint64_t places[2] = {0, 0};
    for (int i = 0; i < n; ++i) {
        const int r = rangDansLaMain(c[i]);
        if (r < 0) return false;
        const std::uint64_t bit = std::uint64_t{1} << (r % 64);
        if (places[r / 64] & bit) return false;
        places[r / 64] |= bit;
    }
    int i = 0;
    for (int mot = 0; mot < 2; ++mot)
        for (std::uint64_t reste = places[mot]; reste != 0; reste &= reste - 1) {
            const int r = 64 * mot + std::countr_zero(reste);
            c[i].couleur = r / 22;
            c[i].valeur = 21 - r % 22;
            ++i;
        }
    return true;
}

// Insertion sort: each card in turn slides down past the cards it goes before.
void trierParInsertion(Carte* c, int n) {
    for (int i = 1; i < n; ++i) {
        const int valeur = c[i].valeur;
        const int couleur = c[i].couleur;
        const Carte cle{valeur, couleur, true};
        int j = i;
        for (; j > 0 && avantDansLaMain(cle, c[j - 1]); --j) {
            c[j].valeur = c[j - 1].valeur;
            c[j].couleur = c[j - 1].couleur;
        }
        c[j].valeur = valeur;
        c[j].couleur = couleur;
    }
}

// Hand order; the cards being all different, any method gives the same order.
template <typename T>
void trierCartes(T& cartes, int n) {
    if (!trierParRang(cartes.begin(), n)) trierParInsertion(cartes.begin(), n);
}

}  // namespace

void trierMains(Donne& d) {
    for (int s = 1; s <= 4; ++s) {
        trierCartes(d.mainJoueur[s], 18);
        d.mainInitiale[s] = d.mainJoueur[s];
    }
}

void trierChien(Donne& d) {
    trierCartes(d.chien, 6);
    d.chienInitial = d.chien;
}
