// Whose turn, who played what, who won: the four seat names beside their
// table places, the seat to play or to bid lit, and the card that wins the
// trick marked, until the table is cleared.
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "engine/jeu.h"
#include "engine/regles_moteur.h"
#include "engine/textes.h"
#include "ui/fBelvane/aides_table.h"
#include "ui/fBelvane/controles.h"

namespace {

// A frame drawn inside a card's edge; it lets every click through.
class Liseret : public QWidget {
public:
    Liseret(QWidget* parent, QColor couleur) : QWidget(parent), couleur_(couleur) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setObjectName("Liseret");
        hide();
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal e = std::max(3.0, width() / 22.0);
        p.setPen(QPen(couleur_, e));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(e / 2, e / 2, -e / 2, -e / 2), e, e);
    }

private:
    QColor couleur_;
};

const QColor or_(255, 200, 0);

// The seat whose turn it is to bid: the auction goes round once from the opening seat.
int siegeQuiParle(const Donne& d) {
    int s = d.premierJoueur;
    for (int i = 0; i < d.nbEncheres; ++i) s = siegeSuivant(s);
    return s;
}

QString style(int siege, bool allume) {
    const QColor c = couleurSiege(siege);
    const QString bord = QString("border: 2px solid rgb(%1, %2, %3); border-radius: 5px; padding: 0px 6px;")
                             .arg(c.red())
                             .arg(c.green())
                             .arg(c.blue());
    if (allume) return "QLabel { background: rgb(255, 200, 0); color: black; " + bord + " }";
    return "QLabel { background: rgba(0, 0, 0, 120); color: rgb(235, 235, 235); " + bord + " }";
}

}  // namespace

void AidesTable::creerEtiquettes() {
    for (int s = 1; s <= 4; ++s) {
        auto* e = new QLabel(tapis_);
        e->setObjectName(QString("EtiquetteSiege%1").arg(s));
        e->setAlignment(Qt::AlignCenter);
        e->setAttribute(Qt::WA_TransparentForMouseEvents);
        e->hide();
        etiquette_[s] = e;
    }
    // The mark of the winning card lives on the card itself and moves with it.
    for (int s = 1; s <= 4; ++s) new Liseret(controle<ImageCarte>(QString("CarteTable%1").arg(s)), or_);
}

// Beside each table place: South, East and West under their cards, North above
// its card. During the auction the cards are away and each seat's bid panel
// sits on its place, with the bidding bar under South's: each name then goes
// just above its seat's bid panel.
void AidesTable::placerEtiquettes() {
    const Donne& d = jeu_.donne;
    for (int s = 1; s <= 4; ++s) {
        const QWidget* carte = controle<QWidget>(QString("CarteTable%1").arg(s));
        QLabel* e = etiquette_[s];
        QFont f = e->font();
        f.setPixelSize(std::max(9, carte->height() * 9 / 100));
        f.setBold(true);
        e->setFont(f);
        e->adjustSize();
        const int l = std::max(e->width(), carte->width() * 2 / 3);
        const int h = e->height();
        const QRect r = carte->geometry();
        int haut = r.bottom() + 3;
        if (s == 3) haut = std::max(0, r.top() - h - 3);
        if (d.numeroPli == 0) {
            const QWidget* annonce = controle<QWidget>(QString("PanelDec%1").arg(s));
            haut = std::max(0, annonce->y() - h - 3);
        }
        e->setGeometry(r.center().x() - l / 2, haut, l, h);
    }
}

void AidesTable::mettreAJourTour() {
    const Donne& d = jeu_.donne;
    const bool on = jeu_.options.optionMarquerTour != 0;
    const QWidget* lancement = controle("PanelLancement");
    const bool enchere = d.numeroPli == 0 && d.nbEncheres < 4 && d.enchere[d.premierJoueur] != PAS_ENCORE_PARLE;
    const bool donneEnCours = !(lancement && lancement->isVisible()) &&
                              (enchere || (d.numeroPli >= 1 && d.numeroPli <= 19) || d.nbEncheres == 4);

    int aJouer = 0;
    if (enchere) aJouer = siegeQuiParle(d);
    else if (d.numeroPli >= 1 && d.numeroPli <= 18 && d.etatAttente == 0 && d.modeEcart == 0 && d.chienAffiche == 0 &&
             d.nbCartesPli < 4)
        aJouer = d.joueurCourant;

    int gagnant = 0;
    const bool pliFini = d.pliAffiche == 1;
    if (pliFini) gagnant = d.joueurEntame;
    else if (d.numeroPli >= 1 && d.numeroPli <= 18 && d.nbCartesPli >= 1 && d.nbCartesPli <= 3)
        gagnant = gagnantProvisoire(jeu_, d.joueurCourant);

    placerEtiquettes();
    for (int s = 1; s <= 4; ++s) {
        QLabel* e = etiquette_[s];
        const bool allume = on && (s == aJouer || (pliFini && s == gagnant));
        QString nom = QString::fromStdString(nomJoueur(s, jeu_.options.langue));
        if (pliFini && s == gagnant) nom += QString::fromUtf8(" \u2605");
        e->setText(nom);
        e->setStyleSheet(style(s, allume));
        e->setAccessibleName(pliFini && s == gagnant
                                 ? QString::fromStdString(remplacer(texte(Texte::gagnePli, jeu_.options.langue), "%1",
                                                                    nomJoueur(s, jeu_.options.langue)))
                                 : nom);
        e->setVisible(on && donneEnCours);

        auto* carte = controle<ImageCarte>(QString("CarteTable%1").arg(s));
        auto* liseret = carte->findChild<QWidget*>("Liseret");
        liseret->setGeometry(carte->rect());
        liseret->setVisible(on && s == gagnant && carte->isVisible());
    }
}
