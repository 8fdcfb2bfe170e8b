#pragma once

#include "document/CardData.h"

#include <functional>
#include <optional>

class PrintArtwork;
class QPainter;
class SheetLayout;
struct SheetJob;

// Draws one sheet: every card the layout lists, stretched over its place,
// then its cut-mark outline when the job draws one. The printer, the PDF
// and the preview pages all draw through it; only the device and its
// pixels per millimetre differ. The device's (0, 0) is the sheet's corner.
namespace SheetPainter {

void paint(QPainter &painter, const SheetLayout &layout, double pixelsPerMm, const PrintArtwork &artwork,
           const SheetJob &job);

// The same with a card of its own on each place (`place` counts the
// sheet's places from 0); a place without one stays blank.
void paint(QPainter &painter, const SheetLayout &layout, double pixelsPerMm, const PrintArtwork &artwork,
           const SheetJob &job, const std::function<std::optional<CardData>(int place)> &cardAt);

} // namespace SheetPainter
