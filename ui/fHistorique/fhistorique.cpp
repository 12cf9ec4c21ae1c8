#include "ui/fHistorique/fhistorique.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/jeu.h"
#include "engine/textes.h"
#include "historique/base.h"
#include "historique/donne_archivee.h"
#include "ui/fMains/fmains.h"
#include "ui/fScoreDetaille/fscoredetaille.h"
#include "ui/fTousPlis/ftousplis.h"
#include "ui/revue/controles_revue.h"

namespace {

QString qs(Texte t, int langue) { return QString::fromStdString(texte(t, langue)); }
QString qs(const std::string& s) { return QString::fromStdString(s); }

enum Colonne { colDate, colPreneur, colContrat, colResultat, colPourVous, colCode, colVerdict, nbColonnes };

const QColor vertGain(0, 120, 40);
const QColor rougePerte(190, 20, 20);

}  // namespace

QString texteAvertissementHistorique(int etat, const QString& chemin, int langue) {
    switch (static_cast<EtatHistorique>(etat)) {
    case EtatHistorique::miseDeCote: return qs(Texte::historiqueMisDeCote, langue).arg(chemin);
    case EtatHistorique::tropRecente: return qs(Texte::historiqueTropRecent, langue).arg(chemin);
    case EtatHistorique::occupee: return qs(Texte::historiqueOccupe, langue).arg(chemin);
    default: return qs(Texte::historiqueIndisponible, langue).arg(chemin);
    }
}

QString texteErreurCode(ErreurCode e, int langue) {
    switch (e) {
    case ErreurCode::longueur: return qs(Texte::codeLongueur, langue);
    case ErreurCode::caractere: return qs(Texte::codeCaractere, langue);
    case ErreurCode::controle: return qs(Texte::codeControle, langue);
    case ErreurCode::horsLimites: return qs(Texte::codeHorsLimites, langue);
    case ErreurCode::aucune: break;
    }
    return QString();
}

QString texteVerdict(const VerdictArchive& v, int langue) {
    if (!v.present) return QString();
    const Texte depart = v.realisableDepart == 1   ? Texte::coachHistRealisable
                         : v.realisableDepart == 0 ? Texte::coachHistIrrealisable
                                                   : Texte::coachHistNonEtabli;
    // Not settled from the first card: from which trick it was.
    QString t = v.realisableDepart < 0 && v.depuisPli > 1 && v.depuisPli <= 18
                    ? qs(Texte::coachHistDepuisPli, langue).arg(v.depuisPli)
                    : qs(depart, langue);
    if (v.pliTournant > 0) t += qs(v.perdu ? Texte::coachHistPerdu : Texte::coachHistSauve, langue).arg(v.pliTournant);
    t += qs(Texte::coachHistErreurs, langue).arg(v.erreurs);
    return t;
}

QString dateLocale(const std::string& dateUtc, int langue) {
    const QDateTime d = QDateTime::fromString(qs(dateUtc), Qt::ISODate);
    if (!d.isValid()) return qs(dateUtc);
    const QLocale locale(langue == ANGLAIS ? QLocale::English : QLocale::French);
    return locale.toString(d.toLocalTime(), langue == ANGLAIS ? "d MMM yyyy  h:mm ap" : "d MMM yyyy  HH:mm");
}

int taillePoliceHistorique(const QWidget* fenetre, double facteur) {
    // As the table's own texts, but never so large that the window leaves the screen.
    const QScreen* ecran = fenetre->screen();
    const double hauteur = ecran ? ecran->availableGeometry().height() / 600.0 : 1.0;
    return std::max(11, static_cast<int>(std::lround(11.0 * std::min(facteur, hauteur))));
}

