// The Expert level in the real window: its menu item, a whole deal played
// with the computers thinking off the window's thread, the card that waits
// for the thinking, and a new deal that cancels it; the bids and the taker's
// discard thought the same way, equal to the Expert's own on the same
// stream of its generator, and a bid in thought cancelled by a new deal or
// by closing the window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "engine/jeu.h"
#include "expert/copie_siege.h"
#include "expert/ecart_expert.h"
#include "expert/enchere_expert.h"
#include "expert/poignee_expert.h"
#include "flow/deroulement.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fBelvane/penseur_expert.h"

namespace {

class ExpertFenetre : public ::testing::Test {
protected:
    void SetUp() override {
        jeu = std::make_unique<Jeu>();
        fenetre = std::make_unique<TfrmBelvane>(*jeu, 1.0);
        jeu->finDeDonne = finDeDonne;
        chargerOptions(*jeu);
        jeu->options.optionVitesseJeuDeLaCarte = 5;
        jeu->options.optionAttenteEntreChaquePli = 0;
        jeu->options.optionProposePoignee = 0;
        appliquerOptions(*jeu);
        initialiserPartie(*jeu);
        fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
        fermeur.setInterval(20);
        QObject::connect(&fermeur, &QTimer::timeout, [] {
            if (QWidget* w = QApplication::activeModalWidget()) w->close();
        });
        fermeur.start();
        QAction* expert = fenetre->findChild<QAction*>("menuExpert");
        ASSERT_NE(expert, nullptr);
        expert->trigger();
        ASSERT_EQ(jeu->options.optionNiveauExpert, 1);
        EXPECT_TRUE(expert->isChecked());
        EXPECT_FALSE(fenetre->findChild<QAction*>("menuPro")->isChecked());
        EXPECT_EQ(expert->text(), "&Expert");
    }

    QWidget* controle(const QString& nom) { return fenetre->findChild<QWidget*>(nom); }
    bool montre(const QString& nom) { return controle(nom) && controle(nom)->isVisible(); }
    void cliquer(const QString& nom) { QTest::mouseClick(controle(nom), Qt::LeftButton); }

    template <typename Condition>
    bool attendre(Condition condition, int ms = 20000) {
        for (int t = 0; t < ms; t += 2) {
            if (condition()) return true;
            QTest::qWait(2);
        }
        return condition();
    }

    void lancerUneDonneAvecPreneur() {
        Donne& d = jeu->donne;
        cliquer("PanelLancement");
        for (int essai = 0; essai < 20 && d.preneur == 0; ++essai) {
            ASSERT_TRUE(attendre([&] { return montre("BarreEnchere") || d.etatAttente == 1; }));
            if (montre("BarreEnchere")) cliquer("evMaMain");
            ASSERT_TRUE(attendre([&] { return d.nbEncheres == 4 && d.etatAttente == 1; }));
            cliquer("TableRonde");
        }
        ASSERT_NE(d.preneur, 0) << "nobody took in twenty deals";
    }

    // Plays by clicks until `arret` holds or the deal is over; answers false on a stall.
    template <typename Arret>
    bool jouerAuClicJusqua(Arret arret) {
        Donne& d = jeu->donne;
        for (int pas = 0; pas < 3000 && d.numeroPli != 19 && !arret(); ++pas) {
            if (!attendre([&] {
                    return arret() || d.etatAttente != 0 || d.modeEcart == 1 ||
                           (d.humainPeutJouer && d.joueurCourant == 1) || d.numeroPli == 19;
                }))
                return false;
            if (d.numeroPli == 19 || arret()) break;
            if (d.modeEcart == 1) {
                for (int p = 1; p <= 24 && d.nbCartesEcartees < 6; ++p) {
                    const int avant = d.nbCartesEcartees;
                    cliquer(QString("Carte3D%1").arg(p));
                    if (d.nbCartesEcartees < avant) cliquer(QString("Carte3D%1").arg(p));
                }
                cliquer("PanelConfirmeEcart");
            } else if (d.etatAttente != 0) {
                cliquer("TableRonde");
                if (d.etatAttente != 0) QTest::keyClick(fenetre.get(), Qt::Key_Space);
            } else {
                for (int k = 1; k <= 18; ++k)
                    if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) {
                        cliquer(QString("Carte3D%1").arg(k));
                        break;
                    }
            }
        }
        return true;
    }

