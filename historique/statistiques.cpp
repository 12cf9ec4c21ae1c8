#include "historique/statistiques.h"

#include <algorithm>

Statistiques calculerStatistiques(std::vector<ResumeDonne> donnes) {
    std::sort(donnes.begin(), donnes.end(), [](const ResumeDonne& a, const ResumeDonne& b) { return a.id < b.id; });
    Statistiques s;
    for (const ResumeDonne& r : donnes) {
        ++s.donnes;
        if (r.rejouee) ++s.rejouees;
        else s.evolution.push_back(r.totaux);
        const bool fait = r.score > 0;
        const bool humainPreneur = r.preneur == 1;
        const bool niveauConnu = r.niveau >= 1 && r.niveau <= 4;
        LigneNiveau* n = niveauConnu ? &s.parNiveau[r.niveau] : nullptr;
        if (n) {
            ++n->donnes;
            n->sommeGains += r.gainHumain;
        }
        if (humainPreneur) {
            if (r.contrat >= 1 && r.contrat <= 4) {
                LignePreneur& l = s.parContrat[r.contrat];
                ++l.prises;
                l.reussies += fait;
                l.sommeScores += r.score;
            }
            if (n) {
                ++n->prises;
                n->reussies += fait;
            }
        } else {
            ++s.defenses;
            s.contratsChutes += !fait;
            if (n) {
                ++n->defenses;
                n->chutes += !fait;
            }
        }
    }
    return s;
}

bool retenue(const ResumeDonne& r, int contrat, Role role, int joueurHumain) {
    if (contrat != 0 && r.contrat != contrat) return false;
    if (role == Role::preneur && r.preneur != joueurHumain) return false;
    if (role == Role::defense && r.preneur == joueurHumain) return false;
    return true;
}