TfrmHistorique::TfrmHistorique(Jeu& jeu, BaseHistorique& base, double facteur, QWidget* parent)
    : QDialog(parent), jeu_(jeu), base_(base), facteur_(facteur), jeuRevue_(std::make_unique<Jeu>()) {
    setObjectName("frmHistorique");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    QFont f = font();
    f.setPixelSize(taillePoliceHistorique(this, facteur_));
    setFont(f);

    auto* pile = new QVBoxLayout(this);
    auto* filtres = new QHBoxLayout;
    labelContrat = new QLabel(this);
    filtreContrat = new QComboBox(this);
    filtreContrat->setObjectName("filtreContrat");
    labelRole = new QLabel(this);
    filtreRole = new QComboBox(this);
    filtreRole->setObjectName("filtreRole");
    compte = new QLabel(this);
    compte->setObjectName("compte");
    filtres->addWidget(labelContrat);
    filtres->addWidget(filtreContrat);
    filtres->addSpacing(f.pixelSize());
    filtres->addWidget(labelRole);
    filtres->addWidget(filtreRole);
    filtres->addStretch(1);
    filtres->addWidget(compte);
    pile->addLayout(filtres);

    liste = new QTableWidget(0, nbColonnes, this);
    liste->setObjectName("liste");
    liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste->setAlternatingRowColors(true);
    liste->verticalHeader()->hide();
    liste->horizontalHeader()->setStretchLastSection(true);
    liste->setWordWrap(false);
    pile->addWidget(liste, 1);
    vide = new QLabel(this);
    vide->setObjectName("vide");
    vide->setAlignment(Qt::AlignCenter);
    vide->setWordWrap(true);
    vide->hide();
    pile->addWidget(vide, 1);

    auto* boutons = new QHBoxLayout;
    auto bouton = [this, boutons](const char* nom) {
        auto* b = new QPushButton(this);
        b->setObjectName(nom);
        b->setAutoDefault(false);
        boutons->addWidget(b);
        return b;
    };
    boutonPlis = bouton("boutonPlis");
    boutonMains = bouton("boutonMains");
    boutonScore = bouton("boutonScore");
    boutons->addSpacing(f.pixelSize());
    boutonRejouer = bouton("boutonRejouer");
    boutonCopier = bouton("boutonCopier");
    boutonAnalyser = bouton("boutonAnalyser");
    boutons->addStretch(1);
    boutonExporter = bouton("boutonExporter");
    boutonFermer = bouton("boutonFermer");
    pile->addLayout(boutons);

    // The review windows read a game of their own, never the one being played;
    // they lay themselves out from its geometry as they are created.
    jeuRevue_->disposition = jeu_.disposition;
    jeuRevue_->options = jeu_.options;
    frmTousPlis_ = new TfrmTousPlis(*jeuRevue_, facteur_, this);
    frmMains_ = new TfrmMains(*jeuRevue_, facteur_, this);
    frmScoreDetaille_ = new TfrmScoreDetaille(*jeuRevue_, facteur_, this);

    connect(filtreContrat, &QComboBox::activated, this, [this] { filtrer(filtreContrat->currentIndex(), role_); });
    connect(filtreRole, &QComboBox::activated, this,
            [this] { filtrer(contrat_, static_cast<Role>(filtreRole->currentIndex())); });
    connect(liste, &QTableWidget::cellDoubleClicked, this, [this] { voirPlis(); });
    connect(liste, &QTableWidget::itemSelectionChanged, this, [this] {
        const bool choisie = ligneChoisie() >= 0;
        for (QPushButton* b : {boutonPlis, boutonMains, boutonScore, boutonRejouer, boutonCopier, boutonAnalyser})
            b->setEnabled(choisie);
    });
    connect(boutonAnalyser, &QPushButton::clicked, this, [this] { analyserCetteDonne(); });
    connect(boutonPlis, &QPushButton::clicked, this, [this] { voirPlis(); });
    connect(boutonMains, &QPushButton::clicked, this, [this] { voirMains(); });
    connect(boutonScore, &QPushButton::clicked, this, [this] { voirScore(); });
    connect(boutonRejouer, &QPushButton::clicked, this, [this] { rejouerCetteDonne(); });
    connect(boutonCopier, &QPushButton::clicked, this, &TfrmHistorique::copierCode);
    connect(boutonExporter, &QPushButton::clicked, this, &TfrmHistorique::exporter);
    connect(boutonFermer, &QPushButton::clicked, this, &QDialog::hide);

    ecrireTextes(langue());
    hide();
}

TfrmHistorique::~TfrmHistorique() = default;

int TfrmHistorique::langue() const { return jeu_.options.langue; }

