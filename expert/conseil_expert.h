#pragma once
// The Expert's card hint: the card it would play in the seat's place, found
// by the same imagined deals as its own cards and from what the seat knows
// only, with what those deals say of it: in how many the card keeps the
// contract (for the taker) or beats it (for a defender), and, when no card
// does in any of them, what it costs the seat on average.
#include <atomic>
#include <random>
#include <string>

#include "engine/carte.h"
#include "expert/expert.h"
#include "expert/savoir.h"
#include "solveur/solveur.h"

struct ConseilExpert {
    bool choisi = false;  // false: stopped, or no imagined deal could be solved
    Carte carte;
    bool preneur = false;    // the seat is the taker
    int echantillons = 0;    // imagined deals solved
    int reussites = 0;       // those in which the card keeps (or beats) the contract
    bool aucuneCarte = false;  // no card the seat may play does in any of them
    // What the card costs the seat on average over the imagined deals, in
    // points of the deal's score (the taker's score for the taker, what each
    // defender pays for a defender); negative when it wins.
    double perteMoyenne = 0;
    double secondes = 0;
};

// Decides as choisirParEchantillons does. `arret` (may be null) stops it at once.
ConseilExpert conseillerParEchantillons(const SavoirSiege& savoir, const ReglagesExpert& reglages, Solveur& solveur,
                                        std::mt19937_64& generateur, const std::atomic<bool>* arret = nullptr);

// The sentence of the information bar for this hint.
std::string texteConseilExpert(const ConseilExpert& c, int langue);
