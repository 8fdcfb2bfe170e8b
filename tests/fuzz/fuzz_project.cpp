// Fuzz target: any bytes as a project file. Reading must neither crash nor
// hang nor take memory beyond what the file describes; every value read is
// in range; a project written from what was read, read and written again,
// gives the same values (saving a loaded file is stable).
#include "document/ProjectFile.h"
#include "platform/Encoding.h"

#include <QByteArray>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkLength(const std::optional<float> &v, double low)
{
    if (v)
        check(std::isfinite(*v) && *v >= low && *v <= ProjectFile::MaxLength);
}

void checkInRange(const ProjectData &d)
{
    if (d.width)
        check(*d.width > 0 && *d.width <= ProjectFile::MaxCardSide);
    if (d.height)
        check(*d.height > 0 && *d.height <= ProjectFile::MaxCardSide);
    check(d.labels.size() <= std::size_t(ProjectFile::MaxItems));
    check(d.logos.size() <= std::size_t(ProjectFile::MaxItems));
    for (const ProjectLabel &l : d.labels) {
        check(l.caption.size() <= ProfileFile::MaxValueLength && l.fontName.size() <= ProfileFile::MaxValueLength);
        checkLength(l.fontSize, 0.0);
        checkLength(l.top, -ProjectFile::MaxLength);
        checkLength(l.left, -ProjectFile::MaxLength);
    }
    for (const ProjectLogo &l : d.logos) {
        check(l.tag.size() <= ProfileFile::MaxValueLength);
        checkLength(l.top, -ProjectFile::MaxLength);
        checkLength(l.left, -ProjectFile::MaxLength);
        checkLength(l.width, 0.0);
        checkLength(l.height, 0.0);
        if (!l.stretch)
            check(!l.width && !l.height);
    }
}

// The values a written file keeps: the texts are left out (the reader cuts
// and unquotes them, as the Windows reader does), and the background keys
// its kind does not write.
ProjectData numbersOnly(ProjectData d)
{
    for (ProjectLabel &l : d.labels)
        l.caption = l.fontName = QString();
    for (ProjectLogo &l : d.logos)
        l.tag = QString();
    ProjectBackground &bg = d.background;
    bg.picture = QString();
    if (bg.kind != 1)
        bg.color1 = bg.color2 = bg.color3 = bg.option = std::nullopt;
    return d;
}

ProjectData reread(const ProjectData &d)
{
    ProfileFile profile;
    profile.fromText(Encoding::decode(Encoding::encode(ProjectFile::write(d).toText())));
    return ProjectFile::read(profile);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ProfileFile profile;
    profile.fromText(Encoding::decode(bytes));
    const ProjectData first = ProjectFile::read(profile);
    checkInRange(first);

    // A few bytes ("[LABEL 30000]") may describe a card of thousands of
    // empty items; the round trip is checked on the smaller ones, so that
    // the fuzzer keeps its pace.
    if (first.labels.size() + first.logos.size() > 2000)
        return 0;
    const ProjectData second = reread(first);
    check(second.labels.size() == first.labels.size());
    check(second.logos.size() == first.logos.size());
    check(second.background.kind == first.background.kind);
    const ProjectData third = reread(second);
    check(numbersOnly(third) == numbersOnly(second));
    return 0;
}
