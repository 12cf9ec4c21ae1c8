// The figures: a framed picture with the letter index in two corners.
#include <QLinearGradient>
#include <QPainterPathStroker>

#include "figures.h"

namespace cartes {

Palette paletteFigure(int couleur) {
    Palette pal;
    switch (couleur) {
    case pique:
        pal.habit = QColor(44, 78, 150);
        pal.second = QColor(196, 58, 48);
        pal.cheveux = QColor(70, 48, 30);
        pal.cheval = QColor(232, 230, 224);
        break;
    case coeur:
        pal.habit = QColor(184, 34, 46);
        pal.second = QColor(44, 96, 160);
        pal.cheveux = QColor(150, 84, 36);
        pal.cheval = QColor(140, 86, 48);
        break;
    case trefle:
        pal.habit = QColor(40, 116, 66);
        pal.second = QColor(200, 120, 40);
        pal.cheveux = QColor(40, 32, 26);
        pal.cheval = QColor(70, 60, 56);
        break;
    default:
        pal.habit = QColor(112, 56, 142);
        pal.second = QColor(38, 128, 120);
        pal.cheveux = QColor(196, 150, 70);
        pal.cheval = QColor(216, 176, 108);
        break;
    }
    pal.habitClair = pal.habit.lighter(135);
    pal.habitFonce = pal.habit.darker(150);
    pal.chevalFonce = pal.cheval.darker(135);
    return pal;
}

QRectF cadreFigure() { return QRectF(17.5, 4.5, 55, 141); }

void peindreCadreFigure(QPainter& p, const Palette& pal) {
    const QRectF cadre = cadreFigure();
    QLinearGradient ciel(0, cadre.top(), 0, cadre.bottom());
    ciel.setColorAt(0, melange(pal.habit, QColor(250, 246, 234), 0.86));
    ciel.setColorAt(0.85, QColor(250, 244, 228));
    ciel.setColorAt(1, melange(pal.or_, QColor(250, 244, 228), 0.5));
    p.setBrush(ciel);
    p.setPen(QPen(pal.orFonce, 1.0));
    p.drawRect(cadre);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(melange(pal.or_, Qt::white, 0.2), 0.6));
    p.drawRect(cadre.adjusted(1.8, 1.8, -1.8, -1.8));
}

void peindreVisage(QPainter& p, QPointF centre, double rx, double ry, const Palette& pal, bool femme) {
    remplir(p, [&] {
        QPainterPath v;
        v.addEllipse(centre, rx, ry);
        return v;
    }(), pal.peau, pal.trait, 0.6);
    const double ex = rx * 0.4, ey = -ry * 0.12;
    p.setPen(Qt::NoPen);
    p.setBrush(pal.trait);
    p.drawEllipse(centre + QPointF(-ex, ey), 0.9, femme ? 0.75 : 0.9);
    p.drawEllipse(centre + QPointF(ex, ey), 0.9, femme ? 0.75 : 0.9);
    p.setPen(QPen(pal.trait, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawLine(centre + QPointF(-ex - 1.3, ey - 2.0), centre + QPointF(-ex + 1.1, ey - 2.3));
    p.drawLine(centre + QPointF(ex - 1.1, ey - 2.3), centre + QPointF(ex + 1.3, ey - 2.0));
    // nose and mouth
    p.drawLine(centre + QPointF(0, ey + 0.3), centre + QPointF(-0.6, ry * 0.3));
    p.setPen(QPen(femme ? QColor(196, 40, 60) : pal.trait.lighter(150), femme ? 1.0 : 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-1.2, ry * 0.52), centre + QPointF(1.2, ry * 0.52));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 120, 110, 70));
    p.drawEllipse(centre + QPointF(-rx * 0.55, ry * 0.3), 1.4, 1.0);
    p.drawEllipse(centre + QPointF(rx * 0.55, ry * 0.3), 1.4, 1.0);
}

QPainterPath trace(std::initializer_list<QPointF> points, double epaisseur) {
    QPainterPath ligne;
    bool premier = true;
    for (const QPointF& point : points) {
        if (premier)
            ligne.moveTo(point);
        else
            ligne.lineTo(point);
        premier = false;
    }
    QPainterPathStroker stroker;
    stroker.setWidth(epaisseur);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(ligne);
}

void peindreFigure(QPainter& p, int couleur, int valeur, Encres encres) {
    static const char* const lettres[] = {"V", "C", "D", "R"};
    const Palette pal = paletteFigure(couleur);
    peindreCadreFigure(p, pal);
    p.save();
    p.setClipRect(cadreFigure().adjusted(0.5, 0.5, -0.5, -0.5));
    switch (valeur) {
    case 11: peindreValet(p, couleur, pal, encres); break;
    case 12: peindreCavalier(p, couleur, pal, encres); break;
    case 13: peindreDame(p, couleur, pal, encres); break;
    default: peindreRoi(p, couleur, pal, encres); break;
    }
    p.restore();
    peindreIndex(p, lettres[valeur - 11], couleur, encres);
}

}  // namespace cartes
