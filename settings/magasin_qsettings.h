#pragma once
// The player's store on disk, through QSettings in its native form: on Linux
// the file "<config folder>/Oskaveri/BELVANE 2010.conf". Bytes are kept as
// byte arrays, texts as strings. A save rewrites the file through a temporary
// file and a rename, so a program killed during a save leaves the old file or
// the new one, never a mix. Only a regular file (after following links) is
// ever read or written: a pipe, a device or a folder in its place is refused.
#include <memory>
#include <string>

#include "settings/magasin.h"

class QLockFile;
class QSettings;

constexpr char organisationMagasin[] = "Oskaveri";

class MagasinQSettings : public Magasin {
public:
    // The store of the current user, named after the maker and the program's title.
    MagasinQSettings();
    // The store kept in this file.
    explicit MagasinQSettings(const std::string& fichier);
    // The current user's store under a registry-style key "Software\<maker>\<title>\";
    // a key of any other form gives the game's own store.
    static std::unique_ptr<MagasinQSettings> sousCle(const std::string& cleRegistre);
    ~MagasinQSettings() override;

    bool ouvrirCle() override;
    std::optional<ValeurStockee> lire(std::string_view nom) override;
    void ecrireBinaire(std::string_view nom, std::string_view octets) override;
    void ecrireTexte(std::string_view nom, std::string_view texte) override;
    bool valider() override;
    // The file that holds the store.
    std::string fichier() const override;
    std::string raison() const override;
    bool endommage() const override;
    bool vide() const override;
    // "<file>.endommage-YYYYMMDD-HHMMSS" (then "-2", "-3"... if taken).
    std::string mettreDeCote() override;

    // One game per store: takes the lock file "<file>.partie.lock" beside it
    // (QSettings keeps "<file>.lock" for the moment of each save), held
    // until this store is destroyed. A lock left by a game that no longer runs
    // is taken over. False only when another running game holds it; a lock
    // that cannot be made at all (read-only folder) does not stop the game,
    // whose saves will fail and be told.
    bool verrouiller();

private:
    bool echouer(std::string raison);
    std::string fichier_;
    std::unique_ptr<QSettings> reglages_;
    std::unique_ptr<QLockFile> verrou_;
    std::string raison_;
    bool endommage_ = false;
};
