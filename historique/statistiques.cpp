#include "historique/statistiques.h"

#include <algorithm>
#include <sstream>

Statistiques calculerStatistiques(std::vector<ResumeDonne> donnes) {
    std::sort(donnes.begin(), donnes.end(), [](const ResumeDonne& a, const ResumeDonne& b) { return a.id < b.id; });
    Statistiques s;
    for (const ResumeDonne& r : donnes) {
        if (r.entrainement) {
            ++s.entrainements;
            continue;
        }
        ++s.donnes;
        if (r.rejouee) ++s.rejouees;
        else s.evolution.push_back(r.totaux);
        const bool fait = r.contratRempli;
        s.chelemsRealises += r.chelemRealise != 0;
        s.chelemsAnnonces += r.chelemAnnonce != 0;
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

std::string exporterCsv(const std::vector<ResumeDonne>& donnes) {
    std::vector<ResumeDonne> v = donnes;
    std::sort(v.begin(), v.end(), [](const ResumeDonne& a, const ResumeDonne& b) { return a.id < b.id; });
    std::ostringstream o;
    o << "id,date,rejouee,code,preneur,contrat,contrat_rempli,score,gain_humain,total1,total2,total3,total4,"
         "niveau,adaptatif,entrainement\r\n";
    for (const ResumeDonne& r : v) {
        o << r.id << ',' << r.date << ',' << (r.rejouee ? 1 : 0) << ',' << r.code << ',' << r.preneur << ','
          << r.contrat << ',' << (r.contratRempli ? 1 : 0) << ',' << r.score << ',' << r.gainHumain;
        for (int s = 1; s <= 4; ++s) o << ',' << r.totaux[s];
        o << ',' << r.niveau << ',' << r.adaptatif << ',' << (r.entrainement ? 1 : 0) << "\r\n";
    }
    return o.str();
}
