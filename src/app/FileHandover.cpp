#include "FileHandover.h"

#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QtEndian>

namespace {

const QByteArray Magic("BRVO");
constexpr int HeaderSize = 8;
constexpr char Ack = 'k';
// A client that connects and says nothing is dropped after this time.
constexpr int ReceiveTimeoutMs = 5000;
constexpr int RetryPauseMs = 100;

QByteArray encode(const QStringList &files)
{
    QByteArray payload;
    for (const QString &file : files)
        payload += QFileInfo(file).absoluteFilePath().toUtf8() + '\0';
    QByteArray message = Magic;
    message.resize(HeaderSize);
    qToBigEndian<quint32>(quint32(payload.size()), message.data() + 4);
    return message + payload;
}

QStringList decode(const QByteArray &payload)
{
    QStringList files;
    for (const QByteArray &path : payload.split('\0')) {
        if (!path.isEmpty())
            files.append(QString::fromUtf8(path));
    }
    return files;
}

} // namespace

FileHandover::FileHandover(const QString &appDir, QObject *parent)
    : QObject(parent), m_path(socketPathFor(appDir))
{
}

FileHandover::~FileHandover()
{
    if (m_server)
        m_server->close();
}

QString FileHandover::socketPathFor(const QString &appDir)
{
    QString path = SingleInstance::lockPathFor(appDir);
    if (path.isEmpty())
        return QString();
    if (path.endsWith(QLatin1String(".lock")))
        path.chop(5);
    return path + QStringLiteral(".sock");
}

bool FileHandover::listen()
{
    if (isListening())
        return true;
    if (m_path.isEmpty())
        return false;
    if (!m_server) {
        m_server = new QLocalServer(this);
        // Only the same user may hand files over.
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &FileHandover::acceptConnection);
    }
    // Whoever listened here before is gone: the caller holds the lock.
    QLocalServer::removeServer(m_path);
    return m_server->listen(m_path);
}

bool FileHandover::isListening() const
{
    return m_server && m_server->isListening();
}

void FileHandover::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        QTimer::singleShot(ReceiveTimeoutMs, socket, [socket] { socket->abort(); socket->deleteLater(); });
        readFrom(socket);
    }
}

void FileHandover::readFrom(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < HeaderSize)
        return;
    const QByteArray header = socket->peek(HeaderSize);
    const quint32 size = qFromBigEndian<quint32>(header.constData() + 4);
    if (!header.startsWith(Magic) || size > quint32(MaxPayload)) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < HeaderSize + qint64(size))
        return;
    socket->read(HeaderSize);
    const QStringList files = decode(socket->read(size));
    socket->write(&Ack, 1);
    socket->flush();
    socket->disconnectFromServer();
    if (!files.isEmpty())
        emit filesReceived(files);
}

bool FileHandover::send(const QString &appDir, const QStringList &files, int waitMs)
{
    const QByteArray message = encode(files);
    if (message.size() > HeaderSize + MaxPayload)
        return false;
    const QString path = socketPathFor(appDir);
    if (path.isEmpty())
        return false;
    const QDeadlineTimer deadline(waitMs);
    QLocalSocket socket;
    // The running program may not be listening yet.
    for (;;) {
        socket.connectToServer(path);
        if (socket.waitForConnected(int(qMax<qint64>(1, deadline.remainingTime()))))
            break;
        if (deadline.hasExpired())
            return false;
        socket.abort();
        QThread::msleep(RetryPauseMs);
    }
    socket.write(message);
    if (!socket.waitForBytesWritten(int(qMax<qint64>(1000, deadline.remainingTime()))))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(int(qMax<qint64>(1000, deadline.remainingTime()))))
            return false;
    }
    char answer = 0;
    return socket.read(&answer, 1) == 1 && answer == Ack;
}
