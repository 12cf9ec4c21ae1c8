#include "expert/simulation.h"

#include <algorithm>
#include <array>

#include "engine/choix.h"
#include "engine/evaluation.h"
#include "engine/pli.h"
#include "solveur/solveur.h"

void detacherJeu(Jeu& j) {
    j.vue = &vueNulle();
    j.minuteurs = &minuteursNuls();
    j.magasin = nullptr;
    j.finDeDonne = nullptr;
    j.continuer = nullptr;
    j.choixOrdinateur = nullptr;
    j.enchereOrdinateur = nullptr;
    j.poigneeOrdinateur = nullptr;
    j.donneTerminee = nullptr;
}

Jeu copieImaginaire(const Jeu& jeu, std::mt19937_64& generateur) {
    Jeu j = jeu;
    detacherJeu(j);
    j.options.niveau = 4;
    j.options.optionNiveauAdaptatif = 0;
    j.regles.nbReglesUtilisees = 0;
    j.hasard.graine = static_cast<std::uint32_t>(generateur());
    return j;
}

namespace {

// The best bid before each seat spoke, the auction going round once from the opening seat.
Table<int, 1, 4> meilleureAvant(const Donne& d) {
    Table<int, 1, 4> avant;
    int meilleure = PASSE;
    int s = d.premierJoueur;
    for (int i = 0; i < 4; ++i, s = siegeSuivant(s)) {
        avant[s] = meilleure;
        if (d.enchere[s] > meilleure) meilleure = d.enchere[s];
    }
    return avant;
}

bool accordeAvecEnchere(const Donne& d, int siege, int avant) {
    const int note = evaluerMain(d.mainJoueur[siege]);
    if (d.enchere[siege] > PASSE) return note == d.enchere[siege];
    return note <= avant;
}

}  // namespace

void distribuerCachees(Jeu& jeu, std::mt19937_64& generateur, int observateur, bool chienConnu, int essais) {
    Donne& d = jeu.donne;
    std::array<bool, 5 * 22> vu{};  // by suit and value: the observer's own cards, and the dog when known
    const auto indice = [](const Carte& c) { return static_cast<std::size_t>(c.couleur * 22 + c.valeur); };
    for (int i = 1; i <= 18; ++i) vu[indice(d.mainJoueur[observateur][i])] = true;
    if (chienConnu)
        for (int i = 1; i <= 6; ++i) vu[indice(d.chien[i])] = true;
    std::array<Carte, 60> cachees{};
    int nb = 0;
    for (int i = 1; i <= 78 && nb < 60; ++i) {
        const Carte& c = jeu.paquet[i];
        if (!vu[indice(c)]) cachees[static_cast<std::size_t>(nb++)] = carte(c.couleur, c.valeur);
    }
    const Main mienne = d.mainJoueur[observateur];
    const Chien chien = d.chien;
    const Table<int, 1, 4> avant = meilleureAvant(d);
    for (int essai = 0; essai < essais; ++essai) {
        std::shuffle(cachees.begin(), cachees.begin() + nb, generateur);
        int k = 0;
        for (int s = 1; s <= 4; ++s) {
            if (s == observateur) continue;
            for (int i = 1; i <= 18; ++i) {
                d.mainJoueur[s][i] = cachees[static_cast<std::size_t>(k++)];
                d.mainJoueur[s][i].enMain = true;
            }
        }
        if (!chienConnu)
            for (int i = 1; i <= 6; ++i) d.chien[i] = cachees[static_cast<std::size_t>(k++)];
        bool accord = true;
        for (int s = 1; s <= 4 && accord; ++s)
            if (s != observateur && s != d.joueurHumain && d.enchere[s] >= PASSE) accord = accordeAvecEnchere(d, s, avant[s]);
        if (accord) break;
    }
    trierMains(d);
    d.mainJoueur[observateur] = mienne;
    if (chienConnu) d.chien = chien;
    else trierChien(d);
    for (int s = 1; s <= 4; ++s) {
        d.mainInitiale[s] = d.mainJoueur[s];
        d.niveauMain[s] = evaluerMain(d, s);
    }
}

int jouerJusquAuBout(Jeu& jeu) {
    Donne& d = jeu.donne;
    while (d.numeroPli >= 1 && d.numeroPli <= 18) {
        const int siege = d.joueurCourant;
        calculerJouables(jeu, siege);
        jouerCarteOrdinateur(jeu, siege);
        apresCarte(jeu);
        if (d.pliAffiche == 1) {
            d.pliAffiche = 0;
            d.etatAttente = 0;
            for (int s = 1; s <= 4; ++s) d.pliEnCours[s] = Carte{};
        }
    }
    return scoreFinal(positionDuJeu(jeu));
}
