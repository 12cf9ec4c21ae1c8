#include "historique/rejouer.h"

#include "engine/jeu.h"
#include "flow/deroulement.h"

void rejouerRepartition(Jeu& jeu, const Repartition& r) {
    Donne& d = jeu.donne;
    d.paquetSauve = paquetDeRepartition(r);
    d.premierJoueur = r.premierJoueur;
    // The deal is replayed as it was dealt: the hand-strength option, which
    // would hand South another seat's hand, stays out of it for this one deal.
    const int force = jeu.options.optionForceMain;
    jeu.options.optionForceMain = 2;
    d.modeRejouer = 1;
    nouvelleDonne(jeu, 1);
    jeu.options.optionForceMain = force;
}
