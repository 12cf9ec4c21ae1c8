#pragma once
// What the game logic asks of the windows, and of the timers that pace the
// computer players. The Qt windows implement these; tests use fakes that
// record what they are asked. Every method of Vue does nothing by default, so
// a fake overrides only what its test looks at.
#include <string>

#include "engine/carte.h"
#include "engine/deductions.h"
#include "engine/options.h"
#include "engine/table.h"

enum class Minuteur { TimerEnchere, TimerEntreCarte, TimerTransition, timerTousPlis };

class Minuteurs {
public:
    virtual ~Minuteurs() = default;
    // Arms a one-shot timer: it fires once after `millisecondes`, unless stopped.
    virtual void armer(Minuteur m, int millisecondes) = 0;
    virtual void arreter(Minuteur m) = 0;
};

// Cursor of a card image: the hand pointer on a card that may be clicked now.
enum class Curseur { Defaut, Main, Interdit, Sablier };

// The menu items that carry a check mark, named as the menus name them.
enum class MenuOption {
    menuDebutant, menuAmateur, menuBon, menuPro,
    menuForceDefense, menuForceNormale, menuForcePrise, menuForceGarde, menuForceGardeSans, menuForceGardeContre,
    menuEscargot, menuLent, menuNormal, menuRapide, menuInstantane,
    menuClickObligatoire, menuUneSeconde, menuDeuxSecondes, menuCinqSecondes,
    menuOptionNiveauAdaptatif, menuAtLeast, menuConseilEnch, menuPointsPartieEnCours, menuDeductions,
    menuProposerPoignee, menuBarreOutils, menuBarreInfo, menuScoresGlobaux,
    // The open-cards analysis: time per deal, and its button on the result panel.
    menuAnalyseDixSecondes, menuAnalyseTrenteSecondes, menuAnalyseDeuxMinutes, menuBoutonAnalyse,
    // The Expert level.
    menuExpert,
    // The official rules: the two rule sets (radio items) and each difference.
    menuReglesBelvane, menuReglesOfficielles, menuOptionChelem, menuOptionPoigneesOrdinateurs,
    // Accessibility: the four-colour pack.
    menuQuatreCouleurs,
};
// The parts of the main window that the options show or hide.
enum class PanneauOption { evMaMain, PanneauScores, PanelDeductions, PanelBarreOutils, panelBarreInfo, boutonAnalyse };
enum class BoutonOutil { SBVoirDeductions, SBVoirScoresGlobaux };

// One method per thing the table can show. Texts arrive in the chosen language.
class Vue {
public:
    virtual ~Vue() = default;

    // The information bar.
    virtual void ecrireInfo(const std::string&) {}

    // Auction, dog and discard.
    virtual void montrerBarreEnchere(bool) {}
    // One of the five bid buttons, 0 PASSE .. 4 GARDE CONTRE.
    virtual void montrerBoutonEnchere(int /*enchere*/, bool) {}
    // The caption of the advice button, and the keyboard focus on it.
    virtual void ecrireConseil(const std::string&) {}
    virtual void focaliserConseil() {}
    // The seat's bid panel: its caption in that font size, shown.
    virtual void annoncerEnchereSiege(int /*siege*/, const std::string& /*texte*/, int /*taillePolice*/) {}
    // The contract in the header panel.
    virtual void ecrireContrat(const std::string&) {}
    // Dog image i (1..6) placed at (gauche, haut), showing `c`, visible.
    virtual void placerCarteChien(int /*i*/, int /*gauche*/, int /*haut*/, const Carte& /*c*/, Curseur) {}
    // The cursor of the 18 hand images.
    virtual void curseurCartesMain(Curseur) {}
    // Hand image `position` (1..24) of the discard screen placed at (gauche, haut),
    // showing `c`, visible.
    virtual void placerCarteEcart(int /*position*/, int /*gauche*/, int /*haut*/, const Carte& /*c*/, Curseur) {}
    // Moves that image down by `decalage` pixels (up when negative).
    virtual void deplacerCarteEcart(int /*position*/, int /*decalage*/) {}
    virtual void cacherCartesEcart() {}
    virtual void montrerConfirmeEcart(bool) {}

    // Tricks and deductions.
    // The cursor of hand image k (1..18).
    virtual void curseurCarteMain(int /*k*/, Curseur) {}
    virtual void cacherCarteMain(int /*k*/) {}
    // The seat's table image, showing `c`.
    virtual void dessinerCarteTable(int /*siege*/, const Carte& /*c*/) {}
    // The score panel: points won so far (whole points), oudlers won, and the
    // points the taker needs once the three oudlers are known.
    virtual void afficherPoints(int /*attaque*/, int /*defense*/) {}
    virtual void afficherBouts(int /*preneur*/, int /*defense*/) {}
    virtual void afficherContrat(int /*pointsAFaire*/) {}
    virtual void afficherDeductions(const Deductions&) {}
    // Whether this table shows the deductions panel at all; a headless one
    // answers false and is spared building its texts after every card.
    virtual bool montreDeductions() const { return true; }

