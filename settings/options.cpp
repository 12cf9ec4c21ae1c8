#include "settings/options.h"

#include <algorithm>
#include <concepts>
#include <cstdint>
#include <memory>
#include <utility>
#include <variant>
#include <vector>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

#include "engine/jeu.h"
#include "engine/textes.h"
#include "settings/magasin.h"

namespace {

static_assert(sizeof(int) == 4, "weights and scores are stored on 4 bytes");

// The content of "version" is never read back.
constexpr std::int32_t versionMagasin = 1;
constexpr char nomParDefautChallenge[] = "BELVANE";

// Calls visiter(nom, variable) for every stored value but "version", in the
// order in which they are written; stops at the first call that returns false.
// The name is only valid during the call.
template <typename Visiteur>
bool parcourirValeurs(Jeu& jeu, Visiteur& visiter) {
    Options& o = jeu.options;
    const bool options = visiter("verif", o.verif) && visiter("niveau", o.niveau) &&
                         visiter("optionCouleurFondEcran", o.optionCouleurFondEcran) &&
                         visiter("optionCouleurTableRonde", o.optionCouleurTableRonde) &&
                         visiter("optionCouleurFondEcranPlis", o.optionCouleurFondEcranPlis) &&
                         visiter("optionCouleurFondEcranMains", o.optionCouleurFondEcranMains) &&
                         visiter("optionCouleurFondEcranScores", o.optionCouleurFondEcranScores) &&
                         visiter("optionForceMain", o.optionForceMain) &&
                         visiter("optionVitesseJeuDeLaCarte", o.optionVitesseJeuDeLaCarte) &&
                         visiter("optionAttenteEntreChaquePli", o.optionAttenteEntreChaquePli) &&
                         visiter("optionVisibiliteConseilEnchere", o.optionVisibiliteConseilEnchere) &&
                         visiter("optionVisibilitePointsPartieEnCours", o.optionVisibilitePointsPartieEnCours) &&
                         visiter("optionVisibiliteDeductions", o.optionVisibiliteDeductions) &&
                         visiter("optionAuMoinsUneMainDePrise", o.optionAuMoinsUneMainDePrise) &&
                         visiter("optionProposePoignee", o.optionProposePoignee) &&
                         visiter("optionBarreOutils", o.optionBarreOutils) &&
                         visiter("optionBarreInfo", o.optionBarreInfo) &&
                         visiter("optionNiveauAdaptatif", o.optionNiveauAdaptatif) &&
                         visiter("optionNbDonnesChallenge", o.optionNbDonnesChallenge) &&
                         visiter("optionRepartitionDonne", o.optionRepartitionDonne);
    if (!options) return false;
    char nom[40];
    // The high scores go in pairs: each score, then its name.
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 4; ++j) {
            std::snprintf(nom, sizeof nom, "highScoreChallenge%d%d", i, j);
            if (!visiter(nom, o.highScoreChallenge[i][j])) return false;
            std::snprintf(nom, sizeof nom, "nomHighScoreChallenge%d%d", i, j);
            if (!visiter(nom, o.nomHighScoreChallenge[i][j])) return false;
        }
    }
    for (int n = 1; n <= nbRegles; ++n) {
        std::snprintf(nom, sizeof nom, "fr%d", n);
        if (!visiter(nom, jeu.regles.poidsRegle[n])) return false;
    }
    for (int s = 1; s <= 4; ++s) {
        std::snprintf(nom, sizeof nom, "scoreTotal%d", s);
        if (!visiter(nom, jeu.scores.scoreTotal[s])) return false;
    }
    // History of the deals.
    if (!visiter("optionCodeDonne", o.optionCodeDonne)) return false;
    // The main window's size, place and state.
    if (!(visiter("fenetreGauche", o.fenetreGauche) && visiter("fenetreHaut", o.fenetreHaut) &&
           visiter("fenetreLargeur", o.fenetreLargeur) && visiter("fenetreHauteur", o.fenetreHauteur) &&
           visiter("fenetreEtat", o.fenetreEtat)))
        return false;
    // The open-cards analysis of a played deal.
    if (!(visiter("optionTempsAnalyse", o.optionTempsAnalyse) && visiter("optionBoutonAnalyse", o.optionBoutonAnalyse)))
        return false;
    // The table that explains itself.
    return visiter("optionMarquerTour", o.optionMarquerTour) &&
           visiter("optionCartesJouables", o.optionCartesJouables) &&
           visiter("optionConseilCarte", o.optionConseilCarte) &&
           visiter("optionJeuAuClavier", o.optionJeuAuClavier) &&
           visiter("optionAnimationCartes", o.optionAnimationCartes) &&
           visiter("optionConfirmerAbandon", o.optionConfirmerAbandon) &&
           visiter("optionReglesDuJeu", o.optionReglesDuJeu) &&
           // The Expert level.
           visiter("optionNiveauExpert", o.optionNiveauExpert) &&
           // The official rules: the chelem, the handfuls of the computers.
           visiter("optionChelem", o.optionChelem) &&
           visiter("optionPoigneesOrdinateurs", o.optionPoigneesOrdinateurs) &&
           // Accessibility: the four-colour pack.
           visiter("optionQuatreCouleurs", o.optionQuatreCouleurs) &&
           // The card hint by the Expert.
           visiter("optionConseilExpert", o.optionConseilExpert);
}

