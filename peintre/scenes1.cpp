// Trump pictures 1 to 5.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "atouts.h"

namespace cartes {

void sceneToupie(QPainter& p) {
    peindreCiel(p, QColor(250, 232, 180), QColor(252, 246, 226), 80);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 98, 56));
    p.drawRect(QRectF(0, 80, largeurScene, 28));
    p.setPen(QPen(QColor(110, 70, 40), 0.6));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(0, 86 + i * 6), QPointF(largeurScene, 86 + i * 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QPointF(40, 88), 14, 2.6);

    QPainterPath corps;
    corps.moveTo(18, 50);
    corps.cubicTo(18, 36, 62, 36, 62, 50);
    corps.cubicTo(60, 62, 46, 74, 40, 87);
    corps.cubicTo(34, 74, 20, 62, 18, 50);
    corps.closeSubpath();
    p.save();
    p.setClipPath(corps);
    const QColor bandes[] = {QColor(200, 40, 40), QColor(250, 200, 60), QColor(40, 90, 170), QColor(250, 250, 240),
                             QColor(60, 150, 80), QColor(200, 40, 40)};
    for (int i = 0; i < 6; ++i) {
        p.setBrush(bandes[i]);
        p.drawRect(QRectF(0, 38 + i * 8.5, largeurScene, 8.5));
    }
    QRadialGradient reflet(QPointF(32, 46), 30);
    reflet.setColorAt(0, QColor(255, 255, 255, 110));
    reflet.setColorAt(1, QColor(0, 0, 0, 70));
    p.setBrush(reflet);
    p.drawRect(QRectF(0, 0, largeurScene, hauteurScene));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(traitScene, 0.8));
    p.drawPath(corps);
    remplir(p, polygone({{38, 22}, {42, 22}, {42.5, 41}, {37.5, 41}}), QColor(170, 110, 60), traitScene, 0.7);
    remplir(p, disque(QPointF(40, 21), 3), QColor(200, 40, 40), traitScene, 0.7);
    // it spins
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 90, 60, 170), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(8, 40, 64, 22), 200 * 16, 50 * 16);
    p.drawArc(QRectF(8, 40, 64, 22), -70 * 16, 50 * 16);
    p.drawArc(QRectF(3, 36, 74, 30), 195 * 16, 35 * 16);
    p.drawArc(QRectF(3, 36, 74, 30), -50 * 16, 35 * 16);
}

