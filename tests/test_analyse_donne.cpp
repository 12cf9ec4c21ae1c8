// The open-cards analysis of a played deal: the deal read from the deal
// tables, the lines worked out from the values of the positions, and the
// solving from the last trick back.
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "analyse/analyse_donne.h"
#include "tests/donne_analysee.h"

namespace {

struct DonneDeTest {
    Jeu jeu;
    MinuteursManuels minuteurs;
    explicit DonneDeTest(std::uint64_t graine) { jouerDonneAnalysee(jeu, minuteurs, graine); }
};

Resultat exact(int v, Carte meilleure = Carte{}) {
    Resultat r;
    r.exact = true;
    r.valeur = r.borneBasse = r.borneHaute = v;
    if (meilleure.couleur != SANS_COULEUR) {
        r.meilleures.nb = 1;
        r.meilleures.cartes[0] = meilleure;
    }
    return r;
}

Resultat bornes(int bas, int haut) {
    Resultat r;
    r.borneBasse = bas;
    r.borneHaute = haut;
    return r;
}

// The first card after `apres` played by the taker's side (or the defence's).
int carteDuCamp(const AnalyseDonne& a, bool preneur, int apres = 0) {
    for (int k = apres + 1; k <= a.nbCartes(); ++k)
        if ((a.siege(k) == a.position(0).preneur) == preneur) return k;
    return 0;
}

}  // namespace

TEST(AnalyseDonne, LaDonneDesTablesSeRejoueJusquAuScore) {
    for (std::uint64_t graine : {3u, 11u, 29u}) {
        DonneDeTest t(graine);
        const Donne& d = t.jeu.donne;
        ASSERT_EQ(d.numeroPli, 19) << graine;
        DonneJouee jouee;
        std::string erreur;
        ASSERT_TRUE(donneDesTables(d, jouee, &erreur)) << graine << ": " << erreur;
        ASSERT_EQ(jouee.cartes.size(), 72u);
        const AnalyseDonne a(jouee);
        ASSERT_TRUE(a.valide());
        EXPECT_TRUE(donneFinie(a.position(72)));
        // The walk reaches the score the game gave (no handful in these deals).
        if (d.poigneeHumain == 0 && d.siegePoignee == 0) {
            EXPECT_EQ(scoreFinal(a.position(72)), calculerScoreDonne(t.jeu)) << graine;
        }
        // Each trick's cards are those the review windows show, and the leader follows the winner.
        for (int pli = 1; pli <= 18; ++pli) {
            EXPECT_EQ(a.position((pli - 1) * 4).entameur, d.entameurPli[pli]) << graine << " trick " << pli;
            for (int n = 1; n <= 4; ++n) {
                const int k = (pli - 1) * 4 + n;
                EXPECT_TRUE(a.carte(k).memeCarte(d.mainJoueur[a.siege(k)][d.carteJouee[a.siege(k)][pli]]));
            }
        }
    }
}

TEST(AnalyseDonne, DesTablesQuiNeSontPasUneDonneJoueeSontRefusees) {
    DonneDeTest t(5);
    struct Cas {
        const char* quoi;
        void (*abimer)(Donne&);
    };
    const Cas cas[] = {
        {"the deal is not over", [](Donne& d) { d.numeroPli = 18; }},
        {"no taker", [](Donne& d) { d.preneur = 0; }},
        {"a card played twice", [](Donne& d) { d.carteJouee[2][5] = d.carteJouee[2][4]; }},
        {"a trick without a leader", [](Donne& d) { d.entameurPli[7] = 0; }},
        {"a card twice in the hands", [](Donne& d) { d.mainJoueur[3][1] = d.mainJoueur[4][1]; }},
    };
    for (const Cas& c : cas) {
        Donne d = t.jeu.donne;
        c.abimer(d);
        DonneJouee jouee;
        std::string erreur;
        EXPECT_FALSE(donneDesTables(d, jouee, &erreur)) << c.quoi;
        EXPECT_FALSE(erreur.empty()) << c.quoi;
    }
}

