#include "CardMerge.h"

#include <algorithm>
#include <utility>

bool CardMerge::load(const QString &path, QString *error)
{
    clear();
    const std::unique_ptr<MergeReader> reader = MergeReader::open(path, error);
    if (!reader)
        return false;
    while (std::optional<MergeRecord> record = reader->next())
        m_records.push_back(std::move(record->values));
    if (m_records.empty()) {
        if (error)
            *error = MergeReader::noRecordMessage(path);
        return false;
    }
    m_path = path;
    m_columns = reader->columns();
    m_irregular = reader->irregularLines();
    m_ticked.assign(m_records.size(), true);
    emit changed();
    return true;
}

void CardMerge::clear()
{
    const bool was = active();
    m_path.clear();
    m_columns.clear();
    m_records.clear();
    m_ticked.clear();
    m_irregular.clear();
    m_current = 0;
    if (was)
        emit changed();
}

void CardMerge::adopt(CardMerge &other)
{
    m_path = std::exchange(other.m_path, {});
    m_columns = std::exchange(other.m_columns, {});
    m_records = std::exchange(other.m_records, {});
    m_ticked = std::exchange(other.m_ticked, {});
    m_irregular = std::exchange(other.m_irregular, {});
    m_current = 0;
    other.m_current = 0;
    emit changed();
}

void CardMerge::setCurrent(int n)
{
    n = std::clamp(n, 0, std::max(0, count() - 1));
    if (n == m_current)
        return;
    m_current = n;
    emit changed();
}

void CardMerge::setTicked(int n, bool on)
{
    if (n >= 0 && n < count())
        m_ticked[std::size_t(n)] = on;
}

std::vector<int> CardMerge::tickedRecords() const
{
    std::vector<int> out;
    for (int n = 0; n < count(); ++n) {
        if (m_ticked[std::size_t(n)])
            out.push_back(n);
    }
    return out;
}
