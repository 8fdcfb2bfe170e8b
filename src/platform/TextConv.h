#pragma once

#include <QChar>
#include <QString>
#include <cstdint>
#include <optional>

// Conversions between values and the texts that settings, project files and
// read-outs hold. Reading is lenient (French and English Boolean words,
// comma or point decimals); writing follows a French system.
namespace TextConv {

// "Vrai"/"Faux"/"True"/"False" in any case, or a number (0 false, other true).
std::optional<bool> toBool(const QString &text);
// "Vrai" or "Faux".
QString fromBool(bool value);

// A decimal number written with a comma or a point; surrounding blanks
// allowed; empty or malformed text gives nothing.
std::optional<double> toNumber(const QString &text);

// A single-precision value in its shortest form that reads back to the same
// single (at most 7 significant digits, no exponent for card-sized values),
// with a comma as the decimal separator; integral values have no decimals.
QString fromSingle(float value);

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

// Range-checked conversions of numbers (rounded half to even first) and of
// texts; out of range or malformed gives nothing.
std::optional<std::int16_t> toInt16(double value);
std::optional<std::int32_t> toInt32(double value);
std::optional<std::int16_t> toInt16(const QString &text);
std::optional<std::int32_t> toInt32(const QString &text);

// Formats a number with a pattern made of '0' digits and at most one '.'
// ("0.00", "00.00"): at least as many integer digits as zeros before the
// point, exactly as many decimals as zeros after it (rounded half away from
// zero, as the formatting of a display does), the point written as
// `decimalSeparator`.
QString format(double value, const QString &pattern, QChar decimalSeparator);
// Same with the decimal separator of the user's regional settings
// (QLocale()).
QString format(double value, const QString &pattern);

} // namespace TextConv
