// Cost of dealing: one attempt of donner, and a whole accepted deal.
#include <benchmark/benchmark.h>

#include "engine/distribution.h"

namespace {

void BM_UneTentative(benchmark::State& state) {
    Jeu jeu;
    jeu.hasard.horloge = horlogeDeterministe(1);
    jeu.options.optionForceMain = 2;
    for (auto _ : state) benchmark::DoNotOptimize(donner(jeu));
}
BENCHMARK(BM_UneTentative);

void BM_DonneAcceptee(benchmark::State& state) {
    Jeu jeu;
    jeu.hasard.horloge = horlogeDeterministe(1);
    jeu.options.optionForceMain = static_cast<int>(state.range(0));
    long long tentatives = 0;
    for (auto _ : state) {
        tentatives += distribuer(jeu, 0);
    }
    state.counters["tentatives"] = benchmark::Counter(static_cast<double>(tentatives), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DonneAcceptee)->Arg(2)->Arg(6)->Unit(benchmark::kMicrosecond);

}  // namespace
