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
    // Seats and bids.
    joueurSud, joueurEst, joueurNord, joueurOuest,
    encherePasse, encherePrise, enchereGarde, enchereGardeSans, enchereGardeContre,
};

// The text in the language `langue` (FRANCAIS or ANGLAIS), UTF-8.
const std::string& texte(Texte t, int langue);
const std::string& nomJoueur(int siege, int langue);
const std::string& nomEnchere(int enchere, int langue);
