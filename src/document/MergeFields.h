#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Fields in a label's text, filled from a record of a list: `{Nom}` is the
// value of the list's column "Nom" (names of letters, digits, blanks, "_"
// and "-", matched without regard to case or accents); `{{` and `}}` are
// literal braces. A brace that starts no field is kept as typed.
namespace MergeFields {

// The form a name is matched by: no accents, lower case, blanks trimmed,
// only the characters a field's name may hold.
QString key(const QString &name);
// The name a field gives a column: its name without the characters a
// field cannot hold ("Tél." gives "Tél").
QString fieldName(const QString &column);

// The names of the fields a text holds, in order, each once.
QStringList names(const QString &text);

// The text with each field replaced by its value; `value` answers nothing
// for a name the list lacks, which fills with an empty text.
QString fill(const QString &text, const std::function<std::optional<QString>(const QString &name)> &value);

} // namespace MergeFields
