#include "engine/chien.h"

#include "engine/arrondi.h"
#include "engine/disposition.h"
#include "engine/jeu.h"
#include "engine/textes.h"

namespace {

// The taker's 18 cards and the 6 of the dog, merged in hand order. `source` is
// the hand slot 1..18 of each card, or 18 + its place in the dog.
struct Fusion {
    Table<Carte, 1, 24> cartes;
    Table<int, 1, 24> source;
};

void fusionner(const Main& main, const Chien& chien, Fusion& f) {
    int m = 1;
    int c = 1;
    for (int p = 1; p <= 24; ++p) {
        const bool prendreMain = c > 6 || (m <= 18 && avantDansLaMain(main[m], chien[c]));
        if (prendreMain) {
            f.cartes[p] = main[m];
            f.source[p] = m++;
        } else {
            f.cartes[p] = chien[c];
            f.source[p] = 18 + c++;
        }
    }
}

// Suit 0 (trumps and the Excuse) and the rois never go to the discard.
bool ecartable(const Carte& c) { return c.couleur != ATOUT && c.valeur != ROI; }

// Where a discarded card was dealt: its slot in the taker's hand, or 18 + its
// place in the dog.
int origineCarte(const Donne& d, const Carte& c) {
    for (int i = 1; i <= 18; ++i)
        if (d.mainInitiale[d.preneur][i].memeCarte(c)) return i;
    for (int i = 1; i <= 6; ++i)
        if (d.chienInitial[i].memeCarte(c)) return 18 + i;
    return -1;
}

// Rewrites the taker's hand and the dog from the 24 cards and their marks
// (`garder` true for a card kept in the hand), both in position order.
template <typename Garder>
void repartir(Donne& d, const Fusion& f, Garder garder) {
    Main main;
    Chien ecart;
    int m = 0;
    int e = 0;
    for (int p = 1; p <= 24; ++p) {
        if (garder(p)) {
            main[++m] = f.cartes[p];
            main[m].enMain = true;
        } else {
            ecart[++e] = f.cartes[p];
        }
    }
    d.mainJoueur[d.preneur] = main;
    d.chien = ecart;
    for (int i = 1; i <= 6; ++i) d.origineEcart[i] = origineCarte(d, d.chien[i]);
}

// The suit after r in the cycle 1, 2, 3, 4, 1.
int couleurApres(int r) { return r % 4 + 1; }

// The card at a position of the discard screen.
const Carte& carteEcart(const Donne& d, int position) {
    const int k = d.positionEcart[position];
    return k <= 18 ? d.mainJoueur[d.joueurHumain][k] : d.chien[k - 18];
}

}  // namespace

void montrerChien(Jeu& jeu) {
    Donne& d = jeu.donne;
    const Disposition& p = jeu.disposition;
    d.origineEcart.remplir(-1);

    // Garde Sans and Garde Contre: the dog stays aside unseen.
    if (d.enchere[d.preneur] > GARDE) {
        initialiserConnaissances(jeu);
        d.etatAttente = 1;
        return;
    }

    jeu.connaissances.chienMontre = 1;
    for (int i = 1; i <= 6; ++i) {
        const int r = hasard(jeu.hasard, 3);
        const int gauche = (i - 1) * p.pasMain + p.tiersLargeur;
        const int haut = arrondi(r * p.echelleY) + p.milieuTable;
        jeu.vue->placerCarteChien(i, gauche, haut, d.chien[i], Curseur::Defaut);
    }
    jeu.vue->ecrireInfo(texte(Texte::voiciLeChien, jeu.options.langue));
    d.chienAffiche = 1;
    d.etatAttente = 0;
    jeu.vue->curseurCartesMain(Curseur::Interdit);
}

void apresChien(Jeu& jeu) {
    Donne& d = jeu.donne;
    if (d.modeEcart == 1 || d.chienAffiche != 1) return;
    d.chienAffiche = 0;
    jeu.vue->cacherChien();
    if (d.preneur == d.joueurHumain) {
        d.etatAttente = 0;
        d.modeEcart = 1;
        ouvrirEcart(jeu);
        return;
    }
    // The computer's discard is never shown: play starts at once.
    ecartOrdinateur(jeu);
    d.etatAttente = 1;
}

void ouvrirEcart(Jeu& jeu) {
    Donne& d = jeu.donne;
    const Disposition& p = jeu.disposition;

    Table<int, 1, 24> haut;
    for (int position = 1; position <= 24; ++position) haut[position] = p.hautMain - hasard(jeu.hasard, 3);

    Fusion f;
    fusionner(d.mainJoueur[d.joueurHumain], d.chien, f);
    d.nbCartesEcartees = 0;
    d.selectionEcart.remplir(0);
    for (int position = 1; position <= 24; ++position) {
        d.marqueEcart[position] = f.source[position] <= 18 ? 1 : 0;
        d.positionEcart[position] = f.source[position];
        const Carte& c = f.cartes[position];
        const int gauche = (position - 1) * p.pasMainEcart + p.margeMain;
        jeu.vue->placerCarteEcart(position, gauche, haut[position], c, ecartable(c) ? Curseur::Main : Curseur::Interdit);
    }
    jeu.vue->ecrireInfo(texte(Texte::cliquezSurSixCartes, jeu.options.langue));
}

