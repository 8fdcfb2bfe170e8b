// Fuzz target: any bytes as a merge list, read once as CSV and once as
// vCard: the reader either refuses the file with a sentence or gives
// columns and records that each hold one value per column, in the order of
// their lines; filling a text made of every column's field never leaves a
// field behind.
#include "FuzzSupport.h"
#include "document/MergeFields.h"
#include "document/MergeReader.h"

#include <QFile>
#include <cstdint>

namespace {

using FuzzSupport::check;

void readAs(const QByteArray &bytes, const QString &name)
{
    const QString path = FuzzSupport::scratchFolder().filePath(name);
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    file.close();

    QString error;
    const std::unique_ptr<MergeReader> reader = MergeReader::open(path, &error);
    if (!reader) {
        check(!error.isEmpty());
        return;
    }
    const QStringList &columns = reader->columns();
    check(!columns.isEmpty());
    // The text holds the field of each column a field can name (not a
    // column whose name is only signs, nor the second of two alike).
    QString text;
    QList<int> named;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        check(reader->column(columns.at(i)) >= 0);
        const QString field = u'{' + MergeFields::fieldName(columns.at(i)) + u'}';
        if (MergeFields::names(field).size() == 1 && reader->column(MergeFields::names(field).first()) == i) {
            text += field;
            named.append(int(i));
        }
    }
    int lastLine = 0, count = 0;
    while (const std::optional<MergeRecord> record = reader->next()) {
        check(record->values.size() == columns.size() && record->line >= lastLine);
        lastLine = record->line;
        if (++count <= 4) { // every field known: none stays as typed
            const QString filled = MergeFields::fill(text, [&](const QString &field) -> std::optional<QString> {
                const int at = reader->column(field);
                return at < 0 ? std::nullopt : std::optional(record->values.at(at));
            });
            QString values;
            for (const int at : named)
                values += record->values.at(at);
            check(filled == values);
        }
    }
    for (const int line : reader->irregularLines())
        check(line >= 1 && line <= lastLine);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    readAs(bytes, QStringLiteral("liste.csv"));
    readAs(bytes, QStringLiteral("liste.vcf"));
    return 0;
}
