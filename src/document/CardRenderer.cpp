#include "CardRenderer.h"

#include "CardItemPainter.h"
#include "imaging/ColorGradient.h"
#include "PictureFile.h"
#include "platform/Surface.h"

#include <QPainter>

namespace CardRenderer {

namespace {

// The card edge line: a light grey outline through the card's first and
// last pixel columns and rows, one pixel inside its outer size (whole
// pixels, as the picture has them).
void drawEdgeLine(Surface &surface)
{
    surface.setFillStyle(PaintTarget::Transparent);
    const double right = (surface.pixelWidth() - 1) * surface.twipsPerPixelX();
    const double bottom = (surface.pixelHeight() - 1) * surface.twipsPerPixelY();
    surface.box(0, 0, right, bottom, Colors::LightGrey);
}

void paintGradient(const CardData &card, Surface &surface)
{
    // A painter of the card's own: its stops come from the card, never
    // from what another window left in a shared one.
    ColorGradient painter;
    painter.SetColor(0, card.Color1);
    painter.SetColor(5, card.Color2);
    painter.SetColor(10, card.Color3);
    if (card.NumOption >= 0 && card.NumOption < ColorGradient::KindCount)
        painter.PaintObject(surface, card.NumOption);
}

// Whether every visible item lies within `area` (device pixels at
// `twipsPerPixel`).
bool itemsInside(const CardData &card, double twipsPerPixel, const QRectF &area)
{
    for (int n = 1; n <= card.logoCount(); ++n) {
        const CardLogo *logo = card.Logo(n);
        if (logo && logo->Visible && !area.contains(CardItemPainter::logoBounds(*logo, twipsPerPixel)))
            return false;
    }
    for (int n = 1; n <= card.labelCount(); ++n) {
        const CardLabel *label = card.Label(n);
        if (label && label->Visible && !area.contains(CardItemPainter::labelBounds(*label, twipsPerPixel)))
            return false;
    }
    for (int n = 1; n <= card.codeCount(); ++n) {
        const CardCode *code = card.Code(n);
        if (code && code->Visible && !area.contains(CardItemPainter::codeBounds(*code, twipsPerPixel)))
            return false;
    }
    return true;
}

} // namespace

bool paintBackground(const CardData &card, Surface &surface, const QImage *picture)
{
    surface.setBackColor(Colors::White);
    surface.cls();
    switch (card.NumFond) {
    case 0:
        drawEdgeLine(surface);
        return true;
    case 1:
        paintGradient(card, surface);
        drawEdgeLine(surface);
        return true;
    case 2: {
        const QImage read = picture ? QImage() : PictureFile::load(card.BackgroundPicture);
        const QImage &source = picture ? *picture : read;
        if (source.isNull())
            return false;
        surface.paintPicture(source, 0, 0, surface.scaleWidth(), surface.scaleHeight());
        return true;
    }
    default:
        return true;
    }
}

void replayEffects(const CardData &card, QImage &image, double twipsPerPixel)
{
    for (const ImageEffect &effect : card.Effects)
        ImageEffects::apply(image, effect, twipsPerPixel);
}

QImage background(const CardData &card, double twipsPerPixel, bool *ok, const QImage *picture)
{
    Surface surface(card.width(), card.height(), twipsPerPixel);
    const bool painted = paintBackground(card, surface, picture);
    if (ok)
        *ok = painted;
    QImage image = surface.image();
    replayEffects(card, image, twipsPerPixel);
    return image;
}

void paintItem(QPainter &painter, const CardData &card, CardItemRef item, double twipsPerPixel,
               const QPalette &palette)
{
    if (item.kind == CardItemRef::LabelItem) {
        const CardLabel *label = card.Label(item.index);
        if (label && label->Visible)
            CardItemPainter::paintLabel(painter, *label, twipsPerPixel, palette);
    } else if (item.kind == CardItemRef::CodeItem) {
        const CardCode *code = card.Code(item.index);
        if (code && code->Visible)
            CardItemPainter::paintCode(painter, *code, twipsPerPixel);
    } else {
        const CardLogo *logo = card.Logo(item.index);
        if (logo && logo->Visible)
            CardItemPainter::paintLogo(painter, *logo, twipsPerPixel);
    }
}

void paintFlattenedItems(QPainter &painter, const CardData &card, double twipsPerPixel, const QPalette &palette)
{
    for (int n = 1; n <= card.logoCount(); ++n)
        paintItem(painter, card, {CardItemRef::LogoItem, n}, twipsPerPixel, palette);
    for (int n = 1; n <= card.codeCount(); ++n)
        paintItem(painter, card, {CardItemRef::CodeItem, n}, twipsPerPixel, palette);
    for (int n = 1; n <= card.labelCount(); ++n)
        paintItem(painter, card, {CardItemRef::LabelItem, n}, twipsPerPixel, palette);
}

QImage flatten(const CardData &card, double twipsPerPixel, const QPalette &palette)
{
    QImage image = background(card, twipsPerPixel);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintFlattenedItems(painter, card, twipsPerPixel, palette);
    painter.end();
    return image;
}

void paint(QPainter &painter, const CardData &card, const QRectF &target, const QImage &background,
           const QPalette &palette)
{
    if (!(card.width() > 0) || !(card.height() > 0) || !(target.width() > 0) || !(target.height() > 0))
        return;
    // Items are laid out at the card's horizontal scale; a target of other
    // proportions stretches the whole card vertically.
    const double tpp = card.width() / target.width();
    const double cardHeightPx = card.height() / tpp;
    painter.save();
    // Items reaching past the card's edge are cut by it, as on the card's
    // own picture: on a sheet they would land on the next card. Only then,
    // as a clip costs every copy in a PDF.
    if (!itemsInside(card, tpp, QRectF(0, 0, target.width(), cardHeightPx)))
        painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.scale(1.0, target.height() / cardHeightPx);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(QRectF(0, 0, target.width(), cardHeightPx), background);
    paintFlattenedItems(painter, card, tpp, palette);
    painter.restore();
}

} // namespace CardRenderer
