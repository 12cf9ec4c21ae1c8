#pragma once
// The 78 card pictures (90 x 150), painted at build time and compiled into the
// application's resources under ":/cartes/".
#include <QPixmap>
#include <QString>

#include "peintre/dessin.h"

class QWidget;

using Encres = cartes::Encres;

// "ATOUT1".."ATOUT21", "PIQUE1".."PIQUE14", "COEUR…", "TREFLE…", "CARREAU…",
// and "ATOUT22" for the Excuse (suit 0, value 0); empty for a card that does not exist.
QString nomImageCarte(int couleur, int valeur);

// The picture of that name, loaded once and kept; a null pixmap for an unknown name.
QPixmap imageCarte(const QString& nom);
QPixmap imageCarte(int couleur, int valeur);

// The card painted at `pixels` (device pixels: the size on screen times the
// screen's pixel ratio), so that it is never an enlarged or blurred copy; the
// pictures of the sizes in use are kept, each with its inks. At 90 x 150 in
// two colours it is the picture above; in four colours it is painted too.
// Without the painter's font it falls back to the picture smoothly scaled.
QPixmap imageCarte(int couleur, int valeur, QSize pixels, Encres encres = Encres::deuxCouleurs);
// The painted picture at `pixels` if it is already kept, else null: a window
// being resized draws a quick copy meanwhile and paints once the size settles.
QPixmap imageCarteGardee(int couleur, int valeur, QSize pixels, Encres encres = Encres::deuxCouleurs);

// The inks a card control paints with: those its window says, found up the
// chain of its parents (the main window keeps the four-colour option there,
// for itself and for every window it owns); two colours when none says.
Encres encresDe(const QWidget* controle);
// What encresDe reads: set on a window, it holds for every control inside it
// and for the windows it owns.
void fixerEncres(QWidget* fenetre, Encres encres);
