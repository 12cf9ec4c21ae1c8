#include "settings/options.h"

#include <concepts>
#include <cstdint>
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
    // The Expert level.
    return visiter("optionNiveauExpert", o.optionNiveauExpert);
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

struct Lecteur {
    Magasin& magasin;
    std::string fautive;  // the value that stopped the reading

    template <std::integral T>
    bool operator()(const char* nom, T& variable) {
        const auto v = magasin.lire(nom);
        if (!v) return true;
        if (v->nature != Nature::Binaire || v->octets.size() > sizeof(T)) return refuser(nom);
        remplirOctets(variable, v->octets);
        return true;
    }
    bool operator()(const char* nom, std::string& variable) {
        const auto v = magasin.lire(nom);
        if (!v) return true;
        if (v->nature != Nature::Texte) return refuser(nom);
        variable = v->octets;
        return true;
    }
    bool refuser(const char* nom) {
        fautive = nom;
        return false;
    }
};

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
    const int i = valeur - premiere;
    if (i < 0 || i >= static_cast<int>(items.size())) return;
    vue.cocherMenu(items.begin()[i], true);
}

}  // namespace

void chargerOptions(Jeu& jeu) {
    if (jeu.magasin && jeu.magasin->ouvrirCle()) {
        Lecteur lecteur{*jeu.magasin, {}};
        if (!parcourirValeurs(jeu, lecteur))
            jeu.vue->erreurMagasin(texte(Texte::erreurMagasin, jeu.options.langue) + lecteur.fautive);
    }
    if (jeu.options.verif == 0) {
        jeu.options.verif = 1;
        optionsParDefaut(jeu);
    }
    appliquerOptions(jeu);
}

bool sauverOptions(Jeu& jeu) {
    if (!jeu.magasin || !jeu.magasin->ouvrirCle()) return false;
    ecrireEntier(*jeu.magasin, "version", versionMagasin);
    Ecrivain ecrivain{*jeu.magasin};
    parcourirValeurs(jeu, ecrivain);
    return jeu.magasin->valider();
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

void basculerDeductions(Jeu& jeu) {
    jeu.options.optionVisibiliteDeductions = jeu.options.optionVisibiliteDeductions ? 0 : 1;
    appliquerOptions(jeu);
    sauverOptions(jeu);
}