    std::unique_ptr<Jeu> jeu;
    std::unique_ptr<TfrmBelvane> fenetre;
    QTimer fermeur;
};

TEST_F(ExpertFenetre, UneDonneEntiereAuNiveauExpert) {
    lancerUneDonneAvecPreneur();
    ASSERT_TRUE(jouerAuClicJusqua([] { return false; }));
    ASSERT_EQ(jeu->donne.numeroPli, 19);
    EXPECT_EQ(jeu->donne.pointsPreneur + jeu->donne.pointsDefense, 182);
    ASSERT_TRUE(attendre([&] { return montre("PanelResultat"); }));
    // The computers of the last tricks thought off the window's thread, and nothing was cancelled.
    EXPECT_GT(fenetre->penseur().lances(), 0);
    EXPECT_EQ(fenetre->penseur().annules(), 0);
    EXPECT_FALSE(fenetre->penseur().pense());
}

TEST_F(ExpertFenetre, UneNouvelleDonneAnnuleLaReflexion) {
    // A thinking long enough to be caught in the act.
    fenetre->penseur().reglages().echantillons = 1000000;
    fenetre->penseur().reglages().partiesPro = 1000000;
    fenetre->penseur().reglages().secondes = 60;
    lancerUneDonneAvecPreneur();
    // A card's thinking: the bids and the discard think too, but quickly.
    const auto penseACarte = [&] {
        return fenetre->penseur().pense() && fenetre->penseur().sujet() == PenseurExpert::Sujet::Carte;
    };
    ASSERT_TRUE(jouerAuClicJusqua(penseACarte));
    ASSERT_TRUE(penseACarte()) << "no computer thought before the end of the deal";
    Donne& d = jeu->donne;
    const int pli = d.numeroPli, cartes = d.nbCartesPli, siege = d.joueurCourant;
    // The card waits: the window lives on, the card timer is not running and nothing is played.
    QTest::qWait(300);
    EXPECT_TRUE(fenetre->penseur().pense());
    EXPECT_FALSE(fenetre->estArme(Minuteur::TimerEntreCarte));
    EXPECT_EQ(d.numeroPli, pli);
    EXPECT_EQ(d.nbCartesPli, cartes);
    EXPECT_EQ(d.joueurCourant, siege);

    // No question before abandoning the deal: the click starts the new deal at once.
    jeu->options.optionConfirmerAbandon = 0;
    cliquer("SBNewGame");
    EXPECT_FALSE(fenetre->penseur().pense());
    EXPECT_EQ(fenetre->penseur().annules(), 1);
    EXPECT_EQ(d.numeroPli, 0);
    // The cancelled thinking plays nothing into the new deal.
    QTest::qWait(300);
    for (int s = 1; s <= 4; ++s)
        for (int k = 1; k <= 18; ++k) EXPECT_TRUE(d.mainJoueur[s][k].enMain) << s << " " << k;

    // The next deal is played to its end by quick thinkers.
    fenetre->penseur().reglages() = ReglagesExpert{};
    for (int essai = 0; essai < 20 && d.preneur == 0; ++essai) {
        ASSERT_TRUE(attendre([&] { return montre("BarreEnchere") || d.etatAttente == 1; }));
        if (montre("BarreEnchere")) cliquer("evMaMain");
        ASSERT_TRUE(attendre([&] { return d.nbEncheres == 4 && d.etatAttente == 1; }));
        cliquer("TableRonde");
    }
    ASSERT_NE(d.preneur, 0);
    ASSERT_TRUE(jouerAuClicJusqua([] { return false; }));
    EXPECT_EQ(d.numeroPli, 19);
    EXPECT_EQ(fenetre->penseur().annules(), 1);
}

