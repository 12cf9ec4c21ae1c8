#include "ui/reprise/bouton_entrainement.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSizePolicy>
#include <QSpinBox>

#include "engine/textes.h"

BoutonEntrainement::BoutonEntrainement(std::function<int()> langue, QWidget* parent)
    : QWidget(parent), langue_(std::move(langue)) {
    setObjectName("BoutonEntrainement");
    auto* ligne = new QHBoxLayout(this);
    ligne->setContentsMargins(0, 0, 0, 0);
    // Given more room than it needs, it keeps to the right.
    ligne->addStretch();
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    label_ = new QLabel(this);
    pli_ = new QSpinBox(this);
    pli_->setObjectName("entrainementPli");
    pli_->setRange(1, 18);
    label_->setBuddy(pli_);
    bouton_ = new QPushButton(this);
    bouton_->setObjectName("entrainementDepuis");
    ligne->addWidget(label_);
    ligne->addWidget(pli_);
    ligne->addWidget(bouton_);
    connect(bouton_, &QPushButton::clicked, this, [this] {
        suivrePli();
        emit demande(pli_->value());
    });
    // The number follows the trick the window shows as soon as the pointer comes near.
    bouton_->installEventFilter(this);
    pli_->installEventFilter(this);
}

int BoutonEntrainement::pli() const { return pli_->value(); }

void BoutonEntrainement::choisirPli(int pli) { pli_->setValue(pli); }

void BoutonEntrainement::ecrireTextes(int langue) {
    label_->setText(QString::fromStdString(texte(Texte::entrainementPli, langue)));
    bouton_->setText(QString::fromStdString(texte(Texte::entrainementDepuis, langue)));
}

void BoutonEntrainement::showEvent(QShowEvent* e) {
    ecrireTextes(langue_());
    suivrePli();
    QWidget::showEvent(e);
}

bool BoutonEntrainement::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == QEvent::Enter) suivrePli();
    return QWidget::eventFilter(objet, e);
}

void BoutonEntrainement::suivrePli() {
    if (!pliPropose) return;
    const int p = pliPropose();
    if (p < 1 || p > 18 || p == dernierPropose_) return;
    dernierPropose_ = p;
    pli_->setValue(p);
}
