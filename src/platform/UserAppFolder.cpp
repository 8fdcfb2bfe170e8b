#include "UserAppFolder.h"

#include "AtomicFile.h"
#include "GuardedFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The list grows with every version; a damaged one is never larger than
// this and is read no further.
constexpr qint64 MaxListBytes = 16 * 1024 * 1024;

// The help, the largest program file, is a few megabytes.
constexpr qint64 MaxProgramFileBytes = 64 * 1024 * 1024;


// The hex SHA-256 of a file's content, empty when it cannot be read.
QByteArray checksum(const QString &path)
{
    const GuardedFile::Result file = GuardedFile::read(path, MaxProgramFileBytes);
    return file.ok() ? QCryptographicHash::hash(file.bytes, QCryptographicHash::Sha256).toHex() : QByteArray();
}

bool isChecksum(const QByteArray &text)
{
    if (text.size() != 64)
        return false;
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

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

bool UserAppFolder::isProgramFile(const QString &file)
{
    return file == QLatin1String("Aide.chm") || file.startsWith(QLatin1String("Aide/"))
           || file == QLatin1String("historique.rtf") || file == QLatin1String("licence.rtf");
}

QList<UserAppFolder::Entry> UserAppFolder::copiedFiles() const
{
    const GuardedFile::Result list = GuardedFile::read(QDir(m_userDir).filePath(listName()), MaxListBytes);
    if (!list.ok())
        return {};
    QList<Entry> files;
    for (const QByteArray &line : list.bytes.split('\n')) {
        if (line.isEmpty())
            continue;
        const qsizetype tab = line.lastIndexOf('\t');
        if (tab >= 0 && isChecksum(line.mid(tab + 1)))
            files.append({QString::fromUtf8(line.left(tab)), line.mid(tab + 1)});
        else
            files.append({QString::fromUtf8(line), {}});
    }
    return files;
}

bool UserAppFolder::writeList(const QList<Entry> &files) const
{
    QByteArray bytes;
    for (const Entry &entry : files)
        bytes += entry.file.toUtf8() + (entry.sum.isEmpty() ? QByteArray() : '\t' + entry.sum) + '\n';
    return AtomicFile::write(QDir(m_userDir).filePath(listName()), bytes, AtomicFile::Links::Replace);
}

UserAppFolder::Refresh UserAppFolder::refresh(Entry &entry) const
{
    const QString target = QDir(m_userDir).filePath(entry.file);
    // A copy the user deleted stays deleted.
    if (!QFileInfo(target).isFile())
        return Refresh::Kept;
    const QString source = QDir(m_installedDir).filePath(entry.file);
    const QByteArray installed = checksum(source);
    if (installed.isEmpty() || installed == entry.sum)
        return Refresh::Kept;
    const QByteArray copy = checksum(target);
    if (entry.sum.isEmpty()) {
        // Listed before sums were kept: only a copy equal to the installed
        // file is known to be the program's.
        if (copy != installed)
            return Refresh::Kept;
        entry.sum = installed;
        return Refresh::Updated;
    }
    if (copy != entry.sum)
        return Refresh::Kept;
    const GuardedFile::Result bytes = GuardedFile::read(source, MaxProgramFileBytes);
    if (!bytes.ok() || !AtomicFile::write(target, bytes.bytes, AtomicFile::Links::Replace))
        return Refresh::Failed;
    entry.sum = installed;
    return Refresh::Updated;
}

bool UserAppFolder::fill()
{
    const QDir user(m_userDir);
    if (!QDir().mkpath(m_userDir))
        return false;
    QList<Entry> copied = copiedFiles();
    QHash<QString, qsizetype> known;
    for (qsizetype i = 0; i < copied.size(); ++i)
        known.insert(copied.at(i).file, i);
    bool complete = true;
    bool changed = false;
    for (const QString &file : installedFiles()) {
        // A line break or a tab in a name would break the list: such a
        // file is not ours to copy.
        if (file == listName() || file.contains(u'\n') || file.contains(u'\t'))
            continue;
        if (const auto listed = known.constFind(file); listed != known.cend()) {
            if (isProgramFile(file)) {
                const Refresh result = refresh(copied[*listed]);
                changed |= result == Refresh::Updated;
                complete &= result != Refresh::Failed;
            }
            continue;
        }
        const QString target = user.filePath(file);
        Entry entry{file, {}};
        // A file already there is the user's: it is left as it is and,
        // once listed, never replaced even if the user deletes it later.
        if (!taken(target)) {
            if (!QDir().mkpath(QFileInfo(target).absolutePath())
                || !copyNew(QDir(m_installedDir).filePath(file), target)) {
                complete = false;
                continue;
            }
            if (isProgramFile(file))
                entry.sum = checksum(target);
        }
        copied.append(entry);
        changed = true;
    }
    if (changed && !writeList(copied))
        complete = false;
    return complete;
}
