#include "ui/fMains/fmains.h"

#include <QColorDialog>
#include <QFrame>
#include <QPushButton>

#include "engine/arrondi.h"
#include "engine/jeu.h"
#include "engine/textes.h"
#include "settings/options.h"
#include "ui/fBelvane/controles.h"
#include "ui/impression.h"
#include "ui/revue/controles_revue.h"

namespace {

const QColor jaune(0xFF, 0xFF, 0x00);
constexpr const char* nomsSieges[5] = {"", "Sud", "Est", "Nord", "Ouest"};

QString qs(Texte t, int langue) { return QString::fromStdString(texte(t, langue)); }

QFrame* panneauCartes(QWidget* parent, const QString& nom) {
    auto* p = new QFrame(parent);
    p->setObjectName(nom);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setLineWidth(1);
    return p;
}

}  // namespace

TfrmMains::TfrmMains(Jeu& jeu, double facteur, QWidget* parent)
    : QDialog(parent), jeu_(jeu), facteur_(echelleFenetre(facteur, tailleDessin(), nullptr)) {
    preparerDialogue(this, "frmMains");
    const double e = facteur_;
    const TaillePetiteCarte carte = taillePetiteCarte(e, e);
    etat_.disposition = disposerMains(e, e, 1);

    for (int s = 1; s <= 4; ++s) {
        PanelMain[s] = panneauCartes(this, QString("PanelMain") + nomsSieges[s]);
        placer(PanelMain[s], etat_.disposition.panneauMain[s]);
        for (int k = 1; k <= 18; ++k) {
            auto* c = new PetiteCarte(PanelMain[s]);
            c->setObjectName(QString("CarteMain%1%2").arg(nomsSieges[s]).arg(k));
            const Point p = positionCarteMain(e, e, k);
            c->setGeometry(p.x, p.y, carte.largeur, carte.hauteur);
            CarteMain[s][k] = c;
        }
    }

    auto chien = [&](const char* nom, const char* legende, Table<PetiteCarte*, 1, 6>& cartes, Panneau*& titre) {
        QFrame* p = panneauCartes(this, nom);
        p->resize(etat_.disposition.chienAvantEcart.largeur, etat_.disposition.chienAvantEcart.hauteur);
        titre = new Panneau(p, QColor(192, 192, 192));
        titre->setObjectName(legende);
        titre->setFont(policeBoutons(arrondi(11 * e)));
        const Point premiere = positionCarteChien(e, e, 1);
        titre->setGeometry(premiere.x, arrondi(2 * e), p->width() - 2 * premiere.x,
                           hauteurLegendeChien(e) - arrondi(1 * e));
        for (int i = 1; i <= 6; ++i) {
            cartes[i] = new PetiteCarte(p);
            cartes[i]->setObjectName(QString("Carte%1%2").arg(QString(nom).mid(5)).arg(i));
            const Point pos = positionCarteChien(e, e, i);
            cartes[i]->setGeometry(pos.x, pos.y, carte.largeur, carte.hauteur);
        }
        return p;
    };
    PanelChienAvantEcart = chien("PanelChienAvantEcart", "PanelChien", CarteChienAvantEcart, PanelChien);
    PanelChienApresEcart = chien("PanelChienApresEcart", "PanelEcart", CarteChienApresEcart, PanelEcart);
    for (int i = 1; i <= 6; ++i) {
        CadreEcart[i] = new CadreCarte(this, jaune);
        CadreEcart[i]->setObjectName(QString("CadreEcart%1").arg(i));
        CadreEcart[i]->hide();
    }

    const Zone& grille = etat_.disposition.grille;
    const int marge = arrondi(6 * e);
    const int h = dessin(30);
    const int haut = grille.bas();
    PanelMainsOK = new QPushButton(this);
    PanelMainsOK->setObjectName("PanelMainsOK");
    PanelMainsOK->setGeometry(grille.largeur - marge - dessin(80), haut, dessin(80), h);
    buttonImprimerMains = new QPushButton(this);
    buttonImprimerMains->setObjectName("buttonImprimerMains");
    buttonImprimerMains->setGeometry(PanelMainsOK->x() - dessin(8) - dessin(110), haut, dessin(110), h);
    SBColor = new BoutonCouleur(this);
    SBColor->setGeometry(buttonImprimerMains->x() - dessin(8) - h, haut, h, h);
    for (QPushButton* b : {PanelMainsOK, buttonImprimerMains}) {
        b->setFont(policeBoutons(dessin(12)));
        b->setFocusPolicy(Qt::NoFocus);
    }
    PanelMainsOK->setFocusPolicy(Qt::StrongFocus);
    setFixedSize(grille.largeur, haut + h + dessin(6));

    connect(PanelMainsOK, &QPushButton::clicked, this, &TfrmMains::PanelMainsOKClick);
    connect(buttonImprimerMains, &QPushButton::clicked, this, &TfrmMains::buttonImprimerMainsClick);
    connect(SBColor, &QToolButton::clicked, this, &TfrmMains::SBColorClick);

    colorerFond(this, jeu_.options.optionCouleurFondEcranMains);
    SBColor->montrerCouleur(couleurQt(jeu_.options.optionCouleurFondEcranMains));
    PanelChienApresEcart->hide();
    appliquerLangue(jeu_.options.langue);
}

