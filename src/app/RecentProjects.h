#pragma once

#include <QString>
#include <QStringList>

class ProfileFile;

// The projects last opened or saved, most recent first, at most eight, as
// the File menu's "Projets récents" lists them. They are kept in the
// settings file's section [RECENTS], keys "Fichier1" to "Fichier8" (an
// empty value for an unused place); a settings file that never had a
// recent project gets no such section.
class RecentProjects {
public:
    static constexpr int Capacity = 8;

    const QStringList &files() const { return m_files; }

    // Puts `path` (made absolute) first, once; the oldest beyond the
    // capacity goes.
    void add(const QString &path);
    // False when `path` was not listed.
    bool remove(const QString &path);

    // The list of the section (empty without one); blank and repeated
    // entries are skipped.
    void read(const ProfileFile &file);
    // Writes the list into the section, unless the list is empty and the
    // file has no such section. A path too long for a value (which would
    // read back cut) is left out.
    void write(ProfileFile &file) const;

    // The same on the settings file at `path`; save() leaves a file it could
    // not read as it was and returns false.
    void load(const QString &path);
    bool save(const QString &path) const;

private:
    QStringList m_files;
};
