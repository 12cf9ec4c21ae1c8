// The card hint: the "Pro" rules' card for the human, chosen from what he
// knows, and a game left exactly as it was by asking. Why a card may not be
// played, the cards' names and the rules' descriptions in both languages.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/choix.h"
#include "engine/conseil.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "engine/raisons.h"
#include "engine/textes.h"
#include "tests/aides_pli.h"
#include "tests/donne_jouee.h"

namespace {

// Every value of the deal, the knowledge and the rule engine, in a row of
// integers: two games compare equal when every byte of their values does,
// whatever lies in the padding between them.
struct Empreinte {
    std::uint32_t graine;
    std::vector<std::int64_t> v;
    void carte(const Carte& c) { v.insert(v.end(), {c.valeur, c.couleur, c.enMain}); }
    template <typename T, int P, int D>
    void table(const Table<T, P, D>& t) {
        for (int i = P; i <= D; ++i) {
            if constexpr (std::is_same_v<T, Carte>) carte(t[i]);
            else if constexpr (std::is_same_v<T, Contrainte>) v.insert(v.end(), {t[i].code, t[i].atoutAbattre, t[i].couleurAbsente});
            else if constexpr (std::is_arithmetic_v<T>) v.push_back(t[i]);
            else table(t[i]);
        }
    }
    explicit Empreinte(const Jeu& j) : graine(j.hasard.graine) {
        const Donne& d = j.donne;
        table(d.mainJoueur);
        table(d.chien);
        table(d.pliEnCours);
        table(d.carteJouee);
        table(d.entameurPli);
        table(d.jouable);
        table(d.contrainteJeu);
        v.insert(v.end(), {d.joueurEntame, d.joueurCourant, d.couleurDemandee, d.valeurDemandee, d.plusFortAtout,
                           d.nbCartesPli, d.numeroPli, d.pointsPreneur, d.pointsDefense, d.boutsPreneur,
                           d.boutsDefense, d.petitAuBout, d.etatAttente, d.humainPeutJouer});
        // The knowledge holds nothing but 32-bit integers: its bytes are its values.
        static_assert(sizeof(Connaissances) % sizeof(int) == 0);
        const int* k = reinterpret_cast<const int*>(&j.connaissances);
        v.insert(v.end(), k, k + sizeof(Connaissances) / sizeof(int));
        const EtatRegles& r = j.regles;
        table(r.poidsRegle);
        table(r.regleUtilisee);
        table(r.joueurRegleUtilisee);
        table(r.etatRegle);
        table(r.regleAdaptative);
        v.insert(v.end(), {r.nbReglesUtilisees, r.carteChoisie, r.joueurIA, r.positionPli, r.gagne, r.gagnant});
    }
    bool operator==(const Empreinte&) const = default;
};

Jeu* nouveauJeu(std::uint64_t graine) {
    auto* jeu = new Jeu;
    jeu->hasard.horloge = horlogeDeterministe(graine);
    jeu->options.niveau = 2;  // the game's own level does not matter to the hint
    jeu->options.optionNiveauAdaptatif = 1;
    jeu->options.optionForceMain = 2;
    jeu->regles.poidsRegle.remplir(100);
    preparerDonne(*jeu, graine);
    return jeu;
}

// Plays the deal out; at each of the human's turns `tour` is called, then the
// human plays the slot it returns through the click routine.
template <typename Tour>
void jouerDonne(Jeu& jeu, Tour tour) {
    Donne& d = jeu.donne;
    while (d.numeroPli <= 18) {
        const int s = d.joueurCourant;
        calculerJouables(jeu, s);
        if (s == d.joueurHumain) {
            d.humainPeutJouer = true;
            const int slot = tour();
            ASSERT_EQ(d.jouable[s][slot], 1);
            jouerCarteHumain(jeu, slot);
        } else {
            d.humainPeutJouer = false;
            jouerCarteOrdinateur(jeu, s);
            apresCarte(jeu);
        }
        if (d.nbCartesPli == 0) {
            for (int t = 1; t <= 4; ++t) d.pliEnCours[t] = Carte{};
            d.etatAttente = 0;
            d.pliAffiche = 0;
        }
    }
}

int premiereJouable(const Donne& d) {
    for (int i = 1; i <= 18; ++i)
        if (d.jouable[d.joueurHumain][i] == 1 && d.mainJoueur[d.joueurHumain][i].enMain) return i;
    return 0;
}

// The rule engine at the "Pro" level for the human's seat, run on a plain copy
// of the game with the hint's generator: the dog that the human never saw is
// the only thing taken away from it.
Conseil choixPro(const Jeu& jeu, bool chienCache = true) {
    auto copie = std::make_unique<Jeu>(jeu);
    copie->hasard.graine = jeu.hasard.graine ^ 0x5bd1e995u;
    copie->options.niveau = 4;
    copie->options.optionNiveauAdaptatif = 0;
    Donne& d = copie->donne;
    if (chienCache && d.preneur != d.joueurHumain && copie->connaissances.chienMontre != 1)
        d.chienInitial.remplir(Carte{});
    const int h = d.joueurHumain;
    Conseil c;
    int nb = 0;
    for (int i = 1; i <= 18; ++i) nb += d.jouable[h][i];
    if (nb >= 2) choisirCarte(*copie, h);
    for (int i = 1; i <= 18; ++i) {
        c.laissees[i] = d.jouable[h][i];
        c.nbLaissees += d.jouable[h][i];
    }
    if (nb >= 2 && copie->regles.carteChoisie == 1)
        for (int k = 1; k <= nbReglesMax; ++k)
            if (copie->regles.etatRegle[k] == REGLE_IMPOSEE) c.regle = k;
    return c;
}

}  // namespace

