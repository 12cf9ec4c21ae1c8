// What the game shows on the table (Vue).
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "engine/arrondi.h"
#include "engine/jeu.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fMains/fmains.h"
#include "ui/fPliPrecedent/fpliprecedent.h"
#include "ui/fScoreDetaille/fscoredetaille.h"
#include "ui/fTousPlis/ftousplis.h"

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The game's places are taken from the table's corner; the design place is
// kept so that a resize puts the card at the same spot of the new table.
void placerCarte(ImageCarte* image, QPointF& dessin, const Cadrage& cadrage, int gauche, int haut, const Carte& c,
                 Curseur curseur) {
    dessin = QPointF(gauche, haut) / cadrage.echelle;
    image->move(cadrage.gauche + gauche, cadrage.haut + haut);
    image->dessiner(c);
    image->setCursor(formeCurseur(curseur));
    image->show();
}

}  // namespace

void TfrmBelvane::ecrireInfo(const std::string& texte) { info->setText(qs(texte)); }

void TfrmBelvane::montrerBarreEnchere(bool visible) {
    // The advice button gives up the keyboard focus with the bar.
    if (!visible && BarreEnchere->isAncestorOf(focusWidget())) focusWidget()->clearFocus();
    BarreEnchere->setVisible(visible);
    if (visible) BarreEnchere->raise();
}

void TfrmBelvane::montrerBoutonEnchere(int enchere, bool visible) {
    if (enchere < 0 || enchere > 4) return;
    boutonEnchere[enchere]->setVisible(visible);
}

void TfrmBelvane::ecrireConseil(const std::string& texte) { evMaMain->setText(qs(texte)); }

void TfrmBelvane::focaliserConseil() {
    if (evMaMain->isVisibleTo(this)) evMaMain->setFocus(Qt::OtherFocusReason);
}

void TfrmBelvane::annoncerEnchereSiege(int siege, const std::string& texte, int taillePolice) {
    if (siege < 1 || siege > 4) return;
    PanelDec[siege]->setText(qs(texte));
    policeDessin(PanelDec[siege], taillePolice, true);
    PanelDec[siege]->show();
}

void TfrmBelvane::ecrireContrat(const std::string& texte) { PanelEnchere->setText(qs(texte)); }

void TfrmBelvane::placerCarteChien(int i, int gauche, int haut, const Carte& c, Curseur curseur) {
    if (i < 1 || i > 6) return;
    placerCarte(CarteChien[i], dessinCarteChien[i], cadrage_, gauche, haut, c, curseur);
    CarteChien[i]->raise();
}

void TfrmBelvane::curseurCartesMain(Curseur curseur) {
    for (int k = 1; k <= 18; ++k) Carte3D[k]->setCursor(formeCurseur(curseur));
}

void TfrmBelvane::placerCarteEcart(int position, int gauche, int haut, const Carte& c, Curseur curseur) {
    if (position < 1 || position > 24) return;
    placerCarte(Carte3D[position], dessinCarte3D[position], cadrage_, gauche, haut, c, curseur);
}

void TfrmBelvane::deplacerCarteEcart(int position, int decalage) {
    if (position < 1 || position > 24) return;
    Carte3D[position]->move(Carte3D[position]->x(), Carte3D[position]->y() + decalage);
    dessinCarte3D[position].ry() += decalage / cadrage_.echelle;
}

void TfrmBelvane::cacherCartesEcart() {
    for (int k = 1; k <= 24; ++k) Carte3D[k]->hide();
}

void TfrmBelvane::montrerConfirmeEcart(bool visible) {
    PanelConfirmeEcart->setVisible(visible);
    if (visible) PanelConfirmeEcart->raise();
}

void TfrmBelvane::curseurCarteMain(int k, Curseur curseur) {
    if (k < 1 || k > 24) return;
    Carte3D[k]->setCursor(formeCurseur(curseur));
}

