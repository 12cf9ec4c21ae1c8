// The Expert's thinking handed to another thread: the game as one seat knows
// it before the first card hides every other hand (and the dog until shown),
// and the Expert bids and discards the same on it as on the real game; its
// card hint plays the card the Expert would and counts truly how many
// imagined deals that card keeps or beats the contract in; the hint's option
// is stored after the others.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "engine/chien.h"
#include "engine/distribution.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "expert/conseil_expert.h"
#include "expert/copie_siege.h"
#include "expert/ecart_expert.h"
#include "expert/enchere_expert.h"
#include "expert/expert.h"
#include "expert/parties_pro.h"
#include "expert/savoir.h"
#include "expert/vraisemblance.h"
#include "settings/magasin_memoire.h"
#include "settings/options.h"
#include "tests/aides_pli.h"
#include "tests/donne_jouee.h"
#include "tests/vue_options.h"

namespace {

int indice(const Carte& c) { return c.couleur * 22 + c.valeur; }

std::multiset<int> cartesDe(const Main& m) {
    std::multiset<int> s;
    for (int i = 1; i <= 18; ++i) s.insert(indice(m[i]));
    return s;
}

std::multiset<int> cartesDe(const Chien& c) {
    std::multiset<int> s;
    for (int i = 1; i <= 6; ++i) s.insert(indice(c[i]));
    return s;
}

// A fresh deal at the opening of its auction; the bids of the seats before
// `siege` made by their ratings.
std::unique_ptr<Jeu> auTourDe(std::uint64_t n, int& siege) {
    auto jeu = std::make_unique<Jeu>();
    jeu->hasard.horloge = horlogeDeterministe(n + 301);
    jeu->options.niveau = 4;
    distribuer(*jeu, 0);
    Donne& d = jeu->donne;
    d.enchere.remplir(PAS_ENCORE_PARLE);
    d.meilleureEnchere = PASSE;
    d.nbEncheres = static_cast<int>(n % 4);
    siege = d.premierJoueur;
    for (int i = 0; i < d.nbEncheres; ++i, siege = siegeSuivant(siege)) {
        d.enchere[siege] = d.niveauMain[siege] > d.meilleureEnchere ? d.niveauMain[siege] : PASSE;
        if (d.enchere[siege] > d.meilleureEnchere) d.meilleureEnchere = d.enchere[siege];
    }
    return jeu;
}

// The taker's discard by the game's rule made, as the table makes it before the Expert's.
std::unique_ptr<Jeu> apresEcartDuJeu(std::uint64_t n) {
    auto jeu = std::make_unique<Jeu>();
    for (std::uint64_t k = n; k < n + 400; ++k) {
        *jeu = Jeu{};
        jeu->hasard.horloge = horlogeDeterministe(k + 601);
        jeu->options.niveau = 4;
        preparerDonne(*jeu, k);
        const Donne& d = jeu->donne;
        if (d.contrat == PRISE || d.contrat == GARDE) return jeu;
    }
    return nullptr;
}

// Every card of the pack once, in the four hands and the dog.
void chaqueCarteUneFois(const Donne& d, const std::string& quoi) {
    std::multiset<int> toutes;
    for (int s = 1; s <= 4; ++s)
        for (int c : cartesDe(d.mainJoueur[s])) toutes.insert(c);
    for (int c : cartesDe(d.chien)) toutes.insert(c);
    std::set<int> uniques(toutes.begin(), toutes.end());
    EXPECT_EQ(toutes.size(), 78u) << quoi;
    EXPECT_EQ(uniques.size(), 78u) << quoi;
}

}  // namespace

