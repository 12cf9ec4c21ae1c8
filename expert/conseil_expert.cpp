#include "expert/conseil_expert.h"

#include <cmath>

#include "engine/textes.h"

ConseilExpert conseillerParEchantillons(const SavoirSiege& savoir, const ReglagesExpert& reglages, Solveur& solveur,
                                        std::mt19937_64& generateur, const std::atomic<bool>* arret) {
    const BilanEchantillons bilan = evaluerParEchantillons(savoir, reglages, solveur, generateur, arret);
    if (bilan.arrete) return {};
    ConseilExpert conseil;
    conseil.preneur = savoir.siege == savoir.preneur;
    conseil.echantillons = bilan.echantillons;
    conseil.secondes = bilan.secondes;
    const int n = bilan.meilleure();
    if (bilan.echantillons == 0 || n < 0) return conseil;
    const std::size_t i = static_cast<std::size_t>(n);
    conseil.carte = carteNumero(n);
    conseil.reussites = bilan.reussites[i];
    int reussitesEnTout = 0;
    for (int r : bilan.reussites) reussitesEnTout += r;
    conseil.aucuneCarte = reussitesEnTout == 0;
    // A defender pays a third of the taker's score.
    const double moyenne = bilan.somme[i] / conseil.echantillons;
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
