#include "engine/distribution.h"

#include <utility>

#include "engine/evaluation.h"

namespace {

// A card the taker may put in the discard: neither of suit 0 nor a roi.
bool ecartable(const Carte& c) { return c.couleur != ATOUT && c.valeur != ROI; }

// Gives seat 1 the first hand of seats 2..4 rated `niveau`; false if there is none.
bool forcerMainHumain(Donne& d, int niveau) {
    if (d.niveauMain[1] == niveau) return true;
    for (int s = 2; s <= 4; ++s) {
        if (d.niveauMain[s] != niveau) continue;
        echangerMains(d, 1, s);
        return true;
    }
    return false;
}

}  // namespace

bool petitSec(const Main& main) {
    int cartesAtout = 0;
    bool petit = false;
    for (int i = 1; i <= 18; ++i) {
        if (main[i].couleur != ATOUT) continue;
        ++cartesAtout;
        if (main[i].valeur == PETIT) petit = true;
    }
    return petit && cartesAtout == 1;
}

bool ecartImpossible(const Donne& d) {
    int c = 0;
    for (int i = 1; i <= 6; ++i)
        if (ecartable(d.chien[i])) ++c;
    for (int s = 1; s <= 4; ++s) {
        int n = c;
        for (int i = 1; i <= 18; ++i)
            if (ecartable(d.mainJoueur[s][i])) ++n;
        if (n < 6) return true;
    }
    return false;
}

void echangerMains(Donne& d, int a, int b) {
    for (int i = 1; i <= 18; ++i) {
        std::swap(d.mainJoueur[a][i].valeur, d.mainJoueur[b][i].valeur);
        std::swap(d.mainJoueur[a][i].couleur, d.mainJoueur[b][i].couleur);
    }
    std::swap(d.niveauMain[a], d.niveauMain[b]);
}

bool donner(Jeu& jeu) {
    Donne& d = jeu.donne;
    const Options& o = jeu.options;
    const bool rejouer = d.modeRejouer != 0;

    if (!d.premiereDonneFaite) {
        for (int i = 1; i <= 78; ++i) d.ordrePaquet[i] = i;
        d.premiereDonneFaite = true;
    }

    reamorcer(jeu.hasard);
    const int n = hasard(jeu.hasard, 100) + 1313;
    // Draws of 1..78 always name a place of the deck: no bounds to check.
    int* const deck = d.ordrePaquet.begin();
    std::uint32_t graine = jeu.hasard.graine;
    for (int k = 0; k < n; ++k) {
        int a = 0, b = 0;
        deuxTirages(graine, 78, a, b);
        std::swap(deck[a - 1], deck[b - 1]);
    }
    jeu.hasard.graine = graine;

    if (!rejouer) d.paquetSauve = d.ordrePaquet;
    const OrdrePaquet paquet = rejouer ? d.paquetSauve : d.ordrePaquet;

    // Six packets of 13: three cards to each seat in turn, the 13th to the dog.
    for (int p = 1; p <= 6; ++p) {
        const int debut = 13 * (p - 1);
        for (int s = 1; s <= 4; ++s)
            for (int k = 1; k <= 3; ++k) {
                const int slot = 3 * (p - 1) + k;
                const int id = paquet[debut + 3 * (s - 1) + k];
                d.ordrePaquet[18 * (s - 1) + slot] = id;
                d.mainJoueur[s][slot] = jeu.paquet[id];
            }
        const int id = paquet[13 * p];
        d.ordrePaquet[72 + p] = id;
        d.chien[p] = jeu.paquet[id];
    }

    bool rejetee = false;
    for (int s = 1; s <= 4 && !rejetee; ++s) rejetee = petitSec(d.mainJoueur[s]);
    if (!rejetee) rejetee = ecartImpossible(d);

    for (int s = 1; s <= 4; ++s) d.niveauMain[s] = evaluerMain(d, s);

    switch (o.optionForceMain) {
    case 1:
        if (!forcerMainHumain(d, PASSE)) rejetee = true;
        break;
    case 3: case 4: case 5: case 6:
        if (!forcerMainHumain(d, o.optionForceMain - 2)) rejetee = true;
        break;
    default:
        break;
    }

    int z = 0;
    for (int s = 1; s <= 4; ++s)
        if (d.niveauMain[s] == PASSE) ++z;

    if (o.optionAuMoinsUneMainDePrise && z == 4 && !rejouer) rejetee = true;

    // Only a deal that is played sets the count back: an attempt rejected for
    // another reason leaves it alone, or a fourth deal with no bid could follow.
    if (z < 4) {
        if (rejouer || !rejetee) d.nbDonnesSansPreneur = 0;
    } else if (!rejetee) {
        ++d.nbDonnesSansPreneur;
        if (d.nbDonnesSansPreneur >= 4 && !rejouer) rejetee = true;
    }

    return rejouer || !rejetee;
}

int distribuer(Jeu& jeu, int mode) {
    Donne& d = jeu.donne;
    d.modeRejouer = mode;
    if (mode == 0) d.premierJoueur = siegeSuivant(d.premierJoueur);
    d.joueurEntame = d.joueurCourant = d.premierJoueur;
    d.nbCartesPli = 0;
    int tentatives = 1;
    while (!donner(jeu)) ++tentatives;
    trierMains(jeu.donne);
    trierChien(jeu.donne);
    d.tentatives = tentatives;
    return tentatives;
}
