#pragma once

#include <QString>
#include <functional>

class Clipboard;
class DialogRunner;
class Prompts;
class Shell;

// What the application takes from the desktop, handed to the main window so
// that tests can give their own: the application folder, the prompts, the
// shell, the clipboard, the beep and the runner of modal dialogs (none: the
// dialogs run for real).
struct Services {
    QString appDir;
    Prompts *prompts = nullptr;
    Shell *shell = nullptr;
    Clipboard *clipboard = nullptr;
    std::function<void()> beep;
    DialogRunner *dialogs = nullptr;
};