// The copy for a bid: the seat's own hand and the auction as they are, every
// other hand and the dog made of the same cards but not the real ones, no
// deck order; and the Expert bids on it what it bids on the real game.
TEST(ExpertReflexion, LaCopieDUneEnchereCacheLesAutresMainsEtDonneLaMemeEnchere) {
    int autresMains = 0;
    for (std::uint64_t n = 0; n < 8; ++n) {
        int siege = 0;
        std::unique_ptr<Jeu> jeu = auTourDe(n, siege);
        const Donne& d = jeu->donne;
        const std::unique_ptr<Jeu> copie = copieAvantEnchere(*jeu, siege);
        const Donne& c = copie->donne;
        const std::string quoi = "deal " + std::to_string(n) + ", seat " + std::to_string(siege);
        EXPECT_EQ(cartesDe(c.mainJoueur[siege]), cartesDe(d.mainJoueur[siege])) << quoi;
        EXPECT_EQ(c.enchere[siege], PAS_ENCORE_PARLE) << quoi;
        EXPECT_EQ(c.meilleureEnchere, d.meilleureEnchere) << quoi;
        for (int s = 1; s <= 4; ++s)
            if (s != siege) {
                EXPECT_EQ(c.enchere[s], d.enchere[s]) << quoi;
                autresMains += cartesDe(c.mainJoueur[s]) != cartesDe(d.mainJoueur[s]);
                EXPECT_EQ(cartesDe(c.mainInitiale[s]), cartesDe(c.mainJoueur[s])) << quoi;
            }
        EXPECT_NE(cartesDe(c.chien), cartesDe(d.chien)) << quoi;
        EXPECT_EQ(cartesDe(c.chienInitial), cartesDe(c.chien)) << quoi;
        chaqueCarteUneFois(c, quoi);
        for (int i = 1; i <= 78; ++i) {
            EXPECT_EQ(c.ordrePaquet[i], i) << quoi;
            EXPECT_EQ(c.paquetSauve[i], i) << quoi;
        }
        EXPECT_FALSE(copie->enchereOrdinateur || copie->choixOrdinateur || copie->annonceChelem);
        EXPECT_EQ(copie->magasin, nullptr);

        ReglagesEnchereExpert r;
        r.echantillons = 6;
        r.echantillonsFinale = 6;
        std::mt19937_64 g1(n), g2(n);
        EXPECT_EQ(choisirEnchereExpert(*copie, siege, r, g1), choisirEnchereExpert(*jeu, siege, r, g2)) << quoi;
    }
    EXPECT_GE(autresMains, 20);
}

// The copy for the taker's discard: his 24 cards as dealt, whatever the game's
// rule has set aside meanwhile, the other hands hidden; the Expert's discard
// on it is the one it makes on the real game with the hand and dog as dealt.
TEST(ExpertReflexion, LaCopieDUnEcartReprendLaMainEtLeChienDuPreneur) {
    for (std::uint64_t n = 0; n < 4; ++n) {
        std::unique_ptr<Jeu> jeu = apresEcartDuJeu(n * 50);
        ASSERT_NE(jeu, nullptr);
        const Donne& d = jeu->donne;
        const int p = d.preneur;
        const std::unique_ptr<Jeu> copie = copieAvantEcart(*jeu);
        const Donne& c = copie->donne;
        const std::string quoi = "deal " + std::to_string(n);
        EXPECT_EQ(cartesDe(c.mainJoueur[p]), cartesDe(d.mainInitiale[p])) << quoi;
        EXPECT_EQ(cartesDe(c.chien), cartesDe(d.chienInitial)) << quoi;
        for (int s = 1; s <= 4; ++s)
            if (s != p) {
                EXPECT_NE(cartesDe(c.mainJoueur[s]), cartesDe(d.mainJoueur[s])) << quoi << ", seat " << s;
            }
        chaqueCarteUneFois(c, quoi);
        EXPECT_EQ(copie->connaissances.chienMontre, 1) << quoi;

        Jeu reel = *jeu;
        reel.donne.mainJoueur[p] = d.mainInitiale[p];
        for (int i = 1; i <= 18; ++i) reel.donne.mainJoueur[p][i].enMain = true;
        reel.donne.chien = d.chienInitial;
        ReglagesEcartExpert r;
        r.echantillons = 4;
        r.echantillonsFinale = 4;
        std::mt19937_64 g1(n), g2(n);
        const Ecart e = choisirEcartExpert(*copie, r, g1);
        const Ecart f = choisirEcartExpert(reel, r, g2);
        for (std::size_t i = 0; i < 6; ++i) EXPECT_TRUE(e[i].memeCarte(f[i])) << quoi << ", card " << i;
    }
}

