// The bilingual texts: the four string tables, the messages that
// the Parts quote, the help and about messages, and the program's identity.
#include <gtest/gtest.h>

#include <string>

#include "engine/options.h"
#include "engine/textes.h"

namespace {

TEST(Textes, TheFourTablesInBothLanguages) {
    const char* joueurs[2][4] = {{"SUD", "EST", "NORD", "OUEST"}, {"SOUTH", "EAST", "NORTH", "WEST"}};
    const char* encheres[2][5] = {{"PASSE", "PRISE", "GARDE", "GARDE SANS", "GARDE CONTRE"},
                                  {"PASS", "TAKE", "GUARD", "GUARD WITHOUT", "GUARD AGAINST"}};
    const char* niveaux[2][4] = {{"Débutant", "Amateur", "Bon", "Pro"}, {"Beginner", "Medium", "Advanced", "Pro"}};
    for (int langue : {FRANCAIS, ANGLAIS}) {
        const int l = langue - 1;
        for (int s = 1; s <= 4; ++s) EXPECT_EQ(nomJoueur(s, langue), joueurs[l][s - 1]) << langue << " " << s;
        for (int e = 0; e <= 4; ++e) EXPECT_EQ(nomEnchere(e, langue), encheres[l][e]) << langue << " " << e;
        for (int n = 1; n <= 4; ++n) EXPECT_EQ(nomNiveau(n, langue), niveaux[l][n - 1]) << langue << " " << n;
    }
    EXPECT_EQ(texteConseil(FRANCAIS), "Conseil");
    EXPECT_EQ(texteConseil(ANGLAIS), "Advice");
}

// Every message that a Part quotes, in French and in English, exactly as written.
TEST(Textes, TheMessagesOfEveryPartAsWritten) {
    struct Cas {
        Texte t;
        const char* fr;
        const char* en;
    };
    const Cas cas[] = {
        // Play and flow.
        {Texte::aVousDeJouer, "A vous de jouer !", "Play !"},
        {Texte::messageContinuer, "Cliquez n'importe où pour continuer à jouer... !",
         "Click anywhere to go on playing..."},
        // Auction.
        {Texte::cliquezSurEnchere, "Cliquez sur l'enchère que vous désirez annoncer !",
         "Click on the bid you want to do."},
        {Texte::meilleureEnchereOuPasser, "Vous devez faire une meilleure enchère ou passer !",
         "Make a better bid or pass !"},
        // Dog and discard.
        {Texte::voiciLeChien, "Et voici le Chien ! A présent, cliquez pour continuer à jouer...",
         "Here is the Dog ! And now, please click anywhere to go on playing..."},
        {Texte::cliquezSurSixCartes, "Cliquez sur 6 cartes pour constituer l'écart",
         "Click on 6 cards to make the discard"},
        {Texte::accepterEcart, "Accepter cet écart", "Confirm discard"},
        // Result of a deal.
        {Texte::pointsNonComptabilises,
         "Les points n'ont pas été comptabilisés dans les scores globaux car cette donne a été rejouée ou "
         "redémarrée !",
         "Because you replayed or restarted this deal, global scores didn't change !"},
        {Texte::resultatDuPreneur, "Résultat du Preneur : ", "Result for the Taker : "},
        {Texte::pointsFinResultat, " points.", " points."},
        {Texte::preneurGagne, "Bravo, vous avez gagné contre la Défense !",
         "Bravo, you won against this so weak Defense !"},
        {Texte::preneurChute, "AIIIIE, la Défense vous a fait chuter !", "OWWWW, you lose against the Defense"},
        {Texte::defenseGagne, "Bravo, votre Défense a fait chuter le Preneur !", "Bravo to you and the Defense !"},
        {Texte::defenseChute, "Aie, vous n'avez pas pu faire chuter le Preneur...",
         "OWW, you Defense was not very good..."},
        // Global scores.
        {Texte::remettreScoresAZero, "Voulez-vous réellement remettre les scores à 0 ?",
         "Do you really want to initialize scores ?"},
        // Options.
        {Texte::niveauEnPleinePartie, "Vous ne pouvez pas changer de niveau en pleine partie !",
         "You can only change level at the beginning of a new deal !"},
        // Handful.
        {Texte::frmPoignee, "Sélectionnez les cartes à mettre dans la Poignée !",
         "Choose cards to create your Poignée !"},
        {Texte::excuseInterditePoignee, "Vous ne pouvez pas sélectionner l'Excuse !", "You can't choose the Fool !"},
        {Texte::PanelBoutonParesseux, "Bouton paresseux...", "Lazy button..."},
        {Texte::PanelAnnulerPoignee, "Annuler la Poignée !", "Cancel the Poignée !"},
        {Texte::PanelOkPoignee, "OK", "OK"},
        // Captions of the secondary windows, with their typos.
        {Texte::panelDefNbBouts, "Nombre de BOUTS", "Oudlers nubmer"},
        {Texte::panelDefPrimePetit, "Prime du Petit au bout", "Bonus : Petit in the last trick"},
        {Texte::boutonImprimer, "IMPRIMER", "PRINT"},
        {Texte::frmTousPlis, "Voici les 18 plis de la partie !", "Here are the 18 tricks of the deal !"},
        // Menus and buttons of the main window, with their typos.
        {Texte::menuForce, "&Force de votre main", "&Strenght of Your Hand"},
        {Texte::menuAttenteEntreChaquePli, "&Attente entre chaque pli", "&Laps time between each trick:"},
        {Texte::menuPro, "&Pro", "&Pro"},
        {Texte::menuOptions, "&Options", "&Options"},
        {Texte::menuBelvane, "&Belvane", "&Belvane"},
        // Splash: the same in both languages.
        {Texte::PanelStartFrench, "Version française", "Version française"},
        {Texte::PanelStartEnglish, "English version", "English version"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(texte(c.t, FRANCAIS), c.fr);
        EXPECT_EQ(texte(c.t, ANGLAIS), c.en);
    }
}

TEST(Textes, HelpAndAboutMessages) {
    EXPECT_EQ(texteAide(FRANCAIS), std::string("Consulter l'aide en ligne sur ") + adresseSiteWeb);
    EXPECT_EQ(texteAide(ANGLAIS), std::string("Please see online help at ") + adresseSiteWeb);
    for (int langue : {FRANCAIS, ANGLAIS}) {
        const std::string a = texteApropos(langue);
        EXPECT_EQ(a.rfind("BELVANE 2010", 0), 0u) << a;
        EXPECT_NE(a.find(texte(Texte::noticeFabricant, langue)), std::string::npos) << a;
    }
}

TEST(Textes, TheTitleAndTheRegistryKey) {
    const Identite i = composerIdentite(anneeVersion);
    EXPECT_EQ(i.anneeVersion, "2010");
    EXPECT_EQ(i.titreProgramme, "BELVANE 2010");
    EXPECT_EQ(i.titreProgramme, titreProgramme);
    EXPECT_EQ(i.cleRegistre, "Software\\Oskaveri\\BELVANE 2010\\");
    const Identite sansAnnee = composerIdentite("");
    EXPECT_EQ(sansAnnee.titreProgramme, "BELVANE");
    EXPECT_EQ(sansAnnee.cleRegistre, "Software\\Oskaveri\\BELVANE\\");
}

}  // namespace
