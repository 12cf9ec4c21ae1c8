// The history in the real windows: each deal that ends on the table is a row;
// the list, its filters, the review windows on a stored deal, the replay from
// the list and from a code, the statistics, the export, a damaged file.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <memory>
#include <vector>

#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "flow/minuteurs_manuels.h"
#include "historique/base.h"
#include "historique/code_donne.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "tools/autoplay/partie_auto.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fHistorique/fhistorique.h"
#include "ui/fMains/fmains.h"
#include "ui/fScoreDetaille/fscoredetaille.h"
#include "ui/fStatistiques/fstatistiques.h"
#include "ui/fTousPlis/ftousplis.h"
#include "ui/revue/controles_revue.h"

namespace {

class HistoriqueFenetres : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dossier.isValid());
        base = std::make_unique<BaseHistorique>(QDir(dossier.path()).filePath("historique.sqlite"));
    }

    // The table, with its timers run by hand so that a deal plays at once.
    void creerFenetre() {
        jeu = std::make_unique<Jeu>();
        jeu->hasard.horloge = horlogeDeterministe(41);
        fenetre = std::make_unique<TfrmBelvane>(*jeu, 1.0);
        jeu->finDeDonne = finDeDonne;
        chargerOptions(*jeu);
        jeu->options.langue = FRANCAIS;
        appliquerOptions(*jeu);
        initialiserPartie(*jeu);
        fenetre->attacherHistorique(base.get());
        jeu->minuteurs = &minuteurs;
        fermeur.setInterval(10);
        QObject::connect(&fermeur, &QTimer::timeout, [this] {
            if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages.push_back(m->text());
                m->close();
            }
        });
        fermeur.start();
    }

    // Plays deals to their end on the table; keeps each one as it ended.
    void jouer(int n, int mode = 0) {
        for (int i = 0; i < n; ++i) {
            if (mode == 0) nouvelleDonne(*jeu, 0);
            for (;;) {
                const IssueDonne issue = jouerDonneAutomatique(*jeu, minuteurs, controleur);
                ASSERT_NE(issue, IssueDonne::Interrompue);
                if (issue == IssueDonne::Jouee) break;
                continuer(*jeu);
            }
            finies.push_back(jeu->donne);
        }
    }

    QWidget* controle(QWidget* w, const QString& nom) { return w->findChild<QWidget*>(nom); }

    QTemporaryDir dossier;
    std::unique_ptr<BaseHistorique> base;
    std::unique_ptr<Jeu> jeu;
    std::unique_ptr<TfrmBelvane> fenetre;
    MinuteursManuels minuteurs;
    Controleur controleur;
    QTimer fermeur;
    std::vector<QString> messages;
    std::vector<Donne> finies;
};

