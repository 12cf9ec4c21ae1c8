// Many real deals played out by the computer for all four seats, checking
// after every card the rules of the game and what each seat believes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/chien.h"
#include "engine/distribution.h"
#include "tests/aides_pli.h"
#include "tests/donne_jouee.h"
#include "tools/autoplay/verification.h"

namespace {

constexpr int nbDonnes = 5000;

// Where each card really is: 1..4 held by that seat, 10 played, 0 set aside.
struct Verite {
    ParAtout atout;
    ParCarteCouleur couleur;
    ParAtout rangAtout;
    ParCarteCouleur rangCouleur;

    int& de(const Carte& c) { return c.couleur == ATOUT ? atout[c.valeur] : couleur[c.couleur][c.valeur]; }
    int& rangDe(const Carte& c) { return c.couleur == ATOUT ? rangAtout[c.valeur] : rangCouleur[c.couleur][c.valeur]; }
};

Verite releverVerite(const Donne& d) {
    Verite v;
    for (int i = 1; i <= 6; ++i) v.de(d.chien[i]) = 0;
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 18; ++i) {
            const Carte& c = d.mainJoueur[s][i];
            v.de(c) = c.enMain ? s : HORS_JEU;
            v.rangDe(c) = i;
        }
    return v;
}

struct Savoir {
    Table<ParCarteCouleur, 1, 4> localisationCouleur;
    Table<ParAtout, 1, 4> localisationAtout;
    Table<Table<ParCarteCouleur, 1, 4>, 1, 4> possibleCouleur;
    Table<Table<ParAtout, 1, 4>, 1, 4> possibleAtout;
};

Savoir releverSavoir(const Connaissances& k) {
    return {k.localisationCouleur, k.localisationAtout, k.possibleCouleur, k.possibleAtout};
}

// One card seen by one observer: its location and its possible holders
// against the truth, and against what the observer knew before.
void verifierCarte(std::ostream& err, int o, const Carte& c, int verite, bool ecartConnu, int loc, int locAvant,
                   const Table<int, 1, 4>& possible, const Table<int, 1, 4>& possibleAvant) {
    const auto nom = [&] { return std::to_string(c.couleur) + "/" + std::to_string(c.valeur); };
    if (loc == HORS_JEU && verite != HORS_JEU && !(verite == 0 && ecartConnu))
        err << "observer " << o << " sees " << nom() << " out of play, it is at " << verite << "\n";
    if (loc >= 1 && loc <= 4 && verite != loc)
        err << "observer " << o << " places " << nom() << " with " << loc << ", it is at " << verite << "\n";
    if (loc == NON_PLACE && (verite == HORS_JEU || verite == o))
        err << "observer " << o << " has not placed " << nom() << ", at " << verite << "\n";
    if (loc != NON_PLACE && loc != HORS_JEU && (loc < 1 || loc > 4)) err << "bad location " << loc << "\n";
    if (locAvant != NON_PLACE && loc != locAvant && loc != HORS_JEU)
        err << "observer " << o << " moved " << nom() << " from " << locAvant << " to " << loc << "\n";
    for (int t = 1; t <= 4; ++t) {
        if (possible[t] == EXCLU && verite == t)
            err << "observer " << o << " excludes " << t << " from " << nom() << ", which it holds\n";
        if (possible[t] != EXCLU && possible[t] != POSSIBLE) err << "bad possibility " << possible[t] << "\n";
        if (possibleAvant[t] == EXCLU && possible[t] != EXCLU)
            err << "observer " << o << " no longer excludes " << t << " from " << nom() << "\n";
    }
}

