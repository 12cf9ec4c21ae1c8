// The deal coach on hand-made endings whose turning card is known: the walk
// back finds where the contract was lost, and the player's own view tells an
// error from a blind guess that went wrong.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analyse/entraineur.h"
#include "tests/donne_analysee.h"

namespace {

Carte pique(int v) { return carte(PIQUE, v); }
Carte coeur(int v) { return carte(COEUR, v); }
Carte trefle(int v) { return carte(TREFLE, v); }
Carte carreau(int v) { return carte(CARREAU, v); }
Carte atout(int v) { return carte(ATOUT, v); }

// An ending: the four hands, the set-aside cards, the contract, and every
// other card already won, by the taker up to `pointsPreneur` half-points
// (the oudlers to the defence), the rest by the defence.
Position finale(const std::vector<std::vector<Carte>>& mains, const std::vector<Carte>& chien, int contrat,
                int pointsPreneur) {
    Position p;
    p.preneur = p.entameur = p.joueur = SUD;
    p.contrat = contrat;
    std::vector<bool> pris(79, false);
    Paquet paquet;
    construirePaquet(paquet);
    const auto noter = [&](const Carte& c) {
        for (int id = 1; id <= 78; ++id)
            if (paquet[id].memeCarte(c)) pris[static_cast<std::size_t>(id)] = true;
    };
    for (int s = 1; s <= 4; ++s) {
        const auto& m = mains[static_cast<std::size_t>(s - 1)];
        p.nbCartes[s] = static_cast<int>(m.size());
        for (std::size_t i = 0; i < m.size(); ++i) {
            p.mains[s][static_cast<int>(i) + 1] = m[i];
            noter(m[i]);
        }
        p.pli[s] = Carte{};
    }
    for (int i = 1; i <= 6; ++i) {
        p.chien[i] = chien[static_cast<std::size_t>(i - 1)];
        noter(p.chien[i]);
    }
    int reste = 0;
    for (int id = 1; id <= 78; ++id)
        if (!pris[static_cast<std::size_t>(id)]) {
            reste += pointsCarte(paquet[id]);
            p.boutsDefense += estBout(paquet[id]);
        }
    p.pointsPreneur = pointsPreneur;
    p.pointsDefense = reste - pointsPreneur;
    return p;
}

DonneJouee ligne(const Position& depart, const std::vector<Carte>& cartes) { return DonneJouee{depart, cartes}; }

int scoreDeLaLigne(const DonneJouee& d) {
    const AnalyseDonne a(d);
    EXPECT_TRUE(a.valide());
    return scoreFinal(a.position(a.nbCartes()));
}

// The taker's half-points already won at which `perdante` just fails while
// `gagnante` makes: the ending then turns on the card that tells them apart.
int seuil(const std::vector<std::vector<Carte>>& mains, const std::vector<Carte>& chien, int contrat,
          const std::vector<Carte>& perdante, const std::vector<Carte>& gagnante) {
    int points = 0;
    while (points < 182 && scoreDeLaLigne(ligne(finale(mains, chien, contrat, points + 1), perdante)) <= 0) ++points;
    EXPECT_LE(scoreDeLaLigne(ligne(finale(mains, chien, contrat, points), perdante)), 0);
    EXPECT_GT(scoreDeLaLigne(ligne(finale(mains, chien, contrat, points), gagnante)), 0);
    return points;
}

std::chrono::steady_clock::time_point dans(double secondes) {
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(static_cast<int>(secondes * 1000));
}

// Three tricks, Prise, the taker South. East holds one trump and no spade:
// the Roi de Pique led at once is trumped, and the contract goes with it;
// the 21 first draws East's trump and the Roi then wins.
const std::vector<std::vector<Carte>> mainsRoiCoupe = {
    {atout(21), pique(ROI), pique(2)},
    {atout(5), trefle(2), trefle(3)},
    {pique(4), pique(5), trefle(5)},
    {pique(6), pique(7), trefle(7)},
};
const std::vector<Carte> chienRoiCoupe = {carreau(2), carreau(3), carreau(4), carreau(5), carreau(6), carreau(7)};
const std::vector<Carte> roiDabord = {pique(ROI), atout(5),  pique(4),  pique(6),  trefle(2), trefle(5),
                                      trefle(7),  atout(21), pique(2),  trefle(3), pique(5),  pique(7)};
const std::vector<Carte> atoutDabord = {atout(21), atout(5),  pique(4),  pique(6), pique(ROI), trefle(2),
                                        pique(5),  pique(7),  pique(2),  trefle(3), trefle(5), trefle(7)};

}  // namespace

