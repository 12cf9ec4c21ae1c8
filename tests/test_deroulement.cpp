#include <gtest/gtest.h>

#include "engine/chien.h"
#include "engine/enchere.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "flow/deroulement.h"
#include "flow/minuteurs_manuels.h"
#include "tests/aides.h"
#include "tests/vue_enregistreuse.h"

namespace {

// What the flow itself shows, on top of the recording table.
class VueDuDeroulement : public VueEnregistreuse {
public:
    int nbCartesTableCachees = 0;
    bool rejouerActif = false, rejouerEnfonce = false;
    bool offrePoignee = false, offreDouble = false, offreTriple = false;
    int nbEffacements = 0;

    void cacherCartesTable() override { ++nbCartesTableCachees; }
    void etatRejouer(bool actif, bool enfonce) override {
        rejouerActif = actif;
        rejouerEnfonce = enfonce;
    }
    void montrerOffrePoignee(bool d, bool t) override {
        offrePoignee = true;
        offreDouble = d;
        offreTriple = t;
    }
    void cacherOffrePoignee() override { offrePoignee = false; }
    void effacerTable() override { ++nbEffacements; }
};

struct Partie {
    Jeu jeu;
    VueDuDeroulement vue;
    MinuteursManuels minuteurs;

    explicit Partie(std::uint64_t graine) {
        jeu.vue = &vue;
        jeu.minuteurs = &minuteurs;
        jeu.hasard.horloge = horlogeDeterministe(graine);
        initialiserPartie(jeu);
        jeu.options.optionForceMain = 2;
    }

    // Fires timers until the game waits for the human or for a click.
    void attendre() {
        for (int i = 0; i < 1000 && minuteurs.declencher(jeu); ++i) {
        }
    }

    // The human bids as advised, then the auction runs to its end.
    void encheres() {
        attendre();
        if (jeu.donne.nbEncheres < 4) annoncerEnchere(jeu, jeu.donne.enchere[1]);
        attendre();
    }

    // One step of a deal as the human plays it: a timer fires, or he bids as
    // advised, discards the first six cards he may, declines the handful and
    // plays his first playable card, or clicks to continue.
    void unPas() {
        Donne& d = jeu.donne;
        if (minuteurs.declencher(jeu)) return;
        if (d.numeroPli == 0 && d.etatAttente == 0) {
            annoncerEnchere(jeu, d.enchere[1]);
        } else if (d.modeEcart == 1) {
            for (int pos = 1; pos <= 24 && d.nbCartesEcartees < 6; ++pos) cliquerCarteEcart(jeu, pos);
            confirmerEcart(jeu);
        } else if (d.humainPeutJouer && d.joueurCourant == 1) {
            if (d.poigneeEnCours) PanelPoigneeAucuneClick(jeu);
            jouerCarteHumain(jeu, premiereCarteJouable());
        } else {
            continuer(jeu);
        }
    }

    int premiereCarteJouable() const {
        for (int k = 1; k <= 18; ++k)
            if (jeu.donne.jouable[1][k] == 1 && jeu.donne.mainJoueur[1][k].enMain) return k;
        return 0;
    }
};

bool tousPassent(const Donne& d) {
    for (int s = 1; s <= 4; ++s)
        if (d.enchere[s] != PASSE) return false;
    return true;
}

}  // namespace

TEST(Deroulement, QuatrePassesDonnentUneNouvelleDonne) {
    for (std::uint64_t graine = 1; graine < 200; ++graine) {
        Partie p(graine);
        nouvelleDonne(p.jeu, 0);
        p.encheres();
        if (!tousPassent(p.jeu.donne)) continue;
        ASSERT_EQ(p.jeu.donne.etatAttente, 1);
        EXPECT_EQ(p.vue.info, "Cliquez n'importe où pour continuer à jouer... !");
        const int avant = p.jeu.donne.premierJoueur;
        continuer(p.jeu);
        EXPECT_EQ(p.jeu.donne.premierJoueur, siegeSuivant(avant));
        EXPECT_EQ(p.jeu.donne.numeroPli, 0);
        EXPECT_EQ(p.jeu.donne.preneur, 0);
        EXPECT_EQ(p.vue.nbEffacements, 2);
        return;
    }
    FAIL() << "no deal in which everybody passed";
}

TEST(Deroulement, LaDonneRejoueeGardeLOuvreurEtLeBoutonEnfonce) {
    Partie p(5);
    nouvelleDonne(p.jeu, 0);
    EXPECT_TRUE(p.vue.rejouerActif);
    EXPECT_FALSE(p.vue.rejouerEnfonce);
    const int ouvreur = p.jeu.donne.premierJoueur;
    const Main main = p.jeu.donne.mainJoueur[1];
    p.jeu.donne.modeRejouer = 1;
    nouvelleDonne(p.jeu, 1);
    EXPECT_TRUE(p.vue.rejouerEnfonce);
    EXPECT_EQ(p.jeu.donne.premierJoueur, ouvreur);
    for (int k = 1; k <= 18; ++k) EXPECT_TRUE(p.jeu.donne.mainJoueur[1][k].memeCarte(main[k]));
    nouvelleDonne(p.jeu, 0);
    EXPECT_FALSE(p.vue.rejouerEnfonce);
    EXPECT_EQ(p.jeu.donne.premierJoueur, siegeSuivant(ouvreur));
}

