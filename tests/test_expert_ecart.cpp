// The Expert taker's discard: the discards it weighs are lawful, the one it
// keeps is set aside as the game's own would be, the hands it imagines keep
// every card once and agree with the auction, and a play-out ends the deal
// with the score the game would give.
#include <gtest/gtest.h>

#include <set>

#include "engine/chien.h"
#include "engine/distribution.h"
#include "engine/evaluation.h"
#include "engine/jeu.h"
#include "expert/ecart_expert.h"
#include "expert/expert.h"
#include "expert/simulation.h"
#include "scoring/score.h"
#include "tools/duel/duel.h"

namespace {

// A deal whose auction, by the computers' rule, names a Prise or Garde taker;
// the dog is shown and the taker has not discarded yet.
bool donneAvantEcart(Jeu& jeu, std::uint64_t n) {
    jeu.hasard.horloge = horlogeDeterministe(n + 101);
    jeu.options.niveau = 4;
    distribuer(jeu, 0);
    Donne& d = jeu.donne;
    d.enchere.remplir(PASSE);
    int meilleure = PASSE;
    d.preneur = 0;
    for (int i = 0, s = d.premierJoueur; i < 4; ++i, s = siegeSuivant(s))
        if (d.niveauMain[s] > meilleure) {
            d.enchere[s] = meilleure = d.niveauMain[s];
            d.preneur = s;
        }
    if (meilleure != PRISE && meilleure != GARDE) return false;
    d.contrat = meilleure;
    d.numeroPli = 1;
    jeu.regles.nbReglesUtilisees = 0;
    jeu.connaissances.chienMontre = 1;
    return true;
}

int indice(const Carte& c) { return c.couleur * 22 + c.valeur; }

std::set<int> vingtQuatre(const Donne& d) {
    std::set<int> s;
    for (int i = 1; i <= 18; ++i) s.insert(indice(d.mainJoueur[d.preneur][i]));
    for (int i = 1; i <= 6; ++i) s.insert(indice(d.chien[i]));
    return s;
}

TEST(ExpertEcart, LesEcartsPesesSontPermisEtLePremierEstCeluiDuJeu) {
    int donnes = 0;
    for (std::uint64_t n = 0; donnes < 12 && n < 200; ++n) {
        Jeu jeu;
        if (!donneAvantEcart(jeu, n)) continue;
        ++donnes;
        const std::set<int> siennes = vingtQuatre(jeu.donne);
        std::mt19937_64 g(n);
        const std::uint32_t graineJeu = jeu.hasard.graine;
        const std::vector<Ecart> ecarts = ecartsCandidats(jeu, ReglagesEcartExpert{}, g);
        EXPECT_EQ(jeu.hasard.graine, graineJeu) << "the game's generator is never drawn";
        ASSERT_FALSE(ecarts.empty());
        std::set<std::set<int>> differents;
        for (const Ecart& e : ecarts) {
            std::set<int> cartes;
            for (const Carte& c : e) {
                EXPECT_TRUE(siennes.count(indice(c))) << "deal " << n << ": a card the taker does not hold";
                EXPECT_TRUE(c.couleur != ATOUT && c.valeur != ROI) << "deal " << n << ": a trump or a Roi set aside";
                cartes.insert(indice(c));
            }
            EXPECT_EQ(cartes.size(), 6u) << "deal " << n;
            differents.insert(cartes);
        }
        EXPECT_EQ(differents.size(), ecarts.size()) << "deal " << n << ": a discard weighed twice";

        Jeu regle = jeu;
        ecartOrdinateur(regle);
        std::set<int> sienne, premiere;
        for (int i = 1; i <= 6; ++i) sienne.insert(indice(regle.donne.chien[i]));
        for (const Carte& c : ecarts[0]) premiere.insert(indice(c));
        EXPECT_EQ(premiere, sienne) << "deal " << n;
    }
    EXPECT_EQ(donnes, 12);
}

TEST(ExpertEcart, LEcartChoisiEstMisDeCoteCommeLeJeuLeFerait) {
    int donnes = 0;
    for (std::uint64_t n = 0; donnes < 4 && n < 200; ++n) {
        Jeu jeu;
        if (!donneAvantEcart(jeu, n)) continue;
        ++donnes;
        const std::set<int> siennes = vingtQuatre(jeu.donne);
        ReglagesEcartExpert r;
        r.echantillons = 4;
        r.echantillonsFinale = 4;
        std::mt19937_64 g1(7), g2(7);
        const Ecart e = choisirEcartExpert(jeu, r, g1);
        const Ecart f = choisirEcartExpert(jeu, r, g2);
        for (std::size_t i = 0; i < 6; ++i) EXPECT_TRUE(e[i].memeCarte(f[i])) << "the same stream, the same discard";

        appliquerEcart(jeu, e);
        const Donne& d = jeu.donne;
        EXPECT_EQ(vingtQuatre(d), siennes) << "deal " << n;
        for (int i = 1; i <= 18; ++i) {
            EXPECT_TRUE(d.mainJoueur[d.preneur][i].enMain);
            if (i > 1) {
                EXPECT_TRUE(avantDansLaMain(d.mainJoueur[d.preneur][i - 1], d.mainJoueur[d.preneur][i]));
            }
        }
        for (int i = 1; i <= 6; ++i) {
            if (i > 1) {
                EXPECT_TRUE(avantDansLaMain(d.chien[i - 1], d.chien[i]));
            }
            const int o = d.origineEcart[i];
            ASSERT_TRUE(o >= 1 && o <= 24) << "deal " << n;
            const Carte& source = o <= 18 ? d.mainInitiale[d.preneur][o] : d.chienInitial[o - 18];
            EXPECT_TRUE(source.memeCarte(d.chien[i])) << "deal " << n << ": where card " << i << " came from";
        }
    }
    EXPECT_EQ(donnes, 4);
}

// Every imagined deal holds each card once, leaves the taker's cards and the
// dog alone, and mostly agrees with the auction the computers made.
TEST(ExpertEcart, LesMainsImagineesAccordentLEnchere) {
    // A deal where a seat bid before the taker outbid it: its hand is rated exactly that bid.
    Jeu jeu;
    const auto autreEnchere = [](const Donne& d) {
        for (int s = 1; s <= 4; ++s)
            if (s != d.preneur && d.enchere[s] > PASSE) return true;
        return false;
    };
    std::uint64_t n = 0;
    while (n < 500 && !(donneAvantEcart(jeu, n) && autreEnchere(jeu.donne))) ++n;
    ASSERT_LT(n, 500u);
    jeu.donne.joueurHumain = 0;  // every seat a computer: every bid tells
    const Donne& vraie = jeu.donne;
    std::mt19937_64 g(3);
    int accords = 0, accordsSansEssai = 0;
    for (int k = 0; k < 40; ++k) {
        for (int essais : {200, 1}) {
            Jeu j = copieImaginaire(jeu, g);
            distribuerCachees(j, g, j.donne.preneur, true, essais);
            const Donne& d = j.donne;
            std::set<int> toutes;
            for (int s = 1; s <= 4; ++s)
                for (int i = 1; i <= 18; ++i) toutes.insert(indice(d.mainJoueur[s][i]));
            for (int i = 1; i <= 6; ++i) toutes.insert(indice(d.chien[i]));
            EXPECT_EQ(toutes.size(), 78u);
            for (int i = 1; i <= 18; ++i)
                EXPECT_TRUE(d.mainJoueur[d.preneur][i].memeCarte(vraie.mainJoueur[vraie.preneur][i]));
            for (int i = 1; i <= 6; ++i) EXPECT_TRUE(d.chien[i].memeCarte(vraie.chien[i]));
            bool accord = true;
            int meilleure = PASSE;
            for (int i = 0, s = d.premierJoueur; i < 4; ++i, s = siegeSuivant(s)) {
                const int note = evaluerMain(d, s);
                if (s != d.preneur) accord = accord && (d.enchere[s] > PASSE ? note == d.enchere[s] : note <= meilleure);
                meilleure = std::max(meilleure, d.enchere[s]);
            }
            (essais == 1 ? accordsSansEssai : accords) += accord;
        }
    }
    EXPECT_GE(accords, 36);
    EXPECT_GT(accords, accordsSansEssai) << "the draws kept must agree more often than the first draw";
}

TEST(ExpertEcart, UneDonneImagineeSeJoueJusquAuBoutAuScoreDuJeu) {
    for (std::uint64_t n = 0, donnes = 0; donnes < 5 && n < 200; ++n) {
        Jeu jeu;
        if (!donneAvantEcart(jeu, n)) continue;
        ++donnes;
        std::mt19937_64 g(n);
        Jeu j = copieImaginaire(jeu, g);
        distribuerCachees(j, g, j.donne.preneur, true);
        ecartOrdinateur(j);
        const int score = jouerJusquAuBout(j);
        EXPECT_EQ(j.donne.numeroPli, 19);
        for (int s = 1; s <= 4; ++s)
            for (int i = 1; i <= 18; ++i) EXPECT_FALSE(j.donne.mainJoueur[s][i].enMain);
        EXPECT_EQ(score, calculerScoreDonne(j)) << "deal " << n;
    }
}

}  // namespace

