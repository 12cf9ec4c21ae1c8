#pragma once
// The Expert's thinking for the window: a computer seat that decides by
// imagined deals (its bid, its discard as taker, its handful under the
// official rules, its cards: played out by the taker early, solved near
// the end) thinks on a worker thread while the window goes on drawing. The step that
// waits for it (the bid timer, the first card timer after the discard, the
// card timer) comes when it is done; a new deal (the timer stopped) cancels
// it. Only what the seat knows is handed to the worker.
#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

#include "expert/ecart_expert.h"
#include "expert/expert.h"

struct Jeu;

class PenseurExpert {
public:
    enum class Sujet { Carte, Enchere, Ecart, Poignee };

    // `pret` runs on the window's thread when a decision is ready for the
    // seat: its card to play, its bid to make (tourEnchere again), the
    // discard to set aside (poserEcart), or its handful to declare (the card
    // timer again).
    PenseurExpert(QObject* parent, std::function<void(Sujet)> pret);
    ~PenseurExpert();
    PenseurExpert(const PenseurExpert&) = delete;
    PenseurExpert& operator=(const PenseurExpert&) = delete;

    // The seat to play is an Expert computer seat that samples now and has no choice ready.
    bool doitPenser(const Jeu& jeu) const;
    // Starts the thinking of the seat to play.
    void lancer(const Jeu& jeu);
    bool pense() const { return enCours_; }
    Sujet sujet() const { return momentEnCours_.sujet; }
    // Stops a thinking in progress; its result is dropped.
    void annuler();
    // The same, only for a thinking about `sujet`.
    void annuler(Sujet sujet);
    // The card choice of the game's computer seats at the Expert level: the
    // choice ready for this moment, else (a seat that was not given time to
    // think) a choice made here, else the Pro rules.
    void choisir(Jeu& jeu, int siege);

    // The bid of a seat at its turn (the game's enchereOrdinateur): an Expert
    // computer seat's thought-out bid once ready; until then it passes, and
    // its bid timer waits for its thinking. Every other seat and level bids
    // its hand's rating.
    int enchere(const Jeu& jeu, int siege);
    // The bid timer has fired for an Expert computer seat whose bid has not
    // been thought for this turn (a pass given for now, or a rating given
    // before the level changed, or a deal resumed from its store).
    bool doitPenserEnchere(const Jeu& jeu) const;
    void lancerEnchere(const Jeu& jeu);
    // The bid is ready: the seat has the floor again, and tourEnchere takes it.
    void rendreEnchere(Jeu& jeu);

    // The first card timer of the deal has fired and the Expert computer
    // taker at Prise or Garde has its discard still to be thought; the
    // game's own discard stands until it is set aside in its place.
    bool doitPenserEcart(const Jeu& jeu) const;
    void lancerEcart(const Jeu& jeu);
    // Sets aside the discard ready for the taker; false when none is.
    bool poserEcart(Jeu& jeu);

    // The card timer has fired for an Expert computer seat at its first card
    // under the official handfuls, with ten trumps or more and its handful
    // not yet thought for this moment.
    bool doitPenserPoignee(const Jeu& jeu) const;
    void lancerPoignee(const Jeu& jeu);
    // The handful a computer seat declares (the game's poigneeOrdinateur): an
    // Expert seat's thought-out size for this moment, else one thought here;
    // the largest its hand allows at the other levels.
    int poignee(const Jeu& jeu, int siege);

    // How the seats think; change only while none is thinking.
    ReglagesExpert& reglages() { return expert_->reglages; }
    // The generator the next thinking draws from.
    const std::mt19937_64& generateur() const { return expert_->generateur; }
    // How many thinkings were started (all of them, the bids, the discards)
    // and how many were cancelled.
    int lances() const { return lances_; }
    int annules() const { return annules_; }
    int lancesEncheres() const { return lancesEncheres_; }
    int lancesEcarts() const { return lancesEcarts_; }
    int lancesPoignees() const { return lancesPoignees_; }

private:
    struct Moment {
        Sujet sujet = Sujet::Carte;
        int pli = 0;
        int cartesPli = 0;
        int siege = 0;
        int encheres = 0;
        bool operator==(const Moment&) const = default;
    };
    // What a thinking brings back.
    struct Pensee {
        ChoixExpert carte;
        int enchere = 0;
        Ecart ecart{};
        int poignee = 0;
    };
    static Moment momentDe(const Jeu& jeu);
    static Moment momentEnchere(const Jeu& jeu, int siege);
    static Moment momentEcart(const Jeu& jeu);
    static Moment momentPoignee(const Jeu& jeu);
    bool pretPour(const Moment& m) const { return choixPret_ && momentPret_ == m; }
    void demarrer(const Moment& m, std::function<Pensee(Expert&, const std::atomic<bool>*)> travail);
    void termine();

    // The worker's own: its solver and generator are used by one thread at a time.
    std::shared_ptr<Expert> expert_;
    std::shared_ptr<std::atomic<bool>> arret_;
    QFutureWatcher<Pensee> veilleur_;
    std::function<void(Sujet)> pret_;
    bool enCours_ = false;
    Moment momentEnCours_;
    bool choixPret_ = false;
    Moment momentPret_;
    Pensee pensee_;
    // The seat that passed for now and waits for its bid to be thought.
    bool enchereAttendue_ = false;
    Moment momentEnchereAttendue_;
    // The turn whose thought-out bid was taken.
    bool enchereFaite_ = false;
    Moment momentEnchereFaite_;
    // Since the auction opened, the taker's discard is still to be thought.
    bool ecartAFaire_ = false;
    // The handful thought for this moment, kept until the seat declares.
    bool poigneePrete_ = false;
    Moment momentPoigneePrete_;
    int poigneePensee_ = 0;
    int lances_ = 0;
    int annules_ = 0;
    int lancesEncheres_ = 0;
    int lancesEcarts_ = 0;
    int lancesPoignees_ = 0;
};
