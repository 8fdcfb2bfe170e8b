// Start-up, panel layout, autosave and the quit confirmation of the main
// frame.
#include "frmMenu.h"

#include "FileHandover.h"
#include "FrameLayout.h"
#include "Settings.h"
#include "SingleInstance.h"
#include "TabStrip.h"
#include "document/frmProjet.h"
#include "platform/AppPaths.h"
#include "platform/Prompts.h"
#include "platform/Units.h"
#include "widgets/ClickSound.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

const char *const AutosaveText =
    "Cette option vous permet de sauvegarder votre travail automatiquement.\r\n\r\n"
    "1. La sauvegarde s'effectue par défaut toutes les 60 secondes.\r\n"
    "2. Si l'option est désactivée il faudra enregistrer votre travail manuellement.";

constexpr int AutosaveInterval = 60000;

} // namespace

bool frmMenu::MDIForm_Load()
{
    m_instance = std::make_unique<SingleInstance>(appDir());
    if (!m_instance->tryAcquire()) {
        // Files to open go to the running program, which opens them.
        if (!m_startupFiles.isEmpty() && FileHandover::send(appDir(), m_startupFiles))
            return false;
        prompts().msgBox(QStringLiteral("Attention cette application est déjà active."), Msg::OkOnly | Msg::Information,
                         QStringLiteral("Message à l'utilisateur"));
        return false;
    }
    listenForFiles();
    centreOnScreen();
    // The swatches' gradient painter reports through the frame's prompts;
    // the buttons' click sound comes from the application folder.
    m_gradient.setPrompts(&prompts());
    ClickSound::setFolder(appDir());
    // From here on a failing step does not stop the start.
    createProjectsFolder();
    Niveau()->setCurrentIndex(1);
    Lire_Options();
    Tab1_Click();
    // Project files named on the command line open once the frame is up.
    QTimer::singleShot(0, this, &frmMenu::openStartupFiles);
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
    // is no reason to stop.
    QDir().mkpath(AppPaths::join(appDir(), QStringLiteral("\\Projets")));
}

void frmMenu::Lire_Options()
{
    Settings::read(*this);
}

void frmMenu::Ecrire_Options()
{
    // Quitting goes on; the user hears of it once, not at every attempt
    // to quit that a card window holds back.
    if (Settings::write(*this) || m_settingsFailureShown)
        return;
    m_settingsFailureShown = true;
    prompts().msgBox(QStringLiteral("Les options n'ont pas pu être enregistrées dans le fichier \"")
                         + Settings::filePath(appDir())
                         + QStringLiteral("\" : les options actuelles seront perdues à la fermeture."),
                     Msg::Exclamation);
}

void frmMenu::MDIForm_Resize()
{
    // Sizes the platform refuses (a panel smaller than the offsets) skip
    // their step.
    m_toolbar2->setFixedWidth(Units::toPixels(FrameLayout::PanelWidth));
    m_tab1->move(Units::toPixels(FrameLayout::Tab1Left), Units::toPixels(FrameLayout::Tab1Top));
    const double tabHeight = Units::fromPixels(m_toolbar2->height()) - FrameLayout::Tab1HeightMargin;
    if (tabHeight >= 0) {
        m_tab1HeightTwips = tabHeight;
        m_tab1->resize(Units::toPixels(FrameLayout::Tab1Width), Units::toPixels(tabHeight));
    }
    const double pageHeight = m_tab1HeightTwips - FrameLayout::PageHeightMargin;
    if (QWidget *page = PictA(selectedTab()); page && pageHeight >= 0)
        page->resize(page->width(), Units::toPixels(pageHeight));
}

void frmMenu::showBar(int viewIndex, bool visible)
{
    QAction *item = menuAction(QStringLiteral("Mnu_OutAff"), viewIndex);
    QWidget *bar = nullptr;
    switch (viewIndex) {
    case 0: bar = m_toolbar1; break;
    case 1: bar = m_toolbar2; break;
    case 2: bar = statusBar(); break;
    default: return;
    }
    item->setChecked(visible);
    bar->setVisible(visible);
}

bool frmMenu::barShown(int viewIndex) const
{
    const QAction *item = menuAction(QStringLiteral("Mnu_OutAff"), viewIndex);
    return viewIndex >= 0 && viewIndex <= 2 && item->isChecked();
}

// --- Autosave ---------------------------------------------------------------

void frmMenu::Check1_Click(int index)
{
    // Elements 0, 2 and 3 are read where they matter (the card window, the
    // page switching, the settings).
    if (index != 1)
        return;
    if (!Check1(1)->isChecked()) {
        m_timer1->stop();
        return;
    }
    const int answer = prompts().msgBox(QString::fromUtf8(AutosaveText),
                                        Msg::OkCancel | Msg::Information | Msg::DefaultButton2,
                                        QStringLiteral("Informations"));
    if (answer == Msg::Ok) {
        m_timer1->setInterval(AutosaveInterval);
        m_timer1->start();
    } else {
        m_timer1->stop();
        Check1(1)->setChecked(false);
    }
}

void frmMenu::Timer1_Timer()
{
    frmProjet *card = activeCard();
    if (!card)
        return;
    if (card->Tag().isEmpty()) {
        Sauver_unProjet(true);
    } else {
        Sauver_unProjet(false);
        if (m_services.beep)
            m_services.beep();
    }
}

// --- Closing ----------------------------------------------------------------

bool frmMenu::MDIForm_QueryUnload()
{
    // The picture handed to an outside editor goes, whatever the answer.
    QFile::remove(AppPaths::join(appDir(), QStringLiteral("\\Tempo.bmp")));
    const int answer = prompts().msgBox(QStringLiteral("Souhaitez-vous vraiment quitter l'application ?"),
                                        Msg::YesNo | Msg::Question | Msg::DefaultButton2,
                                        QStringLiteral("Quitter Brivadune"));
    if (answer != Msg::Yes)
        return false;
    Ecrire_Options();
    // Each card window asks about saving; one that refuses keeps the
    // application open.
    return closeAllCards();
}

void frmMenu::closeEvent(QCloseEvent *event)
{
    if (!MDIForm_QueryUnload()) {
        event->ignore();
        return;
    }
    m_timer1->stop();
    event->accept();
}

bool frmMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_toolbar2 && event->type() == QEvent::Resize) {
        MDIForm_Resize();
    } else if (m_mdi && watched == m_mdi->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // A double click on the empty background opens a project file; one
        // that a card window left unhandled arrives here too and is not
        // on the background.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && !m_mdi->viewport()->childAt(mouse->position().toPoint())) {
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
