#include "TextConv.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace TextConv {

namespace {

// Digits with an optional sign, one decimal separator (comma or point) and
// an optional exponent; at least one digit in the mantissa.
bool isDecimalText(const QString &t)
{
    int i = 0;
    const int n = int(t.size());
    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    int digits = 0;
    while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && (t[i] == u'.' || t[i] == u',')) {
        ++i;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            ++i;
        int expDigits = 0;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == n;
}

template <typename T>
std::optional<T> inRange(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = roundHalfEven(value);
    if (r < double(std::numeric_limits<T>::min()) || r > double(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(r);
}

template <typename T>
std::optional<T> textInRange(const QString &text)
{
    const std::optional<double> v = toNumber(text);
    if (!v)
        return std::nullopt;
    return inRange<T>(*v);
}

// Lays out `digits` (significant digits, no sign) with the decimal exponent
// `exp10` of the first digit, in fixed notation, trailing zeros of the
// fraction dropped.
QString fixedNotation(const QString &digits, int exp10)
{
    QString intPart;
    QString fracPart;
    if (exp10 < 0) {
        intPart = QStringLiteral("0");
        fracPart = QString(-exp10 - 1, u'0') + digits;
    } else if (exp10 + 1 >= digits.size()) {
        intPart = digits + QString(exp10 + 1 - int(digits.size()), u'0');
    } else {
        intPart = digits.left(exp10 + 1);
        fracPart = digits.mid(exp10 + 1);
    }
    while (fracPart.endsWith(u'0'))
        fracPart.chop(1);
    return fracPart.isEmpty() ? intPart : intPart + u',' + fracPart;
}

} // namespace

std::optional<bool> toBool(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("vrai"), Qt::CaseInsensitive) == 0
        || t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("faux"), Qt::CaseInsensitive) == 0
        || t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    const std::optional<double> n = toNumber(t);
    if (!n)
        return std::nullopt;
    return *n != 0.0;
}

QString fromBool(bool value)
{
    return value ? QStringLiteral("Vrai") : QStringLiteral("Faux");
}

std::optional<double> toNumber(const QString &text)
{
    QString t = text.trimmed();
    if (!isDecimalText(t))
        return std::nullopt;
    t.replace(u',', u'.');
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString fromSingle(float value)
{
    if (!std::isfinite(value) || value == 0.0f)
        return QStringLiteral("0");
    const bool negative = value < 0.0f;
    const double magnitude = std::fabs(double(value));

    // The fewest significant digits (up to 7) that read back to the same
    // single; seven when none does.
    QString mantissa;
    for (int precision = 1; precision <= 7; ++precision) {
        mantissa = QString::number(magnitude, 'e', precision - 1);
        if (float(mantissa.toDouble()) == std::fabs(value))
            break;
    }
    // mantissa is "d.ddde+XX"
    const qsizetype ePos = mantissa.indexOf(u'e');
    const int exp10 = mantissa.mid(ePos + 1).toInt();
    QString digits = mantissa.left(ePos);
    digits.remove(u'.');
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString out;
    if (exp10 >= -5 && exp10 < 7) {
        out = fixedNotation(digits, exp10);
    } else {
        out = digits.left(1);
        if (digits.size() > 1)
            out += u',' + digits.mid(1);
        out += (exp10 < 0 ? QStringLiteral("E-") : QStringLiteral("E+"))
            + QStringLiteral("%1").arg(std::abs(exp10), 2, 10, QChar(u'0'));
    }
    return negative ? u'-' + out : out;
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5)
        return lower;
    if (diff > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::optional<std::int16_t> toInt16(double value) { return inRange<std::int16_t>(value); }
std::optional<std::int32_t> toInt32(double value) { return inRange<std::int32_t>(value); }
std::optional<std::int16_t> toInt16(const QString &text) { return textInRange<std::int16_t>(text); }
std::optional<std::int32_t> toInt32(const QString &text) { return textInRange<std::int32_t>(text); }

QString format(double value, const QString &pattern, QChar decimalSeparator)
{
    const qsizetype pointPos = pattern.indexOf(u'.');
    const QString intPattern = pointPos < 0 ? pattern : pattern.left(pointPos);
    const QString fracPattern = pointPos < 0 ? QString() : pattern.mid(pointPos + 1);
    const int minIntDigits = int(intPattern.count(u'0'));
    const int decimals = int(fracPattern.count(u'0'));

    if (!std::isfinite(value))
        value = 0.0;
    const bool negative = value < 0.0;
    double scaled = std::fabs(value) * std::pow(10.0, decimals);
    // Round the binary value to 15 significant digits first, so that 8.405
    // counts as the decimal number it was written as, then round half away
    // from zero.
    scaled = QString::number(scaled, 'g', 15).toDouble();
    scaled = std::round(scaled);

    QString digits;
    if (scaled < 9.0e15)
        digits = QString::number(static_cast<qint64>(scaled));
    else
        digits = QString::number(scaled, 'f', 0);
    if (digits.size() < decimals + 1)
        digits = QString(decimals + 1 - int(digits.size()), u'0') + digits;

    QString intPart = digits.left(digits.size() - decimals);
    const QString fracPart = digits.right(decimals);
    if (intPart == QLatin1String("0") && minIntDigits == 0 && decimals > 0)
        intPart.clear();
    if (intPart.size() < minIntDigits)
        intPart = QString(minIntDigits - int(intPart.size()), u'0') + intPart;

    QString out = intPart;
    if (decimals > 0)
        out += decimalSeparator + fracPart;
    if (negative && scaled != 0.0)
        out.prepend(u'-');
    return out;
}

QString format(double value, const QString &pattern)
{
    const QString point = QLocale().decimalPoint();
    return format(value, pattern, point.isEmpty() ? QChar(u'.') : point.at(0));
}

} // namespace TextConv
