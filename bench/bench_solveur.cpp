// The open-cards solver on the 200 deals belvane-autoplay --seed 1 plays:
// the position with 10 tricks left, the whole deal from its first card, and
// the positions with 8 to 12 tricks left, which show how fast the work grows
// with each trick.
// Each run solves every position once, with a fresh table, and reports the
// median, 95th percentile and worst processor time (this thread's, so that
// other work on the machine does not count) and node count, and how many
// positions the budget left unsettled. The arguments are the number of deals
// and the budget in millions of cards tried (70: about 6 to 7 seconds of one
// core on the machine it was written on, 7: well under one), counted in cards
// for the same reason.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "tools/analyse/analyse.h"
#include "tools/autoplay/autoplay.h"

namespace {

// The deals of belvane-autoplay --seed 1 --deals 200 that have a taker.
const std::vector<DonneLue>& donnes() {
    static const std::vector<DonneLue> lues = [] {
        ParametresAutoplay p;
        p.deals = 200;
        p.seed = 1;
        p.jsonl = true;
        std::ostringstream sortie, erreurs;
        executerAutoplay(p, sortie, erreurs);
        std::vector<DonneLue> v;
        std::istringstream lignes(sortie.str());
        std::string ligne, erreur;
        while (std::getline(lignes, ligne)) {
            DonneLue d;
            if (lireDonne(ligne, d, erreur) && d.avecPreneur) v.push_back(std::move(d));
        }
        return v;
    }();
    return lues;
}

double tempsProcesseur() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double quantile(std::vector<double> x, double q) {
    if (x.empty()) return 0;
    std::sort(x.begin(), x.end());
    return x[std::min(x.size() - 1, static_cast<std::size_t>(q * static_cast<double>(x.size())))];
}

// Solves, for the first `nb` deals, the position after `cartesJouees` cards,
// within a budget of `millions` of cards each.
void resoudreToutes(benchmark::State& state, int cartesJouees, std::int64_t nb, std::int64_t millions) {
    Solveur solveur;
    Budget budget;
    budget.secondes = 0;
    budget.noeuds = millions * 1'000'000;
    std::vector<double> temps, noeuds;
    int nonResolues = 0;
    for (auto _ : state) {
        temps.clear();
        noeuds.clear();
        for (int i = 0; i < nb && i < static_cast<int>(donnes().size()); ++i) {
            const DonneLue& d = donnes()[static_cast<std::size_t>(i)];
            Position p = d.depart;
            for (int k = 0; k < cartesJouees; ++k) jouerCarte(p, d.cartes[static_cast<std::size_t>(k)]);
            solveur.oublier();
            const double avant = tempsProcesseur();
            const Resultat r = solveur.resoudre(p, budget, Recherche::Valeur);
            temps.push_back((tempsProcesseur() - avant) * 1000);
            noeuds.push_back(static_cast<double>(r.noeuds));
            nonResolues += !r.exact;
        }
    }
    state.counters["cpu_ms_median"] = quantile(temps, 0.5);
    state.counters["cpu_ms_p95"] = quantile(temps, 0.95);
    state.counters["cpu_ms_worst"] = quantile(temps, 1.0);
    state.counters["nodes_median"] = quantile(noeuds, 0.5);
    state.counters["nodes_p95"] = quantile(noeuds, 0.95);
    state.counters["nodes_worst"] = quantile(noeuds, 1.0);
    state.counters["unsettled"] = nonResolues;
}

void BM_SolveurDixPlisRestants(benchmark::State& state) { resoudreToutes(state, 32, state.range(0), state.range(1)); }
BENCHMARK(BM_SolveurDixPlisRestants)->Args({40, 70})->Args({200, 70})->Iterations(1)->Unit(benchmark::kSecond);

// How the work grows with each trick left: the position with 8 to 12 tricks
// left (the first argument), over the first deals (the second) with the same
// budget in millions of cards (the third).
void BM_SolveurPlisRestants(benchmark::State& state) {
    resoudreToutes(state, static_cast<int>(72 - 4 * state.range(0)), state.range(1), state.range(2));
}
BENCHMARK(BM_SolveurPlisRestants)
    ->Args({8, 200, 70})
    ->Args({9, 200, 70})
    ->Args({11, 40, 70})
    ->Args({12, 20, 100})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

void BM_SolveurDonneEntiere(benchmark::State& state) { resoudreToutes(state, 0, state.range(0), state.range(1)); }
BENCHMARK(BM_SolveurDonneEntiere)->Args({200, 7})->Args({20, 70})->Args({200, 70})->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
