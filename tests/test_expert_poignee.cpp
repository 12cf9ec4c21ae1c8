// The Expert's handful under the official rules: the game's hook leaves the
// declaration as it was when unset and is kept within the hand's sizes, and
// the tools set it for the Expert's seats only; the Expert keeps its trumps
// hidden in a defence that loses and shows them as a taker who wins; its
// choice reads only what its seat may know, and a seed gives the same choice;
// the imagined play-out scores the premium as the game does.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "engine/annonces.h"
#include "engine/connaissances.h"
#include "engine/evaluation.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "expert/copie_siege.h"
#include "expert/ecart_expert.h"
#include "expert/expert.h"
#include "expert/poignee_expert.h"
#include "expert/simulation.h"
#include "scoring/score.h"

namespace {

std::vector<Carte> atouts(int de, int a) {
    std::vector<Carte> v;
    for (int t = de; t <= a; ++t) v.push_back(carte(ATOUT, t));
    return v;
}

void ajouter(std::vector<Carte>& v, const std::vector<Carte>& w) { v.insert(v.end(), w.begin(), w.end()); }

bool dedans(const std::vector<Carte>& v, const Carte& c) {
    return std::any_of(v.begin(), v.end(), [&](const Carte& x) { return x.memeCarte(c); });
}

// North's own 18 cards: the ten trumps 2..11 and eight small spades and hearts.
std::vector<Carte> mainNord() {
    std::vector<Carte> v = atouts(2, 11);
    for (int c : {PIQUE, COEUR})
        for (int val = 2; val <= 5; ++val) v.push_back(carte(c, val));
    return v;
}

// The dog, shown to all at Garde: the three oudlers, two Rois and a Dame.
std::vector<Carte> chienFort() {
    return {carte(ATOUT, VINGT_ET_UN), carte(ATOUT, PETIT), carte(ATOUT, EXCUSE),
            carte(TREFLE, ROI), carte(CARREAU, ROI), carte(TREFLE, DAME)};
}

// East's trumps 12..20 and honours in spades and hearts, with three small cards.
std::vector<Carte> mainEst() {
    std::vector<Carte> v = atouts(12, 20);
    for (int c : {PIQUE, COEUR})
        for (int val : {ROI, DAME, CAVALIER}) v.push_back(carte(c, val));
    ajouter(v, {carte(TREFLE, 1), carte(CARREAU, 1), carte(PIQUE, 1)});
    return v;
}

struct Donnee {
    int preneur = EST;
    // Shuffles the cards that North cannot place (outside its hand, the dog
    // and East's trumps) among East, West and South; 0 leaves them.
    std::uint64_t melange = 0;
    // East leads the first trick, shows his handful and leads his Roi of
    // spades; otherwise North leads.
    bool estEntame = false;
};

// A deal at Garde ready for North's first card under the official handfuls,
// the taker's discard made (his six lowest suit cards that may go).
Jeu donne(const Donnee& f) {
    Jeu jeu;
    jeu.options.niveau = 4;
    Donne& d = jeu.donne;
    const std::vector<Carte> nord = mainNord(), chien = chienFort();
    std::vector<Carte> est = mainEst();
    std::vector<Carte> reste;
    for (int c = PIQUE; c <= CARREAU; ++c)
        for (int v = 1; v <= ROI; ++v) {
            const Carte k = carte(c, v);
            if (!dedans(nord, k) && !dedans(chien, k) && !dedans(est, k)) reste.push_back(k);
        }
    if (f.melange != 0) {
        // East keeps his trumps and the Roi he leads; his other cards go into the pool.
        std::vector<Carte> pool = reste;
        std::vector<Carte> garde;
        for (const Carte& k : est) (k.couleur == ATOUT || (f.estEntame && k.memeCarte(carte(PIQUE, ROI))) ? garde : pool).push_back(k);
        std::mt19937_64 g(f.melange);
        std::shuffle(pool.begin(), pool.end(), g);
        est = garde;
        while (est.size() < 18) {
            est.push_back(pool.back());
            pool.pop_back();
        }
        reste = pool;
    }
    const std::vector<Carte>* mains[5] = {nullptr, nullptr, &est, &nord, nullptr};
    std::vector<Carte> sud(reste.begin(), reste.begin() + 18), ouest(reste.begin() + 18, reste.end());
    mains[SUD] = &sud;
    mains[OUEST] = &ouest;
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 18; ++i) d.mainJoueur[s][i] = (*mains[s])[static_cast<std::size_t>(i - 1)];
    for (int i = 1; i <= 6; ++i) d.chien[i] = chien[static_cast<std::size_t>(i - 1)];
    trierMains(d);
    trierChien(d);
    d.mainInitiale = d.mainJoueur;
    d.chienInitial = d.chien;
    for (int s = 1; s <= 4; ++s) d.niveauMain[s] = evaluerMain(d, s);

