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

enum class IssueDonne { Jouee, SansPreneur, Interrompue };

// Plays the deal that nouvelleDonne has just started, to its end or until the
// auction shows that everybody passed (the table then waits for the click
// that deals again).
IssueDonne jouerDonneAutomatique(Jeu& jeu, MinuteursManuels& minuteurs, Controleur& controleur);
