#include "ui/fBelvane/penseur_expert.h"

#include <QtConcurrent/QtConcurrentRun>

#include <random>

#include "engine/annonces.h"
#include "engine/choix.h"
#include "engine/enchere.h"
#include "engine/jeu.h"
#include "expert/copie_siege.h"
#include "expert/parties_pro.h"

PenseurExpert::PenseurExpert(QObject* parent, std::function<void(Sujet)> pret)
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
    return {Sujet::Carte, jeu.donne.numeroPli, jeu.donne.nbCartesPli, jeu.donne.joueurCourant, 0};
}

PenseurExpert::Moment PenseurExpert::momentEnchere(const Jeu& jeu, int siege) {
    return {Sujet::Enchere, 0, 0, siege, jeu.donne.nbEncheres};
}

PenseurExpert::Moment PenseurExpert::momentEcart(const Jeu& jeu) {
    return {Sujet::Ecart, 1, 0, jeu.donne.preneur, 0};
}

PenseurExpert::Moment PenseurExpert::momentPoignee(const Jeu& jeu) {
    return {Sujet::Poignee, jeu.donne.numeroPli, jeu.donne.nbCartesPli, jeu.donne.joueurCourant, 0};
}

void PenseurExpert::demarrer(const Moment& m, std::function<Pensee(Expert&, const std::atomic<bool>*)> travail) {
    // A cancelled worker stops at once; its solver and generator must be free before the next one.
    veilleur_.waitForFinished();
    arret_ = std::make_shared<std::atomic<bool>>(false);
    enCours_ = true;
    choixPret_ = false;
    momentEnCours_ = m;
    ++lances_;
    veilleur_.setFuture(QtConcurrent::run([expert = expert_, arret = arret_, travail = std::move(travail)] {
        return travail(*expert, arret.get());
    }));
}

bool PenseurExpert::doitPenser(const Jeu& jeu) const {
    const Donne& d = jeu.donne;
    if (!jeu.options.optionNiveauExpert || enCours_) return false;
    if (d.joueurCourant == d.joueurHumain) return false;
    const ReglagesExpert& r = expert_->reglages;
    if (!expertEchantillonne(jeu, d.joueurCourant, r) && !expertJoueParParties(jeu, d.joueurCourant, r)) return false;
    return !pretPour(momentDe(jeu));
}

void PenseurExpert::lancer(const Jeu& jeu) {
    const int siege = jeu.donne.joueurCourant;
    SavoirSiege savoir = savoirDuSiege(jeu, siege);
    const ReglagesExpert reglages = expert_->reglages;
    oublierEncheres(savoir, encheresEntenduesALaTable(jeu, reglages));
    if (!expertEchantillonne(jeu, siege, reglages)) {
        std::shared_ptr<const Jeu> copie = copiePendantLeJeu(jeu, siege);
        demarrer(momentDe(jeu), [copie, savoir, reglages](Expert& e, const std::atomic<bool>* arret) {
            Pensee p;
            p.carte = choisirParPartiesPro(*copie, savoir, reglages, e.generateur, arret);
            return p;
        });
        return;
    }
    demarrer(momentDe(jeu), [savoir, reglages](Expert& e, const std::atomic<bool>* arret) {
        Pensee p;
        p.carte = choisirParEchantillons(savoir, reglages, e.solveur, e.generateur, arret);
        return p;
    });
}

void PenseurExpert::annuler() {
    if (!enCours_) return;
    arret_->store(true);
    enCours_ = false;
    ++annules_;
}

void PenseurExpert::annuler(Sujet sujet) {
    if (sujet == Sujet::Enchere) enchereAttendue_ = enchereFaite_ = false;
    if (sujet == Sujet::Poignee) poigneePrete_ = false;
    if (enCours_ && momentEnCours_.sujet == sujet) annuler();
}

