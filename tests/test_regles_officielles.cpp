// The official rules beside the game's own: the chelem (its score table, the
// Excuse kept for the last trick, the petit au bout of the 17th trick), the
// handfuls of every seat (their premiums, the trumps shown and what the other
// seats learn from them), and the game's own rules left as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/annonces.h"
#include "engine/jeu.h"
#include "engine/connaissances.h"
#include "engine/pli.h"
#include "flow/deroulement.h"
#include "expert/chelem.h"
#include "expert/savoir.h"
#include "scoring/feuille_score.h"
#include "scoring/score.h"
#include "tests/aides.h"
#include "tests/donne_jouee.h"
#include "tools/autoplay/autoplay.h"

namespace {

// A finished deal: Garde by East (seat 2) with 2 oudlers (41 to make).
struct Fin {
    int demiPoints = 100;    // 50 points: made by 9
    int plisPreneur = 12;
    int chelemAnnonce = 0;   // seat, 0 none
    int poigneeHumain = 0;   // South is a defender here
    int poigneeOuest = 0;    // a computer defender's handful
    int reglesChelem = 1;
};

std::unique_ptr<Jeu> finie(const Fin& f) {
    auto jeu = std::make_unique<Jeu>();
    Donne& d = jeu->donne;
    d.preneur = EST;
    d.enchere.remplir(PASSE);
    d.enchere[EST] = GARDE;
    d.pointsPreneur = f.demiPoints;
    d.pointsAFaire = 41;
    d.boutsPreneur = 2;
    d.plisPreneur = f.plisPreneur;
    d.plisDefense = 18 - f.plisPreneur;
    d.chelemAnnonce = f.chelemAnnonce;
    d.poigneeHumain = f.poigneeHumain;
    d.poigneeOrdinateur[OUEST] = f.poigneeOuest;
    d.reglesChelem = f.reglesChelem;
    d.numeroPli = 19;
    return jeu;
}

}  // namespace

// The taker's score (three times each defender's payment). The base is
// (points - 41 + 25) x 2 for Garde, or (points - 41 - 25) x 2 when failed;
// handfuls go to the side that wins the deal, the chelem premium to its own
// side, both after the multiplier.
TEST(ReglesOfficielles, TableDesScores) {
    struct Cas {
        const char* quoi;
        Fin fin;
        int scorePreneur;
    };
    const Cas cas[] = {
        // 91 points: (91 - 41 + 25) x 2 = 150, the premium after it.
        {"chelem annoncé et réussi par le preneur", {182, 18, EST}, 3 * (150 + 400)},
        {"chelem réussi sans annonce par le preneur", {182, 18, 0}, 3 * (150 + 200)},
        {"chelem réussi mais les règles du jeu ne le comptent pas", {182, 18, 0, 0, 0, 0}, 3 * 150},
        {"chelem annoncé par le preneur et manqué, contrat rempli", {170, 17, EST}, 3 * ((85 - 16) * 2 - 200)},
        {"chelem annoncé par le preneur et manqué, contrat chuté", {60, 5, EST}, 3 * ((30 - 66) * 2 - 200)},
        {"chelem de la défense sans annonce", {0, 0, 0}, 3 * ((0 - 66) * 2 - 200)},
        {"chelem annoncé et réussi par la défense", {0, 0, OUEST}, 3 * ((0 - 66) * 2 - 400)},
        {"chelem annoncé par la défense et manqué", {20, 1, OUEST}, 3 * ((10 - 66) * 2 + 200)},
        {"pas de chelem, les règles en vigueur", {100, 12, 0}, 3 * 68},
        // Handfuls: 20, 30, 40, to the winner of the deal whoever showed them.
        {"poignée simple d'un défenseur, contrat rempli", {100, 12, 0, 1}, 3 * (68 + 20)},
        {"poignée simple d'un défenseur, contrat chuté", {60, 5, 0, 1}, 3 * (-72 - 20)},
        {"poignée double d'un ordinateur, contrat rempli", {100, 12, 0, 0, 2}, 3 * (68 + 30)},
        {"poignée double d'un ordinateur, contrat chuté", {60, 5, 0, 0, 2}, 3 * (-72 - 30)},
        {"poignée triple d'un ordinateur, contrat rempli", {100, 12, 0, 0, 3}, 3 * (68 + 40)},
        {"poignée triple d'un ordinateur, contrat chuté", {60, 5, 0, 0, 3}, 3 * (-72 - 40)},
        {"deux poignées s'ajoutent", {100, 12, 0, 3, 1}, 3 * (68 + 40 + 20)},
        {"poignée et chelem annoncé réussi", {182, 18, EST, 0, 2}, 3 * (150 + 30 + 400)},
    };
    for (const Cas& c : cas) {
        const auto jeu = finie(c.fin);
        EXPECT_EQ(calculerScoreDonne(*jeu), c.scorePreneur) << c.quoi;
        // The score sheet ends on the same number, its chelem row shown only with a premium.
        const FeuilleScore f = calculerFeuilleScore(jeu->donne);
        EXPECT_EQ(f.scoreFinalPreneur, c.scorePreneur) << c.quoi;
        EXPECT_EQ(f.lignesChelem, primeChelem(jeu->donne) != 0) << c.quoi;
        EXPECT_EQ(f.lignesPoignee, c.fin.poigneeHumain + c.fin.poigneeOuest != 0) << c.quoi;
    }
}

