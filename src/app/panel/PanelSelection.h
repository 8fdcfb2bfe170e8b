#pragma once

#include "document/CardItemRef.h"

#include <QString>
#include <QStringList>
#include <optional>

class CardDocument;
class QComboBox;
class Surface;

// The tool panel's object list and item placement: the rows listing a
// card's items, the item number of a row, and the centred positions on the
// card.
namespace PanelSelection {

// The rows of a card's object list: "Lb" + index + " | " + text for each
// visible label, a row of 40 "-", then "Lg" + index + " | Logo image n°" +
// index for each visible logo, then "Cd" + index + " | " + kind for each
// visible code, all in index order.
QStringList rows(const CardDocument &card);

// The item part of an item's row ("Lb12", "Lg2", "Cd1").
QString itemKey(CardItemRef item);

// The panel's kind of selection for an item kind (1 label, 2 logo, 3
// code), and back.
int selectionKind(CardItemRef::Kind kind);
CardItemRef::Kind kindOf(int selectionKind);

// The number of an object-list row: the digits from the third character up
// to the blank before " | " ("Lb12 | Atelier" gives 12); nothing for a row
// without that shape (the separator row, an empty text).
std::optional<int> rowNumber(const QString &row);

// The item part of a row, the text before " | " ("Lb12"); empty without
// a separator.
QString rowItem(const QString &row);

// The first row of a list whose item part is `key`, or -1.
int findRow(const QComboBox &list, const QString &key);

// Left (top) that centres an item of this width (height) on the card.
float centredLeft(const Surface &card, float width);
float centredTop(const Surface &card, float height);

} // namespace PanelSelection
