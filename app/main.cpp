// Belvane: the card table for one human player against three computers.
#include <QApplication>
#include <QScreen>

#include "engine/jeu.h"
#include "flow/deroulement.h"
#include "scoring/score.h"
#include "settings/magasin_qsettings.h"
#include "settings/options.h"
#include "ui/fBelvane/fbelvane.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("BELVANE 2010");

    Jeu jeu;
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QRect surface = ecran ? ecran->geometry() : QRect(0, 0, 800, 600);
    jeu.disposition.echelleX = surface.width() / 800.0;
    jeu.disposition.echelleY = surface.height() / 600.0;
    MagasinQSettings magasin;
    jeu.magasin = &magasin;
    jeu.finDeDonne = finDeDonne;

    // The table is laid out before the stored options are read and applied.
    TfrmBelvane frmBelvane(jeu, TfrmBelvane::facteurEcran(ecran));
    chargerOptions(jeu);
    initialiserPartie(jeu);
    appliquerOptions(jeu);
    frmBelvane.showMaximized();
    return QApplication::exec();
}