// The value's bytes replace the variable's first bytes, lowest first; a
// shorter value leaves the high bytes as they were.
template <std::integral T>
void remplirOctets(T& variable, std::string_view octets) {
    using U = std::make_unsigned_t<T>;
    std::uint32_t u = static_cast<U>(variable);
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const unsigned decalage = 8 * static_cast<unsigned>(i);
        u = (u & ~(0xFFu << decalage)) | (std::uint32_t{static_cast<unsigned char>(octets[i])} << decalage);
    }
    variable = static_cast<T>(static_cast<U>(u));
}

// A stored value seen by the reader: its name and where its variable is.
using Variable = std::variant<std::uint8_t*, std::int32_t*, std::uint32_t*, std::string*>;

// Every stored value of the game, in the visit order, with its variable.
struct Collecteur {
    std::vector<std::pair<std::string, Variable>> valeurs;

    template <typename T>
    bool operator()(const char* nom, T& variable) {
        valeurs.emplace_back(nom, &variable);
        return true;
    }
};

std::vector<std::pair<std::string, Variable>> variables(Jeu& jeu) {
    Collecteur c;
    parcourirValeurs(jeu, c);
    return std::move(c.valeurs);
}

// The value's bytes into its variable; false when they cannot be taken: not
// raw bytes (or not a text, for a name), or longer than the variable.
bool prendre(const ValeurStockee& v, Variable variable) {
    return std::visit(
        [&v](auto* x) {
            using T = std::remove_pointer_t<decltype(x)>;
            if constexpr (std::is_same_v<T, std::string>) {
                if (v.nature != Nature::Texte) return false;
                *x = v.octets;
            } else {
                if (v.nature != Nature::Binaire || v.octets.size() > sizeof(T)) return false;
                remplirOctets(*x, v.octets);
            }
            return true;
        },
        variable);
}

void copier(Variable depuis, Variable vers) {
    std::visit(
        [](auto* a, auto* b) {
            if constexpr (std::is_same_v<decltype(a), decltype(b)>) *b = *a;
        },
        depuis, vers);
}

// The options whose stored number must name one of their menu items.
bool dansSonDomaine(const Options& o, const std::string& nom) {
    auto entre = [](std::int32_t v, int min, int max) { return v >= min && v <= max; };
    if (nom == "niveau") return entre(o.niveau, 1, 4);
    if (nom == "optionForceMain") return entre(o.optionForceMain, 1, 6);
    if (nom == "optionVitesseJeuDeLaCarte") return entre(o.optionVitesseJeuDeLaCarte, 1, 5);
    if (nom == "optionAttenteEntreChaquePli") return entre(o.optionAttenteEntreChaquePli, 0, 3);
    return true;
}

