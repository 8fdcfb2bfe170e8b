#include "XpButtonState.h"

XpButtonState::Effects XpButtonState::mouseMove(QPoint p, QSize size)
{
    Effects e;
    if (inside(p, size)) {
        if (!m_hovered) {
            m_hovered = true;
            m_leftWhilePressed = false;
            e.hoverStarted = true;
            e.redraw = true;
        }
    } else if (m_hovered) {
        // Only a button holding the mouse sees moves outside itself.
        e = endHover();
    }
    return e;
}

XpButtonState::Effects XpButtonState::tick(bool cursorOverButton)
{
    if (cursorOverButton || !m_hovered)
        return {};
    return endHover();
}

XpButtonState::Effects XpButtonState::leave()
{
    return m_hovered ? endHover() : Effects{};
}

XpButtonState::Effects XpButtonState::endHover()
{
    Effects e;
    m_hovered = false;
    e.hoverEnded = true;
    e.redraw = true;
    // Held while leaving: it looks raised until the pointer comes back.
    if (m_pressed)
        m_leftWhilePressed = true;
    return e;
}

XpButtonState::Effects XpButtonState::mouseDown(int button, int shift, QPoint p)
{
    Effects e;
    m_lastButton = button;
    m_lastShift = shift;
    m_lastPos = p;
    if (button != RightButton) {
        m_pressed = true;
        m_leftWhilePressed = false;
        e.redraw = true;
    }
    return e;
}

XpButtonState::Effects XpButtonState::mouseUp(int button, int shift, QPoint p, QSize size)
{
    Effects e;
    m_lastShift = shift;
    m_pressed = false;
    m_leftWhilePressed = false;
    if (button != RightButton) {
        e.redraw = true;
        if (inside(p, size)) {
            e.sound = true;
            e.click = true;
        }
    }
    return e;
}

XpButtonState::Effects XpButtonState::doubleClick()
{
    return mouseDown(m_lastButton, m_lastShift, m_lastPos);
}

XpButtonState::Effects XpButtonState::keyDown(int key)
{
    Effects e;
    if (key == SpaceKey && !m_keyHeld) {
        m_pressed = true;
        m_hovered = true;
        m_leftWhilePressed = false;
        m_keyHeld = true;
        e.redraw = true;
    }
    return e;
}

XpButtonState::Effects XpButtonState::keyUp(int key, int shift, QSize size)
{
    if (key != SpaceKey)
        return {};
    m_pressed = false;
    m_hovered = false;
    // Then as a left-button release at (0, 0): one click.
    Effects e = mouseUp(LeftButton, shift, QPoint(0, 0), size);
    m_keyHeld = false;
    return e;
}

XpButtonState::Effects XpButtonState::focusIn()
{
    m_focused = true;
    Effects e;
    e.redraw = true;
    return e;
}

XpButtonState::Effects XpButtonState::focusOut()
{
    m_focused = false;
    m_pressed = false;
    m_leftWhilePressed = false;
    // A Space released in another window never reaches this button: the
    // next Space press must press it again.
    m_keyHeld = false;
    Effects e;
    e.redraw = true;
    return e;
}
