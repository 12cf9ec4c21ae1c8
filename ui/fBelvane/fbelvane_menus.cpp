// The menus, the tool bar, the timers and the captions of the main window.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "engine/jeu.h"
#include "engine/textes.h"
#include "flow/deroulement.h"
#include "settings/options.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fBelvane/penseur_expert.h"
#include "ui/langue.h"

namespace {

QAction* article(QMenu* menu, const char* nom, bool cochable = false) {
    auto* a = menu->addAction(QString());
    a->setObjectName(nom);
    a->setCheckable(cochable);
    return a;
}

QAction* raccourci(QAction* a, Qt::Key touche) {
    a->setShortcut(QKeySequence(touche));
    a->setShortcutContext(Qt::WindowShortcut);
    return a;
}

QMenu* sousMenu(QWidget* parent, const char* nom) {
    auto* m = new QMenu(parent);
    m->setObjectName(nom);
    m->menuAction()->setObjectName(QString(nom) + "Action");
    return m;
}

}  // namespace

void TfrmBelvane::creerMenus() {
    QMenuBar* barre = menuBar();
    // The menus keep the desktop's own font whatever the table's scale.
    barre->setFont(QApplication::font(barre));

    menuBelvane = sousMenu(this, "menuBelvane");
    barre->addMenu(menuBelvane);
    menuNewGame = raccourci(article(menuBelvane, "menuNewGame"), Qt::Key_F2);
    menuGameAgain = raccourci(article(menuBelvane, "menuGameAgain"), Qt::Key_F3);
    menuGameAgain->setEnabled(false);
    menuBelvane->addSeparator();
    menuInitScores = raccourci(article(menuBelvane, "menuInitScores"), Qt::Key_F4);
    menuBelvane->addSeparator();
    menuQuit = raccourci(article(menuBelvane, "menuQuit"), Qt::Key_F9);
    connect(menuNewGame, &QAction::triggered, this, &TfrmBelvane::nouvellePartie);
    connect(menuGameAgain, &QAction::triggered, this, &TfrmBelvane::rejouerDonne);
    connect(menuInitScores, &QAction::triggered, this, &TfrmBelvane::menuInitScoresClick);
    connect(menuQuit, &QAction::triggered, this, &TfrmBelvane::menuQuitClick);

    menuVoir = sousMenu(this, "menuVoir");
    barre->addMenu(menuVoir);
    menuScoresGlobaux = raccourci(article(menuVoir, "menuScoresGlobaux", true), Qt::Key_F5);
    menuConseilEnch = raccourci(article(menuVoir, "menuConseilEnch", true), Qt::Key_F6);
    menuPointsPartieEnCours = raccourci(article(menuVoir, "menuPointsPartieEnCours", true), Qt::Key_F7);
    menuDeductions = raccourci(article(menuVoir, "menuDeductions", true), Qt::Key_F8);
    menuVoir->addSeparator();
    menuPreviousTrick = article(menuVoir, "menuPreviousTrick");
    menuPreviousTrick->setEnabled(false);
    menuVoir->addSeparator();
    menuPleinEcran = article(menuVoir, "menuPleinEcran", true);
    menuPleinEcran->setShortcut(QKeySequence(Qt::Key_F11));
    menuPleinEcran->setShortcutContext(Qt::WindowShortcut);
    connect(menuPleinEcran, &QAction::triggered, this, &TfrmBelvane::basculerPleinEcran);
    connect(menuScoresGlobaux, &QAction::triggered, this, &TfrmBelvane::basculerScoresClick);
    connect(menuConseilEnch, &QAction::triggered, this, &TfrmBelvane::menuConseilEnchClick);
    connect(menuPointsPartieEnCours, &QAction::triggered, this, &TfrmBelvane::menuPointsPartieEnCoursClick);
    connect(menuDeductions, &QAction::triggered, this, &TfrmBelvane::menuDeductionsClick);
    connect(menuPreviousTrick, &QAction::triggered, this, &TfrmBelvane::menuPreviousTrickClick);
    // The open-cards analysis of the deal just played.
    menuAnalyse = article(menuVoir, "menuAnalyse");
    menuAnalyse->setEnabled(false);
    connect(menuAnalyse, &QAction::triggered, this, &TfrmBelvane::PanelAnalyseClick);

    menuLevel = sousMenu(this, "menuLevel");
    barre->addMenu(menuLevel);
    auto* niveaux = new QActionGroup(this);
    niveaux->setObjectName("groupeNiveau");
    static constexpr const char* nomsNiveau[5] = {"", "menuDebutant", "menuAmateur", "menuBon", "menuPro"};
    for (int n = 1; n <= 4; ++n) {
        menuNiveau[n] = article(menuLevel, nomsNiveau[n], true);
        niveaux->addAction(menuNiveau[n]);
        connect(menuNiveau[n], &QAction::triggered, this, [this, n] { niveauClick(n); });
    }
    menuExpert = article(menuLevel, "menuExpert", true);
    niveaux->addAction(menuExpert);
    connect(menuExpert, &QAction::triggered, this, [this] { niveauClick(NIVEAU_MENU_EXPERT); });
    menuLevel->addSeparator();
    menuOptionNiveauAdaptatif = article(menuLevel, "menuOptionNiveauAdaptatif", true);
    connect(menuOptionNiveauAdaptatif, &QAction::triggered, this, &TfrmBelvane::menuOptionNiveauAdaptatifClick);

    menuForce = sousMenu(this, "menuForce");
    barre->addMenu(menuForce);
    auto* forces = new QActionGroup(this);
    forces->setObjectName("groupeForce");
    // In the menu's order; the number is the option's value.
    static constexpr struct {
        const char* nom;
        int valeur;
    } articlesForce[6] = {{"menuForceNormale", 2},   {"menuForcePrise", 3},       {"menuForceGarde", 4},
                          {"menuForceGardeSans", 5}, {"menuForceGardeContre", 6}, {"menuForceDefense", 1}};
    for (const auto& f : articlesForce) {
        const int v = f.valeur;
        menuForceMain[v] = article(menuForce, f.nom, true);
        forces->addAction(menuForceMain[v]);
        connect(menuForceMain[v], &QAction::triggered, this, [this, v] { forceMainClick(v); });
    }
    menuForce->addSeparator();
    menuAtLeast = article(menuForce, "menuAtLeast", true);
    connect(menuAtLeast, &QAction::triggered, this, &TfrmBelvane::menuAtLeastClick);

    menuVitesses = sousMenu(this, "menuVitesses");
    barre->addMenu(menuVitesses);
    menuJeuDeLaCarte = sousMenu(menuVitesses, "menuJeuDeLaCarte");
    menuVitesses->addMenu(menuJeuDeLaCarte);
    auto* vitesses = new QActionGroup(this);
    vitesses->setObjectName("groupeVitesse");
    static constexpr const char* nomsVitesse[6] = {"", "menuEscargot", "menuLent", "menuNormal", "menuRapide",
                                                   "menuInstantane"};
    for (int v = 5; v >= 1; --v) {
        menuVitesse[v] = article(menuJeuDeLaCarte, nomsVitesse[v], true);
        vitesses->addAction(menuVitesse[v]);
        connect(menuVitesse[v], &QAction::triggered, this, [this, v] { vitesseClick(v); });
    }
    menuAttenteEntreChaquePli = sousMenu(menuVitesses, "menuAttenteEntreChaquePli");
    menuVitesses->addMenu(menuAttenteEntreChaquePli);
    auto* attentes = new QActionGroup(this);
    attentes->setObjectName("groupeAttente");
    static constexpr const char* nomsAttente[4] = {"menuClickObligatoire", "menuUneSeconde", "menuDeuxSecondes",
                                                   "menuCinqSecondes"};
    for (int a = 3; a >= 0; --a) {
        menuAttente[a] = article(menuAttenteEntreChaquePli, nomsAttente[a], true);
        attentes->addAction(menuAttente[a]);
        connect(menuAttente[a], &QAction::triggered, this, [this, a] { attenteClick(a); });
    }

    menuOptions = sousMenu(this, "menuOptions");
    barre->addMenu(menuOptions);
    menuCouleurFondEcran = article(menuOptions, "menuCouleurFondEcran");
    menuCouleurTableRonde = article(menuOptions, "menuCouleurTableRonde");
    menuQuatreCouleurs = article(menuOptions, "menuQuatreCouleurs", true);
    connect(menuQuatreCouleurs, &QAction::triggered, this, [this] { basculerQuatreCouleurs(jeu_); });
    menuOptions->addSeparator();
    menuProposerPoignee = article(menuOptions, "menuProposerPoignee", true);
    menuOptions->addSeparator();
    menuBarreOutils = article(menuOptions, "menuBarreOutils", true);
    menuBarreInfo = article(menuOptions, "menuBarreInfo", true);
    connect(menuCouleurFondEcran, &QAction::triggered, this, &TfrmBelvane::menuCouleurFondEcranClick);
    connect(menuCouleurTableRonde, &QAction::triggered, this, &TfrmBelvane::menuCouleurTableRondeClick);
    connect(menuProposerPoignee, &QAction::triggered, this, &TfrmBelvane::menuProposerPoigneeClick);
    connect(menuBarreOutils, &QAction::triggered, this, &TfrmBelvane::menuBarreOutilsClick);
    connect(menuBarreInfo, &QAction::triggered, this, &TfrmBelvane::menuBarreInfoClick);
    // The open-cards analysis: its time per deal and its button after the deal.
    menuOptions->addSeparator();
    menuTempsAnalyse = sousMenu(menuOptions, "menuTempsAnalyse");
    menuOptions->addMenu(menuTempsAnalyse);
    auto* temps = new QActionGroup(this);
    temps->setObjectName("groupeTempsAnalyse");
    static constexpr const char* nomsTemps[4] = {"", "menuAnalyseDixSecondes", "menuAnalyseTrenteSecondes",
                                                 "menuAnalyseDeuxMinutes"};
    for (int t = 1; t <= 3; ++t) {
        menuTempsAnalyseItems[t] = article(menuTempsAnalyse, nomsTemps[t], true);
        temps->addAction(menuTempsAnalyseItems[t]);
        connect(menuTempsAnalyseItems[t], &QAction::triggered, this, [this, t] { tempsAnalyseClick(t); });
    }
    menuBoutonAnalyse = article(menuOptions, "menuBoutonAnalyse", true);
    connect(menuBoutonAnalyse, &QAction::triggered, this, &TfrmBelvane::menuBoutonAnalyseClick);
    // The rules: the game's own or the official ones, and each difference.
    menuOptions->addSeparator();
    menuRegles = sousMenu(menuOptions, "menuRegles");
    menuOptions->addMenu(menuRegles);
    auto* regles = new QActionGroup(this);
    regles->setObjectName("groupeRegles");
    regles->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    menuReglesBelvane = article(menuRegles, "menuReglesBelvane", true);
    menuReglesOfficielles = article(menuRegles, "menuReglesOfficielles", true);
    regles->addAction(menuReglesBelvane);
    regles->addAction(menuReglesOfficielles);
    menuRegles->addSeparator();
    menuOptionChelem = article(menuRegles, "menuOptionChelem", true);
    menuOptionPoigneesOrdinateurs = article(menuRegles, "menuOptionPoigneesOrdinateurs", true);
    connect(menuReglesBelvane, &QAction::triggered, this, [this] { choisirRegles(jeu_, false); });
    connect(menuReglesOfficielles, &QAction::triggered, this, [this] { choisirRegles(jeu_, true); });
    connect(menuOptionChelem, &QAction::triggered, this, [this] { basculerRegle(jeu_.options.optionChelem); });
    connect(menuOptionPoigneesOrdinateurs, &QAction::triggered, this,
            [this] { basculerRegle(jeu_.options.optionPoigneesOrdinateurs); });

    menuAide = sousMenu(this, "menuAide");
    barre->addMenu(menuAide);
    menuSommaire = raccourci(article(menuAide, "menuSommaire"), Qt::Key_F1);
    menuApropos = article(menuAide, "menuApropos");
    connect(menuSommaire, &QAction::triggered, this, &TfrmBelvane::menuSommaireClick);
    connect(menuApropos, &QAction::triggered, this, &TfrmBelvane::menuAproposClick);
}

