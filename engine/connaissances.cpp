#include "engine/connaissances.h"

#include <string>

#include "engine/jeu.h"
#include "engine/regles.h"

namespace {

template <int Premier, int Dernier>
void remplirTout(Table<int, Premier, Dernier>& t, int v) {
    t.remplir(v);
}

template <typename T, int Premier, int Dernier>
void remplirTout(Table<T, Premier, Dernier>& t, int v) {
    for (T& x : t) remplirTout(x, v);
}

// A real card: hands and dogs built for a test may leave empty records.
bool estCarte(const Carte& c) {
    if (c.couleur == ATOUT) return c.valeur >= 0 && c.valeur <= 21;
    return c.couleur >= PIQUE && c.couleur <= CARREAU && c.valeur >= 1 && c.valeur <= 14;
}

bool estPetit(const Carte& c) { return c.couleur == ATOUT && c.valeur == PETIT; }

// The entry of a card in the table of its kind: trumps and the Excuse in the
// trump tables, suit cards in the suit tables.
int& localisation(Connaissances& k, int observateur, int couleur, int valeur) {
    if (couleur == ATOUT) return k.localisationAtout[observateur][valeur];
    return k.localisationCouleur[observateur][couleur][valeur];
}

int& possible(Connaissances& k, int observateur, int siege, int couleur, int valeur) {
    if (couleur == ATOUT) return k.possibleAtout[observateur][siege][valeur];
    return k.possibleCouleur[observateur][siege][couleur][valeur];
}

int nbAtoutsDans(const Main& main) {
    int n = 0;
    for (int i = 1; i <= 18; ++i) n += estAtout(main[i]);
    return n;
}

// A small count as text, without the general conversion's cost.
std::string nombre(int n) {
    if (n < 0 || n > 99) return std::to_string(n);
    const char chiffres[2] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
    return n < 10 ? std::string(1, chiffres[1]) : std::string(chiffres, 2);
}

bool priseOuGarde(int contrat) { return contrat == PRISE || contrat == GARDE; }

// Whether the taker's hand is strong enough for the defence to fear it.
int testerPreneurFort(const Jeu& jeu) {
    const Donne& d = jeu.donne;
    const Connaissances& k = jeu.connaissances;
    const int p = d.preneur;
    const Main& main = d.mainJoueur[p];
    const int atouts = k.nbAtoutsDepart[p];
    if (p == d.joueurHumain || k.detenteurPetit == p || atouts <= 7) return 0;

    // Its eight highest trumps.
    int force = 0;
    int vus = 0;
    for (int v = 21; v >= 1 && vus < 8; --v) {
        bool tenu = false;
        for (int i = 1; i <= 18; ++i) tenu = tenu || (estAtout(main[i]) && main[i].valeur == v);
        if (!tenu) continue;
        ++vus;
        if (v == 21) force += 5;
        else if (v >= 15) force += 2;
        else if (v >= 10) force += 1;
    }
    if (atouts > 8) force += 2 * (atouts - 8);

    int bouts = 0;
    for (int i = 1; i <= 18; ++i) bouts += estBout(main[i]);

    const int longue = k.couleurLongue[p];
    const int longueur = k.nbCartesCouleurDepart[p][longue];
    int honneurs = 0;
    for (int i = 1; i <= 18; ++i) {
        if (main[i].couleur != longue) continue;
        switch (main[i].valeur) {
        case VALET: honneurs += 1; break;
        case CAVALIER: honneurs += 2; break;
        case DAME: honneurs += 3; break;
        case ROI: honneurs += 5; break;
        default: break;
        }
    }
    if (longueur > 5) honneurs += longueur - 5;

    const bool fort = (bouts < 2 && honneurs > 5) || (bouts == 2 && honneurs > 8) || atouts > 9;
    return force > 10 && fort ? 1 : 0;
}

// Places for observer o, which knows where the set-aside cards are, each card
// of the suit it has not placed and has excluded from two of the three other
// seats: the third one holds it.
void placerCouleurParDeduction(Connaissances& k, int o, int couleur) {
    Table<int, 1, 14>& lieux = k.localisationCouleur[o][couleur];
    for (int v = 1; v <= 14; ++v) {
        if (lieux[v] != NON_PLACE) continue;
        int exclus = 0;
        int reste = 0;
        for (int t = 1; t <= 4; ++t) {
            if (t == o) continue;
            if (k.possibleCouleur[o][t][couleur][v] == EXCLU) ++exclus;
            else reste = t;
        }
        if (exclus != 2) continue;
        lieux[v] = reste;
        for (int t = 1; t <= 4; ++t)
            if (t != reste) k.possibleCouleur[o][t][couleur][v] = EXCLU;
    }
}

// The deduction pass but for the remaining counts.
void placerParDeduction(Jeu& jeu) {
    Connaissances& k = jeu.connaissances;
    const Donne& d = jeu.donne;

    // An observer may place the cards it cannot see only once it knows where
    // each of the six set-aside cards lies; otherwise an unseen card could be
    // among them rather than with the one seat not yet excluded.
    for (int o = 1; o <= 4; ++o) {
        if (k.ecartLocalise[o] == 1) continue;
        bool tousPlaces = true;
        for (int i = 1; i <= 6 && tousPlaces; ++i) {
            const Carte& c = d.chien[i];
            tousPlaces = estCarte(c) && localisation(k, o, c.couleur, c.valeur) == HORS_JEU;
        }
        if (tousPlaces) k.ecartLocalise[o] = 1;
    }

    for (int o = 1; o <= 4; ++o) {
        if (k.ecartLocalise[o] != 1) continue;
        for (int couleur = 1; couleur <= 4; ++couleur) placerCouleurParDeduction(k, o, couleur);
    }
}

// The deduction pass after a card. Since the last pass the card played has
// left play, which places nothing, and the way it was played may have shown
// that its seat lacks the suit led: only that suit can yield a new card for an
// observer that already knew where the set-aside cards are. An observer that
// learns it now looks at every suit, as the whole pass does.
void placerApresCarte(Jeu& jeu, const Carte& carteJouee, const Contrainte& contrainte) {
    Connaissances& k = jeu.connaissances;
    const Donne& d = jeu.donne;
    const bool couleurManquante = (contrainte.code == 1 || contrainte.code == 4) &&
                                  contrainte.couleurAbsente >= PIQUE && contrainte.couleurAbsente <= CARREAU;
    // Only a card of the six set aside, put out of play, can complete what an
    // observer knows of them.
    bool carteDuChien = false;
    for (int i = 1; i <= 6; ++i) carteDuChien = carteDuChien || d.chien[i].memeCarte(carteJouee);
    for (int o = 1; o <= 4; ++o) {
        if (k.ecartLocalise[o] == 1) {
            if (couleurManquante) placerCouleurParDeduction(k, o, contrainte.couleurAbsente);
            continue;
        }
        if (!carteDuChien) continue;
        bool tousPlaces = true;
        for (int i = 1; i <= 6 && tousPlaces; ++i) {
            const Carte& c = d.chien[i];
            tousPlaces = estCarte(c) && localisation(k, o, c.couleur, c.valeur) == HORS_JEU;
        }
        if (!tousPlaces) continue;
        k.ecartLocalise[o] = 1;
        for (int couleur = 1; couleur <= 4; ++couleur) placerCouleurParDeduction(k, o, couleur);
    }
}

// Cards of each suit, and trumps, that each observer neither holds nor has
// seen out of play.
void compterRestants(Connaissances& k) {
    for (int o = 1; o <= 4; ++o) {
        for (int couleur = 1; couleur <= 4; ++couleur) {
            const Table<int, 1, 14>& l = k.localisationCouleur[o][couleur];
            int connus = 0;
            for (int v = 1; v <= 14; ++v) connus += static_cast<int>(l[v] == HORS_JEU) + static_cast<int>(l[v] == o);
            k.restantCouleur[o][couleur] = 14 - connus;
        }
        const ParAtout& l = k.localisationAtout[o];
        int connus = 0;
        for (int v = 1; v <= 21; ++v) connus += static_cast<int>(l[v] == HORS_JEU) + static_cast<int>(l[v] == o);
        k.restantAtout[o] = 21 - connus;
    }
}

}  // namespace

