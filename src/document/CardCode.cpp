#include "CardCode.h"

namespace {

constexpr const char *Keys[CardCode::KindCount] = {"QR", "DataMatrix", "EAN13", "Code128"};
constexpr const char *Names[CardCode::KindCount] = {"QR code", "Data Matrix", "EAN-13", "Code 128"};
constexpr char CorrectionKeys[] = "LMQH";

} // namespace

QString CardCode::kindKey(Kind kind)
{
    return QString::fromLatin1(Keys[kind]);
}

std::optional<CardCode::Kind> CardCode::kindFromKey(const QString &key)
{
    for (int k = 0; k < KindCount; ++k) {
        if (key.trimmed().compare(QLatin1String(Keys[k]), Qt::CaseInsensitive) == 0)
            return Kind(k);
    }
    return std::nullopt;
}

QString CardCode::kindName(Kind kind)
{
    return QString::fromLatin1(Names[kind]);
}

QChar CardCode::correctionKey(Correction correction)
{
    return QLatin1Char(CorrectionKeys[correction]);
}

std::optional<CardCode::Correction> CardCode::correctionFromKey(const QString &key)
{
    const QString k = key.trimmed().toUpper();
    for (int c = 0; c < 4; ++c) {
        if (k == QLatin1Char(CorrectionKeys[c]))
            return Correction(c);
    }
    return std::nullopt;
}
