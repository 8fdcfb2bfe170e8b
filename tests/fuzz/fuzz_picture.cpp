// Fuzz target: any bytes as a picture file named by a project or chosen by
// the user, read through the guarded reader as the program reads a logo or
// a background. The first byte picks the file's extension (the format
// hint), the rest is the file. Decoding may fail, never crash nor hang;
// a picture read stays within Qt's allocation limit; reading the file and
// decoding the same bytes give the same picture.
#include "FuzzSupport.h"
#include "platform/PictureReader.h"

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <cstdint>
#include <cstdlib>

namespace {

using FuzzSupport::check;

// Every extension a picture of the program may have, and one that names no
// format: the content decides then.
constexpr const char *Extensions[] = {"bmp", "jpg", "png", "gif", "ico", "svg", "tif", "webp",
                                      "pbm", "xpm", "tga", "wbmp", "icns", "dat"};
constexpr int ExtensionCount = int(sizeof Extensions / sizeof *Extensions);
constexpr int SizeClasses = 8;

// Qt's decoders are not built for coverage, so the fuzzer would see every
// input as the same and cut the seeds down to nothing. These counters,
// which libFuzzer reads as coverage, tell inputs apart by what was decoded:
// the hint, the pixel format and the size class of each side.
__attribute__((used, section("__libfuzzer_extra_counters")))
std::uint8_t outcomes[ExtensionCount][QImage::NImageFormats][SizeClasses][SizeClasses];

int sizeClass(int pixels)
{
    int c = 0;
    while (pixels > 1 && c < SizeClasses - 1) {
        pixels >>= 2;
        ++c;
    }
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

    const QString path = FuzzSupport::scratchFolder().filePath(name);
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    file.close();

    const QImage read = PictureReader::read(path);
    const QImage decoded = PictureReader::decode(bytes, name);
    check(read.isNull() == decoded.isNull());
    if (!read.isNull()) {
        check(read.size() == decoded.size() && read.format() == decoded.format());
        check(read.width() > 0 && read.height() > 0);
        check(read.sizeInBytes() <= qsizetype(QImageReader::allocationLimit()) * 1024 * 1024);
        ++outcomes[extension][read.format()][sizeClass(read.width())][sizeClass(read.height())];
    }
    QFile::remove(path);
    return 0;
}
