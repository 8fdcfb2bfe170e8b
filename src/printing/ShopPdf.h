#pragma once

#include "document/CardData.h"

#include <QPalette>
#include <QRectF>
#include <QSizeF>
#include <QString>

// One card alone as a print shop wants it: a PDF page of the card at its
// design size (its twips, without the enlargement of sheet printing) plus
// a bleed on every side, over which the background goes on, and with crop
// marks, a margin around the bleed where thin black marks at the card's
// corners show where to cut. Labels stay text with their fonts embedded,
// pictures keep their own resolution up to 1200 dpi, codes and metafiles
// are shapes. The page's TrimBox is the card and its BleedBox the card
// with its bleed.
namespace ShopPdf {

struct Options {
    double bleedMm = 3;
    bool cropMarks = false;
};

constexpr double MaxBleedMm = 5;
// The margin around the bleed that holds the crop marks.
constexpr double MarksMarginMm = 6;

// The page's size, and the card's place on it (the TrimBox), in
// millimetres from the page's top left corner.
QSizeF pageMm(const CardData &card, const Options &options);
QRectF trimMm(const CardData &card, const Options &options);

// Writes the PDF to `path` (replacing a regular file there in one step);
// false, with a French message in `error`, when it could not be written.
bool write(const CardData &card, const QString &path, const Options &options, const QPalette &palette,
           const QString &title, QString &error);

} // namespace ShopPdf
