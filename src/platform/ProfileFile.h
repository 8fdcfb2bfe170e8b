#pragma once

#include "GuardedFile.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// An INI ("private profile") file held in memory while a caller reads or
// writes many keys, and written back whole on save().
//
// Rules: section and key names compare without regard to case; a value
// read is at most 199 characters (longer ones are cut); a new section is
// appended at the end of the file, a new key at the end of its section, an
// existing key's value is replaced in place; blank lines are ignored; lines
// are written with CR LF in Windows-1252 when every character fits, else in
// UTF-8. Files in Windows-1252 or UTF-8 with CR LF, LF or CR line ends read.
class ProfileFile {
public:
    static constexpr int MaxValueLength = 199;

    ProfileFile() = default;
    // Reads `path` if it exists (a missing file is an empty profile).
    explicit ProfileFile(const QString &path);

    const QString &path() const { return m_path; }
    // Reads the file again; false (and an empty profile) when it cannot be
    // read or is refused (not a regular file, or beyond GuardedFile::TextCap).
    bool load(const QString &path);
    // Why the last load failed (None after a successful one).
    GuardedFile::Error loadError() const { return m_loadError; }

    // The value, or `defaultValue` when the section or the key is missing.
    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    bool contains(const QString &section, const QString &key) const;
    QStringList sections() const;
    QStringList keys(const QString &section) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    // Removes every section of that name with its keys.
    void removeSection(const QString &section);
    // Removes every section and key (the next save writes an empty file).
    void clear();

    // The text of the whole file as it would be written (CR LF ends).
    QString toText() const;
    // Parses `text` as the profile's content.
    void fromText(const QString &text);

    // Writes the whole file to path() through AtomicFile: a failed save
    // (including a failed flush to disk) leaves the old file as it was.
    // False on failure.
    bool save() const;
    bool saveAs(const QString &path);

    // One-key helpers that read or rewrite the file at once.
    static QString readOne(const QString &path, const QString &section, const QString &key);
    static bool writeOne(const QString &path, const QString &section, const QString &key, const QString &value);

private:
    // A section or key name in a hash: equal and hashed without regard to
    // case, so lookups need no folded copy of the name.
    struct Name {
        QString text;
        // Hash of a text that ignores case (the same folding as a
        // case-insensitive comparison).
        static size_t hash(const QString &text, size_t seed);
        friend bool operator==(const Name &a, const Name &b)
        {
            return a.text.compare(b.text, Qt::CaseInsensitive) == 0;
        }
        friend size_t qHash(const Name &name, size_t seed = 0)
        {
            return hash(name.text, seed);
        }
    };
    struct Entry {
        QString key;
        QString value;
        // False for a line without "=" (a comment): kept and written back,
        // never found by a key.
        bool isKey = true;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
        // Key -> index in entries of its first occurrence.
        QHash<Name, int> index;
        const Entry *find(const QString &key) const;
        void append(Entry entry);
    };
    const Section *findSection(const QString &name) const;
    Section *findSection(const QString &name);
    Section &addSection(const QString &name);

    QString m_path;
    GuardedFile::Error m_loadError = GuardedFile::Error::None;
    // Lines before the first section: written back, never found by a key.
    QStringList m_preamble;
    std::vector<Section> m_sections;
    // Section name -> index in m_sections of its first occurrence.
    QHash<Name, int> m_sectionIndex;
};
