// Trump pictures 17 to 21.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "atouts.h"

namespace cartes {

void sceneSablier(QPainter& p) {
    peindreCiel(p, QColor(236, 220, 190), QColor(210, 186, 146));
    const QColor bois(120, 76, 40);
    QPainterPath verre;
    verre.moveTo(24, 20);
    verre.lineTo(56, 20);
    verre.cubicTo(56, 40, 42, 48, 42, 54);
    verre.cubicTo(42, 60, 56, 68, 56, 88);
    verre.lineTo(24, 88);
    verre.cubicTo(24, 68, 38, 60, 38, 54);
    verre.cubicTo(38, 48, 24, 40, 24, 20);
    verre.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 244, 250, 170));
    p.drawPath(verre);
    p.save();
    p.setClipPath(verre);
    p.setBrush(QColor(226, 180, 90));
    p.drawRect(QRectF(0, 36, largeurScene, 18));
    QPainterPath tas;
    tas.moveTo(20, 88);
    tas.quadTo(40, 62, 60, 88);
    tas.closeSubpath();
    p.drawPath(tas);
    p.drawRect(QRectF(39.3, 54, 1.4, 24));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 110, 120), 0.8));
    p.drawPath(verre);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(28, 24), QPointF(29, 34));
    p.drawLine(QPointF(28.5, 84), QPointF(29, 76));
    for (double y : {12.0, 88.0}) {
        remplir(p, polygone({{14, y}, {66, y}, {66, y + 8}, {14, y + 8}}), bois, traitScene, 0.7);
        p.setPen(QPen(bois.lighter(140), 0.6));
        p.drawLine(QPointF(15, y + 2), QPointF(65, y + 2));
    }
    QLinearGradient colonne(0, 0, 6, 0);
    colonne.setColorAt(0, bois.lighter(140));
    colonne.setColorAt(1, bois.darker(120));
    for (double x : {17.0, 59.0}) {
        p.save();
        p.translate(x, 0);
        p.setBrush(colonne);
        p.setPen(QPen(traitScene, 0.6));
        p.drawRect(QRectF(0, 20, 4, 68));
        p.restore();
    }
    remplir(p, disque(QPointF(40, 100), 3), bois.lighter(120), traitScene, 0.5);
}

void sceneCle(QPainter& p) {
    peindreCiel(p, QColor(50, 80, 140), QColor(20, 40, 90));
    peindreEtoiles(p, {{12, 12}, {68, 96}, {14, 90}, {66, 14}}, 1.8);
    p.save();
    p.translate(40, 54);
    p.rotate(-38);
    QPainterPath cle;
    // the bow: a quatrefoil ring
    for (QPointF lobe : {QPointF(0, -40), QPointF(-7, -33), QPointF(7, -33), QPointF(0, -26)}) cle.addEllipse(lobe, 7, 7);
    cle.addPath(polygone({{-2.5, -22}, {2.5, -22}, {2.5, 30}, {-2.5, 30}}));
    cle.addPath(polygone({{-5, -20}, {5, -20}, {5, -17}, {-5, -17}}));
    cle.addPath(polygone({{2, 14}, {12, 14}, {12, 18}, {8, 18}, {8, 21}, {12, 21}, {12, 28}, {2, 28}}));
    cle.setFillRule(Qt::WindingFill);
    QPainterPath pleine = cle.simplified().subtracted(disque(QPointF(0, -33), 4.2));
    for (QPointF trou : {QPointF(0, -41.5), QPointF(-8.5, -33), QPointF(8.5, -33), QPointF(0, -24.5)})
        pleine = pleine.subtracted(disque(trou, 1.6));
    p.setBrush(degradeOr(-12, 12));
    p.setPen(QPen(orSombre.darker(140), 0.8));
    p.drawPath(pleine);
    p.restore();
    // a ribbon tied to the bow
    QPainterPath ruban;
    ruban.moveTo(24, 34);
    ruban.cubicTo(14, 40, 20, 50, 10, 58);
    ruban.lineTo(14, 60);
    ruban.cubicTo(24, 52, 18, 42, 27, 36);
    ruban.closeSubpath();
    remplir(p, ruban, QColor(200, 40, 50), QColor(120, 20, 30), 0.5);
}

