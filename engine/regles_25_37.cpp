// Rules 25 to 37: the Petit (kept for the end, saved, thrown under a partner's
// master trump, hunted) and the Excuse (kept, answered, thrown on a lost trick).
#include "engine/regles_liste.h"

namespace {

// Whether the seat plays after the taker in a trick the taker has already
// played to, each defender from its own place.
bool apresLePreneur(const Choix& ch) {
    const EtatRegles& r = ch.etat;
    const int position = r.positionPli;
    return (ch.estPreneur && position == 4) || (ch.siege == r.apresPreneur && position != 1) ||
           (ch.siege == r.facePreneur && (position == 3 || position == 4)) ||
           (ch.siege == r.avantPreneur && position == 4);
}

}  // namespace

void regle25GarderPetitToutAtout(Choix& ch) {
    const Connaissances& k = ch.conn;
    if (k.nbAtoutsMain[ch.siege] + k.nbAtoutsJoues != 21) return;
    if (k.nbAtoutsMain[ch.siege] != 19 - ch.donne.numeroPli || !tient(ch, ATOUT, PETIT)) return;
    retirerCarte(ch.jeu, ch.siege, ATOUT, PETIT);
}

void regle26PreneurGardePetit(Choix& ch) {
    const Connaissances& k = ch.conn;
    const EtatRegles& r = ch.etat;
    if (!ch.estPreneur || !tient(ch, ATOUT, PETIT)) return;
    const auto& coupe = k.atoutCoupe[ch.preneur];
    if (coupe[r.apresPreneur] != 1 || coupe[r.facePreneur] != 1 || coupe[r.avantPreneur] != 1) return;
    retirerCarte(ch.jeu, ch.siege, ATOUT, PETIT);
}

void regle27SauverPetit(Choix& ch) {
    if (!tient(ch, ATOUT, PETIT) || ch.etat.gagne == -1 || !apresLePreneur(ch)) return;
    imposer(ch, ch.conn.rangPetit, 27);
}

void regle28AtoutMaitreContrePetit(Choix& ch) {
    if (ch.estPreneur || ch.etat.positionPli != 1) return;
    if (petitTombe(ch) || tient(ch, ATOUT, PETIT)) return;
    const int maitre = ch.conn.atoutMaitre[ch.siege];
    if (maitre < 2) return;
    imposerTenue(ch, ATOUT, maitre, 28);
}

void regle29PetitSousAtoutMaitre(Choix& ch) {
    const EtatRegles& r = ch.etat;
    if (ch.estPreneur || !tient(ch, ATOUT, PETIT)) return;
    const int maitre = ch.conn.atoutMaitre[ch.siege];
    if (maitre < 3) return;
    for (const int defenseur : {r.apresPreneur, r.facePreneur, r.avantPreneur}) {
        const Carte& c = ch.donne.pliEnCours[defenseur];
        if (c.couleur == ATOUT && c.valeur == maitre) {
            imposer(ch, ch.conn.rangPetit, 29);
            return;
        }
    }
}

void regle30PetitCourtAtoutHaut(Choix& ch) {
    const Connaissances& k = ch.conn;
    if (!tient(ch, ATOUT, PETIT) || ch.estPreneur || ch.etat.positionPli == 1) return;
    if (k.nbAtoutsDepart[ch.siege] >= 7 || k.nbAtoutsMain[ch.siege] <= 1) return;
    const Main& main = ch.donne.mainJoueur[ch.siege];
    for (int i = 1; i <= 17; ++i) {
        if (estJouable(ch, i) && main[i].couleur == ATOUT && main[i].valeur > 9) {
            imposer(ch, i, 30);
            return;
        }
    }
}

void regle31PreneurCoupePetit(Choix& ch) {
    const Connaissances& k = ch.conn;
    if (!ch.estPreneur || ch.etat.positionPli == 1) return;
    if (!tient(ch, ATOUT, PETIT) || k.nbAtoutsDepart[ch.siege] >= 9) return;
    const int s = ch.couleurEntame;
    if (!estCouleur(s) || k.etatCouleur[s] != 2 || k.nbCartesCouleurDepart[ch.preneur][s] != 0) return;
    imposer(ch, k.rangPetit, 31);
}

void regle32DefenseurPetitAtoutHaut(Choix& ch) {
    if (ch.estPreneur || !tient(ch, ATOUT, PETIT)) return;
    if (ch.donne.joueurEntame == ch.preneur && ch.conn.nbAtoutsDepart[ch.siege] >= 6) return;
    // The highest trump dealt, played or not: once it has gone the rule gives way.
    const Main& main = ch.donne.mainJoueur[ch.siege];
    for (int i = 1; i <= 18; ++i) {
        if (main[i].couleur == ATOUT && main[i].valeur >= 2) {
            imposer(ch, i, 32);
            return;
        }
    }
}

void regle33PasExcuseAvantPreneur(Choix& ch) {
    if (ch.estPreneur || !tient(ch, ATOUT, EXCUSE)) return;
    if (ch.preneur != siegeSuivant(ch.siege) || ch.etat.positionPli >= 4) return;
    retirerCarte(ch.jeu, ch.siege, ATOUT, EXCUSE);
}

void regle34ReponseExcusePreneur(Choix& ch) {
    if (ch.donne.joueurEntame != ch.preneur || !estExcuse(ch.entame)) return;
    for (const int s : couleursDepuisTirage(ch.alea)) {
        if (ch.conn.couleurCoupee[ch.siege][ch.preneur][s] != 1) continue;
        const Main& main = ch.donne.mainJoueur[ch.siege];
        for (int i = 1; i <= 18; ++i) {
            if (estJouable(ch, i) && main[i].couleur == s) {
                imposer(ch, i, 34);
                return;
            }
        }
        return;
    }
}

void regle35PasEntameExcuse(Choix& ch) {
    if (ch.etat.positionPli != 1 || !tient(ch, ATOUT, EXCUSE)) return;
    if (!ch.estPreneur && siegeSuivant(ch.siege) != ch.preneur) return;
    retirerCarte(ch.jeu, ch.siege, ATOUT, EXCUSE);
}

void regle36PreneurExcuseSurAtout(Choix& ch) {
    if (!ch.estPreneur || !tient(ch, ATOUT, EXCUSE) || ch.etat.positionPli == 1) return;
    if (!tient(ch, ATOUT, PETIT) && !petitTombe(ch)) return;
    if (ch.couleurEntame != ATOUT) return;
    imposer(ch, ch.conn.rangExcuse, 36);
}

void regle37ExcusePliPerdu(Choix& ch) {
    if (!tient(ch, ATOUT, EXCUSE) || ch.etat.positionPli == 1 || ch.etat.gagne != -1) return;
    if (!ch.estPreneur) {
        // The draw comes before the trick number is looked at.
        if (hasard(ch.alea, 100) >= 40) return;
        if (ch.donne.numeroPli <= 8) return;
    }
    imposer(ch, ch.conn.rangExcuse, 37);
}
