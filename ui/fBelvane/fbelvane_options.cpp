// What the scores, the result and the options show on the table (Vue), and
// the modal messages of the main window.
#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/fbelvane.h"

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QAction* TfrmBelvane::actionMenu(MenuOption m) const {
    using enum MenuOption;
    switch (m) {
        case menuDebutant: return menuNiveau[1];
        case menuAmateur: return menuNiveau[2];
        case menuBon: return menuNiveau[3];
        case menuPro: return menuNiveau[4];
        case menuForceDefense: return menuForceMain[1];
        case menuForceNormale: return menuForceMain[2];
        case menuForcePrise: return menuForceMain[3];
        case menuForceGarde: return menuForceMain[4];
        case menuForceGardeSans: return menuForceMain[5];
        case menuForceGardeContre: return menuForceMain[6];
        case menuEscargot: return menuVitesse[1];
        case menuLent: return menuVitesse[2];
        case menuNormal: return menuVitesse[3];
        case menuRapide: return menuVitesse[4];
        case menuInstantane: return menuVitesse[5];
        case menuClickObligatoire: return menuAttente[0];
        case menuUneSeconde: return menuAttente[1];
        case menuDeuxSecondes: return menuAttente[2];
        case menuCinqSecondes: return menuAttente[3];
        case menuOptionNiveauAdaptatif: return this->menuOptionNiveauAdaptatif;
        case menuAtLeast: return this->menuAtLeast;
        case menuConseilEnch: return this->menuConseilEnch;
        case menuPointsPartieEnCours: return this->menuPointsPartieEnCours;
        case menuDeductions: return this->menuDeductions;
        case menuProposerPoignee: return this->menuProposerPoignee;
        case menuBarreOutils: return this->menuBarreOutils;
        case menuBarreInfo: return this->menuBarreInfo;
        case menuScoresGlobaux: return this->menuScoresGlobaux;
        case menuAnalyseDixSecondes: return menuTempsAnalyseItems[1];
        case menuAnalyseTrenteSecondes: return menuTempsAnalyseItems[2];
        case menuAnalyseDeuxMinutes: return menuTempsAnalyseItems[3];
        case menuBoutonAnalyse: return this->menuBoutonAnalyse;
        case menuExpert: return this->menuExpert;
        case menuReglesBelvane: return this->menuReglesBelvane;
        case menuReglesOfficielles: return this->menuReglesOfficielles;
        case menuOptionChelem: return this->menuOptionChelem;
        case menuOptionPoigneesOrdinateurs: return this->menuOptionPoigneesOrdinateurs;
        case menuQuatreCouleurs: return this->menuQuatreCouleurs;
    }
    return nullptr;
}

void TfrmBelvane::cocherMenu(MenuOption m, bool coche) {
    QAction* a = actionMenu(m);
    if (a) a->setChecked(coche);
}

void TfrmBelvane::montrerPanneau(PanneauOption p, bool visible) {
    QWidget* w = nullptr;
    switch (p) {
        case PanneauOption::evMaMain: w = evMaMain; break;
        case PanneauOption::PanneauScores: w = PanneauScores; break;
        case PanneauOption::PanelDeductions: w = PanelDeductions; break;
        case PanneauOption::PanelBarreOutils: w = PanelBarreOutils; break;
        case PanneauOption::panelBarreInfo: w = panelBarreInfo; break;
        case PanneauOption::boutonAnalyse:
            PanelAnalyse->setVisible(visible);
            disposerResultat();
            return;
    }
    if (w) w->setVisible(visible);
    // The information bar gives its room to the table, or takes it back.
    if (p == PanneauOption::panelBarreInfo && construite_) redisposer();
}

void TfrmBelvane::enfoncerBouton(BoutonOutil b, bool enfonce) {
    QToolButton* t = b == BoutonOutil::SBVoirDeductions ? SBVoirDeductions : SBVoirScoresGlobaux;
    t->setChecked(enfonce);
}

void TfrmBelvane::couleurFond(Couleur c) { tapis_->changerFond(couleurQt(c)); }

void TfrmBelvane::couleurTableRonde(Couleur c) { TableRonde->changerCouleur(couleurQt(c)); }

void TfrmBelvane::montrerResultat(const std::string& texte) {
    menuAnalyse->setEnabled(true);
    PanelPanelNewPartie->show();
    PanelTexteResultat->setText(qs(texte));
    afficherCodeDonne();
    PanelResultat->show();
    PanelResultat->raise();
}

void TfrmBelvane::afficherScoreTotal(int siege, const std::string& texte) {
    if (siege < 1 || siege > 4) return;
    panelScoreTotal[siege]->setText(qs(texte));
}

void TfrmBelvane::montrerScoresGlobaux(bool visible) {
    for (int s = 1; s <= 4; ++s) {
        panelScoreTotal[s]->setVisible(visible);
        if (visible) panelScoreTotal[s]->raise();
    }
}

void TfrmBelvane::message(const std::string& titre, const std::string& texte) {
    QMessageBox::information(this, qs(titre), qs(texte));
}

bool TfrmBelvane::questionOuiNon(const std::string& titre, const std::string& texte) {
    return QMessageBox::question(this, qs(titre), qs(texte), QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

void TfrmBelvane::erreurMagasin(const std::string& texte) { QMessageBox::warning(this, windowTitle(), qs(texte)); }
