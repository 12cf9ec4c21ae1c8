#include "expert/savoir.h"

#include <algorithm>
#include <bit>

#include "engine/jeu.h"

int numeroCarte(const Carte& c) { return c.couleur == ATOUT ? c.valeur : 22 + (c.couleur - 1) * 14 + c.valeur - 1; }

Carte carteNumero(int numero) {
    if (numero <= 21) return carte(ATOUT, numero);
    return carte((numero - 22) / 14 + 1, (numero - 22) % 14 + 1);
}

namespace {

// Under Prise and Garde the taker may set aside neither a trump, the Excuse
// nor a King; the dog of the other contracts is whatever was dealt.
bool peutEtreEcartee(const Carte& c, int contrat) {
    if (contrat >= GARDE_SANS) return true;
    return c.couleur != ATOUT && c.valeur != ROI;
}

bool tombee(const Connaissances& k, const Carte& c) {
    if (c.couleur != ATOUT) return k.couleurJouee[c.couleur][c.valeur] == 1;
    if (c.valeur == EXCUSE) return k.excuseJouee == 1;
    return k.atoutJoue[c.valeur] == 1;
}

int localisation(const Connaissances& k, int o, const Carte& c) {
    return c.couleur == ATOUT ? k.localisationAtout[o][c.valeur] : k.localisationCouleur[o][c.couleur][c.valeur];
}

bool possible(const Connaissances& k, int o, int t, const Carte& c) {
    const int v = c.couleur == ATOUT ? k.possibleAtout[o][t][c.valeur] : k.possibleCouleur[o][t][c.couleur][c.valeur];
    return v != EXCLU;
}

}  // namespace

SavoirSiege savoirDuSiege(const Jeu& jeu, int siege) {
    const Donne& d = jeu.donne;
    const Connaissances& k = jeu.connaissances;
    SavoirSiege s;
    s.siege = siege;
    s.preneur = d.preneur;
    s.contrat = d.enchere[d.preneur];
    s.pointsPreneur = d.pointsPreneur;
    s.pointsDefense = d.pointsDefense;
    s.boutsPreneur = d.boutsPreneur;
    s.boutsDefense = d.boutsDefense;

    std::array<bool, NB_CARTES> aMoi{};
    for (int i = 1; i <= 18; ++i) {
        const Carte& c = d.mainJoueur[siege][i];
        if (!c.enMain) continue;
        s.main[static_cast<std::size_t>(s.nbMain++)] = carte(c.couleur, c.valeur);
        aMoi[static_cast<std::size_t>(numeroCarte(c))] = true;
    }

    Table<int, 1, 4> aJoue;
    aJoue.remplir(0);
    for (int t = 1; t <= 4; ++t) s.pli[t] = Carte{};
    s.entameur = d.joueurEntame;
    s.joueur = d.joueurEntame;
    for (int n = 0; n < d.nbCartesPli; ++n, s.joueur = siegeSuivant(s.joueur)) {
        s.pli[s.joueur] = carte(d.pliEnCours[s.joueur].couleur, d.pliEnCours[s.joueur].valeur);
        aJoue[s.joueur] = 1;
    }
    for (int t = 1; t <= 4; ++t) s.nbCartes[t] = s.nbMain + aJoue[siege] - aJoue[t];

    for (int n = 0; n < NB_CARTES; ++n) {
        const Carte c = carteNumero(n);
        if (aMoi[static_cast<std::size_t>(n)] || tombee(k, c)) continue;
        const int ou = localisation(k, siege, c);
        // Out of play but never played: the taker's own discard.
        if (ou == HORS_JEU) {
            if (s.nbEcartConnu < 6) s.ecartConnu[static_cast<std::size_t>(s.nbEcartConnu++)] = c;
            continue;
        }
        std::uint8_t qui = 0;
        for (int t = 1; t <= 4; ++t)
            if (t != siege && (ou == t || (ou == NON_PLACE && possible(k, siege, t, c)))) qui |= bitSiege(t);
        if (ou == NON_PLACE && peutEtreEcartee(c, s.contrat)) qui |= BIT_ECART;
        s.possibles[static_cast<std::size_t>(n)] = qui;
    }
    s.nbEcartInconnu = 6 - s.nbEcartConnu;
    if (s.nbEcartInconnu == 0)
        for (std::uint8_t& qui : s.possibles) qui &= static_cast<std::uint8_t>(~BIT_ECART);

    int meilleure = PASSE;
    for (int i = 0, t = d.premierJoueur; i < 4; ++i, t = siegeSuivant(t)) {
        s.meilleureAvant[t] = meilleure;
        s.enchere[t] = t == d.joueurHumain ? PAS_ENCORE_PARLE : d.enchere[t];
        if (d.enchere[t] > meilleure) meilleure = d.enchere[t];
    }
    for (int t = 1; t <= 4; ++t)
        for (int i = 1; i <= 18; ++i) {
            const Carte& c = d.mainJoueur[t][i];
            if (!c.enMain && c.couleur != SANS_COULEUR) s.jouePar[static_cast<std::size_t>(numeroCarte(c))] = static_cast<std::uint8_t>(t);
        }
    s.nbPlisFinis = std::clamp(d.numeroPli - 1, 0, 18);
    for (int pli = 1; pli <= s.nbPlisFinis; ++pli) {
        s.entameurs[pli] = d.entameurPli[pli];
        for (int t = 1; t <= 4; ++t) s.plis[pli][t] = carte(d.mainJoueur[t][d.carteJouee[t][pli]].couleur, d.mainJoueur[t][d.carteJouee[t][pli]].valeur);
    }
    s.chienVu = k.chienMontre == 1;
    if (s.chienVu)
        for (int i = 1; i <= 6; ++i)
            if (d.chienInitial[i].couleur != SANS_COULEUR) s.chienMontre[static_cast<std::size_t>(numeroCarte(d.chienInitial[i]))] = true;
    return s;
}

