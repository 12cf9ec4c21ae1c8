#pragma once
// Printing a review window: a picture of its client area, stretched into a
// fixed rectangle of the page, on the default printer and without a dialog.
#include <QRect>
#include <QString>

class QPainter;
class QPixmap;
class QPrinter;
class QWidget;

// The page's pixels: the rectangles are given at this resolution, from the
// sheet's top-left corner, on the printer as in a PDF file. At 360 dots per
// inch the widest rectangle (to 2500) sits on an A4 sheet with a margin of
// about 500 on either side.
constexpr int resolutionPage = 360;

// A page rectangle given by its edges, in page pixels.
QRect rectanglePage(int gauche, int haut, int droite, int bas);

// Draws the picture stretched into the rectangle of a page being painted.
void dessinerPage(QPainter& p, const QPixmap& image, const QRect& rectangle);
// One page holding the picture, on a printer already set up; false when the job cannot start.
bool imprimerPage(QPrinter& imprimante, const QPixmap& image, const QRect& rectangle);
// The same page in an A4 PDF file; false when the file cannot be written.
bool imprimerPdf(QWidget* fenetre, const QRect& rectangle, const QString& chemin);

// The print buttons. When no printer is installed the player is told so and
// may save the page as a PDF file instead; the save dialog offers `nomFichier`,
// which says what is printed, in his documents folder. Messages in the language `langue`.
void imprimerFenetre(QWidget* fenetre, const QRect& rectangle, int langue, const QString& nomFichier);
// `nomFichier`.pdf in the player's documents folder, or in his home folder
// when he has no documents folder.
QString cheminPdfPropose(const QString& nomFichier);

// Sends the print buttons' pages to a PDF file instead of the printer, with no
// question asked (the window tests); an empty path goes back to the printer.
void redirigerImpression(const QString& cheminPdf);
