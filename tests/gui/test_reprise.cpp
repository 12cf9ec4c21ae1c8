// The deal kept through a close in the real windows: saved after each step,
// offered again at the next start, a card taken back with Ctrl+Z, a damaged
// file set aside and reported, and "Practise from here" from the windows of a
// finished deal.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "engine/chien.h"
#include "engine/enchere.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "flow/deroulement.h"
#include "flow/minuteurs_manuels.h"
#include "historique/base.h"
#include "reprise/reprise.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "ui/fAnalyse/fanalyse.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fHistorique/fhistorique.h"
#include "ui/fTousPlis/ftousplis.h"
#include "ui/reprise/bouton_entrainement.h"
#include "ui/reprise/gardien_reprise.h"

namespace {

// One run of the game: the table, its store-less options, the history and the
// deal's file in `dossier`, timers fired by hand.
struct Session {
    std::unique_ptr<Jeu> jeu = std::make_unique<Jeu>();
    MinuteursManuels minuteurs;
    std::unique_ptr<TfrmBelvane> fenetre;
    std::unique_ptr<BaseHistorique> base;
    std::unique_ptr<Reprise> reprise;
    std::unique_ptr<GardienReprise> gardien;

    explicit Session(const QString& dossier) {
        jeu->hasard.horloge = horlogeDeterministe(77);
        fenetre = std::make_unique<TfrmBelvane>(*jeu, 1.0);
        jeu->finDeDonne = finDeDonne;
        chargerOptions(*jeu);
        jeu->options.langue = FRANCAIS;
        jeu->options.optionConfirmerAbandon = 0;
        appliquerOptions(*jeu);
        initialiserPartie(*jeu);
        jeu->options.optionForceMain = 2;
        base = std::make_unique<BaseHistorique>(QDir(dossier).filePath("historique.sqlite"));
        fenetre->attacherHistorique(base.get());
        jeu->minuteurs = &minuteurs;
        reprise = std::make_unique<Reprise>(QDir(dossier).filePath("donne_en_cours.belvane"));
        gardien = std::make_unique<GardienReprise>(*jeu, *fenetre, *reprise, base.get());
    }
    ~Session() {
        gardien.reset();
        jeu->minuteurs = &minuteursNuls();
    }

    // One step as a plain player takes it, then the save the window makes after it.
    void unPas() {
        Donne& d = jeu->donne;
        if (!minuteurs.declencher(*jeu)) {
            if (d.numeroPli == 0 && d.etatAttente == 0) {
                annoncerEnchere(*jeu, d.enchere[1]);
            } else if (d.modeEcart == 1) {
                for (int pos = 1; pos <= 24 && d.nbCartesEcartees < 6; ++pos) cliquerCarteEcart(*jeu, pos);
                confirmerEcart(*jeu);
            } else if (d.humainPeutJouer && d.joueurCourant == 1) {
                if (d.poigneeEnCours) PanelPoigneeAucuneClick(*jeu);
                for (int k = 1; k <= 18; ++k)
                    if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) {
                        jouerCarteHumain(*jeu, k);
                        break;
                    }
            } else {
                continuer(*jeu);
            }
        }
        gardien->noter();
    }
    void jusquAuTourHumain(int pli) {
        for (int garde = 0; garde < 3000; ++garde) {
            const Donne& d = jeu->donne;
            if (d.numeroPli == pli && d.humainPeutJouer && d.joueurCourant == 1 && !d.poigneeEnCours) return;
            unPas();
        }
    }
    void jusquALaFin() {
        for (int garde = 0; garde < 3000 && jeu->donne.numeroPli != 19; ++garde) unPas();
    }
    QByteArray etat() const { return ecrireInstantane(*jeu, {}); }
};

class RepriseFenetres : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dossier.isValid());
        repondeur.setInterval(10);
        QObject::connect(&repondeur, &QTimer::timeout, [this] {
            auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!m) return;
            messages.push_back(m->text());
            if (QAbstractButton* oui = m->button(QMessageBox::Yes)) oui->click();
            else m->close();
        });
        repondeur.start();
    }
    QString fichier() const { return QDir(dossier.path()).filePath("donne_en_cours.belvane"); }

    QTemporaryDir dossier;
    QTimer repondeur;
    std::vector<QString> messages;
};

}  // namespace

TEST_F(RepriseFenetres, LaDonneFermeeEnPleinJeuEstRepriseAuDemarrageSuivant) {
    QByteArray avant;
    std::vector<bool> mainVisible;
    {
        Session s(dossier.path());
        nouvelleDonne(*s.jeu, 0);
        s.jusquAuTourHumain(7);
        ASSERT_EQ(s.jeu->donne.numeroPli, 7);
        ASSERT_TRUE(QFile::exists(fichier()));
        avant = s.etat();
        for (int k = 1; k <= 18; ++k) mainVisible.push_back(s.jeu->donne.mainJoueur[1][k].enMain);
    }  // the game closes without a word: the file stays

    Session s(dossier.path());
    s.fenetre->show();  // the first show, once the language is chosen, offers the deal
    QTRY_VERIFY_WITH_TIMEOUT(!messages.empty(), 5000);
    EXPECT_TRUE(messages[0].contains("reprendre")) << messages[0].toStdString();
    QTRY_COMPARE_WITH_TIMEOUT(s.jeu->donne.numeroPli, 7, 5000);
    EXPECT_EQ(s.etat(), avant);
    // The table shows the deal as it was: the cards still held, the others gone.
    for (int k = 1; k <= 18; ++k) {
        auto* image = s.fenetre->findChild<QWidget*>(QString("Carte3D%1").arg(k));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->isVisible(), mainVisible[static_cast<std::size_t>(k - 1)]) << k;
    }
    s.jusquALaFin();
    EXPECT_EQ(s.jeu->donne.numeroPli, 19);
    EXPECT_FALSE(QFile::exists(fichier()));
}

