// Project files handed over by a second start of the program.
#include "frmMenu.h"

#include "FileHandover.h"

#include <QApplication>
#include <QTimer>
#include <utility>

namespace {

// How often files waiting for a modal window to close look again.
constexpr int ModalRetryMs = 250;

} // namespace

void frmMenu::listenForFiles()
{
    m_handover = std::make_unique<FileHandover>(m_services.appDir);
    connect(m_handover.get(), &FileHandover::filesReceived, this, &frmMenu::receiveFiles);
    // Without the socket a second start says the program is running, as
    // it always did.
    m_handover->listen();
}

void frmMenu::receiveFiles(const QStringList &files)
{
    const bool waiting = !m_receivedFiles.isEmpty();
    m_receivedFiles += files;
    if (!waiting)
        openReceivedFiles();
}

void frmMenu::openReceivedFiles()
{
    if (m_receivedFiles.isEmpty())
        return;
    // A command waiting for a dialog or a message must not find its card
    // window changed under it.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(ModalRetryMs, this, &frmMenu::openReceivedFiles);
        return;
    }
    const QStringList files = std::exchange(m_receivedFiles, {});
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    openProjectFiles(files);
}
