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

#include "engine/arrondi.h"
#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/penseur_expert.h"
#include "ui/fMains/fmains.h"
#include "ui/fPliPrecedent/fpliprecedent.h"
#include "ui/fScoreDetaille/fscoredetaille.h"
#include "ui/fTousPlis/ftousplis.h"

namespace {

const QColor bleuNuit(0, 64, 128);     // bidding bar, result panel
const QColor vertSombre(0, 128, 64);   // score panel, deductions panel
const QColor bleuCiel(133, 183, 237);  // taker panels
const QColor gris(192, 192, 192);
const QColor vertPale(133, 228, 159);

// Design places of the four table cards: South, East, North, West.
constexpr int gaucheCarteTable[5] = {0, 347, 446, 347, 246};
constexpr int hautCarteTable[5] = {0, 175, 90, 16, 90};

constexpr const char* nomsCouleurs[5] = {"", "Pique", "Coeur", "Trefle", "Carreau"};

// A suit symbol for the deductions panel, drawn on a transparent picture.
QPixmap symboleCouleur(int couleur, int cote) {
    static const char16_t symboles[5] = {0, u'\u2660', u'\u2665', u'\u2663', u'\u2666'};
    QPixmap image(cote, cote);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f("DejaVu Sans");
    f.setPixelSize(std::max(1, cote));
    p.setFont(f);
    const bool rouge = couleur == 2 || couleur == 4;
    p.setPen(rouge ? QColor(220, 0, 0) : Qt::black);
    p.drawText(image.rect(), Qt::AlignCenter, QString(QChar(symboles[couleur])));
    return image;
}

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
    // When an Expert seat has thought, its card is played as the card timer would have.
    penseur_ = std::make_unique<PenseurExpert>(this, [this] { declencherMinuteur(jeu_, Minuteur::TimerEntreCarte); });
    jeu_.choixOrdinateur = [this](Jeu& j, int siege) { penseur_->choisir(j, siege); };
    setWindowTitle("BELVANE 2010");
    setFont(police(8));

    auto* centre = new QWidget(this);
    auto* pile = new QVBoxLayout(centre);
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(0);
    tapis_ = new Tapis(centre);
    tapis_->setObjectName("Tapis");
    tapis_->changerFond(QColor(0, 128, 128));
    pile->addWidget(tapis_, 1);
    panelBarreInfo = new Panneau(centre);
    panelBarreInfo->setObjectName("panelBarreInfo");
    panelBarreInfo->setFixedHeight(dessin(28));
    info = new QLabel(panelBarreInfo);
    info->setObjectName("info");
    info->setFont(police(9, true));
    auto* ligneInfo = new QHBoxLayout(panelBarreInfo);
    ligneInfo->setContentsMargins(dessin(8), 0, dessin(8), 0);
    ligneInfo->addWidget(info);
    pile->addWidget(panelBarreInfo);
    setCentralWidget(centre);

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
    creerMinuteurs();
    disposer();
    // The review windows need the table's card sizes.
    frmPliPrecedent_ = new TfrmPliPrecedent(jeu_, facteur_, this);
    frmMains_ = new TfrmMains(jeu_, facteur_, this);
    frmScoreDetaille_ = new TfrmScoreDetaille(jeu_, facteur_, this);
    frmTousPlis_ = new TfrmTousPlis(jeu_, facteur_, this);
    ecrireTextes(jeu_.options.langue);

    jeu_.vue = this;
    jeu_.minuteurs = this;
    connect(tapis_, &Tapis::clic, this, &TfrmBelvane::continuerClick);
    // The space bar continues as a click on the table does, whichever control
    // holds the focus: it never presses the advice button, which bids.
    auto* espace = new QShortcut(QKeySequence(Qt::Key_Space), this);
    espace->setObjectName("raccourciEspace");
    espace->setAutoRepeat(false);
    connect(espace, &QShortcut::activated, this, &TfrmBelvane::continuerClick);
}

