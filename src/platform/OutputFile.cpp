#include "OutputFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace OutputFile {

namespace {

// More links than this in a row is a loop.
constexpr int MaxLinks = 40;

} // namespace

QString target(const QString &path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int n = 0; n < MaxLinks; ++n) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        const QString next = info.symLinkTarget();
        if (next.isEmpty())
            return current;
        current = QDir::cleanPath(next);
    }
    return current;
}

QString refusal(const QString &path, const QStringList &inputs)
{
    const QString quoted = QStringLiteral("\"") + path + QStringLiteral("\"");
    const QByteArray name = QFile::encodeName(target(path));
    struct stat out {};
    if (::stat(name.constData(), &out) != 0)
        return QString();
    if (!S_ISREG(out.st_mode))
        return quoted + QStringLiteral(" n'est pas un fichier ordinaire : il ne peut pas être remplacé.");
    for (const QString &input : inputs) {
        struct stat in {};
        if (!input.isEmpty() && ::stat(QFile::encodeName(input).constData(), &in) == 0 && in.st_dev == out.st_dev
            && in.st_ino == out.st_ino)
            return QStringLiteral("Le fichier ") + quoted
                   + QStringLiteral(" est lu pour ce travail : il ne peut pas en être aussi le résultat.");
    }
    return QString();
}

mode_t modeFor(const QString &target)
{
    struct stat info {};
    if (::stat(QFile::encodeName(target).constData(), &info) == 0 && S_ISREG(info.st_mode))
        return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace OutputFile
