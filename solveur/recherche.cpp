// The search: alpha-beta over single cards on a compact copy of the
// position, driven by zero-window tests on the value, with a transposition
// table at the start of each trick.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

#include "solveur/solveur.h"

namespace {

using Horloge = std::chrono::steady_clock;

// Cards inside the search: a suit 0..4 and a value; in suit 0 bit 0 is the
// Excuse and bits 1..21 the trumps, in suits 1..4 bits 1..14 the cards.
constexpr std::uint32_t EXCUSE_BIT = 1u;

constexpr int pointsDe(int couleur, int valeur) {
    if (couleur == ATOUT) return valeur == 0 || valeur == 1 || valeur == 21 ? 9 : 1;
    switch (valeur) {
    case ROI: return 9;
    case DAME: return 7;
    case CAVALIER: return 5;
    case VALET: return 3;
    default: return 1;
    }
}

struct TablePoints {
    std::uint8_t p[5][32]{};
    constexpr TablePoints() {
        for (int c = 0; c <= 4; ++c)
            for (int v = 0; v < 32; ++v) p[c][v] = static_cast<std::uint8_t>(pointsDe(c, v));
    }
};
constexpr TablePoints points{};

// Sum of the points of the cards of a mask of suit `c`.
int pointsMasque(int c, std::uint32_t m) {
    int n = 0;
    while (m) {
        n += points.p[c][__builtin_ctz(m)];
        m &= m - 1;
    }
    return n;
}

std::uint64_t melanger(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

// The random keys of the transposition table, the same for every solver.
struct Cles {
    std::uint64_t carte[4][5][32];
    std::uint64_t entameur[4];
    std::uint64_t points[256];
    std::uint64_t bouts[8];
    std::uint64_t contexte[8];
    Cles() {
        std::uint64_t x = 0x5eed0fbe1a7a11eull;
        for (auto& s : carte)
            for (auto& c : s)
                for (auto& v : c) v = melanger(x);
        for (auto& v : entameur) v = melanger(x);
        for (auto& v : points) v = melanger(x);
        for (auto& v : bouts) v = melanger(x);
        for (auto& v : contexte) v = melanger(x);
    }
};

const Cles& cles() {
    static const Cles c;
    return c;
}

int aFaire(int bouts) {
    static constexpr int pts[] = {56, 51, 41, 36};
    return pts[std::clamp(bouts, 0, 3)];
}

// The taker's score divided by three and by the multiplier: what the search
// compares. `pab` 0 none, 1 taker, 2 defence.
int scoreBrut(int demiPoints, int bouts, int pab) {
    const int q = demiPoints / 2;
    const int pointsRealises = demiPoints % 2 != 0 && q % 2 != 0 ? q + 1 : q;
    const int dep = pointsRealises - aFaire(bouts);
    int s = dep >= 0 ? dep + 25 : dep - 25;
    if (pab == 1) s += 10;
    if (pab == 2) s -= 10;
    return s;
}

constexpr int INFINI = 1000;

// The compact position. Seats 0..3.
struct Etat {
    std::uint32_t main[4][5];
    std::uint64_t cle;  // the held cards
    std::int16_t pointsPreneur;
    std::int8_t boutsPreneur;
    std::int8_t nbPli;      // cards on the table, 0..3
    std::int8_t entameur;
    std::int8_t joueur;
    std::int8_t couleur;    // suit asked, -1 none yet (nothing or only the Excuse led)
    std::int8_t hautAtout;  // highest trump on the table, 0 none
    std::int8_t gagnant;    // seat of the card winning so far
    std::int8_t couleurGagnante;
    std::int8_t valeurGagnante;
    std::int8_t pointsPli;
    std::int8_t boutsPli;   // Petit and 21 on the table
    std::int8_t excusePar;  // seat that played the Excuse to this trick, -1 none
    std::int8_t petitPli;
    std::int8_t pliRestants;  // tricks not yet gathered, the one in progress included
    std::uint32_t table[5];   // the cards on the table, by suit
};

struct Contexte {
    int preneur = 0;  // 0..3
    int pointsChien = 0;  // half-points of the set-aside cards for the taker
    int boutsChien = 0;
    std::uint64_t cle = 0;
};

struct Coup {
    std::int8_t couleur;
    std::int8_t valeur;
};

// An entry of the transposition table: proven bounds of the value of the
// position at the start of a trick.
struct Entree {
    std::uint64_t cle = 0;
    std::int16_t basse = -INFINI;
    std::int16_t haute = INFINI;
    Coup coup{-1, 0};
    std::uint8_t restants = 0;
};

}  // namespace

struct Solveur::Impl {
    std::vector<Entree> table;
    std::uint64_t masque = 0;
    Contexte ctx;
    long long noeuds = 0;
    long long limiteNoeuds = 0;
    Horloge::time_point fin;
    bool avecFin = false;
    const std::atomic<bool>* arret = nullptr;
    bool abandon = false;

