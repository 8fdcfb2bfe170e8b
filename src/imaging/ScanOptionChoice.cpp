#include "ScanOptionChoice.h"

#include <algorithm>
#include <cmath>

namespace ScanOptionChoice {

std::optional<QString> colourMode(const QStringList &modes)
{
    if (modes.contains(QLatin1String("Color")))
        return QStringLiteral("Color");
    for (const QString &mode : modes) {
        const QString m = mode.toLower();
        const bool colour = m.contains(QLatin1String("color")) || m.contains(QLatin1String("colour"));
        if (colour && !m.contains(QLatin1String("lineart")) && !m.contains(QLatin1String("halftone")))
            return mode;
    }
    return std::nullopt;
}

std::optional<double> nearest(const Allowed &allowed, double wanted)
{
    switch (allowed.kind) {
    case Allowed::Kind::Any:
        return wanted;
    case Allowed::Kind::List: {
        std::optional<double> best;
        for (double v : allowed.list) {
            if (!best || std::abs(v - wanted) < std::abs(*best - wanted)
                || (std::abs(v - wanted) == std::abs(*best - wanted) && v > *best))
                best = v;
        }
        return best;
    }
    case Allowed::Kind::Range: {
        if (allowed.min > allowed.max)
            return std::nullopt;
        if (allowed.quant <= 0)
            return std::clamp(wanted, allowed.min, allowed.max);
        const double steps = std::floor((allowed.max - allowed.min) / allowed.quant);
        const double k = std::clamp(std::floor((wanted - allowed.min) / allowed.quant + 0.5), 0.0, steps);
        return allowed.min + k * allowed.quant;
    }
    }
    return std::nullopt;
}

} // namespace ScanOptionChoice
