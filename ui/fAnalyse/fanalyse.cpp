#include "ui/fAnalyse/fanalyse.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "engine/arrondi.h"
#include "engine/jeu.h"
#include "engine/raisons.h"
#include "engine/textes.h"
#include "ui/fAnalyse/analyse_fond.h"
#include "ui/fBelvane/controles.h"
#include "ui/revue/controles_revue.h"

namespace {

const QColor vert(0x00, 0xFF, 0x00);
const QColor bleu(0x00, 0x00, 0xFF);
const QColor or_(0xFF, 0xD7, 0x00);
const QColor rouge(0xE0, 0x20, 0x20);

QString qs(Texte t, int langue) { return QString::fromStdString(texte(t, langue)); }
QString qs(const std::string& s) { return QString::fromStdString(s); }

QString signe(int v) { return v > 0 ? QString("+%1").arg(v) : QString::number(v); }

// A line's number in lignesAffichees, kept on its item.
constexpr int roleLigne = Qt::UserRole + 1;

}  // namespace

TfrmAnalyse::TfrmAnalyse(Jeu& jeu, double facteur, QWidget* parent)
    : QDialog(parent), jeu_(jeu), facteur_(facteur) {
    setObjectName("frmAnalyse");
    // Non-modal, with the usual border: the player may look at the table or
    // the 18 tricks beside it.
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(policeBoutons(dessin(11)));

    auto* pile = new QVBoxLayout(this);
    pile->setContentsMargins(dessin(8), dessin(8), dessin(8), dessin(8));
    pile->setSpacing(dessin(4));
    auto etiquette = [&](const char* nom, bool gras) {
        auto* l = new QLabel(this);
        l->setObjectName(nom);
        QFont f = font();
        f.setBold(gras);
        l->setFont(f);
        l->setWordWrap(true);
        pile->addWidget(l);
        return l;
    };
    labelContrat = etiquette("labelContrat", true);
    // The coach's verdict first: whether the contract could be made, where it turned.
    labelVerdict = etiquette("labelVerdict", true);
    QFont titre = labelVerdict->font();
    titre.setPixelSize(std::max(1, dessin(13)));
    labelVerdict->setFont(titre);
    labelTournant = etiquette("labelTournant", true);
    labelTournant->setStyleSheet("color: rgb(170, 20, 20);");
    labelBilanCartes = etiquette("labelBilanCartes", false);
    labelMeilleur = etiquette("labelMeilleur", false);
    labelReel = etiquette("labelReel", false);
    labelAvertissement = etiquette("labelAvertissement", false);
    QFont italique = labelAvertissement->font();
    italique.setItalic(true);
    italique.setPixelSize(std::max(1, dessin(10)));
    labelAvertissement->setFont(italique);

    auto* ligneEtat = new QHBoxLayout;
    barreProgression = new QProgressBar(this);
    barreProgression->setObjectName("barreProgression");
    barreProgression->setFixedWidth(dessin(160));
    barreProgression->setTextVisible(true);
    labelEtat = new QLabel(this);
    labelEtat->setObjectName("labelEtat");
    ligneEtat->addWidget(barreProgression);
    ligneEtat->addWidget(labelEtat, 1);
    pile->addLayout(ligneEtat);

    auto* centre = new QHBoxLayout;
    centre->setSpacing(dessin(8));
    listeLignes = new QTreeWidget(this);
    listeLignes->setObjectName("listeLignes");
    listeLignes->setColumnCount(6);
    listeLignes->setFont(policeBoutons(dessin(9)));
    listeLignes->setRootIsDecorated(false);
    listeLignes->setItemsExpandable(false);
    listeLignes->setUniformRowHeights(true);
    listeLignes->setAllColumnsShowFocus(true);
    listeLignes->header()->setStretchLastSection(false);
    listeLignes->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    listeLignes->header()->setSectionResizeMode(3, QHeaderView::Stretch);
    groupeHumain = new QTreeWidgetItem(listeLignes);
    groupeAutres = new QTreeWidgetItem(listeLignes);
    for (QTreeWidgetItem* g : {groupeHumain, groupeAutres}) {
        g->setFirstColumnSpanned(true);
        g->setFlags(Qt::ItemIsEnabled);
        QFont f = listeLignes->font();
        f.setBold(true);
        g->setFont(0, f);
        g->setExpanded(true);
    }
    // Beneath the list, the two judges' word on the player's card shown.
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(listeLignes, 1);
    labelJugement = new QLabel(this);
    labelJugement->setObjectName("labelJugement");
    labelJugement->setWordWrap(true);
    labelJugement->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    labelJugement->setMinimumHeight(3 * QFontMetrics(font()).lineSpacing());
    gauche->addWidget(labelJugement);
    centre->addLayout(gauche, 1);
    connect(listeLignes, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item, QTreeWidgetItem*) { ligneCliquee(item); });
    connect(listeLignes, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { ligneCliquee(item); });

    // The trick of the line, as the 18-tricks window shows a trick: a cross of
    // four cards round the table, a frame round the lead (green for the taker,
    // blue otherwise), and a gold frame round the card that won it. Beneath,
    // the card played and the better one side by side.
    auto* droite = new QVBoxLayout;
    titrePli = new QLabel(this);
    titrePli->setObjectName("titrePli");
    QFont grand = font();
    grand.setBold(true);
    grand.setPixelSize(std::max(1, dessin(13)));
    titrePli->setFont(grand);
    titrePli->setFixedHeight(QFontMetrics(grand).height() + dessin(4));
    droite->addWidget(titrePli);
    panneauPli = new QWidget(this);
    panneauPli->setObjectName("panneauPli");
    const int W = dessin(36), H = dessin(60), L = dessin(5), F = dessin(4), M = dessin(5);
    for (int s = 1; s <= 4; ++s) {
        cartePli[s] = new ImageCarte(panneauPli);
        cartePli[s]->setObjectName(QString("cartePli%1").arg(s));
        cartePli[s]->resize(W, H);
    }
    cartePli[1]->move(M + W + L, M + H + F);
    cartePli[2]->move(M + 2 * W + 2 * L, M + arrondi((H + F) / 2.0));
    cartePli[3]->move(M + W + L, M);
    cartePli[4]->move(M, M + arrondi((H + F) / 2.0));
    cadreGagnant = new CadreCarte(panneauPli, or_);
    cadreGagnant->setObjectName("cadreGagnant");
    cadreEntame = new CadreCarte(panneauPli, bleu);
    cadreEntame->setObjectName("cadreEntame");
    const int largeur = 3 * W + 2 * L + 2 * M;
    legendePli = new QLabel(panneauPli);
    legendePli->setObjectName("legendePli");
    legendePli->setAlignment(Qt::AlignCenter);
    legendePli->setGeometry(0, M + 2 * H + F + dessin(4), largeur, dessin(28));
    const int yLegende = legendePli->geometry().bottom() + 1 + dessin(6);
    const int yCarte = yLegende + dessin(16);
    carteJouee_ = new ImageCarte(panneauPli);
    carteJouee_->setObjectName("carteJouee");
    carteJouee_->setGeometry(M + arrondi((W + L) / 2.0), yCarte, W, H);
    carteMieux_ = new ImageCarte(panneauPli);
    carteMieux_->setObjectName("carteMieux");
    carteMieux_->setGeometry(carteJouee_->x() + W + 3 * L, yCarte, W, H);
    legendeJouee = new QLabel(panneauPli);
    legendeJouee->setObjectName("legendeJouee");
    legendeJouee->setAlignment(Qt::AlignCenter);
    legendeJouee->setGeometry(carteJouee_->x() - L, yLegende, W + 2 * L, dessin(16));
    legendeMieux = new QLabel(panneauPli);
    legendeMieux->setObjectName("legendeMieux");
    legendeMieux->setAlignment(Qt::AlignCenter);
    legendeMieux->setGeometry(carteMieux_->x() - L, yLegende, W + 2 * L, dessin(16));
    for (QLabel* l : {legendePli, legendeJouee, legendeMieux}) {
        QFont f = font();
        f.setBold(true);
        f.setPixelSize(std::max(1, dessin(10)));
        l->setFont(f);
    }
    panneauPli->setFixedSize(largeur, yCarte + H + M);
    // Until a line is chosen the panel says what it is for.
    invitePli = new QLabel(panneauPli);
    invitePli->setObjectName("invitePli");
    invitePli->setGeometry(M, M, largeur - 2 * M, panneauPli->height() - 2 * M);
    invitePli->setAlignment(Qt::AlignCenter);
    invitePli->setWordWrap(true);
    invitePli->setFont(grand);
    droite->addWidget(panneauPli);
    droite->addStretch(1);
    centre->addLayout(droite);

    // Both continuations of the line shown, trick by trick: what was played,
    // and the solver's best line from the same card.
    auto* suites = new QVBoxLayout;
    auto* titres = new QHBoxLayout;
    titreJoue = new QLabel(this);
    titreJoue->setObjectName("titreJoue");
    titreOptimale = new QLabel(this);
    titreOptimale->setObjectName("titreOptimale");
    for (QLabel* l : {titreJoue, titreOptimale}) {
        QFont f = font();
        f.setBold(true);
        f.setPixelSize(std::max(1, dessin(10)));
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
        titres->addWidget(l, 1);
    }
    titres->insertSpacing(0, dessin(34));
    suites->addLayout(titres);
    etatSuites = new QLabel(this);
    etatSuites->setObjectName("etatSuites");
    etatSuites->setWordWrap(true);
    suites->addWidget(etatSuites);
    zoneSuites = new QScrollArea(this);
    zoneSuites->setObjectName("zoneSuites");
    zoneSuites->setWidgetResizable(false);
    zoneSuites->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grilleSuites = new QWidget;
    grilleSuites->setObjectName("grilleSuites");
    zoneSuites->setWidget(grilleSuites);
    zoneSuites->setFixedWidth(dessin(34) + 2 * (4 * dessin(24) + 3 * dessin(2)) + dessin(12) + 20);
    suites->addWidget(zoneSuites, 1);
    centre->addLayout(suites);
    pile->addLayout(centre, 1);

    auto* bas = new QHBoxLayout;
    bas->addStretch(1);
    boutonFermer = new QPushButton(this);
    boutonFermer->setObjectName("boutonFermer");
    boutonFermer->setMinimumWidth(dessin(90));
    connect(boutonFermer, &QPushButton::clicked, this, &TfrmAnalyse::close);
    bas->addWidget(boutonFermer);
    pile->addLayout(bas);

    // The values, the coach and the best line of the line shown: three
    // threads of the window's own, so that none waits for another.
    pool_.setMaxThreadCount(3);
    for (QFutureWatcher<AvancementAnalyse>* v : {&veilleur_, &veilleurCoach_}) {
        connect(v, &QFutureWatcherBase::resultsReadyAt, this, [this, v](int debut, int fin) { recevoir(*v, debut, fin); });
        connect(v, &QFutureWatcherBase::finished, this, &TfrmAnalyse::travailFini);
    }
    connect(&veilleurSuite_, &QFutureWatcherBase::finished, this, &TfrmAnalyse::suitesRecues);

    // Room for the list beside the trick, within the screen.
    QRect ecran(0, 0, 1024, 768);
    if (const QScreen* e = QGuiApplication::primaryScreen()) ecran = e->availableGeometry();
    resize(std::min(dessin(900), ecran.width() - 40), std::min(dessin(470), ecran.height() - 60));
    viderPli();
    ecrireTextes(jeu_.options.langue);
}

