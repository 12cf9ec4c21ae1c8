// The roi (a bearded king with crown, sceptre and orb) and the dame (a crowned
// lady with long hair in a wide gown, holding a rose).
#include <QLinearGradient>
#include <cmath>

#include "figures.h"

namespace cartes {

namespace {

QLinearGradient drape(const Palette& pal, double gauche, double droite) {
    QLinearGradient d(gauche, 0, droite, 0);
    d.setColorAt(0, pal.habitFonce);
    d.setColorAt(0.45, pal.habitClair);
    d.setColorAt(1, pal.habit);
    return d;
}

void peindreCouronne(QPainter& p, const Palette& pal, double gauche, double droite, double base, double hauteur,
                     int pointes) {
    QPainterPath c;
    c.moveTo(gauche, base);
    const double pas = (droite - gauche) / pointes;
    for (int i = 0; i < pointes; ++i) {
        const double x = gauche + i * pas;
        c.lineTo(x, base - hauteur);
        c.lineTo(x + pas / 2, base - hauteur * 0.5);
    }
    c.lineTo(droite, base - hauteur);
    c.lineTo(droite, base);
    c.closeSubpath();
    remplir(p, c, pal.or_, pal.orFonce, 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 240, 200));
    for (int i = 0; i <= pointes; ++i) p.drawEllipse(QPointF(gauche + i * pas, base - hauteur - 0.6), 1.1, 1.1);
    p.setBrush(QColor(190, 30, 40));
    p.drawEllipse(QPointF((gauche + droite) / 2, base - 1.8), 1.2, 1.2);
    p.setBrush(QColor(40, 90, 170));
    p.drawEllipse(QPointF(gauche + (droite - gauche) * 0.22, base - 1.8), 0.9, 0.9);
    p.drawEllipse(QPointF(gauche + (droite - gauche) * 0.78, base - 1.8), 0.9, 0.9);
}

void peindreMain(QPainter& p, const Palette& pal, QPointF centre) {
    p.setBrush(pal.peau);
    p.setPen(QPen(pal.trait, 0.5));
    p.drawEllipse(centre, 2.4, 2.4);
}

}  // namespace

