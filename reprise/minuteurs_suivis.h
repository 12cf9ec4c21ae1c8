#pragma once
// The game's timers, passed on to the real ones, with a note of which are
// armed: the pending step that a saved deal must arm again when it resumes.
#include <functional>

#include "engine/vue.h"
#include "reprise/instantane.h"

class MinuteursSuivis : public Minuteurs {
public:
    explicit MinuteursSuivis(Minuteurs& reels) : reels_(&reels) {}
    void armer(Minuteur m, int millisecondes) override {
        noter(m, true);
        reels_->armer(m, millisecondes);
        if (apresChangement) apresChangement();
    }
    void arreter(Minuteur m) override {
        noter(m, false);
        reels_->arreter(m);
        if (apresChangement) apresChangement();
    }
    const MinuteursArmes& armes() const { return armes_; }
    // Called after every change: the window saves the deal once the step is over.
    std::function<void()> apresChangement;

private:
    void noter(Minuteur m, bool arme) {
        switch (m) {
            case Minuteur::TimerEnchere: armes_.enchere = arme; break;
            case Minuteur::TimerEntreCarte: armes_.carte = arme; break;
            case Minuteur::TimerTransition: armes_.transition = arme; break;
            case Minuteur::timerTousPlis: break;  // the all-tricks window's own
        }
    }
    Minuteurs* reels_;
    MinuteursArmes armes_;
};
