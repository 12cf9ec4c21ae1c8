#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "engine/distribution.h"
#include "engine/evaluation.h"
#include "tests/aides.h"

namespace {

Jeu jeuReproductible(std::uint64_t graine, int force = 2) {
    Jeu jeu;
    jeu.hasard.horloge = horlogeDeterministe(graine);
    jeu.options.optionForceMain = force;
    return jeu;
}

bool petitSecQuelquePart(const Donne& d) {
    for (int s = 1; s <= 4; ++s)
        if (petitSec(d.mainJoueur[s])) return true;
    return false;
}

int mainsSansEnchere(const Donne& d) {
    int z = 0;
    for (int s = 1; s <= 4; ++s) z += d.niveauMain[s] == PASSE;
    return z;
}

bool jouable(const Donne& d) { return !petitSecQuelquePart(d) && !ecartImpossible(d); }

// The next attempt, dealt from the first clock reading (1, 2, ...) that gives a
// deal `voulue` accepts. `acceptee`: what donner answered.
struct Tentative {
    bool trouvee = false;
    bool acceptee = false;
};
template <typename Voulue>
Tentative tenter(Jeu& jeu, Voulue voulue) {
    for (std::uint32_t h = 1; h < 100000; ++h) {
        Jeu essai = jeu;
        essai.hasard.horloge = [h] { return h; };
        const bool acceptee = donner(essai);
        if (!voulue(essai.donne)) continue;
        jeu = essai;
        return {true, acceptee};
    }
    return {};
}

}  // namespace

TEST(Distribution, LaRegleDesPaquets) {
    Jeu jeu = jeuReproductible(11);
    for (int essai = 0; essai < 200; ++essai) {
        donner(jeu);
        const Donne& d = jeu.donne;
        std::set<int> vus;
        for (int p = 1; p <= 6; ++p) {
            EXPECT_TRUE(d.chien[p].memeCarte(jeu.paquet[d.paquetSauve[13 * p]])) << "dog " << p;
            for (int s = 1; s <= 4; ++s)
                for (int k = 1; k <= 3; ++k) {
                    const int id = d.paquetSauve[13 * (p - 1) + 3 * (s - 1) + k];
                    EXPECT_TRUE(d.mainJoueur[s][3 * (p - 1) + k].memeCarte(jeu.paquet[id]));
                }
        }
        // The deck is left in dealt order: the four hands slot by slot, then the dog.
        for (int s = 1; s <= 4; ++s)
            for (int i = 1; i <= 18; ++i) {
                EXPECT_TRUE(jeu.paquet[d.ordrePaquet[18 * (s - 1) + i]].memeCarte(d.mainJoueur[s][i]));
                EXPECT_TRUE(d.mainJoueur[s][i].enMain);
            }
        for (int i = 1; i <= 78; ++i) vus.insert(d.ordrePaquet[i]);
        EXPECT_EQ(vus.size(), 78u);
        if (HasFailure()) return;
    }
}

TEST(Distribution, PetitSecEtEcartImpossible) {
    Main seul = mainDe({atout(1), pique(14), pique(13), pique(12), pique(11), pique(10), pique(9), pique(8),
                        pique(7), coeur(14), coeur(13), coeur(12), coeur(11), coeur(10), coeur(9), coeur(8),
                        coeur(7), coeur(6)});
    EXPECT_TRUE(petitSec(seul));
    Main avecExcuse = seul;
    avecExcuse[18] = atout(0);
    EXPECT_FALSE(petitSec(avecExcuse));
    Main sansPetit = seul;
    sansPetit[1] = atout(2);
    EXPECT_FALSE(petitSec(sansPetit));

    // Seat 1: fourteen trumps and the four rois, nothing to discard of its own.
    Donne d;
    d.mainJoueur[1] = mainDe({atout(21), atout(20), atout(19), atout(18), atout(17), atout(16), atout(15),
                              atout(14), atout(13), atout(12), atout(11), atout(10), atout(9), atout(8),
                              pique(14), coeur(14), trefle(14), carreau(14)});
    for (int s = 2; s <= 4; ++s) d.mainJoueur[s] = seul;  // plenty of small cards
    const Carte chienCinq[] = {atout(1), pique(1), coeur(1), trefle(1), carreau(1), carreau(2)};
    for (int i = 1; i <= 6; ++i) d.chien[i] = chienCinq[i - 1];
    EXPECT_TRUE(ecartImpossible(d)) << "five discardable cards in the dog are not enough";
    d.chien[1] = trefle(2);
    EXPECT_FALSE(ecartImpossible(d)) << "six are";
    d.chien[2] = coeur(14);
    EXPECT_TRUE(ecartImpossible(d)) << "a roi of the dog cannot be discarded";
}

