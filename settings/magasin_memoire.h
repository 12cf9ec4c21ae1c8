#pragma once
// A store kept in memory: headless tools and tests. It remembers the order in
// which values were read and written, so tests can check both, and it can be
// made unreachable, unwritable or damaged on demand.
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
    std::string fichier() const override { return "memoire"; }
    std::string raison() const override { return raison_; }
    bool endommage() const override { return abime; }
    bool vide() const override { return valeurs.empty(); }
    std::string mettreDeCote() override;

    // Whether the key exists: false until it is first opened.
    bool cle = false;
    // False makes the store unreachable: the key cannot be opened.
    bool accessible = true;
    // False makes every commit fail; the writes are lost.
    bool ecrivable = true;
    // False makes the copy of mettreDeCote fail.
    bool copiable = true;
    // The key holds lines that make no sense.
    bool abime = false;
    std::map<std::string, ValeurStockee, std::less<>> valeurs;  // committed
    std::vector<std::string> lectures;                          // every lire, in order
    std::vector<std::string> ecritures;                         // the writes of the last commit, in order
    int nbValidations = 0;
    // The copies made by mettreDeCote, in order.
    std::vector<std::map<std::string, ValeurStockee, std::less<>>> copies;

private:
    std::map<std::string, ValeurStockee, std::less<>> enAttente_;
    std::vector<std::string> ecrituresEnAttente_;
    std::string raison_;
};
