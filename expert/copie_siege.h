#pragma once
// The game as one seat may know it before the first card, for the Expert's
// bid and the taker's discard thought out on another thread: its own hand,
// the auction so far, the dog once it was shown. The other hands (and the
// dog when unseen) hold the remaining cards in pack order, sorted, so that
// nothing of the real deal reaches the thinking beyond what the seat knows.
// The deck's order is forgotten, the knowledge tables are empty (they are
// built anew in every imagined deal), and the copy has no window, timer,
// store or hook.
#include <memory>

struct Jeu;

struct Donne;

// The seat whose turn it is to bid has not spoken yet, whatever its bid reads
// (a pass given for the time of its thinking): its bid and the best bid as
// they were before its turn.
void rendreLaParole(Donne& d, int siege);

// For the bid of `siege`, whose turn it is (rendreLaParole): the dog is unseen.
std::unique_ptr<Jeu> copieAvantEnchere(const Jeu& jeu, int siege);

// For the taker's discard at Prise or Garde: his hand and the dog as dealt,
// not yet merged, whatever discard the game has made meanwhile.
std::unique_ptr<Jeu> copieAvantEcart(const Jeu& jeu);

// For the handful of `siege` at its first card: besides what the bid and the
// discard copies keep, the cards already put down in the first trick (in
// their places in the hands that played them), the dog once shown, the
// taker's own discard when the seat is the taker, and the handfuls already
// shown. The knowledge tables keep only the defence's public signals: the
// seat's own knowledge goes to the thinking apart (savoirDuSiege).
std::unique_ptr<Jeu> copieAuPremierPli(const Jeu& jeu, int siege);
