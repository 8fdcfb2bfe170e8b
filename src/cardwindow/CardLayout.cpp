#include "CardLayout.h"

#include "platform/TextConv.h"

#include <algorithm>
#include <cmath>

namespace {

// A rectangle the window can take: no negative width or height.
std::optional<QRectF> sized(double left, double top, double width, double height)
{
    if (width < 0 || height < 0)
        return std::nullopt;
    return QRectF(left, top, width, height);
}

} // namespace

CardLayout::CardLayout(double windowWidth, double windowHeight, double cardWidth, double cardHeight)
    : m_sw(windowWidth), m_sh(windowHeight), m_w(cardWidth), m_h(cardHeight)
{
}

std::optional<QRectF> CardLayout::fond() const
{
    const double margins = RulerThickness + ScrollThickness;
    return sized(RulerThickness, RulerThickness, m_sw - margins, m_sh - margins);
}

QPointF CardLayout::centredCard() const
{
    return QPointF(m_sw / 2 - m_w / 2, m_sh / 2 - m_h / 2);
}

QRectF CardLayout::horizontalRuler() const
{
    return QRectF(RulerThickness, 0, m_sw, RulerThickness);
}

QRectF CardLayout::verticalRuler() const
{
    return QRectF(0, RulerThickness, RulerThickness, m_sh);
}

std::optional<QRectF> CardLayout::horizontalScroll() const
{
    return sized(0, m_sh - ScrollThickness, m_sw - ScrollThickness, ScrollThickness);
}

std::optional<QRectF> CardLayout::verticalScroll() const
{
    return sized(m_sw - ScrollThickness, 0, ScrollThickness, m_sh - ScrollThickness);
}

QRectF CardLayout::centreButton() const
{
    return QRectF(m_sw - ScrollThickness, m_sh - ScrollThickness, ScrollThickness, ScrollThickness);
}

std::optional<CardLayout::ScrollSetup> CardLayout::scrollSetup(double extent)
{
    const std::optional<std::int16_t> maximum = TextConv::toInt16(extent);
    if (!maximum)
        return std::nullopt;
    ScrollSetup setup;
    setup.maximum = *maximum;
    setup.minimum = 1;
    setup.smallChange = int(TextConv::roundHalfEven(setup.maximum / 4.0));
    setup.largeChange = int(TextConv::roundHalfEven(setup.maximum / 3.0));
    setup.value = middle(setup.maximum);
    return setup;
}

int CardLayout::middle(int maximum)
{
    return int(TextConv::roundHalfEven(maximum / 2.0));
}

double CardLayout::horizontalLeft(int value, int maximum) const
{
    if (value == middle(maximum))
        return m_sw / 2 - m_w / 2;
    return value / 2.0 - ScrollThickness;
}

double CardLayout::verticalTop(int value, int maximum) const
{
    if (value == middle(maximum))
        return m_sh / 2 - m_h / 2;
    return value / 2.0;
}

int CardLayout::zoomedRange(double workspace, double shown)
{
    return int(std::max(0.0, std::ceil(shown + 2 * Margin - workspace)));
}

double CardLayout::zoomedStart(double workspaceStart, double workspace, double shown, int value)
{
    if (zoomedRange(workspace, shown) == 0)
        return workspaceStart + (workspace - shown) / 2;
    return workspaceStart + Margin - value;
}

QRectF CardLayout::rightShadow(double left, double top, double innerWidth, double innerHeight)
{
    return QRectF(left + innerWidth, top + ShadowOffset, ShadowThickness, innerHeight);
}

QRectF CardLayout::bottomShadow(double left, double top, double innerWidth, double innerHeight)
{
    return QRectF(left + ShadowOffset, top + innerHeight, innerWidth, ShadowThickness);
}
