#pragma once
// "Could I have won?": the open-cards analysis of a played deal, frmAnalyse.
// The solver works in a thread of its own, from the last trick back to the
// first, and each position it settles is shown at once: the window never
// waits for it. Closing the window, or a new deal, stops the work.
#include <QDialog>
#include <QFuture>
#include <QFutureWatcher>
#include <atomic>
#include <memory>
#include <vector>

#include "analyse/analyse_donne.h"
#include "engine/table.h"

class CadreCarte;
class ImageCarte;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct Donne;
struct Jeu;

// What the thread reports: it starts position k, or settled it.
struct AvancementAnalyse {
    int position = 0;
    bool debut = true;
    Resultat resultat;
};

class TfrmAnalyse : public QDialog {
    Q_OBJECT
public:
    TfrmAnalyse(Jeu& jeu, double facteur, QWidget* parent = nullptr);
    ~TfrmAnalyse() override;

    Q_INVOKABLE void ecrireTextes(int langue);
    // Analyses the deal `d` (a finished deal of the deal tables) and shows the
    // window; an analysis still running is stopped first.
    void analyser(const Donne& d);
    // Stops the work and hides the window: a new deal begins.
    void annuler();
    // The time for the whole deal, in seconds; 0 goes back to the option.
    void fixerBudget(double secondes) { budgetImpose_ = secondes; }
    double budget() const;

    bool enCours() const { return enCours_; }
    // The thread still runs (it ends soon after the analysis is stopped).
    bool travailEnCours() const { return travail_.isRunning(); }
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

signals:
    // The thread has stopped: everything is settled, the time is up, or it was stopped.
    void analyseFinie();

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    int dessin(double unites) const;
    void arreterTravail();
    void recevoir(int debut, int fin);
    void travailFini();
    // The headline, the status and the list as the analysis stands.
    void rafraichir();
    void remplirListe();
    void ecrireEtat();
    void ligneCliquee(QTreeWidgetItem* item);
    void viderPli();

    Jeu& jeu_;
    double facteur_;
    double budgetImpose_ = 0;
    std::unique_ptr<AnalyseDonne> analyse_;
    std::vector<LigneAnalyse> lignesAffichees_;
    std::shared_ptr<std::atomic<bool>> arret_;
    QFuture<AvancementAnalyse> travail_;
    QFutureWatcher<AvancementAnalyse> veilleur_;
    bool enCours_ = false;
    int positionEnCours_ = -1;
    QString erreur_;
    int pliMontre_ = 0;
    int ligneMontree_ = -1;

    QLabel* labelContrat = nullptr;
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
