#pragma once
// The history of the deals, frmHistorique: the finished deals, newest first,
// filtered by contract and by the human's role. A deal opens in the review
// windows (the 18 tricks, the four hands, the score sheet) and can be dealt
// again as a replay; its code can be copied; the whole list exported as CSV.
#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "historique/code_donne.h"
#include "historique/statistiques.h"

class BaseHistorique;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class TfrmMains;
class TfrmScoreDetaille;
class TfrmTousPlis;
struct Donne;
struct Jeu;
struct VerdictArchive;

class TfrmHistorique : public QDialog {
    Q_OBJECT
public:
    TfrmHistorique(Jeu& jeu, BaseHistorique& base, double facteur, QWidget* parent = nullptr);
    ~TfrmHistorique() override;

    Q_INVOKABLE void ecrireTextes(int langue);
    // Reads the history again, then the window centred and shown.
    void ouvrir();
    void recharger();

    // The list as shown: filters, rows and the selected row.
    void filtrer(int contrat, Role role);
    int nombreLignes() const { return static_cast<int>(affichees_.size()); }
    const ResumeDonne& ligne(int i) const { return affichees_[static_cast<std::size_t>(i)]; }
    void choisirLigne(int i);
    int ligneChoisie() const;

    // The buttons. The review windows show the deal of the selected row; each
    // answers false when there is none or it cannot be read back.
    bool voirPlis();
    bool voirMains();
    bool voirScore();
    bool rejouerCetteDonne();
    // The open-cards analysis of the selected deal, through `analyser`.
    bool analyserCetteDonne();
    void copierCode();
    void exporter();
    // Writes the CSV of the whole history to `fichier`; false on failure.
    bool exporterVers(const QString& fichier);

    // The main window deals a stored deal again through this.
    std::function<void(const Repartition&)> rejouer;
    // The main window's analysis window takes a stored deal (and its row) through this.
    std::function<void(const Donne&, long long)> analyser;

    TfrmTousPlis* frmTousPlis() const { return frmTousPlis_; }
    TfrmMains* frmMains() const { return frmMains_; }
    TfrmScoreDetaille* frmScoreDetaille() const { return frmScoreDetaille_; }
    // The game the review windows read: the stored deal put back in its tables.
    const Jeu& jeuRevue() const { return *jeuRevue_; }
    // Hides the review windows of the history.
    void fermerRevues();

private:
    bool chargerDonne();
    void remplirListe();
    int langue() const;

    Jeu& jeu_;
    BaseHistorique& base_;
    double facteur_;
    std::unique_ptr<Jeu> jeuRevue_;
    std::vector<ResumeDonne> toutes_;
    std::vector<ResumeDonne> affichees_;
    int contrat_ = 0;
    Role role_ = Role::tous;

    QLabel* labelContrat = nullptr;
    QComboBox* filtreContrat = nullptr;
    QLabel* labelRole = nullptr;
    QComboBox* filtreRole = nullptr;
    QLabel* compte = nullptr;
    QTableWidget* liste = nullptr;
    QLabel* vide = nullptr;
    QPushButton* boutonPlis = nullptr;
    QPushButton* boutonMains = nullptr;
    QPushButton* boutonScore = nullptr;
    QPushButton* boutonRejouer = nullptr;
    QPushButton* boutonAnalyser = nullptr;
    QPushButton* boutonCopier = nullptr;
    QPushButton* boutonExporter = nullptr;
    QPushButton* boutonFermer = nullptr;

    TfrmTousPlis* frmTousPlis_ = nullptr;
    TfrmMains* frmMains_ = nullptr;
    TfrmScoreDetaille* frmScoreDetaille_ = nullptr;
};

// The texts of the history's messages and of a refused code, in the language `langue`.
QString texteAvertissementHistorique(int etat, const QString& chemin, int langue);
QString texteErreurCode(ErreurCode e, int langue);
// The coach's verdict as the history's column shows it; empty for a deal not analysed.
QString texteVerdict(const VerdictArchive& v, int langue);
// A row's date (stored in UTC) in the player's local time.
QString dateLocale(const std::string& dateUtc, int langue);
// Font and size of the history's windows on this screen.
int taillePoliceHistorique(const QWidget* fenetre, double facteur);
