// Rules 13 to 24: following a plain suit. Beating or capturing the taker's
// card, a partner's lead of a new suit, keeping honours back, the strong
// taker's hunt for the Petit, and the discards of a defender without trumps.
#include "engine/regles_liste.h"

namespace {

bool partenaireEntameDevantPreneur(const Choix& ch) {
    return !ch.estPreneur && ch.donne.joueurEntame != ch.preneur && ch.etat.positionPli != 1 &&
           preneurJoueApres(ch.jeu, ch.siege, ch.etat.positionPli);
}

// A partner led a plain suit that is being played for the first time.
int couleurNeuveDuPartenaire(const Choix& ch) {
    if (!partenaireEntameDevantPreneur(ch)) return 0;
    const int s = ch.couleurEntame;
    if (!estCouleur(s) || ch.conn.etatCouleur[s] != 2) return 0;
    return s;
}

int nbCouleursJoueesParPreneur(const Connaissances& k) {
    int nb = 0;
    for (int s = PIQUE; s <= CARREAU; ++s)
        if (k.couleurJoueeParPreneur[s] != 0) ++nb;
    return nb;
}

}  // namespace

void regle13BattrePreneurGrosHonneur(Choix& ch) {
    const int position = ch.etat.positionPli;
    const int s = ch.couleurEntame;
    if (!estCouleur(s) || ch.estPreneur || preneurJoueApres(ch.jeu, ch.siege, position)) return;
    if (ch.etat.gagne == -1 || ch.etat.gagnant != ch.preneur) return;
    const Carte& cartePreneur = ch.donne.pliEnCours[ch.preneur];
    const bool apresCouleur = cartePreneur.couleur != ATOUT && (position == 3 || position == 4);
    const bool couleurEpuisee = position >= 2 && ch.conn.nbCouleurDehors[ch.siege][s] <= 1;
    if (!apresCouleur && !couleurEpuisee) return;
    int slot = plusGrosHonneur(ch.jeu, ch.siege);
    if (slot == -1) {
        const Main& main = ch.donne.mainJoueur[ch.siege];
        for (int i = 18; i >= 1 && slot == -1; --i)
            if (estJouable(ch, i) && main[i].couleur == cartePreneur.couleur && main[i].valeur > cartePreneur.valeur)
                slot = i;
    }
    if (slot != -1) imposer(ch, slot, 13);
}

void regle14CouperHautDevantPreneur(Choix& ch) {
    const Connaissances& k = ch.conn;
    const EtatRegles& r = ch.etat;
    if (ch.estPreneur || r.positionPli == 1 || ch.donne.joueurEntame == ch.preneur) return;
    const int s = ch.couleurEntame;
    if (!estCouleur(s)) return;
    if (k.couleurCoupee[ch.siege][ch.preneur][s] != 1 || k.couleurCoupee[ch.siege][ch.siege][s] != 1) return;
    if (ch.siege != r.avantPreneur && !(ch.siege == r.facePreneur && r.positionPli == 2)) return;
    const int slot = premierAtoutJouable(ch, 2);
    if (slot != -1) imposer(ch, slot, 14);
}

void regle15CapturerHonneurPreneur(Choix& ch) {
    if (ch.estPreneur || preneurJoueApres(ch.jeu, ch.siege, ch.etat.positionPli)) return;
    const int s = ch.couleurEntame;
    const Carte& cartePreneur = ch.donne.pliEnCours[ch.preneur];
    if (!estCouleur(s) || cartePreneur.couleur != s) return;
    // Each honour the seat holds is tried with its own chance.
    auto essayer = [&](int honneur, int seuil) {
        return tient(ch, s, honneur) && hasard(ch.alea, 100) < seuil && imposerTenue(ch, s, honneur, 15);
    };
    switch (cartePreneur.valeur) {
    case VALET:
        if (essayer(ROI, 70) || essayer(DAME, 80)) return;
        essayer(CAVALIER, 80);
        return;
    case CAVALIER:
        if (essayer(ROI, 98)) return;
        essayer(DAME, 98);
        return;
    case DAME: imposerTenue(ch, s, ROI, 15); return;
    default: return;
    }
}

