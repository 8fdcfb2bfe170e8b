#pragma once

#include <string>

// The page boxes of a one-page PDF, set by libqpdf. Kept apart from the
// rest of the program, in plain C++: the library's headers compile only as
// C++17 under clang.
namespace PdfBoxes {

// A rectangle in points, measured from the page's top left corner.
struct Rect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// Copies the one-page PDF `in` to `out` with the page's TrimBox and
// BleedBox set; false when the file cannot be read or written as one.
bool copyWithBoxes(const std::string &in, const std::string &out, const Rect &trim, const Rect &bleed);

} // namespace PdfBoxes