void sceneSoleil(QPainter& p) {
    peindreCiel(p, QColor(250, 190, 70), QColor(255, 240, 190), 80);
    const QPointF centre(40, 40);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 22.5);
        p.setBrush(i % 2 ? QColor(250, 150, 40) : QColor(250, 210, 60));
        p.drawPath(polygone({{-3.5, -16}, {0, i % 2 ? -28.0 : -34.0}, {3.5, -16}}));
        p.restore();
    }
    QRadialGradient disqueSoleil(centre + QPointF(-4, -4), 18);
    disqueSoleil.setColorAt(0, QColor(255, 250, 200));
    disqueSoleil.setColorAt(1, QColor(250, 180, 40));
    p.setBrush(disqueSoleil);
    p.setPen(QPen(QColor(200, 120, 30), 0.8));
    p.drawEllipse(centre, 16, 16);
    // its face
    p.setPen(QPen(QColor(170, 90, 20), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(32, 33, 5, 4), 0, 180 * 16);
    p.drawArc(QRectF(43, 33, 5, 4), 0, 180 * 16);
    p.drawArc(QRectF(33, 38, 14, 9), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 120, 80, 120));
    p.drawEllipse(QPointF(31.5, 42), 2.5, 1.6);
    p.drawEllipse(QPointF(48.5, 42), 2.5, 1.6);
    // fields below
    peindreSol(p, 80, QColor(200, 170, 60), 2);
    QPainterPath pre;
    pre.moveTo(0, 92);
    pre.quadTo(40, 84, 80, 94);
    pre.lineTo(80, 108);
    pre.lineTo(0, 108);
    pre.closeSubpath();
    p.setBrush(QColor(110, 160, 60));
    p.drawPath(pre);
    p.setPen(QPen(QColor(160, 130, 40), 0.6));
    for (int i = -4; i <= 4; ++i) p.drawLine(QPointF(40 + i * 3, 82), QPointF(40 + i * 12, 92));
}

