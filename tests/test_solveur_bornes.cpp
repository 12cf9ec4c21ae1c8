// The search's bounds against a plain minimax: each guarantee one side is
// said to secure, it must secure against every play of the other side, on
// random endings and on the endings of real deals.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "solveur/bornes.h"
#include "solveur/solveur.h"
#include "tests/solveur_aides.h"

namespace {

// What the tricks still to play bring the taker, the set-aside cards apart.
struct Apport {
    int points = 0;
    int bouts = 0;
    int petitAuBout = 0;
};

// From worst to best for the taker: the defence's petit au bout, none, his.
int rangPetitAuBout(int pab) { return pab == 2 ? 0 : pab == 0 ? 1 : 2; }

bool auMoins(const Apport& a, const Garantie& g) {
    return a.points >= g.points && a.bouts >= g.bouts && rangPetitAuBout(a.petitAuBout) >= rangPetitAuBout(g.petitAuBout);
}

bool auPlus(const Apport& a, const Garantie& g) {
    return a.points <= g.points && a.bouts <= g.bouts && rangPetitAuBout(a.petitAuBout) <= rangPetitAuBout(g.petitAuBout);
}

struct Verificateur {
    Position depart;
    int pointsChien = 0;
    int boutsChien = 0;

    explicit Verificateur(const Position& p) : depart(p) {
        for (int i = 1; i <= 6; ++i) {
            pointsChien += p.contrat == GARDE_CONTRE ? 0 : pointsCarte(p.chien[i]);
            boutsChien += p.contrat == GARDE_SANS ? estBout(p.chien[i]) : 0;
        }
    }

    Apport apport(const Position& fin) const {
        return {fin.pointsPreneur - depart.pointsPreneur - pointsChien, fin.boutsPreneur - depart.boutsPreneur - boutsChien,
                fin.petitAuBout};
    }

    // Whether `camp` (true: the taker) can make every line end as `voulu` asks.
    template <class Voulu>
    bool assure(const Position& p, bool camp, const Voulu& voulu) const {
        if (donneFinie(p)) return voulu(apport(p));
        const ListeCartes l = cartesJouables(p);
        const bool choisit = (p.joueur == p.preneur) == camp;
        for (int i = 0; i < l.nb; ++i) {
            Position f = p;
            jouerCarte(f, l.cartes[static_cast<std::size_t>(i)]);
            if (assure(f, camp, voulu) == choisit) return choisit;
        }
        return !choisit;
    }
};

Mains mainsDe(const Position& p) {
    Mains m{};
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= p.nbCartes[s]; ++i) {
            const Carte& c = p.mains[s][i];
            m.main[s - 1][c.couleur] |= 1u << c.valeur;
            m.pointsEnMain += pointsCarte(c);
        }
    m.preneur = p.preneur - 1;
    m.entameur = p.entameur - 1;
    m.plis = p.nbCartes[p.entameur];
    return m;
}

std::string decrire(const Position& p) {
    std::string t = "taker " + std::to_string(p.preneur) + " contract " + std::to_string(p.contrat) + " led by " +
                    std::to_string(p.entameur) + "\n";
    for (int s = 1; s <= 4; ++s) {
        t += "  " + std::to_string(s) + ":";
        for (int i = 1; i <= p.nbCartes[s]; ++i)
            t += " " + std::to_string(p.mains[s][i].couleur) + "/" + std::to_string(p.mains[s][i].valeur);
        t += "\n";
    }
    return t;
}

std::string decrire(const Garantie& g) {
    return "source " + std::to_string(g.source) + ": " + std::to_string(g.points) + " half-points, " +
           std::to_string(g.bouts) + " oudlers, petit au bout " + std::to_string(g.petitAuBout);
}

// A random start of a trick with `plis` tricks to play. One deal in two the
// taker gets the best trumps in play, so that his sure tricks come up often.
Position debutAuHasard(std::mt19937& g, int plis) {
    std::vector<Carte> cartes;
    for (int v = 0; v <= 21; ++v) cartes.push_back(carte(ATOUT, v));
    for (int c = PIQUE; c <= CARREAU; ++c)
        for (int v = 1; v <= 14; ++v) cartes.push_back(carte(c, v));
    std::shuffle(cartes.begin(), cartes.end(), g);
    Position p;
    p.preneur = static_cast<int>(g() % 4) + 1;
    p.contrat = static_cast<int>(g() % 4) + 1;
    // The oudlers in play one time in two; the taker's hand first.
    for (int v : {PETIT, EXCUSE, VINGT_ET_UN})
        if (g() % 2 == 0) {
            const auto it = std::find_if(cartes.begin(), cartes.end(), [&](const Carte& c) { return c.couleur == ATOUT && c.valeur == v; });
            std::iter_swap(it, cartes.begin() + static_cast<long>(g() % static_cast<unsigned>(4 * plis)));
        }
    // Hands rich in trumps one time in three, the Excuse with them; hands of
    // two plain suits and trumps one time in three, where the cards of a suit
    // meet.
    const unsigned mode = g() % 3;
    if (mode == 0) {
        std::stable_partition(cartes.begin(), cartes.end(), [](const Carte& c) { return c.couleur == ATOUT; });
        std::shuffle(cartes.begin(), cartes.begin() + 22 + 4 * plis, g);
    } else if (mode == 1) {
        const auto debut = std::stable_partition(cartes.begin(), cartes.end(), [](const Carte& c) { return c.couleur <= COEUR; });
        std::shuffle(cartes.begin(), debut, g);
    }
    if (g() % 2 == 0)
        std::stable_partition(cartes.begin(), cartes.begin() + 4 * plis, [](const Carte& c) { return estAtout(c) && c.valeur >= 15; });
    distribuerFinale(p, cartes, {p.preneur, p.preneur % 4 + 1, (p.preneur + 1) % 4 + 1, (p.preneur + 2) % 4 + 1}, plis, g);
    p.entameur = p.joueur = static_cast<int>(g() % 4) + 1;
    return p;
}

