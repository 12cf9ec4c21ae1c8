#pragma once
// The card table: the main window. It shows what the game tells it through
// Vue, runs the game's timers through Minuteurs, and hands every click to the
// game's routines; it keeps no game state of its own.
#include <QHash>
#include <QMainWindow>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include "engine/disposition.h"
#include <memory>

#include "engine/table.h"
#include "engine/vue.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPushButton;
class QScreen;
class QToolButton;
class AidesTable;
class BarreOutils;
class BaseHistorique;
class TfrmHistorique;
class TfrmStatistiques;
struct Repartition;
class Forme;
class ImageCarte;
class Panneau;
class Tapis;
class TfrmMains;
class TfrmPliPrecedent;
class TfrmScoreDetaille;
class TfrmTousPlis;
class TfrmAnalyse;
class AnalyseFond;
struct VerdictArchive;
class PenseurExpert;
struct Jeu;

class TfrmBelvane : public QMainWindow, public Vue, public Minuteurs {
    Q_OBJECT
public:
    // `facteur` is the screen's scale (see facteurEcran): the window opens with
    // the table at that scale, and the review windows take it as theirs. The
    // window lays the table out into jeu.disposition and becomes jeu's view
    // and timers.
    TfrmBelvane(Jeu& jeu, double facteur, QWidget* parent = nullptr);
    ~TfrmBelvane() override;

    // The one scale of an 800 x 600 design on this screen's available area
    // (panels and task bar left out): min(width / 800, height / 600).
    static double facteurEcran(const QScreen* ecran);
    // The Expert computers' thinking, off the window's thread.
    PenseurExpert& penseur() { return *penseur_; }
    double facteur() const { return facteur_; }

    // The table's geometry, recomputed from the client size at every resize.
    // The scale in force (one for both axes) and the table's corner in the cloth.
    double echelle() const { return cadrage_.echelle; }
    const Cadrage& cadrage() const { return cadrage_; }
    // Design units (800-wide) to pixels at the scale in force.
    int dessin(double unites) const;
    // A control of the table (a child of the cloth, or of a panel of it) at a
    // design rectangle: placed now and again after every resize. A direct
    // child of the cloth takes the table's corner too.
    void placer(QWidget* w, const QRect& rectDessin);
    // Its font, `points` design points high, kept in scale the same way.
    void policeDessin(QWidget* w, double points, bool gras = false, const QString& famille = {});
    // The table cloth, parent of the table's controls.
    QWidget* tapis() const;
    // Lays everything out again for the client area as it is now.
    void redisposer();

    // The window as the player left it (size, place, maximised or full
    // screen), or maximised on a first run, then shown.
    void montrerFenetre();
    // F11 and the menu item: full screen on and off.
    void basculerPleinEcran();

signals:
    // The table has been laid out again (a new scale or a new corner).
    void tableRedisposee();

public:
    // Captions, menu texts and hints in the language `langue`.
    void ecrireTextes(int langue);

    // The review windows, created with the table and hidden until asked for.
    TfrmPliPrecedent* frmPliPrecedent() const { return frmPliPrecedent_; }
    TfrmTousPlis* frmTousPlis() const { return frmTousPlis_; }
    TfrmMains* frmMains() const { return frmMains_; }
    TfrmScoreDetaille* frmScoreDetaille() const { return frmScoreDetaille_; }
    // The open-cards analysis of the deal just played, opened on demand.
    TfrmAnalyse* frmAnalyse() const { return frmAnalyse_; }
    // The coach's verdict of the deal just played, worked out during the next one.
    AnalyseFond* analyseFond() const { return analyseFond_; }
    // Whose turn, playable cards, the hint, keyboard play, motion and the rules.
    AidesTable* aides() const;

    // Minuteurs.
    void armer(Minuteur m, int millisecondes) override;
    void arreter(Minuteur m) override;
    bool estArme(Minuteur m) const;

