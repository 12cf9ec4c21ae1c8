#include "engine/conseil.h"

#include <memory>

#include "engine/choix.h"
#include "engine/jeu.h"
#include "engine/textes.h"

namespace {

// Whether the card (suit, value) has been played in this deal: public knowledge.
bool joue(const Connaissances& k, int couleur, int valeur) {
    if (couleur == ATOUT) return valeur == EXCUSE ? k.excuseJouee == 1 : k.atoutJoue[valeur] == 1;
    return k.couleurJouee[couleur][valeur] == 1;
}

// Where `siege` can say a card lies, in the holder tables' codes: his own
// seat and slot, played, or 0 (somebody else's, or set aside: he cannot tell).
void placerVu(const Jeu& jeu, int siege, int couleur, int valeur, int& detenteur, int& rang) {
    const Main& main = jeu.donne.mainJoueur[siege];
    detenteur = joue(jeu.connaissances, couleur, valeur) ? HORS_JEU : 0;
    rang = 0;
    for (int i = 1; i <= 18; ++i) {
        if (main[i].enMain && main[i].couleur == couleur && main[i].valeur == valeur) {
            detenteur = siege;
            rang = i;
        }
    }
}

template <typename T, int P, int D>
void effacerSauf(Table<T, P, D>& t, int garde, const T& neutre) {
    for (int o = P; o <= D; ++o)
        if (o != garde) t[o] = neutre;
}

// The human's turn to choose a card: the only moment a hint makes sense.
bool attendCarteHumain(const Donne& d) {
    return d.humainPeutJouer && d.joueurCourant == d.joueurHumain && d.etatAttente == 0 && d.modeEcart == 0 &&
           d.poigneeEnCours == 0 && d.numeroPli >= 1 && d.numeroPli <= 18;
}

}  // namespace

void vueDuJoueur(Jeu& copie, int siege) {
    Donne& d = copie.donne;
    Connaissances& k = copie.connaissances;

    // The other hands and what they may play.
    for (int s = 1; s <= 4; ++s) {
        if (s == siege) continue;
        d.mainJoueur[s].remplir(Carte{});
        d.mainInitiale[s].remplir(Carte{});
        d.jouable[s].remplir(0);
        d.contrainteJeu[s].remplir(Contrainte{});
    }
    // The dog was seen by all under Prise and Garde; only the taker saw his discard.
    if (d.preneur != siege) d.chien.remplir(Carte{});
    if (d.preneur != siege && k.chienMontre != 1) d.chienInitial.remplir(Carte{});

    // The other observers' knowledge and the other seats' own counts.
    effacerSauf(k.localisationCouleur, siege, {});
    effacerSauf(k.localisationAtout, siege, {});
    effacerSauf(k.possibleCouleur, siege, {});
    effacerSauf(k.possibleAtout, siege, {});
    effacerSauf(k.ecartLocalise, siege, 0);
    effacerSauf(k.restantCouleur, siege, {});
    effacerSauf(k.restantAtout, siege, 0);
    effacerSauf(k.atoutMaitre, siege, -1);
    effacerSauf(k.nbCartesCouleur, siege, {});
    effacerSauf(k.nbCartesCouleurDepart, siege, {});
    effacerSauf(k.nbAtoutsMain, siege, 0);
    effacerSauf(k.nbAtoutsDepart, siege, 0);
    effacerSauf(k.nbAtoutsDehors, siege, 0);
    effacerSauf(k.nbCouleurDehors, siege, {});
    effacerSauf(k.atoutDehors, siege, {});
    effacerSauf(k.couleurDehors, siege, {});
    effacerSauf(k.couleurLongue, siege, 0);
    effacerSauf(k.couleurCoupee, siege, {});
    effacerSauf(k.atoutCoupe, siege, {});
    // Read from the taker's hand: known to the taker only.
    if (d.preneur != siege) {
        k.roiSecPreneur.remplir(0);
        k.preneurFort = 0;
    }

    // Where each card lies, as far as he can tell.
    const Jeu& vu = copie;
    for (int v = 2; v <= 21; ++v) placerVu(vu, siege, ATOUT, v, k.detenteurAtout[v], k.rangAtout[v]);
    for (int c = PIQUE; c <= CARREAU; ++c)
        for (int v = 1; v <= 14; ++v) placerVu(vu, siege, c, v, k.detenteurCouleur[c][v], k.rangCouleur[c][v]);
    placerVu(vu, siege, ATOUT, PETIT, k.detenteurPetit, k.rangPetit);
    placerVu(vu, siege, ATOUT, EXCUSE, k.detenteurExcuse, k.rangExcuse);
    if (k.detenteurPetit == 0) k.detenteurPetit = -1;
    if (k.detenteurExcuse == 0) k.detenteurExcuse = -1;
}

Conseil conseillerCarte(const Jeu& jeu) {
    Conseil conseil;
    const Donne& d = jeu.donne;
    if (!attendCarteHumain(d)) return conseil;
    const int h = d.joueurHumain;

    int nb = 0;
    for (int i = 1; i <= 18; ++i) nb += d.jouable[h][i] == 1 && d.mainJoueur[h][i].enMain;
    if (nb == 0) return conseil;
    conseil.nbJouables = nb;

    // A copy large enough to sit on the heap; it shows nothing, arms nothing
    // and saves nothing, and its generator starts from the game's seed without
    // drawing from the game's.
    auto copie = std::make_unique<Jeu>(jeu);
    copie->vue = &vueNulle();
    copie->minuteurs = &minuteursNuls();
    copie->magasin = nullptr;
    copie->finDeDonne = nullptr;
    copie->continuer = nullptr;
    copie->hasard.graine = jeu.hasard.graine ^ 0x5bd1e995u;
    copie->options.niveau = 4;
    copie->options.optionNiveauAdaptatif = 0;
    vueDuJoueur(*copie, h);

    Donne& c = copie->donne;
    if (nb >= 2) choisirCarte(*copie, h);
    for (int i = 1; i <= 18; ++i) {
        conseil.laissees[i] = c.jouable[h][i] == 1 && c.mainJoueur[h][i].enMain ? 1 : 0;
        conseil.nbLaissees += conseil.laissees[i];
    }
    if (nb >= 2 && copie->regles.carteChoisie == 1)
        for (int k = 1; k <= nbReglesMax; ++k)
            if (copie->regles.etatRegle[k] == REGLE_IMPOSEE) conseil.regle = k;

    // Among the cards left, one drawn as a computer seat would draw it.
    for (int essai = 0; essai < 10000 && conseil.slot == 0; ++essai) {
        const int i = hasard(copie->hasard, 18);
        if (conseil.laissees[i] == 1) conseil.slot = i;
    }
    for (int i = 1; i <= 18 && conseil.slot == 0; ++i)
        if (conseil.laissees[i] == 1) conseil.slot = i;
    return conseil;
}

std::string texteConseilCarte(const Conseil& c, int langue) {
    if (c.slot == 0) return texte(Texte::conseilPasVotreTour, langue);
    if (c.regle != 0)
        return remplacer(remplacer(texte(Texte::conseilRegle, langue), "%1", std::to_string(c.regle)), "%2",
                         descriptionRegle(c.regle, langue));
    if (c.nbJouables <= 1) return texte(Texte::conseilSeuleCarte, langue);
    if (c.nbLaissees <= 1) return texte(Texte::conseilReste, langue);
    return remplacer(texte(Texte::conseilLibre, langue), "%1", std::to_string(c.nbLaissees));
}
