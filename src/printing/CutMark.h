#pragma once

#include "platform/Colors.h"

#include <QRectF>
#include <QSize>

class QPainter;
class Surface;

// The cut marks: an outline drawn into the card picture before a preview or
// a print, so that it is painted with every copy. Light grey (224, 224, 224)
// marks where to cut; without marks a white outline covers a grey one drawn
// by an earlier job.
namespace CutMark {

OleColor color(bool noCutMarks);

// Draws the unfilled outline from (0, 0) to (width - 15, height - 15)
// twips of the card picture, then refreshes it.
void draw(Surface &cardPicture, bool noCutMarks);

// The same outline over a copy of the card drawn on any device: the ring of
// the picture's outer pixels (`pictures` gives the picture's size in
// pixels) over `card`, filled as vector shapes.
void paint(QPainter &painter, const QRectF &card, const QSize &picture, bool noCutMarks);

} // namespace CutMark