TEST(AnalyseDonne, LesLignesSuiventLesValeurs) {
    DonneDeTest t(7);
    DonneJouee jouee;
    ASSERT_TRUE(donneDesTables(t.jeu.donne, jouee));
    const AnalyseDonne base(jouee);
    const int kP = carteDuCamp(base, true, 8);   // a card of the taker
    const int kD = carteDuCamp(base, false, 8);  // a card of the defence
    ASSERT_GT(kP, 0);
    ASSERT_GT(kD, 0);
    const Carte mieux = carte(ATOUT, 21);

    struct Cas {
        const char* quoi;
        bool preneur;
        Resultat avant, apres;
        bool ligne;
        int cout;
        bool auMoins;
        Bascule bascule;
    };
    const Cas cas[] = {
        {"the taker keeps the value", true, exact(60, mieux), exact(60), false, 0, false, Bascule::Aucune},
        {"the taker loses 30 and still makes it", true, exact(90, mieux), exact(60), true, 30, false, Bascule::Aucune},
        {"the taker loses the contract", true, exact(60, mieux), exact(-90), true, 150, false, Bascule::ContratPerdu},
        {"the defence lets the contract through", false, exact(-40, mieux), exact(50), true, 90, false,
         Bascule::ContratRealisable},
        {"the defence gives 30 on a made contract", false, exact(100, mieux), exact(130), true, 30, false,
         Bascule::Aucune},
        {"the defence keeps the value", false, exact(-40, mieux), exact(-40), false, 0, false, Bascule::Aucune},
        {"bounds prove at least 40", true, exact(60, mieux), bornes(-200, 20), true, 40, true, Bascule::Aucune},
        {"bounds prove the contract lost", true, exact(60, mieux), bornes(-300, -10), true, 70, true,
         Bascule::ContratPerdu},
        {"bounds that prove nothing: not settled", true, exact(60, mieux), bornes(-200, 80), true, 0, false,
         Bascule::Aucune},
        {"bounds that prove no loss", false, bornes(-50, 10), exact(-50), false, 0, false, Bascule::Aucune},
    };
    for (const Cas& c : cas) {
        AnalyseDonne a(jouee);
        const int k = c.preneur ? kP : kD;
        for (int i = 0; i <= a.nbCartes(); ++i) a.noterResultat(i, exact(0));
        a.noterResultat(k - 1, c.avant);
        a.noterResultat(k, c.apres);
        const std::vector<LigneAnalyse> lignes = a.lignes();
        std::vector<LigneAnalyse> siennes;
        for (const LigneAnalyse& l : lignes)
            if (l.numero == k) siennes.push_back(l);
        ASSERT_EQ(siennes.size(), c.ligne ? 1u : 0u) << c.quoi;
        if (!c.ligne) continue;
        const LigneAnalyse& l = siennes[0];
        // Bounds that leave room for both: a line marked not settled.
        const bool etablie = c.cout > 0;
        EXPECT_EQ(l.etablie, etablie) << c.quoi;
        if (!etablie) continue;
        EXPECT_EQ(l.preneur, c.preneur) << c.quoi;
        EXPECT_EQ(l.cout, c.cout) << c.quoi;
        EXPECT_EQ(l.auMoins, c.auMoins) << c.quoi;
        EXPECT_EQ(l.bascule, c.bascule) << c.quoi;
        EXPECT_EQ(l.siege, a.siege(k)) << c.quoi;
        EXPECT_EQ(l.pli, (k - 1) / 4 + 1) << c.quoi;
        EXPECT_TRUE(l.carte.memeCarte(a.carte(k))) << c.quoi;
        ASSERT_TRUE(l.avecMeilleure) << c.quoi;
        EXPECT_TRUE(l.meilleure.memeCarte(mieux)) << c.quoi;
    }
}

TEST(AnalyseDonne, CeQuiNEstPasEtabliFaitUneLigneParSuite) {
    DonneDeTest t(7);
    DonneJouee jouee;
    ASSERT_TRUE(donneDesTables(t.jeu.donne, jouee));
    AnalyseDonne a(jouee);
    // Positions 30..72 settled at 0; 0..29 never tried: cards 1..30 may each
    // have moved the value.
    for (int k = 30; k <= 72; ++k) a.noterResultat(k, exact(0));
    std::vector<LigneAnalyse> lignes = a.lignes();
    ASSERT_EQ(lignes.size(), 1u);
    EXPECT_FALSE(lignes[0].etablie);
    EXPECT_EQ(lignes[0].numero, 1);
    EXPECT_EQ(lignes[0].numeroFin, 30);
    const BilanAnalyse b = a.bilan();
    EXPECT_FALSE(b.departEtabli);
    EXPECT_EQ(b.realisable, -1);

    // A settled move in the middle splits the run in two.
    for (int k = 10; k <= 29; ++k) a.noterResultat(k, exact(0));
    const int kD = carteDuCamp(a, false, 15);
    a.noterResultat(kD, exact(40));
    for (int k = kD + 1; k <= 72; ++k) a.noterResultat(k, exact(40));
    lignes = a.lignes();
    ASSERT_EQ(lignes.size(), 2u);
    EXPECT_FALSE(lignes[0].etablie);
    EXPECT_EQ(lignes[0].numeroFin, 10);
    EXPECT_TRUE(lignes[1].etablie);
    EXPECT_EQ(lignes[1].numero, kD);
    EXPECT_EQ(lignes[1].cout, 40);
    EXPECT_EQ(lignes[1].bascule, Bascule::ContratRealisable);
}

