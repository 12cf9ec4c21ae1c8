#pragma once
// The one game object: every table of the game, passed by reference to the
// routines that play it. A test builds a fresh game with `Jeu jeu;`.
#include <functional>

#include "engine/connaissances.h"
#include "engine/disposition.h"
#include "engine/donne.h"
#include "engine/hasard.h"
#include "engine/options.h"
#include "engine/regles.h"
#include "engine/textes.h"
#include "engine/vue.h"

class Magasin;

struct Scores {
    Table<int, 1, 4> scoreTotal;
    bool scoresGlobauxVisibles = false;
    // The text of the last result panel.
    std::string texteResultat;
};

struct Jeu {
    Paquet paquet;
    Donne donne;
    Connaissances connaissances;
    Options options;
    EtatRegles regles;
    Scores scores;
    Hasard hasard;
    Disposition disposition;  // the table's geometry on this screen
    SelectionPoignee poignee;  // the handful window's selection
    Identite identite;         // title and registry key, composed by the splash
    Vue* vue = &vueNulle();  // what the table shows
    Minuteurs* minuteurs = &minuteursNuls();
    // The per-user store of the options, weights and scores; none, nothing is saved.
    Magasin* magasin = nullptr;
    // The end of a deal (scoring), supplied by the layer that owns it; the trick
    // engine calls it once, after the 18th trick.
    void (*finDeDonne)(Jeu&) = nullptr;
    // The continue step of the flow: a click on a hand card while the game
    // waits for a click does what a click on the table does.
    void (*continuer)(Jeu&) = nullptr;
    // How a computer seat narrows its playable cards before the play step draws
    // among them; none: the rule list at the game's level (choisirCarte).
    // The headless tools seat players of different levels through it.
    std::function<void(Jeu&, int siege)> choixOrdinateur;
    // Whether a computer taker announces the chelem (official rules); none:
    // the simple rule chelemAssure. The Expert seats decide by sampling.
    std::function<bool(const Jeu&, int siege)> annonceChelem;
    // The bid of a seat at its turn (the advice for the human's seat); none:
    // its hand's rating, niveauMain. The headless tools seat the Expert's
    // bidding through it.
    std::function<int(const Jeu&, int siege)> enchereOrdinateur;
    // The handful a computer seat declares at its first card under the
    // official rules: 0 none, else a size up to the largest its hand allows
    // (poigneePossible); none: that largest. The Expert seats decide by
    // imagined deals.
    std::function<int(const Jeu&, int siege)> poigneeOrdinateur;
    // Told of every finished deal once it is scored and saved (the history
    // keeps it); nothing by default.
    std::function<void(const Jeu&)> donneTerminee;

    Jeu() { construirePaquet(paquet); }
};
