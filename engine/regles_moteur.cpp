#include "engine/regles_moteur.h"

#include "engine/regles_liste.h"

Choix::Choix(Jeu& j)
    : jeu(j),
      donne(j.donne),
      conn(j.connaissances),
      etat(j.regles),
      alea(j.hasard),
      siege(j.regles.joueurIA),
      preneur(j.donne.preneur),
      contrat(j.donne.enchere[j.donne.preneur]),
      entame(j.donne.pliEnCours[j.donne.joueurEntame]),
      couleurEntame(entame.couleur),
      estPreneur(siege == preneur) {}

// ---- Actions ----

bool imposerCarte(Jeu& jeu, int siege, int slot) {
    auto& jouable = jeu.donne.jouable[siege];
    if (slot < 1 || slot > 18 || jouable[slot] != 1) return false;
    jouable.remplir(0);
    jouable[slot] = 1;
    return true;
}

void retirerCouleur(Jeu& jeu, int siege, int couleur) {
    const Main& main = jeu.donne.mainJoueur[siege];
    auto& jouable = jeu.donne.jouable[siege];
    bool autreCouleur = false;
    for (int i = 1; i <= 18 && !autreCouleur; ++i)
        autreCouleur = jouable[i] == 1 && main[i].couleur != couleur;
    if (!autreCouleur) return;
    for (int i = 1; i <= 18; ++i)
        if (main[i].couleur == couleur) jouable[i] = 0;
}

namespace {

// The slot where the seat still holds (couleur, valeur), or 0. The true-holder
// tables answer at once for a card in play: held by this seat, by another, or
// played. A card set aside, or tables not yet built for the deal, send the
// search through the hand.
int slotTenu(const Jeu& jeu, int siege, int couleur, int valeur) {
    const Main& main = jeu.donne.mainJoueur[siege];
    const int qui = detenteur(jeu.connaissances, couleur, valeur);
    if (qui >= 1 && qui <= 4 && qui != siege) return 0;
    if (qui == HORS_JEU) return 0;
    if (qui == siege) {
        const int i = rang(jeu.connaissances, couleur, valeur);
        if (i >= 1 && i <= 18 && main[i].enMain && main[i].couleur == couleur && main[i].valeur == valeur) return i;
    }
    for (int i = 1; i <= 18; ++i)
        if (main[i].enMain && main[i].couleur == couleur && main[i].valeur == valeur) return i;
    return 0;
}

}  // namespace

void retirerCarte(Jeu& jeu, int siege, int couleur, int valeur) {
    const int cible = slotTenu(jeu, siege, couleur, valeur);
    if (cible == 0) return;
    auto& jouable = jeu.donne.jouable[siege];
    for (int i = 1; i <= 18; ++i) {
        if (i == cible || jouable[i] != 1) continue;
        jouable[cible] = 0;  // another playable card stays
        return;
    }
}

void noterRegle(Jeu& jeu, int k) {
    EtatRegles& r = jeu.regles;
    if (r.carteChoisie != 1) return;
    r.etatRegle[k] = REGLE_IMPOSEE;
    // The log holds one entry per computer card of the deal; a full log keeps
    // its entries rather than writing past its end.
    if (r.nbReglesUtilisees >= tailleJournal) return;
    r.nbReglesUtilisees += 1;
    r.regleUtilisee[r.nbReglesUtilisees] = k;
    r.joueurRegleUtilisee[r.nbReglesUtilisees] = r.joueurIA;
}

// ---- Queries ----

bool bat(const Carte& c, const Carte& gagnante) {
    if (estExcuse(gagnante)) return true;
    if (c.couleur == gagnante.couleur && c.valeur > gagnante.valeur) return true;
    return estAtout(c) && gagnante.couleur != ATOUT;
}

int gagnantProvisoire(const Jeu& jeu, int siege) {
    const Donne& d = jeu.donne;
    int gagnant = d.joueurEntame;
    if (siege == d.joueurEntame) return gagnant;
    for (int s = siegeSuivant(d.joueurEntame); s != siege && s != d.joueurEntame; s = siegeSuivant(s))
        if (bat(d.pliEnCours[s], d.pliEnCours[gagnant])) gagnant = s;
    return gagnant;
}

