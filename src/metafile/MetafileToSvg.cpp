#include "MetafileToSvg.h"

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace MetafileToSvg {

namespace {

bool startsWith(const std::string &bytes, const unsigned char *sig, size_t size, size_t at = 0)
{
    return bytes.size() >= at + size && std::memcmp(bytes.data() + at, sig, size) == 0;
}

bool isEmf(const std::string &bytes)
{
    // The header record (type 1) carries " EMF" at offset 40.
    static const unsigned char type[] = {1, 0, 0, 0};
    static const unsigned char signature[] = {' ', 'E', 'M', 'F'};
    return startsWith(bytes, type, 4) && startsWith(bytes, signature, 4, 40);
}

bool isWmf(const std::string &bytes)
{
    // A placeable metafile's key, or a bare header: type 1 (memory) or 2
    // (disk), a header of 9 words.
    static const unsigned char placeable[] = {0xD7, 0xCD, 0xC6, 0x9A};
    static const unsigned char memory[] = {1, 0, 9, 0};
    static const unsigned char disk[] = {2, 0, 9, 0};
    return startsWith(bytes, placeable, 4) || startsWith(bytes, memory, 4) || startsWith(bytes, disk, 4);
}

// The library owns its API object, the stream and every buffer it hands
// out; the document is copied before all of it goes.
class WmfApi {
public:
    WmfApi()
    {
        wmfAPI_Options options{};
        options.function = wmf_svg_function;
        const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (wmf_api_create(&m_api, flags, &options) != wmf_E_None)
            m_api = nullptr;
    }
    ~WmfApi()
    {
        if (m_api)
            wmf_api_destroy(m_api);
    }
    WmfApi(const WmfApi &) = delete;
    WmfApi &operator=(const WmfApi &) = delete;
    wmfAPI *get() const { return m_api; }

private:
    wmfAPI *m_api = nullptr;
};

} // namespace

std::string fromWmf(const std::string &bytes)
{
    if (!isWmf(bytes))
        return {};
    WmfApi api;
    wmfAPI *API = api.get();
    if (!API)
        return {};
    // The library reads from a buffer it may not change, but asks for a
    // writable one.
    std::vector<unsigned char> input(bytes.begin(), bytes.end());
    if (wmf_mem_open(API, input.data(), long(input.size())) != wmf_E_None)
        return {};
    std::string svg;
    wmfD_Rect bbox;
    if (wmf_scan(API, 0, &bbox) == wmf_E_None) {
        wmf_svg_t *device = WMF_SVG_GetData(API);
        device->out = wmf_stream_create(API, nullptr);
        device->Description = const_cast<char *>("");
        device->bbox = bbox;
        device->flags |= WMF_SVG_INLINE_IMAGES;
        unsigned int width = 0;
        unsigned int height = 0;
        if (device->out && wmf_display_size(API, &width, &height, 96, 96) == wmf_E_None && width > 0
            && height > 0) {
            device->width = width;
            device->height = height;
            const bool played = wmf_play(API, 0, &bbox) == wmf_E_None;
            char *text = nullptr;
            unsigned long length = 0;
            wmf_stream_destroy(API, device->out, &text, &length);
            device->out = nullptr;
            if (played && text)
                svg.assign(text, length);
        }
    }
    wmf_mem_close(API);
    return svg;
}

std::string fromEmf(const std::string &bytes)
{
    if (!isEmf(bytes))
        return {};
    generatorOptions options{};
    options.nameSpace = const_cast<char *>("");
    options.verbose = false;
    options.emfplus = false;
    options.svgDelimiter = true;
    std::vector<char> input(bytes.begin(), bytes.end());
    char *out = nullptr;
    size_t length = 0;
    const int ok = emf2svg(input.data(), input.size(), &out, &length, &options);
    std::string svg;
    if (ok && out)
        svg.assign(out, length);
    std::free(out);
    return svg;
}

std::string convert(const std::string &bytes)
{
    return isEmf(bytes) ? fromEmf(bytes) : fromWmf(bytes);
}

} // namespace MetafileToSvg
