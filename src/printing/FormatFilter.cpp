#include "FormatFilter.h"

namespace {

// Letters and digits only: "vm-5019" -> "vm5019".
QString compact(const QString &folded)
{
    QString out;
    out.reserve(folded.size());
    for (QChar c : folded) {
        if (c.isLetterOrNumber())
            out.append(c);
    }
    return out;
}

} // namespace

QString FormatFilter::fold(const QString &text)
{
    // Compatibility decomposition splits "é" into "e" and its accent, and
    // ligatures such as "ﬁ" into their letters; the marks are then dropped.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_SpacingCombining
            && category != QChar::Mark_Enclosing)
            out.append(c);
    }
    out = out.toCaseFolded();
    // French ligatures have no decomposition.
    out.replace(u'œ', QLatin1String("oe"));
    out.replace(u'æ', QLatin1String("ae"));
    return out;
}

void FormatFilter::setQuery(const QString &query)
{
    m_query = query;
    // Tabs and other blanks separate words as spaces do.
    m_words = fold(query).simplified().split(u' ', Qt::SkipEmptyParts);
}

bool FormatFilter::matches(const QString &line) const
{
    if (m_words.isEmpty())
        return true;
    const qsizetype bar = line.indexOf(u'|');
    const QString name = fold(bar < 0 ? line : line.left(bar));
    const QString joined = compact(name);
    for (const QString &word : m_words) {
        // Letters and digits are looked for across the name's punctuation;
        // a word of punctuation alone ("#", "-") as it was typed.
        const QString letters = compact(word);
        if (letters.isEmpty() ? !name.contains(word) : !joined.contains(letters))
            return false;
    }
    return true;
}

bool FormatFilter::apply(const QStringList &items)
{
    QList<int> rows;
    for (int i = 0; i < items.size(); ++i) {
        if (matches(items.at(i)))
            rows.append(i);
    }
    const bool changed = rows != m_rows || items != m_items;
    m_rows = rows;
    m_items = items;
    return changed;
}

int FormatFilter::indexAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row) : -1;
}

int FormatFilter::rowOf(int index) const
{
    return int(m_rows.indexOf(index));
}

QString FormatFilter::summary() const
{
    if (m_words.isEmpty())
        return {};
    switch (m_rows.size()) {
    case 0:
        return QStringLiteral("Aucun format ne correspond à la recherche.");
    case 1:
        return QStringLiteral("1 format trouvé : choisissez-le dans la liste.");
    default:
        return QStringLiteral("%1 formats trouvés : choisissez-en un dans la liste.").arg(m_rows.size());
    }
}
