#include "Surface.h"

#include "VectorPicture.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Largest picture side, in pixels: beyond it a size is taken as an error.
constexpr int MaxPixels = 32767;
// Coordinates far outside any picture are clamped before conversion to int.
constexpr double MaxCoordinate = 1.0e7;

int clampToInt(double v)
{
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::clamp(v, -MaxCoordinate, MaxCoordinate));
}

int pixelCount(double twips, double tpp)
{
    if (!(twips > 0.0))
        return 0;
    return std::min(MaxPixels, clampToInt(std::round(twips / tpp)));
}

// Dots per metre for the logical resolution of 1440 / tpp dots per inch,
// so that a font's point size maps to the right number of pixels.
int dotsPerMeter(double tpp)
{
    return static_cast<int>(std::lround(1440.0 / tpp / 0.0254));
}

QRgb opaque(OleColor c)
{
    return Colors::toQColor(c).rgb() | 0xFF000000u;
}

// Floor of a / b for b > 0.
long long floorDiv(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// A sloping line, both ends included: one pixel per step along the longer
// axis, the other coordinate rounded (halves up) from the exact line. A
// pixel depends only on its offset from the line's first end and pixels
// outside the picture are skipped one by one, so parallel lines one pixel
// apart tile without gaps, whether or not the picture cuts them.
void drawSlopedLine(QImage &image, long long x1, long long y1, long long x2, long long y2, QRgb rgb)
{
    const bool xMajor = std::llabs(x2 - x1) >= std::llabs(y2 - y1);
    if ((xMajor && x2 < x1) || (!xMajor && y2 < y1)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const long long dx = x2 - x1, dy = y2 - y1;
    const long long w = image.width(), h = image.height();
    if (xMajor) {
        for (long long x = std::max(x1, 0LL), last = std::min(x2, w - 1); x <= last; ++x) {
            const long long y = y1 + floorDiv(2 * (x - x1) * dy + dx, 2 * dx);
            if (y >= 0 && y < h)
                reinterpret_cast<QRgb *>(image.scanLine(int(y)))[x] = rgb;
        }
    } else {
        for (long long y = std::max(y1, 0LL), last = std::min(y2, h - 1); y <= last; ++y) {
            const long long x = x1 + floorDiv(2 * (y - y1) * dx + dy, 2 * dy);
            if (x >= 0 && x < w)
                reinterpret_cast<QRgb *>(image.scanLine(int(y)))[x] = rgb;
        }
    }
}

} // namespace

Surface::Surface(double widthTwips, double heightTwips, double twipsPerPixel)
    : m_tpp(twipsPerPixel > 0.0 && std::isfinite(twipsPerPixel) ? twipsPerPixel : 15.0)
{
    resize(widthTwips, heightTwips);
}

void Surface::resize(double widthTwips, double heightTwips)
{
    m_width = std::isfinite(widthTwips) ? std::max(0.0, widthTwips) : 0.0;
    m_height = std::isfinite(heightTwips) ? std::max(0.0, heightTwips) : 0.0;
    const int pw = pixelCount(m_width, m_tpp);
    const int ph = pixelCount(m_height, m_tpp);
    if (!m_image.isNull() && m_image.width() == pw && m_image.height() == ph)
        return;
    QImage next;
    if (pw > 0 && ph > 0) {
        next = QImage(pw, ph, QImage::Format_ARGB32_Premultiplied);
        if (!next.isNull()) {
            next.fill(opaque(m_backColor));
            next.setDotsPerMeterX(dotsPerMeter(m_tpp));
            next.setDotsPerMeterY(dotsPerMeter(m_tpp));
            // What was drawn stays where it was.
            if (!m_image.isNull()) {
                QPainter p(&next);
                p.setCompositionMode(QPainter::CompositionMode_Source);
                p.drawImage(0, 0, m_image);
            }
        }
    }
    m_image = next;
    changed();
}

void Surface::setImage(const QImage &image)
{
    if (m_image.isNull() || image.isNull())
        return;
    QImage next = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (next.size() != m_image.size())
        next = next.scaled(m_image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    next.setDotsPerMeterX(dotsPerMeter(m_tpp));
    next.setDotsPerMeterY(dotsPerMeter(m_tpp));
    m_image = next;
    changed();
}

void Surface::cls()
{
    if (!m_image.isNull())
        m_image.fill(opaque(m_backColor));
    currentX = 0;
    currentY = 0;
    changed();
}

int Surface::toPixelX(double twips) const
{
    // The small allowance keeps 240 / 2.4 at 100 despite binary fractions.
    return clampToInt(std::floor(twips / m_tpp + 1e-9));
}

int Surface::toPixelY(double twips) const
{
    return clampToInt(std::floor(twips / m_tpp + 1e-9));
}

QRect Surface::pixelRect(double x, double y, double w, double h) const
{
    const int left = clampToInt(std::round(x / m_tpp));
    const int top = clampToInt(std::round(y / m_tpp));
    const int right = clampToInt(std::round((x + w) / m_tpp));
    const int bottom = clampToInt(std::round((y + h) / m_tpp));
    return QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                 QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1));
}

