#include "SheetFields.h"

namespace SheetFields {

namespace {

// The name the dialog shows beside a field, used in messages.
QString fieldName(Field field)
{
    switch (field) {
    case X:
        return QStringLiteral("Abcisse X");
    case Y:
        return QStringLiteral("Ordonnée Y");
    case HGap:
        return QStringLiteral("Séparateur horizontal");
    case VGap:
        return QStringLiteral("Séparateur vertical");
    case Across:
        return QStringLiteral("Nombre horizontal sur une planche");
    case Down:
        return QStringLiteral("Nombre vertical sur une planche");
    case Count:
        break;
    }
    return {};
}

// The message for a field that is not a whole number from `min` to `max`.
QString rangeMessage(const QString &name, int min, int max)
{
    return QStringLiteral("Le champ \"%1\" doit contenir un nombre entier de %2 à %3.").arg(name).arg(min).arg(max);
}

} // namespace

Texts initialTexts()
{
    const QString ten = QStringLiteral("10");
    const QString one = QStringLiteral("1");
    return Texts{ten, ten, ten, ten, one, one};
}

QString sheetsName()
{
    return QStringLiteral("Nombre total de pages");
}

QString zoomName()
{
    return QStringLiteral("Zoom défaut");
}

QString customWidthName()
{
    return QStringLiteral("Largeur");
}

QString customHeightName()
{
    return QStringLiteral("Hauteur");
}

std::optional<int> readWholeNumber(const QString &text, int min, int max)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : t) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > max)
            return std::nullopt;
    }
    if (value < min)
        return std::nullopt;
    return int(value);
}

std::optional<int> readField(const QString &text, const QString &name, int min, int max, QString *error)
{
    const std::optional<int> value = readWholeNumber(text, min, max);
    if (!value && error)
        *error = rangeMessage(name, min, max);
    return value;
}

std::optional<Grid> readGrid(const Texts &texts, QString *error)
{
    int values[Count] = {};
    for (int f = 0; f < Count; ++f) {
        const int min = f >= Across ? 1 : 0;
        const std::optional<int> v = readField(texts[std::size_t(f)], fieldName(Field(f)), min, MaxValue, error);
        if (!v)
            return std::nullopt;
        values[f] = *v;
    }
    if (qint64(values[Across]) * values[Down] > MaxCards) {
        if (error)
            *error = QStringLiteral("Le nombre d'étiquettes par planche (%1 x %2) ne peut pas dépasser %3.")
                         .arg(values[Across])
                         .arg(values[Down])
                         .arg(MaxCards);
        return std::nullopt;
    }
    return Grid{values[X], values[Y], values[HGap], values[VGap], values[Across], values[Down]};
}

} // namespace SheetFields