// The last value of the game's first table; the values added after it may be
// missing from a store written before they existed, and take their default quietly.
constexpr char derniereValeurDeLaTable[] = "scoreTotal4";

template <std::integral T>
void ecrireEntier(Magasin& magasin, const char* nom, T valeur) {
    using U = std::make_unsigned_t<T>;
    const std::uint32_t u = static_cast<U>(valeur);
    char octets[sizeof(T)];
    for (std::size_t i = 0; i < sizeof(T); ++i) octets[i] = static_cast<char>((u >> (8 * i)) & 0xFFu);
    magasin.ecrireBinaire(nom, std::string_view(octets, sizeof(T)));
}

struct Ecrivain {
    Magasin& magasin;

    template <std::integral T>
    bool operator()(const char* nom, const T& variable) {
        ecrireEntier(magasin, nom, variable);
        return true;
    }
    bool operator()(const char* nom, const std::string& variable) {
        magasin.ecrireTexte(nom, variable);
        return true;
    }
};

void cocherParmi(Vue& vue, std::initializer_list<MenuOption> items, int valeur, int premiere) {
    // Compared before subtracting: a stored value may be anything, down to INT_MIN.
    if (valeur < premiere || valeur - premiere >= static_cast<int>(items.size())) return;
    vue.cocherMenu(items.begin()[valeur - premiere], true);
}

// Reads the store into the game. A value that cannot be taken (not raw bytes,
// too long, a variant that does not decode, a number outside its menu) takes
// its default and the reading goes on, so that every readable value survives;
// so does a value missing from a store that was initialised. The damaged file
// is then copied aside before anything can replace it, and the player will be
// told. The weights are brought into their range.
void lireMagasin(Jeu& jeu, Magasin& magasin) {
    EtatMagasin& etat = magasin.etat;
    etat.valeursRemises.clear();
    etat.endommage = false;
    if (!magasin.ouvrirCle()) {
        etat.raisonLecture = magasin.raison();
        etat.lectureASignaler = true;
        return;
    }
    const auto cibles = variables(jeu);
    // The defaults, from a game without a store: nothing is saved.
    auto defauts = std::make_unique<Jeu>();
    optionsParDefaut(*defauts);
    defauts->options.verif = 1;
    const auto valeursParDefaut = variables(*defauts);

    bool verifPresent = false;
    bool verifPris = false;
    bool apresLaTable = false;
    std::vector<std::size_t> aRemettre;
    std::vector<std::string> remises;
    for (std::size_t i = 0; i < cibles.size(); ++i) {
        const auto& [nom, variable] = cibles[i];
        const auto v = magasin.lire(nom);
        const bool pris = v && prendre(*v, variable) && dansSonDomaine(jeu.options, nom);
        if (nom == "verif") {
            verifPresent = v.has_value();
            verifPris = pris;
        }
        if (!pris) {
            aRemettre.push_back(i);
            if (v || !apresLaTable) remises.push_back(nom);
        }
        if (nom == derniereValeurDeLaTable) apresLaTable = true;
    }
    // A store never initialised: "verif" stored as 0, or a key that holds
    // nothing at all. The first-run step then puts every default in force.
    const bool jamaisInitialise =
        jeu.options.verif == 0 && (verifPris || (!verifPresent && magasin.vide() && !magasin.endommage()));
    if (jamaisInitialise) return;

    for (std::size_t i : aRemettre) copier(valeursParDefaut[i].second, cibles[i].second);
    for (int n = 1; n <= nbRegles; ++n) jeu.regles.poidsRegle[n] = std::clamp(jeu.regles.poidsRegle[n], 60, 150);
    etat.valeursRemises = std::move(remises);
    etat.endommage = magasin.endommage() || !etat.valeursRemises.empty();
    if (!etat.endommage) return;
    etat.copie = magasin.mettreDeCote();
    if (etat.copie.empty()) etat.raisonCopie = magasin.raison();
    etat.lectureASignaler = true;
}

