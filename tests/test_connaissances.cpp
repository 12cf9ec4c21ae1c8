#include <gtest/gtest.h>

#include <vector>

#include "tests/aides_pli.h"

namespace {

// The first three tricks of the base deal:
//   1. South leads the Petit, East over-trumps with the 15, North cannot beat
//      it (2), West has no trump and discards the 1 of clubs; East wins.
//   2. East leads the valet of clubs, North has no club and trumps (4), West
//      and South follow; North wins.
//   3. North leads the 3 of spades, West has neither spades nor trumps and
//      discards, South and East follow; South wins.
void premierPli(Jeu& jeu) {
    jouerPli(jeu, {atout(1), atout(15), atout(2), trefle(1)});
    ramasser(jeu);
}

void troisPlis(Jeu& jeu) {
    premierPli(jeu);
    jouerPli(jeu, {trefle(11), atout(4), trefle(10), trefle(13)});
    ramasser(jeu);
    jouerPli(jeu, {pique(3), carreau(3), pique(9), pique(6)});
    ramasser(jeu);
}

// The cards of the base dog.
const Carte cartesDuChien[] = {pique(2), pique(1), coeur(3), coeur(2), coeur(1), carreau(1)};

TEST(Connaissances, PremierPli) {
    Jeu jeu;
    VueEspion vue;
    jeu.vue = &vue;
    donneDeBase(jeu, PRISE);
    Connaissances& k = jeu.connaissances;
    const Donne& d = jeu.donne;

    EXPECT_EQ(vue.deductions.atoutMaximal, "21") << "no trump is out of play at the start";
    EXPECT_EQ(vue.deductions.atoutsDehors, "17");
    EXPECT_EQ(vue.deductions.couleurDehors[PIQUE], "8");
    EXPECT_EQ(vue.deductions.couleurDehors[COEUR], "10");
    EXPECT_EQ(vue.deductions.couleurDehors[TREFLE], "12");
    EXPECT_FALSE(vue.deductions.petitJoue);

    k.signalAtout = 1;
    EXPECT_EQ(jouer(jeu, atout(1)).code, 0);
    EXPECT_EQ(k.petitJoue, 1);
    EXPECT_EQ(k.detenteurPetit, HORS_JEU);
    EXPECT_EQ(k.atoutJoue[1], 1);
    EXPECT_EQ(k.signalAtout, 0) << "the fall of the Petit clears the trump signal";
    EXPECT_EQ(k.entameAtoutImpair, SUD) << "a first lead of the Petit is an odd trump lead";
    EXPECT_EQ(k.signalAtoutImpair, 1);
    EXPECT_EQ(k.sansEntame[SUD], 0);
    EXPECT_EQ(k.defenseSansEntame, 0);
    EXPECT_EQ(k.sansAtouter[SUD], 0);
    EXPECT_EQ(k.nbAtoutsJoues, 1);
    EXPECT_EQ(k.nbAtoutsMain[SUD], 3);
    EXPECT_EQ(d.entameurPli[1], SUD);

    EXPECT_EQ(jouer(jeu, atout(15)).code, 2);
    EXPECT_EQ(k.signalAtout, 1) << "15 on the 1 of the seat before: more than 5 above";

    // North cannot beat the 15: it holds nothing from 16 up, and that is all
    // anybody learns about its trumps.
    const auto avant = k.possibleAtout;
    const Contrainte r = jouer(jeu, atout(2));
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.atoutAbattre, 15);
    for (int o = 1; o <= 4; ++o)
        for (int t = 1; t <= 4; ++t)
            for (int w = 0; w <= 21; ++w) {
                int attendu = avant[o][t][w];
                if (w == 2 || (t == NORD && w >= 16)) attendu = EXCLU;
                EXPECT_EQ(k.possibleAtout[o][t][w], attendu) << o << " " << t << " " << w;
            }

