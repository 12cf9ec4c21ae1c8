// Whole deals played by the full rule list for all four seats, at every level,
// adaptive on and off, looking at what each rule that imposed a card did: the
// levels keep their rules off, the lead and following rules of the end of the
// list keep their own promises, and the play engine's invariants hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>

#include "engine/chien.h"
#include "engine/choix.h"
#include "engine/distribution.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "tests/donne_jouee.h"
#include "engine/regles_moteur.h"

namespace {

// The rules each level switches off.
std::set<int> reglesEteintes(int niveau) {
    std::set<int> eteintes;
    if (niveau <= 1) eteintes.insert({8, 13, 28, 56});
    if (niveau <= 2) eteintes.insert({10, 12, 14, 15, 18, 24, 38, 39, 42, 47, 48, 49});
    if (niveau <= 3) eteintes.insert({11, 16, 17, 22, 23, 43});
    return eteintes;
}

// Rules that only remove cards, and the reserved rule: never in the log.
const std::set<int> sansJournal{39, 41, 45, 46, 47, 50, 51, 57, 58, 59, 60, 61, 62, 63, 64, 66, 68, 71};

struct Bilan {
    std::array<int, nbReglesMax + 1> imposees{};
    int cartes = 0;
};

// A legal plain card of the suit below `c` that is not an honour: the earlier
// rules remove honours or whole suits while following, never a small card alone.
bool plusPetiteLegale(const Donne& d, int s, const Table<int, 1, 18>& legal, const Carte& c) {
    for (int i = 1; i <= 18; ++i) {
        const Carte& x = d.mainJoueur[s][i];
        if (legal[i] == 1 && x.couleur == c.couleur && x.valeur < c.valeur && x.valeur < VALET) return true;
    }
    return false;
}

void jouerUneDonne(std::uint64_t graine, int niveau, bool adaptatif, Bilan& bilan) {
    Jeu jeu;
    jeu.hasard.horloge = horlogeDeterministe(graine);
    jeu.options.niveau = niveau;
    jeu.options.optionNiveauAdaptatif = adaptatif;
    jeu.options.optionForceMain = 2;
    for (int k = 1; k <= nbRegles; ++k) jeu.regles.poidsRegle[k] = 60 + static_cast<int>((k * 53 + graine) % 91);
    preparerDonne(jeu, graine);
    Donne& d = jeu.donne;
    const std::string ou = "seed " + std::to_string(graine) + " level " + std::to_string(niveau) +
                           (adaptatif ? " adaptive" : "");
    const std::set<int> eteintes = reglesEteintes(niveau);
    const Connaissances& k = jeu.connaissances;
    const int p = d.preneur;
    const int longue = k.couleurLongue[p];
    const int departLongue = k.nbCartesCouleurDepart[p][longue];
    Table<int, 1, 78> vues;

    while (d.numeroPli <= 18) {
        const int s = d.joueurCourant;
        calculerJouables(jeu, s);
        const Table<int, 1, 18> legal = d.jouable[s];
        const Table<Contrainte, 1, 18> contraintes = d.contrainteJeu[s];
        Table<int, 1, 18> tenues;
        for (int i = 1; i <= 18; ++i) tenues[i] = d.mainJoueur[s][i].enMain;
        const int journalAvant = jeu.regles.nbReglesUtilisees;
        int nbLegales = 0;
        for (int i = 1; i <= 18; ++i) nbLegales += legal[i];

        jouerCarteOrdinateur(jeu, s);
        int joue = 0;
        for (int i = 1; i <= 18; ++i)
            if (tenues[i] && !d.mainJoueur[s][i].enMain) joue = i;
        ASSERT_NE(joue, 0) << ou << " seat " << s << " played nothing";
        ASSERT_EQ(legal[joue], 1) << ou << " an illegal card";
        int restantes = 0;
        for (int i = 1; i <= 18; ++i) {
            restantes += d.jouable[s][i];
            ASSERT_LE(d.jouable[s][i], legal[i]) << ou << " a card made playable by the choice";
        }
        ASSERT_GE(restantes, 1) << ou << " the playable set was emptied";
        const Carte c = d.mainJoueur[s][joue];
        int id = 0;
        for (int j = 1; j <= 78; ++j)
            if (jeu.paquet[j].memeCarte(c)) id = j;
        ASSERT_EQ(vues[id], 0) << ou << " a card played twice";
        vues[id] = 1;
        ++bilan.cartes;

        const int journal = jeu.regles.nbReglesUtilisees;
        ASSERT_LE(journal - journalAvant, 1) << ou;
        if (journal == journalAvant) {
            // The choice runs only with two cards or more to choose from.
            if (nbLegales >= 2) {
                ASSERT_EQ(jeu.regles.carteChoisie, 0) << ou << " a card imposed without a log entry";
            }
        } else {
            const int regle = jeu.regles.regleUtilisee[journal];
            ASSERT_EQ(jeu.regles.joueurRegleUtilisee[journal], s) << ou;
            ASSERT_EQ(restantes, 1) << ou << " rule " << regle << " logged but did not impose";
            ASSERT_EQ(eteintes.count(regle), 0u) << ou << " rule " << regle << " is off at this level";
            ASSERT_EQ(sansJournal.count(regle), 0u) << ou << " rule " << regle << " only removes cards";
            ++bilan.imposees[static_cast<std::size_t>(regle)];
            switch (regle) {
            case 73:
            case 72:
                EXPECT_TRUE(estAtout(c) && c.valeur >= 2) << ou << " rule " << regle;
                if (regle == 72) {
                    EXPECT_EQ(contraintes[joue].code, 2) << ou;
                }
                break;
            case 48:
                EXPECT_EQ(c.couleur, longue) << ou;
                if (c.valeur == DAME) {
                    EXPECT_LE(departLongue, 8) << ou << " a Dame led from a long suit of " << departLongue;
                }
                break;
            case 49:
                EXPECT_EQ(c.couleur, longue) << ou;
                break;
            case 69:
            case 70:
                if (estCouleur(c.couleur)) {
                    EXPECT_FALSE(plusPetiteLegale(d, s, legal, c)) << ou << " rule " << regle;
                } else {
                    EXPECT_TRUE(estAtout(c) && c.valeur >= 2) << ou << " rule " << regle;
                }
                break;
            case 56:
                EXPECT_TRUE(estCouleur(c.couleur) && c.valeur <= VALET) << ou;
                break;
            case 52:
            case 53:
            case 40:
                EXPECT_TRUE(estAtout(c) && c.valeur >= 2) << ou << " rule " << regle;
                break;
            default: break;
            }
        }

        apresCarte(jeu);
        if (d.nbCartesPli == 0) {
            for (int t = 1; t <= 4; ++t) d.pliEnCours[t] = Carte{};
            d.etatAttente = 0;
            d.pliAffiche = 0;
        }
    }
    EXPECT_EQ(d.pointsPreneur + d.pointsDefense, 182) << ou;
    EXPECT_LE(jeu.regles.nbReglesUtilisees, 68) << ou;
}

TEST(SoakRegles38a74, LesReglesDeFinDeListeATousLesNiveaux) {
    constexpr int donnes = 1500;
    std::array<Bilan, 5> parNiveau;
    for (int niveau = 1; niveau <= 4; ++niveau)
        for (const bool adaptatif : {false, true})
            for (int n = 0; n < donnes; ++n) {
                jouerUneDonne(static_cast<std::uint64_t>(7000000 + niveau * 100000 + adaptatif * 50000 + n), niveau,
                              adaptatif, parNiveau[static_cast<std::size_t>(niveau)]);
                if (::testing::Test::HasFatalFailure()) return;
            }
    for (int niveau = 1; niveau <= 4; ++niveau)
        EXPECT_EQ(parNiveau[static_cast<std::size_t>(niveau)].cartes, 2 * donnes * 72) << niveau;
    // At Pro the imposing rules of the end of the list are seen at work.
    const Bilan& pro = parNiveau[4];
    for (const int regle : {38, 40, 42, 43, 44, 48, 49, 52, 53, 54, 55, 56, 65, 67, 69, 70, 72, 73, 74})
        EXPECT_GT(pro.imposees[static_cast<std::size_t>(regle)], 0) << "rule " << regle;
    // And the level switches off its own rules only.
    EXPECT_EQ(parNiveau[1].imposees[56], 0);
    EXPECT_EQ(parNiveau[2].imposees[48], 0);
    EXPECT_GT(parNiveau[2].imposees[56], 0);
    EXPECT_GT(parNiveau[3].imposees[48], 0);
}

}  // namespace
