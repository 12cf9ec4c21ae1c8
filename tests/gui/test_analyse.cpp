// The open-cards analysis window: its button on the result panel, its menu
// item and its button in the 18-tricks window, a whole deal analysed in a
// few seconds with the same values as belvane-analyse, a click on a line, and
// stopping it by closing the window or by a new deal.
#include <gtest/gtest.h>

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <sstream>

#include "engine/textes.h"
#include "settings/magasin_memoire.h"
#include "tests/donne_analysee.h"
#include "tools/analyse/analyse.h"
#include "ui/fAnalyse/fanalyse.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fTousPlis/ftousplis.h"
#include "ui/langue.h"
#include "ui/revue/controles_revue.h"

namespace {

QString qs(Texte t, int langue) { return QString::fromStdString(texte(t, langue)); }

class Analyse : public ::testing::Test {
protected:
    void SetUp() override {
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

    // A deal played to its result panel.
    void jouer(std::uint64_t graine) {
        jouerDonneAnalysee(*jeu, minuteurs, graine);
        ASSERT_EQ(jeu->donne.numeroPli, 19);
        appliquerOptions(*jeu);
    }
    QPushButton* bouton(const char* nom) { return fenetre->findChild<QPushButton*>(nom); }
    QAction* action(const char* nom) { return fenetre->findChild<QAction*>(nom); }
    TfrmAnalyse& analyse() { return *fenetre->frmAnalyse(); }

    template <typename Condition>
    bool attendre(Condition condition, int ms) {
        for (int t = 0; t < ms; t += 10) {
            if (condition()) return true;
            QTest::qWait(10);
        }
        return condition();
    }

    // The values belvane-analyse prints for this deal: index 0 before the
    // first card, k after card k; nullopt where it printed null.
    std::vector<std::optional<int>> valeursOutil(double budget) {
        ParametresAnalyse p;
        p.budget = budget;
        std::istringstream entree(enregistrementDonne(jeu->donne));
        std::ostringstream sortie, erreurs;
        EXPECT_EQ(executerAnalyse(p, entree, sortie, erreurs), 0) << erreurs.str();
        const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(sortie.str())).object();
        std::vector<std::optional<int>> v;
        auto lire = [&](const QJsonValue& x) { v.push_back(x.isDouble() ? std::optional<int>(x.toInt()) : std::nullopt); };
        lire(o["start"]);
        for (const QJsonValue& x : o["after"].toArray()) lire(x);
        return v;
    }

    MagasinMemoire magasin;
    MinuteursManuels minuteurs;
    std::unique_ptr<Jeu> jeu;
    std::unique_ptr<TfrmBelvane> fenetre;
};

}  // namespace

