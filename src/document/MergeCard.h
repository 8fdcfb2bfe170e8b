#pragma once

#include "CardData.h"

#include <QHash>
#include <QStringList>
#include <functional>
#include <vector>

// A card filled from the records of a list: its labels' and codes' fields
// are found once against the list's columns, then each record gives a card
// whose labels show its values (sized to them, keeping their alignment's
// edge) and whose codes hold them.
class MergeCard {
public:
    MergeCard(const CardData &card, const QStringList &columns);

    // The fields the labels name that the list lacks, each once, as typed
    // ("{Fax}"); they fill with nothing.
    const QStringList &unknownFields() const { return m_unknown; }
    // The card as a record (one value per column) fills it. `unfit`, when
    // given, tells whether a code's filled content cannot be encoded (the
    // code then shows as an empty frame).
    CardData fill(const QStringList &values, bool *unfit = nullptr) const;

    // "Le code ne peut pas être fait pour les fiches 2, 5 de la liste : un
    // cadre vide le remplace.", or empty.
    static QString unfitCodesMessage(const QList<int> &records);
    // The records (1 and up) of `count` whose codes cannot be made, each
    // record's values given by `values` (0 and up, in increasing order).
    QList<int> unfitRecords(int count, const std::function<QStringList(int)> &values) const;

    // "Champs absents de la liste : {Fax}, {Poste}", or empty.
    static QString unknownFieldsMessage(const QStringList &unknown);
    // The records whose values did not match the header, by line, or empty.
    static QString irregularLinesMessage(const QList<int> &lines);

private:
    CardData m_card;
    QHash<QString, int> m_columns; // by field key
    std::vector<int> m_labels;     // labels that hold fields
    std::vector<int> m_codes;      // codes that hold fields
    QStringList m_unknown;
};
