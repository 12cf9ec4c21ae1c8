#pragma once
// The whole state of a deal in progress as bytes: the deal tables, the
// knowledge, the rule log and the choice in progress, the generator, the
// handful window's selection and the timers that were armed. Read back into
// a game it plays on exactly as it would have: same draws, same choices.
// The rule weights, the scores and the options are not in it: they live in
// the player's store, which every change already saves.
#include <QByteArray>
#include <cstdint>

struct Jeu;

// The flow's pending step: which of the three timers were armed.
struct MinuteursArmes {
    bool enchere = false;
    bool carte = false;
    bool transition = false;
    bool operator==(const MinuteursArmes&) const = default;
};

// Bumped whenever a field is added, removed or changes type: an older file
// is then refused rather than read wrongly.
constexpr std::uint32_t versionInstantane = 2;

QByteArray ecrireInstantane(const Jeu& jeu, const MinuteursArmes& minuteurs);

enum class LectureInstantane {
    lue,
    abimee,      // too short, a check that fails, fields that do not parse
    etrangere,   // not this game's file, or another version of it
    incoherente  // reads, but the cards or the numbers cannot be a deal
};

// Puts the state into `jeu` (and the armed timers into `minuteurs`) only when
// the bytes read as a whole, consistent deal; otherwise nothing changes.
LectureInstantane lireInstantane(const QByteArray& octets, Jeu& jeu, MinuteursArmes& minuteurs);
