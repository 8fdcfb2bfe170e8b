// Picture files dropped on the card window: new logos, or the background.
#include "frmProjet.h"

#include "platform/DroppedFiles.h"
#include "platform/PictureReader.h"

#include <QDragEnterEvent>
#include <QDropEvent>

namespace {

// The dropped files that start like a picture (read() still decides).
QStringList pictures(const QMimeData *data)
{
    QStringList files = DroppedFiles::localFiles(data);
    files.removeIf([](const QString &file) { return !PictureReader::canRead(file); });
    return files;
}

} // namespace

void frmProjet::dragEnterEvent(QDragEnterEvent *event)
{
    if (!pictures(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void frmProjet::dropEvent(QDropEvent *event)
{
    const QStringList files = pictures(event->mimeData());
    if (files.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (event->modifiers() & Qt::ShiftModifier) {
        setBackgroundPicture(files.first());
        return;
    }
    // The drop point on the card, in twips; several pictures go down and
    // to the right of each other, one step of the history in all.
    const QPoint onView = m_view->mapFrom(this, event->position().toPoint());
    QPointF place = QPointF(onView) * m_view->twipsPerPixel();
    const Edit edit(this, QStringLiteral("Ajouter un logo"));
    for (const QString &file : files) {
        if (addLogoPicture(file, place))
            place += QPointF(240, 240);
    }
}