void regle16GarderHonneursDerniereCouleur(Choix& ch) {
    const Connaissances& k = ch.conn;
    if (ch.estPreneur || !preneurJoueApres(ch.jeu, ch.siege, ch.etat.positionPli)) return;
    int nbJouees = 0;
    int derniere = 0;
    for (int s = PIQUE; s <= CARREAU; ++s) {
        if (k.etatCouleur[s] == 0)
            ++nbJouees;
        else if (k.etatCouleur[s] == 1 || k.etatCouleur[s] == 2)
            derniere = s;
    }
    if (nbJouees != 3 || derniere == 0) return;
    if (nbCouleursJoueesParPreneur(k) != 3) return;
    if (ch.contrat != PRISE && ch.contrat != GARDE) return;
    if (ch.etat.positionPli != 1 && ch.couleurEntame != derniere) return;
    for (const int h : {ROI, DAME, CAVALIER, VALET}) retirerCarte(ch.jeu, ch.siege, derniere, h);
}

void regle17PreneurCaptureValetCavalier(Choix& ch) {
    const EtatRegles& r = ch.etat;
    if (!ch.estPreneur || r.positionPli == 1 || r.gagne == -1) return;
    const int s = ch.couleurEntame;
    if (!estCouleur(s)) return;
    auto valetOuCavalier = [s](const Carte& c) {
        return c.couleur == s && (c.valeur == VALET || c.valeur == CAVALIER);
    };
    const auto& pli = ch.donne.pliEnCours;
    const bool defenseurHonneur = valetOuCavalier(ch.entame) ||
                                  (r.positionPli == 3 && valetOuCavalier(pli[r.avantPreneur])) ||
                                  (r.positionPli == 4 && (valetOuCavalier(pli[r.avantPreneur]) ||
                                                          valetOuCavalier(pli[r.facePreneur])));
    if (!defenseurHonneur || ch.conn.nbCouleurDehors[ch.siege][s] <= 5) return;
    if (imposerTenue(ch, s, ROI, 17)) return;
    imposerTenue(ch, s, DAME, 17);
}

void regle18ReponseEntamesPreneur(Choix& ch) {
    const Connaissances& k = ch.conn;
    const int position = ch.etat.positionPli;
    if (ch.estPreneur || ch.donne.joueurEntame != ch.preneur || position == 1) return;
    const int s = ch.entame.couleur;
    if (!estCouleur(s) || ch.entame.valeur >= VALET) return;
    if (s != k.ordreEntamesPreneur[1] && s != k.ordreEntamesPreneur[2]) return;
    int honneur = 0;
    if (tient(ch, s, ROI) && tient(ch, s, DAME)) honneur = ROI;
    if (tient(ch, s, DAME) && tient(ch, s, CAVALIER)) honneur = DAME;
    if (tient(ch, s, CAVALIER) && tient(ch, s, VALET)) honneur = CAVALIER;
    if (honneur != 0) {
        imposerTenue(ch, s, honneur, 18);
        return;
    }
    if (position == 2 || ch.etat.gagnant != ch.preneur) retirerCarte(ch.jeu, ch.siege, s, ROI);
}

void regle19DameSurPetiteEntame(Choix& ch) {
    if (hasard(ch.alea, 100) >= 80) return;
    const int s = couleurNeuveDuPartenaire(ch);
    if (s == 0 || ch.entame.valeur >= 6) return;
    if (nbCartesDeCouleur(ch.jeu, ch.siege, s) >= 4) return;
    if (!tient(ch, s, DAME) || ch.conn.roiAuChien[s] != 0) return;
    imposerTenue(ch, s, DAME, 19);
}

