// The solver against a plain minimax that enumerates every legal line of
// short endings, on thousands of random positions.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "solveur/solveur.h"
#include "tests/solveur_aides.h"

namespace {

std::vector<Carte> paquetComplet() {
    std::vector<Carte> cartes;
    for (int v = 0; v <= 21; ++v) cartes.push_back(carte(ATOUT, v));
    for (int c = PIQUE; c <= CARREAU; ++c)
        for (int v = 1; v <= 14; ++v) cartes.push_back(carte(c, v));
    return cartes;
}

// A random ending of `plis` tricks: the hands drawn from a shuffled pack,
// often with the oudlers still in play, the other cards already won by one
// side or the other, and a few cards of the last trick already down.
// `couleurs`: the hands are drawn from the trumps and that many suits only,
// so that the seats fight over the same suits and trumps far more often.
Position finaleAuHasard(std::mt19937& g, int plis, int couleurs = 4) {
    std::vector<Carte> cartes = paquetComplet();
    std::shuffle(cartes.begin(), cartes.begin() + 22 + 14 * couleurs, g);
    // Bring the Petit and the Excuse into play one time in two.
    for (int v : {PETIT, EXCUSE})
        if (g() % 2 == 0) {
            const auto it = std::find_if(cartes.begin(), cartes.end(), [&](const Carte& c) { return estAtout(c) || estExcuse(c) ? c.valeur == v && c.couleur == ATOUT : false; });
            std::iter_swap(it, cartes.begin() + static_cast<long>(g() % static_cast<unsigned>(4 * plis)));
        }
    Position p;
    p.preneur = static_cast<int>(g() % 4) + 1;
    p.contrat = static_cast<int>(g() % 4) + 1;
    distribuerFinale(p, cartes, {1, 2, 3, 4}, plis, g);
    p.entameur = p.joueur = static_cast<int>(g() % 4) + 1;
    const int posees = static_cast<int>(g() % 4);
    for (int n = 0; n < posees; ++n) {
        const ListeCartes l = cartesJouables(p);
        jouerCarte(p, l.cartes[g() % static_cast<unsigned>(l.nb)]);
    }
    return p;
}

std::string decrire(const Position& p) {
    std::string t = "taker " + std::to_string(p.preneur) + " contract " + std::to_string(p.contrat) + " to play " +
                    std::to_string(p.joueur) + " led by " + std::to_string(p.entameur) + " points " +
                    std::to_string(p.pointsPreneur) + " oudlers " + std::to_string(p.boutsPreneur) + "\n";
    for (int s = 1; s <= 4; ++s) {
        t += "  " + std::to_string(s) + ":";
        for (int i = 1; i <= p.nbCartes[s]; ++i)
            t += " " + std::to_string(p.mains[s][i].couleur) + "/" + std::to_string(p.mains[s][i].valeur);
        if (p.pli[s].couleur != SANS_COULEUR)
            t += "  on table " + std::to_string(p.pli[s].couleur) + "/" + std::to_string(p.pli[s].valeur);
        t += "\n";
    }
    return t;
}

TEST(SolveurFinales, LaValeurEtLesMeilleuresCartesDuMinimaxComplet) {
    std::mt19937 g(20261208);
    Solveur solveur(4);
    int cas = 0;
    for (int plis = 1; plis <= 4; ++plis)
        for (int n = 0; n < (plis == 4 ? 600 : 1000); ++n, ++cas) {
            const Position p = finaleAuHasard(g, plis);
            ASSERT_TRUE(verifierPosition(p)) << decrire(p);
            const int attendu = minimax(p);
            const Resultat r = solveur.resoudre(p);
            ASSERT_TRUE(r.exact) << decrire(p);
            ASSERT_EQ(r.valeur, attendu) << decrire(p);
            EXPECT_EQ(r.borneBasse, attendu);
            EXPECT_EQ(r.borneHaute, attendu);
            EXPECT_EQ(r.contratRealisable, attendu > 0 ? 1 : 0) << decrire(p);

            // The best cards are exactly those whose line keeps the value.
            const ListeCartes l = cartesJouables(p);
            std::vector<bool> bonne(static_cast<std::size_t>(l.nb));
            for (int i = 0; i < l.nb; ++i) {
                Position f = p;
                jouerCarte(f, l.cartes[static_cast<std::size_t>(i)]);
                bonne[static_cast<std::size_t>(i)] = minimax(f) == attendu;
            }
            int nbBonnes = 0;
            for (int i = 0; i < l.nb; ++i) {
                const Carte& c = l.cartes[static_cast<std::size_t>(i)];
                bool donnee = false;
                for (int j = 0; j < r.meilleures.nb; ++j) donnee = donnee || r.meilleures.cartes[static_cast<std::size_t>(j)].memeCarte(c);
                EXPECT_EQ(donnee, bonne[static_cast<std::size_t>(i)]) << "card " << c.couleur << "/" << c.valeur << "\n" << decrire(p);
                nbBonnes += bonne[static_cast<std::size_t>(i)];
            }
            EXPECT_EQ(r.meilleures.nb, nbBonnes);
            if (::testing::Test::HasFailure()) return;
        }
    EXPECT_EQ(cas, 3600);
}

TEST(SolveurFinales, LaValeurDeChaqueCarteEtUneSeuleMeilleureSurDemande) {
    std::mt19937 g(77);
    Solveur solveur(4);
    for (int n = 0; n < 400; ++n) {
        const Position p = finaleAuHasard(g, 1 + n % 3);
        const ValeursCartes v = solveur.evaluerCartes(p);
        const ListeCartes l = cartesJouables(p);
        ASSERT_EQ(v.nb, l.nb);
        int meilleure = p.joueur == p.preneur ? -1000000 : 1000000;
        for (int i = 0; i < v.nb; ++i) {
            const ValeurCarte& c = v.cartes[static_cast<std::size_t>(i)];
            ASSERT_TRUE(c.carte.memeCarte(l.cartes[static_cast<std::size_t>(i)]));
            Position f = p;
            jouerCarte(f, c.carte);
            ASSERT_TRUE(c.exact);
            ASSERT_EQ(c.borneBasse, minimax(f)) << decrire(p);
            EXPECT_EQ(c.borneHaute, c.borneBasse);
            meilleure = p.joueur == p.preneur ? std::max(meilleure, c.borneBasse) : std::min(meilleure, c.borneBasse);
        }
        const Resultat r = solveur.resoudre(p, {}, Recherche::Valeur);
        ASSERT_EQ(r.meilleures.nb, 1);
        Position f = p;
        ASSERT_TRUE(jouerCarte(f, r.meilleures.cartes[0]));
        EXPECT_EQ(minimax(f), meilleure) << decrire(p);
        EXPECT_EQ(r.valeur, meilleure);
    }
}


// A likely value only decides which question the search asks first: right,
// wrong by a little or by far, or no possible score at all, the value and
// the best cards stay those of the full minimax.
TEST(SolveurFinales, UneValeurProbableNeChangeNiLaValeurNiLesMeilleuresCartes) {
    std::mt19937 g(2027);
    Solveur solveur(4);
    for (int n = 0; n < 300; ++n) {
        const Position p = finaleAuHasard(g, 2 + n % 3);
        const int exacte = minimax(p);
        const Resultat sans = solveur.resoudre(p, {}, Recherche::ValeurEtMeilleures);
        ASSERT_EQ(sans.valeur, exacte) << decrire(p);
        const int pas = 3 * static_cast<int>(g() % 8 + 1);
        for (const int probable : {exacte, exacte + pas, exacte - pas, -exacte, exacte + 1, 100000, -100000}) {
            const Resultat r = solveur.resoudre(p, {}, Recherche::ValeurEtMeilleures, probable);
            ASSERT_TRUE(r.exact);
            EXPECT_EQ(r.valeur, exacte) << "guess " << probable << "\n" << decrire(p);
            EXPECT_EQ(r.contratRealisable, exacte > 0 ? 1 : 0);
            ASSERT_EQ(r.meilleures.nb, sans.meilleures.nb) << "guess " << probable << "\n" << decrire(p);
            for (int i = 0; i < r.meilleures.nb; ++i)
                EXPECT_TRUE(contientCarte(sans.meilleures, r.meilleures.cartes[static_cast<std::size_t>(i)])) << decrire(p);
        }
    }
}

// The table shares what it learns between positions that differ only in
// cards whose rank decided nothing. Positions that differ only in which
// small cards (plain-suit spot cards, trumps 2 to 20) are in play, solved one
// after the other with one table, must each get the exact value.
Position petitesCartesRedistribuees(const Position& p, std::mt19937& g) {
    Position q = p;
    for (int c = ATOUT; c <= CARREAU; ++c) {
        const int bas = c == ATOUT ? 2 : 1, haut = c == ATOUT ? 20 : 10;
        std::vector<Carte*> petites;
        for (int s = 1; s <= 4; ++s) {
            for (int i = 1; i <= q.nbCartes[s]; ++i)
                if (q.mains[s][i].couleur == c && q.mains[s][i].valeur >= bas && q.mains[s][i].valeur <= haut) petites.push_back(&q.mains[s][i]);
            if (q.pli[s].couleur == c && q.pli[s].valeur >= bas && q.pli[s].valeur <= haut) petites.push_back(&q.pli[s]);
        }
        std::vector<int> valeurs;
        for (int v = bas; v <= haut; ++v) {
            bool misDeCote = false;
            for (int i = 1; i <= 6; ++i) misDeCote = misDeCote || (q.chien[i].couleur == c && q.chien[i].valeur == v);
            if (!misDeCote) valeurs.push_back(v);
        }
        std::shuffle(valeurs.begin(), valeurs.end(), g);
        for (std::size_t i = 0; i < petites.size(); ++i) petites[i]->valeur = valeurs[i];
    }
    return q;
}

TEST(SolveurFinales, LesPositionsQuiNeDifferentQueParLesPetitesCartesNeSeTrompentPas) {
    std::mt19937 g(4242);
    Solveur solveur(1);
    int differentes = 0;
    for (int n = 0; n < 600; ++n) {
        const Position p = finaleAuHasard(g, 3 + n % 2, n % 3);
        const int valeurP = minimax(p);
        ASSERT_EQ(solveur.resoudre(p, {}, Recherche::Valeur).valeur, valeurP) << decrire(p);
        for (int k = 0; k < 3; ++k) {
            const Position q = petitesCartesRedistribuees(p, g);
            ASSERT_TRUE(verifierPosition(q)) << decrire(q);
            const int attendu = minimax(q);
            differentes += attendu != valeurP;
            const Resultat r = solveur.resoudre(q, {}, Recherche::Valeur);
            ASSERT_TRUE(r.exact);
            ASSERT_EQ(r.valeur, attendu) << "after\n" << decrire(p) << "this one\n" << decrire(q);
        }
    }
    // The small cards do change many values: the table must not lump those together.
    EXPECT_GT(differentes, 100);
}

}  // namespace

