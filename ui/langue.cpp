#include "ui/langue.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QMenu>
#include <QWidget>

#include "engine/jeu.h"
#include "engine/textes.h"

namespace {

enum class Ou { Legende, Bulle };  // the caption (or menu text, or title), or the hint

struct Place {
    const char* fenetre;   // the window's object name
    const char* controle;  // the control's object name; nullptr: the window's own caption
    Ou ou;
    Texte texte;
};

// The main window's hints, the secondary windows' captions, the menus, tool
// buttons and buttons of the main window, then the five bid buttons, in that order.
const Place places[] = {
    // The first menu reads the same in both languages.
    {"frmBelvane", "menuBelvane", Ou::Legende, Texte::menuBelvane},
    // Hints of the main window's information panels.
    {"frmBelvane", "PanelPreneur", Ou::Bulle, Texte::bullePanelPreneur},
    {"frmBelvane", "PanelEnchere", Ou::Bulle, Texte::bullePanelEnchere},
    {"frmBelvane", "nPointsAttaque", Ou::Bulle, Texte::bullenPointsAttaque},
    {"frmBelvane", "nBoutsPreneur", Ou::Bulle, Texte::bullenBoutsPreneur},
    {"frmBelvane", "nContrat", Ou::Bulle, Texte::bullenContrat},
    {"frmBelvane", "nBoutsDefense", Ou::Bulle, Texte::bullenBoutsDefense},
    {"frmBelvane", "nPointsDefense", Ou::Bulle, Texte::bullenPointsDefense},
    {"frmBelvane", "PanelAtoutMax", Ou::Bulle, Texte::bullePanelAtoutMax},
    {"frmBelvane", "PanelAtExt", Ou::Bulle, Texte::bullePanelAtExt},
    {"frmBelvane", "PanelDehorsPique", Ou::Bulle, Texte::bulleDehorsPique},
    {"frmBelvane", "PanelDehorsCoeur", Ou::Bulle, Texte::bulleDehorsCoeur},
    {"frmBelvane", "PanelDehorsTrefle", Ou::Bulle, Texte::bulleDehorsTrefle},
    {"frmBelvane", "PanelDehorsCarreau", Ou::Bulle, Texte::bulleDehorsCarreau},
    // The secondary windows.
    {"frmPoignee", nullptr, Ou::Legende, Texte::frmPoignee},
    {"frmPoignee", "PanelBoutonParesseux", Ou::Legende, Texte::PanelBoutonParesseux},
    {"frmPoignee", "PanelOkPoignee", Ou::Legende, Texte::PanelOkPoignee},
    {"frmPoignee", "PanelAnnulerPoignee", Ou::Legende, Texte::PanelAnnulerPoignee},
    {"frmPliPrecedent", nullptr, Ou::Legende, Texte::frmPliPrecedent},
    {"frmTousPlis", nullptr, Ou::Legende, Texte::frmTousPlis},
    {"frmTousPlis", "buttonImprimerPlis", Ou::Legende, Texte::boutonImprimer},
    {"frmMains", nullptr, Ou::Legende, Texte::frmMains},
    {"frmMains", "PanelChien", Ou::Legende, Texte::PanelChien},
    {"frmMains", "PanelEcart", Ou::Legende, Texte::PanelEcart},
    {"frmMains", "buttonImprimerMains", Ou::Legende, Texte::boutonImprimer},
    {"frmScoreDetaille", nullptr, Ou::Legende, Texte::frmScoreDetaille},
    {"frmScoreDetaille", "panelPreneur", Ou::Legende, Texte::panelPreneur},
    {"frmScoreDetaille", "panelPoints", Ou::Legende, Texte::panelPoints},
    {"frmScoreDetaille", "panelDefContrat", Ou::Legende, Texte::panelDefContrat},
    {"frmScoreDetaille", "panelDefPrimePetit", Ou::Legende, Texte::panelDefPrimePetit},
    {"frmScoreDetaille", "panelDefNbBouts", Ou::Legende, Texte::panelDefNbBouts},
    {"frmScoreDetaille", "panelDefPrimePoignee", Ou::Legende, Texte::panelDefPrimePoignee},
    {"frmScoreDetaille", "buttonImprimer", Ou::Legende, Texte::boutonImprimer},
    // The main window's menus, tool-button hints and buttons.
    {"frmBelvane", "menuNewGame", Ou::Legende, Texte::menuNewGame},
    {"frmBelvane", "SBNewGame", Ou::Bulle, Texte::bulleSBNewGame},
    {"frmBelvane", "menuGameAgain", Ou::Legende, Texte::menuGameAgain},
    {"frmBelvane", "SBGameAgain", Ou::Bulle, Texte::bulleSBGameAgain},
    {"frmBelvane", "SBVoirScoresGlobaux", Ou::Bulle, Texte::bulleSBVoirScoresGlobaux},
    {"frmBelvane", "SBVoirDeductions", Ou::Bulle, Texte::deductions},
    {"frmBelvane", "SBAide", Ou::Bulle, Texte::bulleSBAide},
    {"frmBelvane", "menuInitScores", Ou::Legende, Texte::menuInitScores},
    // The history of the deals.
    {"frmBelvane", "menuHistorique", Ou::Legende, Texte::menuHistorique},
    {"frmBelvane", "menuStatistiques", Ou::Legende, Texte::menuStatistiques},
    {"frmBelvane", "menuJouerCode", Ou::Legende, Texte::menuJouerCode},
    {"frmBelvane", "menuCodeDonne", Ou::Legende, Texte::menuCodeDonne},
    {"frmBelvane", "menuQuit", Ou::Legende, Texte::menuQuit},
    {"frmBelvane", "menuVoir", Ou::Legende, Texte::menuVoir},
    {"frmBelvane", "menuScoresGlobaux", Ou::Legende, Texte::menuScoresGlobaux},
    {"frmBelvane", "menuConseilEnch", Ou::Legende, Texte::menuConseilEnch},
    {"frmBelvane", "menuPointsPartieEnCours", Ou::Legende, Texte::menuPointsPartieEnCours},
    {"frmBelvane", "menuDeductions", Ou::Legende, Texte::menuDeductions},
    {"frmBelvane", "menuPreviousTrick", Ou::Legende, Texte::menuPreviousTrick},
    {"frmBelvane", "menuLevel", Ou::Legende, Texte::menuLevel},
    {"frmBelvane", "menuDebutant", Ou::Legende, Texte::menuDebutant},
    {"frmBelvane", "menuAmateur", Ou::Legende, Texte::menuAmateur},
    {"frmBelvane", "menuBon", Ou::Legende, Texte::menuBon},
    {"frmBelvane", "menuPro", Ou::Legende, Texte::menuPro},
    {"frmBelvane", "menuExpert", Ou::Legende, Texte::menuExpert},
    {"frmBelvane", "menuOptionNiveauAdaptatif", Ou::Legende, Texte::menuOptionNiveauAdaptatif},
    {"frmBelvane", "menuForce", Ou::Legende, Texte::menuForce},
    {"frmBelvane", "menuForceNormale", Ou::Legende, Texte::menuForceNormale},
    {"frmBelvane", "menuForcePrise", Ou::Legende, Texte::menuForcePrise},
    {"frmBelvane", "menuForceGarde", Ou::Legende, Texte::menuForceGarde},
    {"frmBelvane", "menuForceGardeSans", Ou::Legende, Texte::menuForceGardeSans},
    {"frmBelvane", "menuForceGardeContre", Ou::Legende, Texte::menuForceGardeContre},
    {"frmBelvane", "menuForceDefense", Ou::Legende, Texte::menuForceDefense},
    {"frmBelvane", "menuAtLeast", Ou::Legende, Texte::menuAtLeast},
    {"frmBelvane", "menuVitesses", Ou::Legende, Texte::menuVitesses},
    {"frmBelvane", "menuJeuDeLaCarte", Ou::Legende, Texte::menuJeuDeLaCarte},
    {"frmBelvane", "menuInstantane", Ou::Legende, Texte::menuInstantane},
    {"frmBelvane", "menuRapide", Ou::Legende, Texte::menuRapide},
    {"frmBelvane", "menuNormal", Ou::Legende, Texte::menuNormal},
    {"frmBelvane", "menuLent", Ou::Legende, Texte::menuLent},
    {"frmBelvane", "menuEscargot", Ou::Legende, Texte::menuEscargot},
    {"frmBelvane", "menuAttenteEntreChaquePli", Ou::Legende, Texte::menuAttenteEntreChaquePli},
    {"frmBelvane", "menuCinqSecondes", Ou::Legende, Texte::menuCinqSecondes},
    {"frmBelvane", "menuDeuxSecondes", Ou::Legende, Texte::menuDeuxSecondes},
    {"frmBelvane", "menuUneSeconde", Ou::Legende, Texte::menuUneSeconde},
    {"frmBelvane", "menuClickObligatoire", Ou::Legende, Texte::menuClickObligatoire},
    {"frmBelvane", "menuOptions", Ou::Legende, Texte::menuOptions},
    {"frmBelvane", "menuCouleurFondEcran", Ou::Legende, Texte::menuCouleurFondEcran},
    {"frmBelvane", "menuProposerPoignee", Ou::Legende, Texte::menuProposerPoignee},
    {"frmBelvane", "menuCouleurTableRonde", Ou::Legende, Texte::menuCouleurTableRonde},
    {"frmBelvane", "menuQuatreCouleurs", Ou::Legende, Texte::menuQuatreCouleurs},
    {"frmBelvane", "menuBarreOutils", Ou::Legende, Texte::menuBarreOutils},
    {"frmBelvane", "menuBarreInfo", Ou::Legende, Texte::menuBarreInfo},
    {"frmBelvane", "menuAide", Ou::Legende, Texte::menuAide},
    {"frmBelvane", "menuSommaire", Ou::Legende, Texte::menuSommaire},
    {"frmBelvane", "menuApropos", Ou::Legende, Texte::menuApropos},
    // The window at every size.
    {"frmBelvane", "menuPleinEcran", Ou::Legende, Texte::menuPleinEcran},
    {"frmBelvane", "PanelInfoDeductions", Ou::Legende, Texte::deductions},
    {"frmBelvane", "PanelLancement", Ou::Legende, Texte::PanelLancement},
    {"frmBelvane", "PanelPoigneeSimple", Ou::Legende, Texte::PanelPoigneeSimple},
    {"frmBelvane", "PanelPoigneeDouble", Ou::Legende, Texte::PanelPoigneeDouble},
    {"frmBelvane", "PanelPoigneeTriple", Ou::Legende, Texte::PanelPoigneeTriple},
    {"frmBelvane", "PanelPoigneeAucune", Ou::Legende, Texte::PanelPoigneeAucune},
    {"frmBelvane", "PanelConfirmeEcart", Ou::Legende, Texte::accepterEcart},
    {"frmBelvane", "PanelPanelNewPartie", Ou::Legende, Texte::PanelPanelNewPartie},
    {"frmBelvane", "panelRejouerDonne", Ou::Legende, Texte::panelRejouerDonne},
    {"frmBelvane", "PanelVoirMains", Ou::Legende, Texte::PanelVoirMains},
    {"frmBelvane", "PanelScoreDetaille", Ou::Legende, Texte::PanelScoreDetaille},
    {"frmBelvane", "PanelVoirPlis", Ou::Legende, Texte::PanelVoirPlis},
    // The open-cards analysis of a played deal.
    {"frmBelvane", "PanelAnalyse", Ou::Legende, Texte::boutonAnalyse},
    {"frmBelvane", "menuAnalyse", Ou::Legende, Texte::menuAnalyse},
    {"frmBelvane", "menuTempsAnalyse", Ou::Legende, Texte::menuTempsAnalyse},
    {"frmBelvane", "menuAnalyseDixSecondes", Ou::Legende, Texte::menuAnalyseDixSecondes},
    {"frmBelvane", "menuAnalyseTrenteSecondes", Ou::Legende, Texte::menuAnalyseTrenteSecondes},
    {"frmBelvane", "menuAnalyseDeuxMinutes", Ou::Legende, Texte::menuAnalyseDeuxMinutes},
    {"frmBelvane", "menuBoutonAnalyse", Ou::Legende, Texte::menuBoutonAnalyse},
    {"frmTousPlis", "buttonAnalysePlis", Ou::Legende, Texte::boutonAnalyse},
    // The official rules.
    {"frmBelvane", "menuRegles", Ou::Legende, Texte::menuRegles},
    {"frmBelvane", "menuReglesBelvane", Ou::Legende, Texte::menuReglesBelvane},
    {"frmBelvane", "menuReglesOfficielles", Ou::Legende, Texte::menuReglesOfficielles},
    {"frmBelvane", "menuOptionChelem", Ou::Legende, Texte::menuOptionChelem},
    {"frmBelvane", "menuOptionPoigneesOrdinateurs", Ou::Legende, Texte::menuOptionPoigneesOrdinateurs},
    {"frmBelvane", "PanelAnnoncerChelem", Ou::Legende, Texte::boutonAnnoncerChelem},
    {"frmBelvane", "PanelSansChelem", Ou::Legende, Texte::boutonSansChelem},
    {"frmScoreDetaille", "panelDefPrimeChelem", Ou::Legende, Texte::panelDefPrimeChelem},
    // Step 7: the bid buttons read nomEnchere[0..4].
    {"frmBelvane", "ButtonPasse", Ou::Legende, Texte::encherePasse},
    {"frmBelvane", "ButtonPrise", Ou::Legende, Texte::encherePrise},
    {"frmBelvane", "ButtonGarde", Ou::Legende, Texte::enchereGarde},
    {"frmBelvane", "ButtonGardeSans", Ou::Legende, Texte::enchereGardeSans},
    {"frmBelvane", "ButtonGardeContre", Ou::Legende, Texte::enchereGardeContre},
};

// The object that shows the place's text: the window, a child widget, or a menu action.
QObject* trouver(QWidget* fenetre, const Place& p) {
    if (!p.controle) return fenetre;
    return fenetre->findChild<QObject*>(QString::fromLatin1(p.controle));
}

void ecrire(QObject* o, Ou ou, const QString& t) {
    auto* w = qobject_cast<QWidget*>(o);
    if (ou == Ou::Bulle) {
        if (w) w->setToolTip(t);
        else if (auto* a = qobject_cast<QAction*>(o)) a->setToolTip(t);
        return;
    }
    if (auto* m = qobject_cast<QMenu*>(o)) m->setTitle(t);
    else if (auto* a = qobject_cast<QAction*>(o)) a->setText(t);
    else if (auto* b = qobject_cast<QAbstractButton*>(o)) b->setText(t);
    else if (auto* l = qobject_cast<QLabel*>(o)) l->setText(t);
    else if (w && w->isWindow()) w->setWindowTitle(t);
    else if (w) w->setProperty("text", t);
}

std::vector<QWidget*> fenetres(const char* nom) {
    std::vector<QWidget*> v;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(nom)) v.push_back(w);
    return v;
}

}  // namespace

