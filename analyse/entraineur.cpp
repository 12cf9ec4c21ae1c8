#include "analyse/entraineur.h"

#include <algorithm>

namespace {

using Horloge = std::chrono::steady_clock;

double resteAvant(Horloge::time_point limite) {
    return std::chrono::duration<double>(limite - Horloge::now()).count();
}

bool arrete(const std::atomic<bool>* arret) { return arret && arret->load(); }

// The player's side got what it wanted from the contract.
bool bonPourLeCamp(int realisable, bool campPreneur) { return campPreneur ? realisable == 1 : realisable == 0; }

// Under Prise and Garde the taker sets aside neither a trump, the Excuse nor
// a King; the dog of the other contracts is whatever was dealt.
bool peutEtreMisDeCote(const Carte& c, int contrat) {
    if (contrat >= GARDE_SANS) return true;
    return c.couleur != ATOUT && c.valeur != ROI;
}

}  // namespace

int realisableEn(Solveur& solveur, const Position& p, const Budget& budget) {
    if (donneFinie(p)) return scoreFinal(p) > 0 ? 1 : 0;
    Budget seul = budget;
    seul.fils = 1;  // the coach works beside the game: one core at most
    const Resultat r = solveur.realisable(p, seul);
    if (arrete(budget.arret)) return -1;
    return r.contratRealisable;
}

int BilanEntraineur::erreurs() const {
    return static_cast<int>(std::count_if(jugements.begin(), jugements.end(),
                                          [](const JugementCarte& j) { return j.jugement == Jugement::Erreur; }));
}

int BilanEntraineur::malchances() const {
    return static_cast<int>(std::count_if(jugements.begin(), jugements.end(),
                                          [](const JugementCarte& j) { return j.jugement == Jugement::Malchance; }));
}

int Entraineur::realisableConnu(int k) const {
    if (k < 0 || k >= static_cast<int>(connus_.size())) return -1;
    return connus_[static_cast<std::size_t>(k)];
}

int Entraineur::realisable(Solveur& solveur, int k, Horloge::time_point limite, const std::atomic<bool>* arret) {
    if (connus_.empty()) connus_.assign(static_cast<std::size_t>(a_.nbCartes() + 1), -1);
    const int connu = realisableConnu(k);
    if (connu >= 0) return connu;
    const Position& p = a_.position(k);
    if (!donneFinie(p) && (arrete(arret) || resteAvant(limite) <= 0)) return -1;
    Budget budget;
    budget.secondes = std::max(resteAvant(limite), 1e-3);
    budget.arret = arret;
    const int m = realisableEn(solveur, p, budget);
    if (m >= 0) connus_[static_cast<std::size_t>(k)] = m;
    return m;
}

void Entraineur::etablirVerdict(Solveur& solveur, Horloge::time_point limite, const std::atomic<bool>* arret,
                                const std::function<void()>& progres) {
    VerdictDonne& v = bilan_.verdict;
    if (!a_.valide() || a_.nbCartes() % 4 != 0 || a_.nbCartes() > 72 || !donneFinie(a_.position(a_.nbCartes()))) return;
    v.nbPlis = a_.nbCartes() / 4;
    v.depuisPli = v.nbPlis + 1;
    v.realisablePli[v.nbPlis + 1] = realisable(solveur, a_.nbCartes(), limite, arret);
    for (int t = v.nbPlis; t >= 1; --t) {
        const int m = realisable(solveur, (t - 1) * 4, limite, arret);
        if (m < 0) return;
        v.realisablePli[t] = m;
        v.depuisPli = t;
        if (m != v.realisablePli[t + 1]) chercherTournant(solveur, t, limite, arret);
        if (progres) progres();
    }
    v.complet = true;
}

void Entraineur::chercherTournant(Solveur& solveur, int pli, Horloge::time_point limite, const std::atomic<bool>* arret) {
    const int debut = (pli - 1) * 4;
    // The later positions first: they are the quicker, and teach the search.
    for (int k = debut + 3; k > debut; --k) realisable(solveur, k, limite, arret);
    for (int k = debut + 1; k <= debut + 4; ++k) {
        const int avant = realisableConnu(k - 1), apres = realisableConnu(k);
        if (avant < 0 || apres < 0 || avant == apres) continue;
        Tournant t;
        t.numero = k;
        t.pli = pli;
        t.siege = a_.siege(k);
        t.carte = a_.carte(k);
        t.perdu = avant == 1;
        auto& liste = bilan_.verdict.tournants;
        liste.insert(std::find_if(liste.begin(), liste.end(), [&](const Tournant& x) { return x.numero > k; }), t);
        return;
    }
}

