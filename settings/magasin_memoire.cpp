#include "settings/magasin_memoire.h"

bool MagasinMemoire::ouvrirCle() {
    if (!accessible) {
        raison_ = "unreachable";
        return false;
    }
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
    if (!cle || !ecrivable) {
        enAttente_.clear();
        ecrituresEnAttente_.clear();
        raison_ = "No space left on device";
        return false;
    }
    for (auto& [nom, valeur] : enAttente_) valeurs[nom] = std::move(valeur);
    enAttente_.clear();
    ecritures = std::move(ecrituresEnAttente_);
    ecrituresEnAttente_.clear();
    ++nbValidations;
    abime = false;  // rewritten whole
    return true;
}

std::string MagasinMemoire::mettreDeCote() {
    if (!copiable) {
        raison_ = "Permission denied";
        return "";
    }
    copies.push_back(valeurs);
    return "memoire.endommage-" + std::to_string(copies.size());
}
