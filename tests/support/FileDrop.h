#pragma once

// Dropping files on a window in a test, as a file manager does.
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QStringList>
#include <QUrl>

namespace TestSupport {

// Drags local files onto `target` at `at` (its pixels) and drops them there; true when the target took both the drag
// and the drop.
inline bool dropFiles(QObject *target, const QStringList &files, QPoint at, Qt::KeyboardModifiers keys = {})
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, keys);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, keys);
    return QCoreApplication::sendEvent(target, &enter) && enter.isAccepted() && QCoreApplication::sendEvent(target, &drop)
           && drop.isAccepted();
}

} // namespace TestSupport
