#pragma once

#include "document/MergeReader.h"

#include <QObject>
#include <QStringList>
#include <vector>

// The list a card window shows its card merged with: the records read from
// it, the one the window shows, and the records ticked for printing (all at
// first).
class CardMerge : public QObject {
    Q_OBJECT
public:
    // Reads a whole list; false, with a French sentence in `error`, when it
    // cannot be read (the merge is then off).
    bool load(const QString &path, QString *error);
    void clear();
    // Takes what another merge read (a dialog's), leaving it empty.
    void adopt(CardMerge &other);

    bool active() const { return !m_columns.isEmpty(); }
    const QString &path() const { return m_path; }
    const QStringList &columns() const { return m_columns; }
    int count() const { return int(m_records.size()); }
    const QStringList &record(int n) const { return m_records[std::size_t(n)]; }
    // The lines of records whose values did not match the header.
    const QList<int> &irregularLines() const { return m_irregular; }

    // The record shown, from 0.
    int current() const { return m_current; }
    void setCurrent(int n);

    bool ticked(int n) const { return m_ticked[std::size_t(n)]; }
    void setTicked(int n, bool on);
    // The ticked records, in order.
    std::vector<int> tickedRecords() const;

signals:
    void changed();

private:
    QString m_path;
    QStringList m_columns;
    std::vector<QStringList> m_records;
    std::vector<bool> m_ticked;
    QList<int> m_irregular;
    int m_current = 0;
};
