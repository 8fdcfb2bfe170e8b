#include "PrintProgress.h"

#include <QCoreApplication>

PrintProgress::PrintProgress(int sheets, int threshold, QWidget *parent)
{
    if (sheets <= threshold)
        return;
    m_dialog = new QProgressDialog(labelText(0, sheets), QStringLiteral("Annuler"), 0, sheets, parent);
    m_dialog->setWindowTitle(QStringLiteral("Impression"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    // Shown at once; its first events run after the first sheet.
    m_dialog->setMinimumDuration(0);
    m_dialog->show();
}

PrintProgress::~PrintProgress()
{
    delete m_dialog;
}

bool PrintProgress::sheetDone(int done, int total)
{
    if (!m_dialog) {
        QCoreApplication::processEvents();
        return true;
    }
    m_dialog->setLabelText(labelText(done, total));
    // A window-modal dialog lets the events through while it shows.
    m_dialog->setValue(done);
    QCoreApplication::processEvents();
    return !m_dialog->wasCanceled();
}

QString PrintProgress::labelText(int done, int total)
{
    return QStringLiteral("Impression des planches : %1 sur %2").arg(done).arg(total);
}
