#include "ui/fAnalyse/analyse_fond.h"

#include <QtConcurrent/QtConcurrentRun>

#include "historique/code_donne.h"

VerdictArchive archiverVerdict(const BilanEntraineur& b) {
    VerdictArchive v;
    v.present = true;
    v.realisableDepart = b.verdict.realisableDepart();
    v.depuisPli = b.verdict.depuisPli;
    if (!b.verdict.tournants.empty()) {
        const Tournant& t = b.verdict.tournants.back();
        v.pliTournant = t.pli;
        v.carteTournant = idCarte(t.carte);
        v.siegeTournant = t.siege;
        v.perdu = t.perdu;
    }
    v.erreurs = b.erreurs();
    v.malchances = b.malchances();
    return v;
}

AnalyseFond::AnalyseFond(QObject* parent) : QObject(parent) {
    // One core at most, below everything the game does.
    pool_.setMaxThreadCount(1);
    pool_.setThreadPriority(QThread::IdlePriority);
    connect(&veilleur_, &QFutureWatcherBase::finished, this, [this] {
        if (!arret_ || arret_->load() || travail_.isCanceled() || travail_.resultCount() == 0) return;
        const BilanEntraineur b = travail_.result();
        arret_.reset();
        if (b.verdict.depuisPli > b.verdict.nbPlis) return;  // nothing settled: nothing worth keeping
        emit verdictEtabli(id_, archiverVerdict(b));
    });
}

AnalyseFond::~AnalyseFond() {
    arreter();
    pool_.waitForDone();
}

void AnalyseFond::arreter() {
    if (arret_) arret_->store(true);
    arret_.reset();
}

void AnalyseFond::lancer(const Donne& d, int joueur, long long id, double secondes) {
    arreter();
    DonneJouee jouee;
    if (!donneDesTables(d, jouee)) return;
    auto analyse = std::make_shared<const AnalyseDonne>(jouee);
    if (!analyse->valide()) return;
    auto arret = std::make_shared<std::atomic<bool>>(false);
    arret_ = arret;
    id_ = id;
    if (budgetImpose_ > 0) secondes = budgetImpose_;
    travail_ = QtConcurrent::run(&pool_, [analyse, arret, joueur, secondes] {
        Solveur solveur;
        return entrainer(*analyse, joueur, solveur, secondes, arret.get());
    });
    veilleur_.setFuture(travail_);
}
