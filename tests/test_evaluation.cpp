#include <gtest/gtest.h>

#include <vector>

#include "engine/evaluation.h"
#include "tests/aides.h"

namespace {

// The example hand worked out by hand: 83 rating points, Garde Sans.
Main mainExemple() {
    return mainDe({atout(1), atout(21), atout(20), atout(18), atout(16), atout(12), atout(9), atout(5),
                   pique(14), pique(13), pique(3), coeur(14), coeur(7), coeur(2), trefle(12), trefle(4),
                   carreau(6), carreau(1)});
}

// The given trumps, then suit cards that add exactly `pointsCouleurs` rating points:
// pips (1 point) upgraded to rois (+11), dames (+5) and valets or cavaliers (+1).
Main mainAvec(const std::vector<int>& atouts, int pointsCouleurs) {
    const int n = 18 - static_cast<int>(atouts.size());
    std::vector<Carte> couleurs;
    for (int i = 0; i < n; ++i) couleurs.push_back(carte(1 + i % 4, 1 + i / 4));
    int reste = pointsCouleurs - n;
    int rois = 0, dames = 0, petitsHonneurs = 0;
    for (auto& c : couleurs) {
        if (reste >= 11 && rois < 4) { c.valeur = ROI; reste -= 11; ++rois; }
        else if (reste >= 5 && dames < 4) { c.valeur = DAME; reste -= 5; ++dames; }
        else if (reste >= 1 && petitsHonneurs < 8) { c.valeur = petitsHonneurs < 4 ? VALET : CAVALIER; --reste; ++petitsHonneurs; }
    }
    if (reste != 0) throw std::invalid_argument("those suit points do not fit");
    Main m;
    int i = 1;
    for (int v : atouts) m[i++] = atout(v);
    for (const auto& c : couleurs) m[i++] = c;
    return m;
}

}  // namespace

TEST(Evaluation, ExempleTravaille) {
    const Main m = mainExemple();
    EXPECT_EQ(scoreAtouts(m), 39 + 6);
    EXPECT_EQ(scoreMain(m, 8), 83);
    EXPECT_EQ(evaluerMain(m), GARDE_SANS);
}

TEST(Evaluation, ValeursDesCartes) {
    EXPECT_EQ(valeurEvaluation(atout(0)), 12);
    EXPECT_EQ(valeurEvaluation(atout(1)), 12);
    EXPECT_EQ(valeurEvaluation(atout(21)), 12);
    EXPECT_EQ(valeurEvaluation(atout(15)), 3);
    EXPECT_EQ(valeurEvaluation(atout(14)), 2);
    EXPECT_EQ(valeurEvaluation(atout(2)), 2);
    EXPECT_EQ(valeurEvaluation(coeur(14)), 12);
    EXPECT_EQ(valeurEvaluation(coeur(13)), 6);
    EXPECT_EQ(valeurEvaluation(coeur(12)), 2);
    EXPECT_EQ(valeurEvaluation(coeur(11)), 2);
    EXPECT_EQ(valeurEvaluation(coeur(10)), 1);
}

