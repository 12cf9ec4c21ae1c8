#include <gtest/gtest.h>

#include <vector>

#include "engine/chien.h"
#include "engine/textes.h"
#include "tests/aides_pli.h"

namespace {

struct Attendu {
    Carte carte;
    int code;
    int atoutAbattre = -1;    // checked with code 3
    int couleurAbsente = -1;  // checked with codes 1 and 4
};

struct CasJouable {
    const char* nom;
    std::vector<Carte> avant;  // the cards already in the trick, from South on
    std::vector<Carte> main;   // the hand of the next seat
    std::vector<Attendu> jouables;
};

const Carte C5 = coeur(5);

const CasJouable casJouables[] = {
    {"une entame est libre, l'Excuse garde le code -1", {}, {atout(2), excuse(), coeur(9)},
     {{atout(2), 0}, {excuse(), -1}, {coeur(9), 0}}},
    {"après l'Excuse menée le deuxième entame", {excuse()}, {coeur(7), atout(2), pique(3)},
     {{coeur(7), 0}, {atout(2), 0}, {pique(3), 0}}},
    {"Excuse puis coeur 5 : le troisième fournit coeur", {excuse(), C5}, {coeur(7), coeur(2), atout(2), pique(3)},
     {{coeur(7), -1}, {coeur(2), -1}}},
    {"Excuse, coeur 5, coeur 7 : sans coeur il coupe", {excuse(), C5, coeur(7)}, {atout(2), atout(9), pique(3)},
     {{atout(2), 1, -1, COEUR}, {atout(9), 1, -1, COEUR}}},
    {"atout 10 puis 15 : le 18 est obligatoire", {atout(10), atout(15)}, {atout(12), atout(18), coeur(5)},
     {{atout(18), 2}}},
    {"atout 10 puis 15 : avec 3 et 9 il pisse", {atout(10), atout(15)}, {atout(3), atout(9), coeur(5)},
     {{atout(3), 3, 15}, {atout(9), 3, 15}}},
    {"atout 10 mené : il faut monter sur l'entame", {atout(10)}, {atout(4), atout(15)}, {{atout(15), 2}}},
    {"atout 10 mené : avec 4 et 8 il pisse sous le 10", {atout(10)}, {atout(4), atout(8)},
     {{atout(4), 3, 10}, {atout(8), 3, 10}}},
    {"Excuse puis atout 5 : il faut monter sur le 5", {excuse(), atout(5)}, {atout(3), atout(7)}, {{atout(7), 2}}},
    {"coeur coupé du 8 : seul le 12 surcoupe", {coeur(1), atout(8)}, {atout(5), atout(12), pique(2)},
     {{atout(12), 2}}},
    {"coeur coupé du 8 : avec 5 et 6 il sous-coupe", {coeur(1), atout(8)}, {atout(5), atout(6), pique(2)},
     {{atout(5), 3, 8}, {atout(6), 3, 8}}},
    {"coeur coupé du 8 puis du 14 : il faut passer le 14", {coeur(1), atout(8), atout(14)},
     {atout(10), atout(20)}, {{atout(20), 2}}},
    {"coeur mené sans atout : tout atout ou l'Excuse, pas de pique", {coeur(1)},
     {atout(5), atout(20), excuse(), pique(2)},
     {{atout(5), 1, -1, COEUR}, {atout(20), 1, -1, COEUR}, {excuse(), -1}}},
    {"coeur mené, ni coeur ni atout : il défausse", {coeur(1)}, {pique(2), trefle(3), excuse()},
     {{pique(2), 4, -1, COEUR}, {trefle(3), 4, -1, COEUR}, {excuse(), -1}}},
    {"atout mené sans atout : il défausse", {atout(3)}, {pique(2), coeur(9), excuse()},
     {{pique(2), 5}, {coeur(9), 5}, {excuse(), -1}}},
    {"une carte déjà jouée ne se rejoue pas", {C5}, {jouee(coeur(7)), coeur(2), atout(4)}, {{coeur(2), -1}}},
};

void PrintTo(const CasJouable& c, std::ostream* os) { *os << c.nom; }

class Jouables : public testing::TestWithParam<CasJouable> {};

TEST_P(Jouables, CodesEtCartesPermises) {
    const CasJouable& cas = GetParam();
    Jeu jeu;
    Donne& d = jeu.donne;
    d.joueurEntame = SUD;
    int siege = SUD;
    for (const Carte& c : cas.avant) {
        d.pliEnCours[siege] = c;
        suivrePli(jeu, siege, c);
        ++d.nbCartesPli;
        siege = siegeSuivant(siege);
    }
    Main m;
    for (std::size_t i = 0; i < cas.main.size(); ++i) m[static_cast<int>(i) + 1] = cas.main[i];
    d.mainJoueur[siege] = m;
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 18; ++i) d.contrainteJeu[s][i].code = 7;  // left over from an earlier turn

