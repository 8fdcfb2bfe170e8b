// The real program as a process: one instance per application folder (a
// second start says so and ends, a killed first one never blocks the next
// start; a second start with project files hands them over), and the
// start-up report.
#include "app/FileHandover.h"
#include "app/SingleInstance.h"

#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString AlreadyRunning = QStringLiteral("Attention cette application est déjà active.");

QString program()
{
    return QDir(qEnvironmentVariable("BRIVADUNE_APP_BUILD_DIR")).filePath(QStringLiteral("Brivadune"));
}

// Starts the program on `appDir`, headless, its messages answered with
// their default button and written to standard error.
void start(QProcess &process, const QString &appDir, const QStringList &extra = {})
{
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("BRIVADUNE_AUTO_ANSWER"), QStringLiteral("1"));
    env.remove(QStringLiteral("BRIVADUNE_HOME"));
    process.setProcessEnvironment(env);
    process.start(program(), QStringList({QStringLiteral("--app-dir"), appDir}) + extra);
}

// The process id written in the folder's lock, 0 if none.
qint64 lockOwner(const QString &appDir)
{
    QLockFile lock(SingleInstance::lockPathFor(appDir));
    qint64 pid = 0;
    QString host;
    QString app;
    return lock.getLockInfo(&pid, &host, &app) ? pid : 0;
}

} // namespace

class tst_processes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void oneInstancePerFolder();
    void lockLivesInTheRuntimeFolder();
    void secondStartHandsFilesOver();
    void startupReport();
};

void tst_processes::initTestCase()
{
    QVERIFY2(QFile::exists(program()),
             qPrintable(QStringLiteral("build the Brivadune target first: %1 is missing").arg(program())));
}