// The hint plays the Expert's own card, one the seat may play, and the count
// it gives is the number of the same imagined deals in which that card keeps
// the contract (taker) or beats it (defender), each solved again here.
TEST(ExpertReflexion, LeConseilEstLaCarteDeLExpertEtSesComptesSontJustes) {
    int taker = 0, defenders = 0;
    for (std::uint64_t n = 0; n < 10; ++n) {
        Jeu jeu;
        jeu.hasard.horloge = horlogeDeterministe(n + 11);
        jeu.options.niveau = 4;
        preparerDonne(jeu, n);
        Donne& d = jeu.donne;
        const int cartes = 56 + static_cast<int>(n % 4);
        for (int k = 1; k <= cartes; ++k) {
            const int s = d.joueurCourant;
            calculerJouables(jeu, s);
            jouerCarteOrdinateur(jeu, s);
            apresCarte(jeu);
            if (d.pliAffiche == 1) ramasser(jeu);
        }
        const int o = d.joueurCourant;
        calculerJouables(jeu, o);
        const SavoirSiege savoir = savoirDuSiege(jeu, o);
        ReglagesExpert r;
        r.echantillons = 8;
        r.noeuds = 0;
        r.secondes = 60;
        Solveur s1, s2;
        std::mt19937_64 g1(n), g2(n), g3(n);
        const ConseilExpert c = conseillerParEchantillons(savoir, r, s1, g1);
        const ChoixExpert e = choisirParEchantillons(savoir, r, s2, g2);
        const std::string quoi = "deal " + std::to_string(n);
        ASSERT_TRUE(c.choisi) << quoi;
        ASSERT_TRUE(e.choisi) << quoi;
        EXPECT_TRUE(c.carte.memeCarte(e.carte)) << quoi;
        EXPECT_EQ(c.echantillons, 8) << quoi;
        EXPECT_EQ(c.preneur, o == d.preneur) << quoi;
        (o == d.preneur ? taker : defenders) += 1;
        bool jouable = false;
        for (int i = 1; i <= 18; ++i)
            jouable = jouable || (d.jouable[o][i] == 1 && d.mainJoueur[o][i].enMain && d.mainJoueur[o][i].memeCarte(c.carte));
        EXPECT_TRUE(jouable) << quoi;

        int reussites = 0;
        double somme = 0;
        Solveur s3;
        for (int k = 0; k < 8; ++k) {
            Position p;
            ASSERT_TRUE(tirerDonneVraisemblable(savoir, g3, p, r.essaisEnchere, r.jeuLegal));
            ASSERT_TRUE(jouerCarte(p, c.carte));
            const Resultat v = s3.resoudre(p, Budget{}, Recherche::Valeur);
            ASSERT_TRUE(v.exact);
            reussites += (v.valeur > 0) == c.preneur;
            somme += v.valeur;
        }
        EXPECT_EQ(c.reussites, reussites) << quoi;
        const double perte = c.preneur ? -somme / 8 : somme / 8 / 3;
        EXPECT_NEAR(c.perteMoyenne, perte, 1e-9) << quoi;
        if (c.aucuneCarte) {
            EXPECT_EQ(c.reussites, 0) << quoi;
        }
    }
    EXPECT_GT(taker, 0);
    EXPECT_GT(defenders, 0);
}