    // West has no trump: every trump is excluded for it, but not the Excuse.
    EXPECT_EQ(jouer(jeu, trefle(1)).code, 5);
    for (int o = 1; o <= 4; ++o) {
        EXPECT_EQ(k.atoutCoupe[o][OUEST], 1);
        for (int w = 1; w <= 21; ++w) EXPECT_EQ(k.possibleAtout[o][OUEST][w], EXCLU);
    }
    for (int o : {SUD, NORD, OUEST}) EXPECT_EQ(k.possibleAtout[o][OUEST][EXCUSE], POSSIBLE) << o;

    EXPECT_EQ(d.joueurEntame, EST);
    EXPECT_EQ(k.petitJoue, 0) << "cleared at the end of the trick";
    EXPECT_EQ(k.nbAtoutsDehors[SUD], 15);
    EXPECT_EQ(k.nbAtoutsDehors[EST], 11);
    EXPECT_EQ(k.nbAtoutsDehors[NORD], 10);
    EXPECT_EQ(k.nbAtoutsDehors[OUEST], 18);
    EXPECT_EQ(k.restantAtout[SUD], 15);
    EXPECT_EQ(k.restantAtout[OUEST], 18);
    EXPECT_EQ(k.atoutMaitre[SUD], 21);
    EXPECT_EQ(k.couleurMaitre[TREFLE], 14);
    EXPECT_EQ(vue.deductions.atoutsDehors, "15");
    EXPECT_TRUE(vue.deductions.petitJoue);
    EXPECT_FALSE(vue.deductions.vingtEtUnJoue);
    EXPECT_EQ(vue.deductions.couleurDehors[TREFLE], "11");
}

TEST(Connaissances, CoupeEtDefausseSurUneCouleur) {
    Jeu jeu;
    donneDeBase(jeu, PRISE);
    Connaissances& k = jeu.connaissances;
    const Donne& d = jeu.donne;
    premierPli(jeu);

    const int slotValet = slotDe(jeu, EST, trefle(11));
    EXPECT_EQ(jouer(jeu, trefle(11)).code, 0);
    EXPECT_EQ(k.premiereEntamePreneur, TREFLE);
    EXPECT_EQ(k.derniereEntamePreneur, TREFLE);
    EXPECT_EQ(k.nbCouleursEntameesPreneur, 1);
    EXPECT_EQ(k.ordreEntamesPreneur[1], TREFLE);
    EXPECT_EQ(k.couleurJoueeParPreneur[TREFLE], 1);
    EXPECT_EQ(k.etatCouleur[TREFLE], 0) << "West's club in trick 1 opened the suit";

    const Contrainte coupe = jouer(jeu, atout(4));
    EXPECT_EQ(coupe.code, 1);
    EXPECT_EQ(coupe.couleurAbsente, TREFLE);
    for (int o = 1; o <= 4; ++o) {
        EXPECT_EQ(k.couleurCoupee[o][NORD][TREFLE], 1) << o;
        for (int v = 1; v <= 14; ++v) EXPECT_EQ(k.possibleCouleur[o][NORD][TREFLE][v], EXCLU) << o << " " << v;
    }
    jouerPli(jeu, {trefle(10), trefle(13)});
    EXPECT_EQ(d.joueurEntame, NORD);
    EXPECT_EQ(k.etatCouleur[PIQUE], 1);
    EXPECT_EQ(k.couleurLongueCoupee, 0) << "clubs are not the taker's long suit";
    ramasser(jeu);

    jouer(jeu, pique(3));
    EXPECT_EQ(k.etatCouleur[PIQUE], 2);
    const Contrainte defausse = jouer(jeu, carreau(3));
    EXPECT_EQ(defausse.code, 4);
    EXPECT_EQ(defausse.couleurAbsente, PIQUE);
    for (int o = 1; o <= 4; ++o) {
        EXPECT_EQ(k.couleurCoupee[o][OUEST][PIQUE], 1);
        for (int v = 1; v <= 14; ++v) EXPECT_EQ(k.possibleCouleur[o][OUEST][PIQUE][v], EXCLU);
    }
    jouerPli(jeu, {pique(9), pique(6)});
    EXPECT_EQ(k.etatCouleur[PIQUE], 0);
    EXPECT_EQ(k.etatCouleur[COEUR], 1);
    EXPECT_EQ(k.couleurJoueeParPreneur[PIQUE], 1);
    EXPECT_EQ(k.premiereEntamePreneur, TREFLE);
    EXPECT_EQ(k.deuxiemeEntamePreneur, -1) << "East followed, it did not lead";
    EXPECT_EQ(d.entameurPli[2], EST);
    EXPECT_EQ(d.entameurPli[3], NORD);
    EXPECT_EQ(d.carteJouee[EST][2], slotValet);
    EXPECT_EQ(d.joueurEntame, SUD);
    EXPECT_EQ(k.sansEntame[OUEST], 1);
    // South's clubs outside: 14 - 2 held, then the 1, the valet and the 10.
    EXPECT_EQ(k.nbCouleurDehors[SUD][TREFLE], 9);
    // East's spades: 14 - 3 held - 2 discarded, then North's 3 and South's 9.
    EXPECT_EQ(k.nbCouleurDehors[EST][PIQUE], 7);
}

