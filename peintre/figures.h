#pragma once
// Shared pieces of the four figures (valet, cavalier, dame, roi).
#include "dessin.h"

namespace cartes {

struct Palette {
    QColor habit;     // the main cloth, one hue per suit
    QColor habitClair;
    QColor habitFonce;
    QColor second;    // a contrasting cloth
    QColor or_ = QColor(222, 176, 58);
    QColor orFonce = QColor(150, 108, 24);
    QColor peau = QColor(244, 210, 174);
    QColor trait = QColor(58, 40, 30);
    QColor cheveux;
    QColor cheval;    // the cavalier's horse
    QColor chevalFonce;
};

Palette paletteFigure(int couleur);

// The picture's frame, inside which each figure stands.
QRectF cadreFigure();
void peindreCadreFigure(QPainter& p, const Palette& pal);

// A face seen from the front, centred on `centre`.
void peindreVisage(QPainter& p, QPointF centre, double rx, double ry, const Palette& pal, bool femme);

void peindreRoi(QPainter& p, int couleur, const Palette& pal, Encres encres);
void peindreDame(QPainter& p, int couleur, const Palette& pal, Encres encres);
void peindreValet(QPainter& p, int couleur, const Palette& pal, Encres encres);
void peindreCavalier(QPainter& p, int couleur, const Palette& pal, Encres encres);

}  // namespace cartes
