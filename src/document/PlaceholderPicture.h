#pragma once

#include <QImage>

// Pictures the card window draws for itself.
namespace PlaceholderPicture {

// The picture a logo shows when it has none of its own: a light 34 x 34
// pixel frame holding a small landscape glyph.
QImage make();

// The glyph of the centring button: a small target, `size` pixels square.
QImage centreGlyph(int size);

} // namespace PlaceholderPicture
