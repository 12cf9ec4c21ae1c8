#include "engine/pli.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <string>

#include "engine/chien.h"
#include "engine/choix.h"
#include "engine/jeu.h"
#include "engine/raisons.h"
#include "engine/textes.h"

namespace {

bool estPreneur(const Donne& d, int siege) { return siege == d.preneur; }

// Marks the held trumps that must be played when `aBattre` is the trump to
// beat: only those above it when there is one, else all of them.
void monterOuPisser(Donne& d, int siege, int aBattre) {
    const Main& main = d.mainJoueur[siege];
    bool peutMonter = false;
    for (int i = 1; i <= 18; ++i)
        peutMonter = peutMonter || (d.jouable[siege][i] == 1 && estAtout(main[i]) && main[i].valeur > aBattre);
    for (int i = 1; i <= 18; ++i) {
        if (d.jouable[siege][i] != 1 || !estAtout(main[i])) continue;
        Contrainte& r = d.contrainteJeu[siege][i];
        if (!peutMonter) {
            r.code = 3;
            r.atoutAbattre = aBattre;
        } else if (main[i].valeur < aBattre) {
            d.jouable[siege][i] = 0;
            r.code = -1;
        } else {
            r.code = 2;
        }
    }
}

// Half-points and oudlers won by one side.
void crediter(Donne& d, bool preneur, int points, int bouts) {
    if (preneur) {
        d.pointsPreneur += points;
        d.boutsPreneur += bouts;
    } else {
        d.pointsDefense += points;
        d.boutsDefense += bouts;
    }
}

// Moves half-points and oudlers from the defence to the taker (the other way
// when negative).
void transferer(Donne& d, int points, int bouts) {
    d.pointsPreneur += points;
    d.pointsDefense -= points;
    d.boutsPreneur += bouts;
    d.boutsDefense -= bouts;
}

}  // namespace

bool excuseGagneDernierPli(const Donne& d) {
    if (!d.reglesChelem || d.numeroPli != 18 || d.nbCartesPli != 4) return false;
    if (!estExcuse(d.pliEnCours[d.joueurEntame])) return false;
    const int plisDuCamp = estPreneur(d, d.joueurEntame) ? d.plisPreneur : d.plisDefense;
    return plisDuCamp == 17;
}

void calculerJouables(Jeu& jeu, int siege) {
    Donne& d = jeu.donne;
    const Main& main = d.mainJoueur[siege];
    Table<int, 1, 18>& jouable = d.jouable[siege];
    Table<Contrainte, 1, 18>& contrainte = d.contrainteJeu[siege];

    jouable.remplir(0);
    // Every seat's codes go back to -1. The whole records are cleared at once,
    // every field to -1 (all bits set), which is far cheaper than 72 codes one
    // by one: the trump to beat and the missing suit are read only with the
    // codes that set them.
    static_assert(std::is_trivially_copyable_v<Contrainte> && sizeof(Contrainte) == 3 * sizeof(std::int32_t));
    std::memset(static_cast<void*>(&d.contrainteJeu), 0xFF, sizeof d.contrainteJeu);

    const auto pourToutesLesCartes = [&](int code) {
        for (int i = 1; i <= 18; ++i) {
            if (!main[i].enMain) continue;
            jouable[i] = 1;
            contrainte[i].code = code;
        }
    };

    const bool entame = d.nbCartesPli == 0 || (d.nbCartesPli == 1 && estExcuse(d.pliEnCours[d.joueurEntame]));
    if (entame) {
        pourToutesLesCartes(0);
    } else if (d.couleurDemandee == ATOUT) {
        int atouts = 0;
        for (int i = 1; i <= 18; ++i)
            if (main[i].enMain && estAtout(main[i])) {
                jouable[i] = 1;
                ++atouts;
            }
        if (atouts > 0) monterOuPisser(d, siege, std::max(d.valeurDemandee, d.plusFortAtout));
        else pourToutesLesCartes(5);
    } else {
        bool fournit = false;
        for (int i = 1; i <= 18; ++i)
            if (main[i].enMain && main[i].couleur == d.couleurDemandee) {
                jouable[i] = 1;
                fournit = true;
            }
        if (!fournit) {
            int atouts = 0;
            for (int i = 1; i <= 18; ++i)
                if (main[i].enMain && estAtout(main[i])) {
                    jouable[i] = 1;
                    contrainte[i].code = 1;
                    contrainte[i].couleurAbsente = d.couleurDemandee;
                    ++atouts;
                }
            if (atouts > 0 && d.plusFortAtout != 0) monterOuPisser(d, siege, d.plusFortAtout);
            if (atouts == 0) {
                pourToutesLesCartes(4);
                for (int i = 1; i <= 18; ++i)
                    if (main[i].enMain) contrainte[i].couleurAbsente = d.couleurDemandee;
            }
        }
    }

    // With a chelem announced, the announcer keeps the Excuse for the last trick.
    const bool excuseGardee = d.reglesChelem && siege == d.chelemAnnonce && d.numeroPli < 18;
    for (int i = 1; i <= 18; ++i)
        if (main[i].enMain && estExcuse(main[i])) {
            jouable[i] = excuseGardee ? 0 : 1;
            contrainte[i].code = -1;
        }

    if (siege == d.joueurHumain)
        for (int i = 1; i <= 18; ++i) jeu.vue->curseurCarteMain(i, jouable[i] == 1 ? Curseur::Main : Curseur::Interdit);
}

