#pragma once

#include "CardCode.h"
#include "CardLabel.h"
#include "CardLogo.h"

#include <QPalette>
#include <QRectF>

class QPainter;

// Draws a card's items onto any paint device at any resolution, given as
// twips per device pixel (15 on screen): a label as transparent text in its
// font and colour, a logo as its picture over its rectangle, a code as the
// shapes of its modules.
namespace CardItemPainter {

// The label's text at its place. System colours resolve through `palette`.
// The type is scaled so that text measured at 96 dpi keeps its size in
// twips on the device.
void paintLabel(QPainter &painter, const CardLabel &label, double twipsPerPixel, const QPalette &palette);

// The logo's picture: stretched over Width x Height, or at its natural size
// (clipped to Width x Height) when not stretched.
void paintLogo(QPainter &painter, const CardLogo &logo, double twipsPerPixel);

// The code's modules as filled rectangles over its rectangle; a code whose
// content cannot be encoded (a merged record's value that does not fit)
// shows as an empty frame in its colour.
void paintCode(QPainter &painter, const CardCode &code, double twipsPerPixel);

// The device rectangle an item covers; a label's is widened a little for
// glyphs that overhang their advance (italics).
QRectF labelBounds(const CardLabel &label, double twipsPerPixel);
QRectF logoBounds(const CardLogo &logo, double twipsPerPixel);
QRectF codeBounds(const CardCode &code, double twipsPerPixel);

} // namespace CardItemPainter