void tst_processes::oneInstancePerFolder()
{
    TestSupport::TempAppDir dir;
    QProcess first;
    start(first, dir.path());
    QVERIFY(first.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(lockOwner(dir.path()), first.processId(), 20000);

    // A second start on the same folder, even through a link, says so and
    // ends before doing anything else.
    TestSupport::TempAppDir other;
    QVERIFY(QFile::link(dir.path(), other.filePath(QStringLiteral("lien"))));
    QProcess second;
    start(second, other.filePath(QStringLiteral("lien")));
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    const QString said = QString::fromUtf8(second.readAllStandardError());
    QVERIFY2(said.contains(QStringLiteral("[Message à l'utilisateur] ") + AlreadyRunning), qPrintable(said));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Brivadune.ini"))));
    // The first one is untouched.
    QCOMPARE(first.state(), QProcess::Running);
    QCOMPARE(lockOwner(dir.path()), first.processId());
    QVERIFY(!QString::fromUtf8(first.readAllStandardError()).contains(AlreadyRunning));

    // Killed, it leaves its lock behind, which does not block the next start.
    first.kill();
    QVERIFY(first.waitForFinished(10000));
    QVERIFY(QFile::exists(SingleInstance::lockPathFor(dir.path())));
    QProcess next;
    start(next, dir.path());
    QVERIFY(next.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(lockOwner(dir.path()), next.processId(), 20000);
    QCOMPARE(next.state(), QProcess::Running);
    next.kill();
    QVERIFY(next.waitForFinished(10000));
}

void tst_processes::lockLivesInTheRuntimeFolder()
{
    TestSupport::TempAppDir app;
    TestSupport::TempAppDir runtime;
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    const QString inRuntime = SingleInstance::lockPathFor(app.path());
    // One lock per application folder, the same at every start.
    const bool same = SingleInstance::lockPathFor(app.path() + u'/') == inRuntime;
    qunsetenv("XDG_RUNTIME_DIR");
    const QString withoutRuntime = SingleInstance::lockPathFor(app.path());
    if (!previous.isNull())
        qputenv("XDG_RUNTIME_DIR", previous);
    QCOMPARE(QFileInfo(inRuntime).absolutePath(), runtime.path());
    QVERIFY(same);
    QCOMPARE(QFileInfo(withoutRuntime).absolutePath(), QStringLiteral("/tmp"));
    QCOMPARE(QFileInfo(withoutRuntime).fileName(), QFileInfo(inRuntime).fileName());
}

void tst_processes::secondStartHandsFilesOver()
{
    TestSupport::TempAppDir dir;
    TestSupport::TempAppDir work;
    QVERIFY(QFile::copy(qEnvironmentVariable("BRIVADUNE_TEST_DATA") + QStringLiteral("/projects/example.prj"),
                        work.filePath(QStringLiteral("Carte.prj"))));
    // A second start from `work` with `files`: the messages it shows, none
    // when it ended at once without a word, as it should.
    const auto handOver = [&](const QStringList &files) {
        QProcess second;
        second.setWorkingDirectory(work.path());
        start(second, dir.path(), files);
        if (!second.waitForFinished(30000) || second.exitStatus() != QProcess::NormalExit || second.exitCode() != 0)
            return QStringLiteral("second start failed");
        QStringList messages = QString::fromUtf8(second.readAllStandardError()).split(u'\n');
        messages = messages.filter(QRegularExpression(QStringLiteral("^\\[")));
        return messages.join(u'\n');
    };
    // Waits until the running program has said `text`.
    const auto says = [](QProcess &running, QString &said, const QString &text) {
        QElapsedTimer clock;
        clock.start();
        while (!said.contains(text) && clock.elapsed() < 10000) {
            running.waitForReadyRead(200);
            said += QString::fromUtf8(running.readAllStandardError());
        }
        return said.contains(text);
    };

    QProcess first;
    start(first, dir.path());
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(FileHandover::socketPathFor(dir.path())), 20000);
    // A relative name is the second start's; the first opens the project,
    // and a second handing of the same file finds it open.
    QCOMPARE(handOver({QStringLiteral("Carte.prj")}), QString());
    QCOMPARE(handOver({work.filePath(QStringLiteral("Carte.prj"))}), QString());
    QString said;
    QVERIFY2(says(first, said, QStringLiteral("Le fichier \"Carte.prj\" est déjà en cours d'utilisation.")),
             qPrintable(said));
    QVERIFY(!said.contains(QStringLiteral("ne peut pas être ouvert")));
    QCOMPARE(first.state(), QProcess::Running);

    // Killed, it leaves its socket behind; the next program takes over.
    first.kill();
    QVERIFY(first.waitForFinished(10000));
    QProcess next;
    start(next, dir.path());
    QVERIFY(next.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(lockOwner(dir.path()), next.processId(), 20000);
    QCOMPARE(handOver({QStringLiteral("absent.prj")}), QString());
    said.clear();
    QVERIFY2(says(next, said, QStringLiteral("absent.prj\" ne peut pas être ouvert.")), qPrintable(said));
    next.kill();
    QVERIFY(next.waitForFinished(10000));
}

void tst_processes::startupReport()
{
    TestSupport::TempAppDir dir;
    QProcess run;
    start(run, dir.path(), {QStringLiteral("--report-startup")});
    QVERIFY(run.waitForFinished(60000));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 0);
    const QString out = QString::fromUtf8(run.readAllStandardOutput()).trimmed();
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^startup_ms=(\\d+) rss_kb=(\\d+)$")).match(out);
    QVERIFY2(match.hasMatch(), qPrintable(out));
    QVERIFY(match.captured(1).toLongLong() > 0 && match.captured(2).toLongLong() > 1000);
    // It quit without the question and without writing the settings.
    QVERIFY(!QString::fromUtf8(run.readAllStandardError()).contains(QStringLiteral("Quitter Brivadune")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Brivadune.ini"))));
    QVERIFY(QDir(dir.filePath(QStringLiteral("Projets"))).exists());
}

QTEST_MAIN(tst_processes)
#include "tst_processes.moc"
