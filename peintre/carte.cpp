#include <QFile>
#include <QFontDatabase>

#include "dessin.h"

namespace cartes {

namespace {
QString famillePolice = "serif";
}

QString nomCarte(int couleur, int valeur) {
    static const char* const prefixes[] = {"ATOUT", "PIQUE", "COEUR", "TREFLE", "CARREAU"};
    if (couleur == atout && valeur == 0) return "ATOUT22";
    return QString(prefixes[couleur]) + QString::number(valeur);
}

QImage peindreCarte(int couleur, int valeur, Encres encres) {
    return peindreCarte(couleur, valeur, QSize(largeurCarte, hauteurCarte), encres);
}

QImage peindreCarte(int couleur, int valeur, QSize taille, Encres encres) {
    QImage image(taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(taille.width() / double(largeurCarte), taille.height() / double(hauteurCarte));
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    dessinerCarte(p, couleur, valeur, encres);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void dessinerCarte(QPainter& p, int couleur, int valeur, Encres encres) {
    peindreFond(p);
    if (couleur == atout && valeur == 0)
        peindreExcuse(p);
    else if (couleur == atout)
        peindreAtout(p, valeur);
    else if (valeur <= 10)
        peindrePoints(p, couleur, valeur, encres);
    else
        peindreFigure(p, couleur, valeur, encres);
}

void chargerPolice() {
    // Shipped by fonts-dejavu-core, which fontconfig itself pulls in on Debian.
    const QString fichier = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
    if (!QFile::exists(fichier)) return;
    const int id = QFontDatabase::addApplicationFont(fichier);
    const QStringList familles = QFontDatabase::applicationFontFamilies(id);
    if (!familles.isEmpty()) famillePolice = familles.first();
}

QPainterPath cheminTexte(const QString& texte, double hauteur, double etroitesse) {
    QFont police(famillePolice);
    police.setBold(true);
    police.setPixelSize(100);
    QPainterPath brut;
    brut.addText(0, 0, police, texte);
    if (brut.isEmpty()) return brut;
    const QRectF boite = brut.boundingRect();
    // Scaled so that the ink, not the em box, is `hauteur` tall, centred on 0,0.
    const double echelle = hauteur / boite.height();
    QTransform t;
    t.scale(echelle * etroitesse, echelle);
    t.translate(-boite.center().x(), -boite.center().y());
    return t.map(brut);
}

QPainterPath polygone(std::initializer_list<QPointF> points) {
    QPainterPath chemin;
    bool premier = true;
    for (const QPointF& point : points) {
        if (premier)
            chemin.moveTo(point);
        else
            chemin.lineTo(point);
        premier = false;
    }
    chemin.closeSubpath();
    return chemin;
}

void remplir(QPainter& p, const QPainterPath& chemin, const QColor& fond, const QColor& trait, double epaisseur) {
    p.setBrush(fond);
    if (epaisseur > 0)
        p.setPen(QPen(trait, epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(chemin);
}

QColor melange(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

}  // namespace cartes
