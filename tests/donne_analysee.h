#pragma once
// A whole deal played by the game's own flow, every seat by the computers'
// logic, for the analysis tests; and its record in belvane-autoplay's form,
// for belvane-analyse to read.
#include <cstdint>
#include <string>

#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "flow/minuteurs_manuels.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "tools/autoplay/json.h"
#include "tools/autoplay/partie_auto.h"

// Plays deals from the seed until one has a taker and is played out; the
// deal tables then hold it, numeroPli 19. The timers and the view are the
// game's own when given, headless otherwise.
inline void jouerDonneAnalysee(Jeu& jeu, MinuteursManuels& minuteurs, std::uint64_t graine) {
    jeu.minuteurs = &minuteurs;
    jeu.hasard.horloge = horlogeDeterministe(graine);
    initialiserPartie(jeu);
    jeu.finDeDonne = finDeDonne;
    optionsParDefaut(jeu);
    Controleur sansControle;
    // A deal everybody passed ends with the click that deals the next one.
    nouvelleDonne(jeu, 0);
    for (int essai = 0; essai < 20; ++essai) {
        if (jouerDonneAutomatique(jeu, minuteurs, sansControle) == IssueDonne::Jouee) return;
        continuer(jeu);
    }
}

// What belvane-analyse reads of a deal: the hands and the dog as dealt, the
// contract, the discard and the 18 tricks.
inline std::string enregistrementDonne(const Donne& d) {
    Json j;
    j.debutObjet();
    j.cle("deal").entier(1);
    j.cle("first").entier(d.entameurPli[1]);
    j.cle("hands").debutListe();
    for (int s = 1; s <= 4; ++s) {
        j.debutListe();
        for (int i = 1; i <= 18; ++i) j.carte(d.mainInitiale[s][i]);
        j.finListe();
    }
    j.finListe();
    j.cle("dog").debutListe();
    for (int i = 1; i <= 6; ++i) j.carte(d.chienInitial[i]);
    j.finListe();
    j.cle("taker").entier(d.preneur);
    j.cle("contract").entier(d.enchere[d.preneur]);
    j.cle("discard").debutListe();
    for (int i = 1; i <= 6; ++i) j.carte(d.chien[i]);
    j.finListe();
    j.cle("tricks").debutListe();
    for (int t = 1; t <= 18; ++t) {
        j.debutObjet();
        j.cle("leader").entier(d.entameurPli[t]);
        j.cle("cards").debutListe();
        for (int k = 0, s = d.entameurPli[t]; k < 4; ++k, s = siegeSuivant(s)) j.carte(d.mainJoueur[s][d.carteJouee[s][t]]);
        j.finListe();
        j.finObjet();
    }
    j.finListe();
    j.finObjet();
    return std::string(j.texte());
}
