// The card face: cream paper, a thin border, rounded corners, corner indices.
#include <QLinearGradient>

#include "dessin.h"

namespace cartes {

void peindreFond(QPainter& p) {
    const QRectF bord(0.5, 0.5, largeurCarte - 1.0, hauteurCarte - 1.0);
    QLinearGradient papier(0, 0, largeurCarte, hauteurCarte);
    papier.setColorAt(0, QColor(255, 252, 240));
    papier.setColorAt(1, QColor(246, 238, 218));
    p.setBrush(papier);
    p.setPen(QPen(QColor(120, 110, 92), 1.0));
    p.drawRoundedRect(bord, 6, 6);
}

void peindreIndex(QPainter& p, const QString& texte, int couleur, Encres encres) {
    const QColor encre = couleurEncre(couleur, encres);
    const double etroitesse = texte.size() > 1 ? 0.66 : 1.0;
    deuxCoins(p, [&](QPainter& q) {
        q.save();
        q.translate(9.5, 10.5);
        q.setPen(Qt::NoPen);
        q.setBrush(encre);
        q.drawPath(cheminTexte(texte, 12, etroitesse));
        q.restore();
        peindreSymbole(q, couleur, QPointF(9.5, 26), 10.5, false, encres);
    });
}

}  // namespace cartes