void Entraineur::jugerCartes(Solveur& solveur, std::mt19937_64& generateur, Horloge::time_point limite,
                             const std::atomic<bool>* arret, const std::function<void()>& progres) {
    if (!a_.valide()) return;
    for (int k = a_.nbCartes(); k >= 1; --k) {
        if (a_.siege(k) != joueur_) continue;
        if (arrete(arret) || resteAvant(limite) <= 0) return;
        const JugementCarte j = jugerCarte(solveur, generateur, k, limite, arret);
        if (arrete(arret)) return;
        auto& liste = bilan_.jugements;
        liste.insert(liste.begin(), j);
        if (progres) progres();
    }
}

JugementCarte Entraineur::jugerCarte(Solveur& solveur, std::mt19937_64& generateur, int k, Horloge::time_point limite,
                                     const std::atomic<bool>* arret) {
    JugementCarte j;
    j.numero = k;
    j.pli = AnalyseDonne::pliDeCarte(k);
    j.carte = a_.carte(k);
    const Position& p = a_.position(k - 1);
    const bool campPreneur = joueur_ == p.preneur;
    j.realisableApres = realisable(solveur, k, limite, arret);
    if (j.realisableApres < 0) return j;
    if (bonPourLeCamp(j.realisableApres, campPreneur)) {
        j.jugement = Jugement::Bonne;
        return j;
    }
    const ListeCartes jouables = cartesJouables(p);
    const auto apres = [&](const Position& depart, const Carte& c) {
        Position q = depart;
        jouerCarte(q, c);
        Budget budget;
        budget.secondes = std::max(resteAvant(limite), 1e-3);
        budget.arret = arret;
        if (arrete(arret) || resteAvant(limite) <= 0) return -1;
        return realisableEn(solveur, q, budget);
    };
    bool nonEtablie = false;
    for (int i = 0; i < jouables.nb && !j.avecMieux; ++i) {
        const Carte& c = jouables.cartes[static_cast<std::size_t>(i)];
        if (c.memeCarte(j.carte)) continue;
        const int m = apres(p, c);
        if (m < 0) nonEtablie = true;
        if (bonPourLeCamp(m, campPreneur)) {
            j.avecMieux = true;
            j.mieux = c;
        }
    }
    if (!j.avecMieux) {
        // Every card lost it with the cards open: no card could have done better.
        if (!nonEtablie) j.jugement = Jugement::Bonne;
        return j;
    }

    // The player's view: deals that agree with what he knew, each solved for
    // every card he could play.
    const SavoirSiege savoir = savoirDeLaLigne(a_, k - 1, joueur_);
    std::vector<std::array<bool, 18>> parTirage;
    constexpr int tiragesVoulus = tiragesMinimum + 4;
    for (int n = 0; n < tiragesVoulus * 2 && static_cast<int>(parTirage.size()) < tiragesVoulus; ++n) {
        Position tiree;
        if (!tirerDonne(savoir, generateur, tiree)) break;
        std::array<bool, 18> ici{};
        bool etabli = true;
        for (int i = 0; i < jouables.nb && etabli; ++i) {
            const int m = apres(tiree, jouables.cartes[static_cast<std::size_t>(i)]);
            if (m < 0) etabli = false;
            ici[static_cast<std::size_t>(i)] = bonPourLeCamp(m, campPreneur);
        }
        if (arrete(arret) || resteAvant(limite) <= 0) break;
        if (etabli) parTirage.push_back(ici);
    }
    j.tirages = static_cast<int>(parTirage.size());
    if (j.tirages < tiragesMinimum) return j;
    int jouee = 0, meilleure = 0;
    std::array<int, 18> reussites{};
    for (int i = 0; i < jouables.nb; ++i) {
        for (const auto& t : parTirage) reussites[static_cast<std::size_t>(i)] += t[static_cast<std::size_t>(i)];
        if (jouables.cartes[static_cast<std::size_t>(i)].memeCarte(j.carte)) jouee = i;
        if (reussites[static_cast<std::size_t>(i)] > reussites[static_cast<std::size_t>(meilleure)]) meilleure = i;
    }
    j.reussitesJouee = reussites[static_cast<std::size_t>(jouee)];
    j.reussitesMeilleure = reussites[static_cast<std::size_t>(meilleure)];
    j.meilleureVue = jouables.cartes[static_cast<std::size_t>(meilleure)];
    // A sign test on the deals where the two cards differ: the card played
    // is an error only when the best one beat it there by more than twice
    // the spread a blind guess between two equal cards would show.
    int pour = 0, contre = 0;
    for (const auto& t : parTirage) {
        pour += t[static_cast<std::size_t>(meilleure)] && !t[static_cast<std::size_t>(jouee)];
        contre += t[static_cast<std::size_t>(jouee)] && !t[static_cast<std::size_t>(meilleure)];
    }
    const bool battue = pour - contre > 0 && (pour - contre) * (pour - contre) > 4 * (pour + contre);
    j.jugement = battue ? Jugement::Erreur : Jugement::Malchance;
    return j;
}

