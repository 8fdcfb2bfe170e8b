#pragma once

// What the fuzz targets share: a failed invariant aborts (libFuzzer reports
// the input); a GUI application on Qt's offscreen platform, made once.
#include <QByteArray>
#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>

namespace FuzzSupport {

inline void check(bool condition) { if (!condition) std::abort(); }

inline void startGuiApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz", *argv[] = {name, nullptr};
    static auto *app = new QGuiApplication(argc, argv);
    // Deleted at exit before Qt's font globals (made here by measuring a
    // text, so destroyed after this handler), it frees their font engines.
    QFontMetricsF(QFont()).height();
    std::atexit([] { delete app; });
}

// A folder for the files a target writes, in memory when the system has
// /dev/shm: saving syncs the file, which on a disk would cost the most.
inline QTemporaryDir &scratchFolder()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/brivadune-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/brivadune-fuzz-XXXXXX"));
    return dir;
}

} // namespace FuzzSupport

