#pragma once
// One deal played with no window: the flow runs on hand-fired timers and
// seat 1 is played by the computers' own logic, in the human's place.
#include "flow/minuteurs_manuels.h"

struct Jeu;

// Called after every card and every trick; answers false to stop the deal.
class Controleur {
public:
    virtual ~Controleur() = default;
    // Once per deal, just before the first card: the knowledge is built.
    virtual void debutJeu(const Jeu&) {}
    virtual bool apresCarteJouee(const Jeu&, int /*siege*/, int /*slot*/) { return true; }
    virtual bool apresPli(const Jeu&) { return true; }
};

// Prete: the deal is ready for its first card (preparerDonneAutomatique only).
enum class IssueDonne { Jouee, SansPreneur, Interrompue, Prete };

// Plays the deal that nouvelleDonne has just started, to its end or until the
// auction shows that everybody passed (the table then waits for the click
// that deals again).
IssueDonne jouerDonneAutomatique(Jeu& jeu, MinuteursManuels& minuteurs, Controleur& controleur);

// The same steps up to the first card: auction, dog and discard, the knowledge
// built and the card timer armed, nothing played. A copy of the game and of
// its timers can then be played out by jouerDonneAutomatique.
IssueDonne preparerDonneAutomatique(Jeu& jeu, MinuteursManuels& minuteurs);
