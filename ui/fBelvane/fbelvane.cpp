#include "ui/fBelvane/fbelvane.h"

#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

#include "engine/arrondi.h"
#include "engine/annonces.h"
#include "engine/jeu.h"
#include "expert/chelem.h"
#include "ui/fBelvane/aides_table.h"
#include "flow/deroulement.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/penseur_expert.h"
#include "ui/fMains/fmains.h"
#include "ui/fPliPrecedent/fpliprecedent.h"
#include "ui/fScoreDetaille/fscoredetaille.h"
#include "ui/fTousPlis/ftousplis.h"
#include "ui/fAnalyse/analyse_fond.h"
#include "ui/fAnalyse/fanalyse.h"

namespace {

const QColor bleuNuit(0, 64, 128);     // bidding bar, result panel
const QColor vertSombre(0, 128, 64);   // score panel, deductions panel
const QColor bleuCiel(133, 183, 237);  // taker panels
const QColor gris(192, 192, 192);
const QColor vertPale(133, 228, 159);

constexpr const char* nomsCouleurs[5] = {"", "Pique", "Coeur", "Trefle", "Carreau"};

}  // namespace

TfrmBelvane::TfrmBelvane(Jeu& jeu, double facteur, QWidget* parent)
    : QMainWindow(parent),
      jeu_(jeu),
      facteur_(facteur),
      TimerEnchere(this),
      TimerEntreCarte(this),
      TimerTransition(this),
      timerTousPlis(this) {
    setObjectName("frmBelvane");
    // When an Expert seat has thought, its card is played as the card timer
    // would have; its bid is asked again, now ready; its discard replaces the
    // game's own before the first card; its handful is declared as the card
    // timer goes on.
    penseur_ = std::make_unique<PenseurExpert>(this, [this](PenseurExpert::Sujet sujet) {
        switch (sujet) {
            case PenseurExpert::Sujet::Carte: declencherMinuteur(jeu_, Minuteur::TimerEntreCarte); break;
            case PenseurExpert::Sujet::Enchere: penseur_->rendreEnchere(jeu_); break;
            case PenseurExpert::Sujet::Ecart:
                penseur_->poserEcart(jeu_);
                minuteurEcoule(Minuteur::TimerEntreCarte);
                break;
            case PenseurExpert::Sujet::Poignee: minuteurEcoule(Minuteur::TimerEntreCarte); break;
        }
    });
    jeu_.choixOrdinateur = [this](Jeu& j, int siege) { penseur_->choisir(j, siege); };
    jeu_.enchereOrdinateur = [this](const Jeu& j, int siege) { return penseur_->enchere(j, siege); };
    jeu_.poigneeOrdinateur = [this](const Jeu& j, int siege) { return penseur_->poignee(j, siege); };
    // The official rules: an Expert taker announces the chelem by sampling, the other levels by the simple rule.
    jeu_.annonceChelem = [generateur = std::make_shared<std::mt19937_64>(std::random_device{}())](const Jeu& j,
                                                                                             int siege) {
        return j.options.optionNiveauExpert ? expertAnnonceChelem(j, siege, *generateur) : chelemAssure(j.donne, siege);
    };
    setWindowTitle("BELVANE 2010");
    cadrage_.echelle = facteur;
    policeDessin(this, 8);

    // The client area: the table cloth, and the information bar across the
    // bottom; both are placed by the layout, which runs at every resize.
    centre_ = new QWidget(this);
    centre_->setObjectName("centre");
    centre_->installEventFilter(this);
    tapis_ = new Tapis(centre_);
    tapis_->setObjectName("Tapis");
    tapis_->changerFond(QColor(0, 128, 128));
    panelBarreInfo = new Panneau(centre_);
    panelBarreInfo->setObjectName("panelBarreInfo");
    info = new QLabel(panelBarreInfo);
    info->setObjectName("info");
    policeDessin(info, 9, true);
    auto* ligneInfo = new QHBoxLayout(panelBarreInfo);
    ligneInfo->addWidget(info);
    setCentralWidget(centre_);

    creerTable();
    creerCartes();
    creerBarreEnchere();
    creerResultat();
    creerPanneauScores();
    creerDeductions();
    creerPanneauxDivers();
    creerBarreOutils();
    creerMenus();
    creerHistorique();
    creerReglesOfficielles();
    creerAccessibilite();
    creerMinuteurs();
    // The menus' texts first: the menu bar's height depends on them.
    ecrireTextes(jeu_.options.langue);
    // The window opens with the table at the screen's scale; it can then be
    // resized, maximised or put in full screen, and the table follows.
    int largeur = 0;
    int hauteur = 0;
    tailleClientPour(facteur_, true, largeur, hauteur);
    int largeurMin = 0;
    int hauteurMin = 0;
    tailleClientPour(0.5, true, largeurMin, hauteurMin);
    centre_->setMinimumSize(largeurMin, hauteurMin);
    centre_->resize(largeur, hauteur);
    disposer(QSize(largeur, hauteur));
    resize(largeur, hauteur + menuBar()->sizeHint().height());
    // The review windows take the screen's scale, each fitted to the screen.
    frmPliPrecedent_ = new TfrmPliPrecedent(jeu_, facteur_, this);
    frmMains_ = new TfrmMains(jeu_, facteur_, this);
    frmScoreDetaille_ = new TfrmScoreDetaille(jeu_, facteur_, this);
    frmTousPlis_ = new TfrmTousPlis(jeu_, facteur_, this);
    frmAnalyse_ = new TfrmAnalyse(jeu_, facteur_, this);
    connect(frmTousPlis_, &TfrmTousPlis::analyseDemandee, this, &TfrmBelvane::PanelAnalyseClick);
    // The coach's verdict goes to the history, from the window or from the background.
    analyseFond_ = new AnalyseFond(this);
    connect(analyseFond_, &AnalyseFond::verdictEtabli, this, &TfrmBelvane::noterVerdict);
    connect(frmAnalyse_, &TfrmAnalyse::verdictEtabli, this, &TfrmBelvane::noterVerdict);
    ecrireTextes(jeu_.options.langue);

    construite_ = true;
    jeu_.vue = this;
    jeu_.minuteurs = this;
    connect(tapis_, &Tapis::clic, this, &TfrmBelvane::continuerClick);
    // The space bar continues as a click on the table does, whichever control
    // holds the focus: it never presses the advice button, which bids.
    auto* espace = new QShortcut(QKeySequence(Qt::Key_Space), this);
    espace->setObjectName("raccourciEspace");
    espace->setAutoRepeat(false);
    connect(espace, &QShortcut::activated, this, &TfrmBelvane::continuerClick);
    aides_ = new AidesTable(jeu_, this);
}

