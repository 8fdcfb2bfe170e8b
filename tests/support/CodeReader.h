#pragma once

// Reads the code of a picture back as a phone or a shop's scanner would:
// with zbar's command-line reader (Debian package zbar-tools), and with
// libdmtx's (dmtx-utils) for Data Matrix symbols, which zbar does not read.

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

namespace CodeReader {

inline bool available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("dmtxread")).isEmpty();
}

// The content of the one code in `image` (its bytes as UTF-8, as a
// phone reads them); empty when none is found.
inline QString read(const QImage &image, bool dataMatrix = false)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("code.png"));
    if (!image.save(file, "PNG"))
        return {};
    QProcess reader;
    if (dataMatrix)
        reader.start(QStringLiteral("dmtxread"), {QStringLiteral("--stop-after=1"), file});
    else
        reader.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), QStringLiteral("--raw"), file});
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0)
        return {};
    QByteArray out = reader.readAllStandardOutput();
    // zbar ends each code with a line break.
    if (!dataMatrix && out.endsWith('\n'))
        out.chop(1);
    return QString::fromUtf8(out);
}

} // namespace CodeReader
