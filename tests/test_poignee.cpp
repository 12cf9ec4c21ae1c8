// The handful declaration: the offer, the window's layout, the
// selection rules, the lazy button, OK, cancel, and the premium in the score.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/jeu.h"
#include "engine/pli.h"
#include "flow/deroulement.h"
#include "flow/poignee.h"
#include "scoring/score.h"
#include "tests/aides.h"

namespace {

struct ImagePoignee {
    bool visible = false;
    int gauche = 0;
    int haut = 0;
    Carte carte;
};

// What the handful shows: the window, its 18 images, OK, messages, and the
// main window's hand images and state.
class VuePoignee : public Vue {
public:
    bool offre = false, offreDouble = false, offreTriple = false;
    bool fenetre = false;
    int largeur = 0;
    Table<ImagePoignee, 1, 18> image;
    bool ok = false;
    std::vector<std::string> messages;
    Table<bool, 1, 18> carteMainVisible;
    bool principaleActive = true;
    int nbPremierPlan = 0;

    VuePoignee() { carteMainVisible.remplir(true); }

    void montrerOffrePoignee(bool d, bool t) override {
        offre = true;
        offreDouble = d;
        offreTriple = t;
    }
    void cacherOffrePoignee() override { offre = false; }
    void montrerFenetrePoignee(int l) override {
        fenetre = true;
        largeur = l;
    }
    void fermerFenetrePoignee() override { fenetre = false; }
    void placerCartePoignee(int k, int g, int h, const Carte& c) override { image[k] = {true, g, h, c}; }
    void cacherCartesPoignee() override {
        for (int k = 1; k <= 18; ++k) image[k].visible = false;
    }
    void deplacerCartePoignee(int k, int d) override { image[k].haut += d; }
    void montrerOkPoignee(bool v) override { ok = v; }
    void messagePoignee(const std::string& t) override { messages.push_back(t); }
    void montrerCarteMain(int k, bool v) override { carteMainVisible[k] = v; }
    void activerFenetrePrincipale(bool a) override { principaleActive = a; }
    void premierPlanPrincipale() override { ++nbPremierPlan; }
};

// A sorted hand: `atouts` trumps from the 21 down, the Excuse when `excuse`,
// then spades and hearts to make 18 cards.
Main mainAvecAtouts(int atouts, bool excuse) {
    Main m;
    int k = 1;
    for (int v = 21; v > 21 - atouts; --v) m[k++] = atout(v);
    if (excuse) m[k++] = atout(EXCUSE);
    for (int v = 14; k <= 18 && v >= 1; --v) m[k++] = pique(v);
    for (int v = 14; k <= 18; --v) m[k++] = coeur(v);
    return m;
}

class Poignee : public ::testing::Test {
protected:
    // The human (South) leads trick 1 with this hand, the offer option on.
    void donner(int atouts, bool excuse, double echelleX = 1.0) {
        jeu = std::make_unique<Jeu>();
        jeu->vue = &vue;
        jeu->hasard.horloge = horlogeDeterministe(7);
        reamorcer(jeu->hasard);
        initialiserPartie(*jeu);
        disposerTable(jeu->disposition, echelleX, echelleX);
        jeu->options.optionProposePoignee = 1;
        Donne& d = jeu->donne;
        d.mainJoueur[1] = mainAvecAtouts(atouts, excuse);
        for (int s = 2; s <= 4; ++s)
            for (int k = 1; k <= 18; ++k) d.mainJoueur[s][k] = carreau(1 + (k % 14));
        d.preneur = 2;
        d.enchere.remplir(PASSE);
        d.enchere[2] = PRISE;
        d.numeroPli = 1;
        d.joueurEntame = d.joueurCourant = 1;
        d.nbCartesPli = 0;
        TimerEntreCarteTimer(*jeu);
    }
    const Carte& carteMain(int k) { return jeu->donne.mainJoueur[1][k]; }
    int levee() const { return jeu->disposition.leveePoignee; }
    // The selected images stand one lift above the others.
    int nbLevees() {
        int n = 0;
        for (int k = 1; k <= jeu->poignee.nbAtoutsHumain; ++k) n += jeu->poignee.poigneeSelection[k];
        return n;
    }

