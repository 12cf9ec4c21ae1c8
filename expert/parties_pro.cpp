#include "expert/parties_pro.h"

#include <chrono>
#include <limits>

#include "engine/connaissances.h"
#include "engine/evaluation.h"
#include "engine/pli.h"
#include "expert/simulation.h"
#include "expert/vraisemblance.h"

namespace {

// The trick on the table gathered as the headless play does it.
void ramasserSiFini(Donne& d) {
    if (d.pliAffiche != 1) return;
    d.pliAffiche = 0;
    d.etatAttente = 0;
    for (int t = 1; t <= 4; ++t) d.pliEnCours[t] = Carte{};
}

// `siege` plays `c`; false when the card is not his to play.
bool jouerImpose(Jeu& j, int siege, const Carte& c) {
    calculerJouables(j, siege);
    if (!imposerCarteExpert(j, siege, c)) return false;
    jouerCarteOrdinateur(j, siege);
    apresCarte(j);
    ramasserSiFini(j.donne);
    return true;
}

Main versMain(const std::array<bool, NB_CARTES>& dedans) {
    Main m;
    int i = 0;
    for (int n = 0; n < NB_CARTES && i < 18; ++n)
        if (dedans[static_cast<std::size_t>(n)]) m[++i] = carteNumero(n);
    return m;
}

bool moinsChere(const Carte& a, const Carte& b) {
    if (pointsCarte(a) != pointsCarte(b)) return pointsCarte(a) < pointsCarte(b);
    if (estAtout(a) != estAtout(b)) return !estAtout(a);
    return a.valeur < b.valeur;
}

}  // namespace

bool rejouerDonneTiree(const Jeu& jeu, const SavoirSiege& s, const Position& p, Jeu& j) {
    const Donne& vraie = jeu.donne;
    Donne& d = j.donne;
    const bool chienPris = s.chienVu;
    // The hands as dealt, then as held after the discard.
    Table<Main, 1, 4> distribuees;
    for (int t = 1; t <= 4; ++t) {
        if (t == s.siege) distribuees[t] = vraie.mainInitiale[t];
        else if (!mainDistribuee(s, p, t, distribuees[t])) return false;
    }
    for (int t = 1; t <= 4; ++t) {
        d.niveauMain[t] = evaluerMain(distribuees[t]);
        d.mainJoueur[t] = distribuees[t];
        for (int i = 1; i <= 18; ++i) d.mainJoueur[t][i].enMain = true;
    }
    trierMains(d);
    const Table<Main, 1, 4> initiales = d.mainInitiale;
    if (chienPris) {
        std::array<bool, NB_CARTES> gardees{};
        for (int i = 1; i <= 18; ++i) gardees[static_cast<std::size_t>(numeroCarte(distribuees[s.preneur][i]))] = true;
        for (int i = 1; i <= 6; ++i) gardees[static_cast<std::size_t>(numeroCarte(vraie.chienInitial[i]))] = true;
        for (int i = 1; i <= 6; ++i) gardees[static_cast<std::size_t>(numeroCarte(p.chien[i]))] = false;
        d.mainJoueur[s.preneur] = versMain(gardees);
        for (int i = 1; i <= 18; ++i) d.mainJoueur[s.preneur][i].enMain = true;
        trierMains(d);
        d.mainInitiale = initiales;
    }
    for (int i = 1; i <= 6; ++i) d.chien[i] = p.chien[i];
    trierChien(d);
    if (chienPris) d.chienInitial = vraie.chienInitial;

    // The play from its first card.
    d.numeroPli = 1;
    d.nbCartesPli = 0;
    for (int t = 1; t <= 4; ++t) d.pliEnCours[t] = Carte{};
    d.joueurEntame = d.joueurCourant = vraie.numeroPli > 1 ? vraie.entameurPli[1] : vraie.joueurEntame;
    d.couleurDemandee = SANS_COULEUR;
    d.valeurDemandee = 0;
    d.plusFortAtout = 0;
    d.pointsPreneur = d.pointsDefense = 0;
    d.boutsPreneur = d.boutsDefense = 0;
    d.plisPreneur = d.plisDefense = 0;
    d.petitAuBout = d.petitPliAvantDernier = 0;
    d.etatAttente = 0;
    d.pliAffiche = 0;
    const int chienMontre = j.connaissances.chienMontre;
    j.connaissances = Connaissances{};
    j.connaissances.chienMontre = chienMontre;
    initialiserConnaissances(j);

    for (int pli = 1; pli <= vraie.numeroPli && pli <= 18; ++pli) {
        const bool enCours = pli == vraie.numeroPli;
        const int nb = enCours ? vraie.nbCartesPli : 4;
        int u = enCours ? vraie.joueurEntame : vraie.entameurPli[pli];
        for (int k = 0; k < nb; ++k, u = siegeSuivant(u)) {
            const Carte& c = vraie.mainJoueur[u][vraie.carteJouee[u][pli]];
            if (d.joueurCourant != u || !jouerImpose(j, u, c)) return false;
        }
    }
    // A defender's odd trump lead is a signal by the defence's convention,
    // which the forced cards above did not make.
    j.connaissances.entameAtoutImpair = jeu.connaissances.entameAtoutImpair;
    j.connaissances.signalAtoutImpair = jeu.connaissances.signalAtoutImpair;
    // The moment reached must be the one of the game.
    if (d.numeroPli != vraie.numeroPli || d.joueurCourant != vraie.joueurCourant) return false;
    return d.pointsPreneur == vraie.pointsPreneur && d.boutsPreneur == vraie.boutsPreneur &&
           d.pointsDefense == vraie.pointsDefense;
}