void jouerCarteHumain(Jeu& jeu, int slot) {
    Donne& d = jeu.donne;
    if (d.etatAttente == 1) {
        if (jeu.continuer) jeu.continuer(jeu);
        return;
    }
    if (d.modeEcart) {
        cliquerCarteEcart(jeu, slot);
        return;
    }
    const int h = d.joueurHumain;
    if (slot < 1 || slot > 18) return;
    if (!d.humainPeutJouer || d.joueurCourant != h || d.etatAttente != 0 || d.poigneeEnCours) return;
    if (d.jouable[h][slot] != 1 || !d.mainJoueur[h][slot].enMain) return;

    // The playable marks were computed for this turn only.
    d.humainPeutJouer = false;
    noterCarteJouee(jeu, h, slot);
    Carte& c = d.mainJoueur[h][slot];
    c.enMain = false;
    jeu.vue->cacherCarteMain(slot);
    jeu.vue->dessinerCarteTable(h, c);
    annoncerCarteJouee(jeu, h, c);
    d.pliEnCours[h] = c;
    suivrePli(jeu, h, c);
    apresCarte(jeu);
}

void jouerCarteOrdinateur(Jeu& jeu, int siege) {
    Donne& d = jeu.donne;
    Table<int, 1, 18>& jouable = d.jouable[siege];
    int nb = 0;
    for (int i = 1; i <= 18; ++i) nb += jouable[i] == 1;
    if (nb >= 2) {
        if (jeu.choixOrdinateur) jeu.choixOrdinateur(jeu, siege);
        else choisirCarte(jeu, siege);
    }

    int slot = 0;
    for (int essai = 0; essai < 10000 && slot == 0; ++essai) {
        const int i = hasard(jeu.hasard, 18);
        if (jouable[i] == 1) slot = i;
    }
    // Never a card that may not be played, even if every draw missed.
    for (int i = 1; i <= 18 && slot == 0; ++i)
        if (jouable[i] == 1) slot = i;
    if (slot == 0) return;

    noterCarteJouee(jeu, siege, slot);
    Carte& c = d.mainJoueur[siege][slot];
    c.enMain = false;
    jeu.vue->dessinerCarteTable(siege, c);
    annoncerCarteJouee(jeu, siege, c);
    d.pliEnCours[siege] = c;
    suivrePli(jeu, siege, c);
}

