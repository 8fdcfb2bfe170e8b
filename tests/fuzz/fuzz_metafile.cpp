// Fuzz target: any bytes as a Windows metafile (WMF) and as an enhanced
// metafile (EMF), converted to SVG by the libraries the metafile helper
// runs, and measured from their header. A conversion may fail, never
// crash; what it gives is an SVG document.
#include "FuzzSupport.h"
#include "MetafileToSvg.h"
#include "platform/Metafile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    for (const std::string &svg : {MetafileToSvg::fromWmf(bytes), MetafileToSvg::fromEmf(bytes)})
        FuzzSupport::check(svg.empty() || svg.find("<svg") != std::string::npos);
    Metafile::naturalSize(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
