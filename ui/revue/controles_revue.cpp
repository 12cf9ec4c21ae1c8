#include "ui/revue/controles_revue.h"

#include <QDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "engine/disposition.h"
#include "flow/revue.h"
#include "ui/cartes/cartes.h"
#include "ui/fBelvane/controles.h"

PetiteCarte::PetiteCarte(QWidget* parent) : QWidget(parent) {}

void PetiteCarte::dessiner(const Carte& c) {
    couleur_ = c.couleur;
    valeur_ = c.valeur;
    image_ = imageCarte(c.couleur, c.valeur);
    update();
}

void PetiteCarte::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter p(this);
    // The whole card at its natural size for this window's scale (three times
    // the small image, as 90 x 150 is to 30 x 50), from the top-left corner:
    // the small image shows the corner and not a shrunk card.
    const double densite = devicePixelRatioF();
    const QSize carte(3 * width(), 3 * height());
    QPixmap nette = imageCarte(couleur_, valeur_, QSize(qRound(carte.width() * densite), qRound(carte.height() * densite)),
                               encresDe(this));
    if (nette.isNull()) {
        p.drawPixmap(0, 0, image_);
        return;
    }
    nette.setDevicePixelRatio(densite);
    p.drawPixmap(QRect(QPoint(0, 0), carte), nette);
}

CadreCarte::CadreCarte(QWidget* parent, const QColor& couleur) : QWidget(parent), couleur_(couleur) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CadreCarte::changerCouleur(const QColor& c) {
    couleur_ = c;
    update();
}

void CadreCarte::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(QRect(r.left(), r.top(), r.width(), 2), couleur_);
    p.fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 2), couleur_);
    p.fillRect(QRect(r.left(), r.top(), 2, r.height()), couleur_);
    p.fillRect(QRect(r.right() - 1, r.top(), 2, r.height()), couleur_);
}

BoutonCouleur::BoutonCouleur(QWidget* parent) : QToolButton(parent) {
    setObjectName("SBColor");
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(false);
}

void BoutonCouleur::montrerCouleur(const QColor& c) {
    const int cote = std::max(8, std::min(width(), height()) - 10);
    QPixmap face(cote, cote);
    face.fill(Qt::transparent);
    QPainter p(&face);
    // A palette: four dabs of paint on the colour in force.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(c);
    p.drawRoundedRect(QRectF(0.5, 0.5, cote - 1, cote - 1), cote / 5.0, cote / 5.0);
    const QColor taches[4] = {QColor(220, 30, 30), QColor(30, 160, 40), QColor(40, 70, 220), QColor(250, 210, 0)};
    const double d = cote / 4.0;
    for (int i = 0; i < 4; ++i) {
        p.setBrush(taches[i]);
        p.drawEllipse(QRectF(cote / 8.0 + (i % 2) * cote / 2.0, cote / 8.0 + (i / 2) * cote / 2.0, d, d));
    }
    p.end();
    setIcon(QIcon(face));
    setIconSize(face.size());
}

double echelleFenetre(double facteur, QSize dessin, const QScreen* ecran, bool cadre) {
    if (!ecran) ecran = QGuiApplication::primaryScreen();
    if (!ecran || dessin.isEmpty()) return facteur;
    // The title bar and borders that the desktop adds round a framed window,
    // and a few pixels for the rounding of the scaled controls.
    const int bordLargeur = cadre ? 16 : 0;
    const int bordHauteur = cadre ? 44 : 0;
    const QRect zone = ecran->availableGeometry();
    const double place = echelleUniforme(zone.width() - bordLargeur - 4, zone.height() - bordHauteur - 4,
                                         dessin.width(), dessin.height());
    return place > 0 ? std::min(facteur, place) : facteur;
}

void placer(QWidget* w, const Zone& z) { w->setGeometry(z.gauche, z.haut, z.largeur, z.hauteur); }

void colorerFond(QWidget* fenetre, Couleur c) {
    QPalette pal = fenetre->palette();
    pal.setColor(QPalette::Window, couleurQt(c));
    fenetre->setPalette(pal);
    fenetre->setAutoFillBackground(true);
}

void centrerSurEcran(QWidget* fenetre) {
    const QScreen* ecran = fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    if (!ecran) return;
    const QRect zone = ecran->availableGeometry();
    QPoint coin = zone.center() - QPoint(fenetre->width() / 2, fenetre->height() / 2);
    // A window larger than the area keeps its title bar and top-left corner on it.
    coin.setX(std::max(coin.x(), zone.left()));
    coin.setY(std::max(coin.y(), zone.top()));
    fenetre->move(coin);
}

void preparerDialogue(QDialog* fenetre, const char* nom) {
    fenetre->setObjectName(nom);
    fenetre->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    fenetre->setModal(false);
    fenetre->hide();
}

QFont policeTimes(int pixels, bool gras) {
    QFont f("Times New Roman");
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(std::max(1, pixels));
    f.setBold(gras);
    return f;
}

QFont policeBoutons(int pixels) {
    QFont f;
    f.setPixelSize(std::max(1, pixels));
    f.setBold(true);
    return f;
}
