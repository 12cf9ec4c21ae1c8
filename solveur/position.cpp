// The rules of the play on a Position, card by card: which cards may be
// played, the trick's winner, the Excuse, the set-aside cards and the score.
// They follow the trick engine exactly; the search has its own faster copy.
#include <algorithm>
#include <array>

#include "engine/jeu.h"
#include "solveur/solveur.h"

namespace {

int nbCartesPli(const Position& p) { return (p.joueur - p.entameur + 4) % 4; }

bool vide(const Carte& c) { return c.couleur == SANS_COULEUR; }

// The suit asked for and the highest trump of the trick so far, as the trick
// engine keeps them: after an Excuse lead the second card sets the suit.
struct EtatPli {
    int nb = 0;
    bool entame = true;    // the seat to play chooses freely
    int couleur = SANS_COULEUR;
    int hautAtout = 0;     // highest trump put down, 0 when none
};

EtatPli etatPli(const Position& p) {
    EtatPli e;
    e.nb = nbCartesPli(p);
    const Carte& premiere = p.pli[p.entameur];
    e.entame = e.nb == 0 || (e.nb == 1 && estExcuse(premiere));
    for (int k = 0, s = p.entameur; k < e.nb; ++k, s = siegeSuivant(s)) {
        const Carte& c = p.pli[s];
        if (e.couleur == SANS_COULEUR && !estExcuse(c)) e.couleur = c.couleur;
        if (estAtout(c)) e.hautAtout = std::max(e.hautAtout, c.valeur);
    }
    return e;
}

int aFaire(int bouts) {
    static constexpr int points[] = {56, 51, 41, 36};
    return points[std::clamp(bouts, 0, 3)];
}

int multiplicateur(int contrat) {
    static constexpr int parContrat[] = {1, 1, 2, 4, 6};
    return parContrat[std::clamp(contrat, 0, 4)];
}

int arrondiMoitie(int demiPoints) {
    // Half-points to points, ties to the even number.
    const int q = demiPoints / 2;
    return demiPoints % 2 != 0 && q % 2 != 0 ? q + 1 : q;
}

bool estCarteValide(const Carte& c) {
    if (c.couleur == ATOUT) return c.valeur >= 0 && c.valeur <= 21;
    return c.couleur >= PIQUE && c.couleur <= CARREAU && c.valeur >= 1 && c.valeur <= 14;
}

int indexCarte(const Carte& c) { return c.couleur == ATOUT ? c.valeur : 22 + (c.couleur - 1) * 14 + c.valeur - 1; }

}  // namespace

Position positionDuJeu(const Jeu& jeu) {
    const Donne& d = jeu.donne;
    Position p;
    for (int s = 1; s <= 4; ++s) {
        int n = 0;
        for (int i = 1; i <= 18; ++i)
            if (d.mainJoueur[s][i].enMain) p.mains[s][++n] = carte(d.mainJoueur[s][i].couleur, d.mainJoueur[s][i].valeur);
        p.nbCartes[s] = n;
        p.pli[s] = Carte{};
    }
    for (int k = 0, s = d.joueurEntame; k < d.nbCartesPli; ++k, s = siegeSuivant(s))
        p.pli[s] = carte(d.pliEnCours[s].couleur, d.pliEnCours[s].valeur);
    p.entameur = d.joueurEntame;
    p.joueur = d.joueurEntame;
    for (int k = 0; k < d.nbCartesPli; ++k) p.joueur = siegeSuivant(p.joueur);
    p.preneur = d.preneur;
    p.contrat = d.enchere[d.preneur];
    p.pointsPreneur = d.pointsPreneur;
    p.pointsDefense = d.pointsDefense;
    p.boutsPreneur = d.boutsPreneur;
    p.boutsDefense = d.boutsDefense;
    for (int i = 1; i <= 6; ++i) p.chien[i] = carte(d.chien[i].couleur, d.chien[i].valeur);
    p.petitAuBout = d.numeroPli >= 19 ? d.petitAuBout : 0;
    return p;
}

