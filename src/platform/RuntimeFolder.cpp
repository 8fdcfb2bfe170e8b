#include "RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace RuntimeFolder {

QString path(QString *error)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    const QString folder = QDir(QDir::tempPath()).filePath(QStringLiteral("brivadune-%1").arg(::geteuid()));
    const QByteArray name = QFile::encodeName(folder);
    struct stat info {};
    // lstat: a link planted at the name is no folder of ours.
    const bool made = ::mkdir(name.constData(), 0700) == 0 || errno == EEXIST;
    if (made && ::lstat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & 077) == 0)
        return folder;
    if (error)
        *error = QStringLiteral("Le dossier \"%1\" n'est pas un dossier privé : il appartient à un autre utilisateur "
                                "ou d'autres peuvent y accéder. Le programme ne peut pas démarrer.")
                     .arg(folder);
    return QString();
}

} // namespace RuntimeFolder
