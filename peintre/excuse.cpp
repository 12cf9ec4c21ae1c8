// The Excuse: a dancing jester under the stars, with a star in place of a
// number in the two corners.
#include <QLinearGradient>
#include <QRadialGradient>

#include "atouts.h"

namespace cartes {

namespace {

const QColor rouge(200, 40, 58), jaune(242, 196, 62), vert(46, 130, 80);
const QColor trait(40, 28, 30);
const QColor grelot(236, 190, 60);

void peindreGrelot(QPainter& p, QPointF centre, double rayon) {
    remplir(p, disque(centre, rayon), grelot, QColor(130, 90, 20), 0.5);
}

void peindreBouffon(QPainter& p) {
    // legs in two colours, one kicked out in a dance
    remplir(p, trace({{36, 86}, {33, 104}, {29, 122}}, 5.6), rouge, trait);
    remplir(p, trace({{44, 86}, {51, 102}, {58, 116}}, 5.6), jaune, trait);
    QPainterPath souliers;
    souliers.moveTo(31, 120);
    souliers.quadTo(24, 125, 18, 121);
    souliers.quadTo(18, 127, 31, 126);
    souliers.closeSubpath();
    souliers.moveTo(56, 114);
    souliers.quadTo(64, 116, 68, 110);
    souliers.quadTo(70, 117, 60, 120);
    souliers.closeSubpath();
    remplir(p, souliers, vert, trait, 0.6);
    peindreGrelot(p, QPointF(18, 120.5), 1.6);
    peindreGrelot(p, QPointF(68.5, 109.5), 1.6);

    // tunic in diamonds, with a pointed hem
    QPainterPath tunique;
    tunique.moveTo(31, 48);
    tunique.lineTo(49, 48);
    tunique.cubicTo(51, 64, 54, 78, 56, 88);
    tunique.lineTo(51, 84);
    tunique.lineTo(46, 92);
    tunique.lineTo(40, 85);
    tunique.lineTo(34, 92);
    tunique.lineTo(29, 84);
    tunique.lineTo(24, 88);
    tunique.cubicTo(26, 78, 29, 64, 31, 48);
    tunique.closeSubpath();
    p.save();
    p.setClipPath(tunique);
    p.setPen(Qt::NoPen);
    p.setBrush(rouge);
    p.drawRect(QRectF(0, 40, 80, 60));
    p.setBrush(jaune);
    for (int rang = 0; rang < 8; ++rang)
        for (int col = 0; col < 7; ++col) {
            const QPointF c(18 + col * 8 + (rang % 2) * 4, 46 + rang * 6);
            p.drawPath(polygone({c + QPointF(0, -3), c + QPointF(4, 0), c + QPointF(0, 3), c + QPointF(-4, 0)}));
        }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(trait, 0.7));
    p.drawPath(tunique);
    for (QPointF pointe : {QPointF(24, 88), QPointF(34, 92), QPointF(46, 92), QPointF(56, 88)}) peindreGrelot(p, pointe, 1.5);
    remplir(p, polygone({{29.5, 70}, {50.5, 70}, {51, 73.5}, {29, 73.5}}), vert, trait, 0.5);