void verifierSavoir(std::ostream& err, const Jeu& jeu, const Savoir& avant) {
    const Donne& d = jeu.donne;
    const Connaissances& k = jeu.connaissances;
    Verite v = releverVerite(d);
    const bool ecartVu = d.contrat == PRISE || d.contrat == GARDE;

    for (int o = 1; o <= 4; ++o) {
        const bool ecartConnu = ecartVu && o == d.preneur;
        for (int w = 0; w <= 21; ++w) {
            Table<int, 1, 4> p, pAvant;
            for (int t = 1; t <= 4; ++t) {
                p[t] = k.possibleAtout[o][t][w];
                pAvant[t] = avant.possibleAtout[o][t][w];
            }
            verifierCarte(err, o, atout(w), v.atout[w], ecartConnu, k.localisationAtout[o][w],
                          avant.localisationAtout[o][w], p, pAvant);
        }
        for (int couleur = 1; couleur <= 4; ++couleur)
            for (int val = 1; val <= 14; ++val) {
                Table<int, 1, 4> p, pAvant;
                for (int t = 1; t <= 4; ++t) {
                    p[t] = k.possibleCouleur[o][t][couleur][val];
                    pAvant[t] = avant.possibleCouleur[o][t][couleur][val];
                }
                verifierCarte(err, o, carte(couleur, val), v.couleur[couleur][val], ecartConnu,
                              k.localisationCouleur[o][couleur][val], avant.localisationCouleur[o][couleur][val], p,
                              pAvant);
            }
    }

    // Cards each observer neither holds nor has seen out of play.
    for (int o = 1; o <= 4; ++o) {
        for (int couleur = 1; couleur <= 4; ++couleur) {
            int n = 14;
            for (int val = 1; val <= 14; ++val) {
                const int l = k.localisationCouleur[o][couleur][val];
                n -= l == HORS_JEU || l == o;
            }
            if (k.restantCouleur[o][couleur] != n) err << "restantCouleur " << o << " " << couleur << "\n";
        }
        int n = 21;
        for (int w = 1; w <= 21; ++w) n -= k.localisationAtout[o][w] == HORS_JEU || k.localisationAtout[o][w] == o;
        if (k.restantAtout[o] != n) err << "restantAtout " << o << "\n";
    }

    // The true holders.
    for (int w = 2; w <= 21; ++w) {
        if (k.detenteurAtout[w] != v.atout[w]) err << "detenteurAtout " << w << "\n";
        if (v.atout[w] >= 1 && v.atout[w] <= 4 && k.rangAtout[w] != v.rangAtout[w]) err << "rangAtout " << w << "\n";
    }
    for (int couleur = 1; couleur <= 4; ++couleur)
        for (int val = 1; val <= 14; ++val) {
            const int h = v.couleur[couleur][val];
            if (k.detenteurCouleur[couleur][val] != h) err << "detenteurCouleur " << couleur << "/" << val << "\n";
            if (h >= 1 && h <= 4 && k.rangCouleur[couleur][val] != v.rangCouleur[couleur][val])
                err << "rangCouleur " << couleur << "/" << val << "\n";
        }
    const int petit = v.atout[PETIT] == 0 ? -1 : v.atout[PETIT];
    const int excuse = v.atout[EXCUSE] == 0 ? -1 : v.atout[EXCUSE];
    if (k.detenteurPetit != petit) err << "detenteurPetit " << k.detenteurPetit << " for " << petit << "\n";
    if (k.detenteurExcuse != excuse) err << "detenteurExcuse " << k.detenteurExcuse << " for " << excuse << "\n";
}

// The winner of a complete trick, by its place 1..4 in playing order: the
// highest trump, else the highest card of the suit of the first card that is
// not the Excuse; the Excuse never wins.
int placeGagnante(const Table<Carte, 1, 4>& pli) {
    int g = 0;
    for (int i = 1; i <= 4; ++i) {
        const Carte& c = pli[i];
        if (estExcuse(c)) continue;
        if (g == 0) {
            g = i;
            continue;
        }
        const Carte& b = pli[g];
        if (estAtout(c) ? (!estAtout(b) || c.valeur > b.valeur) : (c.couleur == b.couleur && c.valeur > b.valeur))
            g = i;
    }
    return g;
}

// The taker's tally kept apart from the engine's: the cards its side owns,
// the Excuse kept by its owner against a half-point card except in the last
// trick, where it goes to the winner.
struct Decompte {
    int points = 0;
    int bouts = 0;
    int petitAuBout = 0;

    void compterPli(const Donne& d, const Table<Carte, 1, 4>& pli, const Table<int, 1, 4>& sieges, int numero) {
        const int g = placeGagnante(pli);
        const bool preneurGagne = sieges[g] == d.preneur;
        for (int i = 1; i <= 4; ++i) {
            const Carte& c = pli[i];
            const bool excuseGardee = estExcuse(c) && numero < 18;
            const bool aPreneur = excuseGardee ? sieges[i] == d.preneur : preneurGagne;
            if (aPreneur) {
                points += pointsCarte(c);
                bouts += estBout(c);
            }
            if (excuseGardee && aPreneur != preneurGagne) points += aPreneur ? -1 : 1;
            if (numero == 18 && c.couleur == ATOUT && c.valeur == PETIT) petitAuBout = preneurGagne ? 1 : 2;
        }
    }