bool verifierPosition(const Position& p, std::string* erreur) {
    const auto echec = [&](const std::string& quoi) {
        if (erreur) *erreur = quoi;
        return false;
    };
    const auto nom = [](const Carte& c) { return std::to_string(c.couleur) + "/" + std::to_string(c.valeur); };
    if (p.preneur < 1 || p.preneur > 4) return echec("no taker seat");
    if (p.contrat < PRISE || p.contrat > GARDE_CONTRE) return echec("no contract");
    if (p.entameur < 1 || p.entameur > 4 || p.joueur < 1 || p.joueur > 4) return echec("no seat to play");
    std::array<bool, 78> vue{};
    const auto noter = [&](const Carte& c) {
        if (!estCarteValide(c)) return echec("card " + nom(c) + " does not exist");
        if (vue[static_cast<std::size_t>(indexCarte(c))]) return echec("card " + nom(c) + " twice");
        vue[static_cast<std::size_t>(indexCarte(c))] = true;
        return true;
    };
    for (int s = 1; s <= 4; ++s) {
        if (p.nbCartes[s] < 0 || p.nbCartes[s] > 18) return echec("seat " + std::to_string(s) + " holds too many cards");
        for (int i = 1; i <= p.nbCartes[s]; ++i)
            if (!noter(p.mains[s][i])) return false;
    }
    const int nb = nbCartesPli(p);
    for (int k = 0, s = p.entameur; k < 4; ++k, s = siegeSuivant(s)) {
        if (k < nb && vide(p.pli[s])) return echec("seat " + std::to_string(s) + " has not played to the trick");
        if (k >= nb && !vide(p.pli[s])) return echec("seat " + std::to_string(s) + " has played out of turn");
        if (k < nb && !noter(p.pli[s])) return false;
    }
    for (int i = 1; i <= 6; ++i)
        if (!noter(p.chien[i])) return false;
    // Seats that have played to the trick hold one card fewer.
    const int reste = p.nbCartes[p.entameur] + (nb > 0 ? 1 : 0);
    for (int k = 0, s = p.entameur; k < 4; ++k, s = siegeSuivant(s))
        if (p.nbCartes[s] + (k < nb ? 1 : 0) != reste) return echec("the hands do not hold as many cards each");
    if (reste == 0 && nb > 0) return echec("a trick with no cards left");
    return true;
}

ListeCartes cartesJouables(const Position& p) {
    ListeCartes l;
    const int s = p.joueur;
    const EtatPli e = etatPli(p);
    std::array<bool, 18> ok{};
    const int n = p.nbCartes[s];
    const auto main = [&](int i) -> const Carte& { return p.mains[s][i + 1]; };

    const auto tout = [&] {
        for (int i = 0; i < n; ++i) ok[static_cast<std::size_t>(i)] = true;
    };
    // Only the trumps above `aBattre` when there are any, else every trump.
    const auto atouts = [&](int aBattre) {
        bool monte = false;
        for (int i = 0; i < n; ++i) monte = monte || (estAtout(main(i)) && main(i).valeur > aBattre);
        for (int i = 0; i < n; ++i)
            if (estAtout(main(i)) && (!monte || main(i).valeur > aBattre)) ok[static_cast<std::size_t>(i)] = true;
    };
    int nbAtouts = 0, nbCouleur = 0;
    for (int i = 0; i < n; ++i) {
        nbAtouts += estAtout(main(i));
        nbCouleur += !e.entame && main(i).couleur == e.couleur && !estExcuse(main(i));
    }
    if (e.entame) tout();
    else if (e.couleur == ATOUT) nbAtouts > 0 ? atouts(e.hautAtout) : tout();
    else if (nbCouleur > 0) {
        for (int i = 0; i < n; ++i) ok[static_cast<std::size_t>(i)] = main(i).couleur == e.couleur;
    } else if (nbAtouts > 0) atouts(e.hautAtout);
    else tout();
    for (int i = 0; i < n; ++i)
        if (estExcuse(main(i))) ok[static_cast<std::size_t>(i)] = true;

    for (int i = 0; i < n; ++i)
        if (ok[static_cast<std::size_t>(i)]) l.cartes[static_cast<std::size_t>(l.nb++)] = main(i);
    std::sort(l.cartes.begin(), l.cartes.begin() + l.nb, avantDansLaMain);
    return l;
}

