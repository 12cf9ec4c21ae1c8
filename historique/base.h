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
    occupee,       // held by another program: the deals wait beside it until it is free
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

    // Writes the deal, after every deal still waiting, in one transaction, and
    // gives it its id. When the file is held by another program (or the write
    // fails), waits at most `attenteMs`, then keeps the deal waiting, in memory
    // and in cheminEnAttente(), for the next deal, the closing or the next
    // opening to write. False when the deal is not in the file yet; it is lost
    // only when the history is off.
    bool ajouter(DonneArchivee& a);
    // The deals kept, not in the file yet, oldest first.
    std::size_t enAttente() const { return enAttente_.size(); }
    QString cheminEnAttente() const { return chemin_ + ".en-attente"; }
    // The closing: writes the deals waiting, waiting at most attenteFermetureMs
    // for the file, and closes it. True when none is left waiting. Done by the
    // destructor when not done before.
    bool terminer();
    // The longest wait for a file held by another program, on a deal and at closing.
    static constexpr int attenteMs = 250;
    static constexpr int attenteFermetureMs = 1000;
    // Every deal, newest first (the columns the list needs).
    std::vector<ResumeDonne> resumes();
    std::optional<DonneArchivee> lire(long long id);
    // The coach's verdict on deal `id`, written over an earlier one.
    bool noterVerdict(long long id, const VerdictArchive& v);
    long long nombre();

    // What to tell the player, once per run: the trouble met at the opening,
    // or at the first write that failed. Nothing once it has been told.
    std::optional<EtatHistorique> avertissement();

private:
    bool ouvrirFichier();
    bool valide(QString& version);
    bool creerSchema();
    bool creerTablesAjoutees();
    void fermer();
    bool mettreDeCote();
    QSqlDatabase base() const;
    // Writes the deals waiting, waiting at most `attente` ms for the file. True when none is left.
    bool ecrireEnAttente(int attente);
    bool inserer(DonneArchivee& a);
    bool dejaEcrite(const DonneArchivee& a);
    void chargerEnAttente();
    void sauverEnAttente();

    QString chemin_;
    QString connexion_;
    QString misDeCote_;
    EtatHistorique etat_ = EtatHistorique::fermee;
    bool ecritureEchouee_ = false;
    bool occupee_ = false;
    std::vector<DonneArchivee> enAttente_;
    long long dernierId_ = 0;
    bool termine_ = false;
    // The official rules' columns (chelem, the computers' handfuls): added
    // to a file without them, written with each deal, read back with it.
    bool ecrireRegles(long long id, const DonneArchivee& a);
    bool lireRegles(DonneArchivee& a);
    bool averti_ = false;
};

// "historique.sqlite" in the user's data folder (QStandardPaths::AppDataLocation).
QString cheminHistoriqueParDefaut();
