#include "engine/carte.h"

int pointsCarte(const Carte& c) {
    if (c.couleur == ATOUT) {
        if (c.valeur == EXCUSE || c.valeur == PETIT || c.valeur == VINGT_ET_UN) return 9;
        return c.valeur >= 2 && c.valeur <= 20 ? 1 : 0;
    }
    if (c.couleur < PIQUE || c.couleur > CARREAU) return 0;
    switch (c.valeur) {
    case ROI: return 9;
    case DAME: return 7;
    case CAVALIER: return 5;
    case VALET: return 3;
    default: return c.valeur >= 1 && c.valeur <= 10 ? 1 : 0;
    }
}

void construirePaquet(Paquet& paquet) {
    int id = 1;
    for (int couleur = PIQUE; couleur <= CARREAU; ++couleur)
        for (int valeur = 1; valeur <= 14; ++valeur) paquet[id++] = carte(couleur, valeur);
    for (int valeur = 0; valeur <= 21; ++valeur) paquet[id++] = carte(ATOUT, valeur);
}