namespace {

// The 18th trick on the table, led by `entameur`, after `plisPreneur` of 17
// tricks to the taker (North); the 17th held the Petit when `petitAu17`.
std::unique_ptr<Jeu> dernierPli(int entameur, int plisPreneur, const Table<Carte, 1, 4>& pli, bool petitAu17,
                                int reglesChelem = 1) {
    auto jeu = std::make_unique<Jeu>();
    Donne& d = jeu->donne;
    d.preneur = NORD;
    d.enchere.remplir(PASSE);
    d.enchere[NORD] = GARDE;
    d.reglesChelem = reglesChelem;
    d.numeroPli = 18;
    d.plisPreneur = plisPreneur;
    d.plisDefense = 17 - plisPreneur;
    d.petitPliAvantDernier = petitAu17 ? (plisPreneur == 17 ? 1 : 2) : 0;
    d.joueurEntame = d.joueurCourant = entameur;
    d.pliEnCours = pli;
    d.nbCartesPli = 4;
    for (int i = 1; i <= 6; ++i) d.chien[i] = carreau(i);
    return jeu;
}

Table<Carte, 1, 4> pliDe(Carte sud, Carte est, Carte nord, Carte ouest) {
    Table<Carte, 1, 4> p;
    p[SUD] = sud;
    p[EST] = est;
    p[NORD] = nord;
    p[OUEST] = ouest;
    return p;
}

}  // namespace

