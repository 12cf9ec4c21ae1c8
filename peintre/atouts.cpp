// Trumps: the number in two corners and a framed picture, different for each.
#include <QLinearGradient>
#include <cmath>

#include "atouts.h"

namespace cartes {

namespace {

const QRectF cadreScene(5, 21, largeurScene, hauteurScene);

void peindreNumero(QPainter& p, int valeur, bool bout) {
    const QString texte = QString::number(valeur);
    deuxCoins(p, [&](QPainter& q) {
        q.save();
        q.translate(texte.size() > 1 ? 13 : 11, 11.5);
        q.setPen(Qt::NoPen);
        q.setBrush(bout ? QColor(150, 30, 30) : QColor(28, 28, 36));
        q.drawPath(cheminTexte(texte, 12.5, texte.size() > 1 ? 0.72 : 1.0));
        q.restore();
        // a small ornament beside the number
        q.setPen(QPen(QColor(170, 130, 50), 0.8));
        const double debut = texte.size() > 1 ? 24 : 19;
        q.drawLine(QPointF(debut, 11.5), QPointF(82, 11.5));
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(170, 130, 50));
        q.drawPath(etoile(QPointF(83.5, 11.5), 2.6, 1.1, 4));
    });
}

}  // namespace

void peindreAtout(QPainter& p, int valeur) {
    using Scene = void (*)(QPainter&);
    static const Scene scenes[] = {sceneToupie,  sceneTulipes, sceneArbre,         sceneChaumiere, sceneVoilier,
                                   sceneMoulin,  scenePoisson, sceneOiseau,        sceneMontagnes, scenePhare,
                                   sceneCloche,  sceneAncre,   sceneMontgolfiere,  sceneChateau,   sceneLune,
                                   sceneLyre,    sceneSablier, sceneCle,           sceneSoleil,    sceneCouronne,
                                   sceneMonde};
    const bool bout = valeur == 1 || valeur == 21;
    p.save();
    p.translate(cadreScene.topLeft());
    p.setClipRect(QRectF(0, 0, largeurScene, hauteurScene));
    scenes[valeur - 1](p);
    p.restore();
    // the frame: gold for the two oudlers, dark otherwise
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(bout ? QColor(190, 150, 50) : QColor(70, 60, 50), bout ? 1.6 : 1.0));
    p.drawRect(cadreScene);
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.6));
    p.drawRect(cadreScene.adjusted(1.5, 1.5, -1.5, -1.5));
    peindreNumero(p, valeur, bout);
}

void peindreCiel(QPainter& p, const QColor& haut, const QColor& bas, double jusqua) {
    QLinearGradient ciel(0, 0, 0, jusqua);
    ciel.setColorAt(0, haut);
    ciel.setColorAt(1, bas);
    p.setPen(Qt::NoPen);
    p.setBrush(ciel);
    p.drawRect(QRectF(0, 0, largeurScene, jusqua));
}

void peindreSol(QPainter& p, double y, const QColor& couleur, double houle) {
    QPainterPath sol;
    sol.moveTo(0, y);
    sol.cubicTo(largeurScene * 0.3, y - houle, largeurScene * 0.6, y + houle, largeurScene, y - houle * 0.5);
    sol.lineTo(largeurScene, hauteurScene);
    sol.lineTo(0, hauteurScene);
    sol.closeSubpath();
    QLinearGradient degrade(0, y - houle, 0, hauteurScene);
    degrade.setColorAt(0, couleur.lighter(112));
    degrade.setColorAt(1, couleur.darker(125));
    p.setPen(Qt::NoPen);
    p.setBrush(degrade);
    p.drawPath(sol);
}

QLinearGradient degradeOr(double gauche, double droite) {
    QLinearGradient d(gauche, 0, droite, 0);
    d.setColorAt(0, orSombre);
    d.setColorAt(0.4, orClair);
    d.setColorAt(1, orMoyen);
    return d;
}

QPainterPath disque(QPointF centre, double rx, double ry) {
    QPainterPath d;
    d.addEllipse(centre, rx, ry < 0 ? rx : ry);
    return d;
}

QPainterPath etoile(QPointF centre, double rayon, double creux, int branches) {
    QPainterPath e;
    for (int i = 0; i < branches * 2; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / branches;
        const double r = i % 2 == 0 ? rayon : creux;
        const QPointF point = centre + QPointF(r * std::cos(angle), r * std::sin(angle));
        if (i == 0)
            e.moveTo(point);
        else
            e.lineTo(point);
    }
    e.closeSubpath();
    return e;
}

void peindreEtoiles(QPainter& p, std::initializer_list<QPointF> places, double rayon) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 244, 190));
    for (const QPointF& place : places) p.drawPath(etoile(place, rayon, rayon * 0.42));
}

void peindreNuage(QPainter& p, QPointF centre, double taille) {
    QPainterPath nuage;
    nuage.addEllipse(centre + QPointF(-taille * 0.5, 0), taille * 0.45, taille * 0.32);
    nuage.addEllipse(centre + QPointF(0, -taille * 0.15), taille * 0.5, taille * 0.42);
    nuage.addEllipse(centre + QPointF(taille * 0.5, 0.05 * taille), taille * 0.42, taille * 0.3);
    nuage.setFillRule(Qt::WindingFill);
    p.setPen(QPen(QColor(200, 210, 225), 0.5));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawPath(nuage.simplified());
}

}  // namespace cartes