    // Vue: auction, dog and discard.
    void ecrireInfo(const std::string& texte) override;
    void montrerBarreEnchere(bool visible) override;
    void montrerBoutonEnchere(int enchere, bool visible) override;
    void ecrireConseil(const std::string& texte) override;
    void focaliserConseil() override;
    void annoncerEnchereSiege(int siege, const std::string& texte, int taillePolice) override;
    void ecrireContrat(const std::string& texte) override;
    void placerCarteChien(int i, int gauche, int haut, const Carte& c, Curseur curseur) override;
    void curseurCartesMain(Curseur curseur) override;
    void placerCarteEcart(int position, int gauche, int haut, const Carte& c, Curseur curseur) override;
    void deplacerCarteEcart(int position, int decalage) override;
    void cacherCartesEcart() override;
    void montrerConfirmeEcart(bool visible) override;

    // Vue: tricks and deductions.
    void curseurCarteMain(int k, Curseur curseur) override;
    void cacherCarteMain(int k) override;
    void dessinerCarteTable(int siege, const Carte& c) override;
    void afficherPoints(int attaque, int defense) override;
    void afficherBouts(int preneur, int defense) override;
    void afficherContrat(int pointsAFaire) override;
    void afficherDeductions(const Deductions& d) override;

    // Vue: scores, result and options.
    void cocherMenu(MenuOption m, bool coche) override;
    void montrerPanneau(PanneauOption p, bool visible) override;
    void enfoncerBouton(BoutonOutil b, bool enfonce) override;
    void couleurFond(Couleur c) override;
    void couleurTableRonde(Couleur c) override;
    void montrerResultat(const std::string& texte) override;
    void afficherScoreTotal(int siege, const std::string& texte) override;
    void montrerScoresGlobaux(bool visible) override;
    void message(const std::string& titre, const std::string& texte) override;
    bool questionOuiNon(const std::string& titre, const std::string& texte) override;
    void erreurMagasin(const std::string& texte) override;

    // Vue: flow.
    void montrerLancement(bool visible) override;
    void etatRejouer(bool actif, bool enfonce) override;
    void curseurFenetre(Curseur curseur) override;
    void effacerTable() override;
    void activerPliPrecedent(bool actif) override;
    void activerCartesMain(bool actif) override;
    void placerCarteMain(int k, int gauche, int haut, const Carte& c, Curseur curseur) override;
    void cacherChien() override;
    void cacherCartesTable() override;
    void montrerTableRonde(int preneur) override;
    void cacherAnnonces() override;
    void montrerPreneur(int siege, const std::string& nomSiege, const std::string& nomContrat) override;
    void montrerOffrePoignee(bool doublePoignee, bool triplePoignee) override;
    void cacherOffrePoignee() override;

    // Vue: handful. The main window's own part; the handful window's part goes
    // to the window attached here (the main routine attaches frmPoignee).
    void attacherPoignee(Vue* frmPoignee);
    void montrerFenetrePoignee(int largeur) override;
    void fermerFenetrePoignee() override;
    void placerCartePoignee(int k, int gauche, int haut, const Carte& c) override;
    void cacherCartesPoignee() override;
    void deplacerCartePoignee(int k, int decalage) override;
    void montrerOkPoignee(bool visible) override;
    void messagePoignee(const std::string& texte) override;
    void montrerCarteMain(int k, bool visible) override;
    void activerFenetrePrincipale(bool actif) override;
    void premierPlanPrincipale() override;

