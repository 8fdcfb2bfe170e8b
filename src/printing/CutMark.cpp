#include "CutMark.h"

#include <QPainter>

namespace CutMark {

namespace {

OleColor color(bool noCutMarks)
{
    return noCutMarks ? Colors::White : Colors::rgb(224, 224, 224);
}

} // namespace

void paint(QPainter &painter, const QRectF &card, const QSize &picture, bool noCutMarks)
{
    if (picture.isEmpty() || card.isEmpty())
        return;
    const double sx = card.width() / picture.width();
    const double sy = card.height() / picture.height();
    const QColor c = Colors::toQColor(color(noCutMarks));
    painter.fillRect(QRectF(card.left(), card.top(), card.width(), sy), c);
    painter.fillRect(QRectF(card.left(), card.bottom() - sy, card.width(), sy), c);
    painter.fillRect(QRectF(card.left(), card.top() + sy, sx, card.height() - 2 * sy), c);
    painter.fillRect(QRectF(card.right() - sx, card.top() + sy, sx, card.height() - 2 * sy), c);
}

} // namespace CutMark
