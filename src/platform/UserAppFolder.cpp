#include "UserAppFolder.h"

#include "AtomicFile.h"
#include "GuardedFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The list grows with every version; a damaged one is never larger than
// this and is read no further.
constexpr qint64 MaxListBytes = 16 * 1024 * 1024;

// Whether anything is at `path`, a link to nothing included.
bool taken(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

// Copies `source` to a new file `target`, never through a link planted at
// its name. The copy is writable by the user even when the installed file
// is read-only.
bool copyNew(const QString &source, const QString &target)
{
    const GuardedFile::Result bytes = GuardedFile::read(source, GuardedFile::PictureCap);
    if (!bytes.ok())
        return false;
    const int fd = ::open(QFile::encodeName(target).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          0644);
    if (fd < 0)
        return false;
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFile::AutoCloseHandle)) {
        ::close(fd);
        QFile::remove(target);
        return false;
    }
    bool ok = file.write(bytes.bytes) == bytes.bytes.size();
    ok = file.flush() && ok;
    file.close();
    if (!ok)
        QFile::remove(target);
    return ok;
}

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
    return AtomicFile::write(QDir(m_userDir).filePath(listName()), bytes, AtomicFile::Links::Replace);
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
        if (!taken(target)
            && (!QDir().mkpath(QFileInfo(target).absolutePath())
                || !copyNew(QDir(m_installedDir).filePath(file), target))) {
            complete = false;
            continue;
        }
        copied.append(file);
        changed = true;
    }
    if (changed && !writeList(copied))
        complete = false;
    return complete;
}
