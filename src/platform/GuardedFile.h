#pragma once

#include <QByteArray>
#include <QString>

// Reading a file that a user or a stored path names, without ever blocking
// or running out of memory: only regular files are read (never a folder, a
// device, a pipe or a socket), the file is opened without blocking, and its
// size is capped by the kind of file it should be, far above what a real one
// reaches.
namespace GuardedFile {

// Projects, sheet formats and settings: their real files are a few
// kilobytes.
constexpr qint64 TextCap = 16LL * 1024 * 1024;
// Pictures: a 300-dpi scan of a whole A4 page is about 26 MB.
constexpr qint64 PictureCap = 256LL * 1024 * 1024;

enum class Error { None, Missing, NotRegular, TooLarge, Unreadable };

struct Result {
    QByteArray bytes;
    Error error = Error::None;
    bool ok() const { return error == Error::None; }
};

// The whole content of `path`, or why it was refused.
Result read(const QString &path, qint64 cap);

// At most the first `maxBytes` of `path`, read the same guarded way (a
// regular file of any size; only what is asked for is read).
Result readHead(const QString &path, qint64 maxBytes);

// A French sentence telling why the file named `name` was refused.
QString message(Error error, const QString &name);

} // namespace GuardedFile