void TfrmBelvane::cacherCarteMain(int k) {
    if (k < 1 || k > 24) return;
    Carte3D[k]->hide();
}

void TfrmBelvane::dessinerCarteTable(int siege, const Carte& c) {
    if (siege < 1 || siege > 4) return;
    CarteTable[siege]->dessiner(c);
    CarteTable[siege]->show();
}

void TfrmBelvane::afficherPoints(int attaque, int defense) {
    nPointsAttaque->setNum(attaque);
    nPointsDefense->setNum(defense);
}

void TfrmBelvane::afficherBouts(int preneur, int defense) {
    nBoutsPreneur->setNum(preneur);
    nBoutsDefense->setNum(defense);
}

void TfrmBelvane::afficherContrat(int pointsAFaire) { nContrat->setNum(pointsAFaire); }

void TfrmBelvane::afficherDeductions(const Deductions& d) {
    PanelAtoutMax->setText(qs(d.atoutMaximal));
    PanelAtExt->setText(qs(d.atoutsDehors));
    if (d.vingtEtUnJoue) Panel21->show();
    if (d.petitJoue) PanelPetit->show();
    if (d.excuseJouee) PanelExcuse->show();
    for (int c = 1; c <= 4; ++c) {
        // Marks from the suit picture down: roi, dame, cavalier, valet.
        for (int k = 1; k <= 4; ++k)
            if (d.honneurHorsJeu[c][15 - k]) marqueHonneur[c][k]->show();
        panelDehors[c]->setText(qs(d.couleurDehors[c]));
    }
}

void TfrmBelvane::montrerLancement(bool visible) {
    PanelLancement->setVisible(visible);
    if (visible) PanelLancement->raise();
}

void TfrmBelvane::etatRejouer(bool actif, bool enfonce) {
    menuGameAgain->setEnabled(actif);
    SBGameAgain->setEnabled(actif);
    SBGameAgain->setChecked(enfonce);
}

void TfrmBelvane::curseurFenetre(Curseur curseur) { setCursor(formeCurseur(curseur)); }

void TfrmBelvane::effacerTable() {
    PanelAtoutMax->clear();
    PanelAtExt->clear();
    Panel21->hide();
    PanelPetit->hide();
    PanelExcuse->hide();
    for (int c = 1; c <= 4; ++c) {
        for (int k = 1; k <= 4; ++k) marqueHonneur[c][k]->hide();
        panelDehors[c]->clear();
    }
    menuPreviousTrick->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{frmPliPrecedent_, frmMains_, frmScoreDetaille_, frmTousPlis_})
        if (w) w->hide();
    PanelPreneur->hide();
    PanelEnchere->hide();
    for (int k = 1; k <= 24; ++k) {
        Carte3D[k]->hide();
        Carte3D[k]->setCursor(Qt::ForbiddenCursor);
        Carte3D[k]->setEnabled(false);
    }
    for (int i = 1; i <= 6; ++i) CarteChien[i]->hide();
    BarreEnchere->hide();
    PanelConfirmeEcart->hide();
    PanelResultat->hide();
    PanelPoignee->hide();
    TableRonde->hide();
    for (int s = 1; s <= 4; ++s) {
        CarteTable[s]->hide();
        CadrePreneur[s]->hide();
        PanelDec[s]->hide();
    }
    for (Panneau* p : {nPointsAttaque, nPointsDefense, nBoutsPreneur, nBoutsDefense, nContrat, PanelEnchere,
                       PanelPreneur})
        p->clear();
}

void TfrmBelvane::activerPliPrecedent(bool actif) { menuPreviousTrick->setEnabled(actif); }

void TfrmBelvane::activerCartesMain(bool actif) {
    for (int k = 1; k <= 24; ++k) Carte3D[k]->setEnabled(actif);
}

void TfrmBelvane::placerCarteMain(int k, int gauche, int haut, const Carte& c, Curseur curseur) {
    if (k < 1 || k > 24) return;
    placerCarte(Carte3D[k], dessinCarte3D[k], cadrage_, gauche, haut, c, curseur);
}

