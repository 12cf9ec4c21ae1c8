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

Cadrage cadrerTable(int largeurClient, int hauteurClient, bool barreInfo) {
    const int hauteurDessin = hauteurTableDessin + (barreInfo ? hauteurBarreInfoDessin : 0);
    Cadrage c;
    c.echelle = echelleUniforme(largeurClient, hauteurClient, largeurTableDessin, hauteurDessin);
    if (c.echelle <= 0) {
        c.echelle = 1.0;
        return c;
    }
    const int barre = barreInfo ? arrondi(hauteurBarreInfoDessin * c.echelle) : 0;
    c.gauche = std::max(0, (largeurClient - arrondi(largeurTableDessin * c.echelle)) / 2);
    c.haut = std::max(0, (hauteurClient - barre - arrondi(hauteurTableDessin * c.echelle)) / 2);
    return c;
}

void tailleClientPour(double echelle, bool barreInfo, int& largeur, int& hauteur) {
    const int hauteurDessin = hauteurTableDessin + (barreInfo ? hauteurBarreInfoDessin : 0);
    // Rounded up, so that neither side limits the scale below `echelle`.
    largeur = static_cast<int>(std::ceil(largeurTableDessin * echelle - 1e-9));
    hauteur = static_cast<int>(std::ceil(hauteurDessin * echelle - 1e-9));
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
