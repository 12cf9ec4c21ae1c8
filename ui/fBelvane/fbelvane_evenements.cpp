// The main window's events: each hands the gesture to the game's routines.
#include <QPushButton>

#include "engine/chien.h"
#include "engine/enchere.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "flow/deroulement.h"
#include "ui/fBelvane/fbelvane.h"

void TfrmBelvane::PanelLancementClick() { nouvelleDonne(jeu_, 0); }

void TfrmBelvane::nouvellePartie() { nouvelleDonne(jeu_, 0); }

void TfrmBelvane::rejouerDonne() {
    jeu_.donne.modeRejouer = 1;
    nouvelleDonne(jeu_, 1);
}

void TfrmBelvane::continuerClick() { continuer(jeu_); }

void TfrmBelvane::Carte3DClick(int k) { jouerCarteHumain(jeu_, k); }

void TfrmBelvane::CarteChienClick() { ::CarteChienClick(jeu_); }

void TfrmBelvane::PanelPoigneeClick(int taille) { (void)taille; }

void TfrmBelvane::PanelPoigneeAucuneClick() { ::PanelPoigneeAucuneClick(jeu_); }

void TfrmBelvane::boutonEnchereClick(int enchere) { annoncerEnchere(jeu_, enchere); }

void TfrmBelvane::evMaMainClick() { annoncerEnchere(jeu_, jeu_.donne.enchere[jeu_.donne.joueurHumain]); }

void TfrmBelvane::PanelConfirmeEcartClick() {
    PanelConfirmeEcart->hide();
    confirmerEcart(jeu_);
}

void TfrmBelvane::menuPreviousTrickClick() {}
void TfrmBelvane::PanelVoirMainsClick() {}
void TfrmBelvane::PanelVoirPlisClick() {}
void TfrmBelvane::PanelScoreDetailleClick() {}
void TfrmBelvane::basculerScoresClick() {}
void TfrmBelvane::menuInitScoresClick() {}

void TfrmBelvane::menuQuitClick() { close(); }

void TfrmBelvane::niveauClick(int niveau) { (void)niveau; }
void TfrmBelvane::forceMainClick(int force) { (void)force; }
void TfrmBelvane::vitesseClick(int vitesse) { (void)vitesse; }
void TfrmBelvane::attenteClick(int attente) { (void)attente; }
void TfrmBelvane::menuConseilEnchClick() {}
void TfrmBelvane::menuPointsPartieEnCoursClick() {}
void TfrmBelvane::menuDeductionsClick() {}
void TfrmBelvane::menuOptionNiveauAdaptatifClick() {}
void TfrmBelvane::menuAtLeastClick() {}
void TfrmBelvane::menuProposerPoigneeClick() {}
void TfrmBelvane::menuBarreOutilsClick() {}
void TfrmBelvane::menuBarreInfoClick() {}
void TfrmBelvane::menuCouleurFondEcranClick() {}
void TfrmBelvane::menuCouleurTableRondeClick() {}
void TfrmBelvane::menuSommaireClick() {}
void TfrmBelvane::menuAproposClick() {}
