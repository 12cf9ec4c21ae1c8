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

// The card table's design, in 800-wide design units: the table itself, from the
// top of the round table to the bottom of the hand (the 24 cards of the discard
// included), and the information bar under it.
constexpr int largeurTableDessin = 800;
constexpr int hauteurTableDessin = 503;
constexpr int hauteurBarreInfoDessin = 28;
// The main window is designed for a whole 800 x 600 screen.
constexpr int largeurEcranDessin = 800;
constexpr int hauteurEcranDessin = 600;

// One scale for both axes: the largest at which a design of `largeurDessin` x
// `hauteurDessin` fits in `largeur` x `hauteur` pixels (0 for an empty area).
double echelleUniforme(double largeur, double hauteur, double largeurDessin, double hauteurDessin);

// Room the table takes at scale `echelle`, in pixels: the 800 x 503 design, or
// more when the rounding of the steps makes the 24 cards of the discard or the
// bottom of the hand reach beyond it.
int largeurTable(double echelle);
int hauteurTable(double echelle);

// Where the table goes in the main window's client area: the one scale, and
// the table's top-left corner, centred in the spare space.
struct Cadrage {
    double echelle = 1.0;
    int gauche = 0;
    int haut = 0;
    bool operator==(const Cadrage&) const = default;
};
// The client area holds the table and, when `barreInfo`, the information bar
// across its bottom; the table is centred in what is left above the bar.
Cadrage cadrerTable(int largeurClient, int hauteurClient, bool barreInfo);
// The client size that holds the table at exactly `echelle` (so that
// cadrerTable gives it back).
void tailleClientPour(double echelle, bool barreInfo, int& largeur, int& hauteur);

struct Jeu;

// Lays the human's 18 cards out along the hand line, each at its own small
// random height (a new deal gives new heights), and hides the dog.
void afficherMain(Jeu& jeu);
