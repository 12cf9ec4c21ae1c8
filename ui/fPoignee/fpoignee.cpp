#include "ui/fPoignee/fpoignee.h"

#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "engine/arrondi.h"
#include "engine/jeu.h"
#include "engine/textes.h"
#include "flow/poignee.h"
#include "ui/fBelvane/controles.h"
#include "ui/langue.h"
#include "ui/revue/controles_revue.h"

TfrmPoignee::TfrmPoignee(Jeu& jeu, double facteur, QWidget* parent)
    : QDialog(parent), jeu_(jeu), facteur_(facteur) {
    setObjectName("frmPoignee");
    setWindowModality(Qt::ApplicationModal);
    // The night blue of the offer panel that opens it, so that the window
    // stands out from the table it covers.
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 64, 128));
    setPalette(p);
    appliquerPolice();

    for (int k = 1; k <= 18; ++k) {
        CartePoignee[k] = new ImageCarte(this);
        CartePoignee[k]->setObjectName(QString("CartePoignee%1").arg(k));
        CartePoignee[k]->setCursor(Qt::PointingHandCursor);
        CartePoignee[k]->hide();
        connect(CartePoignee[k], &ImageCarte::clic, this, [this, k] { cliquerCartePoignee(jeu_, k); });
    }
    auto bouton = [this](const char* nom) {
        auto* b = new QPushButton(this);
        b->setObjectName(nom);
        b->setAutoDefault(false);
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    PanelBoutonParesseux = bouton("PanelBoutonParesseux");
    PanelOkPoignee = bouton("PanelOkPoignee");
    PanelAnnulerPoignee = bouton("PanelAnnulerPoignee");
    PanelOkPoignee->hide();
    connect(PanelBoutonParesseux, &QPushButton::clicked, this, [this] { PanelBoutonParesseuxClick(jeu_); });
    connect(PanelOkPoignee, &QPushButton::clicked, this, [this] { PanelOkPoigneeClick(jeu_); });
    connect(PanelAnnulerPoignee, &QPushButton::clicked, this, [this] { PanelAnnulerPoigneeClick(jeu_); });

    // The design size, until the window opens at the width of the hand's trumps.
    resize(dessin(600), dessin(249));
    ecrireTextesFenetre(this, jeu_.options.langue);
}

int TfrmPoignee::dessin(double unites) const { return arrondi(unites * facteur_); }

void TfrmPoignee::montrerFenetrePoignee(int largeur) {
    const Disposition& d = jeu_.disposition;
    const int levee = std::max(1, d.leveePoignee);
    // The cards stand between one lift below the top (a chosen card) and their
    // lowest random place; the buttons sit one lift under them, at the left.
    const int basCartes = 2 * levee + arrondi(levee * 0.25) + d.hauteurCarte;
    const int hauteurBoutons = dessin(30) + 2 * levee;
    const int largeurBoutons = 3 * dessin(160);
    // The table's cards may make the window wider or taller than the screen
    // (up to eighteen trumps): then everything in it is drawn smaller.
    const QSize naturelle(std::max(largeur, largeurBoutons), basCartes + hauteurBoutons);
    reduction_ = echelleFenetre(1.0, naturelle, screen() ? screen() : nullptr);
    appliquerPolice();

    for (int k = 1; k <= 18; ++k) placerImage(k);
    const int hautBoutons = reduit(basCartes + levee);
    const int hauteurBouton = reduit(dessin(30));
    const int ecart = reduit(dessin(8));
    int gauche = reduit(levee);
    for (QPushButton* b : {PanelBoutonParesseux, PanelOkPoignee, PanelAnnulerPoignee}) {
        const int l = std::max(reduit(b == PanelOkPoignee ? dessin(70) : dessin(150)),
                               b->sizeHint().width() + reduit(dessin(16)));
        b->setGeometry(gauche, hautBoutons, l, hauteurBouton);
        gauche += l + ecart;
    }
    setFixedSize(std::max(reduit(largeur), gauche - ecart + reduit(levee)), hautBoutons + hauteurBouton + reduit(levee));
    centrerSurEcran(this);
    show();
    raise();
    activateWindow();
}

int TfrmPoignee::reduit(double pixels) const { return arrondi(pixels * reduction_); }

void TfrmPoignee::appliquerPolice() {
    QFont f = font();
    f.setPixelSize(std::max(1, reduit(dessin(9 * 96.0 / 72.0))));
    f.setBold(true);
    setFont(f);
}

void TfrmPoignee::placerImage(int k) {
    const Disposition& d = jeu_.disposition;
    const QPoint p = placeCarte_[k];
    CartePoignee[k]->setGeometry(reduit(p.x()), reduit(p.y()), reduit(d.largeurCarte), reduit(d.hauteurCarte));
}

void TfrmPoignee::fermerFenetrePoignee() { hide(); }

void TfrmPoignee::placerCartePoignee(int k, int gauche, int haut, const Carte& c) {
    if (k < 1 || k > 18) return;
    ImageCarte* image = CartePoignee[k];
    placeCarte_[k] = QPoint(gauche, haut);
    placerImage(k);
    image->dessiner(c);
    image->show();
    image->raise();
}

void TfrmPoignee::cacherCartesPoignee() {
    for (int k = 1; k <= 18; ++k) CartePoignee[k]->hide();
}

void TfrmPoignee::deplacerCartePoignee(int k, int decalage) {
    if (k < 1 || k > 18) return;
    placeCarte_[k].ry() += decalage;
    placerImage(k);
}

void TfrmPoignee::montrerOkPoignee(bool visible) { PanelOkPoignee->setVisible(visible); }

void TfrmPoignee::messagePoignee(const std::string& texte) {
    QMessageBox::information(this, QString::fromUtf8(titreProgramme), QString::fromStdString(texte));
}

void TfrmPoignee::reject() {
    PanelAnnulerPoigneeClick(jeu_);
    if (isVisible()) QDialog::reject();
}