    d.premierJoueur = f.estEntame ? EST : NORD;
    d.joueurEntame = d.joueurCourant = d.premierJoueur;
    d.enchere.remplir(PASSE);
    d.enchere[f.preneur] = GARDE;
    d.preneur = f.preneur;
    d.contrat = d.meilleureEnchere = GARDE;
    d.nbEncheres = 4;
    d.numeroPli = 1;
    d.reglesPoignees = 1;
    jeu.connaissances.chienMontre = 1;
    // The taker's discard: his lowest suit cards, no Roi.
    std::vector<Carte> cartes;
    for (int i = 1; i <= 18; ++i) cartes.push_back(d.mainJoueur[d.preneur][i]);
    for (int i = 1; i <= 6; ++i) cartes.push_back(d.chien[i]);
    std::stable_sort(cartes.begin(), cartes.end(), [](const Carte& a, const Carte& b) { return a.valeur < b.valeur; });
    Ecart ecart;
    std::size_t n = 0;
    for (const Carte& k : cartes)
        if (n < 6 && k.couleur != ATOUT && k.valeur != ROI) ecart[n++] = carte(k.couleur, k.valeur);
    appliquerEcart(jeu, ecart);

    if (f.estEntame) {
        declarerPoigneeOrdinateur(jeu, EST);
        calculerJouables(jeu, EST);
        imposerCarteExpert(jeu, EST, carte(PIQUE, ROI));
        jouerCarteOrdinateur(jeu, EST);
        apresCarte(jeu);
    }
    return jeu;
}

ReglagesPoigneeExpert reglages(int echantillons) {
    ReglagesPoigneeExpert r;
    r.echantillons = echantillons;
    return r;
}

}  // namespace

// Unset, the hook leaves the computers' rule: the largest handful. Set, its
// answer is kept within 0..the largest; 0 shows nothing and tells nobody
// anything. The human's seat is never asked.
TEST(ExpertPoignee, LeCrochetDeLaTable) {
    {
        Jeu jeu = donne({});
        declarerPoigneeOrdinateur(jeu, NORD);
        EXPECT_EQ(jeu.donne.poigneeOrdinateur[NORD], 1);
        EXPECT_EQ(jeu.donne.nbCartesPoignee[NORD], 10);
        EXPECT_EQ(jeu.connaissances.localisationAtout[EST][2], NORD);
    }
    {
        Jeu jeu = donne({});
        int demandes = 0;
        jeu.poigneeOrdinateur = [&](const Jeu&, int) { return ++demandes, 0; };
        const Connaissances avant = jeu.connaissances;
        declarerPoigneeOrdinateur(jeu, NORD);
        EXPECT_EQ(demandes, 1);
        EXPECT_EQ(jeu.donne.poigneeOrdinateur[NORD], 0);
        EXPECT_EQ(jeu.donne.nbCartesPoignee[NORD], 0);
        for (int o = 1; o <= 4; ++o)
            for (int v = 1; v <= 21; ++v) EXPECT_EQ(jeu.connaissances.localisationAtout[o][v], avant.localisationAtout[o][v]);
        // A seat that has nothing to show is not asked.
        declarerPoigneeOrdinateur(jeu, OUEST);
        EXPECT_EQ(demandes, 1);
        jeu.donne.joueurHumain = NORD;
        declarerPoigneeOrdinateur(jeu, NORD);
        EXPECT_EQ(demandes, 1);
    }
    for (const int reponse : {3, -2}) {
        Jeu jeu = donne({});
        jeu.poigneeOrdinateur = [reponse](const Jeu&, int) { return reponse; };
        EXPECT_EQ(poigneeChoisie(jeu, NORD), reponse > 0 ? 1 : 0);
        // North as taker holds thirteen trumps and the Excuse: a double at most.
        Jeu preneur = donne({NORD});
        preneur.poigneeOrdinateur = jeu.poigneeOrdinateur;
        EXPECT_EQ(poigneeChoisie(preneur, NORD), reponse > 0 ? 2 : 0);
    }
}