TEST(Connaissances, LesDefenseursNePlacentPasLEcart) {
    Jeu jeu;
    donneDeBase(jeu, PRISE);
    troisPlis(jeu);
    const Connaissances& k = jeu.connaissances;
    EXPECT_EQ(k.ecartLocalise[EST], 1);
    for (int o : {SUD, NORD, OUEST}) {
        EXPECT_EQ(k.ecartLocalise[o], 0) << o;
        // Each defender has excluded the other two from the dog's cards, but the
        // taker may have set them aside: they are not placed in its hand.
        for (const Carte& c : cartesDuChien) {
            EXPECT_EQ(k.localisationCouleur[o][c.couleur][c.valeur], NON_PLACE) << o;
            EXPECT_EQ(k.possibleCouleur[o][EST][c.couleur][c.valeur], POSSIBLE) << o;
        }
    }
    for (const Carte& c : cartesDuChien) EXPECT_EQ(k.localisationCouleur[EST][c.couleur][c.valeur], HORS_JEU);
}

TEST(Connaissances, DeductionDuTroisiemeSiege) {
    Jeu jeu;
    donneDeBase(jeu, PRISE);
    Connaissances& k = jeu.connaissances;
    // North has excluded East and West from the roi of spades, and West from the dame.
    k.possibleCouleur[NORD][EST][PIQUE][14] = EXCLU;
    k.possibleCouleur[NORD][OUEST][PIQUE][14] = EXCLU;
    k.possibleCouleur[NORD][OUEST][PIQUE][13] = EXCLU;
    deduireConnaissances(jeu);
    EXPECT_EQ(k.ecartLocalise[NORD], 0);
    EXPECT_EQ(k.localisationCouleur[NORD][PIQUE][14], NON_PLACE) << "it could be among the set-aside cards";

    // Once North knows where the six set-aside cards are, only South is left.
    for (const Carte& c : cartesDuChien) k.localisationCouleur[NORD][c.couleur][c.valeur] = HORS_JEU;
    deduireConnaissances(jeu);
    EXPECT_EQ(k.ecartLocalise[NORD], 1);
    EXPECT_EQ(k.localisationCouleur[NORD][PIQUE][14], SUD);
    EXPECT_EQ(k.possibleCouleur[NORD][SUD][PIQUE][14], POSSIBLE);
    for (int t : {EST, NORD, OUEST}) EXPECT_EQ(k.possibleCouleur[NORD][t][PIQUE][14], EXCLU) << t;
    EXPECT_EQ(k.localisationCouleur[NORD][PIQUE][13], NON_PLACE) << "only one seat excluded";
    // Spades North neither holds (5 4 3) nor has seen out of play (2 1).
    EXPECT_EQ(k.restantCouleur[NORD][PIQUE], 9);
}

