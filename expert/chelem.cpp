#include "expert/chelem.h"

#include <unordered_map>

#include "engine/jeu.h"
#include "expert/savoir.h"

namespace {

// The cards still held, one bit each: the state of a deal at the start of a
// trick once every trick so far went to the same side (that side leads).
struct Reste {
    std::uint64_t bas = 0;
    std::uint64_t haut = 0;
    bool operator==(const Reste&) const = default;
};

struct HacheReste {
    std::size_t operator()(const Reste& r) const { return r.bas * 0x9E3779B97F4A7C15ull ^ r.haut; }
};

struct Exploration {
    long long noeuds = 0;
    long long max = 0;
    bool epuise = false;
    std::unordered_map<Reste, bool, HacheReste> vus;
};

Reste reste(const Position& p) {
    Reste r;
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= p.nbCartes[s]; ++i) {
            const int n = numeroCarte(p.mains[s][i]);
            if (n < 64) r.bas |= 1ull << n;
            else r.haut |= 1ull << (n - 64);
        }
    return r;
}

int cartesSurLaTable(const Position& p) {
    int n = 0;
    for (int s = 1; s <= 4; ++s) n += p.pli[s].couleur != SANS_COULEUR;
    return n;
}

bool duPreneur(const Position& p, int siege) { return siege == p.preneur; }

// With every card known and the taker to lead, a sure win of every trick:
// his trumps above all the defence's are at least as many as the longest
// defender's trumps (each lead draws one from each of them), and each of his
// suit cards is above every defender's card of its suit.
bool toutEstMaitre(const Position& p) {
    const int t = p.preneur;
    Table<int, 0, 4> plusHautDefense;  // by suit, 0 for trumps 1..21
    plusHautDefense.remplir(0);
    int longueurAtout = 0;
    for (int s = 1; s <= 4; ++s) {
        if (s == t) continue;
        int atouts = 0;
        for (int i = 1; i <= p.nbCartes[s]; ++i) {
            const Carte& c = p.mains[s][i];
            if (estExcuse(c)) continue;
            atouts += c.couleur == ATOUT;
            if (c.valeur > plusHautDefense[c.couleur]) plusHautDefense[c.couleur] = c.valeur;
        }
        if (atouts > longueurAtout) longueurAtout = atouts;
    }
    int maitres = 0;
    for (int i = 1; i <= p.nbCartes[t]; ++i) {
        const Carte& c = p.mains[t][i];
        if (estExcuse(c)) continue;
        if (c.valeur < plusHautDefense[c.couleur]) {
            if (c.couleur != ATOUT) return false;
            continue;  // a trump below theirs wins once theirs are drawn
        }
        maitres += c.couleur == ATOUT;
    }
    return maitres >= longueurAtout;
}

// A defender's trump above all the taker's takes a trick sooner or later,
// unless the taker keeps his Excuse to lead the last trick over it.
bool atoutImprenable(const Position& p) {
    const int t = p.preneur;
    int plusHautPreneur = 0;
    for (int i = 1; i <= p.nbCartes[t]; ++i) {
        const Carte& c = p.mains[t][i];
        if (estExcuse(c)) return false;
        if (c.couleur == ATOUT && c.valeur > plusHautPreneur) plusHautPreneur = c.valeur;
    }
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; s != t && i <= p.nbCartes[s]; ++i)
            if (estAtout(p.mains[s][i]) && p.mains[s][i].valeur > plusHautPreneur) return true;
    return false;
}

bool gagneTout(const Position& p, Exploration& r) {
    if (donneFinie(p)) return true;
    if (++r.noeuds > r.max) {
        r.epuise = true;
        return false;
    }
    const bool debutPli = cartesSurLaTable(p) == 0;
    if (debutPli && p.nbCartes[p.joueur] == 1 && estExcuse(p.mains[p.joueur][1])) return duPreneur(p, p.joueur);
    if (debutPli && duPreneur(p, p.joueur) && toutEstMaitre(p)) return true;
    if (debutPli && atoutImprenable(p)) return false;
    Reste cle;
    if (debutPli) {
        cle = reste(p);
        const auto vu = r.vus.find(cle);
        if (vu != r.vus.end()) return vu->second;
    }
    const bool ami = duPreneur(p, p.joueur);
    const bool dernierDuPli = cartesSurLaTable(p) == 3;
    const ListeCartes l = cartesJouables(p);
    bool resultat = !ami;
    for (int i = 0; i < l.nb && !r.epuise; ++i) {
        Position q = p;
        if (!jouerCarte(q, l.cartes[static_cast<std::size_t>(i)])) continue;
        // The trick just gathered leads the next from its winner.
        const bool suite = dernierDuPli && !duPreneur(q, q.joueur) ? false : gagneTout(q, r);
        if (ami && suite) {
            resultat = true;
            break;
        }
        if (!ami && !suite) {
            resultat = false;
            break;
        }
    }
    if (debutPli && !r.epuise) r.vus.emplace(cle, resultat);
    return resultat;
}

}  // namespace

int chelemOuvert(const Position& p, long long noeuds) {
    Exploration r;
    r.max = noeuds;
    const bool oui = gagneTout(p, r);
    if (r.epuise) return -1;
    return oui ? 1 : 0;
}

bool expertAnnonceChelem(const Jeu& jeu, int siege, std::mt19937_64& generateur, const ReglagesChelem& reglages) {
    const Donne& d = jeu.donne;
    // The 21 held by another seat always takes its trick.
    bool vingtEtUn = false;
    for (int i = 1; i <= 18; ++i) vingtEtUn = vingtEtUn || (d.mainJoueur[siege][i].couleur == ATOUT &&
                                                           d.mainJoueur[siege][i].valeur == VINGT_ET_UN);
    if (!vingtEtUn) return false;
    SavoirSiege s = savoirDuSiege(jeu, siege);
    // The announcer leads the first trick.
    s.entameur = s.joueur = siege;
    int echecs = 0;
    for (int n = 0; n < reglages.echantillons; ++n) {
        Position p;
        if (!tirerDonne(s, generateur, p)) return false;
        p.entameur = p.joueur = siege;
        if (chelemOuvert(p, reglages.noeudsParDonne) != 1 && ++echecs > reglages.echecsAdmis) return false;
    }
    return true;
}
