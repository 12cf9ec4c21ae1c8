// The history of the deals: the deal codes, a deal's row through a real
// SQLite file, the replay of a stored deal, a file that cannot be used, and a
// long headless run written to the history.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <algorithm>
#include <chrono>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include "engine/distribution.h"
#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "flow/minuteurs_manuels.h"
#include "historique/base.h"
#include "historique/code_donne.h"
#include "historique/donne_archivee.h"
#include "historique/rejouer.h"
#include "scoring/feuille_score.h"
#include "scoring/score.h"
#include "settings/magasin_memoire.h"
#include "settings/options.h"
#include "tools/autoplay/autoplay.h"
#include "tools/autoplay/partie_auto.h"

namespace {

// Qt SQL loads its driver as a plugin: it wants an application object.
void applicationQt() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char nom[] = "belvane_tests";
    static char* argv[] = {nom, nullptr};
    static QCoreApplication application(argc, argv);
}

// A game that plays itself, every deal reproducible from the seed.
struct Partie {
    Jeu jeu;
    MinuteursManuels minuteurs;
    Controleur controleur;

    explicit Partie(std::uint64_t graine) {
        jeu.minuteurs = &minuteurs;
        jeu.hasard.horloge = horlogeDeterministe(graine);
        initialiserPartie(jeu);
        optionsParDefaut(jeu);
    }
    // Deals (mode 0 fresh, 1 replay) and plays until a deal is played out.
    void jouer(int mode = 0) {
        if (mode == 0) nouvelleDonne(jeu, 0);
        for (;;) {
            const IssueDonne issue = jouerDonneAutomatique(jeu, minuteurs, controleur);
            ASSERT_NE(issue, IssueDonne::Interrompue);
            if (issue == IssueDonne::Jouee) return;
            continuer(jeu);  // everybody passed: the click deals again
        }
    }
};

Table<int, 1, 6> idsChien(const Chien& c) {
    Table<int, 1, 6> t;
    for (int i = 1; i <= 6; ++i) t[i] = idCarte(c[i]);
    return t;
}

// Hands and dogs as card ids, to compare and to show.
std::string ids(const Table<Main, 1, 4>& mains) {
    std::string t;
    for (int s = 1; s <= 4; ++s) {
        for (int i = 1; i <= 18; ++i) t += std::to_string(idCarte(mains[s][i])) + " ";
        t += "| ";
    }
    return t;
}
std::string ids(const Chien& c) {
    std::string t;
    for (int i = 1; i <= 6; ++i) t += std::to_string(idCarte(c[i])) + " ";
    return t;
}

std::string remplacer(std::string code, std::size_t i, char c) {
    code[i] = c;
    return code;
}

}  // namespace

TEST(CodeDonne, UneDonneRelueDonneLesMemesMainsLeMemeChienEtLeMemeEntameur) {
    for (std::uint64_t graine = 1; graine <= 200; ++graine) {
        Jeu jeu;
        jeu.hasard.horloge = horlogeDeterministe(graine);
        optionsParDefaut(jeu);
        jeu.donne.premierJoueur = static_cast<int>(graine % 4) + 1;
        distribuer(jeu, 0);
        const std::string code = codeDonne(jeu.donne);
        ASSERT_EQ(code.size(), 34u + 6u) << code;  // 34 characters in groups of five
        const LectureCode lu = lireCode(code);
        ASSERT_EQ(lu.erreur, ErreurCode::aucune) << code;
        EXPECT_EQ(lu.repartition, repartitionDonne(jeu.donne)) << code;

        // The deck the code stands for deals the same sorted hands and dog.
        Jeu autre;
        optionsParDefaut(autre);
        autre.options.optionForceMain = 2;
        autre.donne.paquetSauve = paquetDeRepartition(lu.repartition);
        autre.donne.premierJoueur = lu.repartition.premierJoueur;
        distribuer(autre, 1);
        EXPECT_EQ(ids(autre.donne.mainInitiale), ids(jeu.donne.mainInitiale)) << code;
        EXPECT_EQ(ids(autre.donne.chienInitial), ids(jeu.donne.chienInitial)) << code;
        EXPECT_EQ(autre.donne.premierJoueur, jeu.donne.premierJoueur) << code;
    }
}

TEST(CodeDonne, PremiereEtDerniereRepartitions) {
    // Cards in id order: the first 18 to South, ... the last 6 to the dog.
    Repartition premiere;
    for (int id = 1; id <= 78; ++id) premiere.place[id] = std::min((id - 1) / 18 + 1, DANS_LE_CHIEN);
    premiere.premierJoueur = 1;
    EXPECT_EQ(codeDonne(premiere), "00000-00000-00000-00000-00000-00000-0000");
    // The reverse order is the last of all; with West opening, the largest code.
    Repartition derniere;
    for (int id = 1; id <= 78; ++id) derniere.place[id] = id <= 6 ? DANS_LE_CHIEN : 4 - (id - 7) / 18;
    derniere.premierJoueur = 4;
    const std::string code = codeDonne(derniere);
    const LectureCode lu = lireCode(code);
    ASSERT_EQ(lu.erreur, ErreurCode::aucune) << code;
    EXPECT_EQ(lu.repartition, derniere);
    EXPECT_EQ(lireCode(codeDonne(premiere)).repartition, premiere);
}

