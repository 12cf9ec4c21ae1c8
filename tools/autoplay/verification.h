#pragma once
// The invariants of a deal, checked after every card and every trick by code
// that does not share the engine's own rules.
#include <string>

#include "engine/connaissances.h"
#include "engine/donne.h"
#include "tools/autoplay/partie_auto.h"

class VerificateurInvariants : public Controleur {
public:
    void debutJeu(const Jeu& jeu) override;
    bool apresCarteJouee(const Jeu& jeu, int siege, int slot) override;
    bool apresPli(const Jeu& jeu) override;
    // After the deal: the final counts and the discard.
    bool terminer(const Jeu& jeu);
    const std::string& erreur() const { return erreur_; }

private:
    // What every observer knows, as it stood after the last card checked.
    struct Savoir {
        Table<ParCarteCouleur, 1, 4> localisationCouleur;
        Table<ParAtout, 1, 4> localisationAtout;
        Table<Table<ParCarteCouleur, 1, 4>, 1, 4> possibleCouleur;
        Table<Table<ParAtout, 1, 4>, 1, 4> possibleAtout;
    };

    bool echec(std::string quoi);
    bool verifierConnaissances(const Jeu& jeu, const Carte& jouee);
    // One entry that moved: knowledge only grows and never contradicts where
    // the held cards are (`tenu`: the seat holding the card, 0 for none).
    bool verifierLieu(int o, const Carte& c, int avant, int apres, int tenu);
    bool verifierPossible(int o, int siege, const Carte& c, int avant, int apres, int tenu);

    std::string erreur_;
    Table<Table<bool, 1, 18>, 1, 4> joue_;
    Savoir avant_;
    // The seat holding each card, from the hands themselves: 0 once played or set aside.
    Table<Table<int, 1, 14>, 1, 4> siegeCouleur_;
    Table<int, 0, 21> siegeAtout_;
};

// Whether `c` may be played by a seat holding `main` (the cards still held,
// `c` among them) after the cards `pli[0..n-1]` of the trick, in playing order.
bool carteLegale(const Main& main, const Carte& c, const Carte* pli, int n);

// After each fresh deal is dealt: `suite` counts the deals in a row in which no
// hand is rated worth a bid. False, with the fault in `erreur`, at the fourth.
bool verifierSuiteSansPreneur(const Donne& d, int& suite, std::string& erreur);