TfrmAnalyse::~TfrmAnalyse() {
    // The thread reads nothing of the window, but it must not outlive the
    // program: stopped, it ends at once.
    arreterTravail();
    pool_.waitForDone();
}

int TfrmAnalyse::dessin(double unites) const { return arrondi(unites * facteur_); }

double TfrmAnalyse::budget() const { return budgetImpose_ > 0 ? budgetImpose_ : secondesAnalyse(jeu_.options); }

void TfrmAnalyse::ecrireTextes(int langue) {
    setWindowTitle(qs(Texte::frmAnalyse, langue));
    listeLignes->setHeaderLabels({qs(Texte::analyseColPli, langue), qs(Texte::analyseColJoueur, langue),
                                  qs(Texte::analyseColCarte, langue), qs(Texte::analyseColCout, langue),
                                  qs(Texte::analyseColMeilleure, langue), qs(Texte::coachColJugement, langue)});
    titreJoue->setText(qs(Texte::coachJoue, langue));
    titreOptimale->setText(qs(Texte::coachMeilleureLigne, langue));
    labelAvertissement->setText(qs(Texte::analyseAvertissement, langue));
    invitePli->setText(qs(Texte::analyseCliquezLigne, langue));
    boutonFermer->setText(qs(Texte::analyseFermer, langue));
    legendeMieux->setText(qs(Texte::analyseMieux, langue));
    rafraichir();
}

