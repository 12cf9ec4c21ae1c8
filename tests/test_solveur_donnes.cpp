// The solver on the endings of real deals played by the computer players:
// the value of a position is the best, for the side to play, of the values
// after each of its cards; the last value is the deal's score; and a search
// cut short by its budget still gives bounds that hold.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "tests/solveur_aides.h"

namespace {

std::string nom(const Carte& c) { return std::to_string(c.couleur) + "/" + std::to_string(c.valeur); }

TEST(SolveurDonnes, LaValeurAvantUneCarteEstLaMeilleureDesValeursApres) {
    const std::vector<DonneLue> donnes = donnesAutoplay(11, 80);
    ASSERT_GE(donnes.size(), 60u);
    Solveur solveur(8);
    int positions = 0;
    for (const DonneLue& d : donnes) {
        Position p = d.depart;
        for (int k = 0; k < 72; ++k) {
            const Carte& jouee = d.cartes[static_cast<std::size_t>(k)];
            if (k >= 52) {
                // The last five tricks, card by card.
                const std::string ou = "deal " + std::to_string(d.numero) + ", card " + std::to_string(k + 1);
                const Resultat r = solveur.resoudre(p);
                const ValeursCartes v = solveur.evaluerCartes(p);
                ASSERT_TRUE(r.exact) << ou;
                const bool preneur = p.joueur == p.preneur;
                int meilleure = preneur ? -1000000 : 1000000;
                for (int i = 0; i < v.nb; ++i) {
                    const ValeurCarte& c = v.cartes[static_cast<std::size_t>(i)];
                    ASSERT_TRUE(c.exact) << ou;
                    meilleure = preneur ? std::max(meilleure, c.borneBasse) : std::min(meilleure, c.borneBasse);
                }
                EXPECT_EQ(r.valeur, meilleure) << ou;
                EXPECT_EQ(r.contratRealisable, r.valeur > 0 ? 1 : 0) << ou;
                for (int i = 0; i < v.nb; ++i) {
                    const ValeurCarte& c = v.cartes[static_cast<std::size_t>(i)];
                    EXPECT_EQ(contientCarte(r.meilleures, c.carte), c.borneBasse == meilleure) << ou << " " << nom(c.carte);
                }
                // Three tricks or fewer: the plain minimax agrees.
                if (k >= 60) {
                    EXPECT_EQ(r.valeur, minimax(p)) << ou;
                }
                ++positions;
            }
            ASSERT_TRUE(jouerCarte(p, jouee));
        }
        ASSERT_TRUE(donneFinie(p));
        // The last value is the score the deal got (the computers never declare a handful).
        const Resultat fin = solveur.resoudre(p);
        EXPECT_TRUE(fin.exact);
        EXPECT_EQ(fin.valeur, scoreFinal(p));
        EXPECT_EQ(scoreFinal(p), d.scoreJoue) << "deal " << d.numero;
        if (::testing::Test::HasFailure()) return;
    }
    EXPECT_EQ(positions, 20 * static_cast<int>(donnes.size()));
}

// Longer endings, where the table holds many positions: a table filled by
// the positions of the same deal, or emptied, gives the same values, and the
// value is still the best of the values after each card.
TEST(SolveurDonnes, LaTableNeChangePasLesValeurs) {
    const std::vector<DonneLue> donnes = donnesAutoplay(21, 16);
    ASSERT_GE(donnes.size(), 12u);
    Solveur chaud(16), froid(16);
    for (std::size_t n = 0; n < 12; ++n) {
        const DonneLue& d = donnes[n];
        Position p = d.depart;
        for (int k = 0; k < 72; ++k) {
            if (k >= 44 && k < 48) {
                const std::string ou = "deal " + std::to_string(d.numero) + ", card " + std::to_string(k + 1);
                froid.oublier();
                const Resultat a = chaud.resoudre(p, Budget{0, 0, nullptr}, Recherche::Valeur);
                const Resultat b = froid.resoudre(p, Budget{0, 0, nullptr}, Recherche::Valeur);
                ASSERT_TRUE(a.exact && b.exact) << ou;
                EXPECT_EQ(a.valeur, b.valeur) << ou;
                const ValeursCartes v = chaud.evaluerCartes(p, Budget{0, 0, nullptr});
                const bool preneur = p.joueur == p.preneur;
                int meilleure = preneur ? -1000000 : 1000000;
                for (int i = 0; i < v.nb; ++i) {
                    const ValeurCarte& c = v.cartes[static_cast<std::size_t>(i)];
                    ASSERT_TRUE(c.exact) << ou;
                    meilleure = preneur ? std::max(meilleure, c.borneBasse) : std::min(meilleure, c.borneBasse);
                }
                EXPECT_EQ(a.valeur, meilleure) << ou;
            }
            jouerCarte(p, d.cartes[static_cast<std::size_t>(k)]);
        }
    }
}

TEST(SolveurDonnes, UnBudgetEpuiseDonneDesBornesJustes) {
    const std::vector<DonneLue> donnes = donnesAutoplay(5, 12);
    ASSERT_GE(donnes.size(), 10u);
    Solveur solveur(8);
    for (std::size_t n = 0; n < 10; ++n) {
        const DonneLue& d = donnes[n];
        // Six tricks left: exact without limit, cut short with a few hundred cards tried.
        Position p = d.depart;
        for (int k = 0; k < 48 + static_cast<int>(n % 4); ++k) jouerCarte(p, d.cartes[static_cast<std::size_t>(k)]);
        solveur.oublier();
        const Resultat exact = solveur.resoudre(p, Budget{0, 0, nullptr});
        ASSERT_TRUE(exact.exact);
        EXPECT_FALSE(exact.budgetEpuise);
        for (long long noeuds : {50LL, 400LL, 3000LL}) {
            solveur.oublier();
            const Resultat r = solveur.resoudre(p, Budget{0, noeuds, nullptr});
            if (r.exact) {
                EXPECT_EQ(r.valeur, exact.valeur);
                continue;
            }
            EXPECT_TRUE(r.budgetEpuise);
            EXPECT_LE(r.borneBasse, exact.valeur) << "deal " << d.numero << ", " << noeuds << " cards";
            EXPECT_GE(r.borneHaute, exact.valeur) << "deal " << d.numero << ", " << noeuds << " cards";
            if (r.contratRealisable != -1) {
                EXPECT_EQ(r.contratRealisable, exact.valeur > 0 ? 1 : 0);
            }
            // The last trick is played out at once: a few cards over at most.
            EXPECT_LE(r.noeuds, noeuds + 8);
        }
        // A stop flag already raised ends the search at once, bounds still sound.
        const std::atomic<bool> arret{true};
        const Resultat r = solveur.resoudre(d.depart, Budget{0, 0, &arret});
        EXPECT_TRUE(r.budgetEpuise);
        EXPECT_FALSE(r.exact);
        EXPECT_LE(r.borneBasse, r.borneHaute);
        EXPECT_LT(r.noeuds, 2000);
        const ValeursCartes v = solveur.evaluerCartes(d.depart, Budget{0, 0, &arret});
        EXPECT_TRUE(v.budgetEpuise);
        EXPECT_EQ(v.nb, cartesJouables(d.depart).nb);
    }
}

// Positions with nine tricks left where the defence, on move, needs more
// than one root card's first share of the search to find its refutation: the
// shares cut short and taken up again keep the value the best of the values
// after each card, and a budget that runs out in the middle of a share still
// stops the search there with sound bounds.
TEST(SolveurDonnes, LesPartsDesCartesDeLaRacineGardentValeurEtBudget) {
    const std::vector<DonneLue> donnes = donnesAutoplay(1, 60);
    ASSERT_GE(donnes.size(), 29u);
    Solveur solveur(32);
    for (const std::size_t n : {7u, 22u, 28u}) {
        const DonneLue& d = donnes[n];
        Position p = d.depart;
        for (int k = 0; k < 36; ++k) jouerCarte(p, d.cartes[static_cast<std::size_t>(k)]);
        ASSERT_NE(p.joueur, p.preneur);
        const std::string ou = "deal " + std::to_string(d.numero);
        solveur.oublier();
        const Resultat exact = solveur.resoudre(p, Budget{0, 0, nullptr}, Recherche::Valeur);
        ASSERT_TRUE(exact.exact) << ou;
        ASSERT_GT(exact.noeuds, 150'000) << ou;
        const ValeursCartes v = solveur.evaluerCartes(p, Budget{0, 0, nullptr});
        int meilleure = 1000000;
        for (int i = 0; i < v.nb; ++i) {
            ASSERT_TRUE(v.cartes[static_cast<std::size_t>(i)].exact) << ou;
            meilleure = std::min(meilleure, v.cartes[static_cast<std::size_t>(i)].borneBasse);
        }
        EXPECT_EQ(exact.valeur, meilleure) << ou;
        for (long long noeuds : {120'000LL, 450'000LL, exact.noeuds / 2}) {
            solveur.oublier();
            const Resultat r = solveur.resoudre(p, Budget{0, noeuds, nullptr}, Recherche::Valeur);
            EXPECT_LE(r.noeuds, noeuds + 8) << ou << ", " << noeuds << " cards";
            if (r.exact) {
                EXPECT_EQ(r.valeur, exact.valeur) << ou;
                continue;
            }
            EXPECT_TRUE(r.budgetEpuise) << ou;
            EXPECT_LE(r.borneBasse, exact.valeur) << ou << ", " << noeuds << " cards";
            EXPECT_GE(r.borneHaute, exact.valeur) << ou << ", " << noeuds << " cards";
        }
    }
}

}  // namespace

namespace {

// Whether the contract can be made, on the endings of real deals: it agrees
// with the sign of the exact value (asked of the same solver before or
// after, and of a fresh one), the card it gives keeps its answer, and a
// budget that runs out leaves bounds that hold and an answer never wrong.
TEST(SolveurDonnes, LeContratRealisableEstLeSigneDeLaValeurExacte) {
    const std::vector<DonneLue> donnes = donnesAutoplay(1, 40);
    ASSERT_GE(donnes.size(), 24u);
    Solveur solveur(16), seul(16);
    int positions = 0, coupees = 0;
    for (std::size_t n = 0; n < 24; ++n) {
        const DonneLue& d = donnes[n];
        Position p = d.depart;
        for (int k = 0; k < 72; ++k) {
            // From 8 tricks left down to 2, one position in three.
            if (k >= 40 && k < 64 && (k + static_cast<int>(n)) % 3 == 0) {
                const std::string ou = "deal " + std::to_string(d.numero) + ", card " + std::to_string(k + 1);
                const bool valeurAvant = k % 2 == 0;
                Resultat v;
                if (valeurAvant) v = solveur.resoudre(p, Budget{0, 0, nullptr}, Recherche::Valeur);
                const Resultat r = solveur.realisable(p, Budget{0, 0, nullptr});
                if (!valeurAvant) v = solveur.resoudre(p, Budget{0, 0, nullptr}, Recherche::Valeur);
                seul.oublier();
                const Resultat f = seul.realisable(p, Budget{0, 0, nullptr});
                ASSERT_TRUE(v.exact) << ou;
                EXPECT_EQ(r.contratRealisable, v.valeur > 0 ? 1 : 0) << ou;
                EXPECT_EQ(f.contratRealisable, v.valeur > 0 ? 1 : 0) << ou;
                EXPECT_LE(r.borneBasse, v.valeur) << ou;
                EXPECT_GE(r.borneHaute, v.valeur) << ou;
                EXPECT_LE(f.borneBasse, v.valeur) << ou;
                EXPECT_GE(f.borneHaute, v.valeur) << ou;
                const bool preneur = p.joueur == p.preneur;
                if (preneur == (v.valeur > 0)) {
                    ASSERT_EQ(f.meilleures.nb, 1) << ou;
                    Position apres = p;
                    ASSERT_TRUE(jouerCarte(apres, f.meilleures.cartes[0])) << ou;
                    const Resultat w = seul.resoudre(apres, Budget{0, 0, nullptr}, Recherche::Valeur);
                    EXPECT_EQ(w.valeur > 0, v.valeur > 0) << ou;
                } else {
                    EXPECT_EQ(f.meilleures.nb, 0) << ou;
                }
                // Cut short: bounds that hold, and an answer given only when right.
                for (long long noeuds : {30LL, 300LL, 3000LL}) {
                    seul.oublier();
                    const Resultat c = seul.realisable(p, Budget{0, noeuds, nullptr});
                    EXPECT_LE(c.noeuds, noeuds + 8) << ou;
                    EXPECT_LE(c.borneBasse, v.valeur) << ou << ", " << noeuds << " cards";
                    EXPECT_GE(c.borneHaute, v.valeur) << ou << ", " << noeuds << " cards";
                    if (c.contratRealisable != -1) {
                        EXPECT_EQ(c.contratRealisable, v.valeur > 0 ? 1 : 0) << ou << ", " << noeuds << " cards";
                    } else {
                        EXPECT_TRUE(c.budgetEpuise) << ou;
                        ++coupees;
                    }
                }
                ++positions;
            }
            jouerCarte(p, d.cartes[static_cast<std::size_t>(k)]);
        }
        if (::testing::Test::HasFailure()) return;
    }
    EXPECT_GT(positions, 150);
    EXPECT_GT(coupees, 20);
}

}  // namespace

namespace {

// A budget too small for the value still settles whether the contract is
// made when that one question fits in it: past half the budget the search
// asks it, then halves the interval left. The bounds hold either way.
TEST(SolveurDonnes, UnBudgetTropCourtPourLaValeurDitSiLeContratEstFait) {
    const std::vector<DonneLue> donnes = donnesAutoplay(1, 40);
    ASSERT_GE(donnes.size(), 30u);
    Solveur solveur(16);
    int coupees = 0, signes = 0;
    for (std::size_t n = 0; n < 30; ++n) {
        const DonneLue& d = donnes[n];
        Position p = d.depart;
        for (int k = 0; k < 36; ++k) jouerCarte(p, d.cartes[static_cast<std::size_t>(k)]);
        const std::string ou = "deal " + std::to_string(d.numero);
        solveur.oublier();
        const Resultat exact = solveur.resoudre(p, Budget{0, 0, nullptr}, Recherche::Valeur);
        solveur.oublier();
        const Resultat question = solveur.realisable(p, Budget{0, 0, nullptr});
        ASSERT_TRUE(exact.exact) << ou;
        // Room for the question twice over, but not for the value.
        const long long budget = 4 * question.noeuds + 2000;
        if (budget >= exact.noeuds) continue;
        solveur.oublier();
        const Resultat r = solveur.resoudre(p, Budget{0, budget, nullptr}, Recherche::Valeur);
        EXPECT_LE(r.noeuds, budget + 8) << ou;
        EXPECT_LE(r.borneBasse, exact.valeur) << ou;
        EXPECT_GE(r.borneHaute, exact.valeur) << ou;
        if (r.exact) {
            EXPECT_EQ(r.valeur, exact.valeur) << ou;
            continue;
        }
        ++coupees;
        if (r.contratRealisable != -1) {
            EXPECT_EQ(r.contratRealisable, exact.valeur > 0 ? 1 : 0) << ou;
            ++signes;
        }
    }
    EXPECT_GE(coupees, 5);
    EXPECT_GE(signes * 10, coupees * 8);
}

}  // namespace

namespace {

// Two threads on real positions large enough for both to work: the same
// values and answers as one thread, a best card that keeps the value, and
// a node budget cut short still honoured with bounds that hold.
TEST(SolveurDonnes, DeuxFilsDonnentLesValeursDUnSeul) {
    const std::vector<DonneLue> donnes = donnesAutoplay(1, 30);
    ASSERT_GE(donnes.size(), 16u);
    Solveur un(16), deux(16);
    Budget deuxFils{0, 0, nullptr};
    deuxFils.fils = 2;
    for (std::size_t n = 0; n < 16; ++n) {
        const DonneLue& d = donnes[n];
        Position p = d.depart;
        for (int k = 0; k < 36 + static_cast<int>(n % 4) * 3; ++k) jouerCarte(p, d.cartes[static_cast<std::size_t>(k)]);
        const std::string ou = "deal " + std::to_string(d.numero);
        un.oublier();
        deux.oublier();
        const Resultat a = un.resoudre(p, Budget{0, 0, nullptr}, Recherche::Valeur);
        const Resultat b = deux.resoudre(p, deuxFils, Recherche::Valeur);
        ASSERT_TRUE(a.exact && b.exact) << ou;
        EXPECT_EQ(b.valeur, a.valeur) << ou;
        ASSERT_EQ(b.meilleures.nb, 1) << ou;
        Position apres = p;
        ASSERT_TRUE(jouerCarte(apres, b.meilleures.cartes[0])) << ou;
        EXPECT_EQ(un.resoudre(apres, Budget{0, 0, nullptr}, Recherche::Valeur).valeur, a.valeur) << ou;
        deux.oublier();
        EXPECT_EQ(deux.realisable(p, deuxFils).contratRealisable, a.valeur > 0 ? 1 : 0) << ou;
        for (long long noeuds : {5'000LL, 60'000LL}) {
            Budget court = deuxFils;
            court.noeuds = noeuds;
            deux.oublier();
            const Resultat c = deux.resoudre(p, court, Recherche::Valeur);
            EXPECT_LE(c.noeuds, noeuds + 16) << ou << ", " << noeuds << " cards";
            EXPECT_LE(c.borneBasse, a.valeur) << ou << ", " << noeuds << " cards";
            EXPECT_GE(c.borneHaute, a.valeur) << ou << ", " << noeuds << " cards";
            if (c.contratRealisable != -1) {
                EXPECT_EQ(c.contratRealisable, a.valeur > 0 ? 1 : 0) << ou;
            }
        }
    }
}

}  // namespace
