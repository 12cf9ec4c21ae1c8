// The main window's events: each hands the gesture to the game's routines.
#include <QColorDialog>
#include <QPushButton>

#include "engine/chien.h"
#include "engine/enchere.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "engine/textes.h"
#include "flow/deroulement.h"
#include "flow/poignee.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "ui/fBelvane/aides_table.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fMains/fmains.h"
#include "ui/fPliPrecedent/fpliprecedent.h"
#include "ui/fScoreDetaille/fscoredetaille.h"
#include "ui/fTousPlis/ftousplis.h"
#include "ui/fAnalyse/analyse_fond.h"
#include "ui/fAnalyse/fanalyse.h"

void TfrmBelvane::PanelLancementClick() { nouvelleDonne(jeu_, 0); }

void TfrmBelvane::nouvellePartie() {
    if (aides_ && !aides_->confirmerAbandon()) return;
    nouvelleDonne(jeu_, 0);
}

void TfrmBelvane::rejouerDonne() {
    if (aides_ && !aides_->confirmerAbandon()) return;
    jeu_.donne.modeRejouer = 1;
    nouvelleDonne(jeu_, 1);
}

void TfrmBelvane::continuerClick() { continuer(jeu_); }

void TfrmBelvane::Carte3DClick(int k) { jouerCarteHumain(jeu_, k); }

void TfrmBelvane::CarteChienClick() { ::CarteChienClick(jeu_); }

void TfrmBelvane::PanelPoigneeClick(int taille) { ouvrirPoignee(jeu_, taille); }

void TfrmBelvane::PanelPoigneeAucuneClick() { ::PanelPoigneeAucuneClick(jeu_); }

void TfrmBelvane::boutonEnchereClick(int enchere) { annoncerEnchere(jeu_, enchere); }

void TfrmBelvane::evMaMainClick() { annoncerEnchere(jeu_, jeu_.donne.enchere[jeu_.donne.joueurHumain]); }

void TfrmBelvane::PanelConfirmeEcartClick() {
    PanelConfirmeEcart->hide();
    confirmerEcart(jeu_);
}

void TfrmBelvane::menuPreviousTrickClick() { frmPliPrecedent_->afficherPliPrecedent(); }
void TfrmBelvane::PanelVoirMainsClick() { frmMains_->ouvrir(); }
void TfrmBelvane::PanelVoirPlisClick() { frmTousPlis_->ouvrir(); }
void TfrmBelvane::PanelScoreDetailleClick() { frmScoreDetaille_->ouvrir(); }
// The deal just played (or replayed), from the tables the review windows read.
void TfrmBelvane::PanelAnalyseClick() {
    if (jeu_.donne.numeroPli < 19 || jeu_.donne.preneur == 0) return;
    // The window does the background's work and more: one of them at a time.
    if (analyseFond_->idEnCours() == idDerniereDonne_) analyseFond_->arreter();
    frmAnalyse_->analyser(jeu_.donne, idDerniereDonne_);
}

void TfrmBelvane::basculerScoresClick() { basculerScoresGlobaux(jeu_); }

void TfrmBelvane::menuInitScoresClick() { initialiserScores(jeu_); }

void TfrmBelvane::menuQuitClick() {
    sauverOptions(jeu_);
    close();
}

template <typename Changement>
void TfrmBelvane::changerOption(Changement changement) {
    changement(jeu_.options);
    appliquerOptions(jeu_);
    sauverOptions(jeu_);
}

namespace {

std::uint8_t inverse(std::uint8_t b) { return b ? 0 : 1; }

}  // namespace

void TfrmBelvane::niveauClick(int niveau) {
    changerNiveau(jeu_, niveau);
    // A refused change must put the check mark back on the level in force.
    appliquerOptions(jeu_);
}

void TfrmBelvane::forceMainClick(int force) {
    changerOption([force](Options& o) { o.optionForceMain = force; });
}

void TfrmBelvane::vitesseClick(int vitesse) {
    changerOption([vitesse](Options& o) { o.optionVitesseJeuDeLaCarte = vitesse; });
}

void TfrmBelvane::attenteClick(int attente) {
    changerOption([attente](Options& o) { o.optionAttenteEntreChaquePli = attente; });
}

void TfrmBelvane::menuConseilEnchClick() {
    changerOption([](Options& o) { o.optionVisibiliteConseilEnchere = inverse(o.optionVisibiliteConseilEnchere); });
}

void TfrmBelvane::menuPointsPartieEnCoursClick() {
    changerOption(
        [](Options& o) { o.optionVisibilitePointsPartieEnCours = inverse(o.optionVisibilitePointsPartieEnCours); });
}

void TfrmBelvane::menuDeductionsClick() { basculerDeductions(jeu_); }

void TfrmBelvane::menuOptionNiveauAdaptatifClick() {
    changerOption([](Options& o) { o.optionNiveauAdaptatif = inverse(o.optionNiveauAdaptatif); });
}

void TfrmBelvane::menuAtLeastClick() {
    changerOption([](Options& o) { o.optionAuMoinsUneMainDePrise = inverse(o.optionAuMoinsUneMainDePrise); });
}

void TfrmBelvane::menuProposerPoigneeClick() {
    changerOption([](Options& o) { o.optionProposePoignee = inverse(o.optionProposePoignee); });
}

void TfrmBelvane::menuBarreOutilsClick() {
    changerOption([](Options& o) { o.optionBarreOutils = inverse(o.optionBarreOutils); });
}

void TfrmBelvane::menuBarreInfoClick() {
    changerOption([](Options& o) { o.optionBarreInfo = inverse(o.optionBarreInfo); });
}

void TfrmBelvane::tempsAnalyseClick(int temps) {
    changerOption([temps](Options& o) { o.optionTempsAnalyse = temps; });
}

void TfrmBelvane::menuBoutonAnalyseClick() {
    changerOption([](Options& o) { o.optionBoutonAnalyse = inverse(o.optionBoutonAnalyse); });
}

// The dialog opens on the colour in force; cancelling still applies and saves.
void TfrmBelvane::menuCouleurFondEcranClick() {
    const QColor c = QColorDialog::getColor(couleurQt(jeu_.options.optionCouleurFondEcran), this);
    changerOption([c](Options& o) {
        if (c.isValid()) o.optionCouleurFondEcran = couleurOption(c);
    });
}

void TfrmBelvane::menuCouleurTableRondeClick() {
    const QColor c = QColorDialog::getColor(couleurQt(jeu_.options.optionCouleurTableRonde), this);
    changerOption([c](Options& o) {
        if (c.isValid()) o.optionCouleurTableRonde = couleurOption(c);
    });
}

void TfrmBelvane::menuSommaireClick() {
    if (aides_ && aides_->ouvrirAide()) return;
    message(titreProgramme, texteAide(jeu_.options.langue));
}

void TfrmBelvane::menuAproposClick() { message(titreProgramme, texteApropos(jeu_.options.langue)); }
