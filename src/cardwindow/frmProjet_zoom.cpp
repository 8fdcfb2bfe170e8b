// Zooming the card window: the card shown from 25 % to 800 %, its surface
// painted at that scale, the window scrolling over the whole card.
#include "frmProjet.h"

#include "CardLayout.h"
#include "platform/Units.h"
#include "widgets/Ruler.h"

#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr double ZoomSteps[] = {0.25, 1.0 / 3, 0.5, 2.0 / 3, 0.75, 1, 1.25, 1.5, 2, 3, 4, 6, 8};
constexpr double MinZoom = ZoomSteps[0];
constexpr double MaxZoom = ZoomSteps[std::size(ZoomSteps) - 1];

} // namespace

double frmProjet::viewTwipsPerPixel() const
{
    return Units::ScreenTwipsPerPixel / m_zoom;
}

void frmProjet::zoomBy(int steps, std::optional<QPoint> around)
{
    // The next step beyond the current zoom, whatever it is now.
    double target = m_zoom;
    if (steps > 0) {
        const auto next = std::upper_bound(std::begin(ZoomSteps), std::end(ZoomSteps), m_zoom + 1e-9);
        target = next == std::end(ZoomSteps) ? MaxZoom : *next;
    } else if (steps < 0) {
        const auto below = std::lower_bound(std::begin(ZoomSteps), std::end(ZoomSteps), m_zoom - 1e-9);
        target = below == std::begin(ZoomSteps) ? MinZoom : *(below - 1);
    }
    setZoom(target, around);
}

void frmProjet::setZoom(double zoom, std::optional<QPoint> around)
{
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    if (zoom == m_zoom || !m_view)
        return;
    // The card's point that stays where it is on screen.
    const QPoint anchor = around.value_or(QPoint(m_view->width() / 2, m_view->height() / 2));
    const QPointF cardPoint = QPointF(anchor) * viewTwipsPerPixel();
    const QPointF windowPoint = QPointF(m_view->pos() + anchor);
    m_zoom = zoom;
    for (Ruler *ruler : m_regle)
        ruler->setScale(m_zoom);
    fitSurface();
    paintCard();
    m_view->updateAll();
    Form_Resize();
    if (m_zoom != 1) {
        // Scroll so that the card's point is back under the window's point.
        const QPointF shown = cardPoint / viewTwipsPerPixel();
        const QPoint offset = (windowPoint - shown - QPointF(m_view->pos())).toPoint();
        const double tpp = Units::ScreenTwipsPerPixel;
        m_hScroll->setValue(m_hScroll->value() - int(std::lround(offset.x() * tpp)));
        m_vScroll->setValue(m_vScroll->value() - int(std::lround(offset.y() * tpp)));
    }
    emit zoomChanged(m_zoom);
}

void frmProjet::layOutZoomed()
{
    const double tpp = Units::ScreenTwipsPerPixel;
    const double margins = CardLayout::RulerThickness + CardLayout::ScrollThickness;
    const double workspaceWidth = std::max(0.0, width() * tpp - margins);
    const double workspaceHeight = std::max(0.0, height() * tpp - margins);
    const double shownWidth = m_doc.width() * m_zoom;
    const double shownHeight = m_doc.height() * m_zoom;
    const auto setUp = [](QScrollBar *bar, int range, double workspace) {
        const QSignalBlocker quiet(bar);
        bar->setRange(0, range);
        bar->setSingleStep(std::max(1, int(workspace / 10)));
        bar->setPageStep(std::max(1, int(workspace)));
    };
    setUp(m_hScroll, CardLayout::zoomedRange(workspaceWidth, shownWidth), workspaceWidth);
    setUp(m_vScroll, CardLayout::zoomedRange(workspaceHeight, shownHeight), workspaceHeight);
    m_cardLeft = CardLayout::zoomedStart(CardLayout::RulerThickness, workspaceWidth, shownWidth, m_hScroll->value());
    m_cardTop = CardLayout::zoomedStart(CardLayout::RulerThickness, workspaceHeight, shownHeight, m_vScroll->value());
    placeCard();
    placeShadows();
}
