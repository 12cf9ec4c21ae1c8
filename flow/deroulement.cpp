#include "flow/deroulement.h"

#include "engine/annonces.h"
#include "engine/chien.h"
#include "engine/disposition.h"
#include "engine/distribution.h"
#include "engine/enchere.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "engine/textes.h"
#include "scoring/score.h"

namespace {

void viderPli(Donne& d) {
    for (int s = 1; s <= 4; ++s) d.pliEnCours[s] = Carte{};
}

// The handful offer, made at the human's first card when he holds ten cards
// of suit 0 or more.
void proposerPoignee(Jeu& jeu) {
    Donne& d = jeu.donne;
    d.poigneeEnCours = 1;
    int cartesAtout = 0;
    for (int i = 1; i <= 18; ++i) cartesAtout += d.mainJoueur[d.joueurHumain][i].couleur == ATOUT;
    if (cartesAtout < 10) {
        d.poigneeEnCours = 0;
        return;
    }
    jeu.vue->montrerOffrePoignee(cartesAtout >= 13, cartesAtout >= 15);
}

// The chelem question, put once before the first card: the human taker is
// offered the announcement; a computer taker decides at once.
void proposerChelem(Jeu& jeu) {
    Donne& d = jeu.donne;
    d.chelemPropose = 1;
    if (d.preneur == d.joueurHumain) {
        d.chelemEnCours = 1;
        jeu.vue->ecrireInfo(texte(Texte::offreChelem, jeu.options.langue));
        jeu.vue->montrerOffreChelem(true);
        return;
    }
    const bool annonce = jeu.annonceChelem ? jeu.annonceChelem(jeu, d.preneur) : chelemAssure(d, d.preneur);
    if (annonce) annoncerChelem(jeu, d.preneur);
}

// The auction is over: name the taker, or deal again when everybody passed.
void apresEncheres(Jeu& jeu) {
    Donne& d = jeu.donne;
    d.numeroPli = 1;
    d.preneur = determinerPreneur(jeu);
    if (d.enchere[d.preneur] == PASSE) {
        nouvelleDonne(jeu, 0);
        return;
    }
    jeu.vue->cacherAnnonces();
    jeu.vue->montrerPreneur(d.preneur, nomJoueur(d.preneur, jeu.options.langue),
                            nomEnchere(d.enchere[d.preneur], jeu.options.langue));
    jeu.vue->activerCartesMain(true);
    montrerChien(jeu);
}

}  // namespace

void initialiserPartie(Jeu& jeu) {
    Donne& d = jeu.donne;
    d.nbDonnesSansPreneur = 0;
    jeu.vue->activerPliPrecedent(false);
    jeu.scores.scoresGlobauxVisibles = false;
    d.modeRejouer = 0;
    d.humainPeutJouer = false;
    d.chienAffiche = 0;
    viderPli(d);
    d.joueurHumain = 1;
    d.premierJoueur = 3;
    construirePaquet(jeu.paquet);
    jeu.continuer = continuer;
    jeu.finDeDonne = finDeDonne;
}

void nouvelleDonne(Jeu& jeu, int mode) {
    Donne& d = jeu.donne;
    Connaissances& k = jeu.connaissances;
    jeu.regles.nbReglesUtilisees = 0;
    jeu.vue->etatRejouer(true, mode == 1);
    jeu.vue->montrerLancement(false);

    d.poigneeHumain = 0;
    d.siegePoignee = 0;
    // The official rules in force for the whole of this deal.
    d.reglesChelem = jeu.options.optionChelem != 0;
    d.reglesPoignees = jeu.options.optionPoigneesOrdinateurs != 0;
    d.poigneeOrdinateur.remplir(0);
    d.nbCartesPoignee.remplir(0);
    d.chelemAnnonce = d.chelemPropose = d.chelemEnCours = 0;
    d.plisPreneur = d.plisDefense = 0;
    d.petitPliAvantDernier = 0;
    d.entrainement = 0;
    d.poigneeEnCours = 0;
    d.preneur = 0;
    d.contrat = 0;
    d.enchere.remplir(PAS_ENCORE_PARLE);
    d.meilleureEnchere = 0;
    jeu.scores.scoresGlobauxVisibles = false;
    d.chienAffiche = 0;
    d.pliAffiche = 0;
    d.boutsPreneur = d.boutsDefense = 0;
    viderPli(d);
    d.etatAttente = 0;
    d.modeEcart = 0;
    // A click left over from the last deal's turn must not play a card of this one.
    d.humainPeutJouer = false;
    d.plusFortAtout = 0;
    d.pointsPreneur = d.pointsDefense = 0;
    k.couleurLongueCoupee = 0;
    k.chienMontre = 0;
    k.couleurJoueeParPreneur.remplir(0);
    k.petitJoue = 0;
    jeu.vue->curseurFenetre(Curseur::Sablier);

    effacerTable(jeu);
    // Moves the opening seat on for a fresh deal, deals until accepted and sorts.
    distribuer(jeu, mode);
    afficherMain(jeu);

    d.numeroPli = 0;
    d.nbEncheres = 0;
    jeu.vue->curseurFenetre(Curseur::Defaut);
    tourEnchere(jeu, d.premierJoueur);
}

