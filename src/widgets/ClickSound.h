#pragma once

#include <QString>

// Plays short sound files without ever waiting for them. Buttons play their
// click through one of these; tests give their own.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts `file` and returns at once; a missing file plays nothing.
    virtual void play(const QString &file) = 0;
};

namespace ClickSound {

// The application's player: Qt Multimedia sound effects, one per file,
// kept for the application's life.
SoundPlayer &player();

// Sets the folder that relative sound file names (".\resources\click.wav")
// are read from; the executable's folder until set.
void setFolder(const QString &folder);

// A sound file name as the button stores it (backslashes allowed, relative
// to the folder above) turned into a path of this system. Empty for an
// empty name.
QString resolve(const QString &file);

} // namespace ClickSound
