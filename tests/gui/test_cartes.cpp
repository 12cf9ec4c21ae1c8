#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "ui/cartes/cartes.h"

namespace {

struct CarteNommee {
    int couleur;
    int valeur;
    QString nom;
};

std::vector<CarteNommee> lePaquet() {
    const char* const prefixes[] = {"ATOUT", "PIQUE", "COEUR", "TREFLE", "CARREAU"};
    std::vector<CarteNommee> paquet;
    paquet.push_back({0, 0, "ATOUT22"});
    for (int v = 1; v <= 21; ++v) paquet.push_back({0, v, "ATOUT" + QString::number(v)});
    for (int c = 1; c <= 4; ++c)
        for (int v = 1; v <= 14; ++v) paquet.push_back({c, v, prefixes[c] + QString::number(v)});
    return paquet;
}

int pixelsDifferents(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if (la[x] != lb[x]) ++n;
    }
    return n;
}

}  // namespace

TEST(ImagesCartes, LesNomsSuiventLaCouleurEtLaValeur) {
    EXPECT_EQ(nomImageCarte(0, 0), "ATOUT22");
    EXPECT_EQ(nomImageCarte(0, 1), "ATOUT1");
    EXPECT_EQ(nomImageCarte(0, 21), "ATOUT21");
    EXPECT_EQ(nomImageCarte(1, 14), "PIQUE14");
    EXPECT_EQ(nomImageCarte(2, 11), "COEUR11");
    EXPECT_EQ(nomImageCarte(3, 10), "TREFLE10");
    EXPECT_EQ(nomImageCarte(4, 1), "CARREAU1");
    EXPECT_EQ(nomImageCarte(0, 22), "");
    EXPECT_EQ(nomImageCarte(1, 0), "");
    EXPECT_EQ(nomImageCarte(4, 15), "");
    EXPECT_EQ(nomImageCarte(-1, 0), "");
    EXPECT_EQ(nomImageCarte(5, 1), "");
}

TEST(ImagesCartes, ChacuneDesSoixanteDixHuitSeChargeEnQuatreVingtDixSurCentCinquante) {
    const auto paquet = lePaquet();
    ASSERT_EQ(paquet.size(), 78u);
    for (const CarteNommee& carte : paquet) {
        const QPixmap image = imageCarte(carte.nom);
        ASSERT_FALSE(image.isNull()) << carte.nom.toStdString();
        EXPECT_EQ(image.width(), 90) << carte.nom.toStdString();
        EXPECT_EQ(image.height(), 150) << carte.nom.toStdString();
        const QPixmap parCouleur = imageCarte(carte.couleur, carte.valeur);
        EXPECT_EQ(parCouleur.toImage(), image.toImage()) << carte.nom.toStdString();
    }
}

TEST(ImagesCartes, DeuxCartesNeSeRessemblentJamais) {
    const auto paquet = lePaquet();
    std::vector<QImage> images;
    for (const CarteNommee& carte : paquet)
        images.push_back(imageCarte(carte.nom).toImage().convertToFormat(QImage::Format_ARGB32));
    for (std::size_t i = 0; i < images.size(); ++i)
        for (std::size_t j = i + 1; j < images.size(); ++j)
            // Not merely different bytes: a player must be able to tell them apart.
            EXPECT_GT(pixelsDifferents(images[i], images[j]), 100)
                << paquet[i].nom.toStdString() << " / " << paquet[j].nom.toStdString();
}

TEST(ImagesCartes, LesCoinsSontArrondisEtLaFaceOpaque) {
    for (const CarteNommee& carte : lePaquet()) {
        const QImage image = imageCarte(carte.nom).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << carte.nom.toStdString();
        EXPECT_EQ(qAlpha(image.pixel(89, 149)), 0) << carte.nom.toStdString();
        EXPECT_EQ(qAlpha(image.pixel(45, 75)), 255) << carte.nom.toStdString();
        EXPECT_EQ(qAlpha(image.pixel(45, 1)), 255) << carte.nom.toStdString();
    }
}

TEST(ImagesCartes, UnNomInconnuDonneUneImageVide) {
    EXPECT_TRUE(imageCarte("ATOUT23").isNull());
    EXPECT_TRUE(imageCarte("ATOUT0").isNull());
    EXPECT_TRUE(imageCarte("PIQUE15").isNull());
    EXPECT_TRUE(imageCarte("atout1").isNull());
    EXPECT_TRUE(imageCarte("ATOUT1.png").isNull());
    EXPECT_TRUE(imageCarte("").isNull());
    EXPECT_TRUE(imageCarte(0, 22).isNull());
    EXPECT_TRUE(imageCarte(6, 3).isNull());
    // and a known one still loads after the failures
    EXPECT_FALSE(imageCarte("TREFLE7").isNull());
}