TEST_F(Analyse, LeBoutonDuResultatLeMenuEtLOption) {
    jouer(3);
    auto* resultat = fenetre->findChild<QWidget*>("PanelResultat");
    auto* analyser = bouton("PanelAnalyse");
    ASSERT_NE(analyser, nullptr);
    EXPECT_FALSE(resultat->isHidden());
    EXPECT_TRUE(analyser->isVisibleTo(resultat));
    EXPECT_EQ(analyser->text(), "ANALYSE");
    EXPECT_TRUE(action("menuAnalyse")->isEnabled());
    const char* noms[] = {"PanelVoirMains", "PanelVoirPlis", "PanelScoreDetaille", "panelRejouerDonne",
                          "PanelPanelNewPartie", "PanelAnalyse"};
    // Six buttons side by side inside the panel.
    const auto sixDansLePanneau = [&](const char* quand) {
        for (int i = 0; i < 6; ++i) {
            EXPECT_TRUE(resultat->rect().contains(bouton(noms[i])->geometry())) << noms[i] << " " << quand;
            if (i > 0) {
                EXPECT_GT(bouton(noms[i])->x(), bouton(noms[i - 1])->geometry().right()) << noms[i] << " " << quand;
            }
        }
    };
    sixDansLePanneau("at first");

    // The option takes the button away and gives the five buttons their place.
    action("menuBoutonAnalyse")->trigger();
    EXPECT_EQ(jeu->options.optionBoutonAnalyse, 0);
    EXPECT_FALSE(action("menuBoutonAnalyse")->isChecked());
    EXPECT_TRUE(analyser->isHidden());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(bouton(noms[i])->geometry(), QRect(8 + i * 156, 54, 150, 34)) << noms[i];
    action("menuBoutonAnalyse")->trigger();
    EXPECT_FALSE(analyser->isHidden());
    // Laying the table out again at another size keeps the six in place.
    fenetre->show();
    fenetre->resize(fenetre->width() + 240, fenetre->height() + 180);
    QTest::qWait(50);
    sixDansLePanneau("after a resize");

    // The time per deal: three radio items, stored.
    action("menuAnalyseTrenteSecondes")->trigger();
    EXPECT_EQ(jeu->options.optionTempsAnalyse, 2);
    EXPECT_EQ(analyse().budget(), 30);
    EXPECT_TRUE(action("menuAnalyseTrenteSecondes")->isChecked());
    EXPECT_FALSE(action("menuAnalyseDixSecondes")->isChecked());
    EXPECT_TRUE(magasin.lire("optionTempsAnalyse").has_value());

    // The button, the menu item and the 18-tricks window each open the analysis.
    analyse().fixerBudget(0.5);
    const std::function<void()> ouvertures[] = {
        [&] { analyser->click(); },
        [&] { action("menuAnalyse")->trigger(); },
        [&] { fenetre->frmTousPlis()->findChild<QPushButton*>("buttonAnalysePlis")->click(); },
    };
    for (const auto& ouvrir : ouvertures) {
        analyse().hide();
        ASSERT_TRUE(analyse().isHidden());
        ouvrir();
        EXPECT_FALSE(analyse().isHidden());
        ASSERT_NE(analyse().analyse(), nullptr);
        EXPECT_EQ(analyse().windowTitle(), qs(Texte::frmAnalyse, FRANCAIS));
    }
    EXPECT_EQ(fenetre->frmTousPlis()->findChild<QPushButton*>("buttonAnalysePlis")->text(), "ANALYSE");
}

TEST_F(Analyse, UneDonneEntiereAvecLesValeursDeLOutil) {
    jouer(7);
    analyse().fixerBudget(4);
    QSignalSpy finie(&analyse(), &TfrmAnalyse::analyseFinie);
    bouton("PanelAnalyse")->click();
    ASSERT_TRUE(analyse().enCours());
    // The last tricks come first and at once.
    ASSERT_TRUE(attendre([&] { return analyse().analyse()->nbResolues() >= 8; }, 3000));
    EXPECT_TRUE(analyse().analyse()->resolue(72));
    EXPECT_FALSE(analyse().analyse()->resolue(0));
    EXPECT_FALSE(analyse().findChild<QLabel*>("labelEtat")->text().isEmpty());
    ASSERT_TRUE(finie.wait(30000) || finie.count() == 1);
    EXPECT_FALSE(analyse().enCours());

    const AnalyseDonne& a = *analyse().analyse();
    auto* barre = analyse().findChild<QProgressBar*>("barreProgression");
    EXPECT_EQ(barre->maximum(), 73);
    EXPECT_EQ(barre->value(), a.nbResolues());
    EXPECT_EQ(a.resultat(72).valeur, scoreFinal(a.position(72)));

    // The lines: the human's first and marked, then the others, each with its cost.
    const auto& lignes = analyse().lignesAffichees();
    auto* liste = analyse().findChild<QTreeWidget*>("listeLignes");
    ASSERT_EQ(liste->topLevelItemCount(), 2);
    const int humain = jeu->donne.joueurHumain;
    int nbHumain = liste->topLevelItem(0)->childCount();
    if (nbHumain == 1 && !liste->topLevelItem(0)->child(0)->data(0, Qt::UserRole + 1).isValid()) nbHumain = 0;
    for (int i = 0; i < static_cast<int>(lignes.size()); ++i) {
        const LigneAnalyse& l = lignes[static_cast<std::size_t>(i)];
        if (!l.etablie) continue;
        EXPECT_EQ(l.siege == humain, i < nbHumain) << i;
        if (i < nbHumain) {
            EXPECT_TRUE(liste->topLevelItem(0)->child(i)->text(1).contains("\u25B6")) << i;
        }
        if (a.resultat(l.numero - 1).exact && a.resultat(l.numero).exact) {
            EXPECT_EQ(l.cout, std::abs(a.resultat(l.numero - 1).valeur - a.resultat(l.numero).valeur)) << i;
        }
    }

    // belvane-analyse on the same deal: every value both settled is the same.
    const auto outil = valeursOutil(0.2);
    ASSERT_EQ(outil.size(), 73u);
    int communes = 0;
    for (int k = 0; k <= 72; ++k) {
        if (!outil[static_cast<std::size_t>(k)] || !a.resolue(k) || !a.resultat(k).exact) continue;
        ++communes;
        EXPECT_EQ(*outil[static_cast<std::size_t>(k)], a.resultat(k).valeur) << "position " << k;
    }
    EXPECT_GE(communes, 20);

    // In English.
    jeu->options.langue = ANGLAIS;
    appliquerLangue(*jeu);
    EXPECT_EQ(analyse().windowTitle(), qs(Texte::frmAnalyse, ANGLAIS));
    EXPECT_EQ(liste->headerItem()->text(0), "Trick");
    EXPECT_TRUE(analyse().findChild<QLabel*>("labelMeilleur")->text().startsWith(qs(Texte::analyseMeilleur, ANGLAIS)));
    EXPECT_TRUE(liste->topLevelItem(0)->text(0).startsWith("Your cards"));
}

