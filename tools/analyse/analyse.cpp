#include "tools/analyse/analyse.h"

#include "analyse/analyse_donne.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <ostream>

namespace {

using Horloge = std::chrono::steady_clock;

std::string nomCarte(const Carte& c) { return "[" + std::to_string(c.couleur) + "," + std::to_string(c.valeur) + "]"; }

bool lireEntier(const QJsonValue& v, int min, int max, int& x) {
    if (!v.isDouble()) return false;
    const double d = v.toDouble();
    if (d != std::floor(d) || d < min || d > max) return false;
    x = static_cast<int>(d);
    return true;
}

bool lireCarte(const QJsonValue& v, Carte& c) {
    const QJsonArray a = v.toArray();
    if (!v.isArray() || a.size() != 2) return false;
    int couleur = 0, valeur = 0;
    if (!lireEntier(a[0], ATOUT, CARREAU, couleur) || !lireEntier(a[1], 0, 21, valeur)) return false;
    if (couleur == ATOUT ? valeur > 21 : valeur < 1 || valeur > 14) return false;
    c = carte(couleur, valeur);
    return true;
}

bool lireCartes(const QJsonValue& v, int nb, std::vector<Carte>& cartes) {
    const QJsonArray a = v.toArray();
    if (!v.isArray() || a.size() != nb) return false;
    cartes.clear();
    for (const QJsonValue& x : a) {
        Carte c;
        if (!lireCarte(x, c)) return false;
        cartes.push_back(c);
    }
    return true;
}

bool contient(const std::vector<Carte>& cartes, const Carte& c) {
    return std::any_of(cartes.begin(), cartes.end(), [&](const Carte& x) { return x.memeCarte(c); });
}

char* ecrireValeur(char* t, std::size_t n, const Resultat& r) {
    if (r.exact) std::snprintf(t, n, "%d", r.valeur);
    else std::snprintf(t, n, "null");
    return t;
}

// The value is positive exactly when the contract is made.
int realisableDesBornes(const Resultat& r) {
    if (r.exact) return r.valeur > 0 ? 1 : 0;
    return r.borneBasse > 0 ? 1 : r.borneHaute <= 0 ? 0 : -1;
}

// When the value search left the contract's fate open, the one question
// "can it be made?" within a budget of its own; its bounds narrow the
// value's. Answers 1, 0 or -1 (still open).
int realisable(Solveur& solveur, const Position& p, const Budget& budget, Resultat& r) {
    const int connu = realisableDesBornes(r);
    if (connu >= 0) return connu;
    const Resultat q = solveur.realisable(p, budget);
    r.noeuds += q.noeuds;
    r.borneBasse = std::max(r.borneBasse, q.borneBasse);
    r.borneHaute = std::min(r.borneHaute, q.borneHaute);
    if (r.borneBasse >= r.borneHaute) {
        r.exact = true;
        r.valeur = r.borneBasse;
    }
    return q.contratRealisable >= 0 ? q.contratRealisable : realisableDesBornes(r);
}

const char* ecrireRealisable(int fait) { return fait == 1 ? "1" : fait == 0 ? "0" : "null"; }

}  // namespace

std::string usageAnalyse() {
    return "usage: belvane-analyse [--budget SECONDS] [--threads N] < records.jsonl\n"
           "  Reads the records of belvane-autoplay --jsonl on standard input and prints, for\n"
           "  every deal with a taker, the open-cards value of the deal (the taker's score when\n"
           "  all four seats play perfectly with every card known, without handful):\n"
           "  {\"deal\":i,\"start\":V0,\"after\":[V1,...,V72],\"make\":[M0,...,M72],\"score\":S,\n"
           "   \"seconds_start\":T0,\"seconds\":T,\"nodes\":N}\n"
           "  V0 before the first card, Vk after the k-th card, Mk whether the contract could\n"
           "  still be made there (1 yes, 0 no), S the score the deal got, T0 the seconds V0 and\n"
           "  M0 took, T those of the whole deal, N the cards tried by the search.\n"
           "  A value the budget could not settle is null; \"start_bounds\":[low,high] and\n"
           "  \"after_bounds\":[[k,low,high],...] then give what was proven. Where the value\n"
           "  leaves the contract open, the question \"can it be made?\" alone, far cheaper,\n"
           "  gets a budget of its own; Mk is null when that too ran out.\n"
           "  --budget SECONDS   time allowed for each position's value, and as much again for\n"
           "                     its makeability when needed (default 10)\n"
           "  --threads N        threads each search may use (default 1)\n"
           "  A record that cannot be analysed is named on standard error and skipped; the\n"
           "  exit status is then 1.\n";
}

