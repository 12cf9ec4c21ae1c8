#include "engine/choix.h"

#include <algorithm>

#include "engine/jeu.h"
#include "engine/regles_moteur.h"

namespace {

bool siegeValide(int s) { return s >= 1 && s <= 4; }

// The seat's side and place in the trick, read once per choice.
void placerRoles(Jeu& jeu, int siege) {
    EtatRegles& r = jeu.regles;
    const Donne& d = jeu.donne;
    r.apresPreneur = siegeSuivant(d.preneur);
    r.facePreneur = siegeSuivant(r.apresPreneur);
    r.avantPreneur = siegeSuivant(r.facePreneur);
    r.positionPli = (siege - d.joueurEntame + 4) % 4 + 1;
    r.gagne = carteGagnante(jeu, siege);
    r.gagnant = gagnantProvisoire(jeu, siege);
    r.carteChoisie = 0;
    r.joueurIA = siege;
}

}  // namespace

void commencerChoix(Jeu& jeu, int siege) {
    jeu.regles.etatRegle.remplir(REGLE_ACTIVE);
    jeu.regles.regleAdaptative.remplir(0);
    placerRoles(jeu, siege);
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

namespace {

// What the rule tables hold at the end of a choice in which no rule imposed a
// card: each rule switched off by the level's threshold or still active, and
// flagged when it is weighed. Levels 1 to 4; a lower level switches off as
// Débutant does, a higher one as Pro.
struct EtatsDeDepart {
    Table<Table<int, 1, nbRegles>, 1, 4> etatRegle;
    Table<std::uint8_t, 1, nbRegles> regleAdaptative;
};

const EtatsDeDepart& etatsDeDepart() {
    static const EtatsDeDepart etats = [] {
        EtatsDeDepart e;
        for (int niveau = 1; niveau <= 4; ++niveau) {
            e.etatRegle[niveau].remplir(REGLE_ACTIVE);
            for (int k = 1; k <= nbReglesMax; ++k) {
                const Regle& regle = listeRegles[static_cast<std::size_t>(k - 1)];
                if (regle.seuil != SANS_SEUIL && niveau <= regle.seuil) e.etatRegle[niveau][k] = REGLE_ETEINTE;
            }
        }
        for (int k = 1; k <= nbReglesMax; ++k)
            e.regleAdaptative[k] = listeRegles[static_cast<std::size_t>(k - 1)].adaptative ? 1 : 0;
        return e;
    }();
    return etats;
}

}  // namespace

void choisirCarte(Jeu& jeu, int siege) {
    const Donne& d = jeu.donne;
    // Outside the play of a deal there is no trick to reason about.
    if (!siegeValide(siege) || !siegeValide(d.preneur) || !siegeValide(d.joueurEntame)) return;
    placerRoles(jeu, siege);
    EtatRegles& r = jeu.regles;
    // Each rule is switched off by the level, and flagged when weighed, just
    // before it is tried; no rule reads another's state, so the switches and
    // flags of the whole list can be set at once. Once a rule has imposed the
    // card no later rule is tried, and none draws.
    const EtatsDeDepart& depart = etatsDeDepart();
    r.etatRegle = depart.etatRegle[std::clamp(jeu.options.niveau, 1, 4)];
    r.regleAdaptative = depart.regleAdaptative;
    const bool poids = jeu.options.optionNiveauAdaptatif != 0;
    Choix ch(jeu);
    for (int k = 1; k <= nbReglesMax && r.carteChoisie == 0; ++k) {
        if (r.etatRegle[k] != REGLE_ACTIVE) continue;
        const Regle& regle = listeRegles[static_cast<std::size_t>(k - 1)];
        if (poids && regle.adaptative && hasard(jeu.hasard, 100) > r.poidsRegle[k]) continue;
        regle.appliquer(ch);
    }
}

bool regleActive(const Jeu& jeu, int regle) { return jeu.regles.etatRegle[regle] == REGLE_ACTIVE; }
