#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <atomic>

#include "historique/base.h"

namespace {

// Card ids written as text, "12 4 56 ...", so that sqlite3 shows them as they are.
template <typename T>
QString enTexte(const T& table) {
    QStringList l;
    for (int i = T::premier; i <= T::dernier; ++i) l << QString::number(table[i]);
    return l.join(' ');
}

template <typename T>
bool lireTexte(const QString& texte, T& table) {
    const QStringList l = texte.split(' ', Qt::SkipEmptyParts);
    if (l.size() != T::dernier - T::premier + 1) return false;
    for (int i = T::premier; i <= T::dernier; ++i) {
        bool ok = false;
        table[i] = l[i - T::premier].toInt(&ok);
        if (!ok) return false;
    }
    return true;
}

QString nomCarte(int id) {
    static const char* couleurs[] = {"", "Pique", "Coeur", "Trefle", "Carreau"};
    static const char* figures[] = {"Valet", "Cavalier", "Dame", "Roi"};
    if (id == 57) return "Excuse";
    if (id > 57) return QString("Atout %1").arg(id - 57);
    const int couleur = (id - 1) / 14 + 1;
    const int valeur = (id - 1) % 14 + 1;
    if (valeur > 10) return QString("%1 de %2").arg(figures[valeur - 11]).arg(couleurs[couleur]);
    return QString("%1 de %2").arg(valeur).arg(couleurs[couleur]);
}

const char* const schema[] = {
    "CREATE TABLE version (version INTEGER NOT NULL)",
    "CREATE TABLE carte (id INTEGER PRIMARY KEY, couleur INTEGER NOT NULL, valeur INTEGER NOT NULL, "
    "nom TEXT NOT NULL)",
    "CREATE TABLE donne ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " date TEXT NOT NULL,"                 // UTC, ISO 8601
    " rejouee INTEGER NOT NULL,"           // 0 a fresh deal, 1 a replay
    " code TEXT NOT NULL,"                 // the deal's code
    " paquet_sauve TEXT NOT NULL,"         // 78 card ids
    " premier_joueur INTEGER NOT NULL,"
    " niveau_main1 INTEGER NOT NULL, niveau_main2 INTEGER NOT NULL,"
    " niveau_main3 INTEGER NOT NULL, niveau_main4 INTEGER NOT NULL,"
    " enchere1 INTEGER NOT NULL, enchere2 INTEGER NOT NULL, enchere3 INTEGER NOT NULL, enchere4 INTEGER NOT NULL,"
    " preneur INTEGER NOT NULL, contrat INTEGER NOT NULL,"
    " chien TEXT NOT NULL, ecart TEXT NOT NULL, origine_ecart TEXT NOT NULL,"
    " points_preneur INTEGER NOT NULL,"    // half-points
    " bouts_preneur INTEGER NOT NULL, points_a_faire INTEGER NOT NULL,"
    " petit_au_bout INTEGER NOT NULL, poignee INTEGER NOT NULL,"
    " score INTEGER NOT NULL,"             // the taker's
    " contrat_rempli INTEGER NOT NULL, gain_humain INTEGER NOT NULL,"
    " total1 INTEGER NOT NULL, total2 INTEGER NOT NULL, total3 INTEGER NOT NULL, total4 INTEGER NOT NULL,"
    " niveau INTEGER NOT NULL, adaptatif INTEGER NOT NULL)",
    "CREATE TABLE carte_jouee ("
    " donne INTEGER NOT NULL REFERENCES donne(id) ON DELETE CASCADE,"
    " rang INTEGER NOT NULL,"              // 1..72, in playing order
    " pli INTEGER NOT NULL, siege INTEGER NOT NULL,"
    " carte INTEGER NOT NULL REFERENCES carte(id),"
    " PRIMARY KEY (donne, rang)) WITHOUT ROWID",
    "CREATE INDEX donne_preneur ON donne (preneur, contrat)",
};

constexpr const char* colonnesResume =
    "id, date, rejouee, code, preneur, contrat, score, gain_humain, total1, total2, total3, total4, niveau, adaptatif,"
    " contrat_rempli, chelem_realise, chelem_annonce, entrainement";

// The coach's verdict, one row per deal analysed: added to any file that
// lacks it, read beside the deal's summary.
constexpr const char* tableVerdict =
    "CREATE TABLE IF NOT EXISTS verdict ("
    " donne INTEGER PRIMARY KEY REFERENCES donne(id) ON DELETE CASCADE,"
    " realisable_depart INTEGER,"  // 1 makeable from the first card, 0 not, NULL not settled
    " depuis_pli INTEGER NOT NULL,"
    " pli_tournant INTEGER, carte_tournant INTEGER REFERENCES carte(id), siege_tournant INTEGER,"
    " perdu INTEGER,"              // 1 lost by that card, 0 saved by it, NULL no turning card
    " erreurs INTEGER NOT NULL, malchances INTEGER NOT NULL)";
constexpr const char* colonnesVerdict =
    "v.donne, v.realisable_depart, v.depuis_pli, v.pli_tournant, v.carte_tournant, v.siege_tournant, v.perdu,"
    " v.erreurs, v.malchances";
constexpr int premiereColonneVerdict = 18;  // after the summary's columns

VerdictArchive lireVerdict(const QSqlQuery& q) {
    VerdictArchive v;
    const int c = premiereColonneVerdict;
    if (q.value(c).isNull()) return v;
    v.present = true;
    v.realisableDepart = q.value(c + 1).isNull() ? -1 : q.value(c + 1).toInt();
    v.depuisPli = q.value(c + 2).toInt();
    v.pliTournant = q.value(c + 3).toInt();
    v.carteTournant = q.value(c + 4).toInt();
    v.siegeTournant = q.value(c + 5).toInt();
    v.perdu = q.value(c + 6).toInt() != 0;
    v.erreurs = q.value(c + 7).toInt();
    v.malchances = q.value(c + 8).toInt();
    return v;
}

ResumeDonne lireResume(const QSqlQuery& q) {
    ResumeDonne r;
    r.id = q.value(0).toLongLong();
    r.date = q.value(1).toString().toStdString();
    r.rejouee = q.value(2).toInt() != 0;
    r.code = q.value(3).toString().toStdString();
    r.preneur = q.value(4).toInt();
    r.contrat = q.value(5).toInt();
    r.score = q.value(6).toInt();
    r.gainHumain = q.value(7).toInt();
    for (int s = 1; s <= 4; ++s) r.totaux[s] = q.value(7 + s).toInt();
    r.niveau = q.value(12).toInt();
    r.adaptatif = q.value(13).toInt();
    r.contratRempli = q.value(14).toInt() != 0;
    r.chelemRealise = q.value(15).toInt();
    r.chelemAnnonce = q.value(16).toInt();
    r.entrainement = q.value(17).toInt() != 0;
    return r;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

// A deal waiting to be written, as its file beside the history keeps it: the
// columns of its row, the tables as the same texts of card ids.
QJsonObject enJson(const DonneArchivee& a) {
    QJsonObject o;
    o["date"] = qs(a.date);
    o["rejouee"] = a.rejouee;
    o["code"] = qs(a.code);
    o["paquet_sauve"] = enTexte(a.paquetSauve);
    o["premier_joueur"] = a.premierJoueur;
    o["niveau_main"] = enTexte(a.niveauMain);
    o["enchere"] = enTexte(a.enchere);
    o["preneur"] = a.preneur;
    o["contrat"] = a.contrat;
    o["chien"] = enTexte(a.chien);
    o["ecart"] = enTexte(a.ecart);
    o["origine_ecart"] = enTexte(a.origineEcart);
    o["cartes"] = enTexte(a.cartes);
    o["sieges"] = enTexte(a.sieges);
    o["points_preneur"] = a.pointsPreneur;
    o["bouts_preneur"] = a.boutsPreneur;
    o["points_a_faire"] = a.pointsAFaire;
    o["petit_au_bout"] = a.petitAuBout;
    o["poignee"] = a.poignee;
    o["score"] = a.score;
    o["gain_humain"] = a.gainHumain;
    o["totaux"] = enTexte(a.totaux);
    o["niveau"] = a.niveau;
    o["adaptatif"] = a.adaptatif;
    o["regles_chelem"] = a.reglesChelem;
    o["chelem_annonce"] = a.chelemAnnonce;
    o["chelem_realise"] = a.chelemRealise;
    o["poignee_ordinateur"] = enTexte(a.poigneeOrdinateur);
    o["plis_preneur"] = a.plisPreneur;
    o["entrainement"] = a.entrainement;
    return o;
}

std::optional<DonneArchivee> depuisJson(const QJsonObject& o) {
    DonneArchivee a;
    a.date = o["date"].toString().toStdString();
    a.rejouee = o["rejouee"].toBool();
    a.code = o["code"].toString().toStdString();
    a.premierJoueur = o["premier_joueur"].toInt();
    a.preneur = o["preneur"].toInt();
    a.contrat = o["contrat"].toInt();
    a.pointsPreneur = o["points_preneur"].toInt();
    a.boutsPreneur = o["bouts_preneur"].toInt();
    a.pointsAFaire = o["points_a_faire"].toInt();
    a.petitAuBout = o["petit_au_bout"].toInt();
    a.poignee = o["poignee"].toInt();
    a.score = o["score"].toInt();
    a.gainHumain = o["gain_humain"].toInt();
    a.niveau = o["niveau"].toInt();
    a.adaptatif = o["adaptatif"].toInt();
    a.reglesChelem = o["regles_chelem"].toInt();
    a.chelemAnnonce = o["chelem_annonce"].toInt();
    a.chelemRealise = o["chelem_realise"].toInt();
    a.plisPreneur = o["plis_preneur"].toInt();
    a.entrainement = o["entrainement"].toBool();
    // A file written before the official rules has no handfuls of the computers.
    if (o.contains("poignee_ordinateur") && !lireTexte(o["poignee_ordinateur"].toString(), a.poigneeOrdinateur))
        return std::nullopt;
    const bool tables = lireTexte(o["paquet_sauve"].toString(), a.paquetSauve) &&
                        lireTexte(o["niveau_main"].toString(), a.niveauMain) &&
                        lireTexte(o["enchere"].toString(), a.enchere) && lireTexte(o["chien"].toString(), a.chien) &&
                        lireTexte(o["ecart"].toString(), a.ecart) &&
                        lireTexte(o["origine_ecart"].toString(), a.origineEcart) &&
                        lireTexte(o["cartes"].toString(), a.cartes) && lireTexte(o["sieges"].toString(), a.sieges) &&
                        lireTexte(o["totaux"].toString(), a.totaux);
    if (!tables || a.date.empty() || a.code.empty()) return std::nullopt;
    return a;
}

// Columns added after the first schema, each with the value an older row
// stands for: a file written before them gains them as it opens.
bool ajouterColonnesManquantes(const QSqlDatabase& b) {
    struct Colonne {
        const char* nom;
        const char* definition;
    };
    static constexpr Colonne ajoutees[] = {
        {"entrainement", "entrainement INTEGER NOT NULL DEFAULT 0"},  // 1 a practice deal
        // The official rules: 0 in an older row, the game's own rules.
        {"regles_chelem", "regles_chelem INTEGER NOT NULL DEFAULT 0"},
        {"chelem_annonce", "chelem_annonce INTEGER NOT NULL DEFAULT 0"},
        {"chelem_realise", "chelem_realise INTEGER NOT NULL DEFAULT 0"},
        {"poignee2", "poignee2 INTEGER NOT NULL DEFAULT 0"},
        {"poignee3", "poignee3 INTEGER NOT NULL DEFAULT 0"},
        {"poignee4", "poignee4 INTEGER NOT NULL DEFAULT 0"},
        {"plis_preneur", "plis_preneur INTEGER NOT NULL DEFAULT 0"},
    };
    QSqlQuery q(b);
    if (!q.exec("PRAGMA table_info(donne)")) return false;
    QStringList presentes;
    while (q.next()) presentes << q.value(1).toString();
    for (const Colonne& c : ajoutees)
        if (!presentes.contains(c.nom) && !q.exec(QString("ALTER TABLE donne ADD COLUMN %1").arg(c.definition)))
            return false;
    return true;
}

}  // namespace

BaseHistorique::BaseHistorique(QString chemin) : chemin_(std::move(chemin)) {
    static std::atomic<int> compteur{0};
    connexion_ = QString("historique-%1").arg(++compteur);
}

BaseHistorique::~BaseHistorique() {
    if (!termine_) terminer();
}

bool BaseHistorique::terminer() {
    termine_ = true;
    const bool ouverte = etat_ == EtatHistorique::ouverte || etat_ == EtatHistorique::miseDeCote;
    const bool tout = !ouverte || ecrireEnAttente(attenteFermetureMs);
    fermer();
    etat_ = EtatHistorique::fermee;  // a later use opens it again
    return tout && enAttente_.empty();
}

QSqlDatabase BaseHistorique::base() const { return QSqlDatabase::database(connexion_, false); }

void BaseHistorique::fermer() {
    if (!QSqlDatabase::contains(connexion_)) return;
    {
        QSqlDatabase b = base();
        b.close();
    }
    QSqlDatabase::removeDatabase(connexion_);
}

bool BaseHistorique::ouvrirFichier() {
    QSqlDatabase b = QSqlDatabase::addDatabase("QSQLITE", connexion_);
    b.setDatabaseName(chemin_);
    return b.open();
}

// The file reads as a database of a version this game knows, or is new.
bool BaseHistorique::valide(QString& version) {
    QSqlQuery q(base());
    if (!q.exec("PRAGMA quick_check") || !q.next() || q.value(0).toString() != "ok") return false;
    if (!q.exec("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'version'") || !q.next())
        return false;
    if (q.value(0).toInt() == 0) {
        // A new, empty file; anything else without a version table is not ours.
        if (!q.exec("SELECT count(*) FROM sqlite_master") || !q.next()) return false;
        version.clear();
        return q.value(0).toInt() == 0;
    }
    if (!q.exec("SELECT version FROM version") || !q.next()) return false;
    version = q.value(0).toString();
    return true;
}

bool BaseHistorique::creerSchema() {
    QSqlDatabase b = base();
    if (!b.transaction()) return false;
    QSqlQuery q(b);
    bool ok = true;
    for (const char* ordre : schema) ok = ok && q.exec(ordre);
    ok = ok && q.prepare("INSERT INTO carte (id, couleur, valeur, nom) VALUES (?, ?, ?, ?)");
    for (int id = 1; id <= 78 && ok; ++id) {
        const int couleur = id >= 57 ? 0 : (id - 1) / 14 + 1;
        const int valeur = id >= 57 ? id - 57 : (id - 1) % 14 + 1;
        q.addBindValue(id);
        q.addBindValue(couleur);
        q.addBindValue(valeur);
        q.addBindValue(nomCarte(id));
        ok = q.exec();
    }
    ok = ok && q.exec(QString("INSERT INTO version (version) VALUES (%1)").arg(versionSchema));
    if (!ok) {
        b.rollback();
        return false;
    }
    return b.commit();
}

bool BaseHistorique::creerTablesAjoutees() {
    QSqlQuery q(base());
    return q.exec(tableVerdict);
}

bool BaseHistorique::noterVerdict(long long id, const VerdictArchive& v) {
    if (!ouvrir()) return false;
    QSqlQuery q(base());
    if (!q.prepare("INSERT OR REPLACE INTO verdict (donne, realisable_depart, depuis_pli, pli_tournant,"
                   " carte_tournant, siege_tournant, perdu, erreurs, malchances) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"))
        return false;
    const QVariant nul;
    const bool tournant = v.pliTournant > 0;
    q.addBindValue(id);
    q.addBindValue(v.realisableDepart < 0 ? nul : QVariant(v.realisableDepart));
    q.addBindValue(v.depuisPli);
    q.addBindValue(tournant ? QVariant(v.pliTournant) : nul);
    q.addBindValue(tournant ? QVariant(v.carteTournant) : nul);
    q.addBindValue(tournant ? QVariant(v.siegeTournant) : nul);
    q.addBindValue(tournant ? QVariant(v.perdu ? 1 : 0) : nul);
    q.addBindValue(v.erreurs);
    q.addBindValue(v.malchances);
    return q.exec();
}

bool BaseHistorique::mettreDeCote() {
    fermer();
    const QString date = QDateTime::currentDateTimeUtc().toString("yyyyMMdd-HHmmss");
    QString cible = chemin_ + ".illisible-" + date;
    for (int n = 2; QFile::exists(cible); ++n) cible = chemin_ + ".illisible-" + date + "-" + QString::number(n);
    if (!QFile::rename(chemin_, cible)) return false;
    // The journal of the old file goes with it.
    for (const char* suffixe : {"-wal", "-shm"})
        if (QFile::exists(chemin_ + suffixe)) QFile::rename(chemin_ + suffixe, cible + suffixe);
    misDeCote_ = cible;
    return true;
}

bool BaseHistorique::ouvrir() {
    if (etat_ != EtatHistorique::fermee) return etat_ == EtatHistorique::ouverte || etat_ == EtatHistorique::miseDeCote;
    etat_ = EtatHistorique::indisponible;
    if (!QDir().mkpath(QFileInfo(chemin_).absolutePath())) return false;

    QString version;
    bool ok = ouvrirFichier() && valide(version);
    if (!ok && QFile::exists(chemin_)) {
        if (!mettreDeCote()) {
            fermer();
            return false;
        }
        etat_ = EtatHistorique::miseDeCote;
        ok = ouvrirFichier() && valide(version);
    }
    if (!ok) {
        fermer();
        etat_ = EtatHistorique::indisponible;
        return false;
    }
    if (!version.isEmpty() && version.toInt() > versionSchema) {
        fermer();
        etat_ = EtatHistorique::tropRecente;
        return false;
    }
    QSqlQuery q(base());
    // A deal is small and the game goes on after it: the journal keeps every
    // committed deal through a crash of the game; only a power cut may lose the last one.
    ok = q.exec("PRAGMA journal_mode = WAL") && q.next() && q.value(0).toString() == "wal";
    ok = ok && q.exec("PRAGMA synchronous = NORMAL") && q.exec("PRAGMA foreign_keys = ON");
    if (ok && version.isEmpty()) ok = creerSchema();
    ok = ok && ajouterColonnesManquantes(base()) && creerTablesAjoutees();
    if (!ok) {
        fermer();
        etat_ = EtatHistorique::indisponible;
        return false;
    }
    if (etat_ != EtatHistorique::miseDeCote) etat_ = EtatHistorique::ouverte;
    termine_ = false;
    // Deals left waiting by an earlier run go in first.
    chargerEnAttente();
    ecrireEnAttente(attenteMs);
    return true;
}

bool BaseHistorique::ajouter(DonneArchivee& a) {
    if (!ouvrir()) return false;
    // Deals already waiting: the file was held a moment ago; try it without waiting again.
    const int attente = enAttente_.empty() ? attenteMs : 0;
    enAttente_.push_back(a);
    if (!ecrireEnAttente(attente)) return false;
    a.id = dernierId_;
    return true;
}

bool BaseHistorique::ecrireEnAttente(int attente) {
    if (enAttente_.empty()) return true;
    if (!ouvrir()) return false;
    QSqlDatabase b = base();
    QSqlQuery q(b);
    q.exec(QString("PRAGMA busy_timeout = %1").arg(attente));
    // The write lock from the start, so that a held file costs one wait, not one per statement.
    bool ok = q.exec("BEGIN IMMEDIATE");
    if (!ok) {
        const QString code = q.lastError().nativeErrorCode();
        // SQLITE_BUSY, SQLITE_LOCKED: another program is writing.
        if (code == "5" || code == "6") occupee_ = true;
        else ecritureEchouee_ = true;
        sauverEnAttente();
        return false;
    }
    for (DonneArchivee& d : enAttente_) {
        ok = dejaEcrite(d) || inserer(d);
        if (!ok) break;
    }
    if (!ok || !q.exec("COMMIT")) {
        q.exec("ROLLBACK");
        ecritureEchouee_ = true;
        sauverEnAttente();
        return false;
    }
    dernierId_ = enAttente_.back().id;
    enAttente_.clear();
    QFile::remove(cheminEnAttente());
    return true;
}

// A deal of the file of deals waiting that is in the history already: the
// game stopped after writing it and before removing that file.
bool BaseHistorique::dejaEcrite(const DonneArchivee& a) {
    QSqlQuery q(base());
    q.prepare("SELECT id FROM donne WHERE date = ? AND code = ? AND rejouee = ? AND entrainement = ? AND score = ?"
              " AND total1 = ? AND total2 = ? AND total3 = ? AND total4 = ?");
    q.addBindValue(qs(a.date));
    q.addBindValue(qs(a.code));
    q.addBindValue(a.rejouee ? 1 : 0);
    q.addBindValue(a.entrainement ? 1 : 0);
    q.addBindValue(a.score);
    for (int s = 1; s <= 4; ++s) q.addBindValue(a.totaux[s]);
    return q.exec() && q.next();
}

void BaseHistorique::sauverEnAttente() {
    QJsonArray donnes;
    for (const DonneArchivee& a : enAttente_) donnes.append(enJson(a));
    QSaveFile f(cheminEnAttente());
    // When even this cannot be written the deals stay in memory, tried again at every deal.
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(QJsonDocument(donnes).toJson(QJsonDocument::Indented));
    f.commit();
}

void BaseHistorique::chargerEnAttente() {
    QFile f(cheminEnAttente());
    if (!f.open(QIODevice::ReadOnly)) return;
    std::vector<DonneArchivee> lues;
    for (const QJsonValue v : QJsonDocument::fromJson(f.readAll()).array())
        if (std::optional<DonneArchivee> a = depuisJson(v.toObject())) lues.push_back(*a);
    enAttente_.insert(enAttente_.begin(), lues.begin(), lues.end());
}

bool BaseHistorique::inserer(DonneArchivee& a) {
    QSqlQuery q(base());
    bool ok = q.prepare(
        "INSERT INTO donne (date, rejouee, code, paquet_sauve, premier_joueur,"
        " niveau_main1, niveau_main2, niveau_main3, niveau_main4, enchere1, enchere2, enchere3, enchere4,"
        " preneur, contrat, chien, ecart, origine_ecart, points_preneur, bouts_preneur, points_a_faire,"
        " petit_au_bout, poignee, score, contrat_rempli, gain_humain, total1, total2, total3, total4,"
        " niveau, adaptatif, entrainement) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
        " ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    if (ok) {
        q.addBindValue(QString::fromStdString(a.date));
        q.addBindValue(a.rejouee ? 1 : 0);
        q.addBindValue(QString::fromStdString(a.code));
        q.addBindValue(enTexte(a.paquetSauve));
        q.addBindValue(a.premierJoueur);
        for (int s = 1; s <= 4; ++s) q.addBindValue(a.niveauMain[s]);
        for (int s = 1; s <= 4; ++s) q.addBindValue(a.enchere[s]);
        q.addBindValue(a.preneur);
        q.addBindValue(a.contrat);
        q.addBindValue(enTexte(a.chien));
        q.addBindValue(enTexte(a.ecart));
        q.addBindValue(enTexte(a.origineEcart));
        q.addBindValue(a.pointsPreneur);
        q.addBindValue(a.boutsPreneur);
        q.addBindValue(a.pointsAFaire);
        q.addBindValue(a.petitAuBout);
        q.addBindValue(a.poignee);
        q.addBindValue(a.score);
        q.addBindValue(a.contratRempli() ? 1 : 0);
        q.addBindValue(a.gainHumain);
        for (int s = 1; s <= 4; ++s) q.addBindValue(a.totaux[s]);
        q.addBindValue(a.niveau);
        q.addBindValue(a.adaptatif);
        q.addBindValue(a.entrainement ? 1 : 0);
        ok = q.exec();
    }
    const long long id = ok ? q.lastInsertId().toLongLong() : 0;
    ok = ok && q.prepare("INSERT INTO carte_jouee (donne, rang, pli, siege, carte) VALUES (?, ?, ?, ?, ?)");
    if (ok) {
        // One statement for the 72 cards.
        QVariantList donnes, rangs, plis, sieges, cartes;
        for (int k = 1; k <= 72; ++k) {
            donnes << id;
            rangs << k;
            plis << (k - 1) / 4 + 1;
            sieges << a.sieges[k];
            cartes << a.cartes[k];
        }
        q.addBindValue(donnes);
        q.addBindValue(rangs);
        q.addBindValue(plis);
        q.addBindValue(sieges);
        q.addBindValue(cartes);
        ok = q.execBatch();
    }
    ok = ok && ecrireRegles(id, a);
    if (ok) a.id = id;
    return ok;
}

bool BaseHistorique::ecrireRegles(long long id, const DonneArchivee& a) {
    QSqlQuery q(base());
    bool ok = q.prepare(
        "UPDATE donne SET regles_chelem = ?, chelem_annonce = ?, chelem_realise = ?, poignee2 = ?, poignee3 = ?,"
        " poignee4 = ?, plis_preneur = ? WHERE id = ?");
    q.addBindValue(a.reglesChelem);
    q.addBindValue(a.chelemAnnonce);
    q.addBindValue(a.chelemRealise);
    for (int s = 2; s <= 4; ++s) q.addBindValue(a.poigneeOrdinateur[s]);
    q.addBindValue(a.plisPreneur);
    q.addBindValue(id);
    return ok && q.exec();
}

bool BaseHistorique::lireRegles(DonneArchivee& a) {
    QSqlQuery q(base());
    q.prepare(
        "SELECT regles_chelem, chelem_annonce, chelem_realise, poignee2, poignee3, poignee4, plis_preneur"
        " FROM donne WHERE id = ?");
    q.addBindValue(a.id);
    if (!q.exec() || !q.next()) return false;
    a.reglesChelem = q.value(0).toInt();
    a.chelemAnnonce = q.value(1).toInt();
    a.chelemRealise = q.value(2).toInt();
    for (int s = 2; s <= 4; ++s) a.poigneeOrdinateur[s] = q.value(s + 1).toInt();
    a.plisPreneur = q.value(6).toInt();
    return true;
}

std::vector<ResumeDonne> BaseHistorique::resumes() {
    std::vector<ResumeDonne> v;
    if (!ouvrir()) return v;
    QSqlQuery q(base());
    q.setForwardOnly(true);
    if (!q.exec(QString("SELECT %1, %2 FROM donne LEFT JOIN verdict v ON v.donne = donne.id ORDER BY id DESC")
                    .arg(colonnesResume, colonnesVerdict)))
        return v;
    while (q.next()) {
        v.push_back(lireResume(q));
        v.back().verdict = lireVerdict(q);
    }
    return v;
}

long long BaseHistorique::nombre() {
    if (!ouvrir()) return 0;
    QSqlQuery q(base());
    if (!q.exec("SELECT count(*) FROM donne") || !q.next()) return 0;
    return q.value(0).toLongLong();
}

std::optional<DonneArchivee> BaseHistorique::lire(long long id) {
    if (!ouvrir()) return std::nullopt;
    QSqlQuery q(base());
    q.prepare(
        "SELECT date, rejouee, code, paquet_sauve, premier_joueur,"
        " niveau_main1, niveau_main2, niveau_main3, niveau_main4, enchere1, enchere2, enchere3, enchere4,"
        " preneur, contrat, chien, ecart, origine_ecart, points_preneur, bouts_preneur, points_a_faire,"
        " petit_au_bout, poignee, score, gain_humain, total1, total2, total3, total4, niveau, adaptatif,"
        " entrainement FROM donne WHERE id = ?");
    q.addBindValue(id);
    if (!q.exec() || !q.next()) return std::nullopt;
    DonneArchivee a;
    a.id = id;
    int c = 0;
    auto entier = [&q, &c] { return q.value(c++).toInt(); };
    auto texte = [&q, &c] { return q.value(c++).toString(); };
    a.date = texte().toStdString();
    a.rejouee = entier() != 0;
    a.code = texte().toStdString();
    if (!lireTexte(texte(), a.paquetSauve)) return std::nullopt;
    a.premierJoueur = entier();
    for (int s = 1; s <= 4; ++s) a.niveauMain[s] = entier();
    for (int s = 1; s <= 4; ++s) a.enchere[s] = entier();
    a.preneur = entier();
    a.contrat = entier();
    if (!lireTexte(texte(), a.chien) || !lireTexte(texte(), a.ecart) || !lireTexte(texte(), a.origineEcart))
        return std::nullopt;
    a.pointsPreneur = entier();
    a.boutsPreneur = entier();
    a.pointsAFaire = entier();
    a.petitAuBout = entier();
    a.poignee = entier();
    a.score = entier();
    a.gainHumain = entier();
    for (int s = 1; s <= 4; ++s) a.totaux[s] = entier();
    a.niveau = entier();
    a.adaptatif = entier();
    a.entrainement = entier() != 0;

    q.prepare("SELECT rang, siege, carte FROM carte_jouee WHERE donne = ? ORDER BY rang");
    q.addBindValue(id);
    if (!q.exec()) return std::nullopt;
    int n = 0;
    while (q.next()) {
        const int rang = q.value(0).toInt();
        if (rang != n + 1 || rang > 72) return std::nullopt;
        n = rang;
        a.sieges[rang] = q.value(1).toInt();
        a.cartes[rang] = q.value(2).toInt();
    }
    if (n != 72 || !lireRegles(a)) return std::nullopt;
    return a;
}

std::optional<EtatHistorique> BaseHistorique::avertissement() {
    if (averti_) return std::nullopt;
    EtatHistorique e = etat_;
    if (e == EtatHistorique::ouverte && occupee_) e = EtatHistorique::occupee;
    if (e == EtatHistorique::ouverte && ecritureEchouee_) e = EtatHistorique::indisponible;
    if (e == EtatHistorique::ouverte || e == EtatHistorique::fermee) return std::nullopt;
    averti_ = true;
    return e;
}

QString cheminHistoriqueParDefaut() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("historique.sqlite");
}