void sceneTulipes(QPainter& p) {
    peindreCiel(p, QColor(200, 226, 246), QColor(240, 246, 250), 84);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 120, 80));
    p.drawRect(QRectF(0, 84, largeurScene, 24));
    p.setBrush(QColor(140, 96, 62));
    p.drawRect(QRectF(0, 84, largeurScene, 2));

    const QColor vert(60, 140, 60);
    p.setPen(QPen(vert.darker(120), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath tiges;
    tiges.moveTo(40, 72);
    tiges.quadTo(40, 50, 40, 34);
    tiges.moveTo(38, 72);
    tiges.quadTo(30, 58, 25, 46);
    tiges.moveTo(42, 72);
    tiges.quadTo(52, 58, 56, 44);
    p.drawPath(tiges);
    auto feuille = [&](QPointF base, double angle) {
        p.save();
        p.translate(base);
        p.rotate(angle);
        QPainterPath f;
        f.moveTo(0, 0);
        f.quadTo(4, -9, 0, -20);
        f.quadTo(-4, -9, 0, 0);
        remplir(p, f, vert, vert.darker(140), 0.5);
        p.restore();
    };
    feuille(QPointF(39, 72), -28);
    feuille(QPointF(41, 72), 30);
    feuille(QPointF(40, 70), -6);
    auto tulipe = [&](QPointF haut, const QColor& couleur) {
        p.save();
        p.translate(haut);
        QPainterPath t;
        t.moveTo(-6, -2);
        t.cubicTo(-7, -10, -4, -13, -3, -12);
        t.lineTo(0, -8.5);
        t.lineTo(3, -12);
        t.cubicTo(4, -13, 7, -10, 6, -2);
        t.cubicTo(5, 4, -5, 4, -6, -2);
        t.closeSubpath();
        QLinearGradient d(-6, 0, 6, 0);
        d.setColorAt(0, couleur.lighter(130));
        d.setColorAt(1, couleur.darker(120));
        p.setBrush(d);
        p.setPen(QPen(couleur.darker(170), 0.6));
        p.drawPath(t);
        p.drawLine(QPointF(0, -8.5), QPointF(0, 2));
        p.restore();
    };
    tulipe(QPointF(40, 34), QColor(210, 40, 50));
    tulipe(QPointF(25, 46), QColor(245, 190, 40));
    tulipe(QPointF(56, 44), QColor(220, 90, 160));

    QPainterPath pot = polygone({{27, 76}, {53, 76}, {49, 100}, {31, 100}});
    QLinearGradient terre(27, 0, 53, 0);
    terre.setColorAt(0, QColor(220, 120, 70));
    terre.setColorAt(1, QColor(160, 70, 40));
    p.setBrush(terre);
    p.setPen(QPen(traitScene, 0.7));
    p.drawPath(pot);
    remplir(p, polygone({{25, 71}, {55, 71}, {55, 77}, {25, 77}}), QColor(200, 100, 60), traitScene, 0.7);
}

void sceneArbre(QPainter& p) {
    peindreCiel(p, QColor(150, 200, 240), QColor(226, 240, 250), 84);
    peindreNuage(p, QPointF(16, 16), 12);
    peindreSol(p, 82, QColor(110, 170, 70), 5);
    QPainterPath tronc;
    tronc.moveTo(35, 90);
    tronc.cubicTo(37, 76, 37, 62, 36, 50);
    tronc.lineTo(44, 50);
    tronc.cubicTo(43, 62, 43, 76, 46, 90);
    tronc.closeSubpath();
    remplir(p, tronc, QColor(120, 80, 46), traitScene, 0.7);
    QPainterPath feuillage;
    const QPointF touffes[] = {{40, 26}, {26, 36}, {54, 36}, {30, 52}, {50, 52}, {40, 44}, {20, 48}, {60, 48}};
    const double rayons[] = {15, 12, 12, 11, 11, 13, 8, 8};
    for (int i = 0; i < 8; ++i) feuillage.addEllipse(touffes[i], rayons[i], rayons[i] * 0.9);
    feuillage.setFillRule(Qt::WindingFill);
    QRadialGradient vert(QPointF(34, 30), 36);
    vert.setColorAt(0, QColor(110, 180, 80));
    vert.setColorAt(1, QColor(40, 110, 50));
    p.setBrush(vert);
    p.setPen(QPen(QColor(30, 80, 40), 0.7));
    p.drawPath(feuillage.simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 40, 40));
    for (QPointF pomme : {QPointF(30, 34), QPointF(48, 28), QPointF(55, 46), QPointF(26, 50), QPointF(42, 50),
                          QPointF(38, 38)})
        p.drawEllipse(pomme, 2.2, 2.2);
    p.setBrush(QColor(60, 110, 40));
    p.drawEllipse(QPointF(64, 92), 5, 3);
    p.drawEllipse(QPointF(12, 96), 6, 3.2);
}

