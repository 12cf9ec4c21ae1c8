#include "expert/ecart_expert.h"

#include <algorithm>

#include "engine/chien.h"
#include "engine/connaissances.h"
#include "engine/jeu.h"
#include "expert/simulation.h"

namespace {

bool ecartable(const Carte& c) { return c.couleur != ATOUT && c.valeur != ROI; }

std::vector<Carte> vingtQuatre(const Donne& d) {
    std::vector<Carte> cartes;
    for (int i = 1; i <= 18; ++i) cartes.push_back(carte(d.mainJoueur[d.preneur][i].couleur, d.mainJoueur[d.preneur][i].valeur));
    for (int i = 1; i <= 6; ++i) cartes.push_back(carte(d.chien[i].couleur, d.chien[i].valeur));
    return cartes;
}

// A discard in one order, so that two made of the same cards compare equal.
Ecart ranger(Ecart e) {
    std::sort(e.begin(), e.end(), [](const Carte& a, const Carte& b) { return avantDansLaMain(a, b); });
    return e;
}

bool memeEcart(const Ecart& a, const Ecart& b) {
    for (std::size_t i = 0; i < 6; ++i)
        if (!a[i].memeCarte(b[i])) return false;
    return true;
}

void ajouter(std::vector<Ecart>& ecarts, const Ecart& e) {
    const Ecart r = ranger(e);
    for (const Ecart& f : ecarts)
        if (memeEcart(f, r)) return;
    ecarts.push_back(r);
}

// Voids in the suits of `vides` (every card of theirs goes), then the other
// cards that may go in the order `avant`.
template <typename Avant>
bool ecartVidant(const std::vector<Carte>& cartes, unsigned vides, Avant avant, Ecart& e) {
    std::vector<Carte> reste;
    int n = 0;
    for (const Carte& c : cartes) {
        if (c.couleur != ATOUT && (vides & (1u << c.couleur))) {
            if (!ecartable(c) || n == 6) return false;
            e[static_cast<std::size_t>(n++)] = c;
        } else if (ecartable(c)) {
            reste.push_back(c);
        }
    }
    std::stable_sort(reste.begin(), reste.end(), avant);
    for (std::size_t i = 0; i < reste.size() && n < 6; ++i) e[static_cast<std::size_t>(n++)] = reste[i];
    return n == 6;
}

}  // namespace

std::vector<Ecart> ecartsCandidats(const Jeu& jeu, const ReglagesEcartExpert& r, std::mt19937_64& generateur) {
    std::vector<Ecart> ecarts;
    for (int k = 0; k < r.tiragesRegle; ++k) {
        Jeu j = jeu;
        j.vue = &vueNulle();
        // The first draw is the game's own, from its generator as it stands.
        if (k > 0) j.hasard.graine = static_cast<std::uint32_t>(generateur());
        ecartOrdinateur(j);
        Ecart e;
        for (int i = 1; i <= 6; ++i) e[static_cast<std::size_t>(i - 1)] = carte(j.donne.chien[i].couleur, j.donne.chien[i].valeur);
        ajouter(ecarts, e);
    }
    const std::vector<Carte> cartes = vingtQuatre(jeu.donne);
    Table<int, 1, 4> longueur;
    longueur.remplir(0);
    for (const Carte& c : cartes)
        if (c.couleur != ATOUT) longueur[c.couleur] += 1;
    // Honours first (they are safe only in the discard), or the smallest cards
    // of the shortest suits first (the honours kept to be played).
    const auto honneurs = [](const Carte& a, const Carte& b) { return pointsCarte(a) > pointsCarte(b); };
    const auto courtes = [&](const Carte& a, const Carte& b) {
        if (longueur[a.couleur] != longueur[b.couleur]) return longueur[a.couleur] < longueur[b.couleur];
        return a.valeur < b.valeur;
    };
    for (unsigned vides = 0; vides < 32; vides += 2) {
        if (std::popcount(vides) > 2) continue;
        Ecart e;
        if (ecartVidant(cartes, vides, honneurs, e)) ajouter(ecarts, e);
        if (ecartVidant(cartes, vides, courtes, e)) ajouter(ecarts, e);
    }
    return ecarts;
}

