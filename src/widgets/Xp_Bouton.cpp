#include "Xp_Bouton.h"

#include "ClickSound.h"
#include "XpLayout.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcutEvent>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int TextFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

int buttonNumber(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return XpButtonState::LeftButton;
    case Qt::RightButton: return XpButtonState::RightButton;
    case Qt::MiddleButton: return XpButtonState::MiddleButton;
    default: return 0;
    }
}

int buttonsMask(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? XpButtonState::LeftButton : 0) | (b & Qt::RightButton ? XpButtonState::RightButton : 0)
           | (b & Qt::MiddleButton ? XpButtonState::MiddleButton : 0);
}

int shiftMask(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? XpButtonState::ShiftKey : 0) | (m & Qt::ControlModifier ? XpButtonState::CtrlKey : 0)
           | (m & Qt::AltModifier ? XpButtonState::AltKey : 0);
}

// Key codes as the button's key events number them: letters, digits and
// Space are their character codes; a few keys have their own numbers.
int keyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Delete: return 46;
    default: return qtKey;
    }
}

std::optional<Qt::CursorShape> pointerShape(int pointer)
{
    switch (pointer) {
    case 1:
    case 4: return Qt::ArrowCursor;
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 5:
    case 15: return Qt::SizeAllCursor;
    case 6: return Qt::SizeBDiagCursor;
    case 7: return Qt::SizeVerCursor;
    case 8: return Qt::SizeFDiagCursor;
    case 9: return Qt::SizeHorCursor;
    case 10: return Qt::UpArrowCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 14: return Qt::WhatsThisCursor;
    default: return std::nullopt;
    }
}

Shell &desktopShell()
{
    static DesktopShell shell;
    return shell;
}

} // namespace

Xp_Bouton::Xp_Bouton(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Sizes below 10 pixels become 150 twips.
    setMinimumSize(10, 10);
    m_overTimer.setInterval(10);
    connect(&m_overTimer, &QTimer::timeout, this, &Xp_Bouton::overTick);
    reshape();
}

Xp_Bouton::Xp_Bouton(const QString &name, QWidget *parent)
    : Xp_Bouton(parent)
{
    setObjectName(name);
    setCaption(name);
}

Xp_Bouton::~Xp_Bouton() = default;

QString Xp_Bouton::version()
{
    return QStringLiteral("1.0");
}

// ---- Properties --------------------------------------------------------------

void Xp_Bouton::setBackColor(OleColor c)
{
    m_backColor = c;
    redraw();
}

void Xp_Bouton::setForeColor(OleColor c)
{
    m_foreColor = c;
    redraw();
}

void Xp_Bouton::setShowFocusRect(bool on)
{
    m_showFocusRect = on;
    redraw();
}

void Xp_Bouton::setCaption(const QString &caption)
{
    m_caption = caption;
    updateAccessKey();
    updateGeometry();
    redraw();
}

void Xp_Bouton::setPicturePosition(int position)
{
    m_picturePosition = position;
    redraw();
}

void Xp_Bouton::setButtonStyle(int style)
{
    if (style == 3)
        m_transparentBG = false;
    m_buttonStyle = style;
    reshape();
}

void Xp_Bouton::setPicture(const XpPicture &picture)
{
    m_picture = picture;
    m_current = picture;
    const QSize own = picture.isNull() ? QSize(32, 32) : picture.size();
    m_originalW = own.width();
    m_originalH = own.height();
    if (m_pictureSize == 2)
        updatePictureSize();
    updateGeometry();
    redraw();
}

void Xp_Bouton::setPictureWidth(int w)
{
    m_pictureWidth = w;
    updateGeometry();
    redraw();
}

void Xp_Bouton::setPictureHeight(int h)
{
    m_pictureHeight = h;
    updateGeometry();
    redraw();
}

void Xp_Bouton::setPictureSize(int size)
{
    m_pictureSize = size;
    updatePictureSize();
    updateGeometry();
    redraw();
}

void Xp_Bouton::updatePictureSize()
{
    if (const auto s = XpLayout::pictureSize(m_pictureSize, !m_picture.isNull(), QSize(m_originalW, m_originalH))) {
        m_pictureWidth = s->width();
        m_pictureHeight = s->height();
    }
}

void Xp_Bouton::setPictureHover(const XpPicture &picture)
{
    m_pictureHover = picture;
    redraw();
}

void Xp_Bouton::setMouseIcon(const QCursor &cursor)
{
    m_mouseIcon = cursor;
    if (m_mousePointer == 99)
        setCursor(m_mouseIcon);
    redraw();
}

void Xp_Bouton::setMousePointer(int pointer)
{
    if (pointer == 0) {
        unsetCursor();
    } else if (pointer == 99) {
        setCursor(m_mouseIcon);
    } else if (const auto shape = pointerShape(pointer)) {
        setCursor(*shape);
    } else {
        return; // a pointer the system does not have: the old one stays
    }
    m_mousePointer = pointer;
    redraw();
}

void Xp_Bouton::setXPColor_Pressed(OleColor c)
{
    m_colorPressed = c;
    redraw();
}

void Xp_Bouton::setXPColor_Hover(OleColor c)
{
    m_colorHover = c;
    redraw();
}

void Xp_Bouton::setXPDefaultColors(bool on)
{
    m_defaultColors = on;
    redraw();
}

void Xp_Bouton::setMaskColor(OleColor c)
{
    m_maskColor = c;
    redraw();
}

