// Fuzz target: any bytes as a profile (INI) file. Decoding, parsing, every
// lookup and writing back must neither crash nor take more than linear time.
#include "FuzzSupport.h"
#include "platform/Encoding.h"
#include "platform/ProfileFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using FuzzSupport::check;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ProfileFile profile;
    profile.fromText(Encoding::decode(bytes));

    // Every listed key is found again by its name, cut to the value limit;
    // what is written reads back with the same sections and values.
    ProfileFile again;
    again.fromText(Encoding::decode(Encoding::encode(profile.toText())));
    check(again.sections().size() == profile.sections().size());
    for (const QString &section : profile.sections()) {
        for (const QString &key : profile.keys(section)) {
            const QString value = profile.readString(section, key);
            check(value.size() <= ProfileFile::MaxValueLength && profile.contains(section, key)
                  && again.readString(section, key) == value);
        }
    }

    // Writing keys keeps the profile consistent.
    profile.writeString(QStringLiteral("FUZZ"), QStringLiteral("Key"), QString::fromUtf8(bytes.left(300)));
    check(profile.contains(QStringLiteral("fuzz"), QStringLiteral("KEY")));
    return 0;
}
