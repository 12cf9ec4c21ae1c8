#pragma once
// What one seat knows at its turn to play, and nothing more: its own hand,
// the public play (the trick on the table, the tricks gathered, the cards
// fallen, how many cards each seat holds) and its own rows of the knowledge
// tables (where it has placed each card, which seats it has excluded from
// holding it). The Expert's sampler is given only this, so it cannot read a
// hand the seat does not see.
#include <array>
#include <cstdint>
#include <random>

#include "engine/carte.h"
#include "engine/table.h"
#include "solveur/solveur.h"

struct Jeu;

// Who may hold a card the seat does not see: bit s for seat s (1..4) and
// bit 0 for the set-aside cards (the discard or the dog).
constexpr unsigned BIT_ECART = 1u;
constexpr unsigned bitSiege(int siege) { return 1u << siege; }

// Cards numbered 0..77: the Excuse 0, trumps 1..21, then the suits 1 to 4 by value.
constexpr int NB_CARTES = 78;
int numeroCarte(const Carte& c);
Carte carteNumero(int numero);

struct SavoirSiege {
    int siege = 0;
    int preneur = 0;
    int contrat = 0;
    // The trick on the table, as in Position: the card each seat has put
    // down, SANS_COULEUR where it has not played yet.
    Table<Carte, 1, 4> pli;
    int entameur = 0;
    int joueur = 0;
    // What each side has won in the tricks gathered.
    int pointsPreneur = 0;
    int pointsDefense = 0;
    int boutsPreneur = 0;
    int boutsDefense = 0;
    // Cards each seat still holds.
    Table<int, 1, 4> nbCartes;
    // The seat's own hand.
    std::array<Carte, 18> main{};
    int nbMain = 0;
    // The set-aside cards the seat knows (the taker's own discard under Prise
    // and Garde), and how many it does not know.
    std::array<Carte, 6> ecartConnu{};
    int nbEcartConnu = 0;
    int nbEcartInconnu = 0;
    // For every card the seat cannot see: who may hold it (bits above); 0
    // for the cards it holds and those out of play.
    std::array<std::uint8_t, NB_CARTES> possibles{};
    // The auction as everybody heard it: each seat's bid, PAS_ENCORE_PARLE
    // where the bid tells nothing of the hand's rating (the human's, whose
    // bid is his own), and the best bid before each seat spoke.
    Table<int, 1, 4> enchere;
    Table<int, 1, 4> meilleureAvant;
    // The public play: the seat that put down each card already played (0:
    // not played), and the dog turned face up under Prise and Garde.
    std::array<std::uint8_t, NB_CARTES> jouePar{};
    std::array<bool, NB_CARTES> chienMontre{};
    bool chienVu = false;
    // The tricks gathered, card by seat, and the seat that led each.
    Table<Table<Carte, 1, 4>, 1, 18> plis;
    Table<int, 1, 18> entameurs;
    int nbPlisFinis = 0;
};

// Read from the seat's own tables and the public play only.
SavoirSiege savoirDuSiege(const Jeu& jeu, int siege);

// Deals the cards the seat cannot see at random among the other seats and the
// unknown set-aside cards, each card to a place its knowledge allows, every
// seat with as many cards as it holds. When the tables allow no such deal
// (a deduction that took a set-aside card for a held one), the placed cards
// may go to the set-aside cards as well, and failing that every rule of
// knowledge is dropped. Answers false, leaving `p` as it was, only when the
// counts of cards do not add up.
bool tirerDonne(const SavoirSiege& s, std::mt19937_64& generateur, Position& p);
