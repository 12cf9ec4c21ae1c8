#include "tools/autoplay/verification.h"

#include <cstring>
#include <type_traits>

#include "engine/jeu.h"

namespace {

bool atoutPlein(const Carte& c) { return c.couleur == ATOUT && c.valeur != 0; }

std::string nomCarte(const Carte& c) {
    return "[" + std::to_string(c.couleur) + "," + std::to_string(c.valeur) + "]";
}

}  // namespace

bool carteLegale(const Main& main, const Carte& c, const Carte* pli, int n) {
    if (c.couleur == ATOUT && c.valeur == 0) return true;  // the Excuse goes anywhere
    int demandee = -1;
    int plusHaut = 0;
    for (int i = 0; i < n; ++i) {
        if (demandee < 0 && !(pli[i].couleur == ATOUT && pli[i].valeur == 0)) demandee = pli[i].couleur;
        if (atoutPlein(pli[i]) && pli[i].valeur > plusHaut) plusHaut = pli[i].valeur;
    }
    if (demandee < 0) return true;  // leading, or following the Excuse

    bool aLaCouleur = false, aAtout = false, peutMonter = false;
    for (int i = 1; i <= 18; ++i) {
        const Carte& m = main[i];
        if (!m.enMain) continue;
        if (m.couleur == demandee && (demandee != ATOUT || m.valeur != 0)) aLaCouleur = true;
        if (atoutPlein(m)) {
            aAtout = true;
            if (m.valeur > plusHaut) peutMonter = true;
        }
    }
    if (demandee != ATOUT && aLaCouleur) return c.couleur == demandee;
    if (!aAtout) return true;
    if (!atoutPlein(c)) return false;
    return !peutMonter || c.valeur > plusHaut;
}

bool VerificateurInvariants::echec(std::string quoi) {
    erreur_ = std::move(quoi);
    return false;
}

void VerificateurInvariants::debutJeu(const Jeu& jeu) {
    erreur_.clear();
    for (int s = 1; s <= 4; ++s) joue_[s].remplir(false);
    const Connaissances& k = jeu.connaissances;
    avant_.localisationCouleur = k.localisationCouleur;
    avant_.localisationAtout = k.localisationAtout;
    avant_.possibleCouleur = k.possibleCouleur;
    avant_.possibleAtout = k.possibleAtout;
    for (auto& suite : siegeCouleur_) suite.remplir(0);
    siegeAtout_.remplir(0);
    // Where the held cards are; nothing known may contradict it from the start.
    const Donne& d = jeu.donne;
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 18; ++i) {
            const Carte& c = d.mainJoueur[s][i];
            if (!c.enMain) continue;
            if (c.couleur == ATOUT && c.valeur >= 0 && c.valeur <= 21) siegeAtout_[c.valeur] = s;
            if (c.couleur >= PIQUE && c.couleur <= CARREAU && c.valeur >= 1 && c.valeur <= 14)
                siegeCouleur_[c.couleur][c.valeur] = s;
            for (int o = 1; o <= 4 && erreur_.empty(); ++o) {
                const bool atout = c.couleur == ATOUT;
                const int lieu = atout ? k.localisationAtout[o][c.valeur] : k.localisationCouleur[o][c.couleur][c.valeur];
                if (!verifierLieu(o, c, lieu, lieu, s)) return;
                for (int t = 1; t <= 4; ++t) {
                    const int p = atout ? k.possibleAtout[o][t][c.valeur] : k.possibleCouleur[o][t][c.couleur][c.valeur];
                    if (!verifierPossible(o, t, c, p, p, s)) return;
                }
            }
        }
}

