#include "tools/autoplay/autoplay.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string_view>

#include "engine/jeu.h"
#include "engine/niveaux.h"
#include "flow/deroulement.h"
#include "flow/minuteurs_manuels.h"
#include "historique/code_donne.h"
#include "tools/autoplay/historique_auto.h"
#include "scoring/score.h"
#include "settings/magasin_qsettings.h"
#include "settings/options.h"
#include "tools/autoplay/json.h"
#include "tools/autoplay/partie_auto.h"
#include "tools/autoplay/verification.h"

bool lireEntier(const char* texte, long long min, long long max, long long& valeur) {
    if (texte == nullptr || *texte == '\0') return false;
    char* fin = nullptr;
    errno = 0;
    const long long v = std::strtoll(texte, &fin, 10);
    if (errno != 0 || *fin != '\0' || v < min || v > max) return false;
    valeur = v;
    return true;
}

namespace {

// The four comma-separated fields of `texte`; false unless there are exactly four.
bool quatreChamps(const char* texte, std::array<std::string, 4>& champs) {
    if (texte == nullptr) return false;
    const std::string t = texte;
    std::size_t debut = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t fin = i < 3 ? t.find(',', debut) : t.size();
        if (fin == std::string::npos) return false;
        champs[i] = t.substr(debut, fin - debut);
        debut = fin + 1;
    }
    return champs[3].find(',') == std::string::npos;
}

}  // namespace

bool lireQuatreNiveaux(const char* texte, int max, std::array<int, 4>& niveaux) {
    std::array<std::string, 4> champs;
    if (!quatreChamps(texte, champs)) return false;
    for (std::size_t i = 0; i < 4; ++i) {
        long long v = 0;
        if (!lireEntier(champs[i].c_str(), 0, max, v)) return false;
        niveaux[i] = static_cast<int>(v);
    }
    return true;
}

bool lireQuatreModes(const char* texte, std::array<bool, 4>& modes) {
    std::array<std::string, 4> champs;
    if (!quatreChamps(texte, champs)) return false;
    for (std::size_t i = 0; i < 4; ++i) {
        if (champs[i] != "on" && champs[i] != "off") return false;
        modes[i] = champs[i] == "on";
    }
    return true;
}

namespace {

// FNV-1a, 64 bits: the run's checksum, byte after byte; eight to a turn of
// the loop, since a run hashes some 3000 bytes a deal.
std::uint64_t hacher(std::uint64_t h, std::string_view s) {
    constexpr std::uint64_t premier = 1099511628211ull;
    const auto* o = reinterpret_cast<const unsigned char*>(s.data());
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        h = (h ^ o[i]) * premier;
        h = (h ^ o[i + 1]) * premier;
        h = (h ^ o[i + 2]) * premier;
        h = (h ^ o[i + 3]) * premier;
        h = (h ^ o[i + 4]) * premier;
        h = (h ^ o[i + 5]) * premier;
        h = (h ^ o[i + 6]) * premier;
        h = (h ^ o[i + 7]) * premier;
    }
    for (; i < s.size(); ++i) h = (h ^ o[i]) * premier;
    return h;
}

void listeCartes(Json& j, const Chien& cartes) {
    j.debutListe();
    for (int i = 1; i <= 6; ++i) j.carte(cartes[i]);
    j.finListe();
}

