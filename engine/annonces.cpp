#include "engine/annonces.h"

#include <string>

#include "engine/jeu.h"
#include "engine/pli.h"
#include "engine/textes.h"

int poigneePossible(int nbAtouts) {
    if (nbAtouts >= 15) return 3;
    if (nbAtouts >= 13) return 2;
    if (nbAtouts >= 10) return 1;
    return 0;
}

int choisirCartesPoignee(Donne& d, int siege, int t) {
    static constexpr int tailles[] = {0, 10, 13, 15};
    const int taille = t >= 1 && t <= 3 ? tailles[t] : 0;
    const Main& main = d.mainJoueur[siege];
    Table<Carte, 1, 15>& montrees = d.cartesPoignee[siege];
    int n = 0;
    // The hand holds its trumps from the 21 down, then the Excuse: the lowest
    // are read from the last trump up.
    for (int i = 18; i >= 1 && n < taille; --i)
        if (main[i].enMain && estAtout(main[i])) montrees[++n] = main[i];
    for (int i = 1; i <= 18 && n < taille; ++i)
        if (main[i].enMain && estExcuse(main[i])) montrees[++n] = main[i];
    if (n < taille) n = 0;
    d.nbCartesPoignee[siege] = n;
    return n;
}

void noterPoigneeMontree(Jeu& jeu, int siege) {
    const Donne& d = jeu.donne;
    Connaissances& k = jeu.connaissances;
    for (int i = 1; i <= d.nbCartesPoignee[siege]; ++i) {
        const int v = d.cartesPoignee[siege][i].valeur;
        for (int o = 1; o <= 4; ++o) {
            if (k.localisationAtout[o][v] == NON_PLACE) k.localisationAtout[o][v] = siege;
            for (int t = 1; t <= 4; ++t)
                if (t != siege) k.possibleAtout[o][t][v] = EXCLU;
        }
    }
    afficherDeductions(jeu);
}

namespace {

// The seat's announcement and its trumps, on show by its place.
void montrerPoigneeOrdinateur(Jeu& jeu, int siege) {
    const Donne& d = jeu.donne;
    const int t = d.poigneeOrdinateur[siege];
    if (t < 1 || t > 3) return;
    const int langue = jeu.options.langue;
    static constexpr Texte tailles[] = {Texte::poigneeSimpleMontree, Texte::poigneeDoubleMontree,
                                        Texte::poigneeTripleMontree};
    const std::string annonce = remplacer(texte(tailles[t - 1], langue), "%1", nomJoueur(siege, langue));
    jeu.vue->montrerPoigneeSiege(siege, annonce, d.cartesPoignee[siege], d.nbCartesPoignee[siege]);
}

}  // namespace

void remontrerPoigneesOrdinateurs(Jeu& jeu) {
    const Donne& d = jeu.donne;
    const bool montrees = d.numeroPli == 1 || (d.numeroPli == 2 && d.pliAffiche == 1);
    if (!d.reglesPoignees || !montrees) return;
    // Each declared at its first card, so in the first trick's order of play.
    const int entameur = d.entameurPli[1] >= 1 && d.entameurPli[1] <= 4 ? d.entameurPli[1] : d.premierJoueur;
    for (int i = 0, s = entameur; i < 4; ++i, s = siegeSuivant(s))
        if (s != d.joueurHumain && d.poigneeOrdinateur[s] != 0) montrerPoigneeOrdinateur(jeu, s);
}

int atoutsEnMain(const Donne& d, int siege) {
    int n = 0;
    for (int i = 1; i <= 18; ++i) n += d.mainJoueur[siege][i].enMain && d.mainJoueur[siege][i].couleur == ATOUT;
    return n;
}

int poigneeChoisie(const Jeu& jeu, int siege) {
    const int t = poigneePossible(atoutsEnMain(jeu.donne, siege));
    if (t == 0 || !jeu.poigneeOrdinateur) return t;
    const int choisie = jeu.poigneeOrdinateur(jeu, siege);
    return choisie < 0 ? 0 : choisie > t ? t : choisie;
}

void declarerPoigneeOrdinateur(Jeu& jeu, int siege) {
    Donne& d = jeu.donne;
    if (!d.reglesPoignees || siege == d.joueurHumain || d.poigneeOrdinateur[siege] != 0) return;
    const int t = poigneeChoisie(jeu, siege);
    if (t == 0 || choisirCartesPoignee(d, siege, t) == 0) return;
    d.poigneeOrdinateur[siege] = t;
    noterPoigneeMontree(jeu, siege);
    montrerPoigneeOrdinateur(jeu, siege);
}

bool chelemAssure(const Donne& d, int siege) {
    const Main& main = d.mainJoueur[siege];
    Table<bool, 0, 21> atouts;
    Table<Table<bool, 1, 14>, 1, 4> couleurs;
    for (int i = 1; i <= 18; ++i) {
        const Carte& c = main[i];
        if (!c.enMain) continue;
        if (c.couleur == ATOUT) atouts[c.valeur] = true;
        else if (c.couleur >= 1 && c.couleur <= 4) couleurs[c.couleur][c.valeur] = true;
    }
    int suite = 0;
    while (suite < 21 && atouts[21 - suite]) ++suite;
    int dehors = 0;
    for (int v = 1; v <= 21; ++v) dehors += !atouts[v];
    if (suite < dehors) return false;
    for (int c = 1; c <= 4; ++c) {
        int v = ROI;
        while (v >= 1 && couleurs[c][v]) --v;
        for (; v >= 1; --v)
            if (couleurs[c][v]) return false;  // below a gap in the run from the Roi
    }
    return true;
}

void annoncerChelem(Jeu& jeu, int siege) {
    Donne& d = jeu.donne;
    d.chelemAnnonce = siege;
    d.joueurEntame = d.joueurCourant = siege;
    const int langue = jeu.options.langue;
    const std::string annonce = remplacer(texte(Texte::chelemAnnonce, langue), "%1", nomJoueur(siege, langue));
    jeu.vue->ecrireInfo(annonce);
    jeu.vue->montrerChelemAnnonce(siege);
    // The seat to lead has changed: the screen reader is told who leads now.
    if (annoncesLues(jeu)) jeu.vue->annoncer(annonce);
}
