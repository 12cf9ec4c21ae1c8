// The valet (a page in a plumed cap holding a halberd) and the cavalier (a
// rider with a pennoned lance on a horse seen from the side).
#include <QLinearGradient>

#include "figures.h"

namespace cartes {

namespace {

QLinearGradient drapeVertical(const QColor& clair, const QColor& fonce, double haut, double bas) {
    QLinearGradient d(0, haut, 0, bas);
    d.setColorAt(0, clair);
    d.setColorAt(1, fonce);
    return d;
}

void peindreMain(QPainter& p, const Palette& pal, QPointF centre) {
    p.setBrush(pal.peau);
    p.setPen(QPen(pal.trait, 0.5));
    p.drawEllipse(centre, 2.2, 2.2);
}

}  // namespace

void peindreValet(QPainter& p, int couleur, const Palette& pal, Encres encres) {
    // halberd
    p.setPen(QPen(QColor(110, 70, 36), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(63, 20), QPointF(63, 141));
    const QColor acier(214, 218, 226), acierFonce(96, 100, 112);
    remplir(p, polygone({{63, 8}, {65, 18}, {61, 18}}), acier, acierFonce, 0.5);
    QPainterPath lame;
    lame.moveTo(63.5, 20);
    lame.quadTo(70.5, 18, 71, 25);
    lame.quadTo(70.5, 32, 63.5, 30);
    lame.closeSubpath();
    remplir(p, lame, acier, acierFonce, 0.5);
    remplir(p, polygone({{62.5, 22}, {57, 25}, {62.5, 27.5}}), acier, acierFonce, 0.5);

    // legs and shoes
    remplir(p, trace({{41, 96}, {40.5, 116}, {40, 134}}, 5.2), pal.second, pal.trait);
    remplir(p, trace({{49, 96}, {49.5, 116}, {50.5, 134}}, 5.2), pal.second.darker(115), pal.trait);
    p.setBrush(QColor(60, 40, 30));
    p.setPen(QPen(pal.trait, 0.5));
    p.drawEllipse(QPointF(38.5, 137), 4.2, 2.2);
    p.drawEllipse(QPointF(52, 137), 4.2, 2.2);

    // doublet
    QPainterPath pourpoint;
    pourpoint.moveTo(37, 44);
    pourpoint.lineTo(53, 44);
    pourpoint.cubicTo(55, 70, 57, 88, 58, 100);
    pourpoint.lineTo(32, 100);
    pourpoint.cubicTo(33, 88, 35, 70, 37, 44);
    pourpoint.closeSubpath();
    p.setBrush(drapeVertical(pal.habitClair, pal.habit, 44, 100));
    p.setPen(QPen(pal.trait, 0.6));
    p.drawPath(pourpoint);
    p.setPen(QPen(pal.habitFonce, 0.6));
    p.drawLine(QPointF(39, 80), QPointF(36, 99));
    p.drawLine(QPointF(51, 80), QPointF(54, 99));
    remplir(p, polygone({{33.4, 96.5}, {56.6, 96.5}, {57, 100}, {33, 100}}), pal.or_, pal.orFonce, 0.4);
    remplir(p, polygone({{35.6, 74}, {54.4, 74}, {54.7, 78}, {35.3, 78}}), QColor(100, 60, 30), pal.trait, 0.4);
    remplir(p, polygone({{43.6, 74.5}, {46.4, 74.5}, {46.4, 77.5}, {43.6, 77.5}}), pal.or_, pal.orFonce, 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.or_);
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(45, 52 + i * 6), 0.9, 0.9);
    peindreSymbole(p, couleur, QPointF(45, 88), 7, false, encres);

    // short cape over one shoulder
    QPainterPath cape;
    cape.moveTo(36, 45);
    cape.cubicTo(31, 52, 29, 64, 30, 76);
    cape.lineTo(36, 72);
    cape.lineTo(40, 46);
    cape.closeSubpath();
    remplir(p, cape, pal.habitFonce, pal.trait);

    // arms: one on the halberd, one at the hip
    remplir(p, trace({{53, 48}, {58, 60}, {62, 68}}, 5.2), pal.habit, pal.trait);
    peindreMain(p, pal, QPointF(63, 69));
    remplir(p, trace({{38, 48}, {35, 62}, {37, 74}}, 5.2), pal.habitClair, pal.trait);
    peindreMain(p, pal, QPointF(37.5, 76));

    // ruff, head, hair, cap and plume
    QPainterPath fraise;
    for (int i = 0; i < 7; ++i) fraise.addEllipse(QPointF(38.5 + i * 2.2, 43.2), 1.8, 1.8);
    fraise.setFillRule(Qt::WindingFill);
    remplir(p, fraise.simplified(), QColor(252, 250, 244), pal.trait, 0.5);
    QPainterPath cheveux;
    cheveux.moveTo(37.6, 36);
    cheveux.cubicTo(36.5, 26, 53.5, 26, 52.4, 36);
    cheveux.lineTo(51.2, 31);
    cheveux.lineTo(38.8, 31);
    cheveux.closeSubpath();
    cheveux.addEllipse(QPointF(45, 29.5), 7.6, 5);
    cheveux.setFillRule(Qt::WindingFill);
    remplir(p, cheveux.simplified(), pal.cheveux, pal.trait, 0.5);
    peindreVisage(p, QPointF(45, 33), 6, 7.2, pal, false);
    QPainterPath frange;
    frange.moveTo(39, 31);
    frange.quadTo(45, 26, 51, 31);
    frange.quadTo(45, 28.5, 39, 31);
    remplir(p, frange, pal.cheveux, pal.cheveux, 0.4);

    QPainterPath plume;
    plume.moveTo(49, 24);
    plume.cubicTo(54, 12, 62, 9, 66, 10);
    plume.cubicTo(62, 13, 57, 19, 52, 25);
    plume.closeSubpath();
    remplir(p, plume, QColor(250, 250, 246), pal.trait, 0.5);
    p.setPen(QPen(QColor(170, 170, 170), 0.4));
    p.drawLine(QPointF(50.5, 24.5), QPointF(64, 10.5));
    QPainterPath toque;
    toque.addEllipse(QPointF(44, 25), 10.5, 3.4);
    toque.addEllipse(QPointF(44.5, 22.5), 7, 4);
    toque.setFillRule(Qt::WindingFill);
    remplir(p, toque.simplified(), pal.habitFonce, pal.trait, 0.6);
    p.setPen(QPen(pal.or_, 0.8));
    p.drawLine(QPointF(38, 25.6), QPointF(51, 25.6));
}

void peindreCavalier(QPainter& p, int couleur, const Palette& pal, Encres encres) {
    const QColor crin = pal.cheval.lightness() > 180 ? QColor(200, 196, 186) : pal.cheval.darker(220);

    // far legs, behind the body
    remplir(p, trace({{43, 108}, {45.5, 122}, {44.5, 134}}, 4.4), pal.chevalFonce, pal.trait);
    remplir(p, trace({{59, 108}, {58.5, 122}, {57.5, 134}}, 4.4), pal.chevalFonce, pal.trait);
    remplir(p, trace({{68.5, 94}, {73, 102}, {72.5, 114}, {70, 124}}, 3.6), crin, pal.trait);

    // body, neck, head and near legs as one outline
    QPainterPath cheval;
    cheval.addEllipse(QPointF(50, 100), 19, 12);
    QPainterPath encolure;
    encolure.moveTo(33, 103);
    encolure.cubicTo(30, 90, 27, 80, 26, 72);
    encolure.lineTo(35, 67);
    encolure.cubicTo(38, 77, 43, 86, 49, 92);
    encolure.closeSubpath();
    cheval.addPath(encolure);
    QPainterPath tete;
    tete.moveTo(34.5, 67);
    tete.cubicTo(29, 66.5, 24, 69, 20.5, 77);
    tete.cubicTo(18.5, 81.5, 19, 85.5, 22.5, 85.8);
    tete.cubicTo(26, 86, 29.5, 82, 35.5, 76);
    tete.closeSubpath();
    cheval.addPath(tete);
    cheval.addPath(polygone({{29.5, 68.5}, {30.5, 61.5}, {33.5, 67.5}}));
    cheval.addPath(trace({{36, 106}, {30, 115}, {33, 124}}, 5));
    cheval.addPath(trace({{64, 104}, {67.5, 119}, {63.5, 134}}, 5));
    cheval.setFillRule(Qt::WindingFill);
    QLinearGradient robe(0, 62, 0, 136);
    robe.setColorAt(0, pal.cheval.lighter(112));
    robe.setColorAt(1, pal.cheval.darker(115));
    p.setBrush(robe);
    p.setPen(QPen(pal.trait, 0.6));
    p.drawPath(cheval.simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 40, 34));
    for (QPointF sabot : {QPointF(44.5, 135), QPointF(57.5, 135), QPointF(63.5, 135)})
        p.drawRoundedRect(QRectF(sabot.x() - 2.8, sabot.y() - 1.2, 5.6, 3), 1, 1);
    // the raised fore hoof
    p.save();
    p.translate(33.4, 125);
    p.rotate(-25);
    p.drawRoundedRect(QRectF(-2.8, -1.2, 5.6, 3), 1, 1);
    p.restore();
    remplir(p, trace({{31.5, 67}, {34.5, 75}, {39.5, 84}, {45, 91}}, 2.8), crin, crin.darker(130), 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 24, 20));
    p.drawEllipse(QPointF(26.8, 72.5), 1.0, 1.0);
    p.drawEllipse(QPointF(21, 82.5), 0.6, 0.6);
    p.setPen(QPen(QColor(90, 50, 30), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(23.5, 83), QPointF(30.5, 71));
    p.drawLine(QPointF(23.5, 83), QPointF(46, 86));

    // caparison with a gold fringe and the suit's emblem
    QPainterPath housse;
    housse.moveTo(40, 91);
    housse.lineTo(62, 91);
    housse.quadTo(65, 103, 62, 114);
    housse.lineTo(40, 114);
    housse.quadTo(37, 103, 40, 91);
    housse.closeSubpath();
    p.setBrush(drapeVertical(pal.habitClair, pal.habitFonce, 91, 114));
    p.setPen(QPen(pal.trait, 0.6));
    p.drawPath(housse);
    p.setPen(QPen(pal.or_, 1.4));
    p.drawLine(QPointF(40, 113.3), QPointF(62, 113.3));
    peindreSymbole(p, couleur, QPointF(56.5, 104), 7.5, false, encres);

    // the rider: body, leg in the stirrup
    QPainterPath buste;
    buste.moveTo(44, 68);
    buste.lineTo(53, 68);
    buste.cubicTo(54.5, 78, 55, 86, 54, 94);
    buste.lineTo(44, 94);
    buste.cubicTo(43, 86, 43, 78, 44, 68);
    buste.closeSubpath();
    p.setBrush(drapeVertical(pal.second.lighter(120), pal.second, 68, 94));
    p.setPen(QPen(pal.trait, 0.6));
    p.drawPath(buste);
    remplir(p, trace({{47, 94}, {42, 102}, {44, 113}}, 4.8), pal.second.darker(110), pal.trait);
    remplir(p, polygone({{40.5, 111}, {47.5, 111}, {48.5, 116}, {40, 116}}), QColor(60, 40, 30), pal.trait, 0.5);
    remplir(p, polygone({{43.5, 84}, {54.5, 84}, {54.5, 87}, {43.5, 87}}), pal.or_, pal.orFonce, 0.4);

    // lance with a pennant, held upright
    p.setPen(QPen(QColor(120, 80, 40), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(59, 14), QPointF(57, 108));
    remplir(p, polygone({{59.1, 8}, {60.4, 15}, {57.8, 15}}), QColor(214, 218, 226), QColor(96, 100, 112), 0.5);
    QPainterPath flamme;
    flamme.moveTo(59.2, 17);
    flamme.cubicTo(63, 16, 66, 20, 71, 19);
    flamme.cubicTo(67, 22, 64, 24, 59, 26);
    flamme.closeSubpath();
    remplir(p, flamme, pal.habit, pal.trait, 0.5);
    remplir(p, trace({{50, 71}, {55, 78}, {58, 76}}, 4.4), pal.second, pal.trait);
    peindreMain(p, pal, QPointF(58, 76));
    remplir(p, trace({{46, 72}, {42, 80}, {45, 85}}, 4.2), pal.second.lighter(110), pal.trait);
    peindreMain(p, pal, QPointF(45.5, 85));

    // head in a plumed helmet
    peindreVisage(p, QPointF(48.5, 60), 5.4, 6.4, pal, false);
    QPainterPath casque;
    casque.moveTo(42.6, 59);
    casque.cubicTo(42.5, 50, 54.5, 50, 54.4, 59);
    casque.lineTo(52, 56.5);
    casque.lineTo(45, 56.5);
    casque.closeSubpath();
    remplir(p, casque, QColor(200, 204, 214), QColor(80, 84, 96), 0.6);
    QPainterPath panache;
    panache.moveTo(48, 51.5);
    panache.cubicTo(50, 44, 58, 41, 64, 44);
    panache.cubicTo(58, 45, 54, 49, 51, 53);
    panache.closeSubpath();
    remplir(p, panache, pal.habit, pal.trait, 0.5);
}

}  // namespace cartes
