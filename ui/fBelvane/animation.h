#pragma once
// Cards in motion on the table: a played card glides from its seat to its
// place, and a finished trick gathers toward its winner. What moves is a
// picture of the card laid over the table; the table's own card images stay
// where the game put them, so the game never waits for the motion, and the
// moving picture takes the clicks made on it and does nothing with them.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <vector>

class QVariantAnimation;
class QWidget;
class ImageCarte;

class Glissement : public QObject {
    Q_OBJECT
public:
    explicit Glissement(QWidget* tapis);
    // A copy of `cible` glides from `depart` to the place of `cible`, which stays
    // unseen until the copy lands. A duration of 0 does nothing.
    void versLaTable(ImageCarte* cible, const QRect& depart, int duree);
    // Copies of the cards glide toward `vers` and vanish on arrival.
    void ramasser(const std::vector<ImageCarte*>& cartes, const QRect& vers, int duree);
    // Every motion in progress ends at once, as if it had landed.
    void terminer();
    bool enCours() const { return !vols_.empty(); }

private:
    struct Vol {
        QPointer<QVariantAnimation> animation;
        QPointer<ImageCarte> copie;
        QPointer<ImageCarte> cible;  // made visible again on landing; none for a gathered card
    };
    ImageCarte* copier(ImageCarte* source, const QRect& ou);
    void lancer(ImageCarte* copie, ImageCarte* cible, const QRect& depart, const QRect& arrivee, int duree);
    void atterrir(QVariantAnimation* animation);

    QWidget* tapis_;
    std::vector<Vol> vols_;
};
