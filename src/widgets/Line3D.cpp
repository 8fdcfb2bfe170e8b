#include "Line3D.h"

#include "platform/Units.h"

#include <QPainter>

namespace {

constexpr double Tpp = Units::ScreenTwipsPerPixel;

} // namespace

Line3D::Line3D(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(Units::toPixels(HeightTwips));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    draw();
}

QSize Line3D::sizeHint() const
{
    return QSize(0, Units::toPixels(HeightTwips));
}

void Line3D::draw()
{
    // The fixed height already holds any request for another one; the
    // picture is made to the same 30 twips.
    const double w = width() * Tpp;
    m_picture.resize(w, HeightTwips);
    m_picture.line(0, 15, w, 15, Colors::White);
    m_picture.line(0, 0, w, 0, Colors::system(Colors::ButtonShadow));
    update();
}

void Line3D::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    draw();
}

void Line3D::paintEvent(QPaintEvent *)
{
    if (m_picture.pixelWidth() != width())
        draw();
    QPainter p(this);
    p.drawImage(0, 0, m_picture.image());
}
