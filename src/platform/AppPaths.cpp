#include "AppPaths.h"

#include "UserAppFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace AppPaths {

namespace {

// The user's folder chosen for an installed program by the last
// resolveAppDir, empty when the folder came from elsewhere.
QString &installedUserDir()
{
    static QString dir;
    return dir;
}

// The installed supplied files of an executable in `executableDir`
// (`executableDir`/../share/brivadune), empty when there are none.
QString installedDataDir(const QString &executableDir)
{
    if (executableDir.isEmpty())
        return {};
    const QFileInfo data(executableDir + QStringLiteral("/../share/brivadune"));
    return data.isDir() ? QDir::cleanPath(data.absoluteFilePath()) : QString();
}

} // namespace

QString resolveAppDir(QStringList &args, const QString &executableDir)
{
    static const QString option = QStringLiteral("--app-dir");
    QString chosen;
    for (qsizetype i = 0; i < args.size();) {
        const QString &arg = args.at(i);
        if (arg == option) {
            // The folder is the next argument; a trailing option names none.
            // When the option is given twice, the last one counts.
            if (i + 1 < args.size()) {
                chosen = args.at(i + 1);
                args.remove(i, 2);
            } else {
                args.remove(i);
            }
        } else if (arg.startsWith(option + u'=')) {
            chosen = arg.mid(option.size() + 1);
            args.remove(i);
        } else {
            ++i;
        }
    }
    if (chosen.isEmpty())
        chosen = qEnvironmentVariable("BRIVADUNE_HOME");
    bool userFolder = false;
    if (chosen.isEmpty()) {
        if (const QString installed = installedDataDir(executableDir); !installed.isEmpty()) {
            chosen = UserAppFolder::defaultPath();
            userFolder = true;
            // A folder that cannot be filled is still the user's: the
            // program reports what it then misses, as in any folder.
            UserAppFolder(installed, chosen).fill();
        }
    }
    if (chosen.isEmpty())
        chosen = executableDir;
    if (chosen.isEmpty())
        chosen = QDir::currentPath();
    const QString dir = QDir::cleanPath(QFileInfo(chosen).absoluteFilePath());
    installedUserDir() = userFolder ? dir : QString();
    return dir;
}

bool projectsInDocuments(const QString &appDir)
{
    return !installedUserDir().isEmpty() && QDir::cleanPath(appDir) == installedUserDir();
}

QString projectsDir(const QString &appDir)
{
    if (!projectsInDocuments(appDir))
        return join(appDir, QStringLiteral("\\Projets"));
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath() + QStringLiteral("/Documents");
    return QDir::cleanPath(documents + QStringLiteral("/Cartes de visite"));
}

QString join(const QString &appDir, const QString &relative)
{
    QString folder = appDir;
    folder.replace(u'\\', u'/');
    QString name = relative;
    name.replace(u'\\', u'/');
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    qsizetype start = 0;
    while (start < name.size() && name.at(start) == u'/')
        ++start;
    name = name.mid(start);
    if (folder == QLatin1String("/"))
        return folder + name;
    if (name.isEmpty())
        return relative.isEmpty() ? folder : folder + u'/';
    return folder + u'/' + name;
}

QString settingsFile(const QString &appDir)
{
    return join(appDir, QStringLiteral("\\Brivadune.ini"));
}

} // namespace AppPaths
