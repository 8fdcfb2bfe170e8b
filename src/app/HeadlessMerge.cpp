#include "HeadlessMerge.h"

#include "CommandLine.h"
#include "document/MergeCard.h"

std::unique_ptr<HeadlessMerge> HeadlessMerge::open(const QString &path, QString &error)
{
    // One pass to count, for the sheets the job will fill.
    std::unique_ptr<MergeReader> counting = MergeReader::open(path, &error);
    if (!counting)
        return nullptr;
    auto merge = std::unique_ptr<HeadlessMerge>(new HeadlessMerge);
    while (counting->next())
        ++merge->m_records;
    if (merge->m_records == 0) {
        error = MergeReader::noRecordMessage(path);
        return nullptr;
    }
    merge->m_path = path;
    merge->m_reader = MergeReader::open(path, &error);
    if (!merge->m_reader)
        return nullptr;
    return merge;
}

QStringList HeadlessMerge::values(int n)
{
    while (m_read < n) {
        std::optional<MergeRecord> record = m_reader->next();
        if (!record)
            break;
        m_values = std::move(record->values);
        ++m_read;
    }
    return m_values;
}

void HeadlessMerge::warnFields(const CardData &card) const
{
    const QString unknown = MergeCard::unknownFieldsMessage(MergeCard(card, columns()).unknownFields());
    if (!unknown.isEmpty())
        CommandLine::warn(unknown);
}

void HeadlessMerge::warnCodes(const CardData &card) const
{
    const MergeCard filling(card, columns());
    QString error;
    std::unique_ptr<MergeReader> scan = MergeReader::open(m_path, &error);
    if (!scan)
        return;
    QStringList current;
    const QList<int> unfit = filling.unfitRecords(m_records, [&scan, &current](int) {
        if (std::optional<MergeRecord> record = scan->next())
            current = std::move(record->values);
        return current;
    });
    const QString message = MergeCard::unfitCodesMessage(unfit);
    if (!message.isEmpty())
        CommandLine::warn(message);
}

void HeadlessMerge::warnRecords() const
{
    const QString irregular = MergeCard::irregularLinesMessage(m_reader->irregularLines());
    if (!irregular.isEmpty())
        CommandLine::warn(irregular);
}
