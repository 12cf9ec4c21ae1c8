#include "settings/magasin_memoire.h"

bool MagasinMemoire::ouvrirCle() {
    if (!accessible) return false;
    cle = true;
    return true;
}

std::optional<ValeurStockee> MagasinMemoire::lire(std::string_view nom) {
    lectures.emplace_back(nom);
    const auto it = valeurs.find(nom);
    if (it == valeurs.end()) return std::nullopt;
    return it->second;
}

void MagasinMemoire::ecrireBinaire(std::string_view nom, std::string_view octets) {
    enAttente_[std::string(nom)] = {Nature::Binaire, std::string(octets)};
    ecrituresEnAttente_.emplace_back(nom);
}

void MagasinMemoire::ecrireTexte(std::string_view nom, std::string_view texte) {
    enAttente_[std::string(nom)] = {Nature::Texte, std::string(texte)};
    ecrituresEnAttente_.emplace_back(nom);
}

bool MagasinMemoire::valider() {
    if (!cle) return false;
    for (auto& [nom, valeur] : enAttente_) valeurs[nom] = std::move(valeur);
    enAttente_.clear();
    ecritures = std::move(ecrituresEnAttente_);
    ecrituresEnAttente_.clear();
    ++nbValidations;
    return true;
}
