#include "PictureReader.h"

#include "GuardedFile.h"
#include "SelfContainedSvg.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace PictureReader {

namespace {

// Decodes `bytes`; an SVG document is decoded only once cut off from every
// other file, and a compressed one not at all.
QImage decodeOnce(const QByteArray &bytes, const QByteArray &hint, bool svgChecked)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    // The extension is a hint; the content decides when it is wrong.
    QImageReader reader(&buffer, hint);
    reader.setAutoDetectImageFormat(true);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (!svgChecked && (format == "svg" || format == "svgz")) {
        if (SelfContainedSvg::isCompressed(bytes))
            return {};
        const QByteArray svg = SelfContainedSvg::make(bytes);
        return svg.isEmpty() ? QImage() : decodeOnce(svg, "svg", true);
    }
    return reader.read();
}

} // namespace

QImage decode(const QByteArray &bytes, const QString &name)
{
    if (bytes.isEmpty())
        return {};
    return decodeOnce(bytes, QFileInfo(name).suffix().toLower().toLatin1(), false);
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
