#pragma once

#include <string>

// Every sheet of a print job is the same: the job's PDF is drawn with one
// sheet, then given its other pages as copies of the first, each a small
// page object that shows the first page's content and resources. The
// pictures, fonts and drawing are stored once, and a further sheet costs a
// few bytes of a compressed object stream. Done by libqpdf and kept apart
// from the rest of the program, in plain C++: the library's headers compile
// only as C++17 under clang.
namespace PdfPageCopies {

// Writes to `out` the one-page PDF `in` with `pages` pages, all like the
// first. False when `in` is not a readable one-page PDF or `out` cannot be
// written; `in` is never changed.
bool write(const std::string &in, const std::string &out, int pages);

} // namespace PdfPageCopies
