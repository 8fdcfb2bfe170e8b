#include "XpPicture.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace {

QSize devicePixels(QSize size, qreal dpr)
{
    return QSize(std::max(1, int(std::ceil(size.width() * dpr))), std::max(1, int(std::ceil(size.height() * dpr))));
}

// The pixels of `mark` that are not fully transparent, in `colour`.
QImage paintMarks(const QImage &mark, const QColor &colour)
{
    QImage out(mark.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    const QRgb ink = colour.rgba();
    for (int y = 0; y < mark.height(); ++y) {
        for (int x = 0; x < mark.width(); ++x) {
            if (qAlpha(mark.pixel(x, y)) != 0)
                out.setPixel(x, y, ink);
        }
    }
    return out;
}

} // namespace

XpPicture::XpPicture(const QImage &bitmap)
    : m_bitmap(bitmap)
{
}

XpPicture::XpPicture(const QPixmap &bitmap)
    : m_bitmap(bitmap.toImage())
{
}

XpPicture::XpPicture(const QIcon &icon)
    : m_icon(icon)
{
}

QSize XpPicture::size() const
{
    if (!m_bitmap.isNull())
        return m_bitmap.size();
    QSize largest;
    for (const QSize &s : m_icon.availableSizes()) {
        if (s.width() * s.height() > largest.width() * largest.height())
            largest = s;
    }
    return largest.isValid() && !largest.isEmpty() ? largest : QSize(32, 32);
}

QImage XpPicture::render(QSize size, qreal dpr, OleColor maskColor) const
{
    if (isNull() || size.isEmpty())
        return {};
    const QSize device = devicePixels(size, dpr);
    QImage out;
    if (isIcon()) {
        out = m_icon.pixmap(size, dpr).toImage();
    } else {
        // The mask colour becomes transparent before stretching, so that
        // no blended fringe of it remains.
        out = m_bitmap.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = QColor(Colors::red(maskColor), Colors::green(maskColor), Colors::blue(maskColor)).rgb();
        for (int y = 0; y < out.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(out.scanLine(y));
            for (int x = 0; x < out.width(); ++x) {
                if ((row[x] | 0xFF000000u) == key && qAlpha(row[x]) == 255)
                    row[x] = 0;
            }
        }
    }
    if (out.size() != device)
        out = out.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    out = out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(dpr);
    return out;
}

QImage XpPicture::renderDisabled(QSize size, qreal dpr, OleColor maskColor, const QColor &light,
                                 const QColor &dark) const
{
    const QImage picture = render(size, dpr, maskColor);
    if (picture.isNull())
        return {};
    // Flattened onto white: what is not (nearly) white is a mark.
    QImage mark(picture.size(), QImage::Format_ARGB32_Premultiplied);
    mark.fill(Qt::transparent);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb px = picture.pixel(x, y);
            const int a = qAlpha(px);
            // Premultiplied over white: c + (255 - a).
            const int grey = qGray(qRed(px) + 255 - a, qGreen(px) + 255 - a, qBlue(px) + 255 - a);
            if (grey < 224)
                mark.setPixel(x, y, 0xFF000000u);
        }
    }
    const int step = std::max(1, int(std::lround(dpr)));
    QImage out(mark.width() + step, mark.height() + step, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    {
        QPainter p(&out);
        p.drawImage(step, step, paintMarks(mark, light));
        p.drawImage(0, 0, paintMarks(mark, dark));
    }
    out.setDevicePixelRatio(dpr);
    return out;
}

QImage XpPicture::silhouette(QSize size, qreal dpr, OleColor maskColor, const QColor &colour) const
{
    const QImage picture = render(size, dpr, maskColor);
    if (picture.isNull())
        return {};
    QImage out = paintMarks(picture, colour);
    out.setDevicePixelRatio(dpr);
    return out;
}
