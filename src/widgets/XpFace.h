#pragma once

#include "platform/Colors.h"

#include <QRegion>
#include <QSize>

class QPainter;

// The face of the XP-style button: colour shading, the faces of every
// button style and the clipped-corner window shape of style 3. Everything
// is in the button's own pixels; a painter on a high-density picture draws
// the same pixels at the picture's density.
namespace XpFace {

// The colours a face is drawn with, all resolved to packed RGB.
struct Colours {
    OleColor back = 0;      // BackColor
    OleColor fore = 0;      // ForeColor
    OleColor dark = 0;      // the 3D dark shadow (corners and frame)
    OleColor focus = 0;     // focus frame of style 3
    OleColor hover = 0;     // hover frame of style 3
    OleColor highlight = 0; // the classic faces' light edge
    OleColor shadow = 0;    // the classic faces' dark edge
};

// What the face shows.
struct State {
    int style = 3;
    bool enabled = true;
    bool pressed = false;
    bool hovered = false;
    bool focused = false;
    int bevel = 1;      // BEVEL
    int bevelDepth = 8; // BEVELDEPTH
    bool borderAlways = false; // XPShowBorderAlways
};

// Draws the face of `state.style` over (0, 0, size): styles 0 to 3; style 4
// has none. Style 2's own background is part of its face.
void paint(QPainter &p, QSize size, const State &state, const Colours &colours);

// The window shape of a style-3 button: the rectangle less three pixels at
// each corner (two of the edge row, one of the next).
QRegion windowRegion(QSize size);

} // namespace XpFace
