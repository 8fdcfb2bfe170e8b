#pragma once

#include <QList>
#include <QString>

// The picture library a new project picks its ornament or background from:
// three folders of the application folder, each one branch of the
// "Ressources :" tree.
namespace ResourceLibrary {

// One picture of a folder: its key is the file's full path, its text the
// file name without its extension.
struct Entry {
    QString key;
    QString text;
};

struct Branch {
    QString key;    // "D1", "D2", "D3"
    QString text;   // "Alphabets", "Angles", "Images de fond"
    QString folder; // full path of the folder
    QList<Entry> entries;
};

// Keys of the branches whose pictures are ornaments (a letter, a corner)
// and of the one whose pictures are backgrounds.
inline constexpr const char *Letters = "D1";
inline constexpr const char *Corners = "D2";
inline constexpr const char *Backgrounds = "D3";

// The three branches in tree order, each listing the files of its folder
// that can be read as pictures, by name. A missing folder leaves its branch
// empty. Nothing is decoded: only each file's first bytes are looked at.
QList<Branch> list(const QString &appDir);

// The text of a file's entry: its name less the last dot and what follows
// ("Aquarelle.jpg" gives "Aquarelle"; a name without extension stays whole).
QString entryText(const QString &fileName);

} // namespace ResourceLibrary
