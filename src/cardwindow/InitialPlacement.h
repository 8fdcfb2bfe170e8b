#pragma once

#include "document/CardItemRef.h"

#include <QPointF>
#include <utility>
#include <vector>

class CardData;

// Where a new card's first items go: labels 1 and 2 against the right edge
// at the top, label 3 centred, label 4 at the bottom left, logo 1 in the
// top-left corner. Labels 5 and up stay where they are.
namespace InitialPlacement {

// Each item to move, with its new top-left corner (twips).
std::vector<std::pair<CardItemRef, QPointF>> places(const CardData &card);

} // namespace InitialPlacement