TfrmBelvane::~TfrmBelvane() {
    // The game outlives the window in the tests: leave it a harmless view.
    if (jeu_.vue == this) jeu_.vue = &vueNulle();
    if (jeu_.minuteurs == this) jeu_.minuteurs = &minuteursNuls();
    if (historique_) jeu_.donneTerminee = nullptr;
    jeu_.choixOrdinateur = nullptr;
    jeu_.enchereOrdinateur = nullptr;
    penseur_.reset();
}

AidesTable* TfrmBelvane::aides() const { return aides_; }

double TfrmBelvane::facteurEcran(const QScreen* ecran) {
    if (!ecran) return 1.0;
    const QRect zone = ecran->availableGeometry();
    const double e = echelleUniforme(zone.width(), zone.height(), largeurEcranDessin, hauteurEcranDessin);
    return e > 0 ? e : 1.0;
}

int TfrmBelvane::dessin(double unites) const { return arrondi(unites * cadrage_.echelle); }

QFont TfrmBelvane::police(double points, bool gras) const {
    QFont f = QWidget::font();
    f.setPixelSize(std::max(1, arrondi(points * 96.0 / 72.0 * cadrage_.echelle)));
    f.setBold(gras);
    return f;
}

void TfrmBelvane::creerTable() {
    TableRonde = new Forme(Forme::Ellipse, tapis_);
    TableRonde->setObjectName("TableRonde");
    placer(TableRonde, QRect(215, 2, 352, 341));
    connect(TableRonde, &Forme::presse, this, &TfrmBelvane::continuerClick);

    for (int s = 1; s <= 4; ++s) {
        CadrePreneur[s] = new Forme(Forme::Rectangle, tapis_);
        CadrePreneur[s]->setObjectName(QString("CadrePreneur%1").arg(s));
        CadrePreneur[s]->changerCouleur(couleurSiege(s));
        CadrePreneur[s]->hide();
        connect(CadrePreneur[s], &Forme::presse, this, &TfrmBelvane::continuerClick);
    }
    for (int s = 1; s <= 4; ++s) {
        CarteTable[s] = new ImageCarte(tapis_);
        CarteTable[s]->setObjectName(QString("CarteTable%1").arg(s));
        CarteTable[s]->hide();
        connect(CarteTable[s], &ImageCarte::clic, this, &TfrmBelvane::continuerClick);
    }
    for (int s = 1; s <= 4; ++s) {
        PanelDec[s] = new Panneau(tapis_, couleurSiege(s));
        PanelDec[s]->setObjectName(QString("PanelDec%1").arg(s));
        policeDessin(PanelDec[s], 14, true);
        PanelDec[s]->hide();
        connect(PanelDec[s], &Panneau::clic, this, &TfrmBelvane::continuerClick);
    }
}