    // The history of the deals: every finished deal goes into `base` (none:
    // no history, its menu items stay disabled). Its windows open on demand.
    void attacherHistorique(BaseHistorique* base);
    TfrmHistorique* frmHistorique() const { return frmHistorique_; }
    TfrmStatistiques* frmStatistiques() const { return frmStatistiques_; }
    void menuHistoriqueClick();
    void menuStatistiquesClick();
    // Deals the deal of that code as a replay; a code that does not read is
    // refused, with the reason in `refus`, and nothing changes.
    bool jouerDonneParCode(const QString& code, QString* refus = nullptr);
    // The current deal's code, as the result panel shows it.
    QString codeDonneAffiche() const;
protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // Building the window, once.
    QRect rectDessin(int gauche, int haut, int largeur, int hauteur) const;
    QFont police(double points, bool gras = false) const;
    void creerTable();
    void creerCartes();
    void creerBarreEnchere();
    void creerResultat();
    void creerPanneauScores();
    void creerDeductions();
    void creerPanneauxDivers();
    void creerBarreOutils();
    void creerMenus();
    void creerMinuteurs();
    // Every size and place of the table for a client area of `client`.
    void disposer(const QSize& client);
    void disposerCartes();
    void disposerDeductions();
    // The window's size, place and state into the options (saved with them).
    void noterFenetre();
    // A panel or button centred on the seat's table card.
    void centrerSurCarte(QWidget* w, int siege);
    QAction* actionMenu(MenuOption m) const;
    // An option item: changes the option, then applies and saves the options.
    template <typename Changement>
    void changerOption(Changement changement);
    QTimer& minuteur(Minuteur m);
    // A game timer has fired: its step runs, unless an Expert seat must think first.
    void minuteurEcoule(Minuteur m);
    const QTimer& minuteur(Minuteur m) const;

    // Events that drive the game.
    void PanelLancementClick();
    void nouvellePartie();
    void rejouerDonne();
    void continuerClick();
    void Carte3DClick(int k);
    void CarteChienClick();
    void PanelPoigneeClick(int taille);
    void PanelPoigneeAucuneClick();
    void boutonEnchereClick(int enchere);
    void evMaMainClick();
    void PanelConfirmeEcartClick();
    // Review windows, scores, options and help.
    void menuPreviousTrickClick();
    void PanelVoirMainsClick();
    void PanelVoirPlisClick();
    void PanelScoreDetailleClick();
    void PanelAnalyseClick();
    void tempsAnalyseClick(int temps);
    void menuBoutonAnalyseClick();
    // The result panel's buttons, five or six with the Analysis button.
    void disposerResultat();
    void basculerScoresClick();
    void menuInitScoresClick();
    void menuQuitClick();
    void niveauClick(int niveau);
    void forceMainClick(int force);
    void vitesseClick(int vitesse);
    void attenteClick(int attente);
    void menuConseilEnchClick();
    void menuPointsPartieEnCoursClick();
    void menuDeductionsClick();
    void menuOptionNiveauAdaptatifClick();
    void menuAtLeastClick();
    void menuProposerPoigneeClick();
    void menuBarreOutilsClick();
    void menuBarreInfoClick();
    void menuCouleurFondEcranClick();
    void menuCouleurTableRondeClick();
    void menuSommaireClick();
    void menuAproposClick();

    Jeu& jeu_;
    double facteur_;
    Cadrage cadrage_;

    // The design geometry of the table's controls, applied at every layout.
    struct PlaceDessin {
        QPointer<QWidget> w;
        QRect rect;
    };
    struct PoliceDessin {
        QPointer<QWidget> w;
        double points = 8;
        bool gras = false;
        QString famille;
    };
    QHash<QWidget*, PlaceDessin> places_;
    QHash<QWidget*, PoliceDessin> polices_;
    // Cards that the game placed, in design units from the table's corner, so
    // that a resize puts them at the same spot of the larger or smaller table.
    Table<QPointF, 1, 24> dessinCarte3D;
    Table<QPointF, 1, 6> dessinCarteChien;
    QPointF dessinBarreOutils{746, 156};
    QPoint posBarreOutils_;  // where the last layout put the tool bar
    bool fenetreMontree_ = false;
    bool construite_ = false;
    bool maximiseAvantPleinEcran_ = true;

    QWidget* centre_ = nullptr;
    std::unique_ptr<PenseurExpert> penseur_;
    TfrmPliPrecedent* frmPliPrecedent_ = nullptr;
    TfrmMains* frmMains_ = nullptr;
    TfrmScoreDetaille* frmScoreDetaille_ = nullptr;
    TfrmTousPlis* frmTousPlis_ = nullptr;
    Vue* frmPoignee_ = nullptr;
    TfrmAnalyse* frmAnalyse_ = nullptr;
    AnalyseFond* analyseFond_ = nullptr;
    long long idDerniereDonne_ = 0;  // the last deal's row in the history, 0 when not stored
    QPointer<AidesTable> aides_;

