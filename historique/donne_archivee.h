#pragma once
// One finished deal as the history keeps it: how it was dealt, the auction,
// the dog and the discard, the 72 cards in the order they were played, the
// count and the score, and the four totals after it.
#include <string>

#include "engine/donne.h"

struct Jeu;

struct DonneArchivee {
    long long id = 0;   // the row's number in the history; 0 until stored
    std::string date;   // UTC, "2026-12-08T14:05:09Z"
    bool rejouee = false;
    std::string code;   // codeDonne: the hands as dealt and the opening seat
    OrdrePaquet paquetSauve;  // the deck of the last fresh deal, as the shuffle left it
    int premierJoueur = 0;
    Table<int, 1, 4> niveauMain;
    Table<int, 1, 4> enchere;
    int preneur = 0;
    int contrat = 0;
    Table<int, 1, 6> chien;         // card ids of the dog as dealt
    Table<int, 1, 6> ecart;         // the discard (under Garde Sans and Garde Contre, the dog)
    Table<int, 1, 6> origineEcart;  // where each discarded card came from, as the four-hands window reads it
    Table<int, 1, 72> cartes;       // card ids in playing order, trick by trick
    Table<int, 1, 72> sieges;       // the seat that played each of them
    int pointsPreneur = 0;  // half-points, the set-aside cards counted
    int boutsPreneur = 0;
    int pointsAFaire = 0;
    int petitAuBout = 0;
    int poignee = 0;
    int score = 0;       // the taker's score (calculerScoreDonne)
    int gainHumain = 0;  // what the deal brought the human
    Table<int, 1, 4> totaux;  // the global scores after the deal
    int niveau = 0;
    int adaptatif = 0;
    // The official rules, stored in columns added to older files (0 there):
    // whether the chelem was in force, who announced it (0 none), which side
    // made it (1 taker, 2 defence, 0 none), the handfuls of the computers
    // (the human's is `poignee`), and the 18 tricks won by the taker.
    int reglesChelem = 0;
    int chelemAnnonce = 0;
    int chelemRealise = 0;
    Table<int, 1, 4> poigneeOrdinateur;
    int plisPreneur = 0;
    // A practice deal (a card taken back, or played on from one of its tricks).
    bool entrainement = false;

    // From the points, since a chelem premium may outweigh the contract's.
    bool contratRempli() const;
    bool operator==(const DonneArchivee&) const = default;
};

// The finished deal of `jeu`, dated `date`.
DonneArchivee archiverDonne(const Jeu& jeu, const std::string& date);

// Puts a stored deal back into the deal tables as the review windows read
// them: the hands and dog as dealt, the discard, the tricks, the count. Each
// seat's hand slot t holds the card it played to trick t. Uses the reference
// pack `paquet`. False when the row does not hold a whole deal (a code that
// does not read, a card or seat out of range).
bool restaurerDonne(const DonneArchivee& a, const Paquet& paquet, Donne& d);
