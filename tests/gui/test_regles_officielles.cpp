// The official rules in the real window: the rules menu and its switches, the
// human taker's chelem offer and its mark, the handfuls shown on the table.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fPoignee/fpoignee.h"

namespace {

struct Fenetre {
    std::unique_ptr<Jeu> jeu = std::make_unique<Jeu>();
    std::unique_ptr<TfrmPoignee> poignee;
    std::unique_ptr<TfrmBelvane> fenetre;

    Fenetre() {
        jeu->hasard.horloge = horlogeDeterministe(5);
        poignee = std::make_unique<TfrmPoignee>(*jeu, 1.0);
        fenetre = std::make_unique<TfrmBelvane>(*jeu, 1.0);
        fenetre->attacherPoignee(poignee.get());
        jeu->finDeDonne = finDeDonne;
        chargerOptions(*jeu);
        initialiserPartie(*jeu);
        fenetre->show();
    }
    ~Fenetre() {
        fenetre.reset();
        poignee.reset();
    }
    QAction* action(const char* nom) const { return fenetre->findChild<QAction*>(nom); }
    template <typename T = QWidget>
    T* controle(const char* nom) const { return fenetre->findChild<T*>(nom); }
};

}  // namespace

TEST(ReglesOfficiellesFenetre, LeMenuDesReglesEtSesInterrupteurs) {
    Fenetre f;
    Options& o = f.jeu->options;
    ASSERT_NE(f.action("menuReglesOfficielles"), nullptr);
    EXPECT_EQ(o.optionChelem, 0) << "the game's own rules by default";
    EXPECT_TRUE(f.action("menuReglesBelvane")->isChecked());

    f.action("menuReglesOfficielles")->trigger();
    EXPECT_EQ(o.optionChelem, 1);
    EXPECT_EQ(o.optionPoigneesOrdinateurs, 1);
    EXPECT_TRUE(f.action("menuReglesOfficielles")->isChecked());
    EXPECT_TRUE(f.action("menuOptionChelem")->isChecked());

    // One difference off: neither rule set is checked any more.
    f.action("menuOptionPoigneesOrdinateurs")->trigger();
    EXPECT_EQ(o.optionChelem, 1);
    EXPECT_EQ(o.optionPoigneesOrdinateurs, 0);
    EXPECT_FALSE(f.action("menuReglesOfficielles")->isChecked());
    EXPECT_FALSE(f.action("menuReglesBelvane")->isChecked());

    f.action("menuReglesBelvane")->trigger();
    EXPECT_EQ(o.optionChelem, 0);
    EXPECT_EQ(o.optionPoigneesOrdinateurs, 0);
    EXPECT_TRUE(f.action("menuReglesBelvane")->isChecked());
}

TEST(ReglesOfficiellesFenetre, OffreDeChelemEtPoigneesMontrees) {
    Fenetre f;
    Donne& d = f.jeu->donne;
    d.preneur = d.joueurHumain;
    d.reglesChelem = 1;
    d.chelemEnCours = 1;
    f.fenetre->montrerOffreChelem(true);
    auto* annoncer = f.controle<QPushButton>("PanelAnnoncerChelem");
    ASSERT_NE(annoncer, nullptr);
    ASSERT_TRUE(annoncer->isVisible());
    QTest::mouseClick(annoncer, Qt::LeftButton);
    EXPECT_EQ(d.chelemAnnonce, d.joueurHumain);
    EXPECT_EQ(d.joueurEntame, d.joueurHumain) << "the announcer leads";
    EXPECT_FALSE(f.controle("PanelChelem")->isVisible());
    EXPECT_TRUE(f.controle("PanelChelemAnnonce")->isVisible());

    Table<Carte, 1, 15> atouts;
    for (int v = 1; v <= 10; ++v) atouts[v] = carte(ATOUT, v);
    f.fenetre->montrerPoigneeSiege(EST, "Est montre une poignée simple", atouts, 10);
    auto* montrees = f.controle<QLabel>("PanelPoigneesMontrees");
    ASSERT_NE(montrees, nullptr);
    EXPECT_TRUE(montrees->isVisible());
    EXPECT_TRUE(montrees->text().startsWith("Est montre une poignée simple : 1 2 3"));
    EXPECT_TRUE(montrees->text().endsWith(" 10"));
    f.fenetre->cacherPoigneesSieges();
    EXPECT_FALSE(montrees->isVisible());
}
