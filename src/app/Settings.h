#pragma once

#include <QString>

class frmMenu;

// The frame's settings file "Brivadune.ini" in the application folder:
// which bars are shown, three options of the tool panel, the selected tab,
// and the state, size and place of the frame.
namespace Settings {

QString filePath(const QString &appDir);

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
