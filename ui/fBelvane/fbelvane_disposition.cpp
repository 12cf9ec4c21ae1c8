// The main window's geometry: the table laid out at one scale for both axes,
// centred in the client area, and laid out again at every resize; the
// window's size, place and state, kept with the options.
#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "engine/arrondi.h"
#include "engine/jeu.h"
#include "settings/options.h"
#include "ui/cartes/cartes.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fBelvane/penseur_expert.h"

namespace {

// Design places of the four table cards: South, East, North, West.
constexpr int gaucheCarteTable[5] = {0, 347, 446, 347, 246};
constexpr int hautCarteTable[5] = {0, 175, 90, 16, 90};

// A suit symbol for the deductions panel, drawn on a transparent picture at
// the screen's own pixel density, in the cards' inks when they are four.
QPixmap symboleCouleur(int couleur, int cote, double densite, Encres encres) {
    static const char16_t symboles[5] = {0, u'\u2660', u'\u2665', u'\u2663', u'\u2666'};
    const int pixels = std::max(1, arrondi(cote * densite));
    QPixmap image(pixels, pixels);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f("DejaVu Sans");
    f.setPixelSize(pixels);
    p.setFont(f);
    const bool rouge = couleur == 2 || couleur == 4;
    const bool quatre = encres == Encres::quatreCouleurs && (couleur == 3 || couleur == 4);
    if (quatre) {
        // Green and blue on the panel's green: a pale outline keeps them apart from it.
        QPainterPath symbole;
        symbole.addText(0, 0, f, QString(QChar(symboles[couleur])));
        const QRectF boite = symbole.boundingRect();
        symbole.translate(QRectF(image.rect()).center() - boite.center());
        p.setPen(QPen(QColor(240, 240, 230), std::max(1.0, pixels / 16.0)));
        p.setBrush(cartes::couleurEncre(couleur, encres));
        p.drawPath(symbole);
    } else {
        p.setPen(rouge ? QColor(220, 0, 0) : Qt::black);
        p.drawText(image.rect(), Qt::AlignCenter, QString(QChar(symboles[couleur])));
    }
    p.end();
    image.setDevicePixelRatio(densite);
    return image;
}

// `r` moved, and shrunk if need be, to lie inside `zone`.
QRect dansZone(QRect r, const QRect& zone) {
    r.setWidth(std::min(r.width(), zone.width()));
    r.setHeight(std::min(r.height(), zone.height()));
    r.moveLeft(std::clamp(r.x(), zone.left(), zone.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.y(), zone.top(), zone.bottom() + 1 - r.height()));
    return r;
}

// Window states as stored: 0 normal, 1 maximised, 2 full screen.
constexpr int etatNormal = 0, etatMaximise = 1, etatPleinEcran = 2;

}  // namespace

QRect TfrmBelvane::rectDessin(int gauche, int haut, int largeur, int hauteur) const {
    return QRect(dessin(gauche), dessin(haut), dessin(largeur), dessin(hauteur));
}

QWidget* TfrmBelvane::tapis() const { return tapis_; }

void TfrmBelvane::placer(QWidget* w, const QRect& r) {
    if (!w) return;
    places_.insert(w, {w, r});
    QRect pixels = rectDessin(r.x(), r.y(), r.width(), r.height());
    if (w->parentWidget() == tapis_) pixels.translate(cadrage_.gauche, cadrage_.haut);
    w->setGeometry(pixels);
}

void TfrmBelvane::policeDessin(QWidget* w, double points, bool gras, const QString& famille) {
    if (!w) return;
    polices_.insert(w, {w, points, gras, famille});
    QFont f = police(points, gras);
    if (!famille.isEmpty()) {
        f.setFamily(famille);
        f.setStyleHint(QFont::Serif);
    }
    w->setFont(f);
}

void TfrmBelvane::centrerSurCarte(QWidget* w, int siege) {
    const QWidget* carte = CarteTable[siege];
    w->move(carte->x() - arrondi((w->width() - carte->width()) / 2.0),
            carte->y() - arrondi((w->height() - carte->height()) / 2.0));
}

void TfrmBelvane::redisposer() { disposer(centre_->size()); }