// The bids of the Expert seats and the Expert taker's discard are thought off
// the window's thread: meanwhile the window's own timers keep ticking, the
// step waits (its timer is not running, nothing is announced or played), and
// what comes out is what choisirEnchereExpert and choisirEcartExpert give on
// the real game with the same stream of the generator, though the worker was
// handed a game with the other hands hidden.
TEST_F(ExpertFenetre, LesEncheresEtLEcartSontPensesHorsDuFil) {
    Donne& d = jeu->donne;
    jeu->options.optionConfirmerAbandon = 0;
    int battements = 0;
    QTimer metronome;
    metronome.setInterval(5);
    QObject::connect(&metronome, &QTimer::timeout, [&] { ++battements; });
    metronome.start();
    PenseurExpert& penseur = fenetre->penseur();
    const ReglagesExpert reglages = penseur.reglages();
    int encheresVerifiees = 0, ecartsVerifies = 0, pensesVus = 0, battementsPendant = 0;

    // Waits for the thinking about `sujet` to start and end; counts what the
    // window did meanwhile and checks that the step waits.
    auto suivreReflexion = [&](PenseurExpert::Sujet sujet, int lancesAvant, auto lances) {
        const int pli = d.numeroPli, cartes = d.nbCartesPli, encheres = d.nbEncheres;
        bool vu = false;
        int debut = 0;
        const bool fini = attendre([&] {
            if (penseur.pense() && penseur.sujet() == sujet) {
                if (!vu) debut = battements;
                vu = true;
                EXPECT_FALSE(fenetre->estArme(sujet == PenseurExpert::Sujet::Enchere ? Minuteur::TimerEnchere
                                                                                      : Minuteur::TimerEntreCarte));
                EXPECT_EQ(d.numeroPli, pli);
                EXPECT_EQ(d.nbCartesPli, cartes);
                EXPECT_EQ(d.nbEncheres, encheres);
                battementsPendant += battements - debut;
                debut = battements;
            }
            return lances() > lancesAvant && !penseur.pense();
        });
        pensesVus += vu;
        return fini;
    };

    cliquer("PanelLancement");
    for (int donne = 0; donne < 40 && (encheresVerifiees < 4 || ecartsVerifies < 2); ++donne) {
        // The auction: at the human's turn, the generator and the game as they
        // are, then his bid; the next seat to speak thinks from there.
        while (d.numeroPli == 0 && d.nbEncheres < 4) {
            ASSERT_TRUE(attendre([&] { return montre("BarreEnchere") || d.nbEncheres == 4; }));
            if (d.nbEncheres == 4) break;
            const std::mt19937_64 generateur = penseur.generateur();
            const int lancesAvant = penseur.lancesEncheres();
            cliquer("evMaMain");
            if (d.nbEncheres == 4) break;
            auto avant = std::make_unique<Jeu>(*jeu);
            const int siege = d.joueurEnchere;
            ASSERT_NE(siege, 1);
            ASSERT_TRUE(suivreReflexion(PenseurExpert::Sujet::Enchere, lancesAvant,
                                        [&] { return penseur.lancesEncheres(); }));
            ASSERT_TRUE(attendre([&] { return d.enchere[siege] >= PASSE && d.nbEncheres > avant->donne.nbEncheres; }));
            rendreLaParole(avant->donne, siege);
            std::mt19937_64 g = generateur;
            const int e = choisirEnchereExpert(*avant, siege, reglages.enchere, g);
            EXPECT_EQ(d.enchere[siege], e > avant->donne.meilleureEnchere ? e : PASSE) << "deal " << donne;
            ++encheresVerifiees;
            break;  // the later seats think from a stream drawn meanwhile
        }
        ASSERT_TRUE(attendre([&] { return (d.nbEncheres == 4 && d.etatAttente == 1) || montre("BarreEnchere"); }));
        while (montre("BarreEnchere")) {
            cliquer("evMaMain");
            ASSERT_TRUE(attendre([&] { return (d.nbEncheres == 4 && d.etatAttente == 1) || montre("BarreEnchere"); }));
        }
        // The click names the taker and, the dog shown, goes on past it: a
        // computer taker at Prise or Garde then thinks its discard, before the
        // first card. The generator is as the auction left it.
        const std::mt19937_64 generateur = penseur.generateur();
        const int lancesAvant = penseur.lancesEcarts();
        cliquer("TableRonde");
        if (d.numeroPli == 0) continue;  // everybody passed: the next deal is dealt
        if (d.chienAffiche == 1 && d.etatAttente == 2) cliquer("TableRonde");
        const bool ecartExpert = d.preneur != 1 && (d.contrat == PRISE || d.contrat == GARDE);
        if (ecartExpert) {
            auto apres = std::make_unique<Jeu>(*jeu);
            ASSERT_TRUE(suivreReflexion(PenseurExpert::Sujet::Ecart, lancesAvant, [&] { return penseur.lancesEcarts(); }));
            Donne& a = apres->donne;
            a.mainJoueur[a.preneur] = a.mainInitiale[a.preneur];
            for (int i = 1; i <= 18; ++i) a.mainJoueur[a.preneur][i].enMain = true;
            a.chien = a.chienInitial;
            std::mt19937_64 g = generateur;
            Ecart attendu = choisirEcartExpert(*apres, reglages.ecart, g);
            for (int i = 1; i <= 6; ++i)
                EXPECT_TRUE(d.chien[i].memeCarte(attendu[static_cast<std::size_t>(i - 1)])) << "deal " << donne;
            ++ecartsVerifies;
        }
        cliquer("SBNewGame");
    }
    EXPECT_GE(encheresVerifiees, 4);
    EXPECT_GE(ecartsVerifies, 2);
    EXPECT_EQ(pensesVus, encheresVerifiees + ecartsVerifies);
    EXPECT_GT(battementsPendant, 0) << "the window's timers stood still while the Expert thought";
}

