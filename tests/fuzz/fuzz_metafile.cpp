// Fuzz target: any bytes as a Windows metafile (WMF) and as an enhanced
// metafile (EMF), converted to SVG by the libraries the metafile helper
// runs, and measured from their header. A conversion may fail, never
// crash; what it gives is an SVG document; a natural size is within the
// bounds the reader accepts.
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
    const QByteArray head(reinterpret_cast<const char *>(data), qsizetype(size));
    const QSize natural = Metafile::naturalSize(head);
    FuzzSupport::check(!natural.isValid()
                       || (Metafile::kind(head) != Metafile::Kind::None && natural.width() >= 1
                           && natural.height() >= 1 && natural.width() <= 10000 && natural.height() <= 10000));
    return 0;
}
