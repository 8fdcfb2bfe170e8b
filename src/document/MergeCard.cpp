#include "MergeCard.h"

#include "MergeFields.h"

#include <QSet>

MergeCard::MergeCard(const CardData &card, const QStringList &columns)
    : m_card(card)
{
    for (int i = 0; i < columns.size(); ++i)
        m_columns.insert(MergeFields::key(columns[i]), i);
    QSet<QString> missing;
    for (int i = 1; i <= card.labelCount(); ++i) {
        const CardLabel &label = *card.Label(i);
        const QStringList names = MergeFields::names(label.Caption());
        if (!label.Visible || names.isEmpty())
            continue;
        m_labels.push_back(i);
        // Each missing field is listed once, as first typed, whatever the
        // case or accents of its later uses.
        for (const QString &name : names) {
            const QString key = MergeFields::key(name);
            if (!m_columns.contains(key) && !missing.contains(key)) {
                missing.insert(key);
                m_unknown.append(QLatin1Char('{') + name + QLatin1Char('}'));
            }
        }
    }
}

CardData MergeCard::fill(const QStringList &values) const
{
    CardData card = m_card;
    const auto value = [this, &values](const QString &name) -> std::optional<QString> {
        const auto it = m_columns.constFind(MergeFields::key(name));
        if (it == m_columns.constEnd())
            return std::nullopt;
        return values.value(*it);
    };
    for (const int index : m_labels) {
        CardLabel &label = *card.Label(index);
        label.setCaption(MergeFields::fill(label.Caption(), value));
    }
    return card;
}

QString MergeCard::unknownFieldsMessage(const QStringList &unknown)
{
    return unknown.isEmpty() ? QString()
                             : QStringLiteral("Champs absents de la liste : ") + unknown.join(QStringLiteral(", "));
}

QString MergeCard::irregularLinesMessage(const QList<int> &lines)
{
    if (lines.isEmpty())
        return QString();
    // The first few lines say enough: a list broken throughout would give
    // a message longer than the screen.
    constexpr int Shown = 10;
    QStringList numbers;
    for (const int line : lines.mid(0, Shown))
        numbers.append(QString::number(line));
    if (lines.size() > Shown)
        numbers.append(QStringLiteral("…"));
    if (lines.size() == 1)
        return QStringLiteral("La fiche de la ligne %1 de la liste n'a pas autant de valeurs que l'en-tête : "
                              "elle est complétée ou coupée.")
            .arg(numbers.first());
    return QStringLiteral("Les fiches des lignes %1 de la liste n'ont pas autant de valeurs que l'en-tête : "
                          "elles sont complétées ou coupées.")
        .arg(numbers.join(QStringLiteral(", ")));
}
