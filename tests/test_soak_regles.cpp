// Whole deals played by the rule engine for all four seats, at every level,
// with the adaptive level on and off: every card legal, the playable set never
// emptied, and the rules that are never weighed always seen at work.
#include <gtest/gtest.h>

#include <string>

#include "engine/chien.h"
#include "engine/choix.h"
#include "engine/distribution.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "tests/donne_jouee.h"
#include "tools/autoplay/verification.h"

namespace {

// The legal cards by the rules of the game, from the check written apart from the trick engine.
Table<int, 1, 18> cartesLegales(const Donne& d, int siege) {
    Carte pli[4];
    for (int i = 0, s = d.joueurEntame; i < d.nbCartesPli; ++i, s = siegeSuivant(s)) pli[i] = d.pliEnCours[s];
    Table<int, 1, 18> legal;
    const Main& m = d.mainJoueur[siege];
    for (int i = 1; i <= 18; ++i) legal[i] = m[i].enMain && carteLegale(m, m[i], pli, d.nbCartesPli) ? 1 : 0;
    return legal;
}

int tenueDe(const Main& m, int couleur, int valeur) {
    for (int i = 1; i <= 18; ++i)
        if (m[i].enMain && m[i].couleur == couleur && m[i].valeur == valeur) return i;
    return 0;
}

struct Bilan {
    int cartes = 0;
    int excusesAuPli17 = 0;
    int entamesAvecPetit = 0;
    int capturesDuPetit = 0;
    int excusesGardeesALEntame = 0;
};

void jouerUneDonne(std::uint64_t graine, int niveau, bool adaptatif, Bilan& bilan) {
    Jeu jeu;
    jeu.hasard.horloge = horlogeDeterministe(graine);
    jeu.options.niveau = niveau;
    jeu.options.optionNiveauAdaptatif = adaptatif;
    jeu.options.optionForceMain = 2;
    if (adaptatif) {
        for (int k = 1; k <= nbRegles; ++k) jeu.regles.poidsRegle[k] = 60 + static_cast<int>((k * 37 + graine) % 91);
    }
    preparerDonne(jeu, graine);
    Donne& d = jeu.donne;
    const std::string ou = "seed " + std::to_string(graine) + " level " + std::to_string(niveau) +
                           (adaptatif ? " adaptive" : "");

    while (d.numeroPli <= 18) {
        const int s = d.joueurCourant;
        const int position = d.nbCartesPli + 1;
        calculerJouables(jeu, s);
        const Table<int, 1, 18> legal = cartesLegales(d, s);
        ASSERT_EQ(d.jouable[s], legal) << ou << " trick " << d.numeroPli << " seat " << s;
        int nbLegales = 0;
        for (int i = 1; i <= 18; ++i) nbLegales += legal[i];
        ASSERT_GE(nbLegales, 1) << ou;

        const int p = d.preneur;
        const int excuse = tenueDe(d.mainJoueur[s], ATOUT, EXCUSE);
        const auto estPetit = [](const Carte& x) { return x.couleur == ATOUT && x.valeur == PETIT; };
        const bool petitAuPli = (position >= 2 && estPetit(d.pliEnCours[d.joueurEntame])) ||
                                (position == 3 && estPetit(d.pliEnCours[siegeSuivant(d.joueurEntame)]));
        const bool petitEnMain = tenueDe(d.mainJoueur[s], ATOUT, PETIT) != 0;
        const int maitre = jeu.connaissances.atoutMaitre[s];
        const int slotMaitre = maitre >= 2 ? tenueDe(d.mainJoueur[s], ATOUT, maitre) : 0;
        const int pli = d.numeroPli;
        bool aCarteOrdinaire = false;
        for (int i = 1; i <= 18; ++i) {
            const Carte& x = d.mainJoueur[s][i];
            aCarteOrdinaire = aCarteOrdinaire || (x.enMain && (x.couleur == ATOUT ? x.valeur >= 2 : x.valeur <= 10));
        }

        Table<int, 1, 18> avant;
        for (int i = 1; i <= 18; ++i) avant[i] = d.mainJoueur[s][i].enMain;
        jouerCarteOrdinateur(jeu, s);
        int joue = 0;
        for (int i = 1; i <= 18; ++i)
            if (avant[i] && !d.mainJoueur[s][i].enMain) joue = i;
        ASSERT_NE(joue, 0) << ou << " seat " << s << " played nothing";
        ASSERT_EQ(legal[joue], 1) << ou << " seat " << s << " played an illegal card";
        int restantes = 0;
        for (int i = 1; i <= 18; ++i) {
            restantes += d.jouable[s][i];
            ASSERT_LE(d.jouable[s][i], legal[i]) << ou << " a card made playable by the choice";
        }
        ASSERT_GE(restantes, 1) << ou << " the playable set was emptied";
        if (nbLegales >= 2 && jeu.regles.carteChoisie == 1) {
            ASSERT_EQ(restantes, 1) << ou;
        }
        const Carte c = d.mainJoueur[s][joue];
        ++bilan.cartes;

        if (s != d.joueurHumain) {
            if (excuse != 0 && pli == 17) {
                EXPECT_EQ(joue, excuse) << ou << ": the Excuse is kept past trick 17";
                ++bilan.excusesAuPli17;
            }
            if (position == 1 && petitEnMain && nbLegales >= 2) {
                EXPECT_FALSE(estPetit(c)) << ou << ": the Petit led with other cards in hand";
                ++bilan.entamesAvecPetit;
            }
            // The taker second or third to a trick holding the Petit takes it
            // with the master trump whenever that trump may be played.
            if (s == p && petitAuPli && (position == 2 || position == 3) && slotMaitre != 0 && legal[slotMaitre] &&
                !(pli == 17 && excuse != 0)) {
                EXPECT_EQ(joue, slotMaitre) << ou << ": the taker let the Petit go";
                ++bilan.capturesDuPetit;
            }
            // The Excuse is not led by the taker or the seat right before it.
            // Against a Garde Sans or Contre the Kings' rule may have left it
            // alone already, and an honour-keeping rule may strip a hand of
            // honours: a plain card it cannot touch keeps the test sound.
            if (position == 1 && excuse != 0 && pli != 17 && d.contrat <= GARDE && aCarteOrdinaire &&
                (s == p || siegeSuivant(s) == p)) {
                EXPECT_NE(joue, excuse) << ou << ": the Excuse led in front of the taker";
                ++bilan.excusesGardeesALEntame;
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
    for (int i = 1; i <= jeu.regles.nbReglesUtilisees; ++i) {
        EXPECT_GE(jeu.regles.regleUtilisee[i], 1) << ou;
        EXPECT_LE(jeu.regles.regleUtilisee[i], nbReglesMax) << ou;
    }
}

TEST(SoakRegles, DonnesEntieresATousLesNiveaux) {
    Bilan bilan;
    constexpr int donnesParReglage = 1000;
    for (int niveau = 1; niveau <= 4; ++niveau) {
        for (const bool adaptatif : {false, true}) {
            for (int n = 0; n < donnesParReglage; ++n) {
                jouerUneDonne(static_cast<std::uint64_t>(niveau * 100000 + adaptatif * 50000 + n), niveau, adaptatif,
                              bilan);
                if (::testing::Test::HasFatalFailure()) return;
            }
        }
    }
    EXPECT_EQ(bilan.cartes, 4 * 2 * donnesParReglage * 72);
    // The signatures were really put to the test.
    EXPECT_GT(bilan.excusesAuPli17, 100);
    EXPECT_GT(bilan.entamesAvecPetit, 1000);
    EXPECT_GT(bilan.capturesDuPetit, 5);
    EXPECT_GT(bilan.excusesGardeesALEntame, 500);
}

}  // namespace