// Everything from the design: the scale and the table's corner from the client
// area, then every control, the cards the game has put down, the deductions
// panel, and the game's layout quantities.
void TfrmBelvane::disposer(const QSize& client) {
    const bool barreInfo = !panelBarreInfo->isHidden();
    const Cadrage ancien = cadrage_;
    // The tool bar may have been dragged since the last layout: keep its place.
    if (PanelBarreOutils && PanelBarreOutils->pos() != posBarreOutils_ && ancien.echelle > 0)
        dessinBarreOutils = QPointF(PanelBarreOutils->x() - ancien.gauche, PanelBarreOutils->y() - ancien.haut) /
                            ancien.echelle;
    cadrage_ = cadrerTable(client.width(), client.height(), barreInfo);

    const int barre = barreInfo ? dessin(hauteurBarreInfoDessin) : 0;
    tapis_->setGeometry(0, 0, client.width(), client.height() - barre);
    panelBarreInfo->setGeometry(0, client.height() - barre, client.width(), barre);
    if (QLayout* l = panelBarreInfo->layout()) l->setContentsMargins(dessin(8), 0, dessin(8), 0);

    for (const PoliceDessin& p : std::as_const(polices_))
        if (p.w) policeDessin(p.w, p.points, p.gras, p.famille);
    for (const PlaceDessin& p : std::as_const(places_))
        if (p.w) placer(p.w, p.rect);
    for (QToolButton* b : PanelBarreOutils->findChildren<QToolButton*>()) b->setIconSize(QSize(dessin(18), dessin(18)));
    PanelBarreOutils->move(cadrage_.gauche + arrondi(dessinBarreOutils.x() * cadrage_.echelle),
                           cadrage_.haut + arrondi(dessinBarreOutils.y() * cadrage_.echelle));
    posBarreOutils_ = PanelBarreOutils->pos();

    // The game's layout quantities, from the table as it now stands.
    GeometrieFenetre g;
    g.largeurClient = dessin(largeurTableDessin);
    g.basBarreEnchere = BarreEnchere->geometry().bottom() + 1 - cadrage_.haut;
    g.hautTableRonde = TableRonde->y() - cadrage_.haut;
    g.hauteurTableRonde = TableRonde->height();
    disposerTable(jeu_.disposition, cadrage_.echelle, cadrage_.echelle, g);

    disposerCartes();
    disposerDeductions();
    emit tableRedisposee();
}

void TfrmBelvane::disposerCartes() {
    const Disposition& d = jeu_.disposition;
    const QSize carte(d.largeurCarte, d.hauteurCarte);
    const QPoint coin(cadrage_.gauche, cadrage_.haut);
    auto surTable = [&](const QPointF& p) {
        return coin + QPoint(arrondi(p.x() * cadrage_.echelle), arrondi(p.y() * cadrage_.echelle));
    };
    for (int s = 1; s <= 4; ++s) {
        CarteTable[s]->setGeometry(QRect(coin + QPoint(dessin(gaucheCarteTable[s]), dessin(hautCarteTable[s])), carte));
        CadrePreneur[s]->resize(d.largeurCarte + arrondi(d.echelleX * 10), d.hauteurCarte + arrondi(d.echelleY * 10));
        CadrePreneur[s]->move(CarteTable[s]->x() - arrondi(d.echelleX * 5), CarteTable[s]->y() - arrondi(d.echelleY * 5));
        PanelDec[s]->resize(dessin(180), dessin(50));
        centrerSurCarte(PanelDec[s], s);
        panelScoreTotal[s]->resize(dessin(173), dessin(43));
        centrerSurCarte(panelScoreTotal[s], s);
    }
    for (int i = 1; i <= 6; ++i) CarteChien[i]->setGeometry(QRect(surTable(dessinCarteChien[i]), carte));
    for (int k = 1; k <= 24; ++k) Carte3D[k]->setGeometry(QRect(surTable(dessinCarte3D[k]), carte));
}

