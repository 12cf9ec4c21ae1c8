#include "engine/disposition.h"

#include <algorithm>
#include <cmath>

#include "engine/arrondi.h"
#include "engine/jeu.h"

GeometrieFenetre geometrieDessin(double facteur) {
    GeometrieFenetre f;
    f.largeurClient = arrondi(800 * facteur);
    f.basBarreEnchere = arrondi(278 * facteur) + arrondi(58 * facteur);
    f.hautTableRonde = arrondi(2 * facteur);
    f.hauteurTableRonde = arrondi(341 * facteur);
    return f;
}

void disposerTable(Disposition& p, double echelleX, double echelleY, const GeometrieFenetre& fenetre) {
    p.echelleX = echelleX;
    p.echelleY = echelleY;
    p.largeurCarte = arrondi(echelleX * 90);
    p.hauteurCarte = arrondi(echelleY * 150);
    p.margeMain = arrondi(echelleX * 20);
    p.pasMain = arrondi(echelleX * 40);
    p.pasMainEcart = arrondi(echelleX * 30);
    p.hautMain = arrondi(echelleY * 10) + fenetre.basBarreEnchere;
    p.leveeCarte = arrondi(echelleY * 20);
    p.leveePoignee = static_cast<int>(std::trunc(echelleX * 15));
    p.decalagePoignee = arrondi(echelleY * 10);
    p.tiersLargeur = arrondi(fenetre.largeurClient / 3.0);
    p.milieuTable = fenetre.hautTableRonde + arrondi(fenetre.hauteurTableRonde / 2.0);
}

double echelleUniforme(double largeur, double hauteur, double largeurDessin, double hauteurDessin) {
    if (largeur <= 0 || hauteur <= 0 || largeurDessin <= 0 || hauteurDessin <= 0) return 0.0;
    return std::min(largeur / largeurDessin, hauteur / hauteurDessin);
}

int largeurTable(double echelle) {
    const int marge = arrondi(echelle * 20);
    const int carte = arrondi(echelle * 90);
    const int main = marge + 17 * arrondi(echelle * 40) + carte;
    const int ecart = marge + 23 * arrondi(echelle * 30) + carte;
    return std::max({arrondi(largeurTableDessin * echelle), main, ecart});
}

int hauteurTable(double echelle) {
    // The bidding bar's bottom edge, the hand line 10 under it, a card 0 to 2
    // design pixels below the line, and the card.
    const int basBarre = arrondi(278 * echelle) + arrondi(58 * echelle);
    const int basMain = basBarre + arrondi(10 * echelle) + arrondi(2 * echelle) + arrondi(150 * echelle);
    return std::max(arrondi(hauteurTableDessin * echelle), basMain);
}

Cadrage cadrerTable(int largeurClient, int hauteurClient, bool barreInfo) {
    const int hauteurDessin = hauteurTableDessin + (barreInfo ? hauteurBarreInfoDessin : 0);
    Cadrage c;
    c.echelle = echelleUniforme(largeurClient, hauteurClient, largeurTableDessin, hauteurDessin);
    if (c.echelle <= 0) {
        c.echelle = 1.0;
        return c;
    }
    auto barre = [&](double e) { return barreInfo ? arrondi(hauteurBarreInfoDessin * e) : 0; };
    // The rounding of the steps may need a pixel or a few more than the
    // design: a hair smaller then, until everything is inside.
    for (int i = 0; i < 200; ++i) {
        if (largeurTable(c.echelle) <= largeurClient && hauteurTable(c.echelle) + barre(c.echelle) <= hauteurClient)
            break;
        c.echelle *= 1.0 - 0.25 / largeurTableDessin;
    }
    c.gauche = std::max(0, (largeurClient - largeurTable(c.echelle)) / 2);
    c.haut = std::max(0, (hauteurClient - barre(c.echelle) - hauteurTable(c.echelle)) / 2);
    return c;
}

void tailleClientPour(double echelle, bool barreInfo, int& largeur, int& hauteur) {
    const int hauteurDessin = hauteurTableDessin + (barreInfo ? hauteurBarreInfoDessin : 0);
    // Rounded up, so that neither side limits the scale below `echelle`.
    largeur = std::max(static_cast<int>(std::ceil(largeurTableDessin * echelle - 1e-9)), largeurTable(echelle));
    hauteur = std::max(static_cast<int>(std::ceil(hauteurDessin * echelle - 1e-9)),
                       hauteurTable(echelle) + (barreInfo ? arrondi(hauteurBarreInfoDessin * echelle) : 0));
}

void disposerTable(Disposition& p, double echelleX, double echelleY) {
    disposerTable(p, echelleX, echelleY, geometrieDessin(echelleX));
}

void afficherMain(Jeu& jeu) {
    const Donne& d = jeu.donne;
    const Disposition& p = jeu.disposition;
    jeu.vue->cacherChien();
    for (int k = 1; k <= 18; ++k) {
        const int r = hasard(jeu.hasard, 3);
        const int gauche = (k - 1) * p.pasMain + p.margeMain;
        const int haut = arrondi((3 - r) * p.echelleY) + p.hautMain;
        jeu.vue->placerCarteMain(k, gauche, haut, d.mainJoueur[d.joueurHumain][k], Curseur::Interdit);
    }
}