// Codes already stored in histories or passed between players must keep
// naming the same deals: each row's code was written by an earlier build.
TEST(CodeDonne, UnCodeDejaDonneNommeToujoursLaMemeDonne) {
    auto tiree = [](std::uint64_t graine, int premier) {
        Jeu jeu;
        jeu.hasard.horloge = horlogeDeterministe(graine);
        optionsParDefaut(jeu);
        jeu.donne.premierJoueur = premier;
        distribuer(jeu, 0);
        return repartitionDonne(jeu.donne);
    };
    Repartition derniere;
    for (int id = 1; id <= 78; ++id) derniere.place[id] = id <= 6 ? DANS_LE_CHIEN : 4 - (id - 7) / 18;
    derniere.premierJoueur = 4;
    // Cards dealt round the table one by one, the dog taking every 13th.
    Repartition tour;
    for (int id = 1, s = 0; id <= 78; ++id) tour.place[id] = id % 13 == 0 ? DANS_LE_CHIEN : (s++ % 4) + 1;
    tour.premierJoueur = 2;
    const struct {
        const char* nom;
        Repartition repartition;
        const char* code;
    } lignes[] = {
        {"the last repartition, West opening", derniere, "SKTKP-JKCZN-VS9RC-DSJXF-M3T3Y-ZKBSM-YQZU"},
        {"cards dealt round the table", tour, "24WBT-TEECA-BTEFR-JAY5V-JV690-VY40S-759R"},
        {"a shuffled deal, South opening", tiree(1, 1), "NYR95-NAWES-Z8YF4-3SBRX-SKN6G-7G07B-WB90"},
        {"a shuffled deal, East opening", tiree(2, 3), "HJFBN-Q25CM-3FGYA-2RXR8-V6ZEJ-356CB-RVV3"},
        {"a shuffled deal, West opening", tiree(3, 4), "EA50R-Z3HR9-W6WZ2-TVCS6-0XZXZ-RG16R-GD4T"},
    };
    for (const auto& l : lignes) {
        EXPECT_EQ(codeDonne(l.repartition), l.code) << l.nom;
        const LectureCode lu = lireCode(l.code);
        EXPECT_EQ(lu.erreur, ErreurCode::aucune) << l.nom;
        EXPECT_EQ(lu.repartition, l.repartition) << l.nom;
    }
}

TEST(CodeDonne, UnCodeMalRecopieEstRefuse) {
    Jeu jeu;
    jeu.hasard.horloge = horlogeDeterministe(77);
    optionsParDefaut(jeu);
    distribuer(jeu, 0);
    const std::string code = codeDonne(jeu.donne);
    static constexpr char chiffres[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

    // Any one character changed, anywhere.
    int essais = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] == '-') continue;
        for (char c : std::string(chiffres)) {
            if (c == code[i]) continue;
            ++essais;
            const ErreurCode e = lireCode(remplacer(code, i, c)).erreur;
            EXPECT_TRUE(e == ErreurCode::controle || e == ErreurCode::horsLimites) << i << " " << c;
        }
    }
    EXPECT_GT(essais, 33 * 30);
    // Any two different neighbours swapped (the check character aside).
    std::string brut;
    for (char c : code)
        if (c != '-') brut.push_back(c);
    for (std::size_t i = 0; i + 2 < brut.size(); ++i) {
        if (brut[i] == brut[i + 1]) continue;
        std::string s = brut;
        std::swap(s[i], s[i + 1]);
        EXPECT_EQ(lireCode(s).erreur, ErreurCode::controle) << i;
    }

    std::string minuscules = brut;
    for (char& c : minuscules) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    struct Cas {
        const char* quoi;
        std::string texte;
        ErreurCode attendu;
    };
    const Cas cas[] = {
        {"tel quel", code, ErreurCode::aucune},
        {"sans tirets, en minuscules, avec des blancs", " " + minuscules + " \n", ErreurCode::aucune},
        {"un caractère de trop", code + "0", ErreurCode::longueur},
        {"un caractère en moins", code.substr(1), ErreurCode::longueur},
        {"vide", "", ErreurCode::longueur},
        {"un U parmi les chiffres", remplacer(code, 0, 'U'), ErreurCode::caractere},
        {"un signe de contrôle parmi les chiffres", remplacer(code, 1, '*'), ErreurCode::caractere},
        {"une ponctuation", remplacer(code, 2, '.'), ErreurCode::caractere},
    };
    for (const Cas& c : cas) EXPECT_EQ(lireCode(c.texte).erreur, c.attendu) << c.quoi;
    // O for 0 and I or L for 1, as a player may read them.
    std::string lu = brut;
    for (char& c : lu) {
        if (c == '0') c = 'O';
        else if (c == '1') c = 'l';
    }
    EXPECT_EQ(lireCode(lu).repartition, lireCode(code).repartition);
}

TEST(CodeDonne, LaPlusGrandeValeurTientDansLeCode) {
    // "ZZZ..Z" with the right check is out of range, never read as another deal.
    std::string tout(33, 'Z');
    int refuses = 0;
    for (char c : std::string("0123456789ABCDEFGHJKMNPQRSTVWXYZ*~$=U")) {
        const ErreurCode e = lireCode(tout + c).erreur;
        EXPECT_NE(e, ErreurCode::aucune);
        refuses += e == ErreurCode::horsLimites;
    }
    EXPECT_EQ(refuses, 1);  // exactly one check character matches
}

class HistoriqueSurDisque : public ::testing::Test {
protected:
    void SetUp() override {
        applicationQt();
        ASSERT_TRUE(dossier_.isValid());
    }
    QString chemin(const char* nom = "historique.sqlite") const { return QDir(dossier_.path()).filePath(nom); }
    QTemporaryDir dossier_;
};

