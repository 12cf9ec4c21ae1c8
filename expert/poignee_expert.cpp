#include "expert/poignee_expert.h"

#include "engine/annonces.h"
#include "engine/choix.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "expert/parties_pro.h"
#include "expert/savoir.h"
#include "expert/simulation.h"
#include "expert/vraisemblance.h"
#include "scoring/score.h"

namespace {

bool aDeclare(const Donne& d, int siege) {
    return siege == d.joueurHumain ? d.poigneeHumain != 0 : d.poigneeOrdinateur[siege] != 0;
}

// A handful shown before this moment, noted again in a deal rebuilt from its
// first card (the replay of the first trick's cards does not show it).
void renoterPoigneesMontrees(Jeu& j, int siege) {
    const Donne& d = j.donne;
    for (int t = 1; t <= 4; ++t)
        if (t != siege && aDeclare(d, t) && d.nbCartesPoignee[t] > 0) noterPoigneeMontree(j, t);
}

void ramasserSiFini(Donne& d) {
    if (d.pliAffiche != 1) return;
    d.pliAffiche = 0;
    d.etatAttente = 0;
    for (int t = 1; t <= 4; ++t) d.pliEnCours[t] = Carte{};
}

}  // namespace

bool montrerPoignee(Jeu& jeu, int siege, int t) {
    Donne& d = jeu.donne;
    if (t < 1 || t > 3 || choisirCartesPoignee(d, siege, t) == 0) return false;
    if (siege == d.joueurHumain) {
        d.poigneeHumain = t;
        d.siegePoignee = siege;
    } else {
        d.poigneeOrdinateur[siege] = t;
    }
    noterPoigneeMontree(jeu, siege);
    return true;
}

int jouerAvecPoignees(Jeu& jeu, int decide) {
    Donne& d = jeu.donne;
    while (d.numeroPli == 1) {
        const int siege = d.joueurCourant;
        if (d.reglesPoignees && siege != decide && !aDeclare(d, siege))
            montrerPoignee(jeu, siege, poigneePossible(atoutsEnMain(d, siege)));
        calculerJouables(jeu, siege);
        jouerCarteOrdinateur(jeu, siege);
        apresCarte(jeu);
        ramasserSiFini(d);
    }
    const int score = jouerJusquAuBout(jeu);
    // The premium goes to the side that won the deal, never multiplied; the
    // score is positive exactly when the contract is made.
    const int prime = 3 * primePoignees(d);
    return score > 0 ? score + prime : score - prime;
}

BilanPoignee jugerPoigneeExpert(const Jeu& jeu, int siege, const ReglagesPoigneeExpert& r,
                                std::mt19937_64& generateur, const std::atomic<bool>* arret,
                                const Table<bool, 1, 4>* entendues) {
    SavoirSiege savoir = savoirDuSiege(jeu, siege);
    if (entendues) oublierEncheres(savoir, *entendues);
    return jugerPoigneeExpert(jeu, savoir, r, generateur, arret);
}

BilanPoignee jugerPoigneeExpert(const Jeu& jeu, const SavoirSiege& savoir, const ReglagesPoigneeExpert& r,
                                std::mt19937_64& generateur, const std::atomic<bool>* arret) {
    const Donne& d = jeu.donne;
    const int siege = savoir.siege;
    BilanPoignee bilan;
    bilan.plusGrande = poigneePossible(atoutsEnMain(d, siege));
    bilan.choisie = bilan.plusGrande;
    if (bilan.plusGrande == 0 || d.preneur < 1 || d.preneur > 4 || d.numeroPli != 1) return bilan;
    const bool preneur = siege == d.preneur;
    double somme[4] = {0, 0, 0, 0};
    for (int k = 0; k < r.echantillons; ++k) {
        if (arret && arret->load()) return bilan;
        Position p;
        if (!tirerDonneVraisemblable(savoir, generateur, p, r.essaisEnchere, r.jeuLegal)) break;
        Jeu imagine = copieImaginaire(jeu, generateur);
        if (!rejouerDonneTiree(jeu, savoir, p, imagine)) continue;
        renoterPoigneesMontrees(imagine, siege);
        for (int t = 0; t <= bilan.plusGrande; ++t) {
            Jeu j = imagine;
            if (t > 0) montrerPoignee(j, siege, t);
            const int score = jouerAvecPoignees(j, siege);
            somme[t] += preneur ? score : -score / 3;
        }
        bilan.echantillons += 1;
    }
    if (bilan.echantillons == 0) return bilan;
    // From the largest down: among equal averages the largest stays, as the game would show.
    for (int t = bilan.plusGrande; t >= 0; --t) {
        bilan.moyenne[t] = somme[t] / bilan.echantillons;
        if (bilan.moyenne[t] > bilan.moyenne[bilan.choisie]) bilan.choisie = t;
    }
    return bilan;
}

int choisirPoigneeExpert(const Jeu& jeu, int siege, const ReglagesPoigneeExpert& r, std::mt19937_64& generateur,
                         const std::atomic<bool>* arret, const Table<bool, 1, 4>* entendues) {
    return jugerPoigneeExpert(jeu, siege, r, generateur, arret, entendues).choisie;
}
