// Rules 56 to 74: pruning leads (forcing the taker where it is void, keeping
// honours back, leaving the taker's suits alone, the taker's Kings) and the
// last following plays (low under a winning taker, over-trumping right before
// it, trumping low, the biggest card when the taker can be beaten).
#include "engine/regles_liste.h"

namespace {

bool defenseurEntame(const Choix& ch) { return !ch.estPreneur && ch.etat.positionPli == 1; }
bool preneurEntame(const Choix& ch) { return ch.estPreneur && ch.etat.positionPli == 1; }

// Open: not played in an earlier trick.
bool couleurOuverte(const Choix& ch, int s) { return ch.conn.etatCouleur[s] != 0; }

bool preneurCoupe(const Choix& ch, int s) { return ch.conn.couleurCoupee[ch.siege][ch.preneur][s] == 1; }

// Roi then Dame of every suit the seat knows the taker to be void in.
void garderRoiDameOuPreneurCoupe(Choix& ch) {
    for (const int q : couleursDepuisTirage(ch.alea)) {
        if (!preneurCoupe(ch, q)) continue;
        retirerCarte(ch.jeu, ch.siege, q, ROI);
        retirerCarte(ch.jeu, ch.siege, q, DAME);
    }
}

// The cheapest card: the lowest plain card, else the lowest trump above the Petit.
void jouerPetit(Choix& ch, int k) {
    int slot = plusPetiteCarteCouleur(ch.jeu, ch.siege);
    if (slot == -1) slot = plusPetitAtout(ch.jeu, ch.siege);
    if (slot != -1) imposer(ch, slot, k);
}

int nbCartesTenues(const Choix& ch, int couleur) {
    int nb = 0;
    for (int v = 1; v <= 14; ++v)
        if (tient(ch, couleur, v)) ++nb;
    return nb;
}

}  // namespace

void regle56ForcerPreneur(Choix& ch) {
    const EtatRegles& r = ch.etat;
    if (r.positionPli != 1) return;
    int seuil = 0;
    if (ch.siege == r.apresPreneur)
        seuil = 90;
    else if (ch.siege == r.facePreneur)
        seuil = 80;
    else if (ch.siege == r.avantPreneur)
        seuil = 70;
    if (seuil == 0 || hasard(ch.alea, 100) >= seuil) return;
    // The last suit of the visit where the taker is void, not the first.
    int coupee = 0;
    for (const int q : couleursDepuisTirage(ch.alea))
        if (preneurCoupe(ch, q)) coupee = q;
    if (coupee == 0) return;
    const Main& main = ch.donne.mainJoueur[ch.siege];
    for (int i = 18; i >= 1; --i) {
        if (estJouable(ch, i) && main[i].couleur == coupee && main[i].valeur <= VALET) {
            imposer(ch, i, 56);
            return;
        }
    }
}

void regle57PasRoiDuChien(Choix& ch) {
    if (!defenseurEntame(ch)) return;
    for (const int s : couleursApresTirage(ch.alea))
        if (ch.conn.roiAuChien[s] == 1 && detenteur(ch.conn, s, ROI) != HORS_JEU) retirerCouleur(ch.jeu, ch.siege, s);
}

void regle58PasAtoutApresAtoutPreneur(Choix& ch) {
    const Connaissances& k = ch.conn;
    if (!defenseurEntame(ch) || k.derniereEntamePreneur != ATOUT) return;
    const int maitre = k.atoutMaitre[ch.siege];
    if (maitre < 2 || tient(ch, ATOUT, maitre)) return;
    retirerCouleur(ch.jeu, ch.siege, ATOUT);
}

void regle59PasAtoutSansMaitre(Choix& ch) {
    const Connaissances& k = ch.conn;
    if (!defenseurEntame(ch) || k.signalAtoutImpair != 0) return;
    if (hasard(ch.alea, 100) >= 80) return;
    const int maitre = k.atoutMaitre[ch.siege];
    if (maitre < 2 || tient(ch, ATOUT, maitre)) return;
    retirerCouleur(ch.jeu, ch.siege, ATOUT);
}

void regle60PasRoiDameCouleursOuvertes(Choix& ch) {
    if (!defenseurEntame(ch)) return;
    const bool petitContrat = ch.contrat == PRISE || ch.contrat == GARDE;
    for (const int s : couleursDepuisTirage(ch.alea)) {
        if (!couleurOuverte(ch, s)) continue;
        if (petitContrat) retirerCarte(ch.jeu, ch.siege, s, ROI);
        retirerCarte(ch.jeu, ch.siege, s, DAME);
    }
}

void regle61PasHonneurCoupePreneur(Choix& ch) {
    if (!defenseurEntame(ch)) return;
    garderRoiDameOuPreneurCoupe(ch);
}

void regle62PasCavalierSansDame(Choix& ch) {
    if (ch.etat.positionPli != 1) return;
    for (const int s : couleursDepuisTirage(ch.alea))
        if (couleurOuverte(ch, s) && !tient(ch, s, DAME)) retirerCarte(ch.jeu, ch.siege, s, CAVALIER);
}

void regle63PasPetiteSansHonneur(Choix& ch) {
    if (!defenseurEntame(ch)) return;
    for (const int s : couleursDepuisTirage(ch.alea)) {
        if (!couleurOuverte(ch, s) || tient(ch, s, ROI) || tient(ch, s, DAME)) continue;
        for (int v = 1; v <= 5; ++v) retirerCarte(ch.jeu, ch.siege, s, v);
    }
}

