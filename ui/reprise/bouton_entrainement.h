#pragma once
// "Practise from here": a trick number and the button that deals the deal
// again and plays it up to that trick. The windows that show a finished
// deal (analysis, 18 tricks, history) each carry one.
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QSpinBox;

class BoutonEntrainement : public QWidget {
    Q_OBJECT
public:
    // `langue` gives the language in force when the widget is shown.
    BoutonEntrainement(std::function<int()> langue, QWidget* parent);
    // The trick the host window shows (0: none); the number follows it when it changes.
    std::function<int()> pliPropose;
    int pli() const;
    void choisirPli(int pli);
    void ecrireTextes(int langue);
    QPushButton* bouton() const { return bouton_; }

signals:
    void demande(int pli);

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void suivrePli();

    std::function<int()> langue_;
    int dernierPropose_ = 0;
    QLabel* label_ = nullptr;
    QSpinBox* pli_ = nullptr;
    QPushButton* bouton_ = nullptr;
};
