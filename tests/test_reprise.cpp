#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <fcntl.h>
#include <memory>
#include <random>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "historique/base.h"
#include "historique/code_donne.h"
#include "historique/donne_archivee.h"
#include "historique/statistiques.h"
#include "reprise/entrainement.h"
#include "reprise/reprise.h"
#include "tests/partie_reprise.h"

namespace {

// Steps until `donnes` deals are over; each state after a step, in order.
std::vector<QByteArray> jouerDroit(PartieReprise& p, int donnes) {
    std::vector<QByteArray> etats;
    for (int n = 0, garde = 0; n < donnes && garde < 20000; ++garde) {
        const bool finie = p.jeu.donne.numeroPli == 19;
        p.unPas();
        etats.push_back(p.etat());
        n += !finie && p.jeu.donne.numeroPli == 19;
    }
    return etats;
}

// Plays until the human is to play a card of trick `pli`.
void jouerJusquAuTourHumain(PartieReprise& p, Reprise& reprise, int pli) {
    for (int garde = 0; garde < 5000; ++garde) {
        const Donne& d = p.jeu.donne;
        if (d.numeroPli == pli && d.humainPeutJouer && d.joueurCourant == 1) {
            if (d.poigneeEnCours) PanelPoigneeAucuneClick(p.jeu);
            reprise.noterEtape(p.jeu, p.suivis.armes());
            return;
        }
        p.unPas();
        reprise.noterEtape(p.jeu, p.suivis.armes());
    }
}

// Plays the deal in progress to its end.
void finirDonne(PartieReprise& p) {
    for (int garde = 0; garde < 5000 && p.jeu.donne.numeroPli != 19; ++garde) p.unPas();
}

}  // namespace

// The state after every step, written and read back into a new game that then
// takes the next step, gives the very same states as the game played straight:
// same cards, same bids, same discards, same rule log, same draws.
TEST(Reprise, UneDonneRepriseAChaqueEtapeJoueCommeLaDonneJoueeDroit) {
    for (std::uint64_t graine : {3u, 8u, 21u}) {
        PartieReprise droite(graine);
        const std::vector<QByteArray> attendus = jouerDroit(droite, 2);
        ASSERT_GT(attendus.size(), 100u);

        auto p = std::make_unique<PartieReprise>(graine);
        for (std::size_t i = 0; i < attendus.size(); ++i) {
            p->unPas();
            const QByteArray etat = p->etat();
            ASSERT_EQ(etat, attendus[i]) << "seed " << graine << ", step " << i;
            auto suivante = std::make_unique<PartieReprise>(graine);
            suivante->heriterDe(*p);
            ASSERT_TRUE(suivante->reprendre(etat)) << "step " << i;
            // Drawing the table again moves nothing of the game.
            ASSERT_EQ(suivante->etat(), etat) << "step " << i;
            p = std::move(suivante);
        }
        EXPECT_EQ(p->jeu.scores.scoreTotal, droite.jeu.scores.scoreTotal);
        EXPECT_EQ(p->jeu.regles.poidsRegle, droite.jeu.regles.poidsRegle);
    }
}