void TfrmAnalyse::analyser(const Donne& d, long long id) {
    arreterTravail();
    erreur_.clear();
    analyse_.reset();
    lignesAffichees_.clear();
    bilan_ = BilanEntraineur{};
    etapesRecues_ = 0;
    idDonne_ = id;
    suiteJouee_.clear();
    suiteOptimale_.clear();
    DonneJouee jouee;
    std::string pourquoi;
    if (donneDesTables(d, jouee, &pourquoi)) analyse_ = std::make_unique<AnalyseDonne>(jouee);
    else erreur_ = qs(pourquoi);
    viderPli();

    if (analyse_) {
        // The thread works on its own copy and its own flag: nothing it
        // touches belongs to the window.
        auto arret = std::make_shared<std::atomic<bool>>(false);
        arret_ = arret;
        auto copie = std::make_shared<const AnalyseDonne>(*analyse_);
        const double secondes = budget();
        const int joueur = d.joueurHumain;
        nbCartesJoueur_ = nbCartesDuJoueur(*analyse_, joueur);
        enCours_ = true;
        positionEnCours_ = analyse_->nbCartes();
        // The exact values, from the last card back, on one thread; the
        // coach (the verdict, then the player's cards) on another, each
        // within the whole time.
        travail_ = QtConcurrent::run(&pool_, [arret, copie, secondes](QPromise<AvancementAnalyse>& promesse) {
            Solveur solveur;
            analyserAReculons(
                *copie, solveur, secondes, arret.get(),
                [&](int k) { promesse.addResult(AvancementAnalyse{k, true, {}, nullptr}); },
                [&](int k, const Resultat& r) { promesse.addResult(AvancementAnalyse{k, false, r, nullptr}); });
        });
        travailCoach_ = QtConcurrent::run(&pool_, [arret, copie, secondes, joueur](QPromise<AvancementAnalyse>& promesse) {
            Solveur solveur;
            entrainer(*copie, joueur, solveur, secondes, arret.get(), [&](const BilanEntraineur& b) {
                AvancementAnalyse a;
                a.position = -1;
                a.bilan = std::make_shared<const BilanEntraineur>(b);
                promesse.addResult(a);
            });
        });
        veilleur_.setFuture(travail_);
        veilleurCoach_.setFuture(travailCoach_);
    }
    rafraichir();
    centrerSurEcran(this);
    show();
    raise();
    activateWindow();
}

