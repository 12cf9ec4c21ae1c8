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

    // Derived from optionAttenteEntreChaquePli: 0 waits for a click after each trick.
    int transitionAutomatique = 0;
    // Intervals in force of the card and transition timers, set from the
    // options when they are applied; a value out of range leaves them as they were.
    int intervalleTimerEntreCarte = 100;
    int intervalleTimerTransition = 100;
    // Not stored: chosen on the splash at each start.
    int langue = FRANCAIS;
};
