#include "engine/choix.h"

#include "engine/jeu.h"

// Until the rule list is written, a computer seat keeps every legal card and
// the play step picks one of them at random.
void choisirCarte(Jeu& jeu, int siege) {
    (void)jeu;
    (void)siege;
}

// No rule is ever switched off yet, so every rule reads as active.
bool regleActive(const Jeu& jeu, int regle) {
    (void)jeu;
    (void)regle;
    return true;
}
