#include "ui/fBelvane/animation.h"

#include <QGraphicsOpacityEffect>
#include <QVariantAnimation>
#include <algorithm>

#include "engine/carte.h"
#include "ui/fBelvane/controles.h"

Glissement::Glissement(QWidget* tapis) : QObject(tapis), tapis_(tapis) {}

ImageCarte* Glissement::copier(ImageCarte* source, const QRect& ou) {
    auto* copie = new ImageCarte(tapis_);
    copie->setObjectName("CarteEnMouvement");
    copie->dessiner(Carte{source->valeurCarte(), source->couleurCarte(), true});
    copie->setGeometry(ou);
    copie->show();
    copie->raise();
    return copie;
}

void Glissement::lancer(ImageCarte* copie, ImageCarte* cible, const QRect& depart, const QRect& arrivee, int duree) {
    auto* animation = new QVariantAnimation(this);
    animation->setStartValue(depart);
    animation->setEndValue(arrivee);
    animation->setDuration(duree);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    connect(animation, &QVariantAnimation::valueChanged, copie, [copie](const QVariant& v) {
        copie->setGeometry(v.toRect());
    });
    connect(animation, &QVariantAnimation::finished, this, [this, animation] { atterrir(animation); });
    vols_.push_back({animation, copie, cible});
    animation->start();
}

void Glissement::versLaTable(ImageCarte* cible, const QRect& depart, int duree) {
    if (!cible || duree <= 0) return;
    // A card still flying to this place lands first.
    for (const Vol& v : vols_)
        if (v.cible == cible && v.animation) v.animation->setCurrentTime(v.animation->duration());
    auto* voile = new QGraphicsOpacityEffect(cible);
    voile->setOpacity(0.0);
    cible->setGraphicsEffect(voile);
    lancer(copier(cible, depart), cible, depart, cible->geometry(), duree);
}

void Glissement::ramasser(const std::vector<ImageCarte*>& cartes, const QRect& vers, int duree) {
    if (duree <= 0) return;
    // The trick ends smaller at the winner's place, as a pile taken in.
    const QRect pile(vers.center() - QPoint(vers.width() / 3, vers.height() / 3),
                     QSize(vers.width() * 2 / 3, vers.height() * 2 / 3));
    for (ImageCarte* c : cartes) {
        if (!c || !c->isVisible()) continue;
        lancer(copier(c, c->geometry()), nullptr, c->geometry(), pile, duree);
    }
}

void Glissement::atterrir(QVariantAnimation* animation) {
    const auto it = std::find_if(vols_.begin(), vols_.end(), [animation](const Vol& v) { return v.animation == animation; });
    if (it == vols_.end()) return;
    const Vol vol = *it;
    vols_.erase(it);
    if (vol.cible) vol.cible->setGraphicsEffect(nullptr);
    if (vol.copie) {
        vol.copie->hide();
        vol.copie->deleteLater();
    }
    animation->deleteLater();
}

void Glissement::terminer() {
    const std::vector<Vol> vols = vols_;
    for (const Vol& v : vols)
        if (v.animation) v.animation->setCurrentTime(v.animation->duration());
}
