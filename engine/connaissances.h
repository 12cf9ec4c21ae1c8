#pragma once
// What each seat knows and deduces about the cards during play, and where
// every card really is.
#include "engine/table.h"

struct Jeu;

// Location codes: where an observer knows a card to be.
constexpr int NON_PLACE = -1;  // not placed
constexpr int HORS_JEU = 10;   // played, or in the taker's own discard
// Possibility codes: whether an observer lets a seat hold a card.
constexpr int POSSIBLE = -1;
constexpr int EXCLU = 0;

// [suit 1..4][value 1..14]
using ParCarteCouleur = Table<Table<int, 1, 14>, 1, 4>;
// [trump 0..21], 0 the Excuse
using ParAtout = Table<int, 0, 21>;
using ParCouleur = Table<int, 1, 4>;
using ParSiege = Table<int, 1, 4>;

struct Connaissances {
    // Per-deal flags cleared by the new deal, before the knowledge is built.
    int couleurLongueCoupee = 0;
    int chienMontre = 0;
    Table<int, 1, 4> couleurJoueeParPreneur;
    int petitJoue = 0;

    // What each observer knows: [observer] first.
    Table<ParCarteCouleur, 1, 4> localisationCouleur;
    Table<ParAtout, 1, 4> localisationAtout;
    Table<Table<ParCarteCouleur, 1, 4>, 1, 4> possibleCouleur;  // [observer][seat][suit][value]
    Table<Table<ParAtout, 1, 4>, 1, 4> possibleAtout;           // [observer][seat][trump]
    ParSiege ecartLocalise;
    Table<ParCouleur, 1, 4> restantCouleur;  // [observer][suit]
    ParSiege restantAtout;
    ParSiege atoutMaitre;
    ParCouleur couleurMaitre;  // from the human's view

    // Each seat's own counts.
    Table<ParCouleur, 1, 4> nbCartesCouleur;
    Table<ParCouleur, 1, 4> nbCartesCouleurDepart;
    ParSiege nbAtoutsMain;
    ParSiege nbAtoutsDepart;
    ParSiege nbAtoutsDehors;
    Table<ParCouleur, 1, 4> nbCouleurDehors;
    Table<Table<int, 1, 21>, 1, 4> atoutDehors;
    Table<ParCarteCouleur, 1, 4> couleurDehors;
    ParSiege couleurLongue;
    Table<Table<ParCouleur, 1, 4>, 1, 4> couleurCoupee;  // [observer][seat][suit]
    Table<ParSiege, 1, 4> atoutCoupe;                    // [observer][seat]

    // Public history and signals.
    Table<int, 1, 21> atoutJoue;
    int excuseJouee = 0;
    ParCarteCouleur couleurJouee;
    int nbAtoutsJoues = 0;
    ParCouleur etatCouleur;  // 1 never played, 2 first played in this trick, 0 played before
    ParSiege sansEntame;
    int defenseSansEntame = 0;
    ParSiege sansAtouter;
    ParCouleur couleurEntameeParPreneur;
    int nbCouleursEntameesPreneur = 0;
    Table<int, 1, 4> ordreEntamesPreneur;
    int derniereEntamePreneur = -1;
    int premiereEntamePreneur = -1;
    int deuxiemeEntamePreneur = -1;
    ParCouleur roiAuChien;
    int nbAtoutsAuChien = -1;
    ParCouleur roiSecPreneur;
    int signalAtout = 0;
    int entameAtoutImpair = -1;
    int signalAtoutImpair = 0;
    int cavalierSousRoi = 0;
    int petitPreneurCoupe = -1;
    int preneurFort = 0;

    // Where each card really is: the seat and hand slot, 0 when set aside
    // (-1 for the Petit and the Excuse), 10 once played.
    Table<int, 2, 21> detenteurAtout;
    Table<int, 2, 21> rangAtout;
    ParCarteCouleur detenteurCouleur;
    ParCarteCouleur rangCouleur;
    int detenteurPetit = -1;
    int rangPetit = -1;
    int detenteurExcuse = -1;
    int rangExcuse = -1;
};

// Builds every table once the six set-aside cards are final.
void initialiserConnaissances(Jeu& jeu);
// Records the card in `slot` of `siege` as played; called before the card
// leaves the hand, with contrainteJeu[siege][slot] already computed.
void noterCarteJouee(Jeu& jeu, int siege, int slot);
void noterCarteHorsJeu(Jeu& jeu, int siege, int slot, int couleur, int valeur);
void deduireConnaissances(Jeu& jeu);
// Highest trump 21..1 that `observateur` has not seen out of play, or -1.
int plusHautAtoutEnJeu(const Jeu& jeu, int observateur);
void rafraichirMaitres(Jeu& jeu);
void afficherDeductions(Jeu& jeu);
