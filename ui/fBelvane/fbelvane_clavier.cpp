// Keyboard play: Left and Right (Home, End) move a frame over the hand's
// cards, Enter plays the framed card or, on the discard screen and in the
// handful window, lifts it or puts it back (and presses the confirm button
// once the frame is on it); the digits 1 to 5 bid. The space bar keeps its
// meaning, and the other keys go where they always went.
#include <QAbstractButton>
#include <QMainWindow>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include "engine/enchere.h"
#include "engine/raisons.h"
#include "engine/jeu.h"
#include "ui/fBelvane/aides_table.h"
#include "ui/fBelvane/controles.h"

namespace {

// A bright frame around the card the keyboard would play; clicks go through it.
class CadreFocus : public QWidget {
public:
    explicit CadreFocus(QWidget* parent) : QWidget(parent) {
        setObjectName("CadreFocus");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal e = std::max(3.0, width() / 25.0);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 160), e + 2));
        p.drawRoundedRect(QRectF(rect()).adjusted(e, e, -e, -e), e, e);
        p.setPen(QPen(QColor(0, 230, 255), e));
        p.drawRoundedRect(QRectF(rect()).adjusted(e, e, -e, -e), e, e);
    }
};

// Frames the part of `cible` that shows: a card of a fanned row is covered on
// its right by the next card shown, which the frame must not seem to hold too.
void encadrer(QWidget*& cadre, QWidget* parent, QWidget* cible) {
    if (!cadre) cadre = new CadreFocus(parent);
    if (!cible) {
        cadre->hide();
        return;
    }
    QRect r = cible->geometry();
    for (const QObject* o : cible->parentWidget()->children()) {
        const auto* voisin = qobject_cast<const ImageCarte*>(o);
        if (!voisin || voisin == cible || !voisin->isVisible() || voisin->objectName() == "CarteEnMouvement") continue;
        const QRect v = voisin->geometry();
        const bool dessus = cible->parentWidget()->children().indexOf(const_cast<ImageCarte*>(voisin)) >
                            cible->parentWidget()->children().indexOf(cible);
        if (dessus && v.x() > r.x() && v.x() < r.right() && v.intersects(r) && v.height() == r.height())
            r.setRight(v.x() + r.width() / 6);
    }
    const int e = std::max(3, cible->width() / 25);
    cadre->setGeometry(r.adjusted(-e, -e, e, e));
    cadre->show();
    cadre->raise();
}

constexpr int CONFIRMER = 25;

}  // namespace

// The positions the keyboard walks over now: the hand during the human's
// turn, the 24 cards of the discard screen; 0 when none.
int AidesTable::positionsClavier() const {
    const Donne& d = jeu_.donne;
    if (d.modeEcart == 1) return 24;
    const bool tour = d.humainPeutJouer && d.joueurCourant == d.joueurHumain && d.etatAttente == 0 &&
                      d.numeroPli >= 1 && d.numeroPli <= 18 && d.poigneeEnCours == 0;
    return tour ? 18 : 0;
}

bool AidesTable::focusJouable(int k) const {
    const Donne& d = jeu_.donne;
    if (d.modeEcart == 1) return !carteNonEcartable(jeu_, k);
    return d.jouable[d.joueurHumain][k] == 1 && d.mainJoueur[d.joueurHumain][k].enMain;
}

void AidesTable::mettreAJourFocus() {
    const int n = jeu_.options.optionJeuAuClavier ? positionsClavier() : 0;
    QWidget* confirmer = controle("PanelConfirmeEcart");
    const bool avecConfirmer = n == 24 && confirmer && confirmer->isVisible();
    if (n == 0) {
        tourHumainVu_ = false;
        focus_ = 0;
        encadrer(cadreFocus_, tapis_, nullptr);
    } else {
        const bool valide = (focus_ >= 1 && focus_ <= n && carteMain(focus_)->isVisible()) ||
                            (focus_ == CONFIRMER && avecConfirmer);
        // A new turn starts the frame on a playable card.
        if (!tourHumainVu_ || !valide) {
            if (!(valide && focus_ != CONFIRMER && focusJouable(focus_))) {
                focus_ = 0;
                for (int k = 1; k <= n && focus_ == 0; ++k)
                    if (carteMain(k)->isVisible() && focusJouable(k)) focus_ = k;
            }
            tourHumainVu_ = true;
        }
        encadrer(cadreFocus_, tapis_, focus_ == CONFIRMER ? confirmer : focus_ ? carteMain(focus_) : nullptr);
    }

    // The handful window.
    QWidget* poignee = fenetrePoignee();
    const SelectionPoignee& p = jeu_.poignee;
    if (!poignee || !p.ouverte || !jeu_.options.optionJeuAuClavier) {
        focusPoignee_ = 0;
        if (cadreFocusPoignee_) cadreFocusPoignee_->hide();
        return;
    }
    if (focusPoignee_ < 1 || focusPoignee_ > p.nbAtoutsHumain + 1) focusPoignee_ = 1;
    auto* ok = poignee->findChild<QWidget*>("PanelOkPoignee");
    if (focusPoignee_ == p.nbAtoutsHumain + 1 && !(ok && ok->isVisible())) focusPoignee_ = p.nbAtoutsHumain;
    QWidget* cadre = cadreFocusPoignee_;
    encadrer(cadre, poignee, focusPoignee_ <= p.nbAtoutsHumain ? cartePoignee(focusPoignee_) : ok);
    cadreFocusPoignee_ = cadre;
}

