#pragma once
// Options, weights and scores that differ in every value, made from a seed, and
// the list of stored values as the store must hold them. Shared by the store's
// tests and by the helper process that writes or checks a store on disk.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/jeu.h"

struct ValeurAttendue {
    std::string nom;
    int largeur;  // bytes; 0 for a text
};

// Every value of the store, in the order in which it is written.
inline std::vector<ValeurAttendue> valeursAttendues() {
    std::vector<ValeurAttendue> v = {
        {"version", 4}, {"verif", 1}, {"niveau", 4},
        {"optionCouleurFondEcran", 4}, {"optionCouleurTableRonde", 4}, {"optionCouleurFondEcranPlis", 4},
        {"optionCouleurFondEcranMains", 4}, {"optionCouleurFondEcranScores", 4}, {"optionForceMain", 4},
        {"optionVitesseJeuDeLaCarte", 4}, {"optionAttenteEntreChaquePli", 4},
        {"optionVisibiliteConseilEnchere", 1}, {"optionVisibilitePointsPartieEnCours", 1},
        {"optionVisibiliteDeductions", 1}, {"optionAuMoinsUneMainDePrise", 1}, {"optionProposePoignee", 1},
        {"optionBarreOutils", 1}, {"optionBarreInfo", 1}, {"optionNiveauAdaptatif", 1},
        {"optionNbDonnesChallenge", 4}, {"optionRepartitionDonne", 4},
    };
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 4; ++j) {
            const std::string ij = std::to_string(i) + std::to_string(j);
            v.push_back({"highScoreChallenge" + ij, 4});
            v.push_back({"nomHighScoreChallenge" + ij, 0});
        }
    }
    for (int n = 1; n <= 100; ++n) v.push_back({"fr" + std::to_string(n), 4});
    for (int s = 1; s <= 4; ++s) v.push_back({"scoreTotal" + std::to_string(s), 4});
    // History of the deals.
    v.push_back({"optionCodeDonne", 1});
    // The main window's size, place and state, after the global scores.
    for (const char* n : {"fenetreGauche", "fenetreHaut", "fenetreLargeur", "fenetreHauteur"}) v.push_back({n, 4});
    v.push_back({"fenetreEtat", 1});
    // The open-cards analysis: its time per deal and its button.
    v.push_back({"optionTempsAnalyse", 4});
    v.push_back({"optionBoutonAnalyse", 1});
    // The table that explains itself.
    for (const char* nom : {"optionMarquerTour", "optionCartesJouables", "optionConseilCarte", "optionJeuAuClavier",
                            "optionAnimationCartes", "optionConfirmerAbandon", "optionReglesDuJeu"})
        v.push_back({nom, 1});
    // The Expert level.
    v.push_back({"optionNiveauExpert", 1});
    // The official rules.
    v.push_back({"optionChelem", 1});
    v.push_back({"optionPoigneesOrdinateurs", 1});
    // Accessibility.
    v.push_back({"optionQuatreCouleurs", 1});
    // The card hint by the Expert.
    v.push_back({"optionConseilExpert", 1});
    return v;
}

