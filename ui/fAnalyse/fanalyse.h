#pragma once
// "Could I have won?": the open-cards analysis of a played deal, frmAnalyse.
// The solver works in a thread of its own, from the last trick back to the
// first, and each position it settles is shown at once: the window never
// waits for it. Closing the window, or a new deal, stops the work.
#include <QDialog>
#include <QFuture>
#include <QFutureWatcher>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <vector>

#include "analyse/analyse_donne.h"
#include "analyse/entraineur.h"
#include "engine/table.h"
#include "historique/verdict_archive.h"

class CadreCarte;
class ImageCarte;
class QLabel;
class PetiteCarte;
class QProgressBar;
class QScrollArea;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct Donne;
struct Jeu;

// What the thread reports: it starts position k, or settled it; or the
// coach's report as it stands (position -1).
struct AvancementAnalyse {
    int position = 0;
    bool debut = true;
    Resultat resultat;
    std::shared_ptr<const BilanEntraineur> bilan;
};

class TfrmAnalyse : public QDialog {
    Q_OBJECT
public:
    TfrmAnalyse(Jeu& jeu, double facteur, QWidget* parent = nullptr);
    ~TfrmAnalyse() override;

    Q_INVOKABLE void ecrireTextes(int langue);
    // Analyses the deal `d` (a finished deal of the deal tables) and shows the
    // window; an analysis still running is stopped first. `id`: the deal's
    // row in the history, which gets the coach's verdict at the end (0: none).
    void analyser(const Donne& d, long long id = 0);
    // Stops the work and hides the window: a new deal begins.
    void annuler();
    // The time for the whole deal, in seconds; 0 goes back to the option.
    void fixerBudget(double secondes) { budgetImpose_ = secondes; }
    double budget() const;

    bool enCours() const { return enCours_; }
    // A thread still runs (each ends soon after the analysis is stopped).
    bool travailEnCours() const { return travail_.isRunning() || travailCoach_.isRunning(); }
    // The analysis shown, null before the first deal analysed or for a deal
    // that cannot be.
    const AnalyseDonne* analyse() const { return analyse_.get(); }
    // The lines as listed: the human's first, then the others'.
    const std::vector<LigneAnalyse>& lignesAffichees() const { return lignesAffichees_; }
    // Shows the trick of line i of lignesAffichees, as a click on it does.
    void montrerLigne(int i);
    // The trick shown: its number (0: none), and the card shown as the better one.
    int pliMontre() const { return pliMontre_; }
    const ImageCarte* carteMieux() const { return carteMieux_; }
    // The coach's report as received so far, and how many reports of the
    // thread have arrived (of either kind).
    const BilanEntraineur& bilanEntraineur() const { return bilan_; }
    int etapesRecues() const { return etapesRecues_; }
    long long idDonne() const { return idDonne_; }
    // The continuations of the line shown: as played, and the solver's best
    // line from the same card (empty while it is worked out).
    const std::vector<PliSuite>& suiteJouee() const { return suiteJouee_; }
    const std::vector<PliSuite>& suiteOptimale() const { return suiteOptimale_; }
    bool suiteEnCours() const { return suite_.isRunning(); }

signals:
    // The thread has stopped: everything is settled, the time is up, or it was stopped.
    void analyseFinie();
    // The coach's verdict of deal `id` of the history, once the work ends.
    void verdictEtabli(long long id, const VerdictArchive& v);

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    int dessin(double unites) const;
    void arreterTravail();
    void recevoir(const QFutureWatcher<AvancementAnalyse>& veilleur, int debut, int fin);
    void travailFini();
    // The headline, the status and the list as the analysis stands.
    void rafraichir();
    void remplirListe();
    void ecrireEtat();
    void ligneCliquee(QTreeWidgetItem* item);
    void viderPli();
    void ecrireVerdict();
    void lancerSuites(int numero);
    void suitesRecues();
    void dessinerSuites();
    QString texteJugement(const JugementCarte& j) const;
    const JugementCarte* jugement(int numero) const;
    const Tournant* tournant(int numero) const;

    Jeu& jeu_;
    double facteur_;
    double budgetImpose_ = 0;
    std::unique_ptr<AnalyseDonne> analyse_;
    std::vector<LigneAnalyse> lignesAffichees_;
    std::shared_ptr<std::atomic<bool>> arret_;
    // Two threads at once: the exact values of the positions, and the coach.
    QThreadPool pool_;
    QFuture<AvancementAnalyse> travail_;
    QFutureWatcher<AvancementAnalyse> veilleur_;
    QFuture<AvancementAnalyse> travailCoach_;
    QFutureWatcher<AvancementAnalyse> veilleurCoach_;
    bool enCours_ = false;
    int positionEnCours_ = -1;
    QString erreur_;
    int pliMontre_ = 0;
    int ligneMontree_ = -1;
    BilanEntraineur bilan_;
    int nbCartesJoueur_ = 0;
    int etapesRecues_ = 0;
    long long idDonne_ = 0;
    std::vector<int> sansCout_;  // the numbers of the lines listed for the coach alone
    std::vector<PliSuite> suiteJouee_, suiteOptimale_;
    std::shared_ptr<std::atomic<bool>> arretSuite_;
    QFuture<std::vector<PliSuite>> suite_;
    QFutureWatcher<std::vector<PliSuite>> veilleurSuite_;

    QLabel* labelContrat = nullptr;
    QLabel* labelVerdict = nullptr;
    QLabel* labelTournant = nullptr;
    QLabel* labelBilanCartes = nullptr;
    QLabel* labelJugement = nullptr;
    QLabel* titreJoue = nullptr;
    QLabel* titreOptimale = nullptr;
    QLabel* etatSuites = nullptr;
    QScrollArea* zoneSuites = nullptr;
    QWidget* grilleSuites = nullptr;
    QLabel* labelMeilleur = nullptr;
    QLabel* labelReel = nullptr;
    QLabel* labelAvertissement = nullptr;
    QProgressBar* barreProgression = nullptr;
    QLabel* labelEtat = nullptr;
    QTreeWidget* listeLignes = nullptr;
    QTreeWidgetItem* groupeHumain = nullptr;
    QTreeWidgetItem* groupeAutres = nullptr;
    QWidget* panneauPli = nullptr;
    QLabel* titrePli = nullptr;
    QLabel* invitePli = nullptr;
    QLabel* legendePli = nullptr;
    Table<ImageCarte*, 1, 4> cartePli;
    CadreCarte* cadreEntame = nullptr;
    CadreCarte* cadreGagnant = nullptr;
    QLabel* legendeJouee = nullptr;
    QLabel* legendeMieux = nullptr;
    ImageCarte* carteJouee_ = nullptr;
    ImageCarte* carteMieux_ = nullptr;
    QPushButton* boutonFermer = nullptr;
};
