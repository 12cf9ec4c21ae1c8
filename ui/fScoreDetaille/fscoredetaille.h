#pragma once
// The detailed score sheet, frmScoreDetaille: the deal's score as a column
// of additions and multiplications, from the points made to the taker's
// final score, which is the number of the result text.
#include <QDialog>

#include "scoring/feuille_score.h"

class BoutonCouleur;
class Panneau;
class QPushButton;
struct Jeu;

class TfrmScoreDetaille : public QDialog {
    Q_OBJECT
public:
    // The window takes the screen's scale `facteur`, or less when it would not
    // fit on the screen.
    TfrmScoreDetaille(Jeu& jeu, double facteur, QWidget* parent = nullptr);
    double echelle() const { return facteur_; }

    // Captions and hints in the language `langue`; the language switch calls
    // it by either name.
    Q_INVOKABLE void appliquerLangue(int langue);
    Q_INVOKABLE void ecrireTextes(int langue) { appliquerLangue(langue); }
    // Fills the panels from the finished deal.
    void remplirFeuilleScore();
    // remplirFeuilleScore, then the window centred and shown.
    void ouvrir();
    const FeuilleScore& feuille() const { return feuille_; }

    void panelFeuilleScoreClick();
    void buttonImprimerClick();
    void SBColorClick();
    // The colour chosen in the dialog; an invalid colour is a cancelled dialog.
    void changerCouleur(const QColor& c);

    static QRect rectangleImpression();

private:
    int dessin(double unites) const;
    Panneau* panneau(const char* nom, int gauche, int haut, int largeur, int hauteur, const QColor& fond,
                     int taillePolice, const QString& texte = QString());

    Jeu& jeu_;
    double facteur_;
    FeuilleScore feuille_;

    Panneau* panelPointsRealises = nullptr;
    Panneau* panelPoints = nullptr;
    Panneau* panelMoins = nullptr;
    Panneau* panelContrat = nullptr;
    Panneau* panelDefContrat = nullptr;
    Panneau* panelEgal1 = nullptr;
    Panneau* panelAuDessusContrat = nullptr;
    Panneau* panelSensPrimePetit = nullptr;
    Panneau* panelPrimePetit = nullptr;
    Panneau* panelDefPrimePetit = nullptr;
    Panneau* panelEgal2 = nullptr;
    Panneau* panelScoreApresPetit = nullptr;
    Panneau* panelSigneGain = nullptr;
    Panneau* panelConstContrat = nullptr;
    Panneau* panelEgal3 = nullptr;
    Panneau* panelScoreTmp = nullptr;
    Panneau* panelX = nullptr;
    Panneau* panelCoefficientEnchere = nullptr;
    Panneau* panelEgal4 = nullptr;
    Panneau* panelScoreApresEnchere = nullptr;
    Panneau* panelSensPoignee = nullptr;
    Panneau* panelValeurPoignee = nullptr;
    Panneau* panelDefPrimePoignee = nullptr;
    Panneau* panelEgal5 = nullptr;
    Panneau* panelScoreApresPoignee = nullptr;
    // The chelem premium, under the official rules only: a row above "X 3 =",
    // which then moves down with the window's foot.
    Panneau* panelSensChelem = nullptr;
    Panneau* panelValeurChelem = nullptr;
    Panneau* panelDefPrimeChelem = nullptr;
    Panneau* panelEgal6 = nullptr;
    Panneau* panelScoreApresChelem = nullptr;
    Panneau* panelX3 = nullptr;
    Panneau* panelScoreFinalPreneur = nullptr;
    Panneau* panelDefNbBouts = nullptr;
    Panneau* panelNbBouts = nullptr;
    Panneau* panelPreneur = nullptr;
    Panneau* cardinalPreneur = nullptr;
    QPushButton* panelFeuilleScore = nullptr;
    QPushButton* buttonImprimer = nullptr;
    BoutonCouleur* SBColor = nullptr;
};
