// The deal coach in the windows: the analysis window's headline from the
// contract's makeability, the two judges of the player's cards, both
// continuations of a line as cards; the verdict worked out in the background
// and kept in the history's list; a past deal analysed from the history.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>
#include <memory>

#include "analyse/entraineur.h"
#include "engine/raisons.h"
#include "engine/textes.h"
#include "historique/base.h"
#include "settings/magasin_memoire.h"
#include "tests/donne_analysee.h"
#include "ui/fAnalyse/analyse_fond.h"
#include "ui/fAnalyse/fanalyse.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fHistorique/fhistorique.h"
#include "ui/langue.h"
#include "ui/revue/controles_revue.h"

namespace {

QString qs(Texte t, int langue) { return QString::fromStdString(texte(t, langue)); }

class EntraineurFenetre : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dossier.isValid());
        jeu = std::make_unique<Jeu>();
        jeu->magasin = &magasin;
        fenetre = std::make_unique<TfrmBelvane>(*jeu, 1.0);
        jeu->options.langue = FRANCAIS;
        appliquerLangue(*jeu);
    }
    void TearDown() override {
        fenetre.reset();
        jeu.reset();
    }

    void jouer(std::uint64_t graine) {
        jouerDonneAnalysee(*jeu, minuteurs, graine);
        ASSERT_EQ(jeu->donne.numeroPli, 19);
        appliquerOptions(*jeu);
    }
    TfrmAnalyse& analyse() { return *fenetre->frmAnalyse(); }
    void analyserJusquauBout(double secondes) {
        analyse().fixerBudget(secondes);
        QSignalSpy finie(&analyse(), &TfrmAnalyse::analyseFinie);
        fenetre->findChild<QPushButton*>("PanelAnalyse")->click();
        ASSERT_TRUE(finie.wait(static_cast<int>(secondes * 1000) + 20000) || finie.count() == 1);
    }
    QString texteDe(const char* nom) { return analyse().findChild<QLabel*>(nom)->text(); }

    // The row of the list that shows card k, null when none does.
    QTreeWidgetItem* ligneDeLaCarte(int k) {
        auto* liste = analyse().findChild<QTreeWidget*>("listeLignes");
        for (int g = 0; g < liste->topLevelItemCount(); ++g)
            for (int i = 0; i < liste->topLevelItem(g)->childCount(); ++i) {
                QTreeWidgetItem* item = liste->topLevelItem(g)->child(i);
                const QVariant v = item->data(0, Qt::UserRole + 1);
                if (!v.isValid()) continue;
                const LigneAnalyse& l = analyse().lignesAffichees()[static_cast<std::size_t>(v.toInt())];
                if (l.etablie && l.numero == k) return item;
            }
        return nullptr;
    }

    QTemporaryDir dossier;
    MagasinMemoire magasin;
    std::unique_ptr<Jeu> jeu;
    std::unique_ptr<TfrmBelvane> fenetre;
    MinuteursManuels minuteurs;
};

TEST_F(EntraineurFenetre, LeTitreEstLeVerdictDuContratEtLesJugesParlentClair) {
    jouer(11);
    analyserJusquauBout(6);
    const BilanEntraineur& b = analyse().bilanEntraineur();
    const VerdictDonne& v = b.verdict;
    ASSERT_LE(v.depuisPli, v.nbPlis) << "nothing settled in 6 s";

    // The headline says from which trick, never a range of points.
    const QString titre = texteDe("labelVerdict");
    const Texte attendu = v.depuisPli == 1
                              ? (v.realisableDepart() == 1 ? Texte::coachRealisableDepart : Texte::coachIrrealisableDepart)
                              : (v.realisablePli[v.depuisPli] == 1 ? Texte::coachRealisableDepuis
                                                                   : Texte::coachIrrealisableDepuis);
    EXPECT_EQ(titre, v.depuisPli == 1 ? qs(attendu, FRANCAIS) : qs(attendu, FRANCAIS).arg(v.depuisPli));
    EXPECT_FALSE(titre.contains("entre")) << titre.toStdString();

    // Every trick start the window settled is what the solver says of it on its own.
    DonneJouee jouee;
    ASSERT_TRUE(donneDesTables(jeu->donne, jouee));
    const AnalyseDonne a(jouee);
    Solveur solveur;
    int verifies = 0;
    for (int t = v.depuisPli; t <= v.nbPlis && verifies < 4; ++t) {
        if (v.realisablePli[t] < 0) continue;
        Budget budget;
        budget.secondes = 20;
        const int m = realisableEn(solveur, a.position((t - 1) * 4), budget);
        if (m < 0) continue;
        EXPECT_EQ(v.realisablePli[t], m) << "trick " << t;
        ++verifies;
    }
    EXPECT_GT(verifies, 0);

    // The turning cards are named with their seats; each also has its row.
    const QString tournants = texteDe("labelTournant");
    for (const Tournant& t : v.tournants) {
        EXPECT_TRUE(tournants.contains(QString::fromStdString(nomCarte(t.carte, FRANCAIS)))) << tournants.toStdString();
        EXPECT_TRUE(tournants.contains(QString::fromStdString(nomJoueur(t.siege, FRANCAIS))));
        EXPECT_NE(ligneDeLaCarte(t.numero), nullptr) << t.numero;
    }

    // The judges: the count in words, and each error or bad luck on its row.
    int jugees = 0;
    for (const JugementCarte& j : b.jugements) jugees += j.jugement != Jugement::NonJuge;
    EXPECT_GT(jugees, 0);
    EXPECT_EQ(texteDe("labelBilanCartes"),
              qs(Texte::coachBilanCartes, FRANCAIS).arg(b.erreurs()).arg(b.malchances()).arg(jugees).arg(18));
    for (const JugementCarte& j : b.jugements) {
        EXPECT_EQ(a.siege(j.numero), jeu->donne.joueurHumain);
        if (j.jugement != Jugement::Erreur && j.jugement != Jugement::Malchance) continue;
        QTreeWidgetItem* item = ligneDeLaCarte(j.numero);
        ASSERT_NE(item, nullptr) << j.numero;
        EXPECT_EQ(item->text(5), qs(j.jugement == Jugement::Erreur ? Texte::coachErreur : Texte::coachMalchance, FRANCAIS));
        EXPECT_TRUE(item->toolTip(5).contains(QString::number(j.tirages)));
    }

    // Both languages.
    jeu->options.langue = ANGLAIS;
    appliquerLangue(*jeu);
    EXPECT_TRUE(texteDe("labelVerdict").startsWith("With every card open")) << texteDe("labelVerdict").toStdString();
}

