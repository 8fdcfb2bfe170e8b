#include "PictureWriter.h"

#include "AtomicFile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

#include <cstring>

namespace PictureWriter {

namespace {

// A 24-bit Windows bitmap, bottom row first, rows padded to 4 bytes. Made
// here rather than through the picture plug-ins, whose lookup costs more
// than the writing of a card.
QByteArray bmpBytes(const QImage &opaque)
{
    const int w = opaque.width();
    const int h = opaque.height();
    const qsizetype row = (qsizetype(w) * 3 + 3) / 4 * 4;
    const qsizetype size = 54 + row * h;
    QByteArray bytes(size, '\0');
    uchar *out = reinterpret_cast<uchar *>(bytes.data());
    out[0] = 'B';
    out[1] = 'M';
    qToLittleEndian<quint32>(quint32(size), out + 2);
    qToLittleEndian<quint32>(54, out + 10);
    qToLittleEndian<quint32>(40, out + 14); // header size
    qToLittleEndian<qint32>(w, out + 18);
    qToLittleEndian<qint32>(h, out + 22);
    qToLittleEndian<quint16>(1, out + 26);  // planes
    qToLittleEndian<quint16>(24, out + 28); // bits per pixel
    qToLittleEndian<quint32>(quint32(row * h), out + 34);
    const int dpm = opaque.dotsPerMeterX() > 0 ? opaque.dotsPerMeterX() : 3780;
    qToLittleEndian<qint32>(dpm, out + 38);
    qToLittleEndian<qint32>(opaque.dotsPerMeterY() > 0 ? opaque.dotsPerMeterY() : dpm, out + 42);
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(opaque.constScanLine(y));
        uchar *dst = out + 54 + row * (h - 1 - y);
        for (int x = 0; x < w; ++x) {
            *dst++ = uchar(qBlue(line[x]));
            *dst++ = uchar(qGreen(line[x]));
            *dst++ = uchar(qRed(line[x]));
        }
    }
    return bytes;
}

} // namespace

bool write(const QImage &image, const QString &path, const char *format)
{
    if (image.isNull() || path.isEmpty())
        return false;
    // A card picture is opaque: 24 bits per pixel, as picture programs
    // expect a bitmap.
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    if (qstricmp(format, "BMP") == 0)
        return AtomicFile::write(path, bmpBytes(opaque));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(opaque))
        return false;
    return AtomicFile::write(path, buffer.data());
}

} // namespace PictureWriter
