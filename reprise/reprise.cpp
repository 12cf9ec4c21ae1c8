#include "reprise/reprise.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "engine/jeu.h"

namespace {

// The human's turn in play, his card not yet down: what a take-back goes back to.
bool humainAJouer(const Jeu& jeu) {
    const Donne& d = jeu.donne;
    return d.numeroPli >= 1 && d.numeroPli <= 18 && d.humainPeutJouer && d.joueurCourant == d.joueurHumain &&
           d.etatAttente == 0 && cartesJoueesHumain(jeu) == d.numeroPli - 1;
}

}  // namespace

int cartesJoueesHumain(const Jeu& jeu) {
    const Donne& d = jeu.donne;
    if (d.numeroPli < 1) return 0;
    int n = 0;
    for (const Carte& c : d.mainJoueur[d.joueurHumain]) n += !c.enMain;
    return n;
}

Reprise::Reprise(QString chemin) : chemin_(std::move(chemin)) {}

EtatReprise Reprise::ouvrir() {
    QFile f(chemin_);
    if (!f.exists()) return EtatReprise::aucune;
    fichierPresent_ = true;
    QByteArray octets;
    if (f.open(QIODevice::ReadOnly)) octets = f.readAll();
    f.close();
    // Read into a scratch game: only a deal that reads as a whole is kept.
    Jeu essai;
    MinuteursArmes m;
    if (lireInstantane(octets, essai, m) != LectureInstantane::lue) {
        mettreDeCote();
        return EtatReprise::miseDeCote;
    }
    lu_ = octets;
    ecrit_ = octets;
    return EtatReprise::prete;
}

bool Reprise::reprendre(Jeu& jeu, MinuteursArmes& minuteurs) {
    if (lu_.isEmpty()) return false;
    const bool ok = lireInstantane(lu_, jeu, minuteurs) == LectureInstantane::lue;
    lu_.clear();
    avantCarteHumain_.remplir(QByteArray());
    return ok;
}

void Reprise::abandonner() {
    lu_.clear();
    ecrit_.clear();
    if (QFile::remove(chemin_)) fichierPresent_ = false;
}

bool Reprise::noterEtape(const Jeu& jeu, const MinuteursArmes& minuteurs) {
    // The deal left by the last run stays on disk until the player has chosen.
    if (!lu_.isEmpty()) return true;
    const Donne& d = jeu.donne;
    // Nothing dealt yet (before the first deal), or the deal is over: no file.
    if (d.numeroPli >= 19 || d.mainInitiale[1][1].couleur == SANS_COULEUR) {
        ecrit_.clear();
        if (fichierPresent_ && QFile::remove(chemin_)) fichierPresent_ = false;
        return true;
    }
    // A new deal: the last one's cards can no longer be taken back.
    if (d.numeroPli == 0) avantCarteHumain_.remplir(QByteArray());
    const QByteArray octets = ecrireInstantane(jeu, minuteurs);
    if (humainAJouer(jeu)) avantCarteHumain_[d.numeroPli] = octets;
    if (octets == ecrit_) return true;
    if (!ecrire(octets)) return false;
    ecrit_ = octets;
    return true;
}

bool Reprise::ecrire(const QByteArray& octets) {
    if (!QDir().mkpath(QFileInfo(chemin_).absolutePath())) return false;
    QSaveFile f(chemin_);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(octets) != octets.size()) {
        f.cancelWriting();
        return false;
    }
    if (!f.commit()) return false;
    fichierPresent_ = true;
    return true;
}

bool Reprise::mettreDeCote() {
    const QString date = QDateTime::currentDateTimeUtc().toString("yyyyMMdd-HHmmss");
    QString cible = chemin_ + ".illisible-" + date;
    for (int n = 2; QFile::exists(cible); ++n) cible = chemin_ + ".illisible-" + date + "-" + QString::number(n);
    if (!QFile::rename(chemin_, cible)) {
        // Cannot be moved: at least it is never read again.
        QFile::remove(chemin_);
        return false;
    }
    misDeCote_ = cible;
    fichierPresent_ = false;
    return true;
}

bool Reprise::peutReprendreCarte(const Jeu& jeu) const {
    const Donne& d = jeu.donne;
    if (d.numeroPli < 1 || d.numeroPli > 18 || d.modeEcart) return false;
    const int n = cartesJoueesHumain(jeu);
    return n >= 1 && !avantCarteHumain_[n].isEmpty();
}

bool Reprise::reprendreCarte(Jeu& jeu, MinuteursArmes& minuteurs) {
    if (!peutReprendreCarte(jeu)) return false;
    const int n = cartesJoueesHumain(jeu);
    if (lireInstantane(avantCarteHumain_[n], jeu, minuteurs) != LectureInstantane::lue) return false;
    jeu.donne.entrainement = 1;
    return true;
}

QString cheminRepriseParDefaut() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("donne_en_cours.belvane");
}
