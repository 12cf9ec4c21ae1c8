#include "tools/autoplay/historique_auto.h"

#include <QCoreApplication>
#include <QDateTime>
#include <ostream>

#include "engine/jeu.h"

namespace {

// Qt SQL loads its SQLite driver as a plugin, which wants an application
// object; the tool has none of its own.
void applicationQt() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char nom[] = "belvane-autoplay";
    static char* argv[] = {nom, nullptr};
    static QCoreApplication application(argc, argv);
}

}  // namespace

HistoriqueAutoplay::HistoriqueAutoplay(const std::string& chemin, Jeu& jeu, std::ostream& erreurs)
    : base_(QString::fromStdString(chemin)), jeu_(jeu), erreurs_(erreurs) {}

HistoriqueAutoplay::~HistoriqueAutoplay() {
    jeu_.donneTerminee = nullptr;
    if (base_.terminer()) return;
    erreurs_ << "belvane-autoplay: " << base_.enAttente() << " deals wait in "
             << base_.cheminEnAttente().toStdString() << "; the next use of the history writes them\n";
}

std::unique_ptr<HistoriqueAutoplay> HistoriqueAutoplay::ouvrir(const std::string& chemin, Jeu& jeu,
                                                             std::ostream& erreurs) {
    applicationQt();
    std::unique_ptr<HistoriqueAutoplay> h(new HistoriqueAutoplay(chemin, jeu, erreurs));
    const bool ouverte = h->base_.ouvrir();
    switch (h->base_.etat()) {
    case EtatHistorique::miseDeCote:
        erreurs << "belvane-autoplay: " << chemin << " could not be read: set aside as "
                << h->base_.cheminMisDeCote().toStdString() << ", a new history started\n";
        break;
    case EtatHistorique::tropRecente:
        erreurs << "belvane-autoplay: " << chemin << " was written by a later version of the game\n";
        break;
    case EtatHistorique::indisponible:
        erreurs << "belvane-autoplay: no history can be written to " << chemin << "\n";
        break;
    default:
        break;
    }
    if (!ouverte) return nullptr;
    HistoriqueAutoplay* p = h.get();
    jeu.donneTerminee = [p](const Jeu& j) {
        DonneArchivee a = archiverDonne(j, QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString());
        if (p->base_.ajouter(a) || p->echecSignale_) return;
        p->echecSignale_ = true;
        if (p->base_.enAttente() == 0) {
            p->erreurs_ << "belvane-autoplay: a deal could not be added to the history\n";
            return;
        }
        p->erreurs_ << "belvane-autoplay: the history " << p->base_.chemin().toStdString()
                    << " is in use by another program: the deals wait in "
                    << p->base_.cheminEnAttente().toStdString() << " until it is free\n";
    };
    return h;
}
