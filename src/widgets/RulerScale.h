#pragma once

#include "platform/Units.h"

#include <QList>
#include <QString>

// The arithmetic of a ruler's scale, in twips: the unit length of each mode,
// where the ticks stand, how far across the ruler each reaches and what the
// unit ticks say. The Ruler widget only draws what this computes.
namespace RulerScale {

// Units, in the order of the ruler's menu.
enum Mode : int { Centimeter = 0, Inch = 1, Pixel100 = 2, Twip1000 = 3 };
constexpr int ModeCount = 4;

constexpr bool isMode(int mode) { return mode >= Centimeter && mode < ModeCount; }

// The menu caption of a mode; empty for an unknown mode.
QString modeCaption(int mode);

// Length of one unit in twips: 570 for a centimetre (the ruler's own, not
// the 567 of the rest of the program), 1440 for an inch, 100 screen pixels
// for "Pixel * 100", 1000 for "Twip * 1000". 0 for an unknown mode.
double unitTwips(int mode, double twipsPerPixel = Units::ScreenTwipsPerPixel);

// One tick at `position` along the ruler, drawn across it from `from` to
// the far edge (the thickness). Unit ticks reach across the whole ruler
// and carry their number of whole units; the others carry 0.
struct Tick {
    double position = 0;
    double from = 0;
    int number = 0;
};

// The ticks of a ruler `length` twips long and `thickness` twips thick, for
// units of `unit` twips: ten per unit, the first one tenth of a unit from
// the start (nothing stands at 0), a half-length tick at the fifth, a full
// one with its number at the tenth. Groups of ten are added while a group
// starts before `length`, so the last group is whole and may run past the
// end. Nothing for a unit or length that is not positive and finite.
QList<Tick> ticks(double unit, double length, double thickness);

// The text printed beside a unit tick: a horizontal ruler writes a blank
// before the number, a vertical one the number alone.
QString label(int number, bool horizontal);

} // namespace RulerScale