TEST(Entraineur, LeVerdictTrouveLaCarteQuiAPerduLeContrat) {
    const int points = seuil(mainsRoiCoupe, chienRoiCoupe, PRISE, roiDabord, atoutDabord);
    struct Cas {
        const char* nom;
        std::vector<Carte> cartes;
        int finRealisable;
        bool avecTournant;
    };
    const Cas cas[] = {
        {"the king led into the void loses it at trick 1", roiDabord, 0, true},
        {"the trump first keeps it to the end", atoutDabord, 1, false},
    };
    for (const Cas& c : cas) {
        const AnalyseDonne a(ligne(finale(mainsRoiCoupe, chienRoiCoupe, PRISE, points), c.cartes));
        ASSERT_TRUE(a.valide()) << c.nom;
        Solveur solveur(4);
        Entraineur e(a, SUD);
        e.etablirVerdict(solveur, dans(30), nullptr);
        const VerdictDonne& v = e.bilan().verdict;
        EXPECT_TRUE(v.complet) << c.nom;
        EXPECT_EQ(v.nbPlis, 3) << c.nom;
        EXPECT_EQ(v.depuisPli, 1) << c.nom;
        EXPECT_EQ(v.realisableDepart(), 1) << c.nom;
        EXPECT_EQ(v.realisablePli[4], c.finRealisable) << c.nom;
        ASSERT_EQ(v.tournants.size(), c.avecTournant ? 1u : 0u) << c.nom;
        if (!c.avecTournant) continue;
        const Tournant& t = v.tournants[0];
        EXPECT_EQ(t.numero, 1) << c.nom;
        EXPECT_EQ(t.pli, 1) << c.nom;
        EXPECT_EQ(t.siege, SUD) << c.nom;
        EXPECT_TRUE(t.carte.memeCarte(pique(ROI))) << c.nom;
        EXPECT_TRUE(t.perdu) << c.nom;
    }
}

TEST(Entraineur, UneDefenseQuiSeTrompeSauveLeContrat) {
    // The king led into the void loses the contract at trick 1; in trick 2
    // North, with two clubs, puts his Roi de Trefle under the taker's 21
    // instead of the small one, and gives the contract back.
    const std::vector<std::vector<Carte>> mains = {
        {atout(21), pique(ROI), pique(2)},
        {atout(5), trefle(2), trefle(3)},
        {pique(4), trefle(4), trefle(ROI)},
        {pique(6), pique(7), trefle(7)},
    };
    const std::vector<Carte> faute = {pique(ROI), atout(5),    pique(4),  pique(6),  trefle(2), trefle(ROI),
                                      trefle(7),  atout(21),   pique(2),  trefle(3), trefle(4), pique(7)};
    const std::vector<Carte> juste = {pique(ROI), atout(5),    pique(4),  pique(6),  trefle(2),   trefle(4),
                                      trefle(7),  atout(21),   pique(2),  trefle(3), trefle(ROI), pique(7)};
    const int points = seuil(mains, chienRoiCoupe, PRISE, juste, faute);
    const AnalyseDonne a(ligne(finale(mains, chienRoiCoupe, PRISE, points), faute));
    ASSERT_TRUE(a.valide());
    Solveur solveur(4);
    Entraineur e(a, SUD);
    e.etablirVerdict(solveur, dans(30), nullptr);
    const VerdictDonne& v = e.bilan().verdict;
    EXPECT_EQ(v.realisableDepart(), 1);
    ASSERT_EQ(v.tournants.size(), 2u);
    EXPECT_TRUE(v.tournants[0].perdu);
    EXPECT_TRUE(v.tournants[0].carte.memeCarte(pique(ROI)));
    EXPECT_FALSE(v.tournants[1].perdu);
    EXPECT_EQ(v.tournants[1].numero, 6);
    EXPECT_EQ(v.tournants[1].siege, NORD);
    EXPECT_TRUE(v.tournants[1].carte.memeCarte(trefle(ROI)));
}