    VuePoignee vue;
    std::unique_ptr<Jeu> jeu;
};

TEST_F(Poignee, TheOfferFollowsTheCountOfTrumpsWithTheExcuse) {
    struct Cas {
        const char* quoi;
        int atouts;
        bool excuse;
        bool offre, offreDouble, offreTriple;
    };
    const Cas cas[] = {
        {"9 trumps alone: no offer", 9, false, false, false, false},
        {"9 trumps and the Excuse: the simple only", 9, true, true, false, false},
        {"12 trumps and the Excuse: the double", 12, true, true, true, false},
        {"14 trumps and the Excuse: the triple", 14, true, true, true, true},
    };
    for (const Cas& c : cas) {
        vue = VuePoignee{};
        donner(c.atouts, c.excuse);
        EXPECT_EQ(vue.offre, c.offre) << c.quoi;
        EXPECT_EQ(vue.offreDouble, c.offreDouble) << c.quoi;
        EXPECT_EQ(vue.offreTriple, c.offreTriple) << c.quoi;
        EXPECT_EQ(jeu->donne.poigneeEnCours != 0, c.offre) << c.quoi;
        EXPECT_EQ(compterAtoutsHumain(*jeu), c.atouts + c.excuse) << c.quoi;
    }
}

TEST_F(Poignee, OpeningRecordsTheSizeHidesTheTrumpsAndLaysTheCardsOut) {
    for (double echelle : {1.0, 1.28, 2.0}) {
        vue = VuePoignee{};
        donner(10, true, echelle);
        const Hasard avant = jeu->hasard;
        ouvrirPoignee(*jeu, 1);
        const int l = levee();
        const int n = 11;
        EXPECT_EQ(jeu->donne.poigneeHumain, 1);
        EXPECT_EQ(jeu->poignee.taillePoignee, 10);
        EXPECT_EQ(jeu->poignee.nbAtoutsHumain, n);
        EXPECT_FALSE(vue.offre);
        EXPECT_TRUE(vue.fenetre);
        EXPECT_FALSE(vue.ok);
        EXPECT_FALSE(vue.principaleActive);
        EXPECT_EQ(vue.largeur, l * (3 * n - 1) + jeu->disposition.largeurCarte) << echelle;
        Hasard h = avant;
        for (int k = 1; k <= 18; ++k) {
            EXPECT_EQ(vue.carteMainVisible[k], k > n) << "hand slot " << k;
            EXPECT_EQ(vue.image[k].visible, k <= n) << "window slot " << k;
            if (k > n) continue;
            const int r = hasard(h, l);
            EXPECT_EQ(vue.image[k].gauche, l * (3 * (k - 1) + 1)) << k;
            EXPECT_EQ(vue.image[k].haut, 2 * l + static_cast<int>(std::nearbyint(r * 0.25))) << k;
            EXPECT_TRUE(vue.image[k].carte.memeCarte(carteMain(k))) << k;
        }
    }
    // At 800 pixels the lift is 15: eleven cards make a window of 15 x 32 + 90.
    vue = VuePoignee{};
    donner(10, true);
    ouvrirPoignee(*jeu, 1);
    EXPECT_EQ(levee(), 15);
    EXPECT_EQ(vue.largeur, 570);
}

TEST_F(Poignee, ASizeThatTheHandCannotShowOrAClosedOfferIsIgnored) {
    donner(9, true);
    ouvrirPoignee(*jeu, 2);
    ouvrirPoignee(*jeu, 3);
    ouvrirPoignee(*jeu, 0);
    EXPECT_FALSE(vue.fenetre);
    EXPECT_EQ(jeu->donne.poigneeHumain, 0);
    PanelPoigneeAucuneClick(*jeu);
    EXPECT_FALSE(vue.offre);
    ouvrirPoignee(*jeu, 1);
    EXPECT_FALSE(vue.fenetre);
    EXPECT_EQ(jeu->donne.poigneeHumain, 0);
}

TEST_F(Poignee, ClickingAToggleLiftsAndLowersByOneLift) {
    donner(12, false);
    ouvrirPoignee(*jeu, 1);
    const int haut = vue.image[3].haut;
    cliquerCartePoignee(*jeu, 3);
    EXPECT_TRUE(jeu->poignee.poigneeSelection[3]);
    EXPECT_EQ(jeu->poignee.poigneeNbCartes, 1);
    EXPECT_EQ(vue.image[3].haut, haut - levee());
    cliquerCartePoignee(*jeu, 3);
    EXPECT_FALSE(jeu->poignee.poigneeSelection[3]);
    EXPECT_EQ(jeu->poignee.poigneeNbCartes, 0);
    EXPECT_EQ(vue.image[3].haut, haut);
    // Slots without a trump are not in the window.
    cliquerCartePoignee(*jeu, 13);
    cliquerCartePoignee(*jeu, 0);
    EXPECT_EQ(jeu->poignee.poigneeNbCartes, 0);
}

TEST_F(Poignee, OkShowsAtExactlyTheSizeAndNoOtherCount) {
    donner(12, false);
    ouvrirPoignee(*jeu, 1);
    for (int k = 1; k <= 9; ++k) {
        cliquerCartePoignee(*jeu, k);
        EXPECT_FALSE(vue.ok) << k << " cards";
    }
    cliquerCartePoignee(*jeu, 10);
    EXPECT_TRUE(vue.ok);
    cliquerCartePoignee(*jeu, 11);
    EXPECT_FALSE(vue.ok) << "11 cards for a simple handful";
    PanelOkPoigneeClick(*jeu);
    EXPECT_TRUE(vue.fenetre) << "OK is refused while it is hidden";
    cliquerCartePoignee(*jeu, 2);
    EXPECT_TRUE(vue.ok);
    PanelOkPoigneeClick(*jeu);
    EXPECT_FALSE(vue.fenetre);
    EXPECT_EQ(jeu->donne.poigneeHumain, 1);
}

TEST_F(Poignee, TheExcuseOnlyInTheSlotOfTheSize) {
    struct Cas {
        const char* quoi;
        int atouts;
        int t;
        bool choisie;
    };
    const Cas cas[] = {
        {"9 trumps and the Excuse, simple: the Excuse is slot 10", 9, 1, true},
        {"10 trumps and the Excuse, simple: the Excuse is slot 11", 10, 1, false},
        {"12 trumps and the Excuse, double: the Excuse is slot 13", 12, 2, true},
        {"12 trumps and the Excuse, simple: slot 13 is past the size", 12, 1, false},
        {"14 trumps and the Excuse, triple: the Excuse is slot 15", 14, 3, true},
    };
    for (const Cas& c : cas) {
        vue = VuePoignee{};
        donner(c.atouts, true);
        jeu->options.langue = ANGLAIS;
        ouvrirPoignee(*jeu, c.t);
        const int excuse = c.atouts + 1;
        ASSERT_TRUE(estExcuse(carteMain(excuse))) << c.quoi;
        const int haut = vue.image[excuse].haut;
        cliquerCartePoignee(*jeu, excuse);
        EXPECT_EQ(jeu->poignee.poigneeSelection[excuse], c.choisie) << c.quoi;
        EXPECT_EQ(vue.image[excuse].haut, c.choisie ? haut - levee() : haut) << c.quoi;
        if (c.choisie) {
            EXPECT_TRUE(vue.messages.empty()) << c.quoi;
        } else {
            ASSERT_EQ(vue.messages.size(), 1u) << c.quoi;
            EXPECT_EQ(vue.messages[0], "You can't choose the Fool !") << c.quoi;
        }
    }
    vue = VuePoignee{};
    donner(10, true);
    ouvrirPoignee(*jeu, 1);
    cliquerCartePoignee(*jeu, 11);
    ASSERT_EQ(vue.messages.size(), 1u);
    EXPECT_EQ(vue.messages[0], "Vous ne pouvez pas sélectionner l'Excuse !");
}

TEST_F(Poignee, TheLazyButtonTakesTheHighestSlots) {
    {
        SCOPED_TRACE("9 trumps and the Excuse: all ten, the Excuse included");
        donner(9, true);
        ouvrirPoignee(*jeu, 1);
        PanelBoutonParesseuxClick(*jeu);
        for (int k = 1; k <= 10; ++k) EXPECT_TRUE(jeu->poignee.poigneeSelection[k]) << k;
        EXPECT_EQ(jeu->poignee.poigneeNbCartes, 10);
        EXPECT_TRUE(vue.ok);
    }
    {
        SCOPED_TRACE("10 trumps and the Excuse: the ten highest trumps");
        vue = VuePoignee{};
        donner(10, true);
        ouvrirPoignee(*jeu, 1);
        const int haut11 = vue.image[11].haut;
        cliquerCartePoignee(*jeu, 4);  // already chosen: stays lifted once
        const int haut4 = vue.image[4].haut;
        PanelBoutonParesseuxClick(*jeu);
        for (int k = 1; k <= 10; ++k) EXPECT_TRUE(jeu->poignee.poigneeSelection[k]) << k;
        EXPECT_FALSE(jeu->poignee.poigneeSelection[11]);
        EXPECT_EQ(vue.image[4].haut, haut4);
        EXPECT_EQ(vue.image[11].haut, haut11);
        EXPECT_EQ(nbLevees(), 10);
        PanelOkPoigneeClick(*jeu);
        EXPECT_EQ(jeu->donne.poigneeHumain, 1);
    }
    {
        SCOPED_TRACE("a card chosen past the size stays chosen, and the count is the size");
        vue = VuePoignee{};
        donner(12, false);
        ouvrirPoignee(*jeu, 1);
        cliquerCartePoignee(*jeu, 12);
        PanelBoutonParesseuxClick(*jeu);
        EXPECT_TRUE(jeu->poignee.poigneeSelection[12]);
        EXPECT_EQ(nbLevees(), 11);
        EXPECT_EQ(jeu->poignee.poigneeNbCartes, 10);
        EXPECT_TRUE(vue.ok);
    }
}

TEST_F(Poignee, ClosingGivesTheHandBackAndPlayGoesOn) {
    for (bool annuler : {false, true}) {
        vue = VuePoignee{};
        donner(13, true);
        ouvrirPoignee(*jeu, 2);
        // While the window is open the hand does not play.
        jouerCarteHumain(*jeu, 16);
        EXPECT_EQ(jeu->donne.nbCartesPli, 0);
        PanelBoutonParesseuxClick(*jeu);
        if (annuler) PanelAnnulerPoigneeClick(*jeu);
        else PanelOkPoigneeClick(*jeu);
        EXPECT_EQ(jeu->donne.poigneeHumain, annuler ? 0 : 2);
        EXPECT_EQ(jeu->donne.siegePoignee, annuler ? 0 : 1);
        EXPECT_EQ(jeu->donne.poigneeEnCours, 0);
        EXPECT_FALSE(jeu->poignee.ouverte);
        EXPECT_FALSE(vue.fenetre);
        EXPECT_TRUE(vue.principaleActive);
        EXPECT_EQ(vue.nbPremierPlan, 1);
        for (int k = 1; k <= 18; ++k) EXPECT_TRUE(vue.carteMainVisible[k]) << k;
        // Nothing of the window reacts any more, and no second offer is made.
        PanelBoutonParesseuxClick(*jeu);
        PanelAnnulerPoigneeClick(*jeu);
        ouvrirPoignee(*jeu, 1);
        EXPECT_EQ(jeu->donne.poigneeHumain, annuler ? 0 : 2);
        EXPECT_FALSE(vue.fenetre);
        jouerCarteHumain(*jeu, 16);
        EXPECT_EQ(jeu->donne.nbCartesPli, 1) << "the human's first card is played";
    }
}

TEST_F(Poignee, ADeclaredHandfulReachesTheScoreAndACancelledOneDoesNot) {
    // The taker made 46 points of 41 at Prise: 5 + 25 = 30 before the handful.
    auto score = [this](int t, bool annuler) {
        vue = VuePoignee{};
        donner(15, false);
        ouvrirPoignee(*jeu, t);
        PanelBoutonParesseuxClick(*jeu);
        if (annuler) PanelAnnulerPoigneeClick(*jeu);
        else PanelOkPoigneeClick(*jeu);
        Donne& d = jeu->donne;
        d.pointsPreneur = 92;
        d.pointsAFaire = 41;
        d.petitAuBout = 0;
        return calculerScoreDonne(*jeu);
    };
    EXPECT_EQ(score(1, true), 3 * 30);
    EXPECT_EQ(score(1, false), 3 * (30 + 20));
    EXPECT_EQ(score(2, false), 3 * (30 + 30));
    EXPECT_EQ(score(3, false), 3 * (30 + 40));
    EXPECT_EQ(score(3, true), 3 * 30);
}

}  // namespace
