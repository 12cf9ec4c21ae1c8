#pragma once
// Builders and fakes shared by the tests of the trick engine and of the
// knowledge model.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/connaissances.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "tests/aides.h"

inline Carte excuse() { return atout(EXCUSE); }

// The card as already played: still in its slot, no longer held.
inline Carte jouee(Carte c) {
    c.enMain = false;
    return c;
}

// Up to 18 cards in slots 1, 2, ...; the other slots are empty.
inline Main mainPartielle(std::initializer_list<Carte> cartes) {
    Main m;
    int i = 1;
    for (const Carte& c : cartes) m[i++] = c;
    return m;
}

inline Chien chienDe(std::initializer_list<Carte> cartes) {
    Chien ch;
    int i = 1;
    for (const Carte& c : cartes) ch[i++] = c;
    return ch;
}

// Records what the trick engine shows.
class VueEspion : public Vue {
public:
    Deductions deductions;
    int nbDeductions = 0;
    Table<Curseur, 1, 18> curseurs;
    std::vector<int> cartesCachees;
    Table<Carte, 1, 4> cartesTable;
    int nbCartesTable = 0;
    int pointsAttaque = -1, pointsDefense = -1, boutsPreneur = -1, boutsDefense = -1, contrat = -1;
    int nbPliPrecedent = 0;
    std::string info;

    void ecrireInfo(const std::string& t) override { info = t; }
    void curseurCarteMain(int k, Curseur c) override { curseurs[k] = c; }
    void cacherCarteMain(int k) override { cartesCachees.push_back(k); }
    void dessinerCarteTable(int siege, const Carte& c) override {
        cartesTable[siege] = c;
        ++nbCartesTable;
    }
    void afficherPoints(int a, int d) override {
        pointsAttaque = a;
        pointsDefense = d;
    }
    void afficherBouts(int p, int d) override {
        boutsPreneur = p;
        boutsDefense = d;
    }
    void afficherContrat(int p) override { contrat = p; }
    void activerPliPrecedent(bool actif) override { nbPliPrecedent += actif; }
    void afficherDeductions(const Deductions& x) override {
        deductions = x;
        ++nbDeductions;
    }
};

class MinuteursEspion : public Minuteurs {
public:
    std::array<int, 4> nbArmes{};
    std::array<int, 4> intervalle{};

    void armer(Minuteur m, int ms) override {
        ++nbArmes[static_cast<std::size_t>(m)];
        intervalle[static_cast<std::size_t>(m)] = ms;
    }
    void arreter(Minuteur) override {}
    int armes(Minuteur m) const { return nbArmes[static_cast<std::size_t>(m)]; }
    int duree(Minuteur m) const { return intervalle[static_cast<std::size_t>(m)]; }
};

// Slot of a held card in a seat's hand, 0 when it does not hold it.
inline int slotDe(const Jeu& jeu, int siege, const Carte& c) {
    for (int i = 1; i <= 18; ++i) {
        const Carte& x = jeu.donne.mainJoueur[siege][i];
        if (x.enMain && x.memeCarte(c)) return i;
    }
    return 0;
}

// Plays `c` for the seat whose turn it is, as the card timer or a click
// would: legality first, then the play routines. Answers the legality record
// the card was played under.
inline Contrainte jouer(Jeu& jeu, const Carte& c) {
    Donne& d = jeu.donne;
    const int s = d.joueurCourant;
    calculerJouables(jeu, s);
    const int slot = slotDe(jeu, s, c);
    if (slot == 0 || d.jouable[s][slot] != 1) {
        ADD_FAILURE() << "seat " << s << " may not play " << c.couleur << "/" << c.valeur;
        return {};
    }
    const Contrainte r = d.contrainteJeu[s][slot];
    if (s == d.joueurHumain) {
        d.humainPeutJouer = true;
        jouerCarteHumain(jeu, slot);
        return r;
    }
    d.jouable[s].remplir(0);
    d.jouable[s][slot] = 1;
    jouerCarteOrdinateur(jeu, s);
    apresCarte(jeu);
    return r;
}

inline void jouerPli(Jeu& jeu, std::initializer_list<Carte> cartes) {
    for (const Carte& c : cartes) jouer(jeu, c);
}

// The table cleared for the next trick, as the continue step does.
inline void ramasser(Jeu& jeu) {
    Donne& d = jeu.donne;
    d.etatAttente = 0;
    d.pliAffiche = 0;
    for (int s = 1; s <= 4; ++s) d.pliEnCours[s] = Carte{};
}

// The deal most knowledge tests start from; East takes, South leads.
//   South: trumps 13 9 3 1, spades R..9, hearts R..V, clubs R D, diamonds R D
//   East:  trumps 21..14, the Excuse, spades 8 7 6, hearts 10 9 8, clubs C V, diamonds C
//   North: trumps 12 11 10 8 7 6 5 4 2, spades 5 4 3, hearts 7 6 5, diamonds V 10 2 (no club)
//   West:  hearts 4, clubs 10..1, diamonds 9..3 (no spade, no trump)
//   dog:   spades 2 1, hearts 3 2 1, diamonds 1
// With `roiAuChien` the roi of diamonds is in the dog instead of the 1, which
// South holds; under Prise or Garde East keeps the roi and discards its 8 of spades.
inline void donneDeBase(Jeu& jeu, int contrat, bool roiAuChien = false) {
    Donne& d = jeu.donne;
    const Carte carreauSud = roiAuChien ? carreau(1) : carreau(14);
    d.mainJoueur[SUD] = mainDe({atout(13), atout(9), atout(3), atout(1), pique(14), pique(13), pique(12), pique(11),
                                pique(10), pique(9), coeur(14), coeur(13), coeur(12), coeur(11), trefle(14), trefle(13),
                                carreauSud, carreau(13)});
    d.mainJoueur[EST] = mainDe({atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14),
                                excuse(), pique(8), pique(7), pique(6), coeur(10), coeur(9), coeur(8), trefle(12),
                                trefle(11), carreau(12)});
    d.mainJoueur[NORD] = mainDe({atout(12), atout(11), atout(10), atout(8), atout(7), atout(6), atout(5), atout(4),
                                 atout(2), pique(5), pique(4), pique(3), coeur(7), coeur(6), coeur(5), carreau(11),
                                 carreau(10), carreau(2)});
    d.mainJoueur[OUEST] = mainDe({coeur(4), trefle(10), trefle(9), trefle(8), trefle(7), trefle(6), trefle(5), trefle(4),
                                  trefle(3), trefle(2), trefle(1), carreau(9), carreau(8), carreau(7), carreau(6),
                                  carreau(5), carreau(4), carreau(3)});
    const Carte carreauChien = roiAuChien ? carreau(14) : carreau(1);
    d.chien = chienDe({pique(2), pique(1), coeur(3), coeur(2), coeur(1), carreauChien});
    d.chienInitial = d.chien;
    const bool ecart = contrat == PRISE || contrat == GARDE;
    if (roiAuChien && ecart) {
        d.mainJoueur[EST][10] = carreau(14);
        d.chien = chienDe({pique(8), pique(2), pique(1), coeur(3), coeur(2), coeur(1)});
    }
    trierMains(d);
    d.preneur = EST;
    d.contrat = contrat;
    d.enchere.remplir(PASSE);
    d.enchere[EST] = contrat;
    d.premierJoueur = d.joueurEntame = d.joueurCourant = SUD;
    d.numeroPli = 1;
    jeu.connaissances.chienMontre = ecart ? 1 : 0;
    initialiserConnaissances(jeu);
}
