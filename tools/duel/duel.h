#pragma once
// belvane-duel: measures one level of the computer players against another by
// duplicate play. Each deal somebody bids on is prepared once (deal, auction,
// dog and discard, which no level changes) and its play is played out twice
// from the same state, the same generator included: once with the taker at
// level A and the three defenders at level B, once the other way round.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "engine/table.h"
#include "expert/expert.h"

struct ParametresDuel {
    int a = 4;  // 0 random, 1 Débutant .. 4 Pro, 5 Expert
    int b = 1;
    long long deals = 1;
    std::optional<std::uint64_t> seed;
    bool adaptatifA = false;
    bool adaptatifB = false;
    long long warmup = 0;  // ordinary deals that tune the adaptive weights first
    // Measured deals passed over first (dealt and bid, not played), so that a
    // long run can be shared out: two runs of N, the second skipping N, are
    // the run of 2N.
    long long sauter = 0;
    bool jsonl = false;
    bool aide = false;
    // One seat at A and three at B, each seat in turn, against all four at B,
    // every play from the auction on (so that the bids of A count).
    bool parSiege = false;
    // The measured deals are played under the official handfuls: every
    // computer seat with ten trumps may show them at its first card.
    bool poigneesOfficielles = false;
    // How the Expert seats think (level 5 only); the defaults are the game's.
    ReglagesExpert expert;
};

// Mean of a sample and the half-width of its 95 % interval.
class Moyenne {
public:
    void ajouter(double x);
    long long n() const { return n_; }
    double moyenne() const { return n_ ? moyenne_ : 0.0; }
    // 1.96 standard errors; 0 below two values.
    double demiLargeur() const;

private:
    long long n_ = 0;
    double moyenne_ = 0.0;
    double m2_ = 0.0;  // sum of squared deviations (Welford)
};

// Takers of each contract 1 Prise .. 4 Garde Contre, and how many made it.
struct Contrats {
    Table<long long, 1, 4> joues;
    Table<long long, 1, 4> faits;
};

struct ResultatDuel {
    Moyenne ecart;    // per deal: A's global-score change over its two plays
    Moyenne preneur;  // A taking: the taker's change
    Moyenne defense;  // A defending: the three defenders' change
    Contrats contratsA;  // A taking
    Contrats contratsB;  // B taking
    double secondes = 0.0;
    // Level 5: the time of each card it chose by sampling, and the samples solved.
    std::vector<double> secondesExpert;
    long long echantillonsExpert = 0;
    // The same for the cards it chose by play-outs.
    std::vector<double> secondesParties;
    long long partiesExpert = 0;
    // Level 5 under the official handfuls: the handfuls it could show, as taker
    // (0) and in defence (1), and how many it kept hidden.
    long long poigneesPossibles[2] = {0, 0};
    long long poigneesRefusees[2] = {0, 0};
    std::string erreur;  // a deal that stalled: the duel stops there
};

bool analyserArgumentsDuel(int argc, const char* const* argv, ParametresDuel& p, std::string& erreur);
std::string usageDuel();
// Plays the duel; with `jsonl`, one line per deal goes to it as the deal ends.
ResultatDuel jouerDuel(const ParametresDuel& p, std::ostream* jsonl);
// The report: its first line is A's mean gain a deal with its interval.
std::string rapportDuel(const ParametresDuel& p, const ResultatDuel& r);
// Runs the tool; answers the process exit status.
int executerDuel(const ParametresDuel& p, std::ostream& sortie, std::ostream& erreurs);
