#pragma once

#include <QImage>
#include <QPalette>
#include <QSizeF>

class CardData;
struct SheetCards;
struct SheetJob;

// One sheet as the preview shows it: white paper at screen resolution (15
// twips per pixel) with every card where the layout puts it, drawn by the
// same painter as the print. All sheets of a job are alike, so the preview's
// pages share this one picture.
namespace SheetPreview {

// The most pixels a preview page may have.
constexpr qint64 MaxPixels = 64LL * 1024 * 1024;

// The page's size in twips; empty for a paper that cannot be had.
QSizeF pageTwips(const SheetJob &job);

// Null when the paper cannot be had or is too large to show. With `cards`,
// the sheet numbered `sheet` (from 0) of a merge, each place with its card.
QImage render(const SheetJob &job, const CardData &card, const QPalette &palette, const SheetCards *cards = nullptr,
              int sheet = 0);

} // namespace SheetPreview