void TfrmAnalyse::arreterTravail() {
    if (arret_) arret_->store(true);
    arret_.reset();
    if (arretSuite_) arretSuite_->store(true);
    arretSuite_.reset();
    enCours_ = false;
}

void TfrmAnalyse::annuler() {
    arreterTravail();
    hide();
}

void TfrmAnalyse::recevoir(const QFutureWatcher<AvancementAnalyse>& veilleur, int debut, int fin) {
    if (!analyse_ || !enCours_) return;
    for (int i = debut; i < fin; ++i) {
        const AvancementAnalyse a = veilleur.future().resultAt(i);
        ++etapesRecues_;
        if (a.bilan) {
            bilan_ = *a.bilan;
            continue;
        }
        if (a.position < 0 || a.position > analyse_->nbCartes()) continue;
        if (a.debut) positionEnCours_ = a.position;
        else analyse_->noterResultat(a.position, a.resultat);
    }
    rafraichir();
}

void TfrmAnalyse::travailFini() {
    // Done when both threads are.
    if (!enCours_ || !veilleur_.isFinished() || !veilleurCoach_.isFinished()) return;
    enCours_ = false;
    positionEnCours_ = -1;
    rafraichir();
    if (idDonne_ > 0 && bilan_.verdict.depuisPli <= bilan_.verdict.nbPlis) emit verdictEtabli(idDonne_, archiverVerdict(bilan_));
    emit analyseFinie();
}

void TfrmAnalyse::reject() {
    arreterTravail();
    QDialog::reject();
}

void TfrmAnalyse::closeEvent(QCloseEvent* e) {
    arreterTravail();
    QDialog::closeEvent(e);
}

void TfrmAnalyse::hideEvent(QHideEvent* e) {
    // Hidden by the program (closed, a new deal), not merely minimised.
    if (!e->spontaneous()) arreterTravail();
    QDialog::hideEvent(e);
}

void TfrmAnalyse::rafraichir() {
    ecrireEtat();
    remplirListe();
}

