#include "CsvReader.h"

#include <algorithm>

bool CsvReader::readHeader(QString *error)
{
    // The first line that is not empty, as it stands (a quoted name may
    // hold a line break).
    QString line;
    while (line.isEmpty()) {
        if (!peek())
            break;
        bool quoted = false;
        while (const std::optional<QChar> c = get()) {
            if (*c == u'\n' && !quoted)
                break;
            if (*c == u'"')
                quoted = !quoted;
            line += *c;
        }
    }
    if (line.trimmed().isEmpty()) {
        *error = refusal("elle n'a pas de ligne d'en-tête.");
        return false;
    }
    // The separator it holds most outside quotes.
    int semicolons = 0, commas = 0, tabs = 0;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u';')
            ++semicolons;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u'\t')
            ++tabs;
    }
    m_separator = tabs > std::max(semicolons, commas) ? QChar(u'\t') : commas > semicolons ? QChar(u',') : QChar(u';');
    QStringList names;
    QString value;
    quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
                value += c;
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == m_separator && !quoted) {
            names.append(value.trimmed());
            value.clear();
        } else {
            value += c;
        }
    }
    names.append(value.trimmed());
    m_columns = names;
    return true;
}

std::optional<std::pair<int, QStringList>> CsvReader::readLine()
{
    while (true) {
        const int start = line();
        if (!peek())
            return std::nullopt;
        QStringList values;
        QString value;
        bool quoted = false;
        bool any = false;
        while (const std::optional<QChar> c = get()) {
            if (quoted) {
                if (*c == u'"') {
                    if (peek() == QChar(u'"')) {
                        get();
                        value += u'"';
                    } else {
                        quoted = false;
                    }
                } else {
                    value += *c;
                }
                continue;
            }
            if (*c == u'\n')
                break;
            any = true;
            if (*c == u'"' && value.isEmpty()) {
                quoted = true;
            } else if (*c == m_separator) {
                values.append(value);
                value.clear();
            } else {
                value += *c;
            }
        }
        // A line with nothing on it is skipped.
        if (!any && values.isEmpty() && value.isEmpty())
            continue;
        values.append(value);
        return std::pair(start, values);
    }
}

std::optional<MergeRecord> CsvReader::next()
{
    std::optional<std::pair<int, QStringList>> read = readLine();
    if (!read)
        return std::nullopt;
    return fit(read->first, read->second);
}
