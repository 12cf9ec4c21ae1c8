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
    const char* en;
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
    {Texte::joueurSud, "SUD", "SOUTH"},
    {Texte::joueurEst, "EST", "EAST"},
    {Texte::joueurNord, "NORD", "NORTH"},
    {Texte::joueurOuest, "OUEST", "WEST"},
    {Texte::encherePasse, "PASSE", "PASS"},
    {Texte::encherePrise, "PRISE", "TAKE"},
    {Texte::enchereGarde, "GARDE", "GUARD"},
    {Texte::enchereGardeSans, "GARDE SANS", "GUARD WITHOUT"},
    {Texte::enchereGardeContre, "GARDE CONTRE", "GUARD AGAINST"},
};

struct Index {
    std::vector<std::array<std::string, 2>> textes;
    Index() {
        for (const Entree& e : catalogue) {
            const auto i = static_cast<std::size_t>(e.id);
            if (textes.size() <= i) textes.resize(i + 1);
            textes[i] = {e.fr, e.en};
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
