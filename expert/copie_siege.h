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

// For a card thought out during the play: the tricks and the trick on the
// table as they are, the seat's own hand (and, for the taker under Prise and
// Garde, his discard), the dog once shown; the cards the others still hold,
// and the set-aside cards the seat has not seen, dealt back to the same
// places in pack order. The knowledge tables are empty but for the
// defence's public signals: a replay of the tricks builds them.
std::unique_ptr<Jeu> copiePendantLeJeu(const Jeu& jeu, int siege);