namespace {

// The Expert's bid is a lawful one (a pass or above the best bid), the same
// for the same stream, and it draws nothing from the game's generator.
TEST(ExpertEnchere, UneEnchereLicite) {
    int donnes = 0;
    for (std::uint64_t n = 0; donnes < 6 && n < 100; ++n) {
        Jeu jeu;
        jeu.hasard.horloge = horlogeDeterministe(n + 301);
        distribuer(jeu, 0);
        Donne& d = jeu.donne;
        d.enchere.remplir(PAS_ENCORE_PARLE);
        // The first seat has bid its rating; the second speaks.
        const int premier = d.premierJoueur;
        d.enchere[premier] = d.niveauMain[premier];
        d.meilleureEnchere = d.niveauMain[premier];
        if (d.meilleureEnchere >= GARDE_CONTRE) continue;
        ++donnes;
        const int siege = siegeSuivant(premier);
        ReglagesEnchereExpert r;
        r.echantillons = 6;
        r.echantillonsFinale = 6;
        const std::uint32_t graineJeu = jeu.hasard.graine;
        std::mt19937_64 g1(n), g2(n);
        const int e = choisirEnchereExpert(jeu, siege, r, g1);
        EXPECT_EQ(choisirEnchereExpert(jeu, siege, r, g2), e) << "deal " << n;
        EXPECT_EQ(jeu.hasard.graine, graineJeu);
        EXPECT_TRUE(e == PASSE || (e > d.meilleureEnchere && e <= GARDE_CONTRE)) << "deal " << n << ": " << e;
    }
    EXPECT_EQ(donnes, 6);
}

}  // namespace

namespace {

// A small duel kept in the suite: the Expert (sampling its last five tricks,
// so that it runs in a second, with its bids counted seat by seat and its
// discard) must beat Pro on these deals. Both generators follow the seed, so
// the result is fixed unless the Expert's play changes.
TEST(ExpertForce, ExpertBatProSurUnPetitDuel) {
    ParametresDuel p;
    std::string erreur;
    const char* const args[] = {"belvane-duel", "--a", "5", "--b", "4", "--deals", "40", "--seed", "22",
                                "--expert-tricks", "5", "--expert-nodes", "0"};
    ASSERT_TRUE(analyserArgumentsDuel(13, args, p, erreur)) << erreur;
    const ResultatDuel equipe = jouerDuel(p, nullptr);
    ASSERT_EQ(equipe.erreur, "");
    EXPECT_GT(equipe.ecart.moyenne(), 0.0) << rapportDuel(p, equipe);
    p.parSiege = true;
    p.deals = 20;
    const ResultatDuel siege = jouerDuel(p, nullptr);
    ASSERT_EQ(siege.erreur, "");
    EXPECT_GT(siege.ecart.moyenne(), 0.0) << rapportDuel(p, siege);
}

}  // namespace