    explicit Impl(int megaOctets) {
        std::size_t n = 1;
        const std::size_t octets = static_cast<std::size_t>(std::max(megaOctets, 1)) << 20;
        while (n * 2 * sizeof(Entree) <= octets) n *= 2;
        table.assign(n, Entree{});
        masque = n - 2;  // buckets of two
    }

    void verifierBudget() {
        if (limiteNoeuds > 0 && noeuds >= limiteNoeuds) abandon = true;
        if ((noeuds & 1023) != 0) return;
        if (arret && arret->load(std::memory_order_relaxed)) abandon = true;
        if (avecFin && Horloge::now() >= fin) abandon = true;
    }

    std::uint64_t cleTable(const Etat& e) const {
        const Cles& k = cles();
        return e.cle ^ k.entameur[e.entameur] ^ k.points[e.pointsPreneur & 255] ^ k.bouts[e.boutsPreneur & 7] ^ ctx.cle;
    }

    Entree* chercherEntree(std::uint64_t cle) {
        Entree* b = &table[cle & masque];
        if (b[0].cle == cle) return &b[0];
        if (b[1].cle == cle) return &b[1];
        return nullptr;
    }

    void ranger(std::uint64_t cle, int basse, int haute, Coup coup, int restants) {
        Entree* b = &table[cle & masque];
        Entree* e = b[0].cle == cle ? &b[0] : b[1].cle == cle ? &b[1] : nullptr;
        if (e) {
            basse = std::max(basse, static_cast<int>(e->basse));
            haute = std::min(haute, static_cast<int>(e->haute));
        } else {
            // The first place keeps the costlier positions; the second takes the rest.
            e = b[0].restants <= restants ? &b[0] : &b[1];
            if (e == &b[0] && b[0].cle != 0) b[1] = b[0];
        }
        e->cle = cle;
        e->basse = static_cast<std::int16_t>(basse);
        e->haute = static_cast<std::int16_t>(haute);
        e->coup = coup;
        e->restants = static_cast<std::uint8_t>(restants);
    }

