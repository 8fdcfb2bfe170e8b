#pragma once

#include <QStringList>

class QMimeData;

// What a drag and drop from a file manager carries: its local files.
namespace DroppedFiles {

// The local files named by the data's addresses, in order (none for
// remote addresses or data without addresses).
QStringList localFiles(const QMimeData *data);

// Those of them named as card projects (".prj", in any case).
QStringList projects(const QMimeData *data);

} // namespace DroppedFiles
