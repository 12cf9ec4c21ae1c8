#pragma once
// Every text the game shows, in French and in English, each written once.
#include <string>

#include "engine/carte.h"

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
    bulleSBGameAgain, bulleSBVoirScoresGlobaux, deductions, bulleSBAide, menuInitScores, menuQuit,
    menuVoir, menuScoresGlobaux, menuConseilEnch, menuPointsPartieEnCours, menuDeductions, menuPreviousTrick,
    menuLevel, menuDebutant, menuAmateur, menuBon, menuPro, menuOptionNiveauAdaptatif, menuForce,
    menuForceNormale, menuForcePrise, menuForceGarde, menuForceGardeSans, menuForceGardeContre,
    menuForceDefense, menuAtLeast, menuVitesses, menuJeuDeLaCarte, menuInstantane, menuRapide, menuNormal,
    menuLent, menuEscargot, menuAttenteEntreChaquePli, menuCinqSecondes, menuDeuxSecondes, menuUneSeconde,
    menuClickObligatoire, menuOptions, menuCouleurFondEcran, menuProposerPoignee, menuCouleurTableRonde,
    menuBarreOutils, menuBarreInfo, menuAide, menuSommaire, menuApropos, PanelLancement,
    PanelPoigneeSimple, PanelPoigneeDouble, PanelPoigneeTriple, PanelPoigneeAucune, PanelPanelNewPartie,
    panelRejouerDonne, PanelVoirMains, PanelScoreDetaille, PanelVoirPlis,
    // Levels.
    niveauDebutant, niveauAmateur, niveauBon, niveauPro,
    // Handful window.
    frmPoignee, PanelBoutonParesseux, PanelOkPoignee, PanelAnnulerPoignee, excuseInterditePoignee,
    // Review windows and the detailed score sheet.
    frmPliPrecedent, frmTousPlis, boutonImprimer, frmMains, PanelChien, PanelEcart, frmScoreDetaille, panelPreneur,
    panelPoints, panelDefContrat, panelDefPrimePetit, panelDefNbBouts, panelDefPrimePoignee,
    // Help and about.
    aideEnLigne, noticeFabricant,
    // Splash (the same in both languages).
    PanelStartFrench, PanelStartEnglish, lblWarning,
    // Review windows: replay and colour hints, printing.
    bulleLecture, bulleEnArriere, bulleEffacer, bulleVoirTout, bulleSBColor, pasDImprimante, enregistrerPdf,
    fichiersPdf, pdfImpossible, impressionImpossible,
    // Printing without a printer: the name offered for the PDF file says what is printed.
    pdfTousPlis, pdfMains, pdfScoreDetaille,
    // History of the deals, deal codes and statistics.
    menuHistorique, menuStatistiques, menuJouerCode, frmHistorique, frmStatistiques, colonneDate, colonnePreneur,
    colonneContrat, colonneResultat, colonnePourVous, colonneCode, contratFait, contratChute, donneRejouee,
    filtreContrat, filtreTousContrats, filtreRole, filtreTousRoles, rolePreneur, roleDefense, boutonVoirPlis,
    boutonVoirMains, boutonScoreDetaille, boutonRejouerCetteDonne, boutonCopierCode, boutonExporterCsv,
    boutonFermer, historiqueVide, donnesAffichees, codeDonneTitre, codeDonneInvite, codeLongueur, codeCaractere,
    codeControle, codeHorsLimites, codeDonneResultat, boutonCopier, codeCopie, historiqueMisDeCote,
    historiqueIndisponible, historiqueTropRecent, donneIllisible, statDonnesJouees, statCommePreneur, statPrises,
    statReussies, statScoreMoyen, statTotal, statCommeDefenseur, statDefenses, statParNiveau, statNiveau,
    statDonnes, statChutes, statGainMoyen, statEvolution, statAxeDonnes, statAxeScore, fichiersCsv, csvImpossible,
    nomFichierCsv, menuCodeDonne,
    // The window at every size: full screen.
    menuPleinEcran,
    // The player's store: values reset, the damaged file kept aside, a store that
    // cannot be read or written, a second game on the same store.
    magasinValeursRemises, magasinEtAutres, magasinFichierEndommage, magasinCopie, magasinCopieImpossible,
    magasinIllisible, magasinSauvegardeImpossible, magasinDejaUtilise,
    // The open-cards analysis of a played deal: its window, menus and button.
    frmAnalyse, boutonAnalyse, menuAnalyse, menuTempsAnalyse, menuAnalyseDixSecondes, menuAnalyseTrenteSecondes,
    menuAnalyseDeuxMinutes, menuBoutonAnalyse, analyseMeilleur, analyseRealisable, analyseIrrealisable,
    analyseNonEtabli, analyseEntre, analyseReel, analyseReussi, analyseChute, analyseAvertissement,
    analyseColPli, analyseColJoueur, analyseColCarte, analyseColCout, analyseColMeilleure, analyseVosCartes,
    analyseAutresCartes, analyseContratPerdu, analyseContratRealisable, analyseAuMoins, analyseCartesNonEtablies,
    analyseResteAResoudre, analyseEnPreparation, analyseTerminee, analyseBudgetEpuise, analyseAucuneLigne,
    analysePli, analyseEntame, analyseGagnant, analyseMieux, analyseFermer, analyseImpossible, analyseVous,
    analysePoints, analyseCliquezLigne, analyseAResoudre,
    // The table that explains itself: its options, the card hint, why a card
    // cannot be played, the card names read aloud, abandoning a deal, the rules.
    menuMarquerTour, menuCartesJouables, menuConseilCarteOption, menuJeuAuClavier, menuAnimationCartes,
    menuConfirmerAbandon, menuReglesDuJeu, menuConseilCarte, bulleSBConseil, conseilSeuleCarte, conseilRegle,
    conseilLibre, conseilPasVotreTour, raisonFournir, raisonAtoutDemande, raisonMonter, raisonCouper,
    raisonSurcouper, raisonAtoutPlusFaible, raisonEcartInterdit, raisonEcartSix, raisonPasVotreTour,
    raisonPoignee, nomPique, nomCoeur, nomTrefle, nomCarreau, carteAs, carteValet, carteCavalier, carteDame,
    carteRoi, carteDe, carteAtout, cartePetit, carteExcuse, gagnePli, abandonTitre, abandonQuestion,
    aideTitre, aideRechercher, aideSommaire, aideIntrouvable, conseilReste,
    // The Expert level.
    menuExpert,
    // The deal coach: the verdict, the two judges, the continuations, the history's column.
    coachRealisableDepart, coachIrrealisableDepart, coachRealisableDepuis, coachIrrealisableDepuis, coachPerduPar,
    coachSauvePar, coachEnCours, coachAucunPli, coachBilanCartes, coachColJugement, coachErreur, coachMalchance,
    coachExpliqueErreur, coachExpliqueMalchance, coachExpliqueBonne, coachJoue, coachMeilleureLigne,
    coachSuiteEnCalcul, coachSuiteIncomplete, coachColonneVerdict, coachHistRealisable, coachHistIrrealisable,
    coachHistNonEtabli, coachHistDepuisPli, coachHistPerdu, coachHistSauve, coachHistErreurs, coachBoutonAnalyser, coachNonJuge,
    // The history held by another program: the deals wait beside it.
    historiqueOccupe,
    // Accessibility: the four-colour pack, and what the screen reader is told
    // as the table shows it (a card played, whose turn it is).
    menuQuatreCouleurs, annonceCarteJouee, annonceTour, annonceVotreTour,
    // The official rules: the rules menu, the handfuls shown by every seat, the chelem.
    menuRegles, menuReglesBelvane, menuReglesOfficielles, menuOptionChelem, menuOptionPoigneesOrdinateurs,
    poigneeSimpleMontree, poigneeDoubleMontree, poigneeTripleMontree, chelemAnnonce, offreChelem,
    boutonAnnoncerChelem, boutonSansChelem, panelDefPrimeChelem, raisonExcuseChelem, colonneChelem,
    colonnePoignees, statChelems,
    // The deal in progress kept through a close, taking back a card, practising a deal.
    repriseQuestion, repriseMiseDeCote, repriseImpossible, menuReprendreCarte, entrainementDepuis,
    entrainementPli, entrainementImpossible, donneEntrainement, statEntrainements,
    // The Expert's card hint: its option, while it thinks, and what its imagined deals say.
    menuConseilExpert, conseilExpertReflechit, conseilExpertGarde, conseilExpertBat, conseilExpertPerteGarde,
    conseilExpertPerteBat,
};

