#include "Xp_Bouton.h"

#include "ClickSound.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>

// The button's mouse, keyboard, focus and hover handling: each event goes
// to XpButtonState, and apply() carries out what it answers.

namespace {

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

Shell &desktopShell()
{
    static DesktopShell shell;
    return shell;
}

} // namespace

// ---- Actions -----------------------------------------------------------------

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