// One deal's record, written into `j` (cleared first, so its buffer is reused).
// `niveaux`: the players seated per seat, when the run seats them.
void enregistrer(Json& j, const Jeu& jeu, long long numero, bool jouee, const NiveauxSieges* niveaux) {
    const Donne& d = jeu.donne;
    j.vider();
    j.debutObjet();
    j.cle("deal").entier(numero);
    j.cle("first").entier(d.premierJoueur);
    j.cle("code").chaine(codeDonne(d));
    if (niveaux) {
        j.cle("levels").debutListe();
        for (int s = 1; s <= 4; ++s) j.entier((*niveaux)[s].niveau);
        j.finListe();
        j.cle("adaptive").debutListe();
        for (int s = 1; s <= 4; ++s) j.entier((*niveaux)[s].adaptatif ? 1 : 0);
        j.finListe();
    }
    j.cle("hands").debutListe();
    for (int s = 1; s <= 4; ++s) {
        j.debutListe();
        for (int i = 1; i <= 18; ++i) j.carte(d.mainInitiale[s][i]);
        j.finListe();
    }
    j.finListe();
    j.cle("dog");
    listeCartes(j, d.chienInitial);
    j.cle("ratings").debutListe();
    for (int s = 1; s <= 4; ++s) j.entier(d.niveauMain[s]);
    j.finListe();
    j.cle("attempts").entier(d.tentatives);
    j.cle("bids").debutListe();
    for (int s = 1; s <= 4; ++s) j.entier(d.enchere[s]);
    j.finListe();
    // The rules that imposed a card, in the order they did, with the seat served.
    j.cle("rules").debutListe();
    for (int k = 1; k <= jeu.regles.nbReglesUtilisees; ++k) {
        j.debutListe();
        j.entier(jeu.regles.regleUtilisee[k]);
        j.entier(jeu.regles.joueurRegleUtilisee[k]);
        j.finListe();
    }
    j.finListe();
    j.cle("taker").entier(jouee ? d.preneur : 0);
    j.cle("contract").entier(jouee ? d.contrat : 0);
    if (jouee) {
        j.cle("discard");
        listeCartes(j, d.chien);
        j.cle("tricks").debutListe();
        for (int t = 1; t <= 18; ++t) {
            j.debutObjet();
            j.cle("leader").entier(d.entameurPli[t]);
            j.cle("cards").debutListe();
            for (int k = 0, s = d.entameurPli[t]; k < 4; ++k, s = siegeSuivant(s))
                j.carte(d.mainJoueur[s][d.carteJouee[s][t]]);
            j.finListe();
            j.finObjet();
        }
        j.finListe();
        j.cle("points_taker").entier(d.pointsPreneur);
        j.cle("bouts_taker").entier(d.boutsPreneur);
        j.cle("points_to_make").entier(d.pointsAFaire);
        j.cle("petit_au_bout").entier(d.petitAuBout);
        j.cle("score_taker").entier(calculerScoreDonne(jeu));
        // Only with the official rules, so that the game's own records stay as they were.
        if (d.reglesChelem || d.reglesPoignees) {
            j.cle("chelem").entier(d.chelemAnnonce);
            j.cle("chelem_made").entier(chelemRealise(d));
            j.cle("handfuls").debutListe();
            for (int s = 1; s <= 4; ++s) j.entier(s == d.joueurHumain ? d.poigneeHumain : d.poigneeOrdinateur[s]);
            j.finListe();
        }
    }
    j.cle("scores").debutListe();
    for (int s = 1; s <= 4; ++s) j.entier(jeu.scores.scoreTotal[s]);
    j.finListe();
    j.finObjet();
    j.finLigne();
}

// A headless table shows nothing, but a store it cannot read must be told.
class VueAutoplay : public Vue {
public:
    explicit VueAutoplay(std::ostream& erreurs) : erreurs_(erreurs) {}
    void erreurMagasin(const std::string& texte) override { erreurs_ << "belvane-autoplay: " << texte << "\n"; }
    bool montreDeductions() const override { return false; }

private:
    std::ostream& erreurs_;
};

}  // namespace

