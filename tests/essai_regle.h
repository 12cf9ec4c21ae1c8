#pragma once
// One card-play rule tried alone on the seat to play, from a seed that gives
// the wanted draws: the playable cards before and after it, the draws it made,
// and its log entry checked on the way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/scene_regles.h"
#include "tests/tirages.h"

namespace scene {

// Written as the expected cards of a rule that must leave the set as it was.
inline const char* const INCHANGE = "=";

struct Essai {
    std::string avant;
    std::string apres;
    int tirages = 0;
};

// `seules`, when given, are the only cards left playable before the rule, as
// earlier rules would have left them.
inline Essai essayerSeule(Jeu& jeu, int k, const std::vector<TirageVoulu>& voulus, const char* seules = nullptr) {
    const std::uint32_t g = graineDonnant(voulus);
    EXPECT_NE(g, 0u) << "no seed gives these draws";
    const int siege = preparerChoix(jeu);
    if (seules != nullptr) {
        const std::vector<Carte> gardees = cartes(seules);
        for (int i = 1; i <= 18; ++i) {
            bool gardee = false;
            for (const Carte& c : gardees) gardee = gardee || memeCarte(c, jeu.donne.mainJoueur[siege][i]);
            if (!gardee) jeu.donne.jouable[siege][i] = 0;
        }
    }
    Essai e;
    e.avant = jouables(jeu, siege);
    jeu.regles.nbReglesUtilisees = 0;
    jeu.hasard.graine = g;
    appliquerRegle(jeu, k);
    e.apres = jouables(jeu, siege);
    while (e.tirages < 30 && apresTirages(g, e.tirages) != jeu.hasard.graine) ++e.tirages;
    // A rule that imposed writes one entry, a rule that did not writes none.
    const EtatRegles& r = jeu.regles;
    if (r.carteChoisie == 1) {
        EXPECT_EQ(r.nbReglesUtilisees, 1);
        EXPECT_EQ(r.regleUtilisee[1], k);
        EXPECT_EQ(r.joueurRegleUtilisee[1], siege);
        EXPECT_EQ(r.etatRegle[k], REGLE_IMPOSEE);
        EXPECT_EQ(nbJouables(jeu, siege), 1);
    } else {
        EXPECT_EQ(r.nbReglesUtilisees, 0);
    }
    EXPECT_GE(nbJouables(jeu, siege), 1) << "rule " << k << " left no playable card";
    return e;
}

// The expected cards, or the cards before the rule when it must change nothing.
inline std::string attendu(const Essai& e, const char* texte) {
    return std::string(texte) == INCHANGE ? e.avant : std::string(texte);
}

}  // namespace scene
