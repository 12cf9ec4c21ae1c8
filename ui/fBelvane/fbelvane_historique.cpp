// The main window's part of the history of the deals: its three menu items,
// the deal's code on the result panel, and the end of every deal written to
// the history.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "engine/jeu.h"
#include "engine/textes.h"
#include "historique/base.h"
#include "historique/code_donne.h"
#include "historique/donne_archivee.h"
#include "historique/rejouer.h"
#include "settings/options.h"
#include "ui/fBelvane/controles.h"
#include "ui/fAnalyse/analyse_fond.h"
#include "ui/fAnalyse/fanalyse.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fHistorique/fhistorique.h"
#include "ui/fStatistiques/fstatistiques.h"

namespace {

QString qs(Texte t, int langue) { return QString::fromStdString(texte(t, langue)); }

}  // namespace

void TfrmBelvane::creerHistorique() {
    // In the first menu, between the deal's commands and the scores' reset.
    auto article = [this](const char* nom, const QKeySequence& touches) {
        auto* a = new QAction(this);
        a->setObjectName(nom);
        a->setShortcut(touches);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setEnabled(false);
        menuBelvane->insertAction(menuInitScores, a);
        return a;
    };
    menuHistorique = article("menuHistorique", QKeySequence(Qt::CTRL | Qt::Key_H));
    menuStatistiques = article("menuStatistiques", QKeySequence(Qt::CTRL | Qt::Key_T));
    menuJouerCode = article("menuJouerCode", QKeySequence(Qt::CTRL | Qt::Key_J));
    menuJouerCode->setEnabled(true);  // a code needs no history
    menuBelvane->insertSeparator(menuInitScores);
    connect(menuHistorique, &QAction::triggered, this, &TfrmBelvane::menuHistoriqueClick);
    connect(menuStatistiques, &QAction::triggered, this, &TfrmBelvane::menuStatistiquesClick);
    connect(menuJouerCode, &QAction::triggered, this, &TfrmBelvane::menuJouerCodeClick);

    // Whether the result panel shows the deal's code, in the Show/Hide menu.
    menuCodeDonne = new QAction(this);
    menuCodeDonne->setObjectName("menuCodeDonne");
    menuCodeDonne->setCheckable(true);
    menuVoir->insertAction(menuPreviousTrick, menuCodeDonne);
    menuVoir->insertSeparator(menuPreviousTrick);
    connect(menuCodeDonne, &QAction::triggered, this, &TfrmBelvane::menuCodeDonneClick);
    connect(menuVoir, &QMenu::aboutToShow, this,
            [this] { menuCodeDonne->setChecked(jeu_.options.optionCodeDonne != 0); });

    // The deal's code in the top strip of the result panel, with its copy button.
    PanelCodeDonne = new QLabel(PanelResultat);
    PanelCodeDonne->setObjectName("PanelCodeDonne");
    PanelCodeDonne->setGeometry(rectDessin(8, 1, 330, 12));
    PanelCodeDonne->setFont(police(7));
    PanelCodeDonne->setStyleSheet("color: rgb(200, 215, 235);");
    PanelCodeDonne->setTextInteractionFlags(Qt::TextSelectableByMouse);
    PanelCopierCode = new QPushButton(PanelResultat);
    PanelCopierCode->setObjectName("PanelCopierCode");
    PanelCopierCode->setGeometry(rectDessin(340, 1, 52, 12));
    PanelCopierCode->setFont(police(6.5));
    PanelCopierCode->setFocusPolicy(Qt::NoFocus);
    PanelCopierCode->setCursor(Qt::PointingHandCursor);
    connect(PanelCopierCode, &QPushButton::clicked, this, &TfrmBelvane::PanelCopierCodeClick);
}

void TfrmBelvane::attacherHistorique(BaseHistorique* base) {
    historique_ = base;
    menuHistorique->setEnabled(base != nullptr);
    menuStatistiques->setEnabled(base != nullptr);
    if (!base) {
        jeu_.donneTerminee = nullptr;
        return;
    }
    jeu_.donneTerminee = [this](const Jeu& jeu) { noterDonne(jeu); };
    frmHistorique_ = new TfrmHistorique(jeu_, *base, facteur_, this);
    frmHistorique_->rejouer = [this](const Repartition& r) { rejouerRepartitionClick(r); };
    frmHistorique_->analyser = [this](const Donne& d, long long id) {
        if (analyseFond_->idEnCours() == id) analyseFond_->arreter();
        frmAnalyse_->analyser(d, id);
    };
    frmStatistiques_ = new TfrmStatistiques(jeu_, *base, *frmHistorique_, facteur_, this);
}