    calculerJouables(jeu, siege);

    for (int i = 1; i <= 18; ++i) {
        const Carte& c = m[i];
        const Attendu* a = nullptr;
        for (const Attendu& x : cas.jouables)
            if (c.enMain && x.carte.memeCarte(c)) a = &x;
        const Contrainte& r = d.contrainteJeu[siege][i];
        if (!a) {
            EXPECT_EQ(d.jouable[siege][i], 0) << "slot " << i;
            EXPECT_EQ(r.code, -1) << "slot " << i;
            continue;
        }
        EXPECT_EQ(d.jouable[siege][i], 1) << "slot " << i;
        EXPECT_EQ(r.code, a->code) << "slot " << i;
        if (a->code == 3) {
            EXPECT_EQ(r.atoutAbattre, a->atoutAbattre) << "slot " << i;
        }
        if (a->code == 1 || a->code == 4) {
            EXPECT_EQ(r.couleurAbsente, a->couleurAbsente) << "slot " << i;
        }
    }
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 18 && s != siege; ++i) EXPECT_EQ(d.contrainteJeu[s][i].code, -1) << s << "/" << i;
}

INSTANTIATE_TEST_SUITE_P(Pli, Jouables, testing::ValuesIn(casJouables), [](const auto& info) {
    return "cas" + std::to_string(info.index);
});

TEST(Pli, CurseursDeLaMainDuJoueur) {
    Jeu jeu;
    VueEspion vue;
    jeu.vue = &vue;
    Donne& d = jeu.donne;
    d.mainJoueur[SUD] = mainPartielle({atout(4), coeur(9), coeur(3), pique(1)});
    d.joueurEntame = EST;
    d.pliEnCours[EST] = coeur(5);
    suivrePli(jeu, EST, coeur(5));
    d.nbCartesPli = 3;
    calculerJouables(jeu, SUD);
    for (int i = 1; i <= 18; ++i)
        EXPECT_EQ(vue.curseurs[i], i == 2 || i == 3 ? Curseur::Main : Curseur::Interdit) << "slot " << i;

    // Another seat's turn leaves the human's cursors alone.
    vue.curseurs.remplir(Curseur::Defaut);
    calculerJouables(jeu, OUEST);
    EXPECT_EQ(vue.curseurs[2], Curseur::Defaut);
}

struct CasGagnant {
    const char* nom;
    int entameur;
    std::array<Carte, 4> cartes;  // in playing order from the leader
    int gagnant;
};

const CasGagnant casGagnants[] = {
    {"la plus forte de la couleur menée", EST, {coeur(5), coeur(14), coeur(2), pique(14)}, NORD},
    {"un atout prend la couleur", SUD, {coeur(14), atout(2), coeur(13), pique(1)}, EST},
    {"le plus fort atout", OUEST, {coeur(1), atout(2), atout(21), atout(20)}, EST},
    {"Excuse, coeur 5, coeur 7, atout 2", EST, {excuse(), coeur(5), coeur(7), atout(2)}, SUD},
    {"l'Excuse jouée en dernier ne gagne pas", SUD, {pique(3), pique(4), pique(2), excuse()}, EST},
    {"Excuse menée puis pique", NORD, {excuse(), pique(2), pique(9), pique(1)}, SUD},
    {"une défausse ne prend pas", SUD, {coeur(5), pique(14), trefle(14), carreau(14)}, SUD},
};

void PrintTo(const CasGagnant& c, std::ostream* os) { *os << c.nom; }

class Gagnants : public testing::TestWithParam<CasGagnant> {};

