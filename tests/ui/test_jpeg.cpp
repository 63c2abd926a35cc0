#include "ui/main/U_jpeg.h"

#include "ui/main/U_ressources.h"

#include <cstdio>
#include <jpeglib.h>

#include <gtest/gtest.h>

namespace {

// A JPEG made here with libjpeg: left half red, right half blue.
QByteArray JpegDeTest(int Largeur, int Hauteur) {
    jpeg_compress_struct Info{};
    jpeg_error_mgr Erreurs{};
    Info.err = jpeg_std_error(&Erreurs);
    jpeg_create_compress(&Info);
    unsigned char* Tampon = nullptr;
    unsigned long Taille = 0;
    jpeg_mem_dest(&Info, &Tampon, &Taille);
    Info.image_width = static_cast<JDIMENSION>(Largeur);
    Info.image_height = static_cast<JDIMENSION>(Hauteur);
    Info.input_components = 3;
    Info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&Info);
    jpeg_set_quality(&Info, 95, TRUE);
    jpeg_start_compress(&Info, TRUE);
    std::vector<unsigned char> Ligne(static_cast<std::size_t>(Largeur) * 3);
    for (int x = 0; x < Largeur; ++x) {
        const bool Gauche = x < Largeur / 2;
        Ligne[3 * x] = Gauche ? 255 : 0;
        Ligne[3 * x + 1] = 0;
        Ligne[3 * x + 2] = Gauche ? 0 : 255;
    }
    while (Info.next_scanline < Info.image_height) {
        JSAMPROW p = Ligne.data();
        jpeg_write_scanlines(&Info, &p, 1);
    }
    jpeg_finish_compress(&Info);
    jpeg_destroy_compress(&Info);
    QByteArray Octets(reinterpret_cast<const char*>(Tampon), static_cast<qsizetype>(Taille));
    std::free(Tampon);
    return Octets;
}

bool Proche(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

} // namespace

TEST(Jpeg, AValidPictureDecodesToItsSizeAndColours) {
    const QImage Image = DecoderJpeg(JpegDeTest(64, 32));
    ASSERT_FALSE(Image.isNull());
    EXPECT_EQ(Image.size(), QSize(64, 32));
    EXPECT_TRUE(Proche(Image.pixelColor(8, 16), Qt::red))
        << Image.pixelColor(8, 16).name().toStdString();
    EXPECT_TRUE(Proche(Image.pixelColor(56, 16), Qt::blue));
}

TEST(Jpeg, TheTitleArtworkShipsWithTheProgram) {
    InitialiserRessources();
    EXPECT_EQ(ChargerJpeg(QStringLiteral(":/titre.jpg")).size(), QSize(500, 350));
    EXPECT_TRUE(ChargerJpeg(QStringLiteral(":/introuvable.jpg")).isNull());
}

TEST(Jpeg, DamagedBytesGiveANullPictureNotACrash) {
    const QByteArray Bon = JpegDeTest(64, 32);
    EXPECT_TRUE(DecoderJpeg({}).isNull());
    EXPECT_TRUE(DecoderJpeg(QByteArray("not a picture at all")).isNull());
    EXPECT_TRUE(DecoderJpeg(QByteArray(4096, '\xFF')).isNull());
    // Cut anywhere, from inside the header to just before the end marker.
    for (qsizetype n :
         {qsizetype(2), qsizetype(20), qsizetype(200), Bon.size() / 2, Bon.size() - 2})
        EXPECT_TRUE(DecoderJpeg(Bon.left(n)).isNull()) << n;
}

TEST(Jpeg, AForgedHugeSizeIsRefused) {
    QByteArray Octets = JpegDeTest(16, 16);
    // The frame header (SOF0, FF C0) holds the height then the width after 5 bytes.
    const qsizetype Sof = Octets.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(Sof, 0);
    for (int i = 0; i < 4; ++i)
        Octets[Sof + 5 + i] = '\xFF';
    EXPECT_TRUE(DecoderJpeg(Octets).isNull());
}
