// The table that explains itself: its options in the Options menu, the hint
// command, the texts, the hooks of the window and the refresh of every mark.
#include "ui/fBelvane/aides_table.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include "engine/arrondi.h"
#include "engine/conseil.h"
#include "engine/jeu.h"
#include "engine/raisons.h"
#include "engine/textes.h"
#include "expert/conseil_expert.h"
#include "settings/options.h"
#include "ui/fAide/faide.h"
#include "ui/fBelvane/animation.h"
#include "ui/fBelvane/conseilleur_expert.h"
#include "ui/fBelvane/controles.h"

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The hint's icon: a lit bulb.
QIcon ampoule(int cote) {
    QPixmap image(cote, cote);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = cote / 16.0;
    p.setPen(QPen(QColor(120, 90, 0), u));
    p.setBrush(QColor(255, 215, 40));
    p.drawEllipse(QRectF(3 * u, 1 * u, 10 * u, 10 * u));
    p.setBrush(QColor(150, 150, 150));
    p.setPen(QPen(QColor(70, 70, 70), u * 0.8));
    p.drawRect(QRectF(5.5 * u, 10.5 * u, 5 * u, 4 * u));
    p.drawLine(QPointF(5.5 * u, 12.5 * u), QPointF(10.5 * u, 12.5 * u));
    return QIcon(image);
}

QAction* option(QMenu* menu, const char* nom) {
    auto* a = menu->addAction(QString());
    a->setObjectName(nom);
    a->setCheckable(true);
    return a;
}

}  // namespace

AidesTable::AidesTable(Jeu& jeu, QMainWindow* fenetre) : QObject(fenetre), jeu_(jeu), fenetre_(fenetre) {
    setObjectName("aidesTable");
    tapis_ = controle("Tapis");
    creerMenus();
    creerEtiquettes();
    creerVoiles();
    glissement_ = new Glissement(tapis_);
    frmAide_ = new TfrmAide(fenetre_);
    conseilleur_ = new ConseilleurExpert(this, [this] { conseilExpertPret(); });
    for (int k = 1; k <= 24; ++k) {
        ImageCarte* c = carteMain(k);
        c->installEventFilter(this);
        connect(c, &ImageCarte::clic, this, [this, k] { clicCarte(k); });
    }
    tapis_->installEventFilter(this);
    qApp->installEventFilter(this);
    planifierMiseAJour();
}

AidesTable::~AidesTable() {
    qApp->removeEventFilter(this);
    delete conseilleur_;
}

QWidget* AidesTable::controle(const char* nom) const { return fenetre_->findChild<QWidget*>(QString::fromLatin1(nom)); }

ImageCarte* AidesTable::carteMain(int k) const { return controle<ImageCarte>(QString("Carte3D%1").arg(k)); }

QWidget* AidesTable::fenetrePoignee() const {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmPoignee")) return w;
    return nullptr;
}

ImageCarte* AidesTable::cartePoignee(int k) const {
    QWidget* f = fenetrePoignee();
    return f ? f->findChild<ImageCarte*>(QString("CartePoignee%1").arg(k)) : nullptr;
}

