// The official rules on the main window: the human taker's chelem offer, the
// handfuls the seats show to the table, the chelem marked by the contract.
#include <QPushButton>

#include "engine/jeu.h"
#include "engine/textes.h"
#include "flow/deroulement.h"
#include "settings/options.h"
#include "ui/fBelvane/controles.h"
#include "ui/fBelvane/fbelvane.h"

namespace {

const QColor bleuNuitRegles(0x00, 0x00, 0x80);
const QColor ivoire(0xFF, 0xF8, 0xDC);

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void TfrmBelvane::creerReglesOfficielles() {
    PanelChelem = new Panneau(tapis_, bleuNuitRegles);
    PanelChelem->setObjectName("PanelChelem");
    placer(PanelChelem, QRect(313, 196, 168, 90));
    PanelChelem->hide();
    auto bouton = [this](const char* nom, int i) {
        auto* b = new QPushButton(PanelChelem);
        b->setObjectName(nom);
        placer(b, QRect(9, 8 + i * 40, 150, 34));
        policeDessin(b, 9, true);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    PanelAnnoncerChelem = bouton("PanelAnnoncerChelem", 0);
    PanelSansChelem = bouton("PanelSansChelem", 1);
    connect(PanelAnnoncerChelem, &QPushButton::clicked, this, [this] { repondreChelem(jeu_, true); });
    connect(PanelSansChelem, &QPushButton::clicked, this, [this] { repondreChelem(jeu_, false); });

    // Under the contract, for the whole deal.
    PanelChelemAnnonce = new Panneau(tapis_, ivoire);
    PanelChelemAnnonce->setObjectName("PanelChelemAnnonce");
    placer(PanelChelemAnnonce, QRect(596, 30, 130, 20));
    policeDessin(PanelChelemAnnonce, 9, true);
    PanelChelemAnnonce->hide();

    // On the right of the round table, below the points of the deal.
    PanelPoigneesMontrees = new Panneau(tapis_, ivoire);
    PanelPoigneesMontrees->setObjectName("PanelPoigneesMontrees");
    placer(PanelPoigneesMontrees, QRect(570, 152, 224, 120));
    policeDessin(PanelPoigneesMontrees, 8, true);
    PanelPoigneesMontrees->setWordWrap(true);
    PanelPoigneesMontrees->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PanelPoigneesMontrees->hide();
}

void TfrmBelvane::basculerRegle(std::uint8_t& option) {
    option = option ? 0 : 1;
    appliquerOptions(jeu_);
    sauverOptions(jeu_);
}

void TfrmBelvane::montrerPoigneeSiege(int /*siege*/, const std::string& annonce, const Table<Carte, 1, 15>& cartes,
                                      int nb) {
    QString ligne = qs(annonce) + " :";
    for (int i = 1; i <= nb; ++i)
        ligne += " " + (estExcuse(cartes[i]) ? qs(texte(Texte::carteExcuse, jeu_.options.langue))
                                             : QString::number(cartes[i].valeur));
    if (!textePoigneesMontrees_.isEmpty()) textePoigneesMontrees_ += "\n";
    textePoigneesMontrees_ += ligne;
    PanelPoigneesMontrees->setText(textePoigneesMontrees_);
    PanelPoigneesMontrees->show();
    PanelPoigneesMontrees->raise();
}

void TfrmBelvane::cacherPoigneesSieges() {
    textePoigneesMontrees_.clear();
    PanelPoigneesMontrees->clear();
    PanelPoigneesMontrees->hide();
}

void TfrmBelvane::montrerOffreChelem(bool visible) {
    // Hidden with the table at each new deal, the announcement with it.
    if (!visible && jeu_.donne.chelemAnnonce == 0) PanelChelemAnnonce->hide();
    PanelChelem->setVisible(visible);
    if (visible) PanelChelem->raise();
}

void TfrmBelvane::montrerChelemAnnonce(int siege) {
    if (siege < 1 || siege > 4) {
        PanelChelemAnnonce->hide();
        return;
    }
    const int langue = jeu_.options.langue;
    const char* deuxPoints = langue == ANGLAIS ? ": " : " : ";
    PanelChelemAnnonce->setText(qs(texte(Texte::colonneChelem, langue) + deuxPoints + nomJoueur(siege, langue)));
    PanelChelemAnnonce->show();
}
