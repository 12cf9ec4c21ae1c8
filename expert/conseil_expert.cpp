#include "expert/conseil_expert.h"

#include <array>
#include <chrono>
#include <cmath>
#include <limits>

#include "engine/textes.h"
#include "expert/vraisemblance.h"

namespace {

// Among cards of equal average the cheapest is advised: fewer points, then the lower card.
bool moinsChere(const Carte& a, const Carte& b) {
    if (pointsCarte(a) != pointsCarte(b)) return pointsCarte(a) < pointsCarte(b);
    if (estAtout(a) != estAtout(b)) return !estAtout(a);
    return a.valeur < b.valeur;
}

struct BilanCarte {
    bool jouable = false;
    double somme = 0;  // the taker's scores, signed for the seat's side
    int reussites = 0;
};

}  // namespace

ConseilExpert conseillerParEchantillons(const SavoirSiege& savoir, const ReglagesExpert& reglages, Solveur& solveur,
                                        std::mt19937_64& generateur, const std::atomic<bool>* arret) {
    using Horloge = std::chrono::steady_clock;
    const auto debut = Horloge::now();
    const auto ecoule = [&] { return std::chrono::duration<double>(Horloge::now() - debut).count(); };
    ConseilExpert conseil;
    conseil.preneur = savoir.siege == savoir.preneur;
    const double signe = conseil.preneur ? 1.0 : -1.0;
    std::array<BilanCarte, NB_CARTES> bilan{};
    long long noeuds = 0;
    for (int k = 0; k < reglages.echantillons; ++k) {
        if (arret && arret->load()) return {};
        const double reste = reglages.secondes - ecoule();
        if (reste <= 0) break;
        long long part = 0;
        if (reglages.noeuds > 0) {
            part = reglages.noeuds / reglages.echantillons;
            if (reglages.noeuds - noeuds < part) break;
        }
        Position p;
        if (!tirerDonneVraisemblable(savoir, generateur, p, reglages.essaisEnchere, reglages.jeuLegal)) break;
        const ValeursCartes v = solveur.evaluerCartes(p, Budget{reste, part, arret});
        noeuds += v.noeuds;
        if (arret && arret->load()) return {};
        bool complet = v.nb > 0;
        for (int i = 0; i < v.nb; ++i) complet = complet && v.cartes[static_cast<std::size_t>(i)].exact;
        // A deal that needs more than its share is left out, as the Expert's own choice does.
        if (!complet && part > 0 && reglages.secondes - ecoule() > 0) continue;
        if (!complet) break;
        for (int i = 0; i < v.nb; ++i) {
            const ValeurCarte& c = v.cartes[static_cast<std::size_t>(i)];
            BilanCarte& b = bilan[static_cast<std::size_t>(numeroCarte(c.carte))];
            b.jouable = true;
            b.somme += signe * c.borneBasse;
            // The score is positive exactly when the contract is made.
            if ((c.borneBasse > 0) == conseil.preneur) b.reussites += 1;
        }
        conseil.echantillons += 1;
    }
    conseil.secondes = ecoule();
    if (conseil.echantillons == 0) return conseil;
    double meilleure = -std::numeric_limits<double>::infinity();
    int reussitesEnTout = 0;
    for (int n = 0; n < NB_CARTES; ++n) {
        const BilanCarte& b = bilan[static_cast<std::size_t>(n)];
        if (!b.jouable) continue;
        reussitesEnTout += b.reussites;
        const Carte c = carteNumero(n);
        if (b.somme > meilleure || (b.somme == meilleure && moinsChere(c, conseil.carte))) {
            meilleure = b.somme;
            conseil.carte = c;
            conseil.reussites = b.reussites;
        }
    }
    conseil.aucuneCarte = reussitesEnTout == 0;
    // A defender pays a third of the taker's score.
    const double moyenne = meilleure / conseil.echantillons;
    conseil.perteMoyenne = conseil.preneur ? -moyenne : -moyenne / 3;
    conseil.choisi = true;
    return conseil;
}

std::string texteConseilExpert(const ConseilExpert& c, int langue) {
    const std::string n = std::to_string(c.echantillons);
    if (c.aucuneCarte) {
        const Texte t = c.preneur ? Texte::conseilExpertPerteGarde : Texte::conseilExpertPerteBat;
        const std::string perte = std::to_string(std::lround(c.perteMoyenne));
        return remplacer(remplacer(texte(t, langue), "%1", n), "%2", perte);
    }
    const Texte t = c.preneur ? Texte::conseilExpertGarde : Texte::conseilExpertBat;
    return remplacer(remplacer(texte(t, langue), "%1", std::to_string(c.reussites)), "%2", n);
}
