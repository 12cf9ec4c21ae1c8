#include "tools/autoplay/partie_auto.h"

#include "engine/annonces.h"
#include "engine/chien.h"
#include "engine/enchere.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "flow/deroulement.h"

namespace {

bool toutLeMondeAPasse(const Donne& d) {
    for (int s = 1; s <= 4; ++s)
        if (d.enchere[s] != PASSE) return false;
    return true;
}

// The human's seat as the computers would play it.
void jouerALaPlaceDuHumain(Jeu& jeu) {
    Donne& d = jeu.donne;
    d.humainPeutJouer = false;
    jouerCarteOrdinateur(jeu, d.joueurHumain);
    apresCarte(jeu);
}

// Seat 1's handful under the official rules, chosen as the computers choose theirs.
void declarerPoigneeSiegeUn(Jeu& jeu) {
    Donne& d = jeu.donne;
    const int h = d.joueurHumain;
    const int t = poigneeChoisie(jeu, h);
    if (t == 0 || choisirCartesPoignee(d, h, t) == 0) return;
    d.poigneeHumain = t;
    d.siegePoignee = h;
    noterPoigneeMontree(jeu, h);
}

void ecarterALaPlaceDuHumain(Jeu& jeu) {
    Donne& d = jeu.donne;
    jeu.vue->cacherCartesEcart();
    ecartOrdinateur(jeu);
    d.modeEcart = 0;
    d.etatAttente = 1;
    continuer(jeu);
}

IssueDonne derouler(Jeu& jeu, MinuteursManuels& minuteurs, Controleur& controleur, bool arretAvantJeu) {
    Donne& d = jeu.donne;
    bool jeuCommence = false;
    // A deal takes a few hundred steps; the bound only guards against a flow that stalls.
    for (int pas = 0; pas < 100000; ++pas) {
        if (d.numeroPli == 19) return IssueDonne::Jouee;
        const int pliAvant = d.numeroPli;
        const int cartesAvant = d.nbCartesPli;
        const int siege = d.joueurCourant;

        if (!jeuCommence && minuteurs.estArme(Minuteur::TimerEntreCarte)) {
            if (arretAvantJeu) return IssueDonne::Prete;
            controleur.debutJeu(jeu);
            jeuCommence = true;
        }
        if (minuteurs.declencher(jeu)) {
            // fall through to the checks below
        } else if (d.numeroPli == 0 && d.etatAttente == 0 && d.nbEncheres < 4) {
            annoncerEnchere(jeu, d.enchere[d.joueurHumain]);  // the advised bid
        } else if (d.numeroPli == 0 && d.etatAttente == 1 && toutLeMondeAPasse(d)) {
            return IssueDonne::SansPreneur;
        } else if (d.chelemEnCours != 0) {
            // Seat 1 answers the chelem offer as a computer taker would.
            repondreChelem(jeu, jeu.annonceChelem ? jeu.annonceChelem(jeu, d.joueurHumain)
                                                  : chelemAssure(d, d.joueurHumain));
        } else if (d.poigneeEnCours != 0) {
            // Under the game's own rules the computers never declare a handful;
            // under the official ones seat 1 declares as they do.
            if (d.reglesPoignees) declarerPoigneeSiegeUn(jeu);
            PanelPoigneeAucuneClick(jeu);
        } else if (d.modeEcart == 1) {
            ecarterALaPlaceDuHumain(jeu);
        } else if (d.humainPeutJouer && d.joueurCourant == d.joueurHumain && d.poigneeEnCours == 0) {
            jouerALaPlaceDuHumain(jeu);
        } else if (d.etatAttente != 0 || d.chienAffiche == 1) {
            continuer(jeu);
        } else {
            return IssueDonne::Interrompue;  // nothing to do: the flow is stuck
        }

        const bool carteJouee = d.numeroPli > 0 && d.numeroPli <= 19 &&
                                (d.nbCartesPli != cartesAvant || d.numeroPli != pliAvant) && pliAvant >= 1;
        if (carteJouee) {
            const int pli = d.numeroPli != pliAvant ? pliAvant : d.numeroPli;
            if (!controleur.apresCarteJouee(jeu, siege, d.carteJouee[siege][pli])) return IssueDonne::Interrompue;
            if (d.numeroPli != pliAvant && !controleur.apresPli(jeu)) return IssueDonne::Interrompue;
        }
    }
    return IssueDonne::Interrompue;
}

}  // namespace

IssueDonne jouerDonneAutomatique(Jeu& jeu, MinuteursManuels& minuteurs, Controleur& controleur) {
    return derouler(jeu, minuteurs, controleur, false);
}

IssueDonne preparerDonneAutomatique(Jeu& jeu, MinuteursManuels& minuteurs) {
    Controleur sansControle;
    return derouler(jeu, minuteurs, sansControle, true);
}
