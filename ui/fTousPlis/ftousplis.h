#pragma once
// The 18 tricks of the deal, frmTousPlis: three rows of six crosses of small
// cards, a frame round each trick's lead (green for the taker, blue
// otherwise), and a card-by-card replay on its own one-second timer.
#include <QDialog>
#include <QTimer>

#include "engine/table.h"
#include "flow/revue.h"

class BoutonCouleur;
class CadreCarte;
class Panneau;
class PetiteCarte;
class QPushButton;
struct Jeu;

class TfrmTousPlis : public QDialog {
    Q_OBJECT
public:
    // `facteur` scales the buttons and fonts of the 800-wide design; the cards
    // follow jeu.disposition's echelleX and echelleY.
    // The window takes the screen's scale `facteur`, or less when it would not
    // fit on the screen; the cards and the buttons follow that one scale.
    TfrmTousPlis(Jeu& jeu, double facteur, QWidget* parent = nullptr);
    double echelle() const { return facteur_; }
    // The client area at scale 1.
    static QSize tailleDessin();

    // Captions and hints in the language `langue`; the language switch calls
    // it by either name.
    Q_INVOKABLE void appliquerLangue(int langue);
    Q_INVOKABLE void ecrireTextes(int langue) { appliquerLangue(langue); }
    // Stops the replay and shows every trick of the deal.
    void remplirTousPlis();
    // remplirTousPlis, then the window centred and shown.
    void ouvrir();

    const EtatTousPlis& etat() const { return etat_; }
    bool replayEnCours() const { return timerTousPlis.isActive(); }

    // The buttons and the replay timer.
    void PanelPasApasClick();
    void timerTousPlisTimer();
    void panelEnArriereClick();
    void PanelEffacerClick();
    void PanelVoirToutClick();
    void PanelPlisOkClick();
    void buttonImprimerPlisClick();
    void SBColorClick();
    // The colour chosen in the dialog; an invalid colour is a cancelled dialog.
    void changerCouleur(const QColor& c);

    // Where the print button puts the picture on the page.
    static QRect rectangleImpression();

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    // Hidden by a new deal: the replay of the last deal's tricks stops too.
    void hideEvent(QHideEvent* e) override;

private:
    int dessin(double unites) const;
    // The images, frames, play button and timer as etat_ says.
    void montrerEtat();
    void arreterReplay();

    Jeu& jeu_;
    double facteur_;
    EtatTousPlis etat_;

    Table<PetiteCarte*, 1, 72> CartePli;
    Table<CadreCarte*, 1, 18> CadrePli;
    Panneau* panelLecture = nullptr;
    QPushButton* PanelPasApas = nullptr;
    QPushButton* panelEnArriere = nullptr;
    QPushButton* PanelEffacer = nullptr;
    QPushButton* PanelVoirTout = nullptr;
    QPushButton* PanelPlisOk = nullptr;
    QPushButton* buttonImprimerPlis = nullptr;
    BoutonCouleur* SBColor = nullptr;
    QTimer timerTousPlis;
};
