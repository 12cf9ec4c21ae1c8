// Trump pictures 6 to 10.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "atouts.h"

namespace cartes {

void sceneMoulin(QPainter& p) {
    peindreCiel(p, QColor(180, 210, 240), QColor(250, 240, 220), 86);
    peindreNuage(p, QPointF(64, 18), 10);
    peindreSol(p, 86, QColor(170, 190, 80), 3);
    p.setPen(QPen(QColor(140, 150, 60), 0.6));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(0, 92 + i * 4.5), QPointF(largeurScene, 90 + i * 5));
    QPainterPath tour = polygone({{32, 46}, {48, 46}, {54, 94}, {26, 94}});
    QLinearGradient pierre(26, 0, 54, 0);
    pierre.setColorAt(0, QColor(250, 244, 230));
    pierre.setColorAt(1, QColor(200, 190, 170));
    p.setBrush(pierre);
    p.setPen(QPen(traitScene, 0.7));
    p.drawPath(tour);
    QPainterPath toit;
    toit.moveTo(29, 48);
    toit.quadTo(40, 30, 51, 48);
    toit.closeSubpath();
    remplir(p, toit, QColor(150, 70, 50), traitScene, 0.7);
    QPainterPath porte;
    porte.moveTo(36, 94);
    porte.lineTo(36, 84);
    porte.quadTo(40, 79, 44, 84);
    porte.lineTo(44, 94);
    porte.closeSubpath();
    remplir(p, porte, QColor(110, 70, 40), traitScene, 0.6);
    remplir(p, disque(QPointF(40, 66), 2.4), QColor(140, 190, 230), traitScene, 0.5);
    // four sails on a hub
    const QPointF moyeu(40, 44);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(moyeu);
        p.rotate(25 + i * 90);
        p.setPen(QPen(QColor(110, 70, 40), 1.1));
        p.drawLine(QPointF(0, 0), QPointF(0, -34));
        QPainterPath aile = polygone({{1, -8}, {8, -9}, {8, -34}, {1, -34}});
        remplir(p, aile, QColor(250, 246, 236, 230), QColor(110, 70, 40), 0.6);
        p.setPen(QPen(QColor(110, 70, 40), 0.4));
        for (int k = 1; k < 5; ++k) p.drawLine(QPointF(1, -8 - k * 5.2), QPointF(8, -8 - k * 5.2));
        p.drawLine(QPointF(4.5, -8.5), QPointF(4.5, -34));
        p.restore();
    }
    remplir(p, disque(moyeu, 2.2), QColor(80, 60, 40), traitScene, 0.5);
}

