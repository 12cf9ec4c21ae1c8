// Trump pictures 11 to 16.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "atouts.h"

namespace cartes {

void sceneCloche(QPainter& p) {
    peindreCiel(p, QColor(250, 236, 200), QColor(236, 210, 160));
    remplir(p, polygone({{4, 14}, {76, 14}, {76, 21}, {4, 21}}), QColor(120, 80, 46), traitScene, 0.6);
    p.setPen(QPen(QColor(110, 70, 40), 2));
    p.drawLine(QPointF(8, 21), QPointF(8, 108));
    p.drawLine(QPointF(72, 21), QPointF(72, 108));
    remplir(p, polygone({{36, 21}, {44, 21}, {43, 28}, {37, 28}}), QColor(90, 90, 96), traitScene, 0.5);
    QPainterPath cloche;
    cloche.moveTo(32, 32);
    cloche.cubicTo(32, 24, 48, 24, 48, 32);
    cloche.cubicTo(50, 50, 52, 64, 64, 72);
    cloche.lineTo(16, 72);
    cloche.cubicTo(28, 64, 30, 50, 32, 32);
    cloche.closeSubpath();
    QLinearGradient bronze(16, 0, 64, 0);
    bronze.setColorAt(0, QColor(130, 80, 30));
    bronze.setColorAt(0.35, QColor(240, 196, 100));
    bronze.setColorAt(1, QColor(150, 96, 36));
    p.setBrush(bronze);
    p.setPen(QPen(traitScene, 0.8));
    p.drawPath(cloche);
    p.setPen(QPen(QColor(130, 80, 30), 0.8));
    p.drawLine(QPointF(28.5, 56), QPointF(51.5, 56));
    p.drawLine(QPointF(27, 60), QPointF(53, 60));
    remplir(p, polygone({{15, 72}, {65, 72}, {65, 75}, {15, 75}}), QColor(180, 120, 50), traitScene, 0.6);
    remplir(p, disque(QPointF(40, 80), 4.2), QColor(110, 70, 30), traitScene, 0.6);
    // ringing
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 100, 40), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double r = 6 + i * 4;
        p.drawArc(QRectF(12 - r, 52 - r, 2 * r, 2 * r), 120 * 16, 60 * 16);
        p.drawArc(QRectF(68 - r, 52 - r, 2 * r, 2 * r), -60 * 16, 60 * 16);
    }
    // the bell rope with its tassel
    p.setPen(QPen(QColor(180, 150, 100), 1.4));
    p.drawLine(QPointF(40, 84), QPointF(40, 98));
    remplir(p, polygone({{40, 97}, {36.5, 106}, {43.5, 106}}), QColor(200, 40, 50), traitScene, 0.4);
    remplir(p, disque(QPointF(40, 97.5), 1.8), orMoyen, orSombre, 0.4);
}