bool VerificateurInvariants::apresCarteJouee(const Jeu& jeu, int siege, int slot) {
    if (!erreur_.empty()) return false;  // the knowledge was wrong from the start
    const Donne& d = jeu.donne;
    if (slot < 1 || slot > 18) return echec("seat " + std::to_string(siege) + " played no recorded slot");
    const Carte& c = d.mainJoueur[siege][slot];
    if (c.enMain) return echec("a played card is still held: " + nomCarte(c));
    if (joue_[siege][slot]) return echec("card played twice: " + nomCarte(c));
    joue_[siege][slot] = true;

    // The trick as it stood before this card, from its leader.
    // A card that ended its trick has already moved numeroPli on.
    const int pli = d.nbCartesPli == 0 ? d.numeroPli - 1 : d.numeroPli;
    if (pli < 1 || pli > 18) return echec("card played outside tricks 1..18");
    Carte avant[4];
    int n = 0;
    for (int s = d.entameurPli[pli]; s != siege; s = siegeSuivant(s)) {
        if (n == 3) return echec("seat played out of turn");
        avant[n++] = d.mainJoueur[s][d.carteJouee[s][pli]];
    }
    Main main = d.mainJoueur[siege];
    main[slot].enMain = true;
    if (!carteLegale(main, c, avant, n))
        return echec("illegal card " + nomCarte(c) + " by seat " + std::to_string(siege) + " in trick " +
                     std::to_string(pli));
    // The card has left its seat's hand.
    if (c.couleur == ATOUT && c.valeur >= 0 && c.valeur <= 21) siegeAtout_[c.valeur] = 0;
    if (c.couleur >= PIQUE && c.couleur <= CARREAU && c.valeur >= 1 && c.valeur <= 14) siegeCouleur_[c.couleur][c.valeur] = 0;
    return verifierConnaissances(jeu, c);
}

bool VerificateurInvariants::verifierLieu(int o, const Carte& c, int avant, int apres, int tenu) {
    if (avant != NON_PLACE && avant != apres && apres != HORS_JEU)
        return echec("observer " + std::to_string(o) + " forgot where " + (c.couleur == ATOUT ? "a trump" : "a suit card") +
                     " was");
    if (tenu != 0 && apres != NON_PLACE && apres != tenu)
        return echec("observer " + std::to_string(o) + " places " + nomCarte(c) + " of seat " + std::to_string(tenu) +
                     " at " + std::to_string(apres));
    return true;
}

bool VerificateurInvariants::verifierPossible(int o, int siege, const Carte& c, int avant, int apres, int tenu) {
    if (avant == EXCLU && apres != EXCLU)
        return echec("observer " + std::to_string(o) + " took back " +
                     (c.couleur == ATOUT ? "a trump exclusion" : "an exclusion"));
    if (apres == EXCLU && tenu == siege)
        return echec("observer " + std::to_string(o) + " excludes seat " + std::to_string(siege) +
                     " from its own card " + nomCarte(c));
    return true;
}

