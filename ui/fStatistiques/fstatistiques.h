#pragma once
// The statistics of the history, frmStatistiques: the deals played, the
// human's results as taker by contract and as defender, by level of the
// computers, and the four global scores over the deals as a chart.
#include <QDialog>

#include "historique/statistiques.h"

class BaseHistorique;
class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;
class QGroupBox;
class TfrmHistorique;
struct Jeu;

class TfrmStatistiques : public QDialog {
    Q_OBJECT
public:
    // `historique` exports the CSV.
    TfrmStatistiques(Jeu& jeu, BaseHistorique& base, TfrmHistorique& historique, double facteur,
                     QWidget* parent = nullptr);

    Q_INVOKABLE void ecrireTextes(int langue);
    // Reads the history again, then the window centred and shown.
    void ouvrir();
    void recharger();
    const Statistiques& statistiques() const { return stats_; }
    // The text of a cell of the taker's table (rows Prise .. Garde Contre, then the total)
    // or of the level table.
    QString cellulePreneur(int ligne, int colonne) const;
    QString celluleNiveau(int ligne, int colonne) const;
    QChart* graphique() const;

private:
    void remplir();
    int langue() const;

    Jeu& jeu_;
    BaseHistorique& base_;
    TfrmHistorique& historique_;
    double facteur_;
    Statistiques stats_;

    QLabel* resume = nullptr;
    QGroupBox* groupePreneur = nullptr;
    QTableWidget* tablePreneur = nullptr;
    QGroupBox* groupeDefense = nullptr;
    QLabel* defense = nullptr;
    QGroupBox* groupeNiveau = nullptr;
    QTableWidget* tableNiveau = nullptr;
    QChartView* vueGraphique = nullptr;
    QPushButton* boutonExporter = nullptr;
    QPushButton* boutonFermer = nullptr;
};
