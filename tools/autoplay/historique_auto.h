#pragma once
// --history: every deal the tool plays out goes into an SQLite history, the
// same rows as the game writes, so that a whole run can be studied with sqlite3.
#include <iosfwd>
#include <memory>
#include <string>

#include "historique/base.h"

struct Jeu;

class HistoriqueAutoplay {
public:
    // Opens (or starts) the history at `chemin` and hooks it to the end of
    // every deal of `jeu`. Nothing, with the reason on `erreurs`, when no
    // history can be written there; a file that cannot be read is set aside,
    // and `erreurs` says where.
    static std::unique_ptr<HistoriqueAutoplay> ouvrir(const std::string& chemin, Jeu& jeu, std::ostream& erreurs);
    ~HistoriqueAutoplay();

private:
    HistoriqueAutoplay(const std::string& chemin, Jeu& jeu, std::ostream& erreurs);

    BaseHistorique base_;
    Jeu& jeu_;
    std::ostream& erreurs_;
    bool echecSignale_ = false;
};
