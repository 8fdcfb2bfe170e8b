#include "PictureFile.h"

#include "platform/PictureReader.h"

#include <QDir>

namespace PictureFile {

QImage load(const QString &path)
{
    // A relative path would depend on the current folder; the reader itself
    // refuses anything but a regular file.
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return {};
    return PictureReader::read(path);
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