// The sentence of the information bar, in both languages, for the taker and
// a defender, with a card that succeeds and when none does.
TEST(ExpertReflexion, LeConseilDitSesComptesEnMots) {
    ConseilExpert c;
    c.choisi = true;
    c.echantillons = 20;
    c.reussites = 17;
    c.preneur = true;
    EXPECT_EQ(texteConseilExpert(c, FRANCAIS),
              "Conseil de l'Expert : dans 17 des 20 donnes imaginées, cette carte garde le contrat.");
    EXPECT_EQ(texteConseilExpert(c, ANGLAIS),
              "Expert's hint: in 17 of the 20 deals it imagined, this card keeps the contract.");
    c.preneur = false;
    c.reussites = 3;
    EXPECT_EQ(texteConseilExpert(c, FRANCAIS),
              "Conseil de l'Expert : dans 3 des 20 donnes imaginées, cette carte fait chuter le contrat.");
    EXPECT_EQ(texteConseilExpert(c, ANGLAIS),
              "Expert's hint: in 3 of the 20 deals it imagined, this card beats the contract.");
    c.reussites = 0;
    c.aucuneCarte = true;
    c.perteMoyenne = 41.6;
    EXPECT_EQ(texteConseilExpert(c, ANGLAIS),
              "Expert's hint: no card beats the contract in the 20 deals it imagined; this one loses least, 42 "
              "points on average.");
    c.preneur = true;
    c.perteMoyenne = 56.4;
    EXPECT_EQ(texteConseilExpert(c, FRANCAIS),
              "Conseil de l'Expert : aucune carte ne garde le contrat dans les 20 donnes imaginées ; celle-ci perd le "
              "moins, 56 points en moyenne.");
}

// The hint's option: off on a first run, stored as one byte after the
// official rules' options, saved when changed; a store written before it
// existed turns it off whatever the game held.
TEST(ExpertReflexion, LOptionDuConseilDeLExpertEstStockeeApresLesAutres) {
    auto jeu = std::make_unique<Jeu>();
    VueOptions vue;
    MagasinMemoire magasin;
    jeu->vue = &vue;
    jeu->magasin = &magasin;
    chargerOptions(*jeu);
    EXPECT_EQ(jeu->options.optionConseilExpert, 0);
    EXPECT_EQ(magasin.valeurs.at("optionConseilExpert").octets, std::string(1, '\0'));

    jeu->options.optionConseilExpert = 1;
    ASSERT_TRUE(sauverOptions(*jeu));
    EXPECT_EQ(magasin.valeurs.at("optionConseilExpert").octets, std::string(1, '\1'));
    auto relu = std::make_unique<Jeu>();
    relu->vue = &vue;
    relu->magasin = &magasin;
    chargerOptions(*relu);
    EXPECT_EQ(relu->options.optionConseilExpert, 1);

    magasin.valeurs.erase("optionConseilExpert");
    auto ancien = std::make_unique<Jeu>();
    ancien->vue = &vue;
    ancien->magasin = &magasin;
    ancien->options.optionConseilExpert = 1;
    ancien->options.optionNiveauAdaptatif = 0;
    chargerOptions(*ancien);
    EXPECT_EQ(ancien->options.optionConseilExpert, 0);
    EXPECT_EQ(ancien->options.optionNiveauAdaptatif, relu->options.optionNiveauAdaptatif);
    EXPECT_TRUE(ancien->magasin->etat.valeursRemises.empty());
}

// At the table the sampler reads the computers' bids only while they bid by
// their hand's rating: once the Expert level bids by imagined deals a pass
// says nothing of the hand, and the human's bid is never read.
TEST(ExpertReflexion, ALaTableLesEncheresPenseesNeSontPasLues) {
    auto jeu = apresEcartDuJeu(5);
    ASSERT_NE(jeu, nullptr);
    const Donne& d = jeu->donne;
    ReglagesExpert r;
    for (const bool expert : {false, true}) {
        jeu->options.optionNiveauExpert = expert ? 1 : 0;
        const Table<bool, 1, 4> entendues = encheresEntenduesALaTable(*jeu, r);
        const int siege = siegeSuivant(d.joueurHumain);
        SavoirSiege savoir = savoirDuSiege(*jeu, siege);
        oublierEncheres(savoir, entendues);
        for (int t = 1; t <= 4; ++t) {
            const bool lue = !expert || t == d.joueurHumain;
            EXPECT_EQ(entendues[t], lue) << "seat " << t << " expert " << expert;
            if (t == d.joueurHumain || expert) EXPECT_EQ(savoir.enchere[t], PAS_ENCORE_PARLE) << t;
            else EXPECT_EQ(savoir.enchere[t], d.enchere[t]) << t;
        }
    }
    // Bids by the rating again: every computer is heard.
    jeu->options.optionNiveauExpert = 1;
    r.enchereParSimulation = false;
    const Table<bool, 1, 4> entendues = encheresEntenduesALaTable(*jeu, r);
    for (int t = 1; t <= 4; ++t) EXPECT_TRUE(entendues[t]) << t;
}

