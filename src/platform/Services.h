#pragma once

#include <QString>
#include <functional>

class Prompts;
class Shell;
class Clipboard;

// What the application takes from the desktop, handed to the main window so
// that tests can give their own: the application folder, the prompts, the
// shell, the clipboard and the beep.
struct Services {
    QString appDir;
    Prompts *prompts = nullptr;
    Shell *shell = nullptr;
    Clipboard *clipboard = nullptr;
    std::function<void()> beep;
};
