#include "InitialPlacement.h"

#include "document/CardData.h"

namespace InitialPlacement {

std::vector<std::pair<CardItemRef, QPointF>> places(const CardData &card)
{
    // Positions are single-precision twips, as the items keep them.
    const auto at = [](double left, double top) { return QPointF(float(left), float(top)); };
    const double pw = card.width();
    const double ph = card.height();
    std::vector<std::pair<CardItemRef, QPointF>> moves;
    for (int i = 1; i <= std::min(card.labelCount(), 4); ++i) {
        const CardLabel &label = *card.Label(i);
        const double lw = label.Width();
        const double lh = label.Height();
        QPointF place;
        switch (i) {
        case 1: place = at(pw - lw - 150, 120); break;
        case 2: place = at(pw - lw - 150, 500); break;
        case 3: place = at(pw / 2 - lw / 2, ph / 2 - lh / 2); break;
        default: place = at(150, ph - lh - 100); break;
        }
        moves.emplace_back(CardItemRef{CardItemRef::LabelItem, i}, place);
    }
    if (card.logoCount() >= 1)
        moves.emplace_back(CardItemRef{CardItemRef::LogoItem, 1}, QPointF(120, 120));
    return moves;
}

} // namespace InitialPlacement
