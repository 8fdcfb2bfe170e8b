#include "HelpOpener.h"

#include "AppPaths.h"
#include "Prompts.h"
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

QString HelpOpener::noReaderMessage(const QString &page)
{
    return QStringLiteral("Aucun programme ne peut afficher l'aide.\r\n"
                          "Installez un navigateur web (par exemple firefox-esr) ou un lecteur d'aide "
                          "(xchm), ou ouvrez vous-même cette page avec un navigateur : ")
           + page;
}

void HelpOpener::tellNoReader(const QString &page)
{
    if (m_prompts)
        m_prompts->msgBox(noReaderMessage(page), Msg::Information);
}

void HelpOpener::openHelp(const QString &appDir, const QString &topic)
{
    const QString chm = chmPath(appDir);
    const bool viewer = isFile(chm) && !m_shell.defaultProgramFor(chmMimeType()).isEmpty();
    if (viewer && !validTopic(topic)) {
        m_shell.open(chm);
        return;
    }
    QString page = pagePath(appDir, topic);
    if (!isFile(page))
        page = pagePath(appDir);
    if (isFile(page) && m_shell.canBrowse()) {
        m_shell.openInBrowser(page);
        return;
    }
    // A topic with no browser: the compiled help, on its first page. No
    // help at all: the help file as the menu always opened it (a missing
    // document says nothing).
    if (viewer || !isFile(page)) {
        m_shell.open(chm);
        return;
    }
    tellNoReader(page);
}

void HelpOpener::openAboutPage(const QString &appDir)
{
    const QString page = pagePath(appDir, QStringLiteral("apropos"));
    if (m_shell.canBrowse())
        m_shell.openInBrowser(page);
    else
        tellNoReader(page);
}