void TfrmBelvane::creerCartes() {
    for (int i = 1; i <= 6; ++i) {
        CarteChien[i] = new ImageCarte(tapis_);
        CarteChien[i]->setObjectName(QString("CarteChien%1").arg(i));
        CarteChien[i]->hide();
        connect(CarteChien[i], &ImageCarte::clic, this, &TfrmBelvane::CarteChienClick);
    }
    for (int k = 1; k <= 24; ++k) {
        Carte3D[k] = new ImageCarte(tapis_);
        Carte3D[k]->setObjectName(QString("Carte3D%1").arg(k));
        Carte3D[k]->setCursor(Qt::ForbiddenCursor);
        Carte3D[k]->hide();
        connect(Carte3D[k], &ImageCarte::clic, this, [this, k] { Carte3DClick(k); });
    }
}

void TfrmBelvane::creerBarreEnchere() {
    BarreEnchere = new Panneau(tapis_, bleuNuit);
    BarreEnchere->setObjectName("BarreEnchere");
    placer(BarreEnchere, QRect(108, 278, 567, 58));
    BarreEnchere->hide();
    static constexpr const char* noms[5] = {"ButtonPasse", "ButtonPrise", "ButtonGarde", "ButtonGardeSans",
                                            "ButtonGardeContre"};
    for (int e = 0; e <= 4; ++e) {
        boutonEnchere[e] = new QPushButton(BarreEnchere);
        boutonEnchere[e]->setObjectName(noms[e]);
        placer(boutonEnchere[e], QRect(6 + e * 111, 4, 107, 24));
        policeDessin(boutonEnchere[e], 7.5, true);
        boutonEnchere[e]->setFocusPolicy(Qt::NoFocus);
        connect(boutonEnchere[e], &QPushButton::clicked, this, [this, e] { boutonEnchereClick(e); });
    }
    evMaMain = new QPushButton(BarreEnchere);
    evMaMain->setObjectName("evMaMain");
    placer(evMaMain, QRect(6, 31, 551, 23));
    policeDessin(evMaMain, 8, true);
    evMaMain->setFocusPolicy(Qt::StrongFocus);
    connect(evMaMain, &QPushButton::clicked, this, &TfrmBelvane::evMaMainClick);
}

void TfrmBelvane::disposerResultat() {
    // Five buttons as the table was designed; the Analysis button, when the
    // option shows it, makes a sixth and the six share the same width.
    const bool avecAnalyse = PanelAnalyse && !PanelAnalyse->isHidden();
    QPushButton* const boutons[] = {PanelVoirMains, PanelVoirPlis, PanelScoreDetaille, panelRejouerDonne,
                                    PanelPanelNewPartie, PanelAnalyse};
    for (int i = 0; i < 6; ++i) {
        QPushButton* b = boutons[i];
        if (!b) continue;
        // Placed, not only sized: the table keeps its place for the next layout.
        placer(b, avecAnalyse ? QRect(8 + i * 130, 54, 124, 34) : QRect(8 + i * 156, 54, 150, 34));
        // "REJOUER LA DONNE" fits the narrower six a point smaller.
        policeDessin(b, avecAnalyse ? 8 : 9, true);
    }
}

