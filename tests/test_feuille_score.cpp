// The detailed score sheet: each line worked out by hand, the rows that hide,
// and its last line equal to the deal's score for every combination.
#include <gtest/gtest.h>

#include "engine/jeu.h"
#include "scoring/feuille_score.h"
#include "scoring/score.h"

namespace {

Donne donne(int contrat, int aFaire, int demiPoints, int petitAuBout, int poignee, int preneur = SUD) {
    Donne d;
    d.preneur = preneur;
    d.enchere[preneur] = contrat;
    d.pointsAFaire = aFaire;
    d.pointsPreneur = demiPoints;
    d.petitAuBout = petitAuBout;
    d.poigneeHumain = poignee;
    d.boutsPreneur = aFaire == 56 ? 0 : aFaire == 51 ? 1 : aFaire == 41 ? 2 : 3;
    return d;
}

TEST(FeuilleScore, TheWorkedExample) {
    // Garde, two oudlers, 45 points, petit au bout to the defence, no handful.
    const FeuilleScore f = calculerFeuilleScore(donne(GARDE, 41, 90, 2, 0));
    EXPECT_EQ(f.preneur, SUD);
    EXPECT_EQ(f.nbBouts, 2);
    EXPECT_EQ(f.pointsRealises, 45);
    EXPECT_EQ(f.contrat, 41);
    EXPECT_EQ(f.depassement, 4);
    EXPECT_TRUE(f.lignesPetit);
    EXPECT_EQ(f.signePetit, "-");
    EXPECT_EQ(f.primePetit, 10);
    EXPECT_EQ(f.scoreApresPetit, -6);
    EXPECT_EQ(f.signeGain, "+");
    EXPECT_EQ(f.constContrat, 25);
    EXPECT_EQ(f.scoreTmp, 19);
    EXPECT_EQ(f.coefficientEnchere, 2);
    EXPECT_EQ(f.scoreApresEnchere, 38);
    EXPECT_FALSE(f.lignesPoignee);
    EXPECT_EQ(f.scoreFinalPreneur, 114);
}

TEST(FeuilleScore, NoPetitNoHandfulHidesBothPairsOfRows) {
    // Prise, no oudler, 50 points: 6 short.
    const FeuilleScore f = calculerFeuilleScore(donne(PRISE, 56, 100, 0, 0));
    EXPECT_FALSE(f.lignesPetit);
    EXPECT_FALSE(f.lignesPoignee);
    EXPECT_EQ(f.depassement, -6);
    EXPECT_EQ(f.signeGain, "-");
    EXPECT_EQ(f.scoreTmp, -31);  // the difference - 25
    EXPECT_EQ(f.coefficientEnchere, 1);
    EXPECT_EQ(f.scoreApresEnchere, -31);
    EXPECT_EQ(f.scoreFinalPreneur, -93);
}

TEST(FeuilleScore, AFailedGardeContreWithATripleHandful) {
    const FeuilleScore f = calculerFeuilleScore(donne(GARDE_CONTRE, 36, 60, 0, 3));
    EXPECT_EQ(f.depassement, -6);
    EXPECT_EQ(f.signeGain, "-");
    EXPECT_EQ(f.coefficientEnchere, 6);
    EXPECT_EQ(f.scoreApresEnchere, -186);
    EXPECT_TRUE(f.lignesPoignee);
    EXPECT_EQ(f.signePoignee, "-");
    EXPECT_EQ(f.valeurPoignee, 40);
    EXPECT_EQ(f.scoreApresPoignee, -226);
    EXPECT_EQ(f.scoreFinalPreneur, -678);
}

TEST(FeuilleScore, PetitAuBoutToAFailingTaker) {
    // Garde, one oudler, 48 points: lost by 3.
    const FeuilleScore f = calculerFeuilleScore(donne(GARDE, 51, 96, 1, 0));
    EXPECT_EQ(f.signePetit, "+");
    EXPECT_EQ(f.scoreApresPetit, 7);
    EXPECT_EQ(f.signeGain, "-");
    EXPECT_EQ(f.scoreTmp, -18);
    EXPECT_EQ(f.scoreApresEnchere, -36);
    EXPECT_EQ(f.scoreFinalPreneur, -108);
}

TEST(FeuilleScore, HandfulOfADefenderGoesToTheWinningTaker) {
    // West takes at Garde Sans and makes exactly his 41 points; South showed a simple handful.
    const FeuilleScore f = calculerFeuilleScore(donne(GARDE_SANS, 41, 82, 0, 1, OUEST));
    EXPECT_EQ(f.preneur, OUEST);
    EXPECT_EQ(f.depassement, 0);
    EXPECT_EQ(f.signeGain, "+");
    EXPECT_EQ(f.coefficientEnchere, 4);
    EXPECT_EQ(f.scoreApresEnchere, 100);
    EXPECT_EQ(f.signePoignee, "+");
    EXPECT_EQ(f.valeurPoignee, 20);
    EXPECT_EQ(f.scoreApresPoignee, 120);
    EXPECT_EQ(f.scoreFinalPreneur, 360);
}

TEST(FeuilleScore, HalfPointsRoundToEven) {
    EXPECT_EQ(calculerFeuilleScore(donne(PRISE, 41, 81, 0, 0)).pointsRealises, 40);
    EXPECT_EQ(calculerFeuilleScore(donne(PRISE, 41, 83, 0, 0)).pointsRealises, 42);
    // 40.5 rounds down to 40: one short, so the base is taken off.
    EXPECT_EQ(calculerFeuilleScore(donne(PRISE, 41, 81, 0, 0)).signeGain, "-");
}

TEST(FeuilleScore, TheLastLineIsAlwaysTheDealsScore) {
    Jeu jeu;
    int cas = 0;
    for (int contrat = PRISE; contrat <= GARDE_CONTRE; ++contrat)
        for (int aFaire : {56, 51, 41, 36})
            for (int demiPoints : {0, 40, 71, 72, 73, 81, 82, 83, 101, 111, 112, 150, 182})
                for (int petit = 0; petit <= 2; ++petit)
                    for (int poignee = 0; poignee <= 3; ++poignee)
                        for (int preneur : {SUD, EST}) {
                            jeu.donne = donne(contrat, aFaire, demiPoints, petit, poignee, preneur);
                            const FeuilleScore f = calculerFeuilleScore(jeu.donne);
                            ASSERT_EQ(f.scoreFinalPreneur, calculerScoreDonne(jeu))
                                << contrat << " " << aFaire << " " << demiPoints << " " << petit << " " << poignee;
                            EXPECT_EQ(f.lignesPetit, petit != 0);
                            EXPECT_EQ(f.lignesPoignee, poignee != 0);
                            ++cas;
                        }
    EXPECT_EQ(cas, 4 * 4 * 13 * 3 * 4 * 2);
}

}  // namespace