namespace {

template <typename T>
bool memes(const T& a, const T& b) {
    static_assert(std::is_trivially_copyable_v<T>);
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

}  // namespace

// Knowledge only grows, and nothing known contradicts where the held cards
// really are. A card changes little: its own entries, for every observer and
// seat, are checked and brought up to date first; then each table is compared
// whole with what it was after the last card, and only a table that moved
// elsewhere is looked at row by row, entry by entry. An entry that has not
// moved stays right, since a held card never changes hands.
bool VerificateurInvariants::verifierConnaissances(const Jeu& jeu, const Carte& jouee) {
    const Connaissances& k = jeu.connaissances;
    const bool atoutJoue = jouee.couleur == ATOUT && jouee.valeur >= 0 && jouee.valeur <= 21;
    const bool couleurJouee = jouee.couleur >= PIQUE && jouee.couleur <= CARREAU && jouee.valeur >= 1 && jouee.valeur <= 14;
    for (int o = 1; o <= 4 && (atoutJoue || couleurJouee); ++o) {
        int& lieu = atoutJoue ? avant_.localisationAtout[o][jouee.valeur]
                              : avant_.localisationCouleur[o][jouee.couleur][jouee.valeur];
        const int lieuApres = atoutJoue ? k.localisationAtout[o][jouee.valeur]
                                        : k.localisationCouleur[o][jouee.couleur][jouee.valeur];
        if (!verifierLieu(o, jouee, lieu, lieuApres, 0)) return false;
        lieu = lieuApres;
        for (int s = 1; s <= 4; ++s) {
            int& p = atoutJoue ? avant_.possibleAtout[o][s][jouee.valeur]
                               : avant_.possibleCouleur[o][s][jouee.couleur][jouee.valeur];
            const int pApres = atoutJoue ? k.possibleAtout[o][s][jouee.valeur]
                                         : k.possibleCouleur[o][s][jouee.couleur][jouee.valeur];
            if (!verifierPossible(o, s, jouee, p, pApres, 0)) return false;
            p = pApres;
        }
    }

    if (!memes(avant_.localisationCouleur, k.localisationCouleur)) {
        for (int o = 1; o <= 4; ++o)
            for (int coul = 1; coul <= 4; ++coul) {
                auto& avant = avant_.localisationCouleur[o][coul];
                const auto& apres = k.localisationCouleur[o][coul];
                for (int v = 1; v <= 14; ++v)
                    if (avant[v] != apres[v] &&
                        !verifierLieu(o, carte(coul, v), avant[v], apres[v], siegeCouleur_[coul][v]))
                        return false;
                avant = apres;
            }
    }
    if (!memes(avant_.localisationAtout, k.localisationAtout)) {
        for (int o = 1; o <= 4; ++o) {
            auto& avant = avant_.localisationAtout[o];
            const auto& apres = k.localisationAtout[o];
            for (int v = 0; v <= 21; ++v)
                if (avant[v] != apres[v] && !verifierLieu(o, carte(ATOUT, v), avant[v], apres[v], siegeAtout_[v]))
                    return false;
            avant = apres;
        }
    }
    if (!memes(avant_.possibleCouleur, k.possibleCouleur)) {
        for (int o = 1; o <= 4; ++o)
            for (int s = 1; s <= 4; ++s)
                for (int coul = 1; coul <= 4; ++coul) {
                    auto& avant = avant_.possibleCouleur[o][s][coul];
                    const auto& apres = k.possibleCouleur[o][s][coul];
                    if (memes(avant, apres)) continue;
                    for (int v = 1; v <= 14; ++v)
                        if (avant[v] != apres[v] &&
                            !verifierPossible(o, s, carte(coul, v), avant[v], apres[v], siegeCouleur_[coul][v]))
                            return false;
                    avant = apres;
                }
    }
    if (!memes(avant_.possibleAtout, k.possibleAtout)) {
        for (int o = 1; o <= 4; ++o)
            for (int s = 1; s <= 4; ++s) {
                auto& avant = avant_.possibleAtout[o][s];
                const auto& apres = k.possibleAtout[o][s];
                if (memes(avant, apres)) continue;
                for (int v = 0; v <= 21; ++v)
                    if (avant[v] != apres[v] &&
                        !verifierPossible(o, s, carte(ATOUT, v), avant[v], apres[v], siegeAtout_[v]))
                        return false;
                avant = apres;
            }
    }
    return true;
}

bool VerificateurInvariants::apresPli(const Jeu& jeu) {
    if (jeu.donne.numeroPli == 19) return terminer(jeu);
    return true;
}

bool VerificateurInvariants::terminer(const Jeu& jeu) {
    const Donne& d = jeu.donne;
    if (d.pointsPreneur + d.pointsDefense != 182)
        return echec("half-points add up to " + std::to_string(d.pointsPreneur + d.pointsDefense));
    if (d.boutsPreneur + d.boutsDefense != 3)
        return echec("oudlers add up to " + std::to_string(d.boutsPreneur + d.boutsDefense));
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 18; ++i)
            if (!joue_[s][i]) return echec("a card was never played");
    if (d.contrat == PRISE || d.contrat == GARDE)
        for (int i = 1; i <= 6; ++i) {
            const Carte& c = d.chien[i];
            if (c.couleur == ATOUT || c.valeur == ROI || c.couleur < 1 || c.couleur > 4)
                return echec("the discard holds " + nomCarte(c));
        }
    return true;
}

bool verifierSuiteSansPreneur(const Donne& d, int& suite, std::string& erreur) {
    if (d.modeRejouer != 0) return true;  // a replay is always dealt as it was
    bool sansPreneur = true;
    for (int s = 1; s <= 4; ++s)
        if (d.niveauMain[s] != PASSE) sansPreneur = false;
    suite = sansPreneur ? suite + 1 : 0;
    if (suite <= 3) return true;
    erreur = std::to_string(suite) + " deals in a row with no hand worth a bid";
    return false;
}
