#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

// The file a program output (an exported picture, a PDF) is written to.
// A symbolic link is followed to the file it finally names, so the link
// stays and its target is replaced; an existing file is replaced only when
// it is a regular file (never a folder, a device, a pipe or a socket) and
// is not one of the files the same job reads.
namespace OutputFile {

// The absolute path `path` finally names, links followed (a link to a file
// not yet made names that file).
QString target(const QString &path);

// Empty when `path` may be written; otherwise a French sentence telling why
// not. `inputs` are the files the job reads.
QString refusal(const QString &path, const QStringList &inputs = {});

// The permissions a new copy of `target` gets: those of the existing file,
// or the usual ones (0666 less the umask) for a new file.
mode_t modeFor(const QString &target);

} // namespace OutputFile