void sceneChaumiere(QPainter& p) {
    peindreCiel(p, QColor(170, 210, 240), QColor(236, 244, 250), 80);
    peindreSol(p, 80, QColor(120, 176, 80), 3);
    // smoke
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 230, 236, 200));
    p.drawEllipse(QPointF(57, 22), 3.5, 3);
    p.drawEllipse(QPointF(61, 15), 4.5, 3.6);
    p.drawEllipse(QPointF(67, 8), 5.5, 4.2);
    remplir(p, polygone({{52, 40}, {59, 40}, {59, 26}, {52, 26}}), QColor(160, 80, 60), traitScene, 0.6);
    remplir(p, polygone({{14, 56}, {66, 56}, {66, 88}, {14, 88}}), QColor(246, 236, 210), traitScene, 0.7);
    QPainterPath toit = polygone({{8, 58}, {40, 30}, {72, 58}});
    QLinearGradient tuiles(0, 30, 0, 58);
    tuiles.setColorAt(0, QColor(210, 80, 60));
    tuiles.setColorAt(1, QColor(160, 50, 40));
    p.setBrush(tuiles);
    p.setPen(QPen(traitScene, 0.7));
    p.drawPath(toit);
    p.setPen(QPen(QColor(130, 40, 30), 0.5));
    for (int i = 1; i < 4; ++i) {
        const double y = 30 + i * 7;
        const double demi = (y - 30) * 32 / 28;
        p.drawLine(QPointF(40 - demi, y), QPointF(40 + demi, y));
    }
    remplir(p, polygone({{34, 68}, {46, 68}, {46, 88}, {34, 88}}), QColor(130, 80, 40), traitScene, 0.6);
    p.setBrush(QColor(240, 200, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(44, 79), 0.9, 0.9);
    for (double x : {18.0, 52.0}) {
        remplir(p, polygone({{x, 64}, {x + 10, 64}, {x + 10, 74}, {x, 74}}), QColor(140, 190, 230), traitScene, 0.6);
        p.setPen(QPen(traitScene, 0.5));
        p.drawLine(QPointF(x + 5, 64), QPointF(x + 5, 74));
        p.drawLine(QPointF(x, 69), QPointF(x + 10, 69));
    }
    remplir(p, polygone({{37, 88}, {43, 88}, {50, 108}, {30, 108}}), QColor(214, 190, 150), QColor(170, 140, 100), 0.5);
    p.setPen(QPen(QColor(250, 250, 250), 1.0));
    for (double x : {4.0, 9.0, 14.0, 19.0, 24.0, 56.0, 61.0, 66.0, 71.0, 76.0}) p.drawLine(QPointF(x, 92), QPointF(x, 100));
    p.drawLine(QPointF(2, 95), QPointF(26, 95));
    p.drawLine(QPointF(54, 95), QPointF(78, 95));
}

void sceneVoilier(QPainter& p) {
    peindreCiel(p, QColor(120, 180, 230), QColor(220, 236, 248), 74);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 120));
    p.drawEllipse(QPointF(64, 16), 6, 6);
    peindreNuage(p, QPointF(18, 20), 10);
    QLinearGradient mer(0, 72, 0, hauteurScene);
    mer.setColorAt(0, QColor(60, 130, 190));
    mer.setColorAt(1, QColor(20, 70, 130));
    p.setBrush(mer);
    p.drawRect(QRectF(0, 72, largeurScene, 36));
    // sails, mast, hull
    p.setPen(QPen(QColor(100, 70, 40), 1.4));
    p.drawLine(QPointF(40, 20), QPointF(40, 80));
    QPainterPath grandVoile;
    grandVoile.moveTo(41.5, 22);
    grandVoile.quadTo(58, 44, 62, 72);
    grandVoile.lineTo(41.5, 72);
    grandVoile.closeSubpath();
    remplir(p, grandVoile, QColor(252, 250, 240), traitScene, 0.7);
    QPainterPath foc;
    foc.moveTo(38.5, 28);
    foc.quadTo(26, 48, 20, 72);
    foc.lineTo(38.5, 72);
    foc.closeSubpath();
    remplir(p, foc, QColor(240, 236, 220), traitScene, 0.7);
    remplir(p, polygone({{40, 20}, {48, 17}, {40, 14}}), QColor(200, 40, 40), traitScene, 0.5);
    QPainterPath coque;
    coque.moveTo(14, 74);
    coque.lineTo(68, 74);
    coque.quadTo(62, 86, 52, 86);
    coque.lineTo(26, 86);
    coque.quadTo(18, 84, 14, 74);
    coque.closeSubpath();
    remplir(p, coque, QColor(150, 60, 40), traitScene, 0.7);
    p.setPen(QPen(QColor(240, 220, 160), 1.0));
    p.drawLine(QPointF(18, 78), QPointF(65, 78));
    // waves and gulls
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 230, 250), 0.8));
    for (int rang = 0; rang < 3; ++rang) {
        const double y = 92 + rang * 6;
        for (int i = 0; i < 5; ++i) p.drawArc(QRectF(i * 17 + (rang % 2) * 8 - 4, y, 12, 6), 0, 180 * 16);
    }
    p.setPen(QPen(QColor(60, 60, 70), 0.8));
    for (QPointF mouette : {QPointF(20, 38), QPointF(27, 33)}) {
        p.drawArc(QRectF(mouette.x() - 4, mouette.y(), 4, 3), 0, 160 * 16);
        p.drawArc(QRectF(mouette.x(), mouette.y(), 4, 3), 20 * 16, 160 * 16);
    }
}

}  // namespace cartes