TEST(ReglesOfficielles, ExcuseAuDernierPliDuChelem) {
    struct Cas {
        const char* quoi;
        int entameur;
        int plisPreneur;
        Table<Carte, 1, 4> pli;
        bool petitAu17;
        int reglesChelem;
        int gagnant;       // the seat that leads next
        int plisPreneurFin;
        int petitAuBout;
    };
    const Cas cas[] = {
        {"le preneur entame l'Excuse après 17 plis: elle gagne", NORD, 17,
         pliDe(pique(2), pique(3), atout(EXCUSE), pique(14)), false, 1, NORD, 18, 0},
        {"et le Petit du 17e pli compte au bout", NORD, 17, pliDe(pique(2), pique(3), atout(EXCUSE), pique(14)),
         true, 1, NORD, 18, 1},
        {"un pli perdu avant: l'Excuse ne gagne pas", NORD, 16, pliDe(pique(2), pique(3), atout(EXCUSE), pique(14)),
         true, 1, OUEST, 16, 0},
        {"les règles du jeu: l'Excuse ne gagne jamais", NORD, 17,
         pliDe(pique(2), pique(3), atout(EXCUSE), pique(14)), true, 0, OUEST, 17, 0},
        {"la défense entame l'Excuse après 17 plis: elle gagne", SUD, 0,
         pliDe(atout(EXCUSE), atout(5), atout(6), coeur(1)), false, 1, SUD, 0, 0},
    };
    for (const Cas& c : cas) {
        auto jeu = dernierPli(c.entameur, c.plisPreneur, c.pli, c.petitAu17, c.reglesChelem);
        finirPli(*jeu);
        const Donne& d = jeu->donne;
        EXPECT_EQ(d.joueurEntame, c.gagnant) << c.quoi;
        EXPECT_EQ(d.plisPreneur, c.plisPreneurFin) << c.quoi;
        EXPECT_EQ(d.petitAuBout, c.petitAuBout) << c.quoi;
    }
    // The Excuse that wins stays with its side, with its oudler: the taker's
    // 18 tricks and the discard make the whole pack.
    auto jeu = dernierPli(NORD, 17, pliDe(pique(2), pique(3), atout(EXCUSE), pique(14)), false);
    finirPli(*jeu);
    EXPECT_EQ(jeu->donne.pointsPreneur, 1 + 1 + 9 + 9 + 6);
    EXPECT_EQ(jeu->donne.boutsPreneur, 1);
    EXPECT_EQ(jeu->donne.pointsDefense, 0);
    EXPECT_EQ(chelemRealise(jeu->donne), 1);
}

TEST(ReglesOfficielles, LAnnonceurGardeLExcusePourLaFin) {
    auto jeu = std::make_unique<Jeu>();
    preparerDonne(*jeu, 2);  // North takes
    Donne& d = jeu->donne;
    // Give North the Excuse if he has not got it: swap it with his first card.
    int siegeExcuse = 0, slotExcuse = 0;
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 18; ++i)
            if (estExcuse(d.mainJoueur[s][i])) siegeExcuse = s, slotExcuse = i;
    std::swap(d.mainJoueur[NORD][1], d.mainJoueur[siegeExcuse][slotExcuse]);
    int slot = 0;
    for (int i = 1; i <= 18; ++i)
        if (estExcuse(d.mainJoueur[NORD][i])) slot = i;
    ASSERT_NE(slot, 0);
    d.joueurEntame = d.joueurCourant = NORD;
    d.nbCartesPli = 0;
    d.reglesChelem = 1;
    calculerJouables(*jeu, NORD);
    EXPECT_EQ(d.jouable[NORD][slot], 1) << "no announcement: the Excuse may be led";
    d.chelemAnnonce = NORD;
    calculerJouables(*jeu, NORD);
    EXPECT_EQ(d.jouable[NORD][slot], 0) << "announced: kept for the 18th trick";
    d.numeroPli = 18;
    calculerJouables(*jeu, NORD);
    EXPECT_EQ(d.jouable[NORD][slot], 1) << "the 18th trick";
}

TEST(ReglesOfficielles, ChelemAssureDesOrdinateurs) {
    struct Cas {
        const char* quoi;
        Main main;
        bool annonce;
    };
    const Cas cas[] = {
        {"quinze atouts du 21 au 7 et trois rois: sûr",
         mainDe({atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14), atout(13),
                 atout(12), atout(11), atout(10), atout(9), atout(8), atout(7), pique(14), coeur(14), trefle(14)}),
         true},
        {"la suite d'atouts ne suffit pas à tirer ceux de dehors",
         mainDe({atout(21), atout(20), atout(19), atout(17), atout(16), atout(15), atout(14), atout(13), atout(12),
                 atout(11), atout(10), atout(9), atout(8), atout(7), atout(6), pique(14), coeur(14), trefle(14)}),
         false},
        {"roi et dame d'une couleur, et l'Excuse: sûr",
         mainDe({atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14), atout(13),
                 atout(12), atout(11), atout(10), atout(9), atout(8), atout(EXCUSE), pique(14), pique(13), coeur(14)}),
         true},
        {"une dame sans son roi perd un pli",
         mainDe({atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14), atout(13),
                 atout(12), atout(11), atout(10), atout(9), atout(8), atout(7), pique(14), coeur(13), trefle(14)}),
         false},
    };
    for (const Cas& c : cas) {
        Donne d;
        d.mainJoueur[EST] = c.main;
        EXPECT_EQ(chelemAssure(d, EST), c.annonce) << c.quoi;
    }
}