TEST_P(Gagnants, LeGagnantEntameLePliSuivant) {
    const CasGagnant& cas = GetParam();
    Jeu jeu;
    Donne& d = jeu.donne;
    d.preneur = NORD;
    d.enchere[NORD] = PRISE;
    d.numeroPli = 3;
    d.joueurEntame = d.joueurCourant = cas.entameur;
    for (int i = 0, s = cas.entameur; i < 4; ++i, s = siegeSuivant(s)) d.pliEnCours[s] = cas.cartes[i];
    d.nbCartesPli = 4;
    finirPli(jeu);
    EXPECT_EQ(d.joueurEntame, cas.gagnant);
    EXPECT_EQ(d.joueurCourant, cas.gagnant);
    EXPECT_EQ(d.numeroPli, 4);
    EXPECT_EQ(d.nbCartesPli, 0);
}

INSTANTIATE_TEST_SUITE_P(Pli, Gagnants, testing::ValuesIn(casGagnants), [](const auto& info) {
    return "cas" + std::to_string(info.index);
});

// Every trick below: East takes; the cards are given from South on, South leads.
struct CasComptage {
    const char* nom;
    int numeroPli;  // the trick being played
    int contrat;
    std::array<Carte, 4> cartes;
    Chien chien;
    int boutsPreneurAvant, boutsDefenseAvant;
    int pointsPreneur, pointsDefense, boutsPreneur, boutsDefense;
    int petitAuBout;  // 9 when untouched
    int pointsAFaire;  // -7 when untouched
};

const Chien petitChien = chienDe({pique(1), pique(2), coeur(1), coeur(2), trefle(1), carreau(1)});  // 6 half-points
const Chien chienAu21 = chienDe({atout(21), pique(1), pique(2), coeur(1), coeur(2), trefle(1)});    // 14, one oudler

const CasComptage casComptage[] = {
    {"Excuse du preneur au pli 5, la défense gagne", 5, PRISE, {coeur(14), excuse(), coeur(2), coeur(3)}, petitChien,
     0, 0, 8, 12, 1, 0, 9, -7},
    {"Excuse d'un défenseur au pli 5, le preneur gagne", 5, PRISE, {excuse(), coeur(14), coeur(2), coeur(3)},
     petitChien, 0, 0, 12, 8, 0, 1, 9, -7},
    {"Excuse d'un défenseur, un défenseur gagne", 5, PRISE, {coeur(14), coeur(2), excuse(), coeur(3)}, petitChien, 0,
     0, 0, 20, 0, 1, 9, -7},
    {"pli 18 : l'Excuse d'un défenseur va au preneur qui gagne", 18, PRISE, {excuse(), coeur(14), coeur(2), coeur(3)},
     petitChien, 0, 0, 26, 0, 1, 0, 0, -7},
    {"pli 18 : l'Excuse du preneur va à la défense qui gagne", 18, GARDE, {coeur(14), excuse(), coeur(2), coeur(3)},
     petitChien, 0, 0, 6, 20, 0, 1, 0, -7},
    {"pli 18 : Excuse et pli restent à la défense", 18, PRISE, {coeur(14), coeur(2), excuse(), coeur(3)}, petitChien,
     0, 0, 6, 20, 0, 1, 0, -7},
    {"pli 18 : petit au bout pour la défense", 18, PRISE, {atout(5), atout(1), atout(3), atout(2)}, petitChien, 1, 1,
     6, 12, 1, 2, 2, 51},
    {"pli 18 : petit au bout pour le preneur", 18, PRISE, {atout(5), atout(21), atout(1), atout(2)}, petitChien, 0, 0,
     26, 0, 2, 0, 1, -7},
    {"Garde Sans avec le 21 au chien", 18, GARDE_SANS, {coeur(14), coeur(2), coeur(3), coeur(4)}, chienAu21, 1, 1, 14,
     12, 2, 1, 0, 41},
    {"Garde Contre : le chien va à la défense", 18, GARDE_CONTRE, {coeur(14), coeur(2), coeur(3), coeur(4)},
     chienAu21, 1, 1, 0, 26, 1, 2, 0, 51},
    {"les trois bouts tombés avant la fin fixent les points à faire", 7, PRISE,
     {atout(21), atout(5), atout(1), coeur(3)}, petitChien, 1, 0, 0, 20, 1, 2, 9, 51},
};

void PrintTo(const CasComptage& c, std::ostream* os) { *os << c.nom; }

