#pragma once

#include <string>

// Windows metafiles (WMF, EMF) converted to an SVG document by the
// libraries that read them. These calls cannot be interrupted and trust
// their input more than they should: the program runs them only in a
// child process with limits (the metafile helper).
namespace MetafileToSvg {

// The SVG document, or an empty string when the library cannot read the
// bytes as a metafile of that kind.
std::string fromWmf(const std::string &bytes);
std::string fromEmf(const std::string &bytes);

// Either of the above, by the signature the bytes start with.
std::string convert(const std::string &bytes);

} // namespace MetafileToSvg
