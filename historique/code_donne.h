#pragma once
// The code of a deal: where each of the 78 cards was dealt (one of the four
// hands or the dog) and the seat that opened the deal, as 33 characters of
// base 32 and one check character. The order of the cards inside a hand does
// not matter (hands are sorted), so the code is short; dealing the deck it
// stands for gives the very same hands, dog and opening seat again.
#include <string>
#include <string_view>

#include "engine/carte.h"
#include "engine/donne.h"

// The card's id in the reference pack (1..78).
int idCarte(const Carte& c);

// Where each card lies: 1..4 the seat's hand, 5 the dog.
constexpr int DANS_LE_CHIEN = 5;
struct Repartition {
    Table<int, 1, 78> place;
    int premierJoueur = 1;
    bool operator==(const Repartition&) const = default;
};

// The deal as dealt: the hands and the dog before the discard.
Repartition repartitionDonne(const Donne& d);

// Written in groups of five joined by dashes: "XXXXX-XXXXX-…-XXXX".
std::string codeDonne(const Repartition& r);
std::string codeDonne(const Donne& d);

enum class ErreurCode { aucune, longueur, caractere, controle, horsLimites };

struct LectureCode {
    ErreurCode erreur = ErreurCode::aucune;
    Repartition repartition;
};
// Reads a code as a player may type it: dashes and blanks are skipped, case is
// ignored, O reads as 0 and I or L as 1. A code with one character wrong, or
// two neighbours swapped, fails the check.
LectureCode lireCode(std::string_view texte);

// A deck that deals that repartition by the game's packets of 13: each seat's
// cards in increasing id order, then the dog's.
OrdrePaquet paquetDeRepartition(const Repartition& r);
