#pragma once
// A minimal writer for the one-line JSON records of the tool.
#include <charconv>
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
    Json& entier(long long v) {
        separer();
        char chiffres[24];
        const auto fin = std::to_chars(chiffres, chiffres + sizeof chiffres, v).ptr;
        texte_.append(chiffres, fin);
        return *this;
    }
    // [suit,value], written in one go: a record holds some 150 cards.
    Json& carte(const Carte& c) {
        separer();
        // A 32-bit number takes at most 11 characters.
        char t[2 * 12 + 3];
        t[0] = '[';
        char* p = std::to_chars(t + 1, t + 13, c.couleur).ptr;
        *p = ',';
        p = std::to_chars(p + 1, p + 13, c.valeur).ptr;
        *p = ']';
        texte_.append(t, p + 1);
        premier_ = false;
        return *this;
    }
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
