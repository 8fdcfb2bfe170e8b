#pragma once

#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

// The print dialog's standard paper list and the paper size codes: 1 to 41
// for the list (item position + 1, the Windows paper codes), 256 for a
// custom size in millimetres.
namespace PaperSizes {

constexpr int StandardCount = 41;
constexpr int Custom = 256;
constexpr int A4 = 9;
constexpr int Letter = 1;
// The code the dialog starts with.
constexpr int DefaultCode = A4;

// The 41 item texts in list order, exactly as shown (some end in a blank).
const QStringList &itemTexts();
// The item text of a standard code; empty for any other code.
QString itemText(int code);
bool isStandard(int code);

// The page size for a code: the paper the item names (a custom size of
// `customMm` for 256). Invalid for an unknown code or an empty custom size.
QPageSize pageSize(int code, const QSizeF &customMm = {});
// The sheet's width and height in millimetres, swapped for landscape.
// Empty for an unknown code.
QSizeF sheetSizeMm(int code, const QSizeF &customMm = {}, bool landscape = false);

} // namespace PaperSizes
