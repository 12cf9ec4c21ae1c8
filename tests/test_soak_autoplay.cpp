#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "tests/aides.h"
#include "tools/autoplay/autoplay.h"
#include "tools/autoplay/verification.h"

// Whole deals through the flow, every seat played by the computers: after every
// card the card was legal, no card was played twice, knowledge only grew and
// never contradicted the real hands; after the deal the points add up to 182,
// the oudlers to 3, and a Prise or Garde discard holds no trump and no roi.
TEST(SoakAutoplay, VingtMilleDonnesSansFaute) {
    ParametresAutoplay p;
    p.deals = 20000;
    p.seed = 20261208;
    p.verifier = true;
    std::ostringstream sortie, erreurs;
    EXPECT_EQ(executerAutoplay(p, sortie, erreurs), 0) << erreurs.str();
    EXPECT_EQ(erreurs.str(), "");
    EXPECT_EQ(sortie.str().rfind("deals: 20000,", 0), 0u) << sortie.str();
}

TEST(SoakAutoplay, LaVerificationDesCartesJouees) {
    // The hand: hearts 3 and 9, trumps 5 and 12, the Excuse.
    Main m = mainDe({atout(12), atout(5), atout(0), coeur(9), coeur(3), pique(1), pique(2), pique(3), pique(4),
                     pique(5), pique(6), pique(7), pique(8), pique(9), pique(10), pique(11), pique(12), pique(13)});
    Main sansCoeur = m;
    sansCoeur[4].enMain = sansCoeur[5].enMain = false;
    Main sansAtout = sansCoeur;
    sansAtout[1].enMain = sansAtout[2].enMain = false;
    const Carte coeurs[] = {coeur(14)};
    const Carte coupe8[] = {coeur(14), atout(8)};
    const Carte coupe15[] = {coeur(14), atout(15)};
    const Carte excuseCoeur[] = {atout(0), coeur(1)};
    const Carte atout10[] = {atout(10)};
    struct Cas { const char* quoi; const Main& main; Carte c; const Carte* pli; int n; bool legale; };
    const Cas cas[] = {
        {"lead: anything", m, pique(1), nullptr, 0, true},
        {"follow hearts", m, coeur(3), coeurs, 1, true},
        {"a spade on hearts while holding hearts", m, pique(1), coeurs, 1, false},
        {"a trump on hearts while holding hearts", m, atout(12), coeurs, 1, false},
        {"the Excuse always", m, atout(0), coeurs, 1, true},
        {"no heart: must trump", sansCoeur, pique(1), coeurs, 1, false},
        {"no heart: any trump", sansCoeur, atout(5), coeurs, 1, true},
        {"over the 8: the 12", sansCoeur, atout(12), coupe8, 2, true},
        {"over the 8: not the 5", sansCoeur, atout(5), coupe8, 2, false},
        {"cannot beat the 15: the 5", sansCoeur, atout(5), coupe15, 2, true},
        {"after the Excuse, the second card sets hearts", m, pique(4), excuseCoeur, 2, false},
        {"trump led: over it", m, atout(12), atout10, 1, true},
        {"trump led: under it while holding the 12", m, atout(5), atout10, 1, false},
        {"no trump, no heart: anything", sansAtout, pique(7), coupe8, 2, true},
    };
    for (const auto& c : cas) EXPECT_EQ(carteLegale(c.main, c.c, c.pli, c.n), c.legale) << c.quoi;
}

TEST(SoakAutoplay, LaVerificationDesDonnesSansPreneur) {
    struct Cas {
        const char* quoi;
        std::vector<std::array<int, 4>> niveaux;  // the ratings of each deal in turn
        int rejouee;                              // the deal dealt as a replay, 0 none
        bool faute;
    };
    const std::array<int, 4> rien{0, 0, 0, 0}, prise{0, 0, 1, 0};
    const Cas cas[] = {
        {"three in a row", {rien, rien, rien}, 0, false},
        {"four in a row", {rien, rien, rien, rien}, 0, true},
        {"a bid in between", {rien, rien, rien, prise, rien, rien, rien}, 0, false},
        {"a replay does not count", {rien, rien, rien, rien}, 4, false},
    };
    for (const Cas& c : cas) {
        Donne d;
        int suite = 0, numero = 0;
        std::string erreur;
        bool faute = false;
        for (const auto& niveaux : c.niveaux) {
            d.modeRejouer = ++numero == c.rejouee ? 1 : 0;
            for (int s = 1; s <= 4; ++s) d.niveauMain[s] = niveaux[s - 1];
            faute |= !verifierSuiteSansPreneur(d, suite, erreur);
        }
        EXPECT_EQ(faute, c.faute) << c.quoi;
        EXPECT_EQ(erreur.empty(), !c.faute) << c.quoi;
    }
}
