// The application's icon: the three oudlers fanned out as a player holds
// them, the 21 and the Petit behind, the Excuse in front.
#include "dessin.h"

namespace cartes {

namespace {

struct CarteEventail {
    int valeur;      // trump value; 0 is the Excuse
    double angle;    // degrees, clockwise
};

// Drawn back to front.
constexpr CarteEventail eventail[] = {{21, -18}, {1, 18}, {0, 0}};

// In a square of 256 units: cards 1.28 times their pixel size, turning
// about a point near the square's bottom edge; the fan keeps a margin of
// about 12 units on every side.
constexpr double uniteIcone = 256;
constexpr double echelleCarte = 1.28;
constexpr double pivotX = 128, pivotY = 227;
constexpr double hauteurAuPivot = 200;  // from the pivot up to a card's top edge

}  // namespace

void dessinerIcone(QPainter& p, double cote) {
    p.save();
    p.scale(cote / uniteIcone, cote / uniteIcone);
    for (const CarteEventail& carte : eventail) {
        p.save();
        p.translate(pivotX, pivotY);
        p.rotate(carte.angle);
        p.translate(-largeurCarte * echelleCarte / 2, -hauteurAuPivot);
        p.scale(echelleCarte, echelleCarte);
        // a soft shadow on the card behind
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRoundedRect(QRectF(2.5, 1.5, largeurCarte, hauteurCarte), 6, 6);
        dessinerCarte(p, atout, carte.valeur);
        p.restore();
    }
    p.restore();
}

QImage peindreIcone(int cote) {
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    dessinerIcone(p, cote);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace cartes
