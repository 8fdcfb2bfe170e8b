#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The search of the formats list: which lines of the list show while words
// are typed. A line shows when every typed word is found in its name (the
// text before "|", the whole line when it has none), without regard to case
// or accents. A word also matches across the name's spaces and punctuation,
// so "vm5019" finds "VM-5019" and "c32011" finds "C32011". Filtering only
// hides lines: rows of the shown list map back to indexes of the whole one.
class FormatFilter {
public:
    // The typed text; blank shows every line.
    void setQuery(const QString &query);
    const QString &query() const { return m_query; }

    // Whether a line of the list shows under the query.
    bool matches(const QString &line) const;

    // Works out the shown rows over the list's lines. Returns whether the
    // shown list changed since the last call (other lines, or other rows).
    bool apply(const QStringList &items);
    // The list indexes shown, in the list's order.
    const QList<int> &rows() const { return m_rows; }
    // The list index shown at a row; -1 for a row not shown.
    int indexAt(int row) const;
    // The row showing a list index; -1 when it is hidden.
    int rowOf(int index) const;

    // What the shown list says while none of its rows is the selected
    // format: how many lines match, or that none does. Empty without a
    // query.
    QString summary() const;

    // Lower case, accents and other marks taken off: "Étiquettes" and
    // "etiquettes" fold alike.
    static QString fold(const QString &text);

private:
    QString m_query;
    // The query's words, folded.
    QStringList m_words;
    QStringList m_items;
    QList<int> m_rows;
};
