#pragma once

#include "ColorGradient.h"

class Surface;

// Gradient painting written straight into a Surface's pixels: the same
// picture as drawing the lines and circles one by one through the Surface's
// drawing calls, much faster on large (printer-resolution) surfaces.
namespace GradientSurfacePaint {

// Kinds 0 to 7: horizontal and vertical bands as row and column fills; the
// diagonal bands from the shape of one line, copied sideways. False when
// the lines are not such copies (tiny or odd surfaces): the caller then
// draws them one by one.
bool lines(Surface &surface, const ColorGradient &gradient, int kind, const ColorGradient::Geometry &g);

// Kind 8: every pixel takes the colour of the smallest circle that covers
// its centre, so each pixel is written once instead of once per circle.
// Pixels on a circle's edge may differ by one ring from the drawn circles.
void circles(Surface &surface, const ColorGradient &gradient, const ColorGradient::Geometry &g);

} // namespace GradientSurfacePaint
