#include "SheetJob.h"

#include "PaperSizes.h"
#include "document/CardData.h"
#include "platform/Units.h"

int SheetJob::dpi() const
{
    switch (quality) {
    case Draft: return 150;
    case Low: return 300;
    case High: return 1200;
    default: return 600;
    }
}

QPageSize SheetJob::pageSize() const
{
    return PaperSizes::pageSize(paperCode, customMm);
}

QSizeF SheetJob::paperMm() const
{
    return PaperSizes::sheetSizeMm(paperCode, customMm, landscape);
}

CardSize SheetJob::cardSize(const CardData &card)
{
    // The card's picture on screen has whole pixels: its size in twips is
    // that of the pixels, not the card's own.
    return CardSize::fromPixels(Units::toPixels(card.width()), Units::toPixels(card.height()));
}

SheetLayout SheetJob::layout(const CardSize &card, SheetTarget target) const
{
    return SheetLayout::compute(SheetLayoutInput{grid, stock, card, target, zoomPercent, paperMm()});
}
