#pragma once
// The previous trick, frmPliPrecedent: the four cards of the last trick
// collected, placed as on the table (South at the bottom, East on the right,
// North at the top, West on the left).
#include <QDialog>

#include "engine/table.h"

class ImageCarte;
class QPushButton;
struct Jeu;

class TfrmPliPrecedent : public QDialog {
    Q_OBJECT
public:
    // The window takes the screen's scale `facteur`, or less when it would not
    // fit on the screen.
    TfrmPliPrecedent(Jeu& jeu, double facteur, QWidget* parent = nullptr);
    double echelle() const { return facteur_; }

    // Captions and hints in the language `langue`; the language switch calls
    // it by either name.
    Q_INVOKABLE void appliquerLangue(int langue);
    Q_INVOKABLE void ecrireTextes(int langue) { appliquerLangue(langue); }
    // Draws the previous trick, centres the window and shows it; nothing
    // while no trick has been collected.
    void afficherPliPrecedent();
    // The trick shown last; 0 before the first.
    int pliMontre() const { return pliMontre_; }

    void ButtonOkPreviousTrickClick();

private:
    int dessin(double unites) const;

    Jeu& jeu_;
    double facteur_;
    int pliMontre_ = 0;
    Table<ImageCarte*, 1, 4> cardPreviousTrick;
    QPushButton* ButtonOkPreviousTrick = nullptr;
};
