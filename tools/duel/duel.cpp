#include "tools/duel/duel.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <cmath>
#include <cstdio>
#include <ostream>

#include "engine/enchere.h"
#include "engine/jeu.h"
#include "engine/niveaux.h"
#include "expert/expert.h"
#include "flow/deroulement.h"
#include "flow/minuteurs_manuels.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "tools/autoplay/autoplay.h"
#include "tools/autoplay/json.h"
#include "tools/autoplay/partie_auto.h"

void Moyenne::ajouter(double x) {
    ++n_;
    const double ecart = x - moyenne_;
    moyenne_ += ecart / static_cast<double>(n_);
    m2_ += ecart * (x - moyenne_);
}

double Moyenne::demiLargeur() const {
    if (n_ < 2) return 0.0;
    const double variance = m2_ / static_cast<double>(n_ - 1);
    return 1.96 * std::sqrt(variance / static_cast<double>(n_));
}

namespace {

bool lireMode(const char* texte, bool& mode) {
    const std::string v = texte ? texte : "";
    if (v != "on" && v != "off") return false;
    mode = v == "on";
    return true;
}

const char* const nomsContrats[] = {"", "Prise", "Garde", "Garde Sans", "Garde Contre"};

// One line-up's play of the prepared deal: the taker's seat at one level, the
// three defenders at another.
struct Partie {
    int scorePreneur = 0;
    int contrat = 0;
    bool jouee = false;
};

Partie jouerLigne(const Jeu& prepare, const MinuteursManuels& minuteursPrepares, NiveauSiege preneur,
                  NiveauSiege defense, const std::shared_ptr<Expert>& expert) {
    Jeu jeu = prepare;
    MinuteursManuels minuteurs = minuteursPrepares;
    jeu.minuteurs = &minuteurs;
    NiveauxSieges niveaux;
    for (int s = 1; s <= 4; ++s) niveaux[s] = s == jeu.donne.preneur ? preneur : defense;
    installerNiveauxSiegesExpert(jeu, niveaux, expert);
    // The deal was bid once for both plays, every seat by its hand's rating.
    expert->noteEntendue = toutesEntendues();
    if (preneur.niveau == NIVEAU_EXPERT) refaireEcartExpert(jeu, *expert);
    Controleur sansControle;
    Partie p;
    p.jouee = jouerDonneAutomatique(jeu, minuteurs, sansControle) == IssueDonne::Jouee;
    if (!p.jouee) return p;
    p.scorePreneur = calculerScoreDonne(jeu);
    p.contrat = jeu.donne.contrat;
    return p;
}

// The deal just dealt in `donne`, played from its auction with seat `siegeA`
// at level A and the others at B (every seat at B when siegeA is 0).
struct PartieSiege {
    int preneur = 0;  // 0: everybody passed
    int contrat = 0;
    int scorePreneur = 0;
    bool jouee = false;
    // What the play brings a seat: the taker's score, or minus a third of it.
    int gain(int siege) const {
        if (preneur == 0) return 0;
        return siege == preneur ? scorePreneur : -scorePreneur / 3;
    }
};

PartieSiege jouerSiege(const Jeu& donne, const MinuteursManuels& minuteursDonne, int siegeA, NiveauSiege a,
                       NiveauSiege b, const std::shared_ptr<Expert>& expert) {
    Jeu jeu = donne;
    MinuteursManuels minuteurs = minuteursDonne;
    jeu.minuteurs = &minuteurs;
    NiveauxSieges niveaux;
    for (int s = 1; s <= 4; ++s) niveaux[s] = s == siegeA ? a : b;
    installerNiveauxSiegesExpert(jeu, niveaux, expert);
    // The auction again from its first bid, with the seats' own ways of bidding.
    Donne& d = jeu.donne;
    minuteurs.arreter(Minuteur::TimerEnchere);
    d.enchere.remplir(PAS_ENCORE_PARLE);
    d.meilleureEnchere = 0;
    d.nbEncheres = 0;
    tourEnchere(jeu, d.premierJoueur);
    PartieSiege p;
    const IssueDonne issue = preparerDonneAutomatique(jeu, minuteurs);
    if (issue == IssueDonne::SansPreneur) {
        p.jouee = true;
        return p;
    }
    if (issue != IssueDonne::Prete) return p;
    if (siegeA == d.preneur && a.niveau == NIVEAU_EXPERT) refaireEcartExpert(jeu, *expert);
    Controleur sansControle;
    p.jouee = jouerDonneAutomatique(jeu, minuteurs, sansControle) == IssueDonne::Jouee;
    if (!p.jouee) return p;
    p.preneur = d.preneur;
    p.contrat = d.contrat;
    p.scorePreneur = calculerScoreDonne(jeu);
    return p;
}

// The Expert's seed for one play of deal `n` (splitmix64 over the run's seed).
std::uint64_t graineJeu(std::uint64_t graine, long long n, int jeuNumero) {
    std::uint64_t z = graine + 0x9E3779B97F4A7C15ULL * (static_cast<std::uint64_t>(n) * 8 + static_cast<std::uint64_t>(jeuNumero) + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

void compter(Contrats& c, const Partie& p) {
    if (p.contrat < 1 || p.contrat > 4) return;
    c.joues[p.contrat] += 1;
    if (p.scorePreneur > 0) c.faits[p.contrat] += 1;
}

std::string nomJoueur(int niveau, bool adaptatif) {
    std::string nom = niveau == NIVEAU_EXPERT ? "Expert" : nomNiveauOutil(niveau);
    if (adaptatif) nom += " (adaptive)";
    return nom;
}

std::string signe(double x, double demi) {
    char texte[64];
    std::snprintf(texte, sizeof texte, "%+.1f ± %.1f", x, demi);
    return texte;
}

std::string ligneContrats(const std::string& qui, const Contrats& c) {
    std::string ligne = "  " + qui + " taking, contracts made:";
    bool premier = true;
    for (int k = 1; k <= 4; ++k) {
        if (c.joues[k] == 0) continue;
        char texte[96];
        std::snprintf(texte, sizeof texte, "%s %s %.1f %% of %lld", premier ? "" : ",", nomsContrats[k],
                      100.0 * static_cast<double>(c.faits[k]) / static_cast<double>(c.joues[k]), c.joues[k]);
        ligne += texte;
        premier = false;
    }
    if (premier) ligne += " none";
    return ligne + "\n";
}

// The Expert's thinking times over its cards of one kind; empty without any.
std::string ligneTemps(const char* quoi, std::vector<double> s, long long echantillons) {
    if (s.empty()) return "";
    std::sort(s.begin(), s.end());
    const auto rang = [&](double q) { return s[static_cast<std::size_t>(q * static_cast<double>(s.size() - 1))]; };
    char ligne[200];
    std::snprintf(ligne, sizeof ligne, "  Expert: %zu %s, %.1f samples a card, %.1f ms median, %.1f ms p95, %.1f ms max\n",
                  s.size(), quoi, static_cast<double>(echantillons) / static_cast<double>(s.size()), 1000 * rang(0.5),
                  1000 * rang(0.95), 1000 * s.back());
    return ligne;
}

}  // namespace

std::string usageDuel() {
    return "usage: belvane-duel --a X --b Y --deals N [--seed S] [--adaptive-a on|off] [--adaptive-b on|off]\n"
           "                    [--warmup N] [--jsonl] [--expert-tricks N] [--expert-samples N]\n"
           "                    [--expert-nodes N] [--expert-discard on|off] [--expert-bids on|off]\n"
           "                    [--expert-auction N] [--expert-legal on|off] [--expert-playouts N]\n"
           "                    [--expert-playouts-defence on|off] [--expert-discard-samples N] [--seats]\n"
           "                    [--skip N] [--official-handfuls on|off] [--expert-handfuls on|off]\n"
           "  --a X, --b Y           the two levels: " + listeNiveauxOutil() + ", " +
           std::to_string(NIVEAU_EXPERT) + " Expert\n"
           "                         (random plays a uniformly random legal card)\n"
           "  --deals N              deals to measure (1 or more); deals everybody passed are skipped\n"
           "  --seed S               reproducible run: the clock behind each reseed follows S\n"
           "  --adaptive-a on|off    level A plays with the adaptive rule weights (default off)\n"
           "  --adaptive-b on|off    the same for level B (default off)\n"
           "  --warmup N             first play N ordinary deals, every seat at level A, to tune the\n"
           "                         adaptive weights; the measured deals then keep those weights\n"
           "  --jsonl                print one JSON record per deal\n"
           "  --expert-tricks N      the Expert samples from N tricks left (default " +
           std::to_string(ReglagesExpert{}.plisRestants) + ")\n"
           "  --expert-samples N     sampled deals a card (default " + std::to_string(ReglagesExpert{}.echantillons) +
           ")\n"
           "  --expert-nodes N       the solver's cards a card's thinking may try, 0 no limit (default " +
           std::to_string(ReglagesExpert{}.noeuds) + ")\n"
           "  --expert-discard on|off  the Expert taker discards by imagined deals (default on)\n"
           "  --expert-bids on|off   the Expert bids by imagined deals (default on; counts with --seats)\n"
           "  --expert-auction N     deals drawn for one sample until one agrees with the bids heard,\n"
           "                         1 the auction ignored (default " + std::to_string(ReglagesExpert{}.essaisEnchere) + ")\n"
           "  --expert-legal on|off  within those draws, the cards played must have been legal with the\n"
           "                         sampled hands (default on)\n"
           "  --expert-playouts N    before the solver's tricks, N sampled deals a card on which each legal\n"
           "                         card is played out by the Pro rules; 0 the Pro rules choose (default " +
           std::to_string(ReglagesExpert{}.partiesPro) + ")\n"
           "  --expert-discard-samples N  imagined deals for each discard the Expert taker weighs, twice\n"
           "                         as many for the best ones (default " + std::to_string(ReglagesEcartExpert{}.echantillons) + ")\n"
           "  --expert-playouts-defence on|off  those play-outs for the defenders too; off, for the\n"
           "                         taker only (default off)\n"
           "  --official-handfuls on|off  the measured deals are played with the official handfuls: a\n"
           "                         computer seat with 10 trumps or more may show them (default off)\n"
           "  --expert-handfuls on|off  the Expert decides its handfuls by imagined deals; off, it shows\n"
           "                         the largest it can, as every level (default on)\n"
           "  --seats                each deal is played five times from its auction: one seat at A and\n"
           "                         the three others at B, for each seat, and all four at B; A's gain is\n"
           "                         what its seat makes over the same seat at B, summed over the four\n"
           "                         seats (as taker: the plays where A's seat took); every deal dealt\n"
           "                         counts, also when everybody passed\n"
           "  --skip N               pass over the first N deals that would be measured (dealt and bid,\n"
           "                         not played): two runs of N deals, the second with --skip N, give\n"
           "                         the records of one run of 2N (not with --seats)\n"
           "Each deal is dealt, bid and discarded once, then played twice from the same state:\n"
           "A's taker against B's three defenders, and B's taker against A's defenders.\n"
           "The first line of results gives A's mean gain a deal over its two plays (the global-score\n"
           "change of A's seats) with its 95 % interval; then A as taker and in defence, each side's\n"
           "taker success by contract, the deals and the seconds.\n";
}

bool analyserArgumentsDuel(int argc, const char* const* argv, ParametresDuel& p, std::string& erreur) {
    bool aDonne = false, bDonne = false, dealsDonne = false;
    const std::string niveaux = "a number from 0 to " + std::to_string(NIVEAU_EXPERT);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* suivant = i + 1 < argc ? argv[i + 1] : nullptr;
        long long v = 0;
        if (arg == "--help" || arg == "-h") {
            p.aide = true;
        } else if (arg == "--a" || arg == "--b") {
            if (!lireEntier(suivant, 0, NIVEAU_EXPERT, v)) {
                erreur = arg + " takes " + niveaux;
                return false;
            }
            (arg == "--a" ? p.a : p.b) = static_cast<int>(v);
            (arg == "--a" ? aDonne : bDonne) = true;
            ++i;
        } else if (arg == "--deals") {
            if (!lireEntier(suivant, 1, 1'000'000'000LL, v)) {
                erreur = "--deals takes a whole number of 1 or more";
                return false;
            }
            p.deals = v;
            dealsDonne = true;
            ++i;
        } else if (arg == "--seed") {
            if (!lireEntier(suivant, 0, INT64_MAX, v)) {
                erreur = "--seed takes a whole number of 0 or more";
                return false;
            }
            p.seed = static_cast<std::uint64_t>(v);
            ++i;
        } else if (arg == "--adaptive-a" || arg == "--adaptive-b") {
            if (!lireMode(suivant, arg == "--adaptive-a" ? p.adaptatifA : p.adaptatifB)) {
                erreur = arg + " takes on or off";
                return false;
            }
            ++i;
        } else if (arg == "--warmup") {
            if (!lireEntier(suivant, 0, 1'000'000'000LL, v)) {
                erreur = "--warmup takes a whole number of 0 or more";
                return false;
            }
            p.warmup = v;
            ++i;
        } else if (arg == "--expert-tricks") {
            if (!lireEntier(suivant, 1, 18, v)) {
                erreur = "--expert-tricks takes a number from 1 to 18";
                return false;
            }
            p.expert.plisRestants = static_cast<int>(v);
            ++i;
        } else if (arg == "--expert-samples") {
            if (!lireEntier(suivant, 1, 1000, v)) {
                erreur = "--expert-samples takes a number from 1 to 1000";
                return false;
            }
            p.expert.echantillons = static_cast<int>(v);
            ++i;
        } else if (arg == "--expert-nodes") {
            if (!lireEntier(suivant, 0, INT64_MAX, v)) {
                erreur = "--expert-nodes takes a whole number of 0 or more";
                return false;
            }
            p.expert.noeuds = v;
            ++i;
        } else if (arg == "--expert-bids") {
            if (!lireMode(suivant, p.expert.enchereParSimulation)) {
                erreur = "--expert-bids takes on or off";
                return false;
            }
            ++i;
        } else if (arg == "--expert-discard") {
            if (!lireMode(suivant, p.expert.ecartParSimulation)) {
                erreur = "--expert-discard takes on or off";
                return false;
            }
            ++i;
        } else if (arg == "--expert-auction") {
            if (!lireEntier(suivant, 1, 100000, v)) {
                erreur = "--expert-auction takes a number from 1 to 100000";
                return false;
            }
            p.expert.essaisEnchere = static_cast<int>(v);
            ++i;
        } else if (arg == "--expert-legal") {
            if (!lireMode(suivant, p.expert.jeuLegal)) {
                erreur = "--expert-legal takes on or off";
                return false;
            }
            ++i;
        } else if (arg == "--expert-playouts") {
            if (!lireEntier(suivant, 0, 1000, v)) {
                erreur = "--expert-playouts takes a number from 0 to 1000";
                return false;
            }
            p.expert.partiesPro = static_cast<int>(v);
            ++i;
        } else if (arg == "--expert-discard-samples") {
            if (!lireEntier(suivant, 1, 10000, v)) {
                erreur = "--expert-discard-samples takes a number from 1 to 10000";
                return false;
            }
            p.expert.ecart.echantillons = static_cast<int>(v);
            p.expert.ecart.echantillonsFinale = 2 * static_cast<int>(v);
            ++i;
        } else if (arg == "--expert-playouts-defence") {
            if (!lireMode(suivant, p.expert.partiesProDefense)) {
                erreur = "--expert-playouts-defence takes on or off";
                return false;
            }
            ++i;
        } else if (arg == "--skip") {
            if (!lireEntier(suivant, 0, 100000000, v)) {
                erreur = "--skip takes a number from 0 to 100000000";
                return false;
            }
            p.sauter = v;
            ++i;
        } else if (arg == "--official-handfuls") {
            if (!lireMode(suivant, p.poigneesOfficielles)) {
                erreur = "--official-handfuls takes on or off";
                return false;
            }
            ++i;
        } else if (arg == "--expert-handfuls") {
            if (!lireMode(suivant, p.expert.poigneeParSimulation)) {
                erreur = "--expert-handfuls takes on or off";
                return false;
            }
            ++i;
        } else if (arg == "--seats") {
            p.parSiege = true;
        } else if (arg == "--jsonl") {
            p.jsonl = true;
        } else {
            erreur = "unknown argument: " + arg;
            return false;
        }
    }
    if (p.aide) return true;
    if (!aDonne || !bDonne) {
        erreur = "--a X and --b Y are required";
        return false;
    }
    if (!dealsDonne) {
        erreur = "--deals N is required";
        return false;
    }
    if (p.parSiege && p.sauter > 0) {
        erreur = "--skip does not go with --seats";
        return false;
    }
    return true;
}

ResultatDuel jouerDuel(const ParametresDuel& p, std::ostream* jsonl) {
    const auto debut = std::chrono::steady_clock::now();
    ResultatDuel r;
    Jeu jeu;
    MinuteursManuels minuteurs;
    jeu.minuteurs = &minuteurs;
    if (p.seed) jeu.hasard.horloge = horlogeDeterministe(*p.seed);
    initialiserPartie(jeu);
    jeu.finDeDonne = finDeDonne;
    optionsParDefaut(jeu);  // in memory only: nothing is saved

    // The Expert seats' own generator follows the seed too.
    const std::uint64_t graineExpert = p.seed ? *p.seed : std::random_device{}();
    auto expert = std::make_shared<Expert>(graineExpert, p.expert);
    // Each play of each deal starts the Expert's generator afresh, so that two
    // runs differing in one Expert setting stay aligned deal by deal.
    // Its solver forgets what it found, so that a run shared out (--skip) is the same run.
    const auto reprendre = [&](long long n, int jeuNumero) {
        expert->generateur.seed(graineJeu(graineExpert, n, jeuNumero));
        expert->solveur.oublier();
    };
    const NiveauSiege a{p.a, p.adaptatifA};
    const NiveauSiege b{p.b, p.adaptatifB};

    if (p.warmup > 0) {
        NiveauxSieges tous;
        tous.remplir(a);
        installerNiveauxSiegesExpert(jeu, tous, expert);
        Controleur sansControle;
        for (long long joues = 0; joues < p.warmup;) {
            nouvelleDonne(jeu, 0);
            const IssueDonne issue = jouerDonneAutomatique(jeu, minuteurs, sansControle);
            if (issue == IssueDonne::Interrompue) {
                r.erreur = "a warm-up deal stalled";
                return r;
            }
            if (issue == IssueDonne::Jouee) ++joues;
        }
        jeu.choixOrdinateur = nullptr;
        jeu.enchereOrdinateur = nullptr;
        jeu.poigneeOrdinateur = nullptr;
    }
    // Set after the warm-up: the deals dealt from here on carry the rule.
    if (p.poigneesOfficielles) jeu.options.optionPoigneesOrdinateurs = 1;

    Json j;
    for (long long n = 1; p.parSiege && n <= p.deals; ++n) {
        nouvelleDonne(jeu, 0);
        reprendre(n, 0);
        const PartieSiege tousB = jouerSiege(jeu, minuteurs, 0, a, b, expert);
        double ecart = 0, preneur = 0, defense = 0;
        bool jouee = tousB.jouee;
        for (int s = 1; s <= 4 && jouee; ++s) {
            reprendre(n, s);
            const PartieSiege unA = jouerSiege(jeu, minuteurs, s, a, b, expert);
            jouee = unA.jouee;
            const double gain = unA.gain(s) - tousB.gain(s);
            ecart += gain;
            (unA.preneur == s ? preneur : defense) += gain;
            if (unA.preneur == s) compter(r.contratsA, Partie{unA.scorePreneur, unA.contrat, true});
        }
        if (!jouee) {
            r.erreur = "deal " + std::to_string(n) + " stalled";
            return r;
        }
        if (tousB.preneur != 0) compter(r.contratsB, Partie{tousB.scorePreneur, tousB.contrat, true});
        r.ecart.ajouter(ecart);
        r.preneur.ajouter(preneur);
        r.defense.ajouter(defense);
        if (jsonl) {
            j.vider();
            j.debutObjet();
            j.cle("deal").entier(n);
            j.cle("first").entier(jeu.donne.premierJoueur);
            j.cle("b_taker").entier(tousB.preneur);
            j.cle("a").entier(static_cast<long long>(ecart));
            j.cle("a_taking").entier(static_cast<long long>(preneur));
            j.cle("a_defending").entier(static_cast<long long>(defense));
            j.finObjet();
            j.finLigne();
            *jsonl << j.texte();
        }
    }
    for (long long n = 1; !p.parSiege && r.ecart.n() < p.deals;) {
        // Only the preparation runs on this game: it never plays a card, so the
        // deals that follow do not depend on the levels measured.
        nouvelleDonne(jeu, 0);
        const IssueDonne issue = preparerDonneAutomatique(jeu, minuteurs);
        if (issue == IssueDonne::SansPreneur) continue;
        if (issue != IssueDonne::Prete) {
            r.erreur = "deal " + std::to_string(n) + " stalled before its first card";
            return r;
        }
        if (n <= p.sauter) {
            ++n;
            continue;
        }
        reprendre(n, 1);
        const Partie aPrend = jouerLigne(jeu, minuteurs, a, b, expert);
        reprendre(n, 2);
        const Partie bPrend = jouerLigne(jeu, minuteurs, b, a, expert);
        if (!aPrend.jouee || !bPrend.jouee) {
            r.erreur = "deal " + std::to_string(n) + " stalled";
            return r;
        }
        // A taking: its one seat gets the taker's score; A defending: its three
        // seats pay the taker's score between them.
        r.preneur.ajouter(aPrend.scorePreneur);
        r.defense.ajouter(-bPrend.scorePreneur);
        r.ecart.ajouter(aPrend.scorePreneur - bPrend.scorePreneur);
        compter(r.contratsA, aPrend);
        compter(r.contratsB, bPrend);
        if (jsonl) {
            j.vider();
            j.debutObjet();
            j.cle("deal").entier(n);
            j.cle("first").entier(jeu.donne.premierJoueur);
            j.cle("taker").entier(jeu.donne.preneur);
            j.cle("contract").entier(aPrend.contrat);
            j.cle("a_taking").entier(aPrend.scorePreneur);
            j.cle("b_taking").entier(bPrend.scorePreneur);
            j.cle("a").entier(aPrend.scorePreneur - bPrend.scorePreneur);
            j.finObjet();
            j.finLigne();
            *jsonl << j.texte();
        }
        ++n;
    }
    r.secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    r.secondesExpert = expert->secondes;
    r.echantillonsExpert = expert->echantillons;
    r.secondesParties = expert->secondesParties;
    r.partiesExpert = expert->parties;
    for (int c = 0; c < 2; ++c) {
        r.poigneesPossibles[c] = expert->poigneesPossibles[c];
        r.poigneesRefusees[c] = expert->poigneesRefusees[c];
    }
    return r;
}

std::string rapportDuel(const ParametresDuel& p, const ResultatDuel& r) {
    const std::string a = nomJoueur(p.a, p.adaptatifA);
    const std::string b = nomJoueur(p.b, p.adaptatifB);
    std::string t = a + " against " + b + ": " + signe(r.ecart.moyenne(), r.ecart.demiLargeur()) +
                    " points a deal (95 % interval)\n";
    t += "  as taker:   " + signe(r.preneur.moyenne(), r.preneur.demiLargeur()) + "\n";
    t += "  in defence: " + signe(r.defense.moyenne(), r.defense.demiLargeur()) + "\n";
    t += ligneContrats(a, r.contratsA);
    t += ligneContrats(b, r.contratsB);
    t += ligneTemps("cards chosen by sampling", r.secondesExpert, r.echantillonsExpert);
    t += ligneTemps("cards chosen by play-outs", r.secondesParties, r.partiesExpert);
    if (r.poigneesPossibles[0] + r.poigneesPossibles[1] > 0) {
        char ligne[160];
        std::snprintf(ligne, sizeof ligne, "  Expert handfuls kept hidden: %lld of %lld as taker, %lld of %lld in defence\n",
                      r.poigneesRefusees[0], r.poigneesPossibles[0], r.poigneesRefusees[1], r.poigneesPossibles[1]);
        t += ligne;
    }
    char fin[128];
    std::snprintf(fin, sizeof fin, "deals: %lld, warm-up: %lld, seconds: %.3f\n", r.ecart.n(), p.warmup,
                  r.secondes);
    return t + fin;
}

int executerDuel(const ParametresDuel& p, std::ostream& sortie, std::ostream& erreurs) {
    const ResultatDuel r = jouerDuel(p, p.jsonl ? &sortie : nullptr);
    if (!r.erreur.empty()) {
        erreurs << "belvane-duel: " << r.erreur << "\n";
        return 1;
    }
    sortie << rapportDuel(p, r);
    return 0;
}
