#include "reprise/entrainement.h"

#include <algorithm>

#include "engine/chien.h"
#include "engine/connaissances.h"
#include "engine/enchere.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "flow/deroulement.h"
#include "flow/minuteurs_manuels.h"
#include "historique/code_donne.h"
#include "historique/donne_archivee.h"
#include "historique/rejouer.h"
#include "reprise/reafficher.h"

namespace {

bool dansEcart(const DonneArchivee& a, const Carte& c) {
    const int id = idCarte(c);
    return std::find(a.ecart.begin(), a.ecart.end(), id) != a.ecart.end();
}

// The discard of the record in place of the one the computer taker has just
// made (his own draws would choose another), the knowledge built again on it.
bool imposerEcart(Jeu& jeu, const DonneArchivee& a) {
    Donne& d = jeu.donne;
    Table<Carte, 1, 24> vingtQuatre;
    for (int i = 1; i <= 18; ++i) vingtQuatre[i] = d.mainJoueur[d.preneur][i];
    for (int i = 1; i <= 6; ++i) vingtQuatre[18 + i] = d.chien[i];
    Main main;
    int m = 0;
    for (Carte c : vingtQuatre) {
        if (dansEcart(a, c)) continue;
        if (++m > 18) return false;
        c.enMain = true;
        main[m] = c;
    }
    if (m != 18) return false;
    std::sort(main.begin(), main.end(), avantDansLaMain);
    Chien ecart;
    for (int i = 1; i <= 6; ++i) {
        const auto c = std::find_if(vingtQuatre.begin(), vingtQuatre.end(),
                                    [&](const Carte& x) { return idCarte(x) == a.ecart[i]; });
        if (c == vingtQuatre.end()) return false;
        ecart[i] = *c;
        ecart[i].enMain = false;
    }
    d.mainJoueur[d.preneur] = main;
    d.chien = ecart;
    d.origineEcart = a.origineEcart;
    initialiserConnaissances(jeu);
    return true;
}

// The human taker chooses the six cards of the record on his discard screen.
bool ecarterCommeLeRecord(Jeu& jeu, const DonneArchivee& a) {
    Donne& d = jeu.donne;
    for (int position = 1; position <= 24; ++position) {
        const int k = d.positionEcart[position];
        const Carte& c = k <= 18 ? d.mainJoueur[d.joueurHumain][k] : d.chien[k - 18];
        if (dansEcart(a, c)) cliquerCarteEcart(jeu, position);
    }
    if (d.nbCartesEcartees != 6) return false;
    confirmerEcart(jeu);
    return true;
}

int rangCarte(const Donne& d) { return (d.numeroPli - 1) * 4 + d.nbCartesPli + 1; }

int slotDe(const Donne& d, int siege, int id) {
    for (int i = 1; i <= 18; ++i)
        if (d.mainJoueur[siege][i].enMain && idCarte(d.mainJoueur[siege][i]) == id) return i;
    return 0;
}

bool recordLisible(const DonneArchivee& a) {
    if (lireCode(a.code).erreur != ErreurCode::aucune || a.preneur < 1 || a.preneur > 4) return false;
    for (int k = 1; k <= 72; ++k)
        if (a.cartes[k] < 1 || a.cartes[k] > 78 || a.sieges[k] < 1 || a.sieges[k] > 4) return false;
    for (int i = 1; i <= 6; ++i)
        if (a.ecart[i] < 1 || a.ecart[i] > 78) return false;
    return true;
}

// Plays the deal of `a` in `essai`, which shows nothing and runs on `minuteurs`.
bool rejouerJusquA(Jeu& essai, MinuteursManuels& minuteurs, const DonneArchivee& a, int pli) {
    Donne& d = essai.donne;
    const int h = d.joueurHumain;
    rejouerRepartition(essai, lireCode(a.code).repartition);

    // The auction: every seat bids as it did (the computers' bids are their
    // ratings, or an Expert's thought-out bids).
    essai.enchereOrdinateur = [&a](const Jeu&, int siege) { return a.enchere[siege]; };
    for (int garde = 0; garde < 20 && d.numeroPli == 0 && d.etatAttente == 0; ++garde)
        if (!minuteurs.declencher(essai)) annoncerEnchere(essai, a.enchere[h]);
    if (d.enchere != a.enchere) return false;

    // The taker, the dog, the discard; then play starts.
    for (int garde = 0; garde < 10 && d.modeEcart == 0 && !minuteurs.estArme(Minuteur::TimerEntreCarte); ++garde)
        continuer(essai);
    if (d.preneur != a.preneur) return false;
    if (d.modeEcart == 1 && !ecarterCommeLeRecord(essai, a)) return false;
    if (d.preneur != h && d.enchere[d.preneur] <= GARDE && !imposerEcart(essai, a)) return false;
    for (int i = 1; i <= 6; ++i)
        if (idCarte(d.chien[i]) != a.ecart[i]) return false;

    // Each card of the record in turn, up to the first of trick `pli`.
    bool fidele = true;
    essai.choixOrdinateur = [&a, &fidele](Jeu& j, int siege) {
        Donne& dd = j.donne;
        const int slot = slotDe(dd, siege, a.cartes[rangCarte(dd)]);
        if (slot == 0 || dd.jouable[siege][slot] != 1) {
            fidele = false;
            return;
        }
        for (int i = 1; i <= 18; ++i) dd.jouable[siege][i] = i == slot ? 1 : 0;
    };
    const int derniere = (pli - 1) * 4;
    for (int garde = 0; garde < 1000 && fidele; ++garde) {
        if (d.numeroPli > 18) return false;
        if (d.etatAttente == 1 || d.pliAffiche == 1) {
            continuer(essai);
            continue;
        }
        const int rang = rangCarte(d);
        if (rang > derniere) return true;
        if (a.sieges[rang] != d.joueurCourant) return false;
        if (d.humainPeutJouer && d.joueurCourant == h) {
            if (d.poigneeEnCours) {
                PanelPoigneeAucuneClick(essai);
                d.poigneeHumain = a.poignee;
                d.siegePoignee = a.poignee ? h : 0;
            }
            const int slot = slotDe(d, h, a.cartes[rang]);
            if (slot == 0 || d.jouable[h][slot] != 1) return false;
            jouerCarteHumain(essai, slot);
        } else if (!minuteurs.declencher(essai)) {
            return false;
        }
        if (rangCarte(d) != rang && idCarte(d.pliEnCours[a.sieges[rang]]) != a.cartes[rang]) fidele = false;
    }
    return false;
}

}  // namespace

bool entrainerDepuis(Jeu& jeu, const DonneArchivee& a, int pli) {
    if (pli < 1 || pli > 18 || !recordLisible(a)) return false;
    Jeu essai = jeu;
    MinuteursManuels minuteurs;
    essai.vue = &vueNulle();
    essai.minuteurs = &minuteurs;
    essai.donneTerminee = nullptr;
    if (!rejouerJusquA(essai, minuteurs, a, pli)) return false;

    jeu.donne = essai.donne;
    jeu.connaissances = essai.connaissances;
    jeu.regles = essai.regles;
    jeu.poignee = essai.poignee;
    jeu.hasard.graine = essai.hasard.graine;
    jeu.donne.entrainement = 1;
    const MinuteursArmes armes{minuteurs.estArme(Minuteur::TimerEnchere), minuteurs.estArme(Minuteur::TimerEntreCarte),
                               minuteurs.estArme(Minuteur::TimerTransition)};
    reafficherDonne(jeu);
    armerMinuteurs(jeu, armes);
    return true;
}
