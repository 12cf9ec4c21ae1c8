#include "expert/expert.h"

#include <chrono>
#include <limits>

#include "engine/annonces.h"
#include "engine/choix.h"
#include "engine/jeu.h"
#include "expert/parties_pro.h"
#include "expert/vraisemblance.h"

namespace {

// Among cards of equal average the cheapest is kept: fewer points, then the lower card.
bool moinsChere(const Carte& a, const Carte& b) {
    if (pointsCarte(a) != pointsCarte(b)) return pointsCarte(a) < pointsCarte(b);
    if (estAtout(a) != estAtout(b)) return !estAtout(a);
    return a.valeur < b.valeur;
}

}  // namespace

int BilanEchantillons::meilleure() const {
    int n = -1;
    for (int k = 0; k < NB_CARTES; ++k) {
        const std::size_t i = static_cast<std::size_t>(k);
        if (!jouable[i]) continue;
        const std::size_t m = static_cast<std::size_t>(n);
        if (n < 0 || somme[i] > somme[m] || (somme[i] == somme[m] && moinsChere(carteNumero(k), carteNumero(n)))) n = k;
    }
    return n;
}

BilanEchantillons evaluerParEchantillons(const SavoirSiege& savoir, const ReglagesExpert& reglages, Solveur& solveur,
                                         std::mt19937_64& generateur, const std::atomic<bool>* arret) {
    using Horloge = std::chrono::steady_clock;
    const auto debut = Horloge::now();
    const auto ecoule = [&] { return std::chrono::duration<double>(Horloge::now() - debut).count(); };
    BilanEchantillons bilan;
    const bool preneur = savoir.siege == savoir.preneur;
    const double signe = preneur ? 1.0 : -1.0;
    long long noeuds = 0;
    for (int k = 0; k < reglages.echantillons; ++k) {
        if (arret && arret->load()) return BilanEchantillons{true};
        const double reste = reglages.secondes - ecoule();
        if (reste <= 0) break;
        // Each sample has its share of the cards; one that needs more is left
        // out and the next is drawn, within the number of samples.
        long long part = 0;
        if (reglages.noeuds > 0) {
            part = reglages.noeuds / reglages.echantillons;
            if (reglages.noeuds - noeuds < part) break;
        }
        Position p;
        if (!tirerDonneVraisemblable(savoir, generateur, p, reglages.essaisEnchere, reglages.jeuLegal)) break;
        const ValeursCartes v = solveur.evaluerCartes(p, Budget{reste, part, arret});
        noeuds += v.noeuds;
        if (arret && arret->load()) return BilanEchantillons{true};
        bool complet = v.nb > 0;
        for (int i = 0; i < v.nb; ++i) complet = complet && v.cartes[static_cast<std::size_t>(i)].exact;
        if (!complet && part > 0 && reglages.secondes - ecoule() > 0) continue;
        if (!complet) break;  // out of time: the samples solved so far decide
        for (int i = 0; i < v.nb; ++i) {
            const ValeurCarte& c = v.cartes[static_cast<std::size_t>(i)];
            const std::size_t n = static_cast<std::size_t>(numeroCarte(c.carte));
            bilan.jouable[n] = true;
            bilan.somme[n] += signe * c.borneBasse;
            // The score is positive exactly when the contract is made.
            if ((c.borneBasse > 0) == preneur) bilan.reussites[n] += 1;
        }
        bilan.echantillons += 1;
    }
    bilan.secondes = ecoule();
    return bilan;
}

ChoixExpert choisirParEchantillons(const SavoirSiege& savoir, const ReglagesExpert& reglages, Solveur& solveur,
                                   std::mt19937_64& generateur, const std::atomic<bool>* arret) {
    const BilanEchantillons bilan = evaluerParEchantillons(savoir, reglages, solveur, generateur, arret);
    if (bilan.arrete) return {};
    ChoixExpert choix;
    choix.echantillons = bilan.echantillons;
    choix.secondes = bilan.secondes;
    const int n = bilan.meilleure();
    if (n < 0) return choix;
    choix.carte = carteNumero(n);
    choix.choisi = true;
    return choix;
}

bool expertEchantillonne(const Jeu& jeu, int siege, const ReglagesExpert& reglages) {
    const Donne& d = jeu.donne;
    if (siege < 1 || siege > 4 || d.preneur < 1 || d.preneur > 4) return false;
    if (d.numeroPli < 1 || d.numeroPli > 18) return false;
    return 18 - d.numeroPli + 1 <= reglages.plisRestants;
}

bool expertJoueParParties(const Jeu& jeu, int siege, const ReglagesExpert& reglages) {
    const Donne& d = jeu.donne;
    if (siege < 1 || siege > 4 || d.preneur < 1 || d.preneur > 4 || d.numeroPli < 1 || d.numeroPli > 18) return false;
    if (reglages.partiesPro <= 0 || expertEchantillonne(jeu, siege, reglages)) return false;
    return reglages.partiesProDefense || siege == d.preneur;
}

bool imposerCarteExpert(Jeu& jeu, int siege, const Carte& c) {
    Table<int, 1, 18>& jouable = jeu.donne.jouable[siege];
    const Main& main = jeu.donne.mainJoueur[siege];
    int slot = 0;
    for (int i = 1; i <= 18 && slot == 0; ++i)
        if (jouable[i] == 1 && main[i].enMain && main[i].memeCarte(c)) slot = i;
    if (slot == 0) return false;
    jouable.remplir(0);
    jouable[slot] = 1;
    return true;
}

