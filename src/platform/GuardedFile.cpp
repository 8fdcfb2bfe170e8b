#include "GuardedFile.h"

#include <QFile>

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

private:
    int m_fd;
};

} // namespace

Result read(const QString &path, qint64 cap)
{
    Result result;
    if (path.isEmpty()) {
        result.error = Error::Missing;
        return result;
    }
    const QByteArray native = QFile::encodeName(path);
    // O_NONBLOCK: opening a pipe with no writer would wait for one for ever.
    // O_NOCTTY: a terminal named by mistake never becomes ours.
    const Descriptor fd(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        result.error = (errno == ENOENT || errno == ENOTDIR) ? Error::Missing : Error::Unreadable;
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        result.error = Error::Unreadable;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.error = Error::NotRegular;
        return result;
    }
    if (info.st_size > cap) {
        result.error = Error::TooLarge;
        return result;
    }
    // The file may grow while it is read: never read past the cap.
    result.bytes.reserve(qsizetype(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.bytes.clear();
            result.error = Error::Unreadable;
            return result;
        }
        if (n == 0)
            break;
        if (result.bytes.size() + n > cap) {
            result.bytes.clear();
            result.error = Error::TooLarge;
            return result;
        }
        result.bytes.append(buffer, qsizetype(n));
    }
    return result;
}

bool isRegularFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
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
