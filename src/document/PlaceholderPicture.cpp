#include "PlaceholderPicture.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace PlaceholderPicture {

QImage make()
{
    constexpr int Side = 34;
    QImage image(Side, Side, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xF4, 0xF4, 0xF4));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, Side - 1, Side - 1));

    // A picture glyph: a framed landscape with a sun and two hills.
    const QRectF frame(7.5, 9.5, 19, 15);
    p.setPen(QColor(0x70, 0x70, 0x70));
    p.setBrush(Qt::white);
    p.drawRect(frame);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE8, 0xB0, 0x30));
    p.drawEllipse(QPointF(21.5, 13.5), 2.0, 2.0);
    QPainterPath hills;
    hills.moveTo(8, 24);
    hills.lineTo(13, 16);
    hills.lineTo(17, 21);
    hills.lineTo(20, 18);
    hills.lineTo(26, 24);
    hills.closeSubpath();
    p.setBrush(QColor(0x60, 0x98, 0x60));
    p.drawPath(hills);
    p.end();
    return image;
}

QImage centreGlyph(int size)
{
    size = std::max(size, 4);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    const QPointF c(size / 2.0, size / 2.0);
    p.drawEllipse(c, size / 2.0 - 1, size / 2.0 - 1);
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawEllipse(c, 1.2, 1.2);
    p.end();
    return image;
}

} // namespace PlaceholderPicture
