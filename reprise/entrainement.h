#pragma once
// "Practise from here": a finished deal dealt again, its auction, dog and
// discard as they went, and its cards played again up to one of its tricks;
// the player plays on from there. The deal is practice: no global score, no
// rule weight, and the history keeps it apart.
struct DonneArchivee;
struct Jeu;

// The deal of `a` brought to the first card of trick `pli` (1..18), shown
// on the table, its pending step armed. False, and the game as it was, when
// the record does not play back (a damaged row, rules that have changed).
bool entrainerDepuis(Jeu& jeu, const DonneArchivee& a, int pli);
