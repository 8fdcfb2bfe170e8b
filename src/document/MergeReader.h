#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <memory>
#include <optional>

// One record of a list: its values, one per column of the list (padded
// with empty values or cut to the header's count), and the line of the
// file it starts on.
struct MergeRecord {
    int line = 0;
    QStringList values;
};

// A list of people read record by record from a file, never holding more
// than the record being read, so a list of any length costs the same
// memory:
// - a CSV file (UTF-8 with or without a byte-order mark, or Windows-1252,
//   told apart as project files are), its separator ";", "," or a tab
//   found from the header line, quoted values with "" for a quote and
//   line breaks inside quotes, the first line naming the columns, empty
//   lines skipped;
// - a vCard file (versions 2.1, 3.0 and 4.0, several cards, folded lines,
//   quoted-printable and UTF-8 values), whose columns are Nom, Prénom,
//   Nom complet, Société, Fonction, Téléphone, Mobile, E-mail, Site web,
//   Adresse, Code postal, Ville and Pays.
class MergeReader {
public:
    // The largest list read: far beyond a real address book.
    static constexpr qint64 MaxBytes = 64LL * 1024 * 1024;

    virtual ~MergeReader();

    // Opens a list (a vCard file by its ".vcf" extension or its first
    // line, a CSV file otherwise) and reads its header. Null, with a French
    // sentence in `error`, when the file cannot be read as a list: not a
    // regular file, too large, not text, no header.
    static std::unique_ptr<MergeReader> open(const QString &path, QString *error);
    // What is said of a list with columns but no record to print.
    static QString noRecordMessage(const QString &path);

    const QStringList &columns() const { return m_columns; }
    // The column a field name names (without regard to case or accents),
    // or -1.
    int column(const QString &name) const;

    // The next record, or nothing at the end of the list.
    virtual std::optional<MergeRecord> next() = 0;

    // The lines of the records read so far whose number of values was not
    // the header's.
    const QList<int> &irregularLines() const { return m_irregular; }

protected:
    MergeReader() = default;
    // Reads the columns; false, with the reason, when the list has none.
    virtual bool readHeader(QString *error) = 0;
    // Prepares reading `file` from its start in its encoding; false when
    // it is not text.
    bool start(const QString &path, QString *error);
    // The next character of the text and the line it is on; nothing at its
    // end. A CR LF pair reads as one '\n'; a lone CR too.
    std::optional<QChar> get();
    // Looks at the next character without reading it.
    std::optional<QChar> peek();
    int line() const { return m_line; }
    // A record's values fitted to the header, noting a mismatch.
    MergeRecord fit(int line, QStringList values);
    // Why the list cannot be read, naming its file.
    QString refusal(const char *why) const;

    QStringList m_columns;

private:
    bool refill();

    QFile m_file;
    std::optional<QStringDecoder> m_utf8;
    QString m_buffer;
    qsizetype m_pos = 0;
    int m_line = 1;
    QList<int> m_irregular;
};