void initialiserConnaissances(Jeu& jeu) {
    Connaissances& k = jeu.connaissances;
    Donne& d = jeu.donne;
    const int p = d.preneur;

    k.signalAtout = 0;
    k.couleurMaitre.remplir(14);
    k.cavalierSousRoi = 0;
    remplirTout(k.restantCouleur, 14);
    k.restantAtout.remplir(21);
    k.ecartLocalise.remplir(0);

    k.sansEntame.remplir(1);
    k.etatCouleur.remplir(1);
    k.sansAtouter.remplir(1);
    k.defenseSansEntame = 1;
    k.petitPreneurCoupe = -1;
    k.entameAtoutImpair = -1;
    k.premiereEntamePreneur = -1;
    k.deuxiemeEntamePreneur = -1;
    // Not left over from the previous deal: the taker has not led yet.
    k.derniereEntamePreneur = -1;
    k.couleurEntameeParPreneur.remplir(0);
    k.nbCouleursEntameesPreneur = 0;
    k.ordreEntamesPreneur.remplir(-1);
    k.atoutJoue.remplir(0);
    k.excuseJouee = 0;
    remplirTout(k.couleurJouee, 0);
    k.nbAtoutsJoues = 0;

    k.detenteurPetit = k.rangPetit = -1;
    k.detenteurExcuse = k.rangExcuse = -1;
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 18; ++i) {
            const Carte& c = d.mainJoueur[s][i];
            if (estPetit(c)) {
                k.detenteurPetit = s;
                k.rangPetit = i;
            } else if (estExcuse(c)) {
                k.detenteurExcuse = s;
                k.rangExcuse = i;
            }
        }

    for (int s = 1; s <= 4; ++s) d.contrainteJeu[s].remplir(Contrainte{});

    for (int s = 1; s <= 4; ++s) {
        k.atoutDehors[s].remplir(1);
        remplirTout(k.couleurDehors[s], 1);
        for (int i = 1; i <= 18; ++i) {
            const Carte& c = d.mainJoueur[s][i];
            if (!estCarte(c)) continue;
            if (estAtout(c)) k.atoutDehors[s][c.valeur] = 0;
            else if (c.couleur != ATOUT) k.couleurDehors[s][c.couleur][c.valeur] = 0;
        }
    }

    k.nbAtoutsAuChien = -1;
    if (k.chienMontre) {
        k.nbAtoutsAuChien = 0;
        for (int i = 1; i <= 6; ++i) k.nbAtoutsAuChien += estAtout(d.chienInitial[i]);
    }

    for (int s = 1; s <= 4; ++s) {
        k.nbAtoutsDepart[s] = k.nbAtoutsMain[s] = nbAtoutsDans(d.mainJoueur[s]);
        k.nbAtoutsDehors[s] = 21 - k.nbAtoutsDepart[s];
    }

    remplirTout(k.couleurCoupee, 0);
    for (int s = 1; s <= 4; ++s) {
        ParCouleur n;
        for (int i = 1; i <= 18; ++i) {
            const Carte& c = d.mainJoueur[s][i];
            if (estCarte(c) && c.couleur != ATOUT) ++n[c.couleur];
        }
        k.nbCartesCouleur[s] = k.nbCartesCouleurDepart[s] = n;
        for (int couleur = 1; couleur <= 4; ++couleur)
            if (n[couleur] == 0) k.couleurCoupee[s][s][couleur] = 1;
    }

    // Ties go to the suit met first from a random start.
    for (int s = 1; s <= 4; ++s) {
        int longue = hasard(jeu.hasard, 4);
        for (int i = 1, couleur = longue; i <= 3; ++i) {
            couleur = couleur == 4 ? 1 : couleur + 1;
            if (k.nbCartesCouleurDepart[s][couleur] > k.nbCartesCouleurDepart[s][longue]) longue = couleur;
        }
        k.couleurLongue[s] = longue;
    }

    remplirTout(k.atoutCoupe, 0);
    for (int s = 1; s <= 4; ++s)
        if (k.nbAtoutsDepart[s] == 0) k.atoutCoupe[s][s] = 1;

    k.roiSecPreneur.remplir(0);
    for (int i = 1; i <= 18; ++i) {
        const Carte& c = d.mainJoueur[p][i];
        if (estCarte(c) && c.couleur != ATOUT && c.valeur == ROI && k.nbCartesCouleurDepart[p][c.couleur] == 1)
            k.roiSecPreneur[c.couleur] = 1;
    }

    k.detenteurAtout.remplir(0);
    k.rangAtout.remplir(0);
    remplirTout(k.detenteurCouleur, 0);
    remplirTout(k.rangCouleur, 0);
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 18; ++i) {
            const Carte& c = d.mainJoueur[s][i];
            if (!estCarte(c)) continue;
            if (c.couleur == ATOUT) {
                if (c.valeur < 2) continue;
                k.detenteurAtout[c.valeur] = s;
                k.rangAtout[c.valeur] = i;
            } else {
                k.detenteurCouleur[c.couleur][c.valeur] = s;
                k.rangCouleur[c.couleur][c.valeur] = i;
            }
        }
    for (int i = 1; i <= 6; ++i) {
        const Carte& c = d.chien[i];
        if (!estCarte(c)) continue;
        if (c.couleur == ATOUT) {
            if (c.valeur < 2) continue;
            k.detenteurAtout[c.valeur] = k.rangAtout[c.valeur] = 0;
        } else {
            k.detenteurCouleur[c.couleur][c.valeur] = k.rangCouleur[c.couleur][c.valeur] = 0;
        }
    }

    k.roiAuChien.remplir(0);
    if (priseOuGarde(d.contrat))
        for (int i = 1; i <= 6; ++i)
            if (estRoi(d.chienInitial[i]) && estCarte(d.chienInitial[i])) k.roiAuChien[d.chienInitial[i].couleur] = 1;

    for (int s = 1; s <= 4; ++s)
        for (int couleur = 1; couleur <= 4; ++couleur)
            k.nbCouleurDehors[s][couleur] = 14 - k.nbCartesCouleur[s][couleur];

    k.signalAtoutImpair = 0;
    k.preneurFort = testerPreneurFort(jeu);

    remplirTout(k.localisationCouleur, NON_PLACE);
    remplirTout(k.localisationAtout, NON_PLACE);
    remplirTout(k.possibleCouleur, POSSIBLE);
    remplirTout(k.possibleAtout, POSSIBLE);
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 18; ++i) {
            const Carte& c = d.mainJoueur[s][i];
            if (!estCarte(c)) continue;
            if (c.couleur == ATOUT) {
                k.localisationAtout[s][c.valeur] = s;
                for (int t = 1; t <= 4; ++t)
                    if (t != s) k.possibleAtout[s][t][c.valeur] = EXCLU;
            } else {
                k.localisationCouleur[s][c.couleur][c.valeur] = s;
                for (int t = 1; t <= 4; ++t)
                    if (t != s) k.possibleCouleur[s][t][c.couleur][c.valeur] = EXCLU;
            }
        }
    if (priseOuGarde(d.contrat)) {
        // The taker knows its discard; everybody saw the dog go to the taker.
        k.ecartLocalise[p] = 1;
        for (int i = 1; i <= 6; ++i) {
            const Carte& c = d.chien[i];
            if (!estCarte(c)) continue;
            localisation(k, p, c.couleur, c.valeur) = HORS_JEU;
            for (int t = 1; t <= 4; ++t)
                if (t != p) possible(k, p, t, c.couleur, c.valeur) = EXCLU;
            if (c.couleur != ATOUT) k.nbCouleurDehors[p][c.couleur] -= 1;
        }
        for (int i = 1; i <= 6; ++i) {
            const Carte& c = d.chienInitial[i];
            if (!estCarte(c)) continue;
            for (int o = 1; o <= 4; ++o)
                for (int t = 1; t <= 4; ++t)
                    if (o != p && t != p) possible(k, o, t, c.couleur, c.valeur) = EXCLU;
        }
    }

    deduireConnaissances(jeu);
    for (int s = 1; s <= 4; ++s) k.atoutMaitre[s] = plusHautAtoutEnJeu(jeu, s);
    afficherDeductions(jeu);
}

