#pragma once

#include <QString>

// Every sheet of a print job is the same: the job's PDF is drawn with one
// sheet, then given its other pages as copies of the first, each a small
// page object that shows the first page's content and resources. The file
// stays a few hundred bytes per sheet larger instead of a whole sheet's
// drawing, and the pictures, fonts and drawing are stored once.
namespace PdfPageRepeat {

// Appends to the one-page PDF at `path` (as Qt's PDF writer makes it) an
// update that gives it `pages` pages, all like the first. False, with the
// file as it was, when the file is not such a PDF or cannot be written.
bool repeat(const QString &path, int pages);

} // namespace PdfPageRepeat
