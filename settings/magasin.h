#pragma once
// The per-user store of the options, the rule weights and the global scores:
// named values, each either raw bytes or a text, under the game's one key.
#include <optional>
#include <string>
#include <string_view>

// How a value was stored. Anything else than raw bytes or a text (a number
// typed in by hand, a list...) is kept as Autre so that the reader can refuse it.
enum class Nature { Binaire, Texte, Autre };

struct ValeurStockee {
    Nature nature = Nature::Binaire;
    std::string octets;  // the raw bytes, or the text in UTF-8
};

class Magasin {
public:
    virtual ~Magasin() = default;
    // Opens the game's key, creating it when it is missing. False when the
    // store cannot be reached at all.
    virtual bool ouvrirCle() = 0;
    // The value named `nom`, as committed; nothing when there is none.
    virtual std::optional<ValeurStockee> lire(std::string_view nom) = 0;
    // Writes are held back until valider.
    virtual void ecrireBinaire(std::string_view nom, std::string_view octets) = 0;
    virtual void ecrireTexte(std::string_view nom, std::string_view texte) = 0;
    // Makes every write since the last commit durable at once: a reader never
    // sees part of them. False when they could not be made durable.
    virtual bool valider() = 0;
};
