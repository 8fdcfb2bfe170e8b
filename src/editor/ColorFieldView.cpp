#include "ColorFieldView.h"

#include "ColorField.h"
#include "platform/Units.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

// The field's size as the dialog lays it out: 3855 x 1455 twips.
constexpr double WidthTwips = 3855;
constexpr double HeightTwips = 1455;

} // namespace

ColorFieldView::ColorFieldView(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize ColorFieldView::sizeHint() const
{
    return QSize(Units::toPixels(WidthTwips), Units::toPixels(HeightTwips));
}

const QImage &ColorFieldView::picture()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(int(std::lround(width() * ratio)), int(std::lround(height() * ratio)));
    if (m_picture.size() != pixels) {
        m_picture = ColorField::picture(pixels);
        m_picture.setDevicePixelRatio(ratio);
    }
    return m_picture;
}

QPoint ColorFieldView::devicePixel(const QPointF &pos, qreal devicePixelRatio)
{
    return QPoint(int(std::floor(pos.x() * devicePixelRatio)), int(std::floor(pos.y() * devicePixelRatio)));
}

std::optional<OleColor> ColorFieldView::colorUnder(const QPointF &pos)
{
    const QImage &shown = picture();
    const QPoint px = devicePixel(pos, shown.devicePixelRatio());
    if (!shown.rect().contains(px))
        return std::nullopt;
    return Colors::fromQColor(shown.pixelColor(px));
}

void ColorFieldView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), picture());
}

void ColorFieldView::point(const QPointF &pos, Qt::MouseButtons buttons)
{
    if (const std::optional<OleColor> color = colorUnder(pos))
        emit pointed(*color, buttons);
}

void ColorFieldView::mousePressEvent(QMouseEvent *event)
{
    m_afterDoubleClick = false;
    point(event->position(), event->buttons());
}

void ColorFieldView::mouseMoveEvent(QMouseEvent *event)
{
    point(event->position(), event->buttons());
}

void ColorFieldView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_afterDoubleClick) {
        m_afterDoubleClick = false;
        return;
    }
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ColorFieldView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_afterDoubleClick = true;
    emit doubleClicked();
}
