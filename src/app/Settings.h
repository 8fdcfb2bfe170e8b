#pragma once

#include <QString>
#include <array>
#include <optional>

class frmMenu;
class ProfileFile;

// The frame's settings file "Brivadune.ini" in the application folder:
// which bars are shown, three options of the tool panel, the selected tab,
// and the state, size and place of the frame.
namespace Settings {

QString filePath(const QString &appDir);

// The values of a settings file in the order they apply. Reading stops at
// the first missing key or value that does not convert: it and every later
// value stay empty.
struct Values {
    std::array<std::optional<bool>, 3> bars;   // Outils, Gestion, Statut
    std::array<std::optional<bool>, 3> boxes;  // BulleAide, Verouiller, Palette2D
    std::optional<int> tab;                    // 1 .. the frame's tab count
    // Any 16-bit value is kept; only 0 and 1 (normal, minimised) go on to
    // the size and place, in twips.
    std::optional<int> windowMode;
    std::optional<double> height;
    std::optional<double> width;
    std::optional<double> top;
    std::optional<double> left;
};
Values readValues(const ProfileFile &file, int tabCount);

// Applies the file to the frame key by key, in the file's order. A missing
// key or a value that does not convert ends the reading there: the keys
// before it are applied, the later ones keep the frame's design values.
void read(frmMenu &frame);

// Writes the frame's current settings. Size and place are written only
// when the frame is in the normal state, so the file keeps those of the last
// run that ended normal. False when the file could not be written (the old
// one is then as it was).
bool write(frmMenu &frame);

} // namespace Settings
