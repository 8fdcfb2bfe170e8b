#pragma once

#include "platform/Colors.h"

#include <QRectF>
#include <QSize>

class QPainter;

// The cut marks: an outline painted with every copy of the card. Light grey
// (224, 224, 224) marks where to cut; without marks the outline is white.
namespace CutMark {

// The outline over a copy of the card drawn on any device: the ring of the
// picture's outer pixels (`picture` gives the picture's size in pixels) over
// `card`, filled as vector shapes.
void paint(QPainter &painter, const QRectF &card, const QSize &picture, bool noCutMarks);

} // namespace CutMark