namespace {

// Places 0 (the set-aside cards) and 1..4 (the seats); masks of 5 bits.
constexpr int NB_MASQUES = 32;

// For every set of places (a mask), the room left there less the cards
// whose places all lie in it.
std::array<int, NB_MASQUES> margesDeHall(const std::array<int, NB_MASQUES>& parMasque, const std::array<int, 5>& place) {
    std::array<int, NB_MASQUES> dedans = parMasque;  // cards whose places all lie in the mask
    for (int b = 0; b < 5; ++b)
        for (int m = 0; m < NB_MASQUES; ++m)
            if (m & (1 << b)) dedans[static_cast<std::size_t>(m)] += dedans[static_cast<std::size_t>(m ^ (1 << b))];
    std::array<int, NB_MASQUES> marge{};
    for (int m = 1; m < NB_MASQUES; ++m) {
        int room = 0;
        for (int b = 0; b < 5; ++b)
            if (m & (1 << b)) room += place[static_cast<std::size_t>(b)];
        marge[static_cast<std::size_t>(m)] = room - dedans[static_cast<std::size_t>(m)];
    }
    return marge;
}

// Hall's condition: for every set of places, the cards that may only go
// there are no more than the room left there.
bool realisable(const std::array<int, NB_MASQUES>& parMasque, const std::array<int, 5>& place) {
    const std::array<int, NB_MASQUES> marge = margesDeHall(parMasque, place);
    for (int m = 1; m < NB_MASQUES; ++m)
        if (marge[static_cast<std::size_t>(m)] < 0) return false;
    return true;
}

std::array<int, NB_MASQUES> compterMasques(const std::array<int, NB_CARTES>& cartes, int nb,
                                           const std::array<std::uint8_t, NB_CARTES>& masques) {
    std::array<int, NB_MASQUES> parMasque{};
    for (int i = 0; i < nb; ++i) parMasque[masques[static_cast<std::size_t>(cartes[static_cast<std::size_t>(i)])]] += 1;
    return parMasque;
}

}  // namespace