// Every attempt with the normal hand strength is rejected exactly when a seat
// has the Petit sec, a seat cannot discard, or it is the fourth deal in a row
// that nobody could bid on; the counter of such deals is followed alongside.
TEST(Distribution, RejetsDUneDonneNormale) {
    Jeu jeu = jeuReproductible(2024);
    int compteur = 0, rejetsPetit = 0, rejetsSansPreneur = 0, acceptees = 0;
    for (int essai = 0; essai < 20000; ++essai) {
        const bool acceptee = donner(jeu);
        const Donne& d = jeu.donne;
        for (int s = 1; s <= 4; ++s) ASSERT_EQ(d.niveauMain[s], evaluerMain(d, s));
        bool attendu = !petitSecQuelquePart(d) && !ecartImpossible(d);
        if (mainsSansEnchere(d) < 4) {
            if (attendu) compteur = 0;  // only a deal that is played sets it back
        } else if (attendu) {
            ++compteur;
            if (compteur >= 4) {
                attendu = false;
                ++rejetsSansPreneur;
            }
        }
        ASSERT_EQ(acceptee, attendu) << "attempt " << essai;
        ASSERT_EQ(d.nbDonnesSansPreneur, compteur);
        rejetsPetit += petitSecQuelquePart(d);
        acceptees += acceptee;
    }
    EXPECT_GT(rejetsPetit, 0);
    EXPECT_GT(rejetsSansPreneur, 0);
    EXPECT_GT(acceptees, 15000);
}

TEST(Distribution, ForceDeLaMainDuJoueur) {
    for (int force = 1; force <= 6; ++force) {
        if (force == 2) continue;
        Jeu jeu = jeuReproductible(static_cast<std::uint64_t>(force) * 77, force);
        const int attendu = force == 1 ? PASSE : force - 2;
        for (int donne = 0; donne < 30; ++donne) {
            distribuer(jeu, 0);
            const Donne& d = jeu.donne;
            ASSERT_EQ(d.niveauMain[1], attendu) << "option " << force;
            // The whole hand moved with its rating.
            for (int s = 1; s <= 4; ++s) ASSERT_EQ(evaluerMain(d, s), d.niveauMain[s]);
        }
    }
}

TEST(Distribution, AuMoinsUneMainDePrise) {
    Jeu jeu = jeuReproductible(5);
    jeu.options.optionAuMoinsUneMainDePrise = 1;
    for (int donne = 0; donne < 300; ++donne) {
        distribuer(jeu, 0);
        ASSERT_LT(mainsSansEnchere(jeu.donne), 4);
    }
}

TEST(Distribution, LeJoueurQuiOuvreTourne) {
    Jeu jeu = jeuReproductible(3);
    EXPECT_EQ(jeu.donne.premierJoueur, 3);
    distribuer(jeu, 0);
    EXPECT_EQ(jeu.donne.premierJoueur, 4);
    EXPECT_EQ(jeu.donne.joueurEntame, 4);
    EXPECT_EQ(jeu.donne.joueurCourant, 4);
    distribuer(jeu, 0);
    EXPECT_EQ(jeu.donne.premierJoueur, 1);
    distribuer(jeu, 1);
    EXPECT_EQ(jeu.donne.premierJoueur, 1);
    distribuer(jeu, 0);
    EXPECT_EQ(jeu.donne.premierJoueur, 2);
}

