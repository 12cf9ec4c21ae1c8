// Rules 56 to 74: pruning leads and the last following choices.
#include "engine/regles_liste.h"

// Not written yet: each rule keeps its place in the list, with its level
// threshold and its adaptive draw, and leaves the playable set as it is.

void regle56ForcerPreneur(Choix&) {}
void regle57PasRoiDuChien(Choix&) {}
void regle58PasAtoutApresAtoutPreneur(Choix&) {}
void regle59PasAtoutSansMaitre(Choix&) {}
void regle60PasRoiDameCouleursOuvertes(Choix&) {}
void regle61PasHonneurCoupePreneur(Choix&) {}
void regle62PasCavalierSansDame(Choix&) {}
void regle63PasPetiteSansHonneur(Choix&) {}
void regle64GarderRoiDameCoupePreneur(Choix&) {}
void regle65PreneurRoiLongue(Choix&) {}
void regle66PreneurPasRoiSec(Choix&) {}
void regle67PreneurRoiAccompagne(Choix&) {}
void regle68PasCouleurCoupeeSignaleur(Choix&) {}
void regle69PetiteSousPreneur(Choix&) {}
void regle70PetitePliPerdu(Choix&) {}
void regle71PasPremieresCouleursPreneur(Choix&) {}
void regle72SurcouperAvantPreneur(Choix&) {}
void regle73PlusPetitAtout(Choix&) {}
void regle74GagnerGrosseCarte(Choix&) {}
