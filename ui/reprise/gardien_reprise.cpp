#include "ui/reprise/gardien_reprise.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "engine/jeu.h"
#include "engine/textes.h"
#include "historique/base.h"
#include "historique/donne_archivee.h"
#include "reprise/entrainement.h"
#include "reprise/reafficher.h"
#include "reprise/reprise.h"
#include "ui/fAnalyse/fanalyse.h"
#include "ui/fBelvane/aides_table.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fHistorique/fhistorique.h"
#include "ui/fTousPlis/ftousplis.h"
#include "ui/reprise/bouton_entrainement.h"

namespace {

std::string txt(Texte t, const Jeu& jeu) { return texte(t, jeu.options.langue); }

// The trick of the last card the 18-tricks replay shows (0: all or none shown).
int pliDuReplay(const TfrmTousPlis& w) {
    const int etape = w.etat().etapePlis;
    return etape >= 2 && etape <= 72 ? (etape - 2) / 4 + 1 : 0;
}

// The 18-tricks window has no room left in its row of buttons: one more row
// under it, the control at the right under OK, wide enough for either language.
void placerSousLesBoutons(QWidget* plis, BoutonEntrainement* b) {
    const auto* ok = plis->findChild<QPushButton*>("PanelPlisOk");
    if (!ok) return;
    int largeur = 0;
    for (int langue : {FRANCAIS, ANGLAIS}) {
        b->ecrireTextes(langue);
        largeur = std::max(largeur, b->sizeHint().width());
    }
    const int ecart = ok->height() / 3;
    const int haut = ok->geometry().bottom() + 1 + ecart;
    b->setGeometry(ok->geometry().right() + 1 - largeur, haut, largeur, ok->height());
    plis->setFixedSize(plis->width(), haut + ok->height() + ecart);
}

// The row of buttons of a window laid out by boxes: the one that holds `voisin`.
QBoxLayout* ligneDe(QLayout* racine, QWidget* voisin) {
    if (!racine) return nullptr;
    if (racine->indexOf(voisin) >= 0) return qobject_cast<QBoxLayout*>(racine);
    for (int i = 0; i < racine->count(); ++i)
        if (QBoxLayout* l = ligneDe(racine->itemAt(i)->layout(), voisin)) return l;
    return nullptr;
}

}  // namespace

GardienReprise::GardienReprise(Jeu& jeu, TfrmBelvane& fenetre, Reprise& reprise, BaseHistorique* historique)
    : QObject(nullptr),
      jeu_(jeu),
      fenetre_(fenetre),
      reprise_(reprise),
      historique_(historique),
      reels_(jeu.minuteurs),
      suivis_(*jeu.minuteurs) {
    jeu_.minuteurs = &suivis_;
    suivis_.apresChangement = [this] { planifier(); };
    qApp->installEventFilter(this);

    reprendreCarte_ = new QAction(&fenetre_);
    reprendreCarte_->setObjectName("menuReprendreCarte");
    reprendreCarte_->setShortcut(QKeySequence::Undo);
    reprendreCarte_->setShortcutContext(Qt::WindowShortcut);
    reprendreCarte_->setEnabled(false);
    fenetre_.addAction(reprendreCarte_);
    if (auto* menu = fenetre_.findChild<QMenu*>("menuBelvane")) {
        QAction* apres = fenetre_.findChild<QAction*>("menuGameAgain");
        const QList<QAction*> articles = menu->actions();
        const qsizetype i = articles.indexOf(apres);
        menu->insertAction(i >= 0 && i + 1 < articles.size() ? articles[i + 1] : nullptr, reprendreCarte_);
    }
    connect(reprendreCarte_, &QAction::triggered, this, &GardienReprise::reprendreCarte);
    ajouterBoutons();
    // The file of the last run is read now, before this run saves anything over it.
    etatDepart_ = reprise_.ouvrir();
}

GardienReprise::~GardienReprise() {
    qApp->removeEventFilter(this);
    if (jeu_.minuteurs == &suivis_) jeu_.minuteurs = reels_;
}

void GardienReprise::ajouterBoutons() {
    auto langue = [this] { return jeu_.options.langue; };
    // The 18 tricks of the deal just played: beside its Analysis button.
    if (TfrmTousPlis* plis = fenetre_.frmTousPlis()) {
        auto* b = new BoutonEntrainement(langue, plis);
        b->pliPropose = [plis] { return pliDuReplay(*plis); };
        placerSousLesBoutons(plis, b);
        connect(b, &BoutonEntrainement::demande, this, &GardienReprise::entrainerDonneJouee);
    }
    // The analysis of the deal just played: the trick it shows.
    if (TfrmAnalyse* analyse = fenetre_.frmAnalyse()) {
        auto* b = new BoutonEntrainement(langue, analyse);
        b->pliPropose = [analyse] { return analyse->pliMontre(); };
        if (QBoxLayout* l = ligneDe(analyse->layout(), analyse->findChild<QPushButton*>("boutonFermer")))
            l->insertWidget(0, b);
        connect(b, &BoutonEntrainement::demande, this, &GardienReprise::entrainerDonneJouee);
    }
    // The history: the selected deal, and the 18 tricks it opens.
    TfrmHistorique* h = fenetre_.frmHistorique();
    if (!h || !historique_) return;
    auto* b = new BoutonEntrainement(langue, h);
    if (QBoxLayout* l = ligneDe(h->layout(), h->findChild<QPushButton*>("boutonRejouer")))
        l->insertWidget(l->indexOf(h->findChild<QPushButton*>("boutonRejouer")) + 1, b);
    connect(b, &BoutonEntrainement::demande, this, &GardienReprise::entrainerDonneHistorique);
    if (TfrmTousPlis* plis = h->frmTousPlis()) {
        auto* bp = new BoutonEntrainement(langue, plis);
        bp->pliPropose = [plis] { return pliDuReplay(*plis); };
        placerSousLesBoutons(plis, bp);
        connect(bp, &BoutonEntrainement::demande, this, &GardienReprise::entrainerDonneHistorique);
    }
}