void sceneCouronne(QPainter& p) {
    QRadialGradient fond(QPointF(40, 40), 60);
    fond.setColorAt(0, QColor(60, 70, 130));
    fond.setColorAt(1, QColor(20, 24, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    p.drawRect(QRectF(0, 0, largeurScene, hauteurScene));
    // cushion with tassels
    QPainterPath coussin;
    coussin.moveTo(8, 76);
    coussin.quadTo(40, 64, 72, 76);
    coussin.quadTo(76, 86, 72, 96);
    coussin.quadTo(40, 102, 8, 96);
    coussin.quadTo(4, 86, 8, 76);
    coussin.closeSubpath();
    QLinearGradient velours(0, 66, 0, 100);
    velours.setColorAt(0, QColor(220, 50, 60));
    velours.setColorAt(1, QColor(130, 20, 30));
    p.setBrush(velours);
    p.setPen(QPen(QColor(80, 10, 20), 0.7));
    p.drawPath(coussin);
    for (QPointF gland : {QPointF(8, 97), QPointF(72, 97)}) {
        remplir(p, polygone({gland, gland + QPointF(-3, 8), gland + QPointF(3, 8)}), orMoyen, orSombre, 0.5);
        remplir(p, disque(gland, 1.8), orClair, orSombre, 0.4);
    }
    // the crown
    QPainterPath couronne;
    couronne.moveTo(18, 74);
    couronne.lineTo(14, 40);
    couronne.lineTo(26, 54);
    couronne.lineTo(33, 32);
    couronne.lineTo(40, 52);
    couronne.lineTo(47, 32);
    couronne.lineTo(54, 54);
    couronne.lineTo(66, 40);
    couronne.lineTo(62, 74);
    couronne.quadTo(40, 68, 18, 74);
    couronne.closeSubpath();
    p.setBrush(degradeOr(14, 66));
    p.setPen(QPen(orSombre.darker(130), 0.8));
    p.drawPath(couronne);
    QPainterPath bandeau;
    bandeau.moveTo(17, 64);
    bandeau.quadTo(40, 58, 63, 64);
    bandeau.lineTo(62.4, 71);
    bandeau.quadTo(40, 65, 17.6, 71);
    bandeau.closeSubpath();
    remplir(p, bandeau, orMoyen, orSombre, 0.6);
    for (QPointF perle : {QPointF(14, 38.5), QPointF(33, 30.5), QPointF(47, 30.5), QPointF(66, 38.5)})
        remplir(p, disque(perle, 2.4), QColor(250, 248, 240), QColor(170, 160, 150), 0.5);
    remplir(p, disque(QPointF(40, 64.5), 2.8), QColor(200, 30, 40), QColor(100, 10, 20), 0.5);
    remplir(p, disque(QPointF(28, 66.5), 2.2), QColor(40, 120, 200), QColor(20, 50, 100), 0.5);
    remplir(p, disque(QPointF(52, 66.5), 2.2), QColor(40, 160, 80), QColor(20, 70, 40), 0.5);
    remplir(p, disque(QPointF(40, 46), 2.2), QColor(200, 30, 40), QColor(100, 10, 20), 0.5);
    peindreEtoiles(p, {{10, 14}, {70, 16}, {40, 12}}, 2.2);
}

void sceneMonde(QPainter& p) {
    QRadialGradient fond(QPointF(40, 54), 60);
    fond.setColorAt(0, QColor(40, 50, 110));
    fond.setColorAt(1, QColor(10, 14, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    p.drawRect(QRectF(0, 0, largeurScene, hauteurScene));
    peindreEtoiles(p, {{8, 8}, {72, 10}, {10, 100}, {70, 100}, {40, 6}, {4, 54}, {76, 54}}, 1.8);
    const QPointF centre(40, 52);
    const double rayon = 22;
    QRadialGradient ocean(centre + QPointF(-7, -8), 30);
    ocean.setColorAt(0, QColor(120, 190, 240));
    ocean.setColorAt(1, QColor(20, 70, 150));
    p.setBrush(ocean);
    p.setPen(QPen(QColor(10, 30, 80), 0.8));
    p.drawEllipse(centre, rayon, rayon);
    p.save();
    p.setClipPath(disque(centre, rayon));
    QPainterPath terres;
    terres.addEllipse(QPointF(30, 40), 9, 7);
    terres.addEllipse(QPointF(34, 52), 6, 10);
    terres.addEllipse(QPointF(52, 46), 8, 5);
    terres.addEllipse(QPointF(50, 62), 5, 7);
    terres.addEllipse(QPointF(58, 36), 6, 3);
    terres.setFillRule(Qt::WindingFill);
    p.setPen(QPen(QColor(40, 90, 40), 0.5));
    p.setBrush(QColor(90, 160, 80));
    p.drawPath(terres.simplified());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 90), 0.5));
    for (int i = 1; i < 4; ++i) p.drawEllipse(centre, rayon * i / 4.0, rayon);
    for (int i = -1; i <= 1; ++i) p.drawLine(QPointF(0, centre.y() + i * 11), QPointF(largeurScene, centre.y() + i * 11));
    p.restore();
    // laurel wreath: two sprigs rising from the ribbon round each side
    for (int cote : {-1, 1}) {
        for (int i = 0; i < 9; ++i) {
            const double theta = (22 + i * 16) * M_PI / 180;
            const QPointF place = centre + QPointF(cote * 28 * std::sin(theta), 28 * std::cos(theta));
            const double tangente = std::atan2(-std::sin(theta), cote * std::cos(theta)) * 180 / M_PI;
            p.save();
            p.translate(place);
            p.rotate(tangente + 90);
            for (int bord : {-1, 1}) {
                p.save();
                p.rotate(bord * 28);
                remplir(p, disque(QPointF(0, -3.2), 1.7, 3.6), QColor(100, 170, 70), QColor(40, 90, 40), 0.4);
                p.restore();
            }
            p.restore();
        }
    }
    // the bow that ties the two sprigs
    const QColor rubis(200, 40, 50), rubisFonce(110, 20, 30);
    remplir(p, polygone({{39, 80}, {31, 92}, {34, 93}, {36, 90}, {38, 94}}), rubis, rubisFonce, 0.5);
    remplir(p, polygone({{41, 80}, {49, 92}, {46, 93}, {44, 90}, {42, 94}}), rubis, rubisFonce, 0.5);
    remplir(p, disque(QPointF(35, 79), 5, 3), rubis, rubisFonce, 0.5);
    remplir(p, disque(QPointF(45, 79), 5, 3), rubis, rubisFonce, 0.5);
    remplir(p, disque(QPointF(40, 79.5), 2.2), rubis.darker(115), rubisFonce, 0.5);
}

}  // namespace cartes
