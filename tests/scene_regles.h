#pragma once
// Deals made to order for the tests of the card-play rules: the cards that
// matter are placed by the test, the rest of the pack fills the hands, and the
// tricks are played through the real trick engine so that every knowledge
// table follows.
#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/connaissances.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "engine/regles_moteur.h"
#include "tests/aides.h"

// Kept apart from the other test helpers, which have their own jouer and slotDe.
namespace scene {

// The cards each seat (1..4) and the dog (0) must hold; the Petit and the
// Excuse must be placed, so that no filler gives them away by surprise.
using Placement = std::array<std::vector<Carte>, 5>;

// Cards written as the tests name them: "A21 A1 Exc P14 C2 T11 K3" (trumps,
// the Excuse, spades, hearts, clubs, diamonds).
inline std::vector<Carte> cartes(const std::string& texte) {
    std::vector<Carte> v;
    std::size_t i = 0;
    while (i < texte.size()) {
        while (i < texte.size() && texte[i] == ' ') ++i;
        if (i >= texte.size()) break;
        std::size_t j = i;
        while (j < texte.size() && texte[j] != ' ') ++j;
        const std::string mot = texte.substr(i, j - i);
        i = j;
        if (mot == "Exc") {
            v.push_back(atout(EXCUSE));
            continue;
        }
        const std::string lettres = "APCTK";
        const std::size_t couleur = lettres.find(mot[0]);
        if (couleur == std::string::npos || mot.size() < 2) throw std::invalid_argument("bad card " + mot);
        v.push_back(carte(static_cast<int>(couleur), std::stoi(mot.substr(1))));
    }
    return v;
}

inline std::array<std::vector<Carte>, 5> placement(const std::string& chien, const std::string& sud,
                                                  const std::string& est, const std::string& nord,
                                                  const std::string& ouest) {
    return {cartes(chien), cartes(sud), cartes(est), cartes(nord), cartes(ouest)};
}

inline bool memeCarte(const Carte& a, const Carte& b) { return a.couleur == b.couleur && a.valeur == b.valeur; }

// Filler order: small pips first, then the aces, honours, trumps.
inline int neutralite(const Carte& c) {
    if (c.couleur == ATOUT) return 1000 + c.valeur;
    if (c.valeur >= 2 && c.valeur <= 10) return c.valeur * 10 + c.couleur;
    if (c.valeur == 1) return 200 + c.couleur;
    return 300 + c.valeur * 10 + c.couleur;
}

inline void distribuerScene(Jeu& jeu, const Placement& cartes, int preneur, int contrat, int entameur) {
    std::vector<Carte> places;
    for (const auto& liste : cartes)
        for (const Carte& c : liste) {
            for (const Carte& p : places)
                if (memeCarte(p, c)) throw std::invalid_argument("a card placed twice");
            places.push_back(c);
        }
    const auto place = [&](const Carte& c) {
        return std::any_of(places.begin(), places.end(), [&](const Carte& p) { return memeCarte(p, c); });
    };
    if (!place(atout(PETIT)) || !place(atout(EXCUSE))) throw std::invalid_argument("place the Petit and the Excuse");

    std::vector<Carte> reste;
    for (int id = 1; id <= 78; ++id)
        if (!place(jeu.paquet[id])) reste.push_back(jeu.paquet[id]);
    std::stable_sort(reste.begin(), reste.end(),
                     [](const Carte& a, const Carte& b) { return neutralite(a) < neutralite(b); });

    std::array<std::vector<Carte>, 5> lots = cartes;
    std::size_t suivante = 0;
    while (lots[0].size() < 6) lots[0].push_back(reste.at(suivante++));
    for (bool manque = true; manque;) {
        manque = false;
        for (int s = 1; s <= 4; ++s)
            if (lots[s].size() < 18) {
                lots[s].push_back(reste.at(suivante++));
                manque = true;
            }
    }
    if (suivante != reste.size() || lots[0].size() != 6) throw std::invalid_argument("too many cards placed");
    for (int s = 1; s <= 4; ++s)
        if (lots[s].size() != 18) throw std::invalid_argument("a hand holds 18 cards");

    Donne& d = jeu.donne;
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 18; ++i) d.mainJoueur[s][i] = carte(lots[s][i - 1].couleur, lots[s][i - 1].valeur);
    for (int i = 1; i <= 6; ++i) d.chien[i] = carte(lots[0][i - 1].couleur, lots[0][i - 1].valeur);
    trierMains(d);
    trierChien(d);
    d.preneur = preneur;
    d.contrat = contrat;
    for (int s = 1; s <= 4; ++s) d.enchere[s] = s == preneur ? contrat : PASSE;
    d.premierJoueur = entameur;
    d.joueurEntame = d.joueurCourant = entameur;
    d.numeroPli = 1;
    d.nbCartesPli = 0;
    jeu.connaissances.chienMontre = contrat == PRISE || contrat == GARDE ? 1 : 0;
    jeu.options.niveau = 4;
    jeu.options.optionNiveauAdaptatif = 0;
    jeu.hasard.graine = 1;
    initialiserConnaissances(jeu);
}

