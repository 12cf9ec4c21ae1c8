#pragma once
// What the solver's tests share: a plain minimax written apart from the
// solver, and real deals played by belvane-autoplay, read back.
#include <algorithm>
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
