#pragma once
// The 74 card-play rules, in the order the choice tries them.
#include "engine/regles_moteur.h"

// Excuse at trick 17, keeping the Petit and trumps back, Kings against big contracts, the taker's trump draw.
void regle01ExcuseAvantDernierPli(Choix& ch);
void regle02PreneurGardeExcuse(Choix& ch);
void regle03PetitPasEntame(Choix& ch);
void regle04DefenseurPetitSansEntameAtout(Choix& ch);
void regle05RoisContreGardeSans(Choix& ch);
void regle06PasExcuseDevantPreneur(Choix& ch);
void regle07PreneurCapturePetit(Choix& ch);
void regle08AtoutQuandSeulPetitDehors(Choix& ch);
void regle09PasAtoutContrePoignee(Choix& ch);
void regle10PreneurTireAtoutsMaitres(Choix& ch);
void regle11PreneurJoueCouleurs(Choix& ch);
void regle12GarderHonneurMaitreSeul(Choix& ch);

// Following a suit: honours, points to a partner, ducking.
void regle13BattrePreneurGrosHonneur(Choix& ch);
void regle14CouperHautDevantPreneur(Choix& ch);
void regle15CapturerHonneurPreneur(Choix& ch);
void regle16GarderHonneursDerniereCouleur(Choix& ch);
void regle17PreneurCaptureValetCavalier(Choix& ch);
void regle18ReponseEntamesPreneur(Choix& ch);
void regle19DameSurPetiteEntame(Choix& ch);
void regle20RoiSurEntamePartenaire(Choix& ch);
void regle21PasDameSeuleSurEntameHaute(Choix& ch);
void regle22PreneurFortChassePetit(Choix& ch);
void regle23SacrifierPetit(Choix& ch);
void regle24DefausseSansAtout(Choix& ch);

// The Petit and the Excuse.
void regle25GarderPetitToutAtout(Choix& ch);
void regle26PreneurGardePetit(Choix& ch);
void regle27SauverPetit(Choix& ch);
void regle28AtoutMaitreContrePetit(Choix& ch);
void regle29PetitSousAtoutMaitre(Choix& ch);
void regle30PetitCourtAtoutHaut(Choix& ch);
void regle31PreneurCoupePetit(Choix& ch);
void regle32DefenseurPetitAtoutHaut(Choix& ch);
void regle33PasExcuseAvantPreneur(Choix& ch);
void regle34ReponseExcusePreneur(Choix& ch);
void regle35PasEntameExcuse(Choix& ch);
void regle36PreneurExcuseSurAtout(Choix& ch);
void regle37ExcusePliPerdu(Choix& ch);

// Leads.
void regle38ContrePreneurSansAtout(Choix& ch);
void regle39AtoutApresPetitCoupe(Choix& ch);
void regle40SuivreSignalAtout(Choix& ch);
void regle41PasRetourDerniereCouleurPreneur(Choix& ch);
void regle42PreneurSixiemeAtout(Choix& ch);
void regle43PreneurSingleton(Choix& ch);
void regle44PreneurCoupeHaut(Choix& ch);
void regle45PasDameSansRoi(Choix& ch);
void regle46PasCavalierSansDame(Choix& ch);
void regle47Reservee(Choix& ch);
void regle48PreneurLongueParLeHaut(Choix& ch);
void regle49PreneurLonguePetite(Choix& ch);
void regle50PasCouleurLongueAuChien(Choix& ch);
void regle51PasDoubletonHonneur(Choix& ch);
void regle52AtoutContreGardeSans(Choix& ch);
void regle53AtoutApresChienPauvre(Choix& ch);
void regle54EntameApresChienRiche(Choix& ch);
void regle55PetiteSousHonneur(Choix& ch);

// Pruning leads and the last following choices.
void regle56ForcerPreneur(Choix& ch);
void regle57PasRoiDuChien(Choix& ch);
void regle58PasAtoutApresAtoutPreneur(Choix& ch);
void regle59PasAtoutSansMaitre(Choix& ch);
void regle60PasRoiDameCouleursOuvertes(Choix& ch);
void regle61PasHonneurCoupePreneur(Choix& ch);
void regle62PasCavalierSansDame(Choix& ch);
void regle63PasPetiteSansHonneur(Choix& ch);
void regle64GarderRoiDameCoupePreneur(Choix& ch);
void regle65PreneurRoiLongue(Choix& ch);
void regle66PreneurPasRoiSec(Choix& ch);
void regle67PreneurRoiAccompagne(Choix& ch);
void regle68PasCouleurCoupeeSignaleur(Choix& ch);
void regle69PetiteSousPreneur(Choix& ch);
void regle70PetitePliPerdu(Choix& ch);
void regle71PasPremieresCouleursPreneur(Choix& ch);
void regle72SurcouperAvantPreneur(Choix& ch);
void regle73PlusPetitAtout(Choix& ch);
void regle74GagnerGrosseCarte(Choix& ch);