bool tirerDonne(const SavoirSiege& s, std::mt19937_64& generateur, Position& p) {
    std::array<int, 5> place{};
    place[0] = s.nbEcartInconnu;
    for (int t = 1; t <= 4; ++t) place[static_cast<std::size_t>(t)] = t == s.siege ? 0 : s.nbCartes[t];
    int total = 0;
    for (int room : place) total += room;

    std::array<int, NB_CARTES> cartes{};
    int nb = 0;
    for (int n = 0; n < NB_CARTES; ++n)
        if (s.possibles[static_cast<std::size_t>(n)] != 0) cartes[static_cast<std::size_t>(nb++)] = n;
    if (nb != total) return false;

    // The tables first; then a placed card may be a set-aside one; then anywhere.
    std::array<std::uint8_t, NB_CARTES> masques = s.possibles;
    std::array<int, NB_MASQUES> parMasque = compterMasques(cartes, nb, masques);
    if (!realisable(parMasque, place)) {
        for (int i = 0; i < nb; ++i) {
            std::uint8_t& m = masques[static_cast<std::size_t>(cartes[static_cast<std::size_t>(i)])];
            if (s.nbEcartInconnu > 0 && std::popcount(static_cast<unsigned>(m)) == 1) m |= BIT_ECART;
        }
        parMasque = compterMasques(cartes, nb, masques);
    }
    if (!realisable(parMasque, place)) {
        std::uint8_t partout = 0;
        for (int b = 0; b < 5; ++b)
            if (place[static_cast<std::size_t>(b)] > 0) partout |= static_cast<std::uint8_t>(1u << b);
        for (int i = 0; i < nb; ++i) masques[static_cast<std::size_t>(cartes[static_cast<std::size_t>(i)])] = partout;
        parMasque = compterMasques(cartes, nb, masques);
    }

    std::shuffle(cartes.begin(), cartes.begin() + nb, generateur);
    // Hall's condition kept up card by card: for every set of places, the room
    // left there less the cards still to deal that may only go there. The
    // whole deal is possible, so every margin starts at 0 or more.
    std::array<int, NB_MASQUES> marge = margesDeHall(parMasque, place);
    std::array<std::array<Carte, 18>, 5> donne{};
    std::array<int, 5> nbDonne{};
    for (int i = 0; i < nb; ++i) {
        const int n = cartes[static_cast<std::size_t>(i)];
        const std::uint8_t m = masques[static_cast<std::size_t>(n)];
        for (int e = 1; e < NB_MASQUES; ++e)
            if ((e & m) == m) marge[static_cast<std::size_t>(e)] += 1;
        // Each place that keeps a full deal possible (no set of places holding
        // it left without room), weighed by its room left, so that a seat with
        // many cards to fill takes a doubtful card more often.
        std::array<int, 5> poids{};
        int somme = 0;
        for (int b = 0; b < 5; ++b) {
            std::size_t ib = static_cast<std::size_t>(b);
            if (!(m & (1u << b)) || place[ib] == 0) continue;
            bool libre = true;
            for (int e = 1; e < NB_MASQUES && libre; ++e)
                if ((e & (1 << b)) && marge[static_cast<std::size_t>(e)] < 1) libre = false;
            if (libre) poids[ib] = place[ib];
            somme += poids[ib];
        }
        if (somme == 0) return false;  // cannot happen once the whole deal was possible
        int tirage = std::uniform_int_distribution<int>(1, somme)(generateur);
        int b = 0;
        while (tirage > poids[static_cast<std::size_t>(b)]) tirage -= poids[static_cast<std::size_t>(b++)];
        const std::size_t ib = static_cast<std::size_t>(b);
        place[ib] -= 1;
        for (int e = 1; e < NB_MASQUES; ++e)
            if (e & (1 << b)) marge[static_cast<std::size_t>(e)] -= 1;
        donne[ib][static_cast<std::size_t>(nbDonne[ib]++)] = carteNumero(n);
    }

    Position q;
    for (int t = 1; t <= 4; ++t) {
        const std::size_t it = static_cast<std::size_t>(t);
        q.nbCartes[t] = t == s.siege ? s.nbMain : nbDonne[it];
        for (int i = 1; i <= q.nbCartes[t]; ++i)
            q.mains[t][i] = t == s.siege ? s.main[static_cast<std::size_t>(i - 1)] : donne[it][static_cast<std::size_t>(i - 1)];
    }
    for (int i = 0; i < 6; ++i)
        q.chien[i + 1] = i < s.nbEcartConnu ? s.ecartConnu[static_cast<std::size_t>(i)]
                                            : donne[0][static_cast<std::size_t>(i - s.nbEcartConnu)];
    q.pli = s.pli;
    q.entameur = s.entameur;
    q.joueur = s.joueur;
    q.preneur = s.preneur;
    q.contrat = s.contrat;
    q.pointsPreneur = s.pointsPreneur;
    q.pointsDefense = s.pointsDefense;
    q.boutsPreneur = s.boutsPreneur;
    q.boutsDefense = s.boutsDefense;
    p = q;
    return true;
}
