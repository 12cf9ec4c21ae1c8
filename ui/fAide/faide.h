#pragma once
// The help window frmAide: the rules of the game in the player's language,
// a contents list beside them and a search field above. It stays open beside
// the table and takes nothing from the game.
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

class TfrmAide : public QWidget {
    Q_OBJECT
public:
    explicit TfrmAide(QWidget* parent = nullptr);
    // Loads the rules and the captions in the language `langue` (1 French, 2 English).
    void ecrireTextes(int langue);
    // Shows the window in front, at the section `ancre` when one is given.
    void ouvrir(const QString& ancre = QString());
    // The next place where `motif` appears, from the cursor on, wrapping to the
    // top once; false when the text does not hold it.
    bool rechercher(const QString& motif);

    QTextBrowser* texte() const { return texte_; }
    QListWidget* sommaire() const { return sommaire_; }

private:
    int langue_ = 0;
    QLabel* etiquetteSommaire_ = nullptr;
    QLabel* etiquetteRecherche_ = nullptr;
    QLineEdit* recherche_ = nullptr;
    QLabel* introuvable_ = nullptr;
    QListWidget* sommaire_ = nullptr;
    QTextBrowser* texte_ = nullptr;
};