TEST_F(HistoriqueFenetres, ChaqueDonneFinieEstUneLigneEtSOuvreDansLesFenetresDeRevue) {
    creerFenetre();
    jouer(8);
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(base->nombre(), 8);

    // The result panel shows the last deal's code, and copies it.
    auto* code = static_cast<QLabel*>(controle(fenetre.get(), "PanelCodeDonne"));
    ASSERT_NE(code, nullptr);
    EXPECT_TRUE(code->text().endsWith(QString::fromStdString(codeDonne(jeu->donne)))) << code->text().toStdString();
    QTest::mouseClick(controle(fenetre.get(), "PanelCopierCode"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), codeDonne(jeu->donne));

    fenetre->menuHistoriqueClick();
    TfrmHistorique* h = fenetre->frmHistorique();
    ASSERT_TRUE(h->isVisible());
    ASSERT_EQ(h->nombreLignes(), 8);
    // Newest first: row i is the deal finished 8 - i.
    for (int i = 0; i < 8; ++i) {
        const Donne& d = finies[static_cast<std::size_t>(7 - i)];
        EXPECT_EQ(h->ligne(i).code, codeDonne(d)) << i;
        EXPECT_EQ(h->ligne(i).preneur, d.preneur) << i;
        EXPECT_EQ(h->ligne(i).contrat, d.contrat) << i;
    }

    // Every row opens in the three review windows as the deal was played.
    for (int i = 0; i < 8; ++i) {
        const Donne& d = finies[static_cast<std::size_t>(7 - i)];
        h->choisirLigne(i);
        ASSERT_TRUE(h->voirPlis());
        ASSERT_TRUE(h->frmTousPlis()->isVisible());
        for (int t = 1; t <= 18; ++t)
            for (int s = 1; s <= 4; ++s) {
                auto* image = h->frmTousPlis()->findChild<PetiteCarte*>(QString("CartePli%1").arg(imagePli(t, s)));
                ASSERT_NE(image, nullptr);
                const Carte& jouee = d.mainJoueur[s][d.carteJouee[s][t]];
                EXPECT_EQ(image->couleurCarte(), jouee.couleur) << "ligne " << i << " pli " << t << " siège " << s;
                EXPECT_EQ(image->valeurCarte(), jouee.valeur) << "ligne " << i << " pli " << t << " siège " << s;
            }
        ASSERT_TRUE(h->voirMains());
        EXPECT_TRUE(h->frmMains()->isVisible());
        EXPECT_EQ(h->frmMains()->etat().ecartVisible, d.contrat <= GARDE);
        const Donne& revue = h->jeuRevue().donne;
        for (int s = 1; s <= 4; ++s)
            for (int k = 1; k <= 18; ++k) EXPECT_TRUE(revue.mainInitiale[s][k].memeCarte(d.mainInitiale[s][k]));
        ASSERT_TRUE(h->voirScore());
        Jeu relu;
        relu.donne = d;
        EXPECT_EQ(h->frmScoreDetaille()->feuille().scoreFinalPreneur, calculerScoreDonne(relu));
    }
    // The game being played is not touched by the review.
    EXPECT_EQ(codeDonne(jeu->donne), codeDonne(finies.back()));

    // Filters: by contract, by the human's role.
    for (int c = PRISE; c <= GARDE_CONTRE; ++c) {
        h->filtrer(c, Role::tous);
        int attendu = 0;
        for (const Donne& d : finies) attendu += d.contrat == c;
        EXPECT_EQ(h->nombreLignes(), attendu) << c;
        for (int i = 0; i < h->nombreLignes(); ++i) EXPECT_EQ(h->ligne(i).contrat, c);
    }
    int preneur = 0;
    for (const Donne& d : finies) preneur += d.preneur == 1;
    h->filtrer(0, Role::preneur);
    EXPECT_EQ(h->nombreLignes(), preneur);
    h->filtrer(0, Role::defense);
    EXPECT_EQ(h->nombreLignes(), 8 - preneur);
    h->filtrer(0, Role::tous);
    EXPECT_EQ(h->nombreLignes(), 8);

    // The statistics: what the human took, and the scores' course.
    fenetre->menuStatistiquesClick();
    TfrmStatistiques* st = fenetre->frmStatistiques();
    ASSERT_TRUE(st->isVisible());
    EXPECT_EQ(st->statistiques().donnes, 8);
    EXPECT_EQ(st->cellulePreneur(4, 0), QString::number(preneur));
    const QList<QAbstractSeries*> series = st->graphique()->series();
    ASSERT_EQ(series.size(), 4);
    auto* sud = static_cast<QLineSeries*>(series[0]);
    ASSERT_EQ(sud->count(), 9);
    EXPECT_EQ(sud->at(8).y(), jeu->scores.scoreTotal[1]);

    // The export: a header and one line per deal.
    const QString csv = QDir(dossier.path()).filePath("export.csv");
    ASSERT_TRUE(h->exporterVers(csv));
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().count('\n'), 9);
}

