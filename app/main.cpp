// Belvane: the card table for one human player against three computers.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <memory>

#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "scoring/score.h"
#include "settings/magasin_qsettings.h"
#include "settings/options.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/fPoignee/fpoignee.h"
#include "ui/fSplash/fsplash.h"
#include "ui/langue.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("BELVANE 2010");

    Jeu jeu;
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QRect surface = ecran ? ecran->geometry() : QRect(0, 0, 800, 600);
    jeu.disposition.echelleX = surface.width() / 800.0;
    jeu.disposition.echelleY = surface.height() / 600.0;
    jeu.finDeDonne = finDeDonne;

    // The windows in the Overview's order. The splash comes first: it composes
    // the title and the registry key, builds the reference pack, and shows itself.
    TfrmSplash frmSplash(jeu);
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
    chargerOptions(jeu);
    initialiserPartie(jeu);
    appliquerLangue(jeu);
    appliquerOptions(jeu);
    frmSplash.attacherPrincipale(&frmBelvane);

    return QApplication::exec();
}
