#include "engine/connaissances.h"

#include "engine/jeu.h"

void initialiserConnaissances(Jeu& jeu) { (void)jeu; }
void noterCarteJouee(Jeu& jeu, int siege, int slot) { (void)jeu; (void)siege; (void)slot; }
void noterCarteHorsJeu(Jeu& jeu, int siege, int slot, int couleur, int valeur) {
    (void)jeu; (void)siege; (void)slot; (void)couleur; (void)valeur;
}
void deduireConnaissances(Jeu& jeu) { (void)jeu; }
int plusHautAtoutEnJeu(const Jeu& jeu, int observateur) { (void)jeu; (void)observateur; return 0; }
void rafraichirMaitres(Jeu& jeu) { (void)jeu; }
void afficherDeductions(Jeu& jeu) { (void)jeu; }
