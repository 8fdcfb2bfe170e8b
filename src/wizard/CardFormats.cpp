#include "CardFormats.h"

#include "platform/TextConv.h"

namespace CardFormats {

namespace {

// The custom fields' range, centimetres.
constexpr double MinCm = 1;
constexpr double MaxCm = 23;

} // namespace

QString text(int position)
{
    return position >= 0 && position < int(List.size()) ? QString::fromUtf8(List[std::size_t(position)].text)
                                                         : QString();
}

QString initialText(int field)
{
    return field == Length ? QStringLiteral("8,4") : QStringLiteral("5,4");
}

QString refusal(int field)
{
    return field == Length ? QStringLiteral("Ce type de longueur n'est pas autorisée.")
                           : QStringLiteral("Ce type de hauteur n'est pas autorisée.");
}

QString commaAdvice()
{
    return QStringLiteral("Veuillez utiliser de préférence la virgule pour chaque mesure.");
}

std::optional<double> centimetres(const QString &text)
{
    // The comma is the only decimal separator here: "8.4" is not a length.
    if (text.contains(QLatin1Char('.')))
        return std::nullopt;
    const std::optional<double> value = TextConv::toNumber(text);
    if (!value || !(*value >= MinCm) || !(*value <= MaxCm))
        return std::nullopt;
    return value;
}

} // namespace CardFormats
