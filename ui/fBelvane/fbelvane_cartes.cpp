// The cards the human cannot choose, dimmed; the hint's card, lifted; and a
// name on every card picture for screen readers.
#include <QPainter>

#include "engine/jeu.h"
#include "engine/raisons.h"
#include "ui/fBelvane/aides_table.h"
#include "ui/fBelvane/controles.h"

namespace {

// A grey veil over a card; it lets every click through to the card.
class Voile : public QWidget {
public:
    explicit Voile(QWidget* carte) : QWidget(carte) {
        setObjectName("Voile");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(15, 15, 25, 165));
    }
};

QWidget* voileSur(QWidget* carte, bool voilee) {
    auto* v = carte->findChild<QWidget*>("Voile", Qt::FindDirectChildrenOnly);
    if (!v) v = new Voile(carte);
    v->setGeometry(carte->rect());
    v->setVisible(voilee);
    if (voilee) v->raise();
    return v;
}

}  // namespace

void AidesTable::creerVoiles() {
    for (int k = 1; k <= 24; ++k) voile_[k] = voileSur(carteMain(k), false);
}

void AidesTable::mettreAJourVoiles() {
    const Donne& d = jeu_.donne;
    const bool on = jeu_.options.optionCartesJouables != 0;
    for (int k = 1; k <= 24; ++k) {
        const bool voilee = on && (d.modeEcart ? carteNonEcartable(jeu_, k) : k <= 18 && carteInjouable(jeu_, k));
        voileSur(carteMain(k), voilee);
    }
    for (int k = 1; k <= 18; ++k) {
        ImageCarte* c = cartePoignee(k);
        if (!c) continue;
        voilePoignee_[k] = voileSur(c, on && carteNonPoignee(jeu_, k));
    }
}

bool AidesTable::carteMainVoilee(int k) const {
    const ImageCarte* c = carteMain(k);
    const auto* v = c ? c->findChild<QWidget*>("Voile", Qt::FindDirectChildrenOnly) : nullptr;
    return v && v->isVisibleTo(c);
}

bool AidesTable::cartePoigneeVoilee(int k) const {
    const ImageCarte* c = cartePoignee(k);
    const auto* v = c ? c->findChild<QWidget*>("Voile", Qt::FindDirectChildrenOnly) : nullptr;
    return v && v->isVisibleTo(c);
}

// The lifted card goes back down once the turn is over or the card is played.
void AidesTable::mettreAJourConseil() {
    if (conseil_ == 0) return;
    const Donne& d = jeu_.donne;
    const bool tour = d.humainPeutJouer && d.joueurCourant == d.joueurHumain && d.etatAttente == 0 &&
                      d.modeEcart == 0 && d.numeroPli >= 1 && d.numeroPli <= 18;
    if (!tour || !d.mainJoueur[d.joueurHumain][conseil_].enMain || !jeu_.options.optionConseilCarte) baisserConseil();
}

void AidesTable::baisserConseil() {
    if (conseil_ == 0) return;
    ImageCarte* c = carteMain(conseil_);
    // A new deal may have laid the card out again meanwhile: then it stays where it is.
    if (c->y() == hautConseil_) c->move(c->x(), c->y() + leveeConseil_);
    conseil_ = 0;
    leveeConseil_ = 0;
}

void AidesTable::nommerCartes() {
    const int langue = jeu_.options.langue;
    const bool on = jeu_.options.optionJeuAuClavier != 0;
    auto nommer = [&](ImageCarte* c) {
        if (!c) return;
        const QString nom = on && c->couleurCarte() != -1
                                ? QString::fromStdString(nomCarte(Carte{c->valeurCarte(), c->couleurCarte(), true}, langue))
                                : QString();
        if (c->accessibleName() != nom) c->setAccessibleName(nom);
    };
    for (int k = 1; k <= 24; ++k) nommer(carteMain(k));
    for (int s = 1; s <= 4; ++s) nommer(controle<ImageCarte>(QString("CarteTable%1").arg(s)));
    for (int i = 1; i <= 6; ++i) nommer(controle<ImageCarte>(QString("CarteChien%1").arg(i)));
    for (int k = 1; k <= 18; ++k) nommer(cartePoignee(k));
}
