#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

// Colours as the card model stores them: a 32-bit signed integer holding
// red + 256 x green + 65536 x blue, or, with the top bit set, the index of a
// system colour (Windows numbering) resolved through the palette.
using OleColor = std::int32_t;

namespace Colors {

// System colour indexes (Windows numbering).
enum SystemIndex : int {
    ScrollBar = 0,
    Desktop = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
};

constexpr OleColor system(int index) { return static_cast<OleColor>(0x80000000u | static_cast<std::uint32_t>(index)); }

constexpr OleColor rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr int red(OleColor c) { return c & 0xFF; }
constexpr int green(OleColor c) { return (c >> 8) & 0xFF; }
constexpr int blue(OleColor c) { return (c >> 16) & 0xFF; }

constexpr OleColor White = 0xFFFFFF;
constexpr OleColor Black = 0;
constexpr OleColor LightGrey = 0xE0E0E0;

// Resolves a colour (system colours through `palette`) to a QColor.
QColor toQColor(OleColor c, const QPalette &palette);
// Same with the application palette.
QColor toQColor(OleColor c);
// Packs a QColor's red, green and blue (alpha dropped).
OleColor fromQColor(const QColor &c);
// The packed RGB value a colour stands for right now.
OleColor resolve(OleColor c);

} // namespace Colors