TEST_F(EntraineurFenetre, UneLigneMontreCeQuiAEteJoueEtLaMeilleureLigneEnCartes) {
    jouer(13);
    analyserJusquauBout(3);
    // A line of the player's late in the deal, so that the best line is settled.
    int choisie = -1;
    const auto& lignes = analyse().lignesAffichees();
    for (int i = 0; i < static_cast<int>(lignes.size()); ++i) {
        const LigneAnalyse& l = lignes[static_cast<std::size_t>(i)];
        if (l.etablie && l.pli >= 12 && (choisie < 0 || l.pli < lignes[static_cast<std::size_t>(choisie)].pli))
            choisie = i;
    }
    ASSERT_GE(choisie, 0);
    const LigneAnalyse l = lignes[static_cast<std::size_t>(choisie)];
    analyse().montrerLigne(choisie);
    QTest::qWait(0);
    for (int t = 0; t < 30000 && analyse().suiteEnCours(); t += 20) QTest::qWait(20);
    ASSERT_FALSE(analyse().suiteEnCours());
    QTest::qWait(50);  // the thread's end reaches the window

    DonneJouee jouee;
    ASSERT_TRUE(donneDesTables(jeu->donne, jouee));
    const AnalyseDonne a(jouee);
    const int premiere = (l.pli - 1) * 4 + 1;
    const int nbCartes = 72 - premiere + 1;

    // What was played: every card from the trick on, in its seat's column.
    int jouees = 0, optimales = 0;
    for (PetiteCarte* c : analyse().findChildren<PetiteCarte*>()) {
        jouees += c->objectName() == "suiteJouee";
        optimales += c->objectName() == "suiteOptimale";
    }
    EXPECT_EQ(jouees, nbCartes);
    ASSERT_EQ(analyse().suiteJouee().size(), static_cast<std::size_t>(19 - l.pli));
    for (int k = premiere; k <= 72; ++k) {
        const PliSuite& p = analyse().suiteJouee()[static_cast<std::size_t>(AnalyseDonne::pliDeCarte(k) - l.pli)];
        EXPECT_TRUE(p.cartes[a.siege(k)].memeCarte(a.carte(k))) << k;
    }

    // The best line keeps the cards already on the table, then plays every
    // remaining card once, each trick won by the right seat.
    const auto& optimale = analyse().suiteOptimale();
    ASSERT_EQ(optimale.size(), analyse().suiteJouee().size());
    EXPECT_EQ(optimales, nbCartes);
    for (int k = premiere; k < l.numero; ++k) EXPECT_TRUE(optimale[0].cartes[a.siege(k)].memeCarte(a.carte(k))) << k;
    std::vector<Carte> restantes;
    for (int k = premiere; k <= 72; ++k) restantes.push_back(a.carte(k));
    for (const PliSuite& p : optimale) {
        EXPECT_NE(p.gagnant, 0) << p.pli;
        for (int s = 1; s <= 4; ++s) {
            const auto trouvee = std::find_if(restantes.begin(), restantes.end(),
                                              [&](const Carte& c) { return c.memeCarte(p.cartes[s]); });
            ASSERT_NE(trouvee, restantes.end()) << "trick " << p.pli << " seat " << s;
            restantes.erase(trouvee);
        }
    }
    EXPECT_TRUE(restantes.empty());
    EXPECT_TRUE(analyse().findChild<QLabel*>("etatSuites")->text().isEmpty());
}