void TfrmBelvane::creerResultat() {
    PanelResultat = new Panneau(tapis_, bleuNuit);
    PanelResultat->setObjectName("PanelResultat");
    placer(PanelResultat, QRect(2, 321, 793, 96));
    PanelResultat->hide();
    PanelTexteResultat = new QLabel(PanelResultat);
    PanelTexteResultat->setObjectName("PanelTexteResultat");
    placer(PanelTexteResultat, QRect(8, 4, 777, 46));
    PanelTexteResultat->setAlignment(Qt::AlignCenter);
    policeDessin(PanelTexteResultat, 11, true);
    PanelTexteResultat->setStyleSheet("color: rgb(255, 255, 160);");

    auto bouton = [this](const char* nom, int i) {
        auto* b = new QPushButton(PanelResultat);
        b->setObjectName(nom);
        placer(b, QRect(8 + i * 156, 54, 150, 34));
        policeDessin(b, 9, true);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    PanelVoirMains = bouton("PanelVoirMains", 0);
    PanelVoirPlis = bouton("PanelVoirPlis", 1);
    PanelScoreDetaille = bouton("PanelScoreDetaille", 2);
    panelRejouerDonne = bouton("panelRejouerDonne", 3);
    PanelPanelNewPartie = bouton("PanelPanelNewPartie", 4);
    connect(PanelVoirMains, &QPushButton::clicked, this, &TfrmBelvane::PanelVoirMainsClick);
    connect(PanelVoirPlis, &QPushButton::clicked, this, &TfrmBelvane::PanelVoirPlisClick);
    connect(PanelScoreDetaille, &QPushButton::clicked, this, &TfrmBelvane::PanelScoreDetailleClick);
    connect(panelRejouerDonne, &QPushButton::clicked, this, &TfrmBelvane::rejouerDonne);
    connect(PanelPanelNewPartie, &QPushButton::clicked, this, &TfrmBelvane::nouvellePartie);
    PanelAnalyse = bouton("PanelAnalyse", 5);
    connect(PanelAnalyse, &QPushButton::clicked, this, &TfrmBelvane::PanelAnalyseClick);
    disposerResultat();

    for (int s = 1; s <= 4; ++s) {
        panelScoreTotal[s] = new Panneau(tapis_, couleurSiege(s));
        panelScoreTotal[s]->setObjectName(QString("panelScoreTotal%1").arg(s));
        // 21 pixels of the design.
        policeDessin(panelScoreTotal[s], 21 * 72.0 / 96.0, true, "Times New Roman");
        panelScoreTotal[s]->setCursor(Qt::PointingHandCursor);
        panelScoreTotal[s]->hide();
        connect(panelScoreTotal[s], &Panneau::clic, this, &TfrmBelvane::basculerScoresClick);
    }
}

void TfrmBelvane::creerPanneauScores() {
    PanneauScores = new Panneau(tapis_, vertSombre);
    PanneauScores->setObjectName("PanneauScores");
    placer(PanneauScores, QRect(730, 0, 63, 149));
    auto champ = [this](const char* nom, int i) {
        auto* p = new Panneau(PanneauScores, gris);
        p->setObjectName(nom);
        placer(p, QRect(4, 4 + i * 29, 55, 25));
        policeDessin(p, 10, true);
        return p;
    };
    nPointsAttaque = champ("nPointsAttaque", 0);
    nBoutsPreneur = champ("nBoutsPreneur", 1);
    nContrat = champ("nContrat", 2);
    nBoutsDefense = champ("nBoutsDefense", 3);
    nPointsDefense = champ("nPointsDefense", 4);
}

void TfrmBelvane::creerDeductions() {
    PanelDeductions = new Panneau(tapis_, vertSombre);
    PanelDeductions->setObjectName("PanelDeductions");
    placer(PanelDeductions, QRect(3, 1, 140, 260));

    auto panneau = [this](const char* nom, QRect r, const QColor& fond, double points) {
        auto* p = new Panneau(PanelDeductions, fond);
        p->setObjectName(nom);
        if (!r.isNull()) placer(p, r);
        policeDessin(p, points, true);
        return p;
    };
    PanelInfoDeductions = panneau("PanelInfoDeductions", QRect(4, 2, 132, 15), bleuCiel, 8);
    PanelAtoutMax = panneau("PanelAtoutMax", QRect(4, 19, 64, 16), gris, 8);
    PanelAtExt = panneau("PanelAtExt", QRect(72, 19, 64, 16), gris, 8);
    Panel21 = panneau("Panel21", QRect(4, 37, 42, 15), vertPale, 8);
    PanelPetit = panneau("PanelPetit", QRect(49, 37, 42, 15), vertPale, 8);
    PanelExcuse = panneau("PanelExcuse", QRect(94, 37, 42, 15), vertPale, 8);
    Panel21->setText("21");
    PanelPetit->setText("1");
    PanelExcuse->setText("Exc");
    Panel21->hide();
    PanelPetit->hide();
    PanelExcuse->hide();

    static constexpr const char* lettres[5] = {"", "R", "D", "C", "V"};
    for (int c = 1; c <= 4; ++c) {
        imageCouleur[c] = new QLabel(PanelDeductions);
        imageCouleur[c]->setObjectName(QString("Image") + nomsCouleurs[c]);
        for (int k = 1; k <= 4; ++k) {
            auto* l = new Panneau(PanelDeductions, gris);
            l->setObjectName(QString("Label%1%2").arg(nomsCouleurs[c], lettres[k]));
            l->setText(lettres[k]);
            policeDessin(l, 12, true);
            l->hide();
            marqueHonneur[c][k] = l;
        }
        panelDehors[c] = panneau(qPrintable(QString("PanelDehors%1").arg(nomsCouleurs[c])), QRect(), vertPale, 12);
        panelDehors[c]->hide();
    }
}

void TfrmBelvane::creerPanneauxDivers() {
    PanelPreneur = new Panneau(tapis_, bleuCiel);
    PanelPreneur->setObjectName("PanelPreneur");
    placer(PanelPreneur, QRect(518, 1, 74, 26));
    policeDessin(PanelPreneur, 10, true);
    PanelPreneur->hide();
    PanelEnchere = new Panneau(tapis_, bleuCiel);
    PanelEnchere->setObjectName("PanelEnchere");
    placer(PanelEnchere, QRect(596, 1, 130, 26));
    policeDessin(PanelEnchere, 10, true);
    PanelEnchere->hide();

    PanelPoignee = new Panneau(tapis_, bleuNuit);
    PanelPoignee->setObjectName("PanelPoignee");
    placer(PanelPoignee, QRect(313, 196, 168, 170));
    PanelPoignee->hide();
    auto choix = [this](const char* nom, int i) {
        auto* b = new QPushButton(PanelPoignee);
        b->setObjectName(nom);
        placer(b, QRect(9, 8 + i * 40, 150, 34));
        policeDessin(b, 9, true);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    PanelPoigneeSimple = choix("PanelPoigneeSimple", 0);
    PanelPoigneeDouble = choix("PanelPoigneeDouble", 1);
    PanelPoigneeTriple = choix("PanelPoigneeTriple", 2);
    PanelPoigneeAucune = choix("PanelPoigneeAucune", 3);
    connect(PanelPoigneeSimple, &QPushButton::clicked, this, [this] { PanelPoigneeClick(1); });
    connect(PanelPoigneeDouble, &QPushButton::clicked, this, [this] { PanelPoigneeClick(2); });
    connect(PanelPoigneeTriple, &QPushButton::clicked, this, [this] { PanelPoigneeClick(3); });
    connect(PanelPoigneeAucune, &QPushButton::clicked, this, &TfrmBelvane::PanelPoigneeAucuneClick);

    PanelConfirmeEcart = new QPushButton(tapis_);
    PanelConfirmeEcart->setObjectName("PanelConfirmeEcart");
    placer(PanelConfirmeEcart, QRect(299, 292, 186, 29));
    policeDessin(PanelConfirmeEcart, 10, true);
    PanelConfirmeEcart->setFocusPolicy(Qt::NoFocus);
    PanelConfirmeEcart->hide();
    connect(PanelConfirmeEcart, &QPushButton::clicked, this, &TfrmBelvane::PanelConfirmeEcartClick);

    PanelLancement = new QPushButton(tapis_);
    PanelLancement->setObjectName("PanelLancement");
    placer(PanelLancement, QRect(205, 102, 371, 127));
    policeDessin(PanelLancement, 11, true);
    PanelLancement->setFocusPolicy(Qt::NoFocus);
    PanelLancement->setCursor(Qt::PointingHandCursor);
    connect(PanelLancement, &QPushButton::clicked, this, &TfrmBelvane::PanelLancementClick);
}