void regle20RoiSurEntamePartenaire(Choix& ch) {
    const int s = couleurNeuveDuPartenaire(ch);
    if (s == 0) return;
    const int n = nbCartesDeCouleur(ch.jeu, ch.siege, s);
    bool tirage = false;
    if (n < 4)
        tirage = hasard(ch.alea, 100) < 60;
    else if (n == 4)
        tirage = hasard(ch.alea, 100) < 40;
    if (!tirage) return;
    imposerTenue(ch, s, ROI, 20);
}

void regle21PasDameSeuleSurEntameHaute(Choix& ch) {
    const int s = couleurNeuveDuPartenaire(ch);
    if (s == 0 || ch.entame.valeur <= 5) return;
    if (!tient(ch, s, DAME) || tient(ch, s, ROI)) return;
    retirerCarte(ch.jeu, ch.siege, s, DAME);
}

void regle22PreneurFortChassePetit(Choix& ch) {
    const Connaissances& k = ch.conn;
    const int p = ch.preneur;
    if (k.preneurFort != 1 || !ch.estPreneur || ch.etat.positionPli != 1 || petitTombe(ch)) return;
    int sansAtout = 0;
    for (int j = 1; j <= 4; ++j)
        if (j != p && k.atoutCoupe[p][j] == 1) ++sansAtout;
    if (sansAtout == 2 && k.nbAtoutsMain[p] < k.nbAtoutsDehors[p]) return;

    bool assezDeMaitres = false;
    const int maitre = k.atoutMaitre[p];
    if (maitre >= 2 && tient(ch, ATOUT, maitre)) {
        const int n = nbAtoutsMaitresTenus(ch.jeu, p);
        const int m = k.nbAtoutsDehors[p];
        assezDeMaitres = (m >= 1 && m <= 6 && n >= 1) || (m >= 7 && m <= 9 && n >= 2) ||
                         ((m == 10 || m == 11) && n >= 3) || ((m == 12 || m == 13) && n >= 4);
    }
    if (assezDeMaitres) {
        if (k.nbAtoutsMain[p] < 1) return;
        const int slot = premierAtoutJouable(ch, 1);
        if (slot != -1) imposer(ch, slot, 22);
        return;
    }
    const Main& main = ch.donne.mainJoueur[ch.siege];
    int atouts = 0;
    for (int i = 1; i <= 18; ++i)
        if (estJouable(ch, i) && estAtout(main[i])) ++atouts;
    // Fewer than three trumps give no card to lead in the middle of them.
    if (atouts < 3) return;
    const int rangCible = (2 * atouts + 1) / 3;  // 2t/3 rounded: its fraction is never a half
    int vus = 0;
    for (int i = 1; i <= 18; ++i) {
        if (!estJouable(ch, i)) continue;
        if (++vus == rangCible) {
            imposer(ch, i, 22);
            return;
        }
    }
}

void regle23SacrifierPetit(Choix& ch) {
    const Connaissances& k = ch.conn;
    const EtatRegles& r = ch.etat;
    if (ch.estPreneur || (r.positionPli != 2 && r.positionPli != 3) || !tient(ch, ATOUT, PETIT)) return;
    if (ch.donne.joueurEntame != ch.preneur || !estAtout(ch.entame)) return;
    const int v = ch.entame.valeur;
    if (v > 17) return;
    int plusHautsEnJeu = 0;
    for (int w = v + 1; w <= 21; ++w)
        if (detenteur(k, ATOUT, w) != HORS_JEU) ++plusHautsEnJeu;
    if (plusHautsEnJeu <= 3) return;
    const auto& coupe = k.atoutCoupe[ch.siege];
    if (r.positionPli == 2 && coupe[r.facePreneur] != 0 && coupe[r.avantPreneur] != 0) return;
    if (r.positionPli == 3 && coupe[r.avantPreneur] != 0) return;
    imposer(ch, k.rangPetit, 23);
}