    // Plays a card; after the fourth card gathers the trick. Answers true when
    // the deal is over (then `final` holds the score).
    bool jouer(Etat& e, Coup c, int& final) const {
        const int s = e.joueur;
        const std::uint32_t bit = 1u << c.valeur;
        e.main[s][c.couleur] &= ~bit;
        e.cle ^= cles().carte[s][c.couleur][c.valeur];
        e.table[c.couleur] |= bit;
        const bool excuse = c.couleur == ATOUT && c.valeur == 0;
        const bool atout = c.couleur == ATOUT && c.valeur != 0;
        if (e.nbPli == 0) {
            e.gagnant = static_cast<std::int8_t>(s);
            e.couleurGagnante = c.couleur;
            e.valeurGagnante = c.valeur;
            e.couleur = excuse ? -1 : c.couleur;
        } else {
            if (e.couleur < 0) e.couleur = c.couleur;
            // The trick engine's comparison, card after card.
            bool prend = c.couleur == e.couleurGagnante && c.valeur > e.valeurGagnante;
            if (atout && (prend ? c.couleur : e.couleurGagnante) != ATOUT) prend = true;
            if (prend) {
                e.gagnant = static_cast<std::int8_t>(s);
                e.couleurGagnante = c.couleur;
                e.valeurGagnante = c.valeur;
            }
            if (e.couleurGagnante == ATOUT && e.valeurGagnante == 0) {
                e.gagnant = static_cast<std::int8_t>(s);
                e.couleurGagnante = c.couleur;
                e.valeurGagnante = c.valeur;
            }
        }
        if (atout && c.valeur > e.hautAtout) e.hautAtout = c.valeur;
        e.pointsPli = static_cast<std::int8_t>(e.pointsPli + points.p[c.couleur][c.valeur]);
        if (excuse) e.excusePar = static_cast<std::int8_t>(s);
        if (atout && (c.valeur == 1 || c.valeur == 21)) ++e.boutsPli;
        if (atout && c.valeur == 1) e.petitPli = 1;
        e.joueur = static_cast<std::int8_t>((s + 1) & 3);
        if (++e.nbPli < 4) return false;

        const int w = e.gagnant;
        const bool preneurGagne = w == ctx.preneur;
        const bool dernier = e.pliRestants == 1;
        int p = e.pointsPreneur + (preneurGagne ? e.pointsPli : 0);
        int b = e.boutsPreneur + (preneurGagne ? e.boutsPli : 0);
        if (e.excusePar >= 0) {
            const bool excusePreneur = e.excusePar == ctx.preneur;
            const bool garde = !dernier || excusePreneur == preneurGagne;
            if (garde ? excusePreneur : preneurGagne) ++b;
            if (garde && excusePreneur != preneurGagne) p += excusePreneur ? 8 : -8;
        }
        if (dernier) {
            final = scoreBrut(p + ctx.pointsChien, b + ctx.boutsChien, e.petitPli ? (preneurGagne ? 1 : 2) : 0);
            return true;
        }
        e.pointsPreneur = static_cast<std::int16_t>(p);
        e.boutsPreneur = static_cast<std::int8_t>(b);
        e.nbPli = 0;
        e.entameur = e.joueur = static_cast<std::int8_t>(w);
        e.couleur = -1;
        e.hautAtout = 0;
        e.pointsPli = 0;
        e.boutsPli = 0;
        e.excusePar = -1;
        e.petitPli = 0;
        e.pliRestants = static_cast<std::int8_t>(e.pliRestants - 1);
        std::memset(e.table, 0, sizeof e.table);
        return false;
    }

    // The cards the seat to play may play, by suit.
    static void jouables(const Etat& e, std::uint32_t l[5]) {
        const std::uint32_t* m = e.main[e.joueur];
        const bool entame = e.nbPli == 0 || e.couleur < 0;
        std::memset(l, 0, 5 * sizeof(std::uint32_t));
        const std::uint32_t atouts = m[ATOUT] & ~EXCUSE_BIT;
        const auto tout = [&] { std::memcpy(l, m, 5 * sizeof(std::uint32_t)); };
        const auto monter = [&] {
            const std::uint32_t dessus = atouts & ~((2u << e.hautAtout) - 1);
            l[ATOUT] = e.hautAtout != 0 && dessus ? dessus : atouts;
        };
        if (entame) tout();
        else if (e.couleur != ATOUT && m[e.couleur]) l[e.couleur] = m[e.couleur];
        else if (atouts) monter();
        else tout();
        l[ATOUT] |= m[ATOUT] & EXCUSE_BIT;
    }