class Comptage : public testing::TestWithParam<CasComptage> {};

TEST_P(Comptage, PointsBoutsEtExcuse) {
    const CasComptage& cas = GetParam();
    Jeu jeu;
    VueEspion vue;
    jeu.vue = &vue;
    Donne& d = jeu.donne;
    d.preneur = EST;
    d.enchere[EST] = cas.contrat;
    d.contrat = cas.contrat;
    d.chien = cas.chien;
    d.numeroPli = cas.numeroPli;
    d.boutsPreneur = cas.boutsPreneurAvant;
    d.boutsDefense = cas.boutsDefenseAvant;
    d.petitAuBout = 9;
    d.pointsAFaire = -7;
    d.joueurEntame = SUD;
    for (int s = 1; s <= 4; ++s) d.pliEnCours[s] = cas.cartes[static_cast<std::size_t>(s - 1)];
    d.nbCartesPli = 4;

    finirPli(jeu);

    EXPECT_EQ(d.pointsPreneur, cas.pointsPreneur);
    EXPECT_EQ(d.pointsDefense, cas.pointsDefense);
    EXPECT_EQ(d.boutsPreneur, cas.boutsPreneur);
    EXPECT_EQ(d.boutsDefense, cas.boutsDefense);
    EXPECT_EQ(d.petitAuBout, cas.petitAuBout);
    EXPECT_EQ(d.pointsAFaire, cas.pointsAFaire);
    EXPECT_EQ(vue.pointsAttaque, cas.pointsPreneur / 2);
    EXPECT_EQ(vue.pointsDefense, cas.pointsDefense / 2);
    EXPECT_EQ(vue.boutsPreneur, cas.boutsPreneur);
    EXPECT_EQ(vue.boutsDefense, cas.boutsDefense);
    EXPECT_EQ(vue.contrat, cas.pointsAFaire == -7 ? -1 : cas.pointsAFaire);
}

INSTANTIATE_TEST_SUITE_P(Pli, Comptage, testing::ValuesIn(casComptage), [](const auto& info) {
    return "cas" + std::to_string(info.index);
});

void compterFinDeDonne(Jeu& jeu) { jeu.scores.scoreTotal[1] += 1; }

TEST(Pli, FinDePliAvantEtApresLeDernier) {
    Jeu jeu;
    VueEspion vue;
    MinuteursEspion minuteurs;
    jeu.vue = &vue;
    jeu.minuteurs = &minuteurs;
    jeu.finDeDonne = compterFinDeDonne;
    jeu.options.transitionAutomatique = 1;
    jeu.options.intervalleTimerTransition = 2000;
    Donne& d = jeu.donne;
    d.preneur = EST;
    d.enchere[EST] = PRISE;
    d.chien = petitChien;
    const auto pli = [&](int numero) {
        d.numeroPli = numero;
        d.joueurEntame = SUD;
        for (int s = 1; s <= 4; ++s) d.pliEnCours[s] = carte(PIQUE, s);
        d.nbCartesPli = 4;
        vue.info.clear();
        finirPli(jeu);
    };

    jeu.connaissances.etatCouleur.remplir(2);
    jeu.connaissances.etatCouleur[PIQUE] = 1;
    jeu.connaissances.petitJoue = 1;
    pli(1);
    EXPECT_EQ(vue.nbPliPrecedent, 1) << "the previous trick may be reviewed from trick 2";
    EXPECT_EQ(vue.info, texte(Texte::messageContinuer, FRANCAIS));
    EXPECT_EQ(minuteurs.armes(Minuteur::TimerTransition), 1);
    EXPECT_EQ(minuteurs.duree(Minuteur::TimerTransition), 2000);
    EXPECT_EQ(d.etatAttente, 1);
    EXPECT_EQ(d.pliAffiche, 1);
    EXPECT_EQ(jeu.scores.scoreTotal[1], 0);
    EXPECT_EQ(jeu.connaissances.petitJoue, 0);
    EXPECT_EQ(jeu.connaissances.etatCouleur[PIQUE], 1) << "a suit never played stays so";
    for (int couleur = COEUR; couleur <= CARREAU; ++couleur)
        EXPECT_EQ(jeu.connaissances.etatCouleur[couleur], 0) << "first played in this trick, now in an earlier one";

    pli(2);
    EXPECT_EQ(vue.nbPliPrecedent, 1);

    jeu.options.transitionAutomatique = 0;
    pli(3);
    EXPECT_EQ(minuteurs.armes(Minuteur::TimerTransition), 2) << "a click is needed";

    jeu.options.transitionAutomatique = 1;
    pli(18);
    EXPECT_EQ(d.numeroPli, 19);
    EXPECT_EQ(jeu.scores.scoreTotal[1], 1) << "the deal is scored once, after the last trick";
    EXPECT_EQ(vue.info, "") << "no continue message after the last trick";
    EXPECT_EQ(minuteurs.armes(Minuteur::TimerTransition), 2);
    EXPECT_EQ(d.pliAffiche, 1);
}

