#pragma once

#include <QPoint>
#include <QSize>

// The XP-style button's run-time state and how mouse, keyboard, focus and
// the hover timer change it. Each input returns what the button must do, in
// the order: stop or start hover (timer, picture, MouseIn/MouseOut),
// redraw, then the click (sound, Click, link).
class XpButtonState {
public:
    // Mouse buttons and shift keys as the button's events number them.
    enum Button { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum Shift { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };
    static constexpr int SpaceKey = 32;

    struct Effects {
        bool hoverStarted = false; // start the hover timer, hover picture, MouseIn
        bool hoverEnded = false;   // stop the hover timer, normal picture, MouseOut
        bool redraw = false;
        bool click = false;        // Click and the link
        bool sound = false;        // the click sound, before Click
    };

    // Any mouse move at `p` on a button of `size`. Entering starts the
    // hover; a move outside while the button holds the mouse ends it.
    Effects mouseMove(QPoint p, QSize size);
    // The hover timer's tick: ends the hover when the cursor is no longer
    // over the button.
    Effects tick(bool cursorOverButton);
    // The pointer left the button's window.
    Effects leave();
    Effects mouseDown(int button, int shift, QPoint p);
    Effects mouseUp(int button, int shift, QPoint p, QSize size);
    // The second press of a double click repeats the last mouse down.
    Effects doubleClick();
    // Space presses the button once however long it is held (the repeats
    // change nothing); its release is a left-button release at (0, 0).
    Effects keyDown(int key);
    Effects keyUp(int key, int shift, QSize size);
    Effects focusIn();
    Effects focusOut();

    bool pressed() const { return m_pressed; }
    bool hovered() const { return m_hovered; }
    bool hasFocus() const { return m_focused; }
    // The face looks pressed: pressed, unless the pointer left while the
    // button was held (it looks pressed again when the pointer comes back).
    bool showsPressed() const { return m_pressed && !m_leftWhilePressed; }
    int lastButton() const { return m_lastButton; }
    int lastShift() const { return m_lastShift; }
    QPoint lastPosition() const { return m_lastPos; }

    static bool inside(QPoint p, QSize size)
    {
        return p.x() >= 0 && p.y() >= 0 && p.x() < size.width() && p.y() < size.height();
    }

private:
    Effects endHover();

    bool m_pressed = false;
    bool m_hovered = false;
    bool m_focused = false;
    bool m_keyHeld = false;
    bool m_leftWhilePressed = false;
    int m_lastButton = 0;
    int m_lastShift = 0;
    QPoint m_lastPos;
};
