#include "ui/fStatistiques/fstatistiques.h"

#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "engine/jeu.h"
#include "engine/textes.h"
#include "historique/base.h"
#include "ui/fHistorique/fhistorique.h"
#include "ui/revue/controles_revue.h"

namespace {

QString qs(Texte t, int langue) { return QString::fromStdString(texte(t, langue)); }
QString qs(const std::string& s) { return QString::fromStdString(s); }

// The colours of the four global score panels, darkened enough to read as lines.
const QColor couleursSieges[5] = {QColor(), QColor(0x1F, 0x77, 0xB4), QColor(0xC2, 0x3B, 0x8E),
                                  QColor(0xB8, 0x9B, 0x00), QColor(0x2C, 0xA0, 0x2C)};

QString pourcent(int n, int sur) {
    if (sur == 0) return QStringLiteral("–");
    return QString::number(std::lround(100.0 * n / sur)) + " %";
}

QString moyenne(double v, int n) {
    if (n == 0) return QStringLiteral("–");
    return QString::asprintf("%+.1f", v);
}

QTableWidget* tableau(QWidget* parent, int lignes, int colonnes) {
    auto* t = new QTableWidget(lignes, colonnes, parent);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() * 3 / 2);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return t;
}

void ecrireCellule(QTableWidget* t, int ligne, int colonne, const QString& texte) {
    auto* item = new QTableWidgetItem(texte);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    t->setItem(ligne, colonne, item);
}

// The table as tall as its rows, no more, and never narrower than its texts.
void ajusterHauteur(QTableWidget* t) {
    int l = t->verticalHeader()->sizeHint().width() + 2 * t->frameWidth();
    t->horizontalHeader()->setStretchLastSection(false);
    t->resizeColumnsToContents();
    for (int i = 0; i < t->columnCount(); ++i) l += t->columnWidth(i) + t->fontMetrics().averageCharWidth();
    t->horizontalHeader()->setStretchLastSection(true);
    t->setMinimumWidth(l);
    int h = t->horizontalHeader()->height() + 2 * t->frameWidth();
    for (int i = 0; i < t->rowCount(); ++i) h += t->rowHeight(i);
    t->setFixedHeight(h);
}

}  // namespace

