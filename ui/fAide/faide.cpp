#include "ui/fAide/faide.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "engine/textes.h"
#include "ui/fAide/regles_texte.h"

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TfrmAide::TfrmAide(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmAide");
    resize(760, 560);

    auto* pile = new QVBoxLayout(this);
    auto* ligne = new QHBoxLayout;
    etiquetteRecherche_ = new QLabel(this);
    recherche_ = new QLineEdit(this);
    recherche_->setObjectName("rechercheAide");
    recherche_->setClearButtonEnabled(true);
    introuvable_ = new QLabel(this);
    introuvable_->setObjectName("introuvableAide");
    etiquetteRecherche_->setBuddy(recherche_);
    ligne->addWidget(etiquetteRecherche_);
    ligne->addWidget(recherche_, 1);
    ligne->addWidget(introuvable_);
    pile->addLayout(ligne);

    auto* partage = new QSplitter(this);
    auto* gauche = new QWidget(partage);
    auto* pileGauche = new QVBoxLayout(gauche);
    pileGauche->setContentsMargins(0, 0, 0, 0);
    etiquetteSommaire_ = new QLabel(gauche);
    sommaire_ = new QListWidget(gauche);
    sommaire_->setObjectName("sommaireAide");
    pileGauche->addWidget(etiquetteSommaire_);
    pileGauche->addWidget(sommaire_, 1);
    texte_ = new QTextBrowser(partage);
    texte_->setObjectName("texteAide");
    texte_->setOpenLinks(false);
    partage->addWidget(gauche);
    partage->addWidget(texte_);
    partage->setStretchFactor(1, 1);
    partage->setSizes({200, 560});
    pile->addWidget(partage, 1);

    connect(sommaire_, &QListWidget::currentRowChanged, this, [this](int ligne) {
        const auto& sections = sectionsRegles(langue_);
        if (ligne >= 0 && ligne < static_cast<int>(sections.size()))
            texte_->scrollToAnchor(QString::fromUtf8(sections[static_cast<std::size_t>(ligne)].ancre));
    });
    connect(recherche_, &QLineEdit::returnPressed, this, [this] { rechercher(recherche_->text()); });
    connect(recherche_, &QLineEdit::textChanged, this, [this] { introuvable_->clear(); });
}

void TfrmAide::ecrireTextes(int langue) {
    if (langue == langue_) return;
    langue_ = langue;
    setWindowTitle(qs(::texte(Texte::aideTitre, langue)));
    etiquetteSommaire_->setText(qs(::texte(Texte::aideSommaire, langue)));
    etiquetteRecherche_->setText(qs(::texte(Texte::aideRechercher, langue)));
    introuvable_->clear();
    texte_->setHtml(QString::fromUtf8(texteRegles(langue)));
    sommaire_->clear();
    for (const SectionAide& s : sectionsRegles(langue)) sommaire_->addItem(QString::fromUtf8(s.titre));
}

void TfrmAide::ouvrir(const QString& ancre) {
    if (!ancre.isEmpty()) texte_->scrollToAnchor(ancre);
    show();
    raise();
    activateWindow();
}

bool TfrmAide::rechercher(const QString& motif) {
    introuvable_->clear();
    if (motif.isEmpty()) return false;
    if (texte_->find(motif)) return true;
    // From the top once more before saying it is nowhere.
    QTextCursor debut = texte_->textCursor();
    debut.movePosition(QTextCursor::Start);
    texte_->setTextCursor(debut);
    if (texte_->find(motif)) return true;
    introuvable_->setText(qs(remplacer(::texte(Texte::aideIntrouvable, langue_), "%1", motif.toStdString())));
    return false;
}
