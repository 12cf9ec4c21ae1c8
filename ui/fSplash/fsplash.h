#pragma once
// The splash window frmSplash the first window, without a border.
// Its creation composes the title and the registry key into jeu.identite and
// builds the reference pack; its two buttons choose the language, apply it
// and the stored options, and hand over to the main window.
#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
struct Jeu;

class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    // Scaled by M / 800 of this screen (TfrmBelvane::facteurEcran), centred, shown.
    explicit TfrmSplash(Jeu& jeu, QWidget* parent = nullptr);

    // The window that the language buttons show; created after the splash.
    void attacherPrincipale(QWidget* frmBelvane) { principale_ = frmBelvane; }
    double facteur() const { return facteur_; }

    void PanelStartFrenchClick();
    void PanelStartEnglishClick();

private:
    int dessin(double unites) const;
    // Sets the language, applies it and the options, hides the splash and shows the main window.
    void passerLaMain(int langue);

    Jeu& jeu_;
    double facteur_;
    QWidget* principale_ = nullptr;
    QGroupBox* FrameSplash = nullptr;
    QLabel* ImgLogo = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QLabel* ImgLogo2 = nullptr;
    QLabel* lblWarning = nullptr;
    QPushButton* PanelStartFrench = nullptr;
    QPushButton* PanelStartEnglish = nullptr;
};
