#include "GuardedFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace GuardedFile {

namespace {

// Closes a descriptor however the reading ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    void reset(int fd)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// Opens `path` for reading the guarded way and checks that it is a regular
// file no larger than `cap` (when `cap` >= 0); on failure the result's
// error says why and the descriptor is closed.
Result openRegular(const QString &path, qint64 cap, Descriptor &fd, qint64 &size)
{
    Result result;
    if (path.isEmpty()) {
        result.error = Error::Missing;
        return result;
    }
    const QByteArray native = QFile::encodeName(path);
    // O_NONBLOCK: opening a pipe with no writer would wait for one for ever.
    // O_NOCTTY: a terminal named by mistake never becomes ours.
    fd.reset(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        result.error = (errno == ENOENT || errno == ENOTDIR) ? Error::Missing : Error::Unreadable;
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        result.error = Error::Unreadable;
    else if (!S_ISREG(info.st_mode))
        result.error = Error::NotRegular;
    else if (cap >= 0 && info.st_size > cap)
        result.error = Error::TooLarge;
    size = qint64(info.st_size);
    if (!result.ok())
        fd.reset(-1);
    return result;
}

// Reads from `fd` until the end or until `limit` bytes; past `limit` the
// read fails as too large unless `stopAtLimit`.
Result readFrom(const Descriptor &fd, qint64 expected, qint64 limit, bool stopAtLimit)
{
    Result result;
    result.bytes.reserve(qsizetype(std::min(expected, limit)));
    char buffer[65536];
    for (;;) {
        const qint64 room = limit - result.bytes.size();
        const size_t want = stopAtLimit ? size_t(std::min<qint64>(room, qint64(sizeof buffer))) : sizeof buffer;
        if (want == 0)
            break;
        const ssize_t n = ::read(fd.get(), buffer, want);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.bytes.clear();
            result.error = Error::Unreadable;
            return result;
        }
        if (n == 0)
            break;
        if (result.bytes.size() + n > limit) {
            result.bytes.clear();
            result.error = Error::TooLarge;
            return result;
        }
        result.bytes.append(buffer, qsizetype(n));
    }
    return result;
}

} // namespace

Result read(const QString &path, qint64 cap)
{
    Descriptor fd(-1);
    qint64 size = 0;
    Result opened = openRegular(path, cap, fd, size);
    if (!opened.ok())
        return opened;
    // The file may grow while it is read: never read past the cap.
    return readFrom(fd, size, cap, false);
}

Result readHead(const QString &path, qint64 maxBytes)
{
    Descriptor fd(-1);
    qint64 size = 0;
    Result opened = openRegular(path, -1, fd, size);
    if (!opened.ok())
        return opened;
    return readFrom(fd, size, std::max<qint64>(maxBytes, 0), true);
}

QString message(Error error, const QString &name)
{
    const QString quoted = QStringLiteral("\"") + name + QStringLiteral("\"");
    switch (error) {
    case Error::None: return QString();
    case Error::Missing: return QStringLiteral("Le fichier ") + quoted + QStringLiteral(" est introuvable.");
    case Error::NotRegular:
        return quoted + QStringLiteral(" n'est pas un fichier ordinaire : il ne peut pas être ouvert.");
    case Error::TooLarge:
        return QStringLiteral("Le fichier ") + quoted + QStringLiteral(" est trop volumineux pour être ouvert.");
    case Error::Unreadable: return QStringLiteral("Le fichier ") + quoted + QStringLiteral(" ne peut pas être lu.");
    }
    return QString();
}

} // namespace GuardedFile
