#pragma once
// The deal the soak tests play: dealt, with a taker and a contract named as the
// auction would (both drawn from `n`), the taker's discard under Prise and
// Garde, and the knowledge built, ready for the first card.
#include "engine/chien.h"
#include "engine/connaissances.h"
#include "engine/distribution.h"
#include "engine/jeu.h"

inline void preparerDonne(Jeu& jeu, std::uint64_t n) {
    distribuer(jeu, 0);
    Donne& d = jeu.donne;
    d.preneur = static_cast<int>(n % 4) + 1;
    d.contrat = static_cast<int>(n / 4 % 4) + 1;
    d.enchere.remplir(PASSE);
    d.enchere[d.preneur] = d.contrat;
    d.numeroPli = 1;
    jeu.regles.nbReglesUtilisees = 0;
    if (d.contrat == PRISE || d.contrat == GARDE) {
        jeu.connaissances.chienMontre = 1;
        ecartOrdinateur(jeu);
    } else {
        initialiserConnaissances(jeu);
    }
}