// The tools' seats: the hook is the Expert's only where an Expert sits, and
// it counts what it weighed; the other seats show the largest.
TEST(ExpertPoignee, LesSiegesExpertDesOutils) {
    NiveauxSieges niveaux;
    niveaux.remplir(NiveauSiege{4, false});
    auto expert = std::make_shared<Expert>(3);
    Jeu pro = donne({EST, 0, true});
    installerNiveauxSiegesExpert(pro, niveaux, expert);
    EXPECT_FALSE(pro.poigneeOrdinateur);

    niveaux[NORD].niveau = NIVEAU_EXPERT;
    Jeu jeu = donne({EST, 0, true});
    installerNiveauxSiegesExpert(jeu, niveaux, expert);
    ASSERT_TRUE(jeu.poigneeOrdinateur);
    EXPECT_EQ(poigneeChoisie(jeu, NORD), 0) << "North defends against a taker who holds every other trump";
    EXPECT_EQ(expert->poigneesPossibles[1], 1);
    EXPECT_EQ(expert->poigneesRefusees[1], 1);
    EXPECT_EQ(expert->poigneesPossibles[0], 0);
    Jeu autre = donne({});
    installerNiveauxSiegesExpert(autre, niveaux, expert);
    EXPECT_EQ(poigneeChoisie(autre, EST), 1) << "East at Pro";
    EXPECT_EQ(expert->poigneesPossibles[0] + expert->poigneesPossibles[1], 1);
    // Off, every seat shows the largest.
    expert->reglages.poigneeParSimulation = false;
    installerNiveauxSiegesExpert(jeu, niveaux, expert);
    EXPECT_FALSE(jeu.poigneeOrdinateur);
    EXPECT_EQ(poigneeChoisie(jeu, NORD), 1);
}

// The same eighteen cards: in a defence facing a taker who took the three
// oudlers in the dog and showed every other trump but North's, showing them
// only hands him the premium; as the taker with that dog, the premium comes
// back to him.
TEST(ExpertPoignee, UneDefensePerdueCacheSesAtoutsUnPreneurQuiGagneLesMontre) {
    std::mt19937_64 g(5);
    const Jeu defense = donne({EST, 0, true});
    const BilanPoignee d = jugerPoigneeExpert(defense, NORD, reglages(32), g);
    EXPECT_EQ(d.plusGrande, 1);
    EXPECT_EQ(d.echantillons, 32);
    EXPECT_EQ(d.choisie, 0) << "none " << d.moyenne[0] << ", simple " << d.moyenne[1];

    const Jeu preneur = donne({NORD});
    const BilanPoignee p = jugerPoigneeExpert(preneur, NORD, reglages(32), g);
    EXPECT_EQ(p.plusGrande, 2);
    EXPECT_EQ(p.echantillons, 32);
    EXPECT_GT(p.choisie, 0) << "none " << p.moyenne[0] << ", simple " << p.moyenne[1] << ", double " << p.moyenne[2];
    EXPECT_GT(p.moyenne[p.choisie], 0) << "a taker who wins";
}