    void compterChien(const Donne& d) {
        if (d.contrat == GARDE_CONTRE) return;
        for (int i = 1; i <= 6; ++i) {
            points += pointsCarte(d.chien[i]);
            bouts += estBout(d.chien[i]);
        }
    }
};

std::string jouerDonne(Jeu& jeu) {
    std::ostringstream err;
    Donne& d = jeu.donne;
    Savoir avant = releverSavoir(jeu.connaissances);
    verifierSavoir(err, jeu, avant);
    ParCarteCouleur couleursVues;
    ParAtout atoutsVus;
    Decompte decompte;

    for (int pli = 1; pli <= 18; ++pli) {
        Table<Carte, 1, 4> surLaTable;
        Table<int, 1, 4> sieges;
        for (int n = 0; n < 4; ++n) {
            const int s = d.joueurCourant;
            sieges[n + 1] = s;
            const Main main = d.mainJoueur[s];
            calculerJouables(jeu, s);
            jouerCarteOrdinateur(jeu, s);
            int slot = 0;
            for (int i = 1; i <= 18; ++i)
                if (main[i].enMain && !d.mainJoueur[s][i].enMain) slot = i;
            if (slot == 0) {
                err << "seat " << s << " played nothing in trick " << pli << "\n";
                return err.str();
            }
            const Carte& c = main[slot];
            if (!carteLegale(main, c, &surLaTable[1], n))
                err << "trick " << pli << ": seat " << s << " may not play " << c.couleur << "/" << c.valeur << "\n";
            int& vue = c.couleur == ATOUT ? atoutsVus[c.valeur] : couleursVues[c.couleur][c.valeur];
            if (vue++) err << "card " << c.couleur << "/" << c.valeur << " played twice\n";
            surLaTable[n + 1] = c;
            apresCarte(jeu);

            verifierSavoir(err, jeu, avant);
            if (err.tellp() > 0) return err.str();
            avant = releverSavoir(jeu.connaissances);
        }
        if (d.numeroPli != pli + 1) err << "trick " << pli << " not resolved\n";
        if (d.joueurEntame != sieges[placeGagnante(surLaTable)]) err << "trick " << pli << " won by " << d.joueurEntame << "\n";
        decompte.compterPli(d, surLaTable, sieges, pli);
        ramasser(jeu);
    }
    decompte.compterChien(d);
    if (d.pointsPreneur != decompte.points) err << "taker's half-points " << d.pointsPreneur << " for " << decompte.points << "\n";
    if (d.boutsPreneur != decompte.bouts) err << "taker's oudlers " << d.boutsPreneur << " for " << decompte.bouts << "\n";
    if (d.petitAuBout != decompte.petitAuBout) err << "petitAuBout " << d.petitAuBout << "\n";

    if (d.pointsPreneur + d.pointsDefense != 182)
        err << "half-points " << d.pointsPreneur << " + " << d.pointsDefense << "\n";
    if (d.boutsPreneur + d.boutsDefense != 3) err << "oudlers " << d.boutsPreneur << " + " << d.boutsDefense << "\n";
    const int aFaire[] = {56, 51, 41, 36};
    if (d.boutsPreneur >= 0 && d.boutsPreneur <= 3 && d.pointsAFaire != aFaire[d.boutsPreneur])
        err << "pointsAFaire " << d.pointsAFaire << "\n";
    return err.str();
}

TEST(EnduranceDuPli, DesMilliersDeDonnesJoueesJusquAuBout) {
    for (int n = 0; n < nbDonnes; ++n) {
        Jeu jeu;
        jeu.hasard.horloge = horlogeDeterministe(static_cast<std::uint64_t>(n) + 1);
        preparerDonne(jeu, n);
        const std::string erreur = jouerDonne(jeu);
        ASSERT_EQ(erreur, "") << "deal " << n << ", taker " << jeu.donne.preneur << ", contract " << jeu.donne.contrat;
    }
}

}  // namespace