std::string usageAutoplay() {
    return "usage: belvane-autoplay --deals N [--seed S] [--force 1..6] [--at-least-one-taker]\n"
           "                        [--level 0..4 | --levels L1,L2,L3,L4] [--adaptive on|off | --adaptive-seats A1,A2,A3,A4]\n"
           "                        [--rules belvane|official] [--store PATH] [--history PATH] [--jsonl] [--check]\n"
           "  --deals N              deals to play out (1 or more); deals everybody passed come on top\n"
           "  --seed S               reproducible run: the clock behind each reseed follows S\n"
           "  --force 1..6           strength of seat 1's hand, as the game's hand-strength menu (default 2)\n"
           "  --at-least-one-taker   deal again any fresh deal in which no hand can bid\n"
           "  --level 0..4           the computers' level (default 4): " + listeNiveauxOutil() + "\n"
           "                         (random plays a uniformly random legal card)\n"
           "  --levels L1,L2,L3,L4   one level per seat, seats 1 to 4; each seat's level is in force\n"
           "                         for its own choices\n"
           "  --adaptive on|off      the adaptive rule weights (default on)\n"
           "  --adaptive-seats A1,A2,A3,A4  the adaptive weights per seat, on or off\n"
           "                         (with --levels or --adaptive-seats, or --level 0, each record gives\n"
           "                         the seats' \"levels\" and \"adaptive\")\n"
           "  --rules belvane|official  the game's own rules (default), or the official ones: the\n"
           "                         chelem (announced, scored, the Excuse last) and the handfuls\n"
           "                         of every seat, shown to all; each record then gives \"chelem\"\n"
           "                         (the announcer, 0 none), \"chelem_made\" (1 taker, 2 defence)\n"
           "                         and \"handfuls\" (0..3 per seat)\n"
           "  --store PATH           read the options, weights and scores from this store file\n"
           "                         and save them after every deal, as the game does; a store\n"
           "                         in use by a running game is refused (exit 2), and a store\n"
           "                         that cannot be read or saved makes the run end with exit 3\n"
           "  --history PATH         add every deal played out to this SQLite history\n"
           "  --jsonl                print one JSON record per deal\n"
           "  --check                check the invariants after every card and trick; exit 1 at the first fault\n"
           "                         and that no four deals in a row have no hand worth a bid\n"
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
        } else if (arg == "--level") {
            if (!lireEntier(suivant, 0, NIVEAU_MAX, v)) {
                erreur = "--level takes a number from 0 to " + std::to_string(NIVEAU_MAX);
                return false;
            }
            p.niveau = static_cast<int>(v);
            ++i;
        } else if (arg == "--levels") {
            std::array<int, 4> n{};
            if (!lireQuatreNiveaux(suivant, NIVEAU_MAX, n)) {
                erreur = "--levels takes four levels from 0 to " + std::to_string(NIVEAU_MAX) + ", such as 4,1,1,1";
                return false;
            }
            p.niveaux = n;
            ++i;
        } else if (arg == "--adaptive") {
            const std::string valeur = suivant ? suivant : "";
            if (valeur != "on" && valeur != "off") {
                erreur = "--adaptive takes on or off";
                return false;
            }
            p.adaptatif = valeur == "on";
            ++i;
        } else if (arg == "--adaptive-seats") {
            std::array<bool, 4> m{};
            if (!lireQuatreModes(suivant, m)) {
                erreur = "--adaptive-seats takes four of on or off, such as on,off,off,off";
                return false;
            }
            p.adaptatifs = m;
            ++i;
        } else if (arg == "--store") {
            if (suivant == nullptr || *suivant == '\0') {
                erreur = "--store takes a file path";
                return false;
            }
            p.store = suivant;
            ++i;
        } else if (arg == "--history") {
            if (suivant == nullptr || *suivant == '\0') {
                erreur = "--history takes a file path";
                return false;
            }
            p.history = suivant;
            ++i;
        } else if (arg == "--rules") {
            const std::string valeur = suivant ? suivant : "";
            if (valeur != "belvane" && valeur != "official") {
                erreur = "--rules takes belvane or official";
                return false;
            }
            p.reglesOfficielles = valeur == "official";
            ++i;
        } else if (arg == "--at-least-one-taker") {
            p.auMoinsUnPreneur = true;
        } else if (arg == "--jsonl") {
            p.jsonl = true;
        } else if (arg == "--check") {
            p.verifier = true;
        } else {
            erreur = "unknown argument: " + arg;
            return false;
        }
    }
    if (p.niveau && p.niveaux) {
        erreur = "--level and --levels set the same thing: give one of them";
        return false;
    }
    if (p.adaptatif && p.adaptatifs) {
        erreur = "--adaptive and --adaptive-seats set the same thing: give one of them";
        return false;
    }
    if (!dealsDonne && !p.aide) {
        erreur = "--deals N is required";
        return false;
    }
    return true;
}

