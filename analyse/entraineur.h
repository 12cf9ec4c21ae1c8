#pragma once
// The deal coach: where the contract was won or lost, and whether the
// player's own cards were errors or bad luck.
//
// The verdict asks one question of each trick start, from the last trick
// back: could the taker still make his contract with every card open? Where
// the answer changes between two trick starts, the cards of that trick are
// asked in turn, and the card after which it changed is the turning card:
// the contract was lost by a card of the taker's side, saved by one of the
// defence's.
//
// Each of the player's cards has two judges: the open-cards solver (did
// another card keep the contract, or beat it?) and the player's own view, the
// deals that agree with all he could know at that moment, solved one by one:
// a card wrong with every card open but as good as any on those deals was bad
// luck, not an error.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "analyse/analyse_donne.h"
#include "expert/savoir.h"

// Whether the taker can still make his contract from `p`: 1 yes, 0 no, -1
// not settled within the budget (or stopped).
int realisableEn(Solveur& solveur, const Position& p, const Budget& budget);

// The card after which the contract changed hands.
struct Tournant {
    int numero = 0;  // 1..72 in play order
    int pli = 0;
    int siege = 0;
    Carte carte;
    bool perdu = true;  // true: lost by this card (taker's side); false: saved by it (defence)
};

struct VerdictDonne {
    // Makeability at the start of trick t (position (t - 1) * 4), 1 yes, 0 no,
    // -1 not settled; trick nbPlis + 1 is the end of the deal, the contract
    // made or not. A whole deal has 18 tricks; a line may start at an ending.
    int nbPlis = 18;
    Table<int, 1, 19> realisablePli;
    // The earliest trick whose start is settled; nbPlis + 1 while none is.
    int depuisPli = 19;
    // The turning cards found, in play order.
    std::vector<Tournant> tournants;
    // The walk went back as far as it could: the first trick, or a trick it
    // could not settle within the time.
    bool complet = false;

    VerdictDonne() { realisablePli.remplir(-1); }
    int realisableDepart() const { return realisablePli[1]; }
};

enum class Jugement {
    NonJuge,    // the time did not allow it
    Bonne,      // no other card did better with every card open
    Erreur,     // another card did better, and would have on what the player knew
    Malchance,  // another card did better with every card open, but not on what the player knew
};

struct JugementCarte {
    int numero = 0;  // the card, 1..72
    int pli = 0;
    Carte carte;
    Jugement jugement = Jugement::NonJuge;
    // Open cards: the makeability after the card played, and a card that
    // would have done better for the player's side.
    int realisableApres = -1;
    bool avecMieux = false;
    Carte mieux;
    // The player's own view: how many deals agreeing with what he knew were
    // solved, on how many of them the card played kept his side's outcome,
    // and the card that did best on them with its count.
    int tirages = 0;
    int reussitesJouee = 0;
    int reussitesMeilleure = 0;
    Carte meilleureVue;
};

// The coach's whole report on a deal.
struct BilanEntraineur {
    VerdictDonne verdict;
    std::vector<JugementCarte> jugements;  // the player's cards judged, in play order
    int erreurs() const;
    int malchances() const;
};

// The fewest deals agreeing with what the seat knew that make a judgement.
constexpr int tiragesMinimum = 20;

class Entraineur {
public:
    Entraineur(const AnalyseDonne& analyse, int joueur) : a_(analyse), joueur_(joueur) {}

    // The walk back along the played line until `limite` (a steady-clock
    // deadline) or the stop flag. `progres` is called after each answer.
    void etablirVerdict(Solveur& solveur, std::chrono::steady_clock::time_point limite,
                        const std::atomic<bool>* arret, const std::function<void()>& progres = {});
    // The two judges of the player's cards, the latest first, until `limite`.
    void jugerCartes(Solveur& solveur, std::mt19937_64& generateur, std::chrono::steady_clock::time_point limite,
                     const std::atomic<bool>* arret, const std::function<void()>& progres = {});

    const BilanEntraineur& bilan() const { return bilan_; }
    // Makeability of position k as far as already asked.
    int realisableConnu(int k) const;

private:
    int realisable(Solveur& solveur, int k, std::chrono::steady_clock::time_point limite, const std::atomic<bool>* arret);
    void chercherTournant(Solveur& solveur, int pli, std::chrono::steady_clock::time_point limite,
                          const std::atomic<bool>* arret);
    JugementCarte jugerCarte(Solveur& solveur, std::mt19937_64& generateur, int k,
                             std::chrono::steady_clock::time_point limite, const std::atomic<bool>* arret);

    const AnalyseDonne& a_;
    int joueur_;
    std::vector<int> connus_;  // makeability of each position asked, -1 otherwise
    BilanEntraineur bilan_;
};

// What `siege` could know at position k of the played line: its own hand, the
// cards fallen, the trick on the table, the set-aside cards when they are its
// own discard, and who cannot hold a card because he did not follow or could
// not overtrump. The Expert's sampler deals the rest from it.
SavoirSiege savoirDeLaLigne(const AnalyseDonne& a, int k, int siege);

// One trick as the continuations show it: the card of each seat (none where
// the line stopped) and who led it.
struct PliSuite {
    int pli = 0;
    int entameur = 0;
    int gagnant = 0;  // 0 while the trick is not complete
    Table<Carte, 1, 4> cartes;
};

// The tricks from the trick of card k to the end, as they were played.
std::vector<PliSuite> suiteJouee(const AnalyseDonne& a, int k);
// The same tricks with the solver's best line from position k - 1 (the cards
// of the trick already on the table included); stops where the budget ran out.
std::vector<PliSuite> suiteOptimale(const AnalyseDonne& a, int k, Solveur& solveur, const Budget& budget);

// The coach's whole work on a deal within `secondes`: the verdict first (it
// may take up to three fifths of the time), then the judges of the player's
// cards with what is left. The deals drawn for the judges come from a
// generator of their own, seeded the same each time, so that the same deal
// gets the same verdict. `progres` is given the report after each step;
// stops at once when `arret` is set.
BilanEntraineur entrainer(const AnalyseDonne& a, int joueur, Solveur& solveur, double secondes,
                          const std::atomic<bool>* arret,
                          const std::function<void(const BilanEntraineur&)>& progres = {});
// How many of the player's cards the line holds (the judges' whole task).
int nbCartesDuJoueur(const AnalyseDonne& a, int joueur);
