// How long the Expert thinks over a bid, a discard and a handful, as the window's
// worker does it: on the copy of the game its seat may know, with the default
// settings. Each run thinks once on each of the same deals and reports the
// median, the 95th percentile and the worst decision in milliseconds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "engine/distribution.h"
#include "engine/jeu.h"
#include "expert/copie_siege.h"
#include "expert/ecart_expert.h"
#include "expert/enchere_expert.h"
#include "engine/annonces.h"
#include "engine/pli.h"
#include "expert/expert.h"
#include "expert/poignee_expert.h"
#include "tests/donne_jouee.h"

namespace {

using Horloge = std::chrono::steady_clock;

void rapporter(benchmark::State& state, std::vector<double> ms) {
    if (ms.empty()) return;
    std::sort(ms.begin(), ms.end());
    const auto rang = [&](double q) { return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * ms.size()))]; };
    state.counters["decisions"] = static_cast<double>(ms.size());
    state.counters["median_ms"] = rang(0.5);
    state.counters["p95_ms"] = rang(0.95);
    state.counters["max_ms"] = ms.back();
}

// Every seat's bid in turn, from the opening of the auction, each seat
// bidding its rating once it has thought (the copy hides the other hands).
void BM_EnchereExpert(benchmark::State& state) {
    const int donnes = static_cast<int>(state.range(0));
    const ReglagesExpert reglages;
    for (auto _ : state) {
        std::vector<double> ms;
        for (int n = 0; n < donnes; ++n) {
            Jeu jeu;
            jeu.hasard.horloge = horlogeDeterministe(static_cast<std::uint64_t>(n) + 301);
            jeu.options.niveau = 4;
            distribuer(jeu, 0);
            Donne& d = jeu.donne;
            d.enchere.remplir(PAS_ENCORE_PARLE);
            d.meilleureEnchere = PASSE;
            d.nbEncheres = 0;
            std::mt19937_64 generateur(static_cast<std::uint64_t>(n));
            for (int siege = d.premierJoueur, i = 0; i < 4; ++i, siege = siegeSuivant(siege)) {
                const auto copie = copieAvantEnchere(jeu, siege);
                const auto debut = Horloge::now();
                benchmark::DoNotOptimize(choisirEnchereExpert(*copie, siege, reglages.enchere, generateur));
                ms.push_back(std::chrono::duration<double, std::milli>(Horloge::now() - debut).count());
                d.enchere[siege] = d.niveauMain[siege] > d.meilleureEnchere ? d.niveauMain[siege] : PASSE;
                d.meilleureEnchere = std::max(d.meilleureEnchere, d.enchere[siege]);
                ++d.nbEncheres;
            }
        }
        rapporter(state, ms);
    }
}
BENCHMARK(BM_EnchereExpert)->Arg(30)->Iterations(1)->Unit(benchmark::kMillisecond);

// The taker's discard at Prise and Garde, from his hand and the dog as dealt.
void BM_EcartExpert(benchmark::State& state) {
    const int donnes = static_cast<int>(state.range(0));
    const ReglagesExpert reglages;
    for (auto _ : state) {
        std::vector<double> ms;
        for (std::uint64_t n = 0; static_cast<int>(ms.size()) < donnes && n < 400; ++n) {
            Jeu jeu;
            jeu.hasard.horloge = horlogeDeterministe(n + 601);
            jeu.options.niveau = 4;
            preparerDonne(jeu, n);
            if (jeu.donne.contrat != PRISE && jeu.donne.contrat != GARDE) continue;
            const auto copie = copieAvantEcart(jeu);
            std::mt19937_64 generateur(n);
            const auto debut = Horloge::now();
            benchmark::DoNotOptimize(choisirEcartExpert(*copie, reglages.ecart, generateur));
            ms.push_back(std::chrono::duration<double, std::milli>(Horloge::now() - debut).count());
        }
        rapporter(state, ms);
    }
}
BENCHMARK(BM_EcartExpert)->Arg(20)->Iterations(1)->Unit(benchmark::kMillisecond);

// The handful under the official rules of the first seat with ten trumps,
// at its first card, the trick's earlier cards played by the Pro rules.
void BM_PoigneeExpert(benchmark::State& state) {
    const int donnes = static_cast<int>(state.range(0));
    const ReglagesExpert reglages;
    for (auto _ : state) {
        std::vector<double> ms;
        for (std::uint64_t n = 0; static_cast<int>(ms.size()) < donnes && n < 3000; ++n) {
            Jeu jeu;
            jeu.hasard.horloge = horlogeDeterministe(n + 901);
            jeu.options.niveau = 4;
            preparerDonne(jeu, n);
            Donne& d = jeu.donne;
            d.reglesPoignees = 1;
            int siege = 0;
            for (int s = 1; s <= 4 && siege == 0; ++s)
                if (poigneePossible(atoutsEnMain(d, s)) > 0) siege = s;
            if (siege == 0) continue;
            while (d.joueurCourant != siege) {
                calculerJouables(jeu, d.joueurCourant);
                jouerCarteOrdinateur(jeu, d.joueurCourant);
                apresCarte(jeu);
            }
            const SavoirSiege savoir = savoirDuSiege(jeu, siege);
            const auto copie = copiePendantLeJeu(jeu, siege);
            std::mt19937_64 generateur(n);
            const auto debut = Horloge::now();
            benchmark::DoNotOptimize(jugerPoigneeExpert(*copie, savoir, reglages.poignee, generateur));
            ms.push_back(std::chrono::duration<double, std::milli>(Horloge::now() - debut).count());
        }
        rapporter(state, ms);
    }
}
BENCHMARK(BM_PoigneeExpert)->Arg(20)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
