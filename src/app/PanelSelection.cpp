#include "PanelSelection.h"

#include "document/CardLabel.h"
#include "document/CardLogo.h"
#include "platform/Surface.h"

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

QRectF labelFrame(const CardLabel &label)
{
    return QRectF(label.Left - 40, label.Top - 10, label.Width() + 70, label.Height() + 30);
}

QRectF logoFrame(const CardLogo &logo)
{
    return QRectF(logo.Left, logo.Top, logo.Width(), logo.Height());
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
