#include "Ornament.h"

#include "document/CardLogo.h"
#include "platform/Units.h"

#include <algorithm>

namespace Ornament {

namespace {

constexpr double MaxShareOfHeight = 0.4;

// The size (twips) of an ornament of `pixels` on a card `cardHeight` twips
// high.
QSizeF size(const QSize &pixels, double cardHeight)
{
    const QSizeF natural(Units::fromPixels(pixels.width()), Units::fromPixels(pixels.height()));
    const double longest = std::max(natural.width(), natural.height());
    const double limit = cardHeight * MaxShareOfHeight;
    if (!(limit > 0) || longest <= limit)
        return natural;
    return natural * (limit / longest);
}

} // namespace

void fit(CardLogo &logo, const QImage &picture, double cardHeight)
{
    logo.setStretch(false);
    logo.setPicture(picture);
    const QSizeF shown = size(picture.size(), cardHeight);
    if (shown.width() != double(logo.Width()) || shown.height() != double(logo.Height())) {
        logo.setStretch(true);
        logo.setSize(float(shown.width()), float(shown.height()));
    }
}

} // namespace Ornament
