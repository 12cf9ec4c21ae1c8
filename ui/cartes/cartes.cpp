#include "ui/cartes/cartes.h"

#include <QHash>

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
