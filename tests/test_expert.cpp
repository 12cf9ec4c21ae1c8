// The Expert level: its sampler keeps to what the seat knows and spreads its
// deals, its choice does not depend on the hands the seat cannot see, the
// level is stored and chosen like the others, and belvane-duel seats it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "engine/choix.h"
#include "engine/evaluation.h"
#include "engine/pli.h"
#include "expert/expert.h"
#include "expert/parties_pro.h"
#include "expert/simulation.h"
#include "expert/savoir.h"
#include "expert/vraisemblance.h"
#include "settings/magasin_memoire.h"
#include "settings/options.h"
#include "tests/aides_pli.h"
#include "tests/donne_jouee.h"
#include "tests/vue_options.h"
#include "tools/duel/duel.h"

namespace {

std::string nom(const Carte& c) { return std::to_string(c.couleur) + "/" + std::to_string(c.valeur); }

// A deal prepared from `n` and played by the Pro rules up to `cartes` cards.
void donneAvancee(Jeu& jeu, std::uint64_t n, int cartes) {
    jeu.hasard.horloge = horlogeDeterministe(n + 11);
    jeu.options.niveau = 4;
    preparerDonne(jeu, n);
    Donne& d = jeu.donne;
    for (int k = 1; k <= cartes; ++k) {
        const int s = d.joueurCourant;
        calculerJouables(jeu, s);
        jouerCarteOrdinateur(jeu, s);
        apresCarte(jeu);
        if (k % 4 == 0) ramasser(jeu);
    }
}

bool tombee(const Connaissances& k, const Carte& c) {
    if (c.couleur != ATOUT) return k.couleurJouee[c.couleur][c.valeur] == 1;
    return c.valeur == EXCUSE ? k.excuseJouee == 1 : k.atoutJoue[c.valeur] == 1;
}

// What a sampled deal gets wrong for observer `o`, read straight from the
// game's tables; empty when it agrees with all the observer knows.
std::string desaccord(const Jeu& jeu, int o, const Position& p) {
    const Donne& d = jeu.donne;
    const Connaissances& k = jeu.connaissances;
    std::ostringstream e;
    std::string pourquoi;
    if (!verifierPosition(p, &pourquoi)) return pourquoi;
    const Position vraie = positionDuJeu(jeu);
    for (int t = 1; t <= 4; ++t) {
        if (p.nbCartes[t] != vraie.nbCartes[t]) e << "seat " << t << " holds " << p.nbCartes[t] << "; ";
        if (!p.pli[t].memeCarte(vraie.pli[t])) e << "the trick differs at " << t << "; ";
    }
    if (p.pointsPreneur != vraie.pointsPreneur || p.boutsDefense != vraie.boutsDefense) e << "the tricks won differ; ";
    std::multiset<int> mienne, tiree;
    for (int i = 1; i <= vraie.nbCartes[o]; ++i) mienne.insert(numeroCarte(vraie.mains[o][i]));
    for (int i = 1; i <= p.nbCartes[o]; ++i) tiree.insert(numeroCarte(p.mains[o][i]));
    if (mienne != tiree) e << "the seat's own hand changed; ";
    for (int t = 1; t <= 4; ++t) {
        if (t == o) continue;
        for (int i = 1; i <= p.nbCartes[t]; ++i) {
            const Carte& c = p.mains[t][i];
            const bool atout = c.couleur == ATOUT;
            const int ou = atout ? k.localisationAtout[o][c.valeur] : k.localisationCouleur[o][c.couleur][c.valeur];
            const int permis = atout ? k.possibleAtout[o][t][c.valeur] : k.possibleCouleur[o][t][c.couleur][c.valeur];
            if (tombee(k, c)) e << nom(c) << " was played; ";
            if (ou != NON_PLACE && ou != t) e << nom(c) << " is placed at " << ou << ", dealt to " << t << "; ";
            if (permis == EXCLU) e << nom(c) << " is excluded for " << t << "; ";
            if (!atout && k.couleurCoupee[o][t][c.couleur] == 1) e << t << " is void in " << c.couleur << "; ";
            if (estAtout(c) && k.atoutCoupe[o][t] == 1) e << t << " has no trump; ";
        }
    }
    const bool ecartConnu = o == d.preneur && (d.contrat == PRISE || d.contrat == GARDE);
    std::multiset<int> ecart, tire;
    for (int i = 1; i <= 6; ++i) {
        ecart.insert(numeroCarte(d.chien[i]));
        tire.insert(numeroCarte(p.chien[i]));
        const Carte& c = p.chien[i];
        if (tombee(k, c)) e << nom(c) << " set aside was played; ";
        if ((d.contrat == PRISE || d.contrat == GARDE) && (c.couleur == ATOUT || c.valeur == ROI))
            e << nom(c) << " cannot be discarded; ";
    }
    if (ecartConnu && ecart != tire) e << "the taker's own discard changed; ";
    return e.str();
}

// Every sample agrees with what the seat knows, whoever looks, at the start
// of a trick and within it, under every contract.
TEST(ExpertEchantillons, ChaqueDonneTireeSAccordeAvecCeQueSaitLeSiege) {
    int tirees = 0, connaissancesFausses = 0;
    for (std::uint64_t n = 0; n < 48; ++n) {
        for (int cartes : {52, 55, 58, 62, 65}) {
            Jeu jeu;
            donneAvancee(jeu, n, cartes);
            std::mt19937_64 g(n * 100 + static_cast<std::uint64_t>(cartes));
            for (int o = 1; o <= 4; ++o) {
                const SavoirSiege savoir = savoirDuSiege(jeu, o);
                // A deduction of the game's may mistake a set-aside card for a held one:
                // then no deal agrees with the tables, the true one included.
                const bool vraie = desaccord(jeu, o, positionDuJeu(jeu)).empty();
                connaissancesFausses += !vraie;
                for (int k = 0; k < 10; ++k) {
                    Position p;
                    ASSERT_TRUE(tirerDonne(savoir, g, p)) << "deal " << n;
                    ++tirees;
                    std::string pourquoi;
                    ASSERT_TRUE(verifierPosition(p, &pourquoi)) << pourquoi;
                    if (vraie) {
                        ASSERT_EQ(desaccord(jeu, o, p), "")
                            << "deal " << n << " after " << cartes << " cards, seat " << o;
                    }
                }
            }
        }
    }
    EXPECT_EQ(tirees, 48 * 5 * 4 * 10);
    EXPECT_LT(connaissancesFausses, 48 * 5 * 4 / 10);
}

// The samples are spread: every hidden card that may lie in two places is
// dealt to both over many samples, and the deals differ.
TEST(ExpertEchantillons, LesDonnesTireesSontVariees) {
    for (std::uint64_t n : {3u, 8u, 21u}) {
        Jeu jeu;
        donneAvancee(jeu, n, 52);
        const int o = jeu.donne.joueurCourant;
        const SavoirSiege savoir = savoirDuSiege(jeu, o);
        std::mt19937_64 g(n);
        std::map<int, std::set<int>> places;  // card -> where it went
        std::set<std::string> donnes;
        for (int k = 0; k < 300; ++k) {
            Position p;
            ASSERT_TRUE(tirerDonne(savoir, g, p));
            std::string cle;
            for (int t = 1; t <= 4; ++t)
                for (int i = 1; i <= p.nbCartes[t]; ++i) {
                    places[numeroCarte(p.mains[t][i])].insert(t);
                    cle += std::to_string(numeroCarte(p.mains[t][i])) + (t == 4 ? "," : ";");
                }
            for (int i = 1; i <= 6; ++i) places[numeroCarte(p.chien[i])].insert(0);
            donnes.insert(cle);
        }
        int doubles = 0;
        for (int c = 0; c < NB_CARTES; ++c) {
            const unsigned qui = savoir.possibles[static_cast<std::size_t>(c)];
            if (std::popcount(qui) < 2) continue;
            ++doubles;
            EXPECT_GE(places[c].size(), 2u) << "deal " << n << ", card " << nom(carteNumero(c));
        }
        EXPECT_GT(doubles, 0);
        EXPECT_GT(donnes.size(), 250u) << "deal " << n;
    }
}

// Tables that allow no deal (two cards that only seat 2 may hold, one place
// there) still give a deal of the right sizes; counts that do not add up give none.
TEST(ExpertEchantillons, DesTablesContradictoiresDonnentQuandMemeUneDonne) {
    SavoirSiege s;
    s.siege = 1;
    s.preneur = 2;
    s.contrat = GARDE_SANS;
    for (int t = 1; t <= 4; ++t) s.pli[t] = Carte{};
    s.entameur = s.joueur = 1;
    s.nbCartes.remplir(1);
    s.main[0] = carte(PIQUE, 1);
    s.nbMain = 1;
    s.nbEcartConnu = 0;
    s.nbEcartInconnu = 6;
    // Six set-aside diamonds, then the three cards of the others.
    for (int v = 1; v <= 6; ++v) s.possibles[static_cast<std::size_t>(numeroCarte(carte(CARREAU, v)))] = BIT_ECART;
    s.possibles[static_cast<std::size_t>(numeroCarte(carte(COEUR, 5)))] = bitSiege(2);
    s.possibles[static_cast<std::size_t>(numeroCarte(carte(COEUR, 6)))] = bitSiege(2);
    s.possibles[static_cast<std::size_t>(numeroCarte(carte(COEUR, 7)))] = bitSiege(3) | bitSiege(4);
    std::mt19937_64 g(5);
    Position p;
    ASSERT_TRUE(tirerDonne(s, g, p));
    std::string pourquoi;
    EXPECT_TRUE(verifierPosition(p, &pourquoi)) << pourquoi;
    for (int t = 1; t <= 4; ++t) EXPECT_EQ(p.nbCartes[t], 1);

    s.possibles[static_cast<std::size_t>(numeroCarte(carte(COEUR, 7)))] = 0;  // one card short
    Position q = p;
    EXPECT_FALSE(tirerDonne(s, g, q));
    EXPECT_TRUE(q.mains[2][1].memeCarte(p.mains[2][1]));
}

// A deal bid as the computers bid, each seat its hand's rating when that
// beats the best bid so far, from the opening seat; dealt again until
// somebody takes, then played by the Pro rules up to `cartes` cards.
void donneEncherie(Jeu& jeu, std::uint64_t n, int cartes) {
    jeu.hasard.horloge = horlogeDeterministe(n + 101);
    jeu.options.niveau = 4;
    Donne& d = jeu.donne;
    for (int essai = 0; essai < 100; ++essai) {
        distribuer(jeu, 0);
        d.preneur = 0;
        int meilleure = PASSE;
        for (int i = 0, s = d.premierJoueur; i < 4; ++i, s = siegeSuivant(s)) {
            const int note = evaluerMain(d, s);
            d.enchere[s] = note > meilleure ? note : PASSE;
            if (d.enchere[s] > meilleure) meilleure = d.enchere[s], d.preneur = s;
        }
        if (d.preneur != 0) break;
        d.premierJoueur = siegeSuivant(d.premierJoueur);
    }
    ASSERT_NE(d.preneur, 0);
    d.contrat = d.enchere[d.preneur];
    d.numeroPli = 1;
    jeu.regles.nbReglesUtilisees = 0;
    if (d.contrat == PRISE || d.contrat == GARDE) {
        jeu.connaissances.chienMontre = 1;
        ecartOrdinateur(jeu);
    } else {
        initialiserConnaissances(jeu);
    }
    for (int k = 1; k <= cartes; ++k) {
        const int s = d.joueurCourant;
        calculerJouables(jeu, s);
        jouerCarteOrdinateur(jeu, s);
        apresCarte(jeu);
        if (k % 4 == 0) ramasser(jeu);
    }
}

std::multiset<int> numeros(const Main& m) {
    std::multiset<int> n;
    for (int i = 1; i <= 18; ++i) n.insert(numeroCarte(m[i]));
    return n;
}

// Put back together from the true position, each seat's hand as dealt is the
// game's own record of it, so the true deal always agrees with its auction;
// the human's bid, his own, is not heard.
TEST(ExpertEncheres, LaVraieDonneSAccordeAvecSesEncheres) {
    int vues = 0, preneursVus = 0;
    for (std::uint64_t n = 0; n < 40; ++n) {
        for (int cartes : {0, 1, 22, 43, 66}) {
            Jeu jeu;
            donneEncherie(jeu, n, cartes);
            const Donne& d = jeu.donne;
            const Position vraie = positionDuJeu(jeu);
            for (int o = 1; o <= 4; ++o) {
                const SavoirSiege s = savoirDuSiege(jeu, o);
                EXPECT_EQ(s.enchere[d.joueurHumain], PAS_ENCORE_PARLE);
                for (int t = 1; t <= 4; ++t) {
                    if (t == o) continue;
                    Main m;
                    ASSERT_TRUE(mainDistribuee(s, vraie, t, m)) << "deal " << n << ", seat " << t;
                    EXPECT_EQ(numeros(m), numeros(d.mainInitiale[t])) << "deal " << n << " after " << cartes << ", seat " << t;
                    ++vues;
                    preneursVus += t == d.preneur && s.chienVu;
                }
                EXPECT_TRUE(accordeAvecEncheres(s, vraie)) << "deal " << n << " after " << cartes << ", seat " << o;
            }
        }
    }
    EXPECT_EQ(vues, 40 * 5 * 12);
    EXPECT_GT(preneursVus, 50);
}

// When a draw agrees, every heard seat's hand as dealt, read from the sampled
// cards and the game's own record of what each seat played, has the rating
// its bid tells: no seat that passed gets a hand it would have bid with, the
// taker one worth his bid. The draws stay within the knowledge tables, most
// agree within the tries, and a fixed generator gives the same deals.
TEST(ExpertEncheres, LesDonnesTireesRespectentLesEncheres) {
    int tirees = 0, accordees = 0, sansEncheres = 0, refusees = 0;
    for (std::uint64_t n = 0; n < 30; ++n) {
        for (int cartes : {1, 21, 42}) {
            Jeu jeu;
            donneEncherie(jeu, n, cartes);
            const Donne& d = jeu.donne;
            const Connaissances& k = jeu.connaissances;
            for (int o = 1; o <= 4; ++o) {
                const SavoirSiege s = savoirDuSiege(jeu, o);
                const bool vraie = desaccord(jeu, o, positionDuJeu(jeu)).empty();
                std::mt19937_64 g(n * 10 + static_cast<std::uint64_t>(o)), h(n * 10 + static_cast<std::uint64_t>(o));
                for (int e = 0; e < 8; ++e) {
                    Position p, q;
                    ASSERT_TRUE(tirerDonneVraisemblable(s, g, p, 200));
                    ASSERT_TRUE(tirerDonneVraisemblable(s, h, q, 200));
                    for (int t = 1; t <= 4; ++t)
                        for (int i = 1; i <= p.nbCartes[t]; ++i) ASSERT_TRUE(p.mains[t][i].memeCarte(q.mains[t][i]));
                    ++tirees;
                    if (vraie) {
                        ASSERT_EQ(desaccord(jeu, o, p), "") << "deal " << n << ", seat " << o;
                    }
                    if (!accordeAvecEncheres(s, p)) continue;
                    ++accordees;
                    for (int t = 1; t <= 4; ++t) {
                        if (t == o || t == d.joueurHumain) continue;
                        // The hand as dealt: what the sample gives t, what t played, and
                        // for the taker his discard less the dog he took up.
                        std::multiset<int> main;
                        for (int i = 1; i <= p.nbCartes[t]; ++i) main.insert(numeroCarte(p.mains[t][i]));
                        for (int i = 1; i <= 18; ++i)
                            if (!d.mainJoueur[t][i].enMain) main.insert(numeroCarte(d.mainJoueur[t][i]));
                        if (t == d.preneur && k.chienMontre == 1) {
                            for (int i = 1; i <= 6; ++i) main.insert(numeroCarte(p.chien[i]));
                            for (int i = 1; i <= 6; ++i) main.erase(main.find(numeroCarte(d.chienInitial[i])));
                        }
                        ASSERT_EQ(main.size(), 18u);
                        Main m;
                        int i = 0;
                        for (int c : main) m[++i] = carteNumero(c);
                        int avant = PASSE;
                        for (int j = 0, u = d.premierJoueur; u != t; ++j, u = siegeSuivant(u)) avant = std::max(avant, d.enchere[u]);
                        if (d.enchere[t] == PASSE) EXPECT_LE(evaluerMain(m), avant) << "deal " << n << ", seat " << t;
                        else EXPECT_EQ(evaluerMain(m), d.enchere[t]) << "deal " << n << ", seat " << t;
                    }
                }
                // The knowledge alone, the auction ignored: some draws disagree with it.
                SavoirSiege sourd = s;
                for (int t = 1; t <= 4; ++t) sourd.enchere[t] = PAS_ENCORE_PARLE;
                for (int e = 0; e < 8; ++e) {
                    Position p;
                    ASSERT_TRUE(tirerDonneVraisemblable(sourd, g, p, 200));
                    sansEncheres += accordeAvecEncheres(sourd, p);
                    refusees += !accordeAvecEncheres(s, p);
                }
            }
        }
    }
    EXPECT_EQ(sansEncheres, 30 * 3 * 4 * 8);
    EXPECT_GT(refusees, tirees / 4);
    EXPECT_GT(accordees, tirees * 9 / 10);
}

// The true deal played again from its first trick gives back the game as it
// stands: the same position and every seat's same knowledge tables.
TEST(ExpertParties, LaVraieDonneRejoueeRedonneLaPartie) {
    int rejouees = 0;
    for (std::uint64_t n = 0; n < 24; ++n) {
        for (int cartes : {0, 3, 17, 40}) {
            Jeu jeu;
            donneEncherie(jeu, n, cartes);
            const int o = jeu.donne.joueurCourant;
            const SavoirSiege s = savoirDuSiege(jeu, o);
            const Position vraie = positionDuJeu(jeu);
            EXPECT_TRUE(accordeAvecLeJeu(s, vraie)) << "deal " << n << " after " << cartes;
            std::mt19937_64 g(n);
            Jeu j = copieImaginaire(jeu, g);
            ASSERT_TRUE(rejouerDonneTiree(jeu, s, vraie, j)) << "deal " << n << " after " << cartes;
            const Position p = positionDuJeu(j);
            for (int t = 1; t <= 4; ++t) {
                ASSERT_EQ(numeros(j.donne.mainJoueur[t]), numeros(jeu.donne.mainJoueur[t])) << "seat " << t;
                EXPECT_TRUE(p.pli[t].memeCarte(vraie.pli[t]));
            }
            EXPECT_EQ(p.pointsDefense, vraie.pointsDefense);
            EXPECT_EQ(p.boutsDefense, vraie.boutsDefense);
            // The long suit's ties are broken by the imagined game's own draws.
            j.connaissances.couleurLongue = jeu.connaissances.couleurLongue;
            EXPECT_EQ(std::memcmp(&j.connaissances, &jeu.connaissances, sizeof(Connaissances)), 0)
                << "deal " << n << " after " << cartes;
            ++rejouees;
        }
    }
    EXPECT_EQ(rejouees, 24 * 4);
}

// A sampled deal passes the check of the cards played exactly when the game
// itself can play the tricks so far again on it; the check refuses some of
// the deals the knowledge tables allow, and the draws that must pass it do.
TEST(ExpertParties, LeJeuLegalEstCeluiQueLaPartieRejoue) {
    int tirees = 0, refusees = 0, vraisemblables = 0;
    for (std::uint64_t n = 0; n < 30; ++n) {
        for (int cartes : {13, 30, 47}) {
            Jeu jeu;
            donneEncherie(jeu, n, cartes);
            for (int o = 1; o <= 4; ++o) {
                const SavoirSiege s = savoirDuSiege(jeu, o);
                std::mt19937_64 g(n * 7 + static_cast<std::uint64_t>(o));
                for (int e = 0; e < 10; ++e) {
                    Position p;
                    ASSERT_TRUE(tirerDonne(s, g, p));
                    Jeu j = copieImaginaire(jeu, g);
                    const bool legal = accordeAvecLeJeu(s, p);
                    EXPECT_EQ(rejouerDonneTiree(jeu, s, p, j), legal) << "deal " << n << " after " << cartes << ", seat " << o;
                    ++tirees;
                    refusees += !legal;
                    Position q;
                    ASSERT_TRUE(tirerDonneVraisemblable(s, g, q, 100, true));
                    vraisemblables += accordeAvecLeJeu(s, q);
                }
            }
        }
    }
    EXPECT_GT(refusees, 0);
    EXPECT_LT(refusees, tirees / 2);
    EXPECT_GT(vraisemblables, tirees * 95 / 100);
}

// Swaps two cards between two other seats where `o` cannot tell them apart,
// in the hands and in the true holders; false when there are none.
bool echangerCachees(Jeu& jeu, int o) {
    Donne& d = jeu.donne;
    Connaissances& k = jeu.connaissances;
    const auto libre = [&](int t, const Carte& c) {
        if (c.couleur == ATOUT)
            return k.localisationAtout[o][c.valeur] == NON_PLACE && k.possibleAtout[o][t][c.valeur] != EXCLU;
        return k.localisationCouleur[o][c.couleur][c.valeur] == NON_PLACE &&
               k.possibleCouleur[o][t][c.couleur][c.valeur] != EXCLU;
    };
    for (int t1 = 1; t1 <= 4; ++t1)
        for (int t2 = t1 + 1; t2 <= 4; ++t2) {
            if (t1 == o || t2 == o) continue;
            for (int i = 1; i <= 18; ++i)
                for (int j = 1; j <= 18; ++j) {
                    Carte& a = d.mainJoueur[t1][i];
                    Carte& b = d.mainJoueur[t2][j];
                    if (!a.enMain || !b.enMain || estBout(a) || estBout(b)) continue;
                    if (!libre(t2, a) || !libre(t1, b)) continue;
                    std::swap(a, b);
                    for (const auto& [c, t, slot] : {std::tuple{a, t1, i}, std::tuple{b, t2, j}}) {
                        if (c.couleur == ATOUT) {
                            k.detenteurAtout[c.valeur] = t;
                            k.rangAtout[c.valeur] = slot;
                        } else {
                            k.detenteurCouleur[c.couleur][c.valeur] = t;
                            k.rangCouleur[c.couleur][c.valeur] = slot;
                        }
                    }
                    return true;
                }
        }
    return false;
}

Carte carteChoisie(Jeu& jeu, int siege, std::uint64_t graine, long long* echantillons) {
    ReglagesExpert r;
    r.secondes = 60;  // only the number of samples ends the thinking: the choice may not depend on the clock
    Expert e(graine, r);
    calculerJouables(jeu, siege);
    choisirCarteExpert(jeu, siege, e);
    *echantillons = e.echantillons;
    Carte c;
    int nb = 0;
    for (int i = 1; i <= 18; ++i)
        if (jeu.donne.jouable[siege][i] == 1) c = jeu.donne.mainJoueur[siege][i], ++nb;
    EXPECT_EQ(nb, 1);
    return c;
}

// Changing the hands the seat cannot see, as its knowledge allows, does not
// change its choices for the same stream of its own generator. The open
// solver of the true deal, which sees them, does change its card on some of
// these positions: the swaps matter.
TEST(ExpertHonnete, LesMainsCacheesNeChangentPasSesChoix) {
    int positions = 0, differentOuvert = 0;
    Solveur ouvert;
    for (std::uint64_t n = 0; n < 40; ++n) {
        Jeu jeu;
        donneAvancee(jeu, n, 54 + static_cast<int>(n % 4));
        const int o = jeu.donne.joueurCourant;
        Jeu autre = jeu;
        if (!echangerCachees(autre, o)) continue;
        ++positions;
        for (std::uint64_t graine = 1; graine <= 3; ++graine) {
            Jeu a = jeu, b = autre;
            long long na = 0, nb = 0;
            const Carte ca = carteChoisie(a, o, graine, &na);
            const Carte cb = carteChoisie(b, o, graine, &nb);
            ASSERT_TRUE(ca.memeCarte(cb)) << "deal " << n << ", seed " << graine << ": " << nom(ca) << " then " << nom(cb);
            EXPECT_EQ(na, nb);
            EXPECT_GT(na, 0);
        }
        const Resultat ra = ouvert.resoudre(positionDuJeu(jeu), Budget{}, Recherche::Valeur);
        const Resultat rb = ouvert.resoudre(positionDuJeu(autre), Budget{}, Recherche::Valeur);
        differentOuvert += ra.valeur != rb.valeur;
    }
    EXPECT_GT(positions, 20);
    EXPECT_GT(differentOuvert, 0);
}

// The play-outs too: swapping hidden cards as the seat's knowledge allows, in
// the early tricks, changes neither its card nor its count of deals played.
TEST(ExpertHonnete, LesPartiesProNeVoientPasLesMainsCachees) {
    int positions = 0;
    for (std::uint64_t n = 0; n < 16; ++n) {
        Jeu jeu;
        donneEncherie(jeu, n, 9 + static_cast<int>(n % 12));
        const int o = jeu.donne.joueurCourant;
        Jeu autre = jeu;
        if (!echangerCachees(autre, o)) continue;
        ++positions;
        ReglagesExpert r;
        r.partiesPro = 6;
        r.partiesProDefense = true;
        r.secondes = 60;
        Expert ea(n, r), eb(n, r);
        calculerJouables(jeu, o);
        calculerJouables(autre, o);
        choisirCarteExpert(jeu, o, ea);
        choisirCarteExpert(autre, o, eb);
        ASSERT_EQ(ea.secondesParties.size(), 1u) << "deal " << n;
        EXPECT_EQ(ea.parties, eb.parties);
        EXPECT_GT(ea.parties, 0);
        for (int i = 1; i <= 18; ++i)
            ASSERT_EQ(jeu.donne.jouable[o][i], autre.donne.jouable[o][i]) << "deal " << n << ", slot " << i;
    }
    EXPECT_GT(positions, 8);
}

// Play-outs kept to the taker: a defender in the early tricks plays the Pro
// rules' card, without one deal played out, and the taker still plays out.
TEST(ExpertParties, LesPartiesDuPreneurSeulLaissentLaDefenseAuxReglesPro) {
    int preneur = 0, defense = 0;
    for (std::uint64_t n = 0; n < 12; ++n) {
        Jeu jeu;
        donneEncherie(jeu, n, 9 + static_cast<int>(n % 12));
        const int o = jeu.donne.joueurCourant;
        ReglagesExpert r;
        r.partiesPro = 4;
        r.partiesProDefense = false;
        r.secondes = 60;
        Expert e(n, r);
        Jeu regles = jeu;
        calculerJouables(jeu, o);
        choisirCarteExpert(jeu, o, e);
        if (o == jeu.donne.preneur) {
            ++preneur;
            EXPECT_EQ(e.secondesParties.size(), 1u) << "deal " << n;
            continue;
        }
        ++defense;
        EXPECT_TRUE(e.secondesParties.empty()) << "deal " << n;
        EXPECT_EQ(e.parties, 0);
        calculerJouables(regles, o);
        choisirCarte(regles, o);
        for (int i = 1; i <= 18; ++i)
            ASSERT_EQ(jeu.donne.jouable[o][i], regles.donne.jouable[o][i]) << "deal " << n << ", slot " << i;
    }
    EXPECT_GT(preneur, 0);
    EXPECT_GT(defense, 0);
}

// The moment of sampling: from the trick where the set number of tricks is left.
TEST(ExpertMoment, EchantillonneSeulementEnFinDeDonne) {
    Jeu jeu;
    donneAvancee(jeu, 4, 0);
    ReglagesExpert r;
    r.plisRestants = 5;
    struct Cas {
        int pli;
        bool attendu;
    };
    for (const Cas c : {Cas{1, false}, Cas{13, false}, Cas{14, true}, Cas{18, true}, Cas{19, false}}) {
        jeu.donne.numeroPli = c.pli;
        EXPECT_EQ(expertEchantillonne(jeu, 2, r), c.attendu) << "trick " << c.pli;
    }
}

// The level menu: Expert is Pro's level with its own option, stored after
// the scores, refused during the tricks like the others.
TEST(ExpertNiveau, ChoisirExpertPuisUnAutreNiveau) {
    auto jeu = std::make_unique<Jeu>();
    VueOptions vue;
    MagasinMemoire magasin;
    jeu->vue = &vue;
    jeu->magasin = &magasin;
    chargerOptions(*jeu);
    EXPECT_EQ(jeu->options.optionNiveauExpert, 0);
    EXPECT_EQ(magasin.valeurs.at("optionNiveauExpert").octets, std::string(1, '\0'));

    changerNiveau(*jeu, NIVEAU_MENU_EXPERT);
    EXPECT_EQ(jeu->options.niveau, 4);
    EXPECT_EQ(jeu->options.optionNiveauExpert, 1);
    EXPECT_TRUE(vue.estCoche(MenuOption::menuExpert));
    EXPECT_FALSE(vue.estCoche(MenuOption::menuPro));
    EXPECT_EQ(magasin.valeurs.at("optionNiveauExpert").octets, std::string(1, '\1'));
    EXPECT_EQ(magasin.valeurs.at("niveau").octets, std::string("\4\0\0\0", 4));

    jeu->donne.numeroPli = 7;
    changerNiveau(*jeu, 2);
    EXPECT_EQ(jeu->options.optionNiveauExpert, 1);
    EXPECT_EQ(vue.nbBoites("message"), 1);

    jeu->donne.numeroPli = 19;
    changerNiveau(*jeu, 2);
    EXPECT_EQ(jeu->options.niveau, 2);
    EXPECT_EQ(jeu->options.optionNiveauExpert, 0);
    EXPECT_TRUE(vue.estCoche(MenuOption::menuAmateur));
    EXPECT_FALSE(vue.estCoche(MenuOption::menuExpert));

    // A store from before the Expert level: the value is missing, the level is off.
    magasin.valeurs.erase("optionNiveauExpert");
    auto ancien = std::make_unique<Jeu>();
    ancien->vue = &vue;
    ancien->magasin = &magasin;
    chargerOptions(*ancien);
    EXPECT_EQ(ancien->options.optionNiveauExpert, 0);
    EXPECT_EQ(ancien->options.niveau, 2);
    EXPECT_EQ(texte(Texte::menuExpert, FRANCAIS), "&Expert");
    EXPECT_EQ(texte(Texte::menuExpert, ANGLAIS), "&Expert");
}

TEST(ExpertDuel, LeDuelAcceptLeNiveauCinqEtRendCompteDeSesCartes) {
    ParametresDuel p;
    std::string erreur;
    const char* const bons[] = {"belvane-duel", "--a", "5", "--b", "4", "--deals", "3", "--seed", "9"};
    ASSERT_TRUE(analyserArgumentsDuel(9, bons, p, erreur)) << erreur;
    EXPECT_EQ(p.a, NIVEAU_EXPERT);
    ParametresDuel q;
    const char* const mauvais[] = {"belvane-duel", "--a", "6", "--b", "4", "--deals", "3"};
    EXPECT_FALSE(analyserArgumentsDuel(7, mauvais, q, erreur));
    EXPECT_NE(erreur.find("0 to 5"), std::string::npos) << erreur;

    const ResultatDuel r = jouerDuel(p, nullptr);
    ASSERT_EQ(r.erreur, "");
    EXPECT_EQ(r.ecart.n(), 3);
    EXPECT_FALSE(r.secondesExpert.empty());
    EXPECT_GE(r.echantillonsExpert, static_cast<long long>(r.secondesExpert.size()));
    const std::string rapport = rapportDuel(p, r);
    EXPECT_EQ(rapport.rfind("Expert against Pro: ", 0), 0u) << rapport;
    EXPECT_NE(rapport.find("cards chosen by sampling"), std::string::npos) << rapport;
}

}  // namespace