void TfrmHistorique::ecrireTextes(int langue) {
    setWindowTitle(qs(Texte::frmHistorique, langue));
    labelContrat->setText(qs(Texte::filtreContrat, langue));
    labelRole->setText(qs(Texte::filtreRole, langue));
    filtreContrat->clear();
    filtreContrat->addItem(qs(Texte::filtreTousContrats, langue));
    for (int c = PRISE; c <= GARDE_CONTRE; ++c) filtreContrat->addItem(qs(nomEnchere(c, langue)));
    filtreContrat->setCurrentIndex(contrat_);
    filtreRole->clear();
    filtreRole->addItem(qs(Texte::filtreTousRoles, langue));
    filtreRole->addItem(qs(Texte::rolePreneur, langue));
    filtreRole->addItem(qs(Texte::roleDefense, langue));
    filtreRole->setCurrentIndex(static_cast<int>(role_));
    liste->setHorizontalHeaderLabels({qs(Texte::colonneDate, langue), qs(Texte::colonnePreneur, langue),
                                      qs(Texte::colonneContrat, langue), qs(Texte::colonneResultat, langue),
                                      qs(Texte::colonnePourVous, langue), qs(Texte::colonneCode, langue),
                                      qs(Texte::coachColonneVerdict, langue)});
    boutonAnalyser->setText(qs(Texte::coachBoutonAnalyser, langue));
    vide->setText(qs(Texte::historiqueVide, langue));
    boutonPlis->setText(qs(Texte::boutonVoirPlis, langue));
    boutonMains->setText(qs(Texte::boutonVoirMains, langue));
    boutonScore->setText(qs(Texte::boutonScoreDetaille, langue));
    boutonRejouer->setText(qs(Texte::boutonRejouerCetteDonne, langue));
    boutonCopier->setText(qs(Texte::boutonCopierCode, langue));
    boutonExporter->setText(qs(Texte::boutonExporterCsv, langue));
    boutonFermer->setText(qs(Texte::boutonFermer, langue));
    remplirListe();
}

void TfrmHistorique::ouvrir() {
    recharger();
    if (!isVisible()) {
        const QScreen* ecran = screen();
        const QRect zone = ecran ? ecran->availableGeometry() : QRect(0, 0, 1024, 768);
        const int taille = font().pixelSize();
        resize(std::min(zone.width() * 9 / 10, taille * 62), std::min(zone.height() * 85 / 100, taille * 40));
        centrerSurEcran(this);
    }
    show();
    raise();
    activateWindow();
}

void TfrmHistorique::recharger() {
    toutes_ = base_.resumes();
    remplirListe();
}

void TfrmHistorique::filtrer(int contrat, Role role) {
    contrat_ = contrat;
    role_ = role;
    filtreContrat->setCurrentIndex(contrat);
    filtreRole->setCurrentIndex(static_cast<int>(role));
    remplirListe();
}

void TfrmHistorique::remplirListe() {
    const int lg = langue();
    affichees_.clear();
    for (const ResumeDonne& r : toutes_)
        if (retenue(r, contrat_, role_, jeu_.donne.joueurHumain)) affichees_.push_back(r);
    compte->setText(qs(Texte::donnesAffichees, lg).arg(affichees_.size()).arg(toutes_.size()));
    liste->setVisible(!toutes_.empty());
    vide->setVisible(toutes_.empty());

    liste->setUpdatesEnabled(false);
    liste->clearContents();
    liste->setRowCount(nombreLignes());
    for (int i = 0; i < nombreLignes(); ++i) {
        const ResumeDonne& r = ligne(i);
        const bool fait = r.contratRempli;
        auto cellule = [this, i](int col, const QString& t, Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter) {
            auto* item = new QTableWidgetItem(t);
            item->setTextAlignment(a);
            liste->setItem(i, col, item);
            return item;
        };
        cellule(colDate, dateLocale(r.date, lg));
        QString preneur = qs(nomJoueur(r.preneur, lg));
        cellule(colPreneur, preneur);
        cellule(colContrat, qs(nomEnchere(r.contrat, lg)));
        QString resultat = qs(fait ? Texte::contratFait : Texte::contratChute, lg);
        if (r.rejouee) resultat += qs(Texte::donneRejouee, lg);
        if (r.entrainement) resultat += qs(Texte::donneEntrainement, lg);
        cellule(colResultat, resultat);
        QTableWidgetItem* gain = cellule(colPourVous, QString::asprintf("%+d", r.gainHumain), Qt::AlignRight | Qt::AlignVCenter);
        gain->setForeground(r.gainHumain > 0 ? vertGain : rougePerte);
        QTableWidgetItem* code = cellule(colCode, qs(r.code));
        QFont mono("DejaVu Sans Mono");
        mono.setStyleHint(QFont::Monospace);
        mono.setPixelSize(font().pixelSize() * 9 / 10);
        code->setFont(mono);
        cellule(colVerdict, texteVerdict(r.verdict, lg));
    }
    liste->resizeColumnsToContents();
    liste->setUpdatesEnabled(true);
    if (nombreLignes() > 0) choisirLigne(0);
    else liste->clearSelection();
    const bool choisie = ligneChoisie() >= 0;
    for (QPushButton* b : {boutonPlis, boutonMains, boutonScore, boutonRejouer, boutonCopier, boutonAnalyser})
        b->setEnabled(choisie);
    boutonExporter->setEnabled(!toutes_.empty());
}