TEST(Pli, UnPliJoueParLesRoutines) {
    Jeu jeu;
    VueEspion vue;
    MinuteursEspion minuteurs;
    jeu.vue = &vue;
    jeu.minuteurs = &minuteurs;
    jeu.options.intervalleTimerEntreCarte = 37;
    jeu.options.langue = ANGLAIS;
    donneDeBase(jeu, PRISE);
    Donne& d = jeu.donne;
    // East leads the Excuse; North's heart sets the suit, West and South follow it.
    d.joueurEntame = d.joueurCourant = EST;
    jouer(jeu, excuse());
    jouer(jeu, coeur(5));
    jouer(jeu, coeur(4));
    const int slotSud = slotDe(jeu, SUD, coeur(11));
    EXPECT_EQ(jouer(jeu, coeur(11)).code, -1);

    EXPECT_EQ(d.couleurDemandee, COEUR) << "the card after the Excuse sets the suit";
    EXPECT_EQ(d.joueurEntame, SUD);
    EXPECT_EQ(d.numeroPli, 2);
    EXPECT_EQ(minuteurs.armes(Minuteur::TimerEntreCarte), 3) << "after each card but the fourth";
    EXPECT_EQ(minuteurs.duree(Minuteur::TimerEntreCarte), 37);
    EXPECT_EQ(vue.nbCartesTable, 4);
    EXPECT_TRUE(vue.cartesTable[NORD].memeCarte(coeur(5)));
    ASSERT_EQ(vue.cartesCachees.size(), 1u) << "only the human's hand image is hidden";
    EXPECT_EQ(vue.cartesCachees[0], slotSud);
    EXPECT_FALSE(d.mainJoueur[SUD][slotSud].enMain);
    EXPECT_TRUE(d.pliEnCours[SUD].memeCarte(coeur(11)));
    EXPECT_EQ(d.carteJouee[SUD][1], slotSud);
    EXPECT_EQ(d.entameurPli[1], EST);
    EXPECT_EQ(vue.info, "Click anywhere to go on playing...");
    // The Excuse (9) and three hearts (1, 1, 3) go to South, the Excuse back to the taker.
    EXPECT_EQ(d.pointsDefense, 14 - 8);
    EXPECT_EQ(d.pointsPreneur, 8);
    EXPECT_FALSE(d.humainPeutJouer);
}

void compterContinuer(Jeu& jeu) { jeu.donne.nbDonnesSansPreneur += 1; }

struct CasClic {
    const char* nom;
    void (*preparer)(Jeu&, int slot);
    int slot;
};

const CasClic casRefuses[] = {
    {"le joueur ne peut pas jouer", [](Jeu& j, int) { j.donne.humainPeutJouer = false; }, 0},
    {"ce n'est pas son tour", [](Jeu& j, int) { j.donne.joueurCourant = OUEST; }, 0},
    {"l'offre de poignée est ouverte", [](Jeu& j, int) { j.donne.poigneeEnCours = 1; }, 0},
    {"la carte n'est pas jouable", [](Jeu& j, int s) { j.donne.jouable[SUD][s] = 0; }, 0},
    {"la carte est déjà jouée", [](Jeu& j, int s) { j.donne.mainJoueur[SUD][s].enMain = false; }, 0},
    {"une image hors de la main", [](Jeu&, int) {}, 19},
    {"le jeu attend un clic", [](Jeu& j, int) { j.donne.etatAttente = 1; }, 0},
};

void PrintTo(const CasClic& c, std::ostream* os) { *os << c.nom; }

