#include "DroppedFiles.h"

#include <QMimeData>
#include <QUrl>

namespace DroppedFiles {

QStringList localFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    const QList<QUrl> urls = data->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}

QStringList projects(const QMimeData *data)
{
    QStringList files = localFiles(data);
    files.removeIf([](const QString &file) { return !file.endsWith(QLatin1String(".prj"), Qt::CaseInsensitive); });
    return files;
}

} // namespace DroppedFiles