TEST_F(HistoriqueFenetres, RejouerDepuisLaListeOuParUnCode) {
    creerFenetre();
    jouer(3);
    const Table<int, 1, 4> totaux = jeu->scores.scoreTotal;
    fenetre->menuHistoriqueClick();
    TfrmHistorique* h = fenetre->frmHistorique();
    ASSERT_EQ(h->nombreLignes(), 3);

    // The oldest deal, dealt again from the list.
    h->choisirLigne(2);
    jeu->options.optionForceMain = 6;  // would hand South a Garde Contre on a fresh deal
    ASSERT_TRUE(h->rejouerCetteDonne());
    EXPECT_FALSE(h->isVisible());
    EXPECT_EQ(jeu->donne.modeRejouer, 1);
    EXPECT_EQ(codeDonne(jeu->donne), codeDonne(finies[0]));
    EXPECT_EQ(jeu->donne.premierJoueur, finies[0].premierJoueur);
    jouer(1, 1);
    EXPECT_EQ(jeu->scores.scoreTotal, totaux);
    ASSERT_EQ(messages.size(), 1u);  // the game's own replay message
    EXPECT_EQ(base->nombre(), 4);
    EXPECT_TRUE(base->resumes().front().rejouee);
    jeu->options.optionForceMain = 2;

    // A code with one character wrong is refused and nothing changes.
    const std::string bon = codeDonne(finies[1]);
    std::string faux = bon;
    faux[3] = faux[3] == 'A' ? 'B' : 'A';
    const std::string avant = codeDonne(jeu->donne);
    QString refus;
    EXPECT_FALSE(fenetre->jouerDonneParCode(QString::fromStdString(faux), &refus));
    EXPECT_EQ(refus, texteErreurCode(ErreurCode::controle, FRANCAIS));
    EXPECT_EQ(codeDonne(jeu->donne), avant);
    EXPECT_FALSE(fenetre->jouerDonneParCode("ABC", &refus));
    EXPECT_EQ(refus, texteErreurCode(ErreurCode::longueur, FRANCAIS));

    // The right one deals that deal again.
    EXPECT_TRUE(fenetre->jouerDonneParCode(QString::fromStdString(bon).toLower()));
    EXPECT_EQ(codeDonne(jeu->donne), bon);
    EXPECT_EQ(jeu->donne.modeRejouer, 1);
}

TEST_F(HistoriqueFenetres, UnHistoriqueAbimeEstMisDeCoteEtLeJoueurPrevenuUneFois) {
    {
        QFile f(base->chemin());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("pas une base").repeated(500));
    }
    creerFenetre();
    jouer(2);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith("L'historique des donnes était illisible")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(base->cheminMisDeCote()));
    EXPECT_EQ(base->nombre(), 2);
    fenetre->menuHistoriqueClick();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(fenetre->frmHistorique()->nombreLignes(), 2);
}

// The history held by another program during three deals: the player is told
// once, in his language, and the three deals are in it once it is free.
TEST_F(HistoriqueFenetres, UnHistoriqueTenuAilleursEstSignaleUneFoisSansPerdreDeDonne) {
    for (const int langue : {FRANCAIS, ANGLAIS}) {
        base = std::make_unique<BaseHistorique>(QDir(dossier.path()).filePath(QString("tenu%1.sqlite").arg(langue)));
        ASSERT_TRUE(base->ouvrir());
        messages.clear();
        finies.clear();
        creerFenetre();
        jeu->options.langue = langue;
        {
            QSqlDatabase b = QSqlDatabase::addDatabase("QSQLITE", "tenant");
            b.setDatabaseName(base->chemin());
            ASSERT_TRUE(b.open());
            ASSERT_TRUE(QSqlQuery(b).exec("BEGIN IMMEDIATE"));
            jouer(3);
            QSqlQuery(b).exec("ROLLBACK");
            b.close();
        }
        QSqlDatabase::removeDatabase("tenant");
        ASSERT_EQ(messages.size(), 1u) << langue;
        EXPECT_EQ(messages[0], texteAvertissementHistorique(static_cast<int>(EtatHistorique::occupee), base->chemin(), langue));
        EXPECT_TRUE(messages[0].startsWith(langue == FRANCAIS ? "L'historique des donnes" : "The history of deals"));
        EXPECT_EQ(base->enAttente(), 3u);
        jouer(1);
        EXPECT_EQ(base->nombre(), 4);
        EXPECT_EQ(messages.size(), 1u);
        fenetre.reset();
    }
}

