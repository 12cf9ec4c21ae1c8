#include "ui/fPliPrecedent/fpliprecedent.h"

#include <QPushButton>

#include "engine/arrondi.h"
#include "engine/jeu.h"
#include "engine/textes.h"
#include "flow/revue.h"
#include "ui/fBelvane/controles.h"
#include "ui/revue/controles_revue.h"

TfrmPliPrecedent::TfrmPliPrecedent(Jeu& jeu, double facteur, QWidget* parent)
    : QDialog(parent), jeu_(jeu), facteur_(echelleFenetre(facteur, QSize(302, 362), nullptr)) {
    preparerDialogue(this, "frmPliPrecedent");
    // The cards of the table's shape at this window's scale: 302 x 362 at scale 1.
    const int l = dessin(90);
    const int h = dessin(150);
    const int g = dessin(8);
    // A cross like the table's: South below North, East and West between them.
    const int milieu = g + arrondi((h + g) / 2.0);
    const QPoint places[5] = {{}, {2 * g + l, 2 * g + h}, {3 * g + 2 * l, milieu}, {2 * g + l, g}, {g, milieu}};
    for (int s = 1; s <= 4; ++s) {
        cardPreviousTrick[s] = new ImageCarte(this);
        cardPreviousTrick[s]->setObjectName(QString("cardPreviousTrick%1").arg(s));
        cardPreviousTrick[s]->setGeometry(places[s].x(), places[s].y(), l, h);
    }
    const int largeur = 4 * g + 3 * l;
    const int basCartes = 2 * g + 2 * h;
    ButtonOkPreviousTrick = new QPushButton(this);
    ButtonOkPreviousTrick->setObjectName("ButtonOkPreviousTrick");
    ButtonOkPreviousTrick->setFont(policeBoutons(dessin(12)));
    ButtonOkPreviousTrick->setGeometry((largeur - dessin(90)) / 2, basCartes + g, dessin(90), dessin(30));
    ButtonOkPreviousTrick->setDefault(true);
    setFixedSize(largeur, ButtonOkPreviousTrick->geometry().bottom() + 1 + g);
    connect(ButtonOkPreviousTrick, &QPushButton::clicked, this, &TfrmPliPrecedent::ButtonOkPreviousTrickClick);
    appliquerLangue(jeu_.options.langue);
}

int TfrmPliPrecedent::dessin(double unites) const { return arrondi(unites * facteur_); }

void TfrmPliPrecedent::appliquerLangue(int langue) {
    setWindowTitle(QString::fromStdString(texte(Texte::frmPliPrecedent, langue)));
    ButtonOkPreviousTrick->setText(QString::fromStdString(texte(Texte::PanelOkPoignee, langue)));
    for (int s = 1; s <= 4; ++s) cardPreviousTrick[s]->setToolTip(QString::fromStdString(nomJoueur(s, langue)));
}

void TfrmPliPrecedent::afficherPliPrecedent() {
    const int pli = pliPrecedent(jeu_.donne);
    if (pli == 0) return;
    pliMontre_ = pli;
    for (int s = 1; s <= 4; ++s) cardPreviousTrick[s]->dessiner(carteDuPli(jeu_.donne, pli, s));
    centrerSurEcran(this);
    show();
    raise();
    activateWindow();
}

void TfrmPliPrecedent::ButtonOkPreviousTrickClick() { hide(); }