// A bid in thought waits with the window alive; a new deal cancels it at
// once and the new deal's auction goes on unharmed; closing the window
// cancels one too.
TEST_F(ExpertFenetre, UneNouvelleDonneOuLaFermetureAnnuleUneEnchereEnReflexion) {
    Donne& d = jeu->donne;
    PenseurExpert& penseur = fenetre->penseur();
    const ReglagesExpert normaux = penseur.reglages();
    penseur.reglages().enchere.echantillons = 1000000;
    cliquer("PanelLancement");
    // The human may speak first: he passes, and the next seat thinks.
    ASSERT_TRUE(attendre([&] { return montre("BarreEnchere") || penseur.pense(); }));
    if (!penseur.pense()) cliquer("evMaMain");
    ASSERT_TRUE(attendre([&] { return penseur.pense(); }));
    ASSERT_EQ(penseur.sujet(), PenseurExpert::Sujet::Enchere);
    const int encheres = d.nbEncheres;
    const int siege = d.joueurEnchere;
    int battements = 0;
    QTimer metronome;
    QObject::connect(&metronome, &QTimer::timeout, [&] { ++battements; });
    metronome.start(5);
    QTest::qWait(300);
    EXPECT_GT(battements, 0);
    EXPECT_TRUE(penseur.pense());
    EXPECT_FALSE(fenetre->estArme(Minuteur::TimerEnchere));
    EXPECT_EQ(d.nbEncheres, encheres);
    EXPECT_EQ(d.joueurEnchere, siege);

    // The workers take their settings as they start: the next ones think quickly.
    penseur.reglages() = normaux;
    jeu->options.optionConfirmerAbandon = 0;
    cliquer("SBNewGame");
    EXPECT_FALSE(penseur.pense());
    EXPECT_EQ(penseur.annules(), 1);
    EXPECT_EQ(d.numeroPli, 0);
    // The new deal's auction reaches the human or its end, every computer's bid thought.
    const int lancesAvant = penseur.lancesEncheres();
    ASSERT_TRUE(attendre([&] { return montre("BarreEnchere") || (d.nbEncheres == 4 && d.etatAttente == 1); }));
    int computersAvant = 0;
    for (int i = 0, s = d.premierJoueur; i < d.nbEncheres && s != 1; ++i, s = siegeSuivant(s)) ++computersAvant;
    EXPECT_EQ(penseur.lancesEncheres() - lancesAvant, computersAvant);
    for (int i = 0, s = d.premierJoueur; i < d.nbEncheres; ++i, s = siegeSuivant(s)) EXPECT_GE(d.enchere[s], PASSE);
    EXPECT_EQ(penseur.annules(), 1);

    // A long thinking again, and the window closes under it.
    penseur.reglages().enchere.echantillons = 1000000;
    cliquer("SBNewGame");
    ASSERT_TRUE(attendre([&] { return montre("BarreEnchere") || penseur.pense(); }));
    if (!penseur.pense()) cliquer("evMaMain");
    ASSERT_TRUE(attendre([&] { return penseur.pense(); }));
    fenetre->close();
    EXPECT_FALSE(penseur.pense());
    EXPECT_EQ(penseur.annules(), 2);
}

}  // namespace