int executerAutoplay(const ParametresAutoplay& p, std::ostream& sortie, std::ostream& erreurs) {
    Jeu jeu;
    MinuteursManuels minuteurs;
    VueAutoplay vue(erreurs);
    jeu.minuteurs = &minuteurs;
    jeu.vue = &vue;
    if (p.seed) jeu.hasard.horloge = horlogeDeterministe(*p.seed);
    initialiserPartie(jeu);
    jeu.finDeDonne = finDeDonne;
    std::unique_ptr<MagasinQSettings> magasin;
    if (p.store) {
        magasin = std::make_unique<MagasinQSettings>(*p.store);
        if (!magasin->verrouiller()) {
            erreurs << "belvane-autoplay: the store " << *p.store
                    << " is in use by another game; run again when it has ended\n";
            return 2;
        }
        jeu.magasin = magasin.get();
        // The tool speaks English; what became of the store is said at once.
        jeu.options.langue = ANGLAIS;
        chargerOptions(jeu);
        signalerMagasin(jeu);
    } else {
        optionsParDefaut(jeu);  // in memory only: there is no store to save to
    }
    Options& o = jeu.options;
    if (p.force) o.optionForceMain = *p.force;
    if (p.auMoinsUnPreneur) o.optionAuMoinsUneMainDePrise = *p.auMoinsUnPreneur ? 1 : 0;
    // A level of the game's menu for all four seats is the game's own level;
    // anything else seats each computer player by itself.
    if (p.niveau && *p.niveau >= 1) o.niveau = *p.niveau;
    if (p.adaptatif) o.optionNiveauAdaptatif = *p.adaptatif ? 1 : 0;
    if (p.reglesOfficielles) o.optionChelem = o.optionPoigneesOrdinateurs = *p.reglesOfficielles ? 1 : 0;
    NiveauxSieges niveaux;
    const bool parSiege = p.niveaux || p.adaptatifs || (p.niveau && *p.niveau == NIVEAU_HASARD);
    for (int s = 1; s <= 4; ++s) {
        const std::size_t i = static_cast<std::size_t>(s - 1);
        niveaux[s].niveau = p.niveaux ? (*p.niveaux)[i] : p.niveau ? *p.niveau : o.niveau;
        niveaux[s].adaptatif = p.adaptatifs ? (*p.adaptatifs)[i] : o.optionNiveauAdaptatif != 0;
    }
    if (parSiege) installerNiveauxSieges(jeu, niveaux);

    std::unique_ptr<HistoriqueAutoplay> historique;
    if (p.history) {
        historique = HistoriqueAutoplay::ouvrir(*p.history, jeu, erreurs);
        if (!historique) return 2;
    }

    Controleur sansControle;
    VerificateurInvariants verificateur;
    Controleur& controleur = p.verifier ? static_cast<Controleur&>(verificateur) : sansControle;

    Json j;
    std::uint64_t somme = 14695981039346656037ull;
    long long tentatives = 0;
    bool donneEnCours = false;
    const auto debut = std::chrono::steady_clock::now();
    // --deals counts the deals played out; a deal everybody passed is recorded
    // too, and the next one follows with the opening seat moved on.
    long long joues = 0;
    int suiteSansPreneur = 0;
    std::string faute;
    for (long long n = 1; joues < p.deals; ++n) {
        // A deal nobody bid on ends with the click that deals the next one.
        if (!donneEnCours) nouvelleDonne(jeu, 0);
        tentatives += jeu.donne.tentatives;
        if (p.verifier && !verifierSuiteSansPreneur(jeu.donne, suiteSansPreneur, faute)) {
            erreurs << "belvane-autoplay: deal " << n << ": " << faute << "\n";
            return 1;
        }
        const IssueDonne issue = jouerDonneAutomatique(jeu, minuteurs, controleur);
        if (issue == IssueDonne::Interrompue) {
            erreurs << "belvane-autoplay: deal " << n << ": "
                    << (verificateur.erreur().empty() ? "the deal stalled" : verificateur.erreur()) << "\n";
            return 1;
        }
        enregistrer(j, jeu, n, issue == IssueDonne::Jouee, parSiege ? &niveaux : nullptr);
        somme = hacher(somme, j.texte());
        if (p.jsonl) sortie << j.texte();
        if (issue == IssueDonne::Jouee) ++joues;
        donneEnCours = issue == IssueDonne::SansPreneur;
        if (donneEnCours) continuer(jeu);
    }
    const double secondes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    char resume[200];
    std::snprintf(resume, sizeof resume, "deals: %lld, attempts: %lld, seconds: %.3f, deals/s: %.0f, checksum: %016llx\n",
                  p.deals, tentatives, secondes, secondes > 0 ? p.deals / secondes : 0.0,
                  static_cast<unsigned long long>(somme));
    sortie << resume;
    // Scores that could not be kept make the run fail, once it is over.
    if (magasin && magasin->etat.enEchec()) return 3;
    return 0;
}