void PenseurExpert::termine() {
    // A cancelled thinking ends here too: nothing waits for it any more.
    if (!enCours_ || !veilleur_.isFinished()) return;
    enCours_ = false;
    pensee_ = veilleur_.result();
    choixPret_ = true;
    momentPret_ = momentEnCours_;
    if (momentPret_.sujet == Sujet::Poignee) {
        // Kept until the seat declares: the card may still be thought first.
        poigneePrete_ = true;
        momentPoigneePrete_ = momentPret_;
        poigneePensee_ = pensee_.poignee;
    }
    if (pret_) pret_(momentPret_.sujet);
    // Taken, or not needed (a single card could be played): never kept for a later moment.
    choixPret_ = false;
}

void PenseurExpert::choisir(Jeu& jeu, int siege) {
    if (!jeu.options.optionNiveauExpert) {
        choisirCarte(jeu, siege);
        return;
    }
    if (pretPour(momentDe(jeu)) && momentPret_.siege == siege) {
        choixPret_ = false;
        if (!pensee_.carte.choisi || !imposerCarteExpert(jeu, siege, pensee_.carte.carte)) choisirCarte(jeu, siege);
        return;
    }
    // Nobody gave the seat time to think: it thinks here, once no worker holds the solver.
    veilleur_.waitForFinished();
    expert_->noteEntendue = encheresEntenduesALaTable(jeu, expert_->reglages);
    choisirCarteExpert(jeu, siege, *expert_);
}

int PenseurExpert::enchere(const Jeu& jeu, int siege) {
    const Donne& d = jeu.donne;
    // The auction of a new deal opens: its taker's discard is still to come.
    if (d.nbEncheres == 0) ecartAFaire_ = true;
    if (siege == d.joueurHumain) return d.niveauMain[siege];
    const Moment m = momentEnchere(jeu, siege);
    const bool expert = jeu.options.optionNiveauExpert && expert_->reglages.enchereParSimulation;
    if (pretPour(m)) {
        choixPret_ = false;
        enchereFaite_ = true;
        momentEnchereFaite_ = m;
        // The level may have changed while it thought.
        return expert ? pensee_.enchere : d.niveauMain[siege];
    }
    if (!expert) return d.niveauMain[siege];
    enchereAttendue_ = true;
    momentEnchereAttendue_ = m;
    return PASSE;
}

bool PenseurExpert::doitPenserEnchere(const Jeu& jeu) const {
    const Donne& d = jeu.donne;
    const int a = d.joueurEnchere;
    if (enCours_ || a < 1 || a > 4 || a == d.joueurHumain || d.nbEncheres >= 4 || d.numeroPli != 0) return false;
    const Moment m = momentEnchere(jeu, a);
    if (enchereFaite_ && momentEnchereFaite_ == m) return false;
    if (enchereAttendue_ && momentEnchereAttendue_ == m) return true;
    return jeu.options.optionNiveauExpert && expert_->reglages.enchereParSimulation;
}

void PenseurExpert::lancerEnchere(const Jeu& jeu) {
    enchereAttendue_ = false;
    const int siege = jeu.donne.joueurEnchere;
    std::shared_ptr<const Jeu> copie = copieAvantEnchere(jeu, siege);
    const ReglagesEnchereExpert reglages = expert_->reglages.enchere;
    ++lancesEncheres_;
    demarrer(momentEnchere(jeu, siege), [copie, siege, reglages](Expert& e, const std::atomic<bool>* arret) {
        Pensee p;
        p.enchere = choisirEnchereExpert(*copie, siege, reglages, e.generateur, arret);
        return p;
    });
}

void PenseurExpert::rendreEnchere(Jeu& jeu) {
    const int siege = jeu.donne.joueurEnchere;
    if (!pretPour(momentEnchere(jeu, siege))) return;
    rendreLaParole(jeu.donne, siege);
    tourEnchere(jeu, siege);
}

