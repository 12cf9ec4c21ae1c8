// Accessibility: the four-colour pack on every card of the game's windows,
// and the screen reader's announcements.
#include <QAccessible>
#include <QLabel>

#include "ui/cartes/cartes.h"
#include "ui/fBelvane/fbelvane.h"

void TfrmBelvane::creerAccessibilite() {
    // Qt 6.4 has no announcement event (QAccessibleAnnouncementEvent came
    // with 6.8): a label of its own carries the sentence as its text and
    // accessible name, and each new sentence is sent to the screen reader as
    // a name change and an alert on it. It sits behind the table, one pixel
    // wide, with nothing drawn: it must be shown to be read.
    annonceLecteur = new QLabel(centre_);
    annonceLecteur->setObjectName("annonceLecteur");
    annonceLecteur->setGeometry(0, 0, 1, 1);
    annonceLecteur->setAttribute(Qt::WA_TransparentForMouseEvents);
    annonceLecteur->setStyleSheet("color: transparent; background: transparent;");
    annonceLecteur->setFocusPolicy(Qt::NoFocus);
    annonceLecteur->lower();
}

void TfrmBelvane::annoncer(const std::string& texte) {
    if (!annonceLecteur) return;
    const QString phrase = QString::fromStdString(texte);
    // The label's name is the sentence: setting it sends the name change
    // (Qt 6.4 sends it even when the sentence is the one said last, "your
    // turn" again after a card taken back); the alert follows every sentence.
    annonceLecteur->setText(phrase);
    annonceLecteur->setAccessibleName(phrase);
    QAccessibleEvent alerte(annonceLecteur, QAccessible::Alert);
    QAccessible::updateAccessibility(&alerte);
}

void TfrmBelvane::attacherPoignee(Vue* frmPoignee) {
    frmPoignee_ = frmPoignee;
    // Its cards take the inks in force.
    if (auto* poignee = dynamic_cast<QWidget*>(frmPoignee_)) fixerEncres(poignee, encresDe(this));
}

void TfrmBelvane::encresCartes(bool quatreCouleurs) {
    const Encres encres = quatreCouleurs ? Encres::quatreCouleurs : Encres::deuxCouleurs;
    if (encresDe(this) == encres) return;
    // The handful window is a window of its own; every other one is owned by this one.
    QList<QWidget*> fenetres{this};
    if (auto* poignee = dynamic_cast<QWidget*>(frmPoignee_)) fenetres.push_back(poignee);
    for (QWidget* f : fenetres) {
        fixerEncres(f, encres);
        // Every card shown is drawn again with the new inks.
        for (QWidget* w : f->findChildren<QWidget*>()) w->update();
        f->update();
    }
    // The suit symbols of the deductions panel take the same inks.
    if (construite_) disposerDeductions();
}
