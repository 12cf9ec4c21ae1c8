#pragma once
// The table that explains itself: seat names with the seat to play lit and
// the trick's winner marked, unplayable cards dimmed with the reason on a
// click, the card hint, keyboard play, cards in motion, a question before a
// deal is abandoned, and the rules of the game at hand. Each is an option; with
// all of them off the table is as it always was. The window calls a few hooks;
// everything else is read from the game and from the window's controls by name.
#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QRect>

#include "engine/table.h"

class QAction;
class QLabel;
class QToolButton;
class QWidget;
class ImageCarte;
class TfrmAide;
class Glissement;
class ConseilleurExpert;
struct Jeu;

class AidesTable : public QObject {
    Q_OBJECT
public:
    AidesTable(Jeu& jeu, QMainWindow* fenetre);
    ~AidesTable() override;

    // Hooks of the window.
    // The seat's card has just been drawn on the table.
    void carteJouee(int siege);
    // The four cards of a finished trick are about to leave the table.
    void pliRamasse();
    // A new deal or a re-start: false when the player keeps the deal in progress.
    bool confirmerAbandon();
    // The help command: true when the rules window took it.
    bool ouvrirAide();

    // Brings every mark in line with the game now (it also happens by itself
    // after each event the window handles).
    void mettreAJour();
    // The hint command: lifts the advised card and says why in the information bar.
    // With the Expert's hint on, near the end of the deal, the card comes once
    // the Expert has thought about it.
    void demanderConseil();

    // What the tests look at.
    TfrmAide* frmAide() const { return frmAide_; }
    QAction* actionConseil() const { return menuConseilCarte_; }
    ConseilleurExpert& conseilleur() const { return *conseilleur_; }
    int carteFocalisee() const { return focus_; }
    int carteConseillee() const { return conseil_; }
    // Whether hand image k (1..24) or handful image k (1..18) is dimmed.
    bool carteMainVoilee(int k) const;
    bool cartePoigneeVoilee(int k) const;
    bool enMouvement() const;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    // aides_table.cpp: options, texts, refresh.
    void creerMenus();
    void ecrireTextes(int langue);
    void planifierMiseAJour();
    QWidget* controle(const char* nom) const;
    template <typename T>
    T* controle(const QString& nom) const {
        return fenetre_->findChild<T*>(nom);
    }
    ImageCarte* carteMain(int k) const;
    ImageCarte* cartePoignee(int k) const;
    QWidget* fenetrePoignee() const;
    void basculer(std::uint8_t& option);
    // The hint's card lifted on the table.
    void leverConseil(int slot);
    // The Expert has thought: its card and why.
    void conseilExpertPret();
    void noterClicCarte(int k);
    void clicCarte(int k);
    // fbelvane_tour.cpp: seat names, the seat to play, the winning card.
    void creerEtiquettes();
    void placerEtiquettes();
    void mettreAJourTour();
    // fbelvane_cartes.cpp: dimmed cards, the hint's lifted card, card names.
    void creerVoiles();
    void mettreAJourVoiles();
    void mettreAJourConseil();
    void baisserConseil();
    void nommerCartes();
    // fbelvane_clavier.cpp: keyboard play.
    bool touche(QObject* objet, int cle, Qt::KeyboardModifiers mods);
    void mettreAJourFocus();
    int positionsClavier() const;
    bool focusJouable(int k) const;

    Jeu& jeu_;
    QMainWindow* fenetre_;
    QWidget* tapis_ = nullptr;
    bool miseAJourPrevue_ = false;
    int langue_ = 0;

    // Options menu and hint command.
    QAction* separateur_ = nullptr;
    QAction* menuMarquerTour_ = nullptr;
    QAction* menuCartesJouables_ = nullptr;
    QAction* menuConseilCarteOption_ = nullptr;
    QAction* menuConseilExpert_ = nullptr;
    QAction* menuJeuAuClavier_ = nullptr;
    QAction* menuAnimationCartes_ = nullptr;
    QAction* menuConfirmerAbandon_ = nullptr;
    QAction* menuReglesDuJeu_ = nullptr;
    QAction* menuConseilCarte_ = nullptr;
    QToolButton* SBConseil_ = nullptr;
    int hauteurBarreSansConseil_ = 0;

    // Turn marks.
    Table<QLabel*, 1, 4> etiquette_;
    QWidget* cadreGagnant_ = nullptr;
    // Dimmed cards.
    Table<QWidget*, 1, 24> voile_;
    Table<QPointer<QWidget>, 1, 18> voilePoignee_;
    // Reasons stashed at the press on a card, said after the click if it was refused.
    std::string raisonEnAttente_;
    int carteRaison_ = 0;
    // The hint: the slot lifted and how far.
    int conseil_ = 0;
    int leveeConseil_ = 0;
    int hautConseil_ = 0;
    ConseilleurExpert* conseilleur_ = nullptr;
    // Keyboard: 1..24 a card of the hand, 25 the confirm button; 0 none.
    QWidget* cadreFocus_ = nullptr;
    QPointer<QWidget> cadreFocusPoignee_;
    int focus_ = 0;
    int focusPoignee_ = 0;
    bool tourHumainVu_ = false;
    // Motion.
    Glissement* glissement_ = nullptr;
    // The rules.
    TfrmAide* frmAide_ = nullptr;
};
