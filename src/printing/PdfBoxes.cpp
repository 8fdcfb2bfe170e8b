#include "PdfBoxes.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <vector>

namespace PdfBoxes {

namespace {

// PDF coordinates run up from the bottom left corner; the page's top edge
// is `top` points up.
QPDFObjectHandle::Rectangle fromBottom(const Rect &r, double top)
{
    return {r.left, top - r.bottom, r.right, top - r.top};
}

} // namespace

bool copyWithBoxes(const std::string &in, const std::string &out, const Rect &trim, const Rect &bleed)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(in.c_str());
        const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
        if (pages.size() != 1)
            return false;
        QPDFObjectHandle page = pages.front().getObjectHandle();
        // The drawing hangs from the top of the page as written, whose size
        // is a whole number of points.
        const double top = page.getKey("/MediaBox").getArrayAsRectangle().ury;
        page.replaceKey("/TrimBox", QPDFObjectHandle::newArray(fromBottom(trim, top)));
        page.replaceKey("/BleedBox", QPDFObjectHandle::newArray(fromBottom(bleed, top)));
        // The library keeps the names it is given: `out` lives as long as it.
        QPDFWriter writer(pdf, out.c_str());
        writer.write();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace PdfBoxes
