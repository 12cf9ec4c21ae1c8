#include "flow/revue.h"

#include "engine/arrondi.h"
#include "engine/donne.h"

namespace {

bool estSiege(int s) { return s >= 1 && s <= 4; }

// The small-card measures of the 18-tricks window.
struct MesuresPlis {
    int W, H, F, L, M;
    MesuresPlis(double ex, double ey)
        : W(arrondi(30 * ex)), H(arrondi(50 * ey)), F(arrondi(3 * ey)), L(arrondi(5 * ex)), M(arrondi(6 * ex)) {}
};

// The four-hands window's measures.
struct MesuresMains {
    int w, h, D, E, G, marge, margeHaut, ecartRangs, legende;
    int largeurMain, hauteurMain, largeurChien, hauteurChien;
    MesuresMains(double ex, double ey)
        : w(arrondi(30 * ex)),
          h(arrondi(50 * ey)),
          D(arrondi(2 * ex)),
          E(arrondi(2 * ey)),
          G(arrondi(5 * ex)),
          marge(arrondi(6 * ex)),
          margeHaut(arrondi(6 * ey)),
          ecartRangs(arrondi(8 * ey)),
          legende(hauteurLegendeChien(ey)),
          largeurMain(10 * D + 9 * w),
          hauteurMain(2 * h + 3 * E),
          largeurChien(7 * D + 6 * w),
          hauteurChien(legende + h + 2 * E) {}
};

}  // namespace

TaillePetiteCarte taillePetiteCarte(double echelleX, double echelleY) {
    return {arrondi(30 * echelleX), arrondi(50 * echelleY)};
}

Zone cadreAutour(double echelleX, double echelleY, Point carte) {
    const TaillePetiteCarte p = taillePetiteCarte(echelleX, echelleY);
    return {carte.x - arrondi(2 * echelleX), carte.y - arrondi(2 * echelleY), p.largeur + arrondi(4 * echelleX),
            p.hauteur + arrondi(4 * echelleY)};
}

int pliPrecedent(const Donne& d) {
    if (d.numeroPli < 2 || d.numeroPli > 19) return 0;
    return d.numeroPli - 1;
}

Carte carteDuPli(const Donne& d, int pli, int siege) {
    if (pli < 1 || pli > 18 || !estSiege(siege)) return {};
    const int slot = d.carteJouee[siege][pli];
    if (slot < 1 || slot > 18) return {};
    return d.mainJoueur[siege][slot];
}

Point positionCartePli(double echelleX, double echelleY, int pli, int siege) {
    const MesuresPlis m(echelleX, echelleY);
    const int rang = (pli + 5) / 6;
    const int colonne = pli - 6 * (rang - 1);
    const int x0 = m.M + (colonne - 1) * (3 * m.W + 6 * m.L);
    const int y0 = m.M + (rang - 1) * (2 * m.H + 4 * m.F);
    const int milieu = arrondi((m.H + m.F) / 2.0);
    switch (siege) {
        case 1: return {x0 + m.W + m.L, y0 + m.H + m.F};
        case 2: return {x0 + 2 * m.W + 2 * m.L, y0 + milieu};
        case 3: return {x0 + m.W + m.L, y0};
        default: return {x0, y0 + milieu};
    }
}

Zone grilleTousPlis(double echelleX, double echelleY) {
    const MesuresPlis m(echelleX, echelleY);
    const Point dernier = positionCartePli(echelleX, echelleY, 18, 2);
    const Point bas = positionCartePli(echelleX, echelleY, 18, 1);
    return {0, 0, dernier.x + m.W + m.M, bas.y + m.H + m.M};
}

Table<int, 1, 72> ordrePlis(const Donne& d) {
    Table<int, 1, 72> ordre;
    for (int t = 1; t <= 18; ++t) {
        int s = estSiege(d.entameurPli[t]) ? d.entameurPli[t] : 1;
        for (int k = 1; k <= 4; ++k) {
            ordre[(t - 1) * 4 + k] = imagePli(t, s);
            s = siegeSuivant(s);
        }
    }
    return ordre;
}

void remplirTousPlis(EtatTousPlis& e, const Donne& d, double echelleX, double echelleY) {
    e.timerTousPlis = false;
    e.ordrePlis = ordrePlis(d);
    for (int t = 1; t <= 18; ++t) {
        const int entameur = estSiege(d.entameurPli[t]) ? d.entameurPli[t] : 1;
        e.cadre[t] = cadreAutour(echelleX, echelleY, positionCartePli(echelleX, echelleY, t, entameur));
        e.cadrePreneur[t] = entameur == d.preneur;
    }
    voirTousPlis(e);
}

void etapeSuivante(EtatTousPlis& e) {
    if (e.etapePlis <= 1 || e.etapePlis >= 73) {
        e.imageVisible.remplir(false);
        e.cadreVisible.remplir(false);
        e.etapePlis = 1;
    }
    e.imageVisible[e.ordrePlis[e.etapePlis]] = true;
    e.cadreVisible[(e.etapePlis + 3) / 4] = true;
    e.etapePlis += 1;
}

