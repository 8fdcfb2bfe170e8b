// Project files handed from a second start to the running program: the
// socket, what it accepts, and what the frame does with the files.
#include "app/FileHandover.h"

#include "AppTestFrame.h"
#include "TestSupport.h"
#include "document/frmProjet.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QMutex>
#include <QThread>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

// The running program's side, in a thread of its own: send() waits for
// its answer.
class Receiver {
public:
    explicit Receiver(const QString &appDir)
    {
        m_thread.start();
        m_handover = new FileHandover(appDir);
        m_handover->moveToThread(&m_thread);
        QObject::connect(
            m_handover, &FileHandover::filesReceived, m_handover,
            [this](const QStringList &files) {
                QMutexLocker lock(&m_mutex);
                m_received += files;
            },
            Qt::DirectConnection);
        QMetaObject::invokeMethod(m_handover, [this] { m_listening = m_handover->listen(); },
                                  Qt::BlockingQueuedConnection);
    }
    ~Receiver()
    {
        QMetaObject::invokeMethod(m_handover, [this] { delete m_handover; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    bool listening() const { return m_listening; }
    QStringList received()
    {
        QMutexLocker lock(&m_mutex);
        return m_received;
    }

private:
    QThread m_thread;
    FileHandover *m_handover = nullptr;
    bool m_listening = false;
    QMutex m_mutex;
    QStringList m_received;
};

QByteArray header(const char *magic, quint32 size)
{
    QByteArray bytes(magic, 4);
    bytes.resize(8);
    qToBigEndian<quint32>(size, bytes.data() + 4);
    return bytes;
}

QString project(const QString &name)
{
    return qEnvironmentVariable("BRIVADUNE_TEST_DATA") + u"/projects/"_s + name;
}

} // namespace

class tst_filehandover : public QObject {
    Q_OBJECT
private slots:
    void filesReachTheRunningProgram();
    void leftoversAndNobodyListening();
    void badMessagesAreDropped();
    void theFrameOpensHandedFiles();
};

void tst_filehandover::filesReachTheRunningProgram()
{
    TestSupport::TempAppDir app;
    // A socket left by a killed program is replaced by the lock's holder.
    QVERIFY(TestSupport::writeBytes(FileHandover::socketPathFor(app.path()), "stale"));
    Receiver running(app.path());
    QVERIFY(running.listening());

    // Relative names are the sender's: they arrive absolute. Blanks,
    // accents and line breaks in names survive.
    TestSupport::TempAppDir work;
    const QString saved = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    const bool sent = FileHandover::send(app.path(), {u"Carte.prj"_s, u"/tmp/Été 2024/b\nc.prj"_s});
    QDir::setCurrent(saved);
    QVERIFY(sent);
    // The running program answers as soon as it has them, then opens them.
    QTRY_COMPARE(running.received(),
                 QStringList({QDir(work.path()).filePath(u"Carte.prj"_s), u"/tmp/Été 2024/b\nc.prj"_s}));

    // The same folder through a link is the same program.
    QVERIFY(QFile::link(app.path(), work.filePath(u"lien"_s)));
    QVERIFY(FileHandover::send(work.filePath(u"lien"_s), {u"/x/y.prj"_s}));
    QTRY_COMPARE(running.received().last(), u"/x/y.prj"_s);
}

void tst_filehandover::leftoversAndNobodyListening()
{
    TestSupport::TempAppDir app;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!FileHandover::send(app.path(), {u"/a.prj"_s}, 300));
    QVERIFY(clock.elapsed() < 5000);
    // A file where the socket should be does not answer either.
    QVERIFY(TestSupport::writeBytes(FileHandover::socketPathFor(app.path()), "stale"));
    QVERIFY(!FileHandover::send(app.path(), {u"/a.prj"_s}, 300));
    // Another folder has another socket.
    TestSupport::TempAppDir other;
    QVERIFY(FileHandover::socketPathFor(app.path()) != FileHandover::socketPathFor(other.path()));
}

void tst_filehandover::badMessagesAreDropped()
{
    TestSupport::TempAppDir app;
    Receiver running(app.path());
    QVERIFY(running.listening());
    const auto sendRaw = [&](const QByteArray &bytes) {
        QLocalSocket socket;
        socket.connectToServer(FileHandover::socketPathFor(app.path()));
        if (!socket.waitForConnected(3000))
            return QByteArray("not connected");
        socket.write(bytes);
        socket.waitForBytesWritten(3000);
        // The receiver hangs up on a bad message instead of answering.
        socket.waitForReadyRead(1000);
        return socket.readAll();
    };
    QCOMPARE(sendRaw(header("HTTP", 4) + "/a\0"), QByteArray());
    QCOMPARE(sendRaw(header("BRVO", FileHandover::MaxPayload + 1) + "/a"), QByteArray());

    // A client that says nothing does not keep others out.
    QLocalSocket silent;
    silent.connectToServer(FileHandover::socketPathFor(app.path()));
    QVERIFY(silent.waitForConnected(3000));
    QVERIFY(FileHandover::send(app.path(), {u"/ok.prj"_s}));
    QTRY_COMPARE(running.received(), QStringList{u"/ok.prj"_s});
}

void tst_filehandover::theFrameOpensHandedFiles()
{
    FrameFixture f;
    QVERIFY(f.start());
    const QString missing = f.dir.filePath(u"absent.prj"_s);
    f.frame->receiveFiles({project(u"example.prj"_s), missing});
    QCOMPARE(f.frame->cards().size(), 1);
    QCOMPARE(f.frame->activeCard()->Caption(), u"example"_s);
    QCOMPARE(f.texts(), QStringList{u"Le fichier \"%1\" ne peut pas être ouvert."_s.arg(missing)});

    // Handed again, the same project is already open and says so.
    f.frame->receiveFiles({project(u"example.prj"_s)});
    QCOMPARE(f.frame->cards().size(), 1);
    QCOMPARE(f.texts().last(), u"Le fichier \"example.prj\" est déjà en cours d'utilisation."_s);
}

QTEST_MAIN(tst_filehandover)
#include "tst_filehandover.moc"