// The starts of the last tricks of real deals, 2 to 4 tricks before the end.
std::vector<Position> debutsReels() {
    std::vector<Position> debuts;
    for (const DonneLue& d : donnesAutoplay(5, 40)) {
        Position p = d.depart;
        for (std::size_t k = 0; k < d.cartes.size(); ++k) {
            const int reste = 72 - static_cast<int>(k);
            if (reste % 4 == 0 && reste >= 8 && reste <= 16) debuts.push_back(p);
            jouerCarte(p, d.cartes[k]);
        }
    }
    return debuts;
}

struct Bilan {
    // By source, the guarantees checked that say more than the first one.
    std::array<int, NB_SOURCES> utiles{};
};

// Checks every guarantee of both sides on `p`.
void verifier(const Position& p, Bilan& bilan) {
    ASSERT_TRUE(verifierPosition(p)) << decrire(p);
    const Mains m = mainsDe(p);
    const Verificateur v(p);
    Garantie g[MAX_GARANTIES];
    const int nbPreneur = garantiesPreneur(m, g);
    ASSERT_GE(nbPreneur, 1);
    ASSERT_LE(nbPreneur, MAX_GARANTIES);
    for (int i = 0; i < nbPreneur; ++i) {
        const Garantie x = g[i];
        ASSERT_TRUE(v.assure(p, true, [&](const Apport& a) { return auMoins(a, x); })) << "taker's floor " << decrire(x) << "\n" << decrire(p);
        const Apport premiere{g[0].points, g[0].bouts, g[0].petitAuBout};
        if (i > 0 && !auMoins(premiere, x)) ++bilan.utiles[static_cast<std::size_t>(x.source)];
    }
    const int nbDefense = garantiesDefense(m, g);
    ASSERT_GE(nbDefense, 1);
    ASSERT_LE(nbDefense, MAX_GARANTIES);
    for (int i = 0; i < nbDefense; ++i) {
        const Garantie x = g[i];
        ASSERT_TRUE(v.assure(p, false, [&](const Apport& a) { return auPlus(a, x); })) << "defence's ceiling " << decrire(x) << "\n" << decrire(p);
        const Apport premiere{g[0].points, g[0].bouts, g[0].petitAuBout};
        if (i > 0 && !auPlus(premiere, x)) ++bilan.utiles[static_cast<std::size_t>(x.source)];
    }
}

// The hands `m` with the holders of the low cards of each suit shuffled:
// the cards below `lus[c]` that are not honours (the faces; the 21, the Petit
// and the Excuse) change hands, each seat keeping as many of them.
Mains melangerSous(const Mains& m, const std::int8_t lus[5], std::mt19937& g) {
    Mains q = m;
    for (int c = ATOUT; c <= CARREAU; ++c) {
        std::vector<int> valeurs, sieges;
        for (int v = 0; v < lus[c] && v <= 21; ++v) {
            const bool honneur = c == ATOUT ? v <= PETIT || v == VINGT_ET_UN : v >= VALET;
            for (int s = 0; s < 4; ++s)
                if (!honneur && (m.main[s][c] >> v & 1u)) {
                    valeurs.push_back(v);
                    sieges.push_back(s);
                }
        }
        std::shuffle(sieges.begin(), sieges.end(), g);
        for (std::size_t i = 0; i < valeurs.size(); ++i) {
            for (int s = 0; s < 4; ++s) q.main[s][c] &= ~(1u << valeurs[i]);
            q.main[sieges[i]][c] |= 1u << valeurs[i];
        }
    }
    return q;
}

