#pragma once
// The splash window frmSplash the first window, without a border.
// Its creation composes the title and the registry key into jeu.identite and
// builds the reference pack; its two buttons choose the language, apply it
// and the stored options, and hand over to the main window.
#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class QTranslator;
class TfrmBelvane;
struct Jeu;

class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    // Scaled like every window from the screen's available area, centred, shown.
    explicit TfrmSplash(Jeu& jeu, QWidget* parent = nullptr);

    // The window that the language buttons show; created after the splash.
    void attacherPrincipale(TfrmBelvane* frmBelvane) { principale_ = frmBelvane; }
    // Qt's own texts follow the language chosen here (see traduireQt).
    void attacherTraductions(QTranslator* traductions) { traductions_ = traductions; }
    // The screen's scale (TfrmBelvane::facteurEcran), which the other windows take.
    double facteur() const { return facteur_; }
    // The splash's own scale: the screen's, or less if the splash would not fit.
    double echelle() const { return echelle_; }

    void PanelStartFrenchClick();
    void PanelStartEnglishClick();

private:
    int dessin(double unites) const;
    // Sets the language, applies it and the options, hides the splash and shows the main window.
    void passerLaMain(int langue);

    Jeu& jeu_;
    double facteur_;
    double echelle_;
    TfrmBelvane* principale_ = nullptr;
    QTranslator* traductions_ = nullptr;
    QGroupBox* FrameSplash = nullptr;
    QLabel* ImgLogo = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QLabel* ImgLogo2 = nullptr;
    QLabel* lblWarning = nullptr;
    QPushButton* PanelStartFrench = nullptr;
    QPushButton* PanelStartEnglish = nullptr;
};