bool analyserArgumentsAnalyse(int argc, const char* const* argv, ParametresAnalyse& p, std::string& erreur) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            p.aide = true;
        } else if (arg == "--budget") {
            const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
            char* fin = nullptr;
            const double b = v ? std::strtod(v, &fin) : 0;
            if (v == nullptr || *v == '\0' || *fin != '\0' || !(b > 0) || b > 1e6) {
                erreur = "--budget takes a number of seconds above 0";
                return false;
            }
            p.budget = b;
            ++i;
        } else if (arg == "--threads") {
            const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
            char* fin = nullptr;
            const long n = v ? std::strtol(v, &fin, 10) : 0;
            if (v == nullptr || *v == '\0' || *fin != '\0' || n < 1 || n > 256) {
                erreur = "--threads takes a whole number from 1 to 256";
                return false;
            }
            p.fils = static_cast<int>(n);
            ++i;
        } else {
            erreur = "unknown argument: " + arg;
            return false;
        }
    }
    return true;
}

bool lireDonne(const std::string& ligne, DonneLue& d, std::string& erreur) {
    d = DonneLue{};
    QJsonParseError e;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(ligne), &e);
    if (e.error != QJsonParseError::NoError || !doc.isObject()) {
        erreur = "not a JSON object";
        return false;
    }
    const QJsonObject o = doc.object();
    int numero = 0;
    if (lireEntier(o["deal"], 1, 2000000000, numero)) d.numero = numero;
    int preneur = 0, contrat = 0, premier = 0;
    if (!lireEntier(o["taker"], 0, 4, preneur)) {
        erreur = "no taker field";
        return false;
    }
    if (preneur == 0) return true;
    d.avecPreneur = true;
    if (!lireEntier(o["contract"], PRISE, GARDE_CONTRE, contrat)) {
        erreur = "no contract";
        return false;
    }
    if (!lireEntier(o["first"], 1, 4, premier)) {
        erreur = "no first seat";
        return false;
    }
    std::vector<Carte> mains[4], chien, ecart;
    const QJsonArray hands = o["hands"].toArray();
    if (hands.size() != 4) {
        erreur = "not four hands";
        return false;
    }
    for (int s = 0; s < 4; ++s)
        if (!lireCartes(hands[s], 18, mains[s])) {
            erreur = "hand " + std::to_string(s + 1) + " is not 18 cards";
            return false;
        }
    if (!lireCartes(o["dog"], 6, chien)) {
        erreur = "the dog is not 6 cards";
        return false;
    }
    if (!lireCartes(o["discard"], 6, ecart)) {
        erreur = "the discard is not 6 cards";
        return false;
    }
    // The pack: every card once.
    std::vector<Carte> vues = chien;
    for (const auto& m : mains)
        for (const Carte& c : m) {
            if (contient(vues, c)) {
                erreur = "card " + nomCarte(c) + " dealt twice";
                return false;
            }
            vues.push_back(c);
        }
    for (size_t i = 0; i < chien.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            if (chien[i].memeCarte(chien[j])) {
                erreur = "card " + nomCarte(chien[i]) + " dealt twice";
                return false;
            }

    // The taker's hand after the discard: under Prise and Garde the dog
    // joins it and the discard leaves it; otherwise the dog stays aside.
    std::vector<Carte>& mainPreneur = mains[preneur - 1];
    if (contrat == PRISE || contrat == GARDE) {
        std::vector<Carte> tout = mainPreneur;
        tout.insert(tout.end(), chien.begin(), chien.end());
        for (const Carte& c : ecart) {
            const auto it = std::find_if(tout.begin(), tout.end(), [&](const Carte& x) { return x.memeCarte(c); });
            if (it == tout.end()) {
                erreur = "discarded card " + nomCarte(c) + " was not the taker's";
                return false;
            }
            tout.erase(it);
        }
        mainPreneur = tout;
    } else {
        for (const Carte& c : ecart)
            if (!contient(chien, c)) {
                erreur = "the dog set aside is not the dog dealt";
                return false;
            }
    }

    Position& p = d.depart;
    p.preneur = preneur;
    p.contrat = contrat;
    p.entameur = p.joueur = premier;
    for (int s = 1; s <= 4; ++s) {
        p.nbCartes[s] = 18;
        for (int i = 1; i <= 18; ++i) p.mains[s][i] = mains[s - 1][static_cast<std::size_t>(i - 1)];
    }
    for (int i = 1; i <= 6; ++i) p.chien[i] = ecart[static_cast<std::size_t>(i - 1)];
    std::string pourquoi;
    if (!verifierPosition(p, &pourquoi)) {
        erreur = pourquoi;
        return false;
    }

    // The tricks, replayed card by card by the game's rules.
    const QJsonArray plis = o["tricks"].toArray();
    if (plis.size() != 18) {
        erreur = "not 18 tricks";
        return false;
    }
    lireEntier(o["score_taker"], -100000, 100000, d.scoreJoue);
    Position q = p;
    for (int t = 0; t < 18; ++t) {
        const QJsonObject pli = plis[t].toObject();
        int entameur = 0;
        std::vector<Carte> cartes;
        const std::string nomPli = "trick " + std::to_string(t + 1);
        if (!lireEntier(pli["leader"], 1, 4, entameur) || !lireCartes(pli["cards"], 4, cartes)) {
            erreur = nomPli + " is not a leader and 4 cards";
            return false;
        }
        if (entameur != q.entameur) {
            erreur = nomPli + " led by seat " + std::to_string(entameur) + ", not by its winner " + std::to_string(q.entameur);
            return false;
        }
        for (const Carte& c : cartes) {
            const int s = q.joueur;
            bool tenue = false;
            for (int i = 1; i <= q.nbCartes[s]; ++i) tenue = tenue || q.mains[s][i].memeCarte(c);
            if (!tenue) {
                erreur = nomPli + ": seat " + std::to_string(s) + " does not hold " + nomCarte(c);
                return false;
            }
            if (!jouerCarte(q, c)) {
                erreur = nomPli + ": seat " + std::to_string(s) + " may not play " + nomCarte(c);
                return false;
            }
            d.cartes.push_back(c);
        }
    }
    return true;
}

