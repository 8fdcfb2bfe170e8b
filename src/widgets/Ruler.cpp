#include "Ruler.h"

#include "RulerScale.h"
#include "platform/Units.h"

#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr double Tpp = Units::ScreenTwipsPerPixel;

QPointF toTwips(const QPointF &pixels)
{
    return pixels * Tpp;
}

} // namespace

Ruler::Ruler(QWidget *parent)
    : QWidget(parent)
    , m_unit(RulerScale::unitTwips(RulerScale::Centimeter))
{
    QFont f = font();
    f.setPointSizeF(6.5);
    setFont(f);
    setMouseTracking(true);

    m_menu = new QMenu(QStringLiteral("Kontext"), this);
    m_menu->setObjectName(QStringLiteral("Kontext"));
    for (int mode = 0; mode < RulerScale::ModeCount; ++mode) {
        QAction *entry = m_menu->addAction(RulerScale::modeCaption(mode));
        entry->setCheckable(true);
        connect(entry, &QAction::triggered, this, [this, mode] { setRulerMode(mode); });
    }
    Tracer_Graduations();
}

void Ruler::setRulerMode(int mode)
{
    if (!RulerScale::isMode(mode))
        return;
    const bool changed = mode != m_mode;
    m_mode = mode;
    m_unit = RulerScale::unitTwips(mode) * m_scale;
    Tracer_Graduations();
    if (changed)
        emit rulerModeChanged(mode);
}

void Ruler::setScale(double factor)
{
    if (!(factor > 0) || factor == m_scale)
        return;
    m_scale = factor;
    m_unit = RulerScale::unitTwips(m_mode) * m_scale;
    Tracer_Graduations();
}

void Ruler::setOrientation(int orientation)
{
    const bool changed = orientation != m_orientation;
    m_orientation = orientation;
    Tracer_Graduations();
    if (changed)
        emit orientationChanged(orientation);
}

void Ruler::setBackColor(OleColor color)
{
    const bool changed = color != m_backColor;
    m_backColor = color;
    Tracer_Graduations();
    if (changed)
        emit backColorChanged(color);
}

void Ruler::setForeColor(OleColor color)
{
    const bool changed = color != m_foreColor;
    m_foreColor = color;
    Tracer_Graduations();
    if (changed)
        emit foreColorChanged(color);
}

bool Ruler::pictureFits() const
{
    return m_picture.pixelWidth() == width() && m_picture.pixelHeight() == height();
}

void Ruler::Tracer_Graduations()
{
    m_picture.resize(width() * Tpp, height() * Tpp);
    m_picture.setBackColor(m_backColor);
    m_picture.cls();
    m_marker = 0;
    m_picture.font = font();
    m_picture.foreColor = m_foreColor;

    const bool across = horizontal();
    const double length = across ? m_picture.scaleWidth() : m_picture.scaleHeight();
    const double thickness = across ? m_picture.scaleHeight() : m_picture.scaleWidth();
    for (const RulerScale::Tick &tick : RulerScale::ticks(m_unit, length, thickness)) {
        if (across)
            m_picture.line(tick.position, tick.from, tick.position, thickness, m_foreColor);
        else
            m_picture.line(tick.from, tick.position, thickness, tick.position, m_foreColor);
        if (tick.number == 0)
            continue;
        m_picture.currentX = across ? tick.position : 0.0;
        m_picture.currentY = across ? 0.0 : tick.position;
        m_picture.print(RulerScale::label(tick.number, across));
    }
    update();
}

void Ruler::invertLine(double position)
{
    // One column (or row) of pixels across the whole thickness, each pixel
    // touched once so that a second pass restores it.
    QImage &image = m_picture.image();
    if (image.isNull())
        return;
    const bool across = horizontal();
    const int at = across ? m_picture.toPixelX(position) : m_picture.toPixelY(position);
    if (at < 0 || at >= (across ? image.width() : image.height()))
        return;
    if (across) {
        for (int y = 0; y < image.height(); ++y) {
            QRgb *px = reinterpret_cast<QRgb *>(image.scanLine(y)) + at;
            *px ^= 0x00FFFFFFu;
        }
    } else {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(at));
        for (int x = 0; x < image.width(); ++x)
            row[x] ^= 0x00FFFFFFu;
    }
}

void Ruler::Marquer_Position(double position)
{
    if (!pictureFits())
        Tracer_Graduations();
    // No line is drawn for "no marker": one at 0 would never be erased.
    const bool shown = std::isfinite(position) && position > 0.0;
    if (shown)
        invertLine(position);
    if (m_marker > 0.0)
        invertLine(m_marker);
    m_marker = shown ? position : 0.0;
    update();
}

void Ruler::paintEvent(QPaintEvent *)
{
    if (!pictureFits())
        Tracer_Graduations();
    QPainter p(this);
    p.drawImage(0, 0, m_picture.image());
}

void Ruler::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A hidden widget gets its resize event late, possibly after the new
    // size was already drawn (and marked): only a picture of another size
    // is redrawn.
    if (!pictureFits())
        Tracer_Graduations();
}

void Ruler::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Tracer_Graduations();
}

// Events the ruler does not use go on to its parent, as they would without
// it (a card window, for one, follows the pointer over its rulers).

void Ruler::mousePressEvent(QMouseEvent *event)
{
    m_grab = event->position();
    emit mousePressed(event->button(), toTwips(event->position()));
    if (m_movable)
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void Ruler::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMoved(event->buttons(), toTwips(event->position()));
    if (m_movable && (event->buttons() & Qt::LeftButton))
        move(pos() + (event->position() - m_grab).toPoint());
    else
        QWidget::mouseMoveEvent(event);
}

void Ruler::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && rect().contains(event->position().toPoint()))
        showModeMenu(event->globalPosition().toPoint());
    else
        QWidget::mouseReleaseEvent(event);
}

void Ruler::showModeMenu(const QPoint &globalPos)
{
    const QList<QAction *> entries = m_menu->actions();
    for (int i = 0; i < entries.size(); ++i)
        entries[i]->setChecked(i == m_mode);
    m_menu->popup(globalPos);
}
