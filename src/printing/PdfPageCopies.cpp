#include "PdfPageCopies.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>
#include <exception>
#include <vector>

namespace PdfPageCopies {

bool write(const std::string &in, const std::string &out, int pages)
{
    if (pages < 1)
        return false;
    QPDF pdf;
    QPDFWriter writer(pdf);
    try {
        pdf.setSuppressWarnings(true);
        pdf.processFile(in.c_str());
        QPDFPageDocumentHelper document(pdf);
        const std::vector<QPDFPageObjectHelper> drawn = document.getAllPages();
        if (drawn.size() != 1)
            return false;
        QPDFPageObjectHelper first = drawn.front();
        for (int n = 1; n < pages; ++n) {
            // A new page dictionary whose values are those of the first:
            // the same content stream and resources, by reference. An
            // annotation belongs to one page, so the copies have none.
            QPDFPageObjectHelper copy = first.shallowCopyPage();
            copy.getObjectHandle().removeKey("/Annots");
            document.addPage(copy, false);
        }
        // The streams are written as they were (the pictures are already
        // compressed); the page dictionaries go into compressed object
        // streams, so a thousand of them take a few kilobytes.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setObjectStreamMode(qpdf_o_generate);
    } catch (const std::exception &) {
        return false;
    }
    // Written through a file of our own, whose error state and closing are
    // checked: the library misses a write that fails while the C library
    // empties its buffer (a full disk, a file size limit).
    std::FILE *file = std::fopen(out.c_str(), "wb");
    if (!file)
        return false;
    bool written = false;
    try {
        // The library keeps the name it is given: `out` lives as long as it.
        writer.setOutputFile(out.c_str(), file, false);
        writer.write();
        written = std::fflush(file) == 0 && !std::ferror(file);
    } catch (const std::exception &) {
        written = false;
    }
    return std::fclose(file) == 0 && written;
}

} // namespace PdfPageCopies
