#pragma once

#include "platform/Colors.h"

#include <QImage>
#include <QSize>

// The colour field of the text editor, drawn here at any pixel size: the
// hue runs from top to bottom (red, yellow, green, cyan, blue, magenta and
// back to red), the lightness from left to right (black at the left edge,
// the pure hue in the middle column, white at the right edge).
namespace ColorField {

// The colour of pixel (x, y) of a field of `size` pixels; black outside.
OleColor colorAt(QSize size, int x, int y);

// The whole field, every pixel being colorAt() of its position (opaque
// RGB32, device pixel ratio 1).
QImage picture(QSize size);

} // namespace ColorField
