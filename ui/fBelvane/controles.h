#pragma once
// The small controls of the card table: card images, shapes, panels that
// answer a click, the background, and the tool bar that the player can drag.
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include "engine/options.h"
#include "engine/vue.h"

// 0x00BBGGRR colour numbers, as the options store them.
QColor couleurQt(Couleur c);
Couleur couleurOption(const QColor& c);
Qt::CursorShape formeCurseur(Curseur c);
// The seat's colour: its bid panel, its global score panel and its taker frame.
QColor couleurSiege(int siege);

// A card picture stretched to the whole control.
class ImageCarte : public QWidget {
    Q_OBJECT
public:
    explicit ImageCarte(QWidget* parent);
    // How long after its last resize a card waits before painting itself
    // afresh at the new size (meanwhile a quick scaled copy is shown).
    static constexpr int attentePeinture = 150;
    void dessiner(const Carte& c);
    // The card drawn last; suit -1 before the first one.
    int couleurCarte() const { return couleur_; }
    int valeurCarte() const { return valeur_; }
    const QPixmap& image() const { return image_; }

signals:
    void clic();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QPixmap image_;
    int couleur_ = -1;
    int valeur_ = 0;
    // While the window is being resized, every step would paint the cards
    // again: they wait until the size has settled.
    QElapsedTimer depuisRedimension_;
    QTimer peinture_;
};

// A filled shape with a thin black outline: the round table, the taker frames.
class Forme : public QWidget {
    Q_OBJECT
public:
    enum Genre { Ellipse, Rectangle };
    Forme(Genre genre, QWidget* parent);
    void changerCouleur(const QColor& c);
    QColor couleur() const { return couleur_; }

signals:
    void presse();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    Genre genre_;
    QColor couleur_{0, 128, 0};
};

// A raised panel with a centred caption. It takes every click made on it, so a
// click on a panel never reaches the table behind it.
class Panneau : public QLabel {
    Q_OBJECT
public:
    explicit Panneau(QWidget* parent, const QColor& fond = QColor(192, 192, 192));
    void changerFond(const QColor& c);
    QColor fond() const;

signals:
    void clic();

protected:
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
};

// The table cloth: a click on it, anywhere no control covers, means "go on".
class Tapis : public QWidget {
    Q_OBJECT
public:
    explicit Tapis(QWidget* parent);
    void changerFond(const QColor& c);

signals:
    void clic();

protected:
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
};

// The tool bar, moved around the table by dragging it.
class BarreOutils : public QFrame {
    Q_OBJECT
public:
    explicit BarreOutils(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QPoint prise_;
    bool glisse_ = false;
};
