// The four suit symbols as paths, one unit high, centred on the origin.
#include <QLinearGradient>

#include "dessin.h"

namespace cartes {

namespace {

QPainterPath coeurSeul() {
    QPainterPath c;
    c.moveTo(0, 0.5);
    c.cubicTo(-0.14, 0.32, -0.5, 0.12, -0.5, -0.17);
    c.cubicTo(-0.5, -0.38, -0.36, -0.5, -0.25, -0.5);
    c.cubicTo(-0.12, -0.5, -0.03, -0.42, 0, -0.3);
    c.cubicTo(0.03, -0.42, 0.12, -0.5, 0.25, -0.5);
    c.cubicTo(0.36, -0.5, 0.5, -0.38, 0.5, -0.17);
    c.cubicTo(0.5, 0.12, 0.14, 0.32, 0, 0.5);
    c.closeSubpath();
    return c;
}

QPainterPath carreauSeul() {
    QPainterPath c;
    c.moveTo(0, -0.5);
    c.quadTo(0.15, -0.21, 0.38, 0);
    c.quadTo(0.15, 0.21, 0, 0.5);
    c.quadTo(-0.15, 0.21, -0.38, 0);
    c.quadTo(-0.15, -0.21, 0, -0.5);
    c.closeSubpath();
    return c;
}

QPainterPath pied() {
    QPainterPath c;
    c.moveTo(-0.035, 0.12);
    c.quadTo(-0.04, 0.4, -0.2, 0.5);
    c.lineTo(0.2, 0.5);
    c.quadTo(0.04, 0.4, 0.035, 0.12);
    c.closeSubpath();
    return c;
}

QPainterPath piqueSeul() {
    QPainterPath c;
    c.moveTo(0, -0.5);
    c.cubicTo(0.14, -0.3, 0.48, -0.14, 0.48, 0.1);
    c.cubicTo(0.48, 0.28, 0.35, 0.36, 0.24, 0.36);
    c.cubicTo(0.12, 0.36, 0.05, 0.3, 0.02, 0.22);
    c.lineTo(-0.02, 0.22);
    c.cubicTo(-0.05, 0.3, -0.12, 0.36, -0.24, 0.36);
    c.cubicTo(-0.35, 0.36, -0.48, 0.28, -0.48, 0.1);
    c.cubicTo(-0.48, -0.14, -0.14, -0.3, 0, -0.5);
    c.closeSubpath();
    return c.united(pied());
}

QPainterPath trefleSeul() {
    const double r = 0.215;
    QPainterPath c;
    c.addEllipse(QPointF(0, -0.28), r, r);
    c.addEllipse(QPointF(-0.255, 0.06), r, r);
    c.addEllipse(QPointF(0.255, 0.06), r, r);
    c.addEllipse(QPointF(0, -0.02), 0.13, 0.13);
    c.setFillRule(Qt::WindingFill);
    return c.simplified().united(pied());
}

}  // namespace

QPainterPath cheminSymbole(int couleur) {
    static const QPainterPath chemins[] = {QPainterPath(), piqueSeul(), coeurSeul(), trefleSeul(), carreauSeul()};
    if (couleur < 1 || couleur > 4) return QPainterPath();
    return chemins[couleur];
}

QColor couleurEncre(int couleur, Encres encres) {
    if (encres == Encres::quatreCouleurs) {
        if (couleur == trefle) return QColor(16, 124, 52);
        if (couleur == carreau) return QColor(22, 76, 196);
    }
    if (couleur == coeur || couleur == carreau) return QColor(200, 22, 36);
    return QColor(24, 24, 28);
}

void peindreSymbole(QPainter& p, int couleur, QPointF centre, double taille, bool renverse, Encres encres) {
    p.save();
    p.translate(centre);
    if (renverse) p.rotate(180);
    p.scale(taille, taille);
    const QColor encre = couleurEncre(couleur, encres);
    // A faint vertical shading gives the pips some body without looking
    // printed-on: a black ink is lightened more than a coloured one.
    const bool coloree = couleur == coeur || couleur == carreau || (couleur == trefle && encres == Encres::quatreCouleurs);
    QLinearGradient degrade(0, -0.5, 0, 0.5);
    degrade.setColorAt(0, encre.lighter(coloree ? 125 : 260));
    degrade.setColorAt(0.55, encre);
    degrade.setColorAt(1, encre.darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(degrade);
    p.drawPath(cheminSymbole(couleur));
    p.restore();
}

}  // namespace cartes
