// belvane-generer-cartes OUTDIR: paints the 78 card pictures into OUTDIR as
// ATOUT1.png .. CARREAU14.png (the Excuse is ATOUT22.png).
// belvane-generer-cartes --icone OUTDIR: paints the application's icon into
// OUTDIR as 16.png .. 512.png, one per size of the desktop's icon theme.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "dessin.h"

namespace {

constexpr int taillesIcone[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

int peindreIcones(const QDir& dossier) {
    for (const int cote : taillesIcone) {
        const QString fichier = dossier.filePath(QString::number(cote) + ".png");
        if (!cartes::peindreIcone(cote).save(fichier, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(fichier));
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Runs during the build, where there may be no display at all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const bool icone = argc == 3 && QByteArray(argv[1]) == "--icone";
    if (argc != 2 && !icone) {
        std::fprintf(stderr, "usage: belvane-generer-cartes [--icone] OUTDIR\n");
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[argc - 1]));
    if (!dossier.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[argc - 1]);
        return 1;
    }
    cartes::chargerPolice();
    if (cartes::cheminTexte("0123456789VCDR", 10).isEmpty()) {
        std::fprintf(stderr, "no font to draw the card numbers with (install fonts-dejavu-core)\n");
        return 1;
    }
    if (icone) return peindreIcones(dossier);

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