// South passes and a computer takes: with no trick left to the solver, the
// Expert taker's every card is played out off the window's thread, and the
// defenders, who play by the Pro rules, never think.
TEST_F(ExpertFenetre, LePreneurOrdinateurJoueSesCartesHorsDuFil) {
    PenseurExpert& penseur = fenetre->penseur();
    penseur.reglages().plisRestants = 0;
    Donne& d = jeu->donne;
    cliquer("PanelLancement");
    for (int essai = 0; essai < 20 && d.preneur == 0; ++essai) {
        ASSERT_TRUE(attendre([&] { return montre("BarreEnchere") || d.etatAttente == 1; }));
        if (montre("BarreEnchere")) cliquer("ButtonPasse");
        ASSERT_TRUE(attendre([&] { return d.nbEncheres == 4 && d.etatAttente == 1; }));
        cliquer("TableRonde");
    }
    ASSERT_NE(d.preneur, 0) << "nobody took in twenty deals";
    ASSERT_NE(d.preneur, d.joueurHumain);
    const auto cartesPensees = [&] { return penseur.lances() - penseur.lancesEncheres() - penseur.lancesEcarts(); };
    const int avant = cartesPensees();
    // The window goes on while the taker thinks: caught once in the act.
    bool vuPenser = false;
    ASSERT_TRUE(jouerAuClicJusqua([&] {
        vuPenser = vuPenser || (penseur.pense() && penseur.sujet() == PenseurExpert::Sujet::Carte &&
                                d.joueurCourant == d.preneur);
        return false;
    }));
    ASSERT_EQ(d.numeroPli, 19);
    EXPECT_EQ(d.pointsPreneur + d.pointsDefense, 182);
    EXPECT_EQ(cartesPensees() - avant, 18);
    EXPECT_TRUE(vuPenser);
    EXPECT_EQ(penseur.annules(), 0);
}