// A save did not reach the disk: the player is told once per run.
bool sauvegardeRatee(Jeu& jeu) {
    EtatMagasin& etat = jeu.magasin->etat;
    etat.raisonSauvegarde = jeu.magasin->raison();
    if (!etat.sauvegardeSignalee) etat.sauvegardeASignaler = true;
    if (etat.signalementsPermis) signalerMagasin(jeu);
    return false;
}

// "a, b, c", at most a dozen names, then how many in all.
std::string listeDesNoms(const std::vector<std::string>& noms, int langue) {
    constexpr std::size_t montres = 12;
    std::string liste;
    for (std::size_t i = 0; i < noms.size() && i < montres; ++i) liste += (i ? ", " : "") + noms[i];
    if (noms.size() > montres) liste += texte(Texte::magasinEtAutres, langue) + std::to_string(noms.size());
    return liste;
}

}  // namespace

void chargerOptions(Jeu& jeu) {
    if (jeu.magasin) lireMagasin(jeu, *jeu.magasin);
    if (jeu.options.verif == 0) {
        jeu.options.verif = 1;
        optionsParDefaut(jeu);
    }
    appliquerOptions(jeu);
    if (jeu.magasin && jeu.magasin->etat.signalementsPermis) signalerMagasin(jeu);
}

bool sauverOptions(Jeu& jeu) {
    if (!jeu.magasin) return false;
    Magasin& magasin = *jeu.magasin;
    // A store that could not be read, or a damaged one that could not be kept
    // aside, is never written over during this run.
    if (magasin.etat.protege()) return false;
    if (!magasin.ouvrirCle()) return sauvegardeRatee(jeu);
    ecrireEntier(magasin, "version", versionMagasin);
    Ecrivain ecrivain{magasin};
    parcourirValeurs(jeu, ecrivain);
    if (!magasin.valider()) return sauvegardeRatee(jeu);
    return true;
}

void signalerMagasin(Jeu& jeu) {
    if (!jeu.magasin) return;
    Magasin& magasin = *jeu.magasin;
    EtatMagasin& etat = magasin.etat;
    etat.signalementsPermis = true;
    const int langue = jeu.options.langue;
    if (etat.lectureASignaler) {
        etat.lectureASignaler = false;
        std::string message;
        if (!etat.raisonLecture.empty()) {
            message = texte(Texte::magasinIllisible, langue) + magasin.fichier() + " (" + etat.raisonLecture + ")";
            etat.sauvegardeSignalee = true;  // nothing will be saved, and he knows it
        } else if (etat.endommage) {
            message = etat.valeursRemises.empty()
                          ? texte(Texte::magasinFichierEndommage, langue)
                          : texte(Texte::magasinValeursRemises, langue) + listeDesNoms(etat.valeursRemises, langue) + ".";
            if (!etat.copie.empty()) {
                message += "\n" + texte(Texte::magasinCopie, langue) + etat.copie;
            } else {
                message += "\n" + texte(Texte::magasinCopieImpossible, langue) + magasin.fichier() + " (" +
                           etat.raisonCopie + ")";
                etat.sauvegardeSignalee = true;
            }
        }
        if (!message.empty()) jeu.vue->erreurMagasin(message);
    }
    if (etat.sauvegardeASignaler && !etat.sauvegardeSignalee) {
        etat.sauvegardeASignaler = false;
        etat.sauvegardeSignalee = true;
        jeu.vue->erreurMagasin(texte(Texte::magasinSauvegardeImpossible, langue) + magasin.fichier() + " (" +
                               etat.raisonSauvegarde + ")");
    }
}

