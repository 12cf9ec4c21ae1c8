#pragma once
// What the game logic asks of the windows, and of the timers that pace the
// computer players. The Qt windows implement these; tests use fakes.
#include <string>

enum class Minuteur { TimerEnchere, TimerEntreCarte, TimerTransition, timerTousPlis };

class Minuteurs {
public:
    virtual ~Minuteurs() = default;
    // Arms a one-shot timer; the game sets the interval through the options.
    virtual void armer(Minuteur m, int millisecondes) = 0;
    virtual void arreter(Minuteur m) = 0;
};

// One method per thing the table can show. Texts arrive in the chosen language.
class Vue {
public:
    virtual ~Vue() = default;
    // The information bar.
    virtual void ecrireInfo(const std::string& texte) = 0;
};

// Shows nothing: headless play, tools and the tests that do not look at the table.
class VueNulle : public Vue {
public:
    void ecrireInfo(const std::string&) override {}
};

// Never fires: the caller drives the game step by step.
class MinuteursNuls : public Minuteurs {
public:
    void armer(Minuteur, int) override {}
    void arreter(Minuteur) override {}
};

Vue& vueNulle();
Minuteurs& minuteursNuls();