TEST(ReglesOfficielles, AtoutsMontresParUnePoignee) {
    struct Cas {
        const char* quoi;
        int atouts;      // trumps 1..atouts, the Excuse beside them when `excuse`
        bool excuse;
        int taille;      // 1 simple, 2 double, 3 triple
        int montrees;
        bool excuseMontree;
    };
    const Cas cas[] = {
        {"neuf atouts et l'Excuse: l'Excuse complète la simple", 9, true, 1, 10, true},
        {"dix atouts et l'Excuse: dix atouts, pas l'Excuse", 10, true, 1, 10, false},
        {"douze atouts et l'Excuse: l'Excuse complète la double", 12, true, 2, 13, true},
        {"quinze atouts: la triple", 15, false, 3, 15, false},
        {"douze atouts, une simple: les dix plus faibles", 12, false, 1, 10, false},
        {"neuf atouts seuls: pas de poignée", 9, false, 1, 0, false},
    };
    for (const Cas& c : cas) {
        Donne d;
        Main& m = d.mainJoueur[EST];
        int i = 1;
        for (int v = c.atouts; v >= 1; --v) m[i++] = atout(v + (21 - c.atouts));  // the highest trumps
        if (c.excuse) m[i++] = atout(EXCUSE);
        for (int v = 1; i <= 18; ++v) m[i++] = carreau(v);
        EXPECT_EQ(choisirCartesPoignee(d, EST, c.taille), c.montrees) << c.quoi;
        bool excuse = false;
        int plusHaut = 0;
        for (int k = 1; k <= d.nbCartesPoignee[EST]; ++k) {
            excuse = excuse || estExcuse(d.cartesPoignee[EST][k]);
            if (!estExcuse(d.cartesPoignee[EST][k])) plusHaut = std::max(plusHaut, d.cartesPoignee[EST][k].valeur);
        }
        EXPECT_EQ(excuse, c.excuseMontree) << c.quoi;
        // The lowest trumps are shown: the highest one shown is the size's.
        if (c.montrees == 10 && !c.excuseMontree) {
            EXPECT_EQ(plusHaut, 21 - c.atouts + 10) << c.quoi;
        }
    }
    EXPECT_EQ(poigneePossible(9), 0);
    EXPECT_EQ(poigneePossible(10), 1);
    EXPECT_EQ(poigneePossible(13), 2);
    EXPECT_EQ(poigneePossible(15), 3);
}

// A computer's handful changes the other seats' tables; under the game's own
// rules it declares nothing and nothing changes.
TEST(ReglesOfficielles, LaPoigneeDUnOrdinateurEntreDansLesDeductions) {
    for (const int regles : {1, 0}) {
        auto jeu = std::make_unique<Jeu>();
        preparerDonne(*jeu, 1);  // East takes at Prise
        Donne& d = jeu->donne;
        // East gets the ten lowest trumps in the place of his first cards.
        for (int v = 1; v <= 10; ++v) {
            for (int s = 1; s <= 4; ++s)
                for (int i = 1; i <= 18; ++i)
                    if (d.mainJoueur[s][i].couleur == ATOUT && d.mainJoueur[s][i].valeur == v)
                        std::swap(d.mainJoueur[s][i], d.mainJoueur[EST][v]);
        }
        trierMains(d);
        initialiserConnaissances(*jeu);
        d.reglesPoignees = regles;
        const Connaissances avant = jeu->connaissances;
        declarerPoigneeOrdinateur(*jeu, EST);
        const Connaissances& k = jeu->connaissances;
        EXPECT_EQ(d.poigneeOrdinateur[EST] != 0, regles == 1);
        int montrees = 0;
        for (int v = 1; v <= 21; ++v) {
            for (int o : {SUD, NORD, OUEST}) {
                const bool montree = regles == 1 && avant.localisationAtout[o][v] != k.localisationAtout[o][v];
                if (!montree) {
                    EXPECT_EQ(k.localisationAtout[o][v], avant.localisationAtout[o][v]) << v;
                    continue;
                }
                EXPECT_EQ(k.localisationAtout[o][v], EST) << "observer " << o << ", trump " << v;
                for (int t : {SUD, NORD, OUEST}) EXPECT_EQ(k.possibleAtout[o][t][v], EXCLU);
                montrees += o == SUD;
            }
        }
        EXPECT_EQ(montrees, regles == 1 ? d.nbCartesPoignee[EST] : 0);
        if (regles == 1) {
            EXPECT_GE(montrees, 10);
        }
    }
}

