// Fuzz target: any bytes as the sheet formats file: the list is its non-empty
// lines, sorted; each item selected fills the fields and the description;
// saving a new format keeps every line and adds one.
#include "FuzzSupport.h"
#include "platform/ScriptedPrompts.h"
#include "printing/SheetFormats.h"

#include <QFile>
#include <algorithm>
#include <cstdint>

namespace {

using FuzzSupport::check;

// Sorted as the list is: the whole line, without regard to case.
bool sorted(const QStringList &items)
{
    return std::is_sorted(items.begin(), items.end(),
                          [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ScriptedPrompts prompts;
    SheetFormats formats(FuzzSupport::scratchFolder().path(), prompts);
    QFile file(formats.filePath());
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    file.close();

    check(formats.Charger_Formats(false));
    const QStringList items = formats.items();
    check(sorted(items) && std::none_of(items.begin(), items.end(), [](const QString &item) {
        return item.isEmpty() || item.contains(u'\r') || item.contains(u'\n');
    }));
    check(formats.selectedIndex() == (items.isEmpty() ? -1 : 0));

    for (int i = 0; i < items.size(); ++i) {
        formats.select(i);
        const SheetFormat &format = formats.selectedFormat();
        check(formats.selectedIndex() == i && format.text() == items.at(i) && !formats.description().isEmpty());
        // A complete line's six pieces are in the fields, as typed.
        if (format.isComplete()) {
            SheetFields::Texts pieces;
            format.applyTo(pieces);
            check(formats.fields() == pieces && formats.canPrint());
        }
    }

    prompts.queueInput(QStringLiteral("Nouveau format"));
    formats.select(0);
    if (formats.Enregistrer_Format()) { // every line kept, in order, and one more
        const QStringList now = formats.items();
        check(now.size() == items.size() + 1 && sorted(now));
        qsizetype at = 0;
        while (at < items.size() && now.at(at) == items.at(at))
            ++at;
        check(now.mid(at + 1) == items.mid(at));
    }
    return 0;
}