void TfrmBelvane::cacherChien() {
    for (int i = 1; i <= 6; ++i) CarteChien[i]->hide();
}

void TfrmBelvane::cacherCartesTable() {
    for (int s = 1; s <= 4; ++s) CarteTable[s]->hide();
}

void TfrmBelvane::montrerTableRonde(int preneur) {
    TableRonde->show();
    if (preneur >= 1 && preneur <= 4) CadrePreneur[preneur]->show();
}

void TfrmBelvane::cacherAnnonces() {
    for (int s = 1; s <= 4; ++s) PanelDec[s]->hide();
}

void TfrmBelvane::montrerPreneur(int siege, const std::string& nomSiege, const std::string& nomContrat) {
    if (siege < 1 || siege > 4) return;
    const Disposition& d = jeu_.disposition;
    CadrePreneur[siege]->move(CarteTable[siege]->x() - arrondi(d.echelleX * 5),
                              CarteTable[siege]->y() - arrondi(d.echelleY * 5));
    const QColor couleur = couleurSiege(siege);
    for (Panneau* p : {nPointsAttaque, nBoutsPreneur, nContrat, PanelEnchere, PanelPreneur}) p->changerFond(couleur);
    PanelPreneur->setText(qs(nomSiege));
    PanelEnchere->setText(qs(nomContrat));
    PanelPreneur->show();
    PanelEnchere->show();
}

void TfrmBelvane::montrerOffrePoignee(bool doublePoignee, bool triplePoignee) {
    PanelPoigneeSimple->show();
    PanelPoigneeDouble->setVisible(doublePoignee);
    PanelPoigneeTriple->setVisible(triplePoignee);
    PanelPoigneeAucune->show();
    // The buttons offered stand one under the other, with no gap for a size
    // that the hand cannot show; the panel keeps its top and shrinks.
    int i = 0;
    for (QPushButton* b : {PanelPoigneeSimple, PanelPoigneeDouble, PanelPoigneeTriple, PanelPoigneeAucune}) {
        if (b->isHidden()) continue;
        placer(b, QRect(9, 8 + i * 40, 150, 34));
        ++i;
    }
    placer(PanelPoignee, QRect(313, 196, 168, 10 + i * 40));
    PanelPoignee->show();
    PanelPoignee->raise();
}

void TfrmBelvane::cacherOffrePoignee() { PanelPoignee->hide(); }

void TfrmBelvane::montrerFenetrePoignee(int largeur) {
    if (frmPoignee_) frmPoignee_->montrerFenetrePoignee(largeur);
}

void TfrmBelvane::fermerFenetrePoignee() {
    if (frmPoignee_) frmPoignee_->fermerFenetrePoignee();
}

void TfrmBelvane::placerCartePoignee(int k, int gauche, int haut, const Carte& c) {
    if (frmPoignee_) frmPoignee_->placerCartePoignee(k, gauche, haut, c);
}

void TfrmBelvane::cacherCartesPoignee() {
    if (frmPoignee_) frmPoignee_->cacherCartesPoignee();
}

void TfrmBelvane::deplacerCartePoignee(int k, int decalage) {
    if (frmPoignee_) frmPoignee_->deplacerCartePoignee(k, decalage);
}

void TfrmBelvane::montrerOkPoignee(bool visible) {
    if (frmPoignee_) frmPoignee_->montrerOkPoignee(visible);
}

void TfrmBelvane::messagePoignee(const std::string& texte) {
    if (frmPoignee_) frmPoignee_->messagePoignee(texte);
}

void TfrmBelvane::montrerCarteMain(int k, bool visible) {
    if (k < 1 || k > 18) return;
    Carte3D[k]->setVisible(visible);
}

void TfrmBelvane::activerFenetrePrincipale(bool actif) { setEnabled(actif); }

void TfrmBelvane::premierPlanPrincipale() {
    raise();
    activateWindow();
}
