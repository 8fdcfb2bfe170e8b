#include "CodeContent.h"

#include "MergeFields.h"

#include <algorithm>
#include <cstring>

namespace CodeContent {

namespace {

// One property line: its name (upper case, without a group), the values of
// its TYPE parameters and bare parameters (lower case), and its value as
// written (still escaped).
struct Property {
    QString name;
    QStringList types;
    QString value;
};

std::optional<Property> property(const QString &line)
{
    // The value starts at the first colon outside quotes (a quoted
    // parameter may hold one).
    qsizetype colon = line.indexOf(u':');
    while (colon >= 0 && line.left(colon).count(u'"') % 2 != 0)
        colon = line.indexOf(u':', colon + 1);
    if (colon < 0)
        return std::nullopt;
    Property p;
    p.value = line.mid(colon + 1);
    const QStringList parts = line.left(colon).split(u';');
    p.name = parts.constFirst().section(u'.', -1).trimmed().toUpper();
    // Types come as "TYPE=work,voice" (3.0) or bare ("CELL", 2.1); other
    // parameters tell nothing the fields need.
    for (QString param : parts.mid(1)) {
        param.remove(u'"');
        const bool typed = param.section(u'=', 0, 0).trimmed().compare(u"TYPE", Qt::CaseInsensitive) == 0;
        if (typed || !param.contains(u'=')) {
            for (const QString &type : param.section(u'=', -1).split(u','))
                p.types.append(type.trimmed().toLower());
        }
    }
    return p;
}

// The logical lines of a text: CR LF, CR or LF end a line; a line that
// starts with a blank or a tab continues the one before.
QStringList unfolded(const QString &text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines;
    for (const QString &line : normal.split(u'\n')) {
        if (!lines.isEmpty() && (line.startsWith(u' ') || line.startsWith(u'\t')))
            lines.last().append(line.mid(1));
        else
            lines.append(line);
    }
    return lines;
}

// A value with its escapes undone; a structured one (N, ADR) split into
// its components at the semicolons that are not escaped.
QStringList unescaped(const QString &value, bool structured = false)
{
    QStringList parts{QString()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u';' && structured) {
            parts.append(QString());
        } else if (c != u'\\' || i + 1 == value.size()) {
            parts.last().append(c);
        } else {
            const QChar next = value[++i];
            if (next == u'n' || next == u'N')
                parts.last().append(u'\n');
            else if (next == u'\\' || next == u',' || next == u';')
                parts.last().append(next);
            else
                parts.last().append(c).append(next);
        }
    }
    return parts;
}

QString unescapedText(const QString &value)
{
    return unescaped(value).constFirst();
}

bool blank(const QString &value)
{
    return value.trimmed().isEmpty();
}

QString fullName(const Contact &contact)
{
    return (contact[Contact::Prenom] + u' ' + contact[Contact::Nom]).trimmed();
}

// Reads a vCard; `complete` tells whether every property it holds went
// into a field.
std::optional<Contact> parse(const QString &text, bool *complete)
{
    QStringList lines = unfolded(text);
    while (!lines.isEmpty() && blank(lines.first()))
        lines.removeFirst();
    while (!lines.isEmpty() && blank(lines.last()))
        lines.removeLast();
    const auto isLine = [](const QString &line, const char *expected) {
        return line.trimmed().compare(QLatin1String(expected), Qt::CaseInsensitive) == 0;
    };
    if (lines.size() < 2 || !isLine(lines.first(), "BEGIN:VCARD") || !isLine(lines.last(), "END:VCARD"))
        return std::nullopt;

    Contact contact;
    std::array<bool, Contact::FieldCount> seen{};
    QString fn;
    *complete = true;
    const auto set = [&](Contact::Field field, const QString &value) {
        if (seen[size_t(field)])
            *complete = *complete && blank(value);
        else
            contact[field] = value;
        seen[size_t(field)] = seen[size_t(field)] || !blank(value);
    };
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        if (blank(lines[i]))
            continue;
        const std::optional<Property> p = property(lines[i]);
        if (!p || p->name == u"BEGIN" || p->name == u"END")
            return std::nullopt;
        if (p->name == u"N") {
            const QStringList parts = unescaped(p->value, true);
            set(Contact::Nom, parts.value(0));
            set(Contact::Prenom, parts.value(1));
            for (qsizetype k = 2; k < parts.size(); ++k)
                *complete = *complete && blank(parts[k]);
        } else if (p->name == u"ADR") {
            const QStringList parts = unescaped(p->value, true);
            QStringList filled;
            for (qsizetype k = 0; k < parts.size(); ++k) {
                if (!blank(parts[k]))
                    filled.append(parts[k]);
                *complete = *complete && (k == 2 || blank(parts[k]));
            }
            set(Contact::Adresse, filled.join(QStringLiteral(", ")));
        } else if (p->name == u"TEL") {
            const bool cell = p->types.contains(QStringLiteral("cell"));
            set(cell ? Contact::Mobile : Contact::Telephone, unescapedText(p->value));
        } else if (p->name == u"FN") {
            fn = unescapedText(p->value);
        } else if (p->name == u"ORG" || p->name == u"TITLE" || p->name == u"EMAIL" || p->name == u"URL") {
            const Contact::Field field = p->name == u"ORG"     ? Contact::Societe
                                         : p->name == u"TITLE" ? Contact::Fonction
                                         : p->name == u"EMAIL" ? Contact::Email
                                                               : Contact::SiteWeb;
            set(field, unescapedText(p->value));
        } else if (p->name != u"VERSION") {
            *complete = *complete && blank(p->value);
        }
    }
    // A card with a full name only keeps it as the name.
    if (blank(contact[Contact::Nom]) && blank(contact[Contact::Prenom]))
        contact[Contact::Nom] = fn;
    else
        *complete = *complete && fn.trimmed() == fullName(contact);
    return contact;
}

} // namespace

