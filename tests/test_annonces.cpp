// Accessibility: what the screen reader is told during a deal (each card
// played, each trick's winner, whose turn it is), that telling it changes
// nothing of the game, and the computers' handfuls put back on the table of a
// resumed deal.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/enchere.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "engine/raisons.h"
#include "engine/textes.h"
#include "flow/deroulement.h"
#include "flow/minuteurs_manuels.h"
#include "settings/options.h"
#include "tests/partie_reprise.h"
#include "tests/vue_enregistreuse.h"

namespace {

// One thing said, with what the table showed at that moment.
struct Annonce {
    std::string texte;
    int entame = 0;     // the seat leading the trick (the winner, once it is won)
    int numeroPli = 0;  // after a trick is won, already the next one
};

// Every card put on the table, and every sentence said with its moment.
class VueAnnonces : public VueEnregistreuse {
public:
    const Donne* donne = nullptr;
    std::vector<std::pair<int, Carte>> cartesPosees;
    std::vector<Annonce> dites;

    void dessinerCarteTable(int siege, const Carte& c) override { cartesPosees.emplace_back(siege, c); }
    void annoncer(const std::string& t) override {
        VueEnregistreuse::annoncer(t);
        dites.push_back({t, donne->joueurEntame, donne->numeroPli});
    }
};

struct Partie {
    Jeu jeu;
    VueAnnonces vue;
    MinuteursManuels minuteurs;

    explicit Partie(std::uint64_t graine, int langue = FRANCAIS, bool clavier = true) {
        jeu.vue = &vue;
        jeu.minuteurs = &minuteurs;
        vue.donne = &jeu.donne;
        jeu.hasard.horloge = horlogeDeterministe(graine);
        optionsParDefaut(jeu);
        appliquerOptions(jeu);
        initialiserPartie(jeu);
        jeu.options.langue = langue;
        jeu.options.optionJeuAuClavier = clavier ? 1 : 0;
    }

    int premiereCarteJouable() const {
        for (int k = 1; k <= 18; ++k)
            if (jeu.donne.jouable[1][k] == 1 && jeu.donne.mainJoueur[1][k].enMain) return k;
        return 0;
    }

