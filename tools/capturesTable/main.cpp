// belvane-captures-table FOLDER [--english] [--sans-aides] [--quatre-couleurs] [--expert]: plays deals on the real
// table at the screen's size and saves a picture of the whole screen in each
// state a player meets most: the auction, the discard screen, his turn with the
// unplayable cards dimmed, a hint, a computer's turn, a finished trick, the
// result, the open-cards analysis of the deal, the rules window. With --expert the
// computers play at the Expert level under the official rules and South always
// passes, so that a computer takes (and thinks its cards on the worker); a
// computer's handful on show is pictured when one comes. Run it under a virtual display:
//   xvfb-run -s "-screen 0 1366x768x24" ./build/tools/captures/belvane-captures-table /tmp/captures
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <cstdio>
#include <functional>

#include "engine/chien.h"
#include "engine/enchere.h"
#include "engine/jeu.h"
#include "engine/pli.h"
#include "flow/deroulement.h"
#include "scoring/score.h"
#include "settings/options.h"
#include "ui/fAide/faide.h"
#include "ui/fAnalyse/fanalyse.h"
#include "ui/fBelvane/aides_table.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fPoignee/fpoignee.h"
#include "ui/langue.h"

namespace {

bool attendre(const std::function<bool()>& condition, int ms = 20000) {
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    return true;
}

void pause(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

void capturer(const QString& dossier, const char* nom) {
    pause(60);
    const QPixmap ecran = QGuiApplication::primaryScreen()->grabWindow(0);
    const QString fichier = QDir(dossier).filePath(QString(nom) + ".png");
    ecran.save(fichier);
    std::printf("%s\n", qPrintable(fichier));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString dossier = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dossier);
    const QStringList args = QApplication::arguments();

    Jeu jeu;
    jeu.hasard.horloge = horlogeDeterministe(2026);
    const QRect surface = QGuiApplication::primaryScreen()->geometry();
    jeu.disposition.echelleX = surface.width() / 800.0;
    jeu.disposition.echelleY = surface.height() / 600.0;
    const double facteur = TfrmBelvane::facteurEcran(QGuiApplication::primaryScreen());
    TfrmPoignee frmPoignee(jeu, facteur);
    TfrmBelvane frmBelvane(jeu, facteur);
    frmBelvane.attacherPoignee(&frmPoignee);
    jeu.finDeDonne = finDeDonne;
    chargerOptions(jeu);
    initialiserPartie(jeu);
    jeu.options.langue = args.contains("--english") ? ANGLAIS : FRANCAIS;
    jeu.options.optionForceMain = 4;  // a Guard hand, so that the discard screen comes
    jeu.options.optionProposePoignee = 0;
    jeu.options.optionAttenteEntreChaquePli = 0;
    jeu.options.optionVitesseJeuDeLaCarte = 2;
    if (args.contains("--sans-aides")) {
        Options& o = jeu.options;
        o.optionMarquerTour = o.optionCartesJouables = o.optionConseilCarte = o.optionJeuAuClavier = 0;
        o.optionAnimationCartes = o.optionConfirmerAbandon = o.optionReglesDuJeu = 0;
    }
    if (args.contains("--quatre-couleurs")) jeu.options.optionQuatreCouleurs = 1;
    const bool expert = args.contains("--expert");
    if (expert) {
        jeu.options.optionForceMain = 0;
        jeu.options.optionNiveauExpert = 1;
        jeu.options.niveau = 4;
        jeu.options.optionChelem = jeu.options.optionPoigneesOrdinateurs = 1;
    }
    appliquerLangue(jeu);
    appliquerOptions(jeu);
    // As the game opens on a screen it has never seen: maximised.
    frmBelvane.showMaximized();
    pause(300);

    Donne& d = jeu.donne;
    // No discard screen for South when he always passes.
    bool ecartVu = expert, tourVu = false, ordinateurVu = false, pliVu = false, encheresVues = false;
    bool poigneeVue = !expert;
    int donnes = 0;
    nouvelleDonne(jeu, 0);
    const auto toutVu = [&] { return ecartVu && tourVu && ordinateurVu && pliVu && (poigneeVue || donnes >= 6); };
    // The Expert's deals take longer: it thinks before its cards.
    for (int pas = 0, fin = expert ? 80000 : 8000; pas < fin; ++pas) {
        attendre([&] {
            return d.etatAttente != 0 || d.modeEcart == 1 || (d.humainPeutJouer && d.joueurCourant == 1) ||
                   (d.numeroPli == 0 && d.nbEncheres < 4 && frmBelvane.findChild<QWidget*>("BarreEnchere")->isVisible()) ||
                   d.numeroPli == 19 || (d.numeroPli >= 1 && d.nbCartesPli >= 1 && d.joueurCourant != 1);
        });
        if (d.numeroPli == 19) {
            // The deal that showed everything is over: its result and analysis come next.
            ++donnes;
            if (toutVu()) break;
            nouvelleDonne(jeu, 0);
        } else if (d.numeroPli == 0 && d.nbEncheres < 4 && d.etatAttente == 0) {
            if (!encheresVues) capturer(dossier, "encheres");
            encheresVues = true;
            annoncerEnchere(jeu, !expert && d.enchere[1] > d.meilleureEnchere ? d.enchere[1] : PASSE);
        } else if (d.modeEcart == 1) {
            if (!ecartVu) {
                // Two cards chosen, so that the rising cards show.
                for (int p = 24, n = 0; p >= 1 && n < 2; --p)
                    if (d.modeEcart == 1 && (cliquerCarteEcart(jeu, p), d.nbCartesEcartees > n)) ++n;
                frmBelvane.aides()->mettreAJour();
                capturer(dossier, "ecart");
                ecartVu = true;
            }
            for (int p = 24; p >= 1 && d.nbCartesEcartees < 6; --p) {
                const int avant = d.nbCartesEcartees;
                cliquerCarteEcart(jeu, p);
                if (d.nbCartesEcartees < avant) cliquerCarteEcart(jeu, p);
            }
            frmBelvane.findChild<QWidget*>("PanelConfirmeEcart")->hide();
            confirmerEcart(jeu);
        } else if (d.etatAttente != 0) {
            if (d.pliAffiche == 1 && !pliVu && d.numeroPli >= 3) {
                pause(400);
                capturer(dossier, "pli_gagne");
                pliVu = true;
            }
            continuer(jeu);
        } else if (d.humainPeutJouer && d.joueurCourant == 1) {
            int injouables = 0;
            for (int k = 1; k <= 18; ++k) injouables += d.mainJoueur[1][k].enMain && d.jouable[1][k] == 0;
            if (!tourVu && injouables > 0 && d.nbCartesPli > 0) {
                frmBelvane.aides()->mettreAJour();
                capturer(dossier, "tour_humain");
                frmBelvane.aides()->demanderConseil();
                capturer(dossier, "conseil");
                tourVu = true;
            }
            int slot = frmBelvane.aides()->carteConseillee();
            for (int k = 1; k <= 18 && slot == 0; ++k)
                if (d.jouable[1][k] == 1 && d.mainJoueur[1][k].enMain) slot = k;
            jouerCarteHumain(jeu, slot);
        } else if (!poigneeVue && d.numeroPli == 1 && d.nbCartesPli >= 1 &&
                   d.poigneeOrdinateur[2] + d.poigneeOrdinateur[3] + d.poigneeOrdinateur[4] > 0) {
            pause(250);
            capturer(dossier, "poignee_ordinateur");
            poigneeVue = true;
        } else if (!ordinateurVu && d.nbCartesPli >= 2 && d.joueurCourant != 1) {
            pause(250);
            capturer(dossier, "tour_ordinateur");
            ordinateurVu = true;
        }
        pause(5);
    }
    if (d.numeroPli == 19) {
        pause(400);
        capturer(dossier, "resultat");
        // The open-cards analysis of the deal just played, with the shortest time allowed.
        if (auto* bouton = frmBelvane.findChild<QPushButton*>("PanelAnalyse"); bouton && bouton->isVisible()) {
            bouton->click();
            attendre([&] { return frmBelvane.frmAnalyse() && frmBelvane.frmAnalyse()->isVisible() && !frmBelvane.frmAnalyse()->enCours(); }, 200000);
            pause(300);
            capturer(dossier, "analyse");
            // A line of the player's shown: its trick, the two judges, and both continuations.
            TfrmAnalyse& fenetre = *frmBelvane.frmAnalyse();
            const auto& lignes = fenetre.lignesAffichees();
            int choisie = -1;
            for (int i = 0; i < static_cast<int>(lignes.size()) && choisie < 0; ++i)
                if (lignes[static_cast<std::size_t>(i)].etablie) choisie = i;
            if (choisie >= 0) {
                fenetre.montrerLigne(choisie);
                attendre([&] { return !fenetre.suiteEnCours(); }, 30000);
                pause(300);
                capturer(dossier, "analyse_ligne");
            }
            fenetre.hide();
        }
    }
    if (frmBelvane.aides()->ouvrirAide()) {
        frmBelvane.aides()->frmAide()->move(300, 60);
        frmBelvane.aides()->frmAide()->rechercher(args.contains("--english") ? "Petit" : "Excuse");
        capturer(dossier, "aide");
    }
    return 0;
}
