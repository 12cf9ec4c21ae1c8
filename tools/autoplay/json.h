#pragma once
// A minimal writer for the one-line JSON records of the tools. A record is a
// few thousand characters of small numbers: they are written straight into a
// buffer that is kept from record to record.
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/carte.h"

class Json {
public:
    Json& debutObjet() { separer(); ecrire('{'); premier_ = true; return *this; }
    Json& finObjet() { place(1); ecrire('}'); premier_ = false; return *this; }
    Json& debutListe() { separer(); ecrire('['); premier_ = true; return *this; }
    Json& finListe() { place(1); ecrire(']'); premier_ = false; return *this; }
    // "nom": ; the names are literals, their length known when compiling.
    template <std::size_t N>
    Json& cle(const char (&nom)[N]) {
        separer();
        place(N + 2);
        ecrire('"');
        std::memcpy(&texte_[taille_], nom, N - 1);
        taille_ += N - 1;
        ecrire('"');
        ecrire(':');
        premier_ = true;
        return *this;
    }
    Json& entier(long long v) {
        separer();
        place(24);
        taille_ = static_cast<std::size_t>(std::to_chars(&texte_[taille_], &texte_[taille_] + 24, v).ptr - texte_.data());
        return *this;
    }
    // [suit,value]: a record holds some 150 cards.
    Json& carte(const Carte& c) {
        separer();
        place(2 * 12 + 3);  // a 32-bit number takes at most 11 characters
        ecrire('[');
        entierCourt(c.couleur);
        ecrire(',');
        entierCourt(c.valeur);
        ecrire(']');
        return *this;
    }
    Json& finLigne() { place(1); ecrire('\n'); return *this; }
    void vider() { taille_ = 0; premier_ = true; }
    std::string_view texte() const { return {texte_.data(), taille_}; }
    // A text made of letters, digits and dashes only: nothing to escape.
    Json& chaine(std::string_view v) {
        separer();
        place(v.size() + 2);
        ecrire('"');
        for (char c : v) ecrire(c);
        ecrire('"');
        return *this;
    }

private:
    // Room for n more characters.
    void place(std::size_t n) {
        if (taille_ + n > texte_.size()) texte_.resize(2 * (taille_ + n) + 4096);
    }
    void ecrire(char c) { texte_[taille_++] = c; }
    // A card's suit or value: one or two digits, but any number is written right.
    void entierCourt(int v) {
        if (v >= 0 && v < 10) {
            ecrire(static_cast<char>('0' + v));
        } else if (v >= 10 && v < 100) {
            ecrire(static_cast<char>('0' + v / 10));
            ecrire(static_cast<char>('0' + v % 10));
        } else {
            char* debut = &texte_[taille_];
            taille_ = static_cast<std::size_t>(std::to_chars(debut, debut + 12, v).ptr - texte_.data());
        }
    }
    void separer() {
        place(1);
        if (!premier_) ecrire(',');
        premier_ = false;
    }
    std::string texte_;
    std::size_t taille_ = 0;
    bool premier_ = true;
};