    // Plays one deal with a taker to its end, the human as a plain player.
    void jouerUneDonne() {
        nouvelleDonne(jeu, 0);
        Donne& d = jeu.donne;
        for (int pas = 0; pas < 20000 && d.numeroPli != 19; ++pas) {
            if (minuteurs.declencher(jeu)) continue;
            if (d.numeroPli == 0 && d.etatAttente == 0) {
                annoncerEnchere(jeu, d.enchere[1]);
            } else if (d.modeEcart == 1) {
                for (int pos = 1; pos <= 24 && d.nbCartesEcartees < 6; ++pos) cliquerCarteEcart(jeu, pos);
                confirmerEcart(jeu);
            } else if (d.humainPeutJouer && d.joueurCourant == 1) {
                if (d.poigneeEnCours) PanelPoigneeAucuneClick(jeu);
                jouerCarteHumain(jeu, premiereCarteJouable());
            } else {
                continuer(jeu);
            }
        }
    }
};

std::string remplacer2(Texte t, int langue, const std::string& a, const std::string& b = {}) {
    return remplacer(remplacer(texte(t, langue), "%1", a), "%2", b);
}

// The sentences of one deal after its auction (a deal where all passed is
// dealt again; only the played deal's sentences are kept).
std::vector<Annonce> annoncesDuJeu(const VueAnnonces& vue) {
    std::vector<Annonce> jeu;
    for (const Annonce& a : vue.dites)
        if (a.numeroPli >= 1) jeu.push_back(a);
    return jeu;
}

void verifierUneDonne(std::uint64_t graine, int langue) {
    Partie p(graine, langue);
    p.jouerUneDonne();
    const Donne& d = p.jeu.donne;
    ASSERT_EQ(d.numeroPli, 19);
    ASSERT_EQ(p.vue.cartesPosees.size(), 72u);
    const std::vector<Annonce> dites = annoncesDuJeu(p.vue);

    // Reading the sentences in order: each card said after its seat's turn,
    // four cards then the trick's winner, eighteen times.
    std::size_t i = 0;
    int cartes = 0;
    int gagnants = 0;
    int tours = 0;
    for (int pli = 1; pli <= 18; ++pli) {
        for (int rang = 1; rang <= 4; ++rang, ++cartes) {
            const auto& [siege, carte] = p.vue.cartesPosees[static_cast<std::size_t>(cartes)];
            const std::string tour = siege == d.joueurHumain
                                         ? texte(Texte::annonceVotreTour, langue)
                                         : remplacer2(Texte::annonceTour, langue, nomJoueur(siege, langue));
            ASSERT_LT(i + 1, dites.size()) << "trick " << pli << " card " << rang;
            EXPECT_EQ(dites[i].texte, tour) << "trick " << pli << " card " << rang;
            tours += dites[i].texte == tour;
            EXPECT_EQ(dites[i].numeroPli, pli);
            ++i;
            EXPECT_EQ(dites[i].texte, remplacer2(Texte::annonceCarteJouee, langue, nomJoueur(siege, langue),
                                                 nomCarte(carte, langue)))
                << "trick " << pli << " card " << rang;
            ++i;
        }
        ASSERT_LT(i, dites.size());
        const Annonce& gagnant = dites[i++];
        EXPECT_EQ(gagnant.numeroPli, pli + 1);
        EXPECT_EQ(gagnant.texte, remplacer2(Texte::gagnePli, langue, nomJoueur(gagnant.entame, langue)));
        // The winner is the seat that leads the next trick.
        if (pli < 18) { EXPECT_EQ(d.entameurPli[pli + 1], gagnant.entame) << "trick " << pli; }
        ++gagnants;
    }
    EXPECT_EQ(i, dites.size()) << "nothing more is said after the last trick";
    EXPECT_EQ(cartes, 72);
    EXPECT_EQ(gagnants, 18);
    EXPECT_EQ(tours, 72);
}

}  // namespace

TEST(Annonces, UneDonneDitChaqueCarteChaqueGagnantEtChaqueTour) {
    for (std::uint64_t graine : {3u, 17u, 52u}) {
        SCOPED_TRACE(graine);
        verifierUneDonne(graine, FRANCAIS);
    }
}

TEST(Annonces, EnAnglais) {
    verifierUneDonne(5, ANGLAIS);
    Partie p(5, ANGLAIS);
    p.jouerUneDonne();
    bool joue = false;
    bool tour = false;
    for (const Annonce& a : p.vue.dites) {
        joue = joue || a.texte.find(" plays ") != std::string::npos;
        tour = tour || a.texte == "Your turn to play";
    }
    EXPECT_TRUE(joue);
    EXPECT_TRUE(tour);
    EXPECT_EQ(remplacer2(Texte::annonceCarteJouee, ANGLAIS, "EAST", "King of hearts"), "EAST plays King of hearts");
    EXPECT_EQ(remplacer2(Texte::annonceCarteJouee, FRANCAIS, "EST", "Roi de cœur"), "EST joue Roi de cœur");
    EXPECT_EQ(remplacer2(Texte::annonceTour, ANGLAIS, "NORTH"), "NORTH to play");
    EXPECT_EQ(remplacer2(Texte::annonceTour, FRANCAIS, "NORD"), "À NORD de jouer");
}

