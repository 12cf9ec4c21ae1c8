#include "tools/autoplay/verification.h"

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
    avant_ = jeu.connaissances;
}

bool VerificateurInvariants::apresCarteJouee(const Jeu& jeu, int siege, int slot) {
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
    return verifierConnaissances(jeu);
}

bool VerificateurInvariants::verifierConnaissances(const Jeu& jeu) {
    const Donne& d = jeu.donne;
    const Connaissances& k = jeu.connaissances;
    for (int o = 1; o <= 4; ++o) {
        for (int coul = 1; coul <= 4; ++coul)
            for (int v = 1; v <= 14; ++v) {
                const int a = avant_.localisationCouleur[o][coul][v], b = k.localisationCouleur[o][coul][v];
                if (a != NON_PLACE && a != b && b != HORS_JEU)
                    return echec("observer " + std::to_string(o) + " forgot where a suit card was");
                for (int s = 1; s <= 4; ++s)
                    if (avant_.possibleCouleur[o][s][coul][v] == EXCLU && k.possibleCouleur[o][s][coul][v] != EXCLU)
                        return echec("observer " + std::to_string(o) + " took back an exclusion");
            }
        for (int v = 0; v <= 21; ++v) {
            const int a = avant_.localisationAtout[o][v], b = k.localisationAtout[o][v];
            if (a != NON_PLACE && a != b && b != HORS_JEU)
                return echec("observer " + std::to_string(o) + " forgot where a trump was");
            for (int s = 1; s <= 4; ++s)
                if (avant_.possibleAtout[o][s][v] == EXCLU && k.possibleAtout[o][s][v] != EXCLU)
                    return echec("observer " + std::to_string(o) + " took back a trump exclusion");
        }
    }
    // Nothing known contradicts where the held cards really are.
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 18; ++i) {
            const Carte& c = d.mainJoueur[s][i];
            if (!c.enMain) continue;
            for (int o = 1; o <= 4; ++o) {
                const int lieu = c.couleur == ATOUT ? k.localisationAtout[o][c.valeur]
                                                    : k.localisationCouleur[o][c.couleur][c.valeur];
                const int permis = c.couleur == ATOUT ? k.possibleAtout[o][s][c.valeur]
                                                      : k.possibleCouleur[o][s][c.couleur][c.valeur];
                if (lieu != NON_PLACE && lieu != s)
                    return echec("observer " + std::to_string(o) + " places " + nomCarte(c) + " of seat " +
                                 std::to_string(s) + " at " + std::to_string(lieu));
                if (permis == EXCLU)
                    return echec("observer " + std::to_string(o) + " excludes seat " + std::to_string(s) +
                                 " from its own card " + nomCarte(c));
            }
        }
    avant_ = k;
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
