#pragma once
// A minimal writer for the one-line JSON records of the tool.
#include <string>

#include "engine/carte.h"

class Json {
public:
    Json& debutObjet() { separer(); texte_ += '{'; premier_ = true; return *this; }
    Json& finObjet() { texte_ += '}'; premier_ = false; return *this; }
    Json& debutListe() { separer(); texte_ += '['; premier_ = true; return *this; }
    Json& finListe() { texte_ += ']'; premier_ = false; return *this; }
    Json& cle(const char* nom) {
        separer();
        texte_ += '"';
        texte_ += nom;
        texte_ += "\":";
        premier_ = true;
        return *this;
    }
    Json& entier(long long v) { separer(); texte_ += std::to_string(v); return *this; }
    // A text made of letters, digits and dashes only: nothing to escape.
    Json& chaine(const std::string& v) { separer(); texte_ += '"'; texte_ += v; texte_ += '"'; return *this; }
    Json& carte(const Carte& c) { debutListe(); entier(c.couleur); entier(c.valeur); return finListe(); }
    Json& finLigne() { texte_ += '\n'; return *this; }
    void vider() { texte_.clear(); premier_ = true; }
    const std::string& texte() const { return texte_; }

private:
    void separer() {
        if (!premier_) texte_ += ',';
        premier_ = false;
    }
    std::string texte_;
    bool premier_ = true;
};
