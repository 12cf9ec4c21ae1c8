#include "engine/raisons.h"

#include <algorithm>

#include "engine/jeu.h"
#include "engine/textes.h"

namespace {

const std::string vide;

std::string nomValeur(int valeur, int langue) {
    switch (valeur) {
        case 1: return texte(Texte::carteAs, langue);
        case VALET: return texte(Texte::carteValet, langue);
        case CAVALIER: return texte(Texte::carteCavalier, langue);
        case DAME: return texte(Texte::carteDame, langue);
        case ROI: return texte(Texte::carteRoi, langue);
        default: return std::to_string(valeur);
    }
}

// The human is asked for a card: the trick waits for him and nothing else does.
bool tourHumain(const Donne& d) {
    return d.humainPeutJouer && d.joueurCourant == d.joueurHumain && d.etatAttente == 0 && d.modeEcart == 0 &&
           d.numeroPli >= 1 && d.numeroPli <= 18;
}

// The code calculerJouables gave the human's playable cards other than the
// Excuse, which follows whatever was led: the reason every other card is refused.
int codeDesJouables(const Donne& d) {
    const int h = d.joueurHumain;
    for (int i = 1; i <= 18; ++i) {
        const Carte& c = d.mainJoueur[h][i];
        if (d.jouable[h][i] == 1 && c.enMain && !estExcuse(c)) return d.contrainteJeu[h][i].code;
    }
    return -1;
}

// The trump the human must beat: the highest so far, or the trump led.
int atoutABattre(const Donne& d) {
    if (d.couleurDemandee == ATOUT) return std::max(d.valeurDemandee, d.plusFortAtout);
    return d.plusFortAtout;
}

}  // namespace

std::string nomCarte(const Carte& c, int langue) {
    if (c.couleur == ATOUT) {
        if (c.valeur == EXCUSE) return texte(Texte::carteExcuse, langue);
        if (c.valeur == PETIT) return texte(Texte::cartePetit, langue);
        return remplacer(texte(Texte::carteAtout, langue), "%1", std::to_string(c.valeur));
    }
    if (c.couleur < PIQUE || c.couleur > CARREAU) return {};
    return remplacer(remplacer(texte(Texte::carteDe, langue), "%1", nomValeur(c.valeur, langue)), "%2",
                     nomCouleur(c.couleur, langue));
}

const std::string& nomCouleur(int couleur, int langue) {
    switch (couleur) {
        case PIQUE: return texte(Texte::nomPique, langue);
        case COEUR: return texte(Texte::nomCoeur, langue);
        case TREFLE: return texte(Texte::nomTrefle, langue);
        case CARREAU: return texte(Texte::nomCarreau, langue);
        default: return vide;
    }
}

bool carteInjouable(const Jeu& jeu, int slot) {
    const Donne& d = jeu.donne;
    if (slot < 1 || slot > 18 || !tourHumain(d) || d.poigneeEnCours) return false;
    const int h = d.joueurHumain;
    return d.mainJoueur[h][slot].enMain && d.jouable[h][slot] != 1;
}

std::string raisonInjouable(const Jeu& jeu, int slot, int langue) {
    const Donne& d = jeu.donne;
    if (slot < 1 || slot > 18 || d.numeroPli < 1 || d.numeroPli > 18 || d.modeEcart) return {};
    const int h = d.joueurHumain;
    if (!d.mainJoueur[h][slot].enMain || d.etatAttente != 0) return {};
    if (!d.humainPeutJouer || d.joueurCourant != h) return texte(Texte::raisonPasVotreTour, langue);
    if (d.poigneeEnCours) return texte(Texte::raisonPoignee, langue);
    if (d.jouable[h][slot] == 1) return {};

    const Carte& c = d.mainJoueur[h][slot];
    if (estExcuse(c) && d.reglesChelem && d.chelemAnnonce == h) return texte(Texte::raisonExcuseChelem, langue);
    const std::string couleur = nomCouleur(d.couleurDemandee, langue);
    const std::string aBattre = std::to_string(atoutABattre(d));
    switch (codeDesJouables(d)) {
        case 1: return remplacer(texte(Texte::raisonCouper, langue), "%1", couleur);
        case 2:
            if (d.couleurDemandee == ATOUT || estAtout(c))
                return remplacer(texte(Texte::raisonMonter, langue), "%1", aBattre);
            return remplacer(remplacer(texte(Texte::raisonSurcouper, langue), "%1", couleur), "%2", aBattre);
        case 3:
            if (d.couleurDemandee == ATOUT) return texte(Texte::raisonAtoutDemande, langue);
            return remplacer(remplacer(texte(Texte::raisonAtoutPlusFaible, langue), "%1", couleur), "%2", aBattre);
        default: break;
    }
    if (d.couleurDemandee == ATOUT) return texte(Texte::raisonAtoutDemande, langue);
    return remplacer(texte(Texte::raisonFournir, langue), "%1", couleur);
}

namespace {

const Carte& carteEcran(const Donne& d, int position) {
    const int k = d.positionEcart[position];
    return k <= 18 ? d.mainJoueur[d.joueurHumain][k] : d.chien[k - 18];
}

}  // namespace

bool carteNonEcartable(const Jeu& jeu, int position) {
    const Donne& d = jeu.donne;
    if (d.modeEcart != 1 || position < 1 || position > 24) return false;
    const Carte& c = carteEcran(d, position);
    return c.couleur == ATOUT || c.valeur == ROI;
}

std::string raisonEcart(const Jeu& jeu, int position, int langue) {
    const Donne& d = jeu.donne;
    if (d.modeEcart != 1 || position < 1 || position > 24) return {};
    if (carteNonEcartable(jeu, position)) return texte(Texte::raisonEcartInterdit, langue);
    const int k = d.positionEcart[position];
    if (d.nbCartesEcartees >= 6 && d.selectionEcart[k] != 1) return texte(Texte::raisonEcartSix, langue);
    return {};
}

bool carteNonPoignee(const Jeu& jeu, int k) {
    const SelectionPoignee& p = jeu.poignee;
    if (!p.ouverte || k < 1 || k > p.nbAtoutsHumain) return false;
    return estExcuse(jeu.donne.mainJoueur[jeu.donne.joueurHumain][k]) && k != p.taillePoignee;
}