    // one arm on the hip, the other raising a bauble
    remplir(p, trace({{32, 51}, {25, 62}, {31, 70}}, 5), jaune, trait);
    remplir(p, trace({{48, 51}, {56, 44}, {60, 34}}, 5), rouge, trait);
    p.setPen(QPen(QColor(120, 80, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(60, 40), QPointF(64, 14));
    QPainterPath marotte;
    marotte.moveTo(61, 14);
    marotte.lineTo(58, 7);
    marotte.lineTo(63.5, 10);
    marotte.lineTo(66, 4);
    marotte.lineTo(67.5, 11);
    marotte.lineTo(72, 8);
    marotte.lineTo(68, 15);
    marotte.closeSubpath();
    remplir(p, marotte, vert, trait, 0.5);
    remplir(p, disque(QPointF(64.5, 16), 3.2), QColor(246, 214, 180), trait, 0.5);
    for (QPointF g : {QPointF(58, 7), QPointF(66, 4), QPointF(72, 8)}) peindreGrelot(p, g, 1.3);
    for (QPointF main : {QPointF(31.5, 70.5), QPointF(60.5, 33)})
        remplir(p, disque(main, 2.3), QColor(246, 214, 180), trait, 0.5);

    // ruff, face and the three-horned cap
    QPainterPath fraise;
    for (int i = 0; i < 6; ++i) {
        const double x = 30 + i * 4;
        fraise.moveTo(x, 46);
        fraise.lineTo(x + 2, 51);
        fraise.lineTo(x + 4, 46);
    }
    fraise.addRect(QRectF(30, 44, 24, 2.5));
    fraise.setFillRule(Qt::WindingFill);
    remplir(p, fraise.simplified(), QColor(250, 250, 244), trait, 0.5);
    remplir(p, disque(QPointF(40, 37), 7, 7.6), QColor(246, 214, 180), trait, 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(trait);
    p.drawEllipse(QPointF(37.4, 36), 0.9, 0.9);
    p.drawEllipse(QPointF(42.6, 36), 0.9, 0.9);
    p.setBrush(QColor(230, 100, 100, 110));
    p.drawEllipse(QPointF(35.5, 39.5), 1.5, 1.1);
    p.drawEllipse(QPointF(44.5, 39.5), 1.5, 1.1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(trait, 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(36.5, 37, 7, 5), 200 * 16, 140 * 16);
    QPainterPath corneGauche;
    corneGauche.moveTo(33, 32);
    corneGauche.cubicTo(28, 24, 22, 22, 16, 26);
    corneGauche.cubicTo(22, 20, 32, 20, 39, 28);
    corneGauche.closeSubpath();
    QPainterPath corneDroite;
    corneDroite.moveTo(47, 32);
    corneDroite.cubicTo(52, 24, 58, 22, 64, 26);
    corneDroite.cubicTo(58, 20, 48, 20, 41, 28);
    corneDroite.closeSubpath();
    QPainterPath corneHaut;
    corneHaut.moveTo(36, 30);
    corneHaut.cubicTo(36, 20, 40, 14, 46, 10);
    corneHaut.cubicTo(46, 18, 46, 24, 44, 30);
    corneHaut.closeSubpath();
    remplir(p, corneHaut, vert, trait, 0.6);
    remplir(p, corneGauche, rouge, trait, 0.6);
    remplir(p, corneDroite, jaune, trait, 0.6);
    remplir(p, polygone({{32, 29}, {48, 29}, {48.5, 33}, {31.5, 33}}), vert.darker(120), trait, 0.5);
    for (QPointF g : {QPointF(16, 26), QPointF(46, 10), QPointF(64, 26)}) peindreGrelot(p, g, 2);
}

}  // namespace

void peindreExcuse(QPainter& p) {
    const QRectF cadre(5, 5, 80, 140);
    p.save();
    p.translate(cadre.topLeft());
    p.setClipRect(QRectF(0, 0, cadre.width(), cadre.height()));
    QRadialGradient nuit(QPointF(40, 60), 90);
    nuit.setColorAt(0, QColor(70, 50, 130));
    nuit.setColorAt(1, QColor(20, 16, 54));
    p.setPen(Qt::NoPen);
    p.setBrush(nuit);
    p.drawRect(QRectF(0, 0, cadre.width(), cadre.height()));
    peindreEtoiles(p, {{26, 10}, {72, 40}, {8, 52}, {70, 70}, {12, 96}, {74, 132}, {52, 6}, {6, 72}}, 1.8);
    peindreEtoiles(p, {{34, 4}, {62, 56}, {20, 40}, {66, 96}, {10, 118}}, 1.1);
    QPainterPath scene;
    scene.moveTo(0, 128);
    scene.quadTo(40, 122, 80, 128);
    scene.lineTo(80, 140);
    scene.lineTo(0, 140);
    p.setBrush(QColor(40, 30, 70));
    p.drawPath(scene);
    p.translate(0, 4);
    peindreBouffon(p);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(190, 150, 50), 1.6));
    p.drawRect(cadre);
    // a gold star on a cream disc instead of the number
    deuxCoins(p, [](QPainter& q) {
        remplir(q, disque(QPointF(13, 13), 8.5), QColor(252, 246, 230), QColor(190, 150, 50), 1.0);
        remplir(q, etoile(QPointF(13, 13.6), 6.8, 2.8), QColor(236, 186, 50), QColor(140, 100, 20), 0.6);
    });
}

}  // namespace cartes