TEST(Conseil, LaCarteDesReglesProPourLeJoueurEtRienNeChange) {
    int tours = 0, parRegle = 0, libres = 0;
    std::set<int> regles;
    for (std::uint64_t graine = 1; graine <= 48; ++graine) {
        std::unique_ptr<Jeu> jeu(nouveauJeu(graine));
        jouerDonne(*jeu, [&] {
            const Empreinte avant(*jeu);
            const Conseil c = conseillerCarte(*jeu);
            EXPECT_TRUE(Empreinte(*jeu) == avant) << "seed " << graine << ": asking changed the game";
            const Conseil pro = choixPro(*jeu);
            EXPECT_EQ(c.regle, pro.regle) << "seed " << graine << " trick " << jeu->donne.numeroPli;
            EXPECT_EQ(c.laissees, pro.laissees) << "seed " << graine << " trick " << jeu->donne.numeroPli;
            EXPECT_EQ(c.laissees[c.slot], 1) << "seed " << graine;
            // The same question gets the same answer.
            EXPECT_EQ(conseillerCarte(*jeu).slot, c.slot);
            ++tours;
            if (c.regle != 0) {
                ++parRegle;
                regles.insert(c.regle);
            } else if (c.nbLaissees >= 2) {
                ++libres;
            }
            return c.slot;
        });
    }
    EXPECT_EQ(tours, 48 * 18);
    // Enough of both kinds of answer, and many rules among them, to make the comparison mean something.
    EXPECT_GT(parRegle, 100);
    EXPECT_GT(libres, 50);
    EXPECT_GE(regles.size(), 15u);
}

TEST(Conseil, UneDonneAvecConseilsEstIdentiqueALaMemeDonneSans) {
    for (std::uint64_t graine = 100; graine < 112; ++graine) {
        std::unique_ptr<Jeu> avec(nouveauJeu(graine));
        std::unique_ptr<Jeu> sans(nouveauJeu(graine));
        int conseils = 0;
        jouerDonne(*avec, [&] {
            conseils += conseillerCarte(*avec).slot != 0;
            return premiereJouable(avec->donne);
        });
        jouerDonne(*sans, [&] { return premiereJouable(sans->donne); });
        EXPECT_EQ(conseils, 18);
        EXPECT_TRUE(Empreinte(*avec) == Empreinte(*sans)) << "seed " << graine;
        EXPECT_EQ(avec->donne.pointsPreneur, sans->donne.pointsPreneur);
    }
}

