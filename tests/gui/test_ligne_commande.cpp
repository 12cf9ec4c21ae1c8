// The game's command line: --help and --version answer on the terminal,
// anything else is refused in one line, and no argument starts the game.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QRegularExpression>

#include "app/icone.h"
#include "app/ligne_commande.h"

namespace {

enum class Attendu { Demarre, Aide, Version, Refus };

struct CasLigne {
    QStringList arguments;  // after the program's name
    Attendu attendu;
    const char* motDuRefus;  // a word the refusal must quote
};

const CasLigne casLigne[] = {
    {{}, Attendu::Demarre, ""},
    {{"--help"}, Attendu::Aide, ""},
    {{"-h"}, Attendu::Aide, ""},
    {{"--version"}, Attendu::Version, ""},
    {{"-v"}, Attendu::Version, ""},
    {{"--bogus"}, Attendu::Refus, "bogus"},
    {{"-x"}, Attendu::Refus, "x"},
    {{"jouer"}, Attendu::Refus, "jouer"},
    {{"--"}, Attendu::Refus, "--"},
    {{"--help", "encore"}, Attendu::Refus, "encore"},
    {{"--version=2"}, Attendu::Refus, "version"},
    // Qt's own options are not the game's either.
    {{"-platform", "offscreen"}, Attendu::Refus, "platform"},
    {{"--help-all"}, Attendu::Refus, "help-all"},
};

}  // namespace

TEST(LigneDeCommande, ChaqueArgumentAUneReponse) {
    for (const CasLigne& c : casLigne) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ReponseLigneDeCommande r = repondreLigneDeCommande(QStringList{"/usr/bin/belvane"} + c.arguments);
        EXPECT_EQ(r.demarrer, c.attendu == Attendu::Demarre);
        switch (c.attendu) {
            case Attendu::Demarre:
                EXPECT_TRUE(r.sortie.isEmpty());
                EXPECT_TRUE(r.erreur.isEmpty());
                break;
            case Attendu::Aide:
                EXPECT_EQ(r.code, 0);
                EXPECT_TRUE(r.erreur.isEmpty());
                EXPECT_TRUE(r.sortie.contains("--help"));
                EXPECT_TRUE(r.sortie.contains("--version"));
                EXPECT_TRUE(r.sortie.contains("French Tarot"));
                break;
            case Attendu::Version:
                EXPECT_EQ(r.code, 0);
                EXPECT_TRUE(r.erreur.isEmpty());
                EXPECT_TRUE(QRegularExpression("^belvane \\d+\\.\\d+\\.\\d+\\n$").match(r.sortie).hasMatch())
                    << r.sortie.toStdString();
                break;
            case Attendu::Refus:
                EXPECT_EQ(r.code, 2);
                EXPECT_TRUE(r.sortie.isEmpty());
                // One line, naming the program, quoting the argument, pointing at the help.
                EXPECT_EQ(r.erreur.count('\n'), 1) << r.erreur.toStdString();
                EXPECT_TRUE(r.erreur.endsWith('\n'));
                EXPECT_TRUE(r.erreur.startsWith("belvane: ")) << r.erreur.toStdString();
                EXPECT_TRUE(r.erreur.contains(c.motDuRefus)) << r.erreur.toStdString();
                EXPECT_TRUE(r.erreur.contains("belvane --help")) << r.erreur.toStdString();
                break;
        }
    }
}

TEST(IconeBelvane, ChaqueTailleEstPeinteEtDetouree) {
    const QIcon icone = iconeBelvane();
    ASSERT_FALSE(icone.isNull());
    QList<int> cotes;
    for (const QSize& taille : icone.availableSizes()) cotes.append(taille.width());
    std::sort(cotes.begin(), cotes.end());
    EXPECT_EQ(cotes, (QList<int>{16, 32, 48, 64, 128, 256}));
    for (const int cote : cotes) {
        SCOPED_TRACE(cote);
        const QImage image = icone.pixmap(QSize(cote, cote)).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(cote, cote));
        // The fan stands on a transparent square: the corners are empty, the
        // middle is the Excuse, and the cards cover a good part of the square.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(cote - 1, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(cote / 2, cote / 2)), 255);
        int couverts = 0;
        for (int y = 0; y < cote; ++y)
            for (int x = 0; x < cote; ++x)
                if (qAlpha(image.pixel(x, y)) > 128) ++couverts;
        EXPECT_GT(couverts, cote * cote / 2);
        EXPECT_LT(couverts, cote * cote * 9 / 10);
    }
}