void TfrmAnalyse::ecrireEtat() {
    const int langue = jeu_.options.langue;
    if (!analyse_) {
        labelContrat->setText(erreur_.isEmpty() ? QString() : qs(Texte::analyseImpossible, langue) + erreur_);
        for (QLabel* l : {labelVerdict, labelTournant, labelBilanCartes, labelMeilleur, labelReel, labelEtat}) l->clear();
        barreProgression->setRange(0, 1);
        barreProgression->setValue(0);
        return;
    }
    const AnalyseDonne& a = *analyse_;
    const Position& depart = a.position(0);
    labelContrat->setText(qs(Texte::panelPreneur, langue) + (langue == ANGLAIS ? ": " : " : ") + qs(nomJoueur(depart.preneur, langue)) + " \u2014 " +
                          qs(nomEnchere(depart.contrat, langue)));

    ecrireVerdict();
    // The exact value when the solver settled it; what is proven otherwise
    // only in the tooltip, never in the text.
    const BilanAnalyse b = a.bilan();
    QString meilleur = qs(Texte::analyseMeilleur, langue);
    if (b.departEtabli) meilleur += qs(Texte::analysePoints, langue).arg(signe(b.valeurDepart));
    else meilleur += qs(Texte::analyseNonEtabli, langue);
    labelMeilleur->setToolTip(!b.departEtabli && a.resolue(0)
                                  ? qs(Texte::analyseEntre, langue).arg(signe(b.borneBasse), signe(b.borneHaute))
                                  : QString());
    labelMeilleur->setText(meilleur);
    labelReel->setText(qs(Texte::analyseReel, langue) + qs(Texte::analysePoints, langue).arg(signe(b.scoreReel)) +
                       " \u2014 " + qs(b.contratReussi ? Texte::analyseReussi : Texte::analyseChute, langue));

    const int total = a.nbCartes() + 1;
    barreProgression->setRange(0, total);
    barreProgression->setValue(a.nbResolues());
    if (enCours_ && positionEnCours_ >= 0) {
        // Position k comes before card k + 1: what is being settled is that
        // card, and everything before it is still to come.
        const int carte = std::clamp(positionEnCours_ + 1, 1, a.nbCartes());
        labelEtat->setText(qs(Texte::analyseResteAResoudre, langue)
                               .arg(AnalyseDonne::pliDeCarte(carte))
                               .arg((carte - 1) % 4 + 1)
                               .arg(qs(nomJoueur(a.siege(carte), langue))));
        return;
    }
    if (enCours_) {
        labelEtat->setText(qs(Texte::analyseEnPreparation, langue));
        return;
    }
    bool toutEtabli = a.nbResolues() == total;
    for (int k = 0; k < total && toutEtabli; ++k) toutEtabli = a.resultat(k).exact;
    labelEtat->setText(qs(toutEtabli ? Texte::analyseTerminee : Texte::analyseBudgetEpuise, langue));
}

