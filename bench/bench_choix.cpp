// Cost of one computer card choice: the 74 rules tried for a seat that
// follows a lead, adaptive level on, from the same state each time.
#include <benchmark/benchmark.h>

#include "engine/choix.h"
#include "engine/connaissances.h"
#include "engine/distribution.h"
#include "engine/pli.h"

namespace {

void BM_ChoixDUneCarte(benchmark::State& state) {
    Jeu jeu;
    jeu.hasard.horloge = horlogeDeterministe(3);
    jeu.options.niveau = 4;
    jeu.options.optionNiveauAdaptatif = 1;
    jeu.regles.poidsRegle.remplir(100);
    distribuer(jeu, 0);
    Donne& d = jeu.donne;
    d.preneur = NORD;
    d.contrat = GARDE_SANS;
    d.enchere.remplir(PASSE);
    d.enchere[NORD] = GARDE_SANS;
    d.numeroPli = 1;
    initialiserConnaissances(jeu);
    // The leader's card, then the next seat to choose.
    calculerJouables(jeu, d.joueurCourant);
    jouerCarteOrdinateur(jeu, d.joueurCourant);
    apresCarte(jeu);
    const int siege = d.joueurCourant;
    calculerJouables(jeu, siege);
    const auto jouable = d.jouable[siege];
    for (auto _ : state) {
        d.jouable[siege] = jouable;
        choisirCarte(jeu, siege);
        benchmark::DoNotOptimize(d.jouable[siege]);
    }
}
BENCHMARK(BM_ChoixDUneCarte);

}  // namespace