int carteGagnante(const Jeu& jeu, int siege) {
    const Donne& d = jeu.donne;
    const int gagnant = gagnantProvisoire(jeu, siege);
    if (siege != d.preneur && gagnant != d.preneur) return DEFENSE_GAGNE;
    const Carte& gagnante = d.pliEnCours[gagnant];
    for (int i = 18; i >= 1; --i)
        if (d.jouable[siege][i] == 1 && bat(d.mainJoueur[siege][i], gagnante)) return i;
    return -1;
}

bool preneurJoueApres(const Jeu& jeu, int siege, int position) {
    const int preneur = jeu.donne.preneur;
    if (siege == preneur) return false;
    if (position == 1) return true;
    if (position == 2) return preneur != siegePrecedent(siege);
    if (position == 3) return preneur == siegeSuivant(siege);
    return false;
}

namespace {

// Lowest playable card among those `retenue` accepts; the first slot wins ties.
template <typename Filtre>
int plusBasse(const Jeu& jeu, int siege, Filtre retenue) {
    const Main& main = jeu.donne.mainJoueur[siege];
    const auto& jouable = jeu.donne.jouable[siege];
    int meilleur = -1;
    for (int i = 1; i <= 18; ++i)
        if (jouable[i] == 1 && retenue(main[i]) && (meilleur == -1 || main[i].valeur < main[meilleur].valeur))
            meilleur = i;
    return meilleur;
}

}  // namespace

int plusPetiteCarteCouleur(const Jeu& jeu, int siege) {
    return plusBasse(jeu, siege, [](const Carte& c) { return estCouleur(c.couleur); });
}

int plusPetitAtout(const Jeu& jeu, int siege) {
    return plusBasse(jeu, siege, [](const Carte& c) { return c.couleur == ATOUT && c.valeur >= 2; });
}

int plusPetitAtoutImpair(const Jeu& jeu, int siege) {
    return plusBasse(jeu, siege,
                     [](const Carte& c) { return c.couleur == ATOUT && c.valeur >= 3 && c.valeur % 2 == 1; });
}

int plusPetitAtoutPair(const Jeu& jeu, int siege) {
    return plusBasse(jeu, siege,
                     [](const Carte& c) { return c.couleur == ATOUT && c.valeur >= 2 && c.valeur % 2 == 0; });
}

int plusGrosHonneur(const Jeu& jeu, int siege) {
    const Main& main = jeu.donne.mainJoueur[siege];
    const auto& jouable = jeu.donne.jouable[siege];
    int meilleur = -1;
    for (int i = 1; i <= 18; ++i)
        if (jouable[i] == 1 && estCouleur(main[i].couleur) && main[i].valeur > 10 &&
            (meilleur == -1 || main[i].valeur > main[meilleur].valeur))
            meilleur = i;
    return meilleur;
}

int roiAccompagne(const Jeu& jeu, int siege, int couleur) {
    const Main& main = jeu.donne.mainJoueur[siege];
    const auto& jouable = jeu.donne.jouable[siege];
    int roi = -1;
    int dessous = 0;
    for (int i = 1; i <= 18; ++i) {
        if (jouable[i] != 1 || main[i].couleur != couleur) continue;
        if (main[i].valeur == ROI)
            roi = i;
        else
            ++dessous;
    }
    return roi != -1 && dessous >= 2 ? roi : -1;
}

int petiteSousHonneur(const Jeu& jeu, int siege, int couleur) {
    const Main& main = jeu.donne.mainJoueur[siege];
    const auto& jouable = jeu.donne.jouable[siege];
    bool honneur = false;
    int nb = 0;
    int petite = -1;
    for (int i = 1; i <= 18; ++i) {
        if (jouable[i] != 1 || main[i].couleur != couleur) continue;
        ++nb;
        if (main[i].valeur == DAME || main[i].valeur == ROI) honneur = true;
        if (main[i].valeur >= 1 && main[i].valeur <= 4) petite = i;  // lower cards sit in later slots
    }
    return honneur && nb >= 5 ? petite : -1;
}

int nbCartesDeCouleur(const Jeu& jeu, int siege, int couleur) {
    const Main& main = jeu.donne.mainJoueur[siege];
    int nb = 0;
    for (int i = 1; i <= 18; ++i)
        if (main[i].couleur == couleur) ++nb;
    return nb;
}

