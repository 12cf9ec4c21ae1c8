#pragma once
// The geometry of the card table in screen pixels. The table is drawn for an
// 800 x 600 screen and scaled to the real one; the defaults are the 800 x 600
// values, so a game that never sees a window still has a consistent layout.

struct Disposition {
    double echelleX = 1.0;  // screen width / 800
    double echelleY = 1.0;  // screen height / 600

    int largeurCarte = 90;
    int hauteurCarte = 150;
    int margeMain = 20;     // left edge of the first card of the hand
    int pasMain = 40;       // step between the 18 cards of the hand
    int pasMainEcart = 30;  // step when the hand shows the 24 cards of the discard
    int hautMain = 346;     // top line of the hand, just under the bidding bar
    int leveeCarte = 20;    // how far a card chosen for the discard rises
    int leveePoignee = 15;  // how far a card chosen for a handful rises
    int decalagePoignee = 10;
    int tiersLargeur = 267;  // left of the first dog card shown to all
    int milieuTable = 172;   // vertical middle of the round table
};

// The window's own geometry, in pixels, once it has been scaled to the screen.
struct GeometrieFenetre {
    int largeurClient = 800;
    int basBarreEnchere = 336;  // bottom edge of the bidding bar
    int hautTableRonde = 2;
    int hauteurTableRonde = 341;
};

// The window geometry of the 800-wide design scaled by `facteur` (the factor by
// which the whole window is scaled).
GeometrieFenetre geometrieDessin(double facteur);

void disposerTable(Disposition& p, double echelleX, double echelleY, const GeometrieFenetre& fenetre);
// The same for a window scaled by echelleX, as on a screen of 96 dots per inch.
void disposerTable(Disposition& p, double echelleX, double echelleY);

struct Jeu;

// Lays the human's 18 cards out along the hand line, each at its own small
// random height (a new deal gives new heights), and hides the dog.
void afficherMain(Jeu& jeu);