    // The playable cards, one of each run of equivalent cards (same holder,
    // same points, nothing left in play between them), best guesses first.
    int coups(const Etat& e, Coup* liste) const {
        std::uint32_t l[5];
        jouables(e, l);
        int n = 0;
        for (int c = 0; c <= 4; ++c) {
            std::uint32_t x = l[c];
            if (!x) continue;
            std::uint32_t enJeu = e.table[c];
            for (int s = 0; s < 4; ++s) enJeu |= e.main[s][c];
            if (c == ATOUT) {
                if (x & EXCUSE_BIT) liste[n++] = Coup{ATOUT, 0};
                x &= ~EXCUSE_BIT;
                enJeu &= ~EXCUSE_BIT;
            }
            while (x) {
                const int v = 31 - __builtin_clz(x);
                x &= ~(1u << v);
                liste[n++] = Coup{static_cast<std::int8_t>(c), static_cast<std::int8_t>(v)};
                // Skip the cards right below that are equivalent to this one.
                int u = v;
                for (;;) {
                    const std::uint32_t dessous = enJeu & ((1u << u) - 1);
                    if (!dessous) break;
                    const int w = 31 - __builtin_clz(dessous);
                    // The Petit is never like another card: it makes the petit au bout.
                    if (!(x & (1u << w)) || points.p[c][w] != points.p[c][v] || (c == ATOUT && w == PETIT)) break;
                    x &= ~(1u << w);
                    u = w;
                }
            }
        }
        return n;
    }

    // Bounds of the value from what is still in play: every remaining point
    // and oudler to one side or the other.
    void bornesStatiques(const Etat& e, int& basse, int& haute) const {
        int reste = 0;
        int boutsSurs = 0;
        int boutsPossibles = 0;
        bool petit = false;
        for (int s = 0; s < 4; ++s) {
            for (int c = 0; c <= 4; ++c) reste += pointsMasque(c, e.main[s][c]);
            const std::uint32_t a = e.main[s][ATOUT];
            const bool preneur = s == ctx.preneur;
            if (a & (1u << 21)) {  // the 21 always wins its trick
                boutsSurs += preneur;
                boutsPossibles += preneur;
            }
            if (a & EXCUSE_BIT) boutsPossibles += 1;
            if (a & 2u) {
                boutsPossibles += 1;
                petit = true;
            }
        }
        const int p = e.pointsPreneur + ctx.pointsChien;
        const int b = e.boutsPreneur + ctx.boutsChien;
        haute = scoreBrut(p + reste, b + boutsPossibles, petit ? 1 : 0);
        basse = scoreBrut(p, b + boutsSurs, petit ? 2 : 0);
    }

