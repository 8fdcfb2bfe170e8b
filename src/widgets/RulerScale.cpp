#include "RulerScale.h"

#include <cmath>

namespace RulerScale {

namespace {

// Short ticks cover the last 21 % of the thickness, the half-unit tick half
// of it, the unit tick all of it.
constexpr double ShortTick = 0.21;
constexpr double HalfTick = 0.5;
// More units than any screen holds: a bound against absurd lengths.
constexpr int MaxGroups = 100000;

} // namespace

QString modeCaption(int mode)
{
    switch (mode) {
    case Centimeter: return QStringLiteral("Centimeter");
    case Inch: return QStringLiteral("Inch");
    case Pixel100: return QStringLiteral("Pixel * 100");
    case Twip1000: return QStringLiteral("Twip * 1000");
    default: return {};
    }
}

double unitTwips(int mode, double twipsPerPixel)
{
    switch (mode) {
    case Centimeter: return 570.0;
    case Inch: return Units::TwipsPerInch;
    case Pixel100: return twipsPerPixel * 100.0;
    case Twip1000: return 1000.0;
    default: return 0.0;
    }
}

QList<Tick> ticks(double unit, double length, double thickness)
{
    QList<Tick> result;
    if (!(unit > 0.0) || !std::isfinite(unit) || !std::isfinite(length) || !std::isfinite(thickness))
        return result;
    const double step = unit / 10.0;
    // Positions are counted in steps rather than summed, so the tenth tick
    // of group n is exactly n units and never labels itself n - 1.
    for (int group = 1; group <= MaxGroups; ++group) {
        const int first = (group - 1) * 10 + 1;
        if (!(first * step < length))
            break;
        for (int i = 1; i <= 10; ++i) {
            Tick tick;
            tick.position = (first + i - 1) * step;
            if (i == 10) {
                tick.from = 0.0;
                tick.number = group;
            } else if (i == 5) {
                tick.from = thickness - thickness * HalfTick;
            } else {
                tick.from = thickness - thickness * ShortTick;
            }
            result.append(tick);
        }
    }
    return result;
}

QString label(int number, bool horizontal)
{
    const QString digits = QString::number(number);
    return horizontal ? QStringLiteral(" ") + digits : digits;
}

} // namespace RulerScale
