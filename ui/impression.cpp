#include "ui/impression.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSize>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>

#include "engine/textes.h"

namespace {

QString& redirection() {
    static QString chemin;
    return chemin;
}

QString qs(Texte t, int langue) { return QString::fromStdString(texte(t, langue)); }

// The page's coordinates: pixels of resolutionPage dots per inch from the
// sheet's top-left corner, whatever the device's own resolution.
void preparerPage(QPrinter& page, const QString& titre) {
    page.setResolution(resolutionPage);
    page.setFullPage(true);
    page.setPageMargins(QMarginsF(0, 0, 0, 0));
    page.setDocName(titre);
}

bool pagePdf(const QPixmap& image, const QRect& rectangle, const QString& chemin, const QString& titre) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(chemin);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    preparerPage(pdf, titre);
    return imprimerPage(pdf, image, rectangle);
}

void ecrirePdf(QWidget* fenetre, const QPixmap& image, const QRect& rectangle, const QString& chemin, int langue) {
    if (!pagePdf(image, rectangle, chemin, fenetre->windowTitle()))
        QMessageBox::warning(fenetre, titreProgramme, qs(Texte::pdfImpossible, langue) + chemin);
}

}  // namespace

QString cheminPdfPropose(const QString& nomFichier) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QDir dossier = !documents.isEmpty() && QDir(documents).exists() ? QDir(documents) : QDir::home();
    return dossier.filePath(nomFichier + ".pdf");
}

QRect rectanglePage(int gauche, int haut, int droite, int bas) { return QRect(gauche, haut, droite - gauche, bas - haut); }

void dessinerPage(QPainter& p, const QPixmap& image, const QRect& rectangle) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rectangle, image);
}

bool imprimerPage(QPrinter& imprimante, const QPixmap& image, const QRect& rectangle) {
    QPainter p;
    if (!p.begin(&imprimante)) return false;
    dessinerPage(p, image, rectangle);
    return p.end();
}

bool imprimerPdf(QWidget* fenetre, const QRect& rectangle, const QString& chemin) {
    return pagePdf(fenetre->grab(), rectangle, chemin, fenetre->windowTitle());
}

void imprimerFenetre(QWidget* fenetre, const QRect& rectangle, int langue, const QString& nomFichier) {
    if (!fenetre) return;
    // The picture is taken before any message covers the window.
    const QPixmap image = fenetre->grab();
    if (!redirection().isEmpty()) {
        ecrirePdf(fenetre, image, rectangle, redirection(), langue);
        return;
    }

    const QPrinterInfo defaut = QPrinterInfo::defaultPrinter();
    if (!defaut.isNull()) {
        QPrinter imprimante(defaut, QPrinter::HighResolution);
        preparerPage(imprimante, fenetre->windowTitle());
        if (!imprimerPage(imprimante, image, rectangle))
            QMessageBox::warning(fenetre, titreProgramme, qs(Texte::impressionImpossible, langue));
        return;
    }

    if (QMessageBox::question(fenetre, titreProgramme, qs(Texte::pasDImprimante, langue),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes)
        return;
    QString chemin = QFileDialog::getSaveFileName(fenetre, qs(Texte::enregistrerPdf, langue),
                                                  cheminPdfPropose(nomFichier), qs(Texte::fichiersPdf, langue));
    if (chemin.isEmpty()) return;
    if (QFileInfo(chemin).suffix().isEmpty()) chemin += ".pdf";
    ecrirePdf(fenetre, image, rectangle, chemin, langue);
}

void redirigerImpression(const QString& cheminPdf) { redirection() = cheminPdf; }