    int chercher(const Etat& e, int alpha, int beta) {
        std::uint64_t cle = 0;
        Coup meilleurTable{-1, 0};
        const int alpha0 = alpha, beta0 = beta;
        if (e.nbPli == 0) {
            int basse, haute;
            bornesStatiques(e, basse, haute);
            if (haute <= alpha) return haute;
            if (basse >= beta) return basse;
            cle = cleTable(e);
            if (const Entree* t = chercherEntree(cle)) {
                if (t->basse >= beta) return t->basse;
                if (t->haute <= alpha) return t->haute;
                meilleurTable = t->coup;
            }
        }
        Coup liste[18];
        const int n = coups(e, liste);
        if (meilleurTable.couleur >= 0)
            for (int i = 1; i < n; ++i)
                if (liste[i].couleur == meilleurTable.couleur && liste[i].valeur == meilleurTable.valeur) {
                    std::rotate(liste, liste + i, liste + i + 1);
                    break;
                }
        const bool max = e.joueur == ctx.preneur;
        int meilleur = max ? -INFINI : INFINI;
        Coup meilleurCoup = liste[0];
        for (int i = 0; i < n; ++i) {
            Etat f = e;
            int v = 0;
            ++noeuds;
            verifierBudget();
            if (!jouer(f, liste[i], v)) v = chercher(f, alpha, beta);
            if (abandon) return 0;
            if (max ? v > meilleur : v < meilleur) {
                meilleur = v;
                meilleurCoup = liste[i];
            }
            if (max) alpha = std::max(alpha, v);
            else beta = std::min(beta, v);
            if (alpha >= beta) break;
        }
        if (e.nbPli == 0) {
            const int basse = meilleur > alpha0 ? meilleur : -INFINI;
            const int haute = meilleur < beta0 ? meilleur : INFINI;
            ranger(cle, basse, haute, meilleurCoup, e.pliRestants);
        }
        return meilleur;
    }
};

namespace {

int siegeInterne(int siege) { return siege - 1; }

// The compact copy of a position at the start of its trick, and the cards of
// the trick in progress to play on it.
void versEtat(const Position& p, Etat& e, Coup* pli, int& nbPli) {
    std::memset(&e, 0, sizeof e);
    for (int s = 1; s <= 4; ++s) {
        for (int i = 1; i <= p.nbCartes[s]; ++i) {
            const Carte& c = p.mains[s][i];
            e.main[siegeInterne(s)][c.couleur] |= 1u << c.valeur;
            e.cle ^= cles().carte[siegeInterne(s)][c.couleur][c.valeur];
        }
    }
    nbPli = 0;
    for (int s = p.entameur; s != p.joueur; s = siegeSuivant(s)) {
        const Carte& c = p.pli[s];
        e.main[siegeInterne(s)][c.couleur] |= 1u << c.valeur;
        e.cle ^= cles().carte[siegeInterne(s)][c.couleur][c.valeur];
        pli[nbPli++] = Coup{static_cast<std::int8_t>(c.couleur), static_cast<std::int8_t>(c.valeur)};
    }
    e.pointsPreneur = static_cast<std::int16_t>(p.pointsPreneur);
    e.boutsPreneur = static_cast<std::int8_t>(p.boutsPreneur);
    e.entameur = e.joueur = static_cast<std::int8_t>(siegeInterne(p.entameur));
    e.couleur = -1;
    e.excusePar = -1;
    e.pliRestants = static_cast<std::int8_t>(p.nbCartes[p.entameur] + (nbPli > 0 ? 1 : 0));
}

Contexte contexteDe(const Position& p) {
    Contexte c;
    c.preneur = siegeInterne(p.preneur);
    int pointsChien = 0, boutsChien = 0;
    for (int i = 1; i <= 6; ++i) {
        pointsChien += pointsCarte(p.chien[i]);
        boutsChien += estBout(p.chien[i]);
    }
    c.pointsChien = p.contrat == GARDE_CONTRE ? 0 : pointsChien;
    c.boutsChien = p.contrat == GARDE_SANS ? boutsChien : 0;
    const Cles& k = cles();
    c.cle = k.contexte[c.preneur] ^ (k.contexte[4 + (c.boutsChien & 3)] * 31) ^ (k.points[c.pointsChien & 255] * 7);
    return c;
}

int multiplicateur(int contrat) {
    static constexpr int parContrat[] = {1, 1, 2, 4, 6};
    return parContrat[std::clamp(contrat, 0, 4)];
}

Carte carteDe(Coup c) { return carte(c.couleur, c.valeur); }

// Two cards of the seat to play that no line of play tells apart: same suit,
// same points, and no card still in play between them.
bool equivalentes(const Position& p, const Carte& a, const Carte& b) {
    const auto seule = [](const Carte& c) { return c.couleur == ATOUT && (c.valeur == EXCUSE || c.valeur == PETIT); };
    if (a.couleur != b.couleur || seule(a) || seule(b) || pointsCarte(a) != pointsCarte(b)) return false;
    const int bas = std::min(a.valeur, b.valeur), haut = std::max(a.valeur, b.valeur);
    const auto entre = [&](const Carte& x) {
        return x.couleur == a.couleur && !estExcuse(x) && x.valeur > bas && x.valeur < haut;
    };
    // Only cards of the same seat and the same points may lie between them.
    for (int s = 1; s <= 4; ++s) {
        for (int i = 1; i <= p.nbCartes[s]; ++i) {
            const Carte& x = p.mains[s][i];
            if (entre(x) && (s != p.joueur || seule(x) || pointsCarte(x) != pointsCarte(a))) return false;
        }
        if (entre(p.pli[s])) return false;
    }
    return true;
}

}  // namespace

Solveur::Solveur(int megaOctets) : impl_(std::make_unique<Impl>(megaOctets)) {}

Solveur::~Solveur() = default;

void Solveur::oublier() { std::fill(impl_->table.begin(), impl_->table.end(), Entree{}); }

namespace {

// One search of a whole position: the root's cards with their equivalents,
// and zero-window tests that narrow the proven bounds.
struct Racine {
    Solveur::Impl& s;
    Etat etat{};         // the position to solve
    bool finie = false;  // the deal is over
    int valeurFinie = 0;
    bool max = false;
    int nb = 0;          // root moves, one per run of equivalent cards
    Coup coups[18]{};
    Etat apres[18]{};    // the position after each of them
    bool fin[18]{};      // that card ends the deal
    int finale[18]{};

