#include "StartupReport.h"

#include "frmMenu.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <ctime>
#include <unistd.h>

namespace StartupReport {

long long steadyNowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

long long msSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields after the command name (which may hold blanks) start after
    // the last ')'; the start time is field 22 of the line, the 20th here.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    bool ok = false;
    const long long startTicks = fields.at(19).toLongLong(&ok);
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (!ok || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return -1;
    const long long nowMs = (long long)now.tv_sec * 1000 + now.tv_nsec / 1000000;
    return nowMs - startTicks * 1000 / ticksPerSecond;
}

long long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    // Files of /proc report a size of 0: read them whole, not up to their size.
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmRSS:")) {
            const QList<QByteArray> parts = line.mid(6).simplified().split(' ');
            bool ok = false;
            const long long kb = parts.value(0).toLongLong(&ok);
            return ok ? kb : -1;
        }
    }
    return -1;
}

void run(frmMenu &frame, long long fallbackStartMs)
{
    QTimer::singleShot(0, &frame, [&frame, fallbackStartMs] {
        // The frame counts as shown once its window is exposed and painted.
        QElapsedTimer wait;
        wait.start();
        while (frame.windowHandle() && !frame.windowHandle()->isExposed() && wait.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        frame.repaint();
        long long startup = msSinceProcessStart();
        if (startup < 0)
            startup = steadyNowMs() - fallbackStartMs;

        frame.newCard();
        QCoreApplication::processEvents();
        frame.repaint();
        const long long rss = residentKb();

        QTextStream out(stdout);
        out << "startup_ms=" << startup << " rss_kb=" << rss << Qt::endl;
        QCoreApplication::exit(0);
    });
}

} // namespace StartupReport
