#include "flow/minuteurs_manuels.h"

#include "flow/deroulement.h"

bool MinuteursManuels::declencher(Jeu& jeu) {
    for (std::size_t i = 0; i < arme_.size(); ++i) {
        if (!arme_[i]) continue;
        // A one-shot timer is spent once it fires; its handler re-arms it if needed.
        arme_[i] = false;
        declencherMinuteur(jeu, static_cast<Minuteur>(i));
        return true;
    }
    return false;
}