bool AidesTable::touche(QObject* objet, int cle, Qt::KeyboardModifiers mods) {
    if (!jeu_.options.optionJeuAuClavier) return false;
    auto* w = qobject_cast<QWidget*>(objet);
    if (!w || (mods & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    QWidget* fenetre = w->window();
    const bool entree = cle == Qt::Key_Return || cle == Qt::Key_Enter;
    const bool deplacement = cle == Qt::Key_Left || cle == Qt::Key_Right || cle == Qt::Key_Home || cle == Qt::Key_End;

    if (fenetre == fenetrePoignee() && jeu_.poignee.ouverte) {
        const int n = jeu_.poignee.nbAtoutsHumain;
        auto* ok = fenetre->findChild<QAbstractButton*>("PanelOkPoignee");
        const int dernier = ok && ok->isVisible() ? n + 1 : n;
        if (deplacement) {
            int k = focusPoignee_;
            if (cle == Qt::Key_Left) k = std::max(1, k - 1);
            if (cle == Qt::Key_Right) k = std::min(dernier, k + 1);
            if (cle == Qt::Key_Home) k = 1;
            if (cle == Qt::Key_End) k = dernier;
            focusPoignee_ = k;
            mettreAJourFocus();
            return true;
        }
        if (entree && focusPoignee_ >= 1) {
            if (focusPoignee_ <= n) emit cartePoignee(focusPoignee_)->clic();
            else if (ok) ok->click();
            mettreAJour();
            return true;
        }
        return false;
    }
    if (fenetre != fenetre_) return false;

    const Donne& d = jeu_.donne;
    if (cle >= Qt::Key_1 && cle <= Qt::Key_5) {
        QWidget* barre = controle("BarreEnchere");
        if (d.numeroPli != 0 || !barre || !barre->isVisible()) return false;
        annoncerEnchere(jeu_, cle - Qt::Key_1);
        planifierMiseAJour();
        return true;
    }
    const int n = positionsClavier();
    if (n == 0 || !(deplacement || entree)) return false;
    if (deplacement) {
        QWidget* confirmer = controle("PanelConfirmeEcart");
        std::vector<int> ordre;
        for (int k = 1; k <= n; ++k)
            if (carteMain(k)->isVisible()) ordre.push_back(k);
        if (n == 24 && confirmer && confirmer->isVisible()) ordre.push_back(CONFIRMER);
        if (ordre.empty()) return true;
        auto it = std::find(ordre.begin(), ordre.end(), focus_);
        std::size_t i = it == ordre.end() ? 0 : static_cast<std::size_t>(it - ordre.begin());
        if (cle == Qt::Key_Left && i > 0) --i;
        if (cle == Qt::Key_Right && i + 1 < ordre.size()) ++i;
        if (cle == Qt::Key_Home) i = 0;
        if (cle == Qt::Key_End) i = ordre.size() - 1;
        focus_ = ordre[i];
        tourHumainVu_ = true;
        mettreAJourFocus();
        return true;
    }
    if (focus_ == CONFIRMER) {
        if (auto* b = qobject_cast<QAbstractButton*>(controle("PanelConfirmeEcart"))) b->click();
    } else if (focus_ >= 1 && focus_ <= n) {
        noterClicCarte(focus_);
        emit carteMain(focus_)->clic();
    }
    mettreAJour();
    return true;
}
