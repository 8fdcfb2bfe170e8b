#pragma once

#include <QStringList>
#include <functional>

// The cards of a job whose places differ: the card filled from the records
// of a list, one place after another, row by row and sheet after sheet
// (a merge). Places past the last card stay blank.
struct SheetCards {
    // Cards in all (each record as many times as its copies).
    int count = 0;
    // The list's columns, which the card's fields name.
    QStringList columns;
    // The values of card `n` (0 to count - 1). Printing asks in order; the
    // preview asks for the cards of the page it shows.
    std::function<QStringList(int n)> values;

    // The sheets the cards fill.
    int sheets(int perSheet) const { return perSheet > 0 ? (count + perSheet - 1) / perSheet : 0; }
};
