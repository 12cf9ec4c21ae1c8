#include "ui/fBelvane/conseilleur_expert.h"

#include <QtConcurrent/QtConcurrentRun>

#include <random>

#include "engine/jeu.h"
#include "expert/savoir.h"

ConseilleurExpert::ConseilleurExpert(QObject* parent, std::function<void()> pret)
    : expert_(std::make_shared<Expert>(std::random_device{}())),
      arret_(std::make_shared<std::atomic<bool>>(false)),
      veilleur_(parent),
      pret_(std::move(pret)) {
    QObject::connect(&veilleur_, &QFutureWatcherBase::finished, parent, [this] { termine(); });
}

ConseilleurExpert::~ConseilleurExpert() {
    annuler();
    veilleur_.waitForFinished();
}

ConseilleurExpert::Moment ConseilleurExpert::momentDe(const Jeu& jeu) {
    return {jeu.donne.numeroPli, jeu.donne.nbCartesPli, jeu.donne.joueurCourant};
}

bool ConseilleurExpert::peutConseiller(const Jeu& jeu) const {
    const Donne& d = jeu.donne;
    return d.joueurCourant == d.joueurHumain && expertEchantillonne(jeu, d.joueurHumain, expert_->reglages);
}

void ConseilleurExpert::lancer(const Jeu& jeu) {
    annuler();
    // A cancelled worker stops at once; its solver must be free before the next one.
    veilleur_.waitForFinished();
    arret_ = std::make_shared<std::atomic<bool>>(false);
    enCours_ = true;
    conseilPret_ = false;
    moment_ = momentDe(jeu);
    ++lances_;
    SavoirSiege savoir = savoirDuSiege(jeu, jeu.donne.joueurHumain);
    const ReglagesExpert reglages = expert_->reglages;
    oublierEncheres(savoir, encheresEntenduesALaTable(jeu, reglages));
    veilleur_.setFuture(QtConcurrent::run([expert = expert_, arret = arret_, savoir, reglages] {
        return conseillerParEchantillons(savoir, reglages, expert->solveur, expert->generateur, arret.get());
    }));
}

void ConseilleurExpert::suivre(const Jeu& jeu) {
    if (enCours_ && !(moment_ == momentDe(jeu))) annuler();
}

void ConseilleurExpert::annuler() {
    if (!enCours_) return;
    arret_->store(true);
    enCours_ = false;
    ++annules_;
}

void ConseilleurExpert::termine() {
    if (!enCours_ || !veilleur_.isFinished()) return;
    enCours_ = false;
    conseil_ = veilleur_.result();
    conseilPret_ = true;
    if (pret_) pret_();
}

std::optional<ConseilExpert> ConseilleurExpert::conseil(const Jeu& jeu) const {
    if (!conseilPret_ || !(moment_ == momentDe(jeu))) return std::nullopt;
    return conseil_;
}