TfrmBelvane::~TfrmBelvane() {
    // The game outlives the window in the tests: leave it a harmless view.
    if (jeu_.vue == this) jeu_.vue = &vueNulle();
    if (jeu_.minuteurs == this) jeu_.minuteurs = &minuteursNuls();
    if (historique_) jeu_.donneTerminee = nullptr;
    jeu_.choixOrdinateur = nullptr;
    penseur_.reset();
}

double TfrmBelvane::facteurEcran(const QScreen* ecran) {
    if (!ecran) return 1.0;
    const double ppp = ecran->logicalDotsPerInchX();
    const int largeur = ecran->geometry().width();
    const int m = ppp > 0 ? static_cast<int>(std::trunc(largeur * 96.0 / ppp)) : largeur;
    return m / 800.0;
}

int TfrmBelvane::dessin(double unites) const { return arrondi(unites * facteur_); }

QRect TfrmBelvane::rectDessin(int gauche, int haut, int largeur, int hauteur) const {
    return QRect(dessin(gauche), dessin(haut), dessin(largeur), dessin(hauteur));
}

QFont TfrmBelvane::police(double points, bool gras) const {
    QFont f = QWidget::font();
    f.setPixelSize(std::max(1, arrondi(points * 96.0 / 72.0 * facteur_)));
    f.setBold(gras);
    return f;
}

void TfrmBelvane::creerTable() {
    TableRonde = new Forme(Forme::Ellipse, tapis_);
    TableRonde->setObjectName("TableRonde");
    TableRonde->setGeometry(rectDessin(215, 2, 352, 341));
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
        CarteTable[s]->move(dessin(gaucheCarteTable[s]), dessin(hautCarteTable[s]));
        CarteTable[s]->hide();
        connect(CarteTable[s], &ImageCarte::clic, this, &TfrmBelvane::continuerClick);
    }
    for (int s = 1; s <= 4; ++s) {
        PanelDec[s] = new Panneau(tapis_, couleurSiege(s));
        PanelDec[s]->setObjectName(QString("PanelDec%1").arg(s));
        PanelDec[s]->resize(dessin(180), dessin(50));
        PanelDec[s]->setFont(police(14, true));
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
    BarreEnchere->setGeometry(rectDessin(108, 278, 567, 58));
    BarreEnchere->hide();
    static constexpr const char* noms[5] = {"ButtonPasse", "ButtonPrise", "ButtonGarde", "ButtonGardeSans",
                                            "ButtonGardeContre"};
    for (int e = 0; e <= 4; ++e) {
        boutonEnchere[e] = new QPushButton(BarreEnchere);
        boutonEnchere[e]->setObjectName(noms[e]);
        boutonEnchere[e]->setGeometry(rectDessin(6 + e * 111, 4, 107, 24));
        boutonEnchere[e]->setFont(police(7.5, true));
        boutonEnchere[e]->setFocusPolicy(Qt::NoFocus);
        connect(boutonEnchere[e], &QPushButton::clicked, this, [this, e] { boutonEnchereClick(e); });
    }
    evMaMain = new QPushButton(BarreEnchere);
    evMaMain->setObjectName("evMaMain");
    evMaMain->setGeometry(rectDessin(6, 31, 551, 23));
    evMaMain->setFont(police(8, true));
    evMaMain->setFocusPolicy(Qt::StrongFocus);
    connect(evMaMain, &QPushButton::clicked, this, &TfrmBelvane::evMaMainClick);
}

