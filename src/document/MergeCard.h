#pragma once

#include "CardData.h"

#include <QHash>
#include <QStringList>
#include <vector>

// A card filled from the records of a list: its labels' fields are found
// once against the list's columns, then each record gives a card whose
// labels show its values (sized to them, keeping their alignment's edge).
class MergeCard {
public:
    MergeCard(const CardData &card, const QStringList &columns);

    // The fields the labels name that the list lacks, each once, as typed
    // ("{Fax}"); they fill with nothing.
    const QStringList &unknownFields() const { return m_unknown; }
    // The card as a record (one value per column) fills it.
    CardData fill(const QStringList &values) const;

    // "Champs absents de la liste : {Fax}, {Poste}", or empty.
    static QString unknownFieldsMessage(const QStringList &unknown);
    // The records whose values did not match the header, by line, or empty.
    static QString irregularLinesMessage(const QList<int> &lines);

private:
    CardData m_card;
    QHash<QString, int> m_columns; // by field key
    std::vector<int> m_labels;     // labels that hold fields
    QStringList m_unknown;
};