void effacerTable(Jeu& jeu) {
    jeu.vue->effacerTable();
    jeu.vue->cacherPoigneesSieges();
    jeu.vue->montrerOffreChelem(false);
    jeu.vue->activerPliPrecedent(false);
    jeu.scores.scoresGlobauxVisibles = true;
    basculerScoresGlobaux(jeu);
    // Every step the last deal had pending: a computer's bid or card, the pause after a trick.
    jeu.minuteurs->arreter(Minuteur::TimerEnchere);
    jeu.minuteurs->arreter(Minuteur::TimerEntreCarte);
    jeu.minuteurs->arreter(Minuteur::TimerTransition);
}

void continuer(Jeu& jeu) {
    Donne& d = jeu.donne;
    jeu.minuteurs->arreter(Minuteur::TimerTransition);

    if (d.pliAffiche == 1) {
        d.pliAffiche = 0;
        if (d.numeroPli != 19) jeu.vue->cacherCartesTable();
        if (d.numeroPli == 2) jeu.vue->cacherPoigneesSieges();
        viderPli(d);
    }

    if (d.etatAttente == 1 && d.modeEcart == 0) {
        d.etatAttente = 0;
        if (d.numeroPli != 0) {
            jeu.vue->ecrireInfo("");
            jeu.vue->montrerTableRonde(d.preneur);
            if (d.numeroPli <= 18 && d.joueurCourant != d.joueurHumain) annoncerTour(jeu, d.joueurCourant);
            armerTimerCarte(jeu);
        } else {
            apresEncheres(jeu);
            if (d.numeroPli == 0) return;  // everybody passed: a fresh deal has started
        }
    }

    if (d.chienAffiche == 1 && d.etatAttente == 2) {
        jeu.vue->montrerTableRonde(d.preneur);
        apresChien(jeu);
        if (d.modeEcart == 0) continuer(jeu);
    }

    if (d.chienAffiche == 1 && d.etatAttente == 0) d.etatAttente = 2;
}

void TimerEntreCarteTimer(Jeu& jeu) {
    Donne& d = jeu.donne;
    jeu.minuteurs->arreter(Minuteur::TimerEntreCarte);
    if (d.numeroPli > 18) return;
    if (d.reglesChelem && d.numeroPli == 1 && d.nbCartesPli == 0 && !d.chelemPropose) {
        proposerChelem(jeu);
        if (d.chelemEnCours) return;  // the human taker answers first
    }
    calculerJouables(jeu, d.joueurCourant);
    if (d.joueurCourant != d.joueurHumain) {
        d.humainPeutJouer = false;
        if (d.numeroPli == 1) declarerPoigneeOrdinateur(jeu, d.joueurCourant);
        jouerCarteOrdinateur(jeu, d.joueurCourant);
        apresCarte(jeu);
        return;
    }
    jeu.vue->ecrireInfo(texte(Texte::aVousDeJouer, jeu.options.langue));
    annoncerTour(jeu, d.joueurHumain);
    d.humainPeutJouer = true;
    if (d.numeroPli == 1 && jeu.options.optionProposePoignee) proposerPoignee(jeu);
}

void TimerTransitionTimer(Jeu& jeu) {
    jeu.minuteurs->arreter(Minuteur::TimerTransition);
    continuer(jeu);
}

void declencherMinuteur(Jeu& jeu, Minuteur m) {
    switch (m) {
    case Minuteur::TimerEnchere: TimerEnchereTimer(jeu); break;
    case Minuteur::TimerEntreCarte: TimerEntreCarteTimer(jeu); break;
    case Minuteur::TimerTransition: TimerTransitionTimer(jeu); break;
    case Minuteur::timerTousPlis: break;  // belongs to the all-tricks window
    }
}

void CarteChienClick(Jeu& jeu) {
    if (jeu.donne.chienAffiche == 1 && jeu.donne.etatAttente == 2) continuer(jeu);
}

void repondreChelem(Jeu& jeu, bool annonce) {
    Donne& d = jeu.donne;
    if (!d.chelemEnCours) return;
    d.chelemEnCours = 0;
    jeu.vue->montrerOffreChelem(false);
    jeu.vue->ecrireInfo("");
    if (annonce) annoncerChelem(jeu, d.joueurHumain);
    armerTimerCarte(jeu);
}

void PanelPoigneeAucuneClick(Jeu& jeu) {
    jeu.donne.poigneeEnCours = 0;
    jeu.vue->cacherOffrePoignee();
}