// Under the official handfuls an Expert computer seat with ten trumps thinks
// its handful off the window's thread at its first card: the window's timers
// tick on, the card waits, and the seat then declares what
// choisirPoigneeExpert gives on the real game with the same stream of the
// generator. A new deal cancels a handful in thought.
TEST_F(ExpertFenetre, LaPoigneeEstPenseeHorsDuFil) {
    Donne& d = jeu->donne;
    jeu->options.optionConfirmerAbandon = 0;
    jeu->options.optionPoigneesOrdinateurs = 1;
    PenseurExpert& penseur = fenetre->penseur();
    // Quick bids and discards; a handful long enough to be caught in the act.
    penseur.reglages().enchereParSimulation = false;
    penseur.reglages().ecartParSimulation = false;
    penseur.reglages().poignee.echantillons = 200;
    const ReglagesExpert reglages = penseur.reglages();
    int battements = 0;
    QTimer metronome;
    metronome.setInterval(5);
    QObject::connect(&metronome, &QTimer::timeout, [&] { ++battements; });
    metronome.start();

    const auto atouts = [&](int s) {
        int n = 0;
        for (int i = 1; i <= 18; ++i) n += d.mainJoueur[s][i].enMain && d.mainJoueur[s][i].couleur == ATOUT;
        return n;
    };
    int verifiees = 0, annulees = 0;
    cliquer("PanelLancement");
    for (int donne = 0; donne < 300 && (verifiees < 1 || annulees < 1); ++donne) {
        while (d.numeroPli == 0) {
            ASSERT_TRUE(attendre([&] { return montre("BarreEnchere") || (d.nbEncheres == 4 && d.etatAttente == 1); }));
            if (montre("BarreEnchere")) {
                cliquer("evMaMain");
                continue;
            }
            cliquer("TableRonde");
            if (d.numeroPli == 0 && d.nbEncheres == 0) break;  // everybody passed: dealt again
        }
        if (d.numeroPli == 0) continue;
        if (d.chienAffiche == 1 && d.etatAttente == 2) cliquer("TableRonde");
        ASSERT_EQ(d.reglesPoignees, 1);
        // The first computer seat in the trick's order that can show a handful.
        int siege = 0;
        for (int i = 0, s = d.joueurEntame; i < 4 && siege == 0; ++i, s = siegeSuivant(s))
            if (s != 1 && atouts(s) >= 10) siege = s;
        if (d.preneur == 1 || siege == 0) {
            cliquer("SBNewGame");
            continue;
        }
        // Nothing draws from the generator before the seat's turn.
        const std::mt19937_64 generateur = penseur.generateur();
        const int lancesAvant = penseur.lancesPoignees();
        const auto enReflexion = [&] { return penseur.pense() && penseur.sujet() == PenseurExpert::Sujet::Poignee; };
        ASSERT_TRUE(attendre([&] {
            if (d.humainPeutJouer && d.joueurCourant == 1 && !enReflexion())
                for (int k = 1; k <= 18; ++k)
                    if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) {
                        cliquer(QString("Carte3D%1").arg(k));
                        break;
                    }
            return enReflexion();
        }));
        ASSERT_EQ(d.joueurCourant, siege);
        EXPECT_EQ(penseur.lancesPoignees(), lancesAvant + 1);
        auto avant = std::make_unique<Jeu>(*jeu);
        const int pli = d.numeroPli, cartes = d.nbCartesPli, debut = battements;
        QTest::qWait(30);
        if (enReflexion()) {
            EXPECT_FALSE(fenetre->estArme(Minuteur::TimerEntreCarte));
            EXPECT_EQ(d.nbCartesPli, cartes);
            EXPECT_EQ(d.poigneeOrdinateur[siege], 0);
        }
        if (verifiees == 0) {
            ASSERT_TRUE(attendre([&] { return !enReflexion() && (d.nbCartesPli != cartes || d.numeroPli != pli); }));
            EXPECT_GT(battements, debut) << "the window's timers stood still while the Expert thought";
            std::mt19937_64 g = generateur;
            const Table<bool, 1, 4> entendues = encheresEntenduesALaTable(*avant, reglages);
            const int attendue = choisirPoigneeExpert(*avant, siege, reglages.poignee, g, nullptr, &entendues);
            EXPECT_EQ(d.poigneeOrdinateur[siege], attendue) << "deal " << donne;
            ++verifiees;
        } else if (enReflexion()) {
            const int annulesAvant = penseur.annules();
            cliquer("SBNewGame");
            EXPECT_FALSE(penseur.pense());
            EXPECT_EQ(penseur.annules(), annulesAvant + 1);
            EXPECT_EQ(d.numeroPli, 0);
            QTest::qWait(100);
            for (int s = 1; s <= 4; ++s) EXPECT_EQ(d.poigneeOrdinateur[s], 0);
            ++annulees;
            continue;
        }
        cliquer("SBNewGame");
    }
    EXPECT_EQ(verifiees, 1);
    EXPECT_EQ(annulees, 1);
}
