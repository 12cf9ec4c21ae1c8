#include "ui/fTousPlis/ftousplis.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "engine/arrondi.h"
#include "engine/jeu.h"
#include "engine/textes.h"
#include "settings/options.h"
#include "ui/fBelvane/controles.h"
#include "ui/impression.h"
#include "ui/revue/controles_revue.h"

namespace {

const QColor vert(0x00, 0xFF, 0x00);
const QColor bleu(0x00, 0x00, 0xFF);

QString qs(Texte t, int langue) { return QString::fromStdString(texte(t, langue)); }

}  // namespace

TfrmTousPlis::TfrmTousPlis(Jeu& jeu, double facteur, QWidget* parent)
    : QDialog(parent), jeu_(jeu), facteur_(echelleFenetre(facteur, tailleDessin(), nullptr)), timerTousPlis(this) {
    preparerDialogue(this, "frmTousPlis");
    const double e = facteur_;
    const TaillePetiteCarte carte = taillePetiteCarte(e, e);

    for (int t = 1; t <= 18; ++t)
        for (int s = 1; s <= 4; ++s) {
            const int i = imagePli(t, s);
            CartePli[i] = new PetiteCarte(this);
            CartePli[i]->setObjectName(QString("CartePli%1").arg(i));
            const Point p = positionCartePli(e, e, t, s);
            CartePli[i]->setGeometry(p.x, p.y, carte.largeur, carte.hauteur);
        }
    // The frames come after the cards so that they are drawn over them.
    for (int t = 1; t <= 18; ++t) {
        CadrePli[t] = new CadreCarte(this, bleu);
        CadrePli[t]->setObjectName(QString("CadrePli%1").arg(t));
        CadrePli[t]->hide();
    }

    const Zone grille = grilleTousPlis(e, e);
    const int marge = arrondi(6 * e);
    const int haut = grille.bas() + dessin(2);
    const int h = dessin(30);
    const QSize carre(dessin(38), h);

    panelLecture = new Panneau(this, QColor(192, 192, 192));
    panelLecture->setObjectName("panelLecture");
    panelLecture->setGeometry(marge, haut, carre.width() + dessin(6), h + dessin(6));
    PanelPasApas = new QPushButton(panelLecture);
    PanelPasApas->setObjectName("PanelPasApas");
    PanelPasApas->setGeometry(dessin(3), dessin(3), carre.width(), h);
    auto boutonReplay = [&](const char* nom, int i, QStyle::StandardPixmap icone) {
        auto* b = new QPushButton(this);
        b->setObjectName(nom);
        b->setGeometry(panelLecture->geometry().right() + 1 + dessin(6) + i * (carre.width() + dessin(6)),
                       haut + dessin(3), carre.width(), h);
        b->setIcon(style()->standardIcon(icone));
        return b;
    };
    panelEnArriere = boutonReplay("panelEnArriere", 0, QStyle::SP_MediaSeekBackward);
    PanelEffacer = boutonReplay("PanelEffacer", 1, QStyle::SP_MediaStop);
    PanelVoirTout = boutonReplay("PanelVoirTout", 2, QStyle::SP_MediaSkipForward);

    const int largeur = std::max(grille.largeur, PanelVoirTout->geometry().right() + dessin(300));
    PanelPlisOk = new QPushButton(this);
    PanelPlisOk->setObjectName("PanelPlisOk");
    PanelPlisOk->setGeometry(largeur - marge - dessin(80), haut + dessin(3), dessin(80), h);
    buttonImprimerPlis = new QPushButton(this);
    buttonImprimerPlis->setObjectName("buttonImprimerPlis");
    buttonImprimerPlis->setGeometry(PanelPlisOk->x() - dessin(8) - dessin(110), haut + dessin(3), dessin(110), h);
    SBColor = new BoutonCouleur(this);
    SBColor->setGeometry(buttonImprimerPlis->x() - dessin(8) - h, haut + dessin(3), h, h);
    for (QPushButton* b : {PanelPasApas, panelEnArriere, PanelEffacer, PanelVoirTout, PanelPlisOk, buttonImprimerPlis}) {
        b->setFont(policeBoutons(dessin(12)));
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(dessin(18), dessin(18)));
    }
    PanelPlisOk->setFocusPolicy(Qt::StrongFocus);
    setFixedSize(largeur, panelLecture->geometry().bottom() + 1 + dessin(6));

    connect(PanelPasApas, &QPushButton::clicked, this, &TfrmTousPlis::PanelPasApasClick);
    connect(panelLecture, &Panneau::clic, this, &TfrmTousPlis::PanelPasApasClick);
    connect(panelEnArriere, &QPushButton::clicked, this, &TfrmTousPlis::panelEnArriereClick);
    connect(PanelEffacer, &QPushButton::clicked, this, &TfrmTousPlis::PanelEffacerClick);
    connect(PanelVoirTout, &QPushButton::clicked, this, &TfrmTousPlis::PanelVoirToutClick);
    connect(PanelPlisOk, &QPushButton::clicked, this, &TfrmTousPlis::PanelPlisOkClick);
    connect(buttonImprimerPlis, &QPushButton::clicked, this, &TfrmTousPlis::buttonImprimerPlisClick);
    connect(SBColor, &QToolButton::clicked, this, &TfrmTousPlis::SBColorClick);

    timerTousPlis.setObjectName("timerTousPlis");
    timerTousPlis.setInterval(1000);
    connect(&timerTousPlis, &QTimer::timeout, this, &TfrmTousPlis::timerTousPlisTimer);

    colorerFond(this, jeu_.options.optionCouleurFondEcranPlis);
    SBColor->montrerCouleur(couleurQt(jeu_.options.optionCouleurFondEcranPlis));
    effacerTousPlis(etat_);
    montrerEtat();
    appliquerLangue(jeu_.options.langue);
}