void TfrmBelvane::creerResultat() {
    PanelResultat = new Panneau(tapis_, bleuNuit);
    PanelResultat->setObjectName("PanelResultat");
    PanelResultat->setGeometry(rectDessin(2, 321, 793, 96));
    PanelResultat->hide();
    PanelTexteResultat = new QLabel(PanelResultat);
    PanelTexteResultat->setObjectName("PanelTexteResultat");
    PanelTexteResultat->setGeometry(rectDessin(8, 4, 777, 46));
    PanelTexteResultat->setAlignment(Qt::AlignCenter);
    PanelTexteResultat->setFont(police(11, true));
    PanelTexteResultat->setStyleSheet("color: rgb(255, 255, 160);");

    auto bouton = [this](const char* nom, int i) {
        auto* b = new QPushButton(PanelResultat);
        b->setObjectName(nom);
        b->setGeometry(rectDessin(8 + i * 156, 54, 150, 34));
        b->setFont(police(9, true));
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

    for (int s = 1; s <= 4; ++s) {
        panelScoreTotal[s] = new Panneau(tapis_, couleurSiege(s));
        panelScoreTotal[s]->setObjectName(QString("panelScoreTotal%1").arg(s));
        panelScoreTotal[s]->resize(dessin(173), dessin(43));
        QFont f("Times New Roman");
        f.setStyleHint(QFont::Serif);
        f.setPixelSize(std::max(1, dessin(21)));
        f.setBold(true);
        panelScoreTotal[s]->setFont(f);
        panelScoreTotal[s]->setCursor(Qt::PointingHandCursor);
        panelScoreTotal[s]->hide();
        connect(panelScoreTotal[s], &Panneau::clic, this, &TfrmBelvane::basculerScoresClick);
    }
}

void TfrmBelvane::creerPanneauScores() {
    PanneauScores = new Panneau(tapis_, vertSombre);
    PanneauScores->setObjectName("PanneauScores");
    PanneauScores->setGeometry(rectDessin(730, 0, 63, 149));
    auto champ = [this](const char* nom, int i) {
        auto* p = new Panneau(PanneauScores, gris);
        p->setObjectName(nom);
        p->setGeometry(rectDessin(4, 4 + i * 29, 55, 25));
        p->setFont(police(10, true));
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
    PanelDeductions->setGeometry(rectDessin(3, 1, 140, 260));

    auto panneau = [this](const char* nom, QRect r, const QColor& fond, double points) {
        auto* p = new Panneau(PanelDeductions, fond);
        p->setObjectName(nom);
        p->setGeometry(r);
        p->setFont(police(points, true));
        return p;
    };
    PanelInfoDeductions = panneau("PanelInfoDeductions", rectDessin(4, 2, 132, 15), bleuCiel, 8);
    PanelAtoutMax = panneau("PanelAtoutMax", rectDessin(4, 19, 64, 16), gris, 8);
    PanelAtExt = panneau("PanelAtExt", rectDessin(72, 19, 64, 16), gris, 8);
    Panel21 = panneau("Panel21", rectDessin(4, 37, 42, 15), vertPale, 8);
    PanelPetit = panneau("PanelPetit", rectDessin(49, 37, 42, 15), vertPale, 8);
    PanelExcuse = panneau("PanelExcuse", rectDessin(94, 37, 42, 15), vertPale, 8);
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
            l->setFont(police(12, true));
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
    PanelPreneur->setGeometry(rectDessin(518, 1, 74, 26));
    PanelPreneur->setFont(police(10, true));
    PanelPreneur->hide();
    PanelEnchere = new Panneau(tapis_, bleuCiel);
    PanelEnchere->setObjectName("PanelEnchere");
    PanelEnchere->setGeometry(rectDessin(596, 1, 130, 26));
    PanelEnchere->setFont(police(10, true));
    PanelEnchere->hide();

    PanelPoignee = new Panneau(tapis_, bleuNuit);
    PanelPoignee->setObjectName("PanelPoignee");
    PanelPoignee->setGeometry(rectDessin(313, 196, 168, 170));
    PanelPoignee->hide();
    auto choix = [this](const char* nom, int i) {
        auto* b = new QPushButton(PanelPoignee);
        b->setObjectName(nom);
        b->setGeometry(rectDessin(9, 8 + i * 40, 150, 34));
        b->setFont(police(9, true));
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
    PanelConfirmeEcart->setGeometry(rectDessin(299, 292, 186, 29));
    PanelConfirmeEcart->setFont(police(10, true));
    PanelConfirmeEcart->setFocusPolicy(Qt::NoFocus);
    PanelConfirmeEcart->hide();
    connect(PanelConfirmeEcart, &QPushButton::clicked, this, &TfrmBelvane::PanelConfirmeEcartClick);

    PanelLancement = new QPushButton(tapis_);
    PanelLancement->setObjectName("PanelLancement");
    PanelLancement->setGeometry(rectDessin(205, 102, 371, 127));
    PanelLancement->setFont(police(11, true));
    PanelLancement->setFocusPolicy(Qt::NoFocus);
    PanelLancement->setCursor(Qt::PointingHandCursor);
    connect(PanelLancement, &QPushButton::clicked, this, &TfrmBelvane::PanelLancementClick);
}

void TfrmBelvane::centrerSurCarte(QWidget* w, int siege) {
    const QWidget* carte = CarteTable[siege];
    w->move(carte->x() - arrondi((w->width() - carte->width()) / 2.0),
            carte->y() - arrondi((w->height() - carte->height()) / 2.0));
}

// The table's geometry on this screen, once the controls are in place.
void TfrmBelvane::disposer() {
    GeometrieFenetre g;
    g.largeurClient = dessin(800);
    g.basBarreEnchere = BarreEnchere->geometry().y() + BarreEnchere->height();
    g.hautTableRonde = TableRonde->y();
    g.hauteurTableRonde = TableRonde->height();
    Disposition& d = jeu_.disposition;
    disposerTable(d, d.echelleX, d.echelleY, g);

    const QSize carte(d.largeurCarte, d.hauteurCarte);
    for (int s = 1; s <= 4; ++s) CarteTable[s]->resize(carte);
    for (int i = 1; i <= 6; ++i) CarteChien[i]->resize(carte);
    for (int k = 1; k <= 24; ++k) Carte3D[k]->resize(carte);
    for (int s = 1; s <= 4; ++s) {
        CadrePreneur[s]->resize(d.largeurCarte + arrondi(d.echelleX * 10), d.hauteurCarte + arrondi(d.echelleY * 10));
        CadrePreneur[s]->move(CarteTable[s]->x() - arrondi(d.echelleX * 5), CarteTable[s]->y() - arrondi(d.echelleY * 5));
        centrerSurCarte(PanelDec[s], s);
        centrerSurCarte(panelScoreTotal[s], s);
    }

    // The deductions panel: a suit picture, its four honour marks, its counter.
    const int ecart = arrondi(d.echelleX * 3);
    static constexpr int gauches[5] = {0, 7, 39, 71, 103};
    for (int c = 1; c <= 4; ++c) {
        const QRect image = rectDessin(gauches[c], 54, 30, 30);
        imageCouleur[c]->setGeometry(image);
        imageCouleur[c]->setPixmap(symboleCouleur(c, image.height()));
        for (int k = 1; k <= 4; ++k)
            marqueHonneur[c][k]->setGeometry(image.x(), image.y() + k * (ecart + image.height()), image.width(),
                                             image.height());
        const QRect quatrieme = marqueHonneur[c][4]->geometry();
        panelDehors[c]->setGeometry(image.x(), ecart + quatrieme.y() + quatrieme.height(), image.width(),
                                    image.height());
        panelDehors[c]->show();
    }

    // Room for the hand under the bidding bar, and for the 24 cards of the discard.
    const int basMain = d.hautMain + arrondi(3 * d.echelleY) + d.hauteurCarte + arrondi(4 * d.echelleY);
    const int hauteurTapis = std::max(dessin(502), basMain);
    const int largeur = std::max(dessin(800), d.margeMain + 23 * d.pasMainEcart + d.largeurCarte);
    tapis_->setMinimumSize(largeur, hauteurTapis);
    resize(largeur, hauteurTapis + panelBarreInfo->height() + menuBar()->sizeHint().height());
}
