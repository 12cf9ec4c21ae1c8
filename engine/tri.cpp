#include "engine/donne.h"

namespace {

// Insertion sort: each card in turn slides down past the cards it goes
// before. Only value and suit move; each slot keeps its enMain. The cards of a
// deal are all different, so the order is the hand order whatever the method.
template <typename T>
void trierCartes(T& cartes, int n) {
    Carte* c = cartes.begin();
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