int nbAtoutsMaitresTenus(const Jeu& jeu, int siege) {
    const Connaissances& k = jeu.connaissances;
    if (k.atoutMaitre[siege] == -1) return 0;
    const auto& loc = k.localisationAtout[siege];
    int v = k.atoutMaitre[siege];
    int nb = 0;
    while (v >= 1) {
        while (v >= 2 && loc[v] == HORS_JEU) --v;
        if (loc[v] != siege) break;
        ++nb;
        --v;
        if (v <= 1) break;
    }
    return nb;
}

bool honneurVoisin(const Jeu& jeu, int siege, int couleur, int valeur) {
    const auto& det = jeu.connaissances.detenteurCouleur[couleur];
    switch (valeur) {
    case VALET: return det[CAVALIER] == siege;
    case CAVALIER:
    case DAME: return det[valeur - 1] == siege || det[valeur + 1] == siege;
    case ROI: return det[DAME] == siege;
    default: return false;
    }
}

// ---- Suit visits ----

int couleurDecalee(int s, int n) { return (s - 1 + n) % 4 + 1; }

OrdreCouleurs couleursApresTirage(Hasard& alea) {
    const int d = hasard(alea, 4);
    return {couleurDecalee(d, 1), couleurDecalee(d, 2), couleurDecalee(d, 3), couleurDecalee(d, 4)};
}

OrdreCouleurs couleursDepuisTirage(Hasard& alea) {
    const int d = hasard(alea, 4);
    return {d, couleurDecalee(d, 1), couleurDecalee(d, 2), couleurDecalee(d, 3)};
}

// ---- Helpers of the rules ----

bool imposer(Choix& ch, int slot, int k) {
    ch.etat.carteChoisie = imposerCarte(ch.jeu, ch.siege, slot) ? 1 : 0;
    noterRegle(ch.jeu, k);
    return ch.etat.carteChoisie == 1;
}

bool imposerTenue(Choix& ch, int couleur, int valeur, int k) {
    if (!tient(ch, couleur, valeur)) return false;
    return imposer(ch, rang(ch.conn, couleur, valeur), k);
}

bool aJouableDeCouleur(const Choix& ch, int couleur) {
    const Main& main = ch.donne.mainJoueur[ch.siege];
    for (int i = 1; i <= 18; ++i)
        if (estJouable(ch, i) && main[i].couleur == couleur) return true;
    return false;
}

int premierAtoutJouable(const Choix& ch, int valeurMin) {
    const Main& main = ch.donne.mainJoueur[ch.siege];
    for (int i = 1; i <= 18; ++i)
        if (estJouable(ch, i) && main[i].couleur == ATOUT && main[i].valeur >= valeurMin) return i;
    return -1;
}

int nbSiegesSansAtoutConnus(const Jeu& jeu, int observateur) {
    const auto& coupe = jeu.connaissances.atoutCoupe[observateur];
    int nb = 0;
    for (int s = 1; s <= 4; ++s)
        if (s != observateur && coupe[s] == 1) ++nb;
    return nb;
}

// ---- The list ----

