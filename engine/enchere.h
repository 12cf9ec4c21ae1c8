#pragma once
// The one-round auction.
struct Jeu;

void tourEnchere(Jeu& jeu, int siege);
void TimerEnchereTimer(Jeu& jeu);
// The human's bid, 0 pass .. 4 Garde Contre.
void annoncerEnchere(Jeu& jeu, int enchere);
void messageContinuer(Jeu& jeu);
// Closes the auction: sets contrat and answers the taker's seat.
int determinerPreneur(Jeu& jeu);
