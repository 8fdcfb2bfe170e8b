#include "PictureReader.h"

#include "GuardedFile.h"
#include "Metafile.h"
#include "SelfContainedSvg.h"
#include "VectorPicture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QSvgRenderer>

namespace PictureReader {

namespace {

// Pixels along either side of a metafile whose header gives no size.
constexpr int MaxMetafileSide = 4000;

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

// A metafile, converted to SVG by the helper and drawn at its natural
// size; the SVG stays with the pixels as their vector form.
QImage decodeMetafile(const QByteArray &bytes)
{
    const QByteArray svg = SelfContainedSvg::make(Metafile::toSvg(bytes));
    if (svg.isEmpty())
        return {};
    QSize size = Metafile::naturalSize(bytes);
    if (!size.isValid()) {
        size = QSvgRenderer(svg).defaultSize();
        if (size.isEmpty())
            return {};
        // A header without a size gives the drawing's own, within reason.
        if (size.width() > MaxMetafileSide || size.height() > MaxMetafileSide)
            size = size.scaled(MaxMetafileSide, MaxMetafileSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    }
    const QImage picture = VectorPicture::render(svg, size);
    VectorPicture::remember(picture, svg);
    return picture;
}

} // namespace

QImage decode(const QByteArray &bytes, const QString &name)
{
    if (bytes.isEmpty())
        return {};
    if (Metafile::kind(bytes) != Metafile::Kind::None)
        return decodeMetafile(bytes);
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
    if (Metafile::kind(head.bytes) != Metafile::Kind::None)
        return true;
    QBuffer buffer;
    buffer.setData(head.bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    QImageReader reader(&buffer, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(true);
    return reader.canRead();
}

} // namespace PictureReader
