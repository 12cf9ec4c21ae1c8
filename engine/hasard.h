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
void reamorcer(Hasard& h);
