// Bad files given to the real program, as a user would: on the command
// line (a file manager's "open with"), then Ctrl+S typed on its window on a
// private X server; its messages and dialogs are answered by themselves and
// written on standard error. Each time the program stays up, says why in
// French, and leaves the file exactly as it was.
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString program()
{
    return QDir(qEnvironmentVariable("BRIVADUNE_APP_BUILD_DIR")).filePath(u"Brivadune"_s);
}

// Runs xdotool on `display`; its standard output, trimmed.
QString xdotool(const QString &display, const QStringList &arguments, bool *ok = nullptr)
{
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"DISPLAY"_s, display);
    run.setProcessEnvironment(env);
    run.start(u"xdotool"_s, arguments);
    const bool done = run.waitForFinished(10000) && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
    if (ok)
        *ok = done;
    return QString::fromUtf8(run.readAllStandardOutput()).trimmed();
}

struct BadFile {
    QString name;       // in the application folder's "Projets"
    QByteArray bytes;   // written there unless `special`
    QString said;       // what the program must say
    enum Kind { Plain, Folder, Fifo, Device } kind = Plain;
};

} // namespace

class tst_badinputs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void badFilesLeaveTheProgramUpAndTheFileAlone_data();
    void badFilesLeaveTheProgramUpAndTheFileAlone();

private:
    QProcess m_server;
    QString m_display;
};

void tst_badinputs::initTestCase()
{
    QVERIFY2(QFile::exists(program()), qPrintable(program() + u" is missing"_s));
    // A private X server: its number is written on the descriptor given.
    int fds[2];
    QCOMPARE(::pipe(fds), 0);
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.setChildProcessModifier([fds] { ::close(fds[0]); });
    m_server.start(u"Xvfb"_s, {u"-displayfd"_s, QString::number(fds[1]), u"-screen"_s, u"0"_s, u"1280x1024x24"_s,
                               u"-nolisten"_s, u"tcp"_s});
    ::close(fds[1]);
    QVERIFY2(m_server.waitForStarted(10000), "Xvfb could not start");
    QByteArray number;
    char c = 0;
    while (::read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(fds[0]);
    QVERIFY2(!number.isEmpty(), "Xvfb gave no display");
    m_display = u":"_s + QString::fromLatin1(number);
}

void tst_badinputs::cleanupTestCase()
{
    m_server.terminate();
    m_server.waitForFinished(5000);
}

void tst_badinputs::badFilesLeaveTheProgramUpAndTheFileAlone_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("said");
    QTest::addColumn<bool>("untitledCard");

    // The command line names the file as given: the message ends with it.
    const auto cannot = [](const QString &name) { return name + u"\" ne peut pas être ouvert."_s; };
    const auto none = [](const QString &name) {
        return u"Le fichier \""_s + name + u"\" ne contient pas de projet : une nouvelle carte est ouverte à sa place."_s;
    };
    QByteArray noise(8192, '\0');
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    QByteArray sections;
    for (int i = 0; i < 100000; ++i)
        sections += "[Partie " + QByteArray::number(i) + "]\r\n";

    QTest::newRow("folder") << int(BadFile::Folder) << u"Dossier.prj"_s << QByteArray() << cannot(u"Dossier.prj"_s)
                            << false;
    QTest::newRow("pipe") << int(BadFile::Fifo) << u"tube.prj"_s << QByteArray() << cannot(u"tube.prj"_s) << false;
    QTest::newRow("device") << int(BadFile::Device) << u"/dev/zero"_s << QByteArray() << cannot(u"/dev/zero"_s)
                            << false;
    QTest::newRow("empty") << int(BadFile::Plain) << u"vide.prj"_s << QByteArray() << none(u"vide.prj"_s) << true;
    QTest::newRow("random") << int(BadFile::Plain) << u"bruit.prj"_s << noise << none(u"bruit.prj"_s) << true;
    QTest::newRow("1 MB line") << int(BadFile::Plain) << u"ligne.prj"_s << QByteArray(1 << 20, 'z')
                               << none(u"ligne.prj"_s) << true;
    QTest::newRow("100000 sections") << int(BadFile::Plain) << u"parties.prj"_s << sections
                                     << none(u"parties.prj"_s) << true;
    if (::geteuid() != 0)
        QTest::newRow("no permission") << int(BadFile::Plain) << u"prive.prj"_s << QByteArray("[LABEL 1]\r\n")
                                       << cannot(u"prive.prj"_s) << false;
}

