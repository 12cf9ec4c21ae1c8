#include "expert/copie_siege.h"

#include <array>

#include "engine/evaluation.h"
#include "engine/jeu.h"
#include "expert/savoir.h"
#include "expert/simulation.h"

namespace {

// Headless, without the chelem hook or the handful window's selection; the deck's order forgotten.
void detacher(Jeu& j) {
    detacherJeu(j);
    j.annonceChelem = nullptr;
    j.poignee = SelectionPoignee{};
    for (int i = 1; i <= 78; ++i) j.donne.ordrePaquet[i] = j.donne.paquetSauve[i] = i;
}

// `avantEcart`: the taker's hand and the dog as dealt (the dog is then seen).
std::unique_ptr<Jeu> copieDuSiege(const Jeu& jeu, int siege, bool avantEcart) {
    auto copie = std::make_unique<Jeu>(jeu);
    Jeu& j = *copie;
    Donne& d = j.donne;
    if (avantEcart) {
        d.mainJoueur[siege] = d.mainInitiale[siege];
        for (int i = 1; i <= 18; ++i) d.mainJoueur[siege][i].enMain = true;
        d.chien = d.chienInitial;
        d.origineEcart.remplir(-1);
    }
    const bool chienVu = avantEcart;
    detacher(j);
    const int chienMontre = jeu.connaissances.chienMontre;
    j.connaissances = Connaissances{};
    j.connaissances.chienMontre = chienMontre;

    std::array<bool, 5 * 22> vu{};  // by suit and value
    const auto indice = [](const Carte& c) { return static_cast<std::size_t>(c.couleur * 22 + c.valeur); };
    for (int i = 1; i <= 18; ++i) vu[indice(d.mainJoueur[siege][i])] = true;
    if (chienVu)
        for (int i = 1; i <= 6; ++i) vu[indice(d.chien[i])] = true;
    // The cards the seat cannot see, dealt in the pack's order.
    int s = siege == 1 ? 2 : 1;
    int k = 0;
    for (int i = 1; i <= 78; ++i) {
        const Carte& c = jeu.paquet[i];
        if (vu[indice(c)]) continue;
        Carte cachee = carte(c.couleur, c.valeur);
        if (s <= 4) {
            cachee.enMain = true;
            d.mainJoueur[s][++k] = cachee;
            if (k < 18) continue;
            k = 0;
            s = s + 1 == siege ? s + 2 : s + 1;
        } else {
            d.chien[++k] = cachee;
        }
    }
    // Sorted as dealt hands are; the hands as dealt follow.
    trierMains(d);
    if (!chienVu) trierChien(d);
    for (int t = 1; t <= 4; ++t) {
        d.jouable[t].remplir(0);
        d.contrainteJeu[t].remplir(Contrainte{});
        if (t != siege) d.niveauMain[t] = evaluerMain(d, t);
    }
    return copie;
}

}  // namespace

void rendreLaParole(Donne& d, int siege) {
    d.enchere[siege] = PAS_ENCORE_PARLE;
    // The seats that spoke before it, the auction going round once from the opening seat.
    int meilleure = PASSE;
    for (int i = 0, s = d.premierJoueur; i < d.nbEncheres && i < 4; ++i, s = siegeSuivant(s))
        if (s != siege && d.enchere[s] > meilleure) meilleure = d.enchere[s];
    d.meilleureEnchere = meilleure;
}

std::unique_ptr<Jeu> copieAvantEnchere(const Jeu& jeu, int siege) {
    std::unique_ptr<Jeu> copie = copieDuSiege(jeu, siege, false);
    rendreLaParole(copie->donne, siege);
    return copie;
}

std::unique_ptr<Jeu> copieAvantEcart(const Jeu& jeu) { return copieDuSiege(jeu, jeu.donne.preneur, true); }

std::unique_ptr<Jeu> copiePendantLeJeu(const Jeu& jeu, int siege) {
    auto copie = std::make_unique<Jeu>(jeu);
    Jeu& j = *copie;
    Donne& d = j.donne;
    detacher(j);
    // The defence's signals are public; every seat's tables are built anew
    // from the tricks by whoever replays the deal.
    const Connaissances& vraies = jeu.connaissances;
    j.connaissances = Connaissances{};
    j.connaissances.chienMontre = vraies.chienMontre;
    j.connaissances.entameAtoutImpair = vraies.entameAtoutImpair;
    j.connaissances.signalAtoutImpair = vraies.signalAtoutImpair;

    // The set-aside cards are the taker's own under Prise and Garde; the dog
    // shown is known to all through chienInitial.
    const bool ecartConnu = siege == d.preneur && d.contrat != GARDE_SANS && d.contrat != GARDE_CONTRE;
    // The cards still held by the others (and the set-aside cards the seat
    // does not know) go back to the same places in the pack's order, so that
    // the cards played stay where the tricks find them.
    std::array<bool, NB_CARTES> cachee{};
    for (int t = 1; t <= 4; ++t)
        for (int i = 1; i <= 18 && t != siege; ++i)
            if (d.mainJoueur[t][i].enMain) cachee[static_cast<std::size_t>(numeroCarte(d.mainJoueur[t][i]))] = true;
    for (int i = 1; i <= 6 && !ecartConnu; ++i) cachee[static_cast<std::size_t>(numeroCarte(d.chien[i]))] = true;
    int n = 0;
    const auto suivante = [&] {
        while (n < NB_CARTES && !cachee[static_cast<std::size_t>(n)]) ++n;
        return carteNumero(n++);
    };
    for (int t = 1; t <= 4; ++t) {
        if (t == siege) continue;
        for (int i = 1; i <= 18; ++i) {
            if (!d.mainJoueur[t][i].enMain) continue;
            Carte c = suivante();
            c.enMain = true;
            d.mainJoueur[t][i] = c;
        }
    }
    for (int i = 1; i <= 6 && !ecartConnu; ++i) d.chien[i] = suivante();
    for (int t = 1; t <= 4; ++t) {
        if (t == siege) continue;
        d.mainInitiale[t] = d.mainJoueur[t];
        for (int i = 1; i <= 18; ++i) d.mainInitiale[t][i].enMain = true;
        d.niveauMain[t] = evaluerMain(d.mainInitiale[t]);
        d.jouable[t].remplir(0);
        d.contrainteJeu[t].remplir(Contrainte{});
    }
    if (!ecartConnu) d.origineEcart.remplir(-1);
    if (vraies.chienMontre == 0) d.chienInitial = d.chien;
    return copie;
}
