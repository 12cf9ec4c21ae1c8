#include "analyse/analyse_donne.h"

#include <algorithm>
#include <chrono>

#include "engine/donne.h"

namespace {

// Beyond any deal score: what is known of a position never tried.
constexpr int inconnu = 1000000;

Carte nue(const Carte& c) { return carte(c.couleur, c.valeur); }

}  // namespace

bool donneDesTables(const Donne& d, DonneJouee& jouee, std::string* erreur) {
    const auto echec = [&](const char* quoi) {
        if (erreur) *erreur = quoi;
        return false;
    };
    if (d.preneur < 1 || d.preneur > 4) return echec("no taker");
    if (d.numeroPli < 19) return echec("the deal is not over");
    jouee = DonneJouee{};
    Position& p = jouee.depart;
    p.preneur = d.preneur;
    p.contrat = d.enchere[d.preneur];
    p.entameur = p.joueur = d.entameurPli[1];
    // A played card stays in its slot: the slots are the hand in play.
    for (int s = 1; s <= 4; ++s) {
        p.nbCartes[s] = 18;
        for (int i = 1; i <= 18; ++i) p.mains[s][i] = nue(d.mainJoueur[s][i]);
        p.pli[s] = Carte{};
    }
    for (int i = 1; i <= 6; ++i) p.chien[i] = nue(d.chien[i]);
    if (!verifierPosition(p, erreur)) return false;
    for (int t = 1; t <= 18; ++t) {
        if (d.entameurPli[t] < 1 || d.entameurPli[t] > 4) return echec("a trick without a leader");
        for (int k = 0, s = d.entameurPli[t]; k < 4; ++k, s = siegeSuivant(s)) {
            const int slot = d.carteJouee[s][t];
            if (slot < 1 || slot > 18) return echec("a card played from no slot");
            jouee.cartes.push_back(nue(d.mainJoueur[s][slot]));
        }
    }
    if (!AnalyseDonne(jouee).valide()) return echec("a card played against the rules");
    return true;
}

AnalyseDonne::AnalyseDonne(const DonneJouee& d) : cartes_(d.cartes) {
    positions_.push_back(d.depart);
    for (const Carte& c : cartes_) {
        Position q = positions_.back();
        if (!jouerCarte(q, c)) {
            valide_ = false;
            cartes_.resize(positions_.size() - 1);
            break;
        }
        positions_.push_back(q);
    }
    resultats_.resize(positions_.size());
    resolue_.assign(positions_.size(), false);
}

Resultat AnalyseDonne::resoudre(Solveur& solveur, int k, const Budget& budget, const Resultat* apres) const {
    std::optional<int> probable;
    if (apres && apres->exact) probable = apres->valeur;
    return solveur.resoudre(position(k), budget, Recherche::Valeur, probable);
}

void AnalyseDonne::noterResultat(int k, const Resultat& r) {
    resultats_[static_cast<std::size_t>(k)] = r;
    resolue_[static_cast<std::size_t>(k)] = true;
}

int AnalyseDonne::nbResolues() const {
    return static_cast<int>(std::count(resolue_.begin(), resolue_.end(), true));
}

void AnalyseDonne::bornes(int k, int& bas, int& haut) const {
    bas = -inconnu;
    haut = inconnu;
    if (!resolue(k)) return;
    const Resultat& r = resultat(k);
    bas = r.exact ? r.valeur : r.borneBasse;
    haut = r.exact ? r.valeur : r.borneHaute;
}

std::vector<LigneAnalyse> AnalyseDonne::lignes() const {
    std::vector<LigneAnalyse> lignes;
    for (int k = 1; k <= nbCartes(); ++k) {
        int bas0, haut0, bas1, haut1;
        bornes(k - 1, bas0, haut0);
        bornes(k, bas1, haut1);
        LigneAnalyse l;
        l.numero = l.numeroFin = k;
        l.pli = pliDeCarte(k);
        l.siege = siege(k);
        l.carte = carte(k);
        l.preneur = l.siege == position(0).preneur;
        // The taker keeps the most he can, the defence the least: a card can
        // only lower its own side's value. Least and most it may have cost:
        const int coutMin = l.preneur ? bas0 - haut1 : bas1 - haut0;
        const int coutMax = l.preneur ? haut0 - bas1 : haut1 - bas0;
        if (coutMax <= 0) continue;  // proven to keep the value
        if (coutMin <= 0) {
            // Not settled: runs of such cards make one line.
            if (!lignes.empty() && !lignes.back().etablie && lignes.back().numeroFin == k - 1) {
                lignes.back().numeroFin = k;
                continue;
            }
            l.etablie = false;
            lignes.push_back(l);
            continue;
        }
        l.cout = coutMin;
        l.auMoins = coutMax != coutMin;
        if (l.preneur && bas0 > 0 && haut1 <= 0) l.bascule = Bascule::ContratPerdu;
        if (!l.preneur && haut0 <= 0 && bas1 > 0) l.bascule = Bascule::ContratRealisable;
        const Resultat& avant = resultat(k - 1);
        if (avant.meilleures.nb > 0) {
            l.avecMeilleure = true;
            l.meilleure = avant.meilleures.cartes[0];
        }
        lignes.push_back(l);
    }
    return lignes;
}

BilanAnalyse AnalyseDonne::bilan() const {
    BilanAnalyse b;
    bornes(0, b.borneBasse, b.borneHaute);
    b.departEtabli = resolue(0) && resultat(0).exact;
    b.valeurDepart = b.departEtabli ? resultat(0).valeur : 0;
    if (b.borneBasse > 0) b.realisable = 1;
    else if (b.borneHaute <= 0) b.realisable = 0;
    const Position& fin = positions_.back();
    if (donneFinie(fin)) {
        b.scoreReel = scoreFinal(fin);
        b.contratReussi = b.scoreReel > 0;
    }
    return b;
}

void analyserAReculons(const AnalyseDonne& a, Solveur& solveur, double secondes, const std::atomic<bool>* arret,
                       const std::function<void(int)>& avant,
                       const std::function<void(int, const Resultat&)>& apres) {
    using Horloge = std::chrono::steady_clock;
    const auto debut = Horloge::now();
    Resultat suivant;  // the result of the position one card later
    const auto resoudre = [&](int k, double limite) {
        if (arret && arret->load()) return false;
        const double reste = limite - std::chrono::duration<double>(Horloge::now() - debut).count();
        if (reste <= 0) return false;
        if (avant) avant(k);
        Budget budget;
        budget.secondes = reste;
        budget.arret = arret;
        const Resultat r = a.resoudre(solveur, k, budget, k < a.nbCartes() ? &suivant : nullptr);
        // A search stopped from outside proves nothing worth showing.
        if (arret && arret->load()) return false;
        suivant = r;
        if (apres) apres(k, r);
        return true;
    };
    // The value from the first card is what the player asks first: the cards
    // after it get three quarters of the time, and it gets what is left, with
    // everything learnt on the way.
    for (int k = a.nbCartes(); k >= 1; --k)
        if (!resoudre(k, secondes * 0.75)) break;
    resoudre(0, secondes);
}
