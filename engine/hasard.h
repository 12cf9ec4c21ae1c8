#pragma once
// The game's one random generator: a linear congruential generator reseeded
// from the time of day at every deal.
#include <cstdint>
#include <functional>

// Milliseconds since midnight, UTC.
using Horloge = std::function<std::uint32_t()>;

std::uint32_t horlogeSysteme();
// A reproducible clock for tools and tests: the n-th reading is derived from the
// seed alone, and consecutive readings differ as a running clock's would.
Horloge horlogeDeterministe(std::uint64_t graine);

struct Hasard {
    std::uint32_t graine = 0;
    Horloge horloge = horlogeSysteme;
};

// 1..n, uniformly; n >= 1. Inline: the shuffle draws it nearly 3000 times a deal.
inline int hasard(Hasard& h, int n) {
    h.graine = h.graine * 134775813u + 1u;
    return static_cast<int>((static_cast<std::uint64_t>(h.graine) * static_cast<std::uint32_t>(n)) >> 32) + 1;
}
// Two draws of 1..n in a row, exactly as two calls of hasard give them. The
// second seed is reached from the first one's predecessor by one step of the
// generator squared (×134775813², +134775814), so the two draws do not wait
// for each other: the shuffle's chain of nearly 3000 draws runs twice as fast.
// `graine` may be a local copy of the generator's seed, kept in a register
// through a loop and stored back after it.
inline void deuxTirages(std::uint32_t& graine, int n, int& a, int& b) {
    constexpr std::uint32_t multiplicateur = 134775813u;
    constexpr std::uint32_t multiplicateur2 = multiplicateur * multiplicateur;
    constexpr std::uint32_t increment2 = multiplicateur + 1u;
    const std::uint32_t g = graine;
    const std::uint32_t g1 = g * multiplicateur + 1u;
    const std::uint32_t g2 = g * multiplicateur2 + increment2;
    const std::uint64_t m = static_cast<std::uint32_t>(n);
    a = static_cast<int>((g1 * m) >> 32) + 1;
    b = static_cast<int>((g2 * m) >> 32) + 1;
    graine = g2;
}
inline void deuxTirages(Hasard& h, int n, int& a, int& b) { deuxTirages(h.graine, n, a, b); }
void reamorcer(Hasard& h);