namespace {

// One solver walks the positions of one ending along a random line, back
// from the end and then forward again, as the analysis of a deal does: each
// search meets the table the one before left, for a value the same, higher
// or lower; the value and the best cards (one, or all) stay those of the
// plain minimax.
TEST(SolveurFinales, LesPositionsDUneMemeFinaleEnChaine) {
    std::mt19937 g(4242);
    Solveur solveur(4);
    int plusHaut = 0, plusBas = 0, pareil = 0;
    for (int n = 0; n < 150; ++n) {
        std::vector<Position> ligne{finaleAuHasard(g, 2 + n % 2)};
        while (!donneFinie(ligne.back())) {
            Position f = ligne.back();
            const ListeCartes l = cartesJouables(f);
            jouerCarte(f, l.cartes[g() % static_cast<unsigned>(l.nb)]);
            ligne.push_back(f);
        }
        ligne.pop_back();
        std::vector<int> ordre;
        for (int k = static_cast<int>(ligne.size()) - 1; k >= 0; --k) ordre.push_back(k);
        for (int k = 1; k < static_cast<int>(ligne.size()); ++k) ordre.push_back(k);
        int avant = 0;
        for (std::size_t i = 0; i < ordre.size(); ++i) {
            const Position& p = ligne[static_cast<std::size_t>(ordre[i])];
            const int attendu = minimax(p);
            const Recherche quoi = i % 2 == 0 ? Recherche::Valeur : Recherche::ValeurEtMeilleures;
            const Resultat r = solveur.resoudre(p, {}, quoi);
            ASSERT_TRUE(r.exact) << decrire(p);
            ASSERT_EQ(r.valeur, attendu) << decrire(p);
            ASSERT_GE(r.meilleures.nb, 1) << decrire(p);
            for (int j = 0; j < r.meilleures.nb; ++j) {
                Position f = p;
                ASSERT_TRUE(jouerCarte(f, r.meilleures.cartes[static_cast<std::size_t>(j)]));
                EXPECT_EQ(minimax(f), attendu) << decrire(p);
            }
            if (i > 0) (attendu > avant ? plusHaut : attendu < avant ? plusBas : pareil) += 1;
            avant = attendu;
        }
        if (::testing::Test::HasFailure()) return;
    }
    // The walk met values that rose, fell and stayed from one search to the next.
    EXPECT_GT(plusHaut, 20);
    EXPECT_GT(plusBas, 20);
    EXPECT_GT(pareil, 20);
}

}  // namespace

