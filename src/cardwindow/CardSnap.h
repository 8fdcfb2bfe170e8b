#pragma once

#include "document/CardItemRef.h"

#include <QPointF>
#include <QRectF>
#include <optional>
#include <vector>

class CardData;

// Snapping an item being dragged: its left edge, centre or right edge (top,
// middle or bottom) goes to the nearest line of the card (edges and centre
// lines) or of another visible item (edges and centres) when within the
// threshold, each axis on its own.
namespace CardSnap {

// The lines an item can snap to, in twips on the card.
struct Lines {
    std::vector<double> across; // vertical lines: x
    std::vector<double> down;   // horizontal lines: y
};
Lines lines(const CardData &card, CardItemRef moving);

struct Result {
    QPointF offset;                // to add to the rectangle's place
    std::optional<double> guideX;  // the line matched across, if any
    std::optional<double> guideY;
};
// `threshold` in twips: a distance of at most it snaps.
Result snap(const QRectF &moving, const Lines &lines, double threshold);

} // namespace CardSnap