void appliquerEcart(Jeu& jeu, const Ecart& ecart) {
    Donne& d = jeu.donne;
    const std::vector<Carte> cartes = vingtQuatre(d);
    std::vector<Carte> garde;
    for (const Carte& c : cartes) {
        bool ecartee = false;
        for (const Carte& e : ecart) ecartee = ecartee || e.memeCarte(c);
        if (!ecartee) garde.push_back(c);
    }
    std::sort(garde.begin(), garde.end(), [](const Carte& a, const Carte& b) { return avantDansLaMain(a, b); });
    const Ecart rangee = ranger(ecart);
    for (int i = 1; i <= 18; ++i) {
        d.mainJoueur[d.preneur][i] = garde[static_cast<std::size_t>(i - 1)];
        d.mainJoueur[d.preneur][i].enMain = true;
    }
    for (int i = 1; i <= 6; ++i) {
        d.chien[i] = rangee[static_cast<std::size_t>(i - 1)];
        d.origineEcart[i] = -1;
        for (int m = 1; m <= 18; ++m)
            if (d.mainInitiale[d.preneur][m].memeCarte(d.chien[i])) d.origineEcart[i] = m;
        for (int c = 1; c <= 6; ++c)
            if (d.origineEcart[i] == -1 && d.chienInitial[c].memeCarte(d.chien[i])) d.origineEcart[i] = 18 + c;
    }
    d.marqueEcart.remplir(1);
    d.nbCartesEcartees = 6;
    initialiserConnaissances(jeu);
}

namespace {

// The taker's mean score with each discard of `ecarts` over `n` imagined deals,
// every discard meeting the same deals and the same play-out draws.
std::vector<double> juger(const Jeu& jeu, const std::vector<Ecart>& ecarts, int n, std::mt19937_64& generateur,
                          const std::atomic<bool>* arret) {
    std::vector<double> somme(ecarts.size(), 0.0);
    for (int k = 0; k < n; ++k) {
        if (arret && arret->load()) break;
        Jeu imagine = copieImaginaire(jeu, generateur);
        distribuerCachees(imagine, generateur, jeu.donne.preneur, true);
        const std::uint32_t graine = imagine.hasard.graine;
        for (std::size_t i = 0; i < ecarts.size(); ++i) {
            Jeu j = imagine;
            j.hasard.graine = graine;
            appliquerEcart(j, ecarts[i]);
            somme[i] += jouerJusquAuBout(j);
        }
    }
    for (double& s : somme) s /= n;
    return somme;
}

}  // namespace

Ecart choisirEcartExpert(const Jeu& jeu, const ReglagesEcartExpert& r, std::mt19937_64& generateur,
                         const std::atomic<bool>* arret) {
    std::vector<Ecart> ecarts = ecartsCandidats(jeu, r, generateur);
    if (ecarts.size() > 1) {
        const std::vector<double> v = juger(jeu, ecarts, r.echantillons, generateur, arret);
        std::vector<std::size_t> ordre(ecarts.size());
        for (std::size_t i = 0; i < ordre.size(); ++i) ordre[i] = i;
        std::stable_sort(ordre.begin(), ordre.end(), [&](std::size_t a, std::size_t b) { return v[a] > v[b]; });
        // The game's own discard always reaches the final, judged on fresh deals.
        std::vector<Ecart> finale{ecarts[0]};
        for (std::size_t i = 0; i < ordre.size() && static_cast<int>(finale.size()) <= r.finalistes; ++i)
            if (ordre[i] != 0) finale.push_back(ecarts[ordre[i]]);
        ecarts = finale;
    }
    if (ecarts.size() == 1 || (arret && arret->load())) return ecarts[0];
    const std::vector<double> v = juger(jeu, ecarts, r.echantillonsFinale, generateur, arret);
    std::size_t meilleur = 0;
    for (std::size_t i = 1; i < v.size(); ++i)
        if (v[i] > v[meilleur]) meilleur = i;
    return ecarts[meilleur];
}