void TfrmBelvane::creerBarreOutils() {
    PanelBarreOutils = new BarreOutils(tapis_);
    PanelBarreOutils->setObjectName("PanelBarreOutils");
    placer(PanelBarreOutils, QRect(746, 156, 31, 141));
    auto outil = [this](const char* nom, int i, QStyle::StandardPixmap icone, bool cochable) {
        auto* b = new QToolButton(PanelBarreOutils);
        b->setObjectName(nom);
        placer(b, QRect(2, 2 + i * 27, 27, 27));
        b->setIcon(style()->standardIcon(icone));
        b->setCheckable(cochable);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setCursor(Qt::ArrowCursor);
        return b;
    };
    SBAide = outil("SBAide", 0, QStyle::SP_DialogHelpButton, false);
    SBVoirScoresGlobaux = outil("SBVoirScoresGlobaux", 1, QStyle::SP_FileDialogListView, true);
    SBNewGame = outil("SBNewGame", 2, QStyle::SP_FileIcon, false);
    SBGameAgain = outil("SBGameAgain", 3, QStyle::SP_BrowserReload, true);
    SBGameAgain->setEnabled(false);
    SBVoirDeductions = outil("SBVoirDeductions", 4, QStyle::SP_FileDialogInfoView, true);
    connect(SBAide, &QToolButton::clicked, this, &TfrmBelvane::menuSommaireClick);
    connect(SBVoirScoresGlobaux, &QToolButton::clicked, this, &TfrmBelvane::basculerScoresClick);
    connect(SBNewGame, &QToolButton::clicked, this, &TfrmBelvane::nouvellePartie);
    connect(SBGameAgain, &QToolButton::clicked, this, &TfrmBelvane::rejouerDonne);
    connect(SBVoirDeductions, &QToolButton::clicked, this, &TfrmBelvane::menuDeductionsClick);
}

