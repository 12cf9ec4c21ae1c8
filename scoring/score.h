#pragma once
// The score of a finished deal, the end of the deal, and the four global scores.
struct Jeu;

// n / d rounded to the nearest integer, ties to the even one (d > 0).
int arrondiPair(int n, int d);
// The taker's result for the deal: three times what each defender pays him
// (negative when the contract fails). No side effect.
int calculerScoreDonne(const Jeu& jeu);
// After the 18th trick: moves the global scores (unless the deal was a
// replay), shows the result, tunes the rule weights, saves, shows the scores.
void finDeDonne(Jeu& jeu);
// Shows the four totals when scoresGlobauxVisibles is set, hides them otherwise.
void afficherScoresGlobaux(Jeu& jeu);
void basculerScoresGlobaux(Jeu& jeu);
// Asks first; on Yes the four totals go back to 0 and are saved.
void initialiserScores(Jeu& jeu);
