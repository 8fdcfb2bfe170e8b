#pragma once

#include <QString>

#include <array>
#include <optional>

// The six layout fields of the print dialog, kept as the texts the dialog
// shows: X, Y, HGAP, VGAP in whole millimetres, ACROSS and DOWN counts.
// A sheet format fills them; printing reads them as numbers.
namespace SheetFields {

enum Field { X = 0, Y, HGap, VGap, Across, Down, Count };

using Texts = std::array<QString, Count>;

// Contents before any format is chosen: "10" for X to VGAP, "1" for the counts.
Texts initialTexts();

// A whole number written in digits, blanks around allowed, from `min` to
// `max`; anything else (empty, a sign, a decimal, beyond the range) gives
// nothing.
std::optional<int> readWholeNumber(const QString &text, int min, int max);

// The layout fields as numbers.
struct Grid {
    int x = 0;
    int y = 0;
    int hgap = 0;
    int vgap = 0;
    int across = 1;
    int down = 1;
};

// The most cards a sheet may hold (a 16-bit count).
constexpr int MaxCards = 32767;
constexpr int MaxValue = 32767;

// Reads the six fields for a layout. On bad input `error` names the first
// field at fault in French and nothing is returned: X to VGAP must be whole
// numbers from 0 to 32767, ACROSS and DOWN from 1 to 32767, and their
// product at most 32767.
std::optional<Grid> readGrid(const Texts &texts, QString *error);

// The other whole-number fields of the print dialog, each read with
// readField() below: the number of sheets ("Nombre total :"), the zoom in
// percent and the custom paper width and height in millimetres.
QString sheetsName();
QString zoomName();
QString customWidthName();
QString customHeightName();

// Reads another whole-number field of the dialog ("Nombre total :", the
// zoom, a custom paper size) from `min` to `max`; on bad input `error`
// names `name`.
std::optional<int> readField(const QString &text, const QString &name, int min, int max, QString *error);

} // namespace SheetFields
