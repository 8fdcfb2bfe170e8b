#include "Shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// xdg-mime is a small shell script; a desktop that does not answer within
// this time is treated as having no program registered.
constexpr int XdgMimeTimeoutMs = 3000;

bool isAddress(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto");
}

} // namespace

bool DesktopShell::open(const QString &target)
{
    if (target.trimmed().isEmpty())
        return false;
    const QUrl asUrl(target.trimmed());
    if (isAddress(asUrl))
        return QDesktopServices::openUrl(asUrl);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(target));
}

bool DesktopShell::openInBrowser(const QString &target)
{
    if (target.trimmed().isEmpty())
        return false;
    // Debian names the user's graphical browser x-www-browser; elsewhere
    // the program registered for web pages is the browser.
    const QString browser = QStandardPaths::findExecutable(QStringLiteral("x-www-browser"));
    if (browser.isEmpty())
        return open(target);
    const QUrl asUrl(target.trimmed());
    const QString url = isAddress(asUrl) ? asUrl.toString() : QUrl::fromLocalFile(target).toString();
    return QProcess::startDetached(browser, {url});
}

QString DesktopShell::defaultProgramFor(const QString &mimeType)
{
    if (mimeType.trimmed().isEmpty())
        return {};
    QProcess query;
    query.setProcessChannelMode(QProcess::SeparateChannels);
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForStarted(XdgMimeTimeoutMs))
        return {};
    query.closeWriteChannel();
    if (!query.waitForFinished(XdgMimeTimeoutMs)) {
        query.kill();
        query.waitForFinished(1000);
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    // The answer is one line naming a desktop entry.
    const QString answer = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    return answer.section(u'\n', 0, 0).trimmed();
}

bool DesktopShell::canBrowse()
{
    return !qEnvironmentVariable("BROWSER").trimmed().isEmpty()
           || !QStandardPaths::findExecutable(QStringLiteral("x-www-browser")).isEmpty()
           || !defaultProgramFor(QStringLiteral("text/html")).isEmpty();
}
