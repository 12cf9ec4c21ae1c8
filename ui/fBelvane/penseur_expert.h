#pragma once
// The Expert's thinking for the window: a computer seat that decides by
// sampling thinks on a worker thread while the window goes on drawing; the
// card timer's step waits for it, and a new deal (the card timer stopped)
// cancels it. Only what the seat knows is handed to the worker.
#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

#include "expert/expert.h"

struct Jeu;

class PenseurExpert {
public:
    // `pret` runs on the window's thread when a choice is ready for the seat to play.
    PenseurExpert(QObject* parent, std::function<void()> pret);
    ~PenseurExpert();
    PenseurExpert(const PenseurExpert&) = delete;
    PenseurExpert& operator=(const PenseurExpert&) = delete;

    // The seat to play is an Expert computer seat that samples now and has no choice ready.
    bool doitPenser(const Jeu& jeu) const;
    // Starts the thinking of the seat to play.
    void lancer(const Jeu& jeu);
    bool pense() const { return enCours_; }
    // Stops a thinking in progress; its result is dropped.
    void annuler();
    // The card choice of the game's computer seats at the Expert level: the
    // choice ready for this moment, else (a seat that was not given time to
    // think) a choice made here, else the Pro rules.
    void choisir(Jeu& jeu, int siege);

    // How the seats think; change only while none is thinking.
    ReglagesExpert& reglages() { return expert_->reglages; }
    // How many thinkings were started and how many were cancelled.
    int lances() const { return lances_; }
    int annules() const { return annules_; }

private:
    struct Moment {
        int pli = 0;
        int cartesPli = 0;
        int siege = 0;
        bool operator==(const Moment&) const = default;
    };
    static Moment momentDe(const Jeu& jeu);
    void termine();

    // The worker's own: its solver and generator are used by one thread at a time.
    std::shared_ptr<Expert> expert_;
    std::shared_ptr<std::atomic<bool>> arret_;
    QFutureWatcher<ChoixExpert> veilleur_;
    std::function<void()> pret_;
    bool enCours_ = false;
    Moment momentEnCours_;
    bool choixPret_ = false;
    Moment momentPret_;
    ChoixExpert choix_;
    int lances_ = 0;
    int annules_ = 0;
};