void noterCarteJouee(Jeu& jeu, int a, int slot) {
    Connaissances& k = jeu.connaissances;
    Donne& d = jeu.donne;
    const Carte carteJouee = d.mainJoueur[a][slot];
    const int v = carteJouee.valeur;
    const int c = carteJouee.couleur;
    const Contrainte contrainte = d.contrainteJeu[a][slot];
    const int code = contrainte.code;
    const int L = d.joueurEntame;
    const int P = d.preneur;
    const bool atout = estAtout(carteJouee);
    const bool petit = estPetit(carteJouee);
    const Carte& entame = d.pliEnCours[L];

    // A defender's follow in trumps tells its partner about its trumps.
    if (a != L && estAtout(entame) && atout) {
        const Carte& avant = d.pliEnCours[siegePrecedent(a)];
        if (estAtout(avant)) {
            const int e = avant.valeur;
            if ((v < e && e - v <= 6) || (v > e && v - e > 5)) k.signalAtout = 1;
        }
    }
    if (petit) {
        k.petitJoue = 1;
        k.signalAtoutImpair = 0;
    }
    if (a == P && c != ATOUT) k.couleurJoueeParPreneur[c] = 1;
    if (a == P && a == L) k.derniereEntamePreneur = c;
    if (a == P && a == L && c != ATOUT) {
        k.couleurEntameeParPreneur[c] = 1;
        int n = 0;
        for (int couleur = 1; couleur <= 4; ++couleur) n += k.couleurEntameeParPreneur[couleur];
        k.nbCouleursEntameesPreneur = n;
        k.ordreEntamesPreneur[n] = c;
    }
    if (atout)
        for (int s = 1; s <= 4; ++s) k.atoutDehors[s][v] = 0;
    if (c != ATOUT) {
        for (int s = 1; s <= 4; ++s) {
            k.couleurDehors[s][c][v] = 0;
            if (s != a) k.nbCouleurDehors[s][c] -= 1;
        }
    }
    if (a != P && L == P && c == k.couleurLongue[P] && v == CAVALIER && entame.couleur == c && entame.valeur == ROI)
        k.cavalierSousRoi = 1;

    d.carteJouee[a][d.numeroPli] = slot;
    if (a == L) d.entameurPli[d.numeroPli] = a;

    if (estExcuse(carteJouee)) {
        k.detenteurExcuse = HORS_JEU;
        k.excuseJouee = 1;
    }
    if (petit) {
        k.detenteurPetit = HORS_JEU;
        k.signalAtout = 0;
        k.atoutJoue[PETIT] = 1;
    }
    if (a == L && k.sansEntame[a] == 1) {
        k.sansEntame[a] = 0;
        if (a != P && atout && v % 2 == 1) {
            k.entameAtoutImpair = a;
            k.signalAtoutImpair = 1;
        }
    }
    for (int s = 1; s <= 4; ++s)
        if (s != P && k.sansEntame[s] == 0) k.defenseSansEntame = 0;
    if (c != ATOUT && k.etatCouleur[c] == 1) k.etatCouleur[c] = 2;
    if (atout) {
        k.sansAtouter[a] = 0;
        k.nbAtoutsJoues += 1;
        k.atoutJoue[v] = 1;
    }
    if (c != ATOUT) k.couleurJouee[c][v] = 1;
    if (code == 1 || code == 4)
        for (int o = 1; o <= 4; ++o) k.couleurCoupee[o][a][contrainte.couleurAbsente] = 1;
    if (c != ATOUT) {
        k.nbCartesCouleur[a][c] -= 1;
        if (k.nbCartesCouleur[a][c] == 0) k.couleurCoupee[a][a][c] = 1;
    }
    if (a != P && code == 1 && k.couleurLongue[P] == d.couleurDemandee) k.couleurLongueCoupee = 1;
    if (code == 4 || code == 5)
        for (int o = 1; o <= 4; ++o) k.atoutCoupe[o][a] = 1;
    if (atout) {
        k.nbAtoutsMain[a] -= 1;
        if (k.nbAtoutsMain[a] == 0) k.atoutCoupe[a][a] = 1;
    }
    if (a == P && petit && code == 1) k.petitPreneurCoupe = 0;
    if (a == P && c != ATOUT && code == 0) {
        if (k.premiereEntamePreneur == -1) k.premiereEntamePreneur = c;
        else if (k.deuxiemeEntamePreneur == -1) k.deuxiemeEntamePreneur = c;
    }
    if (regleActive(jeu, 39) && a == L && k.petitPreneurCoupe == 0 && atout) k.petitPreneurCoupe = -1;
    if (atout && v >= 2) k.detenteurAtout[v] = HORS_JEU;
    if (c != ATOUT) k.detenteurCouleur[c][v] = HORS_JEU;
    if (c != ATOUT && v == ROI) k.roiSecPreneur[c] = 0;

    noterCarteHorsJeu(jeu, a, slot, c, v);
    // The deduction pass; noterCarteHorsJeu has already brought the remaining
    // counts up to date.
    placerApresCarte(jeu, carteJouee, contrainte);
    if (atout)
        for (int s = 1; s <= 4; ++s)
            if (s != a) k.nbAtoutsDehors[s] -= 1;
    afficherDeductions(jeu);
}

