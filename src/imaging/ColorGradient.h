#pragma once

#include "platform/Colors.h"

#include <array>
#include <vector>

class PaintTarget;
class Prompts;

// A colour ramp of eleven stops (stop i at 10 x i percent) painted over a
// whole surface in one of nine geometries: straight bands in eight
// directions (kinds 0 to 7) or concentric circles (kind 8).
//
// Stops 0 and 10 are always set; a stop no caller has set carries the colour
// interpolated from its nearest set neighbours, recomputed after every
// change of the table. A card paints its gradient with a painter of its own
// whose stops 0, 5 and 10 are the card's colours; the tool panel keeps one
// for its colour swatches.
class ColorGradient {
public:
    static constexpr int KindCount = 9;

    // Black at stop 0, white at stop 10, an even grey ramp between.
    ColorGradient();

    // Index outside 0..10: ignored. A negative colour unsets the stop (as
    // UnSetColor); otherwise the stop takes the colour and becomes set.
    void SetColor(int index, OleColor color);
    // SetColor(index, red + 256 x green + 65536 x blue); a sum that does not
    // fit a colour value is ignored.
    void SetColorRGB(int index, int red, int green, int blue);
    // Only stops 1..9 can be unset; anything else is ignored.
    void UnSetColor(int index);
    // The stop's colour (chosen or interpolated); 0 outside 0..10.
    OleColor GetColor(int index) const;
    // Whether a caller chose the stop's colour; false outside 0..10.
    bool IsSet(int index) const;

    // The ramp's colour at percentage q (clamped to 0..100), interpolated
    // between the two stops around it.
    OleColor colorAt(float q) const;

    // Paints the ramp over the whole target with geometry `kind` (0..8).
    // Another kind shows "Nope" (through the prompts, when given) and draws
    // nothing; a target without pixels gets nothing. The painter neither
    // clears the target first nor restores its fill style afterwards.
    void PaintObject(PaintTarget &target, int kind);

    // Where the "Nope" message goes; none: no message.
    void setPrompts(Prompts *prompts) { m_prompts = prompts; }

    // The target's size in the painter's terms.
    struct Geometry {
        double tx = 0; // twips per pixel, horizontally and vertically
        double ty = 0;
        double W = 0; // size in twips, rounded
        double H = 0;
        long long PW = 0; // size in pixels, rounded half to even
        long long PH = 0;
        long long half = 0; // PH / 2, rounded half to even
    };

    // Circle radii (twips) of the circular kind, largest first, with the
    // colour of each; empty when the half-diagonal rounds to 0.
    struct Circle {
        float radius;
        OleColor color;
    };
    struct Circles {
        double cx = 0; // centre, twips
        double cy = 0;
        std::vector<Circle> list;
    };
    void circlesOf(const Geometry &g, Circles &out) const;

    // Percentage q of line i of n for the banded kinds, reversed or not.
    static float linePercent(long long i, long long n, bool reversed);

private:
    static constexpr int StopCount = 11;

    // Blends colours a and b component by component at p percent (clamped
    // to 0..100), rounding half to even. Uses the low 24 bits of each
    // colour.
    static OleColor blend(OleColor a, OleColor b, double p);
    // False when the target has no pixels to paint (or absurd dimensions).
    static bool geometryOf(const PaintTarget &target, Geometry &g);

    struct Stop {
        OleColor color = 0;
        bool set = false;
    };

    void refill();
    void paintLines(PaintTarget &target, int kind, const Geometry &g) const;
    void paintCircles(PaintTarget &target, const Geometry &g) const;

    std::array<Stop, StopCount> m_stops{};
    Prompts *m_prompts = nullptr;
};