void Surface::fillPixels(int x1, int y1, int x2, int y2, QRgb rgb)
{
    // Inclusive corners, clipped to the picture.
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, m_image.width() - 1);
    y2 = std::min(y2, m_image.height() - 1);
    if (x1 > x2 || y1 > y2)
        return;
    for (int y = y1; y <= y2; ++y) {
        auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        std::fill(row + x1, row + x2 + 1, rgb);
    }
}

void Surface::line(double x1, double y1, double x2, double y2, OleColor color)
{
    if (m_image.isNull())
        return;
    const int px1 = toPixelX(x1);
    const int py1 = toPixelY(y1);
    const int px2 = toPixelX(x2);
    const int py2 = toPixelY(y2);
    const QRgb rgb = opaque(color);
    if (py1 == py2 || px1 == px2) {
        // Horizontal and vertical lines: a direct fill of the pixels.
        fillPixels(std::min(px1, px2), std::min(py1, py2), std::max(px1, px2), std::max(py1, py2), rgb);
    } else {
        drawSlopedLine(m_image, px1, py1, px2, py2, rgb);
    }
    changed();
}

void Surface::box(double x1, double y1, double x2, double y2, OleColor color)
{
    if (m_image.isNull())
        return;
    const int left = std::min(toPixelX(x1), toPixelX(x2));
    const int right = std::max(toPixelX(x1), toPixelX(x2));
    const int top = std::min(toPixelY(y1), toPixelY(y2));
    const int bottom = std::max(toPixelY(y1), toPixelY(y2));
    if (m_fillStyle == Solid)
        fillPixels(left, top, right, bottom, opaque(m_fillColor));
    const QRgb rgb = opaque(color);
    fillPixels(left, top, right, top, rgb);
    fillPixels(left, bottom, right, bottom, rgb);
    fillPixels(left, top, left, bottom, rgb);
    fillPixels(right, top, right, bottom, rgb);
    changed();
}

void Surface::circle(double cx, double cy, double radius, OleColor color)
{
    if (m_image.isNull() || !(radius >= 0.0) || !std::isfinite(radius))
        return;
    const double r = std::min(radius / m_tpp, MaxCoordinate);
    const QPointF centre(toPixelX(cx), toPixelY(cy));
    // Farthest and nearest distances from the centre to the picture.
    const double w = m_image.width();
    const double h = m_image.height();
    const double farX = std::max(std::abs(centre.x()), std::abs(centre.x() - w));
    const double farY = std::max(std::abs(centre.y()), std::abs(centre.y() - h));
    const double nearX = std::max({0.0, -centre.x(), centre.x() - w});
    const double nearY = std::max({0.0, -centre.y(), centre.y() - h});
    if (std::hypot(nearX, nearY) > r + 2.0)
        return; // the circle misses the picture
    if (std::hypot(farX, farY) + 2.0 < r) {
        // The picture lies inside the circle: no outline shows.
        if (m_fillStyle == Solid) {
            fillPixels(0, 0, m_image.width() - 1, m_image.height() - 1, opaque(m_fillColor));
            changed();
        }
        return;
    }
    QPainter p(&m_image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Colors::toQColor(color), 0));
    if (m_fillStyle == Solid)
        p.setBrush(Colors::toQColor(m_fillColor));
    else
        p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, r);
    p.end();
    changed();
}