TEST(Connaissances, GardeSansPersonneNeConnaitLeChien) {
    Jeu jeu;
    donneDeBase(jeu, GARDE_SANS, true);
    const Connaissances& k = jeu.connaissances;
    EXPECT_EQ(k.nbAtoutsAuChien, -1);
    EXPECT_EQ(k.roiAuChien, ParCouleur{}) << "the roi of diamonds lies in a dog nobody saw";
    EXPECT_EQ(k.ecartLocalise, ParSiege{});
    EXPECT_EQ(k.localisationCouleur[EST][CARREAU][14], NON_PLACE);
    EXPECT_EQ(k.nbCouleurDehors[EST][PIQUE], 11);
    EXPECT_EQ(k.detenteurCouleur[CARREAU][14], 0);

    troisPlis(jeu);
    EXPECT_EQ(k.ecartLocalise, ParSiege{}) << "twelve cards played say nothing about the dog";
    for (int o = 1; o <= 4; ++o)
        for (const Carte& c : {pique(2), pique(1), coeur(3), coeur(2), coeur(1), carreau(14)})
            EXPECT_EQ(k.localisationCouleur[o][c.couleur][c.valeur], NON_PLACE) << o;
}

TEST(Connaissances, PriseAvecUnRoiAuChien) {
    Jeu jeu;
    donneDeBase(jeu, PRISE, true);
    const Connaissances& k = jeu.connaissances;
    ParCouleur roi;
    roi[CARREAU] = 1;
    EXPECT_EQ(k.roiAuChien, roi);
    EXPECT_EQ(k.nbAtoutsAuChien, 0);
    ParSiege ecart;
    ecart[EST] = 1;
    EXPECT_EQ(k.ecartLocalise, ecart);
    EXPECT_EQ(k.localisationCouleur[EST][PIQUE][8], HORS_JEU) << "East's own discard";
    EXPECT_EQ(k.localisationCouleur[SUD][PIQUE][8], NON_PLACE);
    EXPECT_EQ(k.possibleCouleur[SUD][NORD][PIQUE][8], POSSIBLE) << "nobody else saw the discard";
    EXPECT_EQ(k.nbCouleurDehors[EST][PIQUE], 9);
    EXPECT_EQ(k.nbCouleurDehors[EST][CARREAU], 12);
    EXPECT_EQ(k.restantCouleur[EST][PIQUE], 9);
    for (int o : {SUD, NORD, OUEST}) {
        for (int t : {SUD, NORD, OUEST}) EXPECT_EQ(k.possibleCouleur[o][t][CARREAU][14], EXCLU) << o << " " << t;
        EXPECT_EQ(k.possibleCouleur[o][EST][CARREAU][14], POSSIBLE);
    }
    EXPECT_EQ(k.detenteurCouleur[CARREAU][14], EST);
    EXPECT_TRUE(jeu.donne.mainJoueur[EST][k.rangCouleur[CARREAU][14]].memeCarte(carreau(14)));
    EXPECT_EQ(k.detenteurCouleur[PIQUE][8], 0);
}

TEST(Connaissances, LExcuseJoueeNeComptepasCommeAtout) {
    Jeu jeu;
    donneDeBase(jeu, PRISE);
    Connaissances& k = jeu.connaissances;
    jouer(jeu, pique(14));
    const Connaissances avant = k;
    EXPECT_EQ(jouer(jeu, excuse()).code, -1);
    EXPECT_EQ(k.detenteurExcuse, HORS_JEU);
    EXPECT_EQ(k.excuseJouee, 1);
    EXPECT_EQ(k.nbAtoutsMain, avant.nbAtoutsMain);
    EXPECT_EQ(k.nbAtoutsDehors, avant.nbAtoutsDehors);
    EXPECT_EQ(k.atoutJoue, avant.atoutJoue);
    EXPECT_EQ(k.nbAtoutsJoues, 0);
    EXPECT_EQ(k.sansAtouter[EST], 1);
    for (int o = 1; o <= 4; ++o) EXPECT_EQ(k.localisationAtout[o][EXCUSE], HORS_JEU);
}