void TfrmHistorique::choisirLigne(int i) {
    if (i < 0 || i >= nombreLignes()) return;
    liste->selectRow(i);
    liste->setCurrentCell(i, 0);
}

int TfrmHistorique::ligneChoisie() const {
    const QList<QTableWidgetSelectionRange> plages = liste->selectedRanges();
    if (plages.isEmpty()) return -1;
    const int i = plages.first().topRow();
    return i < nombreLignes() ? i : -1;
}

bool TfrmHistorique::chargerDonne() {
    const int i = ligneChoisie();
    if (i < 0) return false;
    const std::optional<DonneArchivee> a = base_.lire(ligne(i).id);
    Jeu& revue = *jeuRevue_;
    // The player's language and colours; nothing of it is ever saved.
    revue.options = jeu_.options;
    revue.disposition = jeu_.disposition;
    revue.magasin = nullptr;
    if (!a || !restaurerDonne(*a, revue.paquet, revue.donne)) {
        QMessageBox::warning(this, windowTitle(), qs(Texte::donneIllisible, langue()));
        return false;
    }
    return true;
}

bool TfrmHistorique::voirPlis() {
    if (!chargerDonne()) return false;
    frmTousPlis_->ouvrir();
    return true;
}

bool TfrmHistorique::voirMains() {
    if (!chargerDonne()) return false;
    frmMains_->ouvrir();
    return true;
}

bool TfrmHistorique::voirScore() {
    if (!chargerDonne()) return false;
    frmScoreDetaille_->ouvrir();
    return true;
}

void TfrmHistorique::fermerRevues() {
    frmTousPlis_->hide();
    frmMains_->hide();
    frmScoreDetaille_->hide();
}

bool TfrmHistorique::rejouerCetteDonne() {
    const int i = ligneChoisie();
    if (i < 0 || !rejouer) return false;
    const LectureCode lu = lireCode(ligne(i).code);
    if (lu.erreur != ErreurCode::aucune) {
        QMessageBox::warning(this, windowTitle(), qs(Texte::donneIllisible, langue()));
        return false;
    }
    fermerRevues();
    hide();
    rejouer(lu.repartition);
    return true;
}

bool TfrmHistorique::analyserCetteDonne() {
    const int i = ligneChoisie();
    if (i < 0 || !analyser || !chargerDonne()) return false;
    analyser(jeuRevue_->donne, ligne(i).id);
    return true;
}

void TfrmHistorique::copierCode() {
    const int i = ligneChoisie();
    if (i < 0) return;
    QApplication::clipboard()->setText(qs(ligne(i).code));
}

bool TfrmHistorique::exporterVers(const QString& fichier) {
    QFile f(fichier);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const std::string csv = exporterCsv(base_.resumes());
    return f.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size()) && f.flush();
}

void TfrmHistorique::exporter() {
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString fichier = QFileDialog::getSaveFileName(this, boutonExporter->text().remove(QChar(0x2026)),
                                                         dossier + "/" + qs(Texte::nomFichierCsv, langue()),
                                                         qs(Texte::fichiersCsv, langue()));
    if (fichier.isEmpty()) return;
    if (!exporterVers(fichier)) QMessageBox::warning(this, windowTitle(), qs(Texte::csvImpossible, langue()).arg(fichier));
}