// Plays whole deals as the human would, by clicks alone, under each wait option.
TEST(Deroulement, UneDonneEntiereAuClic) {
    for (int attente = 0; attente <= 2; ++attente) {
        Partie p(40 + static_cast<std::uint64_t>(attente));
        p.jeu.options.transitionAutomatique = attente == 0 ? 0 : 1;
        p.jeu.options.intervalleTimerTransition = 2000;
        int donnes = 0;
        nouvelleDonne(p.jeu, 0);
        for (int pas = 0; pas < 5000 && donnes < 3; ++pas) {
            Donne& d = p.jeu.donne;
            if (d.numeroPli == 19) {
                // After the last trick a click changes nothing on the table.
                const int cachees = p.vue.nbCartesTableCachees;
                continuer(p.jeu);
                EXPECT_EQ(p.vue.nbCartesTableCachees, cachees);
                EXPECT_EQ(d.numeroPli, 19);
                ++donnes;
                nouvelleDonne(p.jeu, 0);
                continue;
            }
            if (p.minuteurs.estArme(Minuteur::TimerTransition)) {
                EXPECT_NE(attente, 0) << "click required: no timer after a trick";
                EXPECT_EQ(p.minuteurs.intervalle(Minuteur::TimerTransition), 2000);
                EXPECT_EQ(d.pliAffiche, 1);
            }
            if (d.pliAffiche == 1 && attente == 0) { EXPECT_TRUE(p.minuteurs.aucunArme()); }
            if (p.minuteurs.declencher(p.jeu)) continue;
            if (d.numeroPli == 0 && d.etatAttente == 0) {
                annoncerEnchere(p.jeu, d.enchere[1]);
            } else if (d.modeEcart == 1) {
                // Six discardable cards among the 24, first come first served.
                for (int pos = 1; pos <= 24 && d.nbCartesEcartees < 6; ++pos) cliquerCarteEcart(p.jeu, pos);
                ASSERT_EQ(d.nbCartesEcartees, 6);
                confirmerEcart(p.jeu);
            } else if (d.humainPeutJouer && d.joueurCourant == 1) {
                if (d.poigneeEnCours) PanelPoigneeAucuneClick(p.jeu);
                const int k = p.premiereCarteJouable();
                ASSERT_GT(k, 0);
                const int avant = d.nbCartesPli;
                jouerCarteHumain(p.jeu, k);
                EXPECT_FALSE(d.mainJoueur[1][k].enMain);
                EXPECT_TRUE(d.nbCartesPli == avant + 1 || d.nbCartesPli == 0);
            } else {
                continuer(p.jeu);
            }
        }
        EXPECT_EQ(donnes, 3) << "wait option " << attente;
    }
}

TEST(Deroulement, UnClicPendantLaCarteDUnOrdinateurNeFaitRien) {
    Partie p(77);
    nouvelleDonne(p.jeu, 0);
    Donne& d = p.jeu.donne;
    for (int pas = 0; pas < 2000; ++pas) {
        if (p.minuteurs.estArme(Minuteur::TimerEntreCarte) && d.joueurCourant != 1 && d.numeroPli >= 1) {
            const Donne avant = d;
            continuer(p.jeu);
            for (int k = 1; k <= 18; ++k) jouerCarteHumain(p.jeu, k);
            EXPECT_TRUE(p.minuteurs.estArme(Minuteur::TimerEntreCarte));
            EXPECT_EQ(d.nbCartesPli, avant.nbCartesPli);
            EXPECT_EQ(d.joueurCourant, avant.joueurCourant);
            for (int k = 1; k <= 18; ++k) EXPECT_EQ(d.mainJoueur[1][k].enMain, avant.mainJoueur[1][k].enMain);
            return;
        }
        if (p.minuteurs.declencher(p.jeu)) continue;
        // The human always passes, so a computer takes or the deal is dealt again.
        if (d.numeroPli == 0 && d.etatAttente == 0) annoncerEnchere(p.jeu, PASSE);
        else if (d.humainPeutJouer && d.joueurCourant == 1) jouerCarteHumain(p.jeu, p.premiereCarteJouable());
        else continuer(p.jeu);
    }
    FAIL() << "no computer card was ever pending";
}

