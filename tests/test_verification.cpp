#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "flow/minuteurs_manuels.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "tools/autoplay/partie_auto.h"
#include "tools/autoplay/verification.h"

namespace {

using Faute = std::function<void(Jeu&)>;

// Plays deals under the invariant checks; at the given card of the first deal
// played the knowledge is corrupted, as a faulty engine would.
class Corrupteur : public Controleur {
public:
    Corrupteur(Jeu& jeu, int carte, Faute faute) : jeu_(jeu), carte_(carte), faute_(std::move(faute)) {}
    void debutJeu(const Jeu& j) override { verificateur.debutJeu(j); }
    bool apresCarteJouee(const Jeu& j, int siege, int slot) override {
        if (++cartes_ == carte_ && faute_) faute_(jeu_);
        return verificateur.apresCarteJouee(j, siege, slot);
    }
    bool apresPli(const Jeu& j) override { return verificateur.apresPli(j); }
    VerificateurInvariants verificateur;

private:
    Jeu& jeu_;
    int carte_;
    Faute faute_;
    int cartes_ = 0;
};

// The first deal somebody bids on, played with the fault; the checker's verdict.
std::string jouerAvecFaute(int carte, Faute faute) {
    Jeu jeu;
    MinuteursManuels minuteurs;
    jeu.minuteurs = &minuteurs;
    jeu.hasard.horloge = horlogeDeterministe(44);
    initialiserPartie(jeu);
    optionsParDefaut(jeu);
    Corrupteur c(jeu, carte, std::move(faute));
    for (int donne = 0; donne < 20; ++donne) {
        nouvelleDonne(jeu, 0);
        const IssueDonne issue = jouerDonneAutomatique(jeu, minuteurs, c);
        if (issue == IssueDonne::SansPreneur) continue;
        return issue == IssueDonne::Jouee ? std::string("no fault found") : c.verificateur.erreur();
    }
    return "nobody bid";
}

// A card still held by some seat: its seat, suit and value.
struct Tenue { int siege, couleur, valeur; };
Tenue uneCarteTenue(const Jeu& jeu, bool atout) {
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 18; ++i) {
            const Carte& c = jeu.donne.mainJoueur[s][i];
            if (c.enMain && (c.couleur == ATOUT) == atout && !(atout && c.valeur == 0)) return {s, c.couleur, c.valeur};
        }
    return {0, 0, 0};
}

}  // namespace

TEST(Verification, UnJeuSansFautePasse) { EXPECT_EQ(jouerAvecFaute(0, nullptr), "no fault found"); }

// Each fault, made after the 9th card, is caught at once, by what it breaks.
TEST(Verification, ChaqueFauteDeConnaissanceEstVue) {
    struct Cas { const char* quoi; Faute faute; const char* attendu; };
    const Cas cas[] = {
        {"an exclusion taken back",
         [](Jeu& j) {
             const Tenue t = uneCarteTenue(j, false);
             const int autre = t.siege % 4 + 1;
             j.connaissances.possibleCouleur[t.siege][autre][t.couleur][t.valeur] = POSSIBLE;
         },
         "took back an exclusion"},
        {"a trump exclusion taken back",
         [](Jeu& j) {
             const Tenue t = uneCarteTenue(j, true);
             j.connaissances.possibleAtout[t.siege][t.siege % 4 + 1][t.valeur] = POSSIBLE;
         },
         "took back a trump exclusion"},
        {"a seat forgets its own card",
         [](Jeu& j) {
             const Tenue t = uneCarteTenue(j, false);
             j.connaissances.localisationCouleur[t.siege][t.couleur][t.valeur] = NON_PLACE;
         },
         "forgot where a suit card was"},
        {"a held card placed with another seat",
         [](Jeu& j) {
             const Tenue t = uneCarteTenue(j, true);
             const int o = t.siege % 4 + 1;
             j.connaissances.localisationAtout[o][t.valeur] = o;
         },
         "of seat"},
        {"a seat excluded from its own card",
         [](Jeu& j) {
             const Tenue t = uneCarteTenue(j, false);
             const int o = t.siege % 4 + 1;
             j.connaissances.possibleCouleur[o][t.siege][t.couleur][t.valeur] = EXCLU;
         },
         "from its own card"},
    };
    for (const auto& c : cas) {
        const std::string verdict = jouerAvecFaute(9, c.faute);
        EXPECT_NE(verdict.find(c.attendu), std::string::npos) << c.quoi << ": " << verdict;
    }
}

