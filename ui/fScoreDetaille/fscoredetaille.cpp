#include "ui/fScoreDetaille/fscoredetaille.h"

#include <QColorDialog>
#include <QPushButton>

#include "engine/arrondi.h"
#include "engine/jeu.h"
#include "engine/textes.h"
#include "settings/options.h"
#include "ui/fBelvane/controles.h"
#include "ui/impression.h"
#include "ui/revue/controles_revue.h"

namespace {

const QColor couleurValeur(0x7E, 0xE2, 0xE2);
const QColor couleurContrat(0x81, 0xBF, 0xE9);
const QColor couleurPetit(0x77, 0xF2, 0xBE);
const QColor couleurPoignee(0x83, 0xE7, 0x9E);
const QColor couleurFinal(0xFF, 0x80, 0x80);
const QColor couleurOperateur(0xEB, 0xEB, 0x94);
const QColor argent(0xC0, 0xC0, 0xC0);

constexpr int chiffres = 27;  // the number and sign panels
constexpr int legendes = 17;

// The columns and rows of the sheet, in design units.
constexpr int xOperateur = 17, xCoefficient = 59, xSigne = 100, xValeur = 146, xLegende = 250, xDroite = 498;
constexpr int lOperateur = 38, lSigne = 40, lValeur = 96, lLegende = 236, lDroite = 130;

QString qs(Texte t, int langue) { return QString::fromStdString(texte(t, langue)); }
QString nombre(int n) { return QString::number(n); }

}  // namespace

