#include "Ruler.h"

#include "platform/Colors.h"
#include "platform/Units.h"

#include <QFont>
#include <QPaintEvent>
#include <QPainter>

Ruler::Ruler(QWidget *parent)
    : QWidget(parent)
{
    QFont f = font();
    f.setPointSizeF(6.5);
    setFont(f);
}

void Ruler::setOrientation(int orientation)
{
    m_orientation = orientation;
    update();
}

void Ruler::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.fillRect(event->rect(), Colors::toQColor(Colors::system(Colors::InfoBackground), palette()));
    p.setPen(Colors::toQColor(Colors::system(Colors::ButtonText), palette()));

    const bool horizontal = m_orientation == 0;
    const double tpp = Units::ScreenTwipsPerPixel;
    const double length = (horizontal ? width() : height()) * tpp;
    const double thickness = (horizontal ? height() : width()) * tpp;
    const double step = UnitTwips / 10.0;

    // Draws a tick across [from, thickness] at `pos`, all in twips.
    auto tick = [&](double pos, double from) {
        const double a = pos / tpp;
        if (horizontal)
            p.drawLine(QPointF(a, from / tpp), QPointF(a, thickness / tpp));
        else
            p.drawLine(QPointF(from / tpp, a), QPointF(thickness / tpp, a));
    };

    double pos = step;
    while (pos < length) {
        for (int i = 1; i <= 10; ++i) {
            if (i == 10) {
                tick(pos, 0);
                const QString number = QString::number(int(pos / UnitTwips));
                const double a = pos / tpp;
                if (horizontal)
                    p.drawText(QPointF(a + 1, p.fontMetrics().ascent()), QStringLiteral(" ") + number);
                else
                    p.drawText(QPointF(1, a + p.fontMetrics().ascent()), number);
            } else if (i == 5) {
                tick(pos, thickness - thickness * 0.5);
            } else {
                tick(pos, thickness - thickness * 0.21);
            }
            pos += step;
        }
    }
}
