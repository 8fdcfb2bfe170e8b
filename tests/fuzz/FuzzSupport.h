#pragma once

// What the fuzz targets share: a failed invariant aborts (libFuzzer reports
// the input), and the targets that draw text or decode pictures need a GUI
// application, made once on Qt's offscreen platform.
#include <QByteArray>
#include <QGuiApplication>
#include <cstdlib>

namespace FuzzSupport {

inline void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Call from LLVMFuzzerInitialize.
inline void startGuiApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

} // namespace FuzzSupport