TEST(Entraineur, LeJugeDuJoueurDistingueLErreurDeLaMalchance) {
    // Two tricks, Garde Sans: South leads a queen, then the other card. The
    // Roi de Pique lies in the unseen dog, so only the Dame de Pique wins a
    // trick; the taker needs one.
    struct Cas {
        const char* nom;
        Carte secondeCarte;  // South's other card
        Carte carteOuest;    // West's card beside a heart
        Jugement attendu;
    };
    const Cas cas[] = {
        // The Roi de Trefle with West: from South's chair either king may be
        // anywhere unseen, and each queen wins as often.
        {"two queens: a blind guess is bad luck", trefle(DAME), trefle(ROI), Jugement::Malchance},
        // South's Roi de Trefle was a sure trick: the queen into the unseen
        // king is an error on any deal he could imagine.
        {"a queen before a sure king is an error", trefle(ROI), coeur(7), Jugement::Erreur},
    };
    for (const Cas& c : cas) {
        const std::vector<std::vector<Carte>> mains = {
            {pique(DAME), c.secondeCarte},
            {coeur(2), coeur(3)},
            {coeur(4), coeur(5)},
            {c.carteOuest, coeur(6)},
        };
        const std::vector<Carte> chien = {pique(ROI), carreau(2), carreau(3), carreau(4), carreau(5), carreau(6)};
        // South leads the club card: West's Roi wins the first (the Dame is
        // lost), or South's own Roi wins it in the second row.
        const Carte trefleWest = c.carteOuest.couleur == TREFLE ? c.carteOuest : coeur(6);
        const Carte autreOuest = c.carteOuest.couleur == TREFLE ? coeur(6) : c.carteOuest;
        std::vector<Carte> joue, mieux;
        if (c.secondeCarte.valeur == DAME) {
            // Club queen first: West's king wins, West leads a heart, South throws the spade queen.
            joue = {c.secondeCarte, coeur(2), coeur(4), trefleWest, autreOuest, pique(DAME), coeur(3), coeur(5)};
            mieux = {pique(DAME), coeur(2), coeur(4), autreOuest, c.secondeCarte, coeur(3), coeur(5), trefleWest};
        } else {
            // Spade queen first: nobody beats it, then the king wins too; the
            // played line throws the queen after a heart lead instead.
            joue = {pique(DAME), coeur(2), coeur(4), coeur(6), c.secondeCarte, coeur(3), coeur(5), c.carteOuest};
            mieux = joue;
        }
        if (c.attendu == Jugement::Erreur) {
            // The king is a sure trick, and the queen is not: with the Roi de
            // Pique put with West instead, the queen led loses it.
            const std::vector<std::vector<Carte>> mainsErreur = {
                {pique(DAME), trefle(ROI)},
                {coeur(2), coeur(3)},
                {coeur(4), coeur(5)},
                {pique(ROI), coeur(6)},
            };
            const std::vector<Carte> chienErreur = {coeur(7), carreau(2), carreau(3), carreau(4), carreau(5), carreau(6)};
            const std::vector<Carte> perd = {pique(DAME), coeur(2), coeur(4), pique(ROI),
                                             coeur(6), trefle(ROI), coeur(3), coeur(5)};
            const std::vector<Carte> gagne = {trefle(ROI), coeur(2), coeur(4), coeur(6),
                                              pique(DAME), coeur(3), coeur(5), pique(ROI)};
            const int points = seuil(mainsErreur, chienErreur, GARDE_SANS, perd, gagne);
            const AnalyseDonne a(ligne(finale(mainsErreur, chienErreur, GARDE_SANS, points), perd));
            ASSERT_TRUE(a.valide()) << c.nom;
            Solveur solveur(4);
            std::mt19937_64 generateur(7);
            Entraineur e(a, SUD);
            e.jugerCartes(solveur, generateur, dans(60), nullptr);
            ASSERT_EQ(e.bilan().jugements.size(), 2u) << c.nom;
            const JugementCarte& j = e.bilan().jugements[0];
            EXPECT_EQ(j.jugement, Jugement::Erreur) << c.nom;
            EXPECT_TRUE(j.avecMieux && j.mieux.memeCarte(trefle(ROI))) << c.nom;
            EXPECT_GE(j.tirages, tiragesMinimum) << c.nom;
            EXPECT_EQ(j.reussitesMeilleure, j.tirages) << c.nom;
            EXPECT_EQ(e.bilan().erreurs(), 1) << c.nom;
            continue;
        }
        const int points = seuil(mains, chien, GARDE_SANS, joue, mieux);
        const AnalyseDonne a(ligne(finale(mains, chien, GARDE_SANS, points), joue));
        ASSERT_TRUE(a.valide()) << c.nom;
        Solveur solveur(4);
        std::mt19937_64 generateur(7);
        Entraineur e(a, SUD);
        e.jugerCartes(solveur, generateur, dans(60), nullptr);
        ASSERT_EQ(e.bilan().jugements.size(), 2u) << c.nom;
        const JugementCarte& j = e.bilan().jugements[0];
        EXPECT_EQ(j.jugement, c.attendu) << c.nom << " " << j.reussitesJouee << "/" << j.reussitesMeilleure;
        EXPECT_TRUE(j.avecMieux && j.mieux.memeCarte(pique(DAME))) << c.nom;
        EXPECT_GE(j.tirages, tiragesMinimum) << c.nom;
        EXPECT_EQ(e.bilan().malchances(), 1) << c.nom;
        EXPECT_EQ(e.bilan().erreurs(), 0) << c.nom;
    }
}