void scenePoisson(QPainter& p) {
    peindreCiel(p, QColor(90, 170, 210), QColor(20, 70, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 210, 150));
    QPainterPath sable;
    sable.moveTo(0, 98);
    sable.quadTo(40, 90, 80, 100);
    sable.lineTo(80, 108);
    sable.lineTo(0, 108);
    p.drawPath(sable);
    p.setBrush(Qt::NoBrush);
    for (double x : {10.0, 16.0, 66.0, 72.0}) {
        QPainterPath algue;
        algue.moveTo(x, 100);
        for (int i = 1; i <= 4; ++i) algue.quadTo(x + (i % 2 ? 5 : -5), 100 - i * 9 + 4.5, x, 100 - i * 9);
        p.setPen(QPen(QColor(50, 140, 70), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(algue);
    }
    // the fish
    p.save();
    p.translate(40, 54);
    QPainterPath queue = polygone({{18, 0}, {32, -12}, {28, 0}, {32, 12}});
    remplir(p, queue, QColor(240, 140, 40), traitScene, 0.7);
    QPainterPath nageoire;
    nageoire.moveTo(-4, -11);
    nageoire.quadTo(4, -22, 12, -10);
    nageoire.closeSubpath();
    nageoire.moveTo(0, 10);
    nageoire.quadTo(6, 18, 10, 9);
    nageoire.closeSubpath();
    remplir(p, nageoire, QColor(250, 170, 60), traitScene, 0.6);
    QPainterPath corps;
    corps.moveTo(-24, 0);
    corps.cubicTo(-16, -16, 12, -16, 21, 0);
    corps.cubicTo(12, 16, -16, 16, -24, 0);
    corps.closeSubpath();
    QLinearGradient ecailles(0, -12, 0, 12);
    ecailles.setColorAt(0, QColor(250, 170, 50));
    ecailles.setColorAt(1, QColor(220, 90, 30));
    p.setBrush(ecailles);
    p.setPen(QPen(traitScene, 0.8));
    p.drawPath(corps);
    p.setPen(QPen(QColor(180, 70, 20), 0.5));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i)
        for (int j = -1; j <= 1; ++j) p.drawArc(QRectF(-6 + i * 5.5, -3 + j * 5.5, 5, 5), 90 * 16, 180 * 16);
    p.drawArc(QRectF(-18, -8, 10, 16), -60 * 16, 120 * 16);
    remplir(p, disque(QPointF(-16, -3), 2.4), Qt::white, traitScene, 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(-16.5, -3), 1.2, 1.2);
    p.restore();
    p.setPen(QPen(QColor(220, 240, 255), 0.6));
    p.setBrush(QColor(255, 255, 255, 60));
    for (QPointF bulle : {QPointF(12, 40), QPointF(9, 31), QPointF(13, 22), QPointF(60, 30)})
        p.drawEllipse(bulle, 1.8, 1.8);
}

void sceneOiseau(QPainter& p) {
    peindreCiel(p, QColor(250, 226, 200), QColor(252, 246, 232));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 150));
    p.drawEllipse(QPointF(18, 22), 9, 9);
    // branch with leaves
    QPainterPath branche;
    branche.moveTo(0, 82);
    branche.quadTo(40, 70, 80, 62);
    branche.lineTo(80, 66);
    branche.quadTo(40, 76, 0, 87);
    branche.closeSubpath();
    remplir(p, branche, QColor(110, 74, 44), traitScene, 0.6);
    auto feuille = [&](QPointF base, double angle) {
        p.save();
        p.translate(base);
        p.rotate(angle);
        QPainterPath f;
        f.moveTo(0, 0);
        f.quadTo(3.5, -5, 0, -12);
        f.quadTo(-3.5, -5, 0, 0);
        remplir(p, f, QColor(80, 150, 70), QColor(40, 90, 40), 0.5);
        p.restore();
    };
    feuille(QPointF(12, 81), -30);
    feuille(QPointF(18, 80), 150);
    feuille(QPointF(66, 66), 20);
    feuille(QPointF(72, 64), 170);
    feuille(QPointF(60, 67), -50);
    // a robin
    p.save();
    p.translate(40, 52);
    p.setPen(QPen(QColor(80, 60, 40), 0.9));
    p.drawLine(QPointF(-3, 14), QPointF(-4, 22));
    p.drawLine(QPointF(3, 14), QPointF(3, 21));
    remplir(p, polygone({{10, 2}, {26, 14}, {22, 17}, {8, 8}}), QColor(110, 80, 50), traitScene, 0.6);
    QPainterPath corps;
    corps.addEllipse(QPointF(0, 2), 13, 12);
    corps.addEllipse(QPointF(-8, -10), 8, 7.5);
    corps.setFillRule(Qt::WindingFill);
    remplir(p, corps.simplified(), QColor(140, 100, 60), traitScene, 0.7);
    QPainterPath gorge;
    gorge.moveTo(-15, -8);
    gorge.cubicTo(-18, 2, -10, 14, 2, 13);
    gorge.cubicTo(-6, 8, -6, -2, -8, -8);
    gorge.closeSubpath();
    remplir(p, gorge, QColor(236, 100, 40), QColor(180, 70, 30), 0.5);
    QPainterPath aile;
    aile.moveTo(-2, -2);
    aile.cubicTo(6, -6, 14, 0, 12, 8);
    aile.cubicTo(6, 8, 0, 6, -2, -2);
    remplir(p, aile, QColor(110, 76, 46), traitScene, 0.6);
    remplir(p, polygone({{-15.5, -11}, {-21, -9.5}, {-15.5, -8}}), QColor(230, 170, 40), traitScene, 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(-10.5, -11.5), 1.3, 1.3);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-10.9, -11.9), 0.4, 0.4);
    p.restore();
    // notes of its song
    p.setPen(QPen(traitScene, 0.8));
    p.setBrush(traitScene);
    for (QPointF note : {QPointF(18, 40), QPointF(12, 30)}) {
        p.drawEllipse(note, 1.6, 1.2);
        p.drawLine(note + QPointF(1.5, 0), note + QPointF(1.5, -6));
    }
}

