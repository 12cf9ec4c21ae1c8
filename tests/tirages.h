#pragma once
// A second, independent writing of the game's generator, so that tests can
// foresee the draws a routine will make and choose seeds that give chosen draws.
#include <cstdint>
#include <functional>
#include <vector>

struct GenerateurTemoin {
    std::uint32_t graine;

    int tirer(int n) {
        graine = graine * 134775813u + 1u;
        return static_cast<int>((std::uint64_t{graine} * std::uint32_t(n)) >> 32) + 1;
    }
};

// One expected draw: a draw of 1..n whose result satisfies `accepte`.
struct TirageVoulu {
    int n;
    std::function<bool(int)> accepte;
};

inline TirageVoulu tirage(int n, int valeur) {
    return {n, [valeur](int x) { return x == valeur; }};
}
inline TirageVoulu nImporte(int n) {
    return {n, [](int) { return true; }};
}

// The first seed from which the draws come out as wanted; 0 if none below the limit.
inline std::uint32_t graineDonnant(const std::vector<TirageVoulu>& voulus, std::uint32_t limite = 50'000'000) {
    for (std::uint32_t g = 1; g < limite; ++g) {
        GenerateurTemoin t{g};
        bool ok = true;
        for (const TirageVoulu& v : voulus)
            if (!v.accepte(t.tirer(v.n))) {
                ok = false;
                break;
            }
        if (ok) return g;
    }
    return 0;
}

// The generator's state after `n` draws from `graine`.
inline std::uint32_t apresTirages(std::uint32_t graine, int n) {
    GenerateurTemoin t{graine};
    for (int i = 0; i < n; ++i) t.tirer(2);
    return t.graine;
}
