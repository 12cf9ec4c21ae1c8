#include "engine/niveaux.h"

#include "engine/choix.h"
#include "engine/jeu.h"

namespace {

// Level 0: nothing narrows the playable set, so the play step's draw picks a
// legal card uniformly with the game's generator.
void choisirAuHasard(Jeu&, int) {}

}  // namespace

FaconDeChoisir faconDeChoisir(int niveau) {
    if (niveau == NIVEAU_HASARD) return choisirAuHasard;
    if (niveau >= 1 && niveau <= 4) return choisirCarte;  // the rule list, switched by the level
    return nullptr;
}

const char* nomNiveauOutil(int niveau) {
    static const char* const noms[] = {"random", "Débutant", "Amateur", "Bon", "Pro"};
    if (niveau < 0 || niveau > NIVEAU_MAX) return "?";
    return noms[niveau];
}

std::string listeNiveauxOutil() {
    std::string liste;
    for (int n = 0; n <= NIVEAU_MAX; ++n) liste += (n ? ", " : "") + std::to_string(n) + " " + nomNiveauOutil(n);
    return liste;
}

void installerNiveauxSieges(Jeu& jeu, const NiveauxSieges& niveaux) {
    jeu.choixOrdinateur = [niveaux](Jeu& j, int siege) {
        const NiveauSiege& n = niveaux[siege];
        const FaconDeChoisir choisir = faconDeChoisir(n.niveau);
        if (choisir == nullptr) return;
        Options& o = j.options;
        const int niveauJeu = o.niveau;
        const std::uint8_t adaptatifJeu = o.optionNiveauAdaptatif;
        o.niveau = n.niveau;
        o.optionNiveauAdaptatif = n.adaptatif ? 1 : 0;
        choisir(j, siege);
        o.niveau = niveauJeu;
        o.optionNiveauAdaptatif = adaptatifJeu;
    };
}