bool Contact::isEmpty() const
{
    return std::all_of(fields.begin(), fields.end(), blank);
}

const QStringList &fieldLabels()
{
    static const QStringList labels{
        QStringLiteral("Nom"),       QStringLiteral("Prénom"), QStringLiteral("Société"),
        QStringLiteral("Fonction"),  QStringLiteral("Téléphone"), QStringLiteral("Mobile"),
        QStringLiteral("E-mail"),    QStringLiteral("Site web"), QStringLiteral("Adresse")};
    return labels;
}

QString escaped(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' || c == u',' || c == u';') {
            out.append(u'\\').append(c);
        } else if (c == u'\r' || c == u'\n') {
            out.append(QStringLiteral("\\n"));
            if (c == u'\r' && i + 1 < value.size() && value[i + 1] == u'\n')
                ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

QString vCard(const Contact &contact)
{
    QStringList lines{QStringLiteral("BEGIN:VCARD"), QStringLiteral("VERSION:3.0")};
    if (!blank(contact[Contact::Nom]) || !blank(contact[Contact::Prenom])) {
        const QString name = escaped(contact[Contact::Nom]), firstName = escaped(contact[Contact::Prenom]);
        lines.append(QStringLiteral("N:%1;%2;;;").arg(name, firstName));
        lines.append(QStringLiteral("FN:") + escaped(fullName(contact)));
    }
    const auto add = [&](const char *prefix, Contact::Field field, const char *suffix = "") {
        if (!blank(contact[field]))
            lines.append(QLatin1String(prefix) + escaped(contact[field]) + QLatin1String(suffix));
    };
    add("ORG:", Contact::Societe);
    add("TITLE:", Contact::Fonction);
    add("TEL;TYPE=WORK,VOICE:", Contact::Telephone);
    add("TEL;TYPE=CELL:", Contact::Mobile);
    add("EMAIL:", Contact::Email);
    add("URL:", Contact::SiteWeb);
    add("ADR;TYPE=WORK:;;", Contact::Adresse, ";;;;");
    lines.append(QStringLiteral("END:VCARD"));
    return lines.join(u'\n');
}

std::optional<Contact> parseVCard(const QString &text)
{
    bool complete = false;
    return parse(text, &complete);
}

Mode modeOf(const QString &content)
{
    bool complete = false;
    if (parse(content, &complete) && complete)
        return Mode::Contact;
    for (const char *prefix : {"http://", "https://", "www."}) {
        if (content.startsWith(QLatin1String(prefix), Qt::CaseInsensitive) && content.size() > qsizetype(strlen(prefix))
            && std::none_of(content.begin(), content.end(), [](QChar c) { return c.isSpace(); }))
            return Mode::WebAddress;
    }
    return Mode::Text;
}

QString fill(const QString &content, const std::function<std::optional<QString>(const QString &name)> &value)
{
    if (!parseVCard(content))
        return MergeFields::fill(content, value);
    return MergeFields::fill(content, [&value](const QString &name) -> std::optional<QString> {
        const std::optional<QString> filled = value(name);
        return filled ? std::optional<QString>(escaped(*filled)) : std::nullopt;
    });
}

} // namespace CodeContent