    // Tests whether the value is at least `gamma`; answers the fail-soft
    // result and, when the test settles it, the root move that did.
    int tester(int gamma, int& coup) {
        int alpha = gamma - 1, beta = gamma;
        int meilleur = max ? -INFINI : INFINI;
        coup = -1;
        for (int i = 0; i < nb; ++i) {
            ++s.noeuds;
            int v = fin[i] ? finale[i] : s.chercher(apres[i], alpha, beta);
            if (s.abandon) return 0;
            if (max ? v > meilleur : v < meilleur) {
                meilleur = v;
                coup = i;
            }
            if (max ? v >= beta : v <= alpha) break;
        }
        return meilleur;
    }
};

}  // namespace

Resultat Solveur::resoudre(const Position& p, const Budget& budget, Recherche quoi) {
    const auto debut = Horloge::now();
    Impl& s = *impl_;
    Resultat r;
    s.noeuds = 0;
    s.abandon = false;
    s.limiteNoeuds = budget.noeuds;
    s.arret = budget.arret;
    s.avecFin = budget.secondes > 0;
    if (s.avecFin)
        s.fin = debut + std::chrono::duration_cast<Horloge::duration>(std::chrono::duration<double>(budget.secondes));
    const int mult = 3 * multiplicateur(p.contrat);

    if (donneFinie(p)) {
        r.exact = true;
        r.valeur = r.borneBasse = r.borneHaute = scoreFinal(p);
        r.contratRealisable = r.valeur > 0;
        return r;
    }
    s.ctx = contexteDe(p);
    Racine racine{s};
    Coup pli[4];
    int nbPli = 0;
    versEtat(p, racine.etat, pli, nbPli);
    int basse = -INFINI, haute = INFINI;
    s.bornesStatiques(racine.etat, basse, haute);
    for (int k = 0; k < nbPli; ++k) {
        int v = 0;
        s.jouer(racine.etat, pli[k], v);
    }
    racine.max = racine.etat.joueur == s.ctx.preneur;
    racine.nb = s.coups(racine.etat, racine.coups);
    for (int i = 0; i < racine.nb; ++i) {
        racine.apres[i] = racine.etat;
        racine.fin[i] = s.jouer(racine.apres[i], racine.coups[i], racine.finale[i]);
    }

    int meilleurCoup = -1;
    // First whether the contract can be made (a value of 1 or more), then
    // zero-window tests on the value until the bounds meet.
    int gamma = 1;
    while (basse < haute) {
        int coup = -1;
        const int v = racine.tester(gamma, coup);
        if (s.abandon) break;
        if (v >= gamma) {
            basse = v;
            if (racine.max) meilleurCoup = coup;
        } else {
            haute = v;
            if (!racine.max) meilleurCoup = coup;
        }
        if (basse >= haute) break;
        // Move towards the side not yet proven, halving wide gaps.
        const int lo = std::max(basse, -200), hi = std::min(haute, 200);
        if (v >= gamma) gamma = hi - lo > 8 ? lo + (hi - lo + 1) / 2 : lo + 1;
        else gamma = hi - lo > 8 ? lo + (hi - lo + 1) / 2 : hi;
    }
    r.budgetEpuise = s.abandon;
    r.exact = basse >= haute;
    const auto reel = [&](int b) { return std::clamp(b, -200, 200) * mult; };
    r.borneBasse = reel(basse);
    r.borneHaute = reel(haute);
    if (r.exact) r.valeur = r.borneBasse;
    r.contratRealisable = basse > 0 ? 1 : haute < 0 ? 0 : -1;

    // The best cards: the one that settled the value, and with
    // ValeurEtMeilleures every other card whose own value is as good.
    const auto ajouter = [&](int i) {
        const Coup c = racine.coups[i];
        ListeCartes& l = r.meilleures;
        l.cartes[static_cast<std::size_t>(l.nb++)] = carteDe(c);
    };
    // Whether root move i keeps the value.
    const auto garde = [&](int i) {
        const int v = racine.fin[i] ? racine.finale[i]
                                    : s.chercher(racine.apres[i], racine.max ? basse - 1 : basse,
                                                 racine.max ? basse : basse + 1);
        return racine.max ? v >= basse : v <= basse;
    };
    // Bounds from the points in play may settle the value before any test.
    for (int i = 0; r.exact && meilleurCoup < 0 && i < racine.nb && !s.abandon; ++i)
        if (garde(i)) meilleurCoup = i;
    if (r.exact && meilleurCoup >= 0) {
        std::array<bool, 18> bon{};
        bon[static_cast<std::size_t>(meilleurCoup)] = true;
        if (quoi == Recherche::ValeurEtMeilleures)
            for (int i = 0; i < racine.nb && !s.abandon; ++i)
                if (i != meilleurCoup) bon[static_cast<std::size_t>(i)] = garde(i);
        if (s.abandon) {
            r.budgetEpuise = true;
            for (int i = 0; i < racine.nb; ++i) bon[static_cast<std::size_t>(i)] = i == meilleurCoup;
        }
        for (int i = 0; i < racine.nb; ++i)
            if (bon[static_cast<std::size_t>(i)]) ajouter(i);
    }
    // Equivalent cards are as good as the one searched for them.
    const ListeCartes jouables = cartesJouables(p);
    ListeCartes tous;
    for (int j = 0; j < jouables.nb; ++j) {
        const Carte& c = jouables.cartes[static_cast<std::size_t>(j)];
        bool garde = false;
        for (int i = 0; i < r.meilleures.nb; ++i) {
            const Carte& m = r.meilleures.cartes[static_cast<std::size_t>(i)];
            garde = garde || m.memeCarte(c) || equivalentes(p, m, c);
        }
        if (garde) tous.cartes[static_cast<std::size_t>(tous.nb++)] = c;
    }
    if (quoi == Recherche::ValeurEtMeilleures) r.meilleures = tous;
    r.noeuds = s.noeuds;
    r.secondes = std::chrono::duration<double>(Horloge::now() - debut).count();
    return r;
}

ValeursCartes Solveur::evaluerCartes(const Position& p, const Budget& budget) {
    const auto debut = Horloge::now();
    ValeursCartes r;
    const ListeCartes jouables = cartesJouables(p);
    for (int i = 0; i < jouables.nb; ++i) {
        ValeurCarte& v = r.cartes[static_cast<std::size_t>(r.nb++)];
        v.carte = jouables.cartes[static_cast<std::size_t>(i)];
        // An equivalent card already searched has the same value.
        bool connue = false;
        for (int j = 0; j < i && !connue; ++j)
            if (equivalentes(p, r.cartes[static_cast<std::size_t>(j)].carte, v.carte)) {
                const Carte c = v.carte;
                v = r.cartes[static_cast<std::size_t>(j)];
                v.carte = c;
                connue = true;
            }
        if (connue) continue;
        Position apres = p;
        jouerCarte(apres, v.carte);
        Budget reste = budget;
        if (budget.secondes > 0) {
            reste.secondes = budget.secondes - std::chrono::duration<double>(Horloge::now() - debut).count();
            if (reste.secondes <= 0) reste.secondes = 1e-9;
        }
        if (budget.noeuds > 0) reste.noeuds = std::max(1LL, budget.noeuds - r.noeuds);
        const Resultat res = resoudre(apres, reste, Recherche::Valeur);
        v.exact = res.exact;
        v.borneBasse = res.borneBasse;
        v.borneHaute = res.borneHaute;
        r.noeuds += res.noeuds;
        r.budgetEpuise = r.budgetEpuise || res.budgetEpuise;
    }
    r.secondes = std::chrono::duration<double>(Horloge::now() - debut).count();
    return r;
}
