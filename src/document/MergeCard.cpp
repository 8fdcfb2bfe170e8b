#include "MergeCard.h"

#include "CodeContent.h"
#include "CodeSymbol.h"
#include "MergeFields.h"

#include <QSet>

namespace {

// The first few numbers say enough: a list broken throughout would give a
// message longer than the screen.
QStringList shownNumbers(const QList<int> &all)
{
    constexpr int Shown = 10;
    QStringList numbers;
    for (const int n : all.mid(0, Shown))
        numbers.append(QString::number(n));
    if (all.size() > Shown)
        numbers.append(QStringLiteral("…"));
    return numbers;
}

} // namespace

MergeCard::MergeCard(const CardData &card, const QStringList &columns)
    : m_card(card)
{
    for (int i = 0; i < columns.size(); ++i)
        m_columns.insert(MergeFields::key(columns[i]), i);
    QSet<QString> missing;
    // Each missing field is listed once, as first typed, whatever the case
    // or accents of its later uses.
    const auto check = [&](const QStringList &names) {
        for (const QString &name : names) {
            const QString key = MergeFields::key(name);
            if (!m_columns.contains(key) && !missing.contains(key)) {
                missing.insert(key);
                m_unknown.append(QLatin1Char('{') + name + QLatin1Char('}'));
            }
        }
    };
    for (int i = 1; i <= card.labelCount(); ++i) {
        const CardLabel &label = *card.Label(i);
        const QStringList names = MergeFields::names(label.Caption());
        if (!label.Visible || names.isEmpty())
            continue;
        m_labels.push_back(i);
        check(names);
    }
    for (int i = 1; i <= card.codeCount(); ++i) {
        const CardCode &code = *card.Code(i);
        const QStringList names = MergeFields::names(code.content);
        if (!code.Visible || names.isEmpty())
            continue;
        m_codes.push_back(i);
        check(names);
    }
}

CardData MergeCard::fill(const QStringList &values, bool *unfit) const
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
    bool anyUnfit = false;
    for (const int index : m_codes) {
        CardCode &code = *card.Code(index);
        code.content = CodeContent::fill(code.content, value);
        anyUnfit = anyUnfit || !CodeSymbol::of(code).valid();
    }
    if (unfit)
        *unfit = anyUnfit;
    return card;
}

QList<int> MergeCard::unfitRecords(int count, const std::function<QStringList(int)> &values) const
{
    QList<int> unfit;
    if (m_codes.empty())
        return unfit;
    for (int n = 0; n < count; ++n) {
        bool bad = false;
        fill(values(n), &bad);
        if (bad)
            unfit.append(n + 1);
    }
    return unfit;
}

QString MergeCard::unfitCodesMessage(const QList<int> &records)
{
    if (records.isEmpty())
        return QString();
    const QStringList numbers = shownNumbers(records);
    return (records.size() == 1 ? QStringLiteral("Le code ne peut pas être fait pour la fiche %1 de la liste : "
                                                 "un cadre vide le remplace.")
                                : QStringLiteral("Le code ne peut pas être fait pour les fiches %1 de la liste : "
                                                 "un cadre vide le remplace."))
        .arg(numbers.join(QStringLiteral(", ")));
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
    const QStringList numbers = shownNumbers(lines);
    if (lines.size() == 1)
        return QStringLiteral("La fiche de la ligne %1 de la liste n'a pas autant de valeurs que l'en-tête : "
                              "elle est complétée ou coupée.")
            .arg(numbers.first());
    return QStringLiteral("Les fiches des lignes %1 de la liste n'ont pas autant de valeurs que l'en-tête : "
                          "elles sont complétées ou coupées.")
        .arg(numbers.join(QStringLiteral(", ")));
}
