#include "expert/copie_siege.h"

#include <array>

#include "engine/evaluation.h"
#include "engine/jeu.h"

namespace {

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
    j.vue = &vueNulle();
    j.minuteurs = &minuteursNuls();
    j.magasin = nullptr;
    j.finDeDonne = nullptr;
    j.continuer = nullptr;
    j.choixOrdinateur = nullptr;
    j.annonceChelem = nullptr;
    j.enchereOrdinateur = nullptr;
    j.poigneeOrdinateur = nullptr;
    j.donneTerminee = nullptr;
    j.poignee = SelectionPoignee{};
    const int chienMontre = jeu.connaissances.chienMontre;
    j.connaissances = Connaissances{};
    j.connaissances.chienMontre = chienMontre;

    for (int i = 1; i <= 78; ++i) d.ordrePaquet[i] = d.paquetSauve[i] = i;
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

std::unique_ptr<Jeu> copieAuPremierPli(const Jeu& jeu, int siege) {
    auto copie = std::make_unique<Jeu>(jeu);
    Jeu& j = *copie;
    Donne& d = j.donne;
    j.vue = &vueNulle();
    j.minuteurs = &minuteursNuls();
    j.magasin = nullptr;
    j.finDeDonne = nullptr;
    j.continuer = nullptr;
    j.choixOrdinateur = nullptr;
    j.annonceChelem = nullptr;
    j.enchereOrdinateur = nullptr;
    j.poigneeOrdinateur = nullptr;
    j.donneTerminee = nullptr;
    j.poignee = SelectionPoignee{};
    const Connaissances& k = jeu.connaissances;
    j.connaissances = Connaissances{};
    j.connaissances.chienMontre = k.chienMontre;
    j.connaissances.entameAtoutImpair = k.entameAtoutImpair;
    j.connaissances.signalAtoutImpair = k.signalAtoutImpair;
    for (int i = 1; i <= 78; ++i) d.ordrePaquet[i] = d.paquetSauve[i] = i;

    const bool chienVu = k.chienMontre == 1;
    const bool ecartAMoi = siege == d.preneur && chienVu;
    std::array<bool, 5 * 22> vu{};  // by suit and value
    const auto indice = [](const Carte& c) { return static_cast<std::size_t>(c.couleur * 22 + c.valeur); };
    for (int i = 1; i <= 18; ++i) vu[indice(d.mainJoueur[siege][i])] = true;
    if (ecartAMoi)
        for (int i = 1; i <= 6; ++i) vu[indice(d.chien[i])] = true;
    // The cards already in the first trick stay where they were played.
    Table<int, 1, 4> jouee;
    jouee.remplir(0);
    if (d.numeroPli == 1)
        for (int t = 1; t <= 4; ++t)
            if (t != siege && d.pliEnCours[t].couleur != SANS_COULEUR) {
                jouee[t] = d.carteJouee[t][1];
                vu[indice(d.mainJoueur[t][jouee[t]])] = true;
            }
    // Every other card, in the pack's order, into the other hands and the set-aside cards.
    std::array<Carte, 78> reste{};
    int nb = 0;
    for (int i = 1; i <= 78; ++i) {
        const Carte& c = jeu.paquet[i];
        if (!vu[indice(c)]) reste[static_cast<std::size_t>(nb++)] = carte(c.couleur, c.valeur);
    }
    int n = 0;
    const auto suivante = [&] { return n < nb ? reste[static_cast<std::size_t>(n++)] : Carte{}; };
    for (int t = 1; t <= 4; ++t) {
        if (t == siege) continue;
        for (int i = 1; i <= 18; ++i)
            if (i != jouee[t]) d.mainJoueur[t][i] = suivante();
        d.mainInitiale[t] = d.mainJoueur[t];
        for (int i = 1; i <= 18; ++i) d.mainInitiale[t][i].enMain = true;
        d.niveauMain[t] = evaluerMain(d.mainInitiale[t]);
        d.jouable[t].remplir(0);
        d.contrainteJeu[t].remplir(Contrainte{});
    }
    if (!ecartAMoi)
        for (int i = 1; i <= 6; ++i) d.chien[i] = suivante();
    if (!chienVu) d.chienInitial = d.chien;
    return copie;
}