    // Scores, result and options.
    // A check item of the menus. Checking a radio item (level, hand strength,
    // card speed, pause after a trick) clears the others of its submenu.
    virtual void cocherMenu(MenuOption, bool) {}
    virtual void montrerPanneau(PanneauOption, bool) {}
    // A tool button that stays pressed.
    virtual void enfoncerBouton(BoutonOutil, bool) {}
    // The main window's background and the fill of the round table.
    virtual void couleurFond(Couleur) {}
    virtual void couleurTableRonde(Couleur) {}
    // The inks of the suit signs on every card shown, in this window and the
    // windows it owns: four colours (clubs green, diamonds blue) or the usual two.
    virtual void encresCartes(bool /*quatreCouleurs*/) {}
    // The result panel, its new-deal button and its text, shown.
    virtual void montrerResultat(const std::string&) {}
    // The text of the seat's global score panel; whether it is shown does not change.
    virtual void afficherScoreTotal(int /*siege*/, const std::string&) {}
    virtual void montrerScoresGlobaux(bool) {}
    // A modal message with an OK button.
    virtual void message(const std::string& /*titre*/, const std::string& /*texte*/) {}
    // A modal Yes/No box: true for Yes. Nobody answers a headless game: No.
    virtual bool questionOuiNon(const std::string& /*titre*/, const std::string& /*texte*/) { return false; }
    // A trouble with the player's store (values reset, a file that cannot be
    // read or saved): a modal message.
    virtual void erreurMagasin(const std::string& /*texte*/) {}

    // Flow.
    virtual void montrerLancement(bool) {}
    // The replay commands: enabled, and the tool button shown pressed during a replay.
    virtual void etatRejouer(bool /*actif*/, bool /*enfonce*/) {}
    virtual void curseurFenetre(Curseur) {}
    // Hides everything a deal put on the table: review windows, deductions,
    // taker panels, hand and dog images, bidding bar, result, handful offer,
    // round table, table cards, taker frames, bid panels; the hand images are
    // disabled with the no-drop cursor.
    virtual void effacerTable() {}
    virtual void activerPliPrecedent(bool) {}
    virtual void activerCartesMain(bool) {}
    // Hand image k (1..18) placed at (gauche, haut), showing `c`, visible.
    virtual void placerCarteMain(int /*k*/, int /*gauche*/, int /*haut*/, const Carte& /*c*/, Curseur) {}
    virtual void cacherChien() {}
    virtual void cacherCartesTable() {}
    // The round table and the taker's frame behind his table card.
    virtual void montrerTableRonde(int /*preneur*/) {}
    virtual void cacherAnnonces() {}
    // The taker's seat and contract in the header panels, his frame placed and
    // the score panel's taker fields in his colour.
    virtual void montrerPreneur(int /*siege*/, const std::string& /*nomSiege*/, const std::string& /*nomContrat*/) {}
    virtual void montrerOffrePoignee(bool /*double*/, bool /*triple*/) {}
    virtual void cacherOffrePoignee() {}

    // Handful.
    // The handful window at this width in pixels, centred on the screen and
    // shown; and closed.
    virtual void montrerFenetrePoignee(int /*largeur*/) {}
    virtual void fermerFenetrePoignee() {}
    // Card image k (1..18) of the handful window placed at (gauche, haut),
    // showing `c`, visible, above the images placed before it.
    virtual void placerCartePoignee(int /*k*/, int /*gauche*/, int /*haut*/, const Carte& /*c*/) {}
    virtual void cacherCartesPoignee() {}
    // Moves that image down by `decalage` pixels (up when negative).
    virtual void deplacerCartePoignee(int /*k*/, int /*decalage*/) {}
    virtual void montrerOkPoignee(bool) {}
    // A modal message over the handful window (the Excuse cannot be chosen).
    virtual void messagePoignee(const std::string& /*texte*/) {}
    // The main window's side: hand image k (1..18) hidden or shown again, the
    // window enabled or disabled, and brought to the front.
    virtual void montrerCarteMain(int /*k*/, bool) {}
    virtual void activerFenetrePrincipale(bool) {}
    virtual void premierPlanPrincipale() {}

    // The official rules. A handful shown to the table by a seat: the
    // announcement and the `nb` trumps, kept on show until the first trick
    // is gathered; and taken off the table.
    virtual void montrerPoigneeSiege(int /*siege*/, const std::string& /*annonce*/, const Table<Carte, 1, 15>& /*cartes*/,
                                     int /*nb*/) {}
    virtual void cacherPoigneesSieges() {}
    // The human taker's chelem offer before the first card; and a seat's
    // chelem announced, marked by its place for the whole deal.
    virtual void montrerOffreChelem(bool) {}
    virtual void montrerChelemAnnonce(int /*siege*/) {}

    // Accessibility. A sentence for the screen reader, said as the table
    // shows it: a card played, the trick's winner, whose turn it is. Sent
    // only with the keyboard option on (optionJeuAuClavier, which also names
    // the cards for screen readers) and to a table that reads them.
    virtual void annoncer(const std::string& /*texte*/) {}
    virtual bool litAnnonces() const { return true; }
};

// Shows nothing: headless play, tools and tests that do not look at the table.
class VueNulle : public Vue {
public:
    bool montreDeductions() const override { return false; }
    bool litAnnonces() const override { return false; }
};

// Never fires: the caller drives the game step by step.
class MinuteursNuls : public Minuteurs {
public:
    void armer(Minuteur, int) override {}
    void arreter(Minuteur) override {}
};

Vue& vueNulle();
Minuteurs& minuteursNuls();