inline int slotDe(const Jeu& jeu, int siege, const Carte& c) {
    const Main& m = jeu.donne.mainJoueur[siege];
    for (int i = 1; i <= 18; ++i)
        if (m[i].enMain && memeCarte(m[i], c)) return i;
    return -1;
}

// The seat whose turn it is plays `c`, as the trick engine plays a card; a
// finished trick is cleared from the table as the continue step does.
inline void jouer(Jeu& jeu, const Carte& c) {
    Donne& d = jeu.donne;
    const int siege = d.joueurCourant;
    calculerJouables(jeu, siege);
    const int slot = slotDe(jeu, siege, c);
    if (slot == -1 || d.jouable[siege][slot] != 1) throw std::invalid_argument("card not playable");
    noterCarteJouee(jeu, siege, slot);
    Carte& carteJouee = d.mainJoueur[siege][slot];
    carteJouee.enMain = false;
    d.pliEnCours[siege] = carteJouee;
    suivrePli(jeu, siege, carteJouee);
    apresCarte(jeu);
    if (d.nbCartesPli == 0) {
        for (int s = 1; s <= 4; ++s) d.pliEnCours[s] = Carte{};
        d.etatAttente = 0;
        d.pliAffiche = 0;
    }
}

inline void jouer(Jeu& jeu, std::initializer_list<Carte> liste) {
    for (const Carte& c : liste) jouer(jeu, c);
}

inline void jouer(Jeu& jeu, const std::string& texte) {
    for (const Carte& c : cartes(texte)) jouer(jeu, c);
}

// The seat to play gets its choice begun, then rule k alone is tried on it.
inline int essayerRegle(Jeu& jeu, int k) {
    const int siege = jeu.donne.joueurCourant;
    calculerJouables(jeu, siege);
    commencerChoix(jeu, siege);
    appliquerRegle(jeu, k);
    return siege;
}

// The seat to play gets its legal cards and a fresh choice begins for it.
inline int preparerChoix(Jeu& jeu) {
    const int siege = jeu.donne.joueurCourant;
    calculerJouables(jeu, siege);
    commencerChoix(jeu, siege);
    return siege;
}

inline std::string nomCarte(const Carte& c) {
    if (c.couleur == ATOUT) return c.valeur == EXCUSE ? "Exc" : "A" + std::to_string(c.valeur);
    static const char* const lettres = "?PCTK";
    return lettres[c.couleur] + std::to_string(c.valeur);
}

// The seat's playable cards in slot order, e.g. "A21 A5 P3".
inline std::string jouables(const Jeu& jeu, int siege) {
    std::string s;
    for (int i = 1; i <= 18; ++i) {
        if (jeu.donne.jouable[siege][i] != 1) continue;
        if (!s.empty()) s += ' ';
        s += nomCarte(jeu.donne.mainJoueur[siege][i]);
    }
    return s;
}

inline int nbJouables(const Jeu& jeu, int siege) {
    int n = 0;
    for (int i = 1; i <= 18; ++i) n += jeu.donne.jouable[siege][i] == 1;
    return n;
}

}  // namespace scene
