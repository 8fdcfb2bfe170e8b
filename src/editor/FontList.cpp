#include "FontList.h"

#include <QFontDatabase>

#include <algorithm>

namespace {

// Alphabetical without regard to case; names that differ only by case in
// a fixed order.
bool byName(const QString &a, const QString &b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

} // namespace

FontList::FontList(QStringList names) : m_names(std::move(names))
{
    std::sort(m_names.begin(), m_names.end(), byName);
    m_names.erase(std::unique(m_names.begin(), m_names.end()), m_names.end());
    m_byFoldedName.reserve(m_names.size());
    for (const QString &name : std::as_const(m_names))
        m_byFoldedName.insert(name.toCaseFolded(), name);
}

FontList FontList::system()
{
    QStringList names;
    const QStringList families = QFontDatabase::families();
    names.reserve(families.size());
    for (const QString &family : families) {
        if (!QFontDatabase::isPrivateFamily(family) && QFontDatabase::isScalable(family))
            names.append(familyName(family));
    }
    return FontList(std::move(names));
}

QString FontList::familyName(const QString &systemFamily)
{
    if (!systemFamily.endsWith(u']'))
        return systemFamily;
    const qsizetype open = systemFamily.lastIndexOf(QLatin1String(" ["));
    return open > 0 ? systemFamily.left(open) : systemFamily;
}

QString FontList::find(const QString &name) const
{
    // Two listed names may differ only by case: the exact one wins.
    if (std::binary_search(m_names.cbegin(), m_names.cend(), name, byName))
        return name;
    return m_byFoldedName.value(name.toCaseFolded());
}
