#pragma once
// The deal in progress, kept in a file of the player's data folder and
// rewritten (atomically: a new file then renamed over the old) after every
// step, so that closing the game or a crash loses at most the step under way.
// The next start offers to take the deal up where it was. A file that does
// not read as a whole, consistent deal is set aside (renamed, kept) and never
// trusted. The file is removed once the deal is over.
//
// Beside it, in memory only: the state before each card of the human in this
// deal, so that he can take back his last card (the deal then counts as practice).
#include <QByteArray>
#include <QString>

#include "engine/table.h"
#include "reprise/instantane.h"

struct Jeu;

enum class EtatReprise {
    aucune,      // no deal was left in progress
    prete,       // a deal can be resumed
    miseDeCote,  // the file did not read: renamed aside, nothing to resume
};

class Reprise {
public:
    explicit Reprise(QString chemin);

    // Reads the file left by the last run, once.
    EtatReprise ouvrir();
    const QString& chemin() const { return chemin_; }
    const QString& cheminMisDeCote() const { return misDeCote_; }
    // Puts the deal read by ouvrir into `jeu`; false when there is none.
    bool reprendre(Jeu& jeu, MinuteursArmes& minuteurs);
    // The player declined to resume: the file goes.
    void abandonner();

    // After every step of the flow: the file is rewritten when the state has
    // changed since the last write, removed once the deal is over. False when
    // the file could not be written.
    bool noterEtape(const Jeu& jeu, const MinuteursArmes& minuteurs);

    // Taking back the human's last card: possible from his first card to the
    // end of trick 18's play, not once the deal is scored.
    bool peutReprendreCarte(const Jeu& jeu) const;
    // Puts back the state just before that card and marks the deal as practice.
    bool reprendreCarte(Jeu& jeu, MinuteursArmes& minuteurs);

private:
    bool ecrire(const QByteArray& octets);
    bool mettreDeCote();

    QString chemin_;
    QString misDeCote_;
    QByteArray lu_;       // the state read at the start, until resumed or abandoned
    QByteArray ecrit_;    // the last state written
    bool fichierPresent_ = false;
    // The state with the human to play trick t, for the deal in progress.
    Table<QByteArray, 1, 18> avantCarteHumain_;
};

// "donne_en_cours.belvane" in the user's data folder, beside the history.
QString cheminRepriseParDefaut();

// The number of cards the human has played in the deal in progress.
int cartesJoueesHumain(const Jeu& jeu);