int executerAnalyse(const ParametresAnalyse& p, std::istream& entree, std::ostream& sortie, std::ostream& erreurs) {
    Solveur solveur;
    Budget budget;
    budget.secondes = p.budget;
    budget.fils = p.fils;
    int statut = 0;
    std::string ligne;
    long long numeroLigne = 0;
    std::string texte;
    while (std::getline(entree, ligne)) {
        ++numeroLigne;
        if (ligne.find_first_not_of(" \t\r") == std::string::npos) continue;
        // belvane-autoplay ends its output with a summary line.
        if (ligne.rfind("deals: ", 0) == 0) continue;
        DonneLue d;
        std::string erreur;
        if (!lireDonne(ligne, d, erreur)) {
            if (d.numero != 0) erreurs << "belvane-analyse: deal " << d.numero << ": " << erreur << "\n";
            else erreurs << "belvane-analyse: line " << numeroLigne << ": " << erreur << "\n";
            statut = 1;
            continue;
        }
        if (!d.avecPreneur) continue;

        const auto debut = Horloge::now();
        long long noeuds = 0;
        // Positions of another deal share nothing with this one.
        solveur.oublier();
        // The game's analysis window walks the deal the same way.
        const AnalyseDonne analyse(DonneJouee{d.depart, d.cartes});
        Resultat depart = analyse.resoudre(solveur, 0, budget);
        std::vector<int> fait(static_cast<std::size_t>(analyse.nbCartes() + 1));
        fait[0] = realisable(solveur, analyse.position(0), budget, depart);
        const double secondesDepart = std::chrono::duration<double>(Horloge::now() - debut).count();
        noeuds += depart.noeuds;
        // The positions after each card, solved from the last one back: each
        // leaves in the table the positions the one before it will meet.
        std::vector<Resultat> apres(static_cast<std::size_t>(analyse.nbCartes()));
        for (int k = analyse.nbCartes(); k >= 1; --k) {
            const Resultat* suivant = k < analyse.nbCartes() ? &apres[static_cast<std::size_t>(k)] : nullptr;
            Resultat& r = apres[static_cast<std::size_t>(k - 1)];
            r = analyse.resoudre(solveur, k, budget, suivant);
            fait[static_cast<std::size_t>(k)] = realisable(solveur, analyse.position(k), budget, r);
            noeuds += r.noeuds;
        }
        const Position& q = analyse.position(analyse.nbCartes());
        const double secondes = std::chrono::duration<double>(Horloge::now() - debut).count();

        char t[64];
        texte = "{\"deal\":" + std::to_string(d.numero != 0 ? d.numero : numeroLigne);
        texte += ",\"start\":";
        texte += ecrireValeur(t, sizeof t, depart);
        texte += ",\"after\":[";
        for (std::size_t k = 0; k < apres.size(); ++k) {
            if (k) texte += ',';
            texte += ecrireValeur(t, sizeof t, apres[k]);
        }
        texte += "],\"make\":[";
        for (std::size_t k = 0; k < fait.size(); ++k) {
            if (k) texte += ',';
            texte += ecrireRealisable(fait[k]);
        }
        texte += "],\"score\":" + std::to_string(scoreFinal(q));
        std::snprintf(t, sizeof t, ",\"seconds_start\":%.6f,\"seconds\":%.6f", secondesDepart, secondes);
        texte += t;
        texte += ",\"nodes\":" + std::to_string(noeuds);
        if (!depart.exact)
            texte += ",\"start_bounds\":[" + std::to_string(depart.borneBasse) + "," + std::to_string(depart.borneHaute) + "]";
        std::string bornes;
        for (std::size_t k = 0; k < apres.size(); ++k) {
            if (apres[k].exact) continue;
            if (!bornes.empty()) bornes += ',';
            bornes += "[" + std::to_string(k + 1) + "," + std::to_string(apres[k].borneBasse) + "," +
                      std::to_string(apres[k].borneHaute) + "]";
        }
        if (!bornes.empty()) texte += ",\"after_bounds\":[" + bornes + "]";
        texte += "}\n";
        sortie << texte << std::flush;
    }
    return statut;
}
