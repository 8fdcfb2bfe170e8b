#pragma once

#include "platform/Colors.h"

#include <QImage>
#include <QSize>

// The colour field of the text editor, drawn here at any pixel size: the
// hue runs from top to bottom (red, yellow, green, cyan, blue, magenta and
// back to red), the lightness from left to right (black at the left edge,
// the pure hue in the middle column, white at the right edge).
namespace ColorField {

// The whole field (opaque RGB32, device pixel ratio 1); black outside it.
QImage picture(QSize size);

} // namespace ColorField
