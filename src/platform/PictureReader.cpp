#include "PictureReader.h"

#include "GuardedFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace PictureReader {

QImage decode(const QByteArray &bytes, const QString &name)
{
    if (bytes.isEmpty())
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    // The extension is a hint; the content decides when it is wrong.
    QImageReader reader(&buffer, QFileInfo(name).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(true);
    reader.setAutoTransform(true);
    return reader.read();
}

QImage read(const QString &path)
{
    const GuardedFile::Result file = GuardedFile::read(path, GuardedFile::PictureCap);
    if (!file.ok())
        return {};
    return decode(file.bytes, path);
}

bool canRead(const QString &path)
{
    // Every format's signature lies well within the first kilobytes.
    constexpr qint64 HeadBytes = 4096;
    const GuardedFile::Result head = GuardedFile::readHead(path, HeadBytes);
    if (!head.ok() || head.bytes.isEmpty())
        return false;
    QBuffer buffer;
    buffer.setData(head.bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    QImageReader reader(&buffer, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(true);
    return reader.canRead();
}

} // namespace PictureReader