void TfrmAnalyse::remplirListe() {
    const int langue = jeu_.options.langue;
    groupeHumain->setText(0, qs(Texte::analyseVosCartes, langue) + " (" + qs(nomJoueur(jeu_.donne.joueurHumain, langue)) + ")");
    groupeAutres->setText(0, qs(Texte::analyseAutresCartes, langue));
    const int ancienne = ligneMontree_;
    const LigneAnalyse* montree = ancienne >= 0 && ancienne < static_cast<int>(lignesAffichees_.size())
                                      ? &lignesAffichees_[static_cast<std::size_t>(ancienne)]
                                      : nullptr;
    const LigneAnalyse garde = montree ? *montree : LigneAnalyse{};

    listeLignes->blockSignals(true);
    qDeleteAll(groupeHumain->takeChildren());
    qDeleteAll(groupeAutres->takeChildren());
    lignesAffichees_.clear();
    ligneMontree_ = -1;
    if (analyse_) {
        std::vector<LigneAnalyse> toutes = analyse_->lignes();
        // The coach's cards the values did not list: the turning cards and
        // the player's cards judged wrong with every card open.
        const AnalyseDonne& a = *analyse_;
        sansCout_.clear();
        const auto ajouter = [&](int numero) {
            for (const LigneAnalyse& l : toutes)
                if (l.etablie && l.numero == numero) return;
            LigneAnalyse l;
            l.numero = l.numeroFin = numero;
            l.pli = AnalyseDonne::pliDeCarte(numero);
            l.siege = a.siege(numero);
            l.carte = a.carte(numero);
            l.preneur = l.siege == a.position(0).preneur;
            toutes.push_back(l);
            sansCout_.push_back(numero);
        };
        for (const Tournant& t : bilan_.verdict.tournants) ajouter(t.numero);
        for (const JugementCarte& j : bilan_.jugements)
            if (j.jugement == Jugement::Erreur || j.jugement == Jugement::Malchance) ajouter(j.numero);
        std::stable_sort(toutes.begin(), toutes.end(),
                         [](const LigneAnalyse& x, const LigneAnalyse& y) { return x.numero < y.numero; });
        const int humain = jeu_.donne.joueurHumain;
        // The human's own cards first; a run not settled may hold some of
        // them, so it shows in both lists.
        for (const LigneAnalyse& l : toutes)
            if (!l.etablie || l.siege == humain) lignesAffichees_.push_back(l);
        const std::size_t nbHumain = lignesAffichees_.size();
        for (const LigneAnalyse& l : toutes)
            if (!l.etablie || l.siege != humain) lignesAffichees_.push_back(l);

        QFont gras = listeLignes->font();
        gras.setBold(true);
        for (std::size_t i = 0; i < lignesAffichees_.size(); ++i) {
            const LigneAnalyse& l = lignesAffichees_[i];
            const bool duHumain = i < nbHumain;
            auto* item = new QTreeWidgetItem(duHumain ? groupeHumain : groupeAutres);
            item->setData(0, roleLigne, static_cast<int>(i));
            if (!l.etablie) {
                const int pliFin = AnalyseDonne::pliDeCarte(l.numeroFin);
                item->setText(0, l.pli == pliFin ? QString::number(l.pli) : QString("%1\u2013%2").arg(l.pli).arg(pliFin));
                item->setText(2, qs(Texte::analyseCartesNonEtablies, langue).arg(l.numero).arg(l.numeroFin));
                // While the thread works, what it has not reached is still to come.
                item->setText(3, qs(enCours_ ? Texte::analyseAResoudre : Texte::analyseNonEtabli, langue));
                item->setForeground(3, QColor(110, 110, 110));
            } else {
                item->setText(0, QString::number(l.pli));
                QString joueur = qs(nomJoueur(l.siege, langue));
                if (l.siege == humain) joueur = "\u25B6 " + joueur + " (" + qs(Texte::analyseVous, langue) + ")";
                item->setText(1, joueur);
                item->setText(2, qs(nomCarte(l.carte, langue)));
                const bool sansCout = std::find(sansCout_.begin(), sansCout_.end(), l.numero) != sansCout_.end();
                QString cout = sansCout ? QStringLiteral("\u2014") : qs(Texte::analysePoints, langue).arg(l.cout);
                if (l.auMoins && !sansCout) cout = qs(Texte::analyseAuMoins, langue).arg(cout);
                // The coach's turning card, else where the values crossed the line.
                Bascule bascule = l.bascule;
                if (const Tournant* t = tournant(l.numero))
                    bascule = t->perdu ? Bascule::ContratPerdu : Bascule::ContratRealisable;
                if (bascule == Bascule::ContratPerdu) cout += " \u2014 " + qs(Texte::analyseContratPerdu, langue);
                if (bascule == Bascule::ContratRealisable)
                    cout += " \u2014 " + qs(Texte::analyseContratRealisable, langue);
                item->setText(3, cout);
                if (bascule != Bascule::Aucune) item->setForeground(3, rouge);
                if (l.avecMeilleure) item->setText(4, qs(nomCarte(l.meilleure, langue)));
                const JugementCarte* j = l.siege == humain ? jugement(l.numero) : nullptr;
                if (j && (j->jugement == Jugement::Erreur || j->jugement == Jugement::Malchance)) {
                    const bool erreur = j->jugement == Jugement::Erreur;
                    item->setText(5, qs(erreur ? Texte::coachErreur : Texte::coachMalchance, langue));
                    item->setForeground(5, erreur ? rouge : QColor(150, 100, 0));
                    item->setToolTip(5, texteJugement(*j));
                    if (!l.avecMeilleure && j->avecMieux) item->setText(4, qs(nomCarte(j->mieux, langue)));
                }
                if (l.siege == humain)
                    for (int c = 0; c < 6; ++c) {
                        item->setFont(c, gras);
                        item->setBackground(c, QColor(255, 244, 214));
                    }
            }
            if (montree && l.numero == garde.numero && l.etablie == garde.etablie && ligneMontree_ < 0) {
                ligneMontree_ = static_cast<int>(i);
                listeLignes->setCurrentItem(item);
            }
        }
    }
    for (QTreeWidgetItem* g : {groupeHumain, groupeAutres})
        if (g->childCount() == 0) {
            auto* vide = new QTreeWidgetItem(g);
            vide->setFirstColumnSpanned(true);
            vide->setFlags(Qt::NoItemFlags);
            vide->setText(0, enCours_ || !analyse_ ? QStringLiteral("\u2026") : qs(Texte::analyseAucuneLigne, langue));
        }
    groupeHumain->setExpanded(true);
    groupeAutres->setExpanded(true);
    listeLignes->blockSignals(false);
    if (montree && ligneMontree_ < 0) viderPli();
}

void TfrmAnalyse::ligneCliquee(QTreeWidgetItem* item) {
    if (!item) return;
    const QVariant v = item->data(0, roleLigne);
    if (!v.isValid()) return;
    montrerLigne(v.toInt());
}

void TfrmAnalyse::viderPli() {
    pliMontre_ = 0;
    ligneMontree_ = -1;
    titrePli->setText(QString());
    invitePli->show();
    for (int s = 1; s <= 4; ++s) cartePli[s]->hide();
    labelJugement->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{cadreEntame, cadreGagnant, carteJouee_, carteMieux_,
                                                      legendeJouee, legendeMieux, legendePli})
        w->hide();
    colorerFond(panneauPli, jeu_.options.optionCouleurFondEcranPlis);
}

