#include "settings/magasin_qsettings.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include "engine/textes.h"

namespace fs = std::filesystem;

namespace {

QString cle(std::string_view nom) { return QString::fromUtf8(nom.data(), static_cast<qsizetype>(nom.size())); }

void exigerEcritureAtomique(QSettings& s) {
    // Never fall back on writing the file in place, which a crash could leave half written.
    s.setAtomicSyncRequired(true);
}

// The file of the user's store for this maker and program. QSettings reads its
// files as soon as it is made, which would hang on a pipe put in place of the
// store: the user's configuration folder is learned from a store that does
// not exist, and the game's own file is checked before anything reads it.
std::string fichierUtilisateur(const std::string& organisation, const std::string& application) {
    const QString sonde = QStringLiteral("belvane-sonde-%1").arg(QCoreApplication::applicationPid());
    const QSettings reglages(QSettings::NativeFormat, QSettings::UserScope, sonde);
    const QString dossier = QFileInfo(reglages.fileName()).absolutePath();
    return (dossier + QLatin1Char('/') + QString::fromStdString(organisation) + QLatin1Char('/') +
            QString::fromStdString(application) + QStringLiteral(".conf"))
        .toStdString();
}

std::string erreurSysteme(int numero) { return std::strerror(numero); }

// Why a save into `fichier` fails: tried again by hand, step by step, so that
// the player learns the system's own reason (permission, read-only disk, full disk...).
std::string raisonEcriture(const fs::path& fichier) {
    if (::access(fichier.c_str(), F_OK) == 0 && ::access(fichier.c_str(), W_OK) != 0) return erreurSysteme(errno);
    std::string modele = (fichier.parent_path() / ".belvane-essai-XXXXXX").string();
    const int fd = ::mkstemp(modele.data());
    if (fd < 0) return erreurSysteme(errno);
    std::string raison = "unknown error";
    // About the size of a store, made durable.
    const std::string zeros(16384, '\0');
    std::size_t ecrits = 0;
    while (ecrits < zeros.size()) {
        const ssize_t n = ::write(fd, zeros.data() + ecrits, zeros.size() - ecrits);
        if (n < 0) {
            raison = erreurSysteme(errno);
            break;
        }
        ecrits += static_cast<std::size_t>(n);
    }
    if (ecrits == zeros.size() && ::fsync(fd) != 0) raison = erreurSysteme(errno);
    ::close(fd);
    ::unlink(modele.c_str());
    return raison;
}

// A process killed between making a lock file and writing its name into it
// leaves an empty lock, which QLockFile takes only once it is 30 s old (the
// game's own lock, never stale by age, never). A live holder keeps its lock
// under flock from the moment it makes it: an empty lock that no one holds is
// removed at once.
void leverVerrouVide(const std::string& verrou) {
    const int fd = ::open(verrou.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat avant {};
    if (::fstat(fd, &avant) == 0 && avant.st_size == 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        // A live holder is without its flock only for the microseconds between
        // making the file and locking it; one caught there has written its name by now.
        ::usleep(10000);
        struct stat apres {}, parSonNom {};
        if (::fstat(fd, &apres) == 0 && apres.st_size == 0 && ::stat(verrou.c_str(), &parSonNom) == 0 &&
            parSonNom.st_ino == apres.st_ino)
            ::unlink(verrou.c_str());
    }
    ::close(fd);
}

void leverVerrousVides(const std::string& verrou) {
    leverVerrouVide(verrou);
    leverVerrouVide(verrou + ".rmlock");  // QLockFile's own lock while it removes a stale one
}

// QSettings writes a save into "<file>.XXXXXX" and renames it over the file; a
// save killed on its way leaves that temporary behind. Each save holds
// "<file>.lock" from before making its temporary until after renaming it:
// while we hold that lock, every such temporary is abandoned.
void enleverTemporaires(const std::string& fichier) {
    QLockFile verrou(QString::fromStdString(fichier + ".lock"));
    if (!verrou.tryLock(0)) return;  // a save is under way: a later one cleans
    const fs::path f(fichier);
    const std::string prefixe = f.filename().string() + ".";
    std::error_code e;
    for (const auto& entree : fs::directory_iterator(f.parent_path(), e)) {
        const std::string nom = entree.path().filename().string();
        if (nom.size() != prefixe.size() + 6 || nom.compare(0, prefixe.size(), prefixe) != 0) continue;
        const std::string suite = nom.substr(prefixe.size());
        if (suite == "partie") continue;
        if (!std::all_of(suite.begin(), suite.end(), [](unsigned char c) { return std::isalnum(c) != 0; })) continue;
        if (entree.symlink_status(e).type() == fs::file_type::regular) fs::remove(entree.path(), e);
    }
}

}  // namespace

MagasinQSettings::MagasinQSettings() : MagasinQSettings(fichierUtilisateur(organisationMagasin, titreProgramme)) {}

std::unique_ptr<MagasinQSettings> MagasinQSettings::sousCle(const std::string& cleRegistre) {
    QStringList parties = QString::fromStdString(cleRegistre).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    const bool valide = parties.size() == 3 && parties[0].compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0;
    if (!valide) return std::make_unique<MagasinQSettings>();
    return std::make_unique<MagasinQSettings>(fichierUtilisateur(parties[1].toStdString(), parties[2].toStdString()));
}

MagasinQSettings::MagasinQSettings(const std::string& fichier) : fichier_(fichier) {}

MagasinQSettings::~MagasinQSettings() = default;

std::string MagasinQSettings::fichier() const { return fichier_; }

std::string MagasinQSettings::raison() const { return raison_; }

bool MagasinQSettings::endommage() const { return endommage_; }

bool MagasinQSettings::vide() const { return !reglages_ || reglages_->allKeys().isEmpty(); }

bool MagasinQSettings::echouer(std::string raison) {
    raison_ = std::move(raison);
    return false;
}

bool MagasinQSettings::ouvrirCle() {
    endommage_ = false;
    const fs::path f(fichier_);
    std::error_code e;
    // The folder is made on the first opening; a missing file is an empty key.
    fs::create_directories(f.parent_path(), e);
    if (e) return echouer(f.parent_path().string() + ": " + e.message());
    const fs::file_status etat = fs::status(f, e);  // through the links
    if (e && etat.type() != fs::file_type::not_found) return echouer(e.message());
    if (etat.type() == fs::file_type::directory) return echouer(erreurSysteme(EISDIR));
    if (etat.type() != fs::file_type::not_found && etat.type() != fs::file_type::regular)
        return echouer("not a regular file");
    if (etat.type() == fs::file_type::regular) {
        const int fd = ::open(f.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return echouer(erreurSysteme(errno));
        ::close(fd);
    }
    if (!reglages_) {
        reglages_ = std::make_unique<QSettings>(QString::fromStdString(fichier_), QSettings::NativeFormat);
        exigerEcritureAtomique(*reglages_);
    } else {
        reglages_->sync();  // reread the file if someone else changed it
    }
    switch (reglages_->status()) {
        case QSettings::AccessError:
            return echouer("cannot be read");
        case QSettings::FormatError:
            endommage_ = true;
            break;
        case QSettings::NoError:
            break;
    }
    // A file with something in it but not one value: garbage, not a new store.
    if (etat.type() == fs::file_type::regular && fs::file_size(f, e) > 0 && reglages_->allKeys().isEmpty())
        endommage_ = true;
    return true;
}

std::optional<ValeurStockee> MagasinQSettings::lire(std::string_view nom) {
    if (!reglages_) return std::nullopt;
    const QVariant v = reglages_->value(cle(nom));
    // An "@Variant(...)" that does not decode comes back as an invalid variant
    // although the key is there: a bad value, not a missing one.
    if (!v.isValid()) {
        if (!reglages_->contains(cle(nom))) return std::nullopt;
        return ValeurStockee{Nature::Autre, {}};
    }
    switch (v.typeId()) {
        case QMetaType::QByteArray: {
            const QByteArray octets = v.toByteArray();
            return ValeurStockee{Nature::Binaire, std::string(octets.constData(), static_cast<std::size_t>(octets.size()))};
        }
        case QMetaType::QString:
            return ValeurStockee{Nature::Texte, v.toString().toStdString()};
        default:
            return ValeurStockee{Nature::Autre, {}};
    }
}

void MagasinQSettings::ecrireBinaire(std::string_view nom, std::string_view octets) {
    if (!reglages_) return;
    reglages_->setValue(cle(nom), QByteArray(octets.data(), static_cast<qsizetype>(octets.size())));
}

void MagasinQSettings::ecrireTexte(std::string_view nom, std::string_view texte) {
    if (!reglages_) return;
    reglages_->setValue(cle(nom), cle(texte));
}

bool MagasinQSettings::valider() {
    if (!reglages_) return echouer("the store was never opened");
    leverVerrousVides(fichier_ + ".lock");
    enleverTemporaires(fichier_);
    reglages_->sync();
    QSettings::Status etat = reglages_->status();
    if (etat == QSettings::FormatError) {
        // A garbled file read earlier keeps its error, which would hide the outcome
        // of this save: read the file again, clean if it was rewritten.
        reglages_ = std::make_unique<QSettings>(QString::fromStdString(fichier_), QSettings::NativeFormat);
        exigerEcritureAtomique(*reglages_);
        etat = reglages_->status();
    }
    if (etat == QSettings::NoError) return true;
    return echouer(raisonEcriture(fichier_));
}

std::string MagasinQSettings::mettreDeCote() {
    const std::string date = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    const std::string base = fichier_ + ".endommage-" + date;
    std::error_code e;
    for (int n = 1; n <= 100; ++n) {
        const std::string copie = n == 1 ? base : base + "-" + std::to_string(n);
        if (fs::copy_file(fichier_, copie, fs::copy_options::none, e)) return copie;
        if (e != std::errc::file_exists) break;
    }
    echouer(e.message());
    return "";
}

bool MagasinQSettings::verrouiller() {
    verrou_ = std::make_unique<QLockFile>(QString::fromStdString(fichier_ + ".partie.lock"));
    // Held for the whole game: only a holder that no longer runs makes it stale.
    verrou_->setStaleLockTime(0);
    std::error_code e;
    fs::create_directories(fs::path(fichier_).parent_path(), e);
    leverVerrousVides(fichier_ + ".partie.lock");
    if (verrou_->tryLock(0)) return true;
    return verrou_->error() != QLockFile::LockFailedError;
}
