#include "historique/donne_archivee.h"

#include "engine/jeu.h"
#include "historique/code_donne.h"
#include "scoring/score.h"

bool DonneArchivee::contratRempli() const { return arrondiPair(pointsPreneur, 2) >= pointsAFaire; }

DonneArchivee archiverDonne(const Jeu& jeu, const std::string& date) {
    const Donne& d = jeu.donne;
    DonneArchivee a;
    a.date = date;
    a.rejouee = d.modeRejouer != 0;
    a.code = codeDonne(d);
    a.paquetSauve = d.paquetSauve;
    a.premierJoueur = d.premierJoueur;
    a.niveauMain = d.niveauMain;
    a.enchere = d.enchere;
    a.preneur = d.preneur;
    a.contrat = d.contrat;
    for (int i = 1; i <= 6; ++i) {
        a.chien[i] = idCarte(d.chienInitial[i]);
        a.ecart[i] = idCarte(d.chien[i]);
        a.origineEcart[i] = d.origineEcart[i];
    }
    int k = 0;
    for (int t = 1; t <= 18; ++t)
        for (int n = 0, s = d.entameurPli[t]; n < 4; ++n, s = siegeSuivant(s)) {
            ++k;
            a.cartes[k] = idCarte(d.mainJoueur[s][d.carteJouee[s][t]]);
            a.sieges[k] = s;
        }
    a.pointsPreneur = d.pointsPreneur;
    a.boutsPreneur = d.boutsPreneur;
    a.pointsAFaire = d.pointsAFaire;
    a.petitAuBout = d.petitAuBout;
    a.poignee = d.poigneeHumain;
    a.score = calculerScoreDonne(jeu);
    a.gainHumain = d.preneur == d.joueurHumain ? a.score : -arrondiPair(a.score, 3);
    a.totaux = jeu.scores.scoreTotal;
    a.niveau = jeu.options.niveau;
    a.adaptatif = jeu.options.optionNiveauAdaptatif;
    a.reglesChelem = d.reglesChelem;
    a.chelemAnnonce = d.chelemAnnonce;
    a.chelemRealise = chelemRealise(d);
    a.poigneeOrdinateur = d.poigneeOrdinateur;
    a.plisPreneur = d.plisPreneur;
    a.entrainement = d.entrainement != 0;
    return a;
}

bool restaurerDonne(const DonneArchivee& a, const Paquet& paquet, Donne& d) {
    const LectureCode lu = lireCode(a.code);
    if (lu.erreur != ErreurCode::aucune) return false;
    auto idValide = [](int id) { return id >= 1 && id <= 78; };
    for (int k = 1; k <= 72; ++k)
        if (!idValide(a.cartes[k]) || a.sieges[k] < 1 || a.sieges[k] > 4) return false;
    for (int i = 1; i <= 6; ++i)
        if (!idValide(a.ecart[i])) return false;
    if (a.preneur < 1 || a.preneur > 4) return false;

    d = Donne{};
    // The hands and the dog as dealt, sorted as the game sorts them.
    Table<int, 1, 5> nb;
    nb.remplir(0);
    for (int id = 1; id <= 78; ++id) {
        const int p = lu.repartition.place[id];
        if (p == DANS_LE_CHIEN) d.chien[++nb[p]] = paquet[id];
        else d.mainJoueur[p][++nb[p]] = paquet[id];
    }
    trierMains(d);
    trierChien(d);

    // Slot t of each hand: the card played to trick t.
    for (int k = 1; k <= 72; ++k) {
        const int t = (k - 1) / 4 + 1;
        const int s = a.sieges[k];
        if ((k - 1) % 4 == 0) d.entameurPli[t] = s;
        d.mainJoueur[s][t] = paquet[a.cartes[k]];
        d.mainJoueur[s][t].enMain = false;
        d.carteJouee[s][t] = t;
    }
    for (int i = 1; i <= 6; ++i) {
        d.chien[i] = paquet[a.ecart[i]];
        d.origineEcart[i] = a.origineEcart[i];
    }
    d.premierJoueur = lu.repartition.premierJoueur;
    d.niveauMain = a.niveauMain;
    d.enchere = a.enchere;
    d.preneur = a.preneur;
    d.contrat = a.contrat;
    d.meilleureEnchere = a.contrat;
    d.pointsPreneur = a.pointsPreneur;
    d.pointsDefense = 182 - a.pointsPreneur;
    d.boutsPreneur = a.boutsPreneur;
    d.boutsDefense = 3 - a.boutsPreneur;
    d.pointsAFaire = a.pointsAFaire;
    d.petitAuBout = a.petitAuBout;
    d.poigneeHumain = a.poignee;
    d.modeRejouer = a.rejouee ? 1 : 0;
    d.reglesChelem = a.reglesChelem;
    d.chelemAnnonce = a.chelemAnnonce;
    d.poigneeOrdinateur = a.poigneeOrdinateur;
    d.plisPreneur = a.plisPreneur;
    d.plisDefense = a.chelemRealise == 2 ? 18 : 18 - a.plisPreneur;
    d.numeroPli = 19;
    d.paquetSauve = a.paquetSauve;
    d.entrainement = a.entrainement ? 1 : 0;
    return true;
}