void TfrmAnalyse::montrerLigne(int i) {
    if (!analyse_ || i < 0 || i >= static_cast<int>(lignesAffichees_.size())) return;
    const int langue = jeu_.options.langue;
    const AnalyseDonne& a = *analyse_;
    const LigneAnalyse& l = lignesAffichees_[static_cast<std::size_t>(i)];
    viderPli();
    invitePli->hide();
    ligneMontree_ = i;
    pliMontre_ = l.pli;
    titrePli->setText(qs(Texte::analysePli, langue).arg(l.pli));

    const int premiere = (l.pli - 1) * 4 + 1;
    const int entameur = a.position(premiere - 1).entameur;
    const int gagnant = a.position(std::min(premiere + 3, a.nbCartes())).entameur;
    for (int k = premiere; k <= std::min(premiere + 3, a.nbCartes()); ++k) {
        const int s = a.siege(k);
        cartePli[s]->dessiner(a.carte(k));
        cartePli[s]->setToolTip(qs(nomJoueur(s, langue)) + " : " + qs(nomCarte(a.carte(k), langue)));
        cartePli[s]->show();
    }
    auto entourer = [&](CadreCarte* cadre, int s, int marge) {
        const QRect r = cartePli[s]->geometry().adjusted(-marge, -marge, marge, marge);
        cadre->setGeometry(r);
        cadre->show();
        cadre->raise();
    };
    cadreEntame->changerCouleur(entameur == a.position(0).preneur ? vert : bleu);
    entourer(cadreGagnant, gagnant, dessin(4));
    entourer(cadreEntame, entameur, dessin(2));
    legendePli->setText(qs(Texte::analyseEntame, langue).arg(qs(nomJoueur(entameur, langue))) + "\n" +
                        qs(Texte::analyseGagnant, langue).arg(qs(nomJoueur(gagnant, langue))));
    legendePli->show();
    if (!l.etablie) return;
    if (const JugementCarte* j = l.siege == jeu_.donne.joueurHumain ? jugement(l.numero) : nullptr)
        labelJugement->setText(texteJugement(*j));
    lancerSuites(l.numero);

    carteJouee_->dessiner(l.carte);
    carteJouee_->setToolTip(qs(nomCarte(l.carte, langue)));
    legendeJouee->setText(qs(nomJoueur(l.siege, langue)));
    carteJouee_->show();
    legendeJouee->show();
    if (l.avecMeilleure) {
        carteMieux_->dessiner(l.meilleure);
        carteMieux_->setToolTip(qs(nomCarte(l.meilleure, langue)));
        carteMieux_->show();
        legendeMieux->show();
    }
}

const JugementCarte* TfrmAnalyse::jugement(int numero) const {
    for (const JugementCarte& j : bilan_.jugements)
        if (j.numero == numero) return &j;
    return nullptr;
}

const Tournant* TfrmAnalyse::tournant(int numero) const {
    for (const Tournant& t : bilan_.verdict.tournants)
        if (t.numero == numero) return &t;
    return nullptr;
}

QString TfrmAnalyse::texteJugement(const JugementCarte& j) const {
    const int langue = jeu_.options.langue;
    const QString jouee = qs(nomCarte(j.carte, langue));
    const QString mieux = qs(nomCarte(j.mieux, langue));
    switch (j.jugement) {
    case Jugement::Bonne: return qs(Texte::coachExpliqueBonne, langue);
    case Jugement::Erreur:
        return qs(Texte::coachExpliqueErreur, langue)
            .arg(mieux, jouee)
            .arg(j.tirages)
            .arg(qs(nomCarte(j.meilleureVue, langue)))
            .arg(j.reussitesMeilleure)
            .arg(j.reussitesJouee);
    case Jugement::Malchance:
        return qs(Texte::coachExpliqueMalchance, langue)
            .arg(mieux, jouee)
            .arg(j.tirages)
            .arg(j.reussitesJouee)
            .arg(j.reussitesMeilleure);
    case Jugement::NonJuge: break;
    }
    return qs(Texte::coachNonJuge, langue);
}

