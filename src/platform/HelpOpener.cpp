#include "HelpOpener.h"

#include "AppPaths.h"
#include "Shell.h"

#include <QFileInfo>

namespace {

bool isFile(const QString &path)
{
    return QFileInfo(path).isFile();
}

// A topic is a page name of the help folder, never a path.
bool validTopic(const QString &topic)
{
    if (topic.isEmpty())
        return false;
    for (const QChar c : topic) {
        if (!(c.isLetterOrNumber() || c == u'-' || c == u'_'))
            return false;
    }
    return true;
}

} // namespace

QString HelpOpener::chmPath(const QString &appDir)
{
    return AppPaths::join(appDir, QStringLiteral("\\Aide.chm"));
}

QString HelpOpener::pagePath(const QString &appDir, const QString &topic)
{
    const QString page = validTopic(topic) ? topic : QStringLiteral("index");
    return AppPaths::join(appDir, QStringLiteral("\\Aide\\") + page + QStringLiteral(".html"));
}

HelpOpener::Target HelpOpener::helpTarget(const QString &appDir, const QString &topic) const
{
    const QString chm = chmPath(appDir);
    if (isFile(chm) && !m_shell.defaultProgramFor(chmMimeType()).isEmpty())
        return {chm, Program::Default};
    const QString page = pagePath(appDir, topic);
    if (isFile(page))
        return {page, Program::Browser};
    const QString index = pagePath(appDir);
    if (isFile(index))
        return {index, Program::Browser};
    // Nothing better to offer: the help file as the menu always opened it
    // (a missing document says nothing).
    return {chm, Program::Default};
}

void HelpOpener::openHelp(const QString &appDir, const QString &topic)
{
    open(helpTarget(appDir, topic));
}

void HelpOpener::openAboutPage(const QString &appDir)
{
    open({pagePath(appDir, QStringLiteral("apropos")), Program::Browser});
}

bool HelpOpener::open(const Target &target)
{
    return target.program == Program::Browser ? m_shell.openInBrowser(target.path) : m_shell.open(target.path);
}
