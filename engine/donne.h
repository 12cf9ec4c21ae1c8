#pragma once
// The state of the one deal in progress. Every table keeps the game's own
// one-based numbering: seats 1..4, hand slots 1..18, dog slots 1..6, tricks 1..18.
#include <cstdint>

#include "engine/carte.h"
#include "engine/table.h"

using Main = Table<Carte, 1, 18>;
using Chien = Table<Carte, 1, 6>;
using OrdrePaquet = Table<int, 1, 78>;

// Bids and contracts.
constexpr int PAS_ENCORE_PARLE = -1;
constexpr int PASSE = 0;
constexpr int PRISE = 1;
constexpr int GARDE = 2;
constexpr int GARDE_SANS = 3;
constexpr int GARDE_CONTRE = 4;

// Why a card may be played now (see calculerJouables).
struct Contrainte {
    std::int32_t code = -1;
    std::int32_t atoutAbattre = -1;
    std::int32_t couleurAbsente = -1;
};

struct Donne {
    // The hands and the dog.
    Table<Main, 1, 4> mainJoueur;
    Table<Main, 1, 4> mainInitiale;  // value and suit of the sorted hands as dealt
    Chien chien;                     // the dog; after the discard, the discard
    Chien chienInitial;              // the sorted dog as dealt

    // The deck, kept from deal to deal, and the deck of the last fresh deal.
    OrdrePaquet ordrePaquet;
    OrdrePaquet paquetSauve;
    bool premiereDonneFaite = false;  // ordrePaquet starts as 1..78 before the first deal

    Table<int, 1, 4> niveauMain;
    Table<int, 1, 4> enchere;
    int preneur = 0;
    int contrat = 0;
    int premierJoueur = 3;
    int joueurHumain = 1;

    // Auction.
    int meilleureEnchere = 0;
    int nbEncheres = 0;
    int joueurEnchere = 0;

    // The trick being played.
    Table<Carte, 1, 4> pliEnCours;
    int joueurEntame = 0;
    int joueurCourant = 0;
    int couleurDemandee = SANS_COULEUR;
    int valeurDemandee = 0;
    int plusFortAtout = 0;
    int nbCartesPli = 0;
    int numeroPli = 0;

    // History and legality.
    Table<Table<int, 1, 18>, 1, 4> carteJouee;
    Table<int, 1, 18> entameurPli;
    Table<Table<int, 1, 18>, 1, 4> jouable;
    Table<Table<Contrainte, 1, 18>, 1, 4> contrainteJeu;

    // Counting.
    int pointsPreneur = 0;
    int pointsDefense = 0;
    int boutsPreneur = 0;
    int boutsDefense = 0;
    int pointsAFaire = 0;
    int petitAuBout = 0;
    int poigneeHumain = 0;
    int siegePoignee = 0;  // the seat recorded for a declared handful

    // The official rules, as the options were when the deal began
    // (optionChelem, optionPoigneesOrdinateurs): 1 in force this deal.
    int reglesChelem = 0;
    int reglesPoignees = 0;
    // Handfuls shown by the computer seats, 0..3 as poigneeHumain (the
    // human's own stays there), and the trumps each seat showed, the
    // human's included: nbCartesPoignee of them in cartesPoignee.
    Table<int, 1, 4> poigneeOrdinateur;
    Table<Table<Carte, 1, 15>, 1, 4> cartesPoignee;
    Table<int, 1, 4> nbCartesPoignee;
    // The chelem: the seat that announced it (0 none), whether the question
    // was put this deal, the human's offer open, the tricks won by each side,
    // and the petit au bout of the 17th trick (0 none, 1 taker, 2 defence),
    // which counts when the Excuse wins the 18th for a side making a chelem.
    int chelemAnnonce = 0;
    int chelemPropose = 0;
    int chelemEnCours = 0;
    int plisPreneur = 0;
    int plisDefense = 0;
    int petitPliAvantDernier = 0;

    // The human's discard screen: display positions 1..24.
    Table<int, 1, 24> marqueEcart;
    Table<int, 1, 24> positionEcart;
    Table<int, 1, 24> selectionEcart;
    int nbCartesEcartees = 0;
    Table<int, 1, 6> origineEcart;

    // Flow flags.
    int etatAttente = 0;
    int modeEcart = 0;
    int chienAffiche = 0;
    int pliAffiche = 0;
    bool humainPeutJouer = false;
    int poigneeEnCours = 0;
    int modeRejouer = 0;
    int nbDonnesSansPreneur = 0;
    int tentatives = 0;  // attempts of donner the last deal took

    // A practice deal: a card was taken back, or it was dealt again to be
    // played on from one of its tricks. It moves no global score and no rule
    // weight, and the history keeps it apart.
    int entrainement = 0;

    Donne() {
        for (int s = 1; s <= 4; ++s) pliEnCours[s] = Carte{};
        enchere.remplir(PAS_ENCORE_PARLE);
        origineEcart.remplir(-1);
    }
};

// The handful window's selection: nothing of it outlives the window;
// only poigneeHumain does.
struct SelectionPoignee {
    bool ouverte = false;                // the window is open
    int taillePoignee = 0;               // cards to show: 10, 13 or 15
    int nbAtoutsHumain = 0;              // trumps and the Excuse in the human's hand
    Table<bool, 1, 18> poigneeSelection;  // per slot of the window
    int poigneeNbCartes = 0;             // selected slots
};

void trierMains(Donne& d);
void trierChien(Donne& d);
