#include "reprise/reafficher.h"

#include "engine/annonces.h"
#include "engine/arrondi.h"
#include "engine/connaissances.h"
#include "engine/disposition.h"
#include "engine/enchere.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "engine/textes.h"
#include "flow/deroulement.h"
#include "flow/poignee.h"

namespace {

int siegeQuiParle(const Donne& d) {
    int s = d.premierJoueur;
    for (int i = 0; i < d.nbEncheres; ++i) s = siegeSuivant(s);
    return s;
}

// The seats that have spoken, in the order they spoke, with their bids.
void montrerEncheres(Jeu& jeu) {
    const Donne& d = jeu.donne;
    for (int i = 0, s = d.premierJoueur; i < d.nbEncheres; ++i, s = siegeSuivant(s))
        jeu.vue->annoncerEnchereSiege(s, nomEnchere(d.enchere[s], jeu.options.langue), d.enchere[s] == PASSE ? 10 : 14);
}

void montrerChienVisible(Jeu& jeu) {
    const Donne& d = jeu.donne;
    const Disposition& p = jeu.disposition;
    for (int i = 1; i <= 6; ++i)
        jeu.vue->placerCarteChien(i, (i - 1) * p.pasMain + p.tiersLargeur, arrondi(2 * p.echelleY) + p.milieuTable,
                                  d.chien[i], Curseur::Defaut);
    jeu.vue->ecrireInfo(texte(Texte::voiciLeChien, jeu.options.langue));
    jeu.vue->curseurCartesMain(Curseur::Interdit);
}

// The 24 cards of the human's discard screen, those already chosen raised.
void montrerEcart(Jeu& jeu) {
    const Donne& d = jeu.donne;
    const Disposition& p = jeu.disposition;
    for (int position = 1; position <= 24; ++position) {
        const int k = d.positionEcart[position];
        const Carte& c = k <= 18 ? d.mainJoueur[d.joueurHumain][k] : d.chien[k - 18];
        const bool ecartable = c.couleur != ATOUT && c.valeur != ROI;
        jeu.vue->placerCarteEcart(position, (position - 1) * p.pasMainEcart + p.margeMain, p.hautMain - 2, c,
                                  ecartable ? Curseur::Main : Curseur::Interdit);
        if (d.selectionEcart[k] == 1) jeu.vue->deplacerCarteEcart(position, -p.leveeCarte);
    }
    jeu.vue->montrerConfirmeEcart(d.nbCartesEcartees == 6);
    jeu.vue->ecrireInfo(texte(Texte::cliquezSurSixCartes, jeu.options.langue));
}

// The handful offer, or its window with the cards already chosen.
void montrerPoignee(Jeu& jeu) {
    SelectionPoignee& p = jeu.poignee;
    if (!p.ouverte) {
        const int n = compterAtoutsHumain(jeu);
        jeu.vue->montrerOffrePoignee(n >= 13, n >= 15);
        return;
    }
    const SelectionPoignee choisie = p;
    const int t = p.taillePoignee == 15 ? 3 : p.taillePoignee == 13 ? 2 : 1;
    p.ouverte = false;
    ouvrirPoignee(jeu, t);
    for (int k = 1; k <= 18; ++k)
        if (choisie.poigneeSelection[k]) cliquerCartePoignee(jeu, k);
}

void montrerJeu(Jeu& jeu) {
    Donne& d = jeu.donne;
    const int langue = jeu.options.langue;
    jeu.vue->montrerTableRonde(d.preneur);
    for (int s = 1; s <= 4; ++s)
        if (d.pliEnCours[s].couleur != SANS_COULEUR) jeu.vue->dessinerCarteTable(s, d.pliEnCours[s]);
    // What the official rules put on the table: the computers' handfuls until
    // the first trick is gathered, the chelem's mark for the whole deal.
    remontrerPoigneesOrdinateurs(jeu);
    if (d.chelemAnnonce != 0) jeu.vue->montrerChelemAnnonce(d.chelemAnnonce);
    jeu.vue->afficherPoints(d.pointsPreneur / 2, d.pointsDefense / 2);
    jeu.vue->afficherBouts(d.boutsPreneur, d.boutsDefense);
    if (d.boutsPreneur + d.boutsDefense == 3) jeu.vue->afficherContrat(d.pointsAFaire);
    afficherDeductions(jeu);
    jeu.vue->activerPliPrecedent(d.numeroPli >= 2);
    if (d.etatAttente == 1) {
        messageContinuer(jeu);
        return;
    }
    if (!d.humainPeutJouer) return;
    jeu.vue->ecrireInfo(texte(Texte::aVousDeJouer, langue));
    annoncerTour(jeu, d.joueurHumain);
    if (d.poigneeEnCours) montrerPoignee(jeu);
}

}  // namespace

void reafficherDonne(Jeu& jeu) {
    Donne& d = jeu.donne;
    const int langue = jeu.options.langue;
    const std::uint32_t graine = jeu.hasard.graine;

    effacerTable(jeu);
    jeu.vue->montrerLancement(false);
    jeu.vue->etatRejouer(true, d.modeRejouer == 1);
    jeu.vue->curseurFenetre(Curseur::Defaut);
    afficherMain(jeu);
    for (int k = 1; k <= 18; ++k)
        if (!d.mainJoueur[d.joueurHumain][k].enMain) jeu.vue->cacherCarteMain(k);

    if (d.numeroPli == 0) {
        montrerEncheres(jeu);
        if (d.etatAttente == 1) messageContinuer(jeu);
        // The human has the floor: the bidding bar again (his advice is his rating, as before).
        else if (d.nbEncheres < 4 && siegeQuiParle(d) == d.joueurHumain) tourEnchere(jeu, d.joueurHumain);
        jeu.hasard.graine = graine;
        return;
    }

    jeu.vue->montrerPreneur(d.preneur, nomJoueur(d.preneur, langue), nomEnchere(d.enchere[d.preneur], langue));
    jeu.vue->ecrireContrat(nomEnchere(d.contrat, langue));
    jeu.vue->activerCartesMain(true);
    if (d.chienAffiche == 1) montrerChienVisible(jeu);
    else if (d.modeEcart == 1) montrerEcart(jeu);
    else montrerJeu(jeu);
    jeu.hasard.graine = graine;
}

void armerMinuteurs(Jeu& jeu, const MinuteursArmes& m) {
    if (m.enchere) jeu.minuteurs->armer(Minuteur::TimerEnchere, 10);
    if (m.carte) jeu.minuteurs->armer(Minuteur::TimerEntreCarte, jeu.options.intervalleTimerEntreCarte);
    if (m.transition) jeu.minuteurs->armer(Minuteur::TimerTransition, jeu.options.intervalleTimerTransition);
}
