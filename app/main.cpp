// Belvane: the card table for one human player against three computers.
#include <QApplication>
#include <QTranslator>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <memory>

#include "app/icone.h"
#include "app/ligne_commande.h"
#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "historique/base.h"
#include "reprise/reprise.h"
#include "scoring/score.h"
#include "settings/magasin_qsettings.h"
#include "settings/options.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fPoignee/fpoignee.h"
#include "ui/fSplash/fsplash.h"
#include "ui/reprise/gardien_reprise.h"
#include "ui/langue.h"

int main(int argc, char** argv) {
    // Any argument is answered on the terminal (--help, --version) or refused,
    // with no window and no display needed.
    if (argc > 1) {
        const QCoreApplication ligne(argc, argv);
        const ReponseLigneDeCommande reponse = repondreLigneDeCommande(QCoreApplication::arguments());
        std::fputs(qPrintable(reponse.sortie), stdout);
        std::fputs(qPrintable(reponse.erreur), stderr);
        return reponse.code;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName("BELVANE 2010");
    QApplication::setWindowIcon(iconeBelvane());
    // Names the menu entry, whose icon the task bar shows under Wayland.
    QGuiApplication::setDesktopFileName("fr.oskaveri.belvane");

    // Qt's own dialogs speak the language chosen on the splash.
    QTranslator traductionsQt;

    Jeu jeu;
    jeu.finDeDonne = finDeDonne;

    // The windows in the Overview's order. The splash comes first: it composes
    // the title and the registry key, builds the reference pack, and shows itself.
    TfrmSplash frmSplash(jeu);
    frmSplash.attacherTraductions(&traductionsQt);
    const double facteur = frmSplash.facteur();
    // The store opens the key that the splash composed.
    const std::unique_ptr<MagasinQSettings> magasin = MagasinQSettings::sousCle(jeu.identite.cleRegistre);
    // One game per store: a second copy would save its own totals over the first's.
    // No language is chosen yet, so the message speaks both.
    if (!magasin->verrouiller()) {
        QMessageBox::information(&frmSplash, QString::fromUtf8(titreProgramme),
                                 QString::fromStdString(texte(Texte::magasinDejaUtilise, FRANCAIS)));
        return 1;
    }
    jeu.magasin = magasin.get();

    TfrmPoignee frmPoignee(jeu, facteur);

    // The main window lays the table out and then creates the review windows
    // in the Overview's order (previous trick, four hands, detailed score
    // sheet, all tricks); it reads the stored options, takes the texts, and
    // waits hidden until a language button of the splash shows it.
    TfrmBelvane frmBelvane(jeu, facteur);
    frmBelvane.attacherPoignee(&frmPoignee);
    // The history of the deals, in the user's data folder; opened at its first use.
    BaseHistorique historique(cheminHistoriqueParDefaut());
    frmBelvane.attacherHistorique(&historique);
    // The deal in progress, saved after every step beside the history; the
    // start offers to resume it once the language is chosen.
    Reprise reprise(cheminRepriseParDefaut());
    GardienReprise gardien(jeu, frmBelvane, reprise, &historique);
    chargerOptions(jeu);
    initialiserPartie(jeu);
    appliquerLangue(jeu);
    appliquerOptions(jeu);
    frmSplash.attacherPrincipale(&frmBelvane);

    return QApplication::exec();
}
