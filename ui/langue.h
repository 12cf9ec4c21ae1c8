#pragma once
// The texts of every window in the chosen language. The captions,
// menu texts and hints of the caption table are found by the window's and the
// control's object names, so a window gets its texts as soon as it exists.
#include <QString>
#include <string>
#include <vector>

class QTranslator;
class QWidget;
struct Jeu;

// Reads jeu.options.langue (1 French, 2 English; anything else reads as French):
// the help file, the main window's caption (jeu.identite.titreProgramme), and
// every caption, menu text and hint of every window that exists. A window whose
// texts go beyond the table below declares `Q_INVOKABLE void ecrireTextes(int langue)`,
// and it is called too.
void appliquerLangue(Jeu& jeu);

// The texts of the caption table, and the bid buttons, that belong to this one
// window (found by its object name), in the language `langue`.
void ecrireTextesFenetre(QWidget* fenetre, int langue);

// The help file of the language: the program's folder and "belvanefr.hlp" or
// "belvaneus.hlp". appliquerLangue keeps it in the application's property
// "fichierAide".
QString fichierAide(int langue);

// "window/control" for every text whose window exists but whose control does
// not: a control renamed or missing. Empty when every text found its place.
std::vector<std::string> textesSansControle();

// Qt's own texts (standard buttons, the colour and file dialogs): French loads
// Qt's French catalogue from Qt's translations folder into `traductions` and
// installs it; English takes it out again. False when French was asked for
// and the catalogue could not be loaded (the dialogs then stay in English).
bool traduireQt(QTranslator& traductions, int langue);
