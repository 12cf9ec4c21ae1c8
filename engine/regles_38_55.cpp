// Rules 38 to 55: choosing a lead.
#include "engine/regles_liste.h"

// Not written yet: each rule keeps its place in the list, with its level
// threshold and its adaptive draw, and leaves the playable set as it is.

void regle38ContrePreneurSansAtout(Choix&) {}
void regle39AtoutApresPetitCoupe(Choix&) {}
void regle40SuivreSignalAtout(Choix&) {}
void regle41PasRetourDerniereCouleurPreneur(Choix&) {}
void regle42PreneurSixiemeAtout(Choix&) {}
void regle43PreneurSingleton(Choix&) {}
void regle44PreneurCoupeHaut(Choix&) {}
void regle45PasDameSansRoi(Choix&) {}
void regle46PasCavalierSansDame(Choix&) {}
void regle47Reservee(Choix&) {}
void regle48PreneurLongueParLeHaut(Choix&) {}
void regle49PreneurLonguePetite(Choix&) {}
void regle50PasCouleurLongueAuChien(Choix&) {}
void regle51PasDoubletonHonneur(Choix&) {}
void regle52AtoutContreGardeSans(Choix&) {}
void regle53AtoutApresChienPauvre(Choix&) {}
void regle54EntameApresChienRiche(Choix&) {}
void regle55PetiteSousHonneur(Choix&) {}
