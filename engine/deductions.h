#pragma once
// What the deductions panel shows, from the human's point of view.
#include <string>

#include "engine/table.h"

struct Deductions {
    std::string atoutMaximal;  // highest trump not yet out of play, "-" when none
    std::string atoutsDehors;  // trumps neither in the human's hand nor played
    // The oudlers already played; a false one leaves its mark as it is.
    bool vingtEtUnJoue = false;
    bool petitJoue = false;
    bool excuseJouee = false;
    // [suit][11 valet .. 14 roi]: the honour is out of play; false leaves the mark as it is.
    Table<Table<bool, 11, 14>, 1, 4> honneurHorsJeu;
    // Cards of each suit still outside the human's hand, "-" when none.
    Table<std::string, 1, 4> couleurDehors;
};
