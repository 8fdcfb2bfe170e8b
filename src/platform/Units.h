#pragma once

#include <cmath>

// Lengths on cards and windows are twips: 567 per centimetre, 15 per screen
// pixel, 56.7 per millimetre.
namespace Units {

constexpr double TwipsPerCm = 567.0;
constexpr double TwipsPerMm = 56.7;
constexpr double TwipsPerInch = 1440.0;
constexpr double ScreenTwipsPerPixel = 15.0;

constexpr double cmToTwips(double cm) { return cm * TwipsPerCm; }
constexpr double mmToTwips(double mm) { return mm * TwipsPerMm; }

// Whole screen pixels for a length in twips (rounded to nearest).
inline int toPixels(double twips, double twipsPerPixel = ScreenTwipsPerPixel)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}
constexpr double fromPixels(double pixels, double twipsPerPixel = ScreenTwipsPerPixel)
{
    return pixels * twipsPerPixel;
}

} // namespace Units