void regle64GarderRoiDameCoupePreneur(Choix& ch) {
    if (ch.estPreneur || !preneurJoueApres(ch.jeu, ch.siege, ch.etat.positionPli)) return;
    if (ch.conn.atoutCoupe[ch.siege][ch.preneur] != 0) return;
    garderRoiDameOuPreneurCoupe(ch);
}

void regle65PreneurRoiLongue(Choix& ch) {
    if (!preneurEntame(ch)) return;
    for (const int q : couleursDepuisTirage(ch.alea)) {
        if (!couleurOuverte(ch, q) || !tient(ch, q, ROI)) continue;
        const int nb = nbCartesTenues(ch, q);
        if (nb < 5 || nb > 9) continue;
        imposerTenue(ch, q, ROI, 65);
        return;
    }
}

void regle66PreneurPasRoiSec(Choix& ch) {
    if (!preneurEntame(ch)) return;
    if (tient(ch, ATOUT, PETIT) && nbSiegesSansAtoutConnus(ch.jeu, ch.preneur) == 3) return;
    for (int s = PIQUE; s <= CARREAU; ++s)
        if (ch.conn.roiSecPreneur[s] == 1) retirerCarte(ch.jeu, ch.siege, s, ROI);
}

void regle67PreneurRoiAccompagne(Choix& ch) {
    const EtatRegles& r = ch.etat;
    const int position = r.positionPli;
    if (r.gagne == -1 || !ch.estPreneur || (position != 2 && position != 3)) return;
    const int s = ch.couleurEntame;
    if (!estCouleur(s)) return;
    const int roi = roiAccompagne(ch.jeu, ch.siege, s);
    if (roi == -1) return;
    const auto& coupee = ch.conn.couleurCoupee[ch.siege];
    if (coupee[r.apresPreneur][s] == 1) return;
    if (position == 2 && coupee[r.facePreneur][s] == 1) return;
    imposer(ch, roi, 67);
}

void regle68PasCouleurCoupeeSignaleur(Choix& ch) {
    const int signaleur = ch.conn.entameAtoutImpair;
    if (ch.estPreneur || signaleur < 1 || signaleur > 4 || ch.etat.positionPli != 1) return;
    for (const int q : couleursDepuisTirage(ch.alea))
        if (ch.conn.couleurCoupee[ch.siege][signaleur][q] == 1) retirerCouleur(ch.jeu, ch.siege, q);
}

void regle69PetiteSousPreneur(Choix& ch) {
    const EtatRegles& r = ch.etat;
    const int position = r.positionPli;
    if (r.gagnant != ch.preneur || r.gagne != -1) return;
    const bool derriere = ((ch.siege == r.apresPreneur || ch.siege == r.facePreneur) && position >= 3) ||
                          (ch.siege == r.avantPreneur && position == 4);
    if (!derriere) return;
    jouerPetit(ch, 69);
}

void regle70PetitePliPerdu(Choix& ch) {
    const EtatRegles& r = ch.etat;
    const int position = r.positionPli;
    if (r.gagne != -1) return;
    if (!(ch.siege == r.apresPreneur && position == 2) && !(ch.estPreneur && position >= 2)) return;
    jouerPetit(ch, 70);
}

void regle71PasPremieresCouleursPreneur(Choix& ch) {
    const Connaissances& k = ch.conn;
    if (!defenseurEntame(ch)) return;
    if (k.premiereEntamePreneur != -1) retirerCouleur(ch.jeu, ch.siege, k.premiereEntamePreneur);
    if (k.deuxiemeEntamePreneur != -1) retirerCouleur(ch.jeu, ch.siege, k.deuxiemeEntamePreneur);
}

void regle72SurcouperAvantPreneur(Choix& ch) {
    if (ch.etat.positionPli != 3 || ch.donne.joueurEntame != ch.etat.apresPreneur) return;
    if (ch.couleurEntame != ATOUT) return;
    for (int i = 1; i <= 18; ++i) {
        if (estJouable(ch, i) && ch.donne.contrainteJeu[ch.siege][i].code == 2) {
            imposer(ch, i, 72);
            return;
        }
    }
}

void regle73PlusPetitAtout(Choix& ch) {
    const int position = ch.etat.positionPli;
    if (position == 1 || (position == 2 && estExcuse(ch.entame))) return;
    const int slot = plusPetitAtout(ch.jeu, ch.siege);
    if (slot != -1) imposer(ch, slot, 73);
}

void regle74GagnerGrosseCarte(Choix& ch) {
    const EtatRegles& r = ch.etat;
    const int position = r.positionPli;
    if (r.gagne == -1 || r.gagne == DEFENSE_GAGNE) return;
    const bool peutBattre = (ch.siege == r.apresPreneur && position != 1) ||
                            (ch.siege == r.facePreneur && position >= 3) ||
                            ((ch.siege == r.avantPreneur || ch.estPreneur) && position == 4);
    if (!peutBattre) return;
    int slot = plusGrosHonneur(ch.jeu, ch.siege);
    if (slot == -1) slot = plusPetitAtout(ch.jeu, ch.siege);
    if (slot == -1) slot = r.gagne;
    imposer(ch, slot, 74);
}
