// Rules 1 to 12: the Excuse before the last trick, keeping the Petit and the
// trumps back, Kings against the big contracts, the taker capturing the Petit,
// and the taker's trump draw and first leads once the defence has no trumps.
#include "engine/regles_liste.h"

void regle01ExcuseAvantDernierPli(Choix& ch) {
    if (ch.donne.numeroPli != 17 || !tient(ch, ATOUT, EXCUSE)) return;
    imposer(ch, ch.conn.rangExcuse, 1);
}

void regle02PreneurGardeExcuse(Choix& ch) {
    if (!ch.estPreneur || !tient(ch, ATOUT, EXCUSE)) return;
    if (ch.etat.positionPli < 2 || ch.conn.petitJoue != 1) return;
    retirerCarte(ch.jeu, ch.siege, ATOUT, EXCUSE);
}

void regle03PetitPasEntame(Choix& ch) {
    if (ch.etat.positionPli != 1 || !tient(ch, ATOUT, PETIT)) return;
    retirerCarte(ch.jeu, ch.siege, ATOUT, PETIT);
}

void regle04DefenseurPetitSansEntameAtout(Choix& ch) {
    if (ch.estPreneur || ch.etat.positionPli != 1 || !tient(ch, ATOUT, PETIT)) return;
    retirerCouleur(ch.jeu, ch.siege, ATOUT);
}

void regle05RoisContreGardeSans(Choix& ch) {
    if (ch.estPreneur || ch.contrat < GARDE_SANS) return;
    for (const int s : couleursApresTirage(ch.alea)) {
        if (!tient(ch, s, ROI)) continue;
        if (ch.conn.nbAtoutsDepart[ch.siege] >= 5) {
            if (imposerTenue(ch, s, ROI, 5)) return;
        } else {
            retirerCouleur(ch.jeu, ch.siege, s);
        }
    }
}

void regle06PasExcuseDevantPreneur(Choix& ch) {
    const int position = ch.etat.positionPli;
    if (ch.estPreneur || !preneurJoueApres(ch.jeu, ch.siege, position)) return;
    if (position != 2 && position != 3) return;
    if (!tient(ch, ATOUT, EXCUSE) || tient(ch, ATOUT, PETIT)) return;
    retirerCarte(ch.jeu, ch.siege, ATOUT, EXCUSE);
}

void regle07PreneurCapturePetit(Choix& ch) {
    const int position = ch.etat.positionPli;
    if (!ch.estPreneur || (position != 2 && position != 3)) return;
    const bool petitEntame = estPetit(ch.entame);
    const bool petitSecond = position == 3 && estPetit(ch.donne.pliEnCours[siegeSuivant(ch.donne.joueurEntame)]);
    if (!petitEntame && !petitSecond) return;
    const int maitre = ch.conn.atoutMaitre[ch.siege];
    if (maitre < 2) return;
    imposerTenue(ch, ATOUT, maitre, 7);
}

void regle08AtoutQuandSeulPetitDehors(Choix& ch) {
    const Connaissances& k = ch.conn;
    if (ch.etat.positionPli != 1) return;
    if (k.nbAtoutsMain[ch.siege] + k.nbAtoutsJoues != 20) return;
    if (tient(ch, ATOUT, PETIT) || petitTombe(ch)) return;
    if (!ch.estPreneur && k.atoutCoupe[ch.siege][ch.preneur] == 1) return;
    if (premierAtoutJouable(ch, 1) == -1) return;
    // Slot 1 is the highest trump dealt; once it is played the rule gives way.
    imposer(ch, 1, 8);
}

void regle09PasAtoutContrePoignee(Choix& ch) {
    if (ch.estPreneur || ch.etat.positionPli != 1) return;
    if (ch.preneur != ch.donne.joueurHumain || ch.donne.poigneeHumain <= 0) return;
    if (ch.conn.nbAtoutsDepart[ch.siege] < 7 || tient(ch, ATOUT, PETIT)) retirerCouleur(ch.jeu, ch.siege, ATOUT);
}

void regle10PreneurTireAtoutsMaitres(Choix& ch) {
    const Connaissances& k = ch.conn;
    if (!ch.estPreneur || ch.etat.positionPli != 1) return;
    const int dehors = k.nbAtoutsDehors[ch.siege];
    if (dehors <= 0 || k.nbAtoutsMain[ch.siege] < 1) return;
    if (nbAtoutsMaitresTenus(ch.jeu, ch.siege) < dehors) return;
    const int slot = premierAtoutJouable(ch, 1);
    if (slot != -1) imposer(ch, slot, 10);
}

namespace {

// Rule 11, first step: a suit whose master card is out, led low.
bool couleurMaitreDehors(Choix& ch) {
    const Connaissances& k = ch.conn;
    int couleur = 0;
    for (const int s : couleursApresTirage(ch.alea)) {
        const int maitre = k.couleurMaitre[s];
        if (maitre > 0 && !tient(ch, s, maitre)) {
            couleur = s;
            break;
        }
    }
    if (couleur == 0 || k.nbCartesCouleur[ch.siege][couleur] <= 0) return false;
    const bool honneur = tient(ch, couleur, VALET) || tient(ch, couleur, CAVALIER) || tient(ch, couleur, DAME) ||
                         tient(ch, couleur, ROI);
    if (honneur) {
        for (int v = 10; v >= 1; --v)
            if (imposerTenue(ch, couleur, v, 11)) return true;
        return false;
    }
    int v = hasard(ch.alea, 10);
    for (int pas = 1; pas <= 10; ++pas) {
        v = v % 10 + 1;
        if (imposerTenue(ch, couleur, v, 11)) return true;
    }
    return false;
}

}  // namespace

void regle11PreneurJoueCouleurs(Choix& ch) {
    const Connaissances& k = ch.conn;
    if (!ch.estPreneur || ch.etat.positionPli != 1 || k.nbAtoutsDehors[ch.siege] != 0) return;
    if (k.nbAtoutsMain[ch.siege] >= 1 && couleurMaitreDehors(ch)) return;
    for (const int s : couleursApresTirage(ch.alea)) {
        const int maitre = k.couleurMaitre[s];
        if (maitre > 0 && tient(ch, s, maitre)) {
            imposerTenue(ch, s, maitre, 11);
            return;
        }
    }
}

void regle12GarderHonneurMaitreSeul(Choix& ch) {
    const Connaissances& k = ch.conn;
    const int position = ch.etat.positionPli;
    if (ch.estPreneur || (position != 3 && position != 4)) return;
    if (ch.donne.joueurEntame != ch.preneur || ch.etat.gagne != DEFENSE_GAGNE) return;
    if (hasard(ch.alea, 100) >= 90) return;
    const int s = ch.couleurEntame;
    if (!estCouleur(s) || k.couleurCoupee[ch.siege][ch.preneur][s] != 0) return;
    const int maitre = k.couleurMaitre[s];
    if (maitre > 10 && !honneurVoisin(ch.jeu, ch.siege, s, maitre) && k.nbCouleurDehors[ch.siege][s] != 0)
        retirerCarte(ch.jeu, ch.siege, s, maitre);
}