// Without the keyboard option nothing is said; either way the deal is the
// same card for card and the generator ends where it would have.
TEST(Annonces, SansLOptionRienNEstDitEtLaDonneEstLaMeme) {
    for (std::uint64_t graine : {8u, 29u}) {
        Partie avec(graine, FRANCAIS, true);
        Partie sans(graine, FRANCAIS, false);
        avec.jouerUneDonne();
        sans.jouerUneDonne();
        EXPECT_FALSE(avec.vue.annonces.empty());
        EXPECT_TRUE(sans.vue.annonces.empty());
        ASSERT_EQ(avec.vue.cartesPosees.size(), sans.vue.cartesPosees.size());
        for (std::size_t i = 0; i < avec.vue.cartesPosees.size(); ++i) {
            EXPECT_EQ(avec.vue.cartesPosees[i].first, sans.vue.cartesPosees[i].first);
            EXPECT_EQ(avec.vue.cartesPosees[i].second.couleur, sans.vue.cartesPosees[i].second.couleur);
            EXPECT_EQ(avec.vue.cartesPosees[i].second.valeur, sans.vue.cartesPosees[i].second.valeur);
        }
        EXPECT_EQ(avec.jeu.hasard.graine, sans.jeu.hasard.graine);
        EXPECT_EQ(avec.jeu.donne.pointsPreneur, sans.jeu.donne.pointsPreneur);
    }
}

// A headless table (VueNulle) is never told anything: no sentence is even built.
TEST(Annonces, UneTableSansEcranNeLesLitPas) {
    Jeu jeu;
    EXPECT_FALSE(jeu.vue->litAnnonces());
    EXPECT_FALSE(annoncesLues(jeu));
    VueEnregistreuse vue;
    jeu.vue = &vue;
    jeu.options.optionJeuAuClavier = 1;
    EXPECT_TRUE(annoncesLues(jeu));
    jeu.options.optionJeuAuClavier = 0;
    EXPECT_FALSE(annoncesLues(jeu));
}

// The computers' handfuls stay on show until the first trick is gathered; a
// deal resumed (or a card taken back) meanwhile shows them again, in the
// order they were declared.
TEST(Annonces, UneDonneRepriseRemontreLesPoigneesDesOrdinateurs) {
    int reprises = 0;
    for (std::uint64_t graine = 1; graine <= 40 && reprises < 3; ++graine) {
        PartieReprise partie(graine);
        VueEnregistreuse vue;
        partie.jeu.vue = &vue;
        partie.jeu.options.optionPoigneesOrdinateurs = 1;
        for (int pas = 0; pas < 400000 && reprises < 3; ++pas) {
            partie.unPas();
            const Donne& d = partie.jeu.donne;
            const bool montrees = d.numeroPli == 1 || (d.numeroPli == 2 && d.pliAffiche == 1);
            if (vue.poigneesMontrees.empty() || !montrees) continue;
            // A handful is on show: the game saved here and resumed by another run.
            PartieReprise reprise(graine);
            VueEnregistreuse vueReprise;
            reprise.jeu.vue = &vueReprise;
            reprise.heriterDe(partie);
            ASSERT_TRUE(reprise.reprendre(partie.etat()));
            EXPECT_EQ(vueReprise.poigneesMontrees, vue.poigneesMontrees) << "seed " << graine;
            ++reprises;
            // On to the next deal.
            while (partie.jeu.donne.numeroPli != 19) partie.unPas();
        }
    }
    EXPECT_EQ(reprises, 3);
}

// Once the first trick is gathered they are off the table, and stay off in a resumed deal.
TEST(Annonces, UneDonneRepriseApresLePremierPliNeLesMontrePlus) {
    for (std::uint64_t graine = 1; graine <= 40; ++graine) {
        PartieReprise partie(graine);
        VueEnregistreuse vue;
        partie.jeu.vue = &vue;
        partie.jeu.options.optionPoigneesOrdinateurs = 1;
        bool vues = false;
        for (int pas = 0; pas < 400000; ++pas) {
            partie.unPas();
            const Donne& d = partie.jeu.donne;
            vues = vues || !vue.poigneesMontrees.empty();
            if (!vues || d.numeroPli != 3) continue;
            PartieReprise reprise(graine);
            VueEnregistreuse vueReprise;
            reprise.jeu.vue = &vueReprise;
            reprise.heriterDe(partie);
            ASSERT_TRUE(reprise.reprendre(partie.etat()));
            EXPECT_TRUE(vue.poigneesMontrees.empty());
            EXPECT_TRUE(vueReprise.poigneesMontrees.empty());
            return;
        }
    }
    FAIL() << "no computer declared a handful";
}