void sceneMontagnes(QPainter& p) {
    peindreCiel(p, QColor(110, 160, 220), QColor(230, 238, 248), 80);
    auto montagne = [&](QPointF sommet, double demi, double base, const QColor& couleur) {
        QPainterPath m = polygone({{sommet.x() - demi, base}, sommet, {sommet.x() + demi, base}});
        QLinearGradient d(sommet.x() - demi, 0, sommet.x() + demi, 0);
        d.setColorAt(0, couleur.lighter(115));
        d.setColorAt(1, couleur.darker(125));
        p.setBrush(d);
        p.setPen(QPen(couleur.darker(160), 0.6));
        p.drawPath(m);
        const double h = (base - sommet.y()) * 0.3, l = demi * 0.3;
        QPainterPath neige;
        neige.moveTo(sommet);
        neige.lineTo(sommet + QPointF(l, h));
        neige.lineTo(sommet + QPointF(l * 0.4, h * 0.75));
        neige.lineTo(sommet + QPointF(0, h * 1.05));
        neige.lineTo(sommet + QPointF(-l * 0.5, h * 0.7));
        neige.lineTo(sommet + QPointF(-l, h));
        neige.closeSubpath();
        remplir(p, neige, QColor(252, 252, 255), QColor(180, 190, 210), 0.4);
    };
    montagne(QPointF(58, 24), 30, 86, QColor(120, 130, 160));
    montagne(QPointF(24, 34), 30, 86, QColor(100, 110, 140));
    montagne(QPointF(44, 46), 22, 86, QColor(140, 130, 150));
    peindreSol(p, 84, QColor(90, 150, 80), 2);
    QLinearGradient lac(0, 94, 0, 104);
    lac.setColorAt(0, QColor(120, 180, 230));
    lac.setColorAt(1, QColor(60, 120, 190));
    p.setPen(Qt::NoPen);
    p.setBrush(lac);
    p.drawEllipse(QPointF(48, 99), 26, 5);
    for (QPointF sapin : {QPointF(8, 96), QPointF(15, 100), QPointF(72, 98), QPointF(64, 104)}) {
        remplir(p, polygone({{sapin.x(), sapin.y() - 16}, {sapin.x() + 5, sapin.y()}, {sapin.x() - 5, sapin.y()}}),
                QColor(30, 100, 60), QColor(20, 60, 40), 0.5);
        p.setPen(QPen(QColor(90, 60, 40), 1.2));
        p.drawLine(sapin, sapin + QPointF(0, 3));
    }
}

void scenePhare(QPainter& p) {
    peindreCiel(p, QColor(30, 40, 90), QColor(240, 150, 90), 76);
    peindreEtoiles(p, {{10, 10}, {22, 22}, {70, 8}, {62, 26}, {12, 36}}, 1.6);
    // beams
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 150, 110));
    p.drawPath(polygone({{44, 30}, {80, 18}, {80, 42}}));
    p.drawPath(polygone({{36, 30}, {0, 22}, {0, 38}}));
    QLinearGradient mer(0, 74, 0, hauteurScene);
    mer.setColorAt(0, QColor(50, 80, 140));
    mer.setColorAt(1, QColor(20, 40, 80));
    p.setBrush(mer);
    p.drawRect(QRectF(0, 74, largeurScene, 34));
    QPainterPath rocher;
    rocher.moveTo(14, 108);
    rocher.quadTo(18, 84, 34, 82);
    rocher.lineTo(50, 82);
    rocher.quadTo(64, 86, 70, 108);
    rocher.closeSubpath();
    remplir(p, rocher, QColor(90, 80, 74), QColor(40, 36, 32), 0.6);
    QPainterPath tour = polygone({{35, 36}, {45, 36}, {49, 84}, {31, 84}});
    p.save();
    p.setClipPath(tour);
    p.setBrush(QColor(250, 248, 240));
    p.drawRect(QRectF(0, 0, largeurScene, hauteurScene));
    p.setBrush(QColor(200, 40, 40));
    for (int i = 0; i < 3; ++i) p.drawRect(QRectF(0, 44 + i * 14, largeurScene, 7));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(traitScene, 0.7));
    p.drawPath(tour);
    remplir(p, polygone({{32, 36}, {48, 36}, {48, 38.5}, {32, 38.5}}), QColor(60, 60, 60), traitScene, 0.5);
    QRadialGradient lumiere(QPointF(40, 30), 8);
    lumiere.setColorAt(0, QColor(255, 255, 220));
    lumiere.setColorAt(1, QColor(255, 200, 60));
    p.setBrush(lumiere);
    p.setPen(QPen(traitScene, 0.6));
    p.drawRect(QRectF(36, 26, 8, 10));
    remplir(p, polygone({{34, 26}, {40, 19}, {46, 26}}), QColor(60, 60, 60), traitScene, 0.5);
    remplir(p, polygone({{38.5, 70}, {41.5, 70}, {41.5, 76}, {38.5, 76}}), QColor(90, 60, 40), traitScene, 0.4);
    p.setPen(QPen(QColor(180, 200, 240), 0.6));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(2 + i * 4, 96 + i * 3), QPointF(10 + i * 4, 96 + i * 3));
}

}  // namespace cartes