// The copy for a card in the early tricks: the tricks, the trick on the table
// and the seat's own cards as they are (the taker's discard his own under
// Prise and Garde), every card the others still hold (and a discard the seat
// has not seen) moved; and the play-outs choose on it the card, and play out
// as many deals, as on the real game.
TEST(ExpertReflexion, LaCopieDuJeuCacheCeQueLeSiegeNeVoitPasEtJoueLaMemeCarte) {
    int autresMains = 0, preneurs = 0, defenseurs = 0;
    for (std::uint64_t n = 0; n < 8; ++n) {
        auto jeu = apresEcartDuJeu(n * 40);
        ASSERT_NE(jeu, nullptr);
        Donne& d = jeu->donne;
        // A few tricks and cards by the Pro rules.
        for (int k = 1; k <= 9 + static_cast<int>(n); ++k) {
            const int s = d.joueurCourant;
            calculerJouables(*jeu, s);
            jouerCarteOrdinateur(*jeu, s);
            apresCarte(*jeu);
            if (k % 4 == 0) ramasser(*jeu);
        }
        const int siege = d.joueurCourant;
        (siege == d.preneur ? preneurs : defenseurs) += 1;
        const std::unique_ptr<Jeu> copie = copiePendantLeJeu(*jeu, siege);
        const Donne& c = copie->donne;
        const std::string quoi = "deal " + std::to_string(n) + ", seat " + std::to_string(siege);
        for (int s = 1; s <= 4; ++s)
            for (int i = 1; i <= 18; ++i) {
                const bool garde = s == siege || !d.mainJoueur[s][i].enMain;
                EXPECT_EQ(c.mainJoueur[s][i].enMain, d.mainJoueur[s][i].enMain) << quoi;
                if (garde) {
                    EXPECT_TRUE(c.mainJoueur[s][i].memeCarte(d.mainJoueur[s][i])) << quoi << " " << s << " " << i;
                }
            }
        for (int s = 1; s <= 4; ++s)
            if (s != siege) autresMains += cartesDe(c.mainJoueur[s]) != cartesDe(d.mainJoueur[s]);
        if (siege == d.preneur) EXPECT_EQ(cartesDe(c.chien), cartesDe(d.chien)) << quoi;
        else EXPECT_NE(cartesDe(c.chien), cartesDe(d.chien)) << quoi;
        EXPECT_EQ(cartesDe(c.chienInitial), cartesDe(d.chienInitial)) << quoi;
        chaqueCarteUneFois(c, quoi);
        EXPECT_FALSE(copie->enchereOrdinateur || copie->choixOrdinateur || copie->annonceChelem);

        ReglagesExpert r;
        r.partiesPro = 6;
        r.secondes = 60;
        const SavoirSiege savoir = savoirDuSiege(*jeu, siege);
        std::mt19937_64 g1(n), g2(n);
        const ChoixExpert surCopie = choisirParPartiesPro(*copie, savoir, r, g1);
        const ChoixExpert surJeu = choisirParPartiesPro(*jeu, savoir, r, g2);
        ASSERT_TRUE(surJeu.choisi) << quoi;
        ASSERT_TRUE(surCopie.choisi) << quoi;
        EXPECT_TRUE(surCopie.carte.memeCarte(surJeu.carte)) << quoi;
        EXPECT_EQ(surCopie.echantillons, surJeu.echantillons) << quoi;
        // Stopped before it starts, it chooses nothing.
        const std::atomic<bool> arret{true};
        EXPECT_FALSE(choisirParPartiesPro(*copie, savoir, r, g1, &arret).choisi) << quoi;
    }
    EXPECT_GE(autresMains, 16);
    EXPECT_GT(preneurs, 0);
    EXPECT_GT(defenseurs, 0);
}