// Sets every stored variable from the seed; "verif" is 1 so that a reader keeps
// them, and every value lies in its range (level, hand strength, speed, pause,
// weights), so that a reader takes them as they are.
inline void remplirOptions(Jeu& jeu, std::uint32_t graine) {
    std::uint32_t x = graine * 2654435761u + 12345u;
    auto suivant = [&x] {
        x = x * 1664525u + 1013904223u;
        return x;
    };
    auto entier = [&] { return static_cast<std::int32_t>(suivant()); };
    auto octet = [&] { return static_cast<std::uint8_t>(suivant() >> 31); };
    auto entre = [&](int min, int max) { return min + static_cast<std::int32_t>((suivant() >> 8) % (max - min + 1)); };
    Options& o = jeu.options;
    o.verif = 1;
    o.niveau = entre(1, 4);
    o.optionCouleurFondEcran = suivant();
    o.optionCouleurTableRonde = suivant();
    o.optionCouleurFondEcranPlis = suivant();
    o.optionCouleurFondEcranMains = suivant();
    o.optionCouleurFondEcranScores = suivant();
    o.optionForceMain = entre(1, 6);
    o.optionVitesseJeuDeLaCarte = entre(1, 5);
    o.optionAttenteEntreChaquePli = entre(0, 3);
    o.optionVisibiliteConseilEnchere = octet();
    o.optionVisibilitePointsPartieEnCours = octet();
    o.optionVisibiliteDeductions = octet();
    o.optionAuMoinsUneMainDePrise = octet();
    o.optionProposePoignee = octet();
    o.optionBarreOutils = octet();
    o.optionBarreInfo = octet();
    o.optionNiveauAdaptatif = octet();
    o.optionNbDonnesChallenge = entier();
    o.optionRepartitionDonne = entier();
    // Names with the characters a file format is most likely to mangle.
    static const char* const morceaux[] = {"Zoé", " =", "\\", "@", ";#", "\"", "\n", "Ünïcødé", "[x]", ",", "%"};
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 4; ++j) {
            o.highScoreChallenge[i][j] = entier();
            o.nomHighScoreChallenge[i][j] = std::string(morceaux[suivant() % 11]) + std::to_string(i * 10 + j) +
                                            morceaux[suivant() % 11];
        }
    }
    for (int n = 1; n <= 100; ++n) jeu.regles.poidsRegle[n] = entre(60, 150);
    for (int s = 1; s <= 4; ++s) jeu.scores.scoreTotal[s] = entier();
    o.optionCodeDonne = octet();
    o.fenetreGauche = entier();
    o.fenetreHaut = entier();
    o.fenetreLargeur = entier();
    o.fenetreHauteur = entier();
    o.fenetreEtat = static_cast<std::uint8_t>(suivant() >> 24);
    jeu.options.optionTempsAnalyse = static_cast<std::int32_t>(suivant() % 3 + 1);
    jeu.options.optionBoutonAnalyse = static_cast<std::uint8_t>(suivant() % 2);
    o.optionMarquerTour = octet();
    o.optionCartesJouables = octet();
    o.optionConseilCarte = octet();
    o.optionJeuAuClavier = octet();
    o.optionAnimationCartes = octet();
    o.optionConfirmerAbandon = octet();
    o.optionReglesDuJeu = octet();
    o.optionNiveauExpert = octet();
    o.optionChelem = octet();
    o.optionPoigneesOrdinateurs = octet();
    o.optionQuatreCouleurs = octet();
    o.optionConseilExpert = octet();
}

