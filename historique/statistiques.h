#pragma once
// What the history says about the human's play: his results as taker by
// contract, as defender, by level, and the global scores deal after deal.
#include <string>
#include <vector>

#include "engine/table.h"
#include "historique/verdict_archive.h"

// The few columns of a stored deal that the list and the statistics need.
struct ResumeDonne {
    long long id = 0;
    std::string date;
    bool rejouee = false;
    std::string code;
    int preneur = 0;
    int contrat = 0;
    int score = 0;  // the taker's
    int gainHumain = 0;
    Table<int, 1, 4> totaux;
    int niveau = 0;
    int adaptatif = 0;
    // The coach's verdict, when the deal was analysed.
    VerdictArchive verdict;
    // Columns of the official rules, 0 in older files: the contract made by
    // its points (a chelem premium may outweigh it), the side that made a
    // chelem (1 taker, 2 defence), its announcer.
    bool contratRempli = false;
    int chelemRealise = 0;
    int chelemAnnonce = 0;
    bool entrainement = false;  // a practice deal
    bool operator==(const ResumeDonne&) const = default;
};

struct LignePreneur {
    int prises = 0;     // deals taken at that contract
    int reussies = 0;   // contracts made
    long long sommeScores = 0;
    double moyenne() const { return prises ? static_cast<double>(sommeScores) / prises : 0.0; }
};

struct LigneNiveau {
    int donnes = 0;
    int prises = 0;
    int reussies = 0;
    int defenses = 0;
    int chutes = 0;  // contracts beaten in defence
    long long sommeGains = 0;
    double gainMoyen() const { return donnes ? static_cast<double>(sommeGains) / donnes : 0.0; }
};

struct Statistiques {
    int donnes = 0;
    int rejouees = 0;
    Table<LignePreneur, 1, 4> parContrat;  // Prise .. Garde Contre, the human taking
    int defenses = 0;                      // deals the human defended
    int contratsChutes = 0;                // of which the taker failed
    Table<LigneNiveau, 1, 4> parNiveau;    // Débutant .. Pro
    int chelemsRealises = 0;               // deals won by one side in all 18 tricks
    int chelemsAnnonces = 0;
    // The four global scores after each deal that counted (replays leave them
    // as they were), oldest first.
    std::vector<Table<int, 1, 4>> evolution;
    // Practice deals, counted apart: none of the figures above includes them.
    int entrainements = 0;
};

// `donnes` in any order; the evolution follows their ids.
Statistiques calculerStatistiques(std::vector<ResumeDonne> donnes);

// The history as CSV, one line per deal, oldest first.
std::string exporterCsv(const std::vector<ResumeDonne>& donnes);

// The human's role in a deal, for the history's filter.
enum class Role { tous, preneur, defense };
bool retenue(const ResumeDonne& r, int contrat, Role role, int joueurHumain = 1);
