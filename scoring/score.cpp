#include "scoring/score.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/jeu.h"
#include "engine/textes.h"
#include "settings/options.h"

namespace {

constexpr int poidsMin = 60;
constexpr int poidsMax = 150;

int multiplicateur(int enchere) {
    static constexpr int parEnchere[] = {1, 1, 2, 4, 6};  // Prise 1, Garde 2, Garde Sans 4, Garde Contre 6
    return parEnchere[std::clamp(enchere, 0, 4)];
}

// The totals are 32-bit and wrap as such; a very long autoplay run must not
// overflow into undefined behaviour.
int ajouter(int total, int gain) {
    return static_cast<int>(static_cast<std::uint32_t>(total) + static_cast<std::uint32_t>(gain));
}

}  // namespace

int arrondiPair(int n, int d) {
    int q = n / d;
    int r = n % d;
    if (r < 0) {  // floor division
        --q;
        r += d;
    }
    if (2 * r > d || (2 * r == d && (q & 1) != 0)) ++q;
    return q;
}

int calculerScoreDonne(const Jeu& jeu) {
    const Donne& d = jeu.donne;
    const int pointsRealises = arrondiPair(d.pointsPreneur, 2);
    const int depassement = pointsRealises - d.pointsAFaire;
    const bool contratRempli = pointsRealises >= d.pointsAFaire;
    int s = contratRempli ? depassement + 25 : depassement - 25;
    // The petit au bout goes with the side that won the last trick.
    if (d.petitAuBout == 1) s += 10;
    if (d.petitAuBout == 2) s -= 10;
    s *= multiplicateur(d.enchere[d.preneur]);
    // The handfuls go to the side that wins the deal, whoever showed them, and are never multiplied.
    const int prime = primePoignees(d);
    s += contratRempli ? prime : -prime;
    s += primeChelem(d);
    return 3 * s;
}

int primePoignees(const Donne& d) {
    int prime = d.poigneeHumain != 0 ? 10 * (d.poigneeHumain + 1) : 0;
    for (int s = 1; s <= 4; ++s)
        if (s != d.joueurHumain && d.poigneeOrdinateur[s] != 0) prime += 10 * (d.poigneeOrdinateur[s] + 1);
    return prime;
}

int camp(const Donne& d, int siege) {
    if (siege < 1 || siege > 4) return 0;
    return siege == d.preneur ? 1 : 2;
}

int chelemRealise(const Donne& d) {
    if (d.plisPreneur == 18) return 1;
    if (d.plisDefense == 18) return 2;
    return 0;
}

int primeChelem(const Donne& d) {
    if (!d.reglesChelem) return 0;
    const int annonce = camp(d, d.chelemAnnonce);
    const int realise = chelemRealise(d);
    // Each side's premium, then seen from the taker's side.
    const auto pourLeCamp = [&](int c) {
        if (annonce == c) return realise == c ? 400 : -200;
        return realise == c ? 200 : 0;
    };
    return pourLeCamp(1) - pourLeCamp(2);
}

void finDeDonne(Jeu& jeu) {
    Donne& d = jeu.donne;
    Scores& scores = jeu.scores;
    const int langue = jeu.options.langue;

    Table<int, 1, 4> totaux = scores.scoreTotal;
    const int scorePreneur = calculerScoreDonne(jeu);
    const int scoreParDefenseur = arrondiPair(scorePreneur, 3);
    const bool humainPreneur = d.joueurHumain == d.preneur;
    const int gainHumain = humainPreneur ? scorePreneur : -scoreParDefenseur;
    const bool humainGagne = gainHumain > 0;

    // A replay or a practice deal leaves the totals as they were.
    if (d.modeRejouer == 0 && d.entrainement == 0) {
        for (int s = 1; s <= 4; ++s) totaux[s] = ajouter(totaux[s], s == d.preneur ? scorePreneur : -scoreParDefenseur);
    } else {
        jeu.vue->message(titreProgramme, texte(Texte::pointsNonComptabilises, langue));
    }

    Texte verdict = Texte::defenseChute;
    if (humainPreneur) verdict = humainGagne ? Texte::preneurGagne : Texte::preneurChute;
    else if (humainGagne) verdict = Texte::defenseGagne;
    // The text is kept from deal to deal, so that once it has grown it is rebuilt in place.
    std::string& resultat = scores.texteResultat;
    char nombre[16];
    std::snprintf(nombre, sizeof nombre, "%d", calculerScoreDonne(jeu));
    resultat.assign(texte(Texte::resultatDuPreneur, langue));
    resultat.append(nombre);
    resultat.append(texte(Texte::pointsFinResultat, langue));
    resultat.push_back('\n');
    resultat.append(texte(verdict, langue));
    jeu.vue->montrerResultat(resultat);

    EtatRegles& r = jeu.regles;
    // A practice deal teaches the computers nothing.
    const int nbReglesApprises = d.entrainement ? 0 : r.nbReglesUtilisees;
    for (int k = 1; k <= nbReglesApprises; ++k) {
        int& w = r.poidsRegle[r.regleUtilisee[k]];
        const bool duCamp = r.joueurRegleUtilisee[k] == d.preneur;
        // The human's win rewards the taker's rules, his loss the defence's.
        // A weight read out of range is brought back within bounds.
        const bool recompensee = humainGagne ? duCamp : !duCamp;
        w = std::clamp(recompensee ? w + 5 : w - 5, poidsMin, poidsMax);
    }

    scores.scoreTotal = totaux;
    sauverOptions(jeu);

    scores.scoresGlobauxVisibles = false;
    basculerScoresGlobaux(jeu);

    if (jeu.donneTerminee) jeu.donneTerminee(jeu);
}

void afficherScoresGlobaux(Jeu& jeu) {
    if (!jeu.scores.scoresGlobauxVisibles) {
        jeu.vue->montrerScoresGlobaux(false);
        return;
    }
    char nombre[16];
    for (int s = 1; s <= 4; ++s) {
        std::snprintf(nombre, sizeof nombre, "%d", jeu.scores.scoreTotal[s]);
        jeu.vue->afficherScoreTotal(s, nombre);
    }
    jeu.vue->montrerScoresGlobaux(true);
}

void basculerScoresGlobaux(Jeu& jeu) {
    const bool visibles = !jeu.scores.scoresGlobauxVisibles;
    jeu.vue->cocherMenu(MenuOption::menuScoresGlobaux, visibles);
    jeu.vue->enfoncerBouton(BoutonOutil::SBVoirScoresGlobaux, visibles);
    jeu.scores.scoresGlobauxVisibles = visibles;
    afficherScoresGlobaux(jeu);
}

void initialiserScores(Jeu& jeu) {
    if (!jeu.vue->questionOuiNon(titreProgramme, texte(Texte::remettreScoresAZero, jeu.options.langue))) return;
    jeu.scores.scoreTotal.remplir(0);
    for (int s = 1; s <= 4; ++s) jeu.vue->afficherScoreTotal(s, "0");
    sauverOptions(jeu);
}
