// Start-up, panel layout, autosave and the quit confirmation of the main
// frame.
#include "frmMenu.h"

#include "Autosave.h"
#include "CardWindows.h"
#include "FileHandover.h"
#include "FrameMenus.h"
#include "FrameStatusBar.h"
#include "Settings.h"
#include "SingleInstance.h"
#include "panel/ToolPanel.h"
#include "platform/AppPaths.h"
#include "platform/Prompts.h"
#include "platform/RuntimeFolder.h"
#include "widgets/ClickSound.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

bool frmMenu::MDIForm_Load()
{
    const QString &appDir = m_services.appDir;
    QString notPrivate;
    if (RuntimeFolder::path(&notPrivate).isEmpty()) {
        m_services.prompts->msgBox(notPrivate, Msg::OkOnly | Msg::Critical);
        return false;
    }
    m_instance = std::make_unique<SingleInstance>(appDir);
    if (!m_instance->tryAcquire()) {
        // Files to open go to the running program, which opens them.
        if (!m_startupFiles.isEmpty() && FileHandover::send(appDir, m_startupFiles))
            return false;
        m_services.prompts->msgBox(QStringLiteral("Attention cette application est déjà active."), Msg::OkOnly | Msg::Information,
                         QStringLiteral("Message à l'utilisateur"));
        return false;
    }
    listenForFiles();
    centreOnScreen();
    // The buttons' click sound comes from the application folder.
    ClickSound::setFolder(appDir);
    // From here on a failing step does not stop the start.
    createProjectsFolder();
    m_panel->Niveau()->setCurrentIndex(1);
    Lire_Options();
    m_panel->Tab1_Click();
    // Project files named on the command line open once the frame is up.
    QTimer::singleShot(0, this, [this] { openProjectFiles(m_startupFiles); });
    return true;
}

void frmMenu::centreOnScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void frmMenu::createProjectsFolder()
{
    // An existing folder, or an application folder we may not write to,
    // is no reason to stop. A folder among the user's documents waits for
    // the first save.
    if (!AppPaths::projectsInDocuments(m_services.appDir))
        QDir().mkpath(AppPaths::projectsDir(m_services.appDir));
}

void frmMenu::Lire_Options()
{
    Settings::read(*this);
    m_recents.load(Settings::filePath(m_services.appDir));
}

void frmMenu::Ecrire_Options()
{
    // Quitting goes on; the user hears of it once, not at every attempt
    // to quit that a card window holds back.
    if (Settings::write(*this) || m_settingsFailureShown)
        return;
    m_settingsFailureShown = true;
    m_services.prompts->msgBox(QStringLiteral("Les options n'ont pas pu être enregistrées dans le fichier \"")
                         + Settings::filePath(m_services.appDir)
                         + QStringLiteral("\" : les options actuelles seront perdues à la fermeture."),
                     Msg::Exclamation);
}

void frmMenu::showBar(int viewIndex, bool visible)
{
    QAction *item = m_menus->action(Menu::View, viewIndex);
    QWidget *bar = nullptr;
    switch (viewIndex) {
    case 0: bar = m_menus->toolbar(); break;
    case 1: bar = m_panel; break;
    case 2: bar = m_status; break;
    default: return;
    }
    item->setChecked(visible);
    bar->setVisible(visible);
}

bool frmMenu::barShown(int viewIndex) const
{
    const QAction *item = m_menus->action(Menu::View, viewIndex);
    return viewIndex >= 0 && viewIndex <= 2 && item->isChecked();
}

// --- Closing ----------------------------------------------------------------

bool frmMenu::MDIForm_QueryUnload()
{
    // The picture handed to an outside editor goes, whatever the answer.
    QFile::remove(AppPaths::join(m_services.appDir, QStringLiteral("\\Tempo.bmp")));
    const int answer = m_services.prompts->msgBox(QStringLiteral("Souhaitez-vous vraiment quitter l'application ?"),
                                        Msg::YesNo | Msg::Question | Msg::DefaultButton2,
                                        QStringLiteral("Quitter Brivadune"));
    if (answer != Msg::Yes)
        return false;
    Ecrire_Options();
    // Each card window asks about saving; one that refuses keeps the
    // application open.
    return m_windows->closeAll();
}

void frmMenu::closeEvent(QCloseEvent *event)
{
    if (!MDIForm_QueryUnload()) {
        event->ignore();
        return;
    }
    m_autosave->Timer1()->stop();
    event->accept();
}

bool frmMenu::eventFilter(QObject *watched, QEvent *event)
{
    QMdiArea *area = m_windows ? m_windows->area() : nullptr;
    if (watched == m_panel && event->type() == QEvent::Resize) {
        m_panel->layoutPages();
    } else if (area && watched == area->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // A double click on the empty background opens a project file; one
        // that a card window left unhandled arrives here too and is not
        // on the background.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && !area->viewport()->childAt(mouse->position().toPoint())) {
            Mnu_Outfich_Click(1);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

DialogRunner &frmMenu::dialogRunner()
{
    return m_services.dialogs ? *m_services.dialogs : m_modalRunner;
}

int frmMenu::runModal(QDialog &dialog)
{
    return dialogRunner().run(dialog);
}