void tst_badinputs::badFilesLeaveTheProgramUpAndTheFileAlone()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, said);
    QFETCH(bool, untitledCard);

    TestSupport::TempAppDir app;
    const QString path = kind == BadFile::Device ? name : app.filePath(u"Projets/"_s + name);
    QVERIFY(QDir().mkpath(app.filePath(u"Projets"_s)));
    if (kind == BadFile::Folder)
        QVERIFY(QDir().mkpath(path));
    else if (kind == BadFile::Fifo)
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == BadFile::Plain)
        QVERIFY(TestSupport::writeBytes(path, bytes));
    if (name == u"prive.prj"_s)
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));

    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"DISPLAY"_s, m_display);
    env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    env.insert(u"BRIVADUNE_AUTO_ANSWER"_s, u"1"_s);
    env.remove(u"BRIVADUNE_HOME"_s);
    run.setProcessEnvironment(env);
    run.start(program(), {u"--app-dir"_s, app.path(), path});
    QVERIFY(run.waitForStarted());
    // However the case ends, the program does not outlive it.
    const auto stop = qScopeGuard([&run] {
        run.kill();
        run.waitForFinished(10000);
    });

    QString err;
    QElapsedTimer clock;
    clock.start();
    while (!err.contains(said) && run.state() == QProcess::Running && clock.elapsed() < 30000) {
        run.waitForReadyRead(200);
        err += QString::fromUtf8(run.readAllStandardError());
    }
    QVERIFY2(err.contains(said), qPrintable(err));

    // Ctrl+S on the frame; without a card there is nothing to save.
    QString window;
    QTRY_VERIFY_WITH_TIMEOUT(!(window = xdotool(m_display, {u"search"_s, u"--onlyvisible"_s, u"--pid"_s,
                                                            QString::number(run.processId())})
                                            .section(u'\n', 0, 0))
                                  .isEmpty(),
                             20000);
    bool ok = false;
    xdotool(m_display, {u"windowfocus"_s, u"--sync"_s, window}, &ok);
    QVERIFY(ok);
    xdotool(m_display, {u"key"_s, u"--clearmodifiers"_s, u"ctrl+s"_s}, &ok);
    QVERIFY(ok);
    // An untitled card asks for a name: the dialog, cancelled, says it
    // came; a titled card would have been written.
    if (untitledCard) {
        const QString asked = u"[Dialogue annulé] Enregistrez le fichier sous..."_s;
        clock.restart();
        while (!err.contains(asked) && clock.elapsed() < 20000) {
            run.waitForReadyRead(200);
            err += QString::fromUtf8(run.readAllStandardError());
        }
        QVERIFY2(err.contains(asked), qPrintable(err));
    }
    QTest::qWait(500);
    err += QString::fromUtf8(run.readAllStandardError());
    QCOMPARE(run.state(), QProcess::Running);
    QVERIFY2(!err.contains(u"n'a pas pu être enregistré"_s), qPrintable(err));

    run.kill();
    run.waitForFinished(10000);
    if (kind == BadFile::Plain) {
        if (name == u"prive.prj"_s)
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(TestSupport::readBytes(path), bytes);
    } else if (kind == BadFile::Fifo) {
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    } else if (kind == BadFile::Folder) {
        QVERIFY(QFileInfo(path).isDir());
    }
    // Nothing else was written beside it.
    const QStringList left = QDir(app.filePath(u"Projets"_s)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QVERIFY2(left.size() <= 1, qPrintable(left.join(u", "_s)));
}

QTEST_GUILESS_MAIN(tst_badinputs)
#include "tst_badinputs.moc"
