#include "tools/autoplay/autoplay.h"

#include <chrono>
#include <cstdio>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ostream>

#include "engine/distribution.h"
#include "engine/jeu.h"
#include "tools/autoplay/json.h"

namespace {

bool lireEntier(const char* texte, long long min, long long max, long long& valeur) {
    if (texte == nullptr || *texte == '\0') return false;
    char* fin = nullptr;
    errno = 0;
    const long long v = std::strtoll(texte, &fin, 10);
    if (errno != 0 || *fin != '\0' || v < min || v > max) return false;
    valeur = v;
    return true;
}

// FNV-1a, 64 bits: the run's checksum.
std::uint64_t hacher(std::uint64_t h, const std::string& s) {
    for (unsigned char c : s) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

std::string enregistrer(const Jeu& jeu, long long numero, int tentatives) {
    const Donne& d = jeu.donne;
    Json j;
    j.debutObjet();
    j.cle("deal").entier(numero);
    j.cle("first").entier(d.premierJoueur);
    j.cle("hands").debutListe();
    for (int s = 1; s <= 4; ++s) {
        j.debutListe();
        for (int i = 1; i <= 18; ++i) j.carte(d.mainInitiale[s][i]);
        j.finListe();
    }
    j.finListe();
    j.cle("dog").debutListe();
    for (int i = 1; i <= 6; ++i) j.carte(d.chienInitial[i]);
    j.finListe();
    j.cle("ratings").debutListe();
    for (int s = 1; s <= 4; ++s) j.entier(d.niveauMain[s]);
    j.finListe();
    j.cle("attempts").entier(tentatives);
    j.finObjet();
    return j.texte();
}

}  // namespace

std::string usageAutoplay() {
    return "usage: belvane-autoplay --deals N [--seed S] [--force 1..6] [--at-least-one-taker] [--jsonl]\n"
           "  --deals N              deals to play (1 or more)\n"
           "  --seed S               reproducible run: the clock behind each reseed follows S\n"
           "  --force 1..6           strength of seat 1's hand, as the game's hand-strength menu (default 2)\n"
           "  --at-least-one-taker   deal again any fresh deal in which no hand can bid\n"
           "  --jsonl                print one JSON record per deal\n"
           "The last line sums up the run: deals, attempts, seconds, deals/s and a checksum\n"
           "of every record of the run (printed or not).\n";
}

bool analyserArguments(int argc, const char* const* argv, ParametresAutoplay& p, std::string& erreur) {
    bool dealsDonne = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* suivant = i + 1 < argc ? argv[i + 1] : nullptr;
        long long v = 0;
        if (arg == "--help" || arg == "-h") {
            p.aide = true;
        } else if (arg == "--deals") {
            if (!lireEntier(suivant, 1, 1'000'000'000'000LL, v)) {
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
        } else if (arg == "--force") {
            if (!lireEntier(suivant, 1, 6, v)) {
                erreur = "--force takes a number from 1 to 6";
                return false;
            }
            p.force = static_cast<int>(v);
            ++i;
        } else if (arg == "--at-least-one-taker") {
            p.auMoinsUnPreneur = true;
        } else if (arg == "--jsonl") {
            p.jsonl = true;
        } else {
            erreur = "unknown argument: " + arg;
            return false;
        }
    }
    if (!dealsDonne && !p.aide) {
        erreur = "--deals N is required";
        return false;
    }
    return true;
}

int executerAutoplay(const ParametresAutoplay& p, std::ostream& sortie, std::ostream&) {
    Jeu jeu;
    if (p.seed) jeu.hasard.horloge = horlogeDeterministe(*p.seed);
    jeu.options.optionForceMain = p.force;
    jeu.options.optionAuMoinsUneMainDePrise = p.auMoinsUnPreneur ? 1 : 0;

    std::uint64_t somme = 14695981039346656037ull;
    long long tentatives = 0;
    const auto debut = std::chrono::steady_clock::now();
    for (long long n = 1; n <= p.deals; ++n) {
        const int k = distribuer(jeu, 0);
        tentatives += k;
        std::string ligne = enregistrer(jeu, n, k);
        ligne += '\n';
        somme = hacher(somme, ligne);
        if (p.jsonl) sortie << ligne;
    }
    const double secondes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    char resume[200];
    std::snprintf(resume, sizeof resume, "deals: %lld, attempts: %lld, seconds: %.3f, deals/s: %.0f, checksum: %016llx\n",
                  p.deals, tentatives, secondes, secondes > 0 ? p.deals / secondes : 0.0,
                  static_cast<unsigned long long>(somme));
    sortie << resume;
    return 0;
}
