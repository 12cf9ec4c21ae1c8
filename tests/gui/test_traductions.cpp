// Qt's own texts follow the language of the splash: standard buttons and
// dialogs speak French after "Version française", English otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "settings/options.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fSplash/fsplash.h"
#include "ui/langue.h"

namespace {

// The text of a standard Yes button, as a message box would show it.
QString boutonOui() {
    QDialogButtonBox boite(QDialogButtonBox::Yes | QDialogButtonBox::No);
    return boite.button(QDialogButtonBox::Yes)->text();
}

class TraductionsQt : public ::testing::Test {
protected:
    void SetUp() override {
        jeu = std::make_unique<Jeu>();
        splash = std::make_unique<TfrmSplash>(*jeu);
        splash->attacherTraductions(&traductions);
        principale = std::make_unique<TfrmBelvane>(*jeu, splash->facteur());
        chargerOptions(*jeu);
        initialiserPartie(*jeu);
        splash->attacherPrincipale(principale.get());
    }
    void TearDown() override { QCoreApplication::removeTranslator(&traductions); }

    QTranslator traductions;
    std::unique_ptr<Jeu> jeu;
    std::unique_ptr<TfrmSplash> splash;
    std::unique_ptr<TfrmBelvane> principale;
};

TEST_F(TraductionsQt, VersionFrancaiseGivesQtsFrenchButtons) {
    EXPECT_EQ(boutonOui(), "&Yes");
    QTest::mouseClick(splash->findChild<QPushButton*>("PanelStartFrench"), Qt::LeftButton);
    EXPECT_FALSE(traductions.isEmpty());
    EXPECT_EQ(boutonOui(), "&Oui");
    EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(), "Annuler");
}

TEST_F(TraductionsQt, EnglishVersionKeepsQtInEnglish) {
    // Even after French had been loaded once: English takes it out again.
    ASSERT_TRUE(traduireQt(traductions, FRANCAIS));
    EXPECT_EQ(boutonOui(), "&Oui");
    QTest::mouseClick(splash->findChild<QPushButton*>("PanelStartEnglish"), Qt::LeftButton);
    EXPECT_EQ(boutonOui(), "&Yes");
}

}  // namespace
