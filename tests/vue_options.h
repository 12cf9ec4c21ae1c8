#pragma once
// A window that remembers what the scores and the options asked it to show:
// check marks (radio items clear the others of their submenu), panels, tool
// buttons, colours, the result, the global scores, and every modal box in order.
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "engine/table.h"
#include "engine/vue.h"

struct BoiteModale {
    std::string genre;  // "message", "question" or "erreur"
    std::string titre;
    std::string texte;
};

class VueOptions : public Vue {
public:
    std::map<MenuOption, bool> coche;
    std::map<PanneauOption, bool> panneau;
    std::map<BoutonOutil, bool> enfonce;
    Couleur fond = 0;
    Couleur tableRonde = 0;
    int nbEncres = 0;  // how many times the cards' inks were set, and the last ones
    bool quatreCouleurs = false;
    bool resultatVisible = false;
    std::string resultat;
    Table<std::string, 1, 4> scoreTotal;
    bool scoresVisibles = false;
    std::vector<BoiteModale> boites;
    bool reponse = false;  // the answer to every Yes/No box
    // What was shown, in order: "message", "question", "erreur", "resultat", "scores".
    std::vector<std::string> ordre;

    void cocherMenu(MenuOption m, bool v) override {
        if (v) {
            for (const auto& groupe : groupesRadio())
                for (MenuOption autre : groupe)
                    if (contient(groupe, m)) coche[autre] = false;
        }
        coche[m] = v;
    }
    void montrerPanneau(PanneauOption p, bool v) override { panneau[p] = v; }
    void enfoncerBouton(BoutonOutil b, bool v) override { enfonce[b] = v; }
    void couleurFond(Couleur c) override { fond = c; }
    void couleurTableRonde(Couleur c) override { tableRonde = c; }
    void encresCartes(bool quatre) override {
        ++nbEncres;
        quatreCouleurs = quatre;
    }
    void montrerResultat(const std::string& t) override {
        resultatVisible = true;
        resultat = t;
        ordre.push_back("resultat");
    }
    void afficherScoreTotal(int siege, const std::string& t) override { scoreTotal[siege] = t; }
    void montrerScoresGlobaux(bool v) override {
        scoresVisibles = v;
        ordre.push_back("scores");
    }
    void message(const std::string& titre, const std::string& texte) override {
        boites.push_back({"message", titre, texte});
        ordre.push_back("message");
    }
    bool questionOuiNon(const std::string& titre, const std::string& texte) override {
        boites.push_back({"question", titre, texte});
        ordre.push_back("question");
        return reponse;
    }
    void erreurMagasin(const std::string& texte) override {
        boites.push_back({"erreur", "", texte});
        ordre.push_back("erreur");
    }

    bool estCoche(MenuOption m) const {
        const auto it = coche.find(m);
        return it != coche.end() && it->second;
    }
    int nbBoites(const std::string& genre) const {
        int n = 0;
        for (const auto& b : boites) n += b.genre == genre;
        return n;
    }

private:
    using Groupe = std::vector<MenuOption>;
    static const std::vector<Groupe>& groupesRadio() {
        using enum MenuOption;
        static const std::vector<Groupe> g = {
            {menuDebutant, menuAmateur, menuBon, menuPro, menuExpert},
            {menuForceDefense, menuForceNormale, menuForcePrise, menuForceGarde, menuForceGardeSans,
             menuForceGardeContre},
            {menuEscargot, menuLent, menuNormal, menuRapide, menuInstantane},
            {menuClickObligatoire, menuUneSeconde, menuDeuxSecondes, menuCinqSecondes},
        };
        return g;
    }
    static bool contient(const Groupe& g, MenuOption m) {
        for (MenuOption x : g)
            if (x == m) return true;
        return false;
    }
};