SavoirSiege savoirDeLaLigne(const AnalyseDonne& a, int k, int siege) {
    const Position& p = a.position(k);
    SavoirSiege s;
    s.siege = siege;
    s.preneur = p.preneur;
    s.contrat = p.contrat;
    s.pli = p.pli;
    s.entameur = p.entameur;
    s.joueur = p.joueur;
    s.pointsPreneur = p.pointsPreneur;
    s.pointsDefense = p.pointsDefense;
    s.boutsPreneur = p.boutsPreneur;
    s.boutsDefense = p.boutsDefense;
    s.nbCartes = p.nbCartes;
    s.nbMain = p.nbCartes[siege];
    for (int i = 1; i <= s.nbMain; ++i) s.main[static_cast<std::size_t>(i - 1)] = p.mains[siege][i];
    // The taker's own discard under Prise and Garde; every other seat, and
    // every seat under Garde Sans and Garde Contre, sees none of it.
    if (siege == p.preneur && p.contrat <= GARDE) {
        for (int i = 1; i <= 6; ++i) s.ecartConnu[static_cast<std::size_t>(i - 1)] = p.chien[i];
        s.nbEcartConnu = 6;
    }
    s.nbEcartInconnu = 6 - s.nbEcartConnu;

    // Who may still hold each card, from the public play: a seat that did not
    // follow holds none of the suit led; one that did not trump either holds
    // no trump; one that played a trump under the best one on the table holds
    // none above it.
    Table<std::array<bool, 5>, 1, 4> sansCouleur;
    Table<int, 1, 4> atoutMax;  // no trump above this one
    for (int t = 1; t <= 4; ++t) {
        sansCouleur[t].fill(false);
        atoutMax[t] = VINGT_ET_UN;
    }
    for (int n = 1; n <= k; ++n) {
        const int premiere = (AnalyseDonne::pliDeCarte(n) - 1) * 4 + 1;
        const Carte& c = a.carte(n);
        if (estExcuse(c)) continue;
        int demandee = SANS_COULEUR, atoutHaut = 0;
        for (int m = premiere; m < n; ++m) {
            const Carte& avant = a.carte(m);
            if (estExcuse(avant)) continue;
            if (demandee == SANS_COULEUR) demandee = avant.couleur;
            if (estAtout(avant)) atoutHaut = std::max(atoutHaut, avant.valeur);
        }
        if (demandee == SANS_COULEUR) continue;  // a lead
        const int t = a.siege(n);
        if (c.couleur != demandee) {
            sansCouleur[t][static_cast<std::size_t>(demandee)] = true;
            if (!estAtout(c)) sansCouleur[t][ATOUT] = true;
        }
        if (estAtout(c) && c.valeur < atoutHaut) atoutMax[t] = std::min(atoutMax[t], atoutHaut);
    }
    // The cards still in play that the seat does not see: the other hands and
    // the set-aside cards it did not choose. Every other card has been played
    // in full view (or lies in the seat's own hand or discard).
    std::array<bool, NB_CARTES> cachee{};
    for (int t = 1; t <= 4; ++t)
        for (int i = 1; i <= p.nbCartes[t] && t != siege; ++i) cachee[static_cast<std::size_t>(numeroCarte(p.mains[t][i]))] = true;
    if (s.nbEcartInconnu > 0)
        for (int i = 1; i <= 6; ++i) cachee[static_cast<std::size_t>(numeroCarte(p.chien[i]))] = true;
    for (int n = 0; n < NB_CARTES; ++n) {
        if (!cachee[static_cast<std::size_t>(n)]) continue;
        const Carte c = carteNumero(n);
        unsigned qui = 0;
        for (int t = 1; t <= 4; ++t) {
            if (t == siege || p.nbCartes[t] == 0) continue;
            if (sansCouleur[t][static_cast<std::size_t>(c.couleur)] && !estExcuse(c)) continue;
            if (estAtout(c) && c.valeur > atoutMax[t]) continue;
            qui |= bitSiege(t);
        }
        if (s.nbEcartInconnu > 0 && peutEtreMisDeCote(c, p.contrat)) qui |= BIT_ECART;
        s.possibles[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(qui);
    }
    return s;
}

namespace {

// Plays `cartes` from position k - 1's trick start and cuts them into tricks.
std::vector<PliSuite> enPlis(const AnalyseDonne& a, int k, const std::vector<Carte>& suite) {
    std::vector<PliSuite> plis;
    const int premiere = (AnalyseDonne::pliDeCarte(k) - 1) * 4 + 1;
    Position q = a.position(premiere - 1);
    std::vector<Carte> cartes;
    for (int n = premiere; n < k; ++n) cartes.push_back(a.carte(n));
    cartes.insert(cartes.end(), suite.begin(), suite.end());
    for (std::size_t i = 0; i < cartes.size(); ++i) {
        if (i % 4 == 0) {
            PliSuite t;
            t.pli = AnalyseDonne::pliDeCarte(premiere + static_cast<int>(i));
            t.entameur = q.entameur;
            plis.push_back(t);
        }
        const int joueur = q.joueur;
        if (!jouerCarte(q, cartes[i])) break;
        plis.back().cartes[joueur] = cartes[i];
        if (i % 4 == 3) plis.back().gagnant = q.entameur;
    }
    return plis;
}

}  // namespace

std::vector<PliSuite> suiteJouee(const AnalyseDonne& a, int k) {
    std::vector<Carte> suite;
    for (int n = k; n <= a.nbCartes(); ++n) suite.push_back(a.carte(n));
    return enPlis(a, k, suite);
}

std::vector<PliSuite> suiteOptimale(const AnalyseDonne& a, int k, Solveur& solveur, const Budget& budget) {
    const auto debut = Horloge::now();
    Position q = a.position(k - 1);
    std::vector<Carte> suite;
    std::optional<int> probable;
    while (!donneFinie(q)) {
        Budget reste = budget;
        if (budget.secondes > 0) {
            reste.secondes = budget.secondes - std::chrono::duration<double>(Horloge::now() - debut).count();
            if (reste.secondes <= 0) break;
        }
        const Resultat r = solveur.resoudre(q, reste, Recherche::Valeur, probable);
        if (arrete(budget.arret) || r.meilleures.nb == 0) break;
        // Along the best line the value stays the same: the next position is asked about it first.
        if (r.exact) probable = r.valeur;
        const Carte c = r.meilleures.cartes[0];
        if (!jouerCarte(q, c)) break;
        suite.push_back(c);
    }
    return enPlis(a, k, suite);
}

BilanEntraineur entrainer(const AnalyseDonne& a, int joueur, Solveur& solveur, double secondes,
                          const std::atomic<bool>* arret, const std::function<void(const BilanEntraineur&)>& progres) {
    const auto debut = Horloge::now();
    const auto part = [&](double f) {
        return debut + std::chrono::duration_cast<Horloge::duration>(std::chrono::duration<double>(secondes * f));
    };
    Entraineur e(a, joueur);
    const auto signaler = [&] {
        if (progres && !arrete(arret)) progres(e.bilan());
    };
    e.etablirVerdict(solveur, part(0.6), arret, signaler);
    signaler();
    std::mt19937_64 generateur(20101);
    e.jugerCartes(solveur, generateur, part(1.0), arret, signaler);
    return e.bilan();
}

int nbCartesDuJoueur(const AnalyseDonne& a, int joueur) {
    int n = 0;
    for (int k = 1; k <= a.nbCartes(); ++k) n += a.siege(k) == joueur;
    return n;
}