TfrmScoreDetaille::TfrmScoreDetaille(Jeu& jeu, double facteur, QWidget* parent)
    : QDialog(parent), jeu_(jeu), facteur_(echelleFenetre(facteur, QSize(642, 492), nullptr)) {
    preparerDialogue(this, "frmScoreDetaille");

    panelPointsRealises = panneau("panelPointsRealises", xValeur, 4, lValeur, 41, couleurValeur, chiffres);
    panelPoints = panneau("panelPoints", xLegende, 4, lLegende, 41, argent, legendes);

    panelMoins = panneau("panelMoins", xSigne, 49, lSigne, 43, couleurOperateur, chiffres, "-");
    panelContrat = panneau("panelContrat", xValeur, 49, lValeur, 43, couleurContrat, chiffres);
    panelDefContrat = panneau("panelDefContrat", xLegende, 49, lLegende, 43, argent, legendes);

    panelEgal1 = panneau("panelEgal1", xSigne, 95, lSigne, 42, couleurOperateur, chiffres, "=");
    panelAuDessusContrat = panneau("panelAuDessusContrat", xValeur, 95, lValeur, 42, couleurValeur, chiffres);

    panelSensPrimePetit = panneau("panelSensPrimePetit", xSigne, 140, lSigne, 40, couleurOperateur, chiffres);
    panelPrimePetit = panneau("panelPrimePetit", xValeur, 140, lValeur, 40, couleurPetit, chiffres, "10");
    panelDefPrimePetit = panneau("panelDefPrimePetit", xLegende, 140, lLegende, 83, couleurPetit, legendes);
    panelEgal2 = panneau("panelEgal2", xSigne, 183, lSigne, 40, couleurOperateur, chiffres, "=");
    panelScoreApresPetit = panneau("panelScoreApresPetit", xValeur, 183, lValeur, 40, couleurValeur, chiffres);

    panelSigneGain = panneau("panelSigneGain", xSigne, 226, lSigne, 32, couleurOperateur, chiffres);
    panelConstContrat = panneau("panelConstContrat", xValeur, 226, lValeur, 32, couleurValeur, chiffres, "25");

    panelEgal3 = panneau("panelEgal3", xSigne, 261, lSigne, 34, couleurOperateur, chiffres, "=");
    panelScoreTmp = panneau("panelScoreTmp", xValeur, 261, lValeur, 34, couleurValeur, chiffres);

    panelX = panneau("panelX", xOperateur, 298, lOperateur, 41, couleurOperateur, chiffres, "X");
    panelCoefficientEnchere =
        panneau("panelCoefficientEnchere", xCoefficient, 298, lOperateur, 41, couleurContrat, chiffres);
    panelEgal4 = panneau("panelEgal4", xSigne, 298, lSigne, 41, couleurOperateur, chiffres, "=");
    panelScoreApresEnchere = panneau("panelScoreApresEnchere", xValeur, 298, lValeur, 41, couleurValeur, chiffres);

    panelSensPoignee = panneau("panelSensPoignee", xSigne, 342, lSigne, 27, couleurOperateur, chiffres);
    panelValeurPoignee = panneau("panelValeurPoignee", xValeur, 342, lValeur, 27, couleurPoignee, chiffres);
    panelDefPrimePoignee = panneau("panelDefPrimePoignee", xLegende, 342, lLegende, 61, couleurPoignee, legendes);
    panelEgal5 = panneau("panelEgal5", xSigne, 372, lSigne, 31, couleurOperateur, chiffres, "=");
    panelScoreApresPoignee = panneau("panelScoreApresPoignee", xValeur, 372, lValeur, 31, couleurValeur, chiffres);

    panelSensChelem = panneau("panelSensChelem", xSigne, 406, lSigne, 27, couleurOperateur, chiffres);
    panelValeurChelem = panneau("panelValeurChelem", xValeur, 406, lValeur, 27, couleurPetit, chiffres);
    panelDefPrimeChelem = panneau("panelDefPrimeChelem", xLegende, 406, lLegende, 61, couleurPetit, legendes);
    panelDefPrimeChelem->setWordWrap(true);
    panelEgal6 = panneau("panelEgal6", xSigne, 436, lSigne, 31, couleurOperateur, chiffres, "=");
    panelScoreApresChelem = panneau("panelScoreApresChelem", xValeur, 436, lValeur, 31, couleurValeur, chiffres);

    panelX3 = panneau("panelX3", xOperateur, 406, xSigne + lSigne - xOperateur, 44, couleurOperateur, chiffres,
                      "X 3 =");
    panelScoreFinalPreneur = panneau("panelScoreFinalPreneur", xValeur, 406, lValeur, 44, couleurFinal, chiffres);

    panelDefNbBouts = panneau("panelDefNbBouts", xDroite, 6, lDroite, 38, argent, legendes);
    panelNbBouts = panneau("panelNbBouts", xDroite, 48, lDroite, 60, couleurContrat, chiffres);
    panelPreneur = panneau("panelPreneur", xDroite, 138, lDroite, 38, argent, legendes);
    cardinalPreneur = panneau("cardinalPreneur", xDroite, 180, lDroite, 44, couleurContrat, chiffres);
    for (Panneau* p : {panelPoints, panelDefContrat, panelDefPrimePetit, panelDefPrimePoignee, panelDefNbBouts})
        p->setWordWrap(true);

    SBColor = new BoutonCouleur(this);
    SBColor->setGeometry(dessin(xDroite), dessin(368), dessin(34), dessin(34));
    buttonImprimer = new QPushButton(this);
    buttonImprimer->setObjectName("buttonImprimer");
    buttonImprimer->setGeometry(dessin(xDroite), dessin(410), dessin(lDroite), dessin(32));
    panelFeuilleScore = new QPushButton(this);
    panelFeuilleScore->setObjectName("panelFeuilleScore");
    panelFeuilleScore->setGeometry(dessin(xDroite), dessin(450), dessin(lDroite), dessin(32));
    for (QPushButton* b : {buttonImprimer, panelFeuilleScore}) {
        b->setFont(policeBoutons(dessin(12)));
        b->setFocusPolicy(Qt::NoFocus);
    }
    panelFeuilleScore->setFocusPolicy(Qt::StrongFocus);
    setFixedSize(dessin(642), dessin(492));

    connect(panelFeuilleScore, &QPushButton::clicked, this, &TfrmScoreDetaille::panelFeuilleScoreClick);
    connect(buttonImprimer, &QPushButton::clicked, this, &TfrmScoreDetaille::buttonImprimerClick);
    connect(SBColor, &QToolButton::clicked, this, &TfrmScoreDetaille::SBColorClick);

    colorerFond(this, jeu_.options.optionCouleurFondEcranScores);
    SBColor->montrerCouleur(couleurQt(jeu_.options.optionCouleurFondEcranScores));
    appliquerLangue(jeu_.options.langue);
}

int TfrmScoreDetaille::dessin(double unites) const { return arrondi(unites * facteur_); }

Panneau* TfrmScoreDetaille::panneau(const char* nom, int gauche, int haut, int largeur, int hauteur,
                                    const QColor& fond, int taillePolice, const QString& texte) {
    auto* p = new Panneau(this, fond);
    p->setObjectName(nom);
    p->setGeometry(dessin(gauche), dessin(haut), dessin(largeur), dessin(hauteur));
    p->setFont(policeTimes(dessin(taillePolice)));
    p->setText(texte);
    return p;
}

QRect TfrmScoreDetaille::rectangleImpression() { return rectanglePage(500, 500, 2500, 2100); }

void TfrmScoreDetaille::appliquerLangue(int langue) {
    setWindowTitle(qs(Texte::frmScoreDetaille, langue));
    panelPreneur->setText(qs(Texte::panelPreneur, langue));
    panelPoints->setText(qs(Texte::panelPoints, langue));
    panelDefContrat->setText(qs(Texte::panelDefContrat, langue));
    panelDefPrimePetit->setText(qs(Texte::panelDefPrimePetit, langue));
    panelDefNbBouts->setText(qs(Texte::panelDefNbBouts, langue));
    panelDefPrimePoignee->setText(qs(Texte::panelDefPrimePoignee, langue));
    panelDefPrimeChelem->setText(qs(Texte::panelDefPrimeChelem, langue));
    buttonImprimer->setText(qs(Texte::boutonImprimer, langue));
    panelFeuilleScore->setText(qs(Texte::PanelOkPoignee, langue));
    SBColor->setToolTip(qs(Texte::bulleSBColor, langue));
    // The taker's name follows the language too once the sheet is filled.
    if (feuille_.preneur >= 1 && feuille_.preneur <= 4)
        cardinalPreneur->setText(QString::fromStdString(nomJoueur(feuille_.preneur, langue)));
}

