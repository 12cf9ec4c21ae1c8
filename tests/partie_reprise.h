#pragma once
// A headless game whose every step can be saved and read back: the timers
// are fired by hand through MinuteursSuivis, and seat 1 plays as a plain
// player would (bids as advised, discards the first six cards he may,
// declines the handful, plays his first playable card, clicks to go on).
#include "engine/chien.h"
#include "engine/enchere.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "flow/deroulement.h"
#include "flow/minuteurs_manuels.h"
#include "reprise/instantane.h"
#include "reprise/minuteurs_suivis.h"
#include "reprise/reafficher.h"
#include "settings/options.h"

struct PartieReprise {
    Jeu jeu;
    MinuteursManuels manuels;
    MinuteursSuivis suivis{manuels};

    explicit PartieReprise(std::uint64_t graine) {
        jeu.minuteurs = &suivis;
        jeu.hasard.horloge = horlogeDeterministe(graine);
        optionsParDefaut(jeu);
        appliquerOptions(jeu);
        initialiserPartie(jeu);
        jeu.options.optionForceMain = 2;
    }

    // What the player's store would give back to the next run: options,
    // weights, scores, and the clock that seeds the next deals.
    void heriterDe(const PartieReprise& avant) {
        jeu.options = avant.jeu.options;
        jeu.regles.poidsRegle = avant.jeu.regles.poidsRegle;
        jeu.scores = avant.jeu.scores;
        jeu.hasard.horloge = avant.jeu.hasard.horloge;
        jeu.donne.premierJoueur = avant.jeu.donne.premierJoueur;
    }

    QByteArray etat() const { return ecrireInstantane(jeu, suivis.armes()); }

    // The saved state into this game, the table redrawn and the pending step armed.
    bool reprendre(const QByteArray& octets) {
        MinuteursArmes m;
        if (lireInstantane(octets, jeu, m) != LectureInstantane::lue) return false;
        reafficherDonne(jeu);
        armerMinuteurs(jeu, m);
        return true;
    }

    int premiereCarteJouable() const {
        for (int k = 1; k <= 18; ++k)
            if (jeu.donne.jouable[1][k] == 1 && jeu.donne.mainJoueur[1][k].enMain) return k;
        return 0;
    }

    // One step; the first step of a game, or after a deal is over, deals.
    void unPas() {
        Donne& d = jeu.donne;
        if (manuels.declencher(jeu)) return;
        if (d.numeroPli == 19 || d.mainInitiale[1][1].couleur == SANS_COULEUR) {
            nouvelleDonne(jeu, 0);
        } else if (d.numeroPli == 0 && d.etatAttente == 0) {
            annoncerEnchere(jeu, d.enchere[1]);
        } else if (d.modeEcart == 1) {
            for (int pos = 1; pos <= 24 && d.nbCartesEcartees < 6; ++pos) cliquerCarteEcart(jeu, pos);
            confirmerEcart(jeu);
        } else if (d.humainPeutJouer && d.joueurCourant == 1) {
            if (d.poigneeEnCours) PanelPoigneeAucuneClick(jeu);
            jouerCarteHumain(jeu, premiereCarteJouable());
        } else {
            continuer(jeu);
        }
    }
};
