#include "PanelIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace {

// Where each orientation's ramp starts, as a fraction of the square.
QPointF startOf(int orientation)
{
    switch (orientation) {
    case 0: return {0, 0};
    case 1: return {0.5, 0};
    case 2: return {1, 0};
    case 3: return {1, 0.5};
    case 4: return {1, 1};
    case 5: return {0.5, 1};
    case 6: return {0, 1};
    case 7: return {0, 0.5};
    default: return {0.5, 0.5};
    }
}

const QColor rampDark(30, 60, 140);
const QColor rampLight(235, 240, 250);

// A transparent square to draw an icon on.
QPixmap canvas(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

namespace PanelIcons {

QIcon gradient(int orientation, int size)
{
    QPixmap pixmap = canvas(size);
    QPainter painter(&pixmap);
    const QRectF square(1, 1, size - 2, size - 2);
    if (orientation == 8) {
        QRadialGradient rings(square.center(), square.width() / 2);
        rings.setColorAt(0, rampDark);
        rings.setColorAt(0.5, rampLight);
        rings.setColorAt(1, rampDark);
        painter.fillRect(square, rings);
    } else {
        const QPointF start = startOf(orientation);
        const QPointF from(square.left() + start.x() * square.width(), square.top() + start.y() * square.height());
        const QPointF to(square.right() - start.x() * square.width(), square.bottom() - start.y() * square.height());
        QLinearGradient ramp(from, to);
        ramp.setColorAt(0, rampDark);
        ramp.setColorAt(1, rampLight);
        painter.fillRect(square, ramp);
    }
    painter.setPen(QColor(90, 90, 90));
    painter.drawRect(square.adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

QIcon arrow(int direction, int size)
{
    QPixmap pixmap = canvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    // An upward triangle, turned to the direction.
    QPainterPath triangle;
    triangle.moveTo(s / 2, s * 0.18);
    triangle.lineTo(s * 0.85, s * 0.72);
    triangle.lineTo(s * 0.15, s * 0.72);
    triangle.closeSubpath();
    const int turns[] = {0, 180, 270, 90};
    painter.translate(s / 2, s / 2);
    painter.rotate(turns[qBound(0, direction, 3)]);
    painter.translate(-s / 2, -s / 2);
    painter.setPen(QPen(QColor(20, 40, 100), 1));
    painter.setBrush(QColor(50, 90, 170));
    painter.drawPath(triangle);
    return QIcon(pixmap);
}

QIcon centring(int index, int size)
{
    QPixmap pixmap = canvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    // The card outline.
    painter.setPen(QPen(QColor(80, 80, 80), 1));
    painter.drawRect(QRectF(1.5, 3.5, s - 3, s - 7));
    // The item in the middle.
    painter.setBrush(QColor(30, 60, 140));
    painter.setPen(Qt::NoPen);
    const QRectF item(s / 2 - s / 6, s / 2 - s / 8, s / 3, s / 4);
    painter.drawRect(item);
    // Guides through the centre in the centred direction(s).
    painter.setPen(QPen(QColor(200, 40, 40), 1, Qt::DashLine));
    if (index == 4 || index == 5)
        painter.drawLine(QPointF(s / 2, 3.5), QPointF(s / 2, s - 3.5));
    if (index == 6 || index == 5)
        painter.drawLine(QPointF(1.5, s / 2), QPointF(s - 1.5, s / 2));
    return QIcon(pixmap);
}

} // namespace PanelIcons
