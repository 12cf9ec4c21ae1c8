#pragma once
// "Could the deal have gone otherwise?" A played deal is walked card by card;
// the open-cards solver values the position before the first card and after
// each card; wherever the value moved, the card that moved it cost its side
// that much, and the best card is the one the solver would have played.
//
// The walk and the call to the solver are the same for the game's analysis
// window (which solves the last positions first) and for belvane-analyse
// (which goes from the first): an exact value is the same either way.
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "solveur/solveur.h"

struct Donne;

// A played deal: the position before its first card (after the discard) and
// its cards in the order they were played.
struct DonneJouee {
    Position depart;
    std::vector<Carte> cartes;
};

// The deal as the review windows read it from the deal tables: the hands in
// play (the taker's after his discard), the set-aside cards, and what each seat
// put down to each trick. A deal not finished or without a taker, or tables
// that break the rules, answer false with the reason in `erreur`.
bool donneDesTables(const Donne& d, DonneJouee& jouee, std::string* erreur = nullptr);

// How a card moved the contract across the line.
enum class Bascule {
    Aucune,
    ContratPerdu,       // the taker could make it before the card, no more after
    ContratRealisable,  // the defence could beat it before the card, no more after
};

// A card after which the open-cards value moved, or a run of cards whose
// effect the budget could not settle.
struct LigneAnalyse {
    int numero = 0;     // the card, 1..72 in play order
    int numeroFin = 0;  // the last card of a run not settled; numero otherwise
    int pli = 0;        // the trick of `numero`, 1..18
    int siege = 0;      // who played it
    Carte carte;
    bool preneur = false;  // the taker's side played it
    bool etablie = true;   // false: a run the budget could not settle
    // What the card cost its side, in the taker's score points (what the three
    // defenders pay between them); at least that when auMoins.
    int cout = 0;
    bool auMoins = false;
    Bascule bascule = Bascule::Aucune;
    bool avecMeilleure = false;  // the solver named a card that keeps the value
    Carte meilleure;
};

// What the deal was worth with every card open, and what it gave.
struct BilanAnalyse {
    bool departEtabli = false;  // the value before the first card is exact
    int valeurDepart = 0;       // exact value, when established
    int borneBasse = 0, borneHaute = 0;  // what is proven otherwise
    int realisable = -1;        // the contract could be made: 1 yes, 0 no, -1 not settled
    int scoreReel = 0;          // the taker's score the cards gave, without handful
    bool contratReussi = false;
};

class AnalyseDonne {
public:
    // Replays the cards by the game's rules; `valide()` is false when one may
    // not be played.
    explicit AnalyseDonne(const DonneJouee& d);

    bool valide() const { return valide_; }
    int nbCartes() const { return static_cast<int>(cartes_.size()); }
    // Position k: after k cards (0 before the first).
    const Position& position(int k) const { return positions_[static_cast<std::size_t>(k)]; }
    const Carte& carte(int k) const { return cartes_[static_cast<std::size_t>(k - 1)]; }
    // The seat that played card k, and its trick.
    int siege(int k) const { return position(k - 1).joueur; }
    static int pliDeCarte(int k) { return (k - 1) / 4 + 1; }

    // The one way both the window and the tool value a position. `apres`:
    // the result of position k + 1 when known; its value, often the same,
    // is tried first.
    Resultat resoudre(Solveur& solveur, int k, const Budget& budget, const Resultat* apres = nullptr) const;
    void noterResultat(int k, const Resultat& r);
    bool resolue(int k) const { return resolue_[static_cast<std::size_t>(k)]; }
    const Resultat& resultat(int k) const { return resultats_[static_cast<std::size_t>(k)]; }
    int nbResolues() const;

    // The cards that moved the value, in play order, runs not settled included.
    std::vector<LigneAnalyse> lignes() const;
    BilanAnalyse bilan() const;

private:
    // What is proven of position k: [bas, haut]; everything when not tried.
    void bornes(int k, int& bas, int& haut) const;

    bool valide_ = true;
    std::vector<Carte> cartes_;
    std::vector<Position> positions_;
    std::vector<Resultat> resultats_;
    std::vector<bool> resolue_;
};

// Solves the positions of `a` from the last to the first within `secondes`
// for the whole deal, so that the end of the deal is known at once: the
// positions after a card share three quarters of the time (each gets what is
// left of them), the one before the first card gets the rest. Calls
// `avant(k)` before position k and `apres(k, r)` with its result; stops when
// `arret` is set (the positions not tried are not reported).
void analyserAReculons(const AnalyseDonne& a, Solveur& solveur, double secondes, const std::atomic<bool>* arret,
                       const std::function<void(int)>& avant,
                       const std::function<void(int, const Resultat&)>& apres);