void noterCarteHorsJeu(Jeu& jeu, int siege, int slot, int couleur, int valeur) {
    Connaissances& k = jeu.connaissances;
    const bool atout = couleur == ATOUT;
    for (int o = 1; o <= 4; ++o) {
        int& l = atout ? k.localisationAtout[o][valeur] : k.localisationCouleur[o][couleur][valeur];
        // The remaining counts follow at once, so the deduction pass after a
        // card need not count them again.
        if (l != HORS_JEU && l != o) {
            if (!atout) --k.restantCouleur[o][couleur];
            else if (valeur != EXCUSE) --k.restantAtout[o];
        }
        l = HORS_JEU;
        if (atout) {
            for (int t = 1; t <= 4; ++t) k.possibleAtout[o][t][valeur] = EXCLU;
        } else {
            for (int t = 1; t <= 4; ++t) k.possibleCouleur[o][t][couleur][valeur] = EXCLU;
        }
    }

    // What the way the card was played tells everybody.
    const Contrainte& r = jeu.donne.contrainteJeu[siege][slot];
    for (int o = 1; o <= 4; ++o) {
        if (r.code == 1 || r.code == 4) k.possibleCouleur[o][siege][r.couleurAbsente].remplir(EXCLU);
        if (r.code == 3)
            for (int w = r.atoutAbattre + 1; w <= 21; ++w) k.possibleAtout[o][siege][w] = EXCLU;
        if (r.code == 4 || r.code == 5)
            for (int w = 1; w <= 21; ++w) k.possibleAtout[o][siege][w] = EXCLU;
    }
}