namespace {

std::string autoplay(std::vector<const char*> args) {
    args.insert(args.begin(), "belvane-autoplay");
    ParametresAutoplay p;
    std::string erreur;
    EXPECT_TRUE(analyserArguments(static_cast<int>(args.size()), args.data(), p, erreur)) << erreur;
    std::ostringstream sortie, erreurs;
    EXPECT_EQ(executerAutoplay(p, sortie, erreurs), 0) << erreurs.str();
    const std::string s = sortie.str();
    return s.substr(s.rfind("checksum: "));
}

}  // namespace

// The game's own rules play as before: these checksums are those of the
// build before the official rules existed, and --rules belvane is the default.
TEST(ReglesOfficielles, LesReglesDuJeuDonnentLesMemesRecits) {
    EXPECT_EQ(autoplay({"--deals", "200", "--seed", "11"}), "checksum: 1701655bcabe6bb1\n");
    EXPECT_EQ(autoplay({"--deals", "200", "--seed", "12", "--force", "6", "--level", "2"}),
              "checksum: 1089c70c155468da\n");
    EXPECT_EQ(autoplay({"--deals", "200", "--seed", "11", "--rules", "belvane"}), "checksum: 1701655bcabe6bb1\n");
    // The official rules play every deal through, checked after every card.
    EXPECT_NE(autoplay({"--deals", "200", "--seed", "11", "--rules", "official", "--check"}),
              "checksum: 1701655bcabe6bb1\n");
}

namespace {

// A whole open deal: the taker's (East's) hand as given, the other cards
// dealt in pack order to South, North, West, then the dog.
Position positionOuverte(const Main& preneur) {
    Position p;
    p.preneur = p.entameur = p.joueur = EST;
    p.contrat = GARDE;
    p.mains[EST] = preneur;
    p.nbCartes.remplir(0);
    p.nbCartes[EST] = 18;
    Table<bool, 0, 77> pris;
    for (int i = 1; i <= 18; ++i) pris[numeroCarte(preneur[i])] = true;
    const int autres[] = {SUD, NORD, OUEST};
    int k = 0, chien = 0;
    for (int n = 0; n < NB_CARTES; ++n) {
        if (pris[n]) continue;
        if (k < 54) {
            const int s = autres[k / 18];
            p.mains[s][++p.nbCartes[s]] = carteNumero(n);
            ++k;
        } else {
            p.chien[++chien] = carteNumero(n);
        }
    }
    return p;
}

}  // namespace