TfrmStatistiques::TfrmStatistiques(Jeu& jeu, BaseHistorique& base, TfrmHistorique& historique, double facteur,
                                   QWidget* parent)
    : QDialog(parent), jeu_(jeu), base_(base), historique_(historique), facteur_(facteur) {
    setObjectName("frmStatistiques");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    QFont f = font();
    f.setPixelSize(taillePoliceHistorique(this, facteur_));
    setFont(f);

    auto* pile = new QHBoxLayout(this);
    auto* gauche = new QVBoxLayout;
    resume = new QLabel(this);
    resume->setObjectName("resume");
    QFont gras = f;
    gras.setBold(true);
    resume->setFont(gras);
    gauche->addWidget(resume);

    groupePreneur = new QGroupBox(this);
    auto* lp = new QVBoxLayout(groupePreneur);
    tablePreneur = tableau(groupePreneur, 5, 3);
    tablePreneur->setObjectName("tablePreneur");
    lp->addWidget(tablePreneur);
    gauche->addWidget(groupePreneur);

    groupeDefense = new QGroupBox(this);
    auto* ld = new QVBoxLayout(groupeDefense);
    defense = new QLabel(groupeDefense);
    defense->setObjectName("defense");
    defense->setWordWrap(true);
    ld->addWidget(defense);
    gauche->addWidget(groupeDefense);

    groupeNiveau = new QGroupBox(this);
    auto* ln = new QVBoxLayout(groupeNiveau);
    tableNiveau = tableau(groupeNiveau, 4, 5);
    tableNiveau->setObjectName("tableNiveau");
    ln->addWidget(tableNiveau);
    gauche->addWidget(groupeNiveau);
    gauche->addStretch(1);

    auto* droite = new QVBoxLayout;
    auto* graphique = new QChart;
    graphique->setObjectName("graphique");
    graphique->legend()->setAlignment(Qt::AlignBottom);
    vueGraphique = new QChartView(graphique, this);
    vueGraphique->setObjectName("vueGraphique");
    vueGraphique->setRenderHint(QPainter::Antialiasing);
    vueGraphique->setMinimumWidth(f.pixelSize() * 26);
    droite->addWidget(vueGraphique, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutonExporter = new QPushButton(this);
    boutonExporter->setObjectName("boutonExporter");
    boutonExporter->setAutoDefault(false);
    boutonFermer = new QPushButton(this);
    boutonFermer->setObjectName("boutonFermer");
    boutons->addWidget(boutonExporter);
    boutons->addWidget(boutonFermer);
    droite->addLayout(boutons);

    pile->addLayout(gauche, 1);
    pile->addLayout(droite, 1);

    connect(boutonExporter, &QPushButton::clicked, &historique_, &TfrmHistorique::exporter);
    connect(boutonFermer, &QPushButton::clicked, this, &QDialog::hide);
    ecrireTextes(langue());
    hide();
}

int TfrmStatistiques::langue() const { return jeu_.options.langue; }

QChart* TfrmStatistiques::graphique() const { return vueGraphique->chart(); }

void TfrmStatistiques::ecrireTextes(int langue) {
    setWindowTitle(qs(Texte::frmStatistiques, langue));
    groupePreneur->setTitle(qs(Texte::statCommePreneur, langue));
    groupeDefense->setTitle(qs(Texte::statCommeDefenseur, langue));
    groupeNiveau->setTitle(qs(Texte::statParNiveau, langue));
    tablePreneur->setHorizontalHeaderLabels(
        {qs(Texte::statPrises, langue), qs(Texte::statReussies, langue), qs(Texte::statScoreMoyen, langue)});
    QStringList contrats;
    for (int c = PRISE; c <= GARDE_CONTRE; ++c) contrats << qs(nomEnchere(c, langue));
    contrats << qs(Texte::statTotal, langue);
    tablePreneur->setVerticalHeaderLabels(contrats);
    tableNiveau->setHorizontalHeaderLabels({qs(Texte::statDonnes, langue), qs(Texte::statPrises, langue),
                                            qs(Texte::statReussies, langue), qs(Texte::statChutes, langue),
                                            qs(Texte::statGainMoyen, langue)});
    QStringList niveaux;
    for (int n = 1; n <= 4; ++n) niveaux << qs(nomNiveau(n, langue));
    tableNiveau->setVerticalHeaderLabels(niveaux);
    boutonExporter->setText(qs(Texte::boutonExporterCsv, langue));
    boutonFermer->setText(qs(Texte::boutonFermer, langue));
    remplir();
}

void TfrmStatistiques::ouvrir() {
    recharger();
    if (!isVisible()) {
        const QScreen* ecran = screen();
        const QRect zone = ecran ? ecran->availableGeometry() : QRect(0, 0, 1024, 768);
        const int taille = font().pixelSize();
        resize(std::min(zone.width() * 9 / 10, taille * 80), std::min(zone.height() * 85 / 100, taille * 42));
        centrerSurEcran(this);
    }
    show();
    raise();
    activateWindow();
}

void TfrmStatistiques::recharger() {
    stats_ = calculerStatistiques(base_.resumes());
    remplir();
}

void TfrmStatistiques::remplir() {
    const int lg = langue();
    const Statistiques& s = stats_;
    resume->setText(qs(Texte::statDonnesJouees, lg).arg(s.donnes).arg(s.rejouees));
    // Practice deals are in none of the figures: only their number, apart.
    if (s.entrainements > 0) resume->setText(resume->text() + "  " + qs(Texte::statEntrainements, lg).arg(s.entrainements));

    LignePreneur total;
    for (int c = PRISE; c <= GARDE_CONTRE; ++c) {
        const LignePreneur& l = s.parContrat[c];
        total.prises += l.prises;
        total.reussies += l.reussies;
        total.sommeScores += l.sommeScores;
    }
    for (int c = PRISE; c <= GARDE_CONTRE + 1; ++c) {
        const LignePreneur& l = c <= GARDE_CONTRE ? s.parContrat[c] : total;
        const int ligne = c - 1;
        ecrireCellule(tablePreneur, ligne, 0, QString::number(l.prises));
        ecrireCellule(tablePreneur, ligne, 1,
                      l.prises ? QString("%1  (%2)").arg(l.reussies).arg(pourcent(l.reussies, l.prises))
                               : QString::number(l.reussies));
        ecrireCellule(tablePreneur, ligne, 2, moyenne(l.moyenne(), l.prises));
    }
    defense->setText(
        qs(Texte::statDefenses, lg).arg(s.defenses).arg(s.contratsChutes).arg(
            s.defenses ? QString::number(std::lround(100.0 * s.contratsChutes / s.defenses)) : QStringLiteral("0")) +
        // The official rules: shown once a chelem has been announced or made.
        (s.chelemsRealises + s.chelemsAnnonces > 0
             ? "\n" + qs(Texte::statChelems, lg).arg(s.chelemsRealises).arg(s.chelemsAnnonces)
             : QString()));
    for (int n = 1; n <= 4; ++n) {
        const LigneNiveau& l = s.parNiveau[n];
        ecrireCellule(tableNiveau, n - 1, 0, QString::number(l.donnes));
        ecrireCellule(tableNiveau, n - 1, 1, QString::number(l.prises));
        ecrireCellule(tableNiveau, n - 1, 2, l.prises ? pourcent(l.reussies, l.prises) : QStringLiteral("–"));
        ecrireCellule(tableNiveau, n - 1, 3, l.defenses ? pourcent(l.chutes, l.defenses) : QStringLiteral("–"));
        ecrireCellule(tableNiveau, n - 1, 4, moyenne(l.gainMoyen(), l.donnes));
    }
    ajusterHauteur(tablePreneur);
    ajusterHauteur(tableNiveau);

    // The four totals after each deal that counted, from 0 before the first.
    QChart* g = graphique();
    g->removeAllSeries();
    for (QAbstractAxis* a : g->axes()) {
        g->removeAxis(a);
        a->deleteLater();
    }
    g->setTitle(qs(Texte::statEvolution, lg));
    QFont titre = font();
    titre.setBold(true);
    g->setTitleFont(titre);
    int bas = 0, haut = 0;
    // A long history is thinned to about a thousand points a line.
    const int n = static_cast<int>(s.evolution.size());
    const int pas = std::max(1, n / 1000);
    for (int siege = 1; siege <= 4; ++siege) {
        auto* serie = new QLineSeries(g);
        serie->setName(qs(nomJoueur(siege, lg)));
        QPen stylo(couleursSieges[siege]);
        stylo.setWidthF(siege == jeu_.donne.joueurHumain ? 3.0 : 1.5);
        serie->setPen(stylo);
        if (n > 0) serie->append(0, 0);
        for (int i = 0; i < n; i += pas) {
            const int v = s.evolution[static_cast<std::size_t>(i)][siege];
            serie->append(i + 1, v);
            bas = std::min(bas, v);
            haut = std::max(haut, v);
        }
        if (n > 0 && (n - 1) % pas != 0) {
            const int v = s.evolution.back()[siege];
            serie->append(n, v);
            bas = std::min(bas, v);
            haut = std::max(haut, v);
        }
        g->addSeries(serie);
    }
    auto* axeX = new QValueAxis(g);
    axeX->setTitleText(qs(Texte::statAxeDonnes, lg));
    axeX->setLabelFormat("%d");
    // Whole deals only: a tick every 1, 2 or 5 times a power of ten, about five in all.
    int pasAxe = 1;
    for (int p = 1; pasAxe * 5 < n; p *= 10)
        for (const int k : {1, 2, 5})
            if (pasAxe * 5 < n) pasAxe = k * p;
    axeX->setRange(0, (std::max(1, n) + pasAxe - 1) / pasAxe * pasAxe);
    axeX->setTickType(QValueAxis::TicksDynamic);
    axeX->setTickAnchor(0);
    axeX->setTickInterval(pasAxe);
    auto* axeY = new QValueAxis(g);
    axeY->setTitleText(qs(Texte::statAxeScore, lg));
    axeY->setLabelFormat("%d");
    const int marge = std::max(10, (haut - bas) / 20);
    axeY->setRange(bas - marge, haut + marge);
    axeY->applyNiceNumbers();
    g->addAxis(axeX, Qt::AlignBottom);
    g->addAxis(axeY, Qt::AlignLeft);
    for (QAbstractSeries* serie : g->series()) {
        serie->attachAxis(axeX);
        serie->attachAxis(axeY);
    }
    boutonExporter->setEnabled(s.donnes > 0);
}

QString TfrmStatistiques::cellulePreneur(int ligne, int colonne) const {
    const QTableWidgetItem* i = tablePreneur->item(ligne, colonne);
    return i ? i->text() : QString();
}

QString TfrmStatistiques::celluleNiveau(int ligne, int colonne) const {
    const QTableWidgetItem* i = tableNiveau->item(ligne, colonne);
    return i ? i->text() : QString();
}