namespace {

// Whether the contract can be made, as its own question: the sign of the
// plain minimax's value on thousands of random endings, bounds that hold,
// and the card it gives keeps the contract (the taker to play) or defeats
// it (a defender to play). One table serves the question and the values in
// turn, in either order.
TEST(SolveurFinales, LeContratRealisableEstLeSigneDuMinimax) {
    std::mt19937 g(31031);
    Solveur solveur(4);
    int oui = 0, non = 0, cartes = 0;
    for (int plis = 1; plis <= 4; ++plis)
        for (int n = 0; n < (plis == 4 ? 500 : 800); ++n) {
            const Position p = finaleAuHasard(g, plis, n % 5 == 0 ? 2 : 4);
            const int attendu = minimax(p);
            if (n % 3 == 0) solveur.oublier();
            const bool valeurAvant = n % 2 == 0;
            if (valeurAvant) {
                ASSERT_EQ(solveur.resoudre(p, {}, Recherche::Valeur).valeur, attendu) << decrire(p);
            }
            const Resultat r = solveur.realisable(p);
            ASSERT_EQ(r.contratRealisable, attendu > 0 ? 1 : 0) << decrire(p);
            EXPECT_FALSE(r.budgetEpuise);
            EXPECT_LE(r.borneBasse, attendu) << decrire(p);
            EXPECT_GE(r.borneHaute, attendu) << decrire(p);
            EXPECT_EQ(r.exact, r.borneBasse == r.borneHaute);
            if (r.exact) {
                EXPECT_EQ(r.valeur, attendu) << decrire(p);
            }
            (attendu > 0 ? oui : non) += 1;
            const bool preneur = p.joueur == p.preneur;
            if (preneur == (attendu > 0)) {
                ASSERT_EQ(r.meilleures.nb, 1) << decrire(p);
                Position f = p;
                ASSERT_TRUE(jouerCarte(f, r.meilleures.cartes[0])) << decrire(p);
                EXPECT_EQ(minimax(f) > 0, attendu > 0) << decrire(p);
                ++cartes;
            } else {
                EXPECT_EQ(r.meilleures.nb, 0) << decrire(p);
            }
            if (!valeurAvant) {
                ASSERT_EQ(solveur.resoudre(p, {}, Recherche::Valeur).valeur, attendu) << decrire(p);
            }
            if (::testing::Test::HasFailure()) return;
        }
    EXPECT_GT(oui, 300);
    EXPECT_GT(non, 300);
    EXPECT_GT(cartes, 300);
}

}  // namespace