void TfrmBelvane::creerMinuteurs() {
    struct Lien {
        QTimer* timer;
        const char* nom;
        Minuteur m;
    };
    const Lien liens[] = {{&TimerEnchere, "TimerEnchere", Minuteur::TimerEnchere},
                          {&TimerEntreCarte, "TimerEntreCarte", Minuteur::TimerEntreCarte},
                          {&TimerTransition, "TimerTransition", Minuteur::TimerTransition},
                          {&timerTousPlis, "timerTousPlis", Minuteur::timerTousPlis}};
    for (const Lien& l : liens) {
        l.timer->setObjectName(l.nom);
        l.timer->setSingleShot(true);
        const Minuteur m = l.m;
        connect(l.timer, &QTimer::timeout, this, [this, m] { minuteurEcoule(m); });
    }
    TimerEnchere.setInterval(10);
    TimerEntreCarte.setInterval(100);
    TimerTransition.setInterval(100);
    timerTousPlis.setInterval(1000);
}

void TfrmBelvane::minuteurEcoule(Minuteur m) {
    // An Expert seat about to decide by imagined deals thinks first; its bid,
    // its discard, its handful or its card comes when it is done.
    if (m == Minuteur::TimerEnchere && penseur_->doitPenserEnchere(jeu_)) {
        penseur_->lancerEnchere(jeu_);
        return;
    }
    if (m == Minuteur::TimerEntreCarte && penseur_->doitPenserEcart(jeu_)) {
        penseur_->lancerEcart(jeu_);
        return;
    }
    if (m == Minuteur::TimerEntreCarte && penseur_->doitPenserPoignee(jeu_)) {
        penseur_->lancerPoignee(jeu_);
        return;
    }
    if (m == Minuteur::TimerEntreCarte && penseur_->doitPenser(jeu_)) {
        penseur_->lancer(jeu_);
        return;
    }
    declencherMinuteur(jeu_, m);
}

