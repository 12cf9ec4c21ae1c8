#pragma once
// What the review windows share: the small card images that show only a
// card's top-left corner, the coloured frames drawn round them, the colour
// button, and a few window helpers.
#include <QToolButton>
#include <QWidget>

#include "engine/carte.h"
#include "engine/options.h"

class QDialog;
class QScreen;
struct Zone;

// A card bitmap drawn at its natural size from the top-left corner: on a
// small image only the card's index shows.
class PetiteCarte : public QWidget {
    Q_OBJECT
public:
    explicit PetiteCarte(QWidget* parent);
    void dessiner(const Carte& c);
    int couleurCarte() const { return couleur_; }
    int valeurCarte() const { return valeur_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap image_;
    int couleur_ = -1;
    int valeur_ = 0;
};

// A rectangle with a transparent inside and a 2-pixel border; clicks go through it.
class CadreCarte : public QWidget {
    Q_OBJECT
public:
    CadreCarte(QWidget* parent, const QColor& couleur);
    void changerCouleur(const QColor& c);
    QColor couleur() const { return couleur_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor couleur_;
};

// The colour button SBColor of a review window: its face shows the colour in force.
class BoutonCouleur : public QToolButton {
    Q_OBJECT
public:
    explicit BoutonCouleur(QWidget* parent);
    void montrerCouleur(const QColor& c);
};

// The scale of a window of `dessin` design pixels (its client area at scale 1):
// `facteur`, the screen's scale, or less so that the window with its frame
// (`cadre`: title bar and borders) lies wholly inside the screen's available area.
double echelleFenetre(double facteur, QSize dessin, const QScreen* ecran, bool cadre = true);

void placer(QWidget* w, const Zone& z);
// The window's background.
void colorerFond(QWidget* fenetre, Couleur c);
// Centres the window on its screen.
void centrerSurEcran(QWidget* fenetre);
// A dialog with a fixed border, created hidden.
void preparerDialogue(QDialog* fenetre, const char* nom);
// A font of `pixels` pixels high (already scaled).
QFont policeTimes(int pixels, bool gras = true);
QFont policeBoutons(int pixels);