// The deal axis of the chart reads whole numbers, each once, after one deal
// as after many (after one deal it read "0 0 0 0 0 1").
TEST_F(HistoriqueFenetres, LAxeDesDonnesNeMontreQueDesNombresEntiers) {
    creerFenetre();
    int jouees = 0;
    for (const int n : {1, 2, 3, 7}) {
        jouer(n - jouees);
        jouees = n;
        fenetre->menuStatistiquesClick();
        TfrmStatistiques* st = fenetre->frmStatistiques();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the axes of the last showing
        const QRectF zone = st->graphique()->plotArea();
        std::vector<int> etiquettes;
        for (QGraphicsItem* i : st->graphique()->scene()->items()) {
            auto* t = dynamic_cast<QGraphicsTextItem*>(i);
            if (!t || !t->isVisible() || t->sceneBoundingRect().top() < zone.bottom()) continue;
            // Below the plot: the deal axis' labels, its title and the legend's names.
            bool entier = false;
            const int v = t->toPlainText().toInt(&entier);
            if (entier) etiquettes.push_back(v);
        }
        std::sort(etiquettes.begin(), etiquettes.end());
        EXPECT_GE(etiquettes.size(), 2u) << n;
        EXPECT_EQ(std::adjacent_find(etiquettes.begin(), etiquettes.end()), etiquettes.end()) << n;
        EXPECT_EQ(etiquettes.front(), 0) << n;
        EXPECT_GE(etiquettes.back(), n) << n;
        st->hide();
    }
}

TEST_F(HistoriqueFenetres, SansHistoriqueLeJeuJoueCommeAvantEtLesArticlesSontInactifs) {
    creerFenetre();
    fenetre->attacherHistorique(nullptr);
    jouer(1);
    EXPECT_EQ(base->nombre(), 0);
    EXPECT_TRUE(messages.empty());
    auto* article = fenetre->findChild<QAction*>("menuHistorique");
    ASSERT_NE(article, nullptr);
    EXPECT_FALSE(article->isEnabled());
    EXPECT_TRUE(fenetre->findChild<QAction*>("menuJouerCode")->isEnabled());
    EXPECT_EQ(article->text(), "&Historique");
}

}  // namespace

namespace {

TEST_F(HistoriqueFenetres, LOptionRendLePanneauDeResultatTelQuIlEtait) {
    creerFenetre();
    jeu->options.optionCodeDonne = 1;
    fenetre->show();
    jouer(1);
    auto* code = controle(fenetre.get(), "PanelCodeDonne");
    auto* texte = controle(fenetre.get(), "PanelTexteResultat");
    ASSERT_TRUE(code->isVisible());
    EXPECT_TRUE(controle(fenetre.get(), "PanelCopierCode")->isVisible());
    EXPECT_GE(texte->y(), code->geometry().bottom()) << "the result text below the code";
    auto* article = fenetre->findChild<QAction*>("menuCodeDonne");
    ASSERT_NE(article, nullptr);
    article->trigger();
    EXPECT_EQ(jeu->options.optionCodeDonne, 0);
    EXPECT_FALSE(code->isVisible());
    EXPECT_FALSE(controle(fenetre.get(), "PanelCopierCode")->isVisible());
    EXPECT_EQ(texte->geometry(), QRect(8, 4, 777, 46)) << "the panel as it always was";
    jouer(1);
    EXPECT_FALSE(code->isVisible());
    article->trigger();
    EXPECT_TRUE(code->isVisible());
}

}  // namespace