// The deductions panel: a suit picture, its four honour marks, its counter.
void TfrmBelvane::disposerDeductions() {
    const Disposition& d = jeu_.disposition;
    const int ecart = arrondi(d.echelleX * 3);
    static constexpr int gauches[5] = {0, 7, 39, 71, 103};
    for (int c = 1; c <= 4; ++c) {
        const QRect image = rectDessin(gauches[c], 54, 30, 30);
        imageCouleur[c]->setGeometry(image);
        imageCouleur[c]->setPixmap(symboleCouleur(c, image.height(), devicePixelRatioF(), encresDe(this)));
        for (int k = 1; k <= 4; ++k)
            marqueHonneur[c][k]->setGeometry(image.x(), image.y() + k * (ecart + image.height()), image.width(),
                                             image.height());
        const QRect quatrieme = marqueHonneur[c][4]->geometry();
        panelDehors[c]->setGeometry(image.x(), ecart + quatrieme.y() + quatrieme.height(), image.width(),
                                    image.height());
        panelDehors[c]->show();
    }
}

bool TfrmBelvane::eventFilter(QObject* objet, QEvent* e) {
    if (construite_ && objet == centre_ && e->type() == QEvent::Resize) disposer(centre_->size());
    return QMainWindow::eventFilter(objet, e);
}

void TfrmBelvane::basculerPleinEcran() {
    if (isFullScreen()) {
        // Back to what the window was before: maximised or at its size.
        if (maximiseAvantPleinEcran_)
            showMaximized();
        else
            showNormal();
    } else {
        maximiseAvantPleinEcran_ = isMaximized();
        showFullScreen();
    }
    menuPleinEcran->setChecked(isFullScreen());
}

void TfrmBelvane::noterFenetre() {
    if (!fenetreMontree_) return;
    Options& o = jeu_.options;
    if (isFullScreen()) {
        o.fenetreEtat = etatPleinEcran;
    } else if (isMaximized()) {
        o.fenetreEtat = etatMaximise;
    } else {
        o.fenetreEtat = etatNormal;
    }
    // The place and size of the window when it is neither maximised nor full screen.
    const QRect normale = o.fenetreEtat == etatNormal ? geometry() : normalGeometry();
    if (!normale.isValid()) return;
    o.fenetreGauche = normale.x();
    o.fenetreHaut = normale.y();
    o.fenetreLargeur = normale.width();
    o.fenetreHauteur = normale.height();
}

void TfrmBelvane::montrerFenetre() {
    const Options& o = jeu_.options;
    const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect zone = ecran ? ecran->availableGeometry() : QRect(0, 0, 800, 600);
    QRect normale(o.fenetreGauche, o.fenetreHaut, o.fenetreLargeur, o.fenetreHauteur);
    if (o.fenetreLargeur <= 0 || o.fenetreHauteur <= 0) {
        // A first run: the table at the screen's scale, centred.
        normale = QRect(QPoint(), size());
        normale.moveCenter(zone.center());
    }
    // A store written on a larger screen, or a screen since moved: back
    // inside, with room for the title bar and borders of the desktop.
    setGeometry(dansZone(normale, zone.marginsRemoved(QMargins(8, 36, 8, 8))));

    const int etat = o.fenetreLargeur > 0 ? o.fenetreEtat : etatMaximise;
    maximiseAvantPleinEcran_ = etat != etatNormal;
    fenetreMontree_ = true;
    switch (etat) {
        case etatNormal: show(); break;
        case etatPleinEcran: showFullScreen(); break;
        default: showMaximized(); break;
    }
    // The desktop's frame, now known, may still reach beyond the area.
    if (etat == etatNormal && !zone.contains(frameGeometry())) {
        const QMargins cadre(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                             frameGeometry().right() - geometry().right(),
                             frameGeometry().bottom() - geometry().bottom());
        setGeometry(dansZone(geometry(), zone.marginsRemoved(cadre)));
    }
    menuPleinEcran->setChecked(isFullScreen());
}

void TfrmBelvane::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange) return;
    noterFenetre();
    if (menuPleinEcran) menuPleinEcran->setChecked(isFullScreen());
}

void TfrmBelvane::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    noterFenetre();
}

void TfrmBelvane::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    noterFenetre();
}

void TfrmBelvane::closeEvent(QCloseEvent* e) {
    // The Expert's thinking in progress stops with the window.
    if (penseur_) penseur_->annuler();
    noterFenetre();
    sauverOptions(jeu_);
    QMainWindow::closeEvent(e);
}
