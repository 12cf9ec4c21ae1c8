#pragma once
// A table that remembers what it was last asked to show, and timers that
// remember whether they are armed. Tests read the state the player would see.
#include <string>
#include <utility>
#include <vector>

#include "engine/hasard.h"
#include "engine/table.h"
#include "engine/vue.h"

struct ImageCarte {
    bool visible = false;
    int gauche = 0;
    int haut = 0;
    Carte carte;
    Curseur curseur = Curseur::Defaut;
};

struct PanneauAnnonce {
    bool visible = false;
    std::string texte;
    int taillePolice = 0;
};

class VueEnregistreuse : public Vue {
public:
    std::string info;
    int nbInfos = 0;

    bool barreEnchere = false;
    Table<bool, 0, 4> boutonEnchere;
    std::string conseil;
    int nbFocusConseil = 0;
    Table<PanneauAnnonce, 1, 4> annonce;
    std::string contrat;

    Table<ImageCarte, 1, 6> chien;
    int nbPlacementsChien = 0;
    Table<ImageCarte, 1, 24> main;  // the hand images, 19..24 during the discard only
    bool confirmeEcart = false;
    int nbAffichagesConfirme = 0;

    // When set, the draw of 1..3 just made as each hand image is placed, read
    // back from the generator (the hand's random heights).
    const Hasard* hasard = nullptr;
    Table<int, 1, 18> tirageMain;

    void ecrireInfo(const std::string& t) override {
        info = t;
        ++nbInfos;
    }
    void montrerBarreEnchere(bool v) override { barreEnchere = v; }
    void montrerBoutonEnchere(int e, bool v) override { boutonEnchere[e] = v; }
    void ecrireConseil(const std::string& t) override { conseil = t; }
    void focaliserConseil() override { ++nbFocusConseil; }
    void annoncerEnchereSiege(int s, const std::string& t, int taille) override { annonce[s] = {true, t, taille}; }
    void ecrireContrat(const std::string& t) override { contrat = t; }
    void cacherAnnonces() override {
        for (int s = 1; s <= 4; ++s) annonce[s].visible = false;
    }

    void placerCarteChien(int i, int gauche, int haut, const Carte& c, Curseur k) override {
        chien[i] = {true, gauche, haut, c, k};
        ++nbPlacementsChien;
    }
    void cacherChien() override {
        for (int i = 1; i <= 6; ++i) chien[i].visible = false;
    }
    void curseurCartesMain(Curseur k) override {
        for (int i = 1; i <= 18; ++i) main[i].curseur = k;
    }
    void placerCarteMain(int k, int gauche, int haut, const Carte& c, Curseur cur) override {
        main[k] = {true, gauche, haut, c, cur};
        if (hasard) tirageMain[k] = static_cast<int>((std::uint64_t{hasard->graine} * 3u) >> 32) + 1;
    }
    void placerCarteEcart(int p, int gauche, int haut, const Carte& c, Curseur k) override {
        main[p] = {true, gauche, haut, c, k};
    }
    void deplacerCarteEcart(int p, int decalage) override { main[p].haut += decalage; }
    void cacherCartesEcart() override {
        for (int i = 1; i <= 24; ++i) main[i].visible = false;
    }
    void montrerConfirmeEcart(bool v) override {
        confirmeEcart = v;
        if (v) ++nbAffichagesConfirme;
    }

    // What the screen reader was told, in order.
    std::vector<std::string> annonces;
    void annoncer(const std::string& t) override { annonces.push_back(t); }

    // The handfuls on show by the computers' places: seat and announcement, in order.
    std::vector<std::pair<int, std::string>> poigneesMontrees;
    void montrerPoigneeSiege(int siege, const std::string& a, const Table<Carte, 1, 15>&, int) override {
        poigneesMontrees.emplace_back(siege, a);
    }
    void cacherPoigneesSieges() override { poigneesMontrees.clear(); }
};

class MinuteursEnregistres : public Minuteurs {
public:
    Table<bool, 0, 3> arme;
    Table<int, 0, 3> intervalle;
    Table<int, 0, 3> nbArmements;

    void armer(Minuteur m, int ms) override {
        arme[indice(m)] = true;
        intervalle[indice(m)] = ms;
        ++nbArmements[indice(m)];
    }
    void arreter(Minuteur m) override { arme[indice(m)] = false; }
    bool estArme(Minuteur m) const { return arme[indice(m)]; }
    int armements(Minuteur m) const { return nbArmements[indice(m)]; }

private:
    static int indice(Minuteur m) { return static_cast<int>(m); }
};
