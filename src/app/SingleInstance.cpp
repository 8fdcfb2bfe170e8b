#include "SingleInstance.h"

#include "platform/RuntimeFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

SingleInstance::SingleInstance(const QString &appDir)
    : m_lockPath(lockPathFor(appDir)), m_lock(std::make_unique<QLockFile>(m_lockPath))
{
    // Only a dead owner makes a lock stale: a long-running first instance
    // must keep refusing later starts however old its lock file is.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire()
{
    if (m_lockPath.isEmpty())
        return false;
    if (m_lock->isLocked())
        return true;
    return m_lock->tryLock(0);
}

QString SingleInstance::lockPathFor(const QString &appDir)
{
    // The same folder reached by different spellings ("dir", "dir/",
    // through a symbolic link) must give the same lock.
    QFileInfo info(appDir);
    QString folder = info.canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(info.absoluteFilePath());
    const QByteArray hash = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    // A folder private to the user; none when it cannot be had.
    const QString runtime = RuntimeFolder::path();
    if (runtime.isEmpty())
        return QString();
    return QDir(runtime).filePath(QStringLiteral("brivadune-%1.lock").arg(QString::fromLatin1(hash)));
}