class ClicRefuse : public testing::TestWithParam<CasClic> {};

TEST_P(ClicRefuse, LaCarteResteEnMain) {
    const CasClic& cas = GetParam();
    Jeu jeu;
    jeu.continuer = compterContinuer;
    donneDeBase(jeu, PRISE);
    Donne& d = jeu.donne;
    calculerJouables(jeu, SUD);
    d.humainPeutJouer = true;
    const int slot = cas.slot ? cas.slot : slotDe(jeu, SUD, pique(14));
    cas.preparer(jeu, slot);
    const bool attente = d.etatAttente == 1;
    const bool tenue = slot <= 18 && d.mainJoueur[SUD][slot].enMain;

    jouerCarteHumain(jeu, slot);

    EXPECT_EQ(d.nbCartesPli, 0);
    EXPECT_EQ(d.pliEnCours[SUD].couleur, SANS_COULEUR);
    EXPECT_EQ(jeu.connaissances.localisationCouleur[EST][PIQUE][14], NON_PLACE);
    if (slot <= 18) {
        EXPECT_EQ(d.mainJoueur[SUD][slot].enMain, tenue);
    }
    EXPECT_EQ(d.nbDonnesSansPreneur, attente ? 1 : 0) << "a click while waiting continues the game";
}

INSTANTIATE_TEST_SUITE_P(Pli, ClicRefuse, testing::ValuesIn(casRefuses), [](const auto& info) {
    return "cas" + std::to_string(info.index);
});

TEST(Pli, UnClicPendantLEcartChoisitUneCarteDeLEcart) {
    Jeu jeu;
    donneDeBase(jeu, PRISE);
    Donne& d = jeu.donne;
    d.preneur = SUD;
    d.modeEcart = 1;
    ouvrirEcart(jeu);
    d.humainPeutJouer = true;
    // Position 24 is the lowest card of the 24, the 1 of diamonds of the dog.
    jouerCarteHumain(jeu, 24);
    EXPECT_EQ(d.nbCartesEcartees, 1);
    EXPECT_EQ(d.nbCartesPli, 0);
}

TEST(Pli, LOrdinateurTireAuHasardParmiLesCartesPermises) {
    Jeu base;
    base.hasard.graine = 12345;
    donneDeBase(base, PRISE);
    calculerJouables(base, SUD);
    // Three spades that no card-play rule prunes when South leads here (it
    // holds the Roi and the Dame, the dog held two spades), so the pick alone decides.
    const int permis[] = {slotDe(base, SUD, pique(11)), slotDe(base, SUD, pique(10)), slotDe(base, SUD, pique(9))};
    Hasard hasardCommun = base.hasard;
    Table<int, 1, 18> tirages;
    for (int n = 0; n < 3000; ++n) {
        Jeu jeu = base;
        jeu.hasard = hasardCommun;
        jeu.donne.jouable[SUD].remplir(0);
        for (int s : permis) jeu.donne.jouable[SUD][s] = 1;
        jouerCarteOrdinateur(jeu, SUD);
        hasardCommun = jeu.hasard;
        for (int i = 1; i <= 18; ++i)
            if (!jeu.donne.mainJoueur[SUD][i].enMain) ++tirages[i];
        ASSERT_EQ(jeu.donne.nbCartesPli, 0) << "the card timer counts the card";
    }
    int total = 0;
    for (int i = 1; i <= 18; ++i) {
        total += tirages[i];
        const bool estPermis = i == permis[0] || i == permis[1] || i == permis[2];
        if (estPermis) {
            EXPECT_NEAR(tirages[i], 1000, 150) << "slot " << i;
        } else {
            EXPECT_EQ(tirages[i], 0) << "slot " << i;
        }
    }
    EXPECT_EQ(total, 3000);
}

TEST(Pli, SansCartePermiseLOrdinateurNeJoueRien) {
    Jeu jeu;
    donneDeBase(jeu, PRISE);
    jeu.donne.jouable[NORD].remplir(0);
    jouerCarteOrdinateur(jeu, NORD);
    for (int i = 1; i <= 18; ++i) EXPECT_TRUE(jeu.donne.mainJoueur[NORD][i].enMain);
    EXPECT_EQ(jeu.donne.pliEnCours[NORD].couleur, SANS_COULEUR);
}

}  // namespace