void optionsParDefaut(Jeu& jeu) {
    Options& o = jeu.options;
    o.niveau = 4;
    o.optionCouleurFondEcran = 0x404000;
    o.optionCouleurTableRonde = 0x008000;
    o.optionCouleurFondEcranPlis = 0x808080;
    o.optionCouleurFondEcranMains = 0x808080;
    o.optionCouleurFondEcranScores = 0x808080;
    o.optionForceMain = 2;
    o.optionVitesseJeuDeLaCarte = 3;
    o.optionAttenteEntreChaquePli = 2;
    o.optionVisibiliteConseilEnchere = 1;
    o.optionVisibilitePointsPartieEnCours = 1;
    o.optionVisibiliteDeductions = 1;
    o.optionAuMoinsUneMainDePrise = 0;
    o.optionProposePoignee = 1;
    o.optionBarreOutils = 1;
    o.optionBarreInfo = 1;
    o.optionNiveauAdaptatif = 1;
    o.optionNbDonnesChallenge = 12;
    o.optionRepartitionDonne = 3;
    o.optionCodeDonne = 1;
    // The table that explains itself.
    o.optionMarquerTour = 1;
    o.optionCartesJouables = 1;
    o.optionConseilCarte = 1;
    o.optionJeuAuClavier = 1;
    o.optionAnimationCartes = 1;
    o.optionConfirmerAbandon = 1;
    o.optionReglesDuJeu = 1;
    o.optionNiveauExpert = 0;
    for (int i = 1; i <= 3; ++i) {
        o.highScoreChallenge[i].remplir(300);
        o.nomHighScoreChallenge[i].remplir(nomParDefautChallenge);
    }
    jeu.scores.scoreTotal.remplir(0);
    jeu.regles.poidsRegle.remplir(100);
    // The main window: not placed yet, it opens maximised.
    const Options neuves;
    o.fenetreGauche = neuves.fenetreGauche;
    o.fenetreHaut = neuves.fenetreHaut;
    o.fenetreLargeur = neuves.fenetreLargeur;
    o.fenetreHauteur = neuves.fenetreHauteur;
    o.fenetreEtat = neuves.fenetreEtat;
    o.optionTempsAnalyse = 1;
    o.optionBoutonAnalyse = 1;
    o.optionChelem = 0;
    o.optionPoigneesOrdinateurs = 0;
    o.optionQuatreCouleurs = 0;
    o.optionConseilExpert = 0;
    sauverOptions(jeu);
}

