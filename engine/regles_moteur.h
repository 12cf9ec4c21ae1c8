#pragma once
// The machinery shared by the card-play rules: the choice in progress, the
// three actions that narrow the playable set, and the questions the rules ask
// about the seat's hand and the trick.
#include <array>

#include "engine/jeu.h"

// The choice in progress, as the rules see it: the seat, its side and the trick
// so far, read once per choice.
struct Choix {
    Jeu& jeu;
    Donne& donne;
    Connaissances& conn;
    EtatRegles& etat;
    Hasard& alea;
    int siege;
    int preneur;
    int contrat;          // the taker's bid
    Carte entame;         // the led card; an empty place when the seat leads
    int couleurEntame;    // its suit
    bool estPreneur;
    explicit Choix(Jeu& jeu);
};

// A plain suit 1..4: not trumps, not an empty place.
inline bool estCouleur(int couleur) { return couleur >= PIQUE && couleur <= CARREAU; }

// Level thresholds: a rule is off when `niveau` is at or below its threshold.
constexpr int SANS_SEUIL = 0;
constexpr int SEUIL_DEBUTANT = 1;
constexpr int SEUIL_AMATEUR = 2;
constexpr int SEUIL_BON = 3;

struct Regle {
    int seuil;
    bool adaptative;
    void (*appliquer)(Choix&);
};

// The ordered list of rules 1..74 (index 0 is rule 1).
extern const std::array<Regle, nbReglesMax> listeRegles;

// Start of a choice: every rule active, roles and positions computed.
void commencerChoix(Jeu& jeu, int siege);
// Whether rule k may be tried now; draws once for an adaptive rule when the
// adaptive level is on.
bool regleApplicable(Jeu& jeu, int k);
// Runs rule k's own test and action for the choice begun by commencerChoix.
void appliquerRegle(Jeu& jeu, int k);

// Actions.
bool imposerCarte(Jeu& jeu, int siege, int slot);
void retirerCouleur(Jeu& jeu, int siege, int couleur);
void retirerCarte(Jeu& jeu, int siege, int couleur, int valeur);
void noterRegle(Jeu& jeu, int k);

// Queries over the seat's playable cards unless said otherwise. Slots, or -1.
int gagnantProvisoire(const Jeu& jeu, int siege);
int carteGagnante(const Jeu& jeu, int siege);
bool preneurJoueApres(const Jeu& jeu, int siege, int position);
int plusPetiteCarteCouleur(const Jeu& jeu, int siege);
int plusPetitAtout(const Jeu& jeu, int siege);
int plusPetitAtoutImpair(const Jeu& jeu, int siege);
int plusPetitAtoutPair(const Jeu& jeu, int siege);
int plusGrosHonneur(const Jeu& jeu, int siege);
int roiAccompagne(const Jeu& jeu, int siege, int couleur);
int petiteSousHonneur(const Jeu& jeu, int siege, int couleur);
// Over the whole hand, played cards included.
int nbCartesDeCouleur(const Jeu& jeu, int siege, int couleur);
int nbAtoutsMaitresTenus(const Jeu& jeu, int siege);
bool honneurVoisin(const Jeu& jeu, int siege, int couleur, int valeur);

// Whether `c` takes the lead from the card winning so far.
bool bat(const Carte& c, const Carte& gagnante);

// The two ways the rules walk round the suits from a random point:
// after a drawn suit d (d+1 .. d+4) and from a drawn suit d (d .. d+3).
using OrdreCouleurs = std::array<int, 4>;
OrdreCouleurs couleursApresTirage(Hasard& alea);
OrdreCouleurs couleursDepuisTirage(Hasard& alea);
// Suit s moved on by n steps round 1..4.
int couleurDecalee(int s, int n);

// Helpers of the rules, over the choice in progress.
// Where the card really is: the seat, 0 or -1 set aside, 10 played. Inline,
// as the few below: the rules ask them thousands of times a deal.
inline int detenteur(const Connaissances& conn, int couleur, int valeur) {
    if (couleur == ATOUT) {
        if (valeur == EXCUSE) return conn.detenteurExcuse;
        if (valeur == PETIT) return conn.detenteurPetit;
        if (valeur >= 2 && valeur <= 21) return conn.detenteurAtout[valeur];
        return -1;
    }
    if (estCouleur(couleur) && valeur >= 1 && valeur <= 14) return conn.detenteurCouleur[couleur][valeur];
    return -1;
}
inline int rang(const Connaissances& conn, int couleur, int valeur) {
    if (couleur == ATOUT) {
        if (valeur == EXCUSE) return conn.rangExcuse;
        if (valeur == PETIT) return conn.rangPetit;
        if (valeur >= 2 && valeur <= 21) return conn.rangAtout[valeur];
        return -1;
    }
    if (estCouleur(couleur) && valeur >= 1 && valeur <= 14) return conn.rangCouleur[couleur][valeur];
    return -1;
}
inline bool tient(const Choix& ch, int couleur, int valeur) { return detenteur(ch.conn, couleur, valeur) == ch.siege; }
// Imposes the slot for rule k; true when it was playable.
bool imposer(Choix& ch, int slot, int k);
// Imposes the seat's card (couleur, valeur) when it holds it.
bool imposerTenue(Choix& ch, int couleur, int valeur, int k);
inline bool estJouable(const Choix& ch, int slot) { return ch.donne.jouable[ch.siege][slot] == 1; }
bool aJouableDeCouleur(const Choix& ch, int couleur);
// First playable trump of at least `valeurMin` in slot order (the highest), or -1.
int premierAtoutJouable(const Choix& ch, int valeurMin);
// Seats other than `observateur` that it knows to hold no trump.
int nbSiegesSansAtoutConnus(const Jeu& jeu, int observateur);
inline bool estPetit(const Carte& c) { return c.couleur == ATOUT && c.valeur == PETIT; }
// The Petit has been played in this deal.
inline bool petitTombe(const Choix& ch) { return ch.conn.detenteurPetit == HORS_JEU; }
