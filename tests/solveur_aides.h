#pragma once
// What the solver's tests share: a plain minimax written apart from the
// solver, and real deals played by belvane-autoplay, read back.
#include <algorithm>
#include <array>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "solveur/solveur.h"
#include "tools/analyse/analyse.h"
#include "tools/autoplay/autoplay.h"

// Every legal line, no pruning, no table: the taker's best score.
inline int minimax(const Position& p) {
    if (donneFinie(p)) return scoreFinal(p);
    const ListeCartes l = cartesJouables(p);
    const bool preneur = p.joueur == p.preneur;
    int meilleur = preneur ? -1000000 : 1000000;
    for (int i = 0; i < l.nb; ++i) {
        Position f = p;
        jouerCarte(f, l.cartes[static_cast<std::size_t>(i)]);
        const int v = minimax(f);
        meilleur = preneur ? std::max(meilleur, v) : std::min(meilleur, v);
    }
    return meilleur;
}

// The records of belvane-autoplay --seed `graine` --deals `nb` --jsonl.
inline std::vector<std::string> enregistrementsAutoplay(std::uint64_t graine, long long nb) {
    ParametresAutoplay p;
    p.deals = nb;
    p.seed = graine;
    p.jsonl = true;
    std::ostringstream sortie, erreurs;
    executerAutoplay(p, sortie, erreurs);
    std::vector<std::string> lignes;
    std::istringstream texte(sortie.str());
    std::string ligne;
    while (std::getline(texte, ligne))
        if (!ligne.empty() && ligne[0] == '{') lignes.push_back(ligne);
    return lignes;
}

// The deals among them that have a taker.
inline std::vector<DonneLue> donnesAutoplay(std::uint64_t graine, long long nb) {
    std::vector<DonneLue> donnes;
    for (const std::string& ligne : enregistrementsAutoplay(graine, nb)) {
        DonneLue d;
        std::string erreur;
        if (lireDonne(ligne, d, erreur) && d.avecPreneur) donnes.push_back(d);
    }
    return donnes;
}

inline bool contientCarte(const ListeCartes& l, const Carte& c) {
    return std::any_of(l.cartes.begin(), l.cartes.begin() + l.nb, [&](const Carte& x) { return x.memeCarte(c); });
}

// Deals an ending of `plis` tricks from `cartes` in their order: `plis` cards
// to each seat of `sieges` in turn, six set aside, and every other card
// already won by one side or the other at random.
inline void distribuerFinale(Position& p, const std::vector<Carte>& cartes, const std::array<int, 4>& sieges, int plis, std::mt19937& g) {
    std::size_t k = 0;
    for (int s : sieges) {
        p.nbCartes[s] = plis;
        for (int i = 1; i <= plis; ++i) p.mains[s][i] = cartes[k++];
    }
    for (int i = 1; i <= 6; ++i) p.chien[i] = cartes[k++];
    for (; k < cartes.size(); ++k) {
        const bool auPreneur = g() % 2 == 0;
        (auPreneur ? p.pointsPreneur : p.pointsDefense) += pointsCarte(cartes[k]);
        (auPreneur ? p.boutsPreneur : p.boutsDefense) += estBout(cartes[k]);
    }
}
