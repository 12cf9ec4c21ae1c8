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

HistoriqueAutoplay::~HistoriqueAutoplay() { jeu_.donneTerminee = nullptr; }

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
        p->erreurs_ << "belvane-autoplay: a deal could not be added to the history\n";
    };
    return h;
}
