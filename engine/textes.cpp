#include "engine/textes.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/options.h"

namespace {

struct Entree {
    Texte id;
    const char* fr;
    const char* en;  // nullptr: the same text in both languages
};

// Add each new text here, once; the order does not matter.
const Entree catalogue[] = {
    {Texte::aVousDeJouer, "A vous de jouer !", "Play !"},
    {Texte::messageContinuer, "Cliquez n'importe où pour continuer à jouer... !", "Click anywhere to go on playing..."},
    {Texte::cliquezSurEnchere, "Cliquez sur l'enchère que vous désirez annoncer !", "Click on the bid you want to do."},
    {Texte::meilleureEnchereOuPasser, "Vous devez faire une meilleure enchère ou passer !", "Make a better bid or pass !"},
    {Texte::texteConseil, "Conseil", "Advice"},
    {Texte::voiciLeChien, "Et voici le Chien ! A présent, cliquez pour continuer à jouer...",
     "Here is the Dog ! And now, please click anywhere to go on playing..."},
    {Texte::cliquezSurSixCartes, "Cliquez sur 6 cartes pour constituer l'écart", "Click on 6 cards to make the discard"},
    {Texte::accepterEcart, "Accepter cet écart", "Confirm discard"},
    {Texte::pointsNonComptabilises,
     "Les points n'ont pas été comptabilisés dans les scores globaux car cette donne a été rejouée ou redémarrée !",
     "Because you replayed or restarted this deal, global scores didn't change !"},
    {Texte::resultatDuPreneur, "Résultat du Preneur : ", "Result for the Taker : "},
    {Texte::pointsFinResultat, " points.", " points."},
    {Texte::preneurGagne, "Bravo, vous avez gagné contre la Défense !", "Bravo, you won against this so weak Defense !"},
    {Texte::preneurChute, "AIIIIE, la Défense vous a fait chuter !", "OWWWW, you lose against the Defense"},
    {Texte::defenseGagne, "Bravo, votre Défense a fait chuter le Preneur !", "Bravo to you and the Defense !"},
    {Texte::defenseChute, "Aie, vous n'avez pas pu faire chuter le Preneur...", "OWW, you Defense was not very good..."},
    {Texte::remettreScoresAZero, "Voulez-vous réellement remettre les scores à 0 ?",
     "Do you really want to initialize scores ?"},
    {Texte::niveauEnPleinePartie, "Vous ne pouvez pas changer de niveau en pleine partie !",
     "You can only change level at the beginning of a new deal !"},
    {Texte::erreurMagasin, "Les options enregistrées sont illisibles ; la lecture s'est arrêtée à la valeur : ",
     "The stored options cannot be read; reading stopped at the value: "},
    {Texte::joueurSud, "SUD", "SOUTH"},
    {Texte::joueurEst, "EST", "EAST"},
    {Texte::joueurNord, "NORD", "NORTH"},
    {Texte::joueurOuest, "OUEST", "WEST"},
    {Texte::encherePasse, "PASSE", "PASS"},
    {Texte::encherePrise, "PRISE", "TAKE"},
    {Texte::enchereGarde, "GARDE", "GUARD"},
    {Texte::enchereGardeSans, "GARDE SANS", "GUARD WITHOUT"},
    {Texte::enchereGardeContre, "GARDE CONTRE", "GUARD AGAINST"},
    {Texte::menuBelvane, "&Belvane", "&Belvane"},
    {Texte::bullePanelPreneur, "Position du Preneur", "Position of the Taker"},
    {Texte::bullePanelEnchere, "Enchère du Preneur", "Bid of the Taker"},
    {Texte::bullenPointsAttaque, "Points du Preneur", "Taker score"},
    {Texte::bullenBoutsPreneur, "Nombre de bouts du Preneur", "Oudlers number of Taker"},
    {Texte::bullenContrat, "Contrat à réaliser (nombre de points)", "Contract (number of points to get)"},
    {Texte::bullenBoutsDefense, "Nombre de bouts en Défense", "Oudlers number of Defense"},
    {Texte::bullenPointsDefense, "Points de la Défense", "Defense score"},
    {Texte::bullePanelAtoutMax, "Atout maximal pas encore joué", "Maximal Trump"},
    {Texte::bullePanelAtExt, "Nombre d'atouts restant dehors", "Trumps number outside your hand"},
    {Texte::bulleDehorsPique, "Nombre de piques restant dehors", "Number of Spades outside"},
    {Texte::bulleDehorsCoeur, "Nombre de coeurs restant dehors", "Number of Hearts outside"},
    {Texte::bulleDehorsTrefle, "Nombre de trèfles restant dehors", "Number of Clubs outside"},
    {Texte::bulleDehorsCarreau, "Nombre de carreaux restant dehors", "Number of Diamonds outside"},
    {Texte::menuNewGame, "&Nouvelle partie", "&New deal"},
    {Texte::bulleSBNewGame, "Nouvelle partie", "New deal"},
    {Texte::menuGameAgain, "&Redémarrer la partie", "&Re-start the deal"},
    {Texte::bulleSBGameAgain, "Redémarrer la partie", "Re-start the deal"},
    {Texte::bulleSBVoirScoresGlobaux, "Scores globaux", "Global scores"},
    {Texte::deductions, "Déductions", "Deductions"},
    {Texte::bulleSBAide, "Aide de Belvane", "Belvane Help"},
    {Texte::menuInitScores, "&Initialiser les scores", "&Init scores"},
    {Texte::menuQuit, "&Quitter", "&Quit"},
    {Texte::menuVoir, "&Voir/Cacher", "Sho&w/Hide"},
    {Texte::menuScoresGlobaux, "Les &Scores globaux", "&Global scores"},
    {Texte::menuConseilEnch, "Le &Conseil d'enchère", "Bid &Advice"},
    {Texte::menuPointsPartieEnCours, "Les &Points de la partie en cours", "&Scores of current deal"},
    {Texte::menuDeductions, "&Déductions", "&Deductions"},
    {Texte::menuPreviousTrick, "&Le pli précédent", "&Previous trick"},
    {Texte::menuLevel, "&Niveau", "&Level"},
    {Texte::menuDebutant, "&Débutant", "&Beginner"},
    {Texte::menuAmateur, "&Amateur", "&Medium"},
    {Texte::menuBon, "&Bon", "&Advanced"},
    {Texte::menuPro, "&Pro", "&Pro"},
    {Texte::menuOptionNiveauAdaptatif, "Adap&tatif", "A&daptative"},
    {Texte::menuForce, "&Force de votre main", "&Strenght of Your Hand"},
    {Texte::menuForceNormale, "&Normale (aléatoire)", "&Normal (random)"},
    {Texte::menuForcePrise, "&Prise", "&Take"},
    {Texte::menuForceGarde, "&Garde", "&Guard"},
    {Texte::menuForceGardeSans, "Garde &Sans", "Guard &Without"},
    {Texte::menuForceGardeContre, "Garde &Contre", "Guard &Against"},
    {Texte::menuForceDefense, "&Défense (faible)", "&Defense (weak)"},
    {Texte::menuAtLeast, "&Au moins une main quelconque de PRISE !", "&At least a hand TAKING !"},
    {Texte::menuVitesses, "Vitesse&s", "&Speeds"},
    {Texte::menuJeuDeLaCarte, "&Jeu de la carte", "&Card throw"},
    {Texte::menuInstantane, "&Instantané", "&Very quick"},
    {Texte::menuRapide, "&Rapide", "&Quick"},
    {Texte::menuNormal, "&Normal", "&Normal"},
    {Texte::menuLent, "&Lent", "&Slow"},
    {Texte::menuEscargot, "&Escargot", "&Very slow"},
    {Texte::menuAttenteEntreChaquePli, "&Attente entre chaque pli", "&Laps time between each trick:"},
    {Texte::menuCinqSecondes, "&Cinq secondes", "&Five seconds"},
    {Texte::menuDeuxSecondes, "&Deux secondes", "&Two seconds"},
    {Texte::menuUneSeconde, "&Une seconde", "&One second"},
    {Texte::menuClickObligatoire, "Click &Obligatoire", "&Mandatory click"},
    {Texte::menuOptions, "&Options", "&Options"},
    {Texte::menuCouleurFondEcran, "&Couleur du fond d'écran", "&Background color"},
    {Texte::menuProposerPoignee, "&Proposer l'annonce des Poignées", "&Automatic announce of Poignées"},
    {Texte::menuCouleurTableRonde, "Couleur de la table de jeu", "&Color of the table"},
    {Texte::menuBarreOutils, "&Barre d'outils", "&Toolbar"},
    {Texte::menuBarreInfo, "B&arre d'information", "Infobar"},
    {Texte::menuAide, "&Aide", "&Help"},
    {Texte::menuSommaire, "&Sommaire", "&Contents"},
    {Texte::menuApropos, "&à-propos", "&About"},
    {Texte::PanelLancement, "Cliquez ici pour commencer à jouer !", "Click here to start playing !"},
    {Texte::PanelPoigneeSimple, "Poignée SIMPLE", "SINGLE POIGNEE"},
    {Texte::PanelPoigneeDouble, "Poignée DOUBLE", "DOUBLE POIGNEE"},
    {Texte::PanelPoigneeTriple, "Poignée TRIPLE", "TRIPLE POIGNEE"},
    {Texte::PanelPoigneeAucune, "Aucune", "NO ONE !"},
    {Texte::PanelPanelNewPartie, "NOUVELLE DONNE", "NEW DEAL"},
    {Texte::panelRejouerDonne, "REJOUER LA DONNE", "SAME DEAL"},
    {Texte::PanelVoirMains, "VOIR LES MAINS", "SEE HANDS"},
    {Texte::PanelScoreDetaille, "SCORES", "SCORES"},
    {Texte::PanelVoirPlis, "VOIR LES 18 PLIS", "SEE TRICKS"},
    {Texte::niveauDebutant, "Débutant", "Beginner"},
    {Texte::niveauAmateur, "Amateur", "Medium"},
    {Texte::niveauBon, "Bon", "Advanced"},
    {Texte::niveauPro, "Pro", "Pro"},
    {Texte::frmPoignee, "Sélectionnez les cartes à mettre dans la Poignée !", "Choose cards to create your Poignée !"},
    {Texte::PanelBoutonParesseux, "Bouton paresseux...", "Lazy button..."},
    {Texte::PanelOkPoignee, "OK", nullptr},
    {Texte::PanelAnnulerPoignee, "Annuler la Poignée !", "Cancel the Poignée !"},
    {Texte::excuseInterditePoignee, "Vous ne pouvez pas sélectionner l'Excuse !", "You can't choose the Fool !"},
    {Texte::frmPliPrecedent, "Voici le pli précédent...", "Here is the previous trick..."},
    {Texte::frmTousPlis, "Voici les 18 plis de la partie !", "Here are the 18 tricks of the deal !"},
    {Texte::boutonImprimer, "IMPRIMER", "PRINT"},
    {Texte::frmMains, "Les 4 mains et le chien...", "The 4 hands and the dog..."},
    {Texte::PanelChien, "LE CHIEN", "THE DOG"},
    {Texte::PanelEcart, "L'ECART", "THE DISCARD"},
    {Texte::frmScoreDetaille, "Score détaillé de la partie", "Score of this deal"},
    {Texte::panelPreneur, "PRENEUR", "TAKER"},
    {Texte::panelPoints, "Points réalisés", "Points"},
    {Texte::panelDefContrat, "CONTRAT", "CONTRACT"},
    {Texte::panelDefPrimePetit, "Prime du Petit au bout", "Bonus : Petit in the last trick"},
    {Texte::panelDefNbBouts, "Nombre de BOUTS", "Oudlers nubmer"},
    {Texte::panelDefPrimePoignee, "Prime de Poignée", "Bonus of Poignee"},
    {Texte::aideEnLigne, "Consulter l'aide en ligne sur ", "Please see online help at "},
    {Texte::noticeFabricant, "Un jeu de Tarot d'Oskaveri, pour un joueur contre trois.",
     "A French Tarot game by Oskaveri, for one player against three."},
    {Texte::PanelStartFrench, "Version française", nullptr},
    {Texte::PanelStartEnglish, "English version", nullptr},
    {Texte::lblWarning,
     "Ce programme est fourni tel quel, sans aucune garantie. Les scores et les réglages restent sur cet "
     "ordinateur.\nThis program comes as it is, without any warranty. Scores and settings stay on this computer.",
     nullptr},
    {Texte::bulleLecture, "Rejouer les plis carte par carte / pause", "Replay the tricks card by card / pause"},
    {Texte::bulleEnArriere, "Une carte en arrière", "One card back"},
    {Texte::bulleEffacer, "Effacer les plis", "Clear the tricks"},
    {Texte::bulleVoirTout, "Voir tous les plis", "Show all the tricks"},
    {Texte::bulleSBColor, "Couleur du fond", "Background color"},
    {Texte::pasDImprimante,
     "Aucune imprimante n'est installée.\nVoulez-vous enregistrer la page dans un fichier PDF ?",
     "No printer is installed.\nDo you want to save the page as a PDF file ?"},
    {Texte::enregistrerPdf, "Enregistrer la page en PDF", "Save the page as PDF"},
    {Texte::fichiersPdf, "Fichiers PDF (*.pdf)", "PDF files (*.pdf)"},
    {Texte::pdfImpossible, "Le fichier PDF n'a pas pu être écrit : ", "The PDF file could not be written: "},
    {Texte::impressionImpossible, "L'impression n'a pas pu commencer sur l'imprimante par défaut.",
     "Printing could not start on the default printer."},
    // Printing without a printer: the name offered for the PDF file says what is printed.
    {Texte::pdfTousPlis, "Belvane - les 18 plis", "Belvane - the 18 tricks"},
    {Texte::pdfMains, "Belvane - les 4 mains et le chien", "Belvane - the 4 hands and the dog"},
    {Texte::pdfScoreDetaille, "Belvane - score détaillé", "Belvane - detailed score"},
    // History of the deals, deal codes and statistics.
    {Texte::menuHistorique, "&Historique", "&History"},
    {Texte::menuStatistiques, "S&tatistiques", "S&tatistics"},
    {Texte::menuJouerCode, "Jouer une donne par son code…", "Play a deal by its code…"},
    {Texte::frmHistorique, "Historique", "History"},
    {Texte::frmStatistiques, "Statistiques", "Statistics"},
    {Texte::colonneDate, "Date", "Date"},
    {Texte::colonnePreneur, "Preneur", "Taker"},
    {Texte::colonneContrat, "Contrat", "Contract"},
    {Texte::colonneResultat, "Résultat", "Result"},
    {Texte::colonnePourVous, "Pour vous", "For you"},
    {Texte::colonneCode, "Code de la donne", "Deal code"},
    {Texte::contratFait, "Fait", "Made"},
    {Texte::contratChute, "Chuté", "Failed"},
    {Texte::donneRejouee, " (rejouée)", " (replayed)"},
    {Texte::filtreContrat, "Contrat :", "Contract:"},
    {Texte::filtreTousContrats, "Tous", "All"},
    {Texte::filtreRole, "Votre rôle :", "Your role:"},
    {Texte::filtreTousRoles, "Tous", "All"},
    {Texte::rolePreneur, "Preneur", "Taker"},
    {Texte::roleDefense, "Défense", "Defence"},
    {Texte::boutonVoirPlis, "Voir les 18 plis", "See the 18 tricks"},
    {Texte::boutonVoirMains, "Voir les 4 mains", "See the 4 hands"},
    {Texte::boutonScoreDetaille, "Score détaillé", "Detailed score"},
    {Texte::boutonRejouerCetteDonne, "Rejouer cette donne", "Replay this deal"},
    {Texte::boutonCopierCode, "Copier le code", "Copy the code"},
    {Texte::boutonExporterCsv, "Exporter en CSV…", "Export as CSV…"},
    {Texte::boutonFermer, "Fermer", "Close"},
    {Texte::historiqueVide, "Aucune donne terminée pour l'instant : les donnes s'inscrivent ici à la fin de chacune.",
     "No finished deal yet: each deal is written here once it ends."},
    {Texte::donnesAffichees, "Donnes affichées : %1 sur %2", "Deals shown: %1 of %2"},
    {Texte::codeDonneTitre, "Jouer une donne par son code", "Play a deal by its code"},
    {Texte::codeDonneInvite, "Code de la donne (les tirets et la casse ne comptent pas) :",
     "Deal code (dashes and case do not matter):"},
    {Texte::codeLongueur, "Un code de donne compte 34 caractères, tirets non compris : celui-ci n'a pas la bonne longueur.",
     "A deal code has 34 characters, dashes aside: this one does not have the right length."},
    {Texte::codeCaractere, "Ce code contient un caractère qui ne sert pas dans les codes de donne (chiffres et lettres, sauf U, le dernier excepté).",
     "This code holds a character that deal codes do not use (digits and letters but U, the last one aside)."},
    {Texte::codeControle, "Ce code ne se vérifie pas : un caractère a sans doute été mal recopié.",
     "This code does not check: a character was probably copied wrong."},
    {Texte::codeHorsLimites, "Ce code ne correspond à aucune donne.", "This code stands for no deal."},
    {Texte::codeDonneResultat, "Code de la donne : ", "Deal code: "},
    {Texte::boutonCopier, "Copier", "Copy"},
    {Texte::codeCopie, "Le code de la donne est copié dans le presse-papiers.",
     "The deal code is copied to the clipboard."},
    {Texte::historiqueMisDeCote, "L'historique des donnes était illisible : il a été mis de côté sous le nom\n%1\net un nouvel historique a été commencé.",
     "The history of deals could not be read: it was set aside as\n%1\nand a new history was started."},
    {Texte::historiqueIndisponible, "L'historique des donnes ne peut pas être enregistré dans\n%1\nLe jeu continue sans lui.",
     "The history of deals cannot be saved in\n%1\nThe game goes on without it."},
    {Texte::historiqueTropRecent, "L'historique des donnes\n%1\na été écrit par une version plus récente de Belvane : il est laissé tel quel et n'est pas complété.",
     "The history of deals\n%1\nwas written by a later version of Belvane: it is left as it is and not added to."},
    {Texte::donneIllisible, "Cette donne de l'historique ne peut pas être relue.",
     "This deal of the history cannot be read back."},
    {Texte::statDonnesJouees, "Donnes jouées : %1 (dont %2 rejouées)", "Deals played: %1 (%2 of them replayed)"},
    {Texte::statCommePreneur, "Comme preneur", "As taker"},
    {Texte::statPrises, "Prises", "Taken"},
    {Texte::statReussies, "Réussies", "Made"},
    {Texte::statScoreMoyen, "Score moyen", "Average score"},
    {Texte::statTotal, "Total", "Total"},
    {Texte::statCommeDefenseur, "Comme défenseur", "As defender"},
    {Texte::statDefenses, "Donnes en défense : %1, contrats chutés : %2 (%3 %)",
     "Deals in defence: %1, contracts beaten: %2 (%3 %)"},
    {Texte::statParNiveau, "Par niveau des ordinateurs", "By level of the computers"},
    {Texte::statNiveau, "Niveau", "Level"},
    {Texte::statDonnes, "Donnes", "Deals"},
    {Texte::statChutes, "Chutés (défense)", "Beaten (defence)"},
    {Texte::statGainMoyen, "Gain moyen", "Average gain"},
    {Texte::statEvolution, "Scores globaux au fil des donnes", "Global scores over the deals"},
    {Texte::statAxeDonnes, "Donnes comptées", "Deals counted"},
    {Texte::statAxeScore, "Score global", "Global score"},
    {Texte::fichiersCsv, "Fichiers CSV (*.csv)", "CSV files (*.csv)"},
    {Texte::csvImpossible, "L'export n'a pas pu être écrit dans\n%1", "The export could not be written to\n%1"},
    {Texte::nomFichierCsv, "historique-belvane.csv", "belvane-history.csv"},
    {Texte::menuCodeDonne, "Le c&ode de la donne", "Deal c&ode"},
    // The window at every size: full screen.
    {Texte::menuPleinEcran, "P&lein écran", "&Full screen"},
    // The player's store.
    {Texte::magasinValeursRemises,
     "Des valeurs enregistrées étaient illisibles et ont repris leur valeur par défaut : ",
     "Some stored values could not be read and were set back to their defaults: "},
    {Texte::magasinEtAutres, " et d'autres encore, en tout : ", " and more, in all: "},
    {Texte::magasinFichierEndommage, "Le fichier des options et des scores était endommagé. ",
     "The file of the options and scores was damaged. "},
    {Texte::magasinCopie, "Le fichier endommagé a été gardé tel quel sous : ",
     "The damaged file has been kept as it was under: "},
    {Texte::magasinCopieImpossible,
     "Le fichier endommagé n'a pas pu être mis de côté ; il ne sera pas remplacé et rien ne sera enregistré "
     "pendant cette partie. Fichier : ",
     "The damaged file could not be set aside; it will not be replaced and nothing will be saved during this "
     "game. File: "},
    {Texte::magasinIllisible,
     "Le fichier des options et des scores ne peut pas être lu. La partie commence avec les réglages par défaut "
     "et ce fichier ne sera pas remplacé : rien ne sera enregistré pendant cette partie. Fichier : ",
     "The file of the options and scores cannot be read. The game starts with the default settings and will "
     "not replace that file: nothing will be saved during this game. File: "},
    {Texte::magasinSauvegardeImpossible,
     "Vos scores et vos options ne peuvent pas être enregistrés ; la partie continue, mais ce qui change ne "
     "sera pas gardé. Fichier : ",
     "Your scores and options cannot be saved; the game goes on, but what changes will not be kept. File: "},
    {Texte::magasinDejaUtilise,
     "BELVANE 2010 est déjà lancé avec les mêmes scores : une seule partie à la fois.\n"
     "BELVANE 2010 is already running with the same scores: one game at a time.",
     nullptr},
    // The open-cards analysis of a played deal.
    {Texte::frmAnalyse, "Analyse de la donne à cartes ouvertes", "Open-cards analysis of the deal"},
    {Texte::boutonAnalyse, "ANALYSE", "ANALYSIS"},
    {Texte::menuAnalyse, "A&nalyse de la donne...", "Deal a&nalysis..."},
    {Texte::menuTempsAnalyse, "&Temps d'analyse d'une donne", "Analysis &time per deal"},
    {Texte::menuAnalyseDixSecondes, "&10 secondes", "&10 seconds"},
    {Texte::menuAnalyseTrenteSecondes, "&30 secondes", "&30 seconds"},
    {Texte::menuAnalyseDeuxMinutes, "&2 minutes", "&2 minutes"},
    {Texte::menuBoutonAnalyse, "Bouton A&nalyse après la donne", "A&nalysis button after the deal"},
    {Texte::analyseMeilleur, "Cartes ouvertes, le Preneur pouvait garantir : ",
     "With all cards open, the Taker could guarantee: "},
    {Texte::analyseRealisable, "le contrat était réalisable", "the contract was makeable"},
    {Texte::analyseIrrealisable, "le contrat n'était pas réalisable", "the contract could not be made"},
    {Texte::analyseNonEtabli, "non établi", "not settled"},
    {Texte::analyseEntre, "entre %1 et %2 points", "between %1 and %2 points"},
    {Texte::analyseReel, "Résultat de la donne : ", "Result of the deal: "},
    {Texte::analyseReussi, "contrat réussi", "contract made"},
    {Texte::analyseChute, "contrat chuté", "contract lost"},
    {Texte::analyseAvertissement,
     "À cartes ouvertes, on connaît toutes les mains : une carte qui a « coûté » des points a pu être le bon choix "
     "avec ce que le joueur savait. Les coûts sont comptés en points du Preneur (sans la poignée).",
     "Open-cards play knows every hand: a card that \"cost\" points may still have been the right choice with what "
     "the player knew. Costs are counted in the Taker's score points (without any handful)."},
    {Texte::analyseColPli, "Pli", "Trick"},
    {Texte::analyseColJoueur, "Joueur", "Player"},
    {Texte::analyseColCarte, "Carte jouée", "Card played"},
    {Texte::analyseColCout, "Coût", "Cost"},
    {Texte::analyseColMeilleure, "Meilleure carte", "Best card"},
    {Texte::analyseVosCartes, "Vos cartes", "Your cards"},
    {Texte::analyseAutresCartes, "Les cartes des autres joueurs", "The other players' cards"},
    {Texte::analyseContratPerdu, "le contrat était perdu ici", "the contract was lost here"},
    {Texte::analyseContratRealisable, "le contrat est devenu réalisable ici", "the contract became makeable here"},
    {Texte::analyseAuMoins, "au moins %1", "at least %1"},
    {Texte::analyseCartesNonEtablies, "cartes %1 à %2", "cards %1 to %2"},
    {Texte::analyseResteAResoudre, "Reste à résoudre : pli %1, carte %2 (%3)", "Still to solve: trick %1, card %2 (%3)"},
    {Texte::analyseEnPreparation, "Analyse en préparation...", "Preparing the analysis..."},
    {Texte::analyseTerminee, "Analyse terminée.", "Analysis complete."},
    {Texte::analyseBudgetEpuise, "Temps écoulé : ce qui n'est pas établi est marqué « non établi ».",
     "Time is up: what could not be settled is marked \"not settled\"."},
    {Texte::analyseAucuneLigne, "Aucune carte n'a changé la valeur.", "No card changed the value."},
    {Texte::analysePli, "Pli %1", "Trick %1"},
    {Texte::analyseEntame, "Entame : %1", "Led by: %1"},
    {Texte::analyseGagnant, "Gagnant : %1", "Won by: %1"},
    {Texte::analyseMieux, "Mieux :", "Better:"},
    {Texte::analyseFermer, "Fermer", "Close"},
    {Texte::analyseImpossible, "Cette donne ne peut pas être analysée : ", "This deal cannot be analysed: "},
    {Texte::analyseVous, "vous", "you"},
    {Texte::analysePoints, "%1 points", "%1 points"},
    {Texte::analyseCliquezLigne, "Cliquez sur une ligne pour voir son pli.", "Click a line to see its trick."},
    {Texte::analyseAResoudre, "à résoudre...", "still to solve..."},
    // The table that explains itself.
    {Texte::menuMarquerTour, "Montrer à qui est le &tour", "Show whose &turn it is"},
    {Texte::menuCartesJouables, "Assombrir les cartes in&jouables", "&Dim the unplayable cards"},
    {Texte::menuConseilCarteOption, "Proposer un c&onseil de carte", "Offer a card &hint"},
    {Texte::menuJeuAuClavier, "Jeu au cla&vier", "&Keyboard play"},
    {Texte::menuAnimationCartes, "Cartes a&nimées", "Card &motion"},
    {Texte::menuConfirmerAbandon, "Confirmer l'abandon d'une &donne", "Confirm &abandoning a deal"},
    {Texte::menuReglesDuJeu, "L'aide montre les &règles du jeu", "Help shows the &rules of the game"},
    {Texte::menuConseilCarte, "Conseil", "Hint"},
    {Texte::bulleSBConseil, "Conseil : quelle carte jouer ? (H)", "Hint: which card to play? (H)"},
    {Texte::conseilSeuleCarte, "Conseil : c'est votre seule carte jouable.", "Hint: it is your only playable card."},
    {Texte::conseilRegle, "Conseil (règle %1) : %2", "Hint (rule %1): %2"},
    {Texte::conseilLibre, "Conseil : libre choix, aucune règle n'impose de carte parmi les %1 qui restent.",
     "Hint: free choice, no rule imposes a card among the %1 left."},
    {Texte::conseilPasVotreTour, "Le conseil vient quand c'est à vous de jouer.",
     "A hint comes when it is your turn to play."},
    {Texte::raisonFournir, "Vous devez fournir à la couleur demandée : %1.", "You must follow the suit led: %1."},
    {Texte::raisonAtoutDemande, "Atout demandé : vous devez jouer atout.", "Trumps were led: you must play a trump."},
    {Texte::raisonMonter, "Vous devez monter : jouez un atout plus fort que le %1.",
     "You must overtrump: play a trump higher than the %1."},
    {Texte::raisonCouper, "Vous n'avez plus de %1 : vous devez couper.", "You have no %1 left: you must trump."},
    {Texte::raisonSurcouper, "Vous n'avez plus de %1 : vous devez surcouper le %2.",
     "You have no %1 left: you must overtrump the %2."},
    {Texte::raisonAtoutPlusFaible, "Vous n'avez plus de %1 : jouez un atout, même plus faible que le %2.",
     "You have no %1 left: play a trump, even one lower than the %2."},
    {Texte::raisonEcartInterdit, "On n'écarte ni atout, ni l'Excuse, ni un Roi.",
     "You may not discard a trump, the Fool or a King."},
    {Texte::raisonEcartSix, "Six cartes sont déjà choisies : relevez-en une d'abord.",
     "Six cards are already chosen: put one back first."},
    {Texte::raisonPasVotreTour, "Ce n'est pas encore à vous de jouer.", "It is not your turn yet."},
    {Texte::raisonPoignee, "Répondez d'abord à l'offre de poignée.", "Answer the handful offer first."},
    {Texte::nomPique, "pique", "spades"},
    {Texte::nomCoeur, "cœur", "hearts"},
    {Texte::nomTrefle, "trèfle", "clubs"},
    {Texte::nomCarreau, "carreau", "diamonds"},
    {Texte::carteAs, "As", "Ace"},
    {Texte::carteValet, "Valet", "Jack"},
    {Texte::carteCavalier, "Cavalier", "Knight"},
    {Texte::carteDame, "Dame", "Queen"},
    {Texte::carteRoi, "Roi", "King"},
    {Texte::carteDe, "%1 de %2", "%1 of %2"},
    {Texte::carteAtout, "Atout %1", "Trump %1"},
    {Texte::cartePetit, "Atout 1, le Petit", "Trump 1, the Petit"},
    {Texte::carteExcuse, "Excuse", "Fool"},
    {Texte::gagnePli, "%1 remporte le pli", "%1 wins the trick"},
    {Texte::abandonTitre, "Abandonner la donne ?", "Abandon the deal?"},
    {Texte::abandonQuestion, "La donne en cours n'est pas finie. Voulez-vous vraiment l'abandonner ?",
     "The deal in progress is not over. Do you really want to abandon it?"},
    {Texte::aideTitre, "Les règles du Tarot selon Belvane", "The rules of French Tarot as Belvane plays them"},
    {Texte::aideRechercher, "Rechercher :", "Search:"},
    {Texte::aideSommaire, "Sommaire", "Contents"},
    {Texte::aideIntrouvable, "Introuvable : %1", "Not found: %1"},
    {Texte::conseilReste, "Conseil : les règles écartent toutes vos autres cartes.",
     "Hint: the rules set aside every other card you could play."},
    // The Expert level.
    {Texte::menuExpert, "&Expert", "&Expert"},
    // The deal coach: the verdict, the two judges, the continuations, the history's column.
    {Texte::coachRealisableDepart, "Cartes ouvertes, le contrat était réalisable dès la première carte.",
     "With every card open, the contract was makeable from the first card."},
    {Texte::coachIrrealisableDepart, "Cartes ouvertes, le contrat n'était pas réalisable dès la première carte.",
     "With every card open, the contract could not be made from the first card."},
    {Texte::coachRealisableDepuis, "Cartes ouvertes, le contrat était réalisable à partir du pli %1.",
     "With every card open, the contract was makeable from trick %1."},
    {Texte::coachIrrealisableDepuis, "Cartes ouvertes, le contrat n'était pas réalisable à partir du pli %1.",
     "With every card open, the contract could not be made from trick %1."},
    {Texte::coachPerduPar, "Il a été perdu au pli %1 par %2 (%3).", "It was lost at trick %1 by %2 (%3)."},
    {Texte::coachSauvePar, "Il a été sauvé au pli %1 par %2 (%3).", "It was saved at trick %1 by %2 (%3)."},
    {Texte::coachEnCours, "Cartes ouvertes : recherche du pli où le contrat s'est joué...",
     "With every card open: looking for the trick where the contract was decided..."},
    {Texte::coachAucunPli, "Cartes ouvertes : le temps n'a permis d'établir aucun pli.",
     "With every card open: no trick could be settled in the time."},
    {Texte::coachBilanCartes, "Vos cartes : %1 erreur(s), %2 malchance(s) ; %3 cartes jugées sur %4.",
     "Your cards: %1 error(s), %2 bad luck; %3 of %4 cards judged."},
    {Texte::coachColJugement, "Jugement", "Verdict"},
    {Texte::coachErreur, "erreur", "error"},
    {Texte::coachMalchance, "malchance", "bad luck"},
    {Texte::coachExpliqueErreur,
     "Erreur : cartes ouvertes, %1 faisait mieux que %2, et d'après ce que vous pouviez savoir aussi : sur %3 "
     "donnes possibles, %4 réussissait %5 fois, votre carte %6 fois seulement.",
     "Error: with every card open, %1 did better than %2, and it did on what you could know too: on %3 possible "
     "deals, %4 worked %5 times, your card only %6 times."},
    {Texte::coachExpliqueMalchance,
     "Malchance, pas une erreur : cartes ouvertes, %1 faisait mieux que %2, mais vous ne pouviez pas le savoir : "
     "sur %3 donnes possibles d'après ce que vous saviez, votre carte réussissait %4 fois, la meilleure %5 fois.",
     "Bad luck, not an error: with every card open, %1 did better than %2, but you could not know it: on %3 "
     "deals that agreed with what you knew, your card worked %4 times, the best one %5 times."},
    {Texte::coachExpliqueBonne, "Cartes ouvertes, aucune autre carte ne faisait mieux pour le contrat.",
     "With every card open, no other card did better for the contract."},
    {Texte::coachJoue, "Ce qui a été joué", "What was played"},
    {Texte::coachMeilleureLigne, "La meilleure ligne", "The best line"},
    {Texte::coachSuiteEnCalcul, "Calcul de la meilleure ligne...", "Working out the best line..."},
    {Texte::coachSuiteIncomplete, "Le temps n'a pas permis d'aller plus loin.", "The time did not allow more."},
    {Texte::coachColonneVerdict, "Cartes ouvertes", "Open cards"},
    {Texte::coachHistRealisable, "réalisable", "makeable"},
    {Texte::coachHistIrrealisable, "irréalisable", "not makeable"},
    {Texte::coachHistNonEtabli, "non établi", "not settled"},
    {Texte::coachHistDepuisPli, "établi à partir du pli %1", "settled from trick %1"},
    {Texte::coachHistPerdu, ", perdu au pli %1", ", lost at trick %1"},
    {Texte::coachHistSauve, ", sauvé au pli %1", ", saved at trick %1"},
    {Texte::coachHistErreurs, ", erreurs : %1", ", errors: %1"},
    {Texte::coachBoutonAnalyser, "Analyser...", "Analyse..."},
    {Texte::coachNonJuge, "Le temps n'a pas permis de juger cette carte.", "The time did not allow judging this card."},
    // The history held by another program: the deals wait beside it.
    {Texte::historiqueOccupe,
     "L'historique des donnes\n%1\nest utilisé par un autre programme : les donnes qui n'ont pas pu y être écrites sont gardées à côté et y seront écrites dès qu'il sera libre.",
     "The history of deals\n%1\nis in use by another program: the deals that could not be written to it are kept beside it and will be written as soon as it is free."},
    // Accessibility: the four-colour pack, and what the screen reader is told.
    {Texte::menuQuatreCouleurs, "&Jeu de cartes en quatre couleurs", "&Four-colour pack"},
    {Texte::annonceCarteJouee, "%1 joue %2", "%1 plays %2"},
    {Texte::annonceTour, "À %1 de jouer", "%1 to play"},
    {Texte::annonceVotreTour, "À vous de jouer", "Your turn to play"},
    // The official rules: the rules menu, the handfuls shown by every seat, the chelem.
    {Texte::menuRegles, "&Règles", "&Rules"},
    {Texte::menuReglesBelvane, "Règles &Belvane", "&Belvane rules"},
    {Texte::menuReglesOfficielles, "Règles &officielles", "&Official rules"},
    {Texte::menuOptionChelem, "&Chelem : annonce, prime, Excuse en dernier", "&Chelem: announced, premium, Excuse last"},
    {Texte::menuOptionPoigneesOrdinateurs, "&Poignées déclarées par les ordinateurs",
     "Handfuls declared by the &computers"},
    {Texte::poigneeSimpleMontree, "%1 montre une poignée simple", "%1 shows a single handful"},
    {Texte::poigneeDoubleMontree, "%1 montre une poignée double", "%1 shows a double handful"},
    {Texte::poigneeTripleMontree, "%1 montre une poignée triple", "%1 shows a triple handful"},
    {Texte::chelemAnnonce, "%1 annonce le chelem et entame !", "%1 announces a chelem and leads!"},
    {Texte::offreChelem, "Annoncez-vous le chelem ? Vous entamerez le premier pli.",
     "Do you announce a chelem? You will lead the first trick."},
    {Texte::boutonAnnoncerChelem, "ANNONCER LE CHELEM", "ANNOUNCE A CHELEM"},
    {Texte::boutonSansChelem, "PAS DE CHELEM", "NO CHELEM"},
    {Texte::panelDefPrimeChelem, "Prime de chelem (hors multiplicateur)", "Chelem premium (not multiplied)"},
    {Texte::raisonExcuseChelem, "Vous avez annoncé le chelem : l'Excuse se joue au dernier pli.",
     "You announced a chelem: the Fool is played in the last trick."},
    {Texte::colonneChelem, "Chelem", "Chelem"},
    {Texte::colonnePoignees, "Poignées", "Handfuls"},
    {Texte::statChelems, "Chelems : %1 réussis, %2 annoncés", "Chelems: %1 made, %2 announced"},
    // The deal in progress kept through a close, taking back a card, practising a deal.
    {Texte::repriseQuestion,
     "Une donne était en cours quand le jeu s'est fermé. Voulez-vous la reprendre là où elle en était ?",
     "A deal was in progress when the game closed. Do you want to resume it where it was?"},
    {Texte::repriseMiseDeCote,
     "Le fichier de la donne en cours était illisible : il a été mis de côté, la donne est perdue.\n",
     "The file of the deal in progress could not be read: it has been put aside and the deal is lost.\n"},
    {Texte::repriseImpossible, "La donne en cours ne peut pas être enregistrée : ",
     "The deal in progress cannot be saved: "},
    {Texte::menuReprendreCarte, "&Reprendre ma dernière carte", "&Take back my last card"},
    {Texte::entrainementDepuis, "S'entraîner d'ici", "Practise from here"},
    {Texte::entrainementPli, "Pli", "Trick"},
    {Texte::entrainementImpossible, "Cette donne ne peut pas être rejouée jusqu'à ce pli.",
     "This deal cannot be played again up to that trick."},
    {Texte::donneEntrainement, " (entraînement)", " (practice)"},
    {Texte::statEntrainements, "Donnes d'entraînement, hors statistiques : %1", "Practice deals, not counted: %1"},
    // The Expert's card hint.
    {Texte::menuConseilExpert, "Conseil de l'E&xpert (donnes imaginées)", "E&xpert's hint (imagined deals)"},
    {Texte::conseilExpertReflechit, "Conseil : l'Expert imagine des donnes...", "Hint: the Expert is imagining deals..."},
    {Texte::conseilExpertGarde, "Conseil de l'Expert : dans %1 des %2 donnes imaginées, cette carte garde le contrat.",
     "Expert's hint: in %1 of the %2 deals it imagined, this card keeps the contract."},
    {Texte::conseilExpertBat,
     "Conseil de l'Expert : dans %1 des %2 donnes imaginées, cette carte fait chuter le contrat.",
     "Expert's hint: in %1 of the %2 deals it imagined, this card beats the contract."},
    {Texte::conseilExpertPerteGarde,
     "Conseil de l'Expert : aucune carte ne garde le contrat dans les %1 donnes imaginées ; celle-ci perd le "
     "moins, %2 points en moyenne.",
     "Expert's hint: no card keeps the contract in the %1 deals it imagined; this one loses least, %2 points on "
     "average."},
    {Texte::conseilExpertPerteBat,
     "Conseil de l'Expert : aucune carte ne fait chuter le contrat dans les %1 donnes imaginées ; celle-ci perd le "
     "moins, %2 points en moyenne.",
     "Expert's hint: no card beats the contract in the %1 deals it imagined; this one loses least, %2 points on "
     "average."},
};

struct Index {
    std::vector<std::array<std::string, 2>> textes;
    Index() {
        for (const Entree& e : catalogue) {
            const auto i = static_cast<std::size_t>(e.id);
            if (textes.size() <= i) textes.resize(i + 1);
            if (!textes[i][0].empty()) {
                std::fprintf(stderr, "texte %zu écrit deux fois dans le catalogue\n", i);
                std::abort();
            }
            textes[i] = {e.fr, e.en ? e.en : e.fr};
        }
    }
};

const Index& index() {
    static const Index i;
    return i;
}

}  // namespace