// Whatever the human cannot see may change without changing the hint: the
// cards of two other hands exchanged, the other seats' knowledge and counts,
// the discard, and the dog when it stayed face down.
TEST(Conseil, NeLitQueCeQueLeJoueurSait) {
    int comparaisons = 0, differencesSansMasque = 0;
    for (std::uint64_t graine = 200; graine < 248; ++graine) {
        std::unique_ptr<Jeu> jeu(nouveauJeu(graine));
        jouerDonne(*jeu, [&] {
            const Conseil c = conseillerCarte(*jeu);
            auto autre = std::make_unique<Jeu>(*jeu);
            Donne& d = autre->donne;
            Connaissances& k = autre->connaissances;
            const int h = d.joueurHumain;
            // Two held cards of two other seats change places.
            const int a = siegeSuivant(h), b = siegeSuivant(a);
            int i = 0, j = 0;
            for (int x = 18; x >= 1; --x) {
                if (!i && d.mainJoueur[a][x].enMain) i = x;
                if (!j && d.mainJoueur[b][x].enMain) j = x;
            }
            if (i && j) {
                std::swap(d.mainJoueur[a][i], d.mainJoueur[b][j]);
                for (const auto& [s, x] : {std::pair{a, i}, std::pair{b, j}}) {
                    const Carte& m = d.mainJoueur[s][x];
                    if (m.couleur != ATOUT) {
                        k.detenteurCouleur[m.couleur][m.valeur] = s;
                        k.rangCouleur[m.couleur][m.valeur] = x;
                    } else if (m.valeur >= 2) {
                        k.detenteurAtout[m.valeur] = s;
                        k.rangAtout[m.valeur] = x;
                    }
                }
            }
            for (int s = 1; s <= 4; ++s) {
                if (s == h) continue;
                k.nbAtoutsMain[s] += 3;
                k.nbAtoutsDepart[s] += 2;
                k.couleurLongue[s] = k.couleurLongue[s] % 4 + 1;
                k.atoutMaitre[s] = 21;
                k.atoutCoupe[s].remplir(1);
                k.couleurCoupee[s][h].remplir(1);
                for (int c2 = 1; c2 <= 4; ++c2) k.nbCartesCouleurDepart[s][c2] = 1;
                k.localisationAtout[s].remplir(s);
            }
            if (d.preneur != h) {
                k.preneurFort = 1 - k.preneurFort;
                k.roiSecPreneur.remplir(1);
                d.chien = chienDe({pique(1), pique(2), pique(3), pique(4), pique(5), pique(6)});
                if (k.chienMontre != 1)
                    d.chienInitial = chienDe({pique(1), pique(2), pique(3), pique(4), pique(5), pique(6)});
            }
            const Conseil c2 = conseillerCarte(*autre);
            EXPECT_EQ(c2.slot, c.slot) << "seed " << graine << " trick " << jeu->donne.numeroPli;
            EXPECT_EQ(c2.regle, c.regle) << "seed " << graine << " trick " << jeu->donne.numeroPli;
            EXPECT_EQ(c2.laissees, c.laissees) << "seed " << graine;
            ++comparaisons;
            // Without the human's view, the rules would have read some of it.
            const Conseil p1 = choixPro(*jeu, false), p2 = choixPro(*autre, false);
            differencesSansMasque += p1.laissees != p2.laissees || p1.regle != p2.regle;
            return c.slot;
        });
    }
    EXPECT_EQ(comparaisons, 48 * 18);
    EXPECT_GT(differencesSansMasque, 0);
}

TEST(Conseil, AucunConseilHorsDuTourDuJoueur) {
    std::unique_ptr<Jeu> jeu(nouveauJeu(7));
    Donne& d = jeu->donne;
    d.joueurCourant = d.joueurHumain;
    calculerJouables(*jeu, d.joueurHumain);
    d.humainPeutJouer = true;
    EXPECT_NE(conseillerCarte(*jeu).slot, 0);
    struct Cas {
        const char* quoi;
        void (*changer)(Donne&);
    };
    const Cas cas[] = {
        {"un ordinateur joue", [](Donne& x) { x.humainPeutJouer = false; }},
        {"le pli attend un clic", [](Donne& x) { x.etatAttente = 1; }},
        {"l'offre de poignée attend", [](Donne& x) { x.poigneeEnCours = 1; }},
        {"l'écart", [](Donne& x) { x.modeEcart = 1; }},
        {"la donne est finie", [](Donne& x) { x.numeroPli = 19; }},
    };
    for (const Cas& c : cas) {
        std::unique_ptr<Jeu> copie = std::make_unique<Jeu>(*jeu);
        c.changer(copie->donne);
        const Conseil conseil = conseillerCarte(*copie);
        EXPECT_EQ(conseil.slot, 0) << c.quoi;
        EXPECT_EQ(texteConseilCarte(conseil, FRANCAIS), "Le conseil vient quand c'est à vous de jouer.") << c.quoi;
    }
}

