#include "Metafile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QProcess>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

#include <sys/resource.h>

namespace Metafile {

namespace {

constexpr char HelperName[] = "brivadune-metafile";
// Wall-clock bound on top of the CPU limit: a helper blocked on nothing
// still ends.
constexpr int WallMilliseconds = 10000;
// More SVG than this is not a logo.
constexpr qint64 SvgCap = 64LL * 1024 * 1024;
// Pixels per inch of a natural size.
constexpr double ScreenDpi = 96.0;
// A side longer than this (about 2.6 m at 96 per inch) is no real header.
constexpr int MaxSide = 10000;

QMutex helperMutex;
QString helperOverride;

quint32 u32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

qint32 i32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

qint16 i16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<qint16>(bytes.constData() + at);
}

QSize pixels(double widthInches, double heightInches)
{
    const int w = qRound(widthInches * ScreenDpi);
    const int h = qRound(heightInches * ScreenDpi);
    if (w < 1 || h < 1 || w > MaxSide || h > MaxSide)
        return {};
    return {w, h};
}

void limitChild()
{
    // Runs in the child between fork and exec: system calls only.
    rlimit cpu{rlim_t(CpuSeconds), rlim_t(CpuSeconds + 1)};
    setrlimit(RLIMIT_CPU, &cpu);
#ifndef BRIVADUNE_SANITIZED
    // A sanitized helper reserves terabytes of address space for itself;
    // only normal builds can bound it.
    rlimit memory{rlim_t(MemoryBytes), rlim_t(MemoryBytes)};
    setrlimit(RLIMIT_AS, &memory);
#endif
    rlimit core{0, 0};
    setrlimit(RLIMIT_CORE, &core);
}

} // namespace

Kind kind(const QByteArray &bytes)
{
    if (bytes.size() >= 44 && u32(bytes, 0) == 1 && bytes.mid(40, 4) == " EMF")
        return Kind::Emf;
    if (bytes.size() >= 4) {
        const quint32 head = u32(bytes, 0);
        // A placeable metafile's key, or a bare header of 9 words in
        // memory (1) or on disk (2).
        if (head == 0x9AC6CDD7u || head == 0x00090001u || head == 0x00090002u)
            return Kind::Wmf;
    }
    return Kind::None;
}

QSize naturalSize(const QByteArray &bytes)
{
    switch (kind(bytes)) {
    case Kind::Wmf: {
        if (bytes.size() < 22 || u32(bytes, 0) != 0x9AC6CDD7u)
            return {};
        const int unitsPerInch = qFromLittleEndian<quint16>(bytes.constData() + 14);
        if (unitsPerInch == 0)
            return {};
        const double w = std::abs(int(i16(bytes, 10)) - int(i16(bytes, 6)));
        const double h = std::abs(int(i16(bytes, 12)) - int(i16(bytes, 8)));
        return pixels(w / unitsPerInch, h / unitsPerInch);
    }
    case Kind::Emf: {
        if (bytes.size() < 40)
            return {};
        // The frame, inclusive, in hundredths of a millimetre.
        constexpr double PerInch = 2540.0;
        const double w = double(i32(bytes, 32)) - i32(bytes, 24);
        const double h = double(i32(bytes, 36)) - i32(bytes, 28);
        return pixels(w / PerInch, h / PerInch);
    }
    case Kind::None:
        break;
    }
    return {};
}

QString helperPath()
{
    {
        QMutexLocker lock(&helperMutex);
        if (!helperOverride.isEmpty())
            return helperOverride;
    }
    if (!QCoreApplication::instance())
        return {};
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString beside = bin.filePath(QLatin1String(HelperName));
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QDir::cleanPath(bin.filePath(QStringLiteral("../lib/brivadune/") + QLatin1String(HelperName)));
}

void setHelperPath(const QString &path)
{
    QMutexLocker lock(&helperMutex);
    helperOverride = path;
}

QByteArray toSvg(const QByteArray &bytes)
{
    const QString helper = helperPath();
    if (kind(bytes) == Kind::None || helper.isEmpty() || !QFileInfo(helper).isExecutable())
        return {};
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setChildProcessModifier(limitChild);
    process.start(helper, {}, QIODevice::ReadWrite);
    if (!process.waitForStarted(WallMilliseconds))
        return {};
    // The input is written while the output is read, so that neither pipe
    // fills up and stalls the other side.
    QByteArray svg;
    qint64 written = process.write(bytes);
    process.closeWriteChannel();
    QDeadlineTimer deadline(WallMilliseconds);
    bool tooLarge = false;
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        process.waitForReadyRead(int(std::min<qint64>(deadline.remainingTime(), 200)));
        svg += process.readAllStandardOutput();
        if (svg.size() > SvgCap) {
            tooLarge = true;
            break;
        }
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    svg += process.readAllStandardOutput();
    if (tooLarge || written != bytes.size() || svg.size() > SvgCap || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return {};
    return svg;
}

} // namespace Metafile
