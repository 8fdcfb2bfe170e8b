#include "UserAppFolder.h"

#include "AtomicFile.h"
#include "GuardedFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// The list grows with every version; a damaged one is never larger than
// this and is read no further.
constexpr qint64 MaxListBytes = 16 * 1024 * 1024;

constexpr QFile::Permissions UserReadWrite =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther;

} // namespace

UserAppFolder::UserAppFolder(const QString &installedDir, const QString &userDir)
    : m_installedDir(QDir::cleanPath(installedDir)), m_userDir(QDir::cleanPath(userDir))
{
}

QString UserAppFolder::defaultPath()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    // XDG base directories must be absolute: a relative one is ignored.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/Brivadune"));
}

QStringList UserAppFolder::installedFiles() const
{
    QStringList files;
    const QDir root(m_installedDir);
    QDirIterator it(m_installedDir, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(root.relativeFilePath(it.next()));
    files.sort();
    return files;
}

QStringList UserAppFolder::copiedFiles() const
{
    const GuardedFile::Result list = GuardedFile::read(QDir(m_userDir).filePath(listName()), MaxListBytes);
    if (!list.ok())
        return {};
    QStringList files;
    for (const QByteArray &line : list.bytes.split('\n')) {
        if (!line.isEmpty())
            files.append(QString::fromUtf8(line));
    }
    return files;
}

bool UserAppFolder::writeList(const QStringList &files) const
{
    QByteArray bytes;
    for (const QString &file : files)
        bytes += file.toUtf8() + '\n';
    return AtomicFile::write(QDir(m_userDir).filePath(listName()), bytes);
}

bool UserAppFolder::fill()
{
    const QDir user(m_userDir);
    if (!QDir().mkpath(m_userDir))
        return false;
    QStringList copied = copiedFiles();
    const QSet<QString> known(copied.cbegin(), copied.cend());
    bool complete = true;
    bool changed = false;
    for (const QString &file : installedFiles()) {
        // A line break in a name would break the list: such a file is not
        // ours to copy.
        if (known.contains(file) || file == listName() || file.contains(u'\n'))
            continue;
        const QString target = user.filePath(file);
        // A file already there is the user's: it is left as it is and,
        // once listed, never replaced even if the user deletes it later.
        if (!QFileInfo::exists(target)) {
            if (!QDir().mkpath(QFileInfo(target).absolutePath())
                || !QFile::copy(QDir(m_installedDir).filePath(file), target)) {
                complete = false;
                continue;
            }
            // Installed files may be read-only; the user's copy is not.
            QFile::setPermissions(target, UserReadWrite);
        }
        copied.append(file);
        changed = true;
    }
    if (changed && !writeList(copied))
        complete = false;
    return complete;
}
