#pragma once
// What the deal coach concluded of a deal, as the history keeps it beside the
// deal: whether the contract could be made from the first card with every
// card open, where it turned, and the player's own errors.

struct VerdictArchive {
    bool present = false;       // the deal has been analysed
    int realisableDepart = -1;  // 1 makeable from the first card, 0 not, -1 not settled
    int depuisPli = 0;          // the earliest trick settled (1: the whole deal)
    int pliTournant = 0;        // the trick of the card that decided the result; 0 none
    int carteTournant = 0;      // its card id (the history's ids), 0 none
    int siegeTournant = 0;
    bool perdu = false;         // lost by that card (true) or saved by it
    int erreurs = 0;            // the player's cards judged errors
    int malchances = 0;         // ... and those wrong only with every card open
    bool operator==(const VerdictArchive&) const = default;
};
