#include "app/ligne_commande.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "app/version.h"

ReponseLigneDeCommande repondreLigneDeCommande(const QStringList& arguments) {
    // The help names no option of Qt's own: the game takes none of them.
    QCommandLineParser ligne;
    ligne.setApplicationDescription(
        "French Tarot against three computer players. Started with no argument, it opens the game's window.");
    const QCommandLineOption aide({"h", "help"}, "Shows this help and quits.");
    const QCommandLineOption version({"v", "version"}, "Shows the version and quits.");
    // "-platform" is one unknown word, not eight unknown letters.
    ligne.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    ligne.addOption(aide);
    ligne.addOption(version);

    const QString programme = arguments.isEmpty() ? QString("belvane") : QFileInfo(arguments.first()).fileName();
    const QString essayer = QString(" Try '%1 --help'.").arg(programme);
    ReponseLigneDeCommande reponse;
    if (arguments.size() <= 1) {
        reponse.demarrer = true;
        return reponse;
    }
    reponse.code = 2;
    if (!ligne.parse(arguments)) {
        reponse.erreur = programme + ": " + ligne.errorText() + essayer + "\n";
        return reponse;
    }
    if (!ligne.positionalArguments().isEmpty()) {
        reponse.erreur = QString("%1: unexpected argument '%2'.%3\n")
                             .arg(programme, ligne.positionalArguments().first(), essayer);
        return reponse;
    }
    if (ligne.isSet(aide)) {
        reponse.code = 0;
        reponse.sortie = ligne.helpText();
        return reponse;
    }
    if (ligne.isSet(version)) {
        reponse.code = 0;
        reponse.sortie = QString("%1 %2\n").arg(programme, versionBelvane);
        return reponse;
    }
    // Only "--", which ends the options and brings nothing after it.
    reponse.erreur = QString("%1: unexpected argument '%2'.%3\n").arg(programme, arguments.at(1), essayer);
    return reponse;
}
