#include "SheetPainter.h"

#include "CutMark.h"
#include "PrintArtwork.h"
#include "SheetJob.h"
#include "SheetLayout.h"
#include "document/CardRenderer.h"

#include <QPainter>

namespace SheetPainter {

void paint(QPainter &painter, const SheetLayout &layout, double pixelsPerMm, const PrintArtwork &artwork,
           const SheetJob &job)
{
    paint(painter, layout, pixelsPerMm, artwork, job, [&artwork](int) { return artwork.card(); });
}

void paint(QPainter &painter, const SheetLayout &layout, double pixelsPerMm, const PrintArtwork &artwork,
           const SheetJob &job, const std::function<std::optional<CardData>(int place)> &cardAt)
{
    int place = 0;
    for (const QRectF &mm : layout.cards()) {
        const std::optional<CardData> content = cardAt(place++);
        if (!content)
            continue;
        const QRectF card(mm.x() * pixelsPerMm, mm.y() * pixelsPerMm, mm.width() * pixelsPerMm,
                          mm.height() * pixelsPerMm);
        CardRenderer::paint(painter, *content, card, artwork.background(), artwork.palette());
        if (job.cutMarks)
            CutMark::paint(painter, card, artwork.screenPixels(), job.noCutMarks);
    }
}

} // namespace SheetPainter
