// Fuzz target: any bytes as a picture file read through the guarded reader;
// the first byte picks the extension (the format hint). Decoding may fail,
// never crash nor hang; a picture stays within Qt's allocation limit; reading
// the file and decoding the same bytes give the same picture.
#include "FuzzSupport.h"
#include "platform/PictureReader.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdint>

namespace {

using FuzzSupport::check;

// Every extension a picture may have, and one naming no format.
constexpr const char *Extensions[] = {"bmp", "jpg", "png", "gif", "ico",  "svg",  "tif",
                                      "webp", "pbm", "xpm", "tga", "wbmp", "icns", "dat"};
constexpr int ExtensionCount = int(sizeof Extensions / sizeof *Extensions);
constexpr int SizeClasses = 8;

// Qt's decoders are not built for coverage: these counters, which libFuzzer
// reads as coverage, tell inputs apart by the hint, format and size decoded.
__attribute__((used, section("__libfuzzer_extra_counters")))
std::uint8_t outcomes[ExtensionCount][QImage::NImageFormats][SizeClasses][SizeClasses];

int sizeClass(int pixels)
{
    int c = 0;
    for (; pixels > 1 && c < SizeClasses - 1; pixels >>= 2)
        ++c;
    return c;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::startGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int extension = data[0] % ExtensionCount;
    const QString name = QStringLiteral("image.") + QLatin1String(Extensions[extension]);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    QFile file(FuzzSupport::scratchFolder().filePath(name));
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    file.close();

    const QImage read = PictureReader::read(file.fileName());
    const QImage decoded = PictureReader::decode(bytes, name);
    check(read.isNull() == decoded.isNull());
    if (!read.isNull()) {
        check(read.size() == decoded.size() && read.format() == decoded.format() && read.width() > 0
              && read.height() > 0 && read.sizeInBytes() <= qsizetype(QImageReader::allocationLimit()) * 1024 * 1024);
        ++outcomes[extension][read.format()][sizeClass(read.width())][sizeClass(read.height())];
    }
    file.remove();
    return 0;
}