void ecrireTextesFenetre(QWidget* fenetre, int langue) {
    if (!fenetre) return;
    const QString nom = fenetre->objectName();
    for (const Place& p : places) {
        if (nom != QLatin1String(p.fenetre)) continue;
        if (QObject* o = trouver(fenetre, p)) ecrire(o, p.ou, QString::fromStdString(texte(p.texte, langue)));
    }
}

QString fichierAide(int langue) {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(langue == ANGLAIS ? QStringLiteral("belvaneus.hlp") : QStringLiteral("belvanefr.hlp"));
}

void appliquerLangue(Jeu& jeu) {
    const int langue = jeu.options.langue;
    qApp->setProperty("fichierAide", fichierAide(langue));
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmBelvane") && !jeu.identite.titreProgramme.empty())
            w->setWindowTitle(QString::fromStdString(jeu.identite.titreProgramme));
        ecrireTextesFenetre(w, langue);
        // A window with texts beyond the table below writes them itself.
        if (w->metaObject()->indexOfMethod("ecrireTextes(int)") >= 0)
            QMetaObject::invokeMethod(w, "ecrireTextes", Q_ARG(int, langue));
    }
}

std::vector<std::string> textesSansControle() {
    std::vector<std::string> absents;
    for (const Place& p : places)
        for (QWidget* w : fenetres(p.fenetre))
            if (!trouver(w, p)) absents.push_back(std::string(p.fenetre) + "/" + p.controle);
    return absents;
}

bool traduireQt(QTranslator& traductions, int langue) {
    QCoreApplication::removeTranslator(&traductions);
    if (langue != FRANCAIS) return true;
    if (!traductions.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&traductions);
}
