// Fuzz target: any bytes as a project file, read, applied to a new card as
// the card window opens one, then described back as saving does: every value
// read in range; the card holds exactly the items the file describes, stacked
// in file order; saving a loaded card is stable.
#include "FuzzSupport.h"
#include "document/CardProject.h"
#include "document/ProjectFile.h"
#include "platform/Encoding.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

namespace {

using FuzzSupport::check;

// Unset, or a finite length from `low` to the largest a file may give.
template <typename T>
bool length(const std::optional<T> &v, double low, double high = ProjectFile::MaxLength)
{
    return !v || (std::isfinite(*v) && *v >= low && *v <= high);
}

void checkInRange(const ProjectData &d)
{
    const double far = -ProjectFile::MaxLength;
    for (const auto &side : {d.width, d.height})
        check(!side || (*side > 0 && *side <= ProjectFile::MaxCardSide));
    check(d.labels.size() <= std::size_t(ProjectFile::MaxItems) && d.logos.size() <= std::size_t(ProjectFile::MaxItems));
    for (const ProjectLabel &l : d.labels)
        check(l.caption.size() <= ProfileFile::MaxValueLength && l.fontName.size() <= ProfileFile::MaxValueLength
              && length(l.fontSize, 0.0) && length(l.top, far) && length(l.left, far));
    for (const ProjectLogo &l : d.logos)
        check(l.tag.size() <= ProfileFile::MaxValueLength && length(l.top, far) && length(l.left, far)
              && length(l.width, 0.0) && length(l.height, 0.0) && (l.stretch || (!l.width && !l.height)));
}

const QImage &placeholder()
{
    static QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::gray);
    return image;
}

// A new card with the file applied, as opening a project gives.
std::unique_ptr<CardData> opened(const ProjectData &data)
{
    auto card = std::make_unique<CardData>(placeholder());
    PictureFile::Cache pictures;
    check(CardProject::apply(data, *card, placeholder(), pictures) == 0);
    return card;
}

// The card holds the file's items, each once, in one stacking order: the
// labels in file order, then the logos in file order on top of them.
void checkCard(const CardData &card, const ProjectData &data)
{
    const int labels = int(data.labels.size());
    const int logos = int(data.logos.size());
    check(card.labelCount() == std::max(1, labels) && card.logoCount() == std::max(1, logos));
    // Label 1 or logo 1 untouched by the file stays at the bottom.
    std::vector<CardItemRef> expected;
    if (logos == 0)
        expected.push_back({CardItemRef::LogoItem, 1});
    if (labels == 0)
        expected.push_back({CardItemRef::LabelItem, 1});
    for (int i = 1; i <= labels; ++i) {
        expected.push_back({CardItemRef::LabelItem, i});
        const CardLabel &label = *card.Label(i);
        const ProjectLabel &in = data.labels[std::size_t(i - 1)];
        check(label.Visible && label.AutoSize() && label.Caption() == in.caption && label.FontName() == in.fontName);
        // A new label without a size starts with label 1's look.
        check(label.FontSize() == in.fontSize.value_or(i > 1 ? card.Label(1)->FontSize() : label.FontSize()));
        check(label.Top == in.top.value_or(label.Top) && label.Left == in.left.value_or(label.Left));
        check(std::isfinite(label.Width()) && label.Width() >= 0 && std::isfinite(label.Height()) && label.Height() > 0);
    }
    for (int i = 1; i <= logos; ++i) {
        expected.push_back({CardItemRef::LogoItem, i});
        const CardLogo &logo = *card.Logo(i);
        const ProjectLogo &in = data.logos[std::size_t(i - 1)];
        check(logo.Visible && logo.picturePath == in.tag && logo.Stretch() == in.stretch && !logo.Picture().isNull());
        if (in.stretch)
            check(logo.Width() == in.width.value_or(logo.Width()) && logo.Height() == in.height.value_or(logo.Height()));
        check(std::isfinite(logo.Width()) && logo.Width() >= 0);
    }
    check(card.stackingOrder() == expected && card.Effects.empty());
    check(card.NumFond == data.background.kind.value_or(card.NumFond));
}

// The values a written file keeps: the texts are left out (the reader cuts
// and unquotes them, as readers of existing project files do), and so are
// the background keys its kind does not write.
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

// A file's text read, checked, opened as a card and checked; the card described.
ProjectData openAndDescribe(const QString &text, ProjectData *read = nullptr)
{
    ProfileFile profile;
    profile.fromText(text);
    const ProjectData data = ProjectFile::read(profile);
    checkInRange(data);
    const auto card = opened(data);
    checkCard(*card, data);
    if (read)
        *read = data;
    return CardProject::describe(*card);
}

// Saves what a card holds and opens the file again.
ProjectData saveAndReopen(const ProjectData &described)
{
    return openAndDescribe(Encoding::decode(Encoding::encode(ProjectFile::write(described).toText())));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::startGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Qt trims its font cache from a timer: its events run here too, or
    // fuzzed font names and sizes would fill memory.
    static unsigned runs = 0;
    if (++runs % 64 == 0)
        QCoreApplication::processEvents();
    ProjectData first;
    const ProjectData described =
        openAndDescribe(Encoding::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))), &first);
    check(described.labels.size() == std::max<std::size_t>(1, first.labels.size()));
    // Every label is saved, a logo only with a picture path.
    check(described.logos.size() == std::size_t(std::count_if(first.logos.begin(), first.logos.end(),
                                                                [](const ProjectLogo &l) { return !l.tag.isEmpty(); })));
    // A few bytes ("[LABEL 30000]") may describe thousands of items: the
    // round trip, which does not depend on their number, keeps to smaller cards.
    if (described.labels.size() + described.logos.size() > 32)
        return 0;
    const ProjectData second = saveAndReopen(described);
    check(second.labels.size() == described.labels.size() && second.logos.size() <= described.logos.size());
    const ProjectData third = saveAndReopen(second);
    check(numbersOnly(third) == numbersOnly(second));
    return 0;
}
