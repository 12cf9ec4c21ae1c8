#pragma once
// The per-user store of the options, the rule weights and the global scores:
// named values, each either raw bytes or a text, under the game's one key.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How a value was stored. Anything else than raw bytes or a text (a number
// typed in by hand, a list, a Qt variant that does not decode...) is kept as
// Autre so that the reader can refuse it.
enum class Nature { Binaire, Texte, Autre };

struct ValeurStockee {
    Nature nature = Nature::Binaire;
    std::string octets;  // the raw bytes, or the text in UTF-8
    bool operator==(const ValeurStockee&) const = default;
};

// What became of the store during this run, kept until the player is told in
// the language he chose on the splash.
struct EtatMagasin {
    // The values the last reading could not take and set to their default.
    std::vector<std::string> valeursRemises;
    // The last reading found the file damaged (lines that make no sense, values reset).
    bool endommage = false;
    // Where the damaged file was kept before anything replaced it; when it could
    // not be kept, why, and the file is never replaced during this run.
    std::string copie;
    std::string raisonCopie;
    // Why the store could not be read at the start; the game then runs on its
    // defaults and never writes over the store during this run.
    std::string raisonLecture;
    // Why the last save failed.
    std::string raisonSauvegarde;
    // The player chose his language: troubles are told as they happen.
    bool signalementsPermis = false;
    // What is still to be told.
    bool lectureASignaler = false;
    bool sauvegardeASignaler = false;
    // A failed save is told once per run.
    bool sauvegardeSignalee = false;

    // Nothing may be written: the store was unreadable, or damaged and not kept aside.
    bool protege() const { return !raisonLecture.empty() || !raisonCopie.empty(); }
    // The player's scores were not (or will not be) kept at some point of this run.
    bool enEchec() const { return protege() || !raisonSauvegarde.empty(); }
};

class Magasin {
public:
    virtual ~Magasin() = default;
    // Opens the game's key, creating it when it is missing. False when the
    // store cannot be reached or read: raison() says why.
    virtual bool ouvrirCle() = 0;
    // The value named `nom`, as committed; nothing when there is none.
    virtual std::optional<ValeurStockee> lire(std::string_view nom) = 0;
    // Writes are held back until valider.
    virtual void ecrireBinaire(std::string_view nom, std::string_view octets) = 0;
    virtual void ecrireTexte(std::string_view nom, std::string_view texte) = 0;
    // Makes every write since the last commit durable at once: a reader never
    // sees part of them. False when they could not be made durable: raison() says why.
    virtual bool valider() = 0;

    // Where the store lives, as the player can find it.
    virtual std::string fichier() const = 0;
    // The system's reason for the last failure of ouvrirCle, valider or mettreDeCote.
    virtual std::string raison() const = 0;
    // The last ouvrirCle found lines it could not make sense of; the values it
    // could read are kept.
    virtual bool endommage() const = 0;
    // The key holds no value at all, not even one of another name: a store
    // never written.
    virtual bool vide() const = 0;
    // Copies the store as it is now beside it, under a name that carries the
    // date and time. The copy's path, or "" when it could not be made.
    virtual std::string mettreDeCote() = 0;

    EtatMagasin etat;
};
