#pragma once
// The handful selection window frmPoignee: the human's trumps
// overlapping in one row, a chosen card lifted, and the lazy, OK and cancel
// buttons. It shows what the handful routines tell it (its part of Vue) and
// hands every click to them; the selection itself lives in jeu.poignee.
#include <QDialog>
#include <QPoint>

#include "engine/table.h"
#include "engine/vue.h"

class ImageCarte;
class QPushButton;
struct Jeu;

class TfrmPoignee : public QDialog, public Vue {
    Q_OBJECT
public:
    // `facteur` scales the buttons of the 800-wide design; the cards follow
    // the table's geometry in jeu.disposition when the window opens.
    TfrmPoignee(Jeu& jeu, double facteur, QWidget* parent = nullptr);

    // Vue: the handful window.
    void montrerFenetrePoignee(int largeur) override;
    void fermerFenetrePoignee() override;
    void placerCartePoignee(int k, int gauche, int haut, const Carte& c) override;
    void cacherCartesPoignee() override;
    void deplacerCartePoignee(int k, int decalage) override;
    void montrerOkPoignee(bool visible) override;
    void messagePoignee(const std::string& texte) override;

public slots:
    // Escape and the window's close box cancel the handful.
    void reject() override;

    // 1 while the window fits on the screen at the table's scale; less when
    // it is drawn smaller to fit.
    double reduction() const { return reduction_; }

private:
    int dessin(double unites) const;
    int reduit(double pixels) const;
    void appliquerPolice();
    // Card k at the place the handful routines gave it, reduced to fit.
    void placerImage(int k);

    Jeu& jeu_;
    double facteur_;
    double reduction_ = 1.0;
    Table<QPoint, 1, 18> placeCarte_;
    Table<ImageCarte*, 1, 18> CartePoignee;
    QPushButton* PanelBoutonParesseux = nullptr;
    QPushButton* PanelOkPoignee = nullptr;
    QPushButton* PanelAnnulerPoignee = nullptr;
};
