#include "engine/donne.h"

namespace {

// Selection sort: each slot in turn receives the best card among it and the
// later ones. Only value and suit move.
template <typename T>
void trierCartes(T& cartes, int n) {
    for (int i = 1; i < n; ++i) {
        int meilleur = i;
        for (int j = i + 1; j <= n; ++j)
            if (avantDansLaMain(cartes[j], cartes[meilleur])) meilleur = j;
        if (meilleur == i) continue;
        std::swap(cartes[i].valeur, cartes[meilleur].valeur);
        std::swap(cartes[i].couleur, cartes[meilleur].couleur);
    }
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
