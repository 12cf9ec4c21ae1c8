#pragma once
// The player's preferences, one variable per stored value. They are zero until
// the store is read, as at the start of a run; optionsParDefaut fills them.
#include <cstdint>
#include <string>

#include "engine/table.h"

// Colours are kept as the stored colour numbers 0x00BBGGRR (blue in the high byte).
using Couleur = std::uint32_t;

constexpr int FRANCAIS = 1;
constexpr int ANGLAIS = 2;

struct Options;
// The analysis time per deal in seconds: 10, 30 or 120 (10 for a value out of range).
double secondesAnalyse(const Options& o);

struct Options {
    std::uint8_t verif = 0;
    std::int32_t niveau = 0;  // 1 Débutant .. 4 Pro
    Couleur optionCouleurFondEcran = 0;
    Couleur optionCouleurTableRonde = 0;
    Couleur optionCouleurFondEcranPlis = 0;
    Couleur optionCouleurFondEcranMains = 0;
    Couleur optionCouleurFondEcranScores = 0;
    std::int32_t optionForceMain = 0;              // 1..6
    std::int32_t optionVitesseJeuDeLaCarte = 0;    // 1..5
    std::int32_t optionAttenteEntreChaquePli = 0;  // 0..3
    std::uint8_t optionVisibiliteConseilEnchere = 0;
    std::uint8_t optionVisibilitePointsPartieEnCours = 0;
    std::uint8_t optionVisibiliteDeductions = 0;
    std::uint8_t optionAuMoinsUneMainDePrise = 0;
    std::uint8_t optionProposePoignee = 0;
    std::uint8_t optionBarreOutils = 0;
    std::uint8_t optionBarreInfo = 0;
    std::uint8_t optionNiveauAdaptatif = 0;
    // The challenge mode's settings: stored and defaulted only.
    std::int32_t optionNbDonnesChallenge = 0;
    std::int32_t optionRepartitionDonne = 0;
    Table<Table<std::int32_t, 1, 4>, 1, 3> highScoreChallenge;
    Table<Table<std::string, 1, 4>, 1, 3> nomHighScoreChallenge;
    // The Expert level: 1 when the computers play as Expert. `niveau` then
    // stays at 4, since the Expert plays the Pro rules until it samples.
    std::uint8_t optionNiveauExpert = 0;

    // History of the deals: the deal's code shown on the result panel (0 gives
    // back the panel as it always was). Stored after the global scores.
    std::uint8_t optionCodeDonne = 1;
    // The main window as the player left it, stored after the global scores.
    // A width of 0 means never stored: the window opens maximised on its screen.
    std::int32_t fenetreGauche = 0;
    std::int32_t fenetreHaut = 0;
    std::int32_t fenetreLargeur = 0;
    std::int32_t fenetreHauteur = 0;
    std::uint8_t fenetreEtat = 1;  // 0 normal, 1 maximised, 2 full screen
    // The table that explains itself, stored after the global scores. Each is
    // on unless the store says otherwise: a store written before they existed
    // keeps them on.
    std::uint8_t optionMarquerTour = 1;         // seat names, the seat to play, the trick's winner
    std::uint8_t optionCartesJouables = 1;      // unplayable cards dimmed, and why in the information bar
    std::uint8_t optionConseilCarte = 1;        // the card hint
    std::uint8_t optionJeuAuClavier = 1;        // keyboard play and card names for screen readers
    std::uint8_t optionAnimationCartes = 1;     // cards glide to the table and to the trick's winner
    std::uint8_t optionConfirmerAbandon = 1;    // ask before abandoning a deal in progress
    std::uint8_t optionReglesDuJeu = 1;         // the help command opens the rules of the game

    // The open-cards analysis of a played deal, stored after the global scores.
    // A store written before them lacks them: they keep these defaults.
    std::int32_t optionTempsAnalyse = 1;   // time per deal: 1 = 10 s, 2 = 30 s, 3 = 2 min
    std::uint8_t optionBoutonAnalyse = 1;  // the result panel shows its Analysis button

    // The official rules beside the game's own, stored after the others; a
    // store without them keeps the game's rules (both 0).
    std::uint8_t optionChelem = 0;               // the chelem: announced, scored, the Excuse last
    std::uint8_t optionPoigneesOrdinateurs = 0;  // the computers declare handfuls, shown to all

    // Accessibility, stored after the official rules; a store without it keeps
    // the usual pack.
    std::uint8_t optionQuatreCouleurs = 0;  // the four-colour pack: clubs green, diamonds blue
    // The card hint by the Expert's imagined deals, with what they say in
    // words; stored after the others, off unless the store says otherwise.
    std::uint8_t optionConseilExpert = 0;

    // Derived from optionAttenteEntreChaquePli: 0 waits for a click after each trick.
    int transitionAutomatique = 0;
    // Intervals in force of the card and transition timers, set from the
    // options when they are applied; a value out of range leaves them as they were.
    int intervalleTimerEntreCarte = 100;
    int intervalleTimerTransition = 100;
    // Not stored: chosen on the splash at each start.
    int langue = FRANCAIS;
};

inline double secondesAnalyse(const Options& o) {
    switch (o.optionTempsAnalyse) {
        case 2: return 30;
        case 3: return 120;
        default: return 10;
    }
}
