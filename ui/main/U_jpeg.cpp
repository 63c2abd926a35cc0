#include "ui/main/U_jpeg.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct TErreurJpeg {
    jpeg_error_mgr Base;
    std::jmp_buf Saut;
};

// libjpeg's default error handler calls exit(): jump back to the decoder instead.
[[noreturn]] void Echec(j_common_ptr Info) {
    std::longjmp(reinterpret_cast<TErreurJpeg*>(Info->err)->Saut, 1);
}

// Warnings mean damaged data (a truncated file is padded with grey): refuse the picture
// rather than show half of it. Trace messages are ignored.
void Avertissement(j_common_ptr Info, int Niveau) {
    if (Niveau < 0)
        Echec(Info);
}

// Far more than any picture of ours; stops a forged header from asking for gigabytes.
constexpr long long PixelsMax = 16LL * 1024 * 1024;

// Everything that may fail runs here, below the setjmp of DecoderJpeg. A jump skips this
// frame without destructors, so it holds no object that owns anything: the picture is
// decoded straight into Sortie, which lives in the caller's frame.
void Decoder(jpeg_decompress_struct& Info, const QByteArray& Octets, QImage& Sortie) {
    jpeg_mem_src(&Info, reinterpret_cast<const unsigned char*>(Octets.constData()),
                 static_cast<unsigned long>(Octets.size()));
    jpeg_read_header(&Info, TRUE);
    if (static_cast<long long>(Info.image_width) * Info.image_height > PixelsMax)
        return;
    Info.out_color_space = JCS_EXT_BGRX; // QImage::Format_RGB32's byte order
    jpeg_start_decompress(&Info);
    Sortie = QImage(static_cast<int>(Info.output_width), static_cast<int>(Info.output_height),
                    QImage::Format_RGB32);
    if (Sortie.isNull()) {
        jpeg_abort_decompress(&Info);
        return;
    }
    while (Info.output_scanline < Info.output_height) {
        JSAMPROW Ligne = Sortie.scanLine(static_cast<int>(Info.output_scanline));
        jpeg_read_scanlines(&Info, &Ligne, 1);
    }
    jpeg_finish_decompress(&Info);
}

} // namespace

QImage DecoderJpeg(const QByteArray& Octets) {
    if (Octets.isEmpty())
        return {};
    jpeg_decompress_struct Info{};
    TErreurJpeg Erreur{};
    Info.err = jpeg_std_error(&Erreur.Base);
    Erreur.Base.error_exit = Echec;
    Erreur.Base.emit_message = Avertissement;
    QImage Sortie;
    jpeg_create_decompress(&Info);
    if (setjmp(Erreur.Saut) == 0)
        Decoder(Info, Octets, Sortie);
    else
        Sortie = QImage();
    jpeg_destroy_decompress(&Info);
    return Sortie;
}

QImage ChargerJpeg(const QString& Chemin) {
    QFile Fichier(Chemin);
    if (!Fichier.open(QIODevice::ReadOnly))
        return {};
    return DecoderJpeg(Fichier.readAll());
}
