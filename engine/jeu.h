#pragma once
// The one game object: every table of the game, passed by reference to the
// routines that play it. A test builds a fresh game with `Jeu jeu;`.
#include "engine/donne.h"
#include "engine/hasard.h"
#include "engine/options.h"
#include "engine/regles.h"
#include "engine/vue.h"

struct Scores {
    Table<int, 1, 4> scoreTotal;
    bool scoresGlobauxVisibles = false;
};

struct Jeu {
    Paquet paquet;
    Donne donne;
    Options options;
    EtatRegles regles;
    Scores scores;
    Hasard hasard;
    Vue* vue = &vueNulle();  // what the table shows
    Minuteurs* minuteurs = &minuteursNuls();

    Jeu() { construirePaquet(paquet); }
};
