// Fuzz target: any bytes as a project file, opened as the card window opens
// one: read, applied to a new card document (labels measured in their
// fonts, logos' pictures read through the cache, the background set), then
// described back as saving does. Nothing may crash, hang or take memory
// beyond what the file describes; every value read is in range; the card
// holds exactly the items the file describes, stacked in file order; and a
// card saved and opened again gives the same card (saving a loaded file is
// stable).
#include "FuzzSupport.h"
#include "document/CardProject.h"
#include "document/ProjectFile.h"
#include "platform/Encoding.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

using FuzzSupport::check;

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

const QImage &placeholder()
{
    static const QImage image = [] {
        QImage p(8, 6, QImage::Format_RGB32);
        p.fill(Qt::gray);
        return p;
    }();
    return image;
}

// A new card with the file applied, as opening a project gives.
std::unique_ptr<CardDocument> opened(const ProjectData &data)
{
    auto card = std::make_unique<CardDocument>(placeholder());
    PictureFile::Cache pictures;
    // The reader never describes more items than a card holds.
    check(CardProject::apply(data, *card, placeholder(), pictures) == 0);
    return card;
}

// The card holds the file's items, each once, in one stacking order: the
// labels in file order, then the logos in file order on top of them.
void checkCard(const CardDocument &card, const ProjectData &data)
{
    const int labels = int(data.labels.size());
    const int logos = int(data.logos.size());
    check(card.labelCount() == std::max(1, labels));
    check(card.logoCount() == std::max(1, logos));
    const std::vector<CardItemRef> &stack = card.stackingOrder();
    // Label 1 or logo 1 untouched by the file stays at the bottom.
    std::vector<CardItemRef> expected;
    if (logos == 0)
        expected.push_back({CardItemRef::LogoItem, 1});
    if (labels == 0)
        expected.push_back({CardItemRef::LabelItem, 1});
    for (int i = 1; i <= labels; ++i)
        expected.push_back({CardItemRef::LabelItem, i});
    for (int i = 1; i <= logos; ++i)
        expected.push_back({CardItemRef::LogoItem, i});
    check(stack == expected);

    for (int i = 1; i <= labels; ++i) {
        const CardLabel &label = *card.Label(i);
        const ProjectLabel &in = data.labels[std::size_t(i - 1)];
        check(label.Visible && label.AutoSize());
        check(label.Caption() == in.caption && label.FontName() == in.fontName);
        if (in.fontSize)
            check(label.FontSize() == *in.fontSize);
        else if (i > 1) // a new label starts with label 1's look
            check(label.FontSize() == card.Label(1)->FontSize());
        if (in.top)
            check(label.Top == *in.top);
        if (in.left)
            check(label.Left == *in.left);
        // Measured in a font clamped to a drawable size.
        check(std::isfinite(label.Width()) && label.Width() >= 0);
        check(std::isfinite(label.Height()) && label.Height() > 0);
    }
    for (int i = 1; i <= logos; ++i) {
        const CardLogo &logo = *card.Logo(i);
        const ProjectLogo &in = data.logos[std::size_t(i - 1)];
        check(logo.Visible && logo.Tag == in.tag && logo.Stretch() == in.stretch);
        check(!logo.Picture().isNull());
        if (in.stretch && in.width)
            check(logo.Width() == *in.width);
        if (in.stretch && in.height)
            check(logo.Height() == *in.height);
        check(std::isfinite(logo.Width()) && logo.Width() >= 0);
    }
    if (data.background.kind)
        check(card.NumFond == *data.background.kind);
    check(card.Effects.empty());
}

// The values a written file keeps: the texts are left out (the reader cuts
// and unquotes them, as the Windows reader does), and so are the background
// keys its kind does not write.
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

// Saves what a card holds, opens the file again and describes that card.
ProjectData saveAndReopen(const ProjectData &described)
{
    ProfileFile profile;
    profile.fromText(Encoding::decode(Encoding::encode(ProjectFile::write(described).toText())));
    const ProjectData read = ProjectFile::read(profile);
    checkInRange(read);
    auto card = opened(read);
    checkCard(*card, read);
    return CardProject::describe(*card);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::startGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Qt trims its font cache from a timer: the events a running program
    // handles between files are handled here too, or fuzzed font names and
    // sizes would fill memory.
    static unsigned runs = 0;
    if (++runs % 64 == 0)
        QCoreApplication::processEvents();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ProfileFile profile;
    profile.fromText(Encoding::decode(bytes));
    const ProjectData first = ProjectFile::read(profile);
    checkInRange(first);

    auto card = opened(first);
    checkCard(*card, first);
    const ProjectData described = CardProject::describe(*card);
    // Every label is shown (label 1 as a new card has it when the file has
    // none); a logo is saved only with a picture path.
    check(described.labels.size() == std::max<std::size_t>(1, first.labels.size()));
    std::size_t tagged = 0;
    for (const ProjectLogo &logo : first.logos)
        tagged += logo.tag.isEmpty() ? 0 : 1;
    check(described.logos.size() == tagged);

    // Saved and opened once, the card is what saving writes; saved and
    // opened again, it stays the same. A few bytes ("[LABEL 30000]") may
    // describe thousands of empty items: the round trip, which does not
    // depend on their number, is checked on the smaller cards so that the
    // fuzzer keeps its pace.
    if (described.labels.size() + described.logos.size() > 32)
        return 0;
    const ProjectData second = saveAndReopen(described);
    check(second.labels.size() == described.labels.size());
    check(second.logos.size() <= described.logos.size());
    const ProjectData third = saveAndReopen(second);
    check(numbersOnly(third) == numbersOnly(second));
    return 0;
}
