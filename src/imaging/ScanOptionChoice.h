#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Choosing a scan setting among the values a device allows.
namespace ScanOptionChoice {

// The colour mode among a device's scan modes: "Color" when offered,
// otherwise the first mode naming colour ("Colour", "24bit Color") that is
// not a colour line-art or halftone mode; nothing when there is none.
std::optional<QString> colourMode(const QStringList &modes);

// The values a numeric setting allows: a list, or a range from min to max
// in steps of quant (quant 0: any value of the range), or anything.
struct Allowed {
    enum class Kind { Any, List, Range };
    Kind kind = Kind::Any;
    QList<double> list;
    double min = 0;
    double max = 0;
    double quant = 0;
};

// The allowed value nearest to `wanted`, the larger of two equally near;
// nothing for an empty list or a range whose minimum exceeds its maximum.
std::optional<double> nearest(const Allowed &allowed, double wanted);

} // namespace ScanOptionChoice
