#include "PictureFile.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace PictureFile {

QImage load(const QString &path)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return {};
    // A regular file only: opening a pipe or a device could block or
    // never end.
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    QImageReader reader(path);
    return reader.read();
}

QImage Cache::load(const QString &path)
{
    const auto it = m_pictures.constFind(path);
    if (it != m_pictures.constEnd())
        return *it;
    const QImage picture = PictureFile::load(path);
    m_pictures.insert(path, picture);
    return picture;
}

} // namespace PictureFile
