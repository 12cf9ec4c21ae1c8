#include "engine/enchere.h"

#include "engine/jeu.h"
#include "engine/textes.h"

namespace {

int taillePolice(int enchere) { return enchere == PASSE ? 10 : 14; }

// The seat whose turn it is to bid: the auction goes round once from the opening seat.
int siegeQuiParle(const Donne& d) {
    int s = d.premierJoueur;
    for (int i = 0; i < d.nbEncheres; ++i) s = siegeSuivant(s);
    return s;
}

// After each bid: the next seat speaks, or the table waits for a click.
void enchereSuivante(Jeu& jeu, int siege) {
    Donne& d = jeu.donne;
    ++d.nbEncheres;
    if (d.nbEncheres == 4) {
        messageContinuer(jeu);
        d.etatAttente = 1;
        return;
    }
    tourEnchere(jeu, siegeSuivant(siege));
}

}  // namespace

void tourEnchere(Jeu& jeu, int siege) {
    Donne& d = jeu.donne;
    const int langue = jeu.options.langue;

    // A computer bids its rating when that beats the best bid; for the human the
    // same figure is only the advice, and the best bid moves when he clicks.
    d.enchere[siege] = jeu.enchereOrdinateur ? jeu.enchereOrdinateur(jeu, siege) : d.niveauMain[siege];
    if (d.enchere[siege] <= d.meilleureEnchere)
        d.enchere[siege] = PASSE;
    else if (siege != d.joueurHumain)
        d.meilleureEnchere = d.enchere[siege];

    if (siege != d.joueurHumain) {
        d.joueurEnchere = siege;
        jeu.minuteurs->armer(Minuteur::TimerEnchere, 10);
        return;
    }

    for (int e = PASSE; e <= GARDE_CONTRE; ++e)
        jeu.vue->montrerBoutonEnchere(e, e == PASSE || e > d.meilleureEnchere);
    jeu.vue->ecrireConseil(texte(Texte::texteConseil, langue) + ": " + nomEnchere(d.enchere[siege], langue));
    jeu.vue->ecrireInfo(texte(Texte::cliquezSurEnchere, langue));
    jeu.vue->montrerBarreEnchere(true);
    if (jeu.options.optionVisibiliteConseilEnchere) jeu.vue->focaliserConseil();
}

void TimerEnchereTimer(Jeu& jeu) {
    Donne& d = jeu.donne;
    jeu.minuteurs->arreter(Minuteur::TimerEnchere);
    const int a = d.joueurEnchere;
    // A tick left over from an auction that a new deal has replaced.
    if (d.nbEncheres >= 4 || a < 1 || a > 4 || a == d.joueurHumain || d.enchere[a] < PASSE) return;

    jeu.vue->annoncerEnchereSiege(a, nomEnchere(d.enchere[a], jeu.options.langue), taillePolice(d.enchere[a]));
    enchereSuivante(jeu, a);
}

void annoncerEnchere(Jeu& jeu, int enchere) {
    Donne& d = jeu.donne;
    if (enchere < PASSE || enchere > GARDE_CONTRE) return;
    // A click that arrives when the human does not have the floor.
    if (d.numeroPli != 0 || d.nbEncheres >= 4 || siegeQuiParle(d) != d.joueurHumain) return;
    if (enchere != PASSE && enchere <= d.meilleureEnchere) {
        jeu.vue->ecrireInfo(texte(Texte::meilleureEnchereOuPasser, jeu.options.langue));
        return;
    }

    jeu.vue->montrerBarreEnchere(false);
    jeu.vue->annoncerEnchereSiege(d.joueurHumain, nomEnchere(enchere, jeu.options.langue), taillePolice(enchere));
    d.enchere[d.joueurHumain] = enchere;
    if (enchere != PASSE) d.meilleureEnchere = enchere;
    enchereSuivante(jeu, d.joueurHumain);
}

void messageContinuer(Jeu& jeu) { jeu.vue->ecrireInfo(texte(Texte::messageContinuer, jeu.options.langue)); }

int determinerPreneur(Jeu& jeu) {
    Donne& d = jeu.donne;
    int preneur = d.premierJoueur;
    int meilleure = d.enchere[preneur];
    for (int s = siegeSuivant(preneur), i = 0; i < 3; s = siegeSuivant(s), ++i) {
        if (d.enchere[s] <= meilleure) continue;
        preneur = s;
        meilleure = d.enchere[s];
    }
    d.contrat = meilleure;
    jeu.vue->ecrireContrat(nomEnchere(d.contrat, jeu.options.langue));
    return preneur;
}
