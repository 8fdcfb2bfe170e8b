#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files written on Windows are Windows-1252 with CR LF. We read those
// and UTF-8 (bytes that are valid UTF-8 are taken as UTF-8), and write
// Windows-1252 when every character fits, UTF-8 otherwise, so that no
// character is ever lost.
namespace Encoding {

// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is
// dropped), Windows-1252 otherwise.
QString decode(const QByteArray &bytes);
// Windows-1252 when it fits, else UTF-8. `utf8` tells which was used.
// A text whose Windows-1252 bytes would read back as UTF-8 is written in
// UTF-8, so that decode(encode(text)) is always the text.
QByteArray encode(const QString &text, bool *utf8 = nullptr);

// Windows-1252 bytes as text, every byte read (for text read in pieces
// once its encoding is known).
QString decodeWindows1252(const QByteArray &bytes);

// Splits at CR LF, LF or a lone CR. A final line ending does not make an
// extra empty line.
QStringList splitLines(const QString &text);

} // namespace Encoding