// The hidden hands dealt otherwise, as North may see them the same (East's
// handful shown and his lead in the trick): the same seed, the same averages
// and the same choice. Another seed may weigh otherwise but draws again the
// same way.
TEST(ExpertPoignee, LeChoixNeLitQueCeQueLeSiegeSait) {
    const Jeu premier = donne({EST, 0, true});
    ASSERT_EQ(premier.donne.poigneeOrdinateur[EST], 1) << "East shows his eleven trumps";
    ASSERT_EQ(premier.donne.joueurCourant, NORD);
    std::mt19937_64 g0(9);
    const BilanPoignee reference = jugerPoigneeExpert(premier, NORD, reglages(12), g0);
    ASSERT_EQ(reference.echantillons, 12);
    for (std::uint64_t m : {1, 2, 3}) {
        const Jeu autre = donne({EST, m, true});
        // The shuffle did move cards the seat cannot see.
        bool change = false;
        for (int i = 1; i <= 18; ++i)
            change = change || !autre.donne.mainJoueur[OUEST][i].memeCarte(premier.donne.mainJoueur[OUEST][i]);
        EXPECT_TRUE(change) << m;
        std::mt19937_64 g(9);
        const BilanPoignee b = jugerPoigneeExpert(autre, NORD, reglages(12), g);
        EXPECT_EQ(b.choisie, reference.choisie) << m;
        EXPECT_EQ(b.echantillons, reference.echantillons) << m;
        for (int t = 0; t <= reference.plusGrande; ++t) EXPECT_EQ(b.moyenne[t], reference.moyenne[t]) << m << " size " << t;
        EXPECT_TRUE(g == g0) << m << ": as many draws";
    }
    // The copy handed to another thread keeps nothing the seat cannot see,
    // and thinks the same.
    const std::unique_ptr<Jeu> copie = copiePendantLeJeu(premier, NORD);
    int ailleurs = 0;
    for (int t : {SUD, EST, OUEST})
        for (int i = 1; i <= 18; ++i) ailleurs += !copie->donne.mainJoueur[t][i].memeCarte(premier.donne.mainJoueur[t][i]);
    EXPECT_GT(ailleurs, 20);
    EXPECT_TRUE(copie->donne.mainJoueur[EST][premier.donne.carteJouee[EST][1]].memeCarte(carte(PIQUE, ROI)));
    std::mt19937_64 g2(9);
    const BilanPoignee c = jugerPoigneeExpert(*copie, savoirDuSiege(premier, NORD), reglages(12), g2);
    for (int t = 0; t <= reference.plusGrande; ++t) EXPECT_EQ(c.moyenne[t], reference.moyenne[t]) << "copy, size " << t;
    EXPECT_TRUE(g2 == g0);
    // The same deal and seed again: the same thinking.
    std::mt19937_64 g1(9);
    const BilanPoignee encore = jugerPoigneeExpert(premier, NORD, reglages(12), g1);
    for (int t = 0; t <= reference.plusGrande; ++t) EXPECT_EQ(encore.moyenne[t], reference.moyenne[t]);
    EXPECT_TRUE(g1 == g0);
    // A stop asked before it starts: the game's own size, and no deal imagined.
    const std::atomic<bool> arret{true};
    const BilanPoignee arrete = jugerPoigneeExpert(premier, NORD, reglages(12), g1, &arret);
    EXPECT_EQ(arrete.choisie, arrete.plusGrande);
    EXPECT_EQ(arrete.echantillons, 0);
}

// The imagined play-out: the seats still to play in the first trick show
// what they can, and the score is the game's own, premiums included.
TEST(ExpertPoignee, LaPartieImagineeCompteLesPoigneesCommeLeJeu) {
    for (const bool montree : {false, true}) {
        Jeu jeu = donne({});
        if (montree) {
            ASSERT_TRUE(montrerPoignee(jeu, NORD, 1));
        }
        const int score = jouerAvecPoignees(jeu, NORD);
        EXPECT_EQ(jeu.donne.numeroPli, 19);
        // East, the taker, holds eleven trumps with the dog's.
        EXPECT_EQ(jeu.donne.poigneeOrdinateur[EST], 1);
        EXPECT_EQ(jeu.donne.poigneeOrdinateur[NORD], montree ? 1 : 0);
        EXPECT_EQ(primePoignees(jeu.donne), montree ? 40 : 20);
        EXPECT_EQ(score, calculerScoreDonne(jeu));
    }
    // Nobody's handful settled: North, the first to play, shows his.
    Jeu tous = donne({});
    jouerAvecPoignees(tous, 0);
    EXPECT_EQ(tous.donne.poigneeOrdinateur[NORD], 1);
    // The human's seat shows as the human's handful.
    Jeu jeu = donne({});
    jeu.donne.joueurHumain = NORD;
    ASSERT_TRUE(montrerPoignee(jeu, NORD, 1));
    EXPECT_EQ(jeu.donne.poigneeHumain, 1);
    EXPECT_EQ(jeu.donne.poigneeOrdinateur[NORD], 0);
    EXPECT_FALSE(montrerPoignee(jeu, OUEST, 1)) << "West has no ten trumps";
}