class EntraineurHistorique : public EntraineurFenetre {
protected:
    void SetUp() override {
        EntraineurFenetre::SetUp();
        base = std::make_unique<BaseHistorique>(QDir(dossier.path()).filePath("historique.sqlite"));
        fenetre->attacherHistorique(base.get());
        fenetre->analyseFond()->fixerBudget(4);
    }
    void TearDown() override {
        EntraineurFenetre::TearDown();
        base.reset();
    }
    std::unique_ptr<BaseHistorique> base;
};

TEST_F(EntraineurHistorique, LeVerdictSEtablitPendantLaDonneSuivanteEtSeGardeDansLaListe) {
    QSignalSpy verdicts(fenetre->analyseFond(), &AnalyseFond::verdictEtabli);
    jouer(11);
    ASSERT_EQ(base->nombre(), 1);
    EXPECT_TRUE(fenetre->analyseFond()->enCours());
    // The next deal is dealt while the coach works on the last one.
    nouvelleDonne(*jeu, 0);
    EXPECT_TRUE(fenetre->analyseFond()->enCours());
    ASSERT_TRUE(verdicts.wait(30000) || verdicts.count() == 1);

    const std::vector<ResumeDonne> r = base->resumes();
    ASSERT_EQ(r.size(), 1u);
    const VerdictArchive& v = r[0].verdict;
    ASSERT_TRUE(v.present);
    EXPECT_GE(v.depuisPli, 1);
    EXPECT_LE(v.depuisPli, 18);
    EXPECT_EQ(v.realisableDepart >= 0, v.depuisPli == 1);

    fenetre->menuHistoriqueClick();
    TfrmHistorique* h = fenetre->frmHistorique();
    ASSERT_EQ(h->nombreLignes(), 1);
    auto* liste = h->findChild<QTableWidget*>();
    ASSERT_NE(liste, nullptr);
    const int colonne = liste->columnCount() - 1;
    EXPECT_EQ(liste->horizontalHeaderItem(colonne)->text(), qs(Texte::coachColonneVerdict, FRANCAIS));
    const QString cellule = liste->item(0, colonne)->text();
    EXPECT_TRUE(cellule.endsWith(qs(Texte::coachHistErreurs, FRANCAIS).arg(v.erreurs))) << cellule.toStdString();
    const QString debut = v.realisableDepart == 1   ? qs(Texte::coachHistRealisable, FRANCAIS)
                          : v.realisableDepart == 0 ? qs(Texte::coachHistIrrealisable, FRANCAIS)
                                                    : qs(Texte::coachHistDepuisPli, FRANCAIS).arg(v.depuisPli);
    EXPECT_TRUE(cellule.startsWith(debut)) << cellule.toStdString();
    if (v.pliTournant > 0) {
        EXPECT_TRUE(cellule.contains(qs(v.perdu ? Texte::coachHistPerdu : Texte::coachHistSauve, FRANCAIS).arg(v.pliTournant)));
    }
}

TEST_F(EntraineurHistorique, UneDonnePasseeSAnalyseDepuisLHistoriqueEtUneDonneNouvelleArreteLeFond) {
    jouer(11);
    const Donne premiere = jeu->donne;
    // A newer deal stops the background work on the older one: only the newer gets a verdict.
    QSignalSpy verdicts(fenetre->analyseFond(), &AnalyseFond::verdictEtabli);
    jouer(13);
    ASSERT_EQ(base->nombre(), 2);
    ASSERT_TRUE(verdicts.wait(30000) || verdicts.count() >= 1);
    QTest::qWait(100);
    ASSERT_EQ(verdicts.count(), 1);
    const long long idNouvelle = verdicts[0][0].toLongLong();
    const std::vector<ResumeDonne> r = base->resumes();
    ASSERT_EQ(r.size(), 2u);
    const ResumeDonne& ancienne = r[0].id == idNouvelle ? r[1] : r[0];
    EXPECT_FALSE(ancienne.verdict.present);

    // The older one from the history list: the window analyses that deal.
    fenetre->menuHistoriqueClick();
    TfrmHistorique* h = fenetre->frmHistorique();
    int rang = -1;
    for (int i = 0; i < h->nombreLignes(); ++i)
        if (h->ligne(i).id == ancienne.id) rang = i;
    ASSERT_GE(rang, 0);
    h->choisirLigne(rang);
    analyse().fixerBudget(3);
    QSignalSpy finie(&analyse(), &TfrmAnalyse::analyseFinie);
    h->findChild<QPushButton*>("boutonAnalyser")->click();
    ASSERT_TRUE(analyse().isVisible());
    EXPECT_EQ(analyse().idDonne(), ancienne.id);
    DonneJouee attendue;
    ASSERT_TRUE(donneDesTables(premiere, attendue));
    for (int k = 1; k <= 72; ++k)
        EXPECT_TRUE(analyse().analyse()->carte(k).memeCarte(attendue.cartes[static_cast<std::size_t>(k - 1)])) << k;
    ASSERT_TRUE(finie.wait(30000) || finie.count() == 1);
    // Its verdict is kept now.
    for (const ResumeDonne& x : base->resumes())
        if (x.id == ancienne.id) {
            EXPECT_TRUE(x.verdict.present);
        }
}

}  // namespace
