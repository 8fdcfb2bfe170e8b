#include "VCardReader.h"

#include "platform/Encoding.h"

namespace {

enum Column { Nom, Prenom, NomComplet, Societe, Fonction, Telephone, Mobile, Email, SiteWeb, Adresse, CodePostal,
              Ville, Pays, ColumnCount };

const QStringList &columnNames()
{
    static const QStringList names = {
        QStringLiteral("Nom"),       QStringLiteral("Prénom"),   QStringLiteral("Nom complet"),
        QStringLiteral("Société"),   QStringLiteral("Fonction"), QStringLiteral("Téléphone"),
        QStringLiteral("Mobile"),    QStringLiteral("E-mail"),   QStringLiteral("Site web"),
        QStringLiteral("Adresse"),   QStringLiteral("Code postal"), QStringLiteral("Ville"),
        QStringLiteral("Pays")};
    return names;
}

struct Property {
    QString name;        // upper case, without its group
    QStringList types;   // lower case: TYPE values and bare 2.1 parameters
    bool quotedPrintable = false;
    QString charset;
    QString value;
};

// "item1.TEL;TYPE=cell,voice;CHARSET=UTF-8:+33 6 ..." split into its parts.
Property parse(const QString &line)
{
    Property p;
    qsizetype colon = -1;
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'"')
            inQuotes = !inQuotes;
        else if (line[i] == u':' && !inQuotes) {
            colon = i;
            break;
        }
    }
    if (colon < 0)
        return p;
    p.value = line.mid(colon + 1);
    const QStringList parts = line.left(colon).split(u';');
    p.name = parts.value(0).section(u'.', -1).trimmed().toUpper();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString param = parts[i].trimmed();
        const qsizetype equals = param.indexOf(u'=');
        const QString key = equals < 0 ? QString() : param.left(equals).trimmed().toUpper();
        QString value = equals < 0 ? param : param.mid(equals + 1);
        value.remove(u'"');
        if (key == u"ENCODING" || (key.isEmpty() && value.compare(u"QUOTED-PRINTABLE", Qt::CaseInsensitive) == 0))
            p.quotedPrintable = value.compare(u"QUOTED-PRINTABLE", Qt::CaseInsensitive) == 0;
        else if (key == u"CHARSET")
            p.charset = value.trimmed().toLower();
        else if (key.isEmpty() || key == u"TYPE")
            for (const QString &type : value.split(u','))
                p.types.append(type.trimmed().toLower());
    }
    return p;
}

// A quoted-printable value back to its text in its character set.
QString unquote(const QString &value, const QString &charset)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < value.size(); ++i) {
        bool hex = false;
        const uint byte = i + 2 < value.size() && value[i] == u'=' ? value.mid(i + 1, 2).toUInt(&hex, 16) : 0;
        if (hex) {
            bytes.append(char(byte));
            i += 2;
        } else {
            bytes.append(QString(value[i]).toUtf8());
        }
    }
    const bool single = charset.contains(u"8859") || charset.contains(u"1252") || charset.contains(u"latin");
    return single ? Encoding::decodeWindows1252(bytes) : QString::fromUtf8(bytes);
}

// The components of a structured value ("a;b;c"), escapes undone.
QStringList components(const QString &value)
{
    QStringList out;
    QString current;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar e = value[++i];
            current += (e == u'n' || e == u'N') ? QChar(u'\n') : e;
        } else if (c == u';') {
            out.append(current.trimmed());
            current.clear();
        } else {
            current += c;
        }
    }
    out.append(current.trimmed());
    return out;
}

} // namespace

bool VCardReader::readHeader(QString *)
{
    m_columns = columnNames();
    return true;
}

QString VCardReader::physicalLine()
{
    QString line;
    while (const std::optional<QChar> c = get()) {
        if (*c == u'\n')
            break;
        line += *c;
    }
    return line;
}

std::optional<QString> VCardReader::readLine()
{
    if (!peek())
        return std::nullopt;
    QString line = physicalLine();
    // A quoted-printable value ends a line with "=" to go on: the next line
    // follows it as it is.
    const bool quotedPrintable = line.left(line.indexOf(u':')).contains(u"QUOTED-PRINTABLE", Qt::CaseInsensitive);
    while (true) {
        const std::optional<QChar> c = peek();
        if (quotedPrintable && line.endsWith(u'=') && c) {
            line.chop(1);
            line += physicalLine();
        } else if (c == QChar(u' ') || c == QChar(u'\t')) {
            get(); // a folded line goes on after its first blank
            line += physicalLine();
        } else {
            return line;
        }
    }
}

std::optional<MergeRecord> VCardReader::next()
{
    // Lines until a card begins.
    int start = 0;
    while (true) {
        const int at = line();
        const std::optional<QString> read = readLine();
        if (!read)
            return std::nullopt;
        if (read->trimmed().compare(u"BEGIN:VCARD", Qt::CaseInsensitive) == 0) {
            start = at;
            break;
        }
    }
    QStringList values(ColumnCount);
    const auto first = [&values](int column, const QString &value) {
        if (values[column].isEmpty())
            values[column] = value;
    };
    while (const std::optional<QString> read = readLine()) {
        const Property p = parse(*read);
        if (p.name == u"END")
            break;
        const QString value = p.quotedPrintable ? unquote(p.value, p.charset) : p.value;
        const QStringList parts = components(value);
        if (p.name == u"N") {
            first(Nom, parts.value(0));
            first(Prenom, parts.value(1));
        } else if (p.name == u"FN") {
            first(NomComplet, parts.join(u';'));
        } else if (p.name == u"ORG") {
            first(Societe, parts.value(0));
        } else if (p.name == u"TITLE") {
            first(Fonction, parts.join(u';'));
        } else if (p.name == u"TEL") {
            QString number = parts.join(u';');
            if (number.startsWith(u"tel:", Qt::CaseInsensitive))
                number = number.mid(4);
            first(p.types.contains(u"cell") ? Mobile : Telephone, number);
        } else if (p.name == u"EMAIL") {
            first(Email, parts.join(u';'));
        } else if (p.name == u"URL") {
            first(SiteWeb, value.trimmed());
        } else if (p.name == u"ADR" && values[Adresse].isEmpty() && values[Ville].isEmpty()) {
            // post office box; extended; street; locality; region; code; country
            first(Adresse, parts.value(2));
            first(Ville, parts.value(3));
            first(CodePostal, parts.value(5));
            first(Pays, parts.value(6));
        }
    }
    return MergeRecord{start, values};
}
