#pragma once
// Timers that fire only when asked: headless play and the tests drive the
// game step by step, in a fixed order, as fast as the machine goes.
#include <array>

#include "engine/vue.h"

struct Jeu;

class MinuteursManuels : public Minuteurs {
public:
    void armer(Minuteur m, int millisecondes) override {
        arme_[indice(m)] = true;
        intervalle_[indice(m)] = millisecondes;
    }
    void arreter(Minuteur m) override { arme_[indice(m)] = false; }

    bool estArme(Minuteur m) const { return arme_[indice(m)]; }
    int intervalle(Minuteur m) const { return intervalle_[indice(m)]; }
    bool aucunArme() const { return !arme_[0] && !arme_[1] && !arme_[2] && !arme_[3]; }
    // Fires the first armed timer, in the order of Minuteur; false when none is armed.
    bool declencher(Jeu& jeu);

private:
    static std::size_t indice(Minuteur m) { return static_cast<std::size_t>(m); }
    std::array<bool, 4> arme_{};
    std::array<int, 4> intervalle_{};
};