void TfrmAnalyse::ecrireVerdict() {
    const int langue = jeu_.options.langue;
    const VerdictDonne& v = bilan_.verdict;
    if (v.depuisPli > v.nbPlis) {
        labelVerdict->setText(qs(enCours_ ? Texte::coachEnCours : Texte::coachAucunPli, langue));
    } else if (v.depuisPli == 1) {
        labelVerdict->setText(qs(v.realisableDepart() == 1 ? Texte::coachRealisableDepart : Texte::coachIrrealisableDepart, langue));
    } else {
        const bool realisable = v.realisablePli[v.depuisPli] == 1;
        labelVerdict->setText(qs(realisable ? Texte::coachRealisableDepuis : Texte::coachIrrealisableDepuis, langue).arg(v.depuisPli));
    }
    QStringList tournants;
    for (const Tournant& t : v.tournants)
        tournants << qs(t.perdu ? Texte::coachPerduPar : Texte::coachSauvePar, langue)
                         .arg(t.pli)
                         .arg(qs(nomCarte(t.carte, langue)), qs(nomJoueur(t.siege, langue)));
    labelTournant->setText(tournants.join(' '));
    labelTournant->setVisible(!tournants.isEmpty());
    int jugees = 0;
    for (const JugementCarte& j : bilan_.jugements) jugees += j.jugement != Jugement::NonJuge;
    labelBilanCartes->setText(qs(Texte::coachBilanCartes, langue)
                                  .arg(bilan_.erreurs())
                                  .arg(bilan_.malchances())
                                  .arg(jugees)
                                  .arg(nbCartesJoueur_));
}

void TfrmAnalyse::lancerSuites(int numero) {
    if (!analyse_ || numero < 1 || numero > analyse_->nbCartes()) return;
    if (arretSuite_) arretSuite_->store(true);
    suiteJouee_ = ::suiteJouee(*analyse_, numero);
    suiteOptimale_.clear();
    auto arret = std::make_shared<std::atomic<bool>>(false);
    arretSuite_ = arret;
    auto copie = std::make_shared<const AnalyseDonne>(*analyse_);
    const double secondes = std::min(budget(), 20.0);
    suite_ = QtConcurrent::run(&pool_, [copie, numero, arret, secondes] {
        Solveur solveur(16);
        Budget b;
        b.secondes = secondes;
        b.arret = arret.get();
        return ::suiteOptimale(*copie, numero, solveur, b);
    });
    veilleurSuite_.setFuture(suite_);
    etatSuites->setText(qs(Texte::coachSuiteEnCalcul, jeu_.options.langue));
    dessinerSuites();
}

void TfrmAnalyse::suitesRecues() {
    if (!arretSuite_ || arretSuite_->load() || suite_.resultCount() == 0) return;
    suiteOptimale_ = suite_.result();
    const bool complete = !suiteOptimale_.empty() && suiteOptimale_.back().gagnant != 0 &&
                          suiteOptimale_.back().pli == suiteJouee_.back().pli;
    etatSuites->setText(complete ? QString() : qs(Texte::coachSuiteIncomplete, jeu_.options.langue));
    dessinerSuites();
}

// One row a trick: its number, then the four seats' cards as played and as
// the best line plays them, the winner's card framed in gold.
void TfrmAnalyse::dessinerSuites() {
    qDeleteAll(grilleSuites->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    const int W = dessin(24), H = dessin(40), G = dessin(2), E = dessin(12), N = dessin(34);
    const int largeurPli = 4 * W + 3 * G;
    const auto colonne = [&](const std::vector<PliSuite>& suite, std::size_t i, int x0, int y) {
        if (i >= suite.size()) return;
        const PliSuite& t = suite[i];
        for (int s = 1; s <= 4; ++s) {
            if (t.cartes[s].couleur == SANS_COULEUR) continue;
            auto* c = new PetiteCarte(grilleSuites);
            c->setObjectName(QString("suite%1").arg(x0 == N ? "Jouee" : "Optimale"));
            c->setGeometry(x0 + (s - 1) * (W + G), y, W, H);
            c->dessiner(t.cartes[s]);
            c->setToolTip(qs(nomJoueur(s, jeu_.options.langue)) + " : " + qs(nomCarte(t.cartes[s], jeu_.options.langue)));
            c->show();
            if (t.gagnant == s) {
                auto* cadre = new CadreCarte(grilleSuites, or_);
                cadre->setGeometry(c->geometry().adjusted(-G, -G, G, G));
                cadre->show();
            }
        }
    };
    const std::size_t n = std::max(suiteJouee_.size(), suiteOptimale_.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int y = G + static_cast<int>(i) * (H + 3 * G);
        auto* numero = new QLabel(grilleSuites);
        const int pli = i < suiteJouee_.size() ? suiteJouee_[i].pli : suiteOptimale_[i].pli;
        numero->setText(QString::number(pli));
        numero->setAlignment(Qt::AlignCenter);
        numero->setGeometry(0, y, N - G, H);
        numero->show();
        colonne(suiteJouee_, i, N, y);
        colonne(suiteOptimale_, i, N + largeurPli + E, y);
    }
    grilleSuites->resize(N + 2 * largeurPli + E + G, G + static_cast<int>(n) * (H + 3 * G));
    colorerFond(grilleSuites, jeu_.options.optionCouleurFondEcranPlis);
}
