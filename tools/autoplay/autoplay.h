#pragma once
// belvane-autoplay: plays deals with no window and prints what happened.
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
    std::optional<int> niveau;  // 1 Débutant .. 4 Pro
    std::optional<bool> adaptatif;
    std::optional<std::string> store;  // a store file, read at start and saved after every deal
    std::optional<std::string> history;  // an SQLite history that every finished deal is added to
    bool jsonl = false;
    bool verifier = false;  // --check
    bool aide = false;
};

// Fills `p` from the command line; on a bad argument answers false with a one-line message.
bool analyserArguments(int argc, const char* const* argv, ParametresAutoplay& p, std::string& erreur);
std::string usageAutoplay();
// Runs the deals; answers the process exit status.
int executerAutoplay(const ParametresAutoplay& p, std::ostream& sortie, std::ostream& erreurs);