// A start of a trick written by hand: the four hands from seat 1 on, "|"
// between them, each card a suit letter (A trumps, P spades, C hearts,
// T clubs, K diamonds) and a value, A0 the Excuse. Seat 1 is the taker.
Position debutEcrit(const std::string& mains, int entameur) {
    Position p;
    p.preneur = 1;
    p.contrat = GARDE;
    p.entameur = p.joueur = entameur;
    std::vector<bool> prise(79);
    int s = 1;
    std::size_t i = 0;
    while (i < mains.size()) {
        const char c = mains[i];
        if (c == ' ') {
            ++i;
            continue;
        }
        if (c == '|') {
            ++s;
            ++i;
            continue;
        }
        const int couleur = std::string("APCTK").find(c);
        std::size_t fin = i + 1;
        while (fin < mains.size() && std::isdigit(static_cast<unsigned char>(mains[fin]))) ++fin;
        const Carte k = carte(couleur, std::stoi(mains.substr(i + 1, fin - i - 1)));
        p.mains[s][++p.nbCartes[s]] = k;
        prise[static_cast<std::size_t>(couleur == ATOUT ? k.valeur : 22 + (couleur - 1) * 14 + k.valeur - 1)] = true;
        i = fin;
    }
    // The dog: the first six cards of the pack nobody holds.
    int n = 0;
    for (int c = PIQUE; c <= CARREAU && n < 6; ++c)
        for (int v = 1; v <= 14 && n < 6; ++v)
            if (!prise[static_cast<std::size_t>(22 + (c - 1) * 14 + v - 1)]) p.chien[++n] = carte(c, v);
    return p;
}

// Endings made to trap a reasoning that forgets a rule.
TEST(SolveurBornes, LesCartesDUneCouleurSeComptentJusquAuVingtEtUn) {
    // Read from a table by halves: every mask a suit can hold, the Excuse
    // and the 21 included, against a count bit by bit.
    for (std::uint32_t m = 0; m < (1u << 22); ++m) {
        int n = 0;
        for (std::uint32_t x = m; x; x &= x - 1) ++n;
        ASSERT_EQ(nombreDeCartes(m), n) << m;
    }
}

TEST(SolveurBornes, LesFinalesPiegesNeTrompentAucuneGarantie) {
    struct Cas {
        const char* mains;
        int entameur;
    };
    const Cas cas[] = {
        // The defender out of trumps keeps his queen by playing the Excuse on
        // the king: the taker's nine does not win.
        {"A20 K14 K9 | K13 A0 P5 | C2 C3 C4 | C5 C6 C7", 1},
    };
    Bilan bilan;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.mains);
        verifier(debutEcrit(c.mains, c.entameur), bilan);
        if (HasFatalFailure()) return;
    }
}

// The search shares what a bound settled with every position that differs
// only in cards whose rank the bound did not read: each guarantee is the same
// for them.
TEST(SolveurBornes, UneGarantieNeLitQueLesRangsQuElleDit) {
    std::mt19937 g(9041);
    int essais = 0;
    for (int n = 0; n < 20000; ++n) {
        const Position p = debutAuHasard(g, 2 + n % 6);
        const Mains m = mainsDe(p);
        for (const auto garanties : {garantiesPreneur, garantiesDefense}) {
            Garantie avant[MAX_GARANTIES], apres[MAX_GARANTIES];
            const int nb = garanties(m, avant);
            for (int i = 0; i < nb; ++i) {
                const Mains q = melangerSous(m, avant[i].lus, g);
                const int nbApres = garanties(q, apres);
                const Garantie* meme = nullptr;
                for (int j = 0; j < nbApres; ++j)
                    if (apres[j].source == avant[i].source) meme = &apres[j];
                ASSERT_NE(meme, nullptr) << decrire(avant[i]) << "\n" << decrire(p);
                ASSERT_EQ(meme->points, avant[i].points) << decrire(avant[i]) << "\n" << decrire(p);
                ASSERT_EQ(meme->bouts, avant[i].bouts) << decrire(avant[i]) << "\n" << decrire(p);
                ASSERT_EQ(meme->petitAuBout, avant[i].petitAuBout) << decrire(avant[i]) << "\n" << decrire(p);
                essais += std::equal(q.main[0], q.main[0] + 20, m.main[0]) ? 0 : 1;
            }
        }
    }
    // Many of them did move cards.
    EXPECT_GT(essais, 20000);
}

TEST(SolveurBornes, ChaqueGarantieTientContreToutJeuAdverse) {
    std::mt19937 g(5318);
    Bilan bilan;
    for (int plis = 2; plis <= 4; ++plis)
        for (int n = 0; n < (plis == 4 ? 3000 : 12000); ++n) {
            verifier(debutAuHasard(g, plis), bilan);
            if (HasFatalFailure()) return;
        }
    for (const Position& p : debutsReels()) {
        verifier(p, bilan);
        if (HasFatalFailure()) return;
    }
    // Each reasoning was put to the test many times where it says more
    // than the plainest one.
    struct Attendu {
        int source;
        int auMoins;
    };
    const Attendu attendus[] = {
        {SOURCE_ENCAISSE, 300},
        {SOURCE_TOUT, 60},
    };
    for (const Attendu& a : attendus) EXPECT_GE(bilan.utiles[static_cast<std::size_t>(a.source)], a.auMoins) << "source " << a.source;
}

}  // namespace