void AidesTable::creerMenus() {
    QMenu* options = fenetre_->findChild<QMenu*>("menuOptions");
    separateur_ = options->addSeparator();
    menuMarquerTour_ = option(options, "menuMarquerTour");
    menuCartesJouables_ = option(options, "menuCartesJouables");
    menuConseilCarteOption_ = option(options, "menuConseilCarteOption");
    menuConseilExpert_ = option(options, "menuConseilExpert");
    menuJeuAuClavier_ = option(options, "menuJeuAuClavier");
    menuAnimationCartes_ = option(options, "menuAnimationCartes");
    menuConfirmerAbandon_ = option(options, "menuConfirmerAbandon");
    menuReglesDuJeu_ = option(options, "menuReglesDuJeu");
    Options& o = jeu_.options;
    connect(menuMarquerTour_, &QAction::triggered, this, [this, &o] { basculer(o.optionMarquerTour); });
    connect(menuCartesJouables_, &QAction::triggered, this, [this, &o] { basculer(o.optionCartesJouables); });
    connect(menuConseilCarteOption_, &QAction::triggered, this, [this, &o] { basculer(o.optionConseilCarte); });
    connect(menuConseilExpert_, &QAction::triggered, this, [this, &o] { basculer(o.optionConseilExpert); });
    connect(menuJeuAuClavier_, &QAction::triggered, this, [this, &o] { basculer(o.optionJeuAuClavier); });
    connect(menuAnimationCartes_, &QAction::triggered, this, [this, &o] { basculer(o.optionAnimationCartes); });
    connect(menuConfirmerAbandon_, &QAction::triggered, this, [this, &o] { basculer(o.optionConfirmerAbandon); });
    connect(menuReglesDuJeu_, &QAction::triggered, this, [this, &o] { basculer(o.optionReglesDuJeu); });

    // The hint: in the game menu after the re-start, on the key H and on the tool bar.
    QMenu* jeu = fenetre_->findChild<QMenu*>("menuBelvane");
    QAction* apres = fenetre_->findChild<QAction*>("menuInitScores");
    menuConseilCarte_ = new QAction(fenetre_);
    menuConseilCarte_->setObjectName("menuConseilCarte");
    menuConseilCarte_->setShortcut(QKeySequence(Qt::Key_H));
    menuConseilCarte_->setShortcutContext(Qt::WindowShortcut);
    jeu->insertAction(apres, menuConseilCarte_);
    jeu->insertSeparator(apres);
    connect(menuConseilCarte_, &QAction::triggered, this, &AidesTable::demanderConseil);

    QWidget* barre = controle("PanelBarreOutils");
    auto* modele = barre->findChild<QToolButton*>("SBVoirDeductions");
    SBConseil_ = new QToolButton(barre);
    SBConseil_->setObjectName("SBConseil");
    SBConseil_->setGeometry(modele->geometry().translated(0, modele->height()));
    SBConseil_->setIcon(ampoule(std::max(16, modele->iconSize().height() * 2)));
    SBConseil_->setIconSize(modele->iconSize());
    SBConseil_->setAutoRaise(true);
    SBConseil_->setFocusPolicy(Qt::NoFocus);
    SBConseil_->setCursor(Qt::ArrowCursor);
    SBConseil_->hide();
    connect(SBConseil_, &QToolButton::clicked, this, &AidesTable::demanderConseil);
}

void AidesTable::basculer(std::uint8_t& option) {
    option = option ? 0 : 1;
    appliquerOptions(jeu_);
    sauverOptions(jeu_);
    mettreAJour();
}

void AidesTable::ecrireTextes(int langue) {
    langue_ = langue;
    menuMarquerTour_->setText(qs(texte(Texte::menuMarquerTour, langue)));
    menuCartesJouables_->setText(qs(texte(Texte::menuCartesJouables, langue)));
    menuConseilCarteOption_->setText(qs(texte(Texte::menuConseilCarteOption, langue)));
    menuConseilExpert_->setText(qs(texte(Texte::menuConseilExpert, langue)));
    menuJeuAuClavier_->setText(qs(texte(Texte::menuJeuAuClavier, langue)));
    menuAnimationCartes_->setText(qs(texte(Texte::menuAnimationCartes, langue)));
    menuConfirmerAbandon_->setText(qs(texte(Texte::menuConfirmerAbandon, langue)));
    menuReglesDuJeu_->setText(qs(texte(Texte::menuReglesDuJeu, langue)));
    menuConseilCarte_->setText(qs(texte(Texte::menuConseilCarte, langue)));
    SBConseil_->setToolTip(qs(texte(Texte::bulleSBConseil, langue)));
    frmAide_->ecrireTextes(langue);
}

void AidesTable::planifierMiseAJour() {
    if (miseAJourPrevue_) return;
    miseAJourPrevue_ = true;
    QTimer::singleShot(0, this, [this] {
        miseAJourPrevue_ = false;
        mettreAJour();
    });
}