TEST_F(RepriseFenetres, UnFichierAbimeEstMisDeCoteEtSignaleUneFois) {
    {
        QFile f(fichier());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("BELVANE-DONNE-EN-COURS and then nothing that reads");
    }
    Session s(dossier.path());
    s.fenetre->show();
    QTRY_VERIFY_WITH_TIMEOUT(!messages.empty(), 5000);
    EXPECT_TRUE(messages[0].contains(s.reprise->cheminMisDeCote())) << messages[0].toStdString();
    EXPECT_FALSE(QFile::exists(fichier()));
    EXPECT_TRUE(QFile::exists(s.reprise->cheminMisDeCote()));
    EXPECT_EQ(s.jeu->donne.numeroPli, 0) << "nothing of it is played";
    s.fenetre->hide();
    s.fenetre->show();
    QTest::qWait(50);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(RepriseFenetres, CtrlZReprendLaDerniereCarteEtLaDonneDevientUnEntrainement) {
    Session s(dossier.path());
    s.fenetre->show();
    s.fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.fenetre.get()));
    nouvelleDonne(*s.jeu, 0);
    s.jusquAuTourHumain(4);
    const QByteArray avant = s.etat();
    const Table<int, 1, 4> scores = s.jeu->scores.scoreTotal;
    s.unPas();  // his card of trick 4
    int slot = 0;
    for (int k = 1; k <= 18; ++k) slot = s.jeu->donne.carteJouee[1][4] == k ? k : slot;
    ASSERT_GT(slot, 0);
    for (int i = 0; i < 3; ++i) s.unPas();
    ASSERT_TRUE(s.gardien->actionReprendreCarte()->isEnabled());

    QTest::keyClick(s.fenetre.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s.jeu->donne.entrainement, 1);
    s.jeu->donne.entrainement = 0;
    EXPECT_EQ(s.etat(), avant);
    s.jeu->donne.entrainement = 1;
    EXPECT_TRUE(s.fenetre->findChild<QWidget*>(QString("Carte3D%1").arg(slot))->isVisible());

    s.jusquALaFin();
    ASSERT_EQ(s.jeu->donne.numeroPli, 19);
    EXPECT_EQ(s.jeu->scores.scoreTotal, scores);
    ASSERT_EQ(s.base->resumes().size(), 1u);
    EXPECT_TRUE(s.base->resumes()[0].entrainement);
    EXPECT_FALSE(s.gardien->actionReprendreCarte()->isEnabled());
}

TEST_F(RepriseFenetres, SEntrainerDIciDepuisLesTroisFenetres) {
    Session s(dossier.path());
    s.fenetre->show();
    nouvelleDonne(*s.jeu, 0);
    s.jusquALaFin();
    ASSERT_EQ(s.jeu->donne.numeroPli, 19);
    const Table<int, 1, 4> scores = s.jeu->scores.scoreTotal;
    const std::string code = codeDonne(s.jeu->donne);

    auto cliquer = [](QWidget* fenetre, int pli) {
        auto* b = fenetre->findChild<BoutonEntrainement*>();
        if (!b) return false;
        b->choisirPli(pli);
        QTest::mouseClick(b->bouton(), Qt::LeftButton);
        return true;
    };
    // The 18 tricks of the deal just played.
    s.fenetre->frmTousPlis()->ouvrir();
    ASSERT_TRUE(cliquer(s.fenetre->frmTousPlis(), 9));
    EXPECT_FALSE(s.fenetre->frmTousPlis()->isVisible());
    EXPECT_EQ(s.jeu->donne.numeroPli, 9);
    EXPECT_EQ(s.jeu->donne.entrainement, 1);
    EXPECT_EQ(codeDonne(s.jeu->donne), code);
    s.jusquALaFin();

    // The analysis window of that deal.
    s.fenetre->frmAnalyse()->show();
    ASSERT_TRUE(cliquer(s.fenetre->frmAnalyse(), 16));
    EXPECT_EQ(s.jeu->donne.numeroPli, 16);
    EXPECT_EQ(codeDonne(s.jeu->donne), code);
    s.jusquALaFin();

    // The history: the first deal, the one that counted.
    s.fenetre->menuHistoriqueClick();
    TfrmHistorique* h = s.fenetre->frmHistorique();
    ASSERT_EQ(h->nombreLignes(), 3);
    EXPECT_TRUE(h->ligne(0).entrainement);
    EXPECT_TRUE(h->ligne(1).entrainement);
    EXPECT_FALSE(h->ligne(2).entrainement);
    h->choisirLigne(2);
    ASSERT_TRUE(cliquer(h, 2));
    EXPECT_EQ(s.jeu->donne.numeroPli, 2);
    EXPECT_EQ(codeDonne(s.jeu->donne), code);
    s.jusquALaFin();
    EXPECT_EQ(s.jeu->scores.scoreTotal, scores) << "practice moves no score";
    EXPECT_EQ(calculerStatistiques(s.base->resumes()).entrainements, 3);
    EXPECT_EQ(calculerStatistiques(s.base->resumes()).donnes, 1);
}
