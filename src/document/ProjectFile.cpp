#include "ProjectFile.h"

#include "ProjectCodes.h"
#include "platform/TextConv.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ProjectFile {

namespace {

const QString Format = QStringLiteral("FORMAT");
const QString Fond = QStringLiteral("FOND");
const QString LabelSection = QStringLiteral("LABEL");
const QString LogoSection = QStringLiteral("LOGO");
const QString Count = QStringLiteral("Nombre");
const QString MergeSection = QStringLiteral("FUSION");
// Copies of each record: a sheet's worth at most, far above need.
constexpr int MaxCopies = 1000;

QString itemSection(const QString &kind, int number)
{
    return kind + u' ' + QString::number(number);
}

// ---- Writing -------------------------------------------------------------

QString lengthText(std::optional<float> v)
{
    return v ? TextConv::fromSingle(*v) : QString();
}

QString boolText(std::optional<bool> v)
{
    return v ? TextConv::fromBool(*v) : QString();
}

QString intText(std::optional<int> v)
{
    return v ? QString::number(*v) : QString();
}

void writeLabel(ProfileFile &out, const QString &section, const ProjectLabel &label)
{
    // A caption with line breaks cannot be one value: ProfileFile writes
    // each break as a blank, so the file keeps one line per key.
    out.writeString(section, QStringLiteral("Caption"), label.caption);
    out.writeString(section, QStringLiteral("Font"), label.fontName);
    out.writeString(section, QStringLiteral("FontBold"), boolText(label.bold));
    out.writeString(section, QStringLiteral("FontItalic"), boolText(label.italic));
    out.writeString(section, QStringLiteral("FontSize"), lengthText(label.fontSize));
    out.writeString(section, QStringLiteral("FontStrikethru"), boolText(label.strikethru));
    out.writeString(section, QStringLiteral("FontUnderline"), boolText(label.underline));
    out.writeString(section, QStringLiteral("ForeColor"), intText(label.foreColor));
    out.writeString(section, QStringLiteral("Top"), lengthText(label.top));
    out.writeString(section, QStringLiteral("Left"), lengthText(label.left));
    // A later addition, last and only when used: a card of left-aligned
    // labels is written as before, and readers that do not know the key
    // skip it.
    if (label.alignment != 0)
        out.writeString(section, QStringLiteral("Alignement"), QString::number(label.alignment));
}

void writeLogo(ProfileFile &out, const QString &section, const ProjectLogo &logo)
{
    out.writeString(section, QStringLiteral("Top"), lengthText(logo.top));
    out.writeString(section, QStringLiteral("Left"), lengthText(logo.left));
    out.writeString(section, QStringLiteral("Tag"), logo.tag);
    if (logo.stretch) {
        out.writeString(section, QStringLiteral("Stretch"), TextConv::fromBool(true));
        out.writeString(section, QStringLiteral("Width"), lengthText(logo.width));
        out.writeString(section, QStringLiteral("Height"), lengthText(logo.height));
    }
}

// ---- Reading -------------------------------------------------------------

// A single-precision value within [low, high]; anything else (empty,
// malformed, out of range for a single or for the key) is unconvertible.
std::optional<float> singleIn(const QString &text, double low, double high)
{
    const std::optional<double> v = TextConv::toNumber(text);
    if (!v)
        return std::nullopt;
    const float f = float(*v);
    if (!std::isfinite(f) || f < low || f > high)
        return std::nullopt;
    return f;
}

std::optional<float> position(const QString &text)
{
    return singleIn(text, -MaxLength, MaxLength);
}

std::optional<float> extent(const QString &text)
{
    return singleIn(text, 0.0, MaxLength);
}

// A card side: a fractional value is first rounded to four decimals.
std::optional<double> cardSide(const QString &text)
{
    std::optional<double> v = TextConv::toNumber(text);
    if (!v || !(*v > 0.0) || *v > MaxCardSide)
        return std::nullopt;
    if (*v != std::floor(*v))
        v = TextConv::roundHalfEven(*v * 10000.0) / 10000.0;
    return v;
}

std::optional<int> int16(const QString &text)
{
    const std::optional<std::int16_t> v = TextConv::toInt16(text);
    return v ? std::optional<int>(*v) : std::nullopt;
}

// The numbers k for which the profile has a section "<kind> k", as the
// reader looks sections up (case ignored, no leading zeros, one blank).
std::vector<int> sectionNumbers(const ProfileFile &profile, const QString &kind)
{
    const QString prefix = kind + u' ';
    std::vector<int> numbers;
    const QStringList names = profile.sections();
    for (const QString &name : names) {
        if (name.size() <= prefix.size() || !name.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        bool ok = false;
        const int k = name.mid(prefix.size()).toInt(&ok);
        if (ok && k > 0 && itemSection(kind, k).compare(name, Qt::CaseInsensitive) == 0)
            numbers.push_back(k);
    }
    return numbers;
}

// How many items of `kind` to read: the count (32-bit), never more than the
// sections present can describe nor than a card can hold. A count that
// cannot be read (missing, not a number, negative, beyond 32 bits) says
// nothing: the sections present are read, so that a save keeps them.
// `leftOut` gets how many sections present beyond MaxItems the count asked
// for.
int itemCount(const ProfileFile &profile, const QString &kind, int &leftOut)
{
    const std::vector<int> numbers = sectionNumbers(profile, kind);
    const int highest = numbers.empty() ? 0 : *std::max_element(numbers.begin(), numbers.end());
    const std::optional<std::int32_t> n = TextConv::toInt32(profile.readString(kind, Count));
    const int wanted = n && *n >= 0 ? std::min(int(*n), highest) : highest;
    leftOut = int(std::count_if(numbers.begin(), numbers.end(),
                                [wanted](int k) { return k > MaxItems && k <= wanted; }));
    return std::min(wanted, MaxItems);
}

ProjectLabel readLabel(const ProfileFile &in, const QString &section)
{
    auto value = [&](const char *key) { return in.readString(section, QLatin1String(key)); };
    ProjectLabel label;
    label.caption = value("Caption");
    label.fontName = value("Font");
    label.bold = TextConv::toBool(value("FontBold"));
    label.italic = TextConv::toBool(value("FontItalic"));
    label.fontSize = singleIn(value("FontSize"), std::numeric_limits<float>::min(), MaxLength);
    label.strikethru = TextConv::toBool(value("FontStrikethru"));
    label.underline = TextConv::toBool(value("FontUnderline"));
    label.foreColor = TextConv::toInt32(value("ForeColor"));
    label.top = position(value("Top"));
    label.left = position(value("Left"));
    const std::optional<std::int16_t> alignment = TextConv::toInt16(value("Alignement"));
    label.alignment = alignment && *alignment >= 1 && *alignment <= 2 ? *alignment : 0;
    return label;
}

ProjectLogo readLogo(const ProfileFile &in, const QString &section)
{
    auto value = [&](const char *key) { return in.readString(section, QLatin1String(key)); };
    ProjectLogo logo;
    logo.top = position(value("Top"));
    logo.left = position(value("Left"));
    logo.tag = value("Tag");
    logo.stretch = TextConv::toBool(value("Stretch")).value_or(false);
    if (logo.stretch) {
        logo.width = extent(value("Width"));
        logo.height = extent(value("Height"));
    }
    return logo;
}

} // namespace

ProfileFile write(const ProjectData &data)
{
    ProfileFile out;
    out.writeString(Format, QStringLiteral("Longueur"),
                    data.width ? TextConv::fromSingle(float(*data.width)) : QString());
    out.writeString(Format, QStringLiteral("Hauteur"),
                    data.height ? TextConv::fromSingle(float(*data.height)) : QString());

    int number = 0;
    for (const ProjectLabel &label : data.labels)
        writeLabel(out, itemSection(LabelSection, ++number), label);
    number = 0;
    for (const ProjectLogo &logo : data.logos)
        writeLogo(out, itemSection(LogoSection, ++number), logo);

    const ProjectBackground &bg = data.background;
    out.writeString(Fond, QStringLiteral("Numero"), intText(bg.kind));
    if (bg.kind == 1) {
        out.writeString(Fond, QStringLiteral("Color1"), intText(bg.color1));
        out.writeString(Fond, QStringLiteral("Color2"), intText(bg.color2));
        out.writeString(Fond, QStringLiteral("Color3"), intText(bg.color3));
        out.writeString(Fond, QStringLiteral("Option"), intText(bg.option));
    } else if (bg.kind == 2) {
        out.writeString(Fond, QStringLiteral("Picture"), bg.picture);
    }

    out.writeString(LabelSection, Count, QString::number(data.labels.size()));
    out.writeString(LogoSection, Count, QString::number(data.logos.size()));
    if (data.merge) {
        out.writeString(MergeSection, QStringLiteral("Fichier"), data.merge->file);
        out.writeString(MergeSection, QStringLiteral("Copies"), QString::number(data.merge->copies));
    }
    ProjectCodes::write(out, data.codes);
    return out;
}

ProjectData read(const ProfileFile &in)
{
    ProjectData data;
    data.width = cardSide(in.readString(Format, QStringLiteral("Longueur")));
    data.height = cardSide(in.readString(Format, QStringLiteral("Hauteur")));

    int leftOut = 0;
    const int labels = itemCount(in, LabelSection, leftOut);
    data.leftOut += leftOut;
    data.labels.reserve(std::size_t(labels));
    for (int i = 1; i <= labels; ++i)
        data.labels.push_back(readLabel(in, itemSection(LabelSection, i)));

    const int logos = itemCount(in, LogoSection, leftOut);
    data.leftOut += leftOut;
    data.logos.reserve(std::size_t(logos));
    for (int i = 1; i <= logos; ++i)
        data.logos.push_back(readLogo(in, itemSection(LogoSection, i)));

    ProjectBackground &bg = data.background;
    bg.kind = int16(in.readString(Fond, QStringLiteral("Numero")));
    // Every key of the background is read whatever the kind: the card
    // window uses those its kind needs.
    bg.color1 = TextConv::toInt32(in.readString(Fond, QStringLiteral("Color1")));
    bg.color2 = TextConv::toInt32(in.readString(Fond, QStringLiteral("Color2")));
    bg.color3 = TextConv::toInt32(in.readString(Fond, QStringLiteral("Color3")));
    bg.option = int16(in.readString(Fond, QStringLiteral("Option")));
    bg.picture = in.readString(Fond, QStringLiteral("Picture"));
    const QString list = in.readString(MergeSection, QStringLiteral("Fichier"));
    if (!list.isEmpty()) {
        const std::optional<std::int16_t> copies = TextConv::toInt16(in.readString(MergeSection, QStringLiteral("Copies")));
        data.merge = ProjectMerge{list, copies && *copies >= 1 && *copies <= MaxCopies ? int(*copies) : 1};
    }
    data.codes = ProjectCodes::read(in, data.unreadableCodes);
    return data;
}

bool hasProject(const ProfileFile &in)
{
    for (const QString &section : in.sections()) {
        const QString name = section.trimmed();
        for (const QString &known : {Format, Fond, LabelSection, LogoSection}) {
            if (name.compare(known, Qt::CaseInsensitive) == 0)
                return true;
        }
        for (const QString &kind : {LabelSection, LogoSection}) {
            if (name.size() > kind.size() + 1 && name.startsWith(kind + u' ', Qt::CaseInsensitive)
                && TextConv::toInt32(name.mid(kind.size() + 1)))
                return true;
        }
    }
    return false;
}

} // namespace ProjectFile
