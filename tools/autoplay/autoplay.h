#pragma once
// belvane-autoplay: plays deals with no window and prints what happened.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

struct ParametresAutoplay {
    long long deals = 1;
    std::optional<std::uint64_t> seed;
    int force = 2;  // optionForceMain
    bool auMoinsUnPreneur = false;
    bool jsonl = false;
    bool verifier = false;  // --check
    bool aide = false;
};

// Fills `p` from the command line; on a bad argument answers false with a one-line message.
bool analyserArguments(int argc, const char* const* argv, ParametresAutoplay& p, std::string& erreur);
std::string usageAutoplay();
// Runs the deals; answers the process exit status.
int executerAutoplay(const ParametresAutoplay& p, std::ostream& sortie, std::ostream& erreurs);