namespace {

// After every card, the whole deduction pass run on a copy of the game finds
// nothing more than the pass after the card found; and counts the cards the
// taker's view of the tables placed by deduction, to show the pass works.
class PasseEntiere : public Controleur {
public:
    bool apresCarteJouee(const Jeu& jeu, int, int) override {
        Jeu copie = jeu;
        deduireConnaissances(copie);
        const Connaissances& a = jeu.connaissances;
        const Connaissances& b = copie.connaissances;
        if (!(a.localisationCouleur == b.localisationCouleur) || !(a.possibleCouleur == b.possibleCouleur) ||
            !(a.ecartLocalise == b.ecartLocalise) || !(a.restantCouleur == b.restantCouleur) ||
            !(a.restantAtout == b.restantAtout)) {
            ++ecarts;
        }
        for (int o = 1; o <= 4; ++o)
            for (int c = 1; c <= 4; ++c)
                for (int v = 1; v <= 14; ++v) {
                    const int lieu = a.localisationCouleur[o][c][v];
                    if (lieu >= 1 && lieu <= 4 && lieu != o && a.detenteurCouleur[c][v] == lieu) ++placees;
                }
        return true;
    }
    int ecarts = 0;
    long long placees = 0;
};

}  // namespace

TEST(Verification, LaDeductionApresUneCarteTrouveCeQueTrouveLaPasseEntiere) {
    Jeu jeu;
    MinuteursManuels minuteurs;
    jeu.minuteurs = &minuteurs;
    jeu.hasard.horloge = horlogeDeterministe(71);
    initialiserPartie(jeu);
    optionsParDefaut(jeu);
    PasseEntiere controle;
    int jouees = 0;
    for (int donne = 0; jouees < 150 && donne < 1000; ++donne) {
        nouvelleDonne(jeu, 0);
        if (jouerDonneAutomatique(jeu, minuteurs, controle) == IssueDonne::Jouee) ++jouees;
    }
    EXPECT_EQ(jouees, 150);
    EXPECT_EQ(controle.ecarts, 0);
    EXPECT_GT(controle.placees, 0) << "some card of another seat was placed by deduction";
}

namespace {

class VueQuiCompte : public Vue {
public:
    explicit VueQuiCompte(bool montre) : montre_(montre) {}
    void afficherDeductions(const Deductions&) override { ++appels; }
    bool montreDeductions() const override { return montre_; }
    int appels = 0;

private:
    bool montre_;
};

}  // namespace

TEST(Verification, LesDeductionsNeSontEcritesQuePourUneTableQuiLesMontre) {
    for (bool montre : {true, false}) {
        Jeu jeu;
        MinuteursManuels minuteurs;
        VueQuiCompte vue(montre);
        jeu.minuteurs = &minuteurs;
        jeu.vue = &vue;
        jeu.hasard.horloge = horlogeDeterministe(5);
        initialiserPartie(jeu);
        optionsParDefaut(jeu);
        Controleur sansControle;
        IssueDonne issue = IssueDonne::SansPreneur;
        for (int donne = 0; donne < 20 && issue != IssueDonne::Jouee; ++donne) {
            nouvelleDonne(jeu, 0);
            issue = jouerDonneAutomatique(jeu, minuteurs, sansControle);
        }
        ASSERT_EQ(issue, IssueDonne::Jouee);
        // The panel follows the build, every card and every trick but the last.
        if (montre) { EXPECT_EQ(vue.appels, 1 + 72 + 17); }
        else { EXPECT_EQ(vue.appels, 0); }
    }
}
