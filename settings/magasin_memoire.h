#pragma once
// A store kept in memory: headless tools and tests. It remembers the order in
// which values were read and written, so tests can check both.
#include <map>
#include <string>
#include <vector>

#include "settings/magasin.h"

class MagasinMemoire : public Magasin {
public:
    bool ouvrirCle() override;
    std::optional<ValeurStockee> lire(std::string_view nom) override;
    void ecrireBinaire(std::string_view nom, std::string_view octets) override;
    void ecrireTexte(std::string_view nom, std::string_view texte) override;
    bool valider() override;

    // Whether the key exists: false until it is first opened.
    bool cle = false;
    // False makes the store unreachable: the key cannot be opened.
    bool accessible = true;
    std::map<std::string, ValeurStockee, std::less<>> valeurs;  // committed
    std::vector<std::string> lectures;                          // every lire, in order
    std::vector<std::string> ecritures;                         // the writes of the last commit, in order
    int nbValidations = 0;

private:
    std::map<std::string, ValeurStockee, std::less<>> enAttente_;
    std::vector<std::string> ecrituresEnAttente_;
};