    Tapis* tapis_ = nullptr;
    Forme* TableRonde = nullptr;
    Table<Forme*, 1, 4> CadrePreneur;
    Table<ImageCarte*, 1, 4> CarteTable;
    Table<Panneau*, 1, 4> PanelDec;
    Table<Panneau*, 1, 4> panelScoreTotal;
    Table<ImageCarte*, 1, 24> Carte3D;
    Table<ImageCarte*, 1, 6> CarteChien;

    Panneau* BarreEnchere = nullptr;
    Table<QPushButton*, 0, 4> boutonEnchere;  // ButtonPasse .. ButtonGardeContre
    QPushButton* evMaMain = nullptr;

    Panneau* PanelResultat = nullptr;
    QLabel* PanelTexteResultat = nullptr;
    QPushButton* PanelVoirMains = nullptr;
    QPushButton* PanelVoirPlis = nullptr;
    QPushButton* PanelScoreDetaille = nullptr;
    QPushButton* panelRejouerDonne = nullptr;
    QPushButton* PanelPanelNewPartie = nullptr;
    QPushButton* PanelAnalyse = nullptr;

    Panneau* PanneauScores = nullptr;
    Panneau* nPointsAttaque = nullptr;
    Panneau* nBoutsPreneur = nullptr;
    Panneau* nContrat = nullptr;
    Panneau* nBoutsDefense = nullptr;
    Panneau* nPointsDefense = nullptr;

    Panneau* PanelDeductions = nullptr;
    Panneau* PanelInfoDeductions = nullptr;
    Panneau* PanelAtoutMax = nullptr;
    Panneau* PanelAtExt = nullptr;
    Panneau* Panel21 = nullptr;
    Panneau* PanelPetit = nullptr;
    Panneau* PanelExcuse = nullptr;
    Table<QLabel*, 1, 4> imageCouleur;                  // ImagePique .. ImageCarreau
    Table<Table<QLabel*, 1, 4>, 1, 4> marqueHonneur;    // [suit][1 roi .. 4 valet]
    Table<Panneau*, 1, 4> panelDehors;                  // cards of the suit still outside

    Panneau* PanelPreneur = nullptr;
    Panneau* PanelEnchere = nullptr;
    Panneau* PanelPoignee = nullptr;
    QPushButton* PanelPoigneeSimple = nullptr;
    QPushButton* PanelPoigneeDouble = nullptr;
    QPushButton* PanelPoigneeTriple = nullptr;
    QPushButton* PanelPoigneeAucune = nullptr;
    QPushButton* PanelConfirmeEcart = nullptr;
    QPushButton* PanelLancement = nullptr;

    BarreOutils* PanelBarreOutils = nullptr;
    QToolButton* SBAide = nullptr;
    QToolButton* SBVoirScoresGlobaux = nullptr;
    QToolButton* SBNewGame = nullptr;
    QToolButton* SBGameAgain = nullptr;
    QToolButton* SBVoirDeductions = nullptr;

    Panneau* panelBarreInfo = nullptr;
    QLabel* info = nullptr;

