// Pip cards 1 to 10: the pips stand where they stand on a real pack, those of
// the lower half upside down.
#include <cmath>
#include <vector>

#include "dessin.h"

namespace cartes {

namespace {

struct Place {
    double x, y;
};

// Columns and rows of the pip field.
constexpr double gauche = 27, milieu = 45, droite = 63;
constexpr double haut = 26, bas = 124;

double ligne(int i, int n) { return haut + (bas - haut) * i / (n - 1); }

std::vector<Place> places(int valeur) {
    const double centre = (haut + bas) / 2;
    const double quart1 = ligne(1, 4), quart2 = ligne(2, 4);
    switch (valeur) {
    case 2: return {{milieu, haut}, {milieu, bas}};
    case 3: return {{milieu, haut}, {milieu, centre}, {milieu, bas}};
    case 4: return {{gauche, haut}, {droite, haut}, {gauche, bas}, {droite, bas}};
    case 5: return {{gauche, haut}, {droite, haut}, {milieu, centre}, {gauche, bas}, {droite, bas}};
    case 6:
        return {{gauche, haut}, {droite, haut}, {gauche, centre}, {droite, centre}, {gauche, bas}, {droite, bas}};
    case 7:
        return {{gauche, haut},   {droite, haut}, {milieu, (haut + centre) / 2}, {gauche, centre},
                {droite, centre}, {gauche, bas},  {droite, bas}};
    case 8:
        return {{gauche, haut},   {droite, haut}, {milieu, (haut + centre) / 2}, {gauche, centre},
                {droite, centre}, {milieu, (centre + bas) / 2}, {gauche, bas}, {droite, bas}};
    case 9:
        return {{gauche, haut},   {droite, haut},   {gauche, quart1}, {droite, quart1}, {milieu, centre},
                {gauche, quart2}, {droite, quart2}, {gauche, bas},    {droite, bas}};
    case 10:
        return {{gauche, haut},   {droite, haut},   {milieu, (haut + quart1) / 2}, {gauche, quart1},
                {droite, quart1}, {gauche, quart2}, {droite, quart2}, {milieu, (quart2 + bas) / 2},
                {gauche, bas},    {droite, bas}};
    default: return {};
    }
}

void peindreAs(QPainter& p, int couleur, Encres encres) {
    const QPointF centre(largeurCarte / 2.0, hauteurCarte / 2.0);
    const QColor encre = couleurEncre(couleur, encres);
    // A pale medallion with a double rim behind the one big pip.
    p.setBrush(melange(encre, QColor(255, 250, 238), 0.9));
    p.setPen(QPen(melange(encre, Qt::white, 0.3), 1.0));
    p.drawEllipse(centre, 30, 42);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(melange(encre, Qt::white, 0.55), 0.6));
    p.drawEllipse(centre, 27, 39);
    for (int i = 0; i < 4; ++i) {
        const double angle = i * 3.14159265 / 2;
        const QPointF point = centre + QPointF(28.5 * std::cos(angle), 40.5 * std::sin(angle));
        p.setPen(Qt::NoPen);
        p.setBrush(melange(encre, Qt::white, 0.3));
        p.drawEllipse(point, 1.6, 1.6);
    }
    peindreSymbole(p, couleur, centre, 40, false, encres);
}

}  // namespace

void peindrePoints(QPainter& p, int couleur, int valeur, Encres encres) {
    peindreIndex(p, QString::number(valeur), couleur, encres);
    if (valeur == 1) {
        peindreAs(p, couleur, encres);
        return;
    }
    const double taille = valeur <= 3 ? 21 : valeur <= 8 ? 18 : 16.5;
    const double centre = (haut + bas) / 2;
    for (const Place& place : places(valeur))
        peindreSymbole(p, couleur, QPointF(place.x, place.y), taille, place.y > centre + 0.5, encres);
}

}  // namespace cartes
