#include "scoring/feuille_score.h"

#include "engine/donne.h"
#include "scoring/score.h"

FeuilleScore calculerFeuilleScore(const Donne& d) {
    FeuilleScore f;
    f.preneur = d.preneur;
    f.nbBouts = d.boutsPreneur;
    f.contrat = d.pointsAFaire;
    f.pointsRealises = arrondiPair(d.pointsPreneur, 2);
    f.depassement = f.pointsRealises - f.contrat;
    const bool chute = f.depassement < 0;
    int v = f.depassement;

    // The petit au bout goes before the base here; the sum is the same.
    if (d.petitAuBout == 1 || d.petitAuBout == 2) {
        f.lignesPetit = true;
        f.signePetit = d.petitAuBout == 1 ? "+" : "-";
        v += d.petitAuBout == 1 ? f.primePetit : -f.primePetit;
        f.scoreApresPetit = v;
    }

    f.signeGain = chute ? "-" : "+";
    v += chute ? -f.constContrat : f.constContrat;
    f.scoreTmp = v;

    static constexpr int coefficients[] = {1, 1, 2, 4, 6};  // by contract, Prise 1 .. Garde Contre 4
    const int enchere = d.preneur >= 1 && d.preneur <= 4 ? d.enchere[d.preneur] : PRISE;
    f.coefficientEnchere = coefficients[enchere < 0 || enchere > 4 ? 1 : enchere];
    v *= f.coefficientEnchere;
    f.scoreApresEnchere = v;

    if (primePoignees(d) != 0) {
        f.lignesPoignee = true;
        f.valeurPoignee = primePoignees(d);
        f.signePoignee = chute ? "-" : "+";
        v += chute ? -f.valeurPoignee : f.valeurPoignee;
        f.scoreApresPoignee = v;
    }

    const int prime = primeChelem(d);
    if (prime != 0) {
        f.lignesChelem = true;
        f.valeurChelem = prime < 0 ? -prime : prime;
        f.signeChelem = prime < 0 ? "-" : "+";
        v += prime;
        f.scoreApresChelem = v;
    }

    f.scoreFinalPreneur = 3 * v;
    return f;
}
