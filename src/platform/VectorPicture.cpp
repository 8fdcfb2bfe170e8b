#include "VectorPicture.h"

#include <QCache>
#include <QMutex>
#include <QPainter>
#include <QSvgRenderer>

namespace VectorPicture {

namespace {

// The documents kept, by the key of the image data they belong to. An
// image's key is never given to another image, so an entry outliving its
// image costs memory only; the oldest go past this many bytes.
constexpr qsizetype KeptBytes = 64 * 1024 * 1024;

QMutex mutex;

QCache<qint64, QByteArray> &documents()
{
    static QCache<qint64, QByteArray> cache(KeptBytes);
    return cache;
}

} // namespace

void remember(const QImage &picture, const QByteArray &svg)
{
    if (picture.isNull() || svg.isEmpty())
        return;
    QMutexLocker lock(&mutex);
    documents().insert(picture.cacheKey(), new QByteArray(svg), std::max<qsizetype>(1, svg.size()));
}

QByteArray svg(const QImage &picture)
{
    if (picture.isNull())
        return {};
    QMutexLocker lock(&mutex);
    const QByteArray *document = documents().object(picture.cacheKey());
    return document ? *document : QByteArray();
}

bool has(const QImage &picture)
{
    return !svg(picture).isEmpty();
}

bool draw(QPainter &painter, const QRectF &target, const QImage &picture)
{
    const QByteArray document = svg(picture);
    if (document.isEmpty())
        return false;
    QSvgRenderer renderer(document);
    if (!renderer.isValid())
        return false;
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    renderer.render(&painter, target);
    return true;
}

QImage render(const QByteArray &svg, const QSize &size)
{
    if (size.isEmpty())
        return {};
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

} // namespace VectorPicture
