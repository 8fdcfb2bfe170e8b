// Reading and writing the card's project file: the card window's items and
// background converted to and from the file's description (ProjectFile).
#include "frmProjet.h"

#include "PictureFile.h"
#include "ProjectFile.h"

namespace {

// The card items as the file describes them: visible labels, and visible
// logos that have a picture file, renumbered from 1 in index order.
ProjectData describe(frmProjet &card)
{
    ProjectData data;
    data.width = card.Picture1().width();
    data.height = card.Picture1().height();

    for (int i = 1; i <= card.labelCount(); ++i) {
        const CardLabel &label = *card.Label(i);
        if (!label.Visible)
            continue;
        data.labels.push_back({label.Caption(), label.FontName(), label.FontBold(), label.FontItalic(),
                               label.FontSize(), label.FontStrikethru(), label.FontUnderline(),
                               label.ForeColor, label.Top, label.Left});
    }
    for (int i = 1; i <= card.logoCount(); ++i) {
        const CardLogo &logo = *card.Logo(i);
        if (!logo.Visible || logo.Tag.isEmpty())
            continue;
        ProjectLogo item{logo.Top, logo.Left, logo.Tag, logo.Stretch(), std::nullopt, std::nullopt};
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
    bg.picture = card.Picture1().tag;
    return data;
}

// The item on top of the stacking order is already in front.
template <typename Item>
void toFront(frmProjet &card, const Item *item, CardItemRef::Kind kind)
{
    const std::vector<CardItemRef> &stack = card.stackingOrder();
    if (stack.empty() || !(stack.back() == CardItemRef{kind, item->index}))
        card.bringToFront(item);
}

void applyLabel(frmProjet &card, CardLabel &label, const ProjectLabel &in)
{
    // Auto-size ends up on, as the file reader sets it; the label is sized
    // to its text once, after every property is in place.
    label.setAutoSize(false);
    label.Visible = true;
    toFront(card, &label, CardItemRef::LabelItem);
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
    card.updateLabel(label.index);
}

void applyLogo(frmProjet &card, CardLogo &logo, const ProjectLogo &in, PictureFile::Cache &pictures)
{
    logo.Visible = true;
    toFront(card, &logo, CardItemRef::LogoItem);
    if (in.top)
        logo.Top = *in.top;
    if (in.left)
        logo.Left = *in.left;
    // The tag keeps the path as written, even when it names no picture here.
    logo.Tag = in.tag;
    const QImage picture = pictures.load(in.tag);
    logo.setPicture(picture.isNull() ? card.Tmp() : picture);
    logo.setStretch(in.stretch);
    if (in.stretch && (in.width || in.height))
        logo.setSize(in.width.value_or(logo.Width()), in.height.value_or(logo.Height()));
    card.updateLogo(logo.index);
}

void applyBackground(frmProjet &card, const ProjectBackground &in)
{
    if (in.kind)
        card.NumFond = *in.kind;
    switch (card.NumFond) {
    case 0:
        card.Fond_parDefaut();
        break;
    case 1: {
        // The swatches take the colours before the frame's handler runs:
        // the gradient is painted from them.
        constexpr int Swatches[3] = {0, 5, 10};
        const std::optional<OleColor> colors[3] = {in.color1, in.color2, in.color3};
        OleColor *fields[3] = {&card.Color1, &card.Color2, &card.Color3};
        for (int k = 0; k < 3; ++k) {
            if (colors[k])
                *fields[k] = *colors[k];
            card.host()->setSwatchColor(Swatches[k], *fields[k]);
        }
        if (in.option)
            card.NumOption = *in.option;
        card.host()->Option_Click(card.NumOption);
        card.host()->selectOption(card.NumOption);
        break;
    }
    case 2: {
        Surface &surface = card.Picture1();
        surface.tag = in.picture;
        // The picture is decoded, stretched over the whole drawable area,
        // then let go; a picture that cannot be read leaves the card blank.
        const QImage picture = PictureFile::load(in.picture);
        surface.cls();
        if (!picture.isNull())
            surface.paintPicture(picture, 0, 0, surface.scaleWidth(), surface.scaleHeight());
        break;
    }
    default:
        break;
    }
}

} // namespace

bool frmProjet::Projet_Sauver(const QString &path)
{
    // The whole file is built in memory and put in place with one rename:
    // a failed write leaves the old file as it was.
    ProfileFile file = ProjectFile::write(describe(*this));
    return file.saveAs(path);
}

bool frmProjet::Projet_Ouvrir(const QString &path)
{
    ProfileFile file;
    const bool readable = file.load(path);
    const ProjectData data = ProjectFile::read(file);

    QWidget *surface = cardView();
    surface->hide();

    if (data.width || data.height)
        setCardSize(data.width.value_or(Picture1().width()), data.height.value_or(Picture1().height()));
    writeCardSize();

    for (int i = 1; i <= int(data.labels.size()); ++i) {
        CardLabel *label = i == 1 ? Label(1) : createLabel(i);
        if (!label)
            break;
        applyLabel(*this, *label, data.labels[std::size_t(i - 1)]);
    }

    PictureFile::Cache pictures;
    for (int i = 1; i <= int(data.logos.size()); ++i) {
        CardLogo *logo = i == 1 ? Logo(1) : createLogo(i);
        if (!logo)
            break;
        applyLogo(*this, *logo, data.logos[std::size_t(i - 1)], pictures);
    }

    applyBackground(*this, data.background);

    surface->show();
    OmbreG()->show();
    OmbreB()->show();
    Form_Resize();
    activate();
    return readable;
}