void appliquerOptions(Jeu& jeu) {
    Options& o = jeu.options;
    Vue& vue = *jeu.vue;
    using enum MenuOption;
    vue.couleurFond(o.optionCouleurFondEcran);
    vue.couleurTableRonde(o.optionCouleurTableRonde);
    cocherParmi(vue, {menuForceDefense, menuForceNormale, menuForcePrise, menuForceGarde, menuForceGardeSans,
                      menuForceGardeContre}, o.optionForceMain, 1);
    // The Expert plays at level 4 when it does not sample: its item replaces Pro's check mark.
    if (o.optionNiveauExpert) vue.cocherMenu(menuExpert, true);
    else cocherParmi(vue, {menuDebutant, menuAmateur, menuBon, menuPro}, o.niveau, 1);
    vue.cocherMenu(menuOptionNiveauAdaptatif, o.optionNiveauAdaptatif != 0);
    vue.cocherMenu(menuAtLeast, o.optionAuMoinsUneMainDePrise != 0);

    const bool conseil = o.optionVisibiliteConseilEnchere != 0;
    vue.montrerPanneau(PanneauOption::evMaMain, conseil);
    vue.cocherMenu(menuConseilEnch, conseil);
    const bool points = o.optionVisibilitePointsPartieEnCours != 0;
    vue.cocherMenu(menuPointsPartieEnCours, points);
    vue.montrerPanneau(PanneauOption::PanneauScores, points);
    const bool deductions = o.optionVisibiliteDeductions != 0;
    vue.cocherMenu(menuDeductions, deductions);
    vue.enfoncerBouton(BoutonOutil::SBVoirDeductions, deductions);
    vue.montrerPanneau(PanneauOption::PanelDeductions, deductions);

    static constexpr int intervallesCarte[] = {1000, 400, 200, 100, 1};
    if (o.optionVitesseJeuDeLaCarte >= 1 && o.optionVitesseJeuDeLaCarte <= 5) {
        cocherParmi(vue, {menuEscargot, menuLent, menuNormal, menuRapide, menuInstantane},
                    o.optionVitesseJeuDeLaCarte, 1);
        o.intervalleTimerEntreCarte = intervallesCarte[o.optionVitesseJeuDeLaCarte - 1];
    }

    static constexpr int intervallesTransition[] = {1000, 2000, 5000};
    o.transitionAutomatique = 1;
    if (o.optionAttenteEntreChaquePli == 0) {
        o.transitionAutomatique = 0;
        vue.cocherMenu(menuClickObligatoire, true);
    } else if (o.optionAttenteEntreChaquePli >= 1 && o.optionAttenteEntreChaquePli <= 3) {
        cocherParmi(vue, {menuUneSeconde, menuDeuxSecondes, menuCinqSecondes}, o.optionAttenteEntreChaquePli, 1);
        o.intervalleTimerTransition = intervallesTransition[o.optionAttenteEntreChaquePli - 1];
    }

    vue.cocherMenu(menuProposerPoignee, o.optionProposePoignee != 0);
    const bool outils = o.optionBarreOutils != 0;
    vue.cocherMenu(menuBarreOutils, outils);
    vue.montrerPanneau(PanneauOption::PanelBarreOutils, outils);
    const bool info = o.optionBarreInfo != 0;
    vue.cocherMenu(menuBarreInfo, info);
    vue.montrerPanneau(PanneauOption::panelBarreInfo, info);

    // The open-cards analysis: a time out of range checks nothing and counts as 10 s.
    cocherParmi(vue, {menuAnalyseDixSecondes, menuAnalyseTrenteSecondes, menuAnalyseDeuxMinutes},
                o.optionTempsAnalyse, 1);
    const bool analyse = o.optionBoutonAnalyse != 0;
    vue.cocherMenu(menuBoutonAnalyse, analyse);
    vue.montrerPanneau(PanneauOption::boutonAnalyse, analyse);

    // The rules: the game's own with both differences off, the official ones with both on.
    vue.cocherMenu(menuOptionChelem, o.optionChelem != 0);
    vue.cocherMenu(menuOptionPoigneesOrdinateurs, o.optionPoigneesOrdinateurs != 0);
    vue.cocherMenu(menuReglesBelvane, !o.optionChelem && !o.optionPoigneesOrdinateurs);
    vue.cocherMenu(menuReglesOfficielles, o.optionChelem && o.optionPoigneesOrdinateurs);

    // Accessibility: the inks of every card shown.
    const bool quatre = o.optionQuatreCouleurs != 0;
    vue.cocherMenu(menuQuatreCouleurs, quatre);
    vue.encresCartes(quatre);
}

void choisirRegles(Jeu& jeu, bool officielles) {
    jeu.options.optionChelem = officielles ? 1 : 0;
    jeu.options.optionPoigneesOrdinateurs = officielles ? 1 : 0;
    appliquerOptions(jeu);
    sauverOptions(jeu);
}

void changerNiveau(Jeu& jeu, int n) {
    const int pli = jeu.donne.numeroPli;
    if (pli >= 1 && pli <= 18) {
        jeu.vue->message(titreProgramme, texte(Texte::niveauEnPleinePartie, jeu.options.langue));
        return;
    }
    // Level 5, the Expert, is Pro's level with the Expert's option on.
    jeu.options.optionNiveauExpert = n == NIVEAU_MENU_EXPERT ? 1 : 0;
    jeu.options.niveau = n == NIVEAU_MENU_EXPERT ? 4 : n;
    appliquerOptions(jeu);
    sauverOptions(jeu);
}

void basculerQuatreCouleurs(Jeu& jeu) {
    jeu.options.optionQuatreCouleurs = jeu.options.optionQuatreCouleurs ? 0 : 1;
    appliquerOptions(jeu);
    sauverOptions(jeu);
}

void basculerDeductions(Jeu& jeu) {
    jeu.options.optionVisibiliteDeductions = jeu.options.optionVisibiliteDeductions ? 0 : 1;
    appliquerOptions(jeu);
    sauverOptions(jeu);
}