// The first stored variable that differs between the two games, or "".
inline std::string premiereDifference(const Jeu& a, const Jeu& b) {
    const Options& x = a.options;
    const Options& y = b.options;
    if (x.verif != y.verif) return "verif";
    if (x.niveau != y.niveau) return "niveau";
    if (x.optionCouleurFondEcran != y.optionCouleurFondEcran) return "optionCouleurFondEcran";
    if (x.optionCouleurTableRonde != y.optionCouleurTableRonde) return "optionCouleurTableRonde";
    if (x.optionCouleurFondEcranPlis != y.optionCouleurFondEcranPlis) return "optionCouleurFondEcranPlis";
    if (x.optionCouleurFondEcranMains != y.optionCouleurFondEcranMains) return "optionCouleurFondEcranMains";
    if (x.optionCouleurFondEcranScores != y.optionCouleurFondEcranScores) return "optionCouleurFondEcranScores";
    if (x.optionForceMain != y.optionForceMain) return "optionForceMain";
    if (x.optionVitesseJeuDeLaCarte != y.optionVitesseJeuDeLaCarte) return "optionVitesseJeuDeLaCarte";
    if (x.optionAttenteEntreChaquePli != y.optionAttenteEntreChaquePli) return "optionAttenteEntreChaquePli";
    if (x.optionVisibiliteConseilEnchere != y.optionVisibiliteConseilEnchere) return "optionVisibiliteConseilEnchere";
    if (x.optionVisibilitePointsPartieEnCours != y.optionVisibilitePointsPartieEnCours)
        return "optionVisibilitePointsPartieEnCours";
    if (x.optionVisibiliteDeductions != y.optionVisibiliteDeductions) return "optionVisibiliteDeductions";
    if (x.optionAuMoinsUneMainDePrise != y.optionAuMoinsUneMainDePrise) return "optionAuMoinsUneMainDePrise";
    if (x.optionProposePoignee != y.optionProposePoignee) return "optionProposePoignee";
    if (x.optionBarreOutils != y.optionBarreOutils) return "optionBarreOutils";
    if (x.optionBarreInfo != y.optionBarreInfo) return "optionBarreInfo";
    if (x.optionNiveauAdaptatif != y.optionNiveauAdaptatif) return "optionNiveauAdaptatif";
    if (x.optionNbDonnesChallenge != y.optionNbDonnesChallenge) return "optionNbDonnesChallenge";
    if (x.optionRepartitionDonne != y.optionRepartitionDonne) return "optionRepartitionDonne";
    if (x.highScoreChallenge != y.highScoreChallenge) return "highScoreChallenge";
    if (x.nomHighScoreChallenge != y.nomHighScoreChallenge) return "nomHighScoreChallenge";
    if (a.regles.poidsRegle != b.regles.poidsRegle) return "poidsRegle";
    if (a.scores.scoreTotal != b.scores.scoreTotal) return "scoreTotal";
    if (x.optionCodeDonne != y.optionCodeDonne) return "optionCodeDonne";
    if (x.fenetreGauche != y.fenetreGauche) return "fenetreGauche";
    if (x.fenetreHaut != y.fenetreHaut) return "fenetreHaut";
    if (x.fenetreLargeur != y.fenetreLargeur) return "fenetreLargeur";
    if (x.fenetreHauteur != y.fenetreHauteur) return "fenetreHauteur";
    if (x.fenetreEtat != y.fenetreEtat) return "fenetreEtat";
    if (x.optionTempsAnalyse != y.optionTempsAnalyse) return "optionTempsAnalyse";
    if (x.optionBoutonAnalyse != y.optionBoutonAnalyse) return "optionBoutonAnalyse";
    if (x.optionMarquerTour != y.optionMarquerTour) return "optionMarquerTour";
    if (x.optionCartesJouables != y.optionCartesJouables) return "optionCartesJouables";
    if (x.optionConseilCarte != y.optionConseilCarte) return "optionConseilCarte";
    if (x.optionJeuAuClavier != y.optionJeuAuClavier) return "optionJeuAuClavier";
    if (x.optionAnimationCartes != y.optionAnimationCartes) return "optionAnimationCartes";
    if (x.optionConfirmerAbandon != y.optionConfirmerAbandon) return "optionConfirmerAbandon";
    if (x.optionReglesDuJeu != y.optionReglesDuJeu) return "optionReglesDuJeu";
    if (x.optionNiveauExpert != y.optionNiveauExpert) return "optionNiveauExpert";
    if (x.optionChelem != y.optionChelem) return "optionChelem";
    if (x.optionPoigneesOrdinateurs != y.optionPoigneesOrdinateurs) return "optionPoigneesOrdinateurs";
    if (x.optionQuatreCouleurs != y.optionQuatreCouleurs) return "optionQuatreCouleurs";
    if (x.optionConseilExpert != y.optionConseilExpert) return "optionConseilExpert";
    return "";
}

// The store of generation g of a run of saves: the seed's values, with g itself
// in a value so that a reader can tell which generation it found.
inline void remplirGeneration(Jeu& jeu, std::int32_t g) {
    remplirOptions(jeu, static_cast<std::uint32_t>(g));
    jeu.options.optionRepartitionDonne = g;
}
