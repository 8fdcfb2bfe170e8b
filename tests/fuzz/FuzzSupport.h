#pragma once

// What the fuzz targets share: a failed invariant aborts (libFuzzer reports
// the input), and the targets that draw text or decode pictures need a GUI
// application, made once on Qt's offscreen platform.
#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
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

// A folder for the files a target writes and reads back, in memory when
// the system has /dev/shm: saving syncs the file to disk, which on a disk
// folder would cost more than everything else the target does.
inline QTemporaryDir &scratchFolder()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/brivadune-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/brivadune-fuzz-XXXXXX"));
    return dir;
}

} // namespace FuzzSupport