void sceneAncre(QPainter& p) {
    peindreCiel(p, QColor(160, 200, 230), QColor(40, 90, 150));
    p.setPen(QPen(QColor(255, 255, 255, 80), 0.8));
    for (int i = 0; i < 6; ++i) p.drawLine(QPointF(0, 12 + i * 17), QPointF(largeurScene, 16 + i * 17));
    const QColor fer(70, 76, 92), ferClair(150, 160, 180);
    QPainterPath ancre;
    ancre.addEllipse(QPointF(40, 18), 6, 6);
    ancre.addPath(polygone({{37.5, 24}, {42.5, 24}, {42.5, 88}, {37.5, 88}}));
    ancre.addPath(polygone({{22, 32}, {58, 32}, {58, 37}, {22, 37}}));
    QPainterPath bras;
    bras.moveTo(14, 66);
    bras.cubicTo(16, 84, 30, 92, 40, 92);
    bras.cubicTo(50, 92, 64, 84, 66, 66);
    bras.lineTo(61, 68);
    bras.cubicTo(58, 80, 50, 86, 40, 86);
    bras.cubicTo(30, 86, 22, 80, 19, 68);
    bras.closeSubpath();
    ancre.addPath(bras);
    ancre.addPath(polygone({{8, 70}, {16, 58}, {22, 72}}));
    ancre.addPath(polygone({{72, 70}, {64, 58}, {58, 72}}));
    ancre.setFillRule(Qt::WindingFill);
    QPainterPath plein = ancre.simplified().subtracted(disque(QPointF(40, 18), 3));
    QLinearGradient acier(10, 0, 70, 0);
    acier.setColorAt(0, fer);
    acier.setColorAt(0.45, ferClair);
    acier.setColorAt(1, fer);
    p.setBrush(acier);
    p.setPen(QPen(QColor(30, 32, 40), 0.8));
    p.drawPath(plein);
    remplir(p, disque(QPointF(22, 34.5), 2.6), fer, QColor(30, 32, 40), 0.6);
    remplir(p, disque(QPointF(58, 34.5), 2.6), fer, QColor(30, 32, 40), 0.6);
    // rope wound round the shank
    QPainterPath corde;
    corde.moveTo(40, 18);
    corde.cubicTo(60, 22, 54, 44, 40, 46);
    corde.cubicTo(26, 48, 24, 60, 40, 62);
    corde.cubicTo(56, 64, 54, 78, 46, 82);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 80, 40), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(corde);
    p.setPen(QPen(QColor(220, 180, 110), 1.6, Qt::DashLine, Qt::FlatCap));
    p.drawPath(corde);
}

void sceneMontgolfiere(QPainter& p) {
    peindreCiel(p, QColor(90, 150, 220), QColor(250, 220, 180));
    peindreNuage(p, QPointF(14, 80), 12);
    peindreNuage(p, QPointF(66, 92), 14);
    peindreNuage(p, QPointF(66, 20), 8);
    QPainterPath enveloppe;
    enveloppe.moveTo(40, 8);
    enveloppe.cubicTo(60, 8, 66, 28, 60, 42);
    enveloppe.cubicTo(56, 52, 46, 60, 45, 66);
    enveloppe.lineTo(35, 66);
    enveloppe.cubicTo(34, 60, 24, 52, 20, 42);
    enveloppe.cubicTo(14, 28, 20, 8, 40, 8);
    enveloppe.closeSubpath();
    p.save();
    p.setClipPath(enveloppe);
    const QColor fuseaux[] = {QColor(220, 50, 50), QColor(250, 210, 60), QColor(40, 110, 190),
                              QColor(250, 210, 60), QColor(220, 50, 50)};
    for (int i = 0; i < 5; ++i) {
        QPainterPath f;
        const double x0 = 16 + i * 9.6;
        f.moveTo(40, 0);
        f.quadTo(x0 - 3, 30, 40, 70);
        f.quadTo(x0 + 12.6, 30, 40, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(fuseaux[i]);
        p.drawRect(QRectF(x0, 0, 9.6, 70));
    }
    QRadialGradient volume(QPointF(34, 24), 34);
    volume.setColorAt(0, QColor(255, 255, 255, 90));
    volume.setColorAt(1, QColor(0, 0, 0, 90));
    p.setBrush(volume);
    p.drawRect(QRectF(0, 0, largeurScene, hauteurScene));
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawRect(QRectF(0, 38, largeurScene, 3));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(traitScene, 0.8));
    p.drawPath(enveloppe);
    p.setPen(QPen(traitScene, 0.6));
    p.drawLine(QPointF(35.5, 66), QPointF(35, 76));
    p.drawLine(QPointF(44.5, 66), QPointF(45, 76));
    remplir(p, polygone({{33, 76}, {47, 76}, {46, 85}, {34, 85}}), QColor(170, 120, 60), traitScene, 0.6);
    p.setPen(QPen(QColor(120, 80, 40), 0.5));
    p.drawLine(QPointF(34, 80.5), QPointF(46, 80.5));
    p.drawLine(QPointF(40, 76), QPointF(40, 85));
}