const std::string& texte(Texte t, int langue) {
    const auto& textes = index().textes;
    const auto i = static_cast<std::size_t>(t);
    if (i >= textes.size() || textes[i][0].empty()) {
        std::fprintf(stderr, "texte %zu absent du catalogue\n", i);
        std::abort();
    }
    return textes[i][langue == ANGLAIS ? 1 : 0];
}

const std::string& nomJoueur(int siege, int langue) {
    static constexpr Texte noms[] = {Texte::joueurSud, Texte::joueurEst, Texte::joueurNord, Texte::joueurOuest};
    return texte(noms[(siege - 1) & 3], langue);
}

const std::string& nomEnchere(int enchere, int langue) {
    static constexpr Texte noms[] = {Texte::encherePasse, Texte::encherePrise, Texte::enchereGarde,
                                     Texte::enchereGardeSans, Texte::enchereGardeContre};
    return texte(noms[enchere < 0 || enchere > 4 ? 0 : enchere], langue);
}

const std::string& nomNiveau(int niveau, int langue) {
    static constexpr Texte noms[] = {Texte::niveauDebutant, Texte::niveauAmateur, Texte::niveauBon, Texte::niveauPro};
    return texte(noms[(niveau - 1) & 3], langue);
}

const std::string& texteConseil(int langue) { return texte(Texte::texteConseil, langue); }

std::string remplacer(std::string modele, const std::string& champ, const std::string& valeur) {
    const std::size_t i = modele.find(champ);
    if (i != std::string::npos) modele.replace(i, champ.size(), valeur);
    return modele;
}

std::string texteAide(int langue) { return texte(Texte::aideEnLigne, langue) + adresseSiteWeb; }

std::string texteApropos(int langue) {
    return std::string("BELVANE ") + anneeVersion + "\n\n" + texte(Texte::noticeFabricant, langue);
}

Identite composerIdentite(const std::string& annee) {
    Identite i;
    i.anneeVersion = annee;
    i.titreProgramme = annee.empty() ? "BELVANE" : "BELVANE " + annee;
    i.cleRegistre = "Software\\Oskaveri\\" + i.titreProgramme + "\\";
    return i;
}