void lecturePause(EtatTousPlis& e) {
    if (e.timerTousPlis) {
        e.timerTousPlis = false;
        return;
    }
    etapeSuivante(e);
    // When that was the last card there is nothing left to play: a running
    // timer would start the replay over at its next tick.
    e.timerTousPlis = e.etapePlis < 73;
}

void tickTousPlis(EtatTousPlis& e) {
    etapeSuivante(e);
    if (e.etapePlis >= 73) e.timerTousPlis = false;
}

void uneCarteEnArriere(EtatTousPlis& e) {
    e.etapePlis = e.etapePlis - 1 < 1 ? 1 : e.etapePlis - 1;
    if (e.etapePlis > 72) return;
    e.imageVisible[e.ordrePlis[e.etapePlis]] = false;
    if (e.etapePlis % 4 == 1) e.cadreVisible[(e.etapePlis + 3) / 4] = false;
}

void effacerTousPlis(EtatTousPlis& e) {
    e.imageVisible.remplir(false);
    e.cadreVisible.remplir(false);
    e.etapePlis = 1;
}

void voirTousPlis(EtatTousPlis& e) {
    e.imageVisible.remplir(true);
    e.cadreVisible.remplir(true);
    e.etapePlis = 73;
    e.timerTousPlis = false;
}

int hauteurLegendeChien(double echelleY) { return arrondi(16 * echelleY); }

Point positionCarteMain(double echelleX, double echelleY, int slot) {
    const MesuresMains m(echelleX, echelleY);
    const bool bas = slot > 9;
    const int k = bas ? slot - 9 : slot;
    return {m.D * k + m.w * (k - 1), bas ? m.h + 2 * m.E : m.E};
}

Point positionCarteChien(double echelleX, double echelleY, int i) {
    const MesuresMains m(echelleX, echelleY);
    return {m.D * i + m.w * (i - 1), m.legende + m.E};
}

DispositionMains disposerMains(double echelleX, double echelleY, int preneur) {
    const MesuresMains m(echelleX, echelleY);
    DispositionMains p;
    const int largeur = 2 * m.marge + 2 * m.largeurChien + 2 * m.G + m.largeurMain;
    const int milieuX = m.marge + m.largeurChien + m.G;
    const int pasRang = m.hauteurMain + m.ecartRangs;
    p.panneauMain[1] = {milieuX, m.margeHaut + 2 * pasRang, m.largeurMain, m.hauteurMain};
    p.panneauMain[2] = {largeur - m.marge - m.largeurMain, m.margeHaut + pasRang, m.largeurMain, m.hauteurMain};
    p.panneauMain[3] = {milieuX, m.margeHaut, m.largeurMain, m.hauteurMain};
    p.panneauMain[4] = {m.marge, m.margeHaut + pasRang, m.largeurMain, m.hauteurMain};
    p.grille = {0, 0, largeur, 2 * m.margeHaut + 2 * pasRang + m.hauteurMain};

    const Zone& main = p.panneauMain[estSiege(preneur) ? preneur : 1];
    Zone& avant = p.chienAvantEcart;
    Zone& apres = p.chienApresEcart;
    avant.largeur = apres.largeur = m.largeurChien;
    avant.hauteur = apres.hauteur = m.hauteurChien;
    if (preneur == 2 || preneur == 4) {
        avant.gauche = preneur == 2 ? main.droite() - m.largeurChien : main.gauche;
        avant.haut = main.haut - m.G - m.hauteurChien;
        apres.gauche = avant.gauche;
        apres.haut = main.bas() + m.G;
    } else {
        avant.gauche = main.gauche - m.G - m.largeurChien;
        avant.haut = main.haut + arrondi((main.hauteur - m.hauteurChien) / 2.0);
        apres.gauche = main.droite() + m.G;
        apres.haut = avant.haut;
    }
    return p;
}

EtatMains remplirMains(const Donne& d, double echelleX, double echelleY) {
    EtatMains e;
    e.disposition = disposerMains(echelleX, echelleY, d.preneur);
    e.cadreVisible.remplir(false);
    const int contrat = estSiege(d.preneur) ? d.enchere[d.preneur] : PASSE;
    e.ecartVisible = contrat == PRISE || contrat == GARDE;
    if (!e.ecartVisible) return e;

    const Zone& main = e.disposition.panneauMain[d.preneur];
    const Zone& chien = e.disposition.chienAvantEcart;
    for (int i = 1; i <= 6; ++i) {
        const int origine = d.origineEcart[i];
        Point carte;
        if (origine >= 19 && origine <= 24) {
            const Point p = positionCarteChien(echelleX, echelleY, origine - 18);
            carte = {chien.gauche + p.x, chien.haut + p.y};
        } else if (origine >= 1 && origine <= 18) {
            const Point p = positionCarteMain(echelleX, echelleY, origine);
            carte = {main.gauche + p.x, main.haut + p.y};
        } else {
            continue;  // a card of unknown origin gets no frame
        }
        e.cadre[i] = cadreAutour(echelleX, echelleY, carte);
        e.cadreVisible[i] = true;
    }
    return e;
}
