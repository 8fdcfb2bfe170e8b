#include "PreviewGeometry.h"

#include <cmath>

QRectF PreviewGeometry::pageRect(int scroll) const
{
    return QRectF(QPointF(pageLeft(), pageTop(scroll)), m_page);
}

QRectF PreviewGeometry::horizontalRuler(int scroll) const
{
    return QRectF(pageLeft(), pageTop(scroll) - RulerAbove, m_page.width(), RulerThickness);
}

QRectF PreviewGeometry::verticalRuler(int scroll) const
{
    return QRectF(pageLeft() - RulerLeft, pageTop(scroll), RulerThickness, m_page.height());
}

int PreviewGeometry::scrollMaximum() const
{
    const double beyond = PageTop + m_page.height() + BottomMargin - m_area.height();
    return beyond > 0 ? int(std::ceil(beyond)) : 0;
}

PreviewGeometry::Navigation PreviewGeometry::navigation(double width, double counterWidth, double buttonWidth)
{
    Navigation n{};
    n.counter = (width - counterWidth) / 2;
    n.previous = n.counter - CounterGap - buttonWidth;
    n.first = n.previous - OuterGap - buttonWidth;
    n.next = n.counter + counterWidth + CounterGap;
    n.last = n.next + buttonWidth + OuterGap;
    return n;
}
