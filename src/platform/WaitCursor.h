#pragma once

#include <QCursor>
#include <QGuiApplication>

// The hourglass over the whole application while a command works; the
// pointer comes back when the object goes. A Pause shows the normal
// pointer for a while (a window shown in the middle of the command).
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

    class Pause {
    public:
        Pause() { QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor)); }
        ~Pause() { QGuiApplication::restoreOverrideCursor(); }
        Pause(const Pause &) = delete;
        Pause &operator=(const Pause &) = delete;
    };
};
