#include "ui/fBelvane/penseur_expert.h"

#include <QtConcurrent/QtConcurrentRun>

#include <random>

#include "engine/choix.h"
#include "engine/jeu.h"

PenseurExpert::PenseurExpert(QObject* parent, std::function<void()> pret)
    : expert_(std::make_shared<Expert>(std::random_device{}())),
      arret_(std::make_shared<std::atomic<bool>>(false)),
      veilleur_(parent),
      pret_(std::move(pret)) {
    QObject::connect(&veilleur_, &QFutureWatcherBase::finished, parent, [this] { termine(); });
}

PenseurExpert::~PenseurExpert() {
    annuler();
    veilleur_.waitForFinished();
}

PenseurExpert::Moment PenseurExpert::momentDe(const Jeu& jeu) {
    return {jeu.donne.numeroPli, jeu.donne.nbCartesPli, jeu.donne.joueurCourant};
}

bool PenseurExpert::doitPenser(const Jeu& jeu) const {
    const Donne& d = jeu.donne;
    if (!jeu.options.optionNiveauExpert || enCours_) return false;
    if (d.joueurCourant == d.joueurHumain || !expertEchantillonne(jeu, d.joueurCourant, expert_->reglages)) return false;
    return !(choixPret_ && momentPret_ == momentDe(jeu));
}

void PenseurExpert::lancer(const Jeu& jeu) {
    // A cancelled worker stops at once; its solver must be free before the next one.
    veilleur_.waitForFinished();
    arret_ = std::make_shared<std::atomic<bool>>(false);
    enCours_ = true;
    choixPret_ = false;
    momentEnCours_ = momentDe(jeu);
    ++lances_;
    const SavoirSiege savoir = savoirDuSiege(jeu, jeu.donne.joueurCourant);
    veilleur_.setFuture(QtConcurrent::run([expert = expert_, arret = arret_, savoir] {
        return choisirParEchantillons(savoir, expert->reglages, expert->solveur, expert->generateur, arret.get());
    }));
}

void PenseurExpert::annuler() {
    if (!enCours_) return;
    arret_->store(true);
    enCours_ = false;
    ++annules_;
}

void PenseurExpert::termine() {
    // A cancelled thinking ends here too: nothing waits for it any more.
    if (!enCours_ || !veilleur_.isFinished()) return;
    enCours_ = false;
    choix_ = veilleur_.result();
    choixPret_ = true;
    momentPret_ = momentEnCours_;
    if (pret_) pret_();
    // Played, or not needed (a single card could be played): never kept for a later moment.
    choixPret_ = false;
}

void PenseurExpert::choisir(Jeu& jeu, int siege) {
    if (!jeu.options.optionNiveauExpert) {
        choisirCarte(jeu, siege);
        return;
    }
    if (choixPret_ && momentPret_ == momentDe(jeu) && momentPret_.siege == siege) {
        choixPret_ = false;
        if (!choix_.choisi || !imposerCarteExpert(jeu, siege, choix_.carte)) choisirCarte(jeu, siege);
        return;
    }
    // Nobody gave the seat time to think: it thinks here, once no worker holds the solver.
    veilleur_.waitForFinished();
    choisirCarteExpert(jeu, siege, *expert_);
}
