#include "settings/magasin_qsettings.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "engine/textes.h"

namespace {

QString cle(std::string_view nom) { return QString::fromUtf8(nom.data(), static_cast<qsizetype>(nom.size())); }

void exigerEcritureAtomique(QSettings& s) {
    // Never fall back on writing the file in place, which a crash could leave half written.
    s.setAtomicSyncRequired(true);
}

}  // namespace

MagasinQSettings::MagasinQSettings() : MagasinQSettings(organisationMagasin, titreProgramme) {}

MagasinQSettings::MagasinQSettings(const std::string& organisation, const std::string& application)
    : reglages_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QString::fromStdString(organisation),
                                            QString::fromStdString(application))) {
    exigerEcritureAtomique(*reglages_);
}

std::unique_ptr<MagasinQSettings> MagasinQSettings::sousCle(const std::string& cleRegistre) {
    QStringList parties = QString::fromStdString(cleRegistre).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    const bool valide = parties.size() == 3 && parties[0].compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0;
    if (!valide) return std::unique_ptr<MagasinQSettings>(new MagasinQSettings());
    return std::unique_ptr<MagasinQSettings>(new MagasinQSettings(parties[1].toStdString(), parties[2].toStdString()));
}

MagasinQSettings::MagasinQSettings(const std::string& fichier)
    : reglages_(std::make_unique<QSettings>(QString::fromStdString(fichier), QSettings::NativeFormat)) {
    exigerEcritureAtomique(*reglages_);
}

MagasinQSettings::~MagasinQSettings() = default;

std::string MagasinQSettings::fichier() const { return reglages_->fileName().toStdString(); }

bool MagasinQSettings::ouvrirCle() {
    // The folder is made on the first save at the latest; a missing file is an empty key.
    const QString dossier = QFileInfo(reglages_->fileName()).absolutePath();
    if (!QDir().mkpath(dossier)) return false;
    reglages_->sync();  // reread the file if someone else changed it
    return reglages_->status() != QSettings::AccessError;
}

std::optional<ValeurStockee> MagasinQSettings::lire(std::string_view nom) {
    const QVariant v = reglages_->value(cle(nom));
    if (!v.isValid()) return std::nullopt;
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
    reglages_->setValue(cle(nom), QByteArray(octets.data(), static_cast<qsizetype>(octets.size())));
}

void MagasinQSettings::ecrireTexte(std::string_view nom, std::string_view texte) {
    reglages_->setValue(cle(nom), cle(texte));
}

bool MagasinQSettings::valider() {
    reglages_->sync();
    const QSettings::Status etat = reglages_->status();
    if (etat != QSettings::FormatError) return etat == QSettings::NoError;
    // A garbled file read earlier keeps its error, which would hide the outcome
    // of this save: read the file again, clean if it was rewritten.
    const QString fichier = reglages_->fileName();
    reglages_ = std::make_unique<QSettings>(fichier, QSettings::NativeFormat);
    exigerEcritureAtomique(*reglages_);
    return reglages_->status() == QSettings::NoError;
}
