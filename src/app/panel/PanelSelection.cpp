#include "PanelSelection.h"

#include "document/CardDocument.h"
#include "platform/Surface.h"

#include <QComboBox>

namespace PanelSelection {

namespace {
const QString &separator()
{
    static const QString text = QStringLiteral(" | ");
    return text;
}
} // namespace

std::optional<int> rowNumber(const QString &row)
{
    const qsizetype end = row.indexOf(separator());
    if (end <= 2)
        return std::nullopt;
    const QStringView digits = QStringView(row).mid(2, end - 2);
    int value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > 32767)
            return std::nullopt;
    }
    return value;
}

QString rowItem(const QString &row)
{
    const qsizetype end = row.indexOf(separator());
    return end < 0 ? QString() : row.left(end);
}

QStringList rows(const CardDocument &card)
{
    QStringList list;
    for (int i = 1; i <= card.labelCount(); ++i) {
        if (const CardLabel *label = card.visibleLabel(i))
            list.append(itemKey({CardItemRef::LabelItem, i}) + separator() + label->Caption());
    }
    list.append(QString(40, QLatin1Char('-')));
    for (int i = 1; i <= card.logoCount(); ++i) {
        if (card.visibleLogo(i))
            list.append(itemKey({CardItemRef::LogoItem, i}) + separator() + QStringLiteral("Logo image n°")
                        + QString::number(i));
    }
    for (int i = 1; i <= card.codeCount(); ++i) {
        if (const CardCode *code = card.visibleCode(i))
            list.append(itemKey({CardItemRef::CodeItem, i}) + separator() + CardCode::kindName(code->kind));
    }
    return list;
}

QString itemKey(CardItemRef item)
{
    static const char *const prefixes[] = {"Lb", "Lg", "Cd"};
    return QLatin1String(prefixes[item.kind]) + QString::number(item.index);
}

int selectionKind(CardItemRef::Kind kind)
{
    return int(kind) + 1;
}

CardItemRef::Kind kindOf(int selectionKind)
{
    switch (selectionKind) {
    case 1: return CardItemRef::LabelItem;
    case 3: return CardItemRef::CodeItem;
    default: return CardItemRef::LogoItem;
    }
}

int findRow(const QComboBox &list, const QString &key)
{
    for (int row = 0; row < list.count(); ++row) {
        if (rowItem(list.itemText(row)) == key)
            return row;
    }
    return -1;
}

float centredLeft(const Surface &card, float width)
{
    return float(card.width() / 2 - width / 2);
}

float centredTop(const Surface &card, float height)
{
    return float(card.height() / 2 - height / 2);
}

} // namespace PanelSelection