TEST_F(Analyse, UnClicSurUneLigneMontreSonPli) {
    // Deals until one has a settled line with a better card.
    int ligne = -1;
    for (std::uint64_t graine = 7; graine < 14 && ligne < 0; ++graine) {
        jouer(graine);
        analyse().fixerBudget(3);
        QSignalSpy finie(&analyse(), &TfrmAnalyse::analyseFinie);
        bouton("PanelAnalyse")->click();
        ASSERT_TRUE(finie.wait(30000) || finie.count() == 1);
        const auto& lignes = analyse().lignesAffichees();
        for (std::size_t i = 0; i < lignes.size() && ligne < 0; ++i)
            if (lignes[i].etablie && lignes[i].avecMeilleure) ligne = static_cast<int>(i);
    }
    ASSERT_GE(ligne, 0);
    const LigneAnalyse l = analyse().lignesAffichees()[static_cast<std::size_t>(ligne)];
    const AnalyseDonne& a = *analyse().analyse();

    // The click, on the list.
    auto* liste = analyse().findChild<QTreeWidget*>("listeLignes");
    QTreeWidgetItem* item = nullptr;
    for (int g = 0; g < 2 && !item; ++g)
        for (int i = 0; i < liste->topLevelItem(g)->childCount(); ++i)
            if (liste->topLevelItem(g)->child(i)->data(0, Qt::UserRole + 1).toInt() == ligne)
                item = liste->topLevelItem(g)->child(i);
    ASSERT_NE(item, nullptr);
    liste->setCurrentItem(item);
    EXPECT_EQ(analyse().pliMontre(), l.pli);

    // The four cards of the trick in their places, the lead and the winner framed.
    const int premiere = (l.pli - 1) * 4 + 1;
    for (int k = premiere; k < premiere + 4; ++k) {
        auto* image = analyse().findChild<ImageCarte*>(QString("cartePli%1").arg(a.siege(k)));
        EXPECT_FALSE(image->isHidden());
        EXPECT_EQ(image->couleurCarte(), a.carte(k).couleur);
        EXPECT_EQ(image->valeurCarte(), a.carte(k).valeur);
    }
    const int entameur = a.position(premiere - 1).entameur;
    const int gagnant = a.position(premiere + 3).entameur;
    auto* carteEntame = analyse().findChild<ImageCarte*>(QString("cartePli%1").arg(entameur));
    auto* carteGagnant = analyse().findChild<ImageCarte*>(QString("cartePli%1").arg(gagnant));
    EXPECT_TRUE(analyse().findChild<CadreCarte*>("cadreEntame")->geometry().contains(carteEntame->geometry()));
    EXPECT_TRUE(analyse().findChild<CadreCarte*>("cadreGagnant")->geometry().contains(carteGagnant->geometry()));
    EXPECT_TRUE(analyse().findChild<QLabel*>("legendePli")->text().contains(
        QString::fromStdString(nomJoueur(gagnant, FRANCAIS))));

    // The card played, and the better one beside it.
    auto* jouee = analyse().findChild<ImageCarte*>("carteJouee");
    const ImageCarte* mieux = analyse().carteMieux();
    EXPECT_FALSE(jouee->isHidden());
    EXPECT_FALSE(mieux->isHidden());
    EXPECT_EQ(jouee->couleurCarte(), l.carte.couleur);
    EXPECT_EQ(jouee->valeurCarte(), l.carte.valeur);
    EXPECT_EQ(mieux->couleurCarte(), l.meilleure.couleur);
    EXPECT_EQ(mieux->valeurCarte(), l.meilleure.valeur);
    EXPECT_EQ(mieux->y(), jouee->y());
    EXPECT_GT(mieux->x(), jouee->geometry().right());
    EXPECT_FALSE(l.carte.memeCarte(l.meilleure));
}

