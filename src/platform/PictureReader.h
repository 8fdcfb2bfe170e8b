#pragma once

#include <QImage>
#include <QString>

// The one way every picture named by a file is read (a logo, a background,
// a library picture, a scan): through GuardedFile, so a pipe, a device, a
// folder or a huge file never blocks nor exhausts memory, then decoded
// within Qt's own pixel limit. The orientation stored in the file is
// applied. A Windows metafile (WMF, EMF) is converted by the metafile
// helper and keeps its vector form beside its pixels (VectorPicture).
namespace PictureReader {

// The picture, or a null image when the file cannot be read as one.
QImage read(const QString &path);

// The same, from bytes already read (`name` gives the format hint by its
// extension).
QImage decode(const QByteArray &bytes, const QString &name);

// Whether `path` names a regular file that starts like a picture Qt can
// decode. Only the file's first bytes are read and nothing is decoded, so
// a truncated or damaged picture may still pass; read() has the last word.
bool canRead(const QString &path);

} // namespace PictureReader
