#pragma once
// The coach's verdict of the deal just played, worked out while the next one
// is played: one thread of the lowest priority (the game's own thread and the
// computers' timers always come first), stopped at once by a newer deal or
// when the game quits. The verdict goes to the history when it is done.
#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>

#include "analyse/entraineur.h"
#include "historique/verdict_archive.h"

struct Donne;

// What the history keeps of the coach's report: the turning card that
// decided the result (the last one), the player's errors.
VerdictArchive archiverVerdict(const BilanEntraineur& b);

class AnalyseFond : public QObject {
    Q_OBJECT
public:
    explicit AnalyseFond(QObject* parent = nullptr);
    ~AnalyseFond() override;

    // Starts on the finished deal `d` (stored as `id`), for `secondes`; the
    // work under way is stopped first. A deal that cannot be analysed is left.
    void lancer(const Donne& d, int joueur, long long id, double secondes);
    // Stops the work; nothing is reported for it.
    void arreter();
    bool enCours() const { return travail_.isRunning(); }
    // The time for each deal, in seconds, in place of the one asked; 0: as asked.
    void fixerBudget(double secondes) { budgetImpose_ = secondes; }
    long long idEnCours() const { return id_; }

signals:
    void verdictEtabli(long long id, const VerdictArchive& v);

private:
    QThreadPool pool_;
    std::shared_ptr<std::atomic<bool>> arret_;
    QFuture<BilanEntraineur> travail_;
    QFutureWatcher<BilanEntraineur> veilleur_;
    long long id_ = 0;
    double budgetImpose_ = 0;
};
