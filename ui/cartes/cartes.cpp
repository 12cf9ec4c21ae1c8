#include "ui/cartes/cartes.h"

#include <QCache>
#include <QHash>
#include <QImage>
#include <QVariant>
#include <QWidget>

#include "peintre/dessin.h"

// The resources live in a library of their own; this also makes the linker
// keep them, as nothing else refers to them.
static void chargerRessourcesCartes() { Q_INIT_RESOURCE(cartes); }

QString nomImageCarte(int couleur, int valeur) {
    static const char* const prefixes[] = {"ATOUT", "PIQUE", "COEUR", "TREFLE", "CARREAU"};
    if (couleur < 0 || couleur > 4) return {};
    if (couleur == 0 && valeur == 0) return QStringLiteral("ATOUT22");
    const int derniere = couleur == 0 ? 21 : 14;
    if (valeur < 1 || valeur > derniere) return {};
    return QString::fromLatin1(prefixes[couleur]) + QString::number(valeur);
}

QPixmap imageCarte(const QString& nom) {
    static const bool ressourcesChargees = (chargerRessourcesCartes(), true);
    (void)ressourcesChargees;
    static QHash<QString, QPixmap> dejaChargees;
    const auto trouvee = dejaChargees.constFind(nom);
    if (trouvee != dejaChargees.constEnd()) return *trouvee;
    if (nom.isEmpty()) return {};
    const QPixmap image(QStringLiteral(":/cartes/") + nom + QStringLiteral(".png"));
    if (!image.isNull()) dejaChargees.insert(nom, image);
    return image;
}

QPixmap imageCarte(int couleur, int valeur) { return imageCarte(nomImageCarte(couleur, valeur)); }

namespace {

// The painter needs its number font; loaded once, on the first card painted.
bool peintrePret() {
    static const bool pret = [] {
        cartes::chargerPolice();
        return !cartes::cheminTexte("0123456789VCDR", 10).isEmpty();
    }();
    return pret;
}

}  // namespace

namespace {

// A hand, the table, the dog and the review windows: a few sizes of a few
// dozen cards; room for several packs at a large size.
QCache<QString, QPixmap>& peintes() {
    static QCache<QString, QPixmap> cache(256 * 1024 * 1024);
    return cache;
}

// The two-colour pictures keep the key they always had; the four-colour ones
// are told apart by a mark of their own.
QString cleCarte(const QString& nom, QSize pixels, Encres encres) {
    return nom + QLatin1Char('/') + QString::number(pixels.width()) + QLatin1Char('x') +
           QString::number(pixels.height()) + (encres == Encres::quatreCouleurs ? QStringLiteral("/4") : QString());
}

// The picture of the resources serves as it is: the design size in two colours.
bool telleQuelle(QSize pixels, Encres encres) {
    return encres == Encres::deuxCouleurs && pixels == QSize(cartes::largeurCarte, cartes::hauteurCarte);
}

constexpr char proprieteEncres[] = "belvaneEncres";

}  // namespace

QPixmap imageCarteGardee(int couleur, int valeur, QSize pixels, Encres encres) {
    const QString nom = nomImageCarte(couleur, valeur);
    if (nom.isEmpty() || pixels.isEmpty()) return {};
    if (telleQuelle(pixels, encres)) return imageCarte(nom);
    if (const QPixmap* p = peintes().object(cleCarte(nom, pixels, encres))) return *p;
    return {};
}

QPixmap imageCarte(int couleur, int valeur, QSize pixels, Encres encres) {
    const QString nom = nomImageCarte(couleur, valeur);
    if (nom.isEmpty() || pixels.isEmpty()) return {};
    if (telleQuelle(pixels, encres)) return imageCarte(nom);
    const QString cle = cleCarte(nom, pixels, encres);
    if (const QPixmap* p = peintes().object(cle)) return *p;
    QPixmap image;
    if (peintrePret())
        image = QPixmap::fromImage(cartes::peindreCarte(couleur, valeur, pixels, encres));
    else
        image = imageCarte(nom).scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const qsizetype octets = qsizetype(image.width()) * image.height() * 4;
    peintes().insert(cle, new QPixmap(image), octets);
    return image;
}

Encres encresDe(const QWidget* controle) {
    for (const QWidget* w = controle; w; w = w->parentWidget()) {
        const QVariant v = w->property(proprieteEncres);
        if (v.isValid()) return v.toInt() == 1 ? Encres::quatreCouleurs : Encres::deuxCouleurs;
    }
    return Encres::deuxCouleurs;
}

void fixerEncres(QWidget* fenetre, Encres encres) {
    if (fenetre) fenetre->setProperty(proprieteEncres, encres == Encres::quatreCouleurs ? 1 : 0);
}