TEST(Deroulement, OffreDePoigneeAuPremierPli) {
    struct Cas { const char* quoi; int cartesAtout; bool offre, doubleOffert, tripleOfferte; };
    const Cas cas[] = {
        {"9 cards of suit 0: no offer", 9, false, false, false},
        {"9 trumps and the Excuse: simple only", 10, true, false, false},
        {"13: simple and double", 13, true, true, false},
        {"15: all three", 15, true, true, true},
    };
    for (const auto& c : cas) {
        Partie p(3);
        Donne& d = p.jeu.donne;
        p.jeu.options.optionProposePoignee = 1;
        Main m;
        int i = 1;
        for (int v = 21; i <= c.cartesAtout - 1; --v) m[i++] = atout(v);
        m[i++] = atout(0);
        for (int v = 1; i <= 18; ++v) m[i++] = coeur(v);
        d.mainJoueur[1] = m;
        d.numeroPli = 1;
        d.joueurCourant = 1;
        d.joueurEntame = 1;
        d.nbCartesPli = 0;
        TimerEntreCarteTimer(p.jeu);
        EXPECT_TRUE(d.humainPeutJouer) << c.quoi;
        EXPECT_EQ(p.vue.info, "A vous de jouer !") << c.quoi;
        EXPECT_EQ(d.poigneeEnCours, c.offre ? 1 : 0) << c.quoi;
        EXPECT_EQ(p.vue.offrePoignee, c.offre) << c.quoi;
        EXPECT_EQ(p.vue.offreDouble, c.doubleOffert) << c.quoi;
        EXPECT_EQ(p.vue.offreTriple, c.tripleOfferte) << c.quoi;
        if (!c.offre) continue;
        // While the offer is open no card can be played.
        jouerCarteHumain(p.jeu, 18);
        EXPECT_TRUE(d.mainJoueur[1][18].enMain) << c.quoi;
        PanelPoigneeAucuneClick(p.jeu);
        EXPECT_EQ(d.poigneeEnCours, 0);
        EXPECT_FALSE(p.vue.offrePoignee);
    }
}

// The player starts a new deal while the game waits for his card. His clicks
// during the pauses before the first cards of the new deal play nothing: his
// turn has not come, and the new deal's playable cards are not known yet.
TEST(Deroulement, UnClicDeLaDonnePrecedenteNeJouePasDeCarte) {
    Partie p(12);
    Donne& d = p.jeu.donne;
    nouvelleDonne(p.jeu, 0);
    for (int pas = 0; pas < 2000 && !(d.humainPeutJouer && d.joueurCourant == 1); ++pas) p.unPas();
    ASSERT_TRUE(d.humainPeutJouer) << "the human's turn never came";

    nouvelleDonne(p.jeu, 0);
    EXPECT_FALSE(d.humainPeutJouer);
    int pausesEssayees = 0;
    for (int pas = 0; pas < 2000 && d.numeroPli <= 1; ++pas) {
        if (p.minuteurs.estArme(Minuteur::TimerEntreCarte) && d.numeroPli == 1) {
            const Donne avant = d;
            for (int k = 1; k <= 18; ++k) jouerCarteHumain(p.jeu, k);
            ASSERT_EQ(d.nbCartesPli, avant.nbCartesPli);
            for (int k = 1; k <= 18; ++k) ASSERT_EQ(d.mainJoueur[1][k].enMain, avant.mainJoueur[1][k].enMain) << k;
            ++pausesEssayees;
        }
        p.unPas();
    }
    EXPECT_GE(pausesEssayees, 4);
    EXPECT_GE(d.numeroPli, 2);
}

// A new deal stops the old deal's timers: a tick left over from the pause
// after a trick cannot name the new deal's taker in the player's place.
TEST(Deroulement, UneNouvelleDonneArreteLesMinuteursDeLAncienne) {
    for (int mode : {0, 1}) {
        Partie p(41);
        Donne& d = p.jeu.donne;
        p.jeu.options.transitionAutomatique = 1;
        p.jeu.options.intervalleTimerTransition = 2000;
        nouvelleDonne(p.jeu, 0);
        for (int pas = 0; pas < 5000 && !p.minuteurs.estArme(Minuteur::TimerTransition); ++pas) p.unPas();
        ASSERT_TRUE(p.minuteurs.estArme(Minuteur::TimerTransition)) << "no trick ended";

        // F2 or F3 while the trick is shown; the new auction runs to its end.
        d.modeRejouer = mode;
        nouvelleDonne(p.jeu, mode);
        EXPECT_FALSE(p.minuteurs.estArme(Minuteur::TimerTransition)) << mode;
        EXPECT_FALSE(p.minuteurs.estArme(Minuteur::TimerEntreCarte)) << mode;
        for (int i = 0; i < 20 && d.etatAttente != 1; ++i) {
            if (p.minuteurs.estArme(Minuteur::TimerEnchere)) TimerEnchereTimer(p.jeu);
            else annoncerEnchere(p.jeu, PASSE);
        }
        ASSERT_EQ(d.etatAttente, 1) << mode;
        p.attendre();
        EXPECT_EQ(d.numeroPli, 0) << mode << ": the taker was named without a click";
        EXPECT_EQ(d.etatAttente, 1) << mode;
    }
}

TEST(Deroulement, EffacerLaTableArreteLesTroisMinuteurs) {
    Partie p(3);
    for (Minuteur m : {Minuteur::TimerEnchere, Minuteur::TimerEntreCarte, Minuteur::TimerTransition})
        p.minuteurs.armer(m, 100);
    effacerTable(p.jeu);
    EXPECT_TRUE(p.minuteurs.aucunArme());
}