Table<bool, 1, 4> encheresEntenduesALaTable(const Jeu& jeu, const ReglagesExpert& reglages) {
    Table<bool, 1, 4> t = toutesEntendues();
    if (!jeu.options.optionNiveauExpert || !reglages.enchereParSimulation) return t;
    for (int s = 1; s <= 4; ++s) t[s] = s == jeu.donne.joueurHumain;
    return t;
}

void oublierEncheres(SavoirSiege& savoir, const Table<bool, 1, 4>& entendues) {
    for (int t = 1; t <= 4; ++t)
        if (!entendues[t]) savoir.enchere[t] = PAS_ENCORE_PARLE;
}

namespace {

// The sampled choice, when the moment has come and a card was found: by the
// solver near the end, by play-outs before when they are asked for.
bool imposerChoixEchantillonne(Jeu& jeu, int siege, Expert& expert) {
    const Donne& d = jeu.donne;
    if (siege < 1 || siege > 4 || d.preneur < 1 || d.preneur > 4 || d.numeroPli < 1 || d.numeroPli > 18) return false;
    const bool solveur = expertEchantillonne(jeu, siege, expert.reglages);
    if (!solveur && !expertJoueParParties(jeu, siege, expert.reglages)) return false;
    SavoirSiege savoir = savoirDuSiege(jeu, siege);
    oublierEncheres(savoir, expert.noteEntendue);
    if (!solveur) {
        const ChoixExpert choix = choisirParPartiesPro(jeu, savoir, expert.reglages, expert.generateur);
        if (!choix.choisi) return false;
        expert.secondesParties.push_back(choix.secondes);
        expert.parties += choix.echantillons;
        return imposerCarteExpert(jeu, siege, choix.carte);
    }
    const ChoixExpert choix = choisirParEchantillons(savoir, expert.reglages, expert.solveur, expert.generateur);
    if (!choix.choisi) return false;
    expert.secondes.push_back(choix.secondes);
    expert.echantillons += choix.echantillons;
    return imposerCarteExpert(jeu, siege, choix.carte);
}

}  // namespace

void choisirCarteExpert(Jeu& jeu, int siege, Expert& expert) {
    if (!imposerChoixEchantillonne(jeu, siege, expert)) choisirCarte(jeu, siege);
}

void refaireEcartExpert(Jeu& jeu, Expert& expert) {
    Donne& d = jeu.donne;
    if (!expert.reglages.ecartParSimulation || d.preneur < 1 || d.preneur > 4) return;
    if (d.enchere[d.preneur] != PRISE && d.enchere[d.preneur] != GARDE) return;
    d.mainJoueur[d.preneur] = d.mainInitiale[d.preneur];
    for (int i = 1; i <= 18; ++i) d.mainJoueur[d.preneur][i].enMain = true;
    d.chien = d.chienInitial;
    appliquerEcart(jeu, choisirEcartExpert(jeu, expert.reglages.ecart, expert.generateur));
}

void installerNiveauxSiegesExpert(Jeu& jeu, const NiveauxSieges& niveaux, std::shared_ptr<Expert> expert) {
    NiveauxSieges pro = niveaux;
    Table<bool, 1, 4> estExpert;
    for (int s = 1; s <= 4; ++s) {
        estExpert[s] = niveaux[s].niveau == NIVEAU_EXPERT;
        if (estExpert[s]) pro[s].niveau = 4;
        expert->noteEntendue[s] = !(estExpert[s] && expert->reglages.enchereParSimulation);
    }
    installerNiveauxSieges(jeu, pro);
    auto regles = jeu.choixOrdinateur;
    jeu.choixOrdinateur = [regles, estExpert, expert](Jeu& j, int siege) {
        if (estExpert[siege] && imposerChoixEchantillonne(j, siege, *expert)) return;
        regles(j, siege);
    };
    jeu.enchereOrdinateur = nullptr;
    jeu.poigneeOrdinateur = nullptr;
    bool unExpert = false;
    for (int s = 1; s <= 4; ++s) unExpert = unExpert || estExpert[s];
    if (unExpert && expert->reglages.poigneeParSimulation) {
        jeu.poigneeOrdinateur = [estExpert, expert](const Jeu& j, int siege) {
            const int plusGrande = poigneePossible(atoutsEnMain(j.donne, siege));
            if (!estExpert[siege]) return plusGrande;
            // Its own stream, drawn from a copy: the cards' sampling that follows
            // draws as it would have with the game's handful, so that two runs
            // differing in this choice stay aligned deal by deal.
            std::mt19937_64 copie = expert->generateur;
            std::mt19937_64 generateur(copie());
            const int t = choisirPoigneeExpert(j, siege, expert->reglages.poignee, generateur, nullptr,
                                               &expert->noteEntendue);
            const int cote = siege == j.donne.preneur ? 0 : 1;
            expert->poigneesPossibles[cote] += plusGrande > 0;
            expert->poigneesRefusees[cote] += plusGrande > 0 && t == 0;
            return t;
        };
    }
    if (!unExpert || !expert->reglages.enchereParSimulation) return;
    jeu.enchereOrdinateur = [estExpert, expert](const Jeu& j, int siege) {
        if (!estExpert[siege]) return j.donne.niveauMain[siege];
        return choisirEnchereExpert(j, siege, expert->reglages.enchere, expert->generateur);
    };
}
