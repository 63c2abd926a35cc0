#pragma once
// JPEG pictures decoded with libjpeg, whatever image plugins Qt was built with.
#include <QByteArray>
#include <QImage>
#include <QString>

// A null image when the bytes are not a whole, readable JPEG.
QImage DecoderJpeg(const QByteArray& Octets);
// Reads a file (or a ":/" resource) and decodes it; a null image when it fails.
QImage ChargerJpeg(const QString& Chemin);
