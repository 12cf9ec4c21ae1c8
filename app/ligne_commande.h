#pragma once
// The game's command line: it answers --help and --version on the terminal
// and refuses anything else; with no argument at all the game starts.
#include <QString>
#include <QStringList>

struct ReponseLigneDeCommande {
    bool demarrer = false;  // no argument: start the game
    int code = 0;     // the process's exit status when not starting
    QString sortie;   // for standard output
    QString erreur;   // one line for standard error
};

// `arguments` as QCoreApplication::arguments() gives them, program first.
ReponseLigneDeCommande repondreLigneDeCommande(const QStringList& arguments);