int TfrmMains::dessin(double unites) const { return arrondi(unites * facteur_); }

QSize TfrmMains::tailleDessin() {
    // At scale 1: the hands and the dog panels, then the buttons, 30 high and
    // 6 above the bottom edge.
    const Zone grille = disposerMains(1, 1, 1).grille;
    return QSize(grille.largeur, grille.bas() + 30 + 6);
}

QRect TfrmMains::rectangleImpression() { return rectanglePage(300, 300, 2400, 1575); }

void TfrmMains::appliquerLangue(int langue) {
    setWindowTitle(qs(Texte::frmMains, langue));
    PanelChien->setText(qs(Texte::PanelChien, langue));
    PanelEcart->setText(qs(Texte::PanelEcart, langue));
    buttonImprimerMains->setText(qs(Texte::boutonImprimer, langue));
    PanelMainsOK->setText(qs(Texte::PanelOkPoignee, langue));
    SBColor->setToolTip(qs(Texte::bulleSBColor, langue));
    for (int s = 1; s <= 4; ++s) PanelMain[s]->setToolTip(QString::fromStdString(nomJoueur(s, langue)));
}

void TfrmMains::remplirMains() {
    const Donne& donne = jeu_.donne;
    etat_ = ::remplirMains(donne, facteur_, facteur_);

    for (int i = 1; i <= 6; ++i) CadreEcart[i]->hide();
    placer(PanelChienAvantEcart, etat_.disposition.chienAvantEcart);
    placer(PanelChienApresEcart, etat_.disposition.chienApresEcart);
    for (int s = 1; s <= 4; ++s)
        for (int k = 1; k <= 18; ++k) CarteMain[s][k]->dessiner(donne.mainInitiale[s][k]);
    for (int i = 1; i <= 6; ++i) CarteChienAvantEcart[i]->dessiner(donne.chienInitial[i]);

    PanelChienApresEcart->hide();
    if (etat_.ecartVisible) {
        for (int i = 1; i <= 6; ++i) CarteChienApresEcart[i]->dessiner(donne.chien[i]);
        PanelChienApresEcart->show();
        for (int i = 1; i <= 6; ++i) {
            if (!etat_.cadreVisible[i]) continue;
            placer(CadreEcart[i], etat_.cadre[i]);
            CadreEcart[i]->show();
            CadreEcart[i]->raise();
        }
    }
    colorerFond(this, jeu_.options.optionCouleurFondEcranMains);
    SBColor->montrerCouleur(couleurQt(jeu_.options.optionCouleurFondEcranMains));
}

void TfrmMains::ouvrir() {
    remplirMains();
    centrerSurEcran(this);
    show();
    raise();
    activateWindow();
}

void TfrmMains::PanelMainsOKClick() { hide(); }

void TfrmMains::buttonImprimerMainsClick() { 
    imprimerFenetre(this, rectangleImpression(), jeu_.options.langue, qs(Texte::pdfMains, jeu_.options.langue));
}

void TfrmMains::SBColorClick() {
    changerCouleur(QColorDialog::getColor(couleurQt(jeu_.options.optionCouleurFondEcranMains), this));
}

void TfrmMains::changerCouleur(const QColor& c) {
    if (c.isValid()) jeu_.options.optionCouleurFondEcranMains = couleurOption(c);
    colorerFond(this, jeu_.options.optionCouleurFondEcranMains);
    SBColor->montrerCouleur(couleurQt(jeu_.options.optionCouleurFondEcranMains));
    appliquerOptions(jeu_);
    sauverOptions(jeu_);
}
