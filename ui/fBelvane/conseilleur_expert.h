#pragma once
// The card hint by the Expert: at the player's turn, near the end of the
// deal where the Expert decides by imagined deals, it thinks for South on a
// worker thread from South's own knowledge only, with a solver and a
// generator of its own (the computers' thinking and the game's draws are
// left as they were). A hint whose moment has passed is dropped.
#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

#include "expert/conseil_expert.h"

struct Jeu;

class ConseilleurExpert {
public:
    // `pret` runs on the window's thread when a hint is ready.
    ConseilleurExpert(QObject* parent, std::function<void()> pret);
    ~ConseilleurExpert();
    ConseilleurExpert(const ConseilleurExpert&) = delete;
    ConseilleurExpert& operator=(const ConseilleurExpert&) = delete;

    // The Expert would decide South's card by imagined deals now.
    bool peutConseiller(const Jeu& jeu) const;
    // Starts thinking about South's card; a thinking in progress is dropped.
    void lancer(const Jeu& jeu);
    bool pense() const { return enCours_; }
    // Drops the thinking in progress when the game has moved on from its moment.
    void suivre(const Jeu& jeu);
    void annuler();
    // The hint ready for the game as it stands; none when it was for another moment.
    std::optional<ConseilExpert> conseil(const Jeu& jeu) const;

    ReglagesExpert& reglages() { return expert_->reglages; }
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

    std::shared_ptr<Expert> expert_;
    std::shared_ptr<std::atomic<bool>> arret_;
    QFutureWatcher<ConseilExpert> veilleur_;
    std::function<void()> pret_;
    bool enCours_ = false;
    Moment moment_;
    bool conseilPret_ = false;
    ConseilExpert conseil_;
    int lances_ = 0;
    int annules_ = 0;
};
