// belvane-generer-cartes OUTDIR: paints the 78 card pictures into OUTDIR as
// ATOUT1.png .. CARREAU14.png (the Excuse is ATOUT22.png).
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "dessin.h"

int main(int argc, char** argv) {
    // Runs during the build, where there may be no display at all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: belvane-generer-cartes OUTDIR\n");
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    if (!dossier.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    cartes::chargerPolice();
    if (cartes::cheminTexte("0123456789VCDR", 10).isEmpty()) {
        std::fprintf(stderr, "no font to draw the card numbers with (install fonts-dejavu-core)\n");
        return 1;
    }

    for (int couleur = 0; couleur <= 4; ++couleur) {
        const int premiere = 1;
        const int derniere = couleur == cartes::atout ? 22 : 14;
        for (int valeur = premiere; valeur <= derniere; ++valeur) {
            const int valeurJeu = couleur == cartes::atout && valeur == 22 ? 0 : valeur;
            const QString fichier = dossier.filePath(cartes::nomCarte(couleur, valeurJeu) + ".png");
            if (!cartes::peindreCarte(couleur, valeurJeu).save(fichier, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(fichier));
                return 1;
            }
        }
    }
    return 0;
}
