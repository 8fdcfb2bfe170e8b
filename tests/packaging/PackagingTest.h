#pragma once

// What the packaging tests share: the build and source folders given by
// CTest, and running a command to its end.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace PackagingTest {

inline QString buildDir() { return qEnvironmentVariable("BRIVADUNE_BUILD_DIR"); }
inline QString sourceDir() { return qEnvironmentVariable("BRIVADUNE_SOURCE_DIR"); }
inline QString appId() { return QStringLiteral("org.brivadune.Brivadune"); }

struct Run {
    int exitCode = -1; // -1: it could not start or did not end
    QString out;
    QString err;
    bool ok() const { return exitCode == 0; }
    QString said() const { return out + err; }
};

inline Run run(const QString &program, const QStringList &args, int timeoutMs = 120000,
               const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    const bool ended = process.waitForStarted(10000) && process.waitForFinished(timeoutMs);
    if (!ended)
        process.kill();
    return {ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()) + (ended ? QString() : program + QStringLiteral(": ") + process.errorString())};
}

} // namespace PackagingTest