TEST_F(HistoriqueSurDisque, UneDonneFaitLAllerRetourExactementEtSeRelitDansLesTablesDeLaDonne) {
    BaseHistorique base(chemin());
    ASSERT_TRUE(base.ouvrir());
    EXPECT_EQ(base.etat(), EtatHistorique::ouverte);
    EXPECT_FALSE(base.avertissement().has_value());

    Partie partie(2024);
    std::set<int> contrats;
    std::set<int> preneurs;
    std::vector<DonneArchivee> ecrites;
    for (int n = 0; n < 40; ++n) {
        partie.jouer();
        const Donne& d = partie.jeu.donne;
        DonneArchivee a = archiverDonne(partie.jeu, "2026-12-08T10:00:00Z");
        ASSERT_TRUE(base.ajouter(a));
        ASSERT_GT(a.id, 0);
        ecrites.push_back(a);
        contrats.insert(d.contrat);
        preneurs.insert(d.preneur);

        const std::optional<DonneArchivee> lue = base.lire(a.id);
        ASSERT_TRUE(lue.has_value());
        EXPECT_EQ(*lue, a);

        // Back into the deal tables, as the review windows read them.
        Donne r;
        ASSERT_TRUE(restaurerDonne(*lue, partie.jeu.paquet, r));
        EXPECT_EQ(ids(r.mainInitiale), ids(d.mainInitiale));
        EXPECT_EQ(ids(r.chienInitial), ids(d.chienInitial));
        EXPECT_EQ(idsChien(r.chien), idsChien(d.chien));
        EXPECT_EQ(r.origineEcart, d.origineEcart);
        EXPECT_EQ(r.entameurPli, d.entameurPli);
        for (int t = 1; t <= 18; ++t)
            for (int s = 1; s <= 4; ++s)
                EXPECT_TRUE(r.mainJoueur[s][r.carteJouee[s][t]].memeCarte(d.mainJoueur[s][d.carteJouee[s][t]]))
                    << "pli " << t << " siège " << s;
        const FeuilleScore avant = calculerFeuilleScore(d);
        const FeuilleScore apres = calculerFeuilleScore(r);
        EXPECT_EQ(apres.scoreFinalPreneur, avant.scoreFinalPreneur);
        EXPECT_EQ(apres.nbBouts, avant.nbBouts);
        EXPECT_EQ(apres.pointsRealises, avant.pointsRealises);
        Jeu relu;
        relu.donne = r;
        EXPECT_EQ(calculerScoreDonne(relu), a.score);
    }
    EXPECT_GE(contrats.size(), 2u);
    EXPECT_EQ(preneurs.size(), 4u);
    EXPECT_EQ(base.nombre(), 40);

    // The list: newest first, the same columns as the rows.
    const std::vector<ResumeDonne> liste = base.resumes();
    ASSERT_EQ(liste.size(), 40u);
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const DonneArchivee& a = ecrites[ecrites.size() - 1 - i];
        EXPECT_EQ(liste[i].id, a.id);
        EXPECT_EQ(liste[i].code, a.code);
        EXPECT_EQ(liste[i].score, a.score);
        EXPECT_EQ(liste[i].gainHumain, a.gainHumain);
        EXPECT_EQ(liste[i].totaux, a.totaux);
        EXPECT_EQ(liste[i].contrat, a.contrat);
    }
    EXPECT_FALSE(base.lire(9999).has_value());
}

TEST_F(HistoriqueSurDisque, LeFichierSeLitAvecSqlite3CommeIlEstDecrit) {
    {
        BaseHistorique base(chemin());
        Partie partie(5);
        partie.jouer();
        DonneArchivee a = archiverDonne(partie.jeu, "2026-12-08T10:00:00Z");
        ASSERT_TRUE(base.ajouter(a));
    }
    QSqlDatabase b = QSqlDatabase::addDatabase("QSQLITE", "lecture-directe");
    {
        b.setDatabaseName(chemin());
        ASSERT_TRUE(b.open());
        QSqlQuery q(b);
        ASSERT_TRUE(q.exec("PRAGMA journal_mode") && q.next());
        EXPECT_EQ(q.value(0).toString(), "wal");
        ASSERT_TRUE(q.exec("SELECT version FROM version") && q.next());
        EXPECT_EQ(q.value(0).toInt(), BaseHistorique::versionSchema);
        // 72 different cards, four per trick, with the names of the card table.
        ASSERT_TRUE(q.exec("SELECT count(*), count(DISTINCT carte_jouee.carte), max(pli) FROM carte_jouee "
                           "JOIN carte ON carte.id = carte_jouee.carte") && q.next());
        EXPECT_EQ(q.value(0).toInt(), 72);
        EXPECT_EQ(q.value(1).toInt(), 72);
        EXPECT_EQ(q.value(2).toInt(), 18);
        ASSERT_TRUE(q.exec("SELECT nom FROM carte WHERE id IN (14, 57, 78) ORDER BY id"));
        QStringList noms;
        while (q.next()) noms << q.value(0).toString();
        EXPECT_EQ(noms, QStringList({"Roi de Pique", "Excuse", "Atout 21"}));
        b.close();
    }
    b = QSqlDatabase();
    QSqlDatabase::removeDatabase("lecture-directe");
}

TEST_F(HistoriqueSurDisque, RejouerDepuisLHistoriqueOuDepuisLeCodeRedonneLaMemeDonne) {
    BaseHistorique base(chemin());
    Partie partie(31);
    for (int n = 0; n < 6; ++n) {
        partie.jouer();
        DonneArchivee a = archiverDonne(partie.jeu, "2026-12-08T10:00:00Z");
        ASSERT_TRUE(base.ajouter(a));
    }
    const std::vector<ResumeDonne> liste = base.resumes();
    for (const ResumeDonne& r : liste) {
        const std::optional<DonneArchivee> a = base.lire(r.id);
        ASSERT_TRUE(a.has_value());
        Donne originale;
        ASSERT_TRUE(restaurerDonne(*a, partie.jeu.paquet, originale));

        // From the history, in the game that played it, with a hand-strength
        // option that would otherwise hand South a Garde Contre.
        partie.jeu.options.optionForceMain = 6;
        const Table<int, 1, 4> totaux = partie.jeu.scores.scoreTotal;
        rejouerRepartition(partie.jeu, lireCode(a->code).repartition);
        EXPECT_EQ(partie.jeu.options.optionForceMain, 6);
        EXPECT_EQ(partie.jeu.donne.modeRejouer, 1);
        EXPECT_EQ(ids(partie.jeu.donne.mainInitiale), ids(originale.mainInitiale));
        EXPECT_EQ(ids(partie.jeu.donne.chienInitial), ids(originale.chienInitial));
        EXPECT_EQ(partie.jeu.donne.premierJoueur, a->premierJoueur);
        partie.jouer(1);
        EXPECT_EQ(partie.jeu.scores.scoreTotal, totaux) << "a replay leaves the global scores";
        partie.jeu.options.optionForceMain = 2;

        // From the code typed into another game, in lower case without dashes.
        std::string tape;
        for (char c : a->code)
            if (c != '-') tape.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        Partie autre(999);
        const LectureCode lu = lireCode(tape);
        ASSERT_EQ(lu.erreur, ErreurCode::aucune);
        rejouerRepartition(autre.jeu, lu.repartition);
        EXPECT_EQ(ids(autre.jeu.donne.mainInitiale), ids(originale.mainInitiale));
        EXPECT_EQ(ids(autre.jeu.donne.chienInitial), ids(originale.chienInitial));
        EXPECT_EQ(autre.jeu.donne.premierJoueur, a->premierJoueur);
        EXPECT_EQ(codeDonne(autre.jeu.donne), a->code);
    }
}