void Xp_Bouton::setTransparentBG(bool on)
{
    m_transparentBG = on;
    redraw();
}

void Xp_Bouton::setBEVEL(int bevel)
{
    m_bevel = bevel;
    redraw();
}

void Xp_Bouton::setBEVELDEPTH(int depth)
{
    m_bevelDepth = depth;
    redraw();
}

void Xp_Bouton::updateAccessKey()
{
    m_accessKey = XpLayout::accessKey(m_caption);
    if (m_shortcutId != 0) {
        releaseShortcut(m_shortcutId);
        m_shortcutId = 0;
    }
    if (!m_accessKey.isNull())
        m_shortcutId = grabShortcut(QKeySequence::mnemonic(QStringLiteral("&") + m_accessKey));
}

// ---- Actions -----------------------------------------------------------------

void Xp_Bouton::Refresh()
{
    redraw();
}

void Xp_Bouton::GoToURL()
{
    // "mailto:" addresses and other links alike go to the desktop, which
    // hands them to the mail program or the browser.
    if (m_url.isEmpty())
        return;
    (m_shell ? *m_shell : desktopShell()).open(m_url);
}

void Xp_Bouton::apply(const XpButtonState::Effects &e)
{
    if (e.hoverEnded) {
        m_overTimer.stop();
        m_current = m_picture;
        emit MouseOut(m_state.lastShift());
    }
    if (e.hoverStarted) {
        m_overTimer.start();
        if (!m_pictureHover.isNull())
            m_current = m_pictureHover;
        emit MouseIn(shiftMask(QGuiApplication::keyboardModifiers()));
    }
    if (e.redraw)
        redraw();
    if (e.sound)
        (m_sound ? *m_sound : ClickSound::player()).play(ClickSound::resolve(m_soundClick));
    if (e.click) {
        const QPointer<Xp_Bouton> alive(this);
        emit Click();
        if (alive)
            GoToURL();
    }
}

void Xp_Bouton::click()
{
    if (!isEnabled())
        return;
    const QPointer<Xp_Bouton> alive(this);
    emit Click();
    if (alive)
        GoToURL();
}

void Xp_Bouton::overTick()
{
    if (!m_state.hovered()) {
        m_overTimer.stop();
        return;
    }
    const bool over = m_probe ? m_probe() : QApplication::widgetAt(QCursor::pos()) == this;
    apply(m_state.tick(over));
}

// ---- Events ------------------------------------------------------------------

bool Xp_Bouton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent *>(event)->shortcutId() == m_shortcutId
        && m_shortcutId != 0) {
        // The access key: a click without the sound.
        click();
        return true;
    }
    return QWidget::event(event);
}

void Xp_Bouton::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    const int button = buttonNumber(event->button());
    const int shift = shiftMask(event->modifiers());
    apply(m_state.mouseDown(button, shift, p));
    emit MouseDown(button, shift, p.x(), p.y());
}

void Xp_Bouton::mouseDoubleClickEvent(QMouseEvent *)
{
    // Qt holds the mouse for the button until the release: the release of
    // a quick second press is a click too.
    apply(m_state.doubleClick());
    const QPoint p = m_state.lastPosition();
    emit MouseDown(m_state.lastButton(), m_state.lastShift(), p.x(), p.y());
}

void Xp_Bouton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    const int button = buttonNumber(event->button());
    const int shift = shiftMask(event->modifiers());
    const QPointer<Xp_Bouton> alive(this);
    apply(m_state.mouseUp(button, shift, p, size()));
    if (alive)
        emit MouseUp(button, shift, p.x(), p.y());
}

void Xp_Bouton::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    apply(m_state.mouseMove(p, size()));
    emit MouseMove(buttonsMask(event->buttons()), shiftMask(event->modifiers()), p.x(), p.y());
}

void Xp_Bouton::leaveEvent(QEvent *event)
{
    apply(m_state.leave());
    QWidget::leaveEvent(event);
}

void Xp_Bouton::keyPressEvent(QKeyEvent *event)
{
    const int code = keyCode(event->key());
    const int shift = shiftMask(event->modifiers());
    apply(m_state.keyDown(code));
    emit KeyDown(code, shift);
    if (!event->text().isEmpty())
        emit KeyPress(event->text().at(0).unicode());
    if (code == XpButtonState::SpaceKey)
        event->accept();
    else
        event->ignore();
}

void Xp_Bouton::keyReleaseEvent(QKeyEvent *event)
{
    // A held key repeats as press and release pairs: only the last release
    // counts.
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    const int code = keyCode(event->key());
    const int shift = shiftMask(event->modifiers());
    const QPointer<Xp_Bouton> alive(this);
    const bool space = code == XpButtonState::SpaceKey;
    apply(m_state.keyUp(code, shift, size()));
    if (!alive)
        return;
    if (space) // the release acts as a left-button release at (0, 0)
        emit MouseUp(XpButtonState::LeftButton, shift, 0, 0);
    if (!alive)
        return;
    emit KeyUp(code, shift);
    if (space)
        event->accept();
    else
        event->ignore();
}

void Xp_Bouton::focusInEvent(QFocusEvent *event)
{
    apply(m_state.focusIn());
    QWidget::focusInEvent(event);
}

void Xp_Bouton::focusOutEvent(QFocusEvent *event)
{
    apply(m_state.focusOut());
    QWidget::focusOutEvent(event);
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
