#pragma once
// Painting of the 78 card faces. Every picture is drawn in card pixels
// (90 x 150), suit symbols and pictures from paths, so the result needs no
// artwork and no particular font besides the one used for numbers.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSize>
#include <QString>

namespace cartes {

constexpr int largeurCarte = 90;
constexpr int hauteurCarte = 150;

// Suit codes of the game: 0 trump, 1 spade, 2 heart, 3 club, 4 diamond.
constexpr int atout = 0, pique = 1, coeur = 2, trefle = 3, carreau = 4;

// The inks of the suit signs: the usual two (spades and clubs black, hearts
// and diamonds red), or four, one per suit (spades black, hearts red, clubs
// green, diamonds blue) for players who tell colours apart more easily than
// shapes. Passed down with every drawing; the default paints the pack as ever.
enum class Encres { deuxCouleurs, quatreCouleurs };

QString nomCarte(int couleur, int valeur);
QImage peindreCarte(int couleur, int valeur, Encres encres = Encres::deuxCouleurs);
// The same picture painted straight at `taille` pixels (the drawing is scaled
// from card pixels, so it stays sharp at any size).
QImage peindreCarte(int couleur, int valeur, QSize taille, Encres encres = Encres::deuxCouleurs);
// The same card in card pixels on any painter, turned and scaled as it is.
void dessinerCarte(QPainter& p, int couleur, int valeur, Encres encres = Encres::deuxCouleurs);

// The application's icon: a fan of the three oudlers, the Excuse in front,
// in a square of `cote` pixels with a transparent background.
void dessinerIcone(QPainter& p, double cote);
QImage peindreIcone(int cote);

// Font used for the numbers and letters; falls back to any serif face.
void chargerPolice();
QPainterPath cheminTexte(const QString& texte, double hauteur, double etroitesse = 1.0);

// A suit symbol about one unit high, centred on the origin.
QPainterPath cheminSymbole(int couleur);
QColor couleurEncre(int couleur, Encres encres = Encres::deuxCouleurs);
void peindreSymbole(QPainter& p, int couleur, QPointF centre, double taille, bool renverse = false,
                    Encres encres = Encres::deuxCouleurs);

// The cream face with its border, and the two corner indices.
void peindreFond(QPainter& p);
void peindreIndex(QPainter& p, const QString& texte, int couleur, Encres encres = Encres::deuxCouleurs);
// Draws the same thing upright at top left and upside down at bottom right.
template <typename Dessin>
void deuxCoins(QPainter& p, Dessin dessin) {
    dessin(p);
    p.save();
    p.translate(largeurCarte, hauteurCarte);
    p.rotate(180);
    dessin(p);
    p.restore();
}

void peindrePoints(QPainter& p, int couleur, int valeur, Encres encres = Encres::deuxCouleurs);
void peindreFigure(QPainter& p, int couleur, int valeur, Encres encres = Encres::deuxCouleurs);
void peindreAtout(QPainter& p, int valeur);
void peindreExcuse(QPainter& p);

// Small shared drawing helpers.
QPainterPath polygone(std::initializer_list<QPointF> points);
void remplir(QPainter& p, const QPainterPath& chemin, const QColor& fond, const QColor& trait, double epaisseur = 0.6);
QColor melange(const QColor& a, const QColor& b, double t);
// A thick line through the points, as a path to fill.
QPainterPath trace(std::initializer_list<QPointF> points, double epaisseur);

}  // namespace cartes
