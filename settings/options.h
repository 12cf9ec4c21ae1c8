#pragma once
// The player's options, the rule weights and the global scores: reading them
// from the store, writing them back, the defaults, and their effect on the window.
struct Jeu;

// Reads every stored value (but "version") in the store's order, fills in the
// defaults on a first run, then applies the options. A value that cannot be
// read takes its default and the reading goes on; the damaged file is then
// copied aside, and the player will be told (signalerMagasin).
void chargerOptions(Jeu& jeu);
// Writes every value, "version" first, and commits them at once. False when
// there is no store or it could not be written; the player will be told, once.
// A store that could not be read is never written over.
bool sauverOptions(Jeu& jeu);
// Tells the player, in his language, what became of his store: values set back
// to their defaults and where the damaged file was kept, a store that cannot be
// read, a save that failed. Called once the language is chosen; from then on
// the troubles are told as they happen.
void signalerMagasin(Jeu& jeu);
// Every option, weight and score to its default, then saved. "verif" is left alone.
void optionsParDefaut(Jeu& jeu);
// Brings the window in line with the options: colours, check marks, panels,
// and the intervals of the card and transition timers.
void appliquerOptions(Jeu& jeu);
// The level menu items (1 Débutant .. 4 Pro, 5 Expert); refused while a trick is played.
constexpr int NIVEAU_MENU_EXPERT = 5;
void changerNiveau(Jeu& jeu, int n);
// The rules menu: the game's own rules (both differences off) or the official
// ones (the chelem and the computers' handfuls on). Each difference has its
// own check item as well. Taken by the next deal.
void choisirRegles(Jeu& jeu, bool officielles);
// The deductions menu item and tool button.
void basculerDeductions(Jeu& jeu);
// The four-colour pack, on or off: every card shown is drawn again at once.
void basculerQuatreCouleurs(Jeu& jeu);