void AidesTable::mettreAJour() {
    const Options& o = jeu_.options;
    if (jeu_.options.langue != langue_) ecrireTextes(jeu_.options.langue);
    menuMarquerTour_->setChecked(o.optionMarquerTour);
    menuCartesJouables_->setChecked(o.optionCartesJouables);
    menuConseilCarteOption_->setChecked(o.optionConseilCarte);
    // The Expert's way of hinting means something only with the hint itself.
    menuConseilExpert_->setChecked(o.optionConseilExpert);
    menuConseilExpert_->setEnabled(o.optionConseilCarte);
    conseilleur_->suivre(jeu_);
    menuJeuAuClavier_->setChecked(o.optionJeuAuClavier);
    menuAnimationCartes_->setChecked(o.optionAnimationCartes);
    menuConfirmerAbandon_->setChecked(o.optionConfirmerAbandon);
    menuReglesDuJeu_->setChecked(o.optionReglesDuJeu);

    // The hint's menu item and tool button exist only with their option; the
    // tool bar grows by one button for it.
    menuConseilCarte_->setVisible(o.optionConseilCarte);
    menuConseilCarte_->setEnabled(o.optionConseilCarte);
    QWidget* barre = controle("PanelBarreOutils");
    auto* dernier = barre->findChild<QToolButton*>("SBVoirDeductions");
    SBConseil_->setGeometry(dernier->geometry().translated(0, dernier->height()));
    const int pas = SBConseil_->height();
    if (o.optionConseilCarte) {
        // Grown once, and again whenever a new layout gave the bar back its own height.
        if (SBConseil_->isHidden() || barre->height() <= SBConseil_->geometry().bottom()) {
            hauteurBarreSansConseil_ = barre->height();
            barre->resize(barre->width(), hauteurBarreSansConseil_ + pas);
        }
        SBConseil_->show();
    } else if (!SBConseil_->isHidden()) {
        SBConseil_->hide();
        if (barre->height() == hauteurBarreSansConseil_ + pas) barre->resize(barre->width(), hauteurBarreSansConseil_);
    }

    mettreAJourTour();
    mettreAJourVoiles();
    mettreAJourConseil();
    mettreAJourFocus();
    nommerCartes();
}

bool AidesTable::eventFilter(QObject* objet, QEvent* e) {
    switch (e->type()) {
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(e);
            if (touche(objet, k->key(), k->modifiers())) return true;
            planifierMiseAJour();
            break;
        }
        case QEvent::MouseButtonRelease:
            for (int k = 1; k <= 24; ++k)
                if (objet == carteMain(k)) noterClicCarte(k);
            planifierMiseAJour();
            break;
        case QEvent::Timer:
            // The game's own timers: a computer has played or bid.
            if (objet->parent() == fenetre_) planifierMiseAJour();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::Resize:
        case QEvent::LanguageChange:
            if (objet == tapis_ || e->type() != QEvent::Resize) planifierMiseAJour();
            break;
        default: break;
    }
    return false;
}

// The reason is read before the click reaches the game, and said after it only
// when the game refused the card.
void AidesTable::noterClicCarte(int k) {
    raisonEnAttente_.clear();
    carteRaison_ = k;
    if (!jeu_.options.optionCartesJouables) return;
    const Donne& d = jeu_.donne;
    raisonEnAttente_ = d.modeEcart ? raisonEcart(jeu_, k, jeu_.options.langue)
                                   : raisonInjouable(jeu_, k, jeu_.options.langue);
}

void AidesTable::clicCarte(int k) {
    if (k != carteRaison_ || raisonEnAttente_.empty()) return;
    const std::string raison = std::move(raisonEnAttente_);
    raisonEnAttente_.clear();
    jeu_.vue->ecrireInfo(raison);
}

void AidesTable::carteJouee(int siege) {
    if (!jeu_.options.optionAnimationCartes || siege < 1 || siege > 4) return;
    static constexpr int durees[] = {450, 300, 180, 110, 0};
    const int v = jeu_.options.optionVitesseJeuDeLaCarte;
    const int duree = v >= 1 && v <= 5 ? durees[v - 1] : 0;
    auto* cible = controle<ImageCarte>(QString("CarteTable%1").arg(siege));
    if (!cible || duree == 0) return;
    const QRect arrivee = cible->geometry();
    QRect depart = arrivee;
    switch (siege) {
        case 1:
            // From the hand: the image of the card just played.
            for (int k = 1; k <= 18; ++k) {
                ImageCarte* c = carteMain(k);
                if (!c->isVisible() && c->couleurCarte() == cible->couleurCarte() &&
                    c->valeurCarte() == cible->valeurCarte())
                    depart = c->geometry();
            }
            if (depart == arrivee) depart.moveTop(tapis_->height());
            break;
        case 2: depart.moveLeft(tapis_->width()); break;
        case 3: depart.moveBottom(-1); break;
        default: depart.moveRight(-1); break;
    }
    glissement_->versLaTable(cible, depart, duree);
}

