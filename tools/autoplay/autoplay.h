#pragma once
// belvane-autoplay: plays deals with no window and prints what happened.
#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

// The options a flag sets are those given on the command line; the others come
// from the store, or from the game's defaults when there is none.
struct ParametresAutoplay {
    long long deals = 1;
    std::optional<std::uint64_t> seed;
    std::optional<int> force;  // optionForceMain 1..6
    std::optional<bool> auMoinsUnPreneur;
    std::optional<int> niveau;  // every seat: 0 random, 1 Débutant .. 4 Pro
    std::optional<bool> adaptatif;
    // One level and one adaptive mode per seat, seats 1 to 4 (--levels, --adaptive-seats).
    std::optional<std::array<int, 4>> niveaux;
    std::optional<std::array<bool, 4>> adaptatifs;
    std::optional<std::string> store;  // a store file, read at start and saved after every deal
    std::optional<std::string> history;  // an SQLite history that every finished deal is added to
    std::optional<bool> reglesOfficielles;  // --rules official|belvane
    bool jsonl = false;
    bool verifier = false;  // --check
    bool aide = false;
};

// Reads a whole number of min..max; false on anything else.
bool lireEntier(const char* texte, long long min, long long max, long long& valeur);
// Reads four comma-separated values for seats 1 to 4.
bool lireQuatreNiveaux(const char* texte, int max, std::array<int, 4>& niveaux);
bool lireQuatreModes(const char* texte, std::array<bool, 4>& modes);

// Fills `p` from the command line; on a bad argument answers false with a one-line message.
bool analyserArguments(int argc, const char* const* argv, ParametresAutoplay& p, std::string& erreur);
std::string usageAutoplay();
// Runs the deals; answers the process exit status.
int executerAutoplay(const ParametresAutoplay& p, std::ostream& sortie, std::ostream& erreurs);