TEST(Distribution, LaDonneRejoueeEstLaMeme) {
    Jeu jeu = jeuReproductible(99);
    bool sansPreneurVue = false;
    for (int donne = 0; donne < 400; ++donne) {
        distribuer(jeu, 0);
        const Donne avant = jeu.donne;
        const bool sansPreneur = mainsSansEnchere(avant) == 4;
        // Neither the no-bid counter nor the at-least-one-taker option can refuse a replay.
        jeu.donne.nbDonnesSansPreneur = 3;
        jeu.options.optionAuMoinsUneMainDePrise = 1;
        EXPECT_EQ(distribuer(jeu, 1), 1);
        jeu.options.optionAuMoinsUneMainDePrise = 0;
        const Donne& apres = jeu.donne;
        EXPECT_EQ(apres.premierJoueur, avant.premierJoueur);
        for (int s = 1; s <= 4; ++s) {
            EXPECT_EQ(apres.niveauMain[s], avant.niveauMain[s]);
            for (int i = 1; i <= 18; ++i) EXPECT_TRUE(apres.mainInitiale[s][i].memeCarte(avant.mainInitiale[s][i]));
        }
        for (int i = 1; i <= 6; ++i) EXPECT_TRUE(apres.chienInitial[i].memeCarte(avant.chienInitial[i]));
        sansPreneurVue |= sansPreneur;
        if (HasFailure() || (sansPreneurVue && donne > 20)) break;
        jeu.donne.nbDonnesSansPreneur = avant.nbDonnesSansPreneur;
    }
    EXPECT_TRUE(sansPreneurVue) << "a deal without any bid was replayed at least once";
}

// Three deals nobody can bid on have been played; an attempt with a hand worth
// a bid is then rejected for another reason. It is not a played deal, so the
// next deal nobody can bid on is still the fourth in a row and is dealt again.
TEST(Distribution, UnRejetNeRemetPasLeCompteAZero) {
    auto sansPreneur = [](const Donne& d) { return mainsSansEnchere(d) == 4 && jouable(d); };
    auto avecPreneur = [](const Donne& d) { return mainsSansEnchere(d) < 4 && jouable(d); };
    struct Cas {
        const char* rejet;
        int forceRejet;  // the hand-strength option of the rejected attempt
        std::function<bool(const Donne&)> tentative;
    };
    const Cas cas[] = {
        {"Petit sec", 2, [](const Donne& d) { return mainsSansEnchere(d) < 4 && petitSecQuelquePart(d); }},
        // Seat 1 must hold a Prise, and no seat does.
        {"hand strength", 3,
         [](const Donne& d) { return mainsSansEnchere(d) < 4 && d.niveauMain[1] != PRISE && jouable(d); }},
    };
    for (const Cas& c : cas) {
        Jeu jeu = jeuReproductible(1);
        for (int n = 1; n <= 3; ++n) {
            const Tentative t = tenter(jeu, sansPreneur);
            ASSERT_TRUE(t.trouvee && t.acceptee) << c.rejet << ", deal " << n;
            ASSERT_EQ(jeu.donne.nbDonnesSansPreneur, n) << c.rejet;
        }
        jeu.options.optionForceMain = c.forceRejet;
        const Tentative rejet = tenter(jeu, c.tentative);
        jeu.options.optionForceMain = 2;
        ASSERT_TRUE(rejet.trouvee) << c.rejet;
        EXPECT_FALSE(rejet.acceptee) << c.rejet;
        EXPECT_EQ(jeu.donne.nbDonnesSansPreneur, 3) << c.rejet;
        const Tentative quatrieme = tenter(jeu, sansPreneur);
        ASSERT_TRUE(quatrieme.trouvee) << c.rejet;
        EXPECT_FALSE(quatrieme.acceptee) << c.rejet << ": a fourth deal in a row without a bid";
        // A played deal with a bid does set the count back.
        const Tentative preneur = tenter(jeu, avecPreneur);
        ASSERT_TRUE(preneur.trouvee && preneur.acceptee) << c.rejet;
        EXPECT_EQ(jeu.donne.nbDonnesSansPreneur, 0) << c.rejet;
        EXPECT_TRUE(tenter(jeu, sansPreneur).acceptee) << c.rejet;
    }
}

// Deal after deal as the game deals them, with the options that let a deal
// without any bid through: never four such deals in a row, and three do occur.
TEST(Distribution, JamaisQuatreDonnesDeSuiteSansPreneur) {
    for (int force : {1, 2}) {
        Jeu jeu = jeuReproductible(static_cast<std::uint64_t>(force) * 1009, force);
        int suite = 0, plusLongue = 0;
        for (int donne = 1; donne <= 30000; ++donne) {
            distribuer(jeu, 0);
            suite = mainsSansEnchere(jeu.donne) == 4 ? suite + 1 : 0;
            plusLongue = std::max(plusLongue, suite);
            ASSERT_LE(suite, 3) << "option " << force << ", deal " << donne;
        }
        EXPECT_EQ(plusLongue, 3) << "option " << force;
    }
}