void peindreRoi(QPainter& p, int couleur, const Palette& pal, Encres encres) {
    QPainterPath manteau;
    manteau.moveTo(33, 44);
    manteau.cubicTo(26, 70, 22, 110, 20, 142);
    manteau.lineTo(70, 142);
    manteau.cubicTo(68, 110, 64, 70, 57, 44);
    manteau.closeSubpath();
    remplir(p, manteau, pal.habitFonce, pal.trait);
    // ermine lining showing at the mantle's edges
    p.setPen(QPen(QColor(250, 248, 240), 2.2));
    p.drawLine(QPointF(21.5, 141), QPointF(27, 80));
    p.drawLine(QPointF(68.5, 141), QPointF(63, 80));

    QPainterPath robe;
    robe.moveTo(38, 46);
    robe.cubicTo(35, 80, 31, 115, 29, 142);
    robe.lineTo(61, 142);
    robe.cubicTo(59, 115, 55, 80, 52, 46);
    robe.closeSubpath();
    p.setBrush(drape(pal, 29, 61));
    p.setPen(QPen(pal.trait, 0.6));
    p.drawPath(robe);
    remplir(p, polygone({{43, 50}, {47, 50}, {49.5, 142}, {40.5, 142}}), pal.or_, pal.orFonce, 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.habitFonce);
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(45, 98 + i * 9), 1.1, 1.1);
    peindreSymbole(p, couleur, QPointF(45, 66), 7, false, encres);
    remplir(p, polygone({{36.2, 84}, {53.8, 84}, {54.1, 88}, {35.9, 88}}), QColor(90, 60, 34), pal.trait, 0.5);
    remplir(p, polygone({{42.5, 83.5}, {47.5, 83.5}, {47.5, 88.5}, {42.5, 88.5}}), pal.or_, pal.orFonce, 0.5);

    // arms: the sceptre in one hand, the orb in the other
    remplir(p, trace({{35, 50}, {31, 62}, {31, 72}}, 6.5), pal.habit, pal.trait);
    remplir(p, trace({{55, 50}, {59, 62}, {59, 74}}, 6.5), pal.habit, pal.trait);
    p.setPen(QPen(pal.orFonce, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(29.5, 36), QPointF(31.5, 112));
    p.setPen(QPen(pal.or_, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(29.5, 36), QPointF(31.5, 112));
    peindreSymbole(p, couleur, QPointF(29.3, 31), 8, false, encres);
    peindreMain(p, pal, QPointF(31, 74));
    QPainterPath globe;
    globe.addEllipse(QPointF(59.5, 72), 4.2, 4.2);
    remplir(p, globe, pal.or_, pal.orFonce, 0.6);
    p.setPen(QPen(pal.orFonce, 0.8));
    p.drawLine(QPointF(55.3, 72), QPointF(63.7, 72));
    p.drawLine(QPointF(59.5, 67.8), QPointF(59.5, 64));
    p.drawLine(QPointF(57.8, 65.5), QPointF(61.2, 65.5));
    peindreMain(p, pal, QPointF(59.5, 77.5));

    // ermine collar
    QPainterPath col;
    col.moveTo(31, 47);
    col.quadTo(45, 38, 59, 47);
    col.lineTo(60, 54);
    col.quadTo(45, 60, 30, 54);
    col.closeSubpath();
    remplir(p, col, QColor(252, 250, 244), pal.trait);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    for (double x : {34.0, 40.0, 50.0, 56.0}) p.drawEllipse(QPointF(x, 52), 0.7, 1.3);
    for (double x : {37.0, 53.0}) p.drawEllipse(QPointF(x, 48.5), 0.7, 1.3);

    // head, white hair and beard, crown
    QPainterPath cheveux;
    cheveux.addEllipse(QPointF(45, 30), 8.6, 9);
    remplir(p, cheveux, QColor(226, 222, 214), pal.trait);
    peindreVisage(p, QPointF(45, 30), 6.4, 7.6, pal, false);
    QPainterPath barbe;
    barbe.moveTo(38.4, 30.5);
    barbe.cubicTo(38.5, 40, 42, 47, 45, 48);
    barbe.cubicTo(48, 47, 51.5, 40, 51.6, 30.5);
    barbe.cubicTo(50, 36, 48, 36.6, 45, 35.5);
    barbe.cubicTo(42, 36.6, 40, 36, 38.4, 30.5);
    barbe.closeSubpath();
    remplir(p, barbe, QColor(236, 232, 224), pal.trait, 0.5);
    p.setPen(QPen(QColor(150, 146, 140), 0.5));
    p.drawLine(QPointF(45, 38), QPointF(45, 45));
    p.drawLine(QPointF(42.5, 38.5), QPointF(43.5, 44));
    p.drawLine(QPointF(47.5, 38.5), QPointF(46.5, 44));
    peindreCouronne(p, pal, 36.5, 53.5, 24, 11, 4);
}

void peindreDame(QPainter& p, int couleur, const Palette& pal, Encres encres) {
    // long hair falling behind the shoulders, the neck in front of it
    p.save();
    p.translate(0, 2);
    QPainterPath chevelure;
    chevelure.addEllipse(QPointF(45, 28), 8.6, 9.2);
    chevelure.moveTo(36.6, 28);
    chevelure.cubicTo(35.5, 38, 36, 46, 33, 56);
    chevelure.lineTo(39, 56);
    chevelure.lineTo(40.5, 34);
    chevelure.lineTo(49.5, 34);
    chevelure.lineTo(51, 56);
    chevelure.lineTo(57, 56);
    chevelure.cubicTo(54, 46, 54.5, 38, 53.4, 28);
    chevelure.closeSubpath();
    chevelure.setFillRule(Qt::WindingFill);
    remplir(p, chevelure.simplified(), pal.cheveux, pal.trait);
    p.restore();
    remplir(p, polygone({{42.4, 36}, {47.6, 36}, {48, 43}, {42, 43}}), pal.peau, pal.trait, 0.5);

    QPainterPath jupe;
    jupe.moveTo(39, 72);
    jupe.cubicTo(34, 92, 25, 120, 21, 142);
    jupe.lineTo(69, 142);
    jupe.cubicTo(65, 120, 56, 92, 51, 72);
    jupe.closeSubpath();
    p.setBrush(drape(pal, 21, 69));
    p.setPen(QPen(pal.trait, 0.6));
    p.drawPath(jupe);
    remplir(p, polygone({{42, 74}, {48, 74}, {55, 142}, {35, 142}}), pal.second.lighter(125), pal.trait, 0.5);
    // a brocade of small gold flowers on the underskirt
    p.save();
    p.setClipPath(polygone({{42, 74}, {48, 74}, {55, 142}, {35, 142}}));
    p.setPen(Qt::NoPen);
    p.setBrush(pal.or_);
    for (int rang = 0; rang < 12; ++rang)
        for (int col = -3; col <= 3; ++col) {
            const QPointF c(45 + col * 5 + (rang % 2) * 2.5, 80 + rang * 5.5);
            if (std::abs(c.y() - 99) < 5 && std::abs(c.x() - 45) < 5) continue;
            p.drawPath(polygone({c + QPointF(0, -1.3), c + QPointF(1.1, 0), c + QPointF(0, 1.3), c + QPointF(-1.1, 0)}));
        }
    p.restore();
    peindreSymbole(p, couleur, QPointF(45, 99), 7, false, encres);
    p.setPen(QPen(pal.habitFonce, 0.6));
    p.drawLine(QPointF(37, 85), QPointF(28, 138));
    p.drawLine(QPointF(53, 85), QPointF(62, 138));
    remplir(p, [] {
        QPainterPath ourlet;
        ourlet.addRect(21, 138, 48, 4);
        return ourlet;
    }(), pal.or_, pal.orFonce, 0.5);

    QPainterPath corsage = polygone({{37, 44}, {53, 44}, {51, 74}, {39, 74}});
    p.setBrush(drape(pal, 37, 53));
    p.setPen(QPen(pal.trait, 0.6));
    p.drawPath(corsage);
    p.setPen(QPen(pal.or_, 0.7));
    for (int i = 0; i < 4; ++i) {
        const double y = 54 + i * 5;
        p.drawLine(QPointF(43, y), QPointF(47, y + 2.5));
        p.drawLine(QPointF(47, y), QPointF(43, y + 2.5));
    }
    QPainterPath decollete;
    decollete.moveTo(39.5, 41);
    decollete.lineTo(50.5, 41);
    decollete.lineTo(49, 47);
    decollete.quadTo(45, 51, 41, 47);
    decollete.closeSubpath();
    remplir(p, decollete, pal.peau, pal.trait, 0.5);
    p.setPen(QPen(pal.or_, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(40.5, 40, 9, 7), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.second);
    p.drawEllipse(QPointF(45, 47.2), 1.1, 1.1);

    // sleeves, one hand at the waist, the other holding a rose
    remplir(p, trace({{37, 47}, {33, 60}, {40, 70}}, 5.5), pal.habit, pal.trait);
    remplir(p, trace({{53, 47}, {58, 58}, {55, 63}}, 5.5), pal.habit, pal.trait);
    QPainterPath epaules;
    epaules.addEllipse(QPointF(36.5, 46.5), 4, 3.6);
    epaules.addEllipse(QPointF(53.5, 46.5), 4, 3.6);
    remplir(p, epaules, pal.habitClair, pal.trait, 0.5);
    p.setPen(QPen(QColor(60, 120, 50), 0.9));
    p.drawLine(QPointF(55, 63), QPointF(59, 48));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 130, 50));
    p.drawEllipse(QPointF(57.2, 56), 1.8, 0.9);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(59, 46.5);
        p.rotate(i * 72);
        p.setBrush(QColor(214, 40, 70));
        p.setPen(QPen(QColor(120, 20, 40), 0.4));
        p.drawEllipse(QPointF(0, -1.8), 1.7, 1.9);
        p.restore();
    }
    p.setBrush(QColor(240, 200, 80));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(59, 46.5), 0.9, 0.9);
    p.setBrush(pal.peau);
    p.setPen(QPen(pal.trait, 0.5));
    p.drawEllipse(QPointF(55, 63.5), 2.2, 2.2);
    p.drawEllipse(QPointF(40.5, 70.5), 2.2, 2.2);

    p.save();
    p.translate(0, 2);
    peindreVisage(p, QPointF(45, 30), 6.2, 7.4, pal, true);
    QPainterPath frange;
    frange.moveTo(38.4, 27);
    frange.quadTo(41, 21, 45, 22.5);
    frange.quadTo(49, 21, 51.6, 27);
    frange.quadTo(50, 21.5, 45, 20.5);
    frange.quadTo(40, 21.5, 38.4, 27);
    frange.closeSubpath();
    remplir(p, frange, pal.cheveux, pal.cheveux.darker(130), 0.5);
    peindreCouronne(p, pal, 39.5, 50.5, 21.5, 6.5, 3);
    p.restore();
}

}  // namespace cartes