TEST(Conseil, PhrasesDuConseil) {
    Conseil c;
    c.slot = 3;
    c.regle = 73;
    c.nbJouables = 4;
    c.nbLaissees = 1;
    EXPECT_EQ(texteConseilCarte(c, FRANCAIS), "Conseil (règle 73) : couper avec le plus petit atout.");
    EXPECT_EQ(texteConseilCarte(c, ANGLAIS), "Hint (rule 73): trump with the lowest trump.");
    c.regle = 0;
    c.nbLaissees = 3;
    EXPECT_EQ(texteConseilCarte(c, FRANCAIS),
              "Conseil : libre choix, aucune règle n'impose de carte parmi les 3 qui restent.");
    c.nbLaissees = 1;
    EXPECT_EQ(texteConseilCarte(c, ANGLAIS), "Hint: the rules set aside every other card you could play.");
    c.nbJouables = 1;
    EXPECT_EQ(texteConseilCarte(c, FRANCAIS), "Conseil : c'est votre seule carte jouable.");
}

TEST(Conseil, ChaqueRegleADeuxDescriptionsDistinctes) {
    std::set<std::string> fr, en;
    for (int k = 1; k <= 74; ++k) {
        const std::string& f = descriptionRegle(k, FRANCAIS);
        const std::string& e = descriptionRegle(k, ANGLAIS);
        EXPECT_GT(f.size(), 10u) << k;
        EXPECT_GT(e.size(), 10u) << k;
        EXPECT_NE(f, e) << k;
        EXPECT_EQ(f.back(), '.') << k;
        EXPECT_EQ(e.back(), '.') << k;
        fr.insert(f);
        en.insert(e);
    }
    EXPECT_EQ(fr.size(), 74u);
    EXPECT_EQ(en.size(), 74u);
    EXPECT_TRUE(descriptionRegle(0, FRANCAIS).empty());
    EXPECT_TRUE(descriptionRegle(75, ANGLAIS).empty());
}

TEST(NomsCartes, EnFrancaisEtEnAnglais) {
    struct Cas {
        Carte c;
        const char* fr;
        const char* en;
    };
    const Cas cas[] = {
        {coeur(ROI), "Roi de cœur", "King of hearts"},
        {pique(1), "As de pique", "Ace of spades"},
        {trefle(7), "7 de trèfle", "7 of clubs"},
        {carreau(CAVALIER), "Cavalier de carreau", "Knight of diamonds"},
        {pique(VALET), "Valet de pique", "Jack of spades"},
        {coeur(DAME), "Dame de cœur", "Queen of hearts"},
        {atout(EXCUSE), "Excuse", "Fool"},
        {atout(21), "Atout 21", "Trump 21"},
        {atout(PETIT), "Atout 1, le Petit", "Trump 1, the Petit"},
        {Carte{}, "", ""},
    };
    for (const Cas& x : cas) {
        EXPECT_EQ(nomCarte(x.c, FRANCAIS), x.fr);
        EXPECT_EQ(nomCarte(x.c, ANGLAIS), x.en);
    }
}

namespace {

struct CasRaison {
    const char* quoi;
    std::vector<Carte> avant;  // the trick so far; the human plays next
    std::vector<Carte> main;
    Carte cliquee;
    int langue;
    const char* raison;  // "" when the card may be played
};

const CasRaison casRaisons[] = {
    {"fournir", {coeur(5)}, {coeur(7), pique(3), atout(4)}, pique(3), FRANCAIS,
     "Vous devez fournir à la couleur demandée : cœur."},
    {"fournir plutôt que couper", {coeur(5)}, {coeur(7), pique(3), atout(4)}, atout(4), ANGLAIS,
     "You must follow the suit led: hearts."},
    {"la carte fournie se joue", {coeur(5)}, {coeur(7), pique(3), atout(4)}, coeur(7), FRANCAIS, ""},
    {"couper", {pique(2)}, {coeur(7), atout(4), atout(9)}, coeur(7), FRANCAIS,
     "Vous n'avez plus de pique : vous devez couper."},
    {"surcouper avec une couleur", {coeur(1), atout(8)}, {atout(5), atout(12), pique(2)}, pique(2), FRANCAIS,
     "Vous n'avez plus de cœur : vous devez surcouper le 8."},
    {"monter avec un atout trop faible", {coeur(1), atout(8)}, {atout(5), atout(12), pique(2)}, atout(5), ANGLAIS,
     "You must overtrump: play a trump higher than the 8."},
    {"sous-couper faute de mieux", {coeur(1), atout(8)}, {atout(5), atout(6), pique(2)}, pique(2), FRANCAIS,
     "Vous n'avez plus de cœur : jouez un atout, même plus faible que le 8."},
    {"monter sur l'atout mené", {atout(10)}, {atout(4), atout(15), coeur(5)}, atout(4), FRANCAIS,
     "Vous devez monter : jouez un atout plus fort que le 10."},
    {"atout demandé", {atout(10)}, {atout(4), atout(8), coeur(5)}, coeur(5), ANGLAIS,
     "Trumps were led: you must play a trump."},
    {"l'Excuse se joue toujours", {coeur(5)}, {coeur(7), atout(EXCUSE)}, atout(EXCUSE), FRANCAIS, ""},
};

}  // namespace

