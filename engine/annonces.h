#pragma once
// The official rules beside the game's own: the handfuls every seat declares
// and shows to all, and the chelem announced before the first card.
struct Jeu;
struct Donne;

// The largest handful a hand of that many trumps (the Excuse counted) can
// show: 1 simple from 10, 2 double from 13, 3 triple from 15; 0 below 10.
int poigneePossible(int nbAtouts);

// The trumps a computer seat shows for a handful of size t: its lowest
// trumps 1..21, and the Excuse only when no other trump is left to reach the
// size. Written into d.cartesPoignee[siege]; answers how many.
int choisirCartesPoignee(Donne& d, int siege, int t);

// The trumps (the Excuse counted) the seat still holds.
int atoutsEnMain(const Donne& d, int siege);

// The handful the seat declares: the game's poigneeOrdinateur when set (kept
// within 0..the largest its hand allows), else the largest.
int poigneeChoisie(const Jeu& jeu, int siege);

// A computer seat's handful at its first card: it declares the size
// poigneeChoisie gives, shows the trumps to the table, and every other seat notes
// them. Nothing without the handfuls in force or without 10 trumps.
void declarerPoigneeOrdinateur(Jeu& jeu, int siege);

// The handfuls the computer seats have shown and that are still on show
// (they stay until the first trick is gathered), shown to the table again in
// the order they were declared: the table of a deal put back (a resumed
// deal, a card taken back) has lost them.
void remontrerPoigneesOrdinateurs(Jeu& jeu);

// The trumps d.cartesPoignee[siege] shown to all: every other seat places
// them in that seat's hand and excludes them from the two others.
void noterPoigneeMontree(Jeu& jeu, int siege);

// The computers' simple chelem rule, for the levels that do not sample: the
// seat announces when its hand wins every trick whatever the others hold,
// leading from the first trick: its unbroken run of trumps from the 21 is at
// least as long as the trumps 1..21 it does not hold (each lead draws at
// least one of them), and each of its suit cards belongs to an unbroken run
// from the Roi of its suit. The Excuse is kept for the last trick.
bool chelemAssure(const Donne& d, int siege);

// The seat announces the chelem: it leads the first trick.
void annoncerChelem(Jeu& jeu, int siege);