void TfrmBelvane::noterDonne(const Jeu& jeu) {
    if (!historique_) return;
    DonneArchivee a = archiverDonne(jeu, QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString());
    historique_->ajouter(a);
    // The coach's verdict while the next deal is played.
    idDerniereDonne_ = a.id;
    if (a.id > 0 && jeu.donne.preneur > 0)
        analyseFond_->lancer(jeu.donne, jeu.donne.joueurHumain, a.id, secondesAnalyse(jeu.options));
    avertirHistorique();
    if (frmHistorique_->isVisible()) frmHistorique_->recharger();
    if (frmStatistiques_->isVisible()) frmStatistiques_->recharger();
}

void TfrmBelvane::noterVerdict(long long id, const VerdictArchive& v) {
    if (!historique_ || id <= 0) return;
    historique_->noterVerdict(id, v);
    if (frmHistorique_->isVisible()) frmHistorique_->recharger();
}

// The one message of the run about the history, in the player's language.
void TfrmBelvane::avertirHistorique() {
    if (!historique_) return;
    const std::optional<EtatHistorique> e = historique_->avertissement();
    if (!e) return;
    const QString chemin = *e == EtatHistorique::miseDeCote ? historique_->cheminMisDeCote() : historique_->chemin();
    message(titreProgramme, texteAvertissementHistorique(static_cast<int>(*e), chemin, jeu_.options.langue).toStdString());
}

void TfrmBelvane::menuHistoriqueClick() {
    if (!historique_) return;
    historique_->ouvrir();
    avertirHistorique();
    frmHistorique_->ouvrir();
}

void TfrmBelvane::menuStatistiquesClick() {
    if (!historique_) return;
    historique_->ouvrir();
    avertirHistorique();
    frmStatistiques_->ouvrir();
}

void TfrmBelvane::rejouerRepartitionClick(const Repartition& r) {
    if (frmHistorique_) frmHistorique_->fermerRevues();
    rejouerRepartition(jeu_, r);
    raise();
    activateWindow();
}

bool TfrmBelvane::jouerDonneParCode(const QString& code, QString* refus) {
    const LectureCode lu = lireCode(code.toStdString());
    if (lu.erreur != ErreurCode::aucune) {
        if (refus) *refus = texteErreurCode(lu.erreur, jeu_.options.langue);
        return false;
    }
    if (frmHistorique_) frmHistorique_->hide();
    rejouerRepartitionClick(lu.repartition);
    return true;
}

void TfrmBelvane::menuJouerCodeClick() {
    const int langue = jeu_.options.langue;
    QString code = QApplication::clipboard()->text().trimmed();
    if (lireCode(code.toStdString()).erreur != ErreurCode::aucune) code.clear();
    for (;;) {
        bool ok = false;
        code = QInputDialog::getText(this, qs(Texte::codeDonneTitre, langue), qs(Texte::codeDonneInvite, langue),
                                     QLineEdit::Normal, code, &ok);
        if (!ok) return;
        QString refus;
        if (jouerDonneParCode(code, &refus)) return;
        QMessageBox::warning(this, qs(Texte::codeDonneTitre, langue), refus);
    }
}

void TfrmBelvane::menuCodeDonneClick() {
    // As every option: in force and saved at once.
    jeu_.options.optionCodeDonne = jeu_.options.optionCodeDonne ? 0 : 1;
    appliquerOptions(jeu_);
    sauverOptions(jeu_);
    menuCodeDonne->setChecked(jeu_.options.optionCodeDonne != 0);
    afficherCodeDonne();
}

void TfrmBelvane::afficherCodeDonne() {
    const int langue = jeu_.options.langue;
    const bool visible = jeu_.options.optionCodeDonne != 0;
    PanelCodeDonne->setVisible(visible);
    PanelCopierCode->setVisible(visible);
    // Without the code, the result text takes back the whole top of the panel.
    PanelTexteResultat->setGeometry(visible ? rectDessin(8, 14, 777, 39) : rectDessin(8, 4, 777, 46));
    PanelCodeDonne->setText(qs(Texte::codeDonneResultat, langue) + codeDonneAffiche());
    PanelCopierCode->setText(qs(Texte::boutonCopier, langue));
    // The copy button just after the code, whatever the language.
    PanelCodeDonne->resize(PanelCodeDonne->sizeHint().width(), PanelCodeDonne->height());
    PanelCopierCode->resize(std::max(dessin(40), PanelCopierCode->sizeHint().width()), PanelCopierCode->height());
    PanelCopierCode->move(PanelCodeDonne->geometry().right() + dessin(6), PanelCodeDonne->y());
}

QString TfrmBelvane::codeDonneAffiche() const { return QString::fromStdString(codeDonne(jeu_.donne)); }

void TfrmBelvane::PanelCopierCodeClick() {
    QApplication::clipboard()->setText(codeDonneAffiche());
    ecrireInfo(texte(Texte::codeCopie, jeu_.options.langue));
}
