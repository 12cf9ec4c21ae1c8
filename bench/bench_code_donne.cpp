// Cost of a deal's code, which every record of a headless run and every deal
// written to the history carries: the code of a freshly dealt deal, and its
// reading back.
#include <benchmark/benchmark.h>

#include "engine/distribution.h"
#include "historique/code_donne.h"

namespace {

Repartition repartitionTiree() {
    Jeu jeu;
    jeu.hasard.horloge = horlogeDeterministe(1);
    jeu.options.optionForceMain = 2;
    distribuer(jeu, 0);
    return repartitionDonne(jeu.donne);
}

void BM_CodeDonne(benchmark::State& state) {
    const Repartition r = repartitionTiree();
    for (auto _ : state) benchmark::DoNotOptimize(codeDonne(r));
}
BENCHMARK(BM_CodeDonne)->Unit(benchmark::kMicrosecond);

void BM_LireCode(benchmark::State& state) {
    const std::string code = codeDonne(repartitionTiree());
    for (auto _ : state) benchmark::DoNotOptimize(lireCode(code));
}
BENCHMARK(BM_LireCode)->Unit(benchmark::kMicrosecond);

}  // namespace
