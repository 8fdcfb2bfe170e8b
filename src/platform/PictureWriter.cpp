#include "PictureWriter.h"

#include <QImageWriter>
#include <QSaveFile>

namespace PictureWriter {

bool write(const QImage &image, const QString &path, const char *format)
{
    if (image.isNull() || path.isEmpty())
        return false;
    // A card picture is opaque: 24 bits per pixel, as picture programs
    // expect a bitmap.
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    QSaveFile file(path);
    // Unbuffered, so a failed write is seen by the writer, not lost in a
    // buffer flushed at commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    QImageWriter writer(&file, format);
    if (!writer.write(opaque)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace PictureWriter