void deduireConnaissances(Jeu& jeu) {
    placerParDeduction(jeu);
    compterRestants(jeu.connaissances);
}

int plusHautAtoutEnJeu(const Jeu& jeu, int observateur) {
    const ParAtout& l = jeu.connaissances.localisationAtout[observateur];
    for (int v = 21; v >= 1; --v)
        if (l[v] != HORS_JEU) return v;
    return -1;
}

void rafraichirMaitres(Jeu& jeu) {
    Connaissances& k = jeu.connaissances;
    const ParCarteCouleur& l = k.localisationCouleur[jeu.donne.joueurHumain];
    for (int couleur = 1; couleur <= 4; ++couleur) {
        k.couleurMaitre[couleur] = -1;
        for (int v = 14; v >= 1; --v)
            if (l[couleur][v] != HORS_JEU) {
                k.couleurMaitre[couleur] = v;
                break;
            }
    }
    for (int s = 1; s <= 4; ++s) k.atoutMaitre[s] = plusHautAtoutEnJeu(jeu, s);
    afficherDeductions(jeu);
}

void afficherDeductions(Jeu& jeu) {
    if (!jeu.vue->montreDeductions()) return;  // a headless table: no text to build
    const Connaissances& k = jeu.connaissances;
    const int h = jeu.donne.joueurHumain;
    Deductions x;
    x.atoutMaximal = k.atoutMaitre[h] == -1 ? std::string("-") : nombre(k.atoutMaitre[h]);
    x.atoutsDehors = nombre(k.nbAtoutsDehors[h]);
    x.vingtEtUnJoue = k.detenteurAtout[VINGT_ET_UN] == HORS_JEU;
    x.petitJoue = k.detenteurPetit == HORS_JEU;
    x.excuseJouee = k.detenteurExcuse == HORS_JEU;
    for (int couleur = 1; couleur <= 4; ++couleur) {
        for (int v = VALET; v <= ROI; ++v) x.honneurHorsJeu[couleur][v] = k.localisationCouleur[h][couleur][v] == HORS_JEU;
        const int n = k.nbCouleurDehors[h][couleur];
        x.couleurDehors[couleur] = n == 0 ? std::string("-") : nombre(n);
    }
    jeu.vue->afficherDeductions(x);
}