bool GardienReprise::eventFilter(QObject* objet, QEvent* e) {
    switch (e->type()) {
        case QEvent::MouseButtonRelease:
        case QEvent::KeyPress:
        case QEvent::KeyRelease: planifier(); break;
        case QEvent::Show:
            if (objet == &fenetre_ && !propose_) {
                propose_ = true;
                QTimer::singleShot(0, this, &GardienReprise::proposer);
            }
            break;
        default: break;
    }
    return QObject::eventFilter(objet, e);
}

// Once the step under way is over: the click or the timer's handler has returned.
void GardienReprise::planifier() {
    if (prevu_) return;
    prevu_ = true;
    QTimer::singleShot(0, this, [this] {
        prevu_ = false;
        noter();
    });
}

void GardienReprise::noter() {
    const bool ecrit = reprise_.noterEtape(jeu_, suivis_.armes());
    reprendreCarte_->setEnabled(reprise_.peutReprendreCarte(jeu_));
    if (ecrit || ecritureEchouee_) return;
    // Told once a run: the game goes on, only a close would lose the deal.
    ecritureEchouee_ = true;
    fenetre_.message(titreProgramme, txt(Texte::repriseImpossible, jeu_) + reprise_.chemin().toStdString());
}

void GardienReprise::proposer() {
    reprendreCarte_->setText(QString::fromStdString(txt(Texte::menuReprendreCarte, jeu_)));
    const EtatReprise etat = etatDepart_;
    etatDepart_ = EtatReprise::aucune;
    if (etat == EtatReprise::miseDeCote) {
        fenetre_.message(titreProgramme, txt(Texte::repriseMiseDeCote, jeu_) + reprise_.cheminMisDeCote().toStdString());
        return;
    }
    if (etat != EtatReprise::prete) return;
    // A deal already dealt in this run is not thrown away for the old one.
    if (jeu_.donne.mainInitiale[1][1].couleur != SANS_COULEUR || !fenetre_.questionOuiNon(titreProgramme, txt(Texte::repriseQuestion, jeu_))) {
        reprise_.abandonner();
        return;
    }
    MinuteursArmes m;
    if (reprise_.reprendre(jeu_, m)) montrer(m);
}

void GardienReprise::reprendreCarte() {
    MinuteursArmes m;
    if (reprise_.reprendreCarte(jeu_, m)) montrer(m);
}

void GardienReprise::montrer(const MinuteursArmes& m) {
    reafficherDonne(jeu_);
    armerMinuteurs(jeu_, m);
    // The seat to play, the playable cards, the hint: as the restored deal says.
    if (fenetre_.aides()) fenetre_.aides()->mettreAJour();
    noter();
}

void GardienReprise::entrainer(const DonneArchivee& a, int pli) {
    // A deal under way is given up only if the player agrees.
    if (fenetre_.aides() && !fenetre_.aides()->confirmerAbandon()) return;
    if (!entrainerDepuis(jeu_, a, pli)) {
        fenetre_.message(titreProgramme, txt(Texte::entrainementImpossible, jeu_));
        return;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{fenetre_.frmTousPlis(), fenetre_.frmAnalyse(),
                                                      fenetre_.frmHistorique()})
        if (w) w->hide();
    if (fenetre_.frmHistorique()) fenetre_.frmHistorique()->fermerRevues();
    fenetre_.raise();
    fenetre_.activateWindow();
    if (fenetre_.aides()) fenetre_.aides()->mettreAJour();
    noter();
}

void GardienReprise::entrainerDonneJouee(int pli) {
    if (jeu_.donne.numeroPli != 19 || jeu_.donne.preneur == 0) return;
    entrainer(archiverDonne(jeu_, ""), pli);
}

void GardienReprise::entrainerDonneHistorique(int pli) {
    TfrmHistorique* h = fenetre_.frmHistorique();
    if (!h || !historique_ || h->ligneChoisie() < 0) return;
    const std::optional<DonneArchivee> a = historique_->lire(h->ligne(h->ligneChoisie()).id);
    if (!a) {
        fenetre_.message(titreProgramme, txt(Texte::entrainementImpossible, jeu_));
        return;
    }
    entrainer(*a, pli);
}