void TfrmScoreDetaille::remplirFeuilleScore() {
    const FeuilleScore& f = feuille_ = calculerFeuilleScore(jeu_.donne);
    const bool preneurConnu = f.preneur >= 1 && f.preneur <= 4;
    cardinalPreneur->setText(preneurConnu ? QString::fromStdString(nomJoueur(f.preneur, jeu_.options.langue))
                                          : QString());
    panelNbBouts->setText(nombre(f.nbBouts));
    panelContrat->setText(nombre(f.contrat));
    panelPointsRealises->setText(nombre(f.pointsRealises));
    panelAuDessusContrat->setText(nombre(f.depassement));

    for (Panneau* p : {panelSensPrimePetit, panelPrimePetit, panelEgal2, panelScoreApresPetit, panelDefPrimePetit})
        p->setVisible(f.lignesPetit);
    panelSensPrimePetit->setText(QString::fromStdString(f.signePetit));
    panelScoreApresPetit->setText(f.lignesPetit ? nombre(f.scoreApresPetit) : QString());

    panelSigneGain->setText(QString::fromStdString(f.signeGain));
    panelScoreTmp->setText(nombre(f.scoreTmp));
    panelCoefficientEnchere->setText(nombre(f.coefficientEnchere));
    panelScoreApresEnchere->setText(nombre(f.scoreApresEnchere));

    for (Panneau* p : {panelSensPoignee, panelValeurPoignee, panelEgal5, panelScoreApresPoignee, panelDefPrimePoignee})
        p->setVisible(f.lignesPoignee);
    panelSensPoignee->setText(QString::fromStdString(f.signePoignee));
    panelValeurPoignee->setText(f.lignesPoignee ? nombre(f.valeurPoignee) : QString());
    panelScoreApresPoignee->setText(f.lignesPoignee ? nombre(f.scoreApresPoignee) : QString());

    for (Panneau* p : {panelSensChelem, panelValeurChelem, panelEgal6, panelScoreApresChelem, panelDefPrimeChelem})
        p->setVisible(f.lignesChelem);
    panelSensChelem->setText(QString::fromStdString(f.signeChelem));
    panelValeurChelem->setText(f.lignesChelem ? nombre(f.valeurChelem) : QString());
    panelScoreApresChelem->setText(f.lignesChelem ? nombre(f.scoreApresChelem) : QString());
    panelDefPrimeChelem->setText(qs(Texte::panelDefPrimeChelem, jeu_.options.langue));
    // With the chelem row the last line and the buttons move down by its height.
    const int bas = f.lignesChelem ? 64 : 0;
    panelX3->move(dessin(xOperateur), dessin(406 + bas));
    panelScoreFinalPreneur->move(dessin(xValeur), dessin(406 + bas));
    SBColor->move(dessin(xDroite), dessin(368 + bas));
    buttonImprimer->move(dessin(xDroite), dessin(410 + bas));
    panelFeuilleScore->move(dessin(xDroite), dessin(450 + bas));
    setFixedSize(dessin(642), dessin(492 + bas));

    panelScoreFinalPreneur->setText(nombre(f.scoreFinalPreneur));
    colorerFond(this, jeu_.options.optionCouleurFondEcranScores);
    SBColor->montrerCouleur(couleurQt(jeu_.options.optionCouleurFondEcranScores));
}

void TfrmScoreDetaille::ouvrir() {
    remplirFeuilleScore();
    centrerSurEcran(this);
    show();
    raise();
    activateWindow();
}

void TfrmScoreDetaille::panelFeuilleScoreClick() { hide(); }

void TfrmScoreDetaille::buttonImprimerClick() { 
    imprimerFenetre(this, rectangleImpression(), jeu_.options.langue, qs(Texte::pdfScoreDetaille, jeu_.options.langue));
}

void TfrmScoreDetaille::SBColorClick() {
    changerCouleur(QColorDialog::getColor(couleurQt(jeu_.options.optionCouleurFondEcranScores), this));
}

void TfrmScoreDetaille::changerCouleur(const QColor& c) {
    if (c.isValid()) jeu_.options.optionCouleurFondEcranScores = couleurOption(c);
    colorerFond(this, jeu_.options.optionCouleurFondEcranScores);
    SBColor->montrerCouleur(couleurQt(jeu_.options.optionCouleurFondEcranScores));
    appliquerOptions(jeu_);
    sauverOptions(jeu_);
}