TEST_F(Analyse, FermerLaFenetreArreteLeTravail) {
    jouer(11);
    analyse().fixerBudget(120);
    bouton("PanelAnalyse")->click();
    // Both threads at work: the values and the coach's verdict.
    ASSERT_TRUE(attendre([&] { return analyse().analyse()->nbResolues() >= 1; }, 3000));
    ASSERT_TRUE(attendre([&] { return analyse().bilanEntraineur().verdict.depuisPli <= 18; }, 5000));
    EXPECT_TRUE(analyse().travailEnCours());
    analyse().close();
    EXPECT_TRUE(analyse().isHidden());
    EXPECT_FALSE(analyse().enCours());
    // The solver stops at once, and nothing more arrives.
    EXPECT_TRUE(attendre([&] { return !analyse().travailEnCours(); }, 2000));
    const int resolues = analyse().analyse()->nbResolues();
    const int etapes = analyse().etapesRecues();
    QTest::qWait(200);
    EXPECT_EQ(analyse().analyse()->nbResolues(), resolues);
    EXPECT_EQ(analyse().etapesRecues(), etapes);
    EXPECT_LT(resolues, 73);
}

TEST_F(Analyse, UneNouvelleDonneArreteLAnalyse) {
    jouer(13);
    analyse().fixerBudget(120);
    bouton("PanelAnalyse")->click();
    ASSERT_TRUE(attendre([&] { return analyse().analyse()->nbResolues() >= 1; }, 3000));
    action("menuNewGame")->trigger();
    EXPECT_TRUE(analyse().isHidden());
    EXPECT_FALSE(analyse().enCours());
    EXPECT_FALSE(action("menuAnalyse")->isEnabled());
    EXPECT_TRUE(attendre([&] { return !analyse().travailEnCours(); }, 2000));

    // The next deal is analysed from scratch.
    Controleur sansControle;
    for (int essai = 0; essai < 20 && jouerDonneAutomatique(*jeu, minuteurs, sansControle) != IssueDonne::Jouee; ++essai)
        continuer(*jeu);
    ASSERT_EQ(jeu->donne.numeroPli, 19);
    analyse().fixerBudget(1);
    QSignalSpy finie(&analyse(), &TfrmAnalyse::analyseFinie);
    bouton("PanelAnalyse")->click();
    ASSERT_TRUE(finie.wait(15000) || finie.count() == 1);
    DonneJouee jouee;
    ASSERT_TRUE(donneDesTables(jeu->donne, jouee));
    for (int k = 1; k <= 72; ++k) EXPECT_TRUE(analyse().analyse()->carte(k).memeCarte(jouee.cartes[static_cast<std::size_t>(k - 1)]));
}
