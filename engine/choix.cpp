#include "engine/choix.h"

#include "engine/jeu.h"
#include "engine/regles_moteur.h"

namespace {

bool siegeValide(int s) { return s >= 1 && s <= 4; }

}  // namespace

void commencerChoix(Jeu& jeu, int siege) {
    EtatRegles& r = jeu.regles;
    const Donne& d = jeu.donne;
    r.etatRegle.remplir(REGLE_ACTIVE);
    r.regleAdaptative.remplir(0);
    r.apresPreneur = siegeSuivant(d.preneur);
    r.facePreneur = siegeSuivant(r.apresPreneur);
    r.avantPreneur = siegeSuivant(r.facePreneur);
    r.positionPli = (siege - d.joueurEntame + 4) % 4 + 1;
    r.gagne = carteGagnante(jeu, siege);
    r.gagnant = gagnantProvisoire(jeu, siege);
    r.carteChoisie = 0;
    r.joueurIA = siege;
}

bool regleApplicable(Jeu& jeu, int k) {
    const EtatRegles& r = jeu.regles;
    if (r.etatRegle[k] != REGLE_ACTIVE || r.carteChoisie == 1) return false;
    if (!jeu.options.optionNiveauAdaptatif) return true;
    if (r.regleAdaptative[k] == 0) return true;
    return hasard(jeu.hasard, 100) <= r.poidsRegle[k];
}

void appliquerRegle(Jeu& jeu, int k) {
    if (k < 1 || k > nbReglesMax || !siegeValide(jeu.donne.preneur) || !siegeValide(jeu.donne.joueurEntame)) return;
    Choix ch(jeu);
    listeRegles[static_cast<std::size_t>(k - 1)].appliquer(ch);
}

void choisirCarte(Jeu& jeu, int siege) {
    const Donne& d = jeu.donne;
    // Outside the play of a deal there is no trick to reason about.
    if (!siegeValide(siege) || !siegeValide(d.preneur) || !siegeValide(d.joueurEntame)) return;
    commencerChoix(jeu, siege);
    EtatRegles& r = jeu.regles;
    Choix ch(jeu);
    for (int k = 1; k <= nbReglesMax; ++k) {
        const Regle& regle = listeRegles[static_cast<std::size_t>(k - 1)];
        if (regle.seuil != SANS_SEUIL && jeu.options.niveau <= regle.seuil) r.etatRegle[k] = REGLE_ETEINTE;
        if (regle.adaptative) r.regleAdaptative[k] = 1;
        if (regleApplicable(jeu, k)) regle.appliquer(ch);
    }
}

bool regleActive(const Jeu& jeu, int regle) { return jeu.regles.etatRegle[regle] == REGLE_ACTIVE; }
