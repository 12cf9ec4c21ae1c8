#include <gtest/gtest.h>

#include "engine/enchere.h"
#include "engine/jeu.h"
#include "tests/vue_enregistreuse.h"

namespace {

const char* const continuerFr = "Cliquez n'importe où pour continuer à jouer... !";
const char* const choisirFr = "Cliquez sur l'enchère que vous désirez annoncer !";
const char* const refusFr = "Vous devez faire une meilleure enchère ou passer !";

struct Encheres : ::testing::Test {
    Jeu jeu;
    VueEnregistreuse vue;
    MinuteursEnregistres minuteurs;

    void SetUp() override {
        jeu.vue = &vue;
        jeu.minuteurs = &minuteurs;
    }

    // A fresh auction: the ratings of seats 1..4 and the opening seat.
    void ouvrir(int premier, int n1, int n2, int n3, int n4) {
        Donne& d = jeu.donne;
        d.premierJoueur = premier;
        d.niveauMain[1] = n1;
        d.niveauMain[2] = n2;
        d.niveauMain[3] = n3;
        d.niveauMain[4] = n4;
        tourEnchere(jeu, premier);
    }

    // Lets the bid timer tick while it is armed, as the event loop would.
    void laisserParler() {
        for (int garde = 0; minuteurs.estArme(Minuteur::TimerEnchere) && garde < 10; ++garde) {
            EXPECT_EQ(minuteurs.intervalle[0], 10);
            TimerEnchereTimer(jeu);
        }
    }
};

TEST_F(Encheres, UneGardeDeLOrdinateurFermeLesPetitesEncheresAuHumain) {
    struct Cas {
        const char* quoi;
        int niveauHumain;
        const char* conseil;
    };
    const Cas cas[] = {
        {"rated 0", 0, "Conseil: PASSE"},
        {"rated 1", 1, "Conseil: PASSE"},
        {"rated 2, equal is not above", 2, "Conseil: PASSE"},
        {"rated 3", 3, "Conseil: GARDE SANS"},
        {"rated 4", 4, "Conseil: GARDE CONTRE"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        jeu = Jeu{};
        vue = VueEnregistreuse{};
        SetUp();
        jeu.options.optionVisibiliteConseilEnchere = 1;
        // East opens rated 2; North, rated 2 as well, passes; West rated 1 passes.
        ouvrir(EST, c.niveauHumain, 2, 2, 1);
        laisserParler();
        const Donne& d = jeu.donne;
        EXPECT_EQ(d.enchere[EST], GARDE);
        EXPECT_EQ(d.enchere[NORD], PASSE);
        EXPECT_EQ(d.enchere[OUEST], PASSE);
        EXPECT_EQ(d.meilleureEnchere, GARDE);
        EXPECT_EQ(d.nbEncheres, 3);
        EXPECT_EQ(vue.annonce[EST].texte, "GARDE");
        EXPECT_EQ(vue.annonce[EST].taillePolice, 14);
        EXPECT_EQ(vue.annonce[NORD].texte, "PASSE");
        EXPECT_EQ(vue.annonce[NORD].taillePolice, 10);
        EXPECT_TRUE(vue.annonce[OUEST].visible);
        EXPECT_FALSE(vue.annonce[SUD].visible);

        EXPECT_TRUE(vue.barreEnchere);
        EXPECT_TRUE(vue.boutonEnchere[PASSE]);
        EXPECT_FALSE(vue.boutonEnchere[PRISE]);
        EXPECT_FALSE(vue.boutonEnchere[GARDE]);
        EXPECT_TRUE(vue.boutonEnchere[GARDE_SANS]);
        EXPECT_TRUE(vue.boutonEnchere[GARDE_CONTRE]);
        EXPECT_EQ(vue.conseil, c.conseil);
        EXPECT_EQ(vue.info, choisirFr);
        EXPECT_EQ(vue.nbFocusConseil, 1);
        EXPECT_FALSE(minuteurs.estArme(Minuteur::TimerEnchere));
    }
}

TEST_F(Encheres, LeConseilNeDeplacePasLaMeilleureEnchere) {
    jeu.options.langue = ANGLAIS;
    ouvrir(SUD, 3, 0, 0, 0);
    EXPECT_EQ(jeu.donne.enchere[SUD], GARDE_SANS) << "the advice sits in the human's entry";
    EXPECT_EQ(jeu.donne.meilleureEnchere, 0);
    for (int e = PASSE; e <= GARDE_CONTRE; ++e) EXPECT_TRUE(vue.boutonEnchere[e]) << e;
    EXPECT_EQ(vue.conseil, "Advice: GUARD WITHOUT");
    EXPECT_EQ(vue.info, "Click on the bid you want to do.");
    EXPECT_EQ(vue.nbFocusConseil, 0) << "the advice button is hidden by the option";

    // The advice button bids the advised contract.
    annoncerEnchere(jeu, jeu.donne.enchere[SUD]);
    EXPECT_EQ(jeu.donne.meilleureEnchere, GARDE_SANS);
    EXPECT_EQ(vue.annonce[SUD].texte, "GUARD WITHOUT");
    EXPECT_FALSE(vue.barreEnchere);
}

TEST_F(Encheres, UneGardeContreDuHumainFaitPasserTousLesAutres) {
    ouvrir(SUD, 1, 4, 4, 4);
    annoncerEnchere(jeu, GARDE_CONTRE);
    EXPECT_FALSE(vue.barreEnchere);
    EXPECT_EQ(vue.annonce[SUD].texte, "GARDE CONTRE");
    EXPECT_EQ(vue.annonce[SUD].taillePolice, 14);
    laisserParler();

    const Donne& d = jeu.donne;
    for (int s = EST; s <= OUEST; ++s) EXPECT_EQ(d.enchere[s], PASSE) << "seat " << s;
    EXPECT_EQ(d.nbEncheres, 4);
    EXPECT_EQ(d.etatAttente, 1);
    EXPECT_EQ(vue.info, continuerFr);
    EXPECT_EQ(determinerPreneur(jeu), SUD);
    EXPECT_EQ(jeu.donne.contrat, GARDE_CONTRE);
    EXPECT_EQ(vue.contrat, "GARDE CONTRE");
}

TEST_F(Encheres, QuandToutLeMondePasseLePremierJoueurResteAvecUnContratNul) {
    ouvrir(NORD, 0, 0, 0, 0);
    laisserParler();  // North and West
    annoncerEnchere(jeu, PASSE);
    EXPECT_EQ(vue.annonce[SUD].taillePolice, 10);
    laisserParler();  // East
    EXPECT_EQ(jeu.donne.nbEncheres, 4);
    EXPECT_EQ(jeu.donne.etatAttente, 1);
    EXPECT_EQ(determinerPreneur(jeu), NORD);
    EXPECT_EQ(jeu.donne.contrat, PASSE);
    EXPECT_EQ(vue.contrat, "PASSE");
}

TEST_F(Encheres, LeHumainParlantLeDernierNArmePlusLeMinuteur) {
    ouvrir(EST, 2, 1, 0, 0);
    laisserParler();
    EXPECT_EQ(minuteurs.armements(Minuteur::TimerEnchere), 3);
    annoncerEnchere(jeu, GARDE);
    EXPECT_EQ(jeu.donne.nbEncheres, 4);
    EXPECT_EQ(jeu.donne.etatAttente, 1);
    EXPECT_EQ(vue.info, continuerFr);
    EXPECT_EQ(minuteurs.armements(Minuteur::TimerEnchere), 3);
    EXPECT_FALSE(minuteurs.estArme(Minuteur::TimerEnchere));
    EXPECT_EQ(determinerPreneur(jeu), SUD);
    EXPECT_EQ(jeu.donne.contrat, GARDE);
}

TEST_F(Encheres, UneEnchereTropBasseEstRefuseeSansRienChanger) {
    struct Cas {
        const char* quoi;
        int enchere;
        int langue;
        const char* message;
    };
    const Cas cas[] = {
        {"Prise under a Garde", PRISE, FRANCAIS, refusFr},
        {"Garde equal to the Garde", GARDE, FRANCAIS, refusFr},
        {"in English", PRISE, ANGLAIS, "Make a better bid or pass !"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        jeu = Jeu{};
        vue = VueEnregistreuse{};
        minuteurs = MinuteursEnregistres{};
        SetUp();
        jeu.options.langue = c.langue;
        ouvrir(EST, 1, 2, 0, 0);
        laisserParler();
        const Donne avant = jeu.donne;
        const int armements = minuteurs.armements(Minuteur::TimerEnchere);

        annoncerEnchere(jeu, c.enchere);
        EXPECT_EQ(vue.info, c.message);
        EXPECT_TRUE(vue.barreEnchere);
        EXPECT_FALSE(vue.annonce[SUD].visible);
        EXPECT_EQ(jeu.donne.enchere, avant.enchere);
        EXPECT_EQ(jeu.donne.meilleureEnchere, avant.meilleureEnchere);
        EXPECT_EQ(jeu.donne.nbEncheres, avant.nbEncheres);
        EXPECT_EQ(jeu.donne.etatAttente, avant.etatAttente);
        EXPECT_EQ(minuteurs.armements(Minuteur::TimerEnchere), armements);

        // The bar stays open: a pass is still taken.
        annoncerEnchere(jeu, PASSE);
        EXPECT_EQ(jeu.donne.nbEncheres, 4);
    }
}

TEST_F(Encheres, LesClicsHorsDeTourSontIgnores) {
    ouvrir(EST, 4, 1, 0, 0);
    const int infos = vue.nbInfos;
    // East's bid is still pending: it is not the human's turn yet.
    annoncerEnchere(jeu, GARDE_CONTRE);
    EXPECT_EQ(jeu.donne.nbEncheres, 0);
    EXPECT_FALSE(vue.annonce[SUD].visible);
    laisserParler();
    // Out of range.
    annoncerEnchere(jeu, 5);
    annoncerEnchere(jeu, -1);
    EXPECT_EQ(vue.nbInfos, infos + 1) << "only the human's own turn wrote to the bar";
    EXPECT_EQ(jeu.donne.nbEncheres, 3);
    annoncerEnchere(jeu, GARDE_CONTRE);
    EXPECT_EQ(jeu.donne.nbEncheres, 4);
    // Once the auction is over a second click changes nothing.
    annoncerEnchere(jeu, PASSE);
    EXPECT_EQ(jeu.donne.enchere[SUD], GARDE_CONTRE);
    EXPECT_EQ(jeu.donne.nbEncheres, 4);
}

TEST_F(Encheres, UnTopDuMinuteurRestantDUneDonneAbandonneeEstIgnore) {
    ouvrir(EST, 0, 2, 0, 0);
    EXPECT_TRUE(minuteurs.estArme(Minuteur::TimerEnchere));
    // A new deal resets the bids before the tick arrives; South opens it.
    jeu.donne.enchere.remplir(PAS_ENCORE_PARLE);
    jeu.donne.meilleureEnchere = 0;
    ouvrir(SUD, 0, 2, 0, 0);
    TimerEnchereTimer(jeu);
    EXPECT_EQ(jeu.donne.nbEncheres, 0);
    EXPECT_FALSE(vue.annonce[EST].visible);
    EXPECT_FALSE(minuteurs.estArme(Minuteur::TimerEnchere));
}

TEST(DeterminerPreneur, LePlusFortEnPartantDuPremierJoueur) {
    struct Cas {
        const char* quoi;
        int premier;
        int e1, e2, e3, e4;
        int preneur;
        int contrat;
    };
    const Cas cas[] = {
        {"the last seat that did not pass", OUEST, GARDE, PASSE, GARDE_SANS, PRISE, NORD, GARDE_SANS},
        {"a lone Prise by the opening seat", EST, PASSE, PRISE, PASSE, PASSE, EST, PRISE},
        {"the seat before the opening one", NORD, PRISE, PASSE, PASSE, PASSE, SUD, PRISE},
        {"an equal bid does not replace", SUD, GARDE, GARDE, PASSE, PASSE, SUD, GARDE},
        {"all passed: the opening seat", OUEST, PASSE, PASSE, PASSE, PASSE, OUEST, PASSE},
    };
    for (const Cas& c : cas) {
        Jeu jeu;
        jeu.donne.premierJoueur = c.premier;
        jeu.donne.enchere[1] = c.e1;
        jeu.donne.enchere[2] = c.e2;
        jeu.donne.enchere[3] = c.e3;
        jeu.donne.enchere[4] = c.e4;
        EXPECT_EQ(determinerPreneur(jeu), c.preneur) << c.quoi;
        EXPECT_EQ(jeu.donne.contrat, c.contrat) << c.quoi;
    }
}

}  // namespace
