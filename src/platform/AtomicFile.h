#pragma once

#include <QByteArray>
#include <QString>

// Writing a whole file so that it is either fully replaced or left as it
// was: the bytes go to a temporary copy beside the file, are flushed to the
// disk (a failed flush fails the write), and the copy then replaces the file
// with one rename.
//
// The temporary copy is named ".<file name>.brivadune-XXXXXX", a name only
// this program makes: a copy left by a crash is recognised and removed by a
// later save in the same folder once it is a day old, as is a print job's
// file (".<file name>.brivadune-XXXXXX.part"). Nothing else is ever
// removed.
namespace AtomicFile {

// What becomes of a symbolic link at the name written: kept, the file it
// points to replaced (Follow), or itself replaced by the file (Replace), for
// a file whose folder others could plant a link in.
enum class Links { Follow, Replace };

// False when any step fails; the old file is then untouched and no copy is
// left behind. A symbolic link is treated as `links` says.
// An existing file's permissions are kept; a new file gets the usual ones.
// A folder, a device or a pipe at that name is never replaced (false).
bool write(const QString &path, const QByteArray &bytes, Links links = Links::Follow);

// Removes, in `folder`, this program's temporary copies and print job
// files a day old or more: what a crash left behind.
void removeStaleCopies(const QString &folder);

// The flush used after writing (fdatasync); tests replace it to see a disk
// that fails to flush. Passing nullptr restores the real one.
using SyncFunction = int (*)(int fd);
void setSyncFunction(SyncFunction sync);

} // namespace AtomicFile
