#include "engine/evaluation.h"

int valeurEvaluation(const Carte& c) {
    if (c.couleur == ATOUT) {
        if (c.valeur == EXCUSE || c.valeur == PETIT || c.valeur == VINGT_ET_UN) return 12;
        return c.valeur >= 15 ? 3 : 2;
    }
    switch (c.valeur) {
    case ROI: return 12;
    case DAME: return 6;
    case CAVALIER:
    case VALET: return 2;
    default: return 1;
    }
}

int scoreAtouts(const Main& main) {
    int points = 0;
    int nbCartesAtout = 0;
    for (int i = 1; i <= 18; ++i) {
        if (main[i].couleur != ATOUT) continue;
        points += valeurEvaluation(main[i]);
        ++nbCartesAtout;
    }
    if (nbCartesAtout >= 10) return points + 12;
    switch (nbCartesAtout) {
    case 9: return points + 9;
    case 8: return points + 6;
    case 7: return points + 4;
    case 6: return points + 2;
    default: return points;
    }
}

int scoreMain(const Main& main, int nbAtouts) {
    int s = scoreAtouts(main);
    for (int i = 1; i <= 18; ++i)
        if (main[i].couleur != ATOUT) s += valeurEvaluation(main[i]);
    if (nbAtouts >= 9) s += 10 * (nbAtouts - 8) + (nbAtouts - 8) * (nbAtouts - 7);
    return s;
}

namespace {

// One row of the rating table: the entry condition and the lower bounds of the bands.
struct Ligne {
    int atoutsMin;
    int longueurMin;  // bound on 2 x nbAtouts + nbGrosAtouts
    int haut;         // Garde Contre / Garde Sans band
    int atoutsContre;
    int moyen;        // Garde Sans / Garde band
    int atoutsSans;
    int garde;
    int prise;
};

constexpr Ligne lignes[] = {
    {7, 18, 130, 9, 124, 8, 86, 80},  // no oudler
    {6, 16, 114, 8, 104, 7, 76, 70},  // one oudler
    {5, 10, 84, 7, 76, 6, 56, 50},    // two, with the 21
    {5, 14, 84, 7, 76, 6, 56, 50},    // two, Excuse and Petit
    {4, 10, 84, 7, 78, 6, 62, 52},    // three
};

}  // namespace

int evaluerMain(const Main& main) {
    int nbAtouts = 0, nbGrosAtouts = 0, nbBouts = 0;
    bool a21 = false;
    for (int i = 1; i <= 18; ++i) {
        const Carte& c = main[i];
        if (estBout(c)) ++nbBouts;
        if (!estAtout(c)) continue;
        ++nbAtouts;
        if (c.valeur >= 13) ++nbGrosAtouts;
        if (c.valeur == VINGT_ET_UN) a21 = true;
    }
    const int rang = nbBouts < 2 ? nbBouts : nbBouts == 2 ? (a21 ? 2 : 3) : 4;
    const Ligne& l = lignes[rang];
    if (nbAtouts < l.atoutsMin || 2 * nbAtouts + nbGrosAtouts < l.longueurMin) return PASSE;

    const int s = scoreMain(main, nbAtouts);
    if (s >= l.haut) return nbAtouts >= l.atoutsContre ? GARDE_CONTRE : GARDE_SANS;
    if (s >= l.moyen) return nbAtouts >= l.atoutsSans ? GARDE_SANS : GARDE;
    if (s >= l.garde) return GARDE;
    if (s >= l.prise) return PRISE;
    return PASSE;
}

int evaluerMain(const Donne& d, int siege) { return evaluerMain(d.mainJoueur[siege]); }