void cliquerCarteEcart(Jeu& jeu, int position) {
    Donne& d = jeu.donne;
    if (d.modeEcart != 1 || position < 1 || position > 24) return;
    const int k = d.positionEcart[position];

    if (!ecartable(carteEcart(d, position))) {
        if (d.nbCartesEcartees == 6) jeu.vue->montrerConfirmeEcart(true);
        return;
    }
    if (d.selectionEcart[k] == 1) {
        d.selectionEcart[k] = 0;
        jeu.vue->deplacerCarteEcart(position, jeu.disposition.leveeCarte);
        --d.nbCartesEcartees;
        jeu.vue->montrerConfirmeEcart(false);
        return;
    }
    if (d.nbCartesEcartees < 6) {
        d.selectionEcart[k] = 1;
        jeu.vue->deplacerCarteEcart(position, -jeu.disposition.leveeCarte);
        ++d.nbCartesEcartees;
    }
    if (d.nbCartesEcartees == 6) jeu.vue->montrerConfirmeEcart(true);
}

void confirmerEcart(Jeu& jeu) {
    Donne& d = jeu.donne;
    // The button only exists with six cards chosen.
    if (d.modeEcart != 1 || d.nbCartesEcartees != 6) return;
    jeu.vue->cacherCartesEcart();
    jeu.vue->montrerConfirmeEcart(false);

    Fusion f;
    for (int position = 1; position <= 24; ++position) {
        f.cartes[position] = carteEcart(d, position);
        f.source[position] = d.positionEcart[position];
    }
    repartir(d, f, [&](int position) { return d.selectionEcart[f.source[position]] == 0; });

    initialiserConnaissances(jeu);
    afficherMain(jeu);
    d.modeEcart = 0;
    d.etatAttente = 1;
    if (jeu.continuer) jeu.continuer(jeu);
}

void ecartOrdinateur(Jeu& jeu) {
    Donne& d = jeu.donne;
    Hasard& h = jeu.hasard;

    Fusion f;
    fusionner(d.mainJoueur[d.preneur], d.chien, f);
    const Table<Carte, 1, 24>& cartes = f.cartes;
    d.marqueEcart.remplir(1);
    d.nbCartesEcartees = 0;
    const auto ecarter = [&](int p) {
        if (d.nbCartesEcartees >= 6 || d.marqueEcart[p] == 0) return;
        d.marqueEcart[p] = 0;
        ++d.nbCartesEcartees;
    };
    const auto present = [&](int couleur, int valeur) {
        for (int p = 1; p <= 24; ++p)
            if (cartes[p].couleur == couleur && cartes[p].valeur == valeur) return p;
        return 0;
    };

    // Suit survey: the short suit to make void and the long suit to keep.
    int courte = -1;
    int longue = -1;
    int nCourte = 0;
    int nLongue = -1;
    for (int i = 0, s = couleurApres(hasard(h, 4)); i < 4; ++i, s = couleurApres(s)) {
        int n = 0;
        for (int p = 1; p <= 24; ++p) n += cartes[p].couleur == s && cartes[p].valeur != ROI;
        const bool honneursGardes = present(s, DAME) && present(s, CAVALIER);
        if (n >= 1 && !present(s, ROI) && !honneursGardes && (courte == -1 || n < nCourte)) {
            courte = s;
            nCourte = n;
        }
        if (n > nLongue) {
            longue = s;
            nLongue = n;
        }
    }

    if (courte != -1)
        for (int p = 1; p <= 24; ++p)
            if (cartes[p].couleur == courte) ecarter(p);

    int bouts = 0;
    int atouts = 0;
    for (int p = 1; p <= 24; ++p) {
        bouts += estBout(cartes[p]);
        atouts += estAtout(cartes[p]);
    }
    const bool excuse = present(ATOUT, EXCUSE) != 0;

    // A second void, for a long trump hand.
    int seconde = -1;
    if (courte != -1 && d.nbCartesEcartees < 6 && ((atouts >= 8 && bouts >= 2) || atouts >= 9)) {
        for (int i = 0, s = couleurApres(hasard(h, 4)); i < 4; ++i, s = couleurApres(s)) {
            if (s == courte) continue;
            int n = 0;
            for (int p = 1; p <= 24; ++p) n += cartes[p].couleur == s;
            if (n > 6 - d.nbCartesEcartees || present(s, ROI)) continue;
            seconde = s;
            break;
        }
    }
    if (seconde != -1)
        for (int p = 1; p <= 24; ++p)
            if (cartes[p].couleur == seconde) ecarter(p);

    // Lone honours that no roi protects.
    if (d.nbCartesEcartees < 6) {
        for (int i = 0, s = couleurApres(hasard(h, 4)); i < 4 && d.nbCartesEcartees < 6; ++i, s = couleurApres(s)) {
            const int roi = present(s, ROI);
            const int dame = present(s, DAME);
            const int cavalier = present(s, CAVALIER);
            const int valet = present(s, VALET);
            if (dame && !roi && !cavalier && !valet && d.marqueEcart[dame] == 1) {
                if (!excuse || hasard(h, 100) >= 10) ecarter(dame);
            } else if (cavalier && !roi && !dame && !valet && d.marqueEcart[cavalier] == 1) {
                if (hasard(h, 100) < 90) ecarter(cavalier);
            } else if (valet && !roi && !dame && !cavalier && d.marqueEcart[valet] == 1) {
                if (hasard(h, 100) < 70) ecarter(valet);
            }
        }
    }

    // Small cards outside the long suit, from a random place downward; then
    // anything that may go, from the last position.
    int p = hasard(h, 24);
    for (int i = 0; i < 24; ++i, p = p == 1 ? 24 : p - 1)
        if (ecartable(cartes[p]) && cartes[p].couleur != longue) ecarter(p);
    for (p = 24; p >= 1 && d.nbCartesEcartees < 6; --p)
        if (ecartable(cartes[p])) ecarter(p);

    repartir(d, f, [&](int position) { return d.marqueEcart[position] == 1; });
    initialiserConnaissances(jeu);
}
