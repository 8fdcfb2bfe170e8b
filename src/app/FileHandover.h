#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// Hands project files from a second start of the program to the one
// already running on the same application folder (a file manager's "open
// with" while the program runs). The running program listens on a local
// socket beside its single-instance lock; only the lock's holder listens,
// so a socket left behind by a killed program is simply replaced.
//
// A message is "BRVO", the payload's length (4 bytes, big-endian), then
// the absolute paths in UTF-8, each ended by a NUL; the receiver answers
// one byte, 'k', once it has them.
class FileHandover : public QObject {
    Q_OBJECT
public:
    explicit FileHandover(const QString &appDir, QObject *parent = nullptr);
    ~FileHandover() override;

    // The socket of `appDir`'s running program.
    static QString socketPathFor(const QString &appDir);

    // Starts listening (the caller holds the single-instance lock).
    bool listen();

    // Sends `files` (made absolute against the current folder) to the
    // program running on `appDir`, trying for up to `waitMs` while it may
    // still be starting. True once the running program has them.
    static bool send(const QString &appDir, const QStringList &files, int waitMs = 5000);

    // The largest payload accepted.
    static constexpr int MaxPayload = 1024 * 1024;

signals:
    void filesReceived(const QStringList &files);

private:
    bool isListening() const;
    void acceptConnection();
    void readFrom(QLocalSocket *socket);

    QString m_path;
    QLocalServer *m_server = nullptr;
};
