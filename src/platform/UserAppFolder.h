#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The application folder of an installed program, one per user. The
// installed supplied files (formats file, picture library, help, licence
// and history, sounds) are not writable, so each user works in a copy of
// them. Filling copies every installed file that was never copied before:
// a file the user edited is never overwritten and one the user deleted
// never comes back. The list of what was copied is kept in the folder.
//
// The help ("Aide.chm", "Aide/"), the history and the licence describe
// the program itself: when a new version installs new ones, the user's
// copy is refreshed, unless the user changed it. The list keeps, for these
// files, the SHA-256 of the copy made ("Aide.chm<TAB><hex>"); a list
// written before such sums has none, and a copy that then differs from
// the installed file is taken as the user's.
class UserAppFolder {
public:
    UserAppFolder(const QString &installedDir, const QString &userDir);

    // $XDG_DATA_HOME/Brivadune, ~/.local/share/Brivadune when it is unset
    // or not absolute.
    static QString defaultPath();

    // Creates the user's folder and copies what is new. Returns false when
    // the folder cannot be created or a copy failed (what was copied stays
    // copied and listed; a failed file is tried again next time).
    bool fill();

    // Whether `file` (relative: "Aide/index.html") is one of the program's
    // own files, refreshed on upgrade.
    static bool isProgramFile(const QString &file);

private:
    struct Entry {
        QString file;      // relative path ("Images/Angles/a.bmp")
        QByteArray sum;    // hex SHA-256 of the copy made, program files only
    };
    enum class Refresh { Kept, Updated, Failed };

    // The file, in the user's folder, that lists what was copied.
    static QString listName() { return QStringLiteral(".fichiers-installes"); }
    // What this and earlier fills copied, as listed in the folder.
    QList<Entry> copiedFiles() const;
    QStringList installedFiles() const;
    bool writeList(const QList<Entry> &files) const;
    // Brings a listed program file up to the installed one when the user's
    // copy is still the one made; records the sum an older list lacks.
    Refresh refresh(Entry &entry) const;

    QString m_installedDir;
    QString m_userDir;
};
