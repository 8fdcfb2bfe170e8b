#include "MergeFields.h"

namespace MergeFields {

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u' ' || c == u'_' || c == u'-';
}

// Walks a text: literal pieces go to `literal`, fields to `field`.
template <typename Literal, typename Field>
void scan(const QString &text, Literal &&literal, Field &&field)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if ((c == u'{' || c == u'}') && i + 1 < n && text[i + 1] == c) {
            literal(QString(c));
            i += 2;
            continue;
        }
        if (c == u'{') {
            qsizetype end = i + 1;
            while (end < n && isNameChar(text[end]))
                ++end;
            const QString name = text.mid(i + 1, end - i - 1).trimmed();
            if (end < n && text[end] == u'}' && !name.isEmpty()) {
                field(name);
                i = end + 1;
                continue;
            }
        }
        literal(QString(c));
        ++i;
    }
}

} // namespace

QString key(const QString &name)
{
    const QString decomposed = fieldName(name).normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            out.append(c);
    }
    return out.toCaseFolded();
}

QString fieldName(const QString &column)
{
    QString out;
    for (const QChar c : column) {
        if (isNameChar(c))
            out.append(c);
    }
    return out.simplified();
}

QStringList names(const QString &text)
{
    QStringList found;
    scan(text, [](const QString &) {}, [&found](const QString &name) {
        if (!found.contains(name))
            found.append(name);
    });
    return found;
}

QString fill(const QString &text, const std::function<std::optional<QString>(const QString &)> &value)
{
    QString out;
    out.reserve(text.size());
    scan(text, [&out](const QString &piece) { out += piece; },
         [&out, &value](const QString &name) { out += value(name).value_or(QString()); });
    return out;
}

} // namespace MergeFields
