#pragma once

#include <QRectF>
#include <QString>
#include <optional>

class CardLabel;
class CardLogo;
class Surface;

// How the tool panel and the item menus read the object list and place an
// item: the item number of an object-list row, the selection frame around an item and the centred
// positions on the card.
namespace PanelSelection {

// The number of an object-list row: the digits from the third character up
// to the blank before " | " ("Lb12 | Atelier" gives 12); nothing for a row
// without that shape (the separator row, an empty text).
std::optional<int> rowNumber(const QString &row);

// The item part of a row, the text before " | " ("Lb12"); empty without
// a separator.
QString rowItem(const QString &row);

// The selection frame: around a label 40 twips to the left, 10 above,
// 70 wider and 30 taller; a logo's exact bounds.
QRectF labelFrame(const CardLabel &label);
QRectF logoFrame(const CardLogo &logo);

// Left (top) that centres an item of this width (height) on the card.
float centredLeft(const Surface &card, float width);
float centredTop(const Surface &card, float height);

} // namespace PanelSelection
