#include "AtomicFile.h"

#include "OutputFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace AtomicFile {

namespace {

SyncFunction g_sync = nullptr;

int syncData(int fd)
{
    return g_sync ? g_sync(fd) : ::fdatasync(fd);
}

// The marker in every temporary copy's name.
const char *const TempMarker = ".brivadune-";

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return false;
        data += n;
        left -= n;
    }
    return true;
}

// Flushes the folder's entries, so that the rename itself survives a
// power cut. Some file systems refuse a folder flush: that is no failure.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

void removeStaleCopies(const QString &folder)
{
    constexpr qint64 MaxAgeSeconds = 24 * 3600;
    const QDir dir(folder);
    const QString pattern = QStringLiteral(".*") + QString::fromLatin1(TempMarker) + QStringLiteral("??????");
    const QFileInfoList copies = dir.entryInfoList({pattern, pattern + QStringLiteral(".part")},
                                                   QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    const QDateTime limit = QDateTime::currentDateTimeUtc().addSecs(-MaxAgeSeconds);
    for (const QFileInfo &copy : copies) {
        if (copy.lastModified().toUTC() <= limit)
            QFile::remove(copy.absoluteFilePath());
    }
}

bool write(const QString &path, const QByteArray &bytes, Links links)
{
    if (path.isEmpty())
        return false;
    // A link not to be followed is itself replaced, as a new file.
    const bool replaceLink = links == Links::Replace && QFileInfo(path).isSymLink();
    // A folder, a device or a pipe is never replaced by a file.
    if (!replaceLink && !OutputFile::refusal(path).isEmpty())
        return false;
    const QFileInfo target(replaceLink ? QFileInfo(path).absoluteFilePath() : OutputFile::target(path));
    const QString folder = target.absolutePath();
    removeStaleCopies(folder);

    const QByteArray finalName = QFile::encodeName(target.absoluteFilePath());
    QByteArray temp = QFile::encodeName(QDir(folder).filePath(u'.' + target.fileName() + QString::fromLatin1(TempMarker)))
        + "XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    const mode_t mode = OutputFile::modeFor(replaceLink ? QString() : target.absoluteFilePath());
    bool ok = ::fchmod(fd, mode) == 0 || errno == EPERM;
    ok = ok && writeAll(fd, bytes);
    ok = ok && syncData(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.constData(), finalName.constData()) == 0;
    if (!ok) {
        ::unlink(temp.constData());
        return false;
    }
    syncFolder(QFile::encodeName(folder));
    return true;
}

void setSyncFunction(SyncFunction sync)
{
    g_sync = sync;
}

} // namespace AtomicFile