void suivrePli(Jeu& jeu, int siege, const Carte& c) {
    (void)siege;
    Donne& d = jeu.donne;
    const Carte& entame = d.pliEnCours[d.joueurEntame];
    // After an Excuse lead the second card sets the suit.
    if (d.nbCartesPli == 0 || (d.nbCartesPli == 1 && estExcuse(entame))) {
        d.couleurDemandee = c.couleur;
        d.valeurDemandee = c.valeur;
    }
    if (d.nbCartesPli == 0 || !estAtout(c)) return;
    if (entame.couleur != ATOUT) d.plusFortAtout = std::max(d.plusFortAtout, c.valeur);
    else if (std::max(entame.valeur, d.plusFortAtout) < c.valeur) d.plusFortAtout = c.valeur;
}

void apresCarte(Jeu& jeu) {
    Donne& d = jeu.donne;
    d.nbCartesPli += 1;
    if (d.nbCartesPli == 4) {
        finirPli(jeu);
        return;
    }
    d.joueurCourant = siegeSuivant(d.joueurCourant);
    // The human's turn is told when he may play, as the information bar does.
    if (d.joueurCourant != d.joueurHumain) annoncerTour(jeu, d.joueurCourant);
    armerTimerCarte(jeu);
}

void finirPli(Jeu& jeu) {
    Donne& d = jeu.donne;
    Connaissances& k = jeu.connaissances;
    const Table<Carte, 1, 4>& pli = d.pliEnCours;
    k.petitJoue = 0;

    // The highest trump wins, else the highest card of the suit led; the
    // Excuse never wins.
    int w = d.joueurEntame;
    for (int i = 1, n = d.joueurEntame; i <= 3; ++i) {
        n = siegeSuivant(n);
        const Carte& c = pli[n];
        if (c.couleur == pli[w].couleur && c.valeur > pli[w].valeur) w = n;
        if (estAtout(c) && pli[w].couleur != ATOUT) w = n;
        if (estExcuse(pli[w])) w = n;
    }
    // The Excuse led in the last trick by a side that has won the 17 others wins it.
    const bool excuseMaitresse = excuseGagneDernierPli(d);
    if (excuseMaitresse) w = d.joueurEntame;
    d.joueurEntame = d.joueurCourant = w;
    const bool gagnantPreneur = estPreneur(d, w);

    d.numeroPli += 1;
    if (d.numeroPli == 2) jeu.vue->activerPliPrecedent(true);
    const bool dernier = d.numeroPli == 19;
    d.nbCartesPli = 0;
    d.plusFortAtout = 0;
    d.etatAttente = 1;

    if (gagnantPreneur) d.plisPreneur += 1;
    else d.plisDefense += 1;

    int points = 0;
    for (int s = 1; s <= 4; ++s) points += pointsCarte(pli[s]);
    crediter(d, gagnantPreneur, points, 0);

    // The Excuse stays with its side, which gives a half-point card for it;
    // in the last trick it goes to the side that won.
    int joueurExcuse = 0;
    for (int s = 1; s <= 4; ++s)
        if (estExcuse(pli[s])) joueurExcuse = s;
    if (joueurExcuse != 0 && !excuseMaitresse) {
        const bool excusePreneur = estPreneur(d, joueurExcuse);
        if (excusePreneur) transferer(d, 8, 0);
        else if (gagnantPreneur) transferer(d, -8, 0);
        if (dernier) {
            if (excusePreneur) transferer(d, -8, -1);
            else if (gagnantPreneur) transferer(d, 8, 1);
        }
    }

    if (dernier) {
        const int contrat = d.enchere[d.preneur];
        int pointsChien = 0;
        int boutsChien = 0;
        for (int i = 1; i <= 6; ++i) {
            pointsChien += pointsCarte(d.chien[i]);
            boutsChien += estBout(d.chien[i]);
        }
        if (contrat == PRISE || contrat == GARDE) crediter(d, true, pointsChien, 0);
        else if (contrat == GARDE_SANS) crediter(d, true, pointsChien, boutsChien);
        else if (contrat == GARDE_CONTRE) crediter(d, false, pointsChien, boutsChien);
    }
    jeu.vue->afficherPoints(d.pointsPreneur / 2, d.pointsDefense / 2);

    for (int s = 1; s <= 4; ++s) {
        const Carte& c = pli[s];
        if (c.couleur != ATOUT) continue;
        if (c.valeur == PETIT || c.valeur == VINGT_ET_UN) crediter(d, gagnantPreneur, 0, 1);
        else if (c.valeur == EXCUSE) crediter(d, estPreneur(d, s), 0, 1);
    }

    int petitDuPli = 0;
    for (int s = 1; s <= 4; ++s)
        if (pli[s].couleur == ATOUT && pli[s].valeur == PETIT) petitDuPli = gagnantPreneur ? 1 : 2;
    if (d.numeroPli == 18) d.petitPliAvantDernier = petitDuPli;
    if (dernier) {
        d.petitAuBout = petitDuPli;
        // The Excuse kept for the end of a chelem: the Petit counts au bout in the 17th trick.
        if (excuseMaitresse && petitDuPli == 0) d.petitAuBout = d.petitPliAvantDernier;
    }

    jeu.vue->afficherBouts(d.boutsPreneur, d.boutsDefense);
    if (d.boutsPreneur + d.boutsDefense == 3) {
        static constexpr int aFaire[] = {56, 51, 41, 36};
        d.pointsAFaire = aFaire[std::clamp(d.boutsPreneur, 0, 3)];
        jeu.vue->afficherContrat(d.pointsAFaire);
    }

    if (annoncesLues(jeu))
        jeu.vue->annoncer(remplacer(texte(Texte::gagnePli, jeu.options.langue), "%1", nomJoueur(w, jeu.options.langue)));

    // After the last trick the result panel speaks; a stale "your turn" must not stay.
    jeu.vue->ecrireInfo(dernier ? std::string() : texte(Texte::messageContinuer, jeu.options.langue));

    for (int couleur = 1; couleur <= 4; ++couleur)
        if (k.etatCouleur[couleur] == 2) k.etatCouleur[couleur] = 0;
    if (!dernier) rafraichirMaitres(jeu);

    if (dernier && jeu.finDeDonne) jeu.finDeDonne(jeu);

    d.pliAffiche = 1;
    if (jeu.options.transitionAutomatique == 1 && !dernier)
        jeu.minuteurs->armer(Minuteur::TimerTransition, jeu.options.intervalleTimerTransition);
}

void armerTimerCarte(Jeu& jeu) { jeu.minuteurs->armer(Minuteur::TimerEntreCarte, jeu.options.intervalleTimerEntreCarte); }

bool annoncesLues(const Jeu& jeu) { return jeu.options.optionJeuAuClavier != 0 && jeu.vue->litAnnonces(); }

void annoncerCarteJouee(Jeu& jeu, int siege, const Carte& c) {
    if (!annoncesLues(jeu)) return;
    const int langue = jeu.options.langue;
    jeu.vue->annoncer(
        remplacer(remplacer(texte(Texte::annonceCarteJouee, langue), "%1", nomJoueur(siege, langue)), "%2",
                  nomCarte(c, langue)));
}

void annoncerTour(Jeu& jeu, int siege) {
    if (!annoncesLues(jeu) || siege < 1 || siege > 4) return;
    const int langue = jeu.options.langue;
    jeu.vue->annoncer(siege == jeu.donne.joueurHumain
                          ? texte(Texte::annonceVotreTour, langue)
                          : remplacer(texte(Texte::annonceTour, langue), "%1", nomJoueur(siege, langue)));
}