const std::array<Regle, nbReglesMax> listeRegles = {{
    {SANS_SEUIL, false, regle01ExcuseAvantDernierPli},
    {SANS_SEUIL, false, regle02PreneurGardeExcuse},
    {SANS_SEUIL, false, regle03PetitPasEntame},
    {SANS_SEUIL, false, regle04DefenseurPetitSansEntameAtout},
    {SANS_SEUIL, true, regle05RoisContreGardeSans},
    {SANS_SEUIL, true, regle06PasExcuseDevantPreneur},
    {SANS_SEUIL, false, regle07PreneurCapturePetit},
    {SEUIL_DEBUTANT, false, regle08AtoutQuandSeulPetitDehors},
    {SANS_SEUIL, false, regle09PasAtoutContrePoignee},
    {SEUIL_AMATEUR, true, regle10PreneurTireAtoutsMaitres},
    {SEUIL_BON, true, regle11PreneurJoueCouleurs},
    {SEUIL_AMATEUR, true, regle12GarderHonneurMaitreSeul},
    {SEUIL_DEBUTANT, true, regle13BattrePreneurGrosHonneur},
    {SEUIL_AMATEUR, true, regle14CouperHautDevantPreneur},
    {SEUIL_AMATEUR, true, regle15CapturerHonneurPreneur},
    {SEUIL_BON, true, regle16GarderHonneursDerniereCouleur},
    {SEUIL_BON, true, regle17PreneurCaptureValetCavalier},
    {SEUIL_AMATEUR, true, regle18ReponseEntamesPreneur},
    {SANS_SEUIL, true, regle19DameSurPetiteEntame},
    {SANS_SEUIL, true, regle20RoiSurEntamePartenaire},
    {SANS_SEUIL, true, regle21PasDameSeuleSurEntameHaute},
    {SEUIL_BON, true, regle22PreneurFortChassePetit},
    {SEUIL_BON, true, regle23SacrifierPetit},
    {SEUIL_AMATEUR, true, regle24DefausseSansAtout},
    {SANS_SEUIL, true, regle25GarderPetitToutAtout},
    {SANS_SEUIL, true, regle26PreneurGardePetit},
    {SANS_SEUIL, true, regle27SauverPetit},
    {SEUIL_DEBUTANT, true, regle28AtoutMaitreContrePetit},
    {SANS_SEUIL, false, regle29PetitSousAtoutMaitre},
    {SANS_SEUIL, true, regle30PetitCourtAtoutHaut},
    {SANS_SEUIL, true, regle31PreneurCoupePetit},
    {SANS_SEUIL, false, regle32DefenseurPetitAtoutHaut},
    {SANS_SEUIL, true, regle33PasExcuseAvantPreneur},
    {SANS_SEUIL, true, regle34ReponseExcusePreneur},
    {SANS_SEUIL, false, regle35PasEntameExcuse},
    {SANS_SEUIL, true, regle36PreneurExcuseSurAtout},
    {SANS_SEUIL, true, regle37ExcusePliPerdu},
    {SEUIL_AMATEUR, true, regle38ContrePreneurSansAtout},
    {SEUIL_AMATEUR, true, regle39AtoutApresPetitCoupe},
    {SANS_SEUIL, true, regle40SuivreSignalAtout},
    {SANS_SEUIL, true, regle41PasRetourDerniereCouleurPreneur},
    {SEUIL_AMATEUR, true, regle42PreneurSixiemeAtout},
    {SEUIL_BON, true, regle43PreneurSingleton},
    {SANS_SEUIL, true, regle44PreneurCoupeHaut},
    {SANS_SEUIL, true, regle45PasDameSansRoi},
    {SANS_SEUIL, true, regle46PasCavalierSansDame},
    {SEUIL_AMATEUR, true, regle47Reservee},
    {SEUIL_AMATEUR, true, regle48PreneurLongueParLeHaut},
    {SEUIL_AMATEUR, true, regle49PreneurLonguePetite},
    {SANS_SEUIL, true, regle50PasCouleurLongueAuChien},
    {SANS_SEUIL, true, regle51PasDoubletonHonneur},
    {SANS_SEUIL, true, regle52AtoutContreGardeSans},
    {SANS_SEUIL, false, regle53AtoutApresChienPauvre},
    {SANS_SEUIL, false, regle54EntameApresChienRiche},
    {SANS_SEUIL, false, regle55PetiteSousHonneur},
    {SEUIL_DEBUTANT, true, regle56ForcerPreneur},
    {SANS_SEUIL, true, regle57PasRoiDuChien},
    {SANS_SEUIL, true, regle58PasAtoutApresAtoutPreneur},
    {SANS_SEUIL, true, regle59PasAtoutSansMaitre},
    {SANS_SEUIL, true, regle60PasRoiDameCouleursOuvertes},
    {SANS_SEUIL, true, regle61PasHonneurCoupePreneur},
    {SANS_SEUIL, true, regle62PasCavalierSansDame},
    {SANS_SEUIL, false, regle63PasPetiteSansHonneur},
    {SANS_SEUIL, true, regle64GarderRoiDameCoupePreneur},
    {SANS_SEUIL, true, regle65PreneurRoiLongue},
    {SANS_SEUIL, true, regle66PreneurPasRoiSec},
    {SANS_SEUIL, true, regle67PreneurRoiAccompagne},
    {SANS_SEUIL, true, regle68PasCouleurCoupeeSignaleur},
    {SANS_SEUIL, false, regle69PetiteSousPreneur},
    {SANS_SEUIL, false, regle70PetitePliPerdu},
    {SANS_SEUIL, true, regle71PasPremieresCouleursPreneur},
    {SANS_SEUIL, true, regle72SurcouperAvantPreneur},
    {SANS_SEUIL, false, regle73PlusPetitAtout},
    {SANS_SEUIL, true, regle74GagnerGrosseCarte},
}};
