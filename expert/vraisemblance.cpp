#include "expert/vraisemblance.h"

#include "engine/evaluation.h"

bool mainDistribuee(const SavoirSiege& s, const Position& p, int siege, Main& main) {
    std::array<bool, NB_CARTES> dedans{};
    for (int i = 1; i <= p.nbCartes[siege]; ++i) dedans[static_cast<std::size_t>(numeroCarte(p.mains[siege][i]))] = true;
    for (int n = 0; n < NB_CARTES; ++n)
        if (s.jouePar[static_cast<std::size_t>(n)] == siege) dedans[static_cast<std::size_t>(n)] = true;
    // The taker took the dog up and set six cards aside from the 24.
    if (siege == s.preneur && s.chienVu) {
        for (int i = 1; i <= 6; ++i)
            if (p.chien[i].couleur != SANS_COULEUR) dedans[static_cast<std::size_t>(numeroCarte(p.chien[i]))] = true;
        for (int n = 0; n < NB_CARTES; ++n)
            if (s.chienMontre[static_cast<std::size_t>(n)]) dedans[static_cast<std::size_t>(n)] = false;
    }
    int nb = 0;
    for (int n = 0; n < NB_CARTES; ++n) {
        if (!dedans[static_cast<std::size_t>(n)]) continue;
        if (++nb > 18) return false;
        main[nb] = carteNumero(n);
    }
    return nb == 18;
}

bool accordeAvecEncheres(const SavoirSiege& s, const Position& p) {
    for (int t = 1; t <= 4; ++t) {
        if (t == s.siege || s.enchere[t] < PASSE) continue;
        Main main;
        if (!mainDistribuee(s, p, t, main)) continue;
        const int note = evaluerMain(main);
        if (s.enchere[t] > PASSE && note != s.enchere[t]) return false;
        if (s.enchere[t] == PASSE && note > s.meilleureAvant[t]) return false;
    }
    return true;
}

namespace {

// What a seat holds at some trick: counts by suit and its highest trump.
struct Tenue {
    std::array<int, 5> parCouleur{};
    int plusHautAtout = 0;  // 0: no trump but perhaps the Excuse
    void ajouter(const Carte& c) {
        if (c.couleur == ATOUT && c.valeur == EXCUSE) return;
        parCouleur[static_cast<std::size_t>(c.couleur)] += 1;
        if (c.couleur == ATOUT && c.valeur > plusHautAtout) plusHautAtout = c.valeur;
    }
};

// The card `c` played to a trick where `demandee` was asked (SANS_COULEUR:
// it set the suit) and `aBattre` is the highest trump so far.
bool carteLegale(const Tenue& h, const Carte& c, int demandee, int aBattre) {
    if (demandee == SANS_COULEUR || estExcuse(c)) return true;
    if (c.couleur == demandee && demandee != ATOUT) return true;
    if (demandee != ATOUT && h.parCouleur[static_cast<std::size_t>(demandee)] > 0) return false;
    if (c.couleur != ATOUT) return h.parCouleur[ATOUT] == 0;
    return c.valeur > aBattre || h.plusHautAtout < aBattre;
}

}  // namespace

bool accordeAvecLeJeu(const SavoirSiege& s, const Position& p) {
    // Walked from the trick in progress back to the first, each seat's hand
    // growing by the cards it played.
    Table<Tenue, 1, 4> tenue;
    for (int t = 1; t <= 4; ++t)
        for (int i = 1; i <= p.nbCartes[t]; ++i) tenue[t].ajouter(p.mains[t][i]);
    for (int pli = s.nbPlisFinis + 1; pli >= 1; --pli) {
        const bool enCours = pli == s.nbPlisFinis + 1;
        if (pli > 18) continue;
        const Table<Carte, 1, 4>& cartes = enCours ? s.pli : s.plis[pli];
        const int entameur = enCours ? s.entameur : s.entameurs[pli];
        for (int t = 1; t <= 4; ++t)
            if (cartes[t].couleur != SANS_COULEUR) tenue[t].ajouter(cartes[t]);
        int demandee = SANS_COULEUR, aBattre = 0;
        for (int k = 0, t = entameur; k < 4; ++k, t = siegeSuivant(t)) {
            const Carte& c = cartes[t];
            if (c.couleur == SANS_COULEUR) break;
            if (t != s.siege && !carteLegale(tenue[t], c, demandee, aBattre)) return false;
            if (demandee == SANS_COULEUR && !estExcuse(c)) demandee = c.couleur;
            if (c.couleur == ATOUT && c.valeur > aBattre) aBattre = c.valeur;
        }
    }
    return true;
}

bool tirerDonneVraisemblable(const SavoirSiege& s, std::mt19937_64& generateur, Position& p, int essais,
                             bool jeuLegal) {
    bool aucune = true;
    for (int t = 1; t <= 4; ++t) aucune = aucune && (t == s.siege || s.enchere[t] < PASSE);
    if (essais <= 1 || (aucune && !jeuLegal)) return tirerDonne(s, generateur, p);
    for (int essai = 0; essai < essais; ++essai) {
        if (!tirerDonne(s, generateur, p)) return false;
        if (accordeAvecEncheres(s, p) && (!jeuLegal || accordeAvecLeJeu(s, p))) return true;
    }
    return true;
}
