#pragma once
// The phases of a deal, from the first click to the result, and the timer
// steps that pace the computer players.
#include "engine/vue.h"

struct Jeu;

// Once, as the main window is created: the state before the first deal.
void initialiserPartie(Jeu& jeu);
// mode 0 a fresh deal, 1 a replay of the last fresh deal.
void nouvelleDonne(Jeu& jeu, int mode);
// The continue gesture: a click on the table, the space bar, the transition timer.
void continuer(Jeu& jeu);
void effacerTable(Jeu& jeu);
void TimerEntreCarteTimer(Jeu& jeu);
void TimerTransitionTimer(Jeu& jeu);
// Runs the handler of a timer that has fired.
void declencherMinuteur(Jeu& jeu, Minuteur m);
// A click on one of the six dog images.
void CarteChienClick(Jeu& jeu);
// The human taker's answer to the chelem offer: announced or not; play starts.
void repondreChelem(Jeu& jeu, bool annonce);
// The human declines the handful offer.
void PanelPoigneeAucuneClick(Jeu& jeu);
