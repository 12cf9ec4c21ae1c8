#pragma once
// The four hands as dealt, frmMains: South at the bottom, East on the right,
// North at the top, West on the left, the dog as dealt and the discard beside
// the taker's hand, and yellow frames round the six cards he put aside.
#include <QDialog>

#include "engine/table.h"
#include "flow/revue.h"

class BoutonCouleur;
class CadreCarte;
class Panneau;
class PetiteCarte;
class QFrame;
class QPushButton;
struct Jeu;

class TfrmMains : public QDialog {
    Q_OBJECT
public:
    // The window takes the screen's scale `facteur`, or less when it would not
    // fit on the screen; the cards and the buttons follow that one scale.
    TfrmMains(Jeu& jeu, double facteur, QWidget* parent = nullptr);
    double echelle() const { return facteur_; }
    // The client area at scale 1.
    static QSize tailleDessin();

    // Captions and hints in the language `langue`; the language switch calls
    // it by either name.
    Q_INVOKABLE void appliquerLangue(int langue);
    Q_INVOKABLE void ecrireTextes(int langue) { appliquerLangue(langue); }
    // Fills the window from the deal.
    void remplirMains();
    // remplirMains, then the window centred and shown.
    void ouvrir();
    const EtatMains& etat() const { return etat_; }

    void PanelMainsOKClick();
    void buttonImprimerMainsClick();
    void SBColorClick();
    // The colour chosen in the dialog; an invalid colour is a cancelled dialog.
    void changerCouleur(const QColor& c);

    static QRect rectangleImpression();

private:
    int dessin(double unites) const;

    Jeu& jeu_;
    double facteur_;
    EtatMains etat_;

    Table<QFrame*, 1, 4> PanelMain;  // PanelMainSud, PanelMainEst, PanelMainNord, PanelMainOuest
    Table<Table<PetiteCarte*, 1, 18>, 1, 4> CarteMain;
    QFrame* PanelChienAvantEcart = nullptr;
    QFrame* PanelChienApresEcart = nullptr;
    Panneau* PanelChien = nullptr;
    Panneau* PanelEcart = nullptr;
    Table<PetiteCarte*, 1, 6> CarteChienAvantEcart;
    Table<PetiteCarte*, 1, 6> CarteChienApresEcart;
    Table<CadreCarte*, 1, 6> CadreEcart;
    QPushButton* PanelMainsOK = nullptr;
    QPushButton* buttonImprimerMains = nullptr;
    BoutonCouleur* SBColor = nullptr;
};
