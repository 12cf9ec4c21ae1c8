#include "ui/fBelvane/controles.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/cartes/cartes.h"

QColor couleurQt(Couleur c) { return QColor(int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff)); }

Couleur couleurOption(const QColor& c) {
    return Couleur(c.red()) | Couleur(c.green()) << 8 | Couleur(c.blue()) << 16;
}

Qt::CursorShape formeCurseur(Curseur c) {
    switch (c) {
        case Curseur::Main: return Qt::PointingHandCursor;
        case Curseur::Interdit: return Qt::ForbiddenCursor;
        case Curseur::Sablier: return Qt::WaitCursor;
        case Curseur::Defaut: break;
    }
    return Qt::ArrowCursor;
}

QColor couleurSiege(int siege) {
    switch (siege) {
        case 1: return {156, 215, 243};
        case 2: return {253, 210, 239};
        case 3: return {240, 253, 147};
        default: return {174, 251, 168};
    }
}

namespace {

bool clicGauche(const QMouseEvent* e) { return e->button() == Qt::LeftButton; }

}  // namespace

ImageCarte::ImageCarte(QWidget* parent) : QWidget(parent) {
    peinture_.setSingleShot(true);
    peinture_.setInterval(attentePeinture);
    connect(&peinture_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void ImageCarte::resizeEvent(QResizeEvent*) { depuisRedimension_.start(); }

void ImageCarte::dessiner(const Carte& c) {
    couleur_ = c.couleur;
    valeur_ = c.valeur;
    image_ = imageCarte(c.couleur, c.valeur);
    update();
}

void ImageCarte::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Painted at the size shown in device pixels: sharp at any scale and pixel
    // ratio. Right after a resize, a quick copy until the size settles.
    const double densite = devicePixelRatioF();
    const QSize pixels(qRound(width() * densite), qRound(height() * densite));
    // The inks of the four-colour option, if the window holding the card has it on.
    const Encres encres = encresDe(this);
    const QPixmap rapide = encres == Encres::deuxCouleurs
                               ? image_
                               : imageCarte(couleur_, valeur_, QSize(cartes::largeurCarte, cartes::hauteurCarte), encres);
    QPixmap nette = imageCarteGardee(couleur_, valeur_, pixels, encres);
    const bool recente = depuisRedimension_.isValid() && depuisRedimension_.elapsed() < attentePeinture;
    if (nette.isNull() && recente) {
        peinture_.start();
        p.drawPixmap(rect(), rapide.isNull() ? image_ : rapide);
        return;
    }
    if (nette.isNull()) nette = imageCarte(couleur_, valeur_, pixels, encres);
    if (nette.isNull()) {
        p.drawPixmap(rect(), rapide.isNull() ? image_ : rapide);
        return;
    }
    nette.setDevicePixelRatio(densite);
    p.drawPixmap(rect(), nette);
}

void ImageCarte::mousePressEvent(QMouseEvent* e) { e->accept(); }

void ImageCarte::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (clicGauche(e) && rect().contains(e->position().toPoint())) emit clic();
}

Forme::Forme(Genre genre, QWidget* parent) : QWidget(parent), genre_(genre) {}

void Forme::changerCouleur(const QColor& c) {
    couleur_ = c;
    update();
}

void Forme::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(couleur_);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (genre_ == Ellipse) {
        p.drawEllipse(r);
        return;
    }
    p.drawRect(r);
}

void Forme::mousePressEvent(QMouseEvent* e) {
    e->accept();
    if (clicGauche(e)) emit presse();
}

Panneau::Panneau(QWidget* parent, const QColor& fond) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    changerFond(fond);
}

void Panneau::changerFond(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
}

QColor Panneau::fond() const { return palette().color(QPalette::Window); }

void Panneau::mousePressEvent(QMouseEvent* e) { e->accept(); }

void Panneau::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (clicGauche(e) && rect().contains(e->position().toPoint())) emit clic();
}

Tapis::Tapis(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void Tapis::changerFond(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    setPalette(pal);
}

void Tapis::mousePressEvent(QMouseEvent* e) { e->accept(); }

void Tapis::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (clicGauche(e)) emit clic();
}

BarreOutils::BarreOutils(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    setCursor(Qt::SizeAllCursor);
}

void BarreOutils::mousePressEvent(QMouseEvent* e) {
    e->accept();
    if (!clicGauche(e)) return;
    glisse_ = true;
    prise_ = e->position().toPoint();
}

void BarreOutils::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
    if (!glisse_ || !parentWidget()) return;
    QPoint coin = mapToParent(e->position().toPoint()) - prise_;
    const QRect zone = parentWidget()->rect();
    coin.setX(std::clamp(coin.x(), 0, std::max(0, zone.width() - width())));
    coin.setY(std::clamp(coin.y(), 0, std::max(0, zone.height() - height())));
    move(coin);
}

void BarreOutils::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    glisse_ = false;
}
