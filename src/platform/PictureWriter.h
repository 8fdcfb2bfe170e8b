#pragma once

#include <QImage>
#include <QString>

// Writes a picture file whole or not at all: the picture goes to a
// temporary file beside the target, which then replaces the target with
// one rename, so a failed write never leaves a cut-off picture nor destroys
// the file it was to replace.
namespace PictureWriter {

// `format` is "BMP" (24-bit, no alpha) or "PNG". False when the file could
// not be written.
bool write(const QImage &image, const QString &path, const char *format);

} // namespace PictureWriter