ChoixExpert choisirParPartiesPro(const Jeu& jeu, const SavoirSiege& s, const ReglagesExpert& reglages,
                                 std::mt19937_64& generateur, const std::atomic<bool>* arret) {
    using Horloge = std::chrono::steady_clock;
    const auto debut = Horloge::now();
    const auto ecoule = [&] { return std::chrono::duration<double>(Horloge::now() - debut).count(); };
    ChoixExpert choix;
    std::array<double, NB_CARTES> somme{};
    std::array<bool, NB_CARTES> jouable{};
    const double signe = s.siege == s.preneur ? 1.0 : -1.0;
    for (int k = 0; k < reglages.partiesPro && ecoule() < reglages.secondes; ++k) {
        Position p;
        if (!tirerDonneVraisemblable(s, generateur, p, reglages.essaisEnchere, reglages.jeuLegal)) break;
        Jeu j = copieImaginaire(jeu, generateur);
        if (!rejouerDonneTiree(jeu, s, p, j)) continue;
        calculerJouables(j, s.siege);
        const Table<int, 1, 18> jouables = j.donne.jouable[s.siege];
        for (int i = 1; i <= 18; ++i) {
            if (arret && arret->load()) return ChoixExpert{};
            if (jouables[i] != 1) continue;
            const Carte c = j.donne.mainJoueur[s.siege][i];
            Jeu essai = j;
            if (!jouerImpose(essai, s.siege, c)) continue;
            const std::size_t n = static_cast<std::size_t>(numeroCarte(c));
            jouable[n] = true;
            somme[n] += signe * jouerJusquAuBout(essai);
        }
        choix.echantillons += 1;
    }
    choix.secondes = ecoule();
    if (choix.echantillons == 0) return choix;
    double meilleure = -std::numeric_limits<double>::infinity();
    for (int n = 0; n < NB_CARTES; ++n) {
        const std::size_t i = static_cast<std::size_t>(n);
        if (!jouable[i]) continue;
        const Carte c = carteNumero(n);
        if (somme[i] > meilleure || (somme[i] == meilleure && moinsChere(c, choix.carte))) {
            meilleure = somme[i];
            choix.carte = c;
        }
    }
    choix.choisi = true;
    return choix;
}
