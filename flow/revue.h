#pragma once
// What the review windows show, worked out from the finished (or running)
// deal: the previous trick, the 18 tricks with their step-by-step replay, and
// the four hands as dealt with the dog and the discard. No window code: the
// windows only copy these places and flags onto their controls.
#include "engine/carte.h"
#include "engine/table.h"

struct Donne;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Zone {
    int gauche = 0;
    int haut = 0;
    int largeur = 0;
    int hauteur = 0;
    int droite() const { return gauche + largeur; }
    int bas() const { return haut + hauteur; }
    bool operator==(const Zone&) const = default;
};

// The small card images of the 18-tricks and four-hands windows: only the
// top-left corner of the card shows.
struct TaillePetiteCarte {
    int largeur = 30;  // Round(30 x echelleX)
    int hauteur = 50;  // Round(50 x echelleY)
};
TaillePetiteCarte taillePetiteCarte(double echelleX, double echelleY);
// A frame drawn round a small card: 2 x echelle beyond each side.
Zone cadreAutour(double echelleX, double echelleY, Point carte);

// The previous trick: the last trick whose four cards are down (numeroPli - 1),
// or 0 while none is.
int pliPrecedent(const Donne& d);
// The card `siege` played to trick `pli`.
Carte carteDuPli(const Donne& d, int pli, int siege);

// The 18 tricks: image (t - 1) x 4 + s shows what seat s played to trick t.
constexpr int imagePli(int pli, int siege) { return (pli - 1) * 4 + siege; }
// Place of that image in the window: 3 rows of 6 tricks, each a cross.
Point positionCartePli(double echelleX, double echelleY, int pli, int siege);
// Room the 18 crosses take, margins included.
Zone grilleTousPlis(double echelleX, double echelleY);

// The display state of the 18-tricks window and its replay.
struct EtatTousPlis {
    // The images in playing order: trick by trick, from the leader round the table.
    Table<int, 1, 72> ordrePlis;
    // Number in ordrePlis of the next card to show; 73 once everything shows.
    int etapePlis = 73;
    Table<bool, 1, 72> imageVisible;
    Table<bool, 1, 18> cadreVisible;
    // Frame t surrounds the leader's card; green when the leader is the taker.
    Table<Zone, 1, 18> cadre;
    Table<bool, 1, 18> cadrePreneur;
    bool timerTousPlis = false;  // the replay runs
};

Table<int, 1, 72> ordrePlis(const Donne& d);
// Opening the window: every card and frame shows, the replay stops.
void remplirTousPlis(EtatTousPlis& e, const Donne& d, double echelleX, double echelleY);
// Shows the next card of the replay (from the start once it had ended).
void etapeSuivante(EtatTousPlis& e);
// Play / pause.
void lecturePause(EtatTousPlis& e);
// The replay timer's tick.
void tickTousPlis(EtatTousPlis& e);
void uneCarteEnArriere(EtatTousPlis& e);
void effacerTousPlis(EtatTousPlis& e);
void voirTousPlis(EtatTousPlis& e);

// The four hands. Hand panels are seats 1..4; slot k of a hand panel, card i
// of a dog panel, both relative to their panel.
Point positionCarteMain(double echelleX, double echelleY, int slot);
Point positionCarteChien(double echelleX, double echelleY, int i);
// Height of the caption strip on top of each dog panel.
int hauteurLegendeChien(double echelleY);

struct DispositionMains {
    Table<Zone, 1, 4> panneauMain;  // PanelMainSud, PanelMainEst, PanelMainNord, PanelMainOuest
    Zone chienAvantEcart;           // the dog as dealt
    Zone chienApresEcart;           // the discard
    Zone grille;                    // room the hands and the dog panels take, margins included
};
// Where everything goes for that taker: the two dog panels sit beside the
// taker's hand (left and right of South or North, above and below East or West).
DispositionMains disposerMains(double echelleX, double echelleY, int preneur);

struct EtatMains {
    DispositionMains disposition;
    bool ecartVisible = false;  // Prise and Garde only
    Table<bool, 1, 6> cadreVisible;
    Table<Zone, 1, 6> cadre;    // in window coordinates
};
EtatMains remplirMains(const Donne& d, double echelleX, double echelleY);