int TfrmTousPlis::dessin(double unites) const { return arrondi(unites * facteur_); }

QSize TfrmTousPlis::tailleDessin() {
    // At scale 1: the 18 crosses, then the row of buttons (30 high, in a
    // 36-high panel, 2 under the crosses and 6 above the bottom edge), which
    // needs 482 across.
    const Zone grille = grilleTousPlis(1, 1);
    return QSize(std::max(grille.largeur, 482), grille.bas() + 2 + 36 + 6);
}

QRect TfrmTousPlis::rectangleImpression() { return rectanglePage(500, 500, 2500, 1780); }

void TfrmTousPlis::appliquerLangue(int langue) {
    setWindowTitle(qs(Texte::frmTousPlis, langue));
    buttonImprimerPlis->setText(qs(Texte::boutonImprimer, langue));
    PanelPlisOk->setText(qs(Texte::PanelOkPoignee, langue));
    PanelPasApas->setToolTip(qs(Texte::bulleLecture, langue));
    panelLecture->setToolTip(qs(Texte::bulleLecture, langue));
    panelEnArriere->setToolTip(qs(Texte::bulleEnArriere, langue));
    PanelEffacer->setToolTip(qs(Texte::bulleEffacer, langue));
    PanelVoirTout->setToolTip(qs(Texte::bulleVoirTout, langue));
    SBColor->setToolTip(qs(Texte::bulleSBColor, langue));
}

void TfrmTousPlis::remplirTousPlis() {
    const Donne& donne = jeu_.donne;
    ::remplirTousPlis(etat_, donne, facteur_, facteur_);
    for (int t = 1; t <= 18; ++t) {
        for (int s = 1; s <= 4; ++s) {
            CartePli[imagePli(t, s)]->dessiner(carteDuPli(donne, t, s));
            CartePli[imagePli(t, s)]->setToolTip(QString::fromStdString(nomJoueur(s, jeu_.options.langue)));
        }
        placer(CadrePli[t], etat_.cadre[t]);
        CadrePli[t]->changerCouleur(etat_.cadrePreneur[t] ? vert : bleu);
    }
    colorerFond(this, jeu_.options.optionCouleurFondEcranPlis);
    SBColor->montrerCouleur(couleurQt(jeu_.options.optionCouleurFondEcranPlis));
    montrerEtat();
}

void TfrmTousPlis::ouvrir() {
    remplirTousPlis();
    centrerSurEcran(this);
    show();
    raise();
    activateWindow();
}

void TfrmTousPlis::montrerEtat() {
    for (int i = 1; i <= 72; ++i) CartePli[i]->setVisible(etat_.imageVisible[i]);
    for (int t = 1; t <= 18; ++t) {
        CadrePli[t]->setVisible(etat_.cadreVisible[t]);
        if (etat_.cadreVisible[t]) CadrePli[t]->raise();
    }
    if (etat_.timerTousPlis && !timerTousPlis.isActive()) timerTousPlis.start();
    if (!etat_.timerTousPlis) timerTousPlis.stop();
    PanelPasApas->setIcon(style()->standardIcon(etat_.timerTousPlis ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}

void TfrmTousPlis::PanelPasApasClick() {
    lecturePause(etat_);
    montrerEtat();
}

void TfrmTousPlis::timerTousPlisTimer() {
    tickTousPlis(etat_);
    montrerEtat();
}

void TfrmTousPlis::panelEnArriereClick() {
    uneCarteEnArriere(etat_);
    montrerEtat();
}

void TfrmTousPlis::PanelEffacerClick() {
    effacerTousPlis(etat_);
    montrerEtat();
}

void TfrmTousPlis::PanelVoirToutClick() {
    voirTousPlis(etat_);
    montrerEtat();
}

void TfrmTousPlis::arreterReplay() {
    etat_.timerTousPlis = false;
    montrerEtat();
}

void TfrmTousPlis::PanelPlisOkClick() {
    arreterReplay();
    hide();
}

void TfrmTousPlis::reject() {
    arreterReplay();
    QDialog::reject();
}

void TfrmTousPlis::closeEvent(QCloseEvent* e) {
    arreterReplay();
    QDialog::closeEvent(e);
}

void TfrmTousPlis::hideEvent(QHideEvent* e) {
    arreterReplay();
    QDialog::hideEvent(e);
}

void TfrmTousPlis::buttonImprimerPlisClick() { 
    imprimerFenetre(this, rectangleImpression(), jeu_.options.langue, qs(Texte::pdfTousPlis, jeu_.options.langue));
}

void TfrmTousPlis::SBColorClick() {
    changerCouleur(QColorDialog::getColor(couleurQt(jeu_.options.optionCouleurFondEcranPlis), this));
}

void TfrmTousPlis::changerCouleur(const QColor& c) {
    if (c.isValid()) jeu_.options.optionCouleurFondEcranPlis = couleurOption(c);
    colorerFond(this, jeu_.options.optionCouleurFondEcranPlis);
    SBColor->montrerCouleur(couleurQt(jeu_.options.optionCouleurFondEcranPlis));
    appliquerOptions(jeu_);
    sauverOptions(jeu_);
}
