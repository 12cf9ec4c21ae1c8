#pragma once
// The Expert level: bids and the taker's discard judged on imagined deals
// played out by the Pro rules (expert/enchere_expert.h, expert/ecart_expert.h);
// the Pro rules while many tricks remain, then, for each
// card, deals the cards the seat cannot see at random consistently with what
// it knows, solves each sampled deal open and plays the card that does best on
// average for its own side.
//
// An Expert owns its random generator (never the game's, so the game's draws
// stay as they are) and its solver; it serves one thread at a time.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "engine/niveaux.h"
#include "expert/ecart_expert.h"
#include "expert/enchere_expert.h"
#include "expert/poignee_expert.h"
#include "expert/savoir.h"
#include "solveur/solveur.h"

struct Jeu;

constexpr int NIVEAU_EXPERT = 5;

struct ReglagesExpert {
    // Sampling from the trick at which this many tricks are left, this one included.
    int plisRestants = 8;
    int echantillons = 20;
    // The solver's cards the whole card's thinking may try; 0: no limit.
    // A limit rather than the clock keeps a run reproducible.
    long long noeuds = 1'000'000;
    // The whole card's thinking stops at this time; one second at most.
    double secondes = 0.8;
    // Deals drawn for one sample until one agrees with the bids heard
    // (expert/vraisemblance.h); 1 or less: the hidden cards dealt as the
    // knowledge tables allow, the auction ignored.
    int essaisEnchere = 50;
    // Within those draws, the cards already played must also have been legal
    // with the sampled hands.
    bool jeuLegal = true;
    // Before the sampling by the solver: sampled deals on which each legal
    // card is played out by the Pro rules (expert/parties_pro.h); 0: the Pro
    // rules choose.
    // The taker gains by them; the defenders do better by the Pro rules,
    // whose leads and discards tell their partners what they hold.
    int partiesPro = 40;
    // Those play-outs for the defenders too; false: for the taker only.
    bool partiesProDefense = false;
    // The taker's discard by imagined deals; false: the game's own.
    bool ecartParSimulation = true;
    ReglagesEcartExpert ecart;
    // The bids by imagined deals; false: the hand's rating, as every level.
    bool enchereParSimulation = true;
    ReglagesEnchereExpert enchere;
    // The handful under the official rules by imagined deals; false: the
    // largest the hand allows, as every level.
    bool poigneeParSimulation = true;
    ReglagesPoigneeExpert poignee;
};

// What the sampled deals, each solved with every card open, say of the
// seat's cards: the card's total of the taker's score, signed for the seat's
// side, and in how many deals it keeps (or beats) the contract.
struct BilanEchantillons {
    bool arrete = false;  // stopped: nothing of it counts
    int echantillons = 0;
    double secondes = 0;
    std::array<bool, NB_CARTES> jouable{};
    std::array<double, NB_CARTES> somme{};
    std::array<int, NB_CARTES> reussites{};
    // The number of the card best on average, the cheapest among equals; -1 when none.
    int meilleure() const;
};

// Deals the cards the seat cannot see and solves each deal, within the
// settings' samples, cards and time. `arret` (may be null) stops it at once.
BilanEchantillons evaluerParEchantillons(const SavoirSiege& savoir, const ReglagesExpert& reglages, Solveur& solveur,
                                         std::mt19937_64& generateur, const std::atomic<bool>* arret = nullptr);

struct ChoixExpert {
    bool choisi = false;  // false: stopped, or no sample could be solved
    Carte carte;
    int echantillons = 0;  // sampled deals solved
    double secondes = 0;
};

// Decides from what the seat knows only; the bids of `savoir` that are heard
// shape the sampled deals. `arret` (may be null) stops it at once.
ChoixExpert choisirParEchantillons(const SavoirSiege& savoir, const ReglagesExpert& reglages, Solveur& solveur,
                                   std::mt19937_64& generateur, const std::atomic<bool>* arret = nullptr);

// The seat decides by sampling at this moment of the deal.
bool expertEchantillonne(const Jeu& jeu, int siege, const ReglagesExpert& reglages);

// The seat plays out imagined deals by the Pro rules at this moment: before
// the solver's tricks, when the settings ask for play-outs at its side.
bool expertJoueParParties(const Jeu& jeu, int siege, const ReglagesExpert& reglages);

// Keeps only `c` playable for the seat; false when it is not playable.
bool imposerCarteExpert(Jeu& jeu, int siege, const Carte& c);

inline Table<bool, 1, 4> toutesEntendues() {
    Table<bool, 1, 4> t;
    t.remplir(true);
    return t;
}

// The seats whose bid the sampler may read at the game's own table: the
// computers' while they bid by their hand's rating, not once the Expert level
// bids by imagined deals (the human's is never read).
Table<bool, 1, 4> encheresEntenduesALaTable(const Jeu& jeu, const ReglagesExpert& reglages);
// Leaves out of `savoir` the bids of the seats not heard.
void oublierEncheres(SavoirSiege& savoir, const Table<bool, 1, 4>& entendues);

struct Expert {
    explicit Expert(std::uint64_t graine, ReglagesExpert r = {}) : reglages(r), generateur(graine) {}
    ReglagesExpert reglages;
    Solveur solveur{16};
    std::mt19937_64 generateur;
    // The seats whose bid was their hand's rating, as the sampler reads the
    // auction; an Expert seat bidding by imagined deals is not one of them.
    Table<bool, 1, 4> noteEntendue = toutesEntendues();
    // Every sampled choice made, for the tools' reports.
    std::vector<double> secondes;
    long long echantillons = 0;
    // The same for the cards chosen by play-outs.
    std::vector<double> secondesParties;
    long long parties = 0;
    // The handfuls it could show, by side (0 taker, 1 defence), and how many it kept hidden.
    long long poigneesPossibles[2] = {0, 0};
    long long poigneesRefusees[2] = {0, 0};
};

// The card choice of an Expert seat, on the calling thread: the Pro rules
// (at the seat's adaptive mode in force), or the sampled choice.
void choisirCarteExpert(Jeu& jeu, int siege, Expert& expert);

// The Expert taker's discard made again, by imagined deals, from his hand
// and the dog as dealt (Prise and Garde; nothing otherwise). The knowledge is
// built anew.
void refaireEcartExpert(Jeu& jeu, Expert& expert);

// Seats `niveaux` at the table as installerNiveauxSieges does, level 5
// included: its seats play as `expert`, and bid and declare their handfuls
// as it does.
void installerNiveauxSiegesExpert(Jeu& jeu, const NiveauxSieges& niveaux, std::shared_ptr<Expert> expert);