    QMenu* menuBelvane = nullptr;
    QMenu* menuVoir = nullptr;
    QMenu* menuLevel = nullptr;
    QMenu* menuForce = nullptr;
    QMenu* menuVitesses = nullptr;
    QMenu* menuJeuDeLaCarte = nullptr;
    QMenu* menuAttenteEntreChaquePli = nullptr;
    QMenu* menuOptions = nullptr;
    QMenu* menuAide = nullptr;
    QAction* menuNewGame = nullptr;
    QAction* menuGameAgain = nullptr;
    QAction* menuInitScores = nullptr;
    QAction* menuQuit = nullptr;
    QAction* menuScoresGlobaux = nullptr;
    QAction* menuConseilEnch = nullptr;
    QAction* menuPointsPartieEnCours = nullptr;
    QAction* menuDeductions = nullptr;
    QAction* menuPreviousTrick = nullptr;
    QAction* menuPleinEcran = nullptr;
    QAction* menuAnalyse = nullptr;
    QMenu* menuTempsAnalyse = nullptr;
    Table<QAction*, 1, 3> menuTempsAnalyseItems;  // menuAnalyseDixSecondes .. menuAnalyseDeuxMinutes
    QAction* menuBoutonAnalyse = nullptr;
    Table<QAction*, 1, 4> menuNiveau;     // menuDebutant .. menuPro
    QAction* menuExpert = nullptr;
    QAction* menuOptionNiveauAdaptatif = nullptr;
    Table<QAction*, 1, 6> menuForceMain;  // menuForceDefense .. menuForceGardeContre
    QAction* menuAtLeast = nullptr;
    Table<QAction*, 1, 5> menuVitesse;    // menuEscargot .. menuInstantane
    Table<QAction*, 0, 3> menuAttente;    // menuClickObligatoire .. menuCinqSecondes
    QAction* menuCouleurFondEcran = nullptr;
    QAction* menuCouleurTableRonde = nullptr;
    QAction* menuProposerPoignee = nullptr;
    QAction* menuBarreOutils = nullptr;
    QAction* menuBarreInfo = nullptr;
    QAction* menuSommaire = nullptr;
    QAction* menuApropos = nullptr;

    // The history of the deals (fbelvane_historique.cpp).
    void creerHistorique();
    void afficherCodeDonne();
    void noterDonne(const Jeu& jeu);
    void noterVerdict(long long id, const VerdictArchive& v);
    void avertirHistorique();
    void rejouerRepartitionClick(const Repartition& r);
    void menuJouerCodeClick();
    void PanelCopierCodeClick();
    void menuCodeDonneClick();
    BaseHistorique* historique_ = nullptr;
    TfrmHistorique* frmHistorique_ = nullptr;
    TfrmStatistiques* frmStatistiques_ = nullptr;
    QAction* menuHistorique = nullptr;
    QAction* menuStatistiques = nullptr;
    QAction* menuJouerCode = nullptr;
    QAction* menuCodeDonne = nullptr;
    QLabel* PanelCodeDonne = nullptr;
    QPushButton* PanelCopierCode = nullptr;

    // The official rules (fbelvane_regles.cpp): the rules menu, the human
    // taker's chelem offer, the handfuls shown by the seats.
public:
    void montrerPoigneeSiege(int siege, const std::string& annonce, const Table<Carte, 1, 15>& cartes,
                             int nb) override;
    void cacherPoigneesSieges() override;
    void montrerOffreChelem(bool visible) override;
    void montrerChelemAnnonce(int siege) override;

private:
    void creerReglesOfficielles();
    void basculerRegle(std::uint8_t& option);
    QMenu* menuRegles = nullptr;
    QAction* menuReglesBelvane = nullptr;
    QAction* menuReglesOfficielles = nullptr;
    QAction* menuOptionChelem = nullptr;
    QAction* menuOptionPoigneesOrdinateurs = nullptr;
    Panneau* PanelChelem = nullptr;
    QPushButton* PanelAnnoncerChelem = nullptr;
    QPushButton* PanelSansChelem = nullptr;
    Panneau* PanelPoigneesMontrees = nullptr;
    Panneau* PanelChelemAnnonce = nullptr;
    QString textePoigneesMontrees_;

    // Accessibility (fbelvane_accessibilite.cpp): the four-colour pack, and
    // the screen reader told each card played, each trick's winner and whose
    // turn it is, through the accessible label annonceLecteur.
public:
    void encresCartes(bool quatreCouleurs) override;
    void annoncer(const std::string& texte) override;
    bool litAnnonces() const override { return true; }

private:
    void creerAccessibilite();
    QAction* menuQuatreCouleurs = nullptr;
    QLabel* annonceLecteur = nullptr;

    QTimer TimerEnchere;
    QTimer TimerEntreCarte;
    QTimer TimerTransition;
    QTimer timerTousPlis;
};
