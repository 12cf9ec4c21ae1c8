// The solver's rules against the trick engine's, card by card, over many
// real deals; and hand-made positions of the Excuse, the petit au bout and
// the dog.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <vector>
#include <string>

#include "engine/pli.h"
#include "scoring/score.h"
#include "solveur/solveur.h"
#include "tests/aides_pli.h"
#include "tests/donne_jouee.h"

namespace {

std::string nom(const Carte& c) { return std::to_string(c.couleur) + "/" + std::to_string(c.valeur); }

// What the two positions disagree on, empty when they agree.
std::string ecarts(const Position& a, const Position& b) {
    std::ostringstream e;
    for (int s = 1; s <= 4; ++s) {
        if (a.nbCartes[s] != b.nbCartes[s]) e << "seat " << s << " holds " << a.nbCartes[s] << " for " << b.nbCartes[s] << "; ";
        for (int i = 1; i <= std::min(a.nbCartes[s], b.nbCartes[s]); ++i)
            if (!a.mains[s][i].memeCarte(b.mains[s][i])) e << "seat " << s << " slot " << i << "; ";
        if (!a.pli[s].memeCarte(b.pli[s])) e << "table " << s << ": " << nom(a.pli[s]) << " for " << nom(b.pli[s]) << "; ";
    }
    const auto comparer = [&](const char* quoi, int x, int y) {
        if (x != y) e << quoi << " " << x << " for " << y << "; ";
    };
    comparer("leader", a.entameur, b.entameur);
    comparer("to play", a.joueur, b.joueur);
    comparer("taker's half-points", a.pointsPreneur, b.pointsPreneur);
    comparer("defence's half-points", a.pointsDefense, b.pointsDefense);
    comparer("taker's oudlers", a.boutsPreneur, b.boutsPreneur);
    comparer("defence's oudlers", a.boutsDefense, b.boutsDefense);
    comparer("petit au bout", a.petitAuBout, b.petitAuBout);
    return e.str();
}

// Plays a real deal with the engine; before every card the solver's playable
// cards must be the engine's, after it the solver's own play of that card
// must lead to the position the engine reached.
std::string rejouer(Jeu& jeu) {
    Donne& d = jeu.donne;
    std::ostringstream err;
    for (int pli = 1; pli <= 18; ++pli) {
        for (int n = 0; n < 4; ++n) {
            const int s = d.joueurCourant;
            const Position avant = positionDuJeu(jeu);
            std::string pourquoi;
            if (!verifierPosition(avant, &pourquoi)) return "trick " + std::to_string(pli) + ": " + pourquoi;
            calculerJouables(jeu, s);
            const ListeCartes l = cartesJouables(avant);
            int attendus = 0;
            for (int i = 1; i <= 18; ++i) {
                const Carte& c = d.mainJoueur[s][i];
                if (d.jouable[s][i] != 1) continue;
                ++attendus;
                bool trouve = false;
                for (int k = 0; k < l.nb; ++k) trouve = trouve || l.cartes[static_cast<std::size_t>(k)].memeCarte(c);
                if (!trouve) err << "trick " << pli << ": " << nom(c) << " playable for the engine only\n";
            }
            if (attendus != l.nb) err << "trick " << pli << ": " << l.nb << " playable cards for " << attendus << "\n";

            const Main main = d.mainJoueur[s];
            jouerCarteOrdinateur(jeu, s);
            Carte jouee;
            for (int i = 1; i <= 18; ++i)
                if (main[i].enMain && !d.mainJoueur[s][i].enMain) jouee = main[i];
            apresCarte(jeu);
            Position mienne = avant;
            if (!jouerCarte(mienne, jouee)) err << "trick " << pli << ": " << nom(jouee) << " refused\n";
            const std::string e = ecarts(mienne, positionDuJeu(jeu));
            if (!e.empty()) err << "trick " << pli << " after " << nom(jouee) << ": " << e << "\n";
            if (err.tellp() > 0) return err.str();
        }
        if (pli < 18) ramasser(jeu);  // the last trick stays on the table
    }
    const Position fin = positionDuJeu(jeu);
    if (!donneFinie(fin)) return "the deal is not over";
    if (scoreFinal(fin) != calculerScoreDonne(jeu)) return "score " + std::to_string(scoreFinal(fin));
    return "";
}

TEST(SolveurRegles, LesCartesJouablesEtLesPlisDuMoteurSurDesMilliersDeDonnes) {
    int avecPetitAuBout = 0;
    for (int n = 0; n < 3000; ++n) {
        Jeu jeu;
        jeu.hasard.horloge = horlogeDeterministe(static_cast<std::uint64_t>(n) + 7);
        preparerDonne(jeu, static_cast<std::uint64_t>(n));
        ASSERT_EQ(jeu.donne.poigneeHumain, 0);
        const std::string e = rejouer(jeu);
        ASSERT_EQ(e, "") << "deal " << n << ", taker " << jeu.donne.preneur << ", contract " << jeu.donne.contrat;
        avecPetitAuBout += jeu.donne.petitAuBout != 0;
    }
    // The deals reach the petit au bout too.
    EXPECT_GT(avecPetitAuBout, 0);
}

// Endings of one or two tricks, East taking, South leading; what the taker
// has won before is given, the value worked out by hand.
struct CasFinale {
    const char* nom;
    int contrat;
    int pointsAvant, boutsAvant;
    std::array<std::vector<Carte>, 4> mains;  // South, East, North, West
    Chien chien;
    int valeur;
    std::vector<Carte> meilleures;  // South's
};

const Chien petitChien = chienDe({pique(1), pique(2), coeur(1), coeur(2), trefle(1), carreau(1)});  // 6 half-points
const Chien chienAu21 = chienDe({atout(21), pique(1), pique(2), coeur(1), coeur(2), trefle(1)});    // 14, one oudler

const CasFinale casFinales[] = {
    // 80 + 30 - 8 + 6 = 108 half-points, 54 points, 1 oudler: 54 - 51 + 25 = 28; kept for the last
    // trick the Excuse and its oudler would go to the taker: 116, 58 - 41 + 25 = 42.
    {"le défenseur sauve son Excuse avant le dernier pli", PRISE, 80, 1,
     {{{excuse(), coeur(5)}, {coeur(14), coeur(13)}, {coeur(10), coeur(3)}, {coeur(4), coeur(6)}}}, petitChien, 3 * 28,
     {excuse()}},
    {"l'Excuse d'un défenseur au dernier pli va au preneur qui gagne", PRISE, 80, 1,
     {{{excuse()}, {coeur(14)}, {coeur(10)}, {coeur(3)}}}, petitChien, 3 * (53 - 41 + 25), {excuse()}},
    {"l'Excuse du preneur au dernier pli va à la défense", GARDE, 100, 1,
     {{{coeur(14)}, {excuse()}, {coeur(10)}, {coeur(3)}}}, petitChien, 2 * 3 * (53 - 51 + 25), {coeur(14)}},
    // South's trump 5 led would force the 21 and leave the Petit au bout; on
    // South's spade the taker trumps with the Petit rather than lose it under
    // the 5 in the last trick: 70 + 24 + 6 = 100, 50 - 41 + 25 = 34 at Garde.
    {"petit au bout évité par la défense", GARDE, 70, 0,
     {{{atout(5), pique(3)}, {atout(1), atout(21)}, {pique(4), pique(6)}, {pique(7), pique(8)}}}, petitChien,
     2 * 3 * 34, {pique(3)}},
    // No trump left to the defence: the 21 first, then the Petit au bout:
    // 70 + 24 + 6 = 100, 50 - 41 + 25 + 10 = 44.
    {"petit au bout pour le preneur", GARDE, 70, 0,
     {{{pique(5), pique(3)}, {atout(1), atout(21)}, {pique(4), pique(6)}, {pique(7), pique(8)}}}, petitChien,
     2 * 3 * 44, {pique(5), pique(3)}},
    // South keeps the Petit for the last trick after the 20: 96, 48 - 51 - 25 - 10 = -38.
    {"petit au bout pour la défense", PRISE, 90, 1,
     {{{atout(1), atout(20)}, {atout(2), coeur(5)}, {coeur(6), coeur(7)}, {coeur(8), coeur(9)}}}, petitChien,
     3 * -38, {atout(20)}},
    // The dog's 14 half-points and its 21 for the taker: 114, 57 - 41 + 25 = 41.
    {"Garde Sans : le chien et son bout au preneur", GARDE_SANS, 100, 1,
     {{{coeur(14)}, {coeur(10)}, {coeur(3)}, {coeur(4)}}}, chienAu21, 4 * 3 * 41, {coeur(14)}},
    // The dog to the defence: 100, 50 - 51 - 25 = -26.
    {"Garde Contre : le chien et son bout à la défense", GARDE_CONTRE, 100, 1,
     {{{coeur(14)}, {coeur(10)}, {coeur(3)}, {coeur(4)}}}, chienAu21, 6 * 3 * -26, {coeur(14)}},
};

TEST(SolveurRegles, ExcusePetitAuBoutEtChienDesFinalesFaitesALaMain) {
    for (const CasFinale& cas : casFinales) {
        Position p;
        p.preneur = EST;
        p.contrat = cas.contrat;
        p.pointsPreneur = cas.pointsAvant;
        p.boutsPreneur = cas.boutsAvant;
        p.chien = cas.chien;
        for (int s = 1; s <= 4; ++s) {
            const std::vector<Carte>& m = cas.mains[static_cast<std::size_t>(s - 1)];
            p.nbCartes[s] = static_cast<int>(m.size());
            for (int i = 1; i <= p.nbCartes[s]; ++i) p.mains[s][i] = m[static_cast<std::size_t>(i - 1)];
        }
        ASSERT_TRUE(verifierPosition(p)) << cas.nom;
        Solveur solveur(1);
        const Resultat r = solveur.resoudre(p);
        EXPECT_TRUE(r.exact) << cas.nom;
        EXPECT_EQ(r.valeur, cas.valeur) << cas.nom;
        EXPECT_EQ(r.contratRealisable, cas.valeur > 0 ? 1 : 0) << cas.nom;
        ASSERT_EQ(r.meilleures.nb, static_cast<int>(cas.meilleures.size())) << cas.nom;
        for (int i = 0; i < r.meilleures.nb; ++i)
            EXPECT_TRUE(r.meilleures.cartes[static_cast<std::size_t>(i)].memeCarte(cas.meilleures[static_cast<std::size_t>(i)]))
                << cas.nom;
        if (p.nbCartes[SUD] != 1) continue;

        // A last trick: the engine gathers it and scores the deal the same.
        Jeu jeu;
        Donne& d = jeu.donne;
        d.preneur = EST;
        d.contrat = cas.contrat;
        d.enchere.remplir(PASSE);
        d.enchere[EST] = cas.contrat;
        d.chien = cas.chien;
        d.numeroPli = 18;
        d.pointsPreneur = cas.pointsAvant;
        d.boutsPreneur = cas.boutsAvant;
        // The other oudlers were won by the defence.
        d.boutsDefense = 3 - cas.boutsAvant;
        for (int i = 1; i <= 6; ++i) d.boutsDefense -= cas.contrat >= GARDE_SANS && estBout(cas.chien[i]);
        for (const auto& m : cas.mains) d.boutsDefense -= estBout(m[0]);
        d.joueurEntame = d.joueurCourant = SUD;
        for (int s = 1; s <= 4; ++s) d.mainJoueur[s][1] = cas.mains[static_cast<std::size_t>(s - 1)][0];
        Position fin = p;
        for (int s = 1; s <= 4; ++s) {
            jouer(jeu, cas.mains[static_cast<std::size_t>(s - 1)][0]);
            ASSERT_TRUE(jouerCarte(fin, cas.mains[static_cast<std::size_t>(s - 1)][0])) << cas.nom;
        }
        ASSERT_TRUE(donneFinie(fin)) << cas.nom;
        EXPECT_EQ(fin.pointsPreneur, d.pointsPreneur) << cas.nom;
        EXPECT_EQ(fin.boutsPreneur, d.boutsPreneur) << cas.nom;
        EXPECT_EQ(calculerScoreDonne(jeu), cas.valeur) << cas.nom;
    }
}

}  // namespace