void AidesTable::pliRamasse() {
    const Donne& d = jeu_.donne;
    if (!jeu_.options.optionAnimationCartes || d.pliAffiche != 0 || d.numeroPli < 2 || d.numeroPli > 18) return;
    static constexpr int durees[] = {500, 350, 250, 160, 0};
    const int v = jeu_.options.optionVitesseJeuDeLaCarte;
    const int duree = v >= 1 && v <= 5 ? durees[v - 1] : 0;
    if (duree == 0) return;
    glissement_->terminer();
    std::vector<ImageCarte*> cartes;
    for (int s = 1; s <= 4; ++s) cartes.push_back(controle<ImageCarte>(QString("CarteTable%1").arg(s)));
    // The winner leads the next trick.
    const ImageCarte* gagnant = cartes[static_cast<std::size_t>(d.joueurEntame - 1)];
    glissement_->ramasser(cartes, gagnant->geometry(), duree);
}

bool AidesTable::enMouvement() const { return glissement_->enCours(); }

bool AidesTable::confirmerAbandon() {
    const Donne& d = jeu_.donne;
    if (!jeu_.options.optionConfirmerAbandon || d.numeroPli < 1 || d.numeroPli > 18) return true;
    const int langue = jeu_.options.langue;
    return jeu_.vue->questionOuiNon(texte(Texte::abandonTitre, langue), texte(Texte::abandonQuestion, langue));
}

bool AidesTable::ouvrirAide() {
    if (!jeu_.options.optionReglesDuJeu) return false;
    frmAide_->ecrireTextes(jeu_.options.langue);
    frmAide_->ouvrir();
    return true;
}

void AidesTable::demanderConseil() {
    if (!jeu_.options.optionConseilCarte) return;
    baisserConseil();
    const Conseil c = conseillerCarte(jeu_);
    const Donne& d = jeu_.donne;
    // His turn, but the handful offer waits for an answer first.
    if (c.slot == 0 && d.poigneeEnCours && d.humainPeutJouer && d.joueurCourant == d.joueurHumain) {
        jeu_.vue->ecrireInfo(texte(Texte::raisonPoignee, jeu_.options.langue));
        return;
    }
    // The Expert thinks where it would decide by imagined deals and there is a choice to make.
    if (jeu_.options.optionConseilExpert && c.slot != 0 && c.nbJouables >= 2 && conseilleur_->peutConseiller(jeu_)) {
        conseilleur_->lancer(jeu_);
        jeu_.vue->ecrireInfo(texte(Texte::conseilExpertReflechit, jeu_.options.langue));
        return;
    }
    jeu_.vue->ecrireInfo(texteConseilCarte(c, jeu_.options.langue));
    leverConseil(c.slot);
}

void AidesTable::conseilExpertPret() {
    const std::optional<ConseilExpert> c = conseilleur_->conseil(jeu_);
    const Donne& d = jeu_.donne;
    if (!c || !jeu_.options.optionConseilCarte || !d.humainPeutJouer) return;
    int slot = 0;
    for (int i = 1; i <= 18 && c->choisi; ++i)
        if (d.jouable[d.joueurHumain][i] == 1 && d.mainJoueur[d.joueurHumain][i].enMain &&
            d.mainJoueur[d.joueurHumain][i].memeCarte(c->carte))
            slot = i;
    // No imagined deal could be solved in time: the rules' hint, as without the Expert.
    if (slot == 0) {
        const Conseil regle = conseillerCarte(jeu_);
        jeu_.vue->ecrireInfo(texteConseilCarte(regle, jeu_.options.langue));
        leverConseil(regle.slot);
        return;
    }
    jeu_.vue->ecrireInfo(texteConseilExpert(*c, jeu_.options.langue));
    leverConseil(slot);
}

void AidesTable::leverConseil(int slot) {
    if (slot == 0) return;
    baisserConseil();
    ImageCarte* carte = carteMain(slot);
    leveeConseil_ = jeu_.disposition.leveeCarte;
    carte->move(carte->x(), carte->y() - leveeConseil_);
    hautConseil_ = carte->y();
    conseil_ = slot;
    if (jeu_.options.optionJeuAuClavier) focus_ = slot;
    mettreAJourFocus();
}
