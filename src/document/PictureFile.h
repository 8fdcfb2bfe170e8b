#pragma once

#include <QHash>
#include <QImage>
#include <QString>

// Pictures named by a path held in a project file (a logo's tag, the
// background picture). Such a path is data: it is only ever read as a
// picture, and only when it is an absolute path to an existing regular
// file here; anything else (a Windows path such as D:\Cartes\logo.bmp, a
// relative path, a folder, a device or a pipe) gives a null picture.
namespace PictureFile {

// The decoded picture, or a null image.
QImage load(const QString &path);

// Decodes each path once: many logos sharing one file cost one decoding.
class Cache {
public:
    QImage load(const QString &path);

private:
    QHash<QString, QImage> m_pictures;
};

} // namespace PictureFile
