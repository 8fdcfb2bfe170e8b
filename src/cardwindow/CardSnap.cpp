#include "CardSnap.h"

#include "document/CardData.h"

#include <cmath>

namespace CardSnap {

namespace {

// The nearest match of one of the edges (near, middle, far) to a line.
void nearest(double nearEdge, double farEdge, const std::vector<double> &targets, double threshold, double &offset,
             std::optional<double> &guide)
{
    const double edges[] = {nearEdge, (nearEdge + farEdge) / 2, farEdge};
    double best = threshold;
    for (const double line : targets) {
        for (const double edge : edges) {
            const double distance = std::abs(line - edge);
            if (distance <= best) {
                best = distance;
                offset = line - edge;
                guide = line;
            }
        }
    }
}

} // namespace

Lines lines(const CardData &card, CardItemRef moving)
{
    Lines result{{0, card.width() / 2, card.width()}, {0, card.height() / 2, card.height()}};
    for (const CardItemRef &item : card.stackingOrder()) {
        const std::optional<QRectF> rect = item == moving ? std::nullopt : card.itemRect(item);
        if (!rect)
            continue;
        result.across.insert(result.across.end(), {rect->left(), rect->center().x(), rect->right()});
        result.down.insert(result.down.end(), {rect->top(), rect->center().y(), rect->bottom()});
    }
    return result;
}

Result snap(const QRectF &moving, const Lines &lines, double threshold)
{
    Result result;
    double dx = 0, dy = 0;
    nearest(moving.left(), moving.right(), lines.across, threshold, dx, result.guideX);
    nearest(moving.top(), moving.bottom(), lines.down, threshold, dy, result.guideY);
    result.offset = QPointF(dx, dy);
    return result;
}

} // namespace CardSnap
