#pragma once
// Shared pieces of the trump pictures. Each scene paints in its own frame of
// largeurScene x hauteurScene pixels, origin at its top left.
#include <QLinearGradient>

#include "dessin.h"

namespace cartes {

constexpr double largeurScene = 80, hauteurScene = 108;

inline const QColor traitScene(54, 42, 34);
inline const QColor orClair(246, 212, 100), orMoyen(220, 170, 50), orSombre(140, 100, 24);
// Gold lit from the left, for the metal of the pictures.
QLinearGradient degradeOr(double gauche, double droite);

void peindreCiel(QPainter& p, const QColor& haut, const QColor& bas, double jusqua = hauteurScene);
// Rolling ground from height `y` down to the bottom of the scene.
void peindreSol(QPainter& p, double y, const QColor& couleur, double houle = 4);
QPainterPath disque(QPointF centre, double rx, double ry = -1);
QPainterPath etoile(QPointF centre, double rayon, double creux, int branches = 5);
void peindreEtoiles(QPainter& p, std::initializer_list<QPointF> places, double rayon);
void peindreNuage(QPainter& p, QPointF centre, double taille);

// The 21 scenes, trumps 1 to 21.
void sceneToupie(QPainter& p);
void sceneTulipes(QPainter& p);
void sceneArbre(QPainter& p);
void sceneChaumiere(QPainter& p);
void sceneVoilier(QPainter& p);
void sceneMoulin(QPainter& p);
void scenePoisson(QPainter& p);
void sceneOiseau(QPainter& p);
void sceneMontagnes(QPainter& p);
void scenePhare(QPainter& p);
void sceneCloche(QPainter& p);
void sceneAncre(QPainter& p);
void sceneMontgolfiere(QPainter& p);
void sceneChateau(QPainter& p);
void sceneLune(QPainter& p);
void sceneLyre(QPainter& p);
void sceneSablier(QPainter& p);
void sceneCle(QPainter& p);
void sceneSoleil(QPainter& p);
void sceneCouronne(QPainter& p);
void sceneMonde(QPainter& p);

}  // namespace cartes