bool PenseurExpert::doitPenserEcart(const Jeu& jeu) const {
    const Donne& d = jeu.donne;
    if (!ecartAFaire_ || enCours_ || !jeu.options.optionNiveauExpert || !expert_->reglages.ecartParSimulation)
        return false;
    // A practice deal keeps the discard of its record.
    if (d.entrainement || d.numeroPli != 1 || d.nbCartesPli != 0 || d.preneur < 1 || d.preneur > 4 ||
        d.preneur == d.joueurHumain)
        return false;
    return d.enchere[d.preneur] == PRISE || d.enchere[d.preneur] == GARDE;
}

void PenseurExpert::lancerEcart(const Jeu& jeu) {
    ecartAFaire_ = false;
    std::shared_ptr<const Jeu> copie = copieAvantEcart(jeu);
    const ReglagesEcartExpert reglages = expert_->reglages.ecart;
    ++lancesEcarts_;
    demarrer(momentEcart(jeu), [copie, reglages](Expert& e, const std::atomic<bool>* arret) {
        Pensee p;
        p.ecart = choisirEcartExpert(*copie, reglages, e.generateur, arret);
        return p;
    });
}

bool PenseurExpert::poserEcart(Jeu& jeu) {
    if (!pretPour(momentEcart(jeu))) return false;
    choixPret_ = false;
    Donne& d = jeu.donne;
    // The taker's 24 cards again, then the thought-out discard in place of the game's own.
    d.mainJoueur[d.preneur] = d.mainInitiale[d.preneur];
    for (int i = 1; i <= 18; ++i) d.mainJoueur[d.preneur][i].enMain = true;
    d.chien = d.chienInitial;
    appliquerEcart(jeu, pensee_.ecart);
    return true;
}

bool PenseurExpert::doitPenserPoignee(const Jeu& jeu) const {
    const Donne& d = jeu.donne;
    const int siege = d.joueurCourant;
    if (enCours_ || !jeu.options.optionNiveauExpert || !expert_->reglages.poigneeParSimulation) return false;
    if (!d.reglesPoignees || d.numeroPli != 1 || siege < 1 || siege > 4 || siege == d.joueurHumain) return false;
    if (d.poigneeOrdinateur[siege] != 0 || poigneePossible(atoutsEnMain(d, siege)) == 0) return false;
    return !(poigneePrete_ && momentPoigneePrete_ == momentPoignee(jeu));
}

void PenseurExpert::lancerPoignee(const Jeu& jeu) {
    const int siege = jeu.donne.joueurCourant;
    SavoirSiege savoir = savoirDuSiege(jeu, siege);
    oublierEncheres(savoir, encheresEntenduesALaTable(jeu, expert_->reglages));
    std::shared_ptr<const Jeu> copie = copiePendantLeJeu(jeu, siege);
    const ReglagesPoigneeExpert reglages = expert_->reglages.poignee;
    poigneePrete_ = false;
    ++lancesPoignees_;
    demarrer(momentPoignee(jeu), [copie, savoir, reglages](Expert& e, const std::atomic<bool>* arret) {
        Pensee p;
        p.poignee = jugerPoigneeExpert(*copie, savoir, reglages, e.generateur, arret).choisie;
        return p;
    });
}

int PenseurExpert::poignee(const Jeu& jeu, int siege) {
    const int plusGrande = poigneePossible(atoutsEnMain(jeu.donne, siege));
    if (!jeu.options.optionNiveauExpert || !expert_->reglages.poigneeParSimulation || plusGrande == 0) return plusGrande;
    if (poigneePrete_ && momentPoigneePrete_ == momentPoignee(jeu) && momentPoigneePrete_.siege == siege) {
        poigneePrete_ = false;
        return poigneePensee_;
    }
    // Nobody gave the seat time to think: it thinks here, once no worker holds the generator.
    veilleur_.waitForFinished();
    const Table<bool, 1, 4> entendues = encheresEntenduesALaTable(jeu, expert_->reglages);
    return choisirPoigneeExpert(jeu, siege, expert_->reglages.poignee, expert_->generateur, nullptr, &entendues);
}
