#include "CutMark.h"

#include "platform/Surface.h"
#include "platform/Units.h"

namespace CutMark {

OleColor color(bool noCutMarks)
{
    return noCutMarks ? Colors::White : Colors::rgb(224, 224, 224);
}

void draw(Surface &cardPicture, bool noCutMarks)
{
    const PaintTarget::FillStyle style = cardPicture.fillStyle();
    cardPicture.setFillStyle(PaintTarget::Transparent);
    const double pixel = Units::ScreenTwipsPerPixel;
    cardPicture.box(0, 0, cardPicture.width() - pixel, cardPicture.height() - pixel, color(noCutMarks));
    cardPicture.setFillStyle(style);
    cardPicture.refresh();
}

} // namespace CutMark