namespace {

// Two threads share the root's cards: the value, every best card and the
// contract's answer stay those of the full minimax.
TEST(SolveurFinales, DeuxFilsDonnentLesValeursDuMinimax) {
    std::mt19937 g(2222);
    Solveur solveur(2);
    Budget deux;
    deux.secondes = 0;
    deux.fils = 2;
    for (int n = 0; n < 400; ++n) {
        const Position p = finaleAuHasard(g, 2 + n % 3, n % 4 == 0 ? 2 : 4);
        const int attendu = minimax(p);
        if (n % 5 == 0) solveur.oublier();
        const Resultat r = solveur.resoudre(p, deux);
        ASSERT_TRUE(r.exact) << decrire(p);
        ASSERT_EQ(r.valeur, attendu) << decrire(p);
        const ListeCartes l = cartesJouables(p);
        for (int i = 0; i < l.nb; ++i) {
            Position f = p;
            jouerCarte(f, l.cartes[static_cast<std::size_t>(i)]);
            EXPECT_EQ(contientCarte(r.meilleures, l.cartes[static_cast<std::size_t>(i)]), minimax(f) == attendu) << decrire(p);
        }
        const Resultat c = solveur.realisable(p, deux);
        EXPECT_EQ(c.contratRealisable, attendu > 0 ? 1 : 0) << decrire(p);
        if (::testing::Test::HasFailure()) return;
    }
}

}  // namespace