bool jouerCarte(Position& p, const Carte& c) {
    const ListeCartes l = cartesJouables(p);
    if (std::none_of(l.cartes.begin(), l.cartes.begin() + l.nb, [&](const Carte& x) { return x.memeCarte(c); }))
        return false;
    const int s = p.joueur;
    Table<Carte, 1, 18>& main = p.mains[s];
    int i = 1;
    while (!main[i].memeCarte(c)) ++i;
    for (; i < p.nbCartes[s]; ++i) main[i] = main[i + 1];
    main[p.nbCartes[s]] = Carte{};
    p.nbCartes[s] -= 1;
    p.pli[s] = carte(c.couleur, c.valeur);
    p.joueur = siegeSuivant(s);
    if (p.joueur != p.entameur) return true;

    // The fourth card: the highest trump wins, else the highest card of the
    // suit led; the Excuse never wins, and when it leads the next card takes
    // the lead.
    const Table<Carte, 1, 4>& pli = p.pli;
    int w = p.entameur;
    for (int k = 1, n = p.entameur; k <= 3; ++k) {
        n = siegeSuivant(n);
        if (pli[n].couleur == pli[w].couleur && pli[n].valeur > pli[w].valeur) w = n;
        if (estAtout(pli[n]) && pli[w].couleur != ATOUT) w = n;
        if (estExcuse(pli[w])) w = n;
    }
    const bool preneurGagne = w == p.preneur;
    const bool dernier = p.nbCartes[1] == 0;
    int points = 0;
    int bouts = 0;
    int joueurExcuse = 0;
    bool petit = false;
    for (int k = 1; k <= 4; ++k) {
        points += pointsCarte(pli[k]);
        if (estExcuse(pli[k])) joueurExcuse = k;
        else if (estBout(pli[k])) ++bouts;
        petit = petit || (pli[k].couleur == ATOUT && pli[k].valeur == PETIT);
    }
    int& pointsGagnant = preneurGagne ? p.pointsPreneur : p.pointsDefense;
    int& boutsGagnant = preneurGagne ? p.boutsPreneur : p.boutsDefense;
    pointsGagnant += points;
    boutsGagnant += bouts;
    if (joueurExcuse != 0) {
        // The Excuse stays with its side, against a half-point card; in the
        // last trick it goes to the side that won.
        const bool excusePreneur = joueurExcuse == p.preneur;
        const bool garde = !dernier || excusePreneur == preneurGagne;
        const bool auPreneur = garde ? excusePreneur : preneurGagne;
        (auPreneur ? p.boutsPreneur : p.boutsDefense) += 1;
        if (garde && excusePreneur != preneurGagne) {
            const int transfert = excusePreneur ? 8 : -8;
            p.pointsPreneur += transfert;
            p.pointsDefense -= transfert;
        }
    }
    if (dernier) {
        int pointsChien = 0;
        int boutsChien = 0;
        for (int k = 1; k <= 6; ++k) {
            pointsChien += pointsCarte(p.chien[k]);
            boutsChien += estBout(p.chien[k]);
        }
        if (p.contrat == GARDE_CONTRE) {
            p.pointsDefense += pointsChien;
            p.boutsDefense += boutsChien;
        } else {
            p.pointsPreneur += pointsChien;
            if (p.contrat == GARDE_SANS) p.boutsPreneur += boutsChien;
        }
        p.petitAuBout = petit ? (preneurGagne ? 1 : 2) : 0;
    }
    for (int k = 1; k <= 4; ++k) p.pli[k] = Carte{};
    p.entameur = p.joueur = w;
    return true;
}

bool donneFinie(const Position& p) {
    for (int s = 1; s <= 4; ++s)
        if (p.nbCartes[s] != 0 || !vide(p.pli[s])) return false;
    return true;
}

int scoreFinal(const Position& p) {
    const int depassement = arrondiMoitie(p.pointsPreneur) - aFaire(p.boutsPreneur);
    int s = depassement >= 0 ? depassement + 25 : depassement - 25;
    if (p.petitAuBout == 1) s += 10;
    if (p.petitAuBout == 2) s -= 10;
    return 3 * s * multiplicateur(p.contrat);
}