// The product title: the main window's caption and the title of its message boxes.
constexpr char anneeVersion[] = "2010";
constexpr char titreProgramme[] = "BELVANE 2010";
// The address that completes the help message.
constexpr char adresseSiteWeb[] = "https://belvane.example.org";

// The program's title and registry key, composed as the splash is created.
struct Identite {
    std::string anneeVersion;
    std::string titreProgramme;  // "BELVANE", a blank and the year when there is one
    std::string cleRegistre;     // "Software\\Oskaveri\\" + titreProgramme + "\\"
};
Identite composerIdentite(const std::string& annee);

// The text in the language `langue` (FRANCAIS or ANGLAIS), UTF-8.
const std::string& texte(Texte t, int langue);
const std::string& nomJoueur(int siege, int langue);
const std::string& nomEnchere(int enchere, int langue);
// The four playing strengths, 1 Débutant .. 4 Pro.
const std::string& nomNiveau(int niveau, int langue);
// The word that labels the bidding advice.
const std::string& texteConseil(int langue);
// The text with its first `champ` ("%1", "%2") replaced by `valeur`.
std::string remplacer(std::string modele, const std::string& champ, const std::string& valeur);
// The modal messages of the help items and of the about item.
std::string texteAide(int langue);
std::string texteApropos(int langue);
