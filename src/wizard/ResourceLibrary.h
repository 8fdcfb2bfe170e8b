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

// The key of the branch whose pictures are backgrounds; the others ("D1"
// letters, "D2" corners) hold ornaments.
inline constexpr const char *Backgrounds = "D3";

// The three branches in tree order, each listing the files of its folder
// that can be read as pictures, by name. A missing folder leaves its branch
// empty. Nothing is decoded: only each file's first bytes are looked at.
QList<Branch> list(const QString &appDir);

} // namespace ResourceLibrary
