#include "flow/poignee.h"

#include "engine/annonces.h"
#include "engine/arrondi.h"
#include "engine/jeu.h"
#include "engine/textes.h"

namespace {

const Carte& carteMainHumain(const Jeu& jeu, int k) { return jeu.donne.mainJoueur[jeu.donne.joueurHumain][k]; }

void choisir(Jeu& jeu, int k, bool choisie) {
    SelectionPoignee& p = jeu.poignee;
    if (p.poigneeSelection[k] == choisie) return;
    p.poigneeSelection[k] = choisie;
    p.poigneeNbCartes += choisie ? 1 : -1;
    const int levee = jeu.disposition.leveePoignee;
    jeu.vue->deplacerCartePoignee(k, choisie ? -levee : levee);
}

}  // namespace

int taillePoigneePour(int t) {
    switch (t) {
        case 1: return 10;
        case 2: return 13;
        case 3: return 15;
        default: return 0;
    }
}

int compterAtoutsHumain(const Jeu& jeu) {
    int n = 0;
    for (int k = 1; k <= 18; ++k) n += carteMainHumain(jeu, k).couleur == ATOUT;
    return n;
}

void ouvrirPoignee(Jeu& jeu, int t) {
    Donne& d = jeu.donne;
    SelectionPoignee& p = jeu.poignee;
    const int taille = taillePoigneePour(t);
    const int n = compterAtoutsHumain(jeu);
    if (!d.poigneeEnCours || p.ouverte || taille == 0 || n < taille) return;

    d.poigneeHumain = t;
    d.siegePoignee = d.joueurHumain;
    p.ouverte = true;
    p.taillePoignee = taille;
    p.nbAtoutsHumain = n;

    jeu.vue->cacherOffrePoignee();
    for (int k = 1; k <= 18; ++k)
        if (carteMainHumain(jeu, k).couleur == ATOUT) jeu.vue->montrerCarteMain(k, false);
    jeu.vue->activerFenetrePrincipale(false);

    const Disposition& g = jeu.disposition;
    const int levee = g.leveePoignee;
    const int largeur = levee * (3 * n - 1) + arrondi(g.echelleX * 90);
    jeu.vue->cacherCartesPoignee();
    for (int k = 1; k <= n; ++k) {
        const int r = hasard(jeu.hasard, levee < 1 ? 1 : levee);
        const int gauche = levee * (3 * (k - 1) + 1);
        const int haut = 2 * levee + arrondi(r * 0.25);
        jeu.vue->placerCartePoignee(k, gauche, haut, carteMainHumain(jeu, k));
    }

    p.poigneeNbCartes = 0;
    p.poigneeSelection.remplir(false);
    jeu.vue->montrerOkPoignee(false);
    jeu.vue->montrerFenetrePoignee(largeur);
}

void cliquerCartePoignee(Jeu& jeu, int k) {
    SelectionPoignee& p = jeu.poignee;
    if (!p.ouverte || k < 1 || k > p.nbAtoutsHumain) return;
    if (estExcuse(carteMainHumain(jeu, k)) && k != p.taillePoignee) {
        jeu.vue->messagePoignee(texte(Texte::excuseInterditePoignee, jeu.options.langue));
    } else {
        choisir(jeu, k, !p.poigneeSelection[k]);
    }
    jeu.vue->montrerOkPoignee(false);
    if (p.poigneeNbCartes == p.taillePoignee) jeu.vue->montrerOkPoignee(true);
}

void PanelBoutonParesseuxClick(Jeu& jeu) {
    SelectionPoignee& p = jeu.poignee;
    if (!p.ouverte) return;
    for (int k = 1; k <= p.taillePoignee; ++k) choisir(jeu, k, true);
    // Cards chosen beyond the size stay as they are; the count is the size.
    p.poigneeNbCartes = p.taillePoignee;
    jeu.vue->montrerOkPoignee(true);
}

void PanelOkPoigneeClick(Jeu& jeu) {
    if (!jeu.poignee.ouverte || jeu.poignee.poigneeNbCartes != jeu.poignee.taillePoignee) return;
    // Under the official rules the trumps shown are seen by every seat.
    Donne& d = jeu.donne;
    if (d.reglesPoignees) {
        const int h = d.joueurHumain;
        int n = 0;
        for (int k = 1; k <= 18 && n < 15; ++k)
            if (jeu.poignee.poigneeSelection[k]) d.cartesPoignee[h][++n] = carteMainHumain(jeu, k);
        d.nbCartesPoignee[h] = n;
        noterPoigneeMontree(jeu, h);
    }
    fermerPoignee(jeu);
}

void PanelAnnulerPoigneeClick(Jeu& jeu) {
    if (!jeu.poignee.ouverte) return;
    jeu.donne.poigneeHumain = 0;
    jeu.donne.siegePoignee = 0;
    fermerPoignee(jeu);
}

void fermerPoignee(Jeu& jeu) {
    jeu.donne.poigneeEnCours = 0;
    jeu.poignee.ouverte = false;
    jeu.vue->fermerFenetrePoignee();
    jeu.vue->activerFenetrePrincipale(true);
    for (int k = 1; k <= 18; ++k) jeu.vue->montrerCarteMain(k, true);
    jeu.vue->premierPlanPrincipale();
}
