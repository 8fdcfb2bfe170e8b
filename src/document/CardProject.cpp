#include "CardProject.h"

namespace CardProject {

ProjectData describe(const CardData &card)
{
    ProjectData data;
    data.width = card.width();
    data.height = card.height();

    for (int i = 1; i <= card.labelCount(); ++i) {
        const CardLabel &label = *card.Label(i);
        if (!label.Visible)
            continue;
        data.labels.push_back({label.Caption(), label.FontName(), label.FontBold(), label.FontItalic(),
                               label.FontSize(), label.FontStrikethru(), label.FontUnderline(),
                               label.ForeColor, label.Top, label.Left, int(label.alignment())});
    }
    for (int i = 1; i <= card.logoCount(); ++i) {
        const CardLogo &logo = *card.Logo(i);
        if (!logo.Visible || logo.picturePath.isEmpty())
            continue;
        ProjectLogo item{logo.Top, logo.Left, logo.picturePath, logo.Stretch(), std::nullopt, std::nullopt};
        if (logo.Stretch()) {
            item.width = logo.Width();
            item.height = logo.Height();
        }
        data.logos.push_back(item);
    }

    ProjectBackground &bg = data.background;
    bg.kind = card.NumFond;
    bg.color1 = card.Color1;
    bg.color2 = card.Color2;
    bg.color3 = card.Color3;
    bg.option = card.NumOption;
    bg.picture = card.BackgroundPicture;
    if (!card.mergeList.isEmpty())
        data.merge = ProjectMerge{card.mergeList, card.mergeCopies};
    for (int i = 1; i <= card.codeCount(); ++i) {
        const CardCode &code = *card.Code(i);
        if (code.Visible)
            data.codes.push_back(code);
    }
    return data;
}

namespace {

void toFront(CardData &card, CardItemRef item)
{
    if (!card.isOnTop(item))
        card.bringToFront(item);
}

void applyLabel(CardData &card, CardLabel &label, const ProjectLabel &in)
{
    // Auto-size ends up on, as the file reader sets it; the label is sized
    // to its text once, after every property is in place, at the place the
    // file gives it: its alignment comes last.
    label.setAutoSize(false);
    label.setAlignment(CardLabel::AlignLeft);
    label.Visible = true;
    toFront(card, {CardItemRef::LabelItem, label.index});
    label.setCaption(in.caption);
    // The name is kept even when no such font is installed: the label is
    // drawn with a substitute and saved under its own name.
    label.setFontName(in.fontName);
    if (in.bold)
        label.setFontBold(*in.bold);
    if (in.italic)
        label.setFontItalic(*in.italic);
    if (in.fontSize)
        label.setFontSize(*in.fontSize);
    if (in.strikethru)
        label.setFontStrikethru(*in.strikethru);
    if (in.underline)
        label.setFontUnderline(*in.underline);
    if (in.foreColor)
        label.ForeColor = *in.foreColor;
    if (in.top)
        label.Top = *in.top;
    if (in.left)
        label.Left = *in.left;
    label.setAutoSize(true);
    label.setAlignment(CardLabel::Alignment(in.alignment));
}

void applyLogo(CardData &card, CardLogo &logo, const ProjectLogo &in, const QImage &placeholder,
               PictureFile::Cache &pictures)
{
    logo.Visible = true;
    toFront(card, {CardItemRef::LogoItem, logo.index});
    if (in.top)
        logo.Top = *in.top;
    if (in.left)
        logo.Left = *in.left;
    // The tag keeps the path as written, even when it names no picture here.
    logo.picturePath = in.tag;
    const QImage picture = pictures.load(in.tag);
    logo.setPicture(picture.isNull() ? placeholder : picture);
    logo.setStretch(in.stretch);
    if (in.stretch && (in.width || in.height))
        logo.setSize(in.width.value_or(logo.Width()), in.height.value_or(logo.Height()));
}

void applyBackground(CardData &card, const ProjectBackground &in)
{
    if (in.kind)
        card.NumFond = *in.kind;
    // The gradient's colours and orientation count for a gradient only;
    // other kinds keep them as they were, as their painting does.
    if (card.NumFond == 1) {
        if (in.color1)
            card.Color1 = *in.color1;
        if (in.color2)
            card.Color2 = *in.color2;
        if (in.color3)
            card.Color3 = *in.color3;
        if (in.option)
            card.NumOption = *in.option;
    }
    if (card.NumFond == 2)
        card.BackgroundPicture = in.picture;
    card.Effects.clear();
}

} // namespace

int apply(const ProjectData &data, CardData &card, const QImage &placeholder, PictureFile::Cache &pictures)
{
    if (data.width || data.height)
        card.setSize(data.width.value_or(card.width()), data.height.value_or(card.height()));

    int refused = 0;
    for (int i = 1; i <= int(data.labels.size()); ++i) {
        CardLabel *label = i == 1 ? card.Label(1) : card.createLabel(i);
        if (!label) {
            refused += int(data.labels.size()) - i + 1;
            break;
        }
        applyLabel(card, *label, data.labels[std::size_t(i - 1)]);
    }
    for (int i = 1; i <= int(data.logos.size()); ++i) {
        CardLogo *logo = i == 1 ? card.Logo(1) : card.createLogo(i);
        if (!logo) {
            refused += int(data.logos.size()) - i + 1;
            break;
        }
        applyLogo(card, *logo, data.logos[std::size_t(i - 1)], placeholder, pictures);
    }
    applyBackground(card, data.background);
    card.mergeList = data.merge ? data.merge->file : QString();
    card.mergeCopies = data.merge ? data.merge->copies : 1;
    for (const CardCode &in : data.codes) {
        CardCode *code = card.createCode(card.codeCount() + 1);
        if (!code)
            break;
        const int index = code->index;
        *code = in;
        code->index = index;
        code->Visible = true;
    }
    return refused;
}

LoadResult load(const QString &path, CardData &card, const QImage &placeholder, QList<int> *unreadableCodes)
{
    ProfileFile file;
    if (!file.load(path))
        return LoadResult::Unreadable;
    if (!ProjectFile::hasProject(file))
        return LoadResult::NoProject;
    PictureFile::Cache pictures;
    const ProjectData data = ProjectFile::read(file);
    if (unreadableCodes)
        *unreadableCodes = data.unreadableCodes;
    const int leftOut = data.leftOut + apply(data, card, placeholder, pictures);
    return leftOut > 0 ? LoadResult::Incomplete : LoadResult::Loaded;
}

} // namespace CardProject