TEST_F(HistoriqueSurDisque, UnFichierIllisibleEstMisDeCoteEtUnNouveauCommence) {
    // A history of three deals, to damage.
    QByteArray valide;
    {
        BaseHistorique base(chemin("modele.sqlite"));
        Partie partie(8);
        for (int n = 0; n < 60; ++n) {
            partie.jouer();
            DonneArchivee a = archiverDonne(partie.jeu, "2026-12-08T10:00:00Z");
            ASSERT_TRUE(base.ajouter(a));
        }
    }
    {
        QFile f(chemin("modele.sqlite"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        valide = f.readAll();
    }
    ASSERT_GT(valide.size(), 8192);
    QByteArray pagesAbimees = valide;
    for (int i = 4096; i < pagesAbimees.size(); i += 7) pagesAbimees[i] = static_cast<char>(0xA5);

    struct Cas {
        const char* quoi;
        QByteArray contenu;
    };
    const Cas cas[] = {
        {"du texte", QByteArray("ceci n'est pas une base de données\n").repeated(200)},
        {"une base coupée en deux", valide.left(valide.size() / 2)},
        {"des pages écrasées", pagesAbimees},
        {"l'en-tête seul", valide.left(100)},
    };
    int n = 0;
    for (const Cas& c : cas) {
        const QString fichier = chemin(("abime" + std::to_string(++n) + ".sqlite").c_str());
        {
            QFile f(fichier);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.contenu);
        }
        BaseHistorique base(fichier);
        EXPECT_TRUE(base.ouvrir()) << c.quoi;
        EXPECT_EQ(base.etat(), EtatHistorique::miseDeCote) << c.quoi;
        // Kept as it was, beside the fresh one.
        QFile mis(base.cheminMisDeCote());
        ASSERT_TRUE(mis.open(QIODevice::ReadOnly)) << c.quoi;
        EXPECT_EQ(mis.readAll(), c.contenu) << c.quoi;
        EXPECT_TRUE(base.cheminMisDeCote().startsWith(fichier + ".illisible-")) << c.quoi;
        // Told once.
        EXPECT_EQ(base.avertissement(), EtatHistorique::miseDeCote) << c.quoi;
        EXPECT_FALSE(base.avertissement().has_value()) << c.quoi;
        // The fresh one works.
        EXPECT_EQ(base.nombre(), 0) << c.quoi;
        Partie partie(n);
        partie.jouer();
        DonneArchivee a = archiverDonne(partie.jeu, "2026-12-08T10:00:00Z");
        EXPECT_TRUE(base.ajouter(a)) << c.quoi;
        EXPECT_EQ(base.nombre(), 1) << c.quoi;
    }

    // An empty file is a new database, not a damaged one.
    {
        QFile f(chemin("vide.sqlite"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    BaseHistorique vide(chemin("vide.sqlite"));
    EXPECT_TRUE(vide.ouvrir());
    EXPECT_EQ(vide.etat(), EtatHistorique::ouverte);
    EXPECT_FALSE(vide.avertissement().has_value());
}

TEST_F(HistoriqueSurDisque, UnFichierDUneVersionPlusRecenteEstLaisseTelQuel) {
    {
        BaseHistorique base(chemin());
        ASSERT_TRUE(base.ouvrir());
    }
    {
        QSqlDatabase b = QSqlDatabase::addDatabase("QSQLITE", "version-future");
        b.setDatabaseName(chemin());
        ASSERT_TRUE(b.open());
        QSqlQuery q(b);
        ASSERT_TRUE(q.exec(QString("UPDATE version SET version = %1").arg(BaseHistorique::versionSchema + 1)));
        b.close();
    }
    QSqlDatabase::removeDatabase("version-future");
    BaseHistorique base(chemin());
    EXPECT_FALSE(base.ouvrir());
    EXPECT_EQ(base.etat(), EtatHistorique::tropRecente);
    EXPECT_EQ(base.avertissement(), EtatHistorique::tropRecente);
    DonneArchivee a;
    EXPECT_FALSE(base.ajouter(a));
    EXPECT_TRUE(QDir(dossier_.path()).entryList({"*.illisible-*"}).isEmpty());
}

namespace {

// In the child: the history in `dossier`, which this user cannot write.
// Answers the exit status: 0 when it behaved as it should.
int essaiDossierEnLecture(const QString& dossier, bool fichierExistant) {
    BaseHistorique base(QDir(dossier).filePath(fichierExistant ? "ancien.sqlite" : "historique.sqlite"));
    if (base.ouvrir()) return 10;
    if (base.etat() != EtatHistorique::indisponible) return 11;
    if (base.avertissement() != EtatHistorique::indisponible) return 12;
    if (base.avertissement().has_value()) return 13;
    DonneArchivee a;
    if (base.ajouter(a)) return 14;
    if (!base.resumes().empty()) return 15;
    return 0;
}

}  // namespace

TEST_F(HistoriqueSurDisque, UnDossierEnLectureSeuleLaisseLeJeuSansHistorique) {
    const QString dossier = QDir(dossier_.path()).filePath("lecture");
    ASSERT_TRUE(QDir().mkpath(dossier));
    {
        BaseHistorique base(QDir(dossier).filePath("ancien.sqlite"));
        ASSERT_TRUE(base.ouvrir());
    }
    ASSERT_TRUE(QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                   QFileDevice::ReadOther | QFileDevice::ExeOther |
                                                   QFileDevice::ReadGroup | QFileDevice::ExeGroup));
    ASSERT_TRUE(QFile::setPermissions(QDir(dossier).filePath("ancien.sqlite"),
                                      QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    QFile::setPermissions(dossier_.path(), QFile::permissions(dossier_.path()) | QFileDevice::ExeOther);
    for (bool existant : {false, true}) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // Root writes anywhere: the child becomes an ordinary user first.
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(20);
            _exit(essaiDossierEnLecture(dossier, existant));
        }
        int statut = 0;
        ASSERT_EQ(waitpid(pid, &statut, 0), pid);
        ASSERT_TRUE(WIFEXITED(statut));
        EXPECT_EQ(WEXITSTATUS(statut), 0) << (existant ? "fichier existant" : "nouveau fichier");
    }
    QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(HistoriqueSurDisque, UnCheminImpossibleLaisseLeJeuSansHistorique) {
    // A folder that is a file: no user can create the history there.
    {
        QFile f(chemin("fichier"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    BaseHistorique base(QDir(chemin("fichier")).filePath("historique.sqlite"));
    EXPECT_FALSE(base.ouvrir());
    EXPECT_EQ(base.etat(), EtatHistorique::indisponible);
    EXPECT_EQ(base.avertissement(), EtatHistorique::indisponible);
    EXPECT_FALSE(base.avertissement().has_value());
}

TEST_F(HistoriqueSurDisque, DixMilleDonnesDeLOutilDonnentDixMilleLignesQuiSAdditionnentCommeLesTotaux) {
    const std::string fichier = chemin().toStdString();
    const char* args[] = {"belvane-autoplay", "--deals", "10000", "--seed", "17", "--history", fichier.c_str()};
    ParametresAutoplay p;
    std::string erreur;
    ASSERT_TRUE(analyserArguments(7, args, p, erreur)) << erreur;
    std::ostringstream sortie, erreurs;
    ASSERT_EQ(executerAutoplay(p, sortie, erreurs), 0) << erreurs.str();
    EXPECT_EQ(erreurs.str(), "");

    BaseHistorique base(chemin());
    std::vector<ResumeDonne> liste = base.resumes();
    ASSERT_EQ(liste.size(), 10000u);
    std::reverse(liste.begin(), liste.end());
    Table<long long, 1, 4> somme;
    somme.remplir(0);
    for (const ResumeDonne& r : liste) {
        ASSERT_FALSE(r.rejouee);
        ASSERT_NE(r.score, 0);
        ASSERT_EQ(r.score % 3, 0);
        for (int s = 1; s <= 4; ++s) somme[s] += s == r.preneur ? r.score : -r.score / 3;
        // Each row's totals are the previous row's moved by this deal.
        for (int s = 1; s <= 4; ++s) ASSERT_EQ(somme[s], r.totaux[s]) << "donne " << r.id << " siège " << s;
    }
    EXPECT_EQ(somme[1] + somme[2] + somme[3] + somme[4], 0);

    // The same, asked of the file directly, and every deal's 72 cards different.
    {
        QSqlDatabase b = QSqlDatabase::addDatabase("QSQLITE", "dix-mille");
        b.setDatabaseName(chemin());
        ASSERT_TRUE(b.open());
        QSqlQuery q(b);
        ASSERT_TRUE(q.exec("SELECT sum(CASE WHEN preneur = 1 THEN score ELSE -score / 3 END),"
                           " (SELECT total1 FROM donne ORDER BY id DESC LIMIT 1) FROM donne") && q.next());
        EXPECT_EQ(q.value(0).toLongLong(), q.value(1).toLongLong());
        EXPECT_EQ(q.value(0).toLongLong(), somme[1]);
        ASSERT_TRUE(q.exec("SELECT count(*) FROM (SELECT donne FROM carte_jouee GROUP BY donne"
                           " HAVING count(DISTINCT carte) = 72 AND count(*) = 72)") && q.next());
        EXPECT_EQ(q.value(0).toInt(), 10000);
        ASSERT_TRUE(q.exec("SELECT count(*) FROM donne WHERE contrat_rempli != (score > 0)") && q.next());
        EXPECT_EQ(q.value(0).toInt(), 0);
        b.close();
    }
    QSqlDatabase::removeDatabase("dix-mille");
}

TEST_F(HistoriqueSurDisque, LeCodeDesEnregistrementsDeLOutilEstCeluiDeLHistorique) {
    const std::string fichier = chemin().toStdString();
    const char* args[] = {"belvane-autoplay", "--deals", "12", "--seed", "4", "--jsonl", "--history", fichier.c_str()};
    ParametresAutoplay p;
    std::string erreur;
    ASSERT_TRUE(analyserArguments(8, args, p, erreur)) << erreur;
    std::ostringstream sortie, erreurs;
    ASSERT_EQ(executerAutoplay(p, sortie, erreurs), 0);

    // The codes of the deals played out, in order (deals everybody passed are not in the history).
    std::vector<std::string> codes;
    std::istringstream lignes(sortie.str());
    for (std::string l; std::getline(lignes, l);) {
        const auto debut = l.find("\"code\":\"");
        if (debut == std::string::npos || l.find("\"tricks\"") == std::string::npos) continue;
        codes.push_back(l.substr(debut + 8, 40));
    }
    BaseHistorique base(chemin());
    std::vector<ResumeDonne> liste = base.resumes();
    ASSERT_EQ(liste.size(), 12u);
    ASSERT_EQ(codes.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(liste[11 - i].code, codes[i]);
}

TEST(Statistiques, ParContratEnDefenseParNiveauEtAuFilDesDonnes) {
    auto resume = [](long long id, int preneur, int contrat, int score, int niveau, bool rejouee = false) {
        ResumeDonne r;
        r.id = id;
        r.preneur = preneur;
        r.contrat = contrat;
        r.score = score;
        r.contratRempli = score > 0;
        r.gainHumain = preneur == 1 ? score : -score / 3;
        r.niveau = niveau;
        r.rejouee = rejouee;
        r.totaux[1] = static_cast<int>(id) * 10;
        return r;
    };
    // Given in any order.
    const std::vector<ResumeDonne> donnes = {
        resume(3, 1, GARDE, -108, 4),   resume(1, 1, PRISE, 75, 4),      resume(2, 1, PRISE, 87, 3),
        resume(4, 2, GARDE, 150, 4),    resume(5, 3, PRISE, -78, 4),     resume(6, 4, GARDE_SANS, -300, 1),
        resume(7, 1, GARDE_CONTRE, 450, 4, true),
    };
    const Statistiques s = calculerStatistiques(donnes);
    EXPECT_EQ(s.donnes, 7);
    EXPECT_EQ(s.rejouees, 1);
    struct Ligne {
        int contrat, prises, reussies;
        double moyenne;
    };
    const Ligne attendues[] = {{PRISE, 2, 2, 81.0}, {GARDE, 1, 0, -108.0}, {GARDE_SANS, 0, 0, 0.0},
                               {GARDE_CONTRE, 1, 1, 450.0}};
    for (const Ligne& l : attendues) {
        EXPECT_EQ(s.parContrat[l.contrat].prises, l.prises) << l.contrat;
        EXPECT_EQ(s.parContrat[l.contrat].reussies, l.reussies) << l.contrat;
        EXPECT_DOUBLE_EQ(s.parContrat[l.contrat].moyenne(), l.moyenne) << l.contrat;
    }
    EXPECT_EQ(s.defenses, 3);
    EXPECT_EQ(s.contratsChutes, 2);
    EXPECT_EQ(s.parNiveau[4].donnes, 5);
    EXPECT_EQ(s.parNiveau[4].prises, 3);
    EXPECT_EQ(s.parNiveau[4].reussies, 2);
    EXPECT_EQ(s.parNiveau[4].defenses, 2);
    EXPECT_EQ(s.parNiveau[4].chutes, 1);
    EXPECT_EQ(s.parNiveau[4].sommeGains, 75 - 108 - 50 + 26 + 450);
    EXPECT_EQ(s.parNiveau[1].chutes, 1);
    EXPECT_EQ(s.parNiveau[2].donnes, 0);
    // The replay does not count in the scores' course; the others in id order.
    ASSERT_EQ(s.evolution.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(s.evolution[i][1], static_cast<int>(i + 1) * 10);
}

TEST(Statistiques, FiltreDeLHistoriqueEtExportCsv) {
    ResumeDonne prise;
    prise.id = 2;
    prise.preneur = 1;
    prise.contrat = PRISE;
    prise.score = 75;
    prise.contratRempli = true;
    ResumeDonne garde;
    garde.id = 1;
    garde.preneur = 3;
    garde.contrat = GARDE;
    garde.score = -150;
    garde.gainHumain = 50;
    garde.date = "2026-12-08T10:00:00Z";
    garde.code = "ABCDE";
    garde.totaux[1] = 50;
    garde.totaux[3] = -150;
    garde.niveau = 4;
    garde.adaptatif = 1;
    struct Cas {
        int contrat;
        Role role;
        bool prise, garde;
    };
    const Cas cas[] = {
        {0, Role::tous, true, true},          {PRISE, Role::tous, true, false},
        {GARDE, Role::tous, false, true},     {GARDE_SANS, Role::tous, false, false},
        {0, Role::preneur, true, false},      {0, Role::defense, false, true},
        {PRISE, Role::defense, false, false}, {GARDE, Role::defense, false, true},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(retenue(prise, c.contrat, c.role), c.prise) << c.contrat << static_cast<int>(c.role);
        EXPECT_EQ(retenue(garde, c.contrat, c.role), c.garde) << c.contrat << static_cast<int>(c.role);
    }
    const std::string csv = exporterCsv({prise, garde});
    std::istringstream lignes(csv);
    std::vector<std::string> l;
    for (std::string x; std::getline(lignes, x);) l.push_back(x);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].rfind("id,date,rejouee,code,preneur,contrat,contrat_rempli,score,gain_humain,", 0), 0u);
    // Oldest first.
    EXPECT_EQ(l[1], "1,2026-12-08T10:00:00Z,0,ABCDE,3,2,0,-150,50,50,0,-150,0,4,1,0\r");  // the last column: not a practice deal
    EXPECT_EQ(l[2].rfind("2,,0,,1,1,1,75,0,", 0), 0u);
}

TEST(OptionCodeDonne, UnMagasinDUneVersionPrecedenteGardeLeCodeAffiche) {
    // A store written before the option existed: every value but that one.
    MagasinMemoire ancien;
    {
        Jeu jeu;
        jeu.magasin = &ancien;
        chargerOptions(jeu);  // a first run writes every default
        jeu.options.optionCodeDonne = 0;
        ASSERT_TRUE(sauverOptions(jeu));
    }
    EXPECT_EQ(ancien.valeurs.at("optionCodeDonne").octets, std::string(1, '\0'));
    Jeu relu;
    relu.magasin = &ancien;
    chargerOptions(relu);
    EXPECT_EQ(relu.options.optionCodeDonne, 0);

    ancien.valeurs.erase("optionCodeDonne");
    Jeu sansValeur;
    sansValeur.magasin = &ancien;
    chargerOptions(sansValeur);
    EXPECT_EQ(sansValeur.options.optionCodeDonne, 1) << "a missing value takes its default";
    EXPECT_EQ(sansValeur.options.niveau, 4) << "the rest of the store is read";
}

TEST_F(HistoriqueSurDisque, LOutilSignaleUnHistoriqueQuIlNePeutPasEcrireOuQuIlMetDeCote) {
    {
        QFile f(chemin("fichier"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("pas une base de données, ni un dossier");
    }
    struct Cas {
        const char* quoi;
        std::string chemin;
        int statut;
        const char* message;
        long long lignes;
    };
    const Cas cas[] = {
        {"sous un fichier", QDir(chemin("fichier")).filePath("h.sqlite").toStdString(), 2,
         "no history can be written to", -1},
        {"un fichier illisible", chemin("fichier").toStdString(), 0, "could not be read: set aside as", 3},
    };
    for (const Cas& c : cas) {
        const char* args[] = {"belvane-autoplay", "--deals", "3", "--seed", "2", "--history", c.chemin.c_str()};
        ParametresAutoplay p;
        std::string erreur;
        ASSERT_TRUE(analyserArguments(7, args, p, erreur)) << erreur;
        std::ostringstream sortie, erreurs;
        EXPECT_EQ(executerAutoplay(p, sortie, erreurs), c.statut) << c.quoi;
        EXPECT_NE(erreurs.str().find(c.message), std::string::npos) << c.quoi << ": " << erreurs.str();
        if (c.lignes >= 0) { EXPECT_EQ(BaseHistorique(QString::fromStdString(c.chemin)).nombre(), c.lignes) << c.quoi; }
    }
    std::string erreur;
    ParametresAutoplay p;
    const char* sansChemin[] = {"belvane-autoplay", "--deals", "3", "--history"};
    EXPECT_FALSE(analyserArguments(4, sansChemin, p, erreur));
    EXPECT_EQ(erreur, "--history takes a file path");
}

TEST_F(HistoriqueSurDisque, LeVerdictDuCoachSeGardeAvecLaDonneEtUnAncienFichierLeRecoitAussi) {
    // A file of the schema before the verdict: its table is dropped.
    long long premiere = 0;
    {
        BaseHistorique base(chemin());
        Partie partie(9);
        partie.jouer();
        DonneArchivee a = archiverDonne(partie.jeu, "2026-12-08T10:00:00Z");
        ASSERT_TRUE(base.ajouter(a));
        premiere = a.id;
    }
    {
        QSqlDatabase b = QSqlDatabase::addDatabase("QSQLITE", "ancien-schema");
        b.setDatabaseName(chemin());
        ASSERT_TRUE(b.open());
        QSqlQuery q(b);
        ASSERT_TRUE(q.exec("DROP TABLE verdict"));
        b.close();
    }
    QSqlDatabase::removeDatabase("ancien-schema");

    BaseHistorique base(chemin());
    ASSERT_TRUE(base.ouvrir());
    EXPECT_EQ(base.etat(), EtatHistorique::ouverte);
    std::vector<ResumeDonne> r = base.resumes();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_FALSE(r[0].verdict.present);  // not analysed yet

    struct Cas {
        const char* nom;
        VerdictArchive v;
    };
    const Cas cas[] = {
        {"lost by a card of trick 17", {true, 1, 1, 17, 14, 1, true, 2, 1}},
        {"not settled from the start, saved later", {true, -1, 9, 12, 78, 3, false, 0, 0}},
        {"no turning card", {true, 0, 1, 0, 0, 0, false, 0, 0}},
    };
    for (const Cas& c : cas) {
        ASSERT_TRUE(base.noterVerdict(premiere, c.v)) << c.nom;
        r = base.resumes();
        ASSERT_EQ(r.size(), 1u) << c.nom;
        EXPECT_EQ(r[0].verdict, c.v) << c.nom;  // written over the earlier one
        EXPECT_EQ(r[0].id, premiere) << c.nom;
    }
}

namespace {

// Another program holding a write transaction on the history, as long as it lives.
class TenantHistorique {
public:
    explicit TenantHistorique(const QString& chemin) {
        QSqlDatabase b = QSqlDatabase::addDatabase("QSQLITE", "tenant");
        b.setDatabaseName(chemin);
        tient_ = b.open() && QSqlQuery(b).exec("BEGIN IMMEDIATE");
    }
    ~TenantHistorique() { liberer(); }
    bool tient() const { return tient_; }
    void liberer() {
        if (!QSqlDatabase::contains("tenant")) return;
        {
            QSqlDatabase b = QSqlDatabase::database("tenant");
            QSqlQuery(b).exec("ROLLBACK");
            b.close();
        }
        QSqlDatabase::removeDatabase("tenant");
    }

private:
    bool tient_ = false;
};

std::vector<std::string> codesDe(BaseHistorique& base) {
    std::vector<std::string> codes;
    for (const ResumeDonne& r : base.resumes()) codes.push_back(r.code);
    std::reverse(codes.begin(), codes.end());
    return codes;
}

}  // namespace

// The history held by another program: a deal that cannot be written is kept,
// in memory and in a file beside the history, and written at the next deal, at
// closing or at the next opening, once the file is free: in order, each once.
TEST_F(HistoriqueSurDisque, UnHistoriqueTenuParUnAutreProgrammeNePerdAucuneDonne) {
    std::vector<DonneArchivee> donnes;
    Partie p(5);
    for (int i = 0; i < 4; ++i) {
        p.jouer();
        donnes.push_back(archiverDonne(p.jeu, "2026-12-0" + std::to_string(i + 1) + "T10:00:00Z"));
    }
    // The deal that waits in the file carries the official rules' columns too.
    donnes[3].reglesChelem = 1;
    donnes[3].chelemAnnonce = OUEST;
    donnes[3].poigneeOrdinateur[NORD] = 3;
    const QString attente = chemin() + ".en-attente";
    {
        BaseHistorique base(chemin());
        ASSERT_TRUE(base.ouvrir());
        TenantHistorique tenant(chemin());
        ASSERT_TRUE(tenant.tient());
        EXPECT_FALSE(base.ajouter(donnes[0]));
        EXPECT_FALSE(base.ajouter(donnes[1]));
        EXPECT_EQ(base.enAttente(), 2u);
        EXPECT_TRUE(QFile::exists(attente));
        EXPECT_EQ(base.avertissement(), EtatHistorique::occupee);
        EXPECT_EQ(base.avertissement(), std::nullopt);  // told once
        tenant.liberer();
        // The next deal brings the two before it.
        EXPECT_TRUE(base.ajouter(donnes[2]));
        EXPECT_GT(donnes[2].id, 0);
        EXPECT_EQ(base.enAttente(), 0u);
        EXPECT_FALSE(QFile::exists(attente));
        EXPECT_EQ(codesDe(base), (std::vector<std::string>{donnes[0].code, donnes[1].code, donnes[2].code}));
    }
    {
        // Held until after the game closed: the deal waits in its file.
        TenantHistorique tenant(chemin());
        {
            BaseHistorique base(chemin());
            ASSERT_TRUE(base.ouvrir());
            EXPECT_FALSE(base.ajouter(donnes[3]));
        }
        EXPECT_TRUE(QFile::exists(attente));
    }
    // A copy of the file of deals waiting that outlived their writing (the
    // game stopped between the two) brings no deal twice.
    ASSERT_TRUE(QFile::copy(attente, attente + ".copie"));
    {
        BaseHistorique base(chemin());
        ASSERT_TRUE(base.ouvrir());
        EXPECT_EQ(base.nombre(), 4);
        EXPECT_FALSE(QFile::exists(attente));
        EXPECT_EQ(base.avertissement(), std::nullopt);
    }
    ASSERT_TRUE(QFile::rename(attente + ".copie", attente));
    BaseHistorique base(chemin());
    EXPECT_EQ(codesDe(base), (std::vector<std::string>{donnes[0].code, donnes[1].code, donnes[2].code, donnes[3].code}));
    const std::optional<DonneArchivee> relue = base.lire(base.resumes().front().id);
    ASSERT_TRUE(relue);
    DonneArchivee attendue = donnes[3];
    attendue.id = relue->id;
    EXPECT_EQ(*relue, attendue);
}

// The tool with its history held by another program for the whole run: it
// plays on without waiting on every deal, says so once, and every deal reaches
// the history once the file is free.
TEST_F(HistoriqueSurDisque, LOutilNAttendPasUnHistoriqueTenuEtNePerdAucuneDonne) {
    { BaseHistorique base(chemin()); ASSERT_TRUE(base.ouvrir()); }
    const std::string fichier = chemin().toStdString();
    const char* args[] = {"belvane-autoplay", "--deals", "10", "--seed", "3", "--history", fichier.c_str()};
    ParametresAutoplay p;
    std::string erreur;
    ASSERT_TRUE(analyserArguments(7, args, p, erreur)) << erreur;
    std::ostringstream sortie, erreurs;
    const auto debut = std::chrono::steady_clock::now();
    {
        TenantHistorique tenant(chemin());
        ASSERT_TRUE(tenant.tient());
        ASSERT_EQ(executerAutoplay(p, sortie, erreurs), 0) << erreurs.str();
    }
    // A bound against waiting on every deal (10 deals waited 50 s), not a measure of speed.
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(20));
    const std::string dit = erreurs.str();
    EXPECT_EQ(dit.find("could not be added"), std::string::npos) << dit;
    const std::string occupe = "belvane-autoplay: the history " + fichier + " is in use by another program";
    ASSERT_NE(dit.find(occupe), std::string::npos) << dit;
    EXPECT_EQ(dit.find(occupe, dit.find(occupe) + 1), std::string::npos) << dit;  // once
    EXPECT_NE(dit.find("10 deals wait in " + fichier + ".en-attente"), std::string::npos) << dit;

    BaseHistorique base(chemin());
    const std::vector<ResumeDonne> liste = base.resumes();
    ASSERT_EQ(liste.size(), 10u);
    std::set<std::string> codes;
    for (const ResumeDonne& r : liste) codes.insert(r.code);
    EXPECT_EQ(codes.size(), 10u);
    EXPECT_FALSE(QFile::exists(chemin() + ".en-attente"));
}

// The official rules' columns: written and read back with the deal; a file
// without them (an older game's) gets them added, its deals reading as the
// game's own rules.
TEST_F(HistoriqueSurDisque, LesColonnesDesReglesOfficiellesSAjoutentAuxAnciensFichiers) {
    Partie partie(77);
    partie.jouer();
    DonneArchivee a = archiverDonne(partie.jeu, "2026-12-08T10:00:00Z");
    a.reglesChelem = 1;
    a.chelemAnnonce = EST;
    a.chelemRealise = 1;
    a.poigneeOrdinateur[NORD] = 2;
    long long id = 0;
    {
        BaseHistorique base(chemin());
        ASSERT_TRUE(base.ajouter(a));
        id = a.id;
        const auto relue = base.lire(id);
        ASSERT_TRUE(relue.has_value());
        EXPECT_EQ(*relue, a);
        const auto resumes = base.resumes();
        ASSERT_EQ(resumes.size(), 1u);
        EXPECT_EQ(resumes[0].chelemRealise, 1);
        EXPECT_EQ(resumes[0].chelemAnnonce, EST);
        EXPECT_EQ(resumes[0].contratRempli, a.contratRempli());
    }
    {
        QSqlDatabase b = QSqlDatabase::addDatabase("QSQLITE", "ancien-fichier");
        b.setDatabaseName(chemin());
        ASSERT_TRUE(b.open());
        QSqlQuery q(b);
        for (const char* c : {"regles_chelem", "chelem_annonce", "chelem_realise", "poignee2", "poignee3",
                              "poignee4", "plis_preneur"})
            ASSERT_TRUE(q.exec(QString("ALTER TABLE donne DROP COLUMN %1").arg(c))) << c;
        b.close();
    }
    QSqlDatabase::removeDatabase("ancien-fichier");
    BaseHistorique ancienne(chemin());
    const auto relue = ancienne.lire(id);
    ASSERT_TRUE(relue.has_value());
    EXPECT_EQ(relue->reglesChelem, 0);
    EXPECT_EQ(relue->chelemAnnonce, 0);
    EXPECT_EQ(relue->poigneeOrdinateur[NORD], 0);
    EXPECT_EQ(relue->code, a.code);
    DonneArchivee suivante = a;
    EXPECT_TRUE(ancienne.ajouter(suivante)) << "the columns are back";
}
