#pragma once

#include "document/MergeReader.h"

#include <memory>

class CardData;

// The list of a command-line job (`--merge`), read record by record so a
// list of any length costs the same memory: the records are counted once,
// then read in order as the job asks for them.
class HeadlessMerge {
public:
    // Null, with the French reason in `error`, when the list cannot be read.
    static std::unique_ptr<HeadlessMerge> open(const QString &path, QString &error);

    int records() const { return m_records; }
    const QStringList &columns() const { return m_reader->columns(); }
    // The values of record `n`, asked in increasing order (the same
    // record again as often as wanted).
    QStringList values(int n);

    // Says on standard error, once each, the fields of `card` the list
    // lacks and the records whose values did not fit the header.
    void warnFields(const CardData &card) const;
    // Says on standard error, once, the records for which a code of `card`
    // cannot be made (a pass of its own over the list).
    void warnCodes(const CardData &card) const;
    void warnRecords() const;

private:
    QString m_path;
    std::unique_ptr<MergeReader> m_reader;
    int m_records = 0;
    int m_read = -1;
    QStringList m_values;
};
