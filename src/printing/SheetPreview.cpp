#include "SheetPreview.h"

#include "PrintArtwork.h"
#include "SheetCards.h"
#include "SheetJob.h"
#include "document/MergeCard.h"
#include "SheetPainter.h"
#include "platform/Units.h"

#include <QPainter>

namespace SheetPreview {

namespace {

constexpr double ScreenDpi = Units::TwipsPerInch / Units::ScreenTwipsPerPixel;

} // namespace

QSizeF pageTwips(const SheetJob &job)
{
    const QSizeF mm = job.paperMm();
    return mm.isEmpty() ? QSizeF() : QSizeF(Units::mmToTwips(mm.width()), Units::mmToTwips(mm.height()));
}

QImage render(const SheetJob &job, const CardData &card, const QPalette &palette, const SheetCards *cards, int sheet)
{
    const QSizeF twips = pageTwips(job);
    if (twips.isEmpty())
        return {};
    const QSize pixels(Units::toPixels(twips.width()), Units::toPixels(twips.height()));
    if (pixels.isEmpty() || qint64(pixels.width()) * pixels.height() > MaxPixels)
        return {};
    QImage page(pixels, QImage::Format_RGB32);
    if (page.isNull())
        return {};
    page.fill(Qt::white);

    const SheetLayout layout = job.layout(SheetJob::cardSize(card), SheetTarget::Preview);
    const QSizeF cardMm = layout.cards().isEmpty() ? QSizeF() : layout.cards().constFirst().size();
    const PrintArtwork artwork(card, ScreenDpi, cardMm, palette);
    QPainter painter(&page);
    const double pixelsPerMm = Units::TwipsPerMm / Units::ScreenTwipsPerPixel;
    if (!cards) {
        SheetPainter::paint(painter, layout, pixelsPerMm, artwork, job);
        return page;
    }
    const MergeCard merge(artwork.card(), cards->columns);
    const int perSheet = int(layout.cards().size());
    SheetPainter::paint(painter, layout, pixelsPerMm, artwork, job, [&](int place) -> std::optional<CardData> {
        const int n = sheet * perSheet + place;
        if (n >= cards->count)
            return std::nullopt;
        return merge.fill(cards->values(n));
    });
    return page;
}

} // namespace SheetPreview