// Rating points of the trumps are worked out by hand in each row:
// oudlers 12, trumps 15..20 3, trumps 2..14 2, plus the length bonus.
TEST(Evaluation, BornesDesTranchesEtConditionsDEntree) {
    // Three oudlers, six trumps 1..21: 36 + 4 x 3 + 4 (7 cards) = 52.
    const std::vector<int> troisBoutsSix = {21, 20, 19, 18, 17, 1, 0};
    // Three oudlers, seven trumps: 36 + 5 x 3 + 6 (8 cards) = 57.
    const std::vector<int> troisBoutsSept = {21, 20, 19, 18, 17, 16, 1, 0};
    // Two oudlers with the 21 and six trumps: 24 + 2 x 4 + 2 (6 cards) = 34.
    const std::vector<int> deuxBoutsAvec21 = {21, 13, 4, 3, 2, 1};
    // One oudler, seven trumps 15..21: 12 + 6 x 3 + 4 (7 cards) = 34.
    const std::vector<int> unBoutSept = {21, 20, 19, 18, 17, 16, 15};
    // No oudler, eight trumps: 6 x 3 + 2 x 2 + 6 (8 cards) = 28.
    const std::vector<int> sansBoutHuit = {20, 19, 18, 17, 16, 15, 14, 13};

    struct Cas { const char* quoi; Main main; int score; int niveau; };
    const Cas cas[] = {
        {"3 bouts, 63: garde", mainAvec(troisBoutsSix, 11), 63, GARDE},
        {"3 bouts, 77: garde", mainAvec(troisBoutsSix, 25), 77, GARDE},
        {"3 bouts, 78, 6 atouts: garde sans", mainAvec(troisBoutsSix, 26), 78, GARDE_SANS},
        {"3 bouts, 84, 6 atouts: garde sans", mainAvec(troisBoutsSix, 32), 84, GARDE_SANS},
        {"3 bouts, 84, 7 atouts: garde contre", mainAvec(troisBoutsSept, 27), 84, GARDE_CONTRE},
        {"3 bouts, 83, 7 atouts: garde sans", mainAvec(troisBoutsSept, 26), 83, GARDE_SANS},
        {"2 bouts avec 21, 49: passe", mainAvec(deuxBoutsAvec21, 15), 49, PASSE},
        {"2 bouts avec 21, 50: prise", mainAvec(deuxBoutsAvec21, 16), 50, PRISE},
        {"2 bouts avec 21, 55: prise", mainAvec(deuxBoutsAvec21, 21), 55, PRISE},
        {"2 bouts avec 21, 56: garde", mainAvec(deuxBoutsAvec21, 22), 56, GARDE},
        {"2 bouts avec 21, 76, 6 atouts: garde sans", mainAvec(deuxBoutsAvec21, 42), 76, GARDE_SANS},
        // Two oudlers with the 21, five trumps: 24 + 2 + 2 + 2 = 30; 2 x 5 + 2 = 12 >= 10.
        {"2 bouts avec 21, 76, 5 atouts: garde", mainAvec({21, 13, 3, 2, 1}, 46), 76, GARDE},
        {"1 bout, 69: passe", mainAvec(unBoutSept, 35), 69, PASSE},
        {"1 bout, 70: prise", mainAvec(unBoutSept, 36), 70, PRISE},
        {"1 bout, 76: garde", mainAvec(unBoutSept, 42), 76, GARDE},
        {"1 bout, 104, 7 atouts: garde sans", mainAvec(unBoutSept, 70), 104, GARDE_SANS},
        {"0 bout, 79: passe", mainAvec(sansBoutHuit, 51), 79, PASSE},
        {"0 bout, 80: prise", mainAvec(sansBoutHuit, 52), 80, PRISE},
        {"0 bout, 86: garde", mainAvec(sansBoutHuit, 58), 86, GARDE},
        // Entry conditions fail whatever the score.
        {"3 bouts, 3 atouts", mainAvec({21, 2, 1, 0}, 70), 38 + 70, PASSE},
        {"3 bouts, 4 atouts bas", mainAvec({21, 3, 2, 1, 0}, 70), 40 + 70, PASSE},
        {"excuse et petit, 5 atouts bas", mainAvec({5, 4, 3, 2, 1, 0}, 60), 24 + 8 + 2 + 60, PASSE},
    };
    for (const auto& c : cas) {
        int nbAtouts = 0;
        for (int i = 1; i <= 18; ++i) nbAtouts += estAtout(c.main[i]);
        EXPECT_EQ(scoreMain(c.main, nbAtouts), c.score) << c.quoi;
        EXPECT_EQ(evaluerMain(c.main), c.niveau) << c.quoi;
    }

    // Three oudlers and exactly four trumps pass the entry with two of them 13..21.
    EXPECT_NE(evaluerMain(mainAvec({21, 13, 2, 1, 0}, 70)), PASSE);
}

TEST(Evaluation, BonusDesAtoutsLongs) {
    // Eight trumps and the Excuse: +9 for nine cards of suit 0, no long-trump bonus.
    const Main huitEtExcuse = mainAvec({20, 19, 18, 10, 9, 8, 7, 6, 0}, 9);
    // 3 x 3 + 5 x 2 + 12 for the Excuse, +9 for the length, 9 suit points.
    EXPECT_EQ(scoreMain(huitEtExcuse, 8), 9 + 10 + 12 + 9 + 9);
    // Nine trumps: +12; ten +26; eleven +42; twelve +60.
    const Main neuf = mainAvec({20, 19, 18, 10, 9, 8, 7, 6, 5}, 9);
    EXPECT_EQ(scoreMain(neuf, 9) - scoreAtouts(neuf) - 9, 12);
    EXPECT_EQ(scoreMain(neuf, 10) - scoreMain(neuf, 9), 14);
    EXPECT_EQ(scoreMain(neuf, 11) - scoreMain(neuf, 9), 30);
    EXPECT_EQ(scoreMain(neuf, 12) - scoreMain(neuf, 9), 48);
}

TEST(Evaluation, LeSiegeNeComptePas) {
    Donne d;
    for (int s = 1; s <= 4; ++s) d.mainJoueur[s] = mainExemple();
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(evaluerMain(d, s), GARDE_SANS);
    EXPECT_EQ(evaluerMain(d, 2), evaluerMain(d, 2));
}
