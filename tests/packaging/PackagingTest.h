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
    int exitCode = -1;
    QString out;
    QString err;
    bool ok() const { return exitCode == 0; }
    QString said() const { return out + err; }
};

// Runs `program` to its end (a program that cannot start gives -1).
inline Run run(const QString &program, const QStringList &args, int timeoutMs = 120000,
               const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    Run result;
    if (!process.waitForStarted(10000)) {
        result.err = program + QStringLiteral(": ") + process.errorString();
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        result.err = program + QStringLiteral(": did not finish");
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace PackagingTest
