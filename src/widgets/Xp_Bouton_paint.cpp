#include "Xp_Bouton.h"

#include "XpLayout.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

// The button's face: rebuilt into a persistent picture after every change
// and painted from it.

namespace {

constexpr int TextFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

void Xp_Bouton::Refresh()
{
    redraw();
}

void Xp_Bouton::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
        updateGeometry();
        redraw();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void Xp_Bouton::resizeEvent(QResizeEvent *event)
{
    reshape();
    QWidget::resizeEvent(event);
}

void Xp_Bouton::paintEvent(QPaintEvent *)
{
    // Moved to a screen of another density: draw again at its density.
    if (!qFuzzyCompare(m_image.devicePixelRatio(), devicePixelRatioF()))
        redraw();
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

// ---- Drawing -----------------------------------------------------------------

void Xp_Bouton::reshape()
{
    if (m_buttonStyle == 3)
        setMask(XpFace::windowRegion(size()));
    else
        clearMask();
    redraw();
}

QColor Xp_Bouton::resolved(OleColor c) const
{
    return Colors::toQColor(c, palette());
}

XpFace::Colours Xp_Bouton::colours() const
{
    auto rgb = [this](OleColor c) { return Colors::fromQColor(resolved(c)); };
    XpFace::Colours c;
    c.back = rgb(m_backColor);
    c.fore = rgb(m_foreColor);
    c.dark = rgb(Colors::system(Colors::DarkShadow3D));
    c.focus = m_defaultColors ? Colors::rgb(140, 170, 230) : rgb(m_colorPressed);
    c.hover = m_defaultColors ? Colors::rgb(225, 153, 71) : rgb(m_colorHover);
    c.highlight = rgb(Colors::system(Colors::ButtonHighlight));
    c.shadow = rgb(Colors::system(Colors::ButtonShadow));
    return c;
}

QSize Xp_Bouton::captionSize() const
{
    if (m_caption.isEmpty())
        return {};
    const QRect area = XpLayout::contentArea(size());
    const int wrap = std::max(1, area.width() - 2 * XpLayout::TextMargin);
    const QRect text = fontMetrics().boundingRect(QRect(0, 0, wrap, std::max(1, area.height())), TextFlags, m_caption);
    return QSize(text.width() + 2 * XpLayout::TextMargin, text.height());
}

QSize Xp_Bouton::sizeHint() const
{
    const QSize text = m_caption.isEmpty() ? QSize()
                                           : fontMetrics().size(Qt::TextShowMnemonic, m_caption)
                                                 + QSize(2 * XpLayout::TextMargin, 0);
    const QSize picture = m_picture.isNull() ? QSize() : QSize(m_pictureWidth, m_pictureHeight);
    QSize content = text.expandedTo(picture);
    if (!text.isEmpty() && !picture.isEmpty()) {
        const bool across = m_picturePosition == 0 || m_picturePosition == 3;
        content = across ? QSize(std::max(text.width(), picture.width()), text.height() + XpLayout::Gap + picture.height())
                         : QSize(text.width() + XpLayout::Gap + picture.width(), std::max(text.height(), picture.height()));
    }
    // The face's four pixels on each side, and as much again for air.
    return (content + QSize(16, 12)).expandedTo(QSize(10, 10));
}

void Xp_Bouton::redraw()
{
    const QSize sz = size();
    const qreal dpr = devicePixelRatioF();
    QImage img(std::max(1, int(std::ceil(sz.width() * dpr))), std::max(1, int(std::ceil(sz.height() * dpr))),
               QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    // Text is measured on the widget: the picture takes the widget's DPI.
    img.setDotsPerMeterX(int(std::lround(logicalDpiX() / 0.0254)));
    img.setDotsPerMeterY(int(std::lround(logicalDpiY() / 0.0254)));
    // Clear: the base colour, or nothing where the container shows through.
    if (m_transparentBG && m_buttonStyle != 3)
        img.fill(Qt::transparent);
    else
        img.fill(resolved(m_backColor));

    QPainter p(&img);
    const XpFace::Colours c = colours();
    XpFace::State s;
    s.style = m_buttonStyle;
    s.enabled = isEnabled();
    s.pressed = m_state.showsPressed();
    s.hovered = m_state.hovered();
    s.focused = m_state.hasFocus();
    s.bevel = m_bevel;
    s.bevelDepth = m_bevelDepth;
    s.borderAlways = m_showBorderAlways;
    XpFace::paint(p, sz, s, c);

    const QSize picture = m_current.isNull() ? QSize() : QSize(m_pictureWidth, m_pictureHeight);
    const XpLayout::Placement at = XpLayout::place(sz, picture, captionSize(), m_picturePosition);
    const bool shifted = s.enabled && s.pressed && m_buttonStyle != 2;
    drawPicture(p, at.picture, shifted);

    if (s.focused && m_showFocusRect && m_buttonStyle != 3) {
        // A dotted rectangle on (4, 4, W - 4, H - 4).
        const QColor dot = resolved(m_foreColor);
        const QRect r = XpLayout::contentArea(sz);
        for (int x = r.left(); x <= r.right(); x += 2) {
            p.fillRect(QRect(x, r.top(), 1, 1), dot);
            p.fillRect(QRect(x, r.bottom(), 1, 1), dot);
        }
        for (int y = r.top(); y <= r.bottom(); y += 2) {
            p.fillRect(QRect(r.left(), y, 1, 1), dot);
            p.fillRect(QRect(r.right(), y, 1, 1), dot);
        }
    }
    drawCaption(p, at.caption, shifted);
    p.end();
    m_image = img;
    update();
}

void Xp_Bouton::drawPicture(QPainter &p, const QRect &at, bool pressed)
{
    if (m_current.isNull() || at.isEmpty())
        return;
    const qreal dpr = p.device()->devicePixelRatioF();
    const QRect r = pressed ? at.translated(1, 1) : at;
    if (!isEnabled()) {
        p.drawImage(r.topLeft(), m_current.renderDisabled(r.size(), dpr, m_maskColor,
                                                          resolved(Colors::system(Colors::ButtonHighlight)),
                                                          resolved(Colors::system(Colors::ButtonShadow))));
        return;
    }
    if (m_buttonStyle == 2 && m_state.hovered() && !m_state.showsPressed()) {
        // Lifted up and left over its flat grey shadow.
        p.drawImage(r.topLeft(), m_current.silhouette(r.size(), dpr, m_maskColor, QColor(146, 146, 146)));
        p.drawImage(r.topLeft() - QPoint(3, 3), m_current.render(r.size(), dpr, m_maskColor));
        return;
    }
    p.drawImage(r.topLeft(), m_current.render(r.size(), dpr, m_maskColor));
}

void Xp_Bouton::drawCaption(QPainter &p, const QRect &at, bool pressed)
{
    if (m_caption.isEmpty() || at.isEmpty())
        return;
    p.setFont(font());
    const QRect r = (pressed ? at.translated(1, 1) : at).adjusted(XpLayout::TextMargin, 0, -XpLayout::TextMargin, 0);
    if (!isEnabled()) {
        // Etched: light one pixel right and down, then grey in place.
        p.setPen(resolved(Colors::system(Colors::ButtonHighlight)));
        p.drawText(r.translated(1, 1), TextFlags, m_caption);
        p.setPen(resolved(Colors::system(Colors::ButtonShadow)));
        p.drawText(r, TextFlags, m_caption);
        return;
    }
    p.setPen(resolved(m_foreColor));
    p.drawText(r, TextFlags, m_caption);
}