TEST(Entraineur, LeSavoirDeLaLigneNeVoitQueCeQueLeJoueurPeutSavoir) {
    const AnalyseDonne a(ligne(finale(mainsRoiCoupe, chienRoiCoupe, PRISE, 60), roiDabord));
    ASSERT_TRUE(a.valide());
    // After trick 1, South knows East holds no spade (he trumped) and that
    // his own discard is not in anybody's hand.
    const SavoirSiege s = savoirDeLaLigne(a, 4, SUD);
    EXPECT_EQ(s.nbMain, 2);
    EXPECT_EQ(s.nbEcartInconnu, 0);
    const std::uint8_t pique5 = s.possibles[static_cast<std::size_t>(numeroCarte(pique(5)))];
    EXPECT_EQ(pique5 & bitSiege(EST), 0);
    EXPECT_NE(pique5 & bitSiege(NORD), 0);
    EXPECT_EQ(s.possibles[static_cast<std::size_t>(numeroCarte(carreau(2)))], 0);  // his discard
    EXPECT_EQ(s.possibles[static_cast<std::size_t>(numeroCarte(pique(ROI)))], 0);  // fallen
    // A deal drawn from it gives each hand its count and keeps South's own.
    std::mt19937_64 g(1);
    Position p;
    ASSERT_TRUE(tirerDonne(s, g, p));
    EXPECT_EQ(p.nbCartes[EST], 2);
    std::string erreur;
    EXPECT_TRUE(verifierPosition(p, &erreur)) << erreur;
}

TEST(Entraineur, LesDeuxSuitesMontrentLeJeuEtLaMeilleureLigne) {
    const int points = seuil(mainsRoiCoupe, chienRoiCoupe, PRISE, roiDabord, atoutDabord);
    const AnalyseDonne a(ligne(finale(mainsRoiCoupe, chienRoiCoupe, PRISE, points), roiDabord));
    Solveur solveur(4);
    const std::vector<PliSuite> jouee = suiteJouee(a, 1);
    const std::vector<PliSuite> optimale = suiteOptimale(a, 1, solveur, Budget{});
    ASSERT_EQ(jouee.size(), 3u);
    ASSERT_EQ(optimale.size(), 3u);
    EXPECT_TRUE(jouee[0].cartes[SUD].memeCarte(pique(ROI)));
    EXPECT_EQ(jouee[0].gagnant, EST);
    // The best line keeps the king: South wins the first trick with the 21.
    EXPECT_TRUE(optimale[0].cartes[SUD].memeCarte(atout(21)));
    EXPECT_EQ(optimale[0].gagnant, SUD);
    for (const PliSuite& t : optimale) EXPECT_NE(t.gagnant, 0);
}
