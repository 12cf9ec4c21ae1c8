#pragma once
// The open-cards solver. Every card is known; the taker plays against the
// three defenders as one side, both sides playing perfectly. The value of a
// position is the taker's deal score that he can guarantee: three times what
// each defender pays him, counted as the end of a deal counts it (contract by
// oudlers, 25 base, petit au bout, bid multiplier) but without any handful.
// It is positive exactly when the contract is made.
//
// A solver keeps its transposition table from one call to the next, so the
// positions of one deal solved in turn help each other; it is safe to solve
// positions of another deal with the same solver. One solver serves one
// thread at a time; solvers in different threads share nothing.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "engine/carte.h"
#include "engine/donne.h"
#include "engine/table.h"

struct Jeu;

// One moment of the play with every card known. Seats are numbered 1..4 and
// follow one another as in the game (siegeSuivant).
struct Position {
    // The cards each seat still holds, in slots 1..nbCartes[seat], in any order.
    Table<Table<Carte, 1, 18>, 1, 4> mains;
    Table<int, 1, 4> nbCartes;
    // The trick in progress: the card each seat has put down, SANS_COULEUR
    // where it has not played yet. The cards were put down from `entameur`
    // on, up to the seat before `joueur`.
    Table<Carte, 1, 4> pli;
    int entameur = SUD;  // the seat that led the trick in progress
    int joueur = SUD;    // the seat to play (entameur when the trick is empty)
    int preneur = SUD;
    int contrat = PRISE;  // PRISE, GARDE, GARDE_SANS or GARDE_CONTRE
    // What each side has won in the tricks already gathered, in half-points
    // and oudlers, the Excuse's exchange included: an Excuse played in an
    // earlier trick is counted there, one still held or on the table is not.
    int pointsPreneur = 0;
    int pointsDefense = 0;
    int boutsPreneur = 0;
    int boutsDefense = 0;
    // The six set-aside cards: the taker's discard under Prise and Garde, the
    // dog under Garde Sans and Garde Contre. They are counted once the last
    // trick is gathered: their half-points for the taker, except under Garde
    // Contre where they go to the defence; their oudlers only under Garde Sans
    // (taker) and Garde Contre (defence).
    Table<Carte, 1, 6> chien;
    // Once the 18th trick is gathered (every hand empty, nothing on the
    // table): the points and oudlers include the set-aside cards, and this
    // says 0 no Petit in the last trick, 1 the taker won it, 2 the defence did.
    int petitAuBout = 0;
};

// The cards a seat may play, in hand order.
struct ListeCartes {
    int nb = 0;
    std::array<Carte, 18> cartes{};
};

// The position of the deal in progress in `jeu`, at any moment after the
// discard: before or after any card, a gathered trick still on show, or the
// deal over.
Position positionDuJeu(const Jeu& jeu);
// Checks that a position can be played: seats, contract, no card twice, hand
// sizes matching the trick on the table. On a fault answers false and says
// what is wrong in `erreur` (when given).
bool verifierPosition(const Position& p, std::string* erreur = nullptr);
// The cards the seat to play may play now, by the game's rules.
ListeCartes cartesJouables(const Position& p);
// Plays `c` for the seat to play and, after the fourth card, gathers the
// trick (winner, points, the Excuse, oudlers; after the last trick the
// set-aside cards and the petit au bout). Answers false, changing nothing,
// when the card may not be played.
bool jouerCarte(Position& p, const Carte& c);
// Every card has been played and the last trick gathered.
bool donneFinie(const Position& p);
// The taker's score of a finished deal, without handful.
int scoreFinal(const Position& p);

// How long a search may run. It stops at the first limit reached.
struct Budget {
    double secondes = 10;  // 0 or less: no time limit
    long long noeuds = 0;  // 0: no node limit
    // Set from another thread to stop the search at once (for instance when
    // the window that asked is closed); may be null.
    const std::atomic<bool>* arret = nullptr;
    // How many threads the search may use (1: the calling thread alone).
    int fils = 1;
};

enum class Recherche {
    Valeur,                // the value and one best card
    ValeurEtMeilleures,    // the value and every card that keeps it
};

struct Resultat {
    bool exact = false;  // the value is proven; false when the budget ran out first
    int valeur = 0;      // the value, when exact
    // What is proven: borneBasse <= value <= borneHaute (equal when exact).
    int borneBasse = 0;
    int borneHaute = 0;
    // The best cards for the side to play (the taker maximises, the defence
    // minimises): one, or every one with Recherche::ValeurEtMeilleures; empty
    // when the deal is over or the budget ran out before any was proven.
    ListeCartes meilleures;
    // Whether the taker can still make his contract: 1 yes, 0 no, -1 not
    // settled within the budget.
    int contratRealisable = -1;
    bool budgetEpuise = false;  // the time, node budget or stop flag ended the search
    long long noeuds = 0;       // cards tried by the search
    double secondes = 0;
};

// The value of each card the side to play may play.
struct ValeurCarte {
    Carte carte;
    bool exact = false;
    int borneBasse = 0;  // borneBasse <= value of the position after this card <= borneHaute
    int borneHaute = 0;
};

struct ValeursCartes {
    int nb = 0;
    std::array<ValeurCarte, 18> cartes{};
    bool budgetEpuise = false;
    long long noeuds = 0;
    double secondes = 0;
};

class Solveur {
public:
    // `megaOctets`: the size of the transposition table, allocated here once.
    explicit Solveur(int megaOctets = 32);
    ~Solveur();
    Solveur(const Solveur&) = delete;
    Solveur& operator=(const Solveur&) = delete;

    // The value of `p`; `p` must pass verifierPosition. `probable`, when
    // given, is a value the position likely has, such as the value one card
    // later when that card was a good one: the search asks about it first,
    // which settles the value at once when the guess is right. Any guess
    // gives the same result.
    Resultat resoudre(const Position& p, const Budget& budget = {}, Recherche quoi = Recherche::ValeurEtMeilleures,
                      std::optional<int> probable = std::nullopt);
    // Whether the taker can still make his contract (a value of 1 or more):
    // one question, far cheaper than the value. `contratRealisable` is 1, 0,
    // or -1 when the budget ran out first; `borneBasse` and `borneHaute` say
    // what was proven of the value (`exact` when they meet). `meilleures`
    // holds one card that keeps the contract when it can be made and the
    // taker is to play, or one that defeats it when it cannot and a defender
    // is to play; otherwise it is empty. Shares the table with `resoudre`.
    Resultat realisable(const Position& p, const Budget& budget = {});
    // The value after each card the side to play may play, in hand order; the
    // budget covers the whole call.
    ValeursCartes evaluerCartes(const Position& p, const Budget& budget = {});
    // Empties the transposition table.
    void oublier();

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};