// East, the taker, leads spades, a trump, hearts, then spades again.
TEST(Connaissances, LesEntamesDuPreneur) {
    Jeu jeu;
    Donne& d = jeu.donne;
    d.mainJoueur[EST] = mainPartielle({pique(14), pique(5), atout(20), coeur(5)});
    d.mainJoueur[NORD] = mainPartielle({pique(7), pique(3), coeur(3), coeur(2)});
    d.mainJoueur[OUEST] = mainPartielle({pique(8), pique(4), coeur(7), coeur(1)});
    d.mainJoueur[SUD] = mainPartielle({pique(6), pique(2), atout(2), coeur(4)});
    d.preneur = EST;
    d.contrat = GARDE_SANS;
    d.enchere[EST] = GARDE_SANS;
    d.joueurEntame = d.joueurCourant = EST;
    d.numeroPli = 1;
    initialiserConnaissances(jeu);
    const Connaissances& k = jeu.connaissances;

    jouerPli(jeu, {pique(5), pique(3), pique(4), pique(2)});
    ramasser(jeu);
    EXPECT_EQ(k.premiereEntamePreneur, PIQUE);
    jouer(jeu, atout(20));
    EXPECT_EQ(k.derniereEntamePreneur, ATOUT);
    EXPECT_EQ(jouer(jeu, coeur(2)).code, 5);
    for (int w = 1; w <= 21; ++w) EXPECT_EQ(k.possibleAtout[SUD][NORD][w], EXCLU);
    jouerPli(jeu, {coeur(7), atout(2)});
    ramasser(jeu);
    EXPECT_EQ(k.nbCouleursEntameesPreneur, 1) << "a trump lead is not a suit lead";
    jouerPli(jeu, {coeur(5), coeur(3), coeur(1), coeur(4)});
    ramasser(jeu);
    EXPECT_EQ(k.deuxiemeEntamePreneur, COEUR);
    jouerPli(jeu, {pique(14), pique(7), pique(8), pique(6)});
    EXPECT_EQ(k.premiereEntamePreneur, PIQUE);
    EXPECT_EQ(k.deuxiemeEntamePreneur, COEUR);
    EXPECT_EQ(k.derniereEntamePreneur, PIQUE);
    EXPECT_EQ(k.nbCouleursEntameesPreneur, 2);
    // Spades again overwrite the last entry of the list.
    EXPECT_EQ(k.ordreEntamesPreneur[1], PIQUE);
    EXPECT_EQ(k.ordreEntamesPreneur[2], PIQUE);
    EXPECT_EQ(k.ordreEntamesPreneur[3], -1);
}

TEST(Connaissances, LePetitDuPreneurCoupeUneCouleur) {
    Jeu jeu;
    Donne& d = jeu.donne;
    d.mainJoueur[SUD] = mainPartielle({coeur(14), atout(5)});
    d.mainJoueur[EST] = mainPartielle({atout(20), atout(1)});
    d.mainJoueur[NORD] = mainPartielle({coeur(2), pique(3)});
    d.mainJoueur[OUEST] = mainPartielle({coeur(3), pique(4)});
    d.preneur = EST;
    d.contrat = GARDE;
    d.enchere[EST] = GARDE;
    d.joueurEntame = d.joueurCourant = SUD;
    d.numeroPli = 1;
    initialiserConnaissances(jeu);
    Connaissances& k = jeu.connaissances;
    EXPECT_EQ(k.petitPreneurCoupe, -1);

    jouer(jeu, coeur(14));
    k.signalAtoutImpair = 1;
    EXPECT_EQ(jouer(jeu, atout(1)).code, 1);
    EXPECT_EQ(k.petitPreneurCoupe, 0);
    EXPECT_EQ(k.signalAtoutImpair, 0);
    EXPECT_EQ(k.petitJoue, 1);
    jouerPli(jeu, {coeur(2), coeur(3)});
    EXPECT_EQ(d.joueurEntame, EST);
    ramasser(jeu);
    jouer(jeu, atout(20));
    EXPECT_EQ(k.petitPreneurCoupe, -1) << "back on the next trump lead";
}

struct CasCavalier {
    const char* nom;
    Carte entame;
    Carte cavalier;
    int attendu;
};

void PrintTo(const CasCavalier& c, std::ostream* os) { *os << c.nom; }

