// Fuzz target: any bytes as a profile (INI) file. Decoding, parsing, every
// lookup and writing back must neither crash nor take more than linear time.
#include "platform/Encoding.h"
#include "platform/ProfileFile.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ProfileFile profile;
    profile.fromText(Encoding::decode(bytes));

    for (const QString &section : profile.sections()) {
        if (!profile.hasSection(section))
            std::abort();
        for (const QString &key : profile.keys(section)) {
            const QString value = profile.readString(section, key);
            if (value.size() > ProfileFile::MaxValueLength || !profile.contains(section, key))
                std::abort();
        }
    }

    // What is written reads back with the same sections and values.
    const QString text = profile.toText();
    ProfileFile again;
    again.fromText(Encoding::decode(Encoding::encode(text)));
    if (again.sections().size() != profile.sections().size())
        std::abort();
    for (const QString &section : profile.sections()) {
        for (const QString &key : profile.keys(section)) {
            if (again.readString(section, key) != profile.readString(section, key))
                std::abort();
        }
    }

    // Writing keys keeps the profile consistent.
    profile.writeString(QStringLiteral("FUZZ"), QStringLiteral("Key"), QString::fromUtf8(bytes.left(300)));
    if (!profile.contains(QStringLiteral("fuzz"), QStringLiteral("KEY")))
        std::abort();
    return 0;
}
