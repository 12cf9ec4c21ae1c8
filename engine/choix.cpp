#include "engine/choix.h"

#include <algorithm>
#include <array>

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

// What a choice starts from at each level 1 to 4 (a lower level switches rules
// off as Débutant does, a higher one as Pro): the rule tables as they stand at
// the end of a choice in which no rule imposed a card, each rule switched off
// by the level's threshold or still active and flagged when it is weighed,
// and the rules left to try, in order.
struct RegleAEssayer {
    void (*appliquer)(Choix&);
    int k;
    bool adaptative;
};

struct Depart {
    Table<int, 1, nbRegles> etatRegle;
    std::array<RegleAEssayer, nbReglesMax> regles;
    int nbAEssayer = 0;
};

struct Departs {
    Table<Depart, 1, 4> parNiveau;
    Table<std::uint8_t, 1, nbRegles> regleAdaptative;
};

const Departs& departs() {
    static const Departs tous = [] {
        Departs d;
        for (int niveau = 1; niveau <= 4; ++niveau) {
            Depart& n = d.parNiveau[niveau];
            n.etatRegle.remplir(REGLE_ACTIVE);
            for (int k = 1; k <= nbReglesMax; ++k) {
                const Regle& regle = listeRegles[static_cast<std::size_t>(k - 1)];
                if (regle.seuil != SANS_SEUIL && niveau <= regle.seuil) {
                    n.etatRegle[k] = REGLE_ETEINTE;
                    continue;
                }
                n.regles[static_cast<std::size_t>(n.nbAEssayer++)] = {regle.appliquer, k, regle.adaptative};
            }
        }
        for (int k = 1; k <= nbReglesMax; ++k)
            d.regleAdaptative[k] = listeRegles[static_cast<std::size_t>(k - 1)].adaptative ? 1 : 0;
        return d;
    }();
    return tous;
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
    // flags of the whole list are set at once, and only the rules the level
    // leaves on are visited. Once a rule has imposed the card no later rule is
    // tried, and none draws.
    const Departs& tous = departs();
    const Depart& depart = tous.parNiveau[std::clamp(jeu.options.niveau, 1, 4)];
    r.etatRegle = depart.etatRegle;
    r.regleAdaptative = tous.regleAdaptative;
    const bool poids = jeu.options.optionNiveauAdaptatif != 0;
    const int* const poidsRegle = r.poidsRegle.begin();  // rule k at k - 1
    Choix ch(jeu);
    for (int i = 0; i < depart.nbAEssayer && r.carteChoisie == 0; ++i) {
        const RegleAEssayer& regle = depart.regles[static_cast<std::size_t>(i)];
        if (poids && regle.adaptative && hasard(jeu.hasard, 100) > poidsRegle[regle.k - 1]) continue;
        regle.appliquer(ch);
    }
}

bool regleActive(const Jeu& jeu, int regle) { return jeu.regles.etatRegle[regle] == REGLE_ACTIVE; }