class CavalierSousRoi : public testing::TestWithParam<CasCavalier> {};

TEST_P(CavalierSousRoi, LeDefenseurLacheLeCavalier) {
    const CasCavalier& cas = GetParam();
    Jeu jeu;
    Donne& d = jeu.donne;
    // Spades are East's longest suit.
    d.mainJoueur[EST] = mainPartielle({pique(14), pique(13), pique(10), pique(9), pique(8), coeur(14)});
    d.mainJoueur[NORD] = mainPartielle({pique(2), coeur(2)});
    d.mainJoueur[OUEST] = mainPartielle({pique(3), coeur(3)});
    d.mainJoueur[SUD] = mainPartielle({pique(12), coeur(12)});
    d.preneur = EST;
    d.contrat = GARDE_SANS;
    d.enchere[EST] = GARDE_SANS;
    d.joueurEntame = d.joueurCourant = EST;
    d.numeroPli = 1;
    initialiserConnaissances(jeu);
    const int couleur = cas.entame.couleur;
    jouerPli(jeu, {cas.entame, carte(couleur, 2), carte(couleur, 3), cas.cavalier});
    EXPECT_EQ(jeu.connaissances.cavalierSousRoi, cas.attendu);
}

const CasCavalier casCavalier[] = {
    {"sur le roi de la longue du preneur", pique(14), pique(12), 1},
    {"sur la dame : rien", pique(13), pique(12), 0},
    {"sur le roi d'une autre couleur : rien", coeur(14), coeur(12), 0},
};

INSTANTIATE_TEST_SUITE_P(Connaissances, CavalierSousRoi, testing::ValuesIn(casCavalier),
                         [](const auto& info) { return "cas" + std::to_string(info.index); });

TEST(Connaissances, RoiSecDuPreneur) {
    Jeu jeu;
    Donne& d = jeu.donne;
    d.mainJoueur[EST] = mainPartielle({pique(14), coeur(14), coeur(4)});
    d.mainJoueur[NORD] = mainPartielle({pique(2)});
    d.mainJoueur[OUEST] = mainPartielle({pique(3)});
    d.mainJoueur[SUD] = mainPartielle({pique(4)});
    d.preneur = EST;
    d.contrat = GARDE_CONTRE;
    d.enchere[EST] = GARDE_CONTRE;
    d.joueurEntame = d.joueurCourant = EST;
    d.numeroPli = 1;
    initialiserConnaissances(jeu);
    ParCouleur sec;
    sec[PIQUE] = 1;
    EXPECT_EQ(jeu.connaissances.roiSecPreneur, sec);
    jouer(jeu, pique(14));
    EXPECT_EQ(jeu.connaissances.roiSecPreneur, ParCouleur{});
}

struct CasSignal {
    const char* nom;
    Carte entame;     // South's
    Carte precedent;  // East's
    int valeur;       // North's trump
    int attendu;
};

void PrintTo(const CasSignal& c, std::ostream* os) { *os << c.nom; }

const CasSignal casSignal[] = {
    {"5 sous le 10", atout(3), atout(10), 5, 1},
    {"6 sous le 10", atout(3), atout(10), 4, 1},
    {"7 sous le 10", atout(3), atout(10), 3, 0},
    {"6 au-dessus du 10", atout(3), atout(10), 16, 1},
    {"5 au-dessus du 10", atout(3), atout(10), 15, 0},
    {"pas sur une entame à la couleur", coeur(3), atout(10), 5, 0},
    {"pas après une carte de couleur", atout(3), coeur(10), 5, 0},
};

class SignalAtout : public testing::TestWithParam<CasSignal> {};

