// The frame's ways to a project besides "Ouvrir": the recent projects of the
// File menu, and project files dropped on the frame.
#include "frmMenu.h"

#include "FrameMenus.h"
#include "Settings.h"
#include "platform/DroppedFiles.h"
#include "platform/Prompts.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>

namespace {

// "&3 Carte.prj  (~/Cartes)": the place as a shortcut, the file, its folder.
QString recentCaption(int place, const QString &path)
{
    const QFileInfo file(path);
    QString folder = QDir::toNativeSeparators(file.absolutePath());
    const QString home = QDir::homePath();
    if (folder == home || folder.startsWith(home + u'/'))
        folder = u'~' + folder.mid(home.size());
    QString caption = file.fileName() + QStringLiteral("  (") + folder + u')';
    return u'&' + QString::number(place) + u' ' + caption.replace(u'&', QStringLiteral("&&"));
}

} // namespace

void frmMenu::rememberProject(const QString &path)
{
    m_recents.add(path);
    // A settings file that cannot be written is reported when the options
    // are written on quitting.
    m_recents.save(Settings::filePath(m_services.appDir));
}

void frmMenu::fillRecentList()
{
    QMenu *list = m_menus->recentList();
    list->clear();
    const QStringList files = m_recents.files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QAction *item = list->addAction(recentCaption(i + 1, path));
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, path] { openRecentProject(path); });
    }
}

void frmMenu::openRecentProject(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        m_recents.remove(path);
        m_recents.save(Settings::filePath(m_services.appDir));
        m_services.prompts->msgBox(QStringLiteral("Le fichier \"") + path
                                       + QStringLiteral("\" n'existe plus : il est retiré des projets récents."),
                                   Msg::Exclamation);
        return;
    }
    openProjectFiles({path});
}

void frmMenu::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedFiles::projects(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMenu::dropEvent(QDropEvent *event)
{
    const QStringList projects = DroppedFiles::projects(event->mimeData());
    if (projects.isEmpty())
        return;
    event->acceptProposedAction();
    openProjectFiles(projects);
}
