#pragma once

#include <QString>
#include <QStringList>

// The application folder of an installed program, one per user. The
// installed supplied files (formats file, picture library, help, licence
// and history, sounds) are not writable, so each user works in a copy of
// them. Filling copies every installed file that was never copied before:
// a file the user edited is never overwritten and one the user deleted
// never comes back. The list of what was copied is kept in the folder.
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

private:
    // The file, in the user's folder, that lists what was copied.
    static QString listName() { return QStringLiteral(".fichiers-installes"); }
    // Relative paths ("Images/Angles/a.bmp") copied by this and earlier
    // fills, as listed in the folder.
    QStringList copiedFiles() const;
    QStringList installedFiles() const;
    bool writeList(const QStringList &files) const;

    QString m_installedDir;
    QString m_userDir;
};
