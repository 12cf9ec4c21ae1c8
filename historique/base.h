#pragma once
// The history of every finished deal, in an SQLite database (Qt SQL). One
// transaction per deal, a write-ahead journal, and a version table that lets
// a later version of the game migrate the file. The game plays the same
// without it: a file that cannot be read is set aside (renamed, kept) and a
// fresh one started; when no file at all can be written, the history is off.
#include <QString>
#include <optional>
#include <vector>

#include "historique/donne_archivee.h"
#include "historique/statistiques.h"

class QSqlDatabase;

// How the opening went, for the one message the player gets.
enum class EtatHistorique {
    fermee,        // not opened yet
    ouverte,       // ready
    miseDeCote,    // the old file could not be read: renamed, a fresh one started
    indisponible,  // no file can be written where the history lives
    tropRecente,   // written by a later version of the game: left as it is, not written to
};

class BaseHistorique {
public:
    // The schema this version writes.
    static constexpr int versionSchema = 1;

    // Nothing is opened yet: the first use opens the file `chemin`.
    explicit BaseHistorique(QString chemin);
    ~BaseHistorique();
    BaseHistorique(const BaseHistorique&) = delete;
    BaseHistorique& operator=(const BaseHistorique&) = delete;

    // Opens the file once (later calls answer at once): true when deals can be
    // written and read.
    bool ouvrir();
    EtatHistorique etat() const { return etat_; }
    const QString& chemin() const { return chemin_; }
    // Where the unreadable file was put aside, when it was.
    const QString& cheminMisDeCote() const { return misDeCote_; }

    // Writes the deal in one transaction and gives it its id. False when the
    // history is off or the write failed (nothing of the deal is then kept).
    bool ajouter(DonneArchivee& a);
    // Every deal, newest first (the columns the list needs).
    std::vector<ResumeDonne> resumes();
    std::optional<DonneArchivee> lire(long long id);
    long long nombre();

    // What to tell the player, once per run: the trouble met at the opening,
    // or at the first write that failed. Nothing once it has been told.
    std::optional<EtatHistorique> avertissement();

private:
    bool ouvrirFichier();
    bool valide(QString& version);
    bool creerSchema();
    void fermer();
    bool mettreDeCote();
    QSqlDatabase base() const;

    QString chemin_;
    QString connexion_;
    QString misDeCote_;
    EtatHistorique etat_ = EtatHistorique::fermee;
    bool ecritureEchouee_ = false;
    // The official rules' columns (chelem, the computers' handfuls): added
    // to a file without them, written with each deal, read back with it.
    bool ajouterColonnesRegles();
    bool ecrireRegles(long long id, const DonneArchivee& a);
    bool lireRegles(DonneArchivee& a);
    bool averti_ = false;
};

// "historique.sqlite" in the user's data folder (QStandardPaths::AppDataLocation).
QString cheminHistoriqueParDefaut();