QTimer& TfrmBelvane::minuteur(Minuteur m) {
    switch (m) {
        case Minuteur::TimerEnchere: return TimerEnchere;
        case Minuteur::TimerEntreCarte: return TimerEntreCarte;
        case Minuteur::TimerTransition: return TimerTransition;
        case Minuteur::timerTousPlis: break;
    }
    return timerTousPlis;
}

const QTimer& TfrmBelvane::minuteur(Minuteur m) const { return const_cast<TfrmBelvane*>(this)->minuteur(m); }

void TfrmBelvane::armer(Minuteur m, int millisecondes) { minuteur(m).start(std::max(0, millisecondes)); }

void TfrmBelvane::arreter(Minuteur m) {
    // Stopping the bid or card timer (a new deal, the deal played again) ends
    // the thinking in progress for it: a bid, a discard or a card.
    if (m == Minuteur::TimerEnchere && penseur_) penseur_->annuler(PenseurExpert::Sujet::Enchere);
    if (m == Minuteur::TimerEntreCarte && penseur_) {
        penseur_->annuler(PenseurExpert::Sujet::Ecart);
        penseur_->annuler(PenseurExpert::Sujet::Poignee);
        penseur_->annuler(PenseurExpert::Sujet::Carte);
    }
    minuteur(m).stop();
}

bool TfrmBelvane::estArme(Minuteur m) const { return minuteur(m).isActive(); }

void TfrmBelvane::ecrireTextes(int langue) { ecrireTextesFenetre(this, langue); }