TEST_P(SignalAtout, SelonLEcartAvecLAtoutPrecedent) {
    const CasSignal& cas = GetParam();
    Jeu jeu;
    Donne& d = jeu.donne;
    d.mainJoueur[NORD] = mainPartielle({atout(cas.valeur)});
    d.preneur = OUEST;
    d.contrat = GARDE_SANS;
    d.enchere[OUEST] = GARDE_SANS;
    d.numeroPli = 1;
    initialiserConnaissances(jeu);
    d.joueurEntame = SUD;
    d.pliEnCours[SUD] = cas.entame;
    d.pliEnCours[EST] = cas.precedent;
    noterCarteJouee(jeu, NORD, 1);
    EXPECT_EQ(jeu.connaissances.signalAtout, cas.attendu);
}

INSTANTIATE_TEST_SUITE_P(Connaissances, SignalAtout, testing::ValuesIn(casSignal),
                         [](const auto& info) { return "cas" + std::to_string(info.index); });

struct CasPreneurFort {
    const char* nom;
    int preneur;
    Main main;
    int attendu;
};

void PrintTo(const CasPreneurFort& c, std::ostream* os) { *os << c.nom; }

Main atoutsEt(int haut, int bas, std::initializer_list<Carte> reste) {
    Main m;
    int i = 1;
    for (int v = haut; v >= bas; --v) m[i++] = atout(v);
    for (const Carte& c : reste) m[i++] = c;
    return m;
}

const CasPreneurFort casPreneurFort[] = {
    {"neuf gros atouts et une longue garnie", EST,
     atoutsEt(21, 13, {pique(14), pique(13), pique(12), pique(11), pique(5), coeur(2), coeur(3), trefle(2), carreau(2)}),
     1},
    {"neuf gros atouts sans honneurs", EST,
     atoutsEt(21, 13, {pique(5), pique(4), pique(3), pique(2), coeur(5), coeur(4), coeur(3), trefle(3), trefle(2)}), 0},
    {"dix atouts suffisent", EST,
     atoutsEt(21, 12, {pique(5), pique(4), pique(3), pique(2), coeur(5), coeur(4), coeur(3), trefle(2)}), 1},
    {"le Petit en main", EST,
     atoutsEt(21, 13, {atout(1), pique(5), pique(4), pique(3), pique(2), coeur(5), coeur(4), coeur(3), trefle(2)}), 0},
    {"le preneur humain", SUD,
     atoutsEt(21, 12, {pique(5), pique(4), pique(3), pique(2), coeur(5), coeur(4), coeur(3), trefle(2)}), 0},
    {"dix petits atouts", EST,
     atoutsEt(11, 2, {pique(5), pique(4), pique(3), pique(2), coeur(5), coeur(4), coeur(3), trefle(2)}), 0},
    {"deux bouts et honneurs à 10", EST,
     atoutsEt(21, 14, {excuse(), pique(14), pique(13), pique(12), pique(4), pique(3), coeur(2), trefle(2), carreau(2),
                       carreau(3)}),
     1},
    {"deux bouts et honneurs à 8", EST,
     atoutsEt(21, 14, {excuse(), pique(14), pique(13), pique(5), pique(4), pique(3), coeur(2), trefle(2), carreau(2),
                       carreau(3)}),
     0},
    {"sept atouts", EST,
     atoutsEt(21, 15, {pique(14), pique(13), pique(12), pique(11), pique(5), pique(4), coeur(2), coeur(3), coeur(4),
                       coeur(5), coeur(6)}),
     0},
    {"un roi et la longueur", EST,
     atoutsEt(21, 13, {pique(14), pique(7), pique(6), pique(5), pique(4), pique(3), pique(2), coeur(2), trefle(2)}), 1},
    {"un roi sans la longueur", EST,
     atoutsEt(21, 13, {pique(14), pique(5), pique(4), pique(3), pique(2), coeur(2), coeur(3), trefle(2), trefle(3)}), 0},
};

class PreneurFort : public testing::TestWithParam<CasPreneurFort> {};

TEST_P(PreneurFort, SelonLaMainDuPreneur) {
    const CasPreneurFort& cas = GetParam();
    Jeu jeu;
    Donne& d = jeu.donne;
    d.mainJoueur[cas.preneur] = cas.main;
    d.preneur = cas.preneur;
    d.contrat = GARDE;
    d.enchere[cas.preneur] = GARDE;
    initialiserConnaissances(jeu);
    EXPECT_EQ(jeu.connaissances.preneurFort, cas.attendu);
}