namespace {

// Rule 24: whether the defender without trumps gives points to this trick.
bool regle24Donner(const Choix& ch) {
    const Connaissances& k = ch.conn;
    const EtatRegles& r = ch.etat;
    const Donne& d = ch.donne;
    const int position = r.positionPli;
    for (const int defenseur : {r.apresPreneur, r.facePreneur, r.avantPreneur}) {
        const Carte& c = d.pliEnCours[defenseur];
        if (estAtout(c) && c.valeur == k.atoutMaitre[ch.siege]) return true;
    }
    const bool preneurApres = preneurJoueApres(ch.jeu, ch.siege, position);
    if (r.gagne == DEFENSE_GAGNE && !preneurApres) return true;
    const int s = ch.couleurEntame;
    if (preneurApres && (position == 2 || position == 3) && estCouleur(s) &&
        k.couleurCoupee[ch.siege][ch.preneur][s] == 1)
        return k.atoutCoupe[ch.siege][ch.preneur] == 1;
    const int restantes = 19 - d.numeroPli;
    if (d.joueurEntame == ch.preneur && estAtout(ch.entame) && (position == 2 || position == 3) &&
        k.nbAtoutsDehors[ch.siege] >= restantes) {
        for (int w = ch.entame.valeur + 1; w <= 21; ++w)
            if (detenteur(k, ATOUT, w) != HORS_JEU) return true;
    }
    if (preneurApres || position == 4) return false;
    if (aJouableDeCouleur(ch, s) || !estCouleur(s)) return false;
    const int u = ch.entame.valeur;
    const int maitre = k.couleurMaitre[s];
    if (d.joueurEntame == ch.preneur) {
        if (u == maitre) return k.nbAtoutsDehors[ch.siege] >= restantes;
        if (u < maitre) {
            const int dehors = k.nbCouleurDehors[ch.siege][s];
            return restantes < k.nbAtoutsDehors[ch.siege] ||
                   (r.gagne != DEFENSE_GAGNE && (position == 2 || position == 3) &&
                    (dehors > 4 || restantes < dehors));
        }
        return false;
    }
    const Carte& cartePreneur = d.pliEnCours[ch.preneur];
    if (u == maitre) return estCouleur(cartePreneur.couleur);
    if (u < maitre && estCouleur(cartePreneur.couleur)) return cartePreneur.valeur < maitre;
    return false;
}

// Honours thrown where the taker is known void: a suit drawn for each honour.
bool donnerDansCoupe(Choix& ch) {
    for (int h = ROI; h >= VALET; --h) {
        const OrdreCouleurs ordre = couleursDepuisTirage(ch.alea);
        if (ch.conn.couleurCoupee[ch.siege][ch.preneur][ordre[0]] != 1) continue;
        for (const int s : ordre)
            if (imposerTenue(ch, s, h, 24)) return true;
    }
    return false;
}

void donnerPartout(Choix& ch) {
    const Connaissances& k = ch.conn;
    const bool prudence = nbCouleursJoueesParPreneur(k) < 3 && (ch.contrat == PRISE || ch.contrat == GARDE);
    for (int h = ROI; h >= VALET; --h) {
        for (const int s : couleursDepuisTirage(ch.alea)) {
            // The master card of a suit nobody has opened stays while the taker
            // may still be short there.
            if (prudence && h == k.couleurMaitre[s] && k.etatCouleur[s] == 1) continue;
            if (imposerTenue(ch, s, h, 24)) return;
        }
    }
}

void garderHonneurs(Choix& ch) {
    int s = hasard(ch.alea, 4);
    for (int h = ROI; h >= VALET; --h) {
        for (int pas = 1; pas <= 4; ++pas) {
            retirerCarte(ch.jeu, ch.siege, s, h);
            s = couleurDecalee(s, pas);
        }
    }
}

}  // namespace

void regle24DefausseSansAtout(Choix& ch) {
    if (ch.estPreneur || ch.etat.positionPli < 2 || estExcuse(ch.entame)) return;
    if (ch.conn.atoutCoupe[ch.siege][ch.siege] != 1) return;
    if (!regle24Donner(ch)) {
        garderHonneurs(ch);
        return;
    }
    if (!donnerDansCoupe(ch)) donnerPartout(ch);
}
