#pragma once
// The score of a finished deal, the end of the deal, and the four global scores.
struct Jeu;
struct Donne;

// n / d rounded to the nearest integer, ties to the even one (d > 0).
int arrondiPair(int n, int d);
// The taker's result for the deal: three times what each defender pays him
// (negative when the contract fails). No side effect.
int calculerScoreDonne(const Jeu& jeu);

// The official rules. Every handful's premium, 20, 30 or 40 each, the
// human's and the computers' together.
int primePoignees(const Donne& d);
// The side of a seat: 1 the taker, 2 a defender, 0 no seat.
int camp(const Donne& d, int siege);
// The side that won all 18 tricks: 1 the taker, 2 the defence, 0 neither.
int chelemRealise(const Donne& d);
// The chelem premium each defender pays the taker (negative: receives), never
// multiplied (0 unless the deal is played with the chelem): announced and made 400, announced and failed -200, made
// without announcement 200, for either side.
int primeChelem(const Donne& d);
// After the 18th trick: moves the global scores (unless the deal was a
// replay), shows the result, tunes the rule weights, saves, shows the scores.
void finDeDonne(Jeu& jeu);
// Shows the four totals when scoresGlobauxVisibles is set, hides them otherwise.
void afficherScoresGlobaux(Jeu& jeu);
void basculerScoresGlobaux(Jeu& jeu);
// Asks first; on Yes the four totals go back to 0 and are saved.
void initialiserScores(Jeu& jeu);