TEST(ReglesOfficielles, ChelemCartesOuvertesDeLExpert) {
    struct Cas {
        const char* quoi;
        Main main;
        long long noeuds;
        int attendu;
    };
    const Cas cas[] = {
        {"quinze atouts du 21 au 7 et trois rois: tous les plis",
         mainDe({atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14), atout(13),
                 atout(12), atout(11), atout(10), atout(9), atout(8), atout(7), pique(14), coeur(14), trefle(14)}),
         100000, 1},
        {"l'Excuse gardée pour la fin gagne le dernier pli",
         mainDe({atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14), atout(13),
                 atout(12), atout(11), atout(10), atout(9), atout(8), atout(EXCUSE), pique(14), pique(13), coeur(14)}),
         100000, 1},
        {"le 21 d'un défenseur prend un pli",
         mainDe({atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14), atout(13), atout(12),
                 atout(11), atout(10), atout(9), atout(8), atout(7), atout(6), pique(14), coeur(14), trefle(14)}),
         100000, 0},
        // Proving that every line of the taker fails takes more than this
        // budget: unsettled, which the Expert counts as a failure.
        {"une dame de coeur sous le roi d'un défenseur: pas établi",
         mainDe({atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14), atout(13),
                 atout(12), atout(11), atout(10), atout(9), atout(8), atout(7), pique(14), coeur(13), trefle(14)}),
         20000, -1},
    };
    for (const Cas& c : cas) {
        const Position p = positionOuverte(c.main);
        std::string erreur;
        ASSERT_TRUE(verifierPosition(p, &erreur)) << c.quoi << ": " << erreur;
        EXPECT_EQ(chelemOuvert(p, c.noeuds), c.attendu) << c.quoi;
    }
}

// A whole deal through the game's flow: a computer taker sure of every trick
// announces, leads, keeps the Excuse for the last trick, where it wins, and
// scores the announced chelem.
TEST(ReglesOfficielles, UnChelemAnnonceJoueJusquAuBout) {
    auto jeu = std::make_unique<Jeu>();
    Jeu& j = *jeu;
    j.finDeDonne = finDeDonne;
    j.options.optionProposePoignee = 0;
    Donne& d = j.donne;
    d.mainJoueur[EST] = mainDe({atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15), atout(14),
                                atout(13), atout(12), atout(11), atout(10), atout(9), atout(8), atout(EXCUSE),
                                pique(14), pique(13), coeur(14)});
    const Position p = positionOuverte(d.mainJoueur[EST]);
    for (int s : {SUD, NORD, OUEST})
        for (int i = 1; i <= 18; ++i) d.mainJoueur[s][i] = p.mains[s][i];
    for (int i = 1; i <= 6; ++i) d.chien[i] = d.chienInitial[i] = p.chien[i];
    trierMains(d);
    d.preneur = EST;
    d.enchere.remplir(PASSE);
    d.enchere[EST] = d.contrat = GARDE_SANS;
    d.reglesChelem = 1;
    d.numeroPli = 1;
    d.premierJoueur = d.joueurEntame = d.joueurCourant = SUD;
    initialiserConnaissances(j);
    for (int pas = 0; pas < 400 && d.numeroPli != 19; ++pas) {
        if (d.etatAttente == 1) {
            continuer(j);
        } else if (d.humainPeutJouer && d.joueurCourant == SUD) {
            d.humainPeutJouer = false;
            jouerCarteOrdinateur(j, SUD);
            apresCarte(j);
        } else {
            TimerEntreCarteTimer(j);
        }
    }
    ASSERT_EQ(d.numeroPli, 19);
    EXPECT_EQ(d.chelemAnnonce, EST);
    EXPECT_EQ(d.entameurPli[1], EST) << "the announcer leads";
    EXPECT_EQ(d.plisPreneur, 18);
    EXPECT_EQ(d.mainJoueur[EST][d.carteJouee[EST][18]].valeur, EXCUSE) << "the Excuse kept for the end";
    EXPECT_EQ(d.pointsPreneur, 182) << "every card, the dog of a Garde Sans included";
    EXPECT_NE(d.petitAuBout, 2);
    // 91 points with three oudlers: (91 - 36 + 25) x 4 = 320 (with the Petit
    // at the end, had it fallen in the 17th trick, 360), and the 400.
    EXPECT_EQ(calculerScoreDonne(j), 3 * ((d.petitAuBout == 1 ? 360 : 320) + 400));
}