void Surface::fillRect(double x, double y, double w, double h, OleColor color)
{
    if (m_image.isNull())
        return;
    const QRect r = pixelRect(x, y, w, h);
    if (r.isEmpty())
        return;
    fillPixels(r.left(), r.top(), r.right(), r.bottom(), opaque(color));
    changed();
}

void Surface::paintPicture(const QImage &picture, double x, double y, double w, double h)
{
    if (m_image.isNull() || picture.isNull())
        return;
    const QRect target = pixelRect(x, y, w, h);
    if (target.isEmpty())
        return;
    // A negative width or height paints the picture mirrored.
    const bool mirrored = w < 0 || h < 0;
    QPainter p(&m_image);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // A picture with a vector form is drawn from it, at this surface's
    // resolution rather than its own.
    if (mirrored || !VectorPicture::draw(p, target, picture))
        p.drawImage(target, mirrored ? picture.mirrored(w < 0, h < 0) : picture);
    p.end();
    changed();
}

void Surface::print(const QString &text)
{
    if (m_image.isNull())
        return;
    const QStringList lines = text.split(QLatin1Char('\n'));
    QPainter p(&m_image);
    p.setFont(font);
    p.setPen(Colors::toQColor(foreColor));
    const QFontMetricsF metrics(font, &m_image);
    double y = currentY / m_tpp;
    const double x = currentX / m_tpp;
    for (QString lineText : lines) {
        if (lineText.endsWith(QLatin1Char('\r')))
            lineText.chop(1);
        p.drawText(QPointF(x, y + metrics.ascent()), lineText);
        y += metrics.height();
    }
    p.end();
    currentX = 0;
    currentY = y * m_tpp;
    changed();
}

double Surface::textWidth(const QString &text) const
{
    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    device.setDotsPerMeterX(dotsPerMeter(m_tpp));
    device.setDotsPerMeterY(dotsPerMeter(m_tpp));
    const QFontMetricsF metrics(font, &device);
    double widest = 0;
    for (QString lineText : text.split(QLatin1Char('\n'))) {
        if (lineText.endsWith(QLatin1Char('\r')))
            lineText.chop(1);
        widest = std::max(widest, metrics.horizontalAdvance(lineText));
    }
    return widest * m_tpp;
}

double Surface::textHeight(const QString &text) const
{
    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    device.setDotsPerMeterX(dotsPerMeter(m_tpp));
    device.setDotsPerMeterY(dotsPerMeter(m_tpp));
    const QFontMetricsF metrics(font, &device);
    return metrics.height() * double(text.count(QLatin1Char('\n')) + 1) * m_tpp;
}

OleColor Surface::point(double x, double y) const
{
    const int px = toPixelX(x);
    const int py = toPixelY(y);
    if (m_image.isNull() || px < 0 || py < 0 || px >= m_image.width() || py >= m_image.height())
        return -1;
    return Colors::fromQColor(QColor::fromRgb(m_image.pixel(px, py)));
}

void Surface::setRedraw(bool on)
{
    m_redraw = on;
    if (on)
        changed();
}

void Surface::refresh()
{
    changed();
}

void Surface::changed()
{
    if (m_redraw && onChanged)
        onChanged();
}
