#include "expert/enchere_expert.h"

#include <vector>

#include "engine/chien.h"
#include "engine/connaissances.h"
#include "engine/jeu.h"
#include "expert/simulation.h"

namespace {

// What the imagined deal brings `siege` when it bids `enchere`: the rest of
// the auction by the ratings, the dog, the play; the taker's score for the
// taker, a third of it paid by each defender.
int issue(Jeu& j, int siege, int enchere) {
    Donne& d = j.donne;
    int meilleure = enchere;
    d.enchere[siege] = enchere;
    for (int s = siegeSuivant(siege); s != d.premierJoueur; s = siegeSuivant(s)) {
        d.enchere[s] = d.niveauMain[s] > meilleure ? d.niveauMain[s] : PASSE;
        if (d.enchere[s] > meilleure) meilleure = d.enchere[s];
    }
    if (meilleure == PASSE) return 0;
    d.preneur = d.premierJoueur;
    for (int i = 0, s = d.premierJoueur; i < 4; ++i, s = siegeSuivant(s))
        if (d.enchere[s] > d.enchere[d.preneur]) d.preneur = s;
    d.contrat = meilleure;
    d.meilleureEnchere = meilleure;
    d.numeroPli = 1;
    d.origineEcart.remplir(-1);
    if (meilleure <= GARDE) {
        j.connaissances.chienMontre = 1;
        ecartOrdinateur(j);
    } else {
        initialiserConnaissances(j);
    }
    const int score = jouerJusquAuBout(j);
    return d.preneur == siege ? score : -score / 3;
}

std::vector<double> juger(const Jeu& jeu, int siege, const std::vector<int>& encheres, int n,
                          std::mt19937_64& generateur, const std::atomic<bool>* arret) {
    std::vector<double> somme(encheres.size(), 0.0);
    for (int k = 0; k < n; ++k) {
        if (arret && arret->load()) break;
        Jeu imagine = copieImaginaire(jeu, generateur);
        distribuerCachees(imagine, generateur, siege, false);
        for (std::size_t i = 0; i < encheres.size(); ++i) {
            Jeu j = imagine;
            somme[i] += issue(j, siege, encheres[i]);
        }
    }
    for (double& s : somme) s /= n;
    return somme;
}

}  // namespace

int choisirEnchereExpert(const Jeu& jeu, int siege, const ReglagesEnchereExpert& r, std::mt19937_64& generateur,
                         const std::atomic<bool>* arret) {
    const Donne& d = jeu.donne;
    const int note = d.niveauMain[siege] > d.meilleureEnchere ? d.niveauMain[siege] : PASSE;
    std::vector<int> encheres{note};
    for (int e = PASSE; e <= GARDE_CONTRE; ++e)
        if (e != note && (e == PASSE || e > d.meilleureEnchere)) encheres.push_back(e);
    if (encheres.size() == 1) return note;
    const std::vector<double> v = juger(jeu, siege, encheres, r.echantillons, generateur, arret);
    std::size_t meilleur = 0;
    for (std::size_t i = 1; i < v.size(); ++i)
        if (v[i] > v[meilleur]) meilleur = i;
    if (meilleur == 0 || (arret && arret->load())) return note;
    // The rating against the best other bid, on fresh deals.
    const std::vector<double> finale = juger(jeu, siege, {note, encheres[meilleur]}, r.echantillonsFinale, generateur, arret);
    return finale[1] > finale[0] ? encheres[meilleur] : note;
}
