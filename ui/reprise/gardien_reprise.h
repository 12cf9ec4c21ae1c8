#pragma once
// The main window's side of the deal kept through a close: the deal is saved
// once every step is over (a timer fired, a click, a key), the start offers
// to resume it, Ctrl+Z takes back the human's last card, and the windows of a
// finished deal offer to practise it from one of its tricks.
#include <QObject>

#include "reprise/minuteurs_suivis.h"
#include "reprise/reprise.h"

class BaseHistorique;
class BoutonEntrainement;
class QAction;
class TfrmBelvane;
struct DonneArchivee;
struct Jeu;

class GardienReprise : public QObject {
    Q_OBJECT
public:
    // Becomes the game's timers (passing on to the window's). `historique`
    // may be null: the history window then has no practice button.
    GardienReprise(Jeu& jeu, TfrmBelvane& fenetre, Reprise& reprise, BaseHistorique* historique);
    ~GardienReprise() override;

    // Saves now if the state changed; the window calls nothing, this runs after every step.
    void noter();
    // What the start offers, once the language is chosen: the message about a
    // file set aside, or the question to resume.
    void proposer();
    // Ctrl+Z.
    void reprendreCarte();
    // Practise the deal `a` from trick `pli`; a message when it cannot be.
    void entrainer(const DonneArchivee& a, int pli);
    QAction* actionReprendreCarte() const { return reprendreCarte_; }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void planifier();
    // The restored state on the table, its pending step armed, then saved.
    void montrer(const MinuteursArmes& m);
    void ajouterBoutons();
    void entrainerDonneJouee(int pli);
    void entrainerDonneHistorique(int pli);

    Jeu& jeu_;
    TfrmBelvane& fenetre_;
    Reprise& reprise_;
    BaseHistorique* historique_;
    Minuteurs* reels_;
    MinuteursSuivis suivis_;
    bool prevu_ = false;
    bool propose_ = false;
    bool ecritureEchouee_ = false;
    EtatReprise etatDepart_ = EtatReprise::aucune;
    QAction* reprendreCarte_ = nullptr;
};