void sceneChateau(QPainter& p) {
    peindreCiel(p, QColor(140, 190, 236), QColor(236, 242, 250), 84);
    peindreNuage(p, QPointF(64, 14), 9);
    peindreSol(p, 84, QColor(90, 150, 70), 6);
    const QColor pierre(196, 190, 176), pierreFonce(150, 144, 130);
    auto creneaux = [&](double gauche, double droite, double haut) {
        QPainterPath c;
        for (double x = gauche; x < droite - 0.1; x += 4) c.addRect(QRectF(x, haut, 2.4, 3));
        remplir(p, c, pierre, traitScene, 0.5);
    };
    remplir(p, polygone({{18, 52}, {62, 52}, {62, 88}, {18, 88}}), pierre, traitScene, 0.7);
    creneaux(18, 62, 49);
    for (double x : {12.0, 58.0}) {
        remplir(p, polygone({{x, 40}, {x + 10, 40}, {x + 10, 90}, {x, 90}}), pierreFonce.lighter(110), traitScene, 0.7);
        remplir(p, polygone({{x - 2, 40}, {x + 5, 20}, {x + 12, 40}}), QColor(60, 80, 160), traitScene, 0.7);
        p.setPen(QPen(traitScene, 0.6));
        p.drawLine(QPointF(x + 5, 20), QPointF(x + 5, 13));
        remplir(p, polygone({{x + 5, 13}, {x + 11, 15}, {x + 5, 17}}), QColor(210, 40, 40), traitScene, 0.4);
        remplir(p, polygone({{x + 3.5, 50}, {x + 6.5, 50}, {x + 6.5, 56}, {x + 3.5, 56}}), QColor(50, 40, 40),
                traitScene, 0.3);
    }
    remplir(p, polygone({{32, 30}, {48, 30}, {48, 52}, {32, 52}}), pierre.lighter(106), traitScene, 0.7);
    remplir(p, polygone({{30, 30}, {40, 12}, {50, 30}}), QColor(190, 50, 50), traitScene, 0.7);
    remplir(p, polygone({{38.5, 38}, {41.5, 38}, {41.5, 44}, {38.5, 44}}), QColor(50, 40, 40), traitScene, 0.3);
    QPainterPath porte;
    porte.moveTo(34, 88);
    porte.lineTo(34, 74);
    porte.quadTo(40, 66, 46, 74);
    porte.lineTo(46, 88);
    porte.closeSubpath();
    remplir(p, porte, QColor(100, 64, 36), traitScene, 0.6);
    p.setPen(QPen(QColor(60, 40, 24), 0.5));
    for (double x : {36.5, 40.0, 43.5}) p.drawLine(QPointF(x, 72), QPointF(x, 88));
    p.setPen(QPen(pierreFonce, 0.4));
    for (int rang = 0; rang < 5; ++rang) p.drawLine(QPointF(18, 58 + rang * 6), QPointF(33, 58 + rang * 6));
}