class Raisons : public testing::TestWithParam<CasRaison> {};

TEST_P(Raisons, PourquoiLaCarteNeSeJouePas) {
    const CasRaison& cas = GetParam();
    Jeu jeu;
    Donne& d = jeu.donne;
    const int n = static_cast<int>(cas.avant.size());
    d.joueurEntame = (SUD - 1 - n + 8) % 4 + 1;
    int siege = d.joueurEntame;
    for (const Carte& c : cas.avant) {
        d.pliEnCours[siege] = c;
        suivrePli(jeu, siege, c);
        ++d.nbCartesPli;
        siege = siegeSuivant(siege);
    }
    ASSERT_EQ(siege, SUD);
    Main m;
    int slot = 0;
    for (std::size_t i = 0; i < cas.main.size(); ++i) {
        m[static_cast<int>(i) + 1] = cas.main[i];
        if (cas.main[i].memeCarte(cas.cliquee)) slot = static_cast<int>(i) + 1;
    }
    d.mainJoueur[SUD] = m;
    d.numeroPli = 5;
    d.joueurCourant = SUD;
    calculerJouables(jeu, SUD);
    d.humainPeutJouer = true;
    EXPECT_EQ(raisonInjouable(jeu, slot, cas.langue), cas.raison);
    EXPECT_EQ(carteInjouable(jeu, slot), std::string(cas.raison) != "");

    // Before his turn the same card is not his to play yet, and it is not dimmed.
    d.humainPeutJouer = false;
    EXPECT_EQ(raisonInjouable(jeu, slot, FRANCAIS), "Ce n'est pas encore à vous de jouer.");
    EXPECT_FALSE(carteInjouable(jeu, slot));
}

INSTANTIATE_TEST_SUITE_P(Conseil, Raisons, testing::ValuesIn(casRaisons),
                         [](const auto& info) { return "cas" + std::to_string(info.index); });

TEST(Raisons, EcranDeLEcart) {
    Jeu jeu;
    Donne& d = jeu.donne;
    d.mainJoueur[SUD] = mainPartielle({atout(5), atout(EXCUSE), pique(ROI), pique(3), coeur(DAME), coeur(2)});
    for (int p = 1; p <= 24; ++p) d.positionEcart[p] = p;  // the hand first, then the dog
    d.modeEcart = 1;
    struct Cas {
        int position;
        const char* raison;
    };
    const Cas cas[] = {
        {1, "On n'écarte ni atout, ni l'Excuse, ni un Roi."},
        {2, "On n'écarte ni atout, ni l'Excuse, ni un Roi."},
        {3, "On n'écarte ni atout, ni l'Excuse, ni un Roi."},
        {4, ""},
        {5, ""},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(raisonEcart(jeu, c.position, FRANCAIS), c.raison) << c.position;
        EXPECT_EQ(carteNonEcartable(jeu, c.position), std::string(c.raison) != "") << c.position;
    }
    // Six already chosen: another card must wait until one goes back; a chosen one may go back.
    d.nbCartesEcartees = 6;
    d.selectionEcart[5] = 1;
    EXPECT_EQ(raisonEcart(jeu, 4, ANGLAIS), "Six cards are already chosen: put one back first.");
    EXPECT_EQ(raisonEcart(jeu, 5, ANGLAIS), "");
    // Outside the discard screen nothing is refused here.
    d.modeEcart = 0;
    EXPECT_EQ(raisonEcart(jeu, 1, FRANCAIS), "");
    EXPECT_FALSE(carteNonEcartable(jeu, 1));
}
