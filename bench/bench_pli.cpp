// Cost of the card play: the 72 cards of one deal chosen, played and
// followed by the knowledge of the four seats, without the dealing.
#include <benchmark/benchmark.h>

#include "engine/connaissances.h"
#include "engine/distribution.h"
#include "engine/pli.h"

namespace {

void jouerLesDixHuitPlis(Jeu& jeu) {
    Donne& d = jeu.donne;
    for (int pli = 1; pli <= 18; ++pli) {
        for (int n = 0; n < 4; ++n) {
            calculerJouables(jeu, d.joueurCourant);
            jouerCarteOrdinateur(jeu, d.joueurCourant);
            apresCarte(jeu);
        }
        d.etatAttente = 0;
        d.pliAffiche = 0;
        for (int s = 1; s <= 4; ++s) d.pliEnCours[s] = Carte{};
    }
}

void BM_JeuDeLaCarte(benchmark::State& state) {
    Jeu jeu;
    jeu.hasard.horloge = horlogeDeterministe(1);
    distribuer(jeu, 0);
    Donne& d = jeu.donne;
    d.preneur = EST;
    d.contrat = GARDE_SANS;
    d.enchere.remplir(PASSE);
    d.enchere[EST] = GARDE_SANS;
    const Donne donne = d;
    for (auto _ : state) {
        d = donne;
        d.numeroPli = 1;
        d.joueurEntame = d.joueurCourant = d.premierJoueur;
        initialiserConnaissances(jeu);
        jouerLesDixHuitPlis(jeu);
        benchmark::DoNotOptimize(d.pointsPreneur);
    }
}
BENCHMARK(BM_JeuDeLaCarte)->Unit(benchmark::kMicrosecond);

}  // namespace