void sceneLune(QPainter& p) {
    peindreCiel(p, QColor(14, 20, 60), QColor(50, 60, 120));
    peindreEtoiles(p, {{12, 14}, {66, 12}, {56, 34}, {16, 50}, {70, 56}, {30, 10}, {62, 74}}, 2.2);
    peindreEtoiles(p, {{24, 30}, {8, 70}, {46, 8}, {74, 34}}, 1.3);
    QPainterPath croissant = disque(QPointF(40, 42), 20).subtracted(disque(QPointF(50, 36), 17));
    QRadialGradient lueur(QPointF(40, 42), 30);
    lueur.setColorAt(0, QColor(255, 250, 200, 80));
    lueur.setColorAt(1, QColor(255, 250, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(lueur);
    p.drawEllipse(QPointF(40, 42), 30, 30);
    QLinearGradient clair(20, 20, 50, 60);
    clair.setColorAt(0, QColor(255, 246, 190));
    clair.setColorAt(1, QColor(236, 200, 90));
    p.setBrush(clair);
    p.setPen(QPen(QColor(170, 130, 40), 0.6));
    p.drawPath(croissant);
    // the sleeping face of the moon
    p.setPen(QPen(QColor(150, 110, 30), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(25.5, 36, 4, 2.5), 180 * 16, 180 * 16);
    p.drawLine(QPointF(23, 44), QPointF(25, 45.5));
    p.drawArc(QRectF(25, 49, 5, 3), 200 * 16, 140 * 16);
    // roofs of a sleeping village
    QPainterPath village;
    village.moveTo(0, 108);
    village.lineTo(0, 92);
    village.lineTo(8, 86);
    village.lineTo(16, 92);
    village.lineTo(16, 88);
    village.lineTo(22, 80);
    village.lineTo(22, 74);
    village.lineTo(24, 74);
    village.lineTo(24, 78);
    village.lineTo(30, 88);
    village.lineTo(40, 88);
    village.lineTo(47, 82);
    village.lineTo(54, 88);
    village.lineTo(58, 88);
    village.lineTo(58, 84);
    village.lineTo(66, 78);
    village.lineTo(74, 84);
    village.lineTo(80, 84);
    village.lineTo(80, 108);
    village.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 24, 40));
    p.drawPath(village);
    p.setBrush(QColor(250, 210, 90));
    for (QPointF fenetre : {QPointF(7, 95), QPointF(26, 92), QPointF(45, 94), QPointF(65, 90), QPointF(70, 97)})
        p.drawRect(QRectF(fenetre.x(), fenetre.y(), 2.6, 3));
}

void sceneLyre(QPainter& p) {
    QRadialGradient fond(QPointF(40, 50), 60);
    fond.setColorAt(0, QColor(170, 50, 60));
    fond.setColorAt(1, QColor(90, 20, 36));
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    p.drawRect(QRectF(0, 0, largeurScene, hauteurScene));
    // laurel sprigs behind
    p.setBrush(QColor(80, 140, 70));
    for (int i = 0; i < 7; ++i) {
        for (int cote : {-1, 1}) {
            p.save();
            p.translate(40 + cote * (18 + i * 1.5), 96 - i * 9);
            p.rotate(cote * (30 - i * 4));
            p.drawEllipse(QPointF(0, 0), 2, 4.5);
            p.restore();
        }
    }
    QPainterPath lyre;
    lyre.moveTo(26, 84);
    lyre.cubicTo(14, 70, 16, 44, 26, 34);
    lyre.cubicTo(30, 30, 26, 20, 20, 22);
    lyre.lineTo(22, 17);
    lyre.cubicTo(34, 14, 36, 30, 32, 38);
    lyre.cubicTo(26, 48, 26, 70, 34, 80);
    lyre.closeSubpath();
    QTransform miroir;
    miroir.translate(80, 0);
    miroir.scale(-1, 1);
    QPainterPath montants = lyre.united(miroir.map(lyre));
    montants.addPath(polygone({{24, 80}, {56, 80}, {52, 92}, {28, 92}}));
    montants.addPath(polygone({{24, 31}, {56, 31}, {56, 35}, {24, 35}}));
    montants.setFillRule(Qt::WindingFill);
    p.setBrush(degradeOr(14, 66));
    p.setPen(QPen(orSombre.darker(130), 0.7));
    p.drawPath(montants.simplified());
    p.setPen(QPen(QColor(250, 240, 210), 0.6));
    for (int i = 0; i < 5; ++i) p.drawLine(QPointF(32 + i * 4, 35), QPointF(32 + i * 4, 80));
    remplir(p, disque(QPointF(40, 86), 2.4), QColor(200, 40, 50), orSombre, 0.5);
    remplir(p, disque(QPointF(21, 19.5), 2), orClair, orSombre, 0.5);
    remplir(p, disque(QPointF(59, 19.5), 2), orClair, orSombre, 0.5);
}

}  // namespace cartes