class RepriseSurDisque : public ::testing::Test {
protected:
    QTemporaryDir dossier;
    QString fichier() const { return dossier.filePath("donne_en_cours.belvane"); }
    static void ecrireFichier(const QString& chemin, const QByteArray& octets) {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
    static QByteArray lireFichier(const QString& chemin) {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// The file follows the deal: written at its first step, rewritten at each,
// removed once the deal is scored; read back at the next start.
TEST_F(RepriseSurDisque, LeFichierSuitLaDonneEtDisparaitASaFin) {
    Reprise reprise(fichier());
    PartieReprise p(5);
    EXPECT_TRUE(reprise.noterEtape(p.jeu, p.suivis.armes()));
    EXPECT_FALSE(QFile::exists(fichier())) << "nothing dealt yet";
    jouerJusquAuTourHumain(p, reprise, 4);
    ASSERT_TRUE(QFile::exists(fichier()));
    EXPECT_EQ(lireFichier(fichier()), p.etat());

    Reprise suivante(fichier());
    ASSERT_EQ(suivante.ouvrir(), EtatReprise::prete);
    PartieReprise q(99);
    MinuteursArmes m;
    ASSERT_TRUE(suivante.reprendre(q.jeu, m));
    EXPECT_EQ(ecrireInstantane(q.jeu, m), p.etat());

    for (int garde = 0; garde < 5000 && p.jeu.donne.numeroPli != 19; ++garde) {
        p.unPas();
        reprise.noterEtape(p.jeu, p.suivis.armes());
    }
    EXPECT_FALSE(QFile::exists(fichier()));
    EXPECT_EQ(Reprise(fichier()).ouvrir(), EtatReprise::aucune);
}

// A file that is not a whole deal of this version is renamed aside, kept as
// it was, and never read into the game.
TEST_F(RepriseSurDisque, UnFichierAbimeOuEtrangerEstMisDeCote) {
    PartieReprise p(7);
    Reprise r0(dossier.filePath("autre"));
    jouerJusquAuTourHumain(p, r0, 3);
    const QByteArray bon = p.etat();

    PartieReprise doublon(7);
    doublon.jeu.donne = p.jeu.donne;
    doublon.jeu.donne.mainJoueur[2][5] = doublon.jeu.donne.mainJoueur[3][5];
    PartieReprise horsLimites(7);
    horsLimites.jeu.donne = p.jeu.donne;
    horsLimites.jeu.donne.joueurCourant = 9;
    QByteArray autreVersion = bon;
    autreVersion[22] = static_cast<char>(0x7f);  // the first byte of the version, just after the magic

    struct Cas {
        const char* quoi;
        QByteArray octets;
        LectureInstantane lecture;
    };
    const Cas cas[] = {
        {"an empty file", QByteArray(), LectureInstantane::abimee},
        {"the first half of a file", bon.left(bon.size() / 2), LectureInstantane::abimee},
        {"one byte changed", QByteArray(bon).replace(500, 1, "\x55"), LectureInstantane::abimee},
        {"another program's file", QByteArray(4000, 'x'), LectureInstantane::etrangere},
        {"another version", autreVersion, LectureInstantane::etrangere},
        {"a card twice", doublon.etat(), LectureInstantane::incoherente},
        {"a seat out of range", horsLimites.etat(), LectureInstantane::incoherente},
    };
    for (const Cas& c : cas) {
        PartieReprise q(1);
        const QByteArray avant = q.etat();
        MinuteursArmes m;
        EXPECT_EQ(lireInstantane(c.octets, q.jeu, m), c.lecture) << c.quoi;
        EXPECT_EQ(q.etat(), avant) << c.quoi << ": the game must not change";

        ecrireFichier(fichier(), c.octets);
        Reprise reprise(fichier());
        EXPECT_EQ(reprise.ouvrir(), EtatReprise::miseDeCote) << c.quoi;
        EXPECT_FALSE(QFile::exists(fichier())) << c.quoi;
        EXPECT_EQ(lireFichier(reprise.cheminMisDeCote()), c.octets) << c.quoi;
        EXPECT_FALSE(reprise.reprendre(q.jeu, m)) << c.quoi;
        QFile::remove(reprise.cheminMisDeCote());
    }
    // The good one, by contrast, reads.
    PartieReprise q(1);
    MinuteursArmes m;
    EXPECT_EQ(lireInstantane(bon, q.jeu, m), LectureInstantane::lue);
}

// A process killed at random moments while it saves after every step leaves
// no file (between deals) or one whole state of the deals it plays, and that
// state plays on to the end of its deal.
TEST_F(RepriseSurDisque, UnProcessusTueAuHasardLaisseUnEtatEntier) {
    constexpr std::uint64_t graine = 11;
    constexpr int donnes = 2;
    std::set<QByteArray> possibles;
    {
        PartieReprise p(graine);
        for (const QByteArray& e : jouerDroit(p, donnes)) possibles.insert(e);
    }
    std::mt19937 alea(23);
    int trouves = 0;
    for (int essai = 0; essai < 15; ++essai) {
        const std::string chemin = fichier().toStdString();
        std::vector<std::string> args = {BELVANE_AIDE_REPRISE, "boucle", chemin, std::to_string(graine),
                                         std::to_string(donnes)};
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        int tube[2];
        ASSERT_EQ(pipe(tube), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, tube[1], 1);
        posix_spawn_file_actions_addclose(&actions, tube[0]);
        pid_t pid = -1;
        ASSERT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(tube[1]);
        char pret[8] = {};
        ASSERT_GT(read(tube[0], pret, sizeof pret - 1), 0);  // the first deal is being played
        close(tube[0]);
        usleep(alea() % 30000);
        kill(pid, SIGKILL);
        int etat = 0;
        ASSERT_EQ(waitpid(pid, &etat, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(etat));

        const QByteArray octets = lireFichier(fichier());
        // Killed between two deals (or before the first save): no file, nothing to resume.
        if (!QFile::exists(fichier())) continue;
        ++trouves;
        ASSERT_TRUE(possibles.count(octets)) << "try " << essai << ": not a state of the deals played";
        Reprise reprise(fichier());
        ASSERT_EQ(reprise.ouvrir(), EtatReprise::prete) << essai;
        PartieReprise q(graine);
        MinuteursArmes m;
        ASSERT_TRUE(reprise.reprendre(q.jeu, m));
        armerMinuteurs(q.jeu, m);
        finirDonne(q);
        EXPECT_EQ(q.jeu.donne.numeroPli, 19) << essai;
        QFile::remove(fichier());
    }
    EXPECT_GT(trouves, 0);
}

// Taking back the human's last card puts back the table as it was just before
// it, computers' cards after it included; the deal then counts as practice:
// no score, no weight moves, and the history marks it.
TEST_F(RepriseSurDisque, ReprendreSaCarteRemetLaDonneAvantElleEtEnFaitUnEntrainement) {
    for (int pli : {1, 6, 18}) {
        PartieReprise p(13);
        Reprise reprise(fichier());
        jouerJusquAuTourHumain(p, reprise, pli);
        ASSERT_EQ(p.jeu.donne.numeroPli, pli);
        // At his turn, his card of the trick before may be taken back; none before the first.
        EXPECT_EQ(reprise.peutReprendreCarte(p.jeu), pli > 1) << pli;
        const QByteArray avant = p.etat();
        // His card, and the play after it up to the next trick's turn or the last card.
        for (int garde = 0; garde < 50 && cartesJoueesHumain(p.jeu) < pli; ++garde) {
            p.unPas();
            reprise.noterEtape(p.jeu, p.suivis.armes());
        }
        for (int garde = 0; garde < 4 && p.jeu.donne.nbCartesPli != 0; ++garde) {
            p.unPas();
            reprise.noterEtape(p.jeu, p.suivis.armes());
        }
        if (p.jeu.donne.numeroPli == 19) {
            EXPECT_FALSE(reprise.peutReprendreCarte(p.jeu)) << "the deal is already scored";
            continue;
        }
        ASSERT_TRUE(reprise.peutReprendreCarte(p.jeu)) << pli;
        MinuteursArmes m;
        ASSERT_TRUE(reprise.reprendreCarte(p.jeu, m));
        EXPECT_EQ(p.jeu.donne.entrainement, 1);
        p.jeu.donne.entrainement = 0;
        EXPECT_EQ(ecrireInstantane(p.jeu, m), avant) << pli;
        p.jeu.donne.entrainement = 1;

        const Table<int, 1, 4> scores = p.jeu.scores.scoreTotal;
        const auto poids = p.jeu.regles.poidsRegle;
        armerMinuteurs(p.jeu, m);
        finirDonne(p);
        ASSERT_EQ(p.jeu.donne.numeroPli, 19);
        EXPECT_EQ(p.jeu.scores.scoreTotal, scores) << pli;
        EXPECT_EQ(p.jeu.regles.poidsRegle, poids) << pli;
        EXPECT_TRUE(archiverDonne(p.jeu, "").entrainement);
    }
}

// "Practise from here": the same hands, auction, dog, discard and cards up to
// the chosen trick, then the deal plays on as practice.
TEST(Entrainement, LaDonneRejoueeJusquAuPliChoisiPuisJoueeEnEntrainement) {
    for (std::uint64_t graine : {2u, 4u, 9u, 17u}) {
        PartieReprise p(graine);
        jouerDroit(p, 1);
        const DonneArchivee a = archiverDonne(p.jeu, "");
        ASSERT_FALSE(a.entrainement);
        for (int pli : {1, 2, 10, 18}) {
            PartieReprise q(graine + 100);
            q.jeu.regles.poidsRegle = p.jeu.regles.poidsRegle;
            ASSERT_TRUE(entrainerDepuis(q.jeu, a, pli)) << "seed " << graine << ", trick " << pli;
            const Donne& d = q.jeu.donne;
            EXPECT_EQ(d.entrainement, 1);
            EXPECT_EQ(d.numeroPli, pli);
            EXPECT_EQ(d.nbCartesPli, 0);
            EXPECT_EQ(d.preneur, a.preneur);
            EXPECT_EQ(d.enchere, a.enchere);
            EXPECT_EQ(codeDonne(d), a.code);
            for (int i = 1; i <= 6; ++i) EXPECT_EQ(idCarte(d.chien[i]), a.ecart[i]);
            for (int t = 1; t < pli; ++t) {
                EXPECT_EQ(d.entameurPli[t], p.jeu.donne.entameurPli[t]);
                for (int s = 1; s <= 4; ++s)
                    EXPECT_TRUE(d.mainJoueur[s][d.carteJouee[s][t]].memeCarte(
                        p.jeu.donne.mainJoueur[s][p.jeu.donne.carteJouee[s][t]]))
                        << "trick " << t << ", seat " << s;
            }
            const Table<int, 1, 4> scores = q.jeu.scores.scoreTotal;
            const auto poids = q.jeu.regles.poidsRegle;
            finirDonne(q);
            ASSERT_EQ(q.jeu.donne.numeroPli, 19);
            EXPECT_EQ(q.jeu.scores.scoreTotal, scores);
            EXPECT_EQ(q.jeu.regles.poidsRegle, poids);
            EXPECT_TRUE(archiverDonne(q.jeu, "").entrainement);
        }
    }
}

TEST(Entrainement, UnRecordQuiNeSeRejouePasLaisseLeJeuCommeIlEtait) {
    PartieReprise p(2);
    jouerDroit(p, 1);
    const DonneArchivee bonne = archiverDonne(p.jeu, "");
    struct Cas {
        const char* quoi;
        DonneArchivee a;
        int pli;
    };
    std::vector<Cas> cas = {{"trick 0", bonne, 0}, {"trick 19", bonne, 19}};
    cas.push_back({"a code that does not read", bonne, 5});
    cas.back().a.code = "XXXX";
    cas.push_back({"two cards swapped within a trick's seats", bonne, 5});
    std::swap(cas.back().a.sieges[1], cas.back().a.sieges[2]);
    cas.push_back({"a card the seat does not hold", bonne, 5});
    cas.back().a.cartes[1] = cas.back().a.cartes[2];
    cas.push_back({"another discard", bonne, 5});
    cas.back().a.ecart[1] = cas.back().a.cartes[1];
    for (const Cas& c : cas) {
        PartieReprise q(40);
        for (int i = 0; i < 30; ++i) q.unPas();
        const QByteArray avant = q.etat();
        EXPECT_FALSE(entrainerDepuis(q.jeu, c.a, c.pli)) << c.quoi;
        EXPECT_EQ(q.etat(), avant) << c.quoi;
    }
}

// The history's figures leave practice deals out and count them apart.
TEST(Entrainement, LesStatistiquesLaissentLesEntrainementsDeCote) {
    auto donne = [](long long id, int preneur, int contrat, int score, bool entrainement) {
        ResumeDonne r;
        r.id = id;
        r.preneur = preneur;
        r.contrat = contrat;
        r.score = score;
        r.gainHumain = preneur == 1 ? score : -score / 3;
        r.niveau = 4;
        r.totaux.remplir(static_cast<int>(id));
        r.entrainement = entrainement;
        return r;
    };
    const std::vector<ResumeDonne> sans = {donne(1, 1, 2, 150, false), donne(3, 2, 1, -75, false)};
    std::vector<ResumeDonne> avec = sans;
    avec.push_back(donne(2, 1, 2, -300, true));
    avec.push_back(donne(4, 1, 4, 900, true));
    const Statistiques s = calculerStatistiques(avec);
    const Statistiques t = calculerStatistiques(sans);
    EXPECT_EQ(s.entrainements, 2);
    EXPECT_EQ(t.entrainements, 0);
    EXPECT_EQ(s.donnes, t.donnes);
    EXPECT_EQ(s.parContrat[GARDE].prises, t.parContrat[GARDE].prises);
    EXPECT_EQ(s.parContrat[GARDE].sommeScores, 150);
    EXPECT_EQ(s.parContrat[GARDE_CONTRE].prises, 0);
    EXPECT_EQ(s.parNiveau[4].sommeGains, t.parNiveau[4].sommeGains);
    EXPECT_EQ(s.evolution, t.evolution);
    EXPECT_NE(exporterCsv(avec).find(",1\r\n"), std::string::npos) << "the export marks them";
}

// The history keeps the mark in a column added to files written before it.
TEST_F(RepriseSurDisque, LHistoriqueGardeLaMarqueDEntrainement) {
    PartieReprise p(2);
    jouerDroit(p, 1);
    const QString chemin = dossier.filePath("historique.sqlite");
    {
        BaseHistorique base(chemin);
        ASSERT_TRUE(base.ouvrir());
    }
    {
        // A file of the first schema, without the column.
        QSqlDatabase b = QSqlDatabase::addDatabase("QSQLITE", "ancienne");
        b.setDatabaseName(chemin);
        ASSERT_TRUE(b.open());
        QSqlQuery q(b);
        if (!q.exec("ALTER TABLE donne DROP COLUMN entrainement")) {
            b.close();
            QSqlDatabase::removeDatabase("ancienne");
            GTEST_SKIP() << "this SQLite cannot drop a column";
        }
        b.close();
    }
    QSqlDatabase::removeDatabase("ancienne");
    BaseHistorique base(chemin);
    ASSERT_TRUE(base.ouvrir());
    EXPECT_EQ(base.etat(), EtatHistorique::ouverte);
    DonneArchivee comptee = archiverDonne(p.jeu, "2026-12-09T05:00:00Z");
    DonneArchivee entrainement = comptee;
    entrainement.entrainement = true;
    ASSERT_TRUE(base.ajouter(comptee));
    ASSERT_TRUE(base.ajouter(entrainement));
    const std::vector<ResumeDonne> r = base.resumes();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_TRUE(r[0].entrainement);
    EXPECT_FALSE(r[1].entrainement);
    EXPECT_EQ(base.lire(entrainement.id), entrainement);
    EXPECT_EQ(base.lire(comptee.id), comptee);
    EXPECT_EQ(calculerStatistiques(r).donnes, 1);
}

// A field added to the deal's state must be added to the snapshot's list of
// fields (reprise/instantane.cpp, champs), or a resumed deal would lose it:
// these sizes change with any field, and tell which list to look at.
TEST(Reprise, ChaqueChampDeLEtatEstDansLInstantane) {
    EXPECT_EQ(sizeof(Donne), 5320u) << "a field of Donne: add it to champs, then set the size here";
    EXPECT_EQ(sizeof(Connaissances), 9304u) << "a field of Connaissances: add it to champs, then set the size here";
    EXPECT_EQ(sizeof(EtatRegles), 1512u) << "a field of EtatRegles: add it to champs, then set the size here";
    EXPECT_EQ(sizeof(SelectionPoignee), 36u) << "a field of SelectionPoignee: add it to champs, then set the size here";
}
