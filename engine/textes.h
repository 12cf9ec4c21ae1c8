#pragma once
// Every text the game shows, in French and in English, each written once.
#include <string>

enum class Texte {
    // Play and flow.
    aVousDeJouer,
    messageContinuer,
    // Auction.
    cliquezSurEnchere,
    meilleureEnchereOuPasser,
    texteConseil,
    // Dog and discard.
    voiciLeChien,
    cliquezSurSixCartes,
    accepterEcart,
    // Scores and options.
    pointsNonComptabilises, resultatDuPreneur, pointsFinResultat, preneurGagne, preneurChute, defenseGagne,
    defenseChute, remettreScoresAZero, niveauEnPleinePartie, erreurMagasin,
    // Seats and bids.
    joueurSud, joueurEst, joueurNord, joueurOuest,
    encherePasse, encherePrise, enchereGarde, enchereGardeSans, enchereGardeContre,
    // Main window: hints of the information panels, menus, tool-button hints, buttons.
    menuBelvane, bullePanelPreneur, bullePanelEnchere, bullenPointsAttaque, bullenBoutsPreneur, bullenContrat,
    bullenBoutsDefense, bullenPointsDefense, bullePanelAtoutMax, bullePanelAtExt, bulleDehorsPique,
    bulleDehorsCoeur, bulleDehorsTrefle, bulleDehorsCarreau, menuNewGame, bulleSBNewGame, menuGameAgain,
    bulleSBGameAgain, bulleSBVoirScoresGlobaux, bulleSBVoirDeductions, bulleSBAide, menuInitScores, menuQuit,
    menuVoir, menuScoresGlobaux, menuConseilEnch, menuPointsPartieEnCours, menuDeductions, menuPreviousTrick,
    menuLevel, menuDebutant, menuAmateur, menuBon, menuPro, menuOptionNiveauAdaptatif, menuForce,
    menuForceNormale, menuForcePrise, menuForceGarde, menuForceGardeSans, menuForceGardeContre,
    menuForceDefense, menuAtLeast, menuVitesses, menuJeuDeLaCarte, menuInstantane, menuRapide, menuNormal,
    menuLent, menuEscargot, menuAttenteEntreChaquePli, menuCinqSecondes, menuDeuxSecondes, menuUneSeconde,
    menuClickObligatoire, menuOptions, menuCouleurFondEcran, menuProposerPoignee, menuCouleurTableRonde,
    menuBarreOutils, menuBarreInfo, menuAide, menuSommaire, menuApropos, PanelInfoDeductions, PanelLancement,
    PanelPoigneeSimple, PanelPoigneeDouble, PanelPoigneeTriple, PanelPoigneeAucune, PanelPanelNewPartie,
    panelRejouerDonne, PanelVoirMains, PanelScoreDetaille, PanelVoirPlis,
};

// The product title: the main window's caption and the title of its message boxes.
constexpr char anneeVersion[] = "2010";
constexpr char titreProgramme[] = "BELVANE 2010";

// The text in the language `langue` (FRANCAIS or ANGLAIS), UTF-8.
const std::string& texte(Texte t, int langue);
const std::string& nomJoueur(int siege, int langue);
const std::string& nomEnchere(int enchere, int langue);