TEST(AnalyseDonne, LeBilanDitSiLeContratEtaitRealisable) {
    DonneDeTest t(13);
    DonneJouee jouee;
    ASSERT_TRUE(donneDesTables(t.jeu.donne, jouee));
    struct Cas {
        const char* quoi;
        Resultat depart;
        bool etabli;
        int realisable;
    };
    const Cas cas[] = {
        {"exact and made", exact(75), true, 1},
        {"exact and lost", exact(-75), true, 0},
        {"bounds above the line", bornes(25, 300), false, 1},
        {"bounds below the line", bornes(-300, -25), false, 0},
        {"bounds across the line", bornes(-30, 30), false, -1},
    };
    for (const Cas& c : cas) {
        AnalyseDonne a(jouee);
        a.noterResultat(0, c.depart);
        const BilanAnalyse b = a.bilan();
        EXPECT_EQ(b.departEtabli, c.etabli) << c.quoi;
        EXPECT_EQ(b.realisable, c.realisable) << c.quoi;
        if (c.etabli) {
            EXPECT_EQ(b.valeurDepart, c.depart.valeur) << c.quoi;
        }
        EXPECT_EQ(b.scoreReel, scoreFinal(a.position(72))) << c.quoi;
        EXPECT_EQ(b.contratReussi, b.scoreReel > 0) << c.quoi;
    }
}

TEST(AnalyseDonne, AReculonsDepuisLaFinEtLesMemesValeursQuEnAvant) {
    DonneDeTest t(17);
    DonneJouee jouee;
    ASSERT_TRUE(donneDesTables(t.jeu.donne, jouee));
    const AnalyseDonne a(jouee);
    std::vector<int> ordre;
    std::vector<Resultat> valeurs(73);
    std::atomic<bool> arret{false};
    Solveur solveur(8);
    // Stopped once the last four tricks are done.
    analyserAReculons(
        a, solveur, 60, &arret,
        [&](int k) {
            if (k < 56) arret = true;
            else ordre.push_back(k);
        },
        [&](int k, const Resultat& r) { valeurs[static_cast<std::size_t>(k)] = r; });
    ASSERT_EQ(ordre.size(), 17u);
    for (std::size_t i = 0; i < ordre.size(); ++i) EXPECT_EQ(ordre[i], 72 - static_cast<int>(i));

    // The tool's way: a fresh solver, from the first of those positions on.
    Solveur enAvant(8);
    Budget budget;
    budget.secondes = 60;
    for (int k = 56; k <= 72; ++k) {
        const Resultat r = a.resoudre(enAvant, k, budget);
        ASSERT_TRUE(r.exact) << k;
        ASSERT_TRUE(valeurs[static_cast<std::size_t>(k)].exact) << k;
        EXPECT_EQ(valeurs[static_cast<std::size_t>(k)].valeur, r.valeur) << k;
    }
    EXPECT_EQ(valeurs[72].valeur, scoreFinal(a.position(72)));
}

TEST(AnalyseDonne, LeTempsDeLaDonneEstPartage) {
    DonneDeTest t(19);
    DonneJouee jouee;
    ASSERT_TRUE(donneDesTables(t.jeu.donne, jouee));
    const AnalyseDonne a(jouee);
    Solveur solveur(8);
    std::vector<int> apres;
    // Almost no time: the end of the deal is settled, not the whole deal; the
    // value from the first card still gets its quarter of the time, last.
    analyserAReculons(a, solveur, 0.05, nullptr, nullptr, [&](int k, const Resultat&) { apres.push_back(k); });
    ASSERT_GE(apres.size(), 2u);
    EXPECT_LT(apres.size(), 73u);
    EXPECT_EQ(apres.front(), 72);
    EXPECT_EQ(apres.back(), 0);
}
