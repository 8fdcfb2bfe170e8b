#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

// What a code holds, as the code dialog offers it: a free text, a web
// address or a contact card (vCard 3.0). A contact's fields may hold merge
// fields ({Nom}); they go into the vCard as typed.
namespace CodeContent {

enum class Mode { Text, WebAddress, Contact };

struct Contact {
    enum Field { Nom, Prenom, Societe, Fonction, Telephone, Mobile, Email, SiteWeb, Adresse };
    static constexpr int FieldCount = 9;

    std::array<QString, FieldCount> fields;

    QString &operator[](Field field) { return fields[size_t(field)]; }
    const QString &operator[](Field field) const { return fields[size_t(field)]; }
    // True when no field holds anything.
    bool isEmpty() const;
    bool operator==(const Contact &) const = default;
};

// The fields' labels, in Contact::Field order ("Nom", "Prénom", ...).
const QStringList &fieldLabels();

// A value as a vCard property holds it: "\", ",", ";" and line breaks
// escaped ("\\", "\,", "\;", "\n").
QString escaped(const QString &value);

// The contact as a vCard 3.0, lines separated by "\n": a line for each
// field that holds something (N and FN when the name or the first name
// does).
QString vCard(const Contact &contact);

// A vCard read back into the fields: lines ending in CR LF or LF, folded
// lines, parameters in any order and case (a TEL whose types include
// "cell" is the mobile, any other the telephone; the first of each wins).
// Properties without a field are skipped. Nothing when the text is not one
// vCard.
std::optional<Contact> parseVCard(const QString &text);

// The mode a content is shown in: Contact for a vCard whose every
// property has a field (so editing it loses nothing), WebAddress for one
// line without blanks starting with "http://", "https://" or "www.",
// otherwise Text.
Mode modeOf(const QString &content);

// The content with its merge fields filled by `value` (as
// MergeFields::fill); in a vCard the values are escaped first, so that a
// "," or ";" of a record does not split a property.
QString fill(const QString &content, const std::function<std::optional<QString>(const QString &name)> &value);

} // namespace CodeContent
