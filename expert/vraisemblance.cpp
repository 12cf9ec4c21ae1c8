#include "expert/vraisemblance.h"

#include "engine/evaluation.h"

bool mainDistribuee(const SavoirSiege& s, const Position& p, int siege, Main& main) {
    std::array<bool, NB_CARTES> dedans{};
    for (int i = 1; i <= p.nbCartes[siege]; ++i) dedans[static_cast<std::size_t>(numeroCarte(p.mains[siege][i]))] = true;
    for (int n = 0; n < NB_CARTES; ++n)
        if (s.jouePar[static_cast<std::size_t>(n)] == siege) dedans[static_cast<std::size_t>(n)] = true;
    // The taker took the dog up and set six cards aside from the 24.
    if (siege == s.preneur && s.chienVu) {
        for (int i = 1; i <= 6; ++i)
            if (p.chien[i].couleur != SANS_COULEUR) dedans[static_cast<std::size_t>(numeroCarte(p.chien[i]))] = true;
        for (int n = 0; n < NB_CARTES; ++n)
            if (s.chienMontre[static_cast<std::size_t>(n)]) dedans[static_cast<std::size_t>(n)] = false;
    }
    int nb = 0;
    for (int n = 0; n < NB_CARTES; ++n) {
        if (!dedans[static_cast<std::size_t>(n)]) continue;
        if (++nb > 18) return false;
        main[nb] = carteNumero(n);
    }
    return nb == 18;
}

bool accordeAvecEncheres(const SavoirSiege& s, const Position& p) {
    for (int t = 1; t <= 4; ++t) {
        if (t == s.siege || s.enchere[t] < PASSE) continue;
        Main main;
        if (!mainDistribuee(s, p, t, main)) continue;
        const int note = evaluerMain(main);
        if (s.enchere[t] > PASSE && note != s.enchere[t]) return false;
        if (s.enchere[t] == PASSE && note > s.meilleureAvant[t]) return false;
    }
    return true;
}

bool tirerDonneVraisemblable(const SavoirSiege& s, std::mt19937_64& generateur, Position& p, int essais) {
    bool aucune = true;
    for (int t = 1; t <= 4; ++t) aucune = aucune && (t == s.siege || s.enchere[t] < PASSE);
    if (essais <= 1 || aucune) return tirerDonne(s, generateur, p);
    for (int essai = 0; essai < essais; ++essai) {
        if (!tirerDonne(s, generateur, p)) return false;
        if (accordeAvecEncheres(s, p)) return true;
    }
    return true;
}