INSTANTIATE_TEST_SUITE_P(Connaissances, PreneurFort, testing::ValuesIn(casPreneurFort),
                         [](const auto& info) { return "cas" + std::to_string(info.index); });

// Four spades and four hearts, fewer of the others: ties go to the suit met
// first from the random start.
TEST(Connaissances, CouleurLongueDepuisUnDepartAuHasard) {
    const Main egalite = mainDe({atout(5), atout(4), atout(3), atout(2), pique(14), pique(13), pique(12), pique(11),
                                 coeur(14), coeur(13), coeur(12), coeur(11), trefle(4), trefle(3), trefle(2),
                                 carreau(4), carreau(3), carreau(2)});
    // Longest suit found from each start: spades, hearts, clubs, diamonds.
    const int attendue[] = {0, PIQUE, COEUR, PIQUE, PIQUE};
    for (const std::array<int, 4> departs : {std::array<int, 4>{1, 2, 3, 4}, std::array<int, 4>{2, 3, 4, 1}}) {
        // A seed whose next four draws of 1..4 are these starts, seat by seat.
        std::uint32_t graine = 0;
        for (;; ++graine) {
            Hasard h;
            h.graine = graine;
            bool ok = true;
            for (int r : departs) ok = ok && hasard(h, 4) == r;
            if (ok) break;
        }
        Jeu jeu;
        for (int s = 1; s <= 4; ++s) jeu.donne.mainJoueur[s] = egalite;
        jeu.donne.preneur = OUEST;
        jeu.donne.contrat = GARDE_SANS;
        jeu.hasard.graine = graine;
        initialiserConnaissances(jeu);
        for (int s = 1; s <= 4; ++s)
            EXPECT_EQ(jeu.connaissances.couleurLongue[s], attendue[departs[static_cast<std::size_t>(s - 1)]])
                << "seat " << s << " from " << departs[static_cast<std::size_t>(s - 1)];
    }
}

TEST(Connaissances, LePanneauDesDeductions) {
    Jeu jeu;
    VueEspion vue;
    jeu.vue = &vue;
    Donne& d = jeu.donne;
    Main sud;
    for (int v = 1; v <= 14; ++v) sud[v] = coeur(v);
    for (int v = 15; v <= 18; ++v) sud[v] = atout(v);
    d.mainJoueur[SUD] = sud;
    d.preneur = EST;
    d.contrat = GARDE_SANS;
    initialiserConnaissances(jeu);
    EXPECT_EQ(vue.deductions.couleurDehors[COEUR], "-") << "every heart is in South's hand";
    EXPECT_EQ(vue.deductions.couleurDehors[PIQUE], "14");
    EXPECT_EQ(vue.deductions.atoutsDehors, "17");

    Connaissances& k = jeu.connaissances;
    for (int v = 1; v <= 21; ++v) k.localisationAtout[SUD][v] = HORS_JEU;
    k.localisationCouleur[SUD][PIQUE][14] = HORS_JEU;
    k.localisationCouleur[SUD][PIQUE][13] = HORS_JEU;
    for (int v = 1; v <= 14; ++v) k.localisationCouleur[SUD][COEUR][v] = HORS_JEU;
    rafraichirMaitres(jeu);
    EXPECT_EQ(k.couleurMaitre[PIQUE], 12);
    EXPECT_EQ(k.couleurMaitre[COEUR], -1);
    EXPECT_EQ(k.couleurMaitre[TREFLE], 14);
    EXPECT_EQ(k.atoutMaitre[SUD], -1);
    EXPECT_EQ(vue.deductions.atoutMaximal, "-");
    for (int couleur = 1; couleur <= 4; ++couleur)
        for (int v = VALET; v <= ROI; ++v) {
            const bool sorti = couleur == COEUR || (couleur == PIQUE && v >= DAME);
            EXPECT_EQ(vue.deductions.honneurHorsJeu[couleur][v], sorti) << couleur << " " << v;
        }
}

}  // namespace
