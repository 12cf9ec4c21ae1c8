#include "ui/fSplash/fsplash.h"

#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "engine/arrondi.h"
#include "engine/jeu.h"
#include "engine/textes.h"
#include "settings/options.h"
#include "ui/cartes/cartes.h"
#include "ui/fBelvane/fbelvane.h"
#include "ui/langue.h"
#include "ui/revue/controles_revue.h"

namespace {

// The stored colour numbers 9152816 and 16777088 (0x00BBGGRR).
const QColor fondSplash(48, 169, 139);
const QColor fondAvertissement(128, 255, 255);

QString qs(Texte t) { return QString::fromStdString(texte(t, FRANCAIS)); }

}  // namespace

TfrmSplash::TfrmSplash(Jeu& jeu, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), jeu_(jeu) {
    setObjectName("frmSplash");
    // 1. The design scaled to the screen's available area, one scale for both
    //    axes, never so large that the splash would leave it.
    facteur_ = TfrmBelvane::facteurEcran(screen());
    echelle_ = echelleFenetre(facteur_, QSize(440, 330), screen(), false);
    // 2. The year, the title, the registry key.
    jeu_.identite = composerIdentite(anneeVersion);
    setWindowTitle(QString::fromStdString(jeu_.identite.titreProgramme));
    // 3. The reference pack.
    construirePaquet(jeu_.paquet);

    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, fondSplash);
    setPalette(p);
    QFont f = font();
    f.setPixelSize(std::max(1, dessin(12)));
    setFont(f);
    resize(dessin(440), dessin(330));

    FrameSplash = new QGroupBox(this);
    FrameSplash->setObjectName("FrameSplash");
    FrameSplash->setGeometry(dessin(8), dessin(8), dessin(424), dessin(314));

    // The logos: the Excuse and the 21, the two oudlers that no trick can take cheaply.
    auto logo = [this](const char* nom, int gauche, int couleur, int valeur) {
        auto* l = new QLabel(FrameSplash);
        l->setObjectName(nom);
        l->setGeometry(dessin(gauche), dessin(16), dessin(72), dessin(120));
        const double densite = devicePixelRatioF();
        QPixmap image = imageCarte(couleur, valeur, QSize(arrondi(l->width() * densite), arrondi(l->height() * densite)));
        image.setDevicePixelRatio(densite);
        l->setPixmap(image);
        return l;
    };
    ImgLogo = logo("ImgLogo", 16, ATOUT, EXCUSE);
    ImgLogo2 = logo("ImgLogo2", 336, ATOUT, VINGT_ET_UN);

    // 4. The product label and the legal notice.
    lblCompanyProduct = new QLabel(FrameSplash);
    lblCompanyProduct->setObjectName("lblCompanyProduct");
    lblCompanyProduct->setGeometry(dessin(96), dessin(40), dessin(232), dessin(72));
    lblCompanyProduct->setWordWrap(false);
    lblCompanyProduct->setAlignment(Qt::AlignCenter);
    QFont titre = font();
    titre.setPixelSize(std::max(1, dessin(26)));
    titre.setBold(true);
    lblCompanyProduct->setFont(titre);
    lblCompanyProduct->setText(QString::fromStdString(jeu_.identite.titreProgramme));

    lblWarning = new QLabel(FrameSplash);
    lblWarning->setObjectName("lblWarning");
    lblWarning->setGeometry(dessin(16), dessin(150), dessin(392), dessin(96));
    lblWarning->setWordWrap(true);
    lblWarning->setAlignment(Qt::AlignCenter);
    lblWarning->setMargin(dessin(6));
    lblWarning->setAutoFillBackground(true);
    QPalette a = lblWarning->palette();
    a.setColor(QPalette::Window, fondAvertissement);
    a.setColor(QPalette::WindowText, Qt::black);
    lblWarning->setPalette(a);
    lblWarning->setText(qs(Texte::lblWarning));

    auto bouton = [this](const char* nom, int gauche, Texte t) {
        auto* b = new QPushButton(FrameSplash);
        b->setObjectName(nom);
        b->setGeometry(dessin(gauche), dessin(260), dessin(180), dessin(38));
        QFont g = font();
        g.setBold(true);
        b->setFont(g);
        b->setText(qs(t));
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    PanelStartFrench = bouton("PanelStartFrench", 16, Texte::PanelStartFrench);
    PanelStartEnglish = bouton("PanelStartEnglish", 228, Texte::PanelStartEnglish);
    connect(PanelStartFrench, &QPushButton::clicked, this, &TfrmSplash::PanelStartFrenchClick);
    connect(PanelStartEnglish, &QPushButton::clicked, this, &TfrmSplash::PanelStartEnglishClick);

    if (const QScreen* ecran = screen()) move(ecran->availableGeometry().center() - rect().center());
    show();
}

int TfrmSplash::dessin(double unites) const { return arrondi(unites * echelle_); }

void TfrmSplash::PanelStartFrenchClick() { passerLaMain(FRANCAIS); }

void TfrmSplash::PanelStartEnglishClick() { passerLaMain(ANGLAIS); }

void TfrmSplash::passerLaMain(int langue) {
    jeu_.options.langue = langue;
    if (traductions_) traduireQt(*traductions_, langue);
    appliquerLangue(jeu_);
    appliquerOptions(jeu_);
    hide();
    if (principale_) {
        principale_->montrerFenetre();
        principale_->raise();
        principale_->activateWindow();
    }
}
