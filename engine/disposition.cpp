#include "engine/disposition.h"

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
