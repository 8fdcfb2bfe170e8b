// Fuzz target: any bytes as the sheet formats file (formats.ini), read by
// the print dialog's "Charger": the list is the file's non-empty lines,
// sorted; selecting each item fills the layout fields and the description
// without crashing; saving a new format rewrites the file with every line
// it had plus the new one, so nothing the file held is lost.
#include "FuzzSupport.h"
#include "platform/ScriptedPrompts.h"
#include "printing/SheetFormats.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

using FuzzSupport::check;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool sorted(const QStringList &items)
{
    return std::is_sorted(items.begin(), items.end(), SheetFormats::itemLessThan);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ScriptedPrompts prompts;
    SheetFormats formats(FuzzSupport::scratchFolder().path(), prompts);
    check(writeFile(formats.filePath(), bytes));

    check(formats.Charger_Formats(false));
    const QStringList items = formats.items();
    check(sorted(items));
    check(std::none_of(items.begin(), items.end(), [](const QString &item) {
        return item.isEmpty() || item.contains(u'\r') || item.contains(u'\n');
    }));
    check(formats.selectedIndex() == (items.isEmpty() ? -1 : 0));

    for (int i = 0; i < items.size(); ++i) {
        formats.select(i);
        check(formats.selectedIndex() == i);
        const SheetFormat &format = formats.selectedFormat();
        check(format.text() == items.at(i));
        check(!formats.description().isEmpty());
        if (format.isBlank())
            continue;
        // A complete line's six pieces are in the fields, as typed.
        if (format.isComplete()) {
            for (int f = 0; f < SheetFields::Count; ++f)
                check(formats.field(SheetFields::Field(f)) == format.pieces().at(f));
            check(formats.canPrint());
        }
    }

    // Saving under a new name keeps every line and adds one.
    prompts.queueInput(QStringLiteral("Nouveau format"));
    formats.select(0);
    const bool saved = formats.Enregistrer_Format();
    if (saved) {
        // The old lines keep their order around the new one.
        const QStringList now = formats.items();
        check(now.size() == items.size() + 1);
        check(sorted(now));
        qsizetype at = 0;
        while (at < items.size() && now.at(at) == items.at(at))
            ++at;
        for (qsizetype i = at; i < items.size(); ++i)
            check(now.at(i + 1) == items.at(i));
    }
    return 0;
}
